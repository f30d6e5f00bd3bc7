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
  if (FHintShowing && HidesHint(Message.Msg)) HideItemHint();
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
  if (FPaintStyle == sbpsFlat && FHotHeader >= 0 && LOWORD(Message.LParam) == HTCLIENT && Screen) {
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
    if (!FItemPressed) SetHotItem(nullptr, false);
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
        FItemPressed = true;
        FPressPoint = p;
      }
    }
  }
  TCustomPanel::MouseDown(Button, Shift, X, Y);
}

void TdxSideBar::MouseMove(TShiftState Shift, int X, int Y) {
  const TPoint p{X, Y};
  HeaderMouseMove(p);
  if (FItemPressed && (Shift & ssLeft)) {
    StartItemDrag(p);
  } else if (!FItemPressed && !FHeaderDown) {
    SetHotItem(ItemAtPos(p), false);
  }
  TCustomPanel::MouseMove(Shift, X, Y);
}

void TdxSideBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TPoint p{X, Y};
  if (Button == mbLeft) {
    SetMouseCapture(false);
    if (FHeaderDown) {
      HeaderMouseUp(p);
    } else if (FUpPressed || FDownPressed) {
      ReleaseScrollButtons();
    } else if (FItemPressed && !Dragging()) {
      FItemPressed = false;
      SetHotItem(FHotItem, false);
      if (TdxSideBarItem* item = ItemAtPos(p)) DoItemClick(item);
    }
    FItemPressed = false;
  }
  TCustomPanel::MouseUp(Button, Shift, X, Y);
}

// Flat style: the header under the mouse is hot; a pressed header looks pressed only while the
// mouse is over it.
void TdxSideBar::HeaderMouseMove(TPoint P) {
  if (FPaintStyle != sbpsFlat || !FShowGroups) return;
  const int header = HeaderAt(Geometry(), P);
  if (FHeaderDown) {
    SetHotHeader(FHotHeader, true, header == FHotHeader);
  } else if (!FItemPressed) {
    SetHotHeader(header, false, false);
  }
}

void TdxSideBar::HeaderMouseUp(TPoint P) {
  const int pressed = FHotHeader;
  const bool over = HeaderAt(Geometry(), P) == pressed;
  SetHotHeader(-1, false, false);
  if (over) SetActiveGroupIndex(pressed);
}

void TdxSideBar::SetHotHeader(int Index, bool Down, bool Pressed) {
  if (Index == FHotHeader && Down == FHeaderDown && Pressed == FHeaderPressed) return;
  const int old = FHotHeader;
  FHotHeader = Index;
  FHeaderDown = Down && Index >= 0;
  FHeaderPressed = Pressed && FHeaderDown;
  InvalidateHeader(old);
  if (Index != old) InvalidateHeader(Index);
}

// --- hot and selected items --------------------------------------------------------------

// The old hot item loses its frame (unless selected), a showing hint goes, OnChangeFocusedItem
// fires and the new item's hint shows when it is not pressed.
void TdxSideBar::SetHotItem(TdxSideBarItem* Item, bool Pressed) {
  if (Item == FHotItem) {
    if (Pressed != FHotPressed) {
      FHotPressed = Pressed;
      InvalidateItem(Item);
    }
    return;
  }
  TdxSideBarItem* old = FHotItem;
  if (old && old != FSelectedItem) InvalidateItem(old);
  HideItemHint();
  FHotItem = Item;
  FHotPressed = Pressed;
  if (OnChangeFocusedItem) OnChangeFocusedItem(this);
  if (Item && !Pressed) ShowItemHint(Item);
  InvalidateItem(Item);
}

void TdxSideBar::SetSelectedItem(TdxSideBarItem* Item) {
  if (Item == FSelectedItem) return;
  InvalidateItem(FSelectedItem);
  FSelectedItem = Item;
  if (OnChangeSelectedItem) OnChangeSelectedItem(this);
  InvalidateItem(Item);
}

// --- scrolling ---------------------------------------------------------------------------

bool TdxSideBar::ScrollButtonMouseDown(TPoint P) {
  const TGeometry g = Geometry();
  const TRect up = UpButtonRect(g), down = DownButtonRect(g);
  const bool inColumn = P.X >= up.Left && P.X < up.Right;
  if (inColumn && FUpShown && !FUpPressed && P.Y >= up.Top + 1 && P.Y < up.Bottom + 1) {
    FUpPressed = true;
  } else if (inColumn && FDownShown && !FDownPressed && P.Y >= down.Top && P.Y < down.Bottom) {
    FDownPressed = true;
  } else {
    return false;
  }
  StartScrollTimer();
  ScrollItems(FUpPressed ? -1 : 1);
  return true;
}

void TdxSideBar::ScrollItems(int Delta) {
  if (!FActiveGroup) return;
  FActiveGroup->SetTopIndex(FActiveGroup->TopIndex() + Delta);
  const TGeometry g = Geometry();
  UpdateScrollButtons(g, ItemPlaces(g));
}

void TdxSideBar::StartScrollTimer() {
  if (FScrollTimerRunning || !HandleAllocated()) return;
  FScrollTimerRunning = SetTimer(Handle(), dxsbScrollTimer, static_cast<UINT>(FScrollDelay)) != 0;
}

void TdxSideBar::StopScrollTimer() {
  if (!FScrollTimerRunning) return;
  FScrollTimerRunning = false;
  if (HandleAllocated()) KillTimer(Handle(), dxsbScrollTimer);
}

// A mark set before the items moved no longer marks the place it named; a tick that scrolls
// nothing leaves it.
void TdxSideBar::ScrollTimerTick() {
  if (!FUpPressed && !FDownPressed) {
    StopScrollTimer();
    return;
  }
  ScrollItems(FUpPressed ? -1 : 1);
  SetInsertMark(nullptr, true);
}

void TdxSideBar::ReleaseScrollButtons() {
  if (!FUpPressed && !FDownPressed) return;
  FUpPressed = FDownPressed = false;
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
  TRect r = FHintWindow->CalcHintRect(ClientWidth() - 2 * FSpaceHeight, text);
  const bool large = FActiveGroup->IconType() == dxsgLargeIcon;
  const TPoint at = ClientToScreen(TPoint{large ? (ClientWidth() - r.Width()) / 2 : FSpaceHeight, place->CaptionBox.Bottom + 2});
  OffsetRect(r, at.X, at.Y);
  FHintWindow->SetColor(clInfoBk);
  FHintWindow->ActivateHint(r, text);
  FHintShowing = true;
  SetShowHint(false);
  SetHint(GetLongHint(hint));
  FHintTimerRunning = SetTimer(Handle(), dxsbHintTimer, dxsbHintTime) != 0;
}

void TdxSideBar::HideItemHint() {
  if (FHintTimerRunning) {
    FHintTimerRunning = false;
    if (HandleAllocated()) KillTimer(Handle(), dxsbHintTimer);
  }
  if (!FHintShowing) return;
  FHintShowing = false;
  FHintWindow->ReleaseHandle();
  SetHint(String());
  SetShowHint(true);
}
