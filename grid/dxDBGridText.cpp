// What the grid shows: cell texts and values (read from the buffered rows in plain cursor mode,
// from the nodes otherwise), the group row's "Caption : value summaries" text, the sort key of a
// row, preview texts, and the texts of the row footers and the summary footer.
#include "grid/dxDBGrid.h"
#include "rtl/Text.h"

namespace {

TdxDBGridNode* GridNode(TdxTreeListNode* Node) { return static_cast<TdxDBGridNode*>(Node); }

// Points the link's active record at a buffered row for as long as it lives.
class TNodeAccess {
 public:
  TNodeAccess(TCustomdxDBGrid& Grid, TdxTreeListNode* Node) : FGrid(Grid), FNode(Node) { Grid.BeginNodeAccess(Node); }
  ~TNodeAccess() { FGrid.EndNodeAccess(FNode); }
  TNodeAccess(const TNodeAccess&) = delete;
  TNodeAccess& operator=(const TNodeAccess&) = delete;

 private:
  TCustomdxDBGrid& FGrid;
  TdxTreeListNode* FNode;
};

// The field type a summary value of Field is shown as: its date kind, else none.
TFieldType SummaryDateKind(const TField* Field, TdxSummaryType Type) {
  if (!Field || Type == cstCount) return ftUnknown;
  const TFieldType kind = Field->DataType();
  return kind == ftDate || kind == ftTime || kind == ftDateTime ? kind : ftUnknown;
}

}  // namespace

// --- cells ----------------------------------------------------------------------------------------

String TCustomdxDBGrid::GetNodeString(TdxTreeListNode* Node, int Column) {
  TdxDBTreeListColumn* column = DBColumn(Column);
  if (IsCursorMode() && FDataLink->Active() && column) {
    if (!IsBufferedRow(Node)) return String();
    TNodeAccess access(*this, Node);
    column->RefreshingNode = Node;
    String text = column->Field() ? column->Field()->DisplayText() : String();
    column->RefreshingNode = nullptr;
    if (column->OnGetText) column->OnGetText(column, Node, text);
    return text;
  }
  if (IsGroupNode(Node) && !IsCursorMode()) {
    TdxDBTreeListColumn* grouped = GroupColumns(Node->Level());
    if (!grouped) return TCustomdxDBTreeListControl::GetNodeString(Node, Column);
    String value = grouped->FilterValueToText(TCustomdxDBTreeListControl::GetNodeString(Node, grouped->GetIndex()));
    if (grouped->OnGetText) grouped->OnGetText(grouped, Node, value);
    String extra;
    if (OnGetGroupText) OnGetGroupText(this, Node, extra);
    return grouped->Caption() + " : " + value + " " + GetGroupSummaryText(Node, grouped) + extra;
  }
  String text = TCustomdxDBTreeListControl::GetNodeString(Node, Column);
  if (column && column->OnGetText) column->OnGetText(column, Node, text);
  return text;
}

Variant TCustomdxDBGrid::GetNodeValue(TdxTreeListNode* Node, int Column) {
  if (IsCursorMode()) {
    TdxDBTreeListColumn* column = DBColumn(Column);
    if (!IsBufferedRow(Node) || !column || !column->Field()) return Variant();
    TNodeAccess access(*this, Node);
    return column->Field()->Value();
  }
  if (IsGroupNode(Node)) return GridNode(Node)->GroupValue;
  return TCustomdxDBTreeListControl::GetNodeValue(Node, Column);
}

Variant TCustomdxDBGrid::GetNodeVariant(TdxTreeListNode* Node, int Column) {
  if (IsGroupNode(Node) && IsSortBySummaryColumn(Column)) return Variant(double(GetGroupSummaryValue(Node)));
  const Variant value = GetNodeValue(Node, Column);
  if (!VarIsStr(value)) return value;
  const String text = GetNodeString(Node, Column);
  return Variant(IsCaseInsensitive() ? AnsiUpperCase(text) : text);
}

String TCustomdxDBGrid::GetPreviewText(TdxTreeListNode* Node) {
  String Text;
  if (IsCursorMode() && FDataLink->Active()) {
    TNodeAccess access(*this, Node);
    if (TField* field = PreviewField()) {
      if (field->OnGetText)
        field->OnGetText(field, Text, true);
      else
        Text = TruncatePreview(field->AsString());
    }
  } else {
    Text = IsGroupNode(Node) ? String() : GridNode(Node)->PreviewText;
  }
  if (OnGetPreviewText) OnGetPreviewText(this, Node, Text);
  return Text;
}

TAlignment TCustomdxDBGrid::GetColumnAlignment(TdxTreeListNode* Node, int Column) {
  return IsGroupNode(Node) ? taLeftJustify : TCustomdxDBTreeListControl::GetColumnAlignment(Node, Column);
}

// --- group rows -------------------------------------------------------------------------------------

String TCustomdxDBGrid::GetGroupSummaryText(TdxTreeListNode* Node, TdxDBTreeListColumn* Column) {
  String text;
  TdxDBGridNode* node = GridNode(Node);
  const TFieldType dateKind = SummaryDateKind(Column->SummaryFieldObject, Column->SummaryType());
  if (Column->SummaryType() != cstNone)
    text =
        FormatSummaryValue(Column->SummaryType(), Column->SummaryFormat(), dateKind, spGroupRow, node->SummaryValue) +
        " ";
  TdxDBGridSummaryGroup* summaries = Column->SummaryGroup;
  if (!summaries || summaries->SummaryItems()->Count() == 0) return text;
  text += summaries->BeginSummaryText();
  bool typedBefore = false;
  TdxDBGridSummaryItems* items = summaries->SummaryItems();
  for (int i = 0; i < items->Count() && i < int(node->ItemValues.size()); ++i) {
    TdxDBGridSummaryItem* item = items->Items(i);
    // Items that name a column show in the row footers.
    if (!item->ColumnName().empty()) continue;
    const bool typed = item->SummaryType() != cstNone;
    if (typed && typedBefore) text += FSummarySeparator;
    text += FormatSummaryValue(item->SummaryType(), item->SummaryFormat(),
                               SummaryDateKind(Column->SummaryFieldObject, item->SummaryType()), spGroupRow,
                               node->ItemValues[size_t(i)].Value);
    typedBefore = typedBefore || typed;
  }
  return text + summaries->EndSummaryText();
}

// --- row footers --------------------------------------------------------------------------------------

namespace {

// The index of the first summary item of the group that names the column, when that item has a
// summary type; -1 otherwise.
int FooterItemOf(TCustomdxDBGrid& Grid, TdxDBGridSummaryGroup* Summaries, int Column) {
  if (!Summaries) return -1;
  TdxDBGridSummaryItems* items = Summaries->SummaryItems();
  for (int i = 0; i < items->Count(); ++i) {
    TdxDBTreeListColumn* named = Grid.ColumnByName(items->Items(i)->ColumnName());
    if (named && named->GetIndex() == Column) return items->Items(i)->SummaryType() != cstNone ? i : -1;
  }
  return -1;
}

}  // namespace

bool TCustomdxDBGrid::IsLevelWithRowFooter(int Level) {
  TdxDBTreeListColumn* column = GroupColumns(Level);
  if (!column || !column->SummaryGroup) return false;
  TdxDBGridSummaryItems* items = column->SummaryGroup->SummaryItems();
  for (int i = 0; i < items->Count(); ++i)
    if (!items->Items(i)->ColumnName().empty()) return true;
  return false;
}

// Footers end the last record of a group: below a record come the footers of the groups it ends,
// innermost first, counting only the levels that show one.
int TCustomdxDBGrid::GetRowFooterLevel(TdxTreeListNode* Node, int FooterIndex) {
  for (TdxTreeListNode* row = Node; row && row->IsLast() && row->Parent(); row = row->Parent()) {
    const int level = row->Parent()->Level();
    if (IsLevelWithRowFooter(level) && FooterIndex-- == 0) return level;
  }
  return -1;
}

bool TCustomdxDBGrid::IsRowFooterCell(TdxTreeListNode* Node, int Column, int FooterIndex) {
  TdxDBTreeListColumn* grouped = GroupColumns(GetRowFooterLevel(Node, FooterIndex));
  return grouped && FooterItemOf(*this, grouped->SummaryGroup, Column) >= 0;
}

String TCustomdxDBGrid::GetRowFooterText(TdxTreeListNode* Node, int Column, int FooterIndex) {
  if (FooterIndex == -1) {
    TdxDBTreeListColumn* column = DBColumn(Column);
    return column ? column->GetSummaryFooterText() : String();
  }
  const int level = GetRowFooterLevel(Node, FooterIndex);
  TdxDBTreeListColumn* grouped = GroupColumns(level);
  const int index = grouped ? FooterItemOf(*this, grouped->SummaryGroup, Column) : -1;
  if (index < 0) return String();
  TdxTreeListNode* group = Node;
  while (group->Level() > level) group = group->Parent();
  const std::vector<TdxGroupItemValue>& values = GridNode(group)->ItemValues;
  TdxDBGridSummaryItem* item = grouped->SummaryGroup->SummaryItems()->Items(index);
  return FormatSummaryValue(item->SummaryType(), item->SummaryFormat(), SummaryDateKind(item->Field, item->SummaryType()),
                            spFooter, size_t(index) < values.size() ? values[size_t(index)].Value : 0);
}
