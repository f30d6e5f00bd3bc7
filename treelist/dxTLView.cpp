// What the window shows: the horizontal position of the scrolling bands, bands and columns brought
// into view, repaints limited to the rows that changed, and the rows in view kept right when the
// control changes size.
#include <algorithm>

#include "treelist/dxTL.h"
#include "windows/Paint.h"

void TCustomdxTreeList::SetLeftCoord(int Value) {
  CloseEditor();
  Value = std::clamp(Value, 0, std::max(0, GetScrollableBandsWidth() - GetScrollableClientWidth()));
  if (Value == FLeftCoord) return;
  const int distance = FLeftCoord - Value;
  FLeftCoord = Value;
  if (FLockUpdate == 0 && HandleAllocated()) {
    UpdateScrollBars();
    // Without fixed bands a move of at most the visible width shifts the painted bands.
    if (std::abs(distance) <= GetScrollableClientWidth() && GetFixedLeftBand() < 0 && GetFixedRightBand() < 0) {
      WithoutDragFeedback([&] { ScrollBandsArea(distance); });
    } else {
      Invalidate();
    }
  }
  DoChangeLeftCoord();
}

void TCustomdxTreeList::DoChangeLeftCoord() {
  if (OnChangeLeftCoord) OnChangeLeftCoord(this);
}

namespace {

// Scrolls so that Left .. Right of the scrolling bands shows: to Left when it lies left of the
// view, else by what Right overflows, never past Left.
void ScrollIntoView(TCustomdxTreeList& List, int Left, int Right) {
  const int view = List.GetScrollableClientWidth();
  if (Left < List.LeftCoord())
    List.SetLeftCoord(Left);
  else if (Right > List.LeftCoord() + view)
    List.SetLeftCoord(std::min(Left, Right - view));
}

bool IsFixedBand(TCustomdxTreeList& List, int Band) {
  return Band == List.GetFixedLeftBand() || Band == List.GetFixedRightBand();
}

}  // namespace

void TCustomdxTreeList::MakeBandVisible(int Band) {
  const int count = GetVisibleBandCount();
  if (count < 2 || Band < 0 || Band >= count || IsFixedBand(*this, Band)) return;
  const int left = GetBandOffset(Band);
  ScrollIntoView(*this, left, left + CalcBandWidth(Band) + (Band == 0 ? GetGroupIndentWidth() : 0));
}

void TCustomdxTreeList::MakeColumnVisible(int Column) {
  for (int b = 0; b < GetVisibleBandCount(); ++b)
    for (int r = 0; r < GetBandRowCount(b); ++r)
      for (int p = 0; p < GetBandRowColumnCount(b, r); ++p) {
        if (GetBandColumn(b, r, p) != Column) continue;
        if (IsFixedBand(*this, b)) return;
        const std::vector<int> widths = CalcRowColumnWidths(b, r);
        int left = GetBandOffset(b);
        for (int q = 0; q < p; ++q) left += widths[size_t(q)];
        return ScrollIntoView(*this, left, left + widths[size_t(p)]);
      }
}

// --- repaints -----------------------------------------------------------------------------------------

void TCustomdxTreeList::InvalidateRect(const TRect& Rect) {
  if (HandleAllocated()) ::InvalidateRect(Handle(), &Rect, false);
}

// A row is repainted with its indicator cell; from the node down, the rest of the rows area
// follows. A node above the rows in view moves every row in view; one below them changes nothing.
void TCustomdxTreeList::InvalidateNode(TdxTreeListNode* Node, bool FromNodeDown) {
  if (FLockUpdate != 0 || !HandleAllocated() || !Node) return;
  TRect r = FromNodeDown ? GetNodeFullRect(Node) : GetNodeRect(Node);
  if (r.Left == -1 && r.Right == -1) {
    const int index = GetAbsoluteIndex(Node), top = GetTopIndex();
    if (!FromNodeDown || index < 0 || index >= top) return;
    r = GetRowsRect();
  }
  r.Left = ClientRect().Left;
  InvalidateRect(r);
}

void TCustomdxTreeList::Resize() {
  TCustomdxContainer::Resize();
  ClearRowHeightCache();
  // The metrics exist once the control was first laid out; until then nothing is in view.
  if (FMeasures.Calculated) CalcVisibleRowCounts();
}
