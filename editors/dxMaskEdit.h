// TdxInplaceMaskEdit: the text editor with an optional edit mask. Without a mask it is the text
// editor. With one, its window always shows the edit text (every position of the mask, literals
// in place, unfilled positions as the blank character); typing overwrites one position at a time
// behind a one-character caret that skips literals, refused keys beep, and the value text is the
// edit text without its literals (or with them) and blanks.
#pragma once

#include "editors/dxTextEdit.h"

const TdxInplaceEditClass& MaskEditClass(bool Inplace = true);

class TdxInplaceMaskEdit : public TdxInplaceTextEdit {
 public:
  explicit TdxInplaceMaskEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = MaskEditClass());
  String ClassName() const override { return "TdxInplaceMaskEdit"; }

  const String& EditMask() const { return FEditMask; }
  // Marks the mask as the editor's own, then applies it.
  void SetEditMask(const String& Value);
  bool IsEditMaskStored() const { return (StoredValues() & svEditMask) != 0; }
  // A required position left blank then passes validation, and the edit text is what shows.
  bool IgnoreMaskBlank() const { return FIgnoreMaskBlank; }
  void SetIgnoreMaskBlank(bool Value) { FIgnoreMaskBlank = Value; }
  bool IsMasked() const { return FMasked; }
  int MaxChars() const { return FMaxChars; }
  // The offset where the masked caret stands.
  int CaretPos() const { return FCaretPos; }

  // The value text: the edit text stripped of literals and blanks (with the literals, and blanks
  // as spaces, when the mask keeps them); the window text without a mask.
  String GetMaskedText();
  // Puts a value into the edit text through the mask; the text editor's setter without one.
  void SetMaskedText(const String& Value);
  int GetMaskedTextLength();
  // The edit text with every editable position blank: what an untouched editor shows.
  String GetEmptyEditText();
  // The window's text as it shows.
  const String& GetEditText() const { return Text(); }
  // Sets the window's text as it is, without asking the host; nothing when it is the same.
  void SetEditTextRaw(const String& Value);
  // Selects Start..Stop; with CaretAtStart the caret stands at Start.
  void SelectRange(int Start, int Stop, bool CaretAtStart);

  // --- operations in slot order (after the text editor's) --------------------------------------
  virtual void InternalSetEditMask(const String& Value);
  // The data definition's mask; no editor class makes a data definition.
  virtual String GetDefaultEditMask() { return String(); }
  virtual void GetSel(int& Start, int& Stop);

  void SetText(const String& Value) override;
  void GetDisplayText(String& Text) override;
  Variant GetEditValue() override;
  void SetEditValue(const Variant& Value) override;
  void RefreshDefaults() override;
  int GetDefaultMaxLength() override;
  void InternalSetMaxLength(int Value) override;
  bool HasDataDefinition() override;
  bool UseEditCallback() override { return FMasked; }
  void ValidateEdit() override;

 protected:
  // A refused value takes the focus back: the next entry then selects nothing.
  void SetReEnter() { FReEnter = true; }
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void Dispatch(TMessage& Message) override;
  void TextBoxChanged() override;
  // Shows the caret at Pos as a one-character selection and keeps Pos as the caret position.
  void PlaceMaskedCaret(int Pos);

 private:
  void ApplyNewMask(const String& Mask);
  void RecheckCaret();
  void CursorInc(int Pos, int Step);
  void CursorDec(int Pos);
  void TypeCharAt(char32_t Char, int Offset);
  void ReplaceSelection(int Start, int Stop, const String& Text);
  void DeleteSelection(bool Backspace);
  void ArrowKey(WORD Key, TShiftState Shift);
  void HomeEndKey(WORD Key, TShiftState Shift);
  void MaskedKeyDown(WORD& Key, TShiftState Shift);

  void WMPaste(TMessage& Message);
  void WMCut(TMessage& Message);
  void WMClear(TMessage& Message);
  void EMReplaceSel(TMessage& Message);
  void WMLButtonDown(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMWantSpecialKey(TMessage& Message);

  int FMouseDownX = 0;
  int FCaretPos = 0;
  String FEditMask;
  bool FIgnoreMaskBlank = false;
  char32_t FBlank = U'_';
  bool FKeepLiterals = true;
  bool FMasked = false;
  // A failed validation put the focus back: the next entry does not select everything.
  bool FReEnter = false;
  int FMaxChars = 0;
};
