// The mouse in bar windows: hot tracking, the control that holds the button in a toolbar, clicks
// on release, and selecting links while customising.
#include "bars/dxBarControl.h"

#include <utility>

#include "bars/dxBarCustPopups.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarUtils.h"
#include "windows/Focus.h"
#include "windows/ModalLoop.h"

namespace {

TPoint PointOf(const TMessage& Message) { return LParamToPoint(Message.LParam); }

bool IsEditing(const TdxBarItemControl* Control) {
  auto* edit = dynamic_cast<const TdxBarWinControl*>(Control);
  return edit && edit->Focused();
}

}  // namespace

void TCustomdxBarControl::WMMouseMove(TMessage& Message) {
  if (FDestroyingControls) return;
  const TPoint p = PointOf(Message);
  if (FDragPending) {
    DragPendingLink(p);
    return;
  }
  if (FPressedControl) {
    TrackPressedControl(p);
    return;
  }
  if (!PtInRect(ClientRect(), p) || IsMouseUnmoved(p)) return;
  RememberCursorPos();
  HotTrackAt(p);
}

// The pressed control shows pressed only while the pointer is over it.
void TCustomdxBarControl::TrackPressedControl(TPoint Point) {
  const bool inside = PtInRect(GetItemRect(FPressedControl), Point);
  if (inside == FPressedInside) return;
  FPressedInside = inside;
  FPressedControl->Repaint();
}

// The control under the pointer turns hot, unless an edit is being typed in; over no control a
// toolbar in menu mode and an open sub item keep their selection.
void TCustomdxBarControl::HotTrackAt(TPoint Point) {
  TdxBarItemControl* control = ControlAtPoint(Point);
  if (IsEditing(FSelectedControl)) return;
  if (HandleAllocated()) BeginMouseLeaveTracking(Handle());
  if (control && !control->IsEnabled()) control = nullptr;
  if (!control) {
    if (IsToolbar() && FMenuMode) return;
    if (dynamic_cast<TdxBarSubItemControl*>(FSelectedControl) && FSelectedControl->Active()) return;
  }
  HotTrack(control);
}

void TCustomdxBarControl::WMLButtonDown(TMessage& Message) {
  if (!FItemLinks || FItemLinks->ShownItemCount() == 0) return;
  if (IsCustomizing()) {
    CustomizingButtonDown(PointOf(Message));
  } else {
    ClickButtonDown(PointOf(Message));
  }
}

// While customising a press selects the link (again: its pressed look toggles, and a sub item's
// menu opens or closes) and may begin dragging it.
void TCustomdxBarControl::CustomizingButtonDown(TPoint Point) {
  TdxBarItemControl* control = ControlAtPoint(Point);
  if (control && !control->IsCustomizableNow()) return;
  if (control && control == FSelectedControl) {
    control->SetPressed(!control->Pressed());
    if (FBarManager) FBarManager->SetSelectedItemControl(control);
    if (auto* subItem = dynamic_cast<TdxBarSubItemControl*>(control)) {
      if (subItem->GetSubMenu()) {
        subItem->CloseSubMenu();
      } else {
        subItem->ControlActivate(true);
      }
    }
  } else {
    SetSelected(control);
  }
  if (IsBarControlAlive(this) && control && IsItemControlAlive(control)) StartPendingDrag(control, Point);
}

void TCustomdxBarControl::StartPendingDrag(TdxBarItemControl* Control, TPoint Point) {
  if (!FBarManager || !HandleAllocated()) return;
  FDragPending = true;
  FDragDownPoint = Point;
  FBarManager->SetDraggedItem(Control->Item(), Control->ItemLink());
  FBarManager->SetDragGrabPoint(ClientToScreen(Point));
  SetCapture(Handle());
}

// Once the pointer leaves the drag square round the press, the manager drags the link.
void TCustomdxBarControl::DragPendingLink(TPoint Point) {
  if (PtInRect(DragThresholdRect(FDragDownPoint), Point)) return;
  FDragPending = false;
  TdxBarItem* item = FBarManager->DraggedItem();
  TdxBarItemLink* link = FBarManager->DraggedItemLink();
  if (GetCapture() == Handle()) ReleaseCapture();
  if (link && link->Control()) link->Control()->SetPressed(false);
  if (item) FBarManager->DragItemLink(item, link);
}

// A press selects the control and holds it pressed; in a toolbar a control that wants the mouse
// tracked takes the capture until the release.
void TCustomdxBarControl::ClickButtonDown(TPoint Point) {
  TdxBarItemControl* control = ControlAtPoint(Point);
  if (!control || !control->CanClicked()) return;
  SetSelected(control);
  if (!IsBarControlAlive(this) || !IsItemControlAlive(control)) return;
  if (dynamic_cast<TdxBarButtonControl*>(control) || dynamic_cast<TdxBarSubItemControl*>(control)) control->SetPressed(true);
  control->ControlDown(Point);
  if (!IsBarControlAlive(this) || !IsItemControlAlive(control)) return;
  if (IsToolbar() && control->WantsMouseTracking()) {
    FPressedControl = control;
    FPressedInside = true;
    SetCapture(Handle());
  }
}

void TCustomdxBarControl::WMLButtonUp(TMessage& Message) {
  if (FDragPending) {
    if (GetCapture() == Handle()) ReleaseCapture();
    return;
  }
  ClickButtonUp(PointOf(Message));
}

// The selected control under the pointer is clicked in menu mode; after a pressed control, or
// over an empty part of a toolbar, the menus close.
void TCustomdxBarControl::ClickButtonUp(TPoint Point) {
  const bool hadPressed = FPressedControl != nullptr;
  if (hadPressed) {
    FPressedControl = nullptr;
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  }
  if (!IsBarControlAlive(this)) return;
  TdxBarItemControl* control = PtInRect(ClientRect(), Point) ? ControlAtPoint(Point) : nullptr;
  const bool clicks = FMenuMode && !IsCustomizing() && control && control == FSelectedControl && control->CanClicked() &&
                      control->IsEnabled();
  if (clicks) {
    control->Click(true);
  } else if (IsToolbar() && (!control || !control->CanClicked())) {
    CloseMenus();
    return;
  }
  if (hadPressed && IsBarControlAlive(this)) CloseMenus();
}

// A double click counts as a second press, as the window (a toolbar too) handles presses.
void TCustomdxBarControl::WMLButtonDblClk(TMessage& Message) {
  Message.Msg = WM_LBUTTONDOWN;
  Dispatch(Message);
}

// While customising a right click selects the link under the pointer and opens its customizing
// popup there.
void TCustomdxBarControl::WMRButtonDown(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (!IsCustomizing()) return;
  ReleasePressedControl();
  TdxBarItemControl* control = ControlAtPoint(PointOf(Message));
  if (control && control == FSelectedControl) {
    if (FBarManager) FBarManager->SetSelectedItemControl(control);
    control->Repaint();
  } else {
    SetSelected(control);
  }
  if (IsBarControlAlive(this) && IsItemControlAlive(control))
    ShowCustomizingPopup(control->ItemLink(), ClientToScreen(PointOf(Message)));
}

// A sub item whose menu is open keeps the selection: the pointer went into that menu.
void TCustomdxBarControl::WMMouseLeave(TMessage&) {
  if (FDestroyingControls || IsCustomizing()) return;
  auto* subItem = dynamic_cast<TdxBarSubItemControl*>(FSelectedControl);
  if (subItem && subItem->GetSubMenu()) return;
  HotTrack(nullptr);
}

void TCustomdxBarControl::WMCaptureChanged(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  FPressedControl = nullptr;
  if (std::exchange(FDragPending, false) && FBarManager) FBarManager->SetDraggedItem(nullptr, nullptr);
}
