// Nodes: their child lists, freeing with the owner's bookkeeping, expansion, navigation in tree and
// display order, the values they ask of their owner, and a text node's texts. Moving nodes is in
// dxTLNodeMove.cpp.
#include "treelist/dxTLNode.h"

#include "rtl/FirstError.h"
#include "rtl/ScopeExit.h"
#include "treelist/dxTL.h"

TdxTreeListNode::TdxTreeListNode(TCustomdxTreeList* AOwner) : FOwner(AOwner) {
  if (!AOwner) RaiseTreeListError(dxTreeListText(dxSTreeListInvalidOwner));
}

TdxTreeListNode::~TdxTreeListNode() = default;

void TdxTreeListNode::Free() {
  // The node is deleted once its owner has heard of it, also when a deletion handler raises.
  FDeleting = true;
  FreeChildren();
  TCustomdxTreeList* owner = FOwner;
  if (owner->FClearing) {
    // The whole tree goes: no neighbours to find, no list to leave.
    const auto deleteSelf = ScopeExit([this] { delete this; });
    owner->DeletingNode(this, nullptr, nullptr, false, false);
    return;
  }
  TdxTreeListNode* prev = GetPrevSiblingOrParent();
  TdxTreeListNode* next = owner->GetNextVisibleNode(this);
  const bool wasLast = IsLast();
  bool visible = IsVisible();
  owner->FOrder.DeletedNodeWasShown = visible;
  owner->FOrder.DeletedNodeParent = FParent;
  if (FParent && FParent->FDeleting) visible = false;
  Detach();
  const auto deleteSelf = ScopeExit([this] { delete this; });
  owner->DeletingNode(this, prev, next, wasLast, visible);
}

void TdxTreeListNode::FreeChildren() {
  if (!FChildren) return;
  if (!FOwner->FClearing) {
    while (FChildren && FChildren->Count() > 0) FChildren->Items(0)->Free();
    return;
  }
  // While the owner clears, the list is taken whole and every node freed even when one of them
  // raises; the first error then passes on.
  const std::unique_ptr<TdxTreeListNodes> children = std::move(FChildren);
  FreeEachNode(*children);
}

void FreeEachNode(TdxTreeListNodes& List) {
  TFirstError error;
  for (TdxTreeListNode* node : List) error.Run([node] { node->Free(); });
  List.Clear();
  error.Raise();
}

TdxTreeListNodes& TdxTreeListNode::SiblingList() const { return FParent ? *FParent->FChildren : FOwner->FNodes; }

void TdxTreeListNode::InsertChild(int Index, TdxTreeListNode* Node) {
  if (!FChildren) FChildren = std::make_unique<TdxTreeListNodes>();
  FChildren->Insert(Index, Node);
  Node->FParent = this;
}

void TdxTreeListNode::RemoveChild(TdxTreeListNode* Node) {
  FChildren->Remove(Node);
  Node->FParent = nullptr;
  if (FChildren->Count() > 0) return;
  FChildren.reset();
  FHasChildren = FOwner->GetNodeHasChildren(this);
  FExpanded = false;
}

TdxTreeListNode* TdxTreeListNode::AddChild(TdxTreeListNode* Before) {
  TdxTreeListNode* node = FOwner->CreateNode();
  const int at = Before && FChildren ? FChildren->IndexOf(Before) : -1;
  InsertChild(at >= 0 ? at : Count(), node);
  SetHasChildren(true);
  FOwner->NodeAdded(node);
  return node;
}

void TdxTreeListNode::AddChildrenToList(TdxTreeListNodes& List) const {
  if (FChildren)
    for (TdxTreeListNode* child : *FChildren) List.Add(child);
}

void TdxTreeListNode::SetHasChildren(bool Value) {
  if (Value == FHasChildren) return;
  FHasChildren = Value || Count() > 0;
  FOwner->InvalidateNode(this, false);
}

void TdxTreeListNode::Expand(bool Recurse) {
  if (!FHasChildren) return;
  const auto expand = [this, Recurse] {
    SetExpanded(true);
    if (Recurse)
      for (int i = 0; i < Count(); ++i) Items(i)->Expand(true);
  };
  // Only the outermost expansion holds the update lock, so the whole branch relays out once.
  if (FOwner->LockUpdate() != 0) return expand();
  FOwner->InsideUpdate(expand);
}

void TdxTreeListNode::SetExpanded(bool Value) {
  if (!FHasChildren || Value == FExpanded) return;
  bool allow = true;
  if (Value)
    FOwner->DoExpanding(this, allow);
  else
    FOwner->DoCollapsing(this, allow);
  if (!allow) return;
  if (!Value) {
    // The focus leaves the subtree first: a refusal keeps the node open and the top row as it was.
    TdxTreeListNode* focused = FOwner->FocusedNode();
    if (focused && focused->HasAncestor(this) && !FOwner->FocusNode(this)) return;
    TdxTreeListNode* top = FOwner->TopVisibleNode();
    if (top && top->HasAncestor(this)) FOwner->SetTopVisibleNode(this);
  }
  FExpanded = Value;
  if (FOwner->LockUpdate() == 0 && !FOwner->IsDestroying()) FOwner->RebuildAbsoluteLists();
  FOwner->InvalidateNode(this, true);
  if (Value)
    FOwner->DoExpanded(this);
  else
    FOwner->DoCollapsed(this);
}

void TdxTreeListNode::MakeVisible() { FOwner->MakeNodeVisible(this); }

TdxTreeListNode* TdxTreeListNode::Items(int Index) const {
  return FChildren && Index >= 0 && Index < FChildren->Count() ? FChildren->Items(Index) : nullptr;
}

int TdxTreeListNode::Index() const {
  if (FParent && !FParent->FChildren) return -1;
  return SiblingList().IndexOf(const_cast<TdxTreeListNode*>(this));
}

TdxTreeListNode* TdxTreeListNode::GetNextSibling() const {
  const int index = Index();
  if (index < 0) return nullptr;
  const TdxTreeListNodes& list = SiblingList();
  return index + 1 < list.Count() ? list[index + 1] : nullptr;
}

TdxTreeListNode* TdxTreeListNode::GetPrevSibling() const {
  const int index = Index();
  return index > 0 ? SiblingList()[index - 1] : nullptr;
}

TdxTreeListNode* TdxTreeListNode::GetPrevSiblingOrParent() const {
  TdxTreeListNode* prev = GetPrevSibling();
  return prev ? prev : FParent;
}

TdxTreeListNode* TdxTreeListNode::GetNext() const {
  if (Count() > 0) return Items(0);
  for (const TdxTreeListNode* node = this; node; node = node->FParent)
    if (TdxTreeListNode* next = node->GetNextSibling()) return next;
  return nullptr;
}

TdxTreeListNode* TdxTreeListNode::GetPrev() const {
  TdxTreeListNode* prev = GetPrevSibling();
  if (!prev) return FParent;
  while (prev->Count() > 0) prev = prev->GetLastChild();
  return prev;
}

TdxTreeListNode* TdxTreeListNode::GetLastExpandedDescendant() {
  TdxTreeListNode* node = this;
  while (node->FExpanded && node->Count() > 0) node = node->GetLastChild();
  return node;
}

TdxTreeListNode* TdxTreeListNode::GetNextVisible() { return FOwner->GetNextVisibleNode(this); }

TdxTreeListNode* TdxTreeListNode::GetPrevVisible() { return FOwner->GetPrevVisibleNode(this); }

int TdxTreeListNode::Level() const {
  int level = 0;
  for (const TdxTreeListNode* node = FParent; node; node = node->FParent) ++level;
  return level;
}

bool TdxTreeListNode::IsLast() const {
  const int index = Index();
  return index >= 0 && index == SiblingList().Count() - 1;
}

bool TdxTreeListNode::HasAncestor(const TdxTreeListNode* Node) const {
  if (!Node) return false;
  for (const TdxTreeListNode* node = FParent; node; node = node->FParent)
    if (node == Node) return true;
  return false;
}

bool TdxTreeListNode::IsVisible() const {
  for (const TdxTreeListNode* node = FParent; node; node = node->FParent)
    if (!node->FExpanded) return false;
  return true;
}

int TdxTreeListNode::AbsoluteIndex() { return FOwner->GetAbsoluteIndex(this); }

bool TdxTreeListNode::Focused() const { return FOwner->FocusedNode() == this; }

void TdxTreeListNode::SetFocused(bool Value) {
  if (Value == Focused()) return;
  // Unfocusing asks the owner to focus no node, which it ignores: the node stays focused.
  FOwner->SetFocusedNodeAndColumn(Value ? this : nullptr, FOwner->GetFocusedVisibleIndex(), true);
}

bool TdxTreeListNode::Selected() { return FOwner->IsMultiSelect() ? FOwner->IsNodeSelected(this) : Focused(); }

void TdxTreeListNode::SetSelected(bool Value) { FOwner->SetNodeSelected(this, Value); }

Variant TdxTreeListNode::Values(int Column) { return FOwner->GetNodeValue(this, Column); }

String TdxTreeListNode::Strings(int Column) { return FOwner->GetNodeString(this, Column); }

void TdxTreeListNode::SetStrings(int Column, const String& Text) { FOwner->SetNodeString(this, Column, Text); }

int TdxTreeListNode::ImageIndex() { return FOwner->GetNodeImageIndex(this); }

void TdxTreeListNode::SetImageIndex(int Value) { FOwner->SetNodeImageIndex(this, Value); }

int TdxTreeListNode::SelectedIndex() { return FOwner->GetNodeSelectedIndex(this); }

void TdxTreeListNode::SetSelectedIndex(int Value) { FOwner->SetNodeSelectedIndex(this, Value); }

int TdxTreeListNode::StateIndex() { return FOwner->GetNodeStateIndex(this); }

void TdxTreeListNode::SetStateIndex(int Value) { FOwner->SetNodeStateIndex(this, Value); }

int CompareNodeOrder(const TdxTreeListNode* Node1, const TdxTreeListNode* Node2) {
  if (Node1 == Node2) return 0;
  if (Node1->HasAncestor(Node2)) return 1;
  if (Node2->HasAncestor(Node1)) return -1;
  int level1 = Node1->Level(), level2 = Node2->Level();
  for (; level1 > level2; --level1) Node1 = Node1->Parent();
  for (; level2 > level1; --level2) Node2 = Node2->Parent();
  while (Node1->Parent() != Node2->Parent()) {
    Node1 = Node1->Parent();
    Node2 = Node2->Parent();
  }
  return Node1->Index() - Node2->Index();
}

// --- texts of a text node -------------------------------------------------------------------------

const TStringList& TdxNodeTexts::List() const {
  static const TStringList none;
  return FList ? *FList : none;
}

TStringList& TdxNodeTexts::Edit() {
  if (!FList) FList = std::make_unique<TStringList>();
  return *FList;
}
