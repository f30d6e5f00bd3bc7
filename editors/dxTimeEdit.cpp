// The time editor: the time formats and masks, the step after the part at the caret, the digits
// each part takes, and the value split into its kept date part and the time shown.
#include "editors/dxTimeEdit.h"

#include "editors/dxCalendar.h"
#include "editors/dxContainer.h"
#include "editors/dxEditClassOf.h"
#include "editors/dxExEdtr.h"
#include "rtl/Convert.h"
#include "rtl/Text.h"
#include "windows/Window.h"

namespace {

// Half a millisecond: sums of steps land within it of the day's last second.
constexpr double TimeTolerance = 0.5 / 86400000.0;

}  // namespace

String TimeEditDisplayFormat(TdxTimeEditFormat Format) {
  static const char* const formats[] = {"hh:nn:ss", "hh:nn", "hh"};
  return formats[Format];
}

String TimeEditMask(TdxTimeEditFormat Format) {
  static const char* const masks[] = {"00:00:00;1;0", "00:00;1;0", "00;1;0"};
  return masks[Format];
}

const TdxInplaceEditClass& TimeEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceTimeEdit, TdxSpinEditClass>("TdxInplaceTimeEdit", Inplace);
}

TdxInplaceTimeEdit::TdxInplaceTimeEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceSpinEdit(AOwner, Class) {
  SetEditMask(TimeEditMask(FTimeEditFormat));
  SetIgnoreMaskBlank(true);
}

void TdxInplaceTimeEdit::SetTimeEditFormat(TdxTimeEditFormat Value) {
  if (Value == FTimeEditFormat) return;
  FTimeEditFormat = Value;
  SetEditMask(TimeEditMask(Value));
}

// The masked caret, not the selection: the selection spans a whole part after a spin or a
// select-all, and a fresh editor's stands past the text.
int TdxInplaceTimeEdit::CaretPosition() const { return HandleAllocated() ? CaretPos() : 0; }

char32_t TdxInplaceTimeEdit::PartAtCaret() {
  const std::u32string format = ToCodePoints(UpperCase(TimeEditDisplayFormat(FTimeEditFormat)));
  const int count = static_cast<int>(format.size());
  const int i = std::min(CaretPosition() + 1, MaxLength() > 0 ? MaxLength() : count);
  auto letterAt = [&](int Pos) { return Pos >= 1 && Pos <= count ? format[static_cast<size_t>(Pos - 1)] : U'\0'; };
  const char32_t letter = letterAt(i);
  if (letter == U'H' || letter == U'N' || letter == U'S') return letter;
  return letterAt(std::max(i - 1, 1));
}

double TdxInplaceTimeEdit::GetIncrement() {
  const TdxEditorResources& r = dxEditorResources();
  switch (PartAtCaret()) {
    case U'H': return r.OneHour;
    case U'N': return r.OneMinute;
    case U'S': return r.OneSecond;
    default: return 0;
  }
}

double TdxInplaceTimeEdit::GetValue() {
  TDateTime value = 0;
  return TryStrToTime(GetEditText(), value) ? value : 0;
}

bool TdxInplaceTimeEdit::IsValidValueChar(TKeyChar Key) {
  const int pos = CaretPosition();
  const auto inRange = [Key](char32_t Last) { return Key >= U'0' && Key <= Last; };
  switch (PartAtCaret()) {
    case U'H':
      if (pos == 0) return inRange(U'2');
      if (pos == 1 && GetEditText().substr(0, 1) == "2") return inRange(U'3');
      return true;
    case U'N': return pos != 3 || inRange(U'5');
    case U'S': return pos != 6 || inRange(U'5');
    default: return true;
  }
}

// The caret goes to the second digit of the part it stood in, so that the next spin steps the
// same part: the new text has moved it away.
void TdxInplaceTimeEdit::SetValue(double Value) {
  const TdxEditorResources& r = dxEditorResources();
  if (Value < r.ZeroTime - TimeTolerance || Value > r.LastTimeOfDay + TimeTolerance) return;
  const int caret = CaretPosition();
  const int pos = caret < 3 ? 1 : caret < 6 ? 4 : 7;
  FTime = Value;
  SetEditTextRaw(FormatDateTime(TimeEditDisplayFormat(FTimeEditFormat), Value));
  if (HandleAllocated()) PlaceMaskedCaret(pos);
}

void TdxInplaceTimeEdit::SetTime(TDateTime Value) {
  if (Value == FTime) return;
  TCustomdxContainer* host = GetContainer();
  if ((host && host->EditorSet()) || CanModify()) SetValue(Value);
}

void TdxInplaceTimeEdit::SetEditValue(const Variant& Value) {
  const bool modified = GetModified();
  if (Value.IsNull() || (VarIsStr(Value) && VarToStr(Value).empty())) {
    FDatePart = 0;
    SetValue(0);
  } else {
    const TDateTime v = Value.AsDouble();
    FDatePart = TruncDateTime(v);
    SetValue(ExtractTimePart(v));
  }
  SetModified(modified);
}

Variant TdxInplaceTimeEdit::GetEditValue() {
  if (FTime == 0 && FDatePart == 0) return Variant::FromCurrency(0);
  return Variant(FDatePart + FTime);
}

void TdxInplaceTimeEdit::SelectAllOnShow() { TdxInplaceTextEdit::SelectAllOnShow(); }
