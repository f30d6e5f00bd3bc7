// Row heights: a node's row from its header rows or its text lines, its preview, grid line and
// row footers, kept in the node; the preview's line count; the measuring of multi-line rows cell
// by cell; and the row footers that end at the last leaf of groups.
#include <algorithm>

#include "treelist/dxTL.h"
#include "treelist/dxTLDraw.h"

bool TCustomdxTreeList::IsMultiLineRows() {
  return IsRowAutoHeight() && !IsPreviewVisible() && Metrics().HeaderPanelRowCount == 1;
}

int TCustomdxTreeList::CalcNodeRowHeight(TdxTreeListNode* Node, int LineHeight, bool NoCache) {
  const bool cache = Node && !NoCache && CanCacheRowHeight();
  if (cache && Node->RowHeight != 0) return Node->RowHeight;
  const TdxTreeListMetrics& m = Metrics();
  const bool gridBoth = FLook.ShowGrid && FLook.ShowPreviewGrid;
  const bool group = Node && IsGroupNode(Node);
  const int previewLines = IsPreviewVisible() ? GetPreviewLineCount(Node) : 0;
  int lines = 1;
  if (Node && IsMultiLineRows()) {
    int measured = LineHeight;
    lines = GetNodeLineCount(Node, measured);
    if (lines > 1 && measured == LineHeight)
      LineHeight += (lines - 1) * m.TextHeight;
    else
      LineHeight = std::max(LineHeight, measured);
  }
  int height = FLook.ShowGrid ? GetRowSeparatorWidth() : 0;
  if (group) {
    height += LineHeight;
  } else {
    height += m.HeaderPanelRowCount * LineHeight + previewLines * m.PreviewLineHeight;
    if (previewLines > 0) height += 2 + (gridBoth ? 1 : 0);
  }
  if (!FLook.ShowGrid && Node && Node->HasChildren() && !LeafIndent()) ++height;
  if (gridBoth) --height;
  height += GetRowFooterCount(Node) * m.RowFooterHeight;
  if (cache) {
    Node->RowHeight = height;
    Node->RowLineCount = lines;
  }
  return height;
}

int TCustomdxTreeList::GetPreviewLineCount(TdxTreeListNode* Node) {
  if (!Node) return FLook.PreviewLines;
  if (!IsPreviewVisible()) return 0;
  if (!IsAutoCalcPreviewLines()) return std::max(FLook.PreviewLines, 0);
  int buttons = 0, indent = 0;
  GetNodeIndentWidth(Node, buttons, indent);
  const int width = GetBandsWidth() - (FLook.ShowGrid ? 1 : 0) - indent - FLook.IndentDesc;
  int height = 0;
  return std::max(0, CalcTextLineCount(GetPreviewText(Node), width, Metrics().PreviewLineHeight, FLook.PreviewLines,
                                       FLook.PreviewFont.get(), false, 0, height));
}

// Each shown column's text measured in its display width (the first column less the tree indent,
// the frame of the inverted selection and the grid line taken off); the most lines win, and the
// tallest cell gives LineHeight.
int TCustomdxTreeList::GetNodeLineCount(TdxTreeListNode* Node, int& LineHeight) {
  if (CanCacheRowHeight() && Node->RowHeight != 0) return Node->RowLineCount;
  if (IsGroupNode(Node)) return 1;
  const bool gridBoth = FLook.ShowGrid && FLook.ShowPreviewGrid, invert = IsInvertSelect();
  const int count = GetVisibleColumnCount();
  int buttons = 0, indent = 0;
  GetNodeIndentWidth(Node, buttons, indent);
  int lines = 1, tallest = 0;
  for (int position = 0; position < count; ++position) {
    const int column = GetVisibleColumnAt(position);
    int width = GetColumnPosition(column);
    if (position == 0) width -= indent + (invert ? 1 : 0);
    if (position == count - 1 && invert) --width;
    if (gridBoth) --width;
    int cellLines = 0, cellHeight = 0;
    if (!CalcCellLines(Node, column, GetCellText(Node, column), width, FLook.MaxRowLineCount, cellLines, cellHeight))
      continue;
    cellHeight += (gridBoth ? 1 : 0) + (invert ? 2 : 0);
    lines = std::max(lines, cellLines);
    tallest = std::max(tallest, cellHeight);
  }
  if (tallest > 0) LineHeight = tallest;
  return lines;
}

bool TCustomdxTreeList::CalcCellLines(TdxTreeListNode* Node, int Column, const String& Text, int Width,
                                      int MaxLineCount, int& LineCount, int& LineHeight) {
  (void)Node, (void)Column, (void)Text, (void)Width, (void)MaxLineCount;
  LineCount = 0;
  LineHeight = 0;
  return false;
}

// --- row footers ------------------------------------------------------------------------------------

namespace {

// Calls Visit(level) for each row footer that ends at Node, from the node's parent upward.
template <class F>
void ForEachRowFooterLevel(TCustomdxTreeList& List, TdxTreeListNode* Node, F Visit) {
  if (!Node || !List.IsRowFooterVisible() || Node->HasChildren()) return;
  for (TdxTreeListNode* n = Node; n->Parent() && n->IsLast(); n = n->Parent())
    if (List.IsLevelWithRowFooter(n->Parent()->Level()) && !Visit(n->Parent()->Level())) return;
}

}  // namespace

int TCustomdxTreeList::GetRowFooterCount(TdxTreeListNode* Node) {
  int count = 0;
  ForEachRowFooterLevel(*this, Node, [&](int) { return ++count, true; });
  return count;
}

int TCustomdxTreeList::GetRowFooterLevel(TdxTreeListNode* Node, int N) {
  int level = -1, index = 0;
  ForEachRowFooterLevel(*this, Node, [&](int Level) {
    if (index++ == N) level = Level;
    return level < 0;
  });
  return level;
}

int TCustomdxTreeList::GetRowFooterCountAbove(TdxTreeListNode* Node, int Level) {
  if (!Node || Node->HasChildren() || !Node->IsLast() || !Node->Parent()) return -1;
  int count = 0;
  ForEachRowFooterLevel(*this, Node, [&](int FooterLevel) { return count += FooterLevel < Level, true; });
  return count;
}

TRect TCustomdxTreeList::GetRowFooterRect(const TdxTreeListDrawInfo& Info, TdxTreeListNode* Node, int N,
                                          int RowFootersTop, int RightInset) {
  const TdxTreeListMetrics& m = Metrics();
  const int left = Info.RowsRect.Left;
  TRect r{left + (GetRowFooterLevel(Node, N) + 1 - (RootIndent() ? 0 : 1)) * m.Indent,
          RowFootersTop + N * m.RowFooterHeight, left + GetBandsWidth() - RightInset, 0};
  r.Bottom = r.Top + m.RowFooterHeight;
  if (RectIsPoint(Info.FixedLeftRect)) r.Left -= FLeftCoord;
  r.Right -= FLeftCoord;
  if (!RectIsPoint(Info.FixedRightRect)) r.Right = std::min(r.Right, Info.FixedRightRect.Left);
  r.Left = std::max(r.Left, left);
  return r;
}
