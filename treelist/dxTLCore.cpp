// The tree list's life, its update lock, the top-level nodes, the relayout and the events its
// overridable dispatchers fire.
#include "treelist/dxTL.h"

#include "rtl/FirstError.h"
#include "rtl/ScopeExit.h"
#include "treelist/dxTLDraw.h"
#include "treelist/dxTLEditors.h"
#include "windows/Window.h"

TCustomdxTreeList::TCustomdxTreeList(TComponent* AOwner) : TCustomdxContainer(AOwner) {
  SetControlStyle(csCaptureMouse | csOpaque | csDoubleClicks | csDisplayDragImage);
  const auto panelFont = [this](TObject* Sender) { PanelFontChanged(Sender); };
  FLook.BandFont = std::make_unique<TFont>();
  FLook.BandFont->OnChange = panelFont;
  FLook.HeaderFont = std::make_unique<TFont>();
  FLook.HeaderFont->OnChange = panelFont;
  FLook.PreviewFont = std::make_unique<TFont>();
  FLook.PreviewFont->SetColor(clBlue);
  FLook.PreviewFont->OnChange = panelFont;
  SetBounds(Left(), Top(), 250, 150);
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
  BuildTreeButtonGlyphs();
}

TCustomdxTreeList::~TCustomdxTreeList() {
  PrepareDestroy();
  ClearCalcLists();
  ClearNodes();
}

void TCustomdxTreeList::PrepareDestroy() {
  Destroying();
  if (HandleAllocated()) DestroyHandle();
  if (Parent()) SetParent(nullptr);
  CancelEditState();
}

void TCustomdxTreeList::Loaded() {
  TCustomdxContainer::Loaded();
  Relayout();
}

void TCustomdxTreeList::CreateParams(TCreateParams& Params) {
  TCustomdxContainer::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN | WS_TABSTOP;
  Params.ClassStyle |= CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  // Only the standard look has a window border; the flat looks draw their own frame.
  if (FLook.BorderStyle == bsSingle && FLook.LookAndFeel == lfStandard) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomdxTreeList::DoExit() {
  CloseEditor();
  TCustomdxContainer::DoExit();
}

// --- update lock -----------------------------------------------------------------------------------

void TCustomdxTreeList::BeginUpdate() {
  ++FLockUpdate;
  // The release still opens an immediate editor although the update ends the rows press.
  if (FState == tlsRowsPressed) FPress.NewItemRowClicked = true;
  FEdit.Node = nullptr;
  FEdit.Column = -1;
  SetState(tlsNormal);
  HideEditorWithoutPosting();
  ClearCalcLists();
  BeginSelection();
}

void TCustomdxTreeList::EndUpdate() {
  --FLockUpdate;
  Bracket([this] { Relayout(); }, [this] { EndSelection(); });
}

void TCustomdxTreeList::InsideUpdate(const std::function<void()>& Work) {
  BeginUpdate();
  Bracket(Work, [this] { EndUpdate(); });
}

void TCustomdxTreeList::CancelUpdate() {
  --FLockUpdate;
  EndSelection();
}

void TCustomdxTreeList::Relayout() {
  if (FLockUpdate != 0) return;
  // The relayout holds the lock itself, so a relayout asked for inside it does nothing.
  {
    TDepthScope relayingOut(FLockUpdate);
    RecalcMetrics();
  }
  if (!HandleAllocated() || IsLoading() || IsDestroying()) return;
  UpdateScrollBars();
  ClampScrollPositions();
  DropScrollBarsWhenFitting();
}

void TCustomdxTreeList::CreateWnd() {
  TCustomdxContainer::CreateWnd();
  UpdateScrollBars();
}

// --- top-level nodes -------------------------------------------------------------------------------

TdxTreeListNode* TCustomdxTreeList::Add() { return Insert(nullptr); }

TdxTreeListNode* TCustomdxTreeList::Insert(TdxTreeListNode* Before) {
  TdxTreeListNode* node = CreateNode();
  const int at = Before ? FNodes.IndexOf(Before) : -1;
  FNodes.Insert(at >= 0 ? at : FNodes.Count(), node);
  NodeAdded(node);
  return node;
}

TdxTreeListNode* TCustomdxTreeList::Items(int Index) const {
  return Index >= 0 && Index < FNodes.Count() ? FNodes[Index] : nullptr;
}

int TCustomdxTreeList::IndexOfTopNode(const TdxTreeListNode* Node) const {
  return FNodes.IndexOf(const_cast<TdxTreeListNode*>(Node));
}

void TCustomdxTreeList::ClearNodes() {
  const bool lock = !IsDestroying();
  if (lock) BeginUpdate();
  const bool frozen = FOrder.LockClearCalcLists;
  TFirstError error;
  error.Run([this] {
    FClearing = true;
    ClearCalcLists();
    FOrder.LockClearCalcLists = true;
    ClearSelection();
    ClearNodeReferences();
    FreeEachNode(FNodes);
  });
  error.Run([this] { FreeEachNode(FAuxiliaryNodes); });
  FNodes.Clear();
  FOrder.LockClearCalcLists = frozen;
  FClearing = false;
  if (lock) error.Run([this] { EndUpdate(); });
  error.Raise();
}

void TCustomdxTreeList::FreeAuxiliaryNodes() {
  TValueScope clearing(FClearing, true);
  FreeEachNode(FAuxiliaryNodes);
}

void TCustomdxTreeList::ExpandAll() {
  if (Count() == 0) return;
  InsideUpdate([this] {
    for (int i = 0; i < Count(); ++i) Items(i)->Expand(true);
  });
}

void TCustomdxTreeList::ClearNodeReferences() {
  SetTopVisibleNode(nullptr);
  FFocus.Node = nullptr;
  FEdit.Node = nullptr;
  FEdit.Column = -1;
  FSelection.Anchor = nullptr;
  FSelection.RangeSelecting = false;
  FDrag.DragNode = nullptr;
  FPress.PressedNode = nullptr;
  FPress.HotNode = nullptr;
  FPress.NodeBeforePress = nullptr;
}

void TCustomdxTreeList::ResetTopAndFocus() {
  FFocus.Node = GetFirstNode();
  SetTopVisibleNode(FFocus.Node);
}

// --- node data answered here ------------------------------------------------------------------------

Variant TCustomdxTreeList::GetNodeVariant(TdxTreeListNode* Node, int Column) {
  (void)Node, (void)Column;
  return Variant(String());
}

bool TCustomdxTreeList::GetNodeHasChildren(TdxTreeListNode* Node) { return Node->Count() > 0; }

void TCustomdxTreeList::DeleteNodeValue(TdxTreeListNode* Node, int Column) { (void)Node, (void)Column; }

bool TCustomdxTreeList::IsGroupNode(TdxTreeListNode* Node) {
  (void)Node;
  return false;
}

String TCustomdxTreeList::GetCellText(TdxTreeListNode* Node, int Column) {
  (void)Node, (void)Column;
  return String();
}

// --- events ----------------------------------------------------------------------------------------

void TCustomdxTreeList::DoCollapsed(TdxTreeListNode* Node) {
  if (OnCollapsed) OnCollapsed(this, Node);
}

void TCustomdxTreeList::DoExpanded(TdxTreeListNode* Node) {
  if (OnExpanded) OnExpanded(this, Node);
}

void TCustomdxTreeList::DoCollapsing(TdxTreeListNode* Node, bool& Allow) {
  if (OnCollapsing) OnCollapsing(this, Node, Allow);
}

void TCustomdxTreeList::DoExpanding(TdxTreeListNode* Node, bool& Allow) {
  if (OnExpanding) OnExpanding(this, Node, Allow);
}

void TCustomdxTreeList::DoEdited(TdxTreeListNode* Node) {
  if (OnEdited) OnEdited(this, Node);
}

void TCustomdxTreeList::DoEditing(TdxTreeListNode* Node, bool& Allow) {
  if (OnEditing) OnEditing(this, Node, Allow);
}

void TCustomdxTreeList::DoChangeColumn(TdxTreeListNode* Node, int Column) {
  if (OnChangeColumn) OnChangeColumn(this, Node, Column);
}

void TCustomdxTreeList::DoChangeNode(TdxTreeListNode* OldNode, TdxTreeListNode* Node) {
  if (OnChangeNode) OnChangeNode(this, OldNode, Node);
}

void TCustomdxTreeList::DoEditChange(TObject* Sender) {
  if (OnEditChange) OnEditChange(Sender);
}

void TCustomdxTreeList::DoEditValidate(TObject* Sender, String& ErrorText, bool& Accept) {
  if (OnEditValidate) OnEditValidate(Sender, ErrorText, Accept);
}
