// The wrapper column: each cell edited and shown as the column OnGetReferenceColumn names for its
// row, the reference lending itself the wrapper's place while it works.
#include "grid/dxDBCtrl.h"
#include "grid/dxDBTLCl.h"

TdxDBTreeListWrapperColumn::TdxDBTreeListWrapperColumn(TComponent* AOwner) : TdxDBTreeListColumn(AOwner) {
  SetDisableFilter(true);
}

TdxDBTreeListColumn* TdxDBTreeListWrapperColumn::GetReferenceColumn(TdxTreeListNode* Node) const {
  if (!OnGetReferenceColumn) return nullptr;
  if (!Node && TreeList()) Node = TreeList()->FocusedNode();
  TdxDBTreeListColumn* column = nullptr;
  OnGetReferenceColumn(const_cast<TdxDBTreeListWrapperColumn*>(this), Node, column);
  return column == this ? nullptr : column;
}

const TdxInplaceEditClass& TdxDBTreeListWrapperColumn::GetEditorClass() const {
  if (TdxDBTreeListColumn* reference = GetReferenceColumn(nullptr)) return reference->GetEditorClass();
  return TdxDBTreeListColumn::GetEditorClass();
}

// The focused row's reference paints every row, so that the view data always fits the class
// GetEditorClass answers.
TdxEditViewData* TdxDBTreeListWrapperColumn::GetViewData() {
  if (TdxDBTreeListColumn* reference = GetReferenceColumn(nullptr)) return reference->GetViewData();
  return TdxDBTreeListColumn::GetViewData();
}

void TdxDBTreeListWrapperColumn::InitViewData(TdxEditViewData& ViewData,
                                              const TdxTreeListCellViewData& CellViewData) {
  TdxDBTreeListColumn* reference = GetReferenceColumn(nullptr);
  if (!reference) return TdxDBTreeListColumn::InitViewData(ViewData, CellViewData);
  reference->RunAsIndex(GetIndex(), [&] { reference->InitViewData(ViewData, CellViewData); });
}

String TdxDBTreeListWrapperColumn::GetDisplayText(TdxTreeListNode* Node) {
  TdxDBTreeListColumn* reference = GetReferenceColumn(Node);
  if (!reference) return TdxDBTreeListColumn::GetDisplayText(Node);
  String text;
  reference->RunAsIndex(GetIndex(), [&] { text = reference->GetDisplayText(Node); });
  return text;
}

void TdxDBTreeListWrapperColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn* reference = GetReferenceColumn(nullptr);
  if (!reference) return TdxDBTreeListColumn::InitEditor(Editor);
  reference->RunAsIndex(GetIndex(), [&] { reference->InitEditor(Editor); });
}

Variant TdxDBTreeListWrapperColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn* reference = GetReferenceColumn(Node);
  if (!reference) return TdxDBTreeListColumn::ApplyEditValue(Node, Editor);
  Variant value;
  reference->RunAsIndex(GetIndex(), [&] { value = reference->ApplyEditValue(Node, Editor); });
  return value;
}

Variant TdxDBTreeListWrapperColumn::InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn* reference = GetReferenceColumn(Node);
  if (!reference) return TdxDBTreeListColumn::InitEditValue(Node, Editor);
  Variant value;
  reference->RunAsIndex(GetIndex(), [&] { value = reference->InitEditValue(Node, Editor); });
  return value;
}
