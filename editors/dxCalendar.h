// The drop-down calendar of the date editors: one month as six weeks of seven days under a header
// with the month, the year and two arrows, an optional band with "Today" and "Clear", and a small
// month list that pops up over the header. TCustomdxCalendar holds the date model, the mouse
// selection and the selection event; TdxGridDatePopup the month grid, its painting, keyboard,
// arrows, month list and buttons; TAMonthListBox the month list. Also the calendar's date
// routines and the size-grip painter of sizable popups.
#pragma once

#include <cstdint>

#include "editors/dxPopup.h"
#include "graphics/Region.h"
#include "rtl/DateTime.h"
#include "windows/Timers.h"

// --- date routines (years and months as words) ------------------------------------------------
void PrevMonth(uint16_t& Year, uint16_t& Month);
void NextMonth(uint16_t& Year, uint16_t& Month);
// Year += Delta div 12, Month += Delta mod 12 (cut toward zero), then Month wrapped into 1..12.
void ShiftMonths(uint16_t& Year, uint16_t& Month, int Delta);
// The same day of the month (clamped to its length) Delta months away.
TDateTime ShiftDateMonths(TDateTime Date, int Delta);
// 1 the year, 2 the month, 3 the day of the month; -1 for any other part.
int GetDatePart(int Part, TDateTime Date);
// 1 below 1, the month's last day above it, else Day.
int ClampDay(int Year, int Month, int Day);
// The day of X; a value a hair below a whole day counts as that day.
TDateTime TruncDateTime(TDateTime X);
// The time of day of X.
TDateTime ExtractTimePart(TDateTime X);
// The column of Date in a week that starts on CalendarFirstWeekDay, 0..6.
int GetWeekColumn(TDateTime Date);
// The first column of every week: 0 Sunday ... 6 Saturday; read from the locale at first use.
uint8_t CalendarFirstWeekDay();
// Reads the locale's first day of the week again (it counts 0 Monday ... 6 Sunday).
void LoadFirstDayOfWeek();
// The month's full name and the year, as the header and the month list show a month.
String CalendarMonthCaption(TDateTime Month);

// The popup's private timers: the arrows' auto-repeat.
enum : UINT_PTR { dxCalendarPrevTimer = 1, dxCalendarNextTimer = 2 };

class TCustomdxCalendar : public TdxInplacePopupControl {
 public:
  explicit TCustomdxCalendar(TComponent* AOwner);
  String ClassName() const override { return "TCustomdxCalendar"; }

  bool Flat() const { return FFlat; }
  TDateTime FirstDate() const { return FFirstDate; }
  TDateTime SelAnchor() const { return FSelAnchor; }
  TDateTime SelEnd() const { return FSelEnd; }

  // --- operations in slot order ----------------------------------------------------------------
  // The first date the calendar shows.
  virtual TDateTime GetFirstDate() { return FFirstDate; }
  virtual TDateTime GetLastDate() { return GetMonthLastDate(); }
  virtual TDateTime GetMonthLastDate() = 0;
  // The selection's smaller end (a NullDate end is left out) and its larger end.
  virtual TDateTime GetSelStart();
  virtual TDateTime GetSelFinish();
  virtual void SetFirstDate(TDateTime Value);
  virtual void SetSelStart(TDateTime Value);
  virtual void SetSelFinish(TDateTime Value);
  virtual void EnsureSelectionVisible() = 0;
  // NullDate outside the days.
  virtual TDateTime GetDateAtPos(TPoint P) = 0;

  TNotifyEvent OnDateSelected;

 protected:
  virtual void DoDateSelected();
  void StoreFirstDate(TDateTime Value) { FFirstDate = Value; }
  void StoreSelAnchor(TDateTime Value) { FSelAnchor = Value; }
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  TDateTime FDownDate = NullDate;
  bool FDoubleClicked = false;
  bool FFlat = true;
  TDateTime FFirstDate;
  TDateTime FSelAnchor;
  TDateTime FSelEnd;
};

class TAMonthListBox;

class TdxGridDatePopup : public TCustomdxCalendar {
 public:
  explicit TdxGridDatePopup(TComponent* AOwner);
  ~TdxGridDatePopup() override;
  String ClassName() const override { return "TdxGridDatePopup"; }

  bool ShowToday() const { return FShowToday; }
  void SetShowToday(bool Value) { FShowToday = Value; }
  bool ShowClear() const { return FShowClear; }
  void SetShowClear(bool Value) { FShowClear = Value; }
  TAMonthListBox* MonthListBox() const { return FMonthListBox; }
  bool ArrowTimerRuns() const { return FArrowTimer != 0; }
  bool TodayPressed() const { return FTodayTracking && FTodayPressed; }

  // The metrics, recomputed from the font.
  int ColWidth() const { return FColWidth; }
  int SideWidth() const { return FSideWidth; }
  int RowHeight() const { return FRowHeight; }
  int HeaderHeight() const { return FHeaderHeight; }
  int DaysOfWeekHeight() const { return FDaysOfWeekHeight; }
  int ButtonsRegionHeight() const { return FButtonsRegionHeight; }

  // The size the font, the day rows and the button band need.
  void AdjustPopupSize();
  int CalcPopupWidth();
  int CalcPopupHeight();
  void ShowPrevMonth();
  void ShowNextMonth();

  // Rectangles in client coordinates.
  TRect HeaderRect();
  TRect LeftArrowRect();
  TRect RightArrowRect();
  TRect MonthCaptionRect();
  TRect GridBandRect();
  TRect DayCellRect(int Column, int Row);
  TRect TodayButtonRect();
  TRect ClearButtonRect();

  TDateTime GetFirstDate() override;
  TDateTime GetLastDate() override;
  TDateTime GetMonthLastDate() override;
  void SetFirstDate(TDateTime Value) override;
  void SetSelFinish(TDateTime Value) override;
  void EnsureSelectionVisible() override;
  TDateTime GetDateAtPos(TPoint P) override;
  void HidePopup(bool Accept) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void Paint() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  friend class TAMonthListBox;
  bool ButtonsShown() const { return FShowToday || FShowClear; }
  int Unflat() const { return Flat() ? 0 : 1; }
  void CalcMetrics();
  void OpenMonthList();
  void CloseMonthList();
  void StartArrowTimer(UINT_PTR Id);
  void KillArrowTimer();
  bool MouseUpOnButton();
  void InvalidateArea(const TRect& Area);
  void PaintHeader(HDC DC, TRegion& Rest);
  void PaintDayNames(HDC DC, TRegion& Rest);
  void PaintDays(HDC DC, TRegion& Rest);
  void PaintButtons(HDC DC, TRegion& Rest);
  void CMFontChanged(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMTimer(TMessage& Message);
  void WMDestroy(TMessage& Message);

  int FColWidth = 0, FSideWidth = 0, FRowHeight = 0, FHeaderHeight = 0, FDaysOfWeekHeight = 0;
  int FTodayButtonWidth = 0, FClearButtonWidth = 0, FButtonsOffset = 0, FButtonsHeight = 0, FButtonsRegionHeight = 0;
  TAMonthListBox* FMonthListBox = nullptr;
  // The month panel whose caption opened the list; the popup shows one panel, so always 0.
  int FMonthListBoxPanel = 0;
  UINT_PTR FArrowTimer = 0;
  bool FTodayTracking = false, FTodayPressed = false, FClearTracking = false, FClearPressed = false;
  bool FShowToday = true;
  bool FShowClear = false;
};

// The month list: seven months, the shown one fourth, scrolled by timers while the mouse is held
// above or below it.
class TAMonthListBox : public TCustomControl {
 public:
  // Popup is the calendar whose metrics the list takes.
  TAMonthListBox(TComponent* AOwner, TdxGridDatePopup* Popup);
  ~TAMonthListBox() override;
  String ClassName() const override { return "TAMonthListBox"; }

  TDateTime TopDate() const { return FTopDate; }
  void SetTopDate(TDateTime Value);
  int ItemHeight() const { return FItemHeight; }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  // 1..9: 5 + the scrolling's direction and speed; 0 while no timer runs.
  int ScrollTimerId() const { return FScrollTimer ? FScrollTimerId : 0; }
  // The first day of the chosen month; NullDate without a choice.
  TDateTime GetSelectedDate();
  // The mouse at a point of the list's client area (which may lie outside it).
  void MouseMoveAt(int X, int Y);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void Paint() override;

 private:
  void KillScrollTimer();
  void CMFontChanged(TMessage& Message);
  void WMTimer(TMessage& Message);

  TdxGridDatePopup* FPopup;
  TDateTime FTopDate;
  int FItemHeight = 0;
  int FItemIndex = 0;
  UINT_PTR FScrollTimer = 0;
  int FScrollTimerId = 0;
};

// Paints the size grip of a sizable popup in Rect's corner (0 top-left, 1 top-right, 2 bottom-left,
// 3 bottom-right); Rect becomes the grip's rectangle.
void DrawSizeGrip(HDC DC, TRect& Rect, int Corner);
