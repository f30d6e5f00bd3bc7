// The data-bound control's life and properties, its nodes' cells, its data link, the reading of a
// record into a node, node texts and values, the indicator, and the list of registered data-bound
// controls.
#include "grid/dxDBCtrl.h"

#include <algorithm>

#include "grid/dxDBKnownCast_p.h"
#include "rtl/Text.h"

// --- registered controls ----------------------------------------------------------------------------

namespace {

std::vector<TCustomdxDBTreeListControl*>& RegisteredControls() {
  static std::vector<TCustomdxDBTreeListControl*> controls;
  return controls;
}

}  // namespace

void RegisterDBControl(TCustomdxDBTreeListControl* Control) { RegisteredControls().push_back(Control); }

void UnregisterDBControl(TCustomdxDBTreeListControl* Control) { std::erase(RegisteredControls(), Control); }

bool IsDataSetLockedByControl(const TDataSet* DataSet) {
  return std::any_of(RegisteredControls().begin(), RegisteredControls().end(),
                     [DataSet](TCustomdxDBTreeListControl* c) {
                       TdxDBTreeListControlDataLink* link = c->GetDataLink();
                       return link && link->DataSet() == DataSet && c->IsDataSetLocked();
                     });
}

// --- nodes ------------------------------------------------------------------------------------------

const TdxNodeCell& TdxDBTreeListControlNode::Cell(int Index) const {
  static const TdxNodeCell none;
  return Index >= 0 && Index < FCellCount ? FCells[size_t(Index)] : none;
}

void TdxDBTreeListControlNode::ReserveCells(int Count) {
  if (Count <= FCellCount) return;
  auto cells = std::make_unique<TdxNodeCell[]>(size_t(Count));
  for (int i = 0; i < FCellCount; ++i) cells[size_t(i)] = std::move(FCells[size_t(i)]);
  FCells = std::move(cells);
  FCellCount = Count;
}

void TdxDBTreeListControlNode::SetCell(int Index, TdxNodeCell&& Cell) {
  if (Index < 0) return;
  ReserveCells(Index + 1);
  // A text made from the value leaves no kept text behind.
  if (Cell.TextRule() != 0 && !Texts.IsEmpty() && Index < Texts.List().Count() && !Texts.List()[Index].empty())
    Texts.Edit().SetStrings(Index, String());
  FCells[size_t(Index)] = std::move(Cell);
}

void TdxDBTreeListControlNode::KeepText(int Index) {
  if (Index >= 0 && Index < FCellCount) FCells[size_t(Index)].DropTextRule();
}

TdxDBNodeValue TdxDBTreeListControlNode::ValueRecord(int Index) const {
  const TdxNodeCell& cell = Cell(Index);
  TdxDBNodeValue record;
  record.Flags = cell.Flags();
  if (record.Flags & dnvValue) record.Value = cell.Value();
  return record;
}

void TdxDBTreeListControlNode::SetValueRecord(int Index, const TdxDBNodeValue& Value) {
  // A text made from the value that goes is kept first: the text stays what it was.
  if (Cell(Index).TextRule() != 0)
    if (auto* control = dynamic_cast<TCustomdxDBTreeListControl*>(Owner()))
      SetStrings(Index, control->TCustomdxDBTreeListControl::GetNodeString(this, Index));
  SetCell(Index, TdxNodeCell(Value.Flags & dnvValue ? Value.Value : Variant(), Value.Flags, 0));
}

void TdxDBTreeListControlNode::DeleteValueRecord(int Index) {
  if (Index < 0 || Index >= FCellCount) return;
  for (int i = Index; i + 1 < FCellCount; ++i) FCells[size_t(i)] = std::move(FCells[size_t(i + 1)]);
  FCells[size_t(--FCellCount)] = TdxNodeCell();
}

void TdxDBTreeListControlNode::MoveValueRecord(int From, int To) {
  if (From < 0 || To < 0 || From == To) return;
  ReserveCells(std::max(From, To) + 1);
  TdxNodeCell moving = std::move(FCells[size_t(From)]);
  if (From < To)
    for (int i = From; i < To; ++i) FCells[size_t(i)] = std::move(FCells[size_t(i + 1)]);
  else
    for (int i = From; i > To; --i) FCells[size_t(i)] = std::move(FCells[size_t(i - 1)]);
  FCells[size_t(To)] = std::move(moving);
}

// --- the data link ----------------------------------------------------------------------------------

TdxDBTreeListControlDataLink::TdxDBTreeListControlDataLink(TCustomdxDBTreeListControl* Control) : FControl(Control) {}

TdxDBTreeListControlDataLink::~TdxDBTreeListControlDataLink() { ClearFields(); }

void TdxDBTreeListControlDataLink::AddField(const String& FieldName) {
  TDataSet* dataSet = DataSet();
  TField* field = dataSet ? dataSet->FindField(FieldName) : nullptr;
  FFieldIndexes.push_back(field ? dataSet->Fields().IndexOf(field) : -1);
  if (field) field->FreeNotification(FControl);
}

TField* TdxDBTreeListControlDataLink::GetField(int Position) const {
  TDataSet* dataSet = DataSet();
  if (!dataSet || Position < 0 || Position >= FieldCount()) return nullptr;
  const int index = FFieldIndexes[size_t(Position)];
  return index >= 0 && index < dataSet->FieldCount() ? dataSet->Fields()[index] : nullptr;
}

bool TdxDBTreeListControlDataLink::HasField(const TField* Field) const {
  for (int p = 0; p < FieldCount(); ++p)
    if (GetField(p) == Field) return true;
  return false;
}

void TdxDBTreeListControlDataLink::Reset() {
  if (!FModified) {
    if (TDataSet* dataSet = DataSet()) dataSet->Cancel();
    return;
  }
  RecordChanged(nullptr);
}

void TdxDBTreeListControlDataLink::ActiveChanged() { FControl->ActiveChanged(Active()); }

void TdxDBTreeListControlDataLink::DataSetChanged() {
  FControl->DataSetChanged();
  FModified = false;
}

void TdxDBTreeListControlDataLink::DataSetScrolled(int Distance) { FControl->DataSetScrolled(-Distance); }

void TdxDBTreeListControlDataLink::RecordChanged(TField* Field) {
  FControl->RecordChanged(Field);
  FModified = false;
}

void TdxDBTreeListControlDataLink::UpdateData() {
  if (FModified) FControl->UpdateData();
  FModified = false;
}

// --- life -------------------------------------------------------------------------------------------

TCustomdxDBTreeListControl::TCustomdxDBTreeListControl(TComponent* AOwner) : TCustomdxTreeListControl(AOwner) {}

TCustomdxDBTreeListControl::~TCustomdxDBTreeListControl() {
  PrepareDestroy();
  FGuardList.clear();
  FSelection.clear();
}

void TCustomdxDBTreeListControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomdxTreeListControl::Notification(AComponent, Operation);
  if (Operation == opRemove) ForgetField(AComponent);
}

// A field being freed is no longer of its class here: it is known by its address only.
bool TCustomdxDBTreeListControl::ForgetField(const TComponent* Field) {
  if (Field == FPreviewField) FPreviewField = nullptr;
  if (Field == FKeyFieldObject) FKeyFieldObject = nullptr;
  bool bound = false;
  for (int i = 0; i < GetColumnCount(); ++i) {
    TdxDBTreeListColumn* column = DBColumn(i);
    if (!column) continue;
    if (column->Field() == Field) {
      column->ClearField();
      bound = true;
    }
    if (column->FooterField == Field) column->FooterField = nullptr;
    if (column->SummaryFieldObject == Field) column->SummaryFieldObject = nullptr;
  }
  return bound;
}

// --- properties -------------------------------------------------------------------------------------

void TCustomdxDBTreeListControl::SetKeyField(const String& Value) {
  if (FKeyField == Value) return;
  FKeyField = Value;
  if (TdxDBTreeListControlDataLink* link = GetDataLink()) ActiveChanged(link->Active());
}

void TCustomdxDBTreeListControl::SetPreviewFieldName(const String& Value) {
  if (FPreviewFieldName == Value) return;
  FPreviewFieldName = Value;
  if (TdxDBTreeListControlDataLink* link = GetDataLink()) ActiveChanged(link->Active());
}

void TCustomdxDBTreeListControl::SetPreviewMaxLength(int Value) {
  Value = std::max(Value, 0);
  if (FPreviewMaxLength == Value) return;
  FPreviewMaxLength = Value;
  Relayout();
}

void TCustomdxDBTreeListControl::SetGrIndicatorWidth(int Value) {
  Value = std::max(Value, 12);
  if (FGrIndicatorWidth == Value) return;
  FGrIndicatorWidth = Value;
  Relayout();
}

// --- reading a record into a node -------------------------------------------------------------------

namespace {

TdxDBTreeListControlNode* DBNode(TdxTreeListNode* Node) { return KnownCast<TdxDBTreeListControlNode>(Node); }

}  // namespace

void TCustomdxDBTreeListControl::RefreshNodeData(TdxTreeListNode* Node) {
  TdxDBTreeListControlNode* node = DBNode(Node);
  if (!node) return;
  node->KeyValue = FKeyFieldObject ? FKeyFieldObject->Value() : Variant();
  // The values of every column at once: the list is made once, not grown column by column.
  node->ReserveCells(GetColumnCount());
  for (int i = 0; i < GetColumnCount(); ++i)
    if (TdxDBTreeListColumn* column = DBColumn(i); column && column->Field()) ReadColumnValue(Node, column);
  if (!FPreviewField) return;
  if (FPreviewField->OnGetText) {
    String text;
    FPreviewField->OnGetText(FPreviewField, text, true);
    node->PreviewText = text;
  } else {
    node->PreviewText = TruncatePreview(FPreviewField->AsString());
  }
}

void TCustomdxDBTreeListControl::ReadColumnValue(TdxTreeListNode* Node, TdxDBTreeListColumn* Column) {
  Column->ReadValue(Node);
}

String TCustomdxDBTreeListControl::TruncatePreview(const String& Text) const {
  if (FPreviewMaxLength < 1 || Length(Text) <= FPreviewMaxLength) return Text;
  return Copy(Text, 1, FPreviewMaxLength) + "...";
}

void TCustomdxDBTreeListControl::LinkPreviewField() {
  FPreviewField = nullptr;
  TdxDBTreeListControlDataLink* link = GetDataLink();
  if (FPreviewFieldName.empty() || !link || !link->Active()) return;
  TField* field = link->DataSet()->FindField(FPreviewFieldName);
  if (!field) return;
  if (field->IsBlob()) {
    const TFieldType kind = field->DataType();
    if (kind != ftBlob && kind != ftMemo && kind != ftFmtMemo) return;
  }
  FPreviewField = field;
  field->FreeNotification(this);
}

void TCustomdxDBTreeListControl::LinkFooterSummaryFields() {
  TdxDBTreeListControlDataLink* link = GetDataLink();
  TDataSet* dataSet = link ? link->DataSet() : nullptr;
  if (!dataSet) return;
  for (int i = 0; i < GetColumnCount(); ++i) {
    TdxDBTreeListColumn* column = DBColumn(i);
    if (!column) continue;
    const String& name = column->SummaryFooterField().empty() ? column->FieldName() : column->SummaryFooterField();
    column->FooterField = dataSet->FindField(name);
    column->FooterValue = 0;
    column->FooterValueAssigned = false;
  }
}

// The focused row shows the data set's state; other rows only whether they are selected.
uint8_t TCustomdxDBTreeListControl::GetIndicatorKind(TdxTreeListNode* Node, bool Selected) {
  if (Node != FocusedNode()) return Selected ? ikMultiDot : ikNone;
  TdxDBTreeListControlDataLink* link = GetDataLink();
  const TDataSetState state = link && link->DataSet() ? link->DataSet()->State() : dsInactive;
  if (state == dsEdit) return ikEdit;
  if (state == dsInsert) return ikInsert;
  return IsMultiSelect() && Selected ? ikMultiArrow : ikArrow;
}

void TCustomdxDBTreeListControl::DoBeforeCalcSummary() {
  if (OnBeforeCalcSummary) OnBeforeCalcSummary(this);
}

void TCustomdxDBTreeListControl::DoRefreshNodeData(TdxTreeListNode* Node) {
  if (OnRefreshNodeData) OnRefreshNodeData(this, Node);
}

// --- node values ------------------------------------------------------------------------------------

Variant TCustomdxDBTreeListControl::GetNodeValue(TdxTreeListNode* Node, int Column) {
  TdxDBTreeListControlNode* node = DBNode(Node);
  if (node && (node->Cell(Column).Flags() & dnvValue)) return node->Cell(Column).Value();
  const String text = GetNodeString(Node, Column);
  TdxDBTreeListColumn* column = DBColumn(Column);
  return column ? column->FilterTextToValue(text) : Variant(text);
}

String TCustomdxDBTreeListControl::GetNodeString(TdxTreeListNode* Node, int Column) {
  if (TdxDBTreeListControlNode* node = DBNode(Node)) {
    const TdxNodeCell& cell = node->Cell(Column);
    if (cell.TextRule() != 0) return FTextRules[cell.TextRule()].Text(cell.Value());
  }
  return TCustomdxTreeListControl::GetNodeString(Node, Column);
}

void TCustomdxDBTreeListControl::SetNodeString(TdxTreeListNode* Node, int Column, const String& Text) {
  TCustomdxTreeListControl::SetNodeString(Node, Column, Text);
  if (TdxDBTreeListControlNode* node = DBNode(Node)) node->KeepText(Column);
}

uint16_t TCustomdxDBTreeListControl::TextRuleIndex(const TdxCellTextRule& Rule) {
  const auto found = std::find(FTextRules.begin() + 1, FTextRules.end(), Rule);
  if (found != FTextRules.end()) return uint16_t(found - FTextRules.begin());
  if (FTextRules.size() > UINT16_MAX) return 0;
  FTextRules.push_back(Rule);
  return uint16_t(FTextRules.size() - 1);
}

String TCustomdxDBTreeListControl::GetCellText(TdxTreeListNode* Node, int Column) {
  return GetNodeString(Node, Column);
}

void TCustomdxDBTreeListControl::DeleteNodeValue(TdxTreeListNode* Node, int Column) {
  TCustomdxTreeListControl::DeleteNodeValue(Node, Column);
  std::vector<TdxTreeListNode*> pending{Node};
  while (!pending.empty()) {
    TdxTreeListNode* node = pending.back();
    pending.pop_back();
    if (TdxDBTreeListControlNode* dbNode = DBNode(node)) dbNode->DeleteValueRecord(Column);
    for (int i = 0; i < node->Count(); ++i) pending.push_back(node->Items(i));
  }
}

void TCustomdxDBTreeListControl::MoveColumnValues(int FromIndex, int ToIndex) {
  TCustomdxTreeListControl::MoveColumnValues(FromIndex, ToIndex);
  std::vector<TdxTreeListNode*> pending(TopLevelNodes().begin(), TopLevelNodes().end());
  pending.insert(pending.end(), AuxiliaryNodes().begin(), AuxiliaryNodes().end());
  while (!pending.empty()) {
    TdxTreeListNode* node = pending.back();
    pending.pop_back();
    if (TdxDBTreeListControlNode* dbNode = DBNode(node)) dbNode->MoveValueRecord(FromIndex, ToIndex);
    for (int i = 0; i < node->Count(); ++i) pending.push_back(node->Items(i));
  }
}

// --- focus and node life ----------------------------------------------------------------------------

bool TCustomdxDBTreeListControl::FocusNode(TdxTreeListNode* Node) {
  WatchNode(Node);
  try {
    TCustomdxTreeListControl::FocusNode(Node);
  } catch (...) {
    ForgetNode(Node);
    throw;
  }
  const bool alive = IsNodeAlive(Node);
  ForgetNode(Node);
  return alive;
}

bool TCustomdxDBTreeListControl::IsNodeAlive(TdxTreeListNode* Node) const {
  return std::find(FGuardList.begin(), FGuardList.end(), Node) != FGuardList.end();
}

void TCustomdxDBTreeListControl::DeletingNode(TdxTreeListNode* Node, TdxTreeListNode* PrevSiblingOrParent,
                                              TdxTreeListNode* NextVisible, bool WasLast, bool WasVisible) {
  TCustomdxTreeListControl::DeletingNode(Node, PrevSiblingOrParent, NextVisible, WasLast, WasVisible);
  std::erase(FGuardList, Node);
  // A record selected by bookmark stays selected; only the freed node is forgotten.
  for (TdxDBSelectionEntry& entry : FSelection)
    if (entry.Node == Node) entry.Node = nullptr;
  std::erase_if(FSelection, [](const TdxDBSelectionEntry& e) { return !e.Node && e.Bookmark.empty(); });
}

void TCustomdxDBTreeListControl::DoChangeNodeEx() {
  if (FocusedNode() && !FKeyHandling) InvalidateNode(FocusedNode(), false);
  TdxDBTreeListControlDataLink* link = GetDataLink();
  if (link && link->Active() && OnChangeNodeEx) OnChangeNodeEx(this);
}

void TCustomdxDBTreeListControl::SelectFocusedOnly() {
  if (!IsMultiSelect() || IsControlOrEditorFocused() || Count() == 0) return;
  if (GetSelectedCount() == 1 && GetSelectedItem(0) == FocusedNode()) return;
  BeginSelection();
  try {
    ClearSelection();
    if (FocusedNode()) FocusedNode()->SetSelected(true);
  } catch (...) {
    EndSelection();
    throw;
  }
  EndSelection();
}

bool TCustomdxDBTreeListControl::TakeFocus() {
  if (!(ComponentState() & csDesigning) && CanFocus()) SetFocus();
  return IsControlOrEditorFocused();
}

// --- sorting hooks ----------------------------------------------------------------------------------

void TCustomdxDBTreeListControl::ClearSortedColumns() {
  TCustomdxTreeListControl::ClearSortedColumns();
  for (int i = 0; i < GetColumnCount(); ++i)
    if (TdxDBTreeListColumn* column = DBColumn(i); column && column->GroupIndex() == -1) column->StoreSorted(csNone);
}

void TCustomdxDBTreeListControl::BeforeColumnSortChange(TdxTreeListColumn* Column) {
  auto* column = dynamic_cast<TdxDBTreeListColumn*>(Column);
  if (!IsAutoSort() || (column && column->GroupIndex() != -1) || IsMultiSort()) return;
  if (!IsSortLocked()) ClearSortedColumns();
}

int TCustomdxDBTreeListControl::CompareIndexes(TdxTreeListNode* Node1, TdxTreeListNode* Node2) {
  TdxDBTreeListControlNode* a = DBNode(Node1);
  TdxDBTreeListControlNode* b = DBNode(Node2);
  const auto held = [](const TdxDBTreeListControlNode* n) {
    return n && !n->KeyValue.IsEmpty() && !n->KeyValue.IsNull();
  };
  if (!held(a) || !held(b)) return TCustomdxTreeListControl::CompareIndexes(Node1, Node2);
  try {
    const TVariantRelationship order = VarCompareValue(a->KeyValue, b->KeyValue);
    if (order != vrNotEqual) return order == vrEqual ? 0 : order == vrLessThan ? -1 : 1;
  } catch (const EVariantError&) {
    // Keys of kinds that do not compare keep the tree order.
  }
  return TCustomdxTreeListControl::CompareIndexes(Node1, Node2);
}
