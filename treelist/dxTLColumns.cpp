// The control's column list: making, attaching, removing and copying columns, their place in the
// list with the cell texts that follow them, default widths and the best fit.
#include <algorithm>

#include "rtl/Text.h"
#include "treelist/dxTLControl.h"

TdxTreeListColumn* TCustomdxTreeListControl::GetColumn(int Index) const {
  return Index >= 0 && Index < GetColumnCount() ? FColumns[size_t(Index)] : nullptr;
}

int TCustomdxTreeListControl::ColumnIndexOf(const TdxTreeListColumn* Column) const {
  const auto found = std::find(FColumns.begin(), FColumns.end(), Column);
  return found == FColumns.end() ? -1 : int(found - FColumns.begin());
}

TdxTreeListColumn* TCustomdxTreeListControl::GetVisibleColumn(int N) const {
  for (TdxTreeListColumn* column : FColumns)
    if (column->Visible() && N-- == 0) return column;
  return nullptr;
}

TdxTreeListColumn* TCustomdxTreeListControl::ColumnByName(const String& Name) const {
  for (TdxTreeListColumn* column : FColumns)
    if (AnsiSameText(column->Name(), Name)) return column;
  return nullptr;
}

TdxTreeListColumn* TCustomdxTreeListControl::GetSortedColumn(int Position) const {
  return Position >= 0 && Position < int(FSortedColumns.size()) ? FSortedColumns[size_t(Position)] : nullptr;
}

namespace {

// Names Column Prefix + N with the first N from First that its owner accepts.
void NameByColumnRule(TdxTreeListColumn* Column, const String& Prefix, int First) {
  for (int n = First;; ++n) {
    try {
      Column->SetName(Prefix + std::to_string(n));
      return;
    } catch (const EComponentError&) {
    }
  }
}

}  // namespace

TdxTreeListColumn* TCustomdxTreeListControl::CreateColumn(const TdxTreeListColumnClass& ColumnClass, TComponent* Owner) {
  TdxTreeListColumn* column = ColumnClass(Owner);
  try {
    NameByColumnRule(column, Name() + "Column", GetColumnCount() + 1);
    AddColumn(column);
  } catch (...) {
    column->Free();
    throw;
  }
  return column;
}

void TCustomdxTreeListControl::AddColumn(TdxTreeListColumn* Column) {
  FColumns.push_back(Column);
  Column->FTreeList = this;
  ColumnChanged(nullptr);
}

void TCustomdxTreeListControl::RemoveColumn(TdxTreeListColumn* Column) {
  Column->FTreeList = nullptr;
  std::erase(FColumns, Column);
  RemoveSortedColumn(Column);
  if (!IsDestroying()) ColumnChanged(nullptr);
}

void TCustomdxTreeListControl::DestroyColumns() {
  while (!FColumns.empty()) {
    TdxTreeListColumn* column = FColumns.front();
    RemoveColumn(column);
    column->Free();
  }
}

void TCustomdxTreeListControl::AssignColumns(TCustomdxTreeListControl* Source) {
  if (Source == this) return;
  TComponent* owner = FColumns.empty() ? this : FColumns.front()->Owner();
  // The copies are made and set up aside; the present columns go only once every copy exists.
  std::vector<TdxTreeListColumn*> copies;
  try {
    for (TdxTreeListColumn* source : Source->FColumns) {
      auto* copy = static_cast<TdxTreeListColumn*>(FindClass(source->ClassName()).CreateComponent(owner));
      copies.push_back(copy);
      NameByColumnRule(copy, Name() + "Column", GetColumnCount() + int(copies.size()));
      copy->Assign(source);
    }
  } catch (...) {
    for (TdxTreeListColumn* copy : copies) copy->Free();
    throw;
  }
  InsideUpdate([&] {
    DestroyColumns();
    for (size_t i = 0; i < copies.size(); ++i) {
      AddColumn(copies[i]);
      if (copies[i]->Sorted() != csNone) AddSortedColumn(copies[i]);
      // A name the source still holds in the same owner is taken: the copy keeps its own.
      TComponent* copyOwner = copies[i]->Owner();
      const String& name = Source->FColumns[i]->Name();
      if (!copyOwner || !copyOwner->FindComponent(name)) copies[i]->SetName(name);
    }
  });
}

void TCustomdxTreeListControl::UpdateColumnDefaultWidths() {
  for (TdxTreeListColumn* column : FColumns) column->RefreshDefaultWidth();
}

void TCustomdxTreeListControl::ColumnChanged(TdxTreeListColumn* Column) {
  if (IsLoading()) return;
  if (Column) Column->RefreshDefaultWidth();
  if (FLayoutLoadCount > 0)
    ClearCalcLists();
  else
    NormalizeHeaderRows();
  Relayout();
}

void TCustomdxTreeListControl::MoveColumnIndex(TdxTreeListColumn* Column, int NewIndex) {
  const int current = ColumnIndexOf(Column);
  if (current < 0 || FColumns.empty()) return;
  NewIndex = std::clamp(NewIndex, 0, GetColumnCount() - 1);
  if (NewIndex == current) return;
  MoveColumnValues(current, NewIndex);
  FColumns.erase(FColumns.begin() + current);
  FColumns.insert(FColumns.begin() + NewIndex, Column);
  Column->Changed(true);
}

namespace {

// The text at From moves to To in one node's list, the others shifting as the columns do.
void MoveNodeText(TStringList& Texts, int From, int To) {
  while (Texts.Count() <= std::max(From, To)) Texts.Add(String());
  if (From >= To) {
    Texts.InsertObject(To, Texts[From], nullptr);
    Texts.SetObjects(To, Texts.Objects(From + 1));
    Texts.Delete(From + 1);
    return;
  }
  if (To != Texts.Count() - 1) {
    Texts.InsertObject(To + 1, Texts[From], Texts.Objects(From));
  } else {
    Texts.AddObject(Texts[From], Texts.Objects(From));
  }
  Texts.Delete(From);
}

}  // namespace

void TCustomdxTreeListControl::MoveColumnValues(int FromIndex, int ToIndex) {
  std::vector<TdxTreeListNode*> pending(TopLevelNodes().begin(), TopLevelNodes().end());
  pending.insert(pending.end(), AuxiliaryNodes().begin(), AuxiliaryNodes().end());
  while (!pending.empty()) {
    TdxTreeListNode* node = pending.back();
    pending.pop_back();
    // A node without texts has only empty ones to move.
    if (TdxNodeTexts& texts = static_cast<TdxTreeListTextNode*>(node)->Texts; !texts.IsEmpty())
      MoveNodeText(texts.Edit(), FromIndex, ToIndex);
    for (int i = 0; i < node->Count(); ++i) pending.push_back(node->Items(i));
  }
}

// --- best fit ---------------------------------------------------------------------------------------

void TCustomdxTreeListControl::ApplyBestFit(TdxTreeListColumn* Column) {
  if (Column) {
    if (Column->Sizing()) Column->SetWidth(ColumnBestWidth(Column));
    return;
  }
  InsideUpdate([this] {
    for (TdxTreeListColumn* column : FColumns) ApplyBestFit(column);
  });
}

// The widest cell text (the first column of the first band also holds the tree indent and the
// node's images) or caption, with half a "0" plus one pixel of margin on each side.
int TCustomdxTreeListControl::ColumnBestWidth(TdxTreeListColumn* Column) {
  const TdxTreeListMetrics& m = Metrics();
  TCanvas canvas;
  canvas.Font()->Assign(Font());
  const int margin = canvas.TextWidth("0") / 2 + 1;
  const int index = ColumnIndexOf(Column);
  const bool holdsTree = GetBandColumn(0, 0, 0) == index;
  canvas.Font()->Assign(Column->HasFont() ? Column->Font() : Font());
  int widest = 0;
  std::vector<TdxTreeListNode*> pending(TopLevelNodes().begin(), TopLevelNodes().end());
  while (!pending.empty()) {
    TdxTreeListNode* node = pending.back();
    pending.pop_back();
    for (int i = 0; i < node->Count(); ++i) pending.push_back(node->Items(i));
    if (IsGroupNode(node)) continue;
    int width = Column->GetCellTextWidth(&canvas, node);
    if (holdsTree) {
      width += (node->Level() + (ShowRoot() ? 1 : 0)) * m.Indent - GetGroupIndentWidth();
      if (GetNodeStateIndex(node) != -1) width += m.StateImageSize.cx;
      if (GetNodeImageIndex(node) != -1 || GetNodeSelectedIndex(node) != -1) width += m.ImageSize.cx;
    }
    widest = std::max(widest, width);
  }
  canvas.Font()->Assign(HeaderFont());
  widest = std::max(widest, canvas.TextWidth(Column->Caption()) + (Column->DisableFilter() ? 0 : 15));
  return widest + 2 * margin;
}
