// Plain text of the headers and rows, and copying shown or selected rows to a string list and the
// clipboard: TAB between cells, one line per row after a header line.
#include <algorithm>

#include "treelist/dxTL.h"
#include "windows/Clipboard.h"

namespace {

String JoinByTab(const std::vector<String>& Cells) {
  String text;
  for (size_t i = 0; i < Cells.size(); ++i) text += (i ? "\t" : "") + Cells[i];
  return text;
}

// The header line without its line end: the list adds its own.
String HeaderLine(TCustomdxTreeList& List) {
  String header = List.GetHeadersAsText();
  if (header.size() >= 2) header.resize(header.size() - 2);
  return header;
}

}  // namespace

String TCustomdxTreeList::GetHeadersAsText() {
  std::vector<String> captions;
  for (int p = 0, count = GetVisibleColumnCount(); p < count; ++p)
    captions.push_back(GetColumnHeaderText(GetVisibleColumnAt(p)));
  return JoinByTab(captions) + "\r\n";
}

String TCustomdxTreeList::GetNodeAsText(TdxTreeListNode* Node) {
  if (IsGroupNode(Node)) return GetCellText(Node, 0);
  std::vector<String> cells;
  for (int p = 0, count = GetVisibleColumnCount(); p < count; ++p) cells.push_back(GetCellText(Node, GetVisibleColumnAt(p)));
  return JoinByTab(cells);
}

void TCustomdxTreeList::CopyAllToStrings(TStrings* Strings) {
  Strings->Add(HeaderLine(*this));
  for (TdxTreeListNode* node = GetFirstNode(); node; node = GetNextVisibleNode(node)) Strings->Add(GetNodeAsText(node));
}

void TCustomdxTreeList::CopySelectedToStrings(TStrings* Strings) {
  Strings->Add(HeaderLine(*this));
  if (!IsMultiSelect()) {
    if (FFocus.Node) Strings->Add(GetNodeAsText(FFocus.Node));
    return;
  }
  std::vector<TdxTreeListNode*> nodes;
  for (int i = 0; i < GetSelectedCount(); ++i) nodes.push_back(GetSelectedItem(i));
  std::stable_sort(nodes.begin(), nodes.end(),
                   [](const TdxTreeListNode* a, const TdxTreeListNode* b) { return CompareNodeOrder(a, b) < 0; });
  for (TdxTreeListNode* node : nodes) Strings->Add(GetNodeAsText(node));
}

void TCustomdxTreeList::CopySelectedToClipboard() {
  TStringList lines;
  CopySelectedToStrings(&lines);
  Clipboard().SetAsText(lines.Text());
}
