// The mask editor: the mask and its options, the value and edit texts, the masked caret, and
// validation of required positions.
#include "editors/dxMaskEdit.h"

#include "editors/dxEditClassOf.h"
#include "rtl/Convert.h"
#include "rtl/MaskText.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"
#include "windows/Focus.h"
#include "windows/SystemServices.h"
#include "windows/Window.h"

const TdxInplaceEditClass& MaskEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceMaskEdit, TdxTextEditClass>("TdxInplaceMaskEdit", Inplace);
}

TdxInplaceMaskEdit::TdxInplaceMaskEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceTextEdit(AOwner, Class) {}

void TdxInplaceMaskEdit::SetEditMask(const String& Value) {
  SetStoredValues(StoredValues() | svEditMask);
  InternalSetEditMask(Value);
}

void TdxInplaceMaskEdit::InternalSetEditMask(const String& Value) {
  if (FEditMask == Value) return;
  int start = 0, stop = 0;
  GetSel(start, stop);
  ApplyNewMask(Value);
  ApplyMaxLength(FMasked ? FMaxChars : MaxLength());
  if (HandleAllocated() && GetFocus() == Handle()) PlaceMaskedCaret(start);
  if (HandleAllocated()) RecreateWnd();
}

// The value is kept through the change: stripped with the old mask, laid into the new one.
void TdxInplaceMaskEdit::ApplyNewMask(const String& Mask) {
  const String value = FMasked ? StripEditText(FEditMask, GetEditText(), FBlank) : GetEditText();
  FEditMask = Mask;
  FMasked = !Mask.empty();
  FMaxChars = MaskMaxChars(Mask);
  FKeepLiterals = MaskKeepsLiterals(Mask);
  FBlank = MaskBlankChar(Mask);
  SetEditTextRaw(Mask.empty() ? value : ApplyMaskToValue(Mask, value, FBlank));
}

void TdxInplaceMaskEdit::RefreshDefaults() {
  TdxInplaceTextEdit::RefreshDefaults();
  if (!IsEditMaskStored()) InternalSetEditMask(GetDefaultEditMask());
}

int TdxInplaceMaskEdit::GetDefaultMaxLength() { return FMasked ? FMaxChars : TdxInplaceTextEdit::GetDefaultMaxLength(); }

void TdxInplaceMaskEdit::InternalSetMaxLength(int Value) { TdxInplaceTextEdit::InternalSetMaxLength(FMasked ? FMaxChars : Value); }

bool TdxInplaceMaskEdit::HasDataDefinition() { return TdxInplaceTextEdit::HasDataDefinition() || FMasked; }

void TdxInplaceMaskEdit::GetSel(int& Start, int& Stop) {
  Start = Stop = 0;
  if (HandleAllocated()) TextBox().GetSel(Start, Stop);
}

void TdxInplaceMaskEdit::SelectRange(int Start, int Stop, bool CaretAtStart) {
  if (CaretAtStart)
    TextBox().SetSel(Stop, Start);
  else
    TextBox().SetSel(Start, Stop);
}

String TdxInplaceMaskEdit::GetMaskedText() {
  if (!FMasked) return GetEditText();
  const String value = StripEditText(FEditMask, GetEditText(), FBlank);
  return FKeepLiterals ? ApplyMaskToValue(FEditMask, value, U' ') : value;
}

void TdxInplaceMaskEdit::SetMaskedText(const String& Value) {
  if (!FMasked) return TdxInplaceTextEdit::SetText(Value);
  SetEditTextRaw(FKeepLiterals ? FitValueToMask(FEditMask, Value, FBlank) : ApplyMaskToValue(FEditMask, Value, FBlank));
}

int TdxInplaceMaskEdit::GetMaskedTextLength() { return Length(GetMaskedText()); }

String TdxInplaceMaskEdit::GetEmptyEditText() {
  return FMasked ? ApplyMaskToValue(FEditMask, String(), FBlank) : GetEditText();
}

void TdxInplaceMaskEdit::SetEditTextRaw(const String& Value) {
  if (Value != GetEditText()) TdxInplaceMaskEdit::SetText(Value);
}

// A text set from outside leaves the caret on an editable position.
void TdxInplaceMaskEdit::SetText(const String& Value) {
  TdxInplaceTextEdit::SetText(Value);
  if (!FMasked || !HandleAllocated()) return;
  int start = 0, stop = 0;
  GetSel(start, stop);
  PlaceMaskedCaret(NextEditablePos(FEditMask, start));
}

void TdxInplaceMaskEdit::GetDisplayText(String& Text) {
  if (FIgnoreMaskBlank)
    Text = GetEditText();
  else if (FMasked)
    Text = GetEditText() == GetEmptyEditText() ? String() : GetMaskedText();
  else
    Text = GetEditText();
}

Variant TdxInplaceMaskEdit::GetEditValue() { return Variant(GetMaskedText()); }

void TdxInplaceMaskEdit::SetEditValue(const Variant& Value) {
  if (!FMasked) return TdxInplaceTextEdit::SetEditValue(Value);
  const TValueScope<bool> setting(SettingValue, true);
  SetMaskedText(Value.IsNull() ? String() : VarToStr(Value));
  ClearUndo();
}

// An undo of the window leaves a text of another length: it is laid into the mask again.
void TdxInplaceMaskEdit::TextBoxChanged() {
  const String text = TextBox().Text();
  if (FMasked && Length(text) != FMaxChars) {
    TControl::SetText(text);
    SetMaskedText(text);
    SetModified(true);
    return;
  }
  TdxInplaceTextEdit::TextBoxChanged();
}

// The caret is a one-character selection with the caret at its start; at the end of the mask
// it is an empty one.
void TdxInplaceMaskEdit::PlaceMaskedCaret(int Pos) {
  if (!FMasked) {
    Pos = std::clamp(Pos, 0, Length(GetEditText()));
    TextBox().SetSel(Pos, Pos);
    return;
  }
  Pos = std::max(Pos, 0);
  int stop = Pos + 1;
  if (Pos >= FMaxChars) Pos = stop = FMaxChars;
  SelectRange(Pos, stop, true);
  FCaretPos = Pos;
}

void TdxInplaceMaskEdit::RecheckCaret() {
  if (!HandleAllocated()) return;
  int start = 0, stop = 0;
  GetSel(start, stop);
  if (start == stop) PlaceMaskedCaret(start);
}

void TdxInplaceMaskEdit::CursorInc(int Pos, int Step) {
  const int next = NextEditablePos(FEditMask, Pos + Step);
  PlaceMaskedCaret(IsEditLiteral(FEditMask, next) ? Pos : next);
}

void TdxInplaceMaskEdit::CursorDec(int Pos) { PlaceMaskedCaret(PriorEditablePos(FEditMask, Pos - 1)); }

// A required position left blank puts the caret there, beeps and raises; while the host hides
// the editor to post its value, the text is undone instead.
void TdxInplaceMaskEdit::ValidateEdit() {
  if (FMasked && GetModified()) {
    const int incomplete = FindIncompletePosition(FEditMask, GetEditText(), FBlank, FIgnoreMaskBlank);
    if (incomplete >= 0) {
      if (HidingForPost()) return Undo();
      FReEnter = true;
      if (HandleAllocated() && IsWindowVisible(Handle())) ::SetFocus(Handle());
      PlaceMaskedCaret(incomplete);
      MessageBeep(0);
      throw EDBEditError(Format(SMaskEditErr, {Variant(FEditMask)}));
    }
  }
  RecheckCaret();
  TdxInplaceTextEdit::ValidateEdit();
}
