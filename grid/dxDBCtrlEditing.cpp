// Editing through the data set: the answers to the in-place editor's questions (may the value
// change, is this character valid, which colour), posting an edited cell into its field, keeping
// an open editor in step with its record, the new-item row, and leaving the control.
#include "grid/dxDBCtrl.h"
#include "grid/dxDBEditStates.h"
#include "grid/dxDBEdtr.h"
#include "rtl/ScopeExit.h"

bool TCustomdxDBTreeListControl::CanEditModify() {
  if (!CanNavigateDataSet() || IsKeyFieldMissing()) return false;
  TdxDBTreeListControlDataLink* link = GetDataLink();
  if (!link || !link->Active() || link->ReadOnly()) return false;
  TdxDBTreeListColumn* column = DBColumn(GetFocusedColumn());
  if (!column || !column->Visible() || column->ReadOnly() || !column->Field()) return false;
  TField* field = column->Field();
  if (!field->CanModify() && !(field->IsLookup() && CanModifyLookupKey(field))) return false;
  // A blob field is edited only by a column that edits its whole value.
  if (field->IsBlob() && !column->IsBlobEditor()) return false;
  if (IsEmptyReadOnly()) return false;
  if (!link->Edit()) return false;
  link->SetModified();
  return true;
}

bool TCustomdxDBTreeListControl::IsValidEditChar(TKeyChar Key) {
  TdxDBTreeListColumn* column = DBColumn(GetFocusedColumn());
  return !column || column->IsValidEditChar(Key);
}

TColor TCustomdxDBTreeListControl::GetEditColor() {
  TColor color = TCustomdxTreeListControl::GetEditColor();
  if (OnGetEditColor) OnGetEditColor(this, FocusedNode(), DBColumn(GetFocusedColumn()), color);
  return color;
}

bool TCustomdxDBTreeListControl::IsReadOnly() {
  return TCustomdxTreeListControl::IsReadOnly() || IsEmptyReadOnly() || IsKeyFieldMissing();
}

bool TCustomdxDBTreeListControl::IsEmptyReadOnly() {
  TdxDBTreeListControlDataLink* link = GetDataLink();
  TDataSet* dataSet = link && link->Active() ? link->DataSet() : nullptr;
  return dataSet && dataSet->Active() && !IsInsertAllowed() && dataSet->Bof() && dataSet->Eof() &&
         dataSet->State() == dsBrowse;
}

void TCustomdxDBTreeListControl::DoEditing(TdxTreeListNode* Node, bool& Allow) {
  TCustomdxTreeListControl::DoEditing(Node, Allow);
  Allow = Allow && CanNavigateDataSet();
}

bool TCustomdxDBTreeListControl::IsEditorActive() {
  TdxDBTreeListControlDataLink* link = GetDataLink();
  return TCustomdxTreeListControl::IsEditorActive() && FocusedNode() && link && link->Active();
}

// --- values between the editor and the field --------------------------------------------------------

Variant TCustomdxDBTreeListControl::InitEditValue() {
  FEditValue = TCustomdxTreeListControl::InitEditValue();
  return FEditValue;
}

void TCustomdxDBTreeListControl::AssignEditValue(TdxTreeListNode* Node, int Column, TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn* column = DBColumn(Column);
  TDataSet* dataSet = GetDataSource() ? GetDataSource()->DataSet() : nullptr;
  if (!column || !column->Field() || !dataSet || !IsEditState(dataSet->State())) {
    FEditValue = Variant();
    return TCustomdxTreeList::AssignEditValue(Node, Column, Editor);
  }
  {
    column->Assigning = true;
    WatchNode(Node);
    auto forget = ScopeExit([&] {
      ForgetNode(Node);
      column->Assigning = false;
    });
    column->ApplyEditValue(Node, Editor);
    // The field holds the value now: the editor's value is compared with it from here on.
    FEditValue = column->Field()->Value();
    // Writing the field may have moved the data set and rebuilt the nodes.
    if (IsNodeAlive(Node)) Node->SetStrings(Column, VarToStr(column->FilterTextToValue(column->GetDisplayText(Node))));
  }
  // The tree list's own step: the field holds the value now, nothing else is stored.
  TCustomdxTreeList::AssignEditValue(Node, Column, Editor);
}

void TCustomdxDBTreeListControl::CheckEditorValue() {
  if (State() != tlsEditing || !InplaceEditor()) return;
  TdxDBTreeListColumn* column = DBColumn(GetFocusedColumn());
  if (!column || column->SameAsFieldValue(FEditValue)) return;
  BeginEditorSet();
  auto endSet = ScopeExit([this] { EndEditorSet(); });
  FEditValue = column->InitEditValue(FocusedNode(), InplaceEditor());
}

void TCustomdxDBTreeListControl::SyncEditorWithRecord(TField* Field, TdxTreeListNode*& Node) {
  if (!HandleAllocated()) return;
  ResolveEditNode(Node);
  TdxDBTreeListColumn* column = DBColumn(GetFocusedColumn());
  if (!column) return;
  column->RefreshingNode = Node;
  auto refreshed = ScopeExit([column] { column->RefreshingNode = nullptr; });
  TdxInplaceEdit* editor = InplaceEditor();
  const bool ofColumn = !Field || Field == column->Field();
  if (ofColumn && column->Field() && editor && !editor->GetModified() && !column->SameAsFieldValue(FEditValue)) {
    {
      BeginEditorSet();
      auto endSet = ScopeExit([this] { EndEditorSet(); });
      FEditValue = column->InitEditValue(FocusedNode(), editor);
    }
    editor->MoveCaretToEnd();
  }
}

void TCustomdxDBTreeListControl::UpdateData() { CloseEditor(); }

// --- the new-item row -------------------------------------------------------------------------------

bool TCustomdxDBTreeListControl::IsNewItemRowEditing() {
  TDataSet* dataSet = GetDataSource() ? GetDataSource()->DataSet() : nullptr;
  return FocusedNode() && dataSet && dataSet->State() == dsInsert;
}

String TCustomdxDBTreeListControl::GetNewRowText(int Column) {
  return IsNewItemRowEditing() && FocusedNode() ? GetNodeString(FocusedNode(), Column) : String();
}

void TCustomdxDBTreeListControl::DoNewItemRowEditing(bool& Allow) {
  Allow = false;
  TdxDBTreeListColumn* column = DBColumn(GetFocusedColumn());
  TDataSet* dataSet = GetDataSource() ? GetDataSource()->DataSet() : nullptr;
  if (column && column->Visible() && column->CanEditCell() && dataSet && dataSet->Active()) {
    if (dataSet->State() != dsInsert) dataSet->Insert();
    Allow = true;
  }
  if (OnEditing) OnEditing(this, FocusedNode(), Allow);
}

bool TCustomdxDBTreeListControl::CanEditNewItemRow() {
  bool allow = true;
  DoNewItemRowEditing(allow);
  return allow;
}

// --- leaving the control ----------------------------------------------------------------------------

void TCustomdxDBTreeListControl::DoExit() {
  TdxDBTreeListControlDataLink* link = GetDataLink();
  if (link && link->Active()) {
    TDataSet* dataSet = link->DataSet();
    const bool untouchedInsert = dataSet->State() == dsInsert && !dataSet->Modified();
    if (IsCancelOnExit() && untouchedInsert && !link->Modified())
      dataSet->Cancel();
    else
      link->UpdateRecord();
  }
  if (HideSelection() && IsMultiSelect() && State() == tlsEditing && GetSelectedCount() > 0) InvalidateSelection();
  TCustomdxTreeListControl::DoExit();
}
