// The month list over the calendar's caption: seven months with the chosen one inverted, scrolled
// a month at a time by a timer whose speed grows with the mouse's distance above or below it.
#include "editors/dxCalendar.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "windows/Window.h"

namespace {

constexpr UINT ScrollIntervals[] = {500, 250, 100, 50};

// The first of the month Delta months after Month's.
TDateTime AddMonths(TDateTime Month, int Delta) { return ShiftDateMonths(Month - GetDatePart(3, Month) + 1, Delta); }

}  // namespace

TAMonthListBox::TAMonthListBox(TComponent* AOwner, TdxGridDatePopup* Popup)
    : TCustomControl(AOwner), FPopup(Popup), FTopDate(NullDate) {}

TAMonthListBox::~TAMonthListBox() { KillScrollTimer(); }

void TAMonthListBox::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle |= WS_EX_TOPMOST;
  Params.ClassStyle |= CS_SAVEBITS;
}

void TAMonthListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; return;
    case CM_FONTCHANGED: return CMFontChanged(Message);
    case WM_TIMER: return WMTimer(Message);
    case WM_DESTROY: KillScrollTimer(); break;
    default: break;
  }
  TCustomControl::Dispatch(Message);
}

void TAMonthListBox::CMFontChanged(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  FItemHeight = FPopup->HeaderHeight() - 2;
  SetBounds(Left(), Top(), 2 * GetSystemMetrics(SM_CXBORDER) + 6 * FPopup->ColWidth(),
            2 * GetSystemMetrics(SM_CYBORDER) + 7 * FItemHeight);
}

void TAMonthListBox::SetTopDate(TDateTime Value) {
  if (FTopDate == Value) return;
  FTopDate = Value;
  Invalidate();
}

void TAMonthListBox::SetItemIndex(int Value) {
  if (FItemIndex == Value) return;
  FItemIndex = Value;
  Invalidate();
}

TDateTime TAMonthListBox::GetSelectedDate() { return FItemIndex < 0 ? NullDate : AddMonths(FTopDate, FItemIndex); }

void TAMonthListBox::Paint() {
  HDC dc = Canvas()->Handle();
  Canvas()->SetFont(Font());
  for (int i = 0; i < 7; ++i) {
    TRect item{0, i * FItemHeight, ClientWidth(), (i + 1) * FItemHeight};
    const bool chosen = i == FItemIndex;
    FillRect(dc, item, CreateSolidBrush(chosen ? clWindowText : clWindow));
    SetTextColor(dc, ColorToRGB(chosen ? clWindow : clWindowText));
    SetBkMode(dc, TRANSPARENT);
    DrawText(dc, CalendarMonthCaption(AddMonths(FTopDate, i)), -1, item, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  }
}

// Inside, the item under the mouse is chosen; above or below, nothing is and the list scrolls,
// faster for every twelve pixels of distance.
void TAMonthListBox::MouseMoveAt(int X, int Y) {
  if (PtInRect(ClientRect(), TPoint{X, Y})) {
    KillScrollTimer();
    SetItemIndex(FItemHeight > 0 ? Y / FItemHeight : -1);
    return;
  }
  SetItemIndex(-1);
  const int distance = Y < 0 ? Y : Y >= ClientHeight() ? Y + 1 - ClientHeight() : 0;
  if (distance == 0) return;
  const int speed = std::clamp((distance > 0 ? 1 : -1) + distance / 12, -4, 4);
  const int id = speed + 5;
  if (FScrollTimer && FScrollTimerId == id) return;
  KillScrollTimer();
  FScrollTimerId = id;
  FScrollTimer = SetTimer(Handle(), static_cast<UINT_PTR>(id), ScrollIntervals[std::abs(speed) - 1]);
}

void TAMonthListBox::KillScrollTimer() {
  if (!FScrollTimer) return;
  if (HandleAllocated()) KillTimer(Handle(), FScrollTimer);
  FScrollTimer = 0;
}

void TAMonthListBox::WMTimer(TMessage& Message) {
  SetTopDate(AddMonths(FTopDate, Message.WParam < 6 ? -1 : 1));
}
