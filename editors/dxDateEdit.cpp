// The date editor: the stored date and its text, validation of a typed text with its error date,
// the calendar it drops down and the date picked there, the mask and the locale.
#include "editors/dxDateEdit.h"

#include <cmath>

#include "editors/dxCalendar.h"
#include "editors/dxContainer.h"
#include "editors/dxEditClassOf.h"
#include "editors/dxExEdtr.h"
#include "editors/dxPopup.h"
#include "rtl/ScopeExit.h"
#include "rtl/Variant.h"
#include "windows/Focus.h"
#include "windows/SystemServices.h"
#include "windows/Window.h"

const TdxInplaceEditClass& DateEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceDateEdit, TdxDropDownEditClass>("TdxInplaceDateEdit", Inplace);
}

// The calendar takes the focus and the keys itself.
TdxInplaceDateEdit::TdxInplaceDateEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceDropDownEdit(AOwner, Class) {
  SetControlStyle(ControlStyle() & ~csSetCaption);
  SetEditorDrivenPopup(false);
}

TdxInplaceDateEdit::~TdxInplaceDateEdit() { FCalendar.reset(); }

void TdxInplaceDateEdit::SetDate(TDateTime Value) {
  if (Value == FDate && !FTextChanged) return;
  TCustomdxContainer* host = GetContainer();
  if ((host && host->EditorSet()) || CanModify()) SetDateValue(Value);
}

void TdxInplaceDateEdit::SetDateValue(TDateTime Value) {
  const TDateTime old = FDate;
  FDate = Value;
  SetMaskedText(DateToEditText(IsMasked(), Value));
  FTextChanged = false;
  if (!SettingValue && !(ComponentState() & csLoading) && FDate != old && OnDateChange) OnDateChange(this);
}

void TdxInplaceDateEdit::SetUseEditMask(bool Value) {
  if (FUseEditMask == Value) return;
  FUseEditMask = Value;
  ApplyUseEditMask();
}

void TdxInplaceDateEdit::ApplyUseEditMask() {
  const TValueScope<bool> setting(SettingValue, true);
  SetMaskedText(String());
  if (FUseEditMask) {
    SetEditMask(BuildDateEditMask());
  } else {
    InternalSetEditMask(String());
    SetStoredValues(StoredValues() & ~svEditMask);
  }
  SetDateValue(FDate);
}

// Null or an empty text is no date; anything else is read as a number of days.
void TdxInplaceDateEdit::SetEditValue(const Variant& Value) {
  const TValueScope<bool> setting(SettingValue, true);
  if (Value.IsNull() || (VarIsStr(Value) && Value.StringValue().empty()))
    SetDateValue(NullDate);
  else
    SetDateValue(Value.AsDouble());
}

Variant TdxInplaceDateEdit::GetEditValue() { return FDate == NullDate ? Variant::Null() : Variant::FromDateTime(FDate); }

void TdxInplaceDateEdit::Change() {
  if (SettingValue) return;
  TdxInplaceDropDownEdit::Change();
  FTextChanged = true;
}

void TdxInplaceDateEdit::GetDisplayText(String& Text) {
  TdxInplaceDropDownEdit::GetDisplayText(Text);
  if (IsMasked() && Text == GetEmptyEditText()) Text.clear();
}

void TdxInplaceDateEdit::DoDateValidateInput(const String& Text, TDateTime& Date, String& Message, bool& Error) {
  if (OnDateValidateInput) OnDateValidateInput(this, Text, Date, Message, Error);
}

// A modified text becomes a date, the error date when it is none; while the host hides the
// editor to post, a refused or checked text is undone instead of reported.
void TdxInplaceDateEdit::ValidateEdit() {
  if (GetModified()) {
    const String text = GetEditText();
    bool error = false;
    TDateTime date = ValidatedDate(text, error);
    if (FDateValidation || error) {
      if (HidingForPost()) {
        Undo();
        SetMaskedText(String());
        return;
      }
      RefuseDate(text, date, error);
    }
    SetDate(date);
    SetModified(true);
  }
  TdxInplaceDropDownEdit::ValidateEdit();
}

// The date of a window text: none for an empty text, else the parsed date or, with Error set,
// the date the editor's DateOnError names.
TDateTime TdxInplaceDateEdit::ValidatedDate(const String& Text, bool& Error) {
  Error = false;
  if (IsMasked() ? Text == GetEmptyEditText() : Text.empty()) return NullDate;
  TDateTime date = FDateOnError == deNull ? NullDate : ::Date();
  Error = !TextToDate(Text, date);
  return date;
}

// The handler has the last word; a refused text beeps, keeps the focus and raises.
void TdxInplaceDateEdit::RefuseDate(const String& Text, TDateTime& NewDate, bool Error) {
  bool refuse = Error && FDateValidation;
  String message = dxEditorResources().InvalidDate;
  DoDateValidateInput(Text, NewDate, message, refuse);
  if (!refuse) return;
  SetReEnter();
  if (HandleAllocated() && IsWindowVisible(Handle())) ::SetFocus(Handle());
  MessageBeep(0);
  throw Exception(message);
}

void TdxInplaceDateEdit::DropDown() {
  if ((FCalendar && FCalendar->HandleAllocated() && IsWindowVisible(FCalendar->Handle())) || !CanEditText()) return;
  // A calendar shown before makes its window again, with the border and shadow of this time.
  if (FCalendar)
    FCalendar->RecreateWnd();
  else
    FCalendar.reset(new TdxGridDatePopup(nullptr));
  FCalendar->SetOwnerEdit(this);
  SetPopupControl(FCalendar.get());
  DoDropDownEvents();
  FCalendar->SetPopupBorder(GetPopupBorderStyle());
  FCalendar->SetShadow(Style()->Shadow());
  FCalendar->SetFont(Font());
  FCalendar->SetShowToday(FDateButtons & (1u << btnToday));
  FCalendar->SetShowClear(FDateButtons & (1u << btnClear));
  FCalendar->OnDateSelected = nullptr;
  const TDateTime start = CalendarStartDate();
  FCalendar->SetFirstDate(start);
  FCalendar->SetSelStart(start);
  FCalendar->OnDateSelected = [this](TObject* Sender) { DateSelected(Sender); };
  FCalendar->HandleNeeded();
  FCalendar->AdjustPopupSize();
  PositionPopup(FCalendar.get(), false);
  SetPopupShown(true);
  FCalendar->ShowPopup();
}

// The day of the text, remembered for the next drop-down; an empty or unreadable text opens on
// the day remembered last, or today.
TDateTime TdxInplaceDateEdit::CalendarStartDate() {
  TDateTime start = ::Date();
  const String text = GetMaskedText();
  TDateTime parsed = 0;
  if (!(IsMasked() && text == GetEmptyEditText()) && TextToDate(text, parsed)) FSavedDate = parsed;
  if (FSavedDate != NullDate) start = TruncDateTime(FSavedDate);
  return start;
}

// The picked day keeps the time of the date parsed when the calendar opened.
void TdxInplaceDateEdit::DateSelected(TObject*) {
  TDateTime date = FCalendar->GetSelStart();
  if (FSaveTime && date != NullDate) {
    const TDateTime time = std::fabs(FSavedDate - std::trunc(FSavedDate));
    date = date >= 0 ? date + time : date - time;
  }
  SetDate(date);
  SetModified(true);
}

// Enter validates a stand-alone editor once: its character, which would validate again (and
// report a refused date a second time), is dropped.
void TdxInplaceDateEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_RETURN && !IsInplace() && HandleAllocated()) RemovePendingMessage(Handle(), WM_CHAR);
  TdxInplaceDropDownEdit::KeyDown(Key, Shift);
}

void TdxInplaceDateEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_WININICHANGE) return CMWinIniChange(Message);
  TdxInplaceDropDownEdit::Dispatch(Message);
}

// The locale's formats are the format settings themselves: the calendar's first day of the week
// and the mask are taken from them again.
void TdxInplaceDateEdit::CMWinIniChange(TMessage& Message) {
  TdxInplaceDropDownEdit::Dispatch(Message);
  LoadFirstDayOfWeek();
  ApplyUseEditMask();
}
