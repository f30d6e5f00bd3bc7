// Moving a toolbar: what the pointer is over (the caption, an edge, the close button), the move
// loop that docks and floats the bar as the pointer goes (a floating bar docks only after the
// docking wait), the close button's press, double clicks on the caption, sizing a floating bar by
// one edge at a time, and keeping a floating bar on the screen.
#include <algorithm>

#include "bars/dxBar.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarToolbar.h"
#include "bars/dxBarUtils.h"
#include "controls/Forms.h"
#include "rtl/ScopeExit.h"
#include "windows/MessageQueue.h"
#include "graphics/Metrics.h"
#include "windows/Input.h"
#include "windows/ModalLoop.h"
#include "windows/NonClient.h"

namespace {

constexpr int kHighestTop = -15;
constexpr TdxBarDockingStyle kDockingOrder[] = {dsLeft, dsRight, dsTop, dsBottom};

// The docking wait of the one bar being moved.
TdxBarThreadTimer& DockingWait() {
  static TdxBarThreadTimer timer;
  return timer;
}

bool IsCtrlDown() { return GetKeyState(VK_CONTROL) < 0; }

// The site and each of its parents below the form are visible and enabled.
bool IsSiteUsable(const TdxDockControl* Site) {
  if (!Site->Parent()) return false;
  for (const TControl* c = Site; c && !dynamic_cast<const TCustomForm*>(c); c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool IsEdge(int HitTest) { return HitTest >= HTLEFT && HitTest <= HTBOTTOMRIGHT; }

// Follows a press on a button of the window until the mouse button is released: Show hears at
// each move whether the pointer is over the button. True when the release is over it; Escape ends
// the press without a click, and other messages go on as usual.
template <class FOver, class FShow>
bool TrackButtonPress(HWND Wnd, FOver Over, FShow Show) {
  bool clicked = false;
  RunCaptureLoop(Wnd, [&](MSG& Msg) {
    if (Msg.message == WM_MOUSEMOVE || Msg.message == WM_NCMOUSEMOVE) {
      Show(Over(Msg));
      return TLoopVerdict::Handled;
    }
    if (Msg.message == WM_LBUTTONUP || Msg.message == WM_NCLBUTTONUP) {
      clicked = Over(Msg);
      return TLoopVerdict::End;
    }
    return IsEscapeKey(Msg) ? TLoopVerdict::End : TLoopVerdict::Dispatch;
  });
  return clicked;
}

}  // namespace

// --- hit-testing ----------------------------------------------------------------------------------

bool TdxBarControl::IsClickTarget(TPoint Client) const {
  TdxBarItemControl* control = PtInRect(ClientRect(), Client) ? ControlAtPoint(Client) : nullptr;
  if (IsCustomizing() || (control && control->CanClicked()) || IsOverMark(Client)) return true;
  for (const TdxBarCaptionButton& button : CaptionButtons())
    if (PtInRect(button.Rect, Client)) return true;
  return false;
}

// The window answers HTCLIENT wherever it handles the mouse itself and remembers what the pointer
// is over; edges (corners count as the edge they lie on) and the close button go to the layer.
void TdxBarControl::WMNCHitTest(TMessage& Message) {
  TCustomdxBarControl::Dispatch(Message);
  const TPoint screen = LParamToPoint(Message.LParam);
  const TPoint client = ScreenToClient(screen);
  FHitTest = FloatingHitTest(screen);
  if (FHitTest == HTCLIENT && !IsClickTarget(client)) FHitTest = HTCAPTION;
  const bool toLayer = IsEdge(FHitTest) || (FHitTest == HTCLOSE && !(BarManager() && BarManager()->IsFlat()));
  Message.Result = toLayer ? FHitTest : static_cast<LRESULT>(HTCLIENT);
}

// What a point of a floating window's frame is: an edge within the frame's thickness, the close
// button, the caption; HTCLIENT inside the client area and for a docked window.
int TdxBarControl::FloatingHitTest(TPoint Screen) {
  if (FDockControl) return HTCLIENT;
  TRect window;
  GetWindowRect(Handle(), window);
  const TPoint p{Screen.X - window.Left, Screen.Y - window.Top};
  const bool flat = BarManager() && BarManager()->IsFlat();
  const int fx = flat ? 3 : GetSystemMetrics(SM_CXFRAME), fy = flat ? 3 : GetSystemMetrics(SM_CYFRAME);
  if (p.Y < fy) return HTTOP;
  if (p.Y >= window.Height() - fy) return HTBOTTOM;
  if (p.X < fx) return HTLEFT;
  if (p.X >= window.Width() - fx) return HTRIGHT;
  if (PtInRect(CloseButtonRect(), p)) return HTCLOSE;
  const TRect insets = FrameInsets();
  const TRect client{insets.Left, insets.Top, window.Width() - insets.Right, window.Height() - insets.Bottom};
  return PtInRect(client, p) ? HTCLIENT : HTCAPTION;
}

// --- pressing the frame ---------------------------------------------------------------------------

void TdxBarControl::BeginMove(TPoint Client) {
  if (IsCustomizing() || !IsBarControlAlive(this) || FHitTest != HTCAPTION) return;
  RunMoveLoop(ClientToScreen(Client));
}

// A press on the close button shows it pressed while the pointer stays over it; a release there
// closes the bar, anywhere else nothing.
void TdxBarControl::TrackCloseButton() {
  CloseMenus();
  if (!IsBarControlAlive(this)) return;
  const auto over = [this](const MSG& Msg) {
    TRect window;
    GetWindowRect(Handle(), window);
    const TPoint p = MessageScreenPoint(Msg);
    return PtInRect(CloseButtonRect(), TPoint{p.X - window.Left, p.Y - window.Top});
  };
  SetCloseButtonState(2);
  const bool closes = TrackButtonPress(Handle(), over, [this](bool Over) { SetCloseButtonState(Over ? 2 : 1); });
  SetCloseButtonState(0);
  if (!closes) return;
  TdxBar* bar = FBar;
  TdxBarManager* manager = BarManager();
  bar->SetVisible(false);
  if (manager) manager->DoBarClose(bar);
}

int TdxBarControl::CaptionButtonAt(TPoint Client) const {
  const std::vector<TdxBarCaptionButton> buttons = CaptionButtons();
  for (size_t i = 0; i < buttons.size(); ++i)
    if (PtInRect(buttons[i].Rect, Client) && IsCaptionButtonEnabled(buttons[i], true)) return static_cast<int>(i);
  return -1;
}

// A caption button shows pressed while the mouse button is held over it; a release there sends
// its command to the maximised MDI child, or runs the manager's OnCloseButtonClick for the single
// close button.
void TdxBarControl::TrackCaptionButton(int Index) {
  const TdxBarCaptionButton button = CaptionButtons().at(static_cast<size_t>(Index));
  const HWND child = MDIChild();
  const bool mdi = HasMDIButtons();
  const auto press = [this, &button, Index](bool Pressed) {
    if (Pressed == (FPressedCaptionButton == Index)) return;
    FPressedCaptionButton = Pressed ? Index : -1;
    InvalidateRect(Handle(), &button.Rect, false);
  };
  press(true);
  const auto over = [this, &button](const MSG& Msg) { return PtInRect(button.Rect, ScreenToClient(MessageScreenPoint(Msg))); };
  const bool clicked = TrackButtonPress(Handle(), over, press);
  if (IsBarControlAlive(this)) press(false);
  if (!clicked) return;
  if (mdi) {
    SendMessage(child, WM_SYSCOMMAND, button.Command);
  } else if (BarManager()) {
    BarManager()->DoCloseButtonClick();
  }
}

void TdxBarControl::SetCloseButtonState(int State) {
  if (FCloseButtonState == State) return;
  FCloseButtonState = State;
  if (HandleAllocated()) Perform(WM_NCPAINT, 1);
}

// A double click on the caption floats a docked bar and docks a floating one where it was docked
// last (a new last row of the top site when it never was).
void TdxBarControl::ToggleDocking() {
  TdxBar* bar = FBar;
  TdxBarManager* manager = BarManager();
  if (!manager || manager->IsDesigning()) return;
  if (FDockControl) {
    if (!manager->CanDocking(bar, dsNone, nullptr)) return;
    bar->SetDockingStyle(dsNone);
    return;
  }
  TdxBarDockingStyle side = bar->DockedDockingStyle();
  TdxDockControl* site = bar->DockedDockControl();
  if (side == dsNone) {
    side = dsTop;
    site = nullptr;
    bar->SetOneOnRow(true);
    bar->SetRow(bar->Bars()->DockControls(dsTop)->RowCount());
  }
  if (!manager->CanDocking(bar, side, site ? site : bar->Bars()->DockControls(side))) return;
  bar->SetVisible(false);
  if (site) {
    bar->SetDockControl(static_cast<TdxBarDockControl*>(site));
  } else {
    bar->SetDockingStyle(side);
  }
  bar->SetVisible(true);
}

// --- the move loop --------------------------------------------------------------------------------

void TdxBarControl::RunMoveLoop(TPoint Screen) {
  TdxBar* bar = FBar;
  TdxBarManager* manager = BarManager();
  if (!manager || (bar->NotDocking() & AllDockingStyles) == AllDockingStyles) return;
  TRect window;
  GetWindowRect(Handle(), window);
  FGrabPoint = TPoint{Screen.X - window.Left, Screen.Y - window.Top};
  FGrabSize = TSize{window.Width(), window.Height()};
  TdxBarDragState& drag = bar->Bars()->DragState();
  drag = TdxBarDragState{};
  drag.Dragging = true;
  drag.Control = this;
  drag.StartSide = DockingStyle();
  drag.Offset2 = FGrabPoint;
  TPoint test = FDockControl ? SeatForDrag(Screen) : Screen;
  drag.Offset1 = IsVerticalDockingStyle(drag.StartSide) ? test.X - Screen.X : test.Y - Screen.Y;
  DispatchPendingPaintMessages();
  TPoint last = Screen;
  RunCaptureLoop(manager->DialogOwnerWindow(), [&](MSG& Msg) {
    const bool key = Msg.message == WM_KEYDOWN || Msg.message == WM_KEYUP;
    if (key && Msg.wParam == VK_CONTROL) {
      MoveBar(test, false);
      return TLoopVerdict::Handled;
    }
    if (key && Msg.wParam == VK_ESCAPE) return TLoopVerdict::End;
    if (Msg.message == WM_MOUSEMOVE) {
      const TPoint p = MessageScreenPoint(Msg);
      if (p != last) {
        test = TPoint{test.X + p.X - last.X, test.Y + p.Y - last.Y};
        last = p;
        MoveBar(test, false);
      }
      return TLoopVerdict::Handled;
    }
    return Msg.message == WM_LBUTTONUP ? TLoopVerdict::End : TLoopVerdict::Dispatch;
  });
  DockingWait().Stop();
  drag.Dragging = false;
  drag.Control = nullptr;
  if (!IsBarControlAlive(this)) return;
  if (FDockControl) FDockControl->StorePositions();
  StorePlacement();
}

// A docked bar leaves its row and is put back by its stored row and place. Its test point starts
// in the middle of the zone that would put it there again, so that it keeps its row until the
// pointer has crossed into another zone.
TPoint TdxBarControl::SeatForDrag(TPoint Screen) {
  TdxDockControl* site = FDockControl;
  site->ExtractBarControl(this, nullptr, false);
  TPoint test = Screen;
  site->GetRowDragPoint(FBar->Row(), FBar->OneOnRow(), test);
  BeginUpdate();
  const auto endUpdate = ScopeExit([this] { EndUpdate(); });
  site->InsertBarControl(this, site->ClientToScreen(TPoint{FBar->DockedLeft(), FBar->DockedTop()}), false);
  return test;
}

TPoint TdxBarControl::ShiftedAcross(TPoint Point, int By) const {
  return IsVerticalDockingStyle(FBar->Bars()->DragState().StartSide) ? TPoint{Point.X + By, Point.Y}
                                                                     : TPoint{Point.X, Point.Y + By};
}

// The site whose docking zone holds the point, tried side by side; nullptr to float.
TdxDockControl* TdxBarControl::FindDockTarget(TPoint Point) const {
  TdxBarManager* manager = BarManager();
  for (TdxBarDockingStyle side : kDockingOrder)
    for (int i = 0; i < manager->DockControlCount(); ++i) {
      TdxDockControl* site = manager->DockControls(i);
      if (site->DockingStyle() != side || !IsSiteUsable(site)) continue;
      if (PtInRect(site->GetDockingZone(), Point) && manager->CanDocking(FBar, side, site)) return site;
    }
  return nullptr;
}

void TdxBarControl::MoveBar(TPoint Point, bool FromWaitTimer) {
  TdxBarManager* manager = BarManager();
  TdxBarDragState& drag = FBar->Bars()->DragState();
  TdxDockControl* site = IsCtrlDown() ? nullptr : FindDockTarget(Point);
  if (!site && !IsCtrlDown() && drag.Dragging) site = FindDockTarget(ShiftedAcross(Point, -drag.Offset1));
  const TdxBarDockingStyle side = site ? site->DockingStyle() : dsNone;
  if (!manager->CanDocking(FBar, side, site)) return;
  if (!FDockControl && site && !FromWaitTimer) {
    DockingWait().Start(static_cast<UINT>(manager->WaitForDockingTime()), [this] {
      DockingWait().Stop();
      if (!IsBarControlAlive(this) || !FBar->Bars()->DragState().Dragging) return;
      TPoint p;
      GetCursorPos(p);
      MoveBar(ShiftedAcross(p, FBar->Bars()->DragState().Offset1), true);
    });
    site = nullptr;
  }
  if (!site) Point = ShiftedAcross(Point, -drag.Offset1);
  if (site == FDockControl) {
    if (site) {
      site->MoveBarControl(this, Point);
    } else {
      const TPoint offset = GetFrameOffset(dsNone);
      SetWindowPos(Handle(), HWND(), Point.X - offset.X, Point.Y - offset.Y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return;
  }
  ChangeDocking(site, Point);
}

// The window leaves where it was and goes into the new site at the point, or floats with the
// pointer keeping its relative place on it.
void TdxBarControl::ChangeDocking(TdxDockControl* Site, TPoint Point) {
  SetVisible(false);
  if (FDockControl) {
    FDockControl->ExtractBarControl(this, nullptr, true);
    ItemLinks()->ShowRecentItems(-1);
  }
  BeginUpdate();
  if (Site) {
    SetDocking(Site->DockingStyle(), Site);
    EndUpdate();
    Site->InsertBarControl(this, Point, true);
  } else {
    SetDocking(dsNone, nullptr);
    const TSize size = CalcFloatingSize(dsNone);
    const TPoint offset = GetFrameOffset(dsNone);
    SetBounds(Point.X - offset.X, Point.Y - offset.Y, size.cx, size.cy);
    EndUpdate();
  }
  FBar->TakeWindowDocking(Site ? Site->DockingStyle() : dsNone, Site);
  HandleNeeded();
  SetWindowPos(Handle(), HWND(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
}

// --- sizing and keeping on the screen -------------------------------------------------------------

// The window takes the size its wrapped contents need at the dragged width (or height); the
// opposite edges stay, and the top never goes above -15.
void TdxBarControl::WMSizing(TMessage& Message) {
  TRect& r = *reinterpret_cast<TRect*>(Message.LParam);
  const int horizontal = FBar->GetHorizontalBorderSize(dsNone), vertical = FBar->GetVerticalBorderSize(dsNone);
  TSize size;
  switch (Message.WParam) {
    case WMSZ_LEFT:
    case WMSZ_RIGHT: size = CalcSizeForLength(dsNone, std::max(0, r.Width() - horizontal)); break;
    case WMSZ_TOP:
    case WMSZ_BOTTOM: size = CalcSizeForHeight(std::max(0, r.Height() - vertical)); break;
    default: r = TRect{Left(), Top(), Left() + Width(), Top() + Height()}; return;
  }
  size = TSize{size.cx + horizontal, size.cy + vertical};
  if (Message.WParam == WMSZ_LEFT) {
    r.Left = r.Right - size.cx;
  } else {
    r.Right = r.Left + size.cx;
  }
  if (Message.WParam == WMSZ_TOP) {
    r.Top = r.Bottom - size.cy;
  } else {
    r.Bottom = r.Top + size.cy;
  }
  if (r.Top < kHighestTop) OffsetRect(r, 0, kHighestTop - r.Top);
  Message.Result = 1;
}

// A floating window that would lie wholly beside the work area of the pointer's monitor is moved
// back to its edge on that axis.
void TdxBarControl::WMWindowPosChanging(TMessage& Message) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
  if (FDockControl || (pos->flags & SWP_NOMOVE && pos->flags & SWP_NOSIZE)) return;
  TPoint cursor;
  GetCursorPos(cursor);
  const TRect area = GetWorkAreaAtPoint(cursor);
  int x = pos->flags & SWP_NOMOVE ? Left() : pos->x, y = pos->flags & SWP_NOMOVE ? Top() : pos->y;
  const int w = pos->flags & SWP_NOSIZE ? Width() : pos->cx, h = pos->flags & SWP_NOSIZE ? Height() : pos->cy;
  const int oldX = x, oldY = y;
  if (x + w <= area.Left) x = area.Left;
  if (x >= area.Right) x = area.Right - w;
  if (y + h <= area.Top) y = area.Top;
  if (y >= area.Bottom) y = area.Bottom - h;
  if (x == oldX && y == oldY) return;
  pos->x = x;
  pos->y = y;
  pos->flags &= ~SWP_NOMOVE;
}
