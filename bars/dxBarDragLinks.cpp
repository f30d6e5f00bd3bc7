// Dragging item links while customising: the manager's one drag loop for moving, copying and
// removing links and for commands dragged from the customize dialog, with the drop mark drawn by
// inverting pixels, the drag cursors, the nudge that starts or ends a group, and at design time
// the drop of a command on a category of the dialog.
#include <cstdlib>

#include "bars/dxBarControls.h"
#include "bars/dxBarCustForm.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenuEd.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarUtils.h"
#include "controls/Application.h"
#include "graphics/Gdi.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/ModalLoop.h"
#include "windows/Paint.h"
#include "windows/Window.h"

namespace {

// The distance along a bar from which a link dropped on its own place starts or ends a group.
constexpr int kNudgeDistance = 4;
// Sent to the sub-menu editor while a drag passes over it.
constexpr UINT WM_DXBAR_DRAGOVER_EDITOR = 0xB000;

bool IsCtrlDown() { return GetKeyState(VK_CONTROL) < 0; }

// The bar window that holds a window, climbing to its parents.
TCustomdxBarControl* BarControlOfWindow(HWND Wnd) {
  for (TControl* c = FindParentControlOfWindow(Wnd); c; c = c->Parent())
    if (auto* bar = dynamic_cast<TCustomdxBarControl*>(c)) return bar;
  return nullptr;
}

bool IsOverWindow(TWinControl* Control, TPoint Point) {
  TRect r;
  return Control && Control->HandleAllocated() && Control->Showing() && GetWindowRect(Control->Handle(), r) && PtInRect(r, Point);
}

// The shown link before or after Link in its collection, nullptr at either end.
TdxBarItemLink* ShownNeighbour(const TdxBarItemLink* Link, int Step) {
  const TdxBarItemLinks* links = Link->Links();
  const int index = links->IndexOfShown(Link) + Step;
  return index >= 0 && index < links->ShownItemCount() && links->IndexOfShown(Link) >= 0 ? links->ShownItems(index) : nullptr;
}

// Where the drop mark is drawn and how: across a vertical window, along others; at the start of
// the rectangle or at its end.
struct TDropMark {
  HWND Wnd;
  TRect Rect;
  bool Vertical = false;
  bool AtEnd = false;
};

// A 2-pixel bar with end caps, 6 pixels thick, drawn by inverting: drawing it twice restores the
// pixels.
void InvertMark(const TDropMark& Mark) {
  if (!IsWindow(Mark.Wnd)) return;
  // What waits to be painted is painted first, so that it does not cover the mark later.
  UpdateWindow(Mark.Wnd);
  HDC dc = GetDC(Mark.Wnd);
  const int old = SetROP2(dc, R2_NOT);
  const TRect& r = Mark.Rect;
  const auto line = [dc](int X1, int Y1, int X2, int Y2) {
    MoveToEx(dc, X1, Y1);
    LineTo(dc, X2, Y2);
  };
  if (Mark.Vertical) {
    const int y = Mark.AtEnd ? r.Bottom - 6 : r.Top;
    line(r.Left, y, r.Left, y + 6);
    line(r.Left + 1, y + 1, r.Left + 1, y + 5);
    line(r.Left + 2, y + 2, r.Right - 2, y + 2);
    line(r.Left + 2, y + 3, r.Right - 2, y + 3);
    line(r.Right - 2, y + 1, r.Right - 2, y + 5);
    line(r.Right - 1, y, r.Right - 1, y + 6);
  } else {
    const int x = Mark.AtEnd ? r.Right - 6 : r.Left;
    line(x, r.Top, x + 6, r.Top);
    line(x + 1, r.Top + 1, x + 5, r.Top + 1);
    line(x + 2, r.Top + 2, x + 2, r.Bottom - 2);
    line(x + 3, r.Top + 2, x + 3, r.Bottom - 2);
    line(x + 1, r.Bottom - 2, x + 5, r.Bottom - 2);
    line(x, r.Bottom - 1, x + 6, r.Bottom - 1);
  }
  SetROP2(dc, old);
  ReleaseDC(Mark.Wnd, dc);
}

class TLinkDrag {
 public:
  TLinkDrag(TdxBarManager* Manager, TdxBarItem* Item, TdxBarItemLink* Link)
      : FManager(Manager), FItem(Item), FLink(Link), FCopy(IsCtrlDown()), FGrab(Manager->DragGrabPoint()) {}
  void Run();

 private:
  TLoopVerdict Filter(MSG& Msg);
  void MouseMoved(bool ForceMark);
  bool FollowCategoryList(TPoint Point);
  TCustomdxBarControl* TargetAt(TPoint Point);
  void ShowCursor();
  void SelectTarget(TdxBarItemControl* Control);
  bool DropChangesSomething() const;
  TDropMark MarkPlace() const;
  void DrawMark();
  void EraseMark();
  void Drop();
  void DropOnCategory();
  void DropOutside();
  bool IsOwnPlace() const;
  void Nudge();
  void DropOnBar();

  TdxBarManager* FManager;
  TdxBarItem* FItem;
  TdxBarItemLink* FLink;
  bool FCopy;
  TPoint FGrab;
  TPoint FPoint;
  bool FMoved = false;
  bool FDropped = false;
  TCustomdxBarControl* FTarget = nullptr;
  TdxBarItemControl* FTargetControl = nullptr;
  // The target control's link: the window may make its views anew before the drop.
  TdxBarItemLink* FTargetLink = nullptr;
  bool FVertical = false;
  bool FOutside = false;
  bool FBefore = false;
  bool FMarkDrawn = false;
  TDropMark FMark;
  TdxBarItemControl* FMarkControl = nullptr;
  int FCategory = -1;
};

void TLinkDrag::Run() {
  FManager->SetDraggedItem(FItem, FLink);
  const TCursor saved = Screen->Cursor();
  GetCursorPos(FPoint);
  RunCaptureLoop(FManager->DialogOwnerWindow(), [this](MSG& Msg) { return Filter(Msg); });
  if (FMarkDrawn && FMarkControl == FManager->SelectedItemControl()) EraseMark();
  Screen->SetCursor(saved);
  FManager->SetDraggedItem(nullptr, nullptr);
  if (FMoved && FDropped) Drop();
}

// Ctrl switches between moving and copying at once; Esc cancels; other keys go nowhere.
TLoopVerdict TLinkDrag::Filter(MSG& Msg) {
  if (IsKeyboardMessage(Msg)) {
    if ((Msg.message == WM_KEYDOWN || Msg.message == WM_KEYUP) && Msg.wParam == VK_CONTROL) {
      FCopy = Msg.message == WM_KEYDOWN;
      MouseMoved(true);
    }
    return IsEscapeKey(Msg) ? TLoopVerdict::End : TLoopVerdict::Handled;
  }
  if (Msg.message == WM_LBUTTONUP) {
    FPoint = MessageScreenPoint(Msg);
    FDropped = true;
    return TLoopVerdict::End;
  }
  if (Msg.message != WM_MOUSEMOVE) return TLoopVerdict::Dispatch;
  FMoved = true;
  FPoint = MessageScreenPoint(Msg);
  MouseMoved(false);
  return TLoopVerdict::Handled;
}

void TLinkDrag::MouseMoved(bool ForceMark) {
  if (FollowCategoryList(FPoint)) return;
  TCustomdxBarControl* target = TargetAt(FPoint);
  if (target && !target->CanCustomizeLinks()) target = nullptr;
  bool vertical = false, outside = false, before = false;
  TdxBarItemControl* control = nullptr;
  if (target) control = target->GetItemControlAtPoint(target->ScreenToClient(FPoint), vertical, outside, before);
  const bool changed = target != FTarget || control != FTargetControl || vertical != FVertical || outside != FOutside ||
                       before != FBefore || ForceMark;
  FTarget = target;
  FTargetControl = control;
  FTargetLink = control ? control->ItemLink() : nullptr;
  FVertical = vertical;
  FOutside = outside;
  FBefore = before;
  ShowCursor();
  // A menu's own parts (scroll arrows, expand button) follow the pointer where it is over no link.
  if (!target || (!control && dynamic_cast<TdxBarSubMenuControl*>(target))) {
    EraseMark();
    if (target) SendMessage(target->Handle(), WM_MOUSEMOVE, 0, PointToLParam(target->ScreenToClient(FPoint)));
    return;
  }
  if (!changed) return;
  EraseMark();
  SelectTarget(control);
  if (IsBarControlAlive(FTarget) && IsItemControlAlive(FTargetControl) && DropChangesSomething()) DrawMark();
}

// At design time a command from the dialog dropped on a category of the dialog moves there.
bool TLinkDrag::FollowCategoryList(TPoint Point) {
  TdxBarCustomizingForm* dialog = CustomizingForm();
  if (!dialog || FLink || !FManager->IsDesigning()) return false;
  if (!IsOverWindow(dialog->LCategories, Point)) {
    dialog->SelectCategory(FItem->Category());
    FCategory = -1;
    return false;
  }
  EraseMark();
  FTarget = nullptr;
  FTargetControl = nullptr;
  FTargetLink = nullptr;
  FCategory = dialog->CategoryAtScreenPoint(Point);
  dialog->SelectCategory(FCategory >= 0 ? FCategory : FItem->Category());
  Screen->SetCursor(FCategory >= 0 ? crdxBarDrag : crdxBarDragNoDrop);
  return true;
}

// The bar window of this manager under the pointer; none over the customize dialog, and the
// sub-menu editor is told that the drag passes over it.
TCustomdxBarControl* TLinkDrag::TargetAt(TPoint Point) {
  if (TdxBarSubMenuEditor* editor = SubMenuEditor(); editor && IsOverWindow(editor, Point)) {
    SendMessage(editor->Handle(), WM_DXBAR_DRAGOVER_EDITOR, 0, 0);
    return nullptr;
  }
  if (IsOverWindow(CustomizingForm(), Point)) return nullptr;
  TCustomdxBarControl* window = BarControlOfWindow(WindowAtScreenPoint(Point));
  return window && window->BarManager() == FManager ? window : nullptr;
}

// No drop over no bar, or over a bar with links but no control there; a copy with Ctrl or for a
// command from the dialog; a move otherwise.
void TLinkDrag::ShowCursor() {
  const bool noDrop = !FTarget || (!FTargetControl && FTarget->ItemLinks() && FTarget->ItemLinks()->ShownItemCount() > 0);
  Screen->SetCursor(noDrop ? crdxBarDragNoDrop : (FCopy || !FLink) ? crdxBarDragCopy : crdxBarDrag);
}

// A sub item's view (or a window whose selected view is one) is hot-tracked, which opens or
// closes its menu; any other view is selected.
void TLinkDrag::SelectTarget(TdxBarItemControl* Control) {
  const bool subItem = dynamic_cast<TdxBarSubItemControl*>(Control) ||
                       dynamic_cast<TdxBarSubItemControl*>(FTarget->SelectedControl());
  if (subItem) {
    FTarget->HotTrack(Control);
  } else {
    FTarget->SetSelected(Control);
  }
}

// A copy, or a command from the dialog, always changes something; a moved link not when it would
// land where it is.
bool TLinkDrag::DropChangesSomething() const {
  if (!FTargetLink) return false;
  if (!FLink || FCopy) return true;
  const TdxBarItemLink* target = FTargetLink;
  if (target == FLink) return FOutside && FBefore;
  if (target == ShownNeighbour(FLink, -1) && !FLink->BeginGroup() && !FOutside && !FBefore) return false;
  if (target == ShownNeighbour(FLink, 1) && ((FOutside && FBefore) || (!target->BeginGroup() && FBefore))) return false;
  return true;
}

// On a separator's first half the mark ends the group before it; before the target control on its
// separator's second half or its own first half; otherwise after it when it ends its line or its
// group, else before the next control.
TDropMark TLinkDrag::MarkPlace() const {
  TdxBarItemLink* target = FTargetControl->ItemLink();
  const TdxBarItemControl* control = FTargetControl;
  bool atEnd = false;
  if (FOutside && FBefore) {
    if (TdxBarItemLink* previous = ShownNeighbour(target, -1); previous && previous->Control()) control = previous->Control();
    atEnd = control != FTargetControl;
  } else if (!FOutside && !FBefore) {
    TdxBarItemLink* next = ShownNeighbour(target, 1);
    if (FTargetControl->LineEnd() || !next || !next->Control() || next->BeginGroup()) {
      atEnd = true;
    } else {
      control = next->Control();
    }
  }
  return TDropMark{FTarget->Handle(), FTarget->GetItemRect(control), FVertical, atEnd};
}

void TLinkDrag::DrawMark() {
  if (FMarkDrawn || !FTargetControl || !FTarget->HandleAllocated()) return;
  FMark = MarkPlace();
  FMarkControl = FTargetControl;
  InvertMark(FMark);
  FMarkDrawn = true;
}

void TLinkDrag::EraseMark() {
  if (!FMarkDrawn) return;
  InvertMark(FMark);
  FMarkDrawn = false;
}

// --- the drop -----------------------------------------------------------------------------------------

void TLinkDrag::Drop() {
  if (FCategory >= 0) {
    DropOnCategory();
  } else if (!IsBarControlAlive(FTarget)) {
    DropOutside();
  } else if (IsOwnPlace()) {
    Nudge();
  } else {
    DropOnBar();
  }
}

// The command moves to just after the last command of the category and joins it.
void TLinkDrag::DropOnCategory() {
  int current = -1, last = -1;
  for (int i = 0; i < FManager->ItemCount(); ++i) {
    if (FManager->Items(i) == FItem) current = i;
    if (FManager->Items(i)->Category() == FCategory) last = i;
  }
  if (current >= 0 && last >= 0) FManager->MoveItem(current, current < last ? last : last + 1);
  FItem->SetCategory(FCategory);
  BarManagerModified(FManager);
  if (TdxBarCustomizingForm* dialog = CustomizingForm()) {
    dialog->ItemsChanged();
    dialog->SelectItem(FItem, true);
  }
}

// Off every bar a moved link goes (a copy stays); the window that showed the selected link is
// rebuilt without a selection.
void TLinkDrag::DropOutside() {
  TdxBarItemControl* selected = FManager->SelectedItemControl();
  TCustomdxBarControl* window = IsItemControlAlive(selected) ? selected->Parent() : nullptr;
  if (FLink && !FCopy) delete FLink;
  BarManagerModified(FManager);
  if (!IsBarControlAlive(window)) return;
  window->SetSelected(nullptr);
  window->RebuildBar();
}

bool TLinkDrag::IsOwnPlace() const {
  if (!FLink || !FTargetLink || FCopy || (FOutside && FBefore)) return false;
  return FTargetLink == FLink || !DropChangesSomething();
}

// Dropped on its own place, a link moved 4 pixels or more along its bar starts a group (toward the
// end) or ends it (toward the start).
void TLinkDrag::Nudge() {
  const int distance = FVertical ? FPoint.Y - FGrab.Y : FPoint.X - FGrab.X;
  if (std::abs(distance) >= kNudgeDistance) FLink->SetBeginGroup(distance > 0);
  TCustomdxBarControl* window = FLink->Links()->BarControl();
  if (IsBarControlAlive(window) && FLink->Control()) window->SetSelected(FLink->Control());
}

// A new link of the item goes before or after the target control (a dragged link is copied into
// it); on a separator's second half, or on the first half of a group's first control, it takes the
// group's start over. A moved link then goes, and the window it left is rebuilt.
void TLinkDrag::DropOnBar() {
  TdxBarItemLinks* links = FTarget->ItemLinks();
  TdxBarItemLink* target = FTargetLink;
  TdxBarItemLink* added = links->Add();
  added->SetItem(FItem);
  if (FLink) added->Assign(FLink);
  if (target) {
    const int index = target->Index();
    added->SetIndex(!FOutside && !FBefore ? index + 1 : index);
    if ((FOutside && !FBefore) || (!FOutside && FBefore && target->BeginGroup())) {
      added->SetBeginGroup(true);
      target->SetBeginGroup(false);
    }
  }
  links->RefreshControls();
  if (FLink && !FCopy) {
    TCustomdxBarControl* source = FLink->Links()->BarControl();
    const bool otherWindow = FLink->Links() != links;
    delete FLink;
    if (otherWindow && IsBarControlAlive(source)) source->RebuildBar();
  }
  BarManagerModified(FManager);
  if (IsBarControlAlive(FTarget) && added->Control()) FTarget->SetSelected(added->Control());
}

}  // namespace

void TdxBarManager::DragItemLink(TdxBarItem* Item, TdxBarItemLink* Link) { TLinkDrag(this, Item, Link).Run(); }
