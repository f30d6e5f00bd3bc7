// The group-by panel above the headers: its height and indent, the rectangles of the grouped
// columns' buttons, the insertion position and drop mark of a header dragged over it, its
// painting, and the grid lines' colour that the grouping decides.
#include <algorithm>
#include <utility>

#include "graphics/Gdi.h"
#include "graphics/GdiObjects.h"
#include "grid/dxDBGrid.h"
#include "grid/dxDBGridStrings.h"
#include "windows/Paint.h"
#include "windows/Scrolling.h"
#include "windows/Timers.h"

namespace {

// Each grouping level indents the rows by one tree level.
constexpr int GroupLevelIndent = 16;

}  // namespace

int TCustomdxDBGrid::GetGroupPanelHeight() {
  if (!FShowGroupPanel) return 0;
  const int row = GetHeaderRowHeight();
  return (std::max(GroupColumnCount(), 1) - 1) * (row / 2) + row + 16;
}

int TCustomdxDBGrid::GetGroupIndentWidth() { return GroupColumnCount() * GroupLevelIndent; }

TRect TCustomdxDBGrid::GroupPanelColumnRect(int N) {
  const int row = GetHeaderRowHeight();
  const int top = (row / 2) * N + 8;
  return Rect(104 * N + 8, top, 104 * N + 108, top + row);
}

bool TCustomdxDBGrid::IsInGroupPanel(TPoint ClientPoint) {
  return FShowGroupPanel && ClientPoint.Y >= 0 && ClientPoint.Y < GetGroupPanelHeight() && ClientPoint.X >= 0 &&
         ClientPoint.X < ClientWidth();
}

TdxDBTreeListColumn* TCustomdxDBGrid::GroupPanelColumnAt(int X, int Y) {
  if (!IsInGroupPanel(Point(X, Y))) return nullptr;
  for (int n = 0; n < GroupColumnCount(); ++n)
    if (PtInRect(GroupPanelColumnRect(n), Point(X, Y))) return GroupColumns(n);
  return nullptr;
}

int TCustomdxDBGrid::GroupPanelInsertPosition(int X) {
  int position = 0;
  while (position < GroupColumnCount()) {
    const TRect button = GroupPanelColumnRect(position);
    if ((button.Left + button.Right) / 2 > X) break;
    ++position;
  }
  return position;
}

bool TCustomdxDBGrid::CalcGroupPanelDropInfo(TdxTreeListColumn* Dragged, TPoint& ScreenPoint) {
  if (!FShowGroupPanel || !Dragged) return false;
  const TPoint client = ScreenToClient(ScreenPoint);
  if (!IsInGroupPanel(client)) return false;
  ScreenPoint = Point(-100, -100);
  auto* column = dynamic_cast<TdxDBTreeListColumn*>(Dragged);
  const bool grouped = std::find(FGroupColumns.begin(), FGroupColumns.end(), column) != FGroupColumns.end();
  if (!grouped && !CanAddGroupColumn(column)) return true;
  const TRect button = GroupPanelColumnRect(GroupPanelInsertPosition(client.X));
  ScreenPoint = ClientToScreen(Point(button.Left - 5, button.Top - 9));
  return true;
}

// Over the panel no place among the headers is offered, only the panel's own drop mark.
TCustomdxDBGrid::TDropInfo TCustomdxDBGrid::CalcHeaderDropInfo(TPoint ScreenPoint, bool BandMode) {
  if (BandMode || !CalcGroupPanelDropInfo(GetColumn(DraggedHeader()), ScreenPoint))
    return TCustomdxDBTreeListControl::CalcHeaderDropInfo(ScreenPoint, BandMode);
  TDropInfo drop;
  drop.Arrows = ScreenPoint;
  return drop;
}

// The uncovered strip takes the panel's shadow as the panel comes in, the grid's colour as it
// goes; the step starts at a 256th of the height and grows once 20 pixels have moved.
void TCustomdxDBGrid::SlideGroupPanel(bool Showing) {
  const bool shown = std::exchange(FShowGroupPanel, true);
  const int distance = GetGroupPanelHeight();
  FShowGroupPanel = shown;
  const TRect area = ClientRect();
  ValidateRect(Handle(), nullptr);
  const HDC dc = GetDC(Handle());
  const HBRUSH strip = Showing ? GetSysColorBrush(COLOR_BTNSHADOW) : CreateSolidBrush(Color());
  const DWORD start = GetTickCount();
  int step = std::max(area.Height() / 256, 1), moved = 0;
  while (moved < distance && GetTickCount() - start < 400) {
    int dy = step;
    if (dy > (distance - moved) / 2) dy = distance - moved;
    ScrollWindowEx(Handle(), 0, Showing ? dy : -dy, &area, &area, nullptr, nullptr, SW_INVALIDATE);
    FillRect(dc,
             Showing ? Rect(area.Left, area.Top, area.Right, area.Top + dy)
                     : Rect(area.Left, area.Bottom - dy, area.Right, area.Bottom),
             strip);
    moved += dy;
    if (moved > 20) ++step;
  }
  ReleaseDC(Handle(), dc);
}

// --- painting ---------------------------------------------------------------------------------------

namespace {

// A grouped column's button: a header face with the caption and, when sorted, a sort mark.
void DrawGroupButton(TCanvas* Canvas, TRect Rect, TdxDBTreeListColumn* Column, TCustomdxDBGrid& Grid) {
  Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  Canvas->Brush()->SetColor(Grid.HeaderColor());
  Canvas->FillRect(Rect);
  TRect edge = Rect;
  if (Grid.LookAndFeel() == lfStandard) {
    DrawEdge(Canvas->Handle(), edge, EDGE_RAISED, BF_RECT);
  } else {
    Canvas->Brush()->SetColor(clBtnShadow);
    Canvas->FrameRect(edge);
  }
  Canvas->Font()->Assign(Grid.HeaderFont());
  Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  TRect text{Rect.Left + 4, Rect.Top, Rect.Right - 16, Rect.Bottom};
  DrawText(Canvas->Handle(), Column->Caption(), -1, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (Column->Sorted() == csNone) return;
  const int x = Rect.Right - 12, y = (Rect.Top + Rect.Bottom) / 2;
  Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  Canvas->Brush()->SetColor(clBtnShadow);
  Canvas->Pen()->SetColor(clBtnShadow);
  if (Column->Sorted() == csUp)
    Canvas->Polygon({Point(x, y + 2), Point(x + 6, y + 2), Point(x + 3, y - 2)});
  else
    Canvas->Polygon({Point(x, y - 2), Point(x + 6, y - 2), Point(x + 3, y + 2)});
}

}  // namespace

void TCustomdxDBGrid::DrawGroupPanel(TCanvas* Canvas, const TRect& Rect) {
  if (OnBackgroundDrawEvent) {
    OnBackgroundDrawEvent(this, Canvas, Rect);
  } else {
    // The ultra-flat look keeps the brush it was given for the default shadow colour.
    if (LookAndFeel() != lfUltraFlat || FGroupPanelColor != clBtnShadow) Canvas->Brush()->SetColor(FGroupPanelColor);
    Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas->FillRect(Rect);
  }
  if (FGroupColumns.empty()) {
    Canvas->Font()->Assign(HeaderFont());
    Canvas->Font()->SetColor(FGroupPanelFontColor);
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    TRect text = Rect;
    DrawText(Canvas->Handle(), " " + dxGridText(dxSGroupPanelText), -1, text,
             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
    return;
  }
  Canvas->Pen()->SetColor(clBtnText);
  for (int n = 0; n + 1 < GroupColumnCount(); ++n) {
    const TRect from = GroupPanelColumnRect(n), to = GroupPanelColumnRect(n + 1);
    const int x = from.Left + 10, y = (to.Top + to.Bottom) / 2;
    Canvas->MoveTo(x, from.Bottom);
    Canvas->LineTo(x, y);
    Canvas->LineTo(to.Left, y);
  }
  for (int n = 0; n < GroupColumnCount(); ++n) {
    const TRect button = GroupPanelColumnRect(n);
    TRect common;
    if (IntersectRect(common, button, Rect)) DrawGroupButton(Canvas, button, GroupColumns(n), *this);
  }
}

TColor TCustomdxDBGrid::GetGridLineColor(TColor Background) {
  if (GridLineColor() != clNone) return GridLineColor();
  if (!FGroupColumns.empty()) return clBtnShadow;
  const COLORREF face = ColorToRGB(clBtnFace);
  const bool plainFace = face == 0 || face == 0xFFFFFF;
  return Background != clBtnFace && !plainFace ? clBtnFace : clBtnShadow;
}

// --- grouping by a dragged column -------------------------------------------------------------------

void TCustomdxDBGrid::DropColumnOnGroupPanel(TdxDBTreeListColumn* Column, int X) {
  if (!Column) return;
  int position = GroupPanelInsertPosition(X);
  if (const int current = Column->GroupIndex(); current != -1) {
    // The column's own button does not count: dropped after it, it stays where it is.
    if (position > current) --position;
    position = std::min(position, GroupColumnCount() - 1);
  }
  bool allow = true;
  DoEndDragGroupColumn(Column, position, allow);
  if (allow) Column->SetGroupIndex(position);
  if (!Column->Visible() && Column->GroupIndex() == -1 && OnShowHeader) OnShowHeader(this, Column, -1, -1, -1);
}

void TCustomdxDBGrid::DragColumnOffGroupPanel(TdxDBTreeListColumn* Column) {
  const auto at = std::find(FGroupColumns.begin(), FGroupColumns.end(), Column);
  if (at == FGroupColumns.end()) return;
  RemoveGroupColumn(int(at - FGroupColumns.begin()));
  if (InCursorMode()) ClearCursorModeSorting();
  if (!Column->Visible() && OnHideHeader) OnHideHeader(this, Column);
}
