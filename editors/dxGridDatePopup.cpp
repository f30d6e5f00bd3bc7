// The month grid popup: metrics from the font, its rectangles, the dates of its 42 cells, the
// keyboard, the mouse on days, arrows, caption and buttons, the arrows' auto-repeat and the month
// list it opens over the caption.
#include <utility>

#include "editors/dxCalendar.h"
#include "editors/dxEditStrings.h"
#include "graphics/Gdi.h"
#include "rtl/Arith.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/Paint.h"
#include "windows/Window.h"

namespace {

constexpr UINT ArrowRepeat = 170;

TDateTime FirstOfMonth(TDateTime Date) { return TruncDateTime(Date) + 1 - GetDatePart(3, Date); }

}  // namespace

TdxGridDatePopup::TdxGridDatePopup(TComponent* AOwner) : TCustomdxCalendar(AOwner) {
  StoreFirstDate(FirstOfMonth(FirstDate()));
  SetBounds(Left(), Top(), 20, 20);
  SetIsPopup(true);
}

TdxGridDatePopup::~TdxGridDatePopup() { KillArrowTimer(); }

void TdxGridDatePopup::CreateParams(TCreateParams& Params) {
  TCustomdxCalendar::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ClassStyle |= CS_SAVEBITS;
}

void TdxGridDatePopup::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TdxGridDatePopup> Handlers[] = {
      {CM_FONTCHANGED, &TdxGridDatePopup::CMFontChanged},
      {WM_SIZE, &TdxGridDatePopup::WMSize},
      {WM_TIMER, &TdxGridDatePopup::WMTimer},
      {WM_DESTROY, &TdxGridDatePopup::WMDestroy},
  };
  if (!DispatchTo(this, Message, Handlers)) TCustomdxCalendar::Dispatch(Message);
}

// "0" and "Wg" are the samples the metrics are taken from.
void TdxGridDatePopup::CalcMetrics() {
  TCanvas* c = Canvas();
  c->SetFont(Font());
  const int zero = c->TextWidth("0");
  FColWidth = 3 * zero;
  FSideWidth = 2 * zero;
  FRowHeight = c->TextHeight("0") + 2;
  FHeaderHeight = FRowHeight + 2 + (Flat() ? 1 : 0);
  FDaysOfWeekHeight = FRowHeight + 1;
  FTodayButtonWidth = c->TextWidth(dxEditorText(dxSEditToday)) + FColWidth;
  FClearButtonWidth = c->TextWidth(dxEditorText(dxSEditClear)) + FColWidth;
  FButtonsOffset = Font()->Size() / 2;
  FButtonsHeight = MulDiv(c->TextHeight("Wg"), 20, 13);
  FButtonsRegionHeight = Font()->Size() * 3 / 4 + FButtonsOffset + FButtonsHeight;
}

void TdxGridDatePopup::CMFontChanged(TMessage& Message) {
  TCustomdxCalendar::Dispatch(Message);
  if (!HandleAllocated()) return;
  CalcMetrics();
  Perform(WM_SIZE);
}

void TdxGridDatePopup::WMSize(TMessage& Message) {
  TCustomdxCalendar::Dispatch(Message);
  AdjustPopupSize();
}

void TdxGridDatePopup::AdjustPopupSize() {
  if (FColWidth == 0) return;
  SetBounds(Left(), Top(), CalcPopupWidth(), CalcPopupHeight());
}

int TdxGridDatePopup::CalcPopupWidth() { return Width() - ClientWidth() + 2 * FSideWidth + 7 * FColWidth; }

int TdxGridDatePopup::CalcPopupHeight() {
  return Height() - ClientHeight() + Unflat() + FHeaderHeight + FDaysOfWeekHeight + 6 * FRowHeight + 1 +
         (ButtonsShown() ? FButtonsRegionHeight : 0);
}

TRect TdxGridDatePopup::HeaderRect() { return {0, 0, ClientWidth(), FHeaderHeight}; }
TRect TdxGridDatePopup::LeftArrowRect() { return {1, 1, FColWidth - 1, FHeaderHeight - 1}; }
TRect TdxGridDatePopup::RightArrowRect() {
  return {ClientWidth() - FColWidth, 1, ClientWidth() - 1 - Unflat(), FHeaderHeight - 1};
}

TRect TdxGridDatePopup::MonthCaptionRect() {
  const int bottom = GridBandRect().Top - Unflat() - 1;
  return {FColWidth, bottom - (FHeaderHeight - 2), ClientWidth() - FColWidth - Unflat(), bottom};
}

TRect TdxGridDatePopup::GridBandRect() {
  const int top = Unflat() + FHeaderHeight;
  return {0, top, ClientWidth(), top + FDaysOfWeekHeight + 6 * FRowHeight + 1};
}

TRect TdxGridDatePopup::DayCellRect(int Column, int Row) {
  const int left = FSideWidth + Column * FColWidth, top = GridBandRect().Top + FDaysOfWeekHeight + Row * FRowHeight;
  return {left, top, left + FColWidth, top + FRowHeight};
}

// The shown buttons share the band's width with equal gaps around them.
TRect TdxGridDatePopup::TodayButtonRect() {
  if (!FShowToday) return {};
  const int shown = FShowToday + FShowClear;
  const int gap = (ClientWidth() - FTodayButtonWidth - (FShowClear ? FClearButtonWidth : 0)) / (shown + 1);
  const int top = ClientHeight() - FButtonsRegionHeight + FButtonsOffset;
  return {gap, top, gap + FTodayButtonWidth, top + FButtonsHeight};
}

TRect TdxGridDatePopup::ClearButtonRect() {
  if (!FShowClear) return {};
  const int shown = FShowToday + FShowClear;
  const int gap = (ClientWidth() - FClearButtonWidth - (FShowToday ? FTodayButtonWidth : 0)) / (shown + 1);
  const int top = ClientHeight() - FButtonsRegionHeight + FButtonsOffset;
  const int left = ClientWidth() - FClearButtonWidth - gap;
  return {left, top, left + FClearButtonWidth, top + FButtonsHeight};
}

// The first row always shows at least one day of the month before.
TDateTime TdxGridDatePopup::GetFirstDate() {
  const TDateTime first = FirstDate();
  const int column = GetWeekColumn(first);
  return first - column - (column == 0 ? 7 : 0);
}

TDateTime TdxGridDatePopup::GetLastDate() { return GetFirstDate() + 41; }

TDateTime TdxGridDatePopup::GetMonthLastDate() {
  return FirstDate() + DaysInAMonth(GetDatePart(1, FirstDate()), GetDatePart(2, FirstDate())) - 1;
}

void TdxGridDatePopup::SetFirstDate(TDateTime Value) { TCustomdxCalendar::SetFirstDate(FirstOfMonth(Value)); }

// The popup keeps one selected day.
void TdxGridDatePopup::SetSelFinish(TDateTime Value) {
  if (Value != SelEnd()) StoreSelAnchor(Value);
  TCustomdxCalendar::SetSelFinish(Value);
}

// Stepping back out of the grid shows the month before the selected day's, which keeps that day
// in view as a trailing day. No selected day ("Clear") moves nothing.
void TdxGridDatePopup::EnsureSelectionVisible() {
  const TDateTime anchor = SelAnchor();
  if (anchor == NullDate) return;
  if (GetFirstDate() > anchor) SetFirstDate(ShiftDateMonths(anchor, -1));
  if (GetLastDate() < anchor) SetFirstDate(anchor);
}

TDateTime TdxGridDatePopup::GetDateAtPos(TPoint P) {
  if (!PtInRect(ClientRect(), P) || FColWidth == 0) return NullDate;
  const TRect first = DayCellRect(0, 0);
  const int column = (P.X - first.Left) / FColWidth, row = (P.Y - first.Top) / FRowHeight;
  if (P.X < first.Left || P.Y < first.Top || column > 6 || row > 5) return NullDate;
  return GetFirstDate() + 7 * row + column;
}

void TdxGridDatePopup::ShowPrevMonth() {
  SetFirstDate(ShiftDateMonths(FirstDate(), -1));
  Invalidate();
}

void TdxGridDatePopup::ShowNextMonth() {
  SetFirstDate(ShiftDateMonths(FirstDate(), 1));
  Invalidate();
}

void TdxGridDatePopup::HidePopup(bool Accept) {
  if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
  if (GetCapture() == Handle()) ReleaseCapture();
  KillArrowTimer();
  CloseMonthList();
  FTodayTracking = FClearTracking = false;
  TCustomdxCalendar::HidePopup(Accept);
}

// Every move selects the new day; Enter passes the selection on, Escape and F4 close without it.
void TdxGridDatePopup::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomdxCalendar::KeyDown(Key, Shift);
  const TDateTime day = GetSelStart() == NullDate ? FirstDate() : TruncDateTime(GetSelStart());
  const bool ctrl = Shift == ssCtrl;
  switch (Key) {
    case VK_LEFT: SetSelStart(day - 1); break;
    case VK_RIGHT: SetSelStart(day + 1); break;
    case VK_UP:
    case VK_DOWN:
      if (Shift == ssAlt) return HidePopup(false);
      SetSelStart(day + (Key == VK_UP ? -7 : 7));
      break;
    case VK_HOME: SetSelStart(ctrl ? FirstOfMonth(day) : day - GetWeekColumn(day)); break;
    case VK_END:
      SetSelStart(ctrl ? ShiftDateMonths(FirstOfMonth(day), 1) - 1 : day + 6 - GetWeekColumn(day));
      break;
    case VK_PRIOR: SetSelStart(ShiftDateMonths(day, -1)); break;
    case VK_NEXT: SetSelStart(ShiftDateMonths(day, 1)); break;
    case VK_RETURN:
      if (FMonthListBox) return;
      HidePopup(false);
      DoDateSelected();
      break;
    case VK_ESCAPE:
    case VK_F4: HidePopup(false); break;
    default: break;
  }
}

void TdxGridDatePopup::InvalidateArea(const TRect& Area) {
  if (HandleAllocated()) InvalidateRect(Handle(), &Area, false);
}

void TdxGridDatePopup::StartArrowTimer(UINT_PTR Id) {
  if (FArrowTimer != 0 || !HandleAllocated()) return;
  FArrowTimer = SetTimer(Handle(), Id, ArrowRepeat) ? Id : 0;
}

void TdxGridDatePopup::KillArrowTimer() {
  if (FArrowTimer == 0) return;
  if (HandleAllocated()) KillTimer(Handle(), FArrowTimer);
  FArrowTimer = 0;
}

// The arrows repeat only while the cursor stays on them.
void TdxGridDatePopup::WMTimer(TMessage& Message) {
  TPoint p;
  GetCursorPos(p);
  p = ScreenToClient(p);
  if (Message.WParam == dxCalendarPrevTimer && PtInRect(LeftArrowRect(), p)) ShowPrevMonth();
  if (Message.WParam == dxCalendarNextTimer && PtInRect(RightArrowRect(), p)) ShowNextMonth();
}

void TdxGridDatePopup::WMDestroy(TMessage& Message) {
  KillArrowTimer();
  TCustomdxCalendar::Dispatch(Message);
}

void TdxGridDatePopup::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TPoint p{X, Y};
  if (Button == mbLeft && FShowToday && PtInRect(TodayButtonRect(), p)) {
    FTodayTracking = FTodayPressed = true;
    return InvalidateArea(TodayButtonRect());
  }
  if (Button == mbLeft && FShowClear && PtInRect(ClearButtonRect(), p)) {
    FClearTracking = FClearPressed = true;
    return InvalidateArea(ClearButtonRect());
  }
  if (Button == mbLeft && ButtonsShown() && Y >= ClientHeight() - FButtonsRegionHeight) return;
  TCustomdxCalendar::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || (Shift & ssDouble)) return;
  if (PtInRect(MonthCaptionRect(), p)) {
    OpenMonthList();
  } else if (PtInRect(LeftArrowRect(), p)) {
    ShowPrevMonth();
    StartArrowTimer(dxCalendarPrevTimer);
  } else if (PtInRect(RightArrowRect(), p)) {
    ShowNextMonth();
    StartArrowTimer(dxCalendarNextTimer);
  }
}

void TdxGridDatePopup::MouseMove(TShiftState Shift, int X, int Y) {
  if (FArrowTimer) return;
  const TPoint p{X, Y};
  if (FMonthListBox) {
    const TPoint list = FMonthListBox->ScreenToClient(ClientToScreen(p));
    return FMonthListBox->MouseMoveAt(list.X, list.Y);
  }
  auto follow = [&](bool& Pressed, const TRect& Button) {
    if (Pressed == PtInRect(Button, p)) return;
    Pressed = !Pressed;
    InvalidateArea(Button);
  };
  if (FTodayTracking) return follow(FTodayPressed, TodayButtonRect());
  if (FClearTracking) return follow(FClearPressed, ClearButtonRect());
  TCustomdxCalendar::MouseMove(Shift, X, Y);
}

void TdxGridDatePopup::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FArrowTimer) return KillArrowTimer();
  if (FMonthListBox) {
    const TDateTime month = FMonthListBox->GetSelectedDate();
    CloseMonthList();
    if (month != NullDate) SetFirstDate(ShiftDateMonths(month, -FMonthListBoxPanel));
    return Invalidate();
  }
  if (!MouseUpOnButton()) return;
  if (PtInRect(ClientRect(), TPoint{X, Y})) HidePopup(false);
  TCustomdxCalendar::MouseUp(Button, Shift, X, Y);
}

// A tracked button selects today or nothing when it is released over itself; released elsewhere
// it does nothing at all. Answers whether the release goes on to close and select.
bool TdxGridDatePopup::MouseUpOnButton() {
  if (FTodayTracking) {
    FTodayTracking = false;
    InvalidateArea(TodayButtonRect());
    if (!FTodayPressed) return false;
    SetSelStart(Date());
  } else if (FClearTracking) {
    FClearTracking = false;
    InvalidateArea(ClearButtonRect());
    if (!FClearPressed) return false;
    SetSelStart(NullDate);
  }
  return true;
}

// The list shows the shown month fourth of seven, centred on the caption; the item under the
// cursor is chosen at once, since no move may follow before the release.
void TdxGridDatePopup::OpenMonthList() {
  CloseMonthList();
  FMonthListBoxPanel = 0;
  FMonthListBox = new TAMonthListBox(this, this);
  FMonthListBox->SetFont(Font());
  FMonthListBox->SetParentWindow(Handle());
  FMonthListBox->Perform(CM_FONTCHANGED);
  FMonthListBox->SetTopDate(ShiftDateMonths(FirstDate(), FMonthListBoxPanel - 3));
  const TRect caption = MonthCaptionRect();
  const TPoint topLeft = ClientToScreen(caption.TopLeft()), bottomRight = ClientToScreen(caption.BottomRight());
  const int width = FMonthListBox->Width(), height = FMonthListBox->Height();
  FMonthListBox->SetBounds((topLeft.X + bottomRight.X - width) / 2, (topLeft.Y + bottomRight.Y) / 2 - height / 2, width,
                           height);
  ShowWindow(FMonthListBox->Handle(), SW_SHOWNOACTIVATE);
  TPoint cursor;
  GetCursorPos(cursor);
  const TPoint at = FMonthListBox->ScreenToClient(cursor);
  FMonthListBox->MouseMoveAt(at.X, at.Y);
}

void TdxGridDatePopup::CloseMonthList() {
  if (!FMonthListBox) return;
  TAMonthListBox* list = std::exchange(FMonthListBox, nullptr);
  list->Free();
}
