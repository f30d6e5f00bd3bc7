// Dragging side-bar items with the control library's drag and drop: the drag object that carries
// an item (or a stored item) and drops it into a side bar, moving it or, with Ctrl, copying it;
// and the side bar's own drag cursors.
#pragma once

#include <memory>

#include "controls/DragDrop.h"
#include "sidebar/dxsbar.h"

// The side bar's cursors in the screen's cursor table.
enum : TCursor {
  crdxSideBarDrag = -1121,        // an item moves
  crdxSideBarDragCopy = -1122,    // an item is copied
  crdxSideBarDragDelete = -1123,  // an item is taken away
  crdxSideBarGroup = -1125,       // over a hot or pressed group header
};

// Puts the four cursors into the screen's cursor table (once per screen).
void InstallSideBarCursors();

class TtmpDragObject;

// One side-bar drag; at most one runs at a time, and it is the current one from its making until
// its drop. It carries the dragged item of a side bar with that item's stored item, or a stored
// item alone (a drop then makes a new item linked to it).
class TdxSideBarDragObject : public TObject {
 public:
  ~TdxSideBarDragObject() override;
  TdxSideBarDragObject(const TdxSideBarDragObject&) = delete;
  TdxSideBarDragObject& operator=(const TdxSideBarDragObject&) = delete;

  // Makes the current drag, of SourceItem from the control Source (or of StoredItem when no
  // item is dragged), and answers it; the current drag holds it until its drop.
  static TdxSideBarDragObject* Start(TControl* Source, TdxSideBarItem* SourceItem, TdxStoredSideItem* StoredItem);
  // The drag that runs now, nullptr when none.
  static TdxSideBarDragObject* Current();
  // Something the current drag uses goes away: its source control ends the drag, its item or
  // stored item is forgotten.
  static void Forget(const TObject* Gone);

  // What the control library drags: the source's drag object whose cursor this drag chooses.
  TDragObject* DragObject() const;
  TControl* Source() const { return FSource; }
  TdxSideBarItem* SourceItem() const { return FSourceItem; }
  TdxStoredSideItem* StoredItem() const { return FStoredItem; }
  // Set by a window that takes dropped items away: the next cursor query answers the delete
  // cursor (each query clears it).
  void SetDeleteFlag(bool Value) { FDeleteFlag = Value; }
  // A cancelled drag drops nothing.
  void SetCancelled(bool Value) { FCancelled = Value; }

 private:
  friend class TtmpDragObject;
  TdxSideBarDragObject(TControl* Source, TdxSideBarItem* SourceItem, TdxStoredSideItem* StoredItem);
  static void Release(TdxSideBarDragObject* Drag);
  TCursor Cursor(bool Accepted, TPoint Screen);
  // The drag ended over Target (nullptr: over nothing that accepted it).
  void Drop(TObject* Target);

  TControl* FSource;
  TdxSideBarItem* FSourceItem;
  TdxStoredSideItem* FStoredItem;
  std::unique_ptr<TtmpDragObject> FDragObject;
  bool FDeleteFlag = false;
  bool FCancelled = false;
};
