// The tree list control's life, its stored children, the cell texts of its text nodes and its
// answers to the editing hooks, with one in-place editor kept per editor class.
#include "treelist/dxTLControl.h"

#include <algorithm>

#include "controls/Application.h"
#include "controls/Forms.h"

TCustomdxTreeListControl::TCustomdxTreeListControl(TComponent* AOwner) : TCustomdxTreeList(AOwner) {
  FBands = std::make_unique<TdxTreeListBands>(this);
  // The first band comes without a change notice.
  FBands->SetControl(nullptr);
  FBands->Add();
  FBands->SetControl(this);
}

TCustomdxTreeListControl::~TCustomdxTreeListControl() {
  try {
    SaveStoredLayout();
  } catch (...) {
    // A destructor cannot pass the error on: the application reports it.
    if (Application) Application->HandleException(this, std::current_exception());
  }
  PrepareDestroy();
  ClearCalcLists();
  DestroyColumns();
  FBands.reset();
}

void TCustomdxTreeListControl::Loaded() {
  TCustomdxTreeList::Loaded();
  NormalizeHeaderRows();
  RebuildSortedColumns();
  LoadStoredLayout();
}

void TCustomdxTreeListControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomdxTreeList::Notification(AComponent, Operation);
  if (Operation == opRemove) std::erase(FEditors, AComponent);
}

void TCustomdxTreeListControl::SetParent(TWinControl* AParent) {
  TCustomdxTreeList::SetParent(AParent);
  if (TCustomForm* form = GetParentForm(this)) FParentFormName = form->Name();
}

void TCustomdxTreeListControl::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TCustomdxTreeList::GetChildren(Proc, Root);
  for (TdxTreeListColumn* column : FColumns)
    if (StreamAllColumns || column->Owner() == Root) Proc(column);
}

// --- node values ------------------------------------------------------------------------------------

namespace {

TdxTreeListTextNode& TextNode(TdxTreeListNode* Node) { return *static_cast<TdxTreeListTextNode*>(Node); }

}  // namespace

TdxTreeListNode* TCustomdxTreeListControl::CreateNode() { return new TdxTreeListTextNode(this); }

int TCustomdxTreeListControl::GetNodeImageIndex(TdxTreeListNode* Node) {
  int index = TextNode(Node).StoredImageIndex;
  if (OnGetImageIndex) OnGetImageIndex(this, Node, index);
  return index;
}

int TCustomdxTreeListControl::GetNodeSelectedIndex(TdxTreeListNode* Node) {
  int index = TextNode(Node).StoredSelectedIndex;
  if (OnGetSelectedIndex) OnGetSelectedIndex(this, Node, index);
  return index;
}

int TCustomdxTreeListControl::GetNodeStateIndex(TdxTreeListNode* Node) {
  int index = TextNode(Node).StoredStateIndex;
  if (OnGetStateIndex) OnGetStateIndex(this, Node, index);
  return index;
}

// An index an event supplies is not frozen into the node: only a value that differs is stored.
void TCustomdxTreeListControl::SetNodeImageIndex(TdxTreeListNode* Node, int Value) {
  if (Value == GetNodeImageIndex(Node)) return;
  TextNode(Node).StoredImageIndex = Value;
  InvalidateNode(Node, false);
}

void TCustomdxTreeListControl::SetNodeSelectedIndex(TdxTreeListNode* Node, int Value) {
  if (Value == GetNodeSelectedIndex(Node)) return;
  TextNode(Node).StoredSelectedIndex = Value;
  InvalidateNode(Node, false);
}

void TCustomdxTreeListControl::SetNodeStateIndex(TdxTreeListNode* Node, int Value) {
  if (Value == GetNodeStateIndex(Node)) return;
  TextNode(Node).StoredStateIndex = Value;
  InvalidateNode(Node, false);
}

Variant TCustomdxTreeListControl::GetNodeValue(TdxTreeListNode* Node, int Column) {
  return Variant(GetNodeString(Node, Column));
}

String TCustomdxTreeListControl::GetNodeString(TdxTreeListNode* Node, int Column) {
  const TStringList& texts = TextNode(Node).Texts.List();
  return Column >= 0 && Column < texts.Count() ? texts[Column] : String();
}

void TCustomdxTreeListControl::SetNodeString(TdxTreeListNode* Node, int Column, const String& Text) {
  if (Column < 0) return;
  TStringList& texts = TextNode(Node).Texts.Edit();
  while (texts.Count() <= Column) texts.Add(String());
  texts.SetStrings(Column, Text);
}

void TCustomdxTreeListControl::SetNodeValue(TdxTreeListNode* Node, int Column, const Variant& Value) {
  Node->SetStrings(Column, VarToStr(Value));
  if (LockUpdate() == 0) InvalidateNode(Node, false);
}

void TCustomdxTreeListControl::DeleteNodeValue(TdxTreeListNode* Node, int Column) {
  std::vector<TdxTreeListNode*> pending{Node};
  while (!pending.empty()) {
    TdxTreeListNode* node = pending.back();
    pending.pop_back();
    TdxNodeTexts& texts = TextNode(node).Texts;
    if (Column >= 0 && Column < texts.List().Count()) texts.Edit().Delete(Column);
    for (int i = 0; i < node->Count(); ++i) pending.push_back(node->Items(i));
  }
}

String TCustomdxTreeListControl::GetCellText(TdxTreeListNode* Node, int Column) {
  TdxTreeListColumn* column = ColumnAt(Column);
  return column ? column->GetDisplayText(Node) : String();
}

TCursor TCustomdxTreeListControl::GetCellCursor(TdxTreeListNode* Node, int Column) {
  TdxTreeListColumn* column = ColumnAt(Column);
  return column ? column->GetCellCursor(Node, Cursor()) : Cursor();
}

// --- editing ----------------------------------------------------------------------------------------

bool TCustomdxTreeListControl::CanEditModify() {
  TdxTreeListColumn* column = ColumnAt(GetFocusedColumn());
  return column && !column->ReadOnly();
}

TColor TCustomdxTreeListControl::GetEditColor() {
  TdxTreeListColumn* column = ColumnAt(GetFocusedColumn());
  return column ? column->Color() : Color();
}

TFont* TCustomdxTreeListControl::GetEditFont() {
  TdxTreeListColumn* column = ColumnAt(GetFocusedColumn());
  return column && column->HasFont() ? column->Font() : Font();
}

void TCustomdxTreeListControl::DoEditing(TdxTreeListNode* Node, bool& Allow) {
  TCustomdxTreeList::DoEditing(Node, Allow);
  if (!Allow || !FocusedNode()) return;
  if (TdxTreeListColumn* column = ColumnAt(GetFocusedColumn())) Allow = column->CanEditCell();
}

Variant TCustomdxTreeListControl::InitEditValue() {
  TdxTreeListColumn* column = ColumnAt(GetFocusedColumn());
  if (!column || !InplaceEditor()) return TCustomdxTreeList::InitEditValue();
  return column->InitEditValue(FocusedNode(), InplaceEditor());
}

void TCustomdxTreeListControl::AssignEditValue(TdxTreeListNode* Node, int Column, TdxInplaceEdit* Editor) {
  if (TdxTreeListColumn* column = ColumnAt(Column)) column->ApplyEditValue(Node, Editor);
}

TdxInplaceEdit* TCustomdxTreeListControl::FindEditor(int Column) {
  TdxTreeListColumn* column = ColumnAt(Column);
  if (!column) return nullptr;
  const TdxInplaceEditClass* editClass = &column->GetEditorClass();
  const auto found = std::find_if(FEditors.begin(), FEditors.end(),
                                  [editClass](TdxInplaceEdit* e) { return &e->EditClass() == editClass; });
  return found == FEditors.end() ? nullptr : *found;
}

TdxInplaceEdit* TCustomdxTreeListControl::GetEditor(int Column) {
  if (TdxInplaceEdit* editor = FindEditor(Column)) return editor;
  TdxTreeListColumn* column = ColumnAt(Column);
  if (!column) return nullptr;
  TdxInplaceEdit* editor = column->GetEditorClass().CreateEditor(this);
  FEditors.push_back(editor);
  return editor;
}

void TCustomdxTreeListControl::InitEditor(TdxInplaceEdit* Editor, int Column) {
  if (TdxTreeListColumn* column = ColumnAt(Column)) column->InitEditor(Editor);
}
