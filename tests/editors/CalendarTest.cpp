// The calendar: its date routines and first day of the week, the days of the grid, its size from
// the font, the keyboard, days, "Today" and "Clear" chosen by the mouse, the arrows' repeat, the
// month list, its painting with the locale's names, and the size grip.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxCalendar.h"
#include "graphics/Gdi.h"
#include "graphics/Graphic.h"
#include "graphics/Metrics.h"
#include "rtl/FormatSettings.h"
#include "windows/Focus.h"
#include "windows/Window.h"

namespace {

TDateTime Day(int Year, int Month, int Day) { return EncodeDate(Year, Month, Day); }

class CalendarTest : public TEditorsTest {
 protected:
  void SetUp() override {
    TEditorsTest::SetUp();
    FSavedClock = SetClockSource([] { return Day(2024, 3, 15) + EncodeTime(10, 30, 0, 0); });
    LoadFirstDayOfWeek();
  }
  void TearDown() override {
    SetClockSource(FSavedClock);
    TEditorsTest::TearDown();
  }
  // The calendar opened at (300, 200) on Date, with the focus, counting the dates it passes on.
  TdxGridDatePopup* Open(TDateTime Date, bool ShowClear = false) {
    auto* popup = new TdxGridDatePopup(Form);
    popup->SetOwnerEdit(Host);
    popup->SetPopupBorder(pbSingle);
    popup->SetShowClear(ShowClear);
    popup->SetFirstDate(Date);
    popup->SetSelStart(Date);
    popup->OnDateSelected = [this, popup](TObject*) { Selected.push_back(popup->GetSelStart()); };
    popup->HandleNeeded();
    popup->SetBounds(300, 200, popup->Width(), popup->Height());
    popup->ShowPopup();
    ::SetFocus(popup->Handle());
    Pump();
    return popup;
  }
  static TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
  std::vector<TDateTime> Selected;

 private:
  TClockSource FSavedClock;
};

TEST_F(CalendarTest, DateRoutines) {
  struct TShift {
    int Year, Month, Delta, ToYear, ToMonth;
  };
  const TShift shifts[] = {{2024, 1, -1, 2023, 12}, {2024, 12, 1, 2025, 1}, {2024, 3, -15, 2022, 12},
                           {2024, 11, 14, 2026, 1}, {2024, 5, 0, 2024, 5}};
  for (const TShift& s : shifts) {
    uint16_t y = static_cast<uint16_t>(s.Year), m = static_cast<uint16_t>(s.Month);
    ShiftMonths(y, m, s.Delta);
    EXPECT_EQ(std::pair(int(y), int(m)), std::pair(s.ToYear, s.ToMonth)) << s.Year << "-" << s.Month << " " << s.Delta;
  }
  uint16_t y = 2024, m = 1;
  PrevMonth(y, m);
  NextMonth(y, m);
  NextMonth(y, m);
  EXPECT_EQ(std::pair(int(y), int(m)), std::pair(2024, 2));

  // 29 February is offered in 2000 and 2024, not in 1900 or 2100.
  for (int year : {2000, 2024, 1900, 2100}) EXPECT_EQ(ClampDay(year, 2, 29), IsLeapYear(year) ? 29 : 28) << year;
  EXPECT_EQ(ClampDay(2023, 4, 31), 30);
  EXPECT_EQ(ClampDay(2023, 4, 0), 1);

  EXPECT_EQ(TruncDateTime(Day(2024, 3, 15) - 1e-12), Day(2024, 3, 15)) << "a hair below a day is that day";
  EXPECT_EQ(TruncDateTime(Day(2024, 3, 15) + 0.75), Day(2024, 3, 15));
  EXPECT_EQ(TruncDateTime(-1.5), -1.0);
  EXPECT_EQ(TruncDateTime(0), 0.0);
  EXPECT_NEAR(ExtractTimePart(Day(2024, 3, 15) + EncodeTime(8, 5, 3, 0)), EncodeTime(8, 5, 3, 0), 1e-9);
  EXPECT_EQ(GetDatePart(1, Day(2024, 3, 15)), 2024);
  EXPECT_EQ(GetDatePart(3, Day(2024, 3, 15)), 15);
  EXPECT_EQ(GetDatePart(4, Day(2024, 3, 15)), -1);
}

TEST_F(CalendarTest, TheFirstDayOfTheWeekComesFromTheLocale) {
  const int saved = FormatSettings().FirstDayOfWeek;
  FormatSettings().FirstDayOfWeek = 0;  // Monday
  LoadFirstDayOfWeek();
  EXPECT_EQ(CalendarFirstWeekDay(), 1);
  EXPECT_EQ(GetWeekColumn(Day(2024, 4, 1)), 0) << "a Monday";
  EXPECT_EQ(GetWeekColumn(Day(2024, 3, 31)), 6) << "a Sunday";
  FormatSettings().FirstDayOfWeek = 6;  // Sunday
  LoadFirstDayOfWeek();
  EXPECT_EQ(CalendarFirstWeekDay(), 0);
  EXPECT_EQ(GetWeekColumn(Day(2024, 3, 31)), 0);
  FormatSettings().FirstDayOfWeek = saved;
  LoadFirstDayOfWeek();
}

TEST_F(CalendarTest, TheGridAlwaysStartsWithDaysOfTheMonthBefore) {
  TdxGridDatePopup* popup = Open(Day(2024, 4, 10));
  EXPECT_EQ(popup->FirstDate(), Day(2024, 4, 1));
  EXPECT_EQ(popup->GetFirstDate(), Day(2024, 3, 25)) << "April 2024 starts on a Monday: a whole week before it";
  EXPECT_EQ(popup->GetLastDate(), Day(2024, 5, 5));
  EXPECT_EQ(popup->GetMonthLastDate(), Day(2024, 4, 30));
  popup->SetFirstDate(Day(2024, 3, 20));
  EXPECT_EQ(popup->GetFirstDate(), Day(2024, 2, 26));

  EXPECT_EQ(popup->GetDateAtPos(Centre(popup->DayCellRect(0, 0))), Day(2024, 2, 26));
  EXPECT_EQ(popup->GetDateAtPos(Centre(popup->DayCellRect(6, 5))), Day(2024, 4, 7));
  EXPECT_EQ(popup->GetDateAtPos(Centre(popup->HeaderRect())), NullDate);
  EXPECT_EQ(popup->GetDateAtPos({-3, 40}), NullDate);
}

TEST_F(CalendarTest, TheSizeFollowsTheFontAndTheButtonBand) {
  TdxGridDatePopup* popup = Open(Day(2024, 3, 15));
  TCanvas* canvas = popup->Canvas();
  canvas->SetFont(popup->Font());
  const int zero = canvas->TextWidth("0"), height = canvas->TextHeight("0");
  EXPECT_EQ(popup->ColWidth(), 3 * zero);
  EXPECT_EQ(popup->RowHeight(), height + 2);
  EXPECT_EQ(popup->HeaderHeight(), height + 5);
  EXPECT_EQ(popup->ClientWidth(), 2 * 2 * zero + 7 * 3 * zero);
  const int withToday = popup->ClientHeight();
  EXPECT_EQ(withToday, popup->HeaderHeight() + popup->DaysOfWeekHeight() + 6 * popup->RowHeight() + 1 +
                           popup->ButtonsRegionHeight());
  EXPECT_EQ(popup->Width() - popup->ClientWidth(), 2) << "the single border";
  popup->SetShowToday(false);
  popup->AdjustPopupSize();
  EXPECT_EQ(popup->ClientHeight(), withToday - popup->ButtonsRegionHeight());

  TFont big;
  big.Assign(popup->Font());
  big.SetSize(14);
  popup->SetFont(&big);
  EXPECT_GT(popup->ColWidth(), 3 * zero);
  EXPECT_EQ(popup->ClientWidth(), 2 * popup->SideWidth() + 7 * popup->ColWidth());
}

TEST_F(CalendarTest, KeysMoveTheSelectedDay) {
  struct TCase {
    TDateTime From;
    int Key;
    TShiftState Shift;
    TDateTime To;
  };
  const TCase cases[] = {
      {Day(2024, 3, 15), VK_LEFT, 0, Day(2024, 3, 14)},     {Day(2024, 3, 15), VK_RIGHT, 0, Day(2024, 3, 16)},
      {Day(2024, 3, 15), VK_UP, 0, Day(2024, 3, 8)},        {Day(2024, 3, 15), VK_DOWN, 0, Day(2024, 3, 22)},
      {Day(2024, 3, 15), VK_HOME, 0, Day(2024, 3, 11)},     {Day(2024, 3, 15), VK_END, 0, Day(2024, 3, 17)},
      {Day(2024, 3, 15), VK_HOME, ssCtrl, Day(2024, 3, 1)}, {Day(2024, 3, 15), VK_END, ssCtrl, Day(2024, 3, 31)},
      {Day(2024, 1, 31), VK_NEXT, 0, Day(2024, 2, 29)},     {Day(2023, 1, 31), VK_NEXT, 0, Day(2023, 2, 28)},
      {Day(2024, 3, 31), VK_PRIOR, 0, Day(2024, 2, 29)},    {Day(2024, 3, 1), VK_LEFT, 0, Day(2024, 2, 29)},
  };
  TdxGridDatePopup* popup = Open(Day(2024, 3, 15));
  for (const TCase& c : cases) {
    popup->SetFirstDate(c.From);
    popup->SetSelStart(c.From);
    PressKey(c.Key, c.Shift);
    Pump();
    EXPECT_EQ(popup->GetSelStart(), c.To) << c.Key << " " << c.Shift << " from " << DateToStr(c.From);
    EXPECT_LE(popup->GetFirstDate(), c.To);
    EXPECT_GE(popup->GetLastDate(), c.To) << "the selected day stays in view";
  }
  EXPECT_TRUE(Selected.empty());
}

TEST_F(CalendarTest, EnterPassesTheDayOnWhileEscapeAndAltUpOnlyClose) {
  TdxGridDatePopup* popup = Open(Day(2024, 3, 15));
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_FALSE(IsWindowVisible(popup->Handle()));
  popup->ShowPopup();
  ::SetFocus(popup->Handle());
  PressKey(VK_UP, ssAlt);
  Pump();
  EXPECT_FALSE(IsWindowVisible(popup->Handle()));
  EXPECT_TRUE(Selected.empty());
  popup->ShowPopup();
  ::SetFocus(popup->Handle());
  PressKey(VK_RETURN);
  Pump();
  EXPECT_FALSE(IsWindowVisible(popup->Handle()));
  EXPECT_EQ(Selected, std::vector<TDateTime>{Day(2024, 3, 15)});
}

TEST_F(CalendarTest, AClickOnADaySelectsItOnceAndTheButtonsSelectTodayOrNothing) {
  TdxGridDatePopup* popup = Open(Day(2024, 3, 1), true);
  DoubleClick(popup, Centre(popup->DayCellRect(3, 2)));
  Pump();
  EXPECT_EQ(Selected, std::vector<TDateTime>{Day(2024, 3, 14)}) << "the second click selects nothing more";
  EXPECT_FALSE(IsWindowVisible(popup->Handle()));

  popup->SetSelStart(Day(2024, 3, 1));
  popup->ShowPopup();
  Pump();
  const TPoint today = Centre(popup->TodayButtonRect());
  MouseDown(popup, today);
  Pump();
  EXPECT_TRUE(popup->TodayPressed());
  MouseMove(popup, {today.X, today.Y - 40});
  Pump();
  EXPECT_FALSE(popup->TodayPressed());
  MouseUp(popup, {today.X, today.Y - 40});
  Pump();
  EXPECT_TRUE(IsWindowVisible(popup->Handle())) << "released off the button: neither closed nor selected";
  EXPECT_EQ(popup->GetSelStart(), Day(2024, 3, 1));

  Click(popup, today);
  Pump();
  EXPECT_EQ(Selected.back(), Day(2024, 3, 15));
  popup->ShowPopup();
  Pump();
  Click(popup, Centre(popup->ClearButtonRect()));
  Pump();
  EXPECT_EQ(Selected.back(), NullDate);
  EXPECT_EQ(Selected.size(), 3u);
}

TEST_F(CalendarTest, AHeldArrowStepsEvery170MillisecondsWhileTheCursorStaysOnIt) {
  TdxGridDatePopup* popup = Open(Day(2024, 3, 15));
  const TPoint arrow = Centre(popup->LeftArrowRect());
  MouseDown(popup, arrow);
  Pump();
  EXPECT_EQ(popup->FirstDate(), Day(2024, 2, 1));
  EXPECT_TRUE(popup->ArrowTimerRuns());
  Advance(169);
  EXPECT_EQ(popup->FirstDate(), Day(2024, 2, 1));
  Advance(1);
  EXPECT_EQ(popup->FirstDate(), Day(2024, 1, 1));
  Advance(170);
  EXPECT_EQ(popup->FirstDate(), Day(2023, 12, 1));
  MouseMove(popup, Centre(popup->DayCellRect(3, 3)));
  Pump();
  Advance(340);
  EXPECT_EQ(popup->FirstDate(), Day(2023, 12, 1)) << "off the arrow";
  MouseUp(popup, Centre(popup->DayCellRect(3, 3)));
  Pump();
  EXPECT_FALSE(popup->ArrowTimerRuns());
  EXPECT_TRUE(IsWindowVisible(popup->Handle()));
  EXPECT_TRUE(Selected.empty());
}

TEST_F(CalendarTest, TheMonthListShowsTheMonthFourthAndChoosesByTheMouse) {
  TdxGridDatePopup* popup = Open(Day(2024, 3, 15));
  const TPoint caption = Centre(popup->MonthCaptionRect());
  MouseDown(popup, caption);
  Pump();
  TAMonthListBox* list = popup->MonthListBox();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->TopDate(), Day(2023, 12, 1));
  EXPECT_EQ(list->ItemIndex(), 3) << "the month under the cursor";
  EXPECT_EQ(list->Width(), 2 + 6 * popup->ColWidth());
  Pump();
  RenderWindowToPng(list->Handle(), "calendar-month-list.png");
  const TPoint fifth = popup->ScreenToClient(list->ClientToScreen(TPoint{20, 5 * list->ItemHeight() + 2}));
  MouseMove(popup, fifth);
  MouseUp(popup, fifth);
  Pump();
  EXPECT_EQ(popup->MonthListBox(), nullptr);
  EXPECT_EQ(popup->FirstDate(), Day(2024, 5, 1));
  EXPECT_EQ(popup->GetSelStart(), Day(2024, 3, 15)) << "the selection stays";

  // Released beside the list, the month stays.
  Advance(1000);  // no double click
  MouseDown(popup, caption);
  Pump();
  list = popup->MonthListBox();
  const TRect window = list->BoundsRect();
  MouseMove(popup, popup->ScreenToClient(TPoint{window.Right + 20, window.Top + 10}));
  MouseUp(popup, popup->ScreenToClient(TPoint{window.Right + 20, window.Top + 10}));
  Pump();
  EXPECT_EQ(popup->FirstDate(), Day(2024, 5, 1));
}

TEST_F(CalendarTest, TheMonthListScrollsFasterTheFurtherTheMouseIs) {
  TdxGridDatePopup* popup = Open(Day(2024, 3, 15));
  MouseDown(popup, Centre(popup->MonthCaptionRect()));
  Pump();
  TAMonthListBox* list = popup->MonthListBox();
  struct TCase {
    int Y, Id;
  };
  const int below = list->ClientHeight();
  const TCase cases[] = {{-5, 4}, {-12, 3}, {-30, 2}, {-80, 1}, {below + 4, 6}, {below + 50, 9}, {10, 0}};
  for (const TCase& c : cases) {
    list->MouseMoveAt(10, c.Y);
    EXPECT_EQ(list->ScrollTimerId(), c.Id) << c.Y;
  }
  list->MouseMoveAt(10, -5);
  const TDateTime top = list->TopDate();
  Advance(500);
  EXPECT_EQ(list->TopDate(), Day(2023, 11, 1)) << "a month back after 500 ms";
  EXPECT_LT(list->TopDate(), top);
}

TEST_F(CalendarTest, PaintingShowsTheLocalesNamesTodayAndTheSelection) {
  TdxGridDatePopup* popup = Open(Day(2024, 3, 20));
  const TRecordedPaint paint = RecordPaint(popup);
  const TMetafileTextRun* caption = paint.FindText("三月 2024");
  ASSERT_NE(caption, nullptr);
  TRect inside;
  EXPECT_TRUE(IntersectRect(inside, caption->Bounds, popup->MonthCaptionRect()) && inside == caption->Bounds)
      << "the caption fits between the arrows";
  const char* names[] = {"一", "二", "三", "四", "五", "六", "日"};
  for (int i = 0; i < 7; ++i) {
    const TMetafileTextRun* run = paint.FindText(names[i]);
    ASSERT_NE(run, nullptr) << names[i];
    EXPECT_LE(run->Bounds.Right, popup->SideWidth() + (i + 1) * popup->ColWidth() - 3 + 1) << names[i];
    EXPECT_GE(run->Bounds.Left, popup->SideWidth() + i * popup->ColWidth()) << names[i];
  }
  Pump();
  RenderWindowToPng(popup->Handle(), "calendar-open.png");
  const TRect today = popup->DayCellRect(4, 2);  // Friday 15 March
  EXPECT_EQ(WindowPixel(popup->Handle(), today.Left, today.Top + 3), TColor(0x000080));
  const TRect selected = popup->DayCellRect(2, 3);  // Wednesday 20 March
  EXPECT_EQ(WindowPixel(popup->Handle(), selected.Left + 1, selected.Top + 1), TColor(GetSysColor(COLOR_BTNFACE)));
  const TRect trailing = popup->DayCellRect(0, 5);
  EXPECT_EQ(WindowPixel(popup->Handle(), trailing.Left + 1, trailing.Top + 1), TColor(GetSysColor(COLOR_WINDOW)));
}

TEST_F(CalendarTest, TheSizeGripLiesInTheCornerAskedFor) {
  const int w = GetSystemMetrics(SM_CXVSCROLL), h = GetSystemMetrics(SM_CYHSCROLL);
  for (int corner = 0; corner < 4; ++corner) {
    TBitmap bitmap(40, 40);
    FillRect(bitmap.Canvas()->Handle(), {0, 0, 40, 40}, CreateSolidBrush(clWhite));
    TRect r{0, 0, 40, 40};
    DrawSizeGrip(bitmap.Canvas()->Handle(), r, corner);
    const bool left = corner == 0 || corner == 2, top = corner == 0 || corner == 1;
    EXPECT_EQ(r.Width(), w - 2) << corner;
    EXPECT_EQ(r.Height(), h - 2) << corner;
    EXPECT_EQ(left ? r.Left : r.Right, left ? 2 : 38) << corner;
    EXPECT_EQ(top ? r.Top : r.Bottom, top ? 2 : 38) << corner;
    // The grip's lines fill the named corner of its rectangle; the opposite corner is face.
    const int nearX = left ? r.Left : r.Right - 1, nearY = top ? r.Top : r.Bottom - 1;
    const int farX = left ? r.Right - 1 : r.Left, farY = top ? r.Bottom - 1 : r.Top;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_NE(GetPixel(bitmap.Canvas()->Handle(), nearX + (left ? 1 : -1), nearY + (top ? 1 : -1)), face) << corner;
    EXPECT_EQ(GetPixel(bitmap.Canvas()->Handle(), farX, farY), face) << corner;
  }
}

}  // namespace
