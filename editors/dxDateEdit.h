// TdxInplaceDateEdit: the editor of one date-time value. Its text takes a date in the locale's
// short format (under a mask built from that format when UseEditMask is on) or a keyword with an
// optional day offset ("TODAY+3", "EOM"); its button opens the month calendar. Also the date
// routines the editor and the application's search code share: the mask and edit format from the
// locale, the texts of a date, the keyword parser and TextToDate.
#pragma once

#include "classes/Component.h"
#include "editors/dxDropDownEdit.h"
#include "rtl/DateTime.h"

class TdxGridDatePopup;

// The buttons of the calendar: a set, bit i standing for element i.
enum TDateButton { btnToday, btnClear };
using TDateButtons = unsigned;
inline constexpr const char* DateButtonNames[] = {"btnToday", "btnClear"};
inline constexpr TDateButtons AllDateButtons = (1u << btnToday) | (1u << btnClear);

// The date an invalid text becomes when no error is raised.
enum TDateOnError { deToday, deNull };
inline constexpr const char* DateOnErrorNames[] = {"deToday", "deNull"};

// Asked for every modified text: the handler may change the date, the message and whether the
// text is refused.
using TdxDateValidateInput =
    std::function<void(TObject* Sender, const String& Text, TDateTime& Date, String& Message, bool& Error)>;

// "!" and one mask field per date part of the locale's short date format, literals kept, blank
// a space: "yyyy-m-d" gives "!9999-99-99;1; ".
String BuildDateEditMask();
// The short date format with every single day or month letter doubled ("yyyy-mm-dd"), so that
// a formatted date fills the mask's two-digit fields.
String GetDateEditFormat();
// "" for NullDate; else the short date, and the long time when the value has a time of day.
String DateToDisplayText(TDateTime Date);
// "" for NullDate; with a mask the date in GetDateEditFormat, else DateToDisplayText.
String DateToEditText(bool UseMask, TDateTime Date);
// A text that begins with a keyword of the editors' string table ("TODAY", "EOM" ...), compared
// without regard to case, gives its date, moved by the "+n" or "-n" days that may follow (a bad
// number is ignored); Date is untouched when no keyword matches.
bool ParseDateKeyword(const String& Text, TDateTime& Date);
// A keyword, or a date (with or without a time), a time, or a day count as the system reads them;
// false, with Date untouched, for an empty text and for anything that is no date of the years 1
// to 9999.
bool TextToDate(const String& Text, TDateTime& Date);

const TdxInplaceEditClass& DateEditClass(bool Inplace = true);

class TdxInplaceDateEdit : public TdxInplaceDropDownEdit {
 public:
  explicit TdxInplaceDateEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = DateEditClass());
  ~TdxInplaceDateEdit() override;
  String ClassName() const override { return "TdxInplaceDateEdit"; }

  TDateTime Date() const { return FDate; }
  // Nothing for the same date unless the user typed since; a read-only stand-alone editor takes
  // no date, an in-place one takes what its host sets it up with.
  void SetDate(TDateTime Value);
  TDateButtons DateButtons() const { return FDateButtons; }
  void SetDateButtons(TDateButtons Value) { FDateButtons = Value & AllDateButtons; }
  TDateOnError DateOnError() const { return FDateOnError; }
  void SetDateOnError(TDateOnError Value) { FDateOnError = Value; }
  bool DateValidation() const { return FDateValidation; }
  void SetDateValidation(bool Value) { FDateValidation = Value; }
  bool SaveTime() const { return FSaveTime; }
  void SetSaveTime(bool Value) { FSaveTime = Value; }
  bool UseEditMask() const { return FUseEditMask; }
  void SetUseEditMask(bool Value);
  // A mask that UseEditMask made is not the editor's own: layouts keep only UseEditMask.
  bool IsOwnEditMaskStored() const { return IsEditMaskStored() && !FUseEditMask; }
  // The text follows the date: layouts keep the date alone.
  bool IsTextStored() const { return false; }
  // The calendar of the first drop-down; nullptr before.
  TdxGridDatePopup* Calendar() const { return FCalendar.get(); }

  // --- operations in slot order (after the drop-down editor's) ---------------------------------
  virtual void DoDateValidateInput(const String& Text, TDateTime& Date, String& Message, bool& Error);

  void SetEditValue(const Variant& Value) override;
  Variant GetEditValue() override;
  void Change() override;
  void GetDisplayText(String& Text) override;
  bool IsValidateOnEnter() override { return true; }
  void ValidateEdit() override;
  void DropDown() override;

  TNotifyEvent OnDateChange;
  TdxDateValidateInput OnDateValidateInput;

 protected:
  // Stores Value and shows it; fires OnDateChange for a new date unless a value is being set.
  void SetDateValue(TDateTime Value);
  // Applies or removes the date mask and shows the date in its new form.
  void ApplyUseEditMask();
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void Dispatch(TMessage& Message) override;

 private:
  TDateTime ValidatedDate(const String& Text, bool& Error);
  void RefuseDate(const String& Text, TDateTime& NewDate, bool Error);
  TDateTime CalendarStartDate();
  void DateSelected(TObject* Sender);
  void CMWinIniChange(TMessage& Message);

  TDateTime FDate = NullDate;
  TDateButtons FDateButtons = AllDateButtons;
  // The date parsed when the calendar last opened; its time goes back onto a picked day.
  TDateTime FSavedDate = NullDate;
  TDateOnError FDateOnError = deNull;
  TComponentPtr<TdxGridDatePopup> FCalendar;
  bool FDateValidation = false;
  bool FSaveTime = true;
  // The user typed since a date was last stored.
  bool FTextChanged = false;
  bool FUseEditMask = false;
};
