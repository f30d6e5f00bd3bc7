// Input in a menu: the keys that move between menus and expand a recent-first menu, the mouse
// over the expand button, the scroll arrows and the detach strip, and the timers that scroll and
// expand; also the menu's frame messages.
#include <algorithm>

#include "bars/dxBarControls.h"
#include "bars/dxBarHint.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "graphics/Gdi.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/NonClient.h"

namespace {

constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT_PTR kExpandTimer = 2;
constexpr UINT kScrollInterval = 80;
constexpr UINT kExpandAfterTracking = 4000;
constexpr UINT kExpandOnButton = 1000;

TPoint CursorIn(const TControl* Control) {
  TPoint p;
  GetCursorPos(p);
  return Control->ScreenToClient(p);
}

bool EditFocused(const TdxBarItemLinks* Links) {
  for (int i = 0; Links && i < Links->ShownItemCount(); ++i) {
    auto* edit = dynamic_cast<const TdxBarWinControl*>(Links->ShownItems(i)->Control());
    if (edit && edit->Focused()) return true;
  }
  return false;
}

}  // namespace

TRect TdxBarSubMenuControl::ClientRect() const {
  if (HandleAllocated()) return TCustomdxBarControl::ClientRect();
  return TRect{0, 0, std::max(0, Width() - 2), std::max(0, Height() - 2)};
}

void TdxBarSubMenuControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCCALCSIZE: {
      TRect& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0];
      r = TRect{r.Left + 1, r.Top + 1, std::max(r.Left + 1, r.Right - 1), std::max(r.Top + 1, r.Bottom - 1)};
      return;
    }
    case WM_NCPAINT: {
      HDC dc = GetWindowDC(Handle());
      TRect r{0, 0, Width(), Height()};
      if (BarManager() && BarManager()->IsFlat()) {
        FrameRect(dc, r, GetSysColorBrush(COLOR_BTNTEXT));
      } else {
        FrameRect(dc, r, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, r, BDR_RAISEDOUTER, BF_RECT);
      }
      ReleaseDC(Handle(), dc);
      return;
    }
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS; return;
    case WM_MOUSEMOVE: WMMouseMoveMenu(Message); return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: WMLButtonDownMenu(Message); return;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: FinishAnimation(); break;
    case WM_TIMER: WMTimer(Message); return;
    case WM_DESTROY:
      FinishAnimation();
      StopScrollTimer();
      StopExpandTimer();
      break;
    default: break;
  }
  TCustomdxBarControl::Dispatch(Message);
}

// --- keys -----------------------------------------------------------------------------------------

bool TdxBarSubMenuControl::HandleKeyDown(TMessage& Message) {
  FinishAnimation();
  const auto key = static_cast<WORD>(Message.WParam);
  const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
  if (key == VK_DOWN && ctrl && HasMark()) {
    Expand();
    return true;
  }
  TdxBarItemControl* selected = SelectedControl();
  const bool onLast = selected && ItemLinks()->ShownItemCount() > 0 &&
                      selected->ItemLink() == ItemLinks()->ShownItems(ItemLinks()->ShownItemCount() - 1);
  if ((key == VK_DOWN || (key == VK_TAB && !shift)) && HasMark() && onLast) {
    Expand();
    return IsBarControlAlive(this) ? HandleKeyDown(Message) : true;
  }
  switch (key) {
    case VK_RETURN:
      if (selected) selected->ActivateByKey();
      return true;
    case VK_ESCAPE: CloseThisMenu(); return true;
    case VK_LEFT:
      if (dynamic_cast<TdxBarSubMenuControl*>(GetOpenerBarControl(this))) {
        CloseThisMenu();
      } else {
        PassToRootToolbar(VK_LEFT);
      }
      return true;
    case VK_RIGHT: {
      auto* subItem = dynamic_cast<TdxBarSubItemControl*>(selected);
      if (subItem && subItem->IsEnabled()) {
        subItem->OpenSubMenu(true);
      } else {
        PassToRootToolbar(VK_RIGHT);
      }
      return true;
    }
    default: break;
  }
  return TCustomdxBarControl::HandleKeyDown(Message);
}

// Esc closes this menu only: a menu it was opened from keeps its keyboard, a toolbar leaves menu
// mode; a popup menu closes.
void TdxBarSubMenuControl::CloseThisMenu() {
  TCustomdxBarControl* opener = GetOpenerBarControl(this);
  if (auto* parentMenu = dynamic_cast<TdxBarSubMenuControl*>(opener)) {
    if (auto* subItem = dynamic_cast<TdxBarSubItemControl*>(parentMenu->SelectedControl())) {
      subItem->CloseSubMenu();
      return;
    }
  }
  if (opener) {
    opener->CloseMenus();
  } else {
    CloseMenus();
  }
}

// The toolbar at the root of the chain takes the key and opens the neighbouring menu, by keyboard.
void TdxBarSubMenuControl::PassToRootToolbar(WORD Key) {
  TdxBarControl* root = RootToolbar();
  if (!root || !root->HandleAllocated()) return;
  SendMessage(root->Handle(), WM_KEYDOWN, Key, 0);
  if (!IsBarControlAlive(root) || !root->MenuMode()) return;
  if (auto* subItem = dynamic_cast<TdxBarSubItemControl*>(root->SelectedControl())) subItem->ControlActivate(true);
}

// --- selection ------------------------------------------------------------------------------------

void TdxBarSubMenuControl::SetSelected(TdxBarItemControl* Control) {
  TCustomdxBarControl::SetSelected(Control);
  if (!IsBarControlAlive(this)) return;
  ScrollIntoView(Control);
  if (FMarkState == 0 && HasMark() && FExpandTimer && Control) {
    FExpandOnTimer = false;
    StartExpandTimer(kExpandAfterTracking);
  }
}

void TdxBarSubMenuControl::ScrollIntoView(const TdxBarItemControl* Control) {
  if (!Control || !ItemLinks()) return;
  const int index = ItemLinks()->IndexOfShown(Control->ItemLink());
  if (index < 0) return;
  if (TopArrowShown() && index <= FTopIndex) {
    SetTopIndex(index - 1);
    return;
  }
  while (FBottomArrow && IsRectEmpty(Control->ItemLink()->ItemRect()) && FTopIndex < index) {
    ++FTopIndex;
    CalcControlsPositions();
  }
  if (HandleAllocated()) Invalidate();
}

// --- expand button --------------------------------------------------------------------------------

void TdxBarSubMenuControl::SetMarkState(int State) {
  if (IsCustomizing() || FMarkState == State) return;
  if (State == 1 && EditFocused(ItemLinks())) return;
  if (State == 2) {
    Expand();
    return;
  }
  FMarkState = State;
  if (HandleAllocated()) {
    const TRect r = ExpandButtonRect();
    InvalidateRect(Handle(), &r, false);
  }
  TdxBarManager* manager = BarManager();
  if (!manager) return;
  if (manager->ShowFullMenusAfterDelay()) {
    StopExpandTimer();
    if (State == 1 && PtInRect(ExpandButtonRect(), CursorIn(this))) {
      FExpandOnTimer = true;
      StartExpandTimer(kExpandOnButton);
    }
  } else if (State == 1) {
    UpdateHint(manager, true, dxBarLoadStr(sdxBarExpandHint));
  } else {
    UpdateHint(manager, false, String());
  }
}

void TdxBarSubMenuControl::StartExpandTimer(UINT Interval) {
  if (!HandleAllocated()) return;
  FExpandTimer = SetTimer(Handle(), kExpandTimer, Interval);
}

void TdxBarSubMenuControl::StopExpandTimer() {
  if (FExpandTimer && HandleAllocated()) KillTimer(Handle(), kExpandTimer);
  FExpandTimer = 0;
}

// Started with tracking (or on the button) the timer expands; restarted by a new selection it
// only highlights the button, unless a child menu is open.
void TdxBarSubMenuControl::ExpandTimerFired() {
  const bool expands = FExpandOnTimer;
  StopExpandTimer();
  if (expands) {
    Expand();
    return;
  }
  auto* subItem = dynamic_cast<TdxBarSubItemControl*>(SelectedControl());
  if (!subItem || !subItem->GetSubMenu()) SetMarkState(1);
}

// --- mouse ----------------------------------------------------------------------------------------

void TdxBarSubMenuControl::WMMouseMoveMenu(TMessage& Message) {
  const TPoint p = LParamToPoint(Message.LParam);
  if (FAnimating) return;
  if (HasMark()) SetMarkState(PtInRect(ExpandButtonRect(), p) ? 1 : 0);
  if (!FScrollTimer && (PtInRect(TopArrowRect(), p) || PtInRect(BottomArrowRect(), p))) {
    SelectControl(nullptr);
    StartScrollTimer();
    return;
  }
  const bool detachHot = GetCapture() == HWND() && PtInRect(DetachStripRect(), p);
  if (detachHot != FDetachHot) {
    FDetachHot = detachHot;
    Invalidate();
    if (BarManager()) UpdateHint(BarManager(), detachHot, detachHot ? dxBarLoadStr(sdxBarDetachHint) : String());
  }
  TCustomdxBarControl::Dispatch(Message);
}

void TdxBarSubMenuControl::WMLButtonDownMenu(TMessage& Message) {
  FinishAnimation();
  if (PtInRect(ExpandButtonRect(), LParamToPoint(Message.LParam))) {
    if (FMarkState == 0) {
      SelectControl(nullptr);
      SetMarkState(1);
    } else {
      Expand();
    }
    return;
  }
  TCustomdxBarControl::Dispatch(Message);
}

// --- scrolling ------------------------------------------------------------------------------------

void TdxBarSubMenuControl::StartScrollTimer() {
  if (HandleAllocated()) FScrollTimer = SetTimer(Handle(), kScrollTimer, kScrollInterval);
}

void TdxBarSubMenuControl::StopScrollTimer() {
  if (FScrollTimer && HandleAllocated()) KillTimer(Handle(), kScrollTimer);
  FScrollTimer = 0;
}

// One link a tick while the arrow is shown and under the pointer; then the link under the pointer
// is selected.
void TdxBarSubMenuControl::ScrollStep() {
  const TPoint p = CursorIn(this);
  if (PtInRect(TopArrowRect(), p)) {
    SetTopIndex(FTopIndex - 1);
    return;
  }
  if (PtInRect(BottomArrowRect(), p)) {
    ++FTopIndex;
    CalcControlsPositions();
    Invalidate();
    return;
  }
  StopScrollTimer();
  ResumeHotTracking();
}

void TdxBarSubMenuControl::WMTimer(TMessage& Message) {
  switch (Message.WParam) {
    case kScrollTimer: ScrollStep(); return;
    case kExpandTimer: ExpandTimerFired(); return;
    default: AnimationStep(); return;
  }
}
