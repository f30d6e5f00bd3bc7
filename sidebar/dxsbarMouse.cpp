// The side bar under the mouse: pressing and hot headers, the hot and selected items, the item
// click, the scroll buttons with their repeat timer, the item hint with its own timer, the
// popup menus and the group cursor.
#include <cstdlib>

#include "controls/Application.h"
#include "controls/HintWindow.h"
#include "controls/Menus.h"
#include "sidebar/dxsbarDrag.h"
#include "sidebar/dxsbar_p.h"
#include "windows/Timers.h"

namespace {

// Messages after which a showing item hint goes: keys, mouse buttons, commands, non-client
// moves, activation and the application's key and system-command notices.
bool HidesHint(UINT Msg) {
  if (Msg >= WM_KEYFIRST && Msg <= WM_KEYLAST) return true;
  if (Msg > WM_MOUSEMOVE && Msg <= WM_MBUTTONDBLCLK) return true;
  switch (Msg) {
    case WM_COMMAND:
    case WM_NCMOUSEMOVE:
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
    case CM_ACTIVATE:
    case CM_DEACTIVATE:
    case CM_APPKEYDOWN:
    case CM_APPSYSCOMMAND: return true;
    default: return false;
  }
}

}  // namespace

void TdxSideBar::Dispatch(TMessage& Message) {
  if (FHint.Showing && HidesHint(Message.Msg)) HideItemHint();
  static constexpr TMessageEntry<TdxSideBar> Handlers[] = {
      {WM_TIMER, &TdxSideBar::WMTimer},           {WM_SETCURSOR, &TdxSideBar::WMSetCursor},
      {WM_ERASEBKGND, &TdxSideBar::WMEraseBkgnd}, {CM_MOUSEENTER, &TdxSideBar::CMMouseEnter},
      {CM_MOUSELEAVE, &TdxSideBar::CMMouseLeave},
  };
  if (!DispatchTo(this, Message, Handlers)) TCustomPanel::Dispatch(Message);
}

// Only Paint draws while a group is open.
void TdxSideBar::WMEraseBkgnd(TMessage& Message) {
  if (FActiveGroup) {
    Message.Result = 1;
    return;
  }
  TCustomPanel::Dispatch(Message);
}

void TdxSideBar::WMSetCursor(TMessage& Message) {
  if (FPaintStyle == sbpsFlat && FMouse.HotHeader >= 0 && LOWORD(Message.LParam) == HTCLIENT && Screen) {
    ::SetCursor(Screen->Cursors(crdxSideBarGroup));
    Message.Result = 1;
    return;
  }
  TCustomPanel::Dispatch(Message);
}

void TdxSideBar::WMTimer(TMessage& Message) {
  if (Message.WParam == dxsbScrollTimer) {
    ScrollTimerTick();
  } else if (Message.WParam == dxsbHintTimer) {
    HideItemHint();
  } else {
    TCustomPanel::Dispatch(Message);
  }
}

void TdxSideBar::CMMouseEnter(TMessage& Message) {
  TCustomPanel::Dispatch(Message);
  if (OnMouseEnter) OnMouseEnter(this);
}

void TdxSideBar::CMMouseLeave(TMessage& Message) {
  TCustomPanel::Dispatch(Message);
  if (TdxSideBarDragObject::Current()) {
    SetInsertMark(nullptr, true);
  } else {
    SetHotHeader(-1, false, false);
    if (!FMouse.ItemPressed) SetHotItem(nullptr, false);
  }
  if (OnMouseLeave) OnMouseLeave(this);
}

// --- buttons -----------------------------------------------------------------------------

void TdxSideBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TPoint p{X, Y};
  if (Button == mbRight) {
    TdxSideBarItem* item = ItemAtPos(p);
    TPopupMenu* menu = item && item->StoredItem() && item->StoredItem()->PopupMenu() ? item->StoredItem()->PopupMenu()
                       : item                                                       ? FItemPopupMenu
                                                                                    : FGroupPopupMenu;
    if (menu) menu->FreeNotification(this);
    SetPopupMenu(menu);
  } else if (Button == mbLeft) {
    if (FEditor) {
      EndEdit(true);
    } else if (const int header = HeaderAt(Geometry(), p); header >= 0) {
      if (FPaintStyle == sbpsFlat) {
        SetHotHeader(header, true, true);
      } else {
        SetActiveGroupIndex(header);
      }
    } else if (!ScrollButtonMouseDown(p)) {
      if (TdxSideBarItem* item = ItemAtPos(p)) {
        SetHotItem(item, true);
        if (FCanSelected) SetSelectedItem(item);
        FMouse.ItemPressed = true;
        FMouse.PressPoint = p;
      }
    }
  }
  TCustomPanel::MouseDown(Button, Shift, X, Y);
}

void TdxSideBar::MouseMove(TShiftState Shift, int X, int Y) {
  const TPoint p{X, Y};
  HeaderMouseMove(p);
  if (FMouse.ItemPressed && (Shift & ssLeft)) {
    StartItemDrag(p);
  } else if (!FMouse.ItemPressed && !FMouse.HeaderDown) {
    SetHotItem(ItemAtPos(p), false);
  }
  TCustomPanel::MouseMove(Shift, X, Y);
}

void TdxSideBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TPoint p{X, Y};
  if (Button == mbLeft) {
    SetMouseCapture(false);
    if (FMouse.HeaderDown) {
      HeaderMouseUp(p);
    } else if (FScroll.UpPressed || FScroll.DownPressed) {
      ReleaseScrollButtons();
    } else if (FMouse.ItemPressed && !Dragging()) {
      FMouse.ItemPressed = false;
      SetHotItem(FMouse.HotItem, false);
      if (TdxSideBarItem* item = ItemAtPos(p)) DoItemClick(item);
    }
    FMouse.ItemPressed = false;
  }
  TCustomPanel::MouseUp(Button, Shift, X, Y);
}

// Flat style: the header under the mouse is hot; a pressed header looks pressed only while the
// mouse is over it.
void TdxSideBar::HeaderMouseMove(TPoint P) {
  if (FPaintStyle != sbpsFlat || !FShowGroups) return;
  const int header = HeaderAt(Geometry(), P);
  if (FMouse.HeaderDown) {
    SetHotHeader(FMouse.HotHeader, true, header == FMouse.HotHeader);
  } else if (!FMouse.ItemPressed) {
    SetHotHeader(header, false, false);
  }
}

void TdxSideBar::HeaderMouseUp(TPoint P) {
  const int pressed = FMouse.HotHeader;
  const bool over = HeaderAt(Geometry(), P) == pressed;
  SetHotHeader(-1, false, false);
  if (over) SetActiveGroupIndex(pressed);
}

void TdxSideBar::SetHotHeader(int Index, bool Down, bool Pressed) {
  if (Index == FMouse.HotHeader && Down == FMouse.HeaderDown && Pressed == FMouse.HeaderPressed) return;
  const int old = FMouse.HotHeader;
  FMouse.HotHeader = Index;
  FMouse.HeaderDown = Down && Index >= 0;
  FMouse.HeaderPressed = Pressed && FMouse.HeaderDown;
  InvalidateHeader(old);
  if (Index != old) InvalidateHeader(Index);
}

// --- hot and selected items --------------------------------------------------------------

// The old hot item loses its frame (unless selected), a showing hint goes, OnChangeFocusedItem
// fires and the new item's hint shows when it is not pressed.
void TdxSideBar::SetHotItem(TdxSideBarItem* Item, bool Pressed) {
  if (Item == FMouse.HotItem) {
    if (Pressed != FMouse.HotPressed) {
      FMouse.HotPressed = Pressed;
      InvalidateItem(Item);
    }
    return;
  }
  TdxSideBarItem* old = FMouse.HotItem;
  if (old && old != FMouse.SelectedItem) InvalidateItem(old);
  HideItemHint();
  FMouse.HotItem = Item;
  FMouse.HotPressed = Pressed;
  if (OnChangeFocusedItem) OnChangeFocusedItem(this);
  if (Item && !Pressed) ShowItemHint(Item);
  InvalidateItem(Item);
}

void TdxSideBar::SetSelectedItem(TdxSideBarItem* Item) {
  if (Item == FMouse.SelectedItem) return;
  InvalidateItem(FMouse.SelectedItem);
  FMouse.SelectedItem = Item;
  if (OnChangeSelectedItem) OnChangeSelectedItem(this);
  InvalidateItem(Item);
}

// --- scrolling ---------------------------------------------------------------------------

bool TdxSideBar::ScrollButtonMouseDown(TPoint P) {
  const TGeometry g = Geometry();
  const TRect up = UpButtonRect(g), down = DownButtonRect(g);
  const bool inColumn = P.X >= up.Left && P.X < up.Right;
  if (inColumn && FScroll.UpShown && !FScroll.UpPressed && P.Y >= up.Top + 1 && P.Y < up.Bottom + 1) {
    FScroll.UpPressed = true;
  } else if (inColumn && FScroll.DownShown && !FScroll.DownPressed && P.Y >= down.Top && P.Y < down.Bottom) {
    FScroll.DownPressed = true;
  } else {
    return false;
  }
  StartScrollTimer();
  ScrollItems(FScroll.UpPressed ? -1 : 1);
  return true;
}

void TdxSideBar::ScrollItems(int Delta) {
  if (!FActiveGroup) return;
  FActiveGroup->SetTopIndex(FActiveGroup->TopIndex() + Delta);
  const TGeometry g = Geometry();
  UpdateScrollButtons(g, ItemPlaces(g));
}

void TdxSideBar::StartScrollTimer() {
  if (FScroll.TimerRunning || !HandleAllocated()) return;
  FScroll.TimerRunning = SetTimer(Handle(), dxsbScrollTimer, static_cast<UINT>(FScrollDelay)) != 0;
}

void TdxSideBar::StopScrollTimer() {
  if (!FScroll.TimerRunning) return;
  FScroll.TimerRunning = false;
  if (HandleAllocated()) KillTimer(Handle(), dxsbScrollTimer);
}

// A mark set before the items moved no longer marks the place it named; a tick that scrolls
// nothing leaves it.
void TdxSideBar::ScrollTimerTick() {
  if (!FScroll.UpPressed && !FScroll.DownPressed) {
    StopScrollTimer();
    return;
  }
  ScrollItems(FScroll.UpPressed ? -1 : 1);
  SetInsertMark(nullptr, true);
}

void TdxSideBar::ReleaseScrollButtons() {
  if (!FScroll.UpPressed && !FScroll.DownPressed) return;
  FScroll.UpPressed = FScroll.DownPressed = false;
  InvalidateScrollButtons();
}

// --- item hint ---------------------------------------------------------------------------

// The short part of the hint shows below the caption for at most dxsbHintTime; meanwhile the
// control's own hint is the long part, for the status line.
void TdxSideBar::ShowItemHint(TdxSideBarItem* Item) {
  if (TdxSideBarDragObject::Current() || Dragging() || !HandleAllocated()) return;
  const String hint = Item->Hint();
  if (hint.empty()) return;
  const TGeometry g = Geometry();
  const std::vector<TItemPlace> places = ItemPlaces(g);
  const TItemPlace* place = FindPlace(places, Item);
  if (!place) return;
  const String text = GetShortHint(hint);
  TRect r = FHint.Window->CalcHintRect(ClientWidth() - 2 * FSpaceHeight, text);
  const bool large = FActiveGroup->IconType() == dxsgLargeIcon;
  const TPoint at = ClientToScreen(TPoint{large ? (ClientWidth() - r.Width()) / 2 : FSpaceHeight, place->CaptionBox.Bottom + 2});
  OffsetRect(r, at.X, at.Y);
  FHint.Window->SetColor(clInfoBk);
  FHint.Window->ActivateHint(r, text);
  FHint.Showing = true;
  SetShowHint(false);
  SetHint(GetLongHint(hint));
  FHint.TimerRunning = SetTimer(Handle(), dxsbHintTimer, dxsbHintTime) != 0;
}

void TdxSideBar::HideItemHint() {
  if (FHint.TimerRunning) {
    FHint.TimerRunning = false;
    if (HandleAllocated()) KillTimer(Handle(), dxsbHintTimer);
  }
  if (!FHint.Showing) return;
  FHint.Showing = false;
  FHint.Window->ReleaseHandle();
  SetHint(String());
  SetShowHint(true);
}
