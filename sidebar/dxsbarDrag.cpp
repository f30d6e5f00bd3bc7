// Dragging items: starting a drag from a pressed item, the drag object and its cursors, the
// target's drag-over (scroll zones, opening groups, the insertion mark) and the drop that inserts,
// copies or moves the item. Ctrl changes the cursor at once: the drag manager asks the target and
// the cursor again when Ctrl goes down or up.
#include "sidebar/dxsbarDrag.h"

#include <cstdlib>

#include "controls/Application.h"
#include "graphics/Gdi.h"
#include "sidebar/dxsbar_p.h"
#include "windows/Cursors.h"

// The control library's drag object of the source control; the side-bar drag chooses its cursor
// and drops when it finishes.
class TtmpDragObject : public TDragControlObject {
 public:
  TtmpDragObject(TdxSideBarDragObject* Owner, TControl* Source) : TDragControlObject(Source), FOwner(Owner) {}
  TCursor GetDragCursor(bool Accepted, int X, int Y) override { return FOwner->Cursor(Accepted, TPoint{X, Y}); }
  // The drop first, then the source's end of drag; the side-bar drag (and this object with it) is
  // freed last.
  void Finished(TObject* Target, int X, int Y, bool Accepted) override {
    TdxSideBarDragObject* drag = FOwner;
    drag->Drop(Accepted ? Target : nullptr);
    TDragControlObject::Finished(Target, X, Y, Accepted);
    TdxSideBarDragObject::Release(drag);
  }

 private:
  TdxSideBarDragObject* FOwner;
};

namespace {

std::unique_ptr<TdxSideBarDragObject>& CurrentDrag() {
  static std::unique_ptr<TdxSideBarDragObject> current;
  return current;
}

// The layer's drag cursor with a small box in its lower right corner: a plus for copying, a
// cross for taking away.
HCURSOR MarkedDragCursor(char Mark) {
  TBitmap image, mask;
  TPoint hotSpot;
  if (!GetCursorImage(IDC_DRAG, image, mask, hotSpot)) return IDC_DRAG;
  if (Mark) {
    const TRect box = Bounds(20, 20, 9, 9);
    TCanvas* c = image.Canvas();
    c->Brush()->SetColor(clWhite);
    c->Pen()->SetColor(clBlack);
    c->Rectangle(box);
    if (Mark == '+') {
      c->MoveTo(box.Left + 2, box.Top + 4), c->LineTo(box.Right - 2, box.Top + 4);
      c->MoveTo(box.Left + 4, box.Top + 2), c->LineTo(box.Left + 4, box.Bottom - 2);
    } else {
      c->MoveTo(box.Left + 2, box.Top + 2), c->LineTo(box.Right - 2, box.Bottom - 2);
      c->MoveTo(box.Right - 3, box.Top + 2), c->LineTo(box.Left + 1, box.Bottom - 2);
    }
    mask.Canvas()->Brush()->SetColor(clBlack);
    mask.Canvas()->FillRect(box);
  }
  return CreateCursorFromBitmap(image, &mask, hotSpot);
}

}  // namespace

void InstallSideBarCursors() {
  if (!Screen || Screen->Cursors(crdxSideBarDrag) != Screen->Cursors(crDefault)) return;
  static const HCURSOR move = MarkedDragCursor(0);
  static const HCURSOR copy = MarkedDragCursor('+');
  static const HCURSOR remove = MarkedDragCursor('x');
  Screen->SetCursors(crdxSideBarDrag, move);
  Screen->SetCursors(crdxSideBarDragCopy, copy);
  Screen->SetCursors(crdxSideBarDragDelete, remove);
  Screen->SetCursors(crdxSideBarGroup, Screen->Cursors(crHandPoint));
}

// --- the drag object ---------------------------------------------------------------------

TdxSideBarDragObject::TdxSideBarDragObject(TControl* Source, TdxSideBarItem* SourceItem, TdxStoredSideItem* StoredItem)
    : FSource(Source),
      FSourceItem(SourceItem),
      FStoredItem(SourceItem ? SourceItem->StoredItem() : StoredItem),
      FDragObject(std::make_unique<TtmpDragObject>(this, Source)) {}

TdxSideBarDragObject::~TdxSideBarDragObject() = default;

TdxSideBarDragObject* TdxSideBarDragObject::Start(TControl* Source, TdxSideBarItem* SourceItem,
                                                  TdxStoredSideItem* StoredItem) {
  CurrentDrag().reset(new TdxSideBarDragObject(Source, SourceItem, StoredItem));
  return CurrentDrag().get();
}

TdxSideBarDragObject* TdxSideBarDragObject::Current() { return CurrentDrag().get(); }

void TdxSideBarDragObject::Release(TdxSideBarDragObject* Drag) {
  if (CurrentDrag().get() == Drag) CurrentDrag().reset();
}

void TdxSideBarDragObject::Forget(const TObject* Gone) {
  TdxSideBarDragObject* drag = Current();
  if (!drag || !Gone) return;
  if (Gone == drag->FSource) {
    CurrentDrag().reset();
    return;
  }
  if (Gone == drag->FSourceItem) drag->FSourceItem = nullptr;
  if (Gone == drag->FStoredItem) drag->FStoredItem = nullptr;
}

TDragObject* TdxSideBarDragObject::DragObject() const { return FDragObject.get(); }

TCursor TdxSideBarDragObject::Cursor(bool Accepted, TPoint Screen) {
  TCursor cursor = crdxSideBarDrag;
  if (!Accepted) {
    cursor = crNoDrop;
  } else if (FDeleteFlag) {
    cursor = crdxSideBarDragDelete;
  } else if (GetAsyncKeyState(VK_CONTROL) < 0) {
    // The key as last received: asked again from the keyboard hook when Ctrl changes, before
    // the key's message has been taken from the queue.
    cursor = crdxSideBarDragCopy;
  } else if (!FSourceItem) {
    // A stored item dropped on a side bar always makes a new item.
    if (dynamic_cast<TdxSideBar*>(FindDragTarget(Screen, false))) cursor = crdxSideBarDragCopy;
  }
  FDeleteFlag = false;
  return cursor;
}

// Into the target's open group (a new group when it has none) at the insertion mark: a copy of
// the source item, or a new item linked to the stored item. Without Ctrl the source item then
// goes (a move); dropping an item on its own place changes nothing.
void TdxSideBarDragObject::Drop(TObject* Target) {
  auto* target = dynamic_cast<TdxSideBar*>(Target);
  auto* source = dynamic_cast<TdxSideBar*>(FSource);
  if (!target) {
    if (!Target && source) source->Invalidate();
    return;
  }
  if (FCancelled) return;
  if (!target->FActiveGroup) target->Groups()->Add();
  TdxSideGroup* group = target->FActiveGroup;
  if (!group) return;
  int index = group->Items()->Count() > 0 ? -1 : 0;
  if (target->FDropMark.Item) index = target->FDropMark.Item->Index() + (target->FDropMark.After ? 1 : 0);
  const bool copy = GetKeyState(VK_CONTROL) < 0;
  TdxSideBarItem* added = nullptr;
  if (index >= 0 && !(!copy && FSourceItem && FSourceItem->Group() == group && FSourceItem->Index() == index)) {
    added = group->Items()->Add();
    if (FSourceItem) {
      added->Assign(FSourceItem);
    } else {
      added->SetStoredItem(FStoredItem);
    }
    added->SetIndex(index);
  }
  target->SetInsertMark(nullptr, true);
  if (target->OnDragDropItem) target->OnDragDropItem(this, FSourceItem, added, copy);
  if (added && target->FCanSelected) target->SetSelectedItem(added);
  if (FSourceItem && added && !copy) delete FSourceItem;
  if (source) source->SetHotItem(nullptr, false);
  target->SetHotItem(nullptr, false);
  target->Invalidate();
}

// --- the source side bar -----------------------------------------------------------------

// A drag starts once the mouse, still pressed on an item, moves more than 5 pixels from where
// it went down, or leaves the items while an item is hot.
void TdxSideBar::StartItemDrag(TPoint P) {
  if ((ComponentState() & csDesigning) || FSideBarDragMode != dmAutomatic || !FShowGroups || !FMouse.ItemPressed) return;
  TdxSideBarItem* under = ItemAtPos(P);
  if (under && std::abs(P.X - FMouse.PressPoint.X) <= 5 && std::abs(P.Y - FMouse.PressPoint.Y) <= 5) return;
  if (!under && !FMouse.HotItem) return;
  FMouse.ItemPressed = false;
  BeginDrag(true);
}

void TdxSideBar::DoStartDrag(TDragObject*& DragObject) {
  TCustomPanel::DoStartDrag(DragObject);
  if (DragObject || !FMouse.HotItem) return;
  HideItemHint();
  DragObject = TdxSideBarDragObject::Start(this, FMouse.HotItem, nullptr)->DragObject();
}

// --- the target side bar -----------------------------------------------------------------

void TdxSideBar::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = false;
  if (!TdxSideBarDragObject::Current()) return;
  if (State == dsDragLeave) {
    ReleaseScrollButtons();
    SetInsertMark(nullptr, true);
  } else {
    DragOverItems(TPoint{X, Y}, Accept);
  }
  if (OnDragOver) OnDragOver(this, Source, X, Y, State, Accept);
}

void TdxSideBar::DragOverItems(TPoint P, bool& Accept) {
  if (!FActiveGroup) {
    Accept = true;
    return;
  }
  const TGeometry g = Geometry();
  if (DragScrollZone(g, P)) return;
  if (const int header = HeaderAt(g, P); header >= 0) {
    SetActiveGroupIndex(header);
    return;
  }
  bool after = true;
  if (TdxSideBarItem* item = DropPosition(g, P, after)) {
    SetInsertMark(item, after);
    Accept = true;
    return;
  }
  TdxSideBarItems* items = FActiveGroup->Items();
  if (items->Count() > 0 && FActiveGroup->TopIndex() == 0 && P.Y >= g.T && P.Y < g.T + FSpaceHeight) {
    SetInsertMark(items->Items(0), false);
    Accept = true;
    return;
  }
  Accept = items->Count() == 0;
  SetInsertMark(nullptr, true);
  SetHotItem(ItemAtPos(P), false);
}

// Near the top or the bottom of the items area a shown scroll button counts as pressed, and the
// scroll timer scrolls the items.
bool TdxSideBar::DragScrollZone(const TGeometry& G, TPoint P) {
  StartScrollTimer();
  ReleaseScrollButtons();
  UpdateScrollButtons(G, ItemPlaces(G));
  const int reach = FSpaceHeight + 16;
  if (FScroll.UpShown && P.Y >= G.T && P.Y - G.T < reach) {
    FScroll.UpPressed = true;
    return true;
  }
  if (FScroll.DownShown && P.Y < G.B && G.B - P.Y < reach) {
    FScroll.DownPressed = true;
    return true;
  }
  return false;
}

// In the gap after a shown item: after it. Below every shown item, when the last of the group
// shows whole: after the last.
TdxSideBarItem* TdxSideBar::DropPosition(const TGeometry& G, TPoint P, bool& After) {
  After = true;
  if (P.Y < G.T || P.Y >= G.B) return nullptr;
  const std::vector<TItemPlace> places = ItemPlaces(G);
  for (const TItemPlace& place : places)
    if (P.Y >= place.GapTop && P.Y < place.GapTop + place.GapHeight) return place.Item;
  if (places.empty()) return nullptr;
  const TItemPlace& last = places.back();
  if (last.Index == FActiveGroup->Items()->Count() - 1 && last.FullyShown && P.Y >= last.GapTop) return last.Item;
  return nullptr;
}

void TdxSideBar::SetInsertMark(TdxSideBarItem* Item, bool After) {
  if (Item == FDropMark.Item && After == FDropMark.After) return;
  InvalidateInsertMark();
  FDropMark.Item = Item;
  FDropMark.After = After;
  InvalidateInsertMark();
}
