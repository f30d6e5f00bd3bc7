// Sizing by the mouse: the inverted line that follows the pointer while a band, a column, a panel
// or the rows are sized, its limits, and the size applied on release; and the bracket that takes
// every drag feedback off the window while it paints or scrolls.
#include "controls/DragDrop.h"
#include "graphics/Gdi.h"
#include "rtl/ScopeExit.h"
#include "treelist/dxTL.h"
#include "windows/Paint.h"

namespace {

const TdxTreeListBandInfo* FindBandInfo(const TdxTreeListDrawInfo& Info, int Band) {
  for (const TdxTreeListBandInfo& b : Info.Bands)
    if (b.Band == Band) return &b;
  return nullptr;
}

const TdxTreeListHeaderInfo* FindHeaderInfo(const TdxTreeListDrawInfo& Info, int Column) {
  for (const TdxTreeListHeaderInfo& h : Info.Headers)
    if (h.Column == Column) return &h;
  return nullptr;
}

}  // namespace

// The line inverts what lies beneath it, so the same call draws and erases it.
void TCustomdxTreeList::DrawSizingLine() {
  if (!HandleAllocated()) return;
  TdxTreeListDrawInfo info;
  CalcRectInfo(info);
  const TRect& rows = info.RowsRect;
  TRect line;
  switch (FState) {
    case tlsColumnSizing: case tlsBandSizing: {
      int top = IsRectEmpty(info.HeaderRect) ? rows.Top : info.HeaderRect.Top;
      if (FState == tlsBandSizing && !IsRectEmpty(info.BandRect)) top = info.BandRect.Top;
      line = {FDrag.SizingPos, top, FDrag.SizingPos + (FState == tlsBandSizing ? 2 : 1), rows.Bottom};
      break;
    }
    case tlsRowSizing:
      line = {IsRectEmpty(info.IndicatorRect) ? rows.Left : info.IndicatorRect.Left, FDrag.SizingPos, rows.Right,
              FDrag.SizingPos + 1};
      break;
    case tlsBandPanelSizing: case tlsHeaderPanelSizing:
      line = {rows.Left, FDrag.SizingPos, rows.Right, FDrag.SizingPos + 2};
      break;
    default:
      return;
  }
  HDC dc = GetDC(Handle());
  InvertRect(dc, line);
  ReleaseDC(Handle(), dc);
  FDrag.SizingLineShown = !FDrag.SizingLineShown;
}

// --- limits ----------------------------------------------------------------------------------------------

int TCustomdxTreeList::ClampSizingLine(int Position) {
  TdxTreeListDrawInfo info;
  CalcGeometry(info);
  const TdxTreeListHitInfo& down = FPress.DownHitInfo;
  const int clientWidth = ClientWidth();
  switch (FState) {
    case tlsBandSizing: {
      const TdxTreeListBandInfo* band = FindBandInfo(info, down.Band);
      if (!band) return Position;
      // The line at Left + width - 2 gives the band that width on release.
      const int least = band->Rect.Left + GetBandMinWidth(down.Band) - 2 + (down.Band == 0 ? GetGroupIndentWidth() : 0);
      return std::max(std::min(Position, IsFullSizing() ? 100000 : clientWidth - 2), least);
    }
    case tlsColumnSizing: {
      const TdxTreeListHeaderInfo* header = FindHeaderInfo(info, down.Column);
      if (!header) return Position;
      const int indent = header->First && header->Row == 0 ? GetGroupIndentWidth() : 0;
      // The line at Left + width - 1 gives the column that width on release.
      const int least = header->Rect.Left + GetColumnMinWidth(down.Column) - 1 + indent;
      int most = clientWidth - 1;
      if (!IsAutoWidth() && IsFullSizing())
        most = 100000;
      else if (!(IsBandHeaderWidth() && !FLook.ShowBands))
        if (const TdxTreeListBandInfo* band = FindBandInfo(info, header->Band)) most = band->Rect.Right;
      return std::max(std::min(Position, most), least);
    }
    case tlsBandPanelSizing:
      return info.BandRect.Top + SnappedBandRows(Position) * Metrics().BandLineHeight + 5 + (Metrics().Flat ? 0 : 1);
    case tlsHeaderPanelSizing:
      return info.HeaderRect.Top + SizedHeaderRows(Position) * Metrics().HeaderRowHeight;
    case tlsRowSizing: {
      const TRect row = GetNodeRect(FPress.PressedNode);
      if (row.Top == -1 && row.Bottom == -1) return Position;
      const int least = row.Top + CalcNodeRowHeight(FPress.PressedNode, Metrics().RowLineHeight, true);
      const int most = (IsRectEmpty(info.FooterRect) ? info.RowsRect.Bottom : info.FooterRect.Top) - 1;
      return std::max(std::min(Position, most), least);
    }
    default:
      return Position;
  }
}

// The band rows whose boundary lies nearest the line: row k's boundary is k band lines below the
// band area's top (and 5 or 6 pixels more).
int TCustomdxTreeList::SnappedBandRows(int Position) {
  TdxTreeListDrawInfo info;
  CalcRectInfo(info);
  const int line = Metrics().BandLineHeight, extra = 5 + (Metrics().Flat ? 0 : 1);
  int rows = 1;
  while (rows < GetBandMaxRowCount() && Position > info.BandRect.Top + rows * line + extra + line / 2) ++rows;
  return rows;
}

int TCustomdxTreeList::SizedHeaderRows(int Position) {
  TdxTreeListDrawInfo info;
  CalcRectInfo(info);
  // One header row of the panel is one step.
  const int line = std::max(Metrics().HeaderRowHeight, 1);
  return std::clamp((Position - info.HeaderRect.Top + line / 2) / line, 1, std::max(GetHeaderPanelMaxRowCount(), 1));
}

// --- the size applied on release --------------------------------------------------------------------------

void TCustomdxTreeList::ApplySizing() {
  const int position = ClampSizingLine(FDrag.SizingPos);
  TdxTreeListDrawInfo info;
  CalcGeometry(info);
  const TdxTreeListHitInfo& down = FPress.DownHitInfo;
  switch (FState) {
    case tlsBandSizing:
      if (position == FDrag.SizingStart) return;
      if (const TdxTreeListBandInfo* band = FindBandInfo(info, down.Band)) {
        ApplyBandWidth(down.Band, position - band->Rect.Left + 2);
        DoChangedColumnsWidth();
      }
      break;
    case tlsColumnSizing:
      if (position == FDrag.SizingStart) return;
      if (const TdxTreeListHeaderInfo* header = FindHeaderInfo(info, down.Column)) {
        const int indent = header->First && header->Row == 0 ? GetGroupIndentWidth() : 0;
        ApplyColumnWidth(down.Column, position - header->Rect.Left + 1 - indent);
        DoChangedColumnsWidth();
      }
      break;
    case tlsBandPanelSizing:
      SetBandRowCountByUser(SnappedBandRows(position));
      break;
    case tlsHeaderPanelSizing:
      SetHeaderPanelRowCountByUser(SizedHeaderRows(position));
      break;
    case tlsRowSizing: {
      if (position == FDrag.SizingStart || !FPress.PressedNode) return;
      const TRect row = GetNodeRect(FPress.PressedNode);
      int height = Metrics().RowLineHeight;
      while (CalcNodeRowHeight(FPress.PressedNode, height + 1, true) <= position - row.Top) ++height;
      SetRowHeightByUser(height);
      break;
    }
    default:
      break;
  }
}

// --- drag feedback around painting ----------------------------------------------------------------------

void TCustomdxTreeList::HideDragFeedback() {
  if (FDrag.FeedbackHideCount++ > 0) return;
  FDrag.FeedbackLineHidden = FDrag.SizingLineShown;
  if (FDrag.FeedbackLineHidden) DrawSizingLine();
  if (FDrag.DropArrows) FDrag.DropArrows->Hide();
  if (FDrag.HeaderDragImage) FDrag.HeaderDragImage->Hide();
  if (auto* drag = dynamic_cast<TDragObject*>(FDragObject)) drag->HideDragImage();
}

void TCustomdxTreeList::WithoutDragFeedback(const std::function<void()>& Work) {
  HideDragFeedback();
  Bracket(Work, [this] { ShowDragFeedback(); });
}

void TCustomdxTreeList::ShowDragFeedback() {
  if (FDrag.FeedbackHideCount == 0 || --FDrag.FeedbackHideCount > 0) return;
  if (FDrag.FeedbackLineHidden && !FDrag.SizingLineShown) DrawSizingLine();
  FDrag.FeedbackLineHidden = false;
  if (FDrag.DropArrows && FDrag.DropArrowsShown) ShowDropArrows();
  if (FDrag.HeaderDragImage) ShowHeaderDragImage();
  if (auto* drag = dynamic_cast<TDragObject*>(FDragObject)) drag->ShowDragImage();
}
