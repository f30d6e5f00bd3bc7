// TCustomEdit and TEdit: a one-line text box with a sunken border, its text kept by the Qt editor
// inside (TTextBox), with the limit, password character, read-only, character case, alignment,
// selection (hidden while the edit does not have the focus) and the change event. Data-aware
// edits derive from TCustomEdit and hook Change, ReadOnly and the text.
#pragma once

#include <memory>

#include "controls/StdPaint.h"
#include "controls/TextBox.h"

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner) : TCustomEdit(AOwner, false) {}
  ~TCustomEdit() override;
  String ClassName() const override { return "TCustomEdit"; }

  void SetText(const String& Value) override;
  int MaxLength() const { return FTextBox->Limit(); }
  void SetMaxLength(int Value) { FTextBox->SetLimit(Value); }
  TKeyChar PasswordChar() const { return FTextBox->PasswordChar(); }
  void SetPasswordChar(TKeyChar Value) { FTextBox->SetPasswordChar(Value); }
  // The password character as layouts store it: one character, or empty for none.
  String PasswordCharText() const;
  void SetPasswordCharText(const String& Value);
  virtual bool ReadOnly() const { return FTextBox->ReadOnly(); }
  virtual void SetReadOnly(bool Value) { FTextBox->SetReadOnly(Value); }
  TEditCharCase CharCase() const { return FTextBox->CharCase(); }
  void SetCharCase(TEditCharCase Value) { FTextBox->SetCharCase(Value); }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  // The selection shows only while the edit has the focus.
  bool HideSelection() const { return FTextBox->HideSelection(); }
  void SetHideSelection(bool Value) { FTextBox->SetHideSelection(Value); }
  // Everything is selected when the edit is entered.
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  // Where the text lies between the edit's sides.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool Modified() const { return FTextBox->Modified(); }
  void SetModified(bool Value) { FTextBox->SetModified(Value); }

  int SelStart() const;
  void SetSelStart(int Value) { FTextBox->SetSel(Value, Value); }
  void SetSelLength(int Value);
  String SelText() const { return FTextBox->SelText(); }
  void SetSelText(const String& Value) { FTextBox->ReplaceSel(Value); }
  void SelectAll() { FTextBox->SelectAll(); }
  void ClearSelection() { FTextBox->ClearSelection(); }
  void CopyToClipboard() { FTextBox->CopyToClipboard(); }
  void CutToClipboard() { FTextBox->CutToClipboard(); }
  void PasteFromClipboard() { FTextBox->PasteFromClipboard(); }
  bool CanUndo() const { return FTextBox->CanUndo(); }
  void Undo() { FTextBox->Undo(); }
  void Clear() { SetText(String()); }

  TTextBox& TextBox() const { return *FTextBox; }
  TNotifyEvent OnChange;

 protected:
  TCustomEdit(TComponent* AOwner, bool MultiLine);
  // After every change of the text (typed or set).
  virtual void Change();
  void CreateWnd() override;
  void DestroyWnd() override;
  void PaintWindow(HDC DC) override;
  void Dispatch(TMessage& Message) override;
  void WndProc(TMessage& Message) override;
  // The dialog codes: every character, the arrows, and the selection.
  virtual LRESULT DialogCode() const { return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL; }
  // The editor's place: the client area inside the border, one pixel in.
  TRect EditArea();
  void UpdateLook();

 private:
  void WMGetDlgCode(TMessage& Message);
  void WMChar(TMessage& Message);
  void WMImeComposition(TMessage& Message);
  void WMLButtonDown(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMDestroy(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMLookChanged(TMessage& Message);
  void TextBoxChanged();

  std::unique_ptr<TTextBox> FTextBox;
  TBorderStyle FBorderStyle = bsSingle;
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSelect = true;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
  String ClassName() const override { return "TEdit"; }
};
