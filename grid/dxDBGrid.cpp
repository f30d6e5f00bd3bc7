// The grid's life and properties, its record modes, and its answers to the
// data-bound control's and the tree list's questions.
#include "grid/dxDBGrid.h"

#include <algorithm>

#include "grid/dxDBColumnChooser.h"
#include "grid/dxDBGridFilterPopup.h"
#include "rtl/ScopeExit.h"

TCustomdxDBGrid::TCustomdxDBGrid(TComponent* AOwner) : TCustomdxDBTreeListControl(AOwner) {
  // The tree list asks the filter about its status panel as soon as the switches below relay out.
  FFilter = std::make_unique<TdxDBGridFilter>(this);
  FDataLink = std::make_unique<TdxGridDataLink>(this);
  FOptionsBehavior = DefaultOptionsBehavior;
  FOptionsCustomize = DefaultOptionsCustomize;
  FOptionsDB = DefaultOptionsDB;
  FOptionsView = DefaultOptionsView;
  FOptions = egoColumnSizing | egoColumnMoving | egoEditing | egoTabThrough | egoCanDelete | egoConfirmDelete |
             egoCanNavigation | egoCancelOnExit | egoImmediateEditor | egoCanInsert;
  FOptionsEx = egoUseBitmap | egoBandHeaderWidth | egoBandSizing | egoBandMoving | egoVertThrough | egoEnterShowEditor |
               egoDragScroll | egoAutoSort;
  SetHideFocusRect(false);
  SetHideSelection(false);
  SetHideLeafIndent(true);
  SetShowGrid(true);
  // Header clicks sort through the grid's own answer, so AutoSort is not among the tree list's.
  TCustomdxTreeList::SetOptions(tloColumnSizing | tloColumnMoving | tloEditing | tloTabThrough | tloImmediateEditor);
  TCustomdxTreeList::SetOptionsEx(tlxUseBitmap | tlxBandHeaderWidth | tlxBandSizing | tlxBandMoving | tlxVertThrough |
                                  tlxEnterShowEditor | tlxDragScroll);
  SetHideSelectionColor(HighlightColor());
  SetHideSelectionTextColor(HighlightTextColor());
  RegisterDBControl(this);
  FSummaryGroups = std::make_unique<TdxDBGridSummaryGroups>(this);
}

TCustomdxDBGrid::~TCustomdxDBGrid() {
  PrepareDestroy();
  DestroyFilterPopup();
  FGroupColumns.clear();
  ClearNodes();
  FSummaryGroups.reset();
  UnregisterDBControl(this);
  FDataLink.reset();
}

void TCustomdxDBGrid::Loaded() {
  FLoading = true;
  auto loaded = ScopeExit([this] { FLoading = false; });
  InsideUpdate([this] {
    TCustomdxDBTreeListControl::Loaded();
    {
      FGrouping.RegroupAfterLoad = true;
      auto regrouped = ScopeExit([this] { FGrouping.RegroupAfterLoad = false; });
      RefreshGrouping();
    }
    if (!IsMultiSort()) KeepFirstSortedColumn();
    UpdateColumnDefaultWidths();
    LinkFooterSummaryFields();
    if (FFilter->Active()) FilterChanged();
  });
}

void TCustomdxDBGrid::KeepFirstSortedColumn() {
  bool kept = false;
  for (int i = 0; i < GetColumnCount(); ++i) {
    TdxDBTreeListColumn* column = DBColumn(i);
    if (!column || column->GroupIndex() != -1 || column->Sorted() == csNone) continue;
    if (!kept) {
      kept = true;
      continue;
    }
    column->StoreSorted(csNone);
    RemoveSortedColumn(column);
  }
}

// --- properties -------------------------------------------------------------------------------------

TDataSource* TCustomdxDBGrid::DataSource() const { return FDataLink ? FDataLink->DataSource() : nullptr; }

void TCustomdxDBGrid::SetDataSource(TDataSource* Value) {
  if (Value == DataSource()) return;
  ClearSelection();
  const bool wasActive = FDataLink->Active();
  FDataLink->SetDataSource(Value);
  if (Value) Value->FreeNotification(this);
  // From one open data set to another the link stays active and says nothing: the records of the
  // new one are loaded all the same.
  if (FDataLink->Active() == wasActive) ActiveChanged(FDataLink->Active());
}

void TCustomdxDBGrid::SetDefaultFields(bool Value) {
  if (Value == FDefaultFields) return;
  InsideUpdate([&] {
    FDefaultFields = Value;
    // Columns made from the fields and all records as nodes exclude each other; switching the
    // columns off leaves the records alone, so that turning LoadAllRecords on keeps it on.
    if (Value) SetOptions(FOptions & ~egoLoadAllRecords);
    DestroyColumns();
    SetDefaultLayout(true);
    FFilter->SetActive(false);
  });
}

void TCustomdxDBGrid::SetPartialLoad(bool Value) {
  SetOptionsDB(Value ? FOptionsDB | edgoPartialLoad : FOptionsDB & ~edgoPartialLoad);
}

void TCustomdxDBGrid::SetUseBookmarks(bool Value) {
  SetOptionsDB(Value ? FOptionsDB | edgoUseBookmarks : FOptionsDB & ~edgoUseBookmarks);
}

void TCustomdxDBGrid::SetShowGroupPanel(bool Value) {
  if (Value == FShowGroupPanel) return;
  CloseEditor();
  FShowGroupPanel = Value;
  const bool busy = (ComponentState() & (csDesigning | csLoading)) || IsLoading() || FLoading;
  if (HandleAllocated() && !busy) SlideGroupPanel(Value);
  Relayout();
}

void TCustomdxDBGrid::SetSummarySeparator(const String& Value) {
  if (Value == FSummarySeparator) return;
  FSummarySeparator = Value;
  Invalidate();
}

void TCustomdxDBGrid::SetGroupPanelColor(TColor Value) {
  if (Value == FGroupPanelColor) return;
  FGroupPanelColor = Value;
  if (FShowGroupPanel) Invalidate();
}

void TCustomdxDBGrid::SetGroupPanelFontColor(TColor Value) {
  if (Value == FGroupPanelFontColor) return;
  FGroupPanelFontColor = Value;
  if (FShowGroupPanel) Invalidate();
}

// --- record modes -----------------------------------------------------------------------------------

bool TCustomdxDBGrid::InCursorMode() const {
  const bool groupedOverLink = FDataLink && FDataLink->Active() && !FGroupColumns.empty();
  return !(FOptionsDB & edgoLoadAllRecords) && !groupedOverLink;
}

bool TCustomdxDBGrid::IsLocateMode() {
  return (FOptionsDB & (edgoUseLocate | edgoSmartRefresh)) || (AllRecordsAreNodes() && LocateByKey);
}

bool TCustomdxDBGrid::CanSmartRefresh() {
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  if (!(FOptionsDB & edgoSmartRefresh) || FLoading || !dataSet || dataSet->Bof() || dataSet->Eof()) return false;
  const bool loneRecordUnderGroups = Count() == 1 && !IsGroupNode(Items(0)) && !FGroupColumns.empty();
  return !loneRecordUnderGroups && !IsPartialMode();
}

// --- the data-bound control's questions ---------------------------------------------------------------

TdxDBTreeListControlDataLink* TCustomdxDBGrid::GetDataLink() const { return FDataLink.get(); }

TdxDBTreeListColumnClass TCustomdxDBGrid::GetDefaultColumnClass() {
  return [](TComponent* Owner) -> TdxTreeListColumn* { return new TdxDBGridColumn(Owner); };
}

TdxDBTreeListColumnClass TCustomdxDBGrid::GetColumnClassForField(TField* Field) {
  return DBGridColumnClasses().ClassForField(Field);
}

void TCustomdxDBGrid::LinkGroupSummaryFields() {
  TDataSet* dataSet = FDataLink->Active() ? FDataLink->DataSet() : nullptr;
  const auto find = [dataSet](const String& Name) {
    return dataSet && !Name.empty() ? dataSet->FindField(Name) : nullptr;
  };
  for (int i = 0; i < GetColumnCount(); ++i) {
    TdxDBTreeListColumn* column = DBColumn(i);
    if (!column) continue;
    column->SummaryFieldObject = column->SummaryField().empty() ? column->Field() : find(column->SummaryField());
    column->SummaryGroup = column->SummaryGroupName().empty() ? FSummaryGroups->FindDefaultGroup()
                                                              : FSummaryGroups->FindGroup(column->SummaryGroupName());
  }
  for (int g = 0; g < FSummaryGroups->Count(); ++g) {
    TdxDBGridSummaryItems* items = FSummaryGroups->Items(g)->SummaryItems();
    for (int i = 0; i < items->Count(); ++i) {
      TdxDBGridSummaryItem* item = items->Items(i);
      TdxDBTreeListColumn* named = ColumnByName(item->ColumnName());
      item->Field = !item->SummaryField().empty() ? find(item->SummaryField()) : named ? named->Field() : nullptr;
    }
  }
}

void TCustomdxDBGrid::ColumnFieldChanged(TdxDBTreeListColumn* Column) {
  if (FColumnFieldChanging || IsLoading()) return;
  TValueScope<bool> changing(FColumnFieldChanging, true);
  TDataSet* dataSet = DataSource() ? DataSource()->DataSet() : nullptr;
  const bool ungroup =
      Column && (Column->FieldName().empty() || (dataSet && !dataSet->FindField(Column->FieldName())) ||
                 (Column->Field() && Column->Field()->IsBlob() && !Column->IsBlobEditor()));
  if (ungroup) {
    Column->SetGroupIndex(-1);
  } else {
    SuspendGrouping();
    ResumeGrouping();
  }
}

void TCustomdxDBGrid::ColumnRenamed(const String& OldName, const String& NewName) {
  for (int g = 0; g < FSummaryGroups->Count(); ++g) {
    TdxDBGridSummaryItems* items = FSummaryGroups->Items(g)->SummaryItems();
    for (int i = 0; i < items->Count(); ++i)
      if (items->Items(i)->ColumnName() == OldName) items->Items(i)->SetColumnName(NewName);
  }
  // A column going away takes an open filter list of its own with it.
  if (NewName.empty() && IsFilterPopupShown() && FFilterPopup->Column() == ColumnByName(OldName))
    FFilterPopup->Close(false);
}

// --- the tree list's questions ------------------------------------------------------------------------

TdxTreeListNode* TCustomdxDBGrid::CreateNode() { return new TdxDBGridNode(this); }

bool TCustomdxDBGrid::IsFirstNode(TdxTreeListNode* Node) {
  if (IsCursorMode() && FDataLink->Active()) return FDataLink->DataSet()->Bof();
  const bool inherited = TCustomdxDBTreeListControl::IsFirstNode(Node);
  return IsPartialMode() ? inherited && FirstRecordLoaded : inherited;
}

bool TCustomdxDBGrid::IsLastNode(TdxTreeListNode* Node) {
  if (IsCursorMode() && FDataLink->Active()) return FDataLink->DataSet()->Eof();
  const bool inherited = TCustomdxDBTreeListControl::IsLastNode(Node);
  return IsPartialMode() ? inherited && LastRecordLoaded : inherited;
}

bool TCustomdxDBGrid::IsBOF() {
  if (CanSearchNodes()) return TCustomdxDBTreeListControl::IsBOF();
  if (IsPartialMode()) return FirstRecordLoaded && TCustomdxDBTreeListControl::IsBOF();
  TDataSet* dataSet = DataSource() ? DataSource()->DataSet() : nullptr;
  return !dataSet || dataSet->Bof();
}

bool TCustomdxDBGrid::IsEOF() {
  if (CanSearchNodes()) return TCustomdxDBTreeListControl::IsEOF();
  if (IsPartialMode()) return LastRecordLoaded && TCustomdxDBTreeListControl::IsEOF();
  TDataSet* dataSet = DataSource() ? DataSource()->DataSet() : nullptr;
  return !dataSet || dataSet->Eof();
}

bool TCustomdxDBGrid::IsEditorActive() {
  return TCustomdxDBTreeListControl::IsEditorActive() && !IsGroupNode(FocusedNode());
}

void TCustomdxDBGrid::DoEditing(TdxTreeListNode* Node, bool& Allow) {
  if (IsGroupNode(Node)) {
    Allow = false;
    return;
  }
  TCustomdxDBTreeListControl::DoEditing(Node, Allow);
}

void TCustomdxDBGrid::DoHeaderClick(int Column) {
  if (OnColumnClick)
    if (TdxDBTreeListColumn* column = DBColumn(Column)) OnColumnClick(this, column);
  TCustomdxDBTreeListControl::DoHeaderClick(Column);
}

int TCustomdxDBGrid::AddSortedColumn(TdxTreeListColumn* Column) {
  auto* column = dynamic_cast<TdxDBTreeListColumn*>(Column);
  if (!column || column->Sorted() == csNone || column->GroupIndex() != -1) return 0;
  return TCustomdxDBTreeListControl::AddSortedColumn(Column);
}

bool TCustomdxDBGrid::DoColumnSorting(TdxTreeListColumn* Column) {
  bool allow = true;
  if (OnColumnSorting)
    if (auto* column = dynamic_cast<TdxDBTreeListColumn*>(Column)) OnColumnSorting(this, column, allow);
  return allow;
}

bool TCustomdxDBGrid::CanMultiSortColumn(int ColumnIndex) {
  TdxDBTreeListColumn* column = DBColumn(ColumnIndex);
  if (!TCustomdxDBTreeListControl::CanMultiSortColumn(ColumnIndex) || !column) return false;
  return column->GroupIndex() == -1 || column->SortedOrder() == column->GroupIndex();
}

void TCustomdxDBGrid::HideHeader(int Column) {
  TCustomdxDBTreeListControl::HideHeader(Column);
  if (OnHideColumn)
    if (TdxDBTreeListColumn* column = DBColumn(Column)) OnHideColumn(this, column);
}

void TCustomdxDBGrid::ShowColumnHeader(int Column, int Position, int Row, int Index) {
  TCustomdxDBTreeListControl::ShowColumnHeader(Column, Position, Row, Index);
  if (OnShowColumn)
    if (TdxDBTreeListColumn* column = DBColumn(Column)) OnShowColumn(this, column);
}
