// Painting of the month grid: the header with the month's name, the year and the arrows, the day
// names, the days with the selection and today's frame, and the "Today" and "Clear" buttons.
// Each part is taken out of a region of the client area; what is left is filled last.
#include "editors/dxCalendar.h"
#include "editors/dxEditStrings.h"
#include "graphics/Gdi.h"
#include "rtl/FormatSettings.h"
#include "rtl/Text.h"

namespace {

constexpr TColor TodayFrameColor = 0x000080;

void Exclude(TRegion& Rest, const TRect& R) { CombineRgn(Rest, Rest, CreateRectRgnIndirect(R), RGN_DIFF); }

void FillSys(HDC DC, const TRect& R, int SysColor) { FillRect(DC, R, GetSysColorBrush(SysColor)); }

// Text placed in R by its alignment (the right edge less Indent, or centred), vertically centred,
// over the background colour.
void TextInCell(HDC DC, const TRect& R, const String& Text, bool Centred, int Indent, unsigned Options) {
  TSize size;
  GetTextExtentPoint32(DC, Text, size);
  const int x = Centred ? (R.Left + R.Right - size.cx) / 2 : R.Right - Indent - size.cx;
  ExtTextOut(DC, x, (R.Top + R.Bottom - size.cy) / 2, Options, &R, Text);
}

// A filled triangle pointing left or right, its base half the header's height made odd.
void PaintArrow(HDC DC, const TRect& R, int HeaderHeight, bool Left) {
  const int base = (HeaderHeight / 2) | 1, depth = (base + 1) / 2;
  const int x = R.Left + (R.Width() - depth) / 2, middle = R.Top + R.Height() / 2;
  for (int k = 0; k < depth; ++k) {
    const int column = Left ? x + k : x + depth - 1 - k;
    FillSys(DC, {column, middle - k, column + 1, middle + k + 1}, COLOR_BTNTEXT);
  }
}

// The band's push buttons: raised by lines, or sunken by the frame routine while pressed.
void DrawCalendarButton(HDC DC, TRect R, const String& Caption, bool Pressed) {
  if (Pressed) {
    DrawFrameControl(DC, R, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
  } else {
    FillSys(DC, {R.Left, R.Bottom - 1, R.Right, R.Bottom}, COLOR_BTNTEXT);
    FillSys(DC, {R.Right - 1, R.Top, R.Right, R.Bottom}, COLOR_BTNTEXT);
    FillSys(DC, {R.Left + 1, R.Bottom - 2, R.Right - 1, R.Bottom - 1}, COLOR_BTNSHADOW);
    FillSys(DC, {R.Right - 2, R.Top + 1, R.Right - 1, R.Bottom - 1}, COLOR_BTNSHADOW);
    FillSys(DC, {R.Left, R.Top, R.Right - 1, R.Top + 1}, COLOR_BTNFACE);
    FillSys(DC, {R.Left, R.Top, R.Left + 1, R.Bottom - 1}, COLOR_BTNFACE);
    FillSys(DC, {R.Left + 1, R.Top + 1, R.Right - 2, R.Top + 2}, COLOR_BTNHIGHLIGHT);
    FillSys(DC, {R.Left + 1, R.Top + 1, R.Left + 2, R.Bottom - 2}, COLOR_BTNHIGHLIGHT);
    FillSys(DC, {R.Right - 1, R.Top, R.Right, R.Top + 1}, COLOR_BTNFACE);
  }
  InflateRect(R, -2, -2);
  if (Pressed) OffsetRect(R, 1, 1);
  SetTextColor(DC, GetSysColor(COLOR_BTNTEXT));
  SetBkColor(DC, GetSysColor(COLOR_BTNFACE));
  TextInCell(DC, R, Caption, true, 0, ETO_CLIPPED | ETO_OPAQUE);
}

}  // namespace

String CalendarMonthCaption(TDateTime Month) {
  return FormatSettings().LongMonthNames[static_cast<size_t>(GetDatePart(2, Month) - 1)] + " " +
         std::to_string(GetDatePart(1, Month));
}

void TdxGridDatePopup::Paint() {
  HDC dc = Canvas()->Handle();
  Canvas()->SetFont(Font());
  TRegion rest = CreateRectRgnIndirect(ClientRect());
  PaintHeader(dc, rest);
  PaintDayNames(dc, rest);
  PaintDays(dc, rest);
  PaintButtons(dc, rest);
  FillRgn(dc, rest, GetSysColorBrush(COLOR_WINDOW));
}

void TdxGridDatePopup::PaintHeader(HDC DC, TRegion& Rest) {
  TRect header = HeaderRect();
  FillSys(DC, header, COLOR_BTNFACE);
  DrawEdge(DC, header, BDR_RAISEDINNER, BF_RECT);
  SetTextColor(DC, GetSysColor(COLOR_BTNTEXT));
  SetBkColor(DC, GetSysColor(COLOR_BTNFACE));
  TextInCell(DC, MonthCaptionRect(), CalendarMonthCaption(FirstDate()), true, 0, ETO_CLIPPED | ETO_OPAQUE);
  PaintArrow(DC, LeftArrowRect(), HeaderHeight(), true);
  PaintArrow(DC, RightArrowRect(), HeaderHeight(), false);
  Exclude(Rest, header);
}

// The first character of the locale's day names, beginning with the first day of the week.
void TdxGridDatePopup::PaintDayNames(HDC DC, TRegion& Rest) {
  const TRect band = GridBandRect();
  const TRect row{SideWidth(), band.Top, ClientWidth() - SideWidth(), band.Top + DaysOfWeekHeight() - 1};
  FillSys(DC, row, COLOR_WINDOW);
  SetTextColor(DC, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(DC, GetSysColor(COLOR_WINDOW));
  for (int i = 0; i < 7; ++i) {
    int day = CalendarFirstWeekDay() + 1 + i;
    if (day > 7) day -= 7;
    const String name = Copy(FormatSettings().ShortestDayNames[static_cast<size_t>(day - 1)], 1, 1);
    const TRect cell{SideWidth() + i * ColWidth(), row.Top, SideWidth() + (i + 1) * ColWidth(), row.Bottom};
    TextInCell(DC, cell, name, false, 3, 0);
  }
  FillSys(DC, {row.Left, row.Bottom, row.Right, row.Bottom + 1}, COLOR_BTNSHADOW);
  Exclude(Rest, {row.Left, row.Top, row.Right, row.Bottom + 1});
}

void TdxGridDatePopup::PaintDays(HDC DC, TRegion& Rest) {
  const TDateTime first = GetFirstDate(), monthFirst = FirstDate(), monthLast = GetMonthLastDate(), today = Date();
  const TDateTime selStart = GetSelStart(), selFinish = GetSelFinish();
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 7; ++column) {
      const TDateTime date = first + 7 * row + column;
      TRect cell = DayCellRect(column, row);
      Exclude(Rest, cell);
      const bool selected = selStart != NullDate && selStart <= date && date <= selFinish;
      SetBkColor(DC, GetSysColor(selected ? (Flat() ? COLOR_BTNFACE : COLOR_HIGHLIGHT) : COLOR_WINDOW));
      const bool outside = date < monthFirst || date > monthLast;
      SetTextColor(DC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : outside ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
      if (date == today) {
        FrameRect(DC, cell, CreateSolidBrush(TodayFrameColor));
        InflateRect(cell, -1, -1);
      }
      TextInCell(DC, cell, std::to_string(GetDatePart(3, date)), false, 3, ETO_OPAQUE);
    }
  }
}

void TdxGridDatePopup::PaintButtons(HDC DC, TRegion& Rest) {
  if (!ButtonsShown()) return;
  const int line = ClientHeight() - ButtonsRegionHeight() - 1;
  FillSys(DC, {SideWidth(), line, ClientWidth() - SideWidth(), line + 1}, COLOR_BTNSHADOW);
  Exclude(Rest, {SideWidth(), line, ClientWidth() - SideWidth(), line + 1});
  if (ShowToday()) {
    DrawCalendarButton(DC, TodayButtonRect(), dxEditorText(dxSEditToday), FTodayTracking && FTodayPressed);
    Exclude(Rest, TodayButtonRect());
  }
  if (ShowClear()) {
    DrawCalendarButton(DC, ClearButtonRect(), dxEditorText(dxSEditClear), FClearTracking && FClearPressed);
    Exclude(Rest, ClearButtonRect());
  }
}
