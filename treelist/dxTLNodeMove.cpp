// Moving nodes: MoveTo with its five attach modes, detaching and re-attaching for descendants that
// keep nodes outside the tree, and the two regrouping moves.
#include "treelist/dxTL.h"

bool TdxTreeListNode::CanMoveTo(TdxTreeListNode* Destination, TdxTreeListAttachMode Mode) const {
  if (!Destination) return false;
  if (Destination == this && (Mode == natAddChildLast || Mode == natAddChildFirst || Mode == natInsert)) return false;
  return !Destination->HasAncestor(this);
}

void TdxTreeListNode::MoveTo(TdxTreeListNode* Destination, TdxTreeListAttachMode Mode) {
  if (!CanMoveTo(Destination, Mode)) return;
  FOwner->InsideUpdate([&] {
    InternalMove(Destination, Mode);
    FOwner->FFocus.Node = this;
    FOwner->RebuildAbsoluteLists();
    MakeVisible();
  });
}

void TdxTreeListNode::InternalMove(TdxTreeListNode* Destination, TdxTreeListAttachMode Mode) {
  // A node moved beside itself keeps the parent it had.
  TdxTreeListNode* destinationParent = Destination->FParent;
  Detach();
  if (Mode == natAddChildLast || Mode == natAddChildFirst) {
    Destination->InsertChild(Mode == natAddChildLast ? Destination->Count() : 0, this);
    Destination->FHasChildren = true;
    return;
  }
  if (!destinationParent) {
    TdxTreeListNodes& list = FOwner->FNodes;
    list.Insert(Mode == natAddLast ? list.Count() : Mode == natAddFirst ? 0 : list.IndexOf(Destination), this);
    return;
  }
  // The parent's list is gone when the node was its only child and moves beside itself.
  const int count = destinationParent->Count();
  const int at = Mode == natAddLast ? count : Mode == natAddFirst ? 0 : destinationParent->FChildren->IndexOf(Destination);
  destinationParent->InsertChild(at, this);
  destinationParent->FHasChildren = true;
}

void TdxTreeListNode::Detach() {
  if (FParent)
    FParent->RemoveChild(this);
  else
    FOwner->FNodes.Remove(this);
}

void TdxTreeListNode::AddToTopLevel() {
  FParent = nullptr;
  FOwner->FNodes.Add(this);
}

void TdxTreeListNode::MoveFromTopLevel(TCustomdxTreeList* Owner, int Index, TdxTreeListNode* NewParent) {
  TdxTreeListNode* node = Owner->Items(Index);
  if (!node || !NewParent || node == NewParent) return;
  Owner->FNodes.Delete(Index);
  NewParent->InsertChild(NewParent->Count(), node);
  NewParent->FHasChildren = true;
}

void TdxTreeListNode::MoveChildrenToTopLevel() {
  if (!FChildren) return;
  std::unique_ptr<TdxTreeListNodes> children = std::move(FChildren);
  for (TdxTreeListNode* child : *children) {
    child->FParent = nullptr;
    FOwner->FNodes.Add(child);
  }
  FHasChildren = FOwner->GetNodeHasChildren(this);
  FExpanded = false;
  FOwner->FFocus.Node = this;
}
