// The rows of a dock site: which row and column a point joins (the zones across each row), and
// putting a toolbar window in, taking it out and moving it.
#include <algorithm>

#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarManager.h"

namespace {

constexpr int kZone = TdxBars::DockingZoneSize;
// The distance of the new-row band from a row's near edge, and its width.
constexpr int kBandOffset = (kZone - 5) / 2;
constexpr int kBandWidth = 5;

bool IsNearSide(TdxBarDockingStyle Side) { return Side == dsLeft || Side == dsTop; }

}  // namespace

// --- rows and columns ---------------------------------------------------------------------------

int TdxDockRow::IndexOf(const TdxDockCol* Col) const {
  for (int i = 0; i < ColCount(); ++i)
    if (Cols(i) == Col) return i;
  return -1;
}

TdxDockCol* TdxDockRow::FindCol(const TdxBarControl* BarControl) const {
  for (const auto& col : FCols)
    if (col->BarControl() == BarControl) return col.get();
  return nullptr;
}

TdxDockCol* TdxDockRow::InsertCol(int Index, TdxBarControl* BarControl) {
  Index = std::clamp(Index, 0, ColCount());
  return FCols.insert(FCols.begin() + Index, std::make_unique<TdxDockCol>(this, BarControl))->get();
}

void TdxDockRow::DeleteCol(const TdxDockCol* Col) {
  std::erase_if(FCols, [Col](const std::unique_ptr<TdxDockCol>& c) { return c.get() == Col; });
}

int TdxDockControl::IndexOfRow(const TdxDockRow* Row) const {
  for (int i = 0; i < RowCount(); ++i)
    if (Rows(i) == Row) return i;
  return -1;
}

TdxDockCol* TdxDockControl::FindCol(const TdxBarControl* BarControl) const {
  for (const auto& row : FRows)
    if (TdxDockCol* col = row->FindCol(BarControl)) return col;
  return nullptr;
}

// --- geometry -----------------------------------------------------------------------------------

int TdxDockControl::GetRowSize(int Row) const {
  if (Row < 0 || Row >= RowCount()) return 0;
  int size = 0;
  const TdxDockRow* row = Rows(Row);
  for (int i = 0; i < row->ColCount(); ++i) {
    const TdxBarControl* window = row->Cols(i)->BarControl();
    size = std::max(size, IsHorizontal() ? window->Height() : window->Width());
  }
  return size;
}

int TdxDockControl::GetRowsSize() const {
  int size = 0;
  for (int i = 0; i < RowCount(); ++i) size += GetRowSize(i);
  return size;
}

// While a bar is dragged, the rows of a right or bottom site keep their distance from its far edge
// as the site changes size.
TRect TdxDockControl::GetRowRect(int Row) const {
  if (Row < 0 || Row >= RowCount()) return TRect{};
  const TRect client = ClientRect();
  const bool fromFar = !IsNearSide(DockingStyle()) && FBarManager && FBarManager->Bars()->DragState().Dragging;
  int start = 0;
  if (fromFar) {
    start = IsHorizontal() ? client.Height() : client.Width();
    for (int i = Row; i < RowCount(); ++i) start -= GetRowSize(i);
  } else {
    for (int i = 0; i < Row; ++i) start += GetRowSize(i);
  }
  const int end = start + GetRowSize(Row);
  return IsHorizontal() ? TRect{0, start, client.Width(), end} : TRect{start, 0, end, client.Height()};
}

TRect TdxDockControl::GetDockingZone() const {
  TRect r = BoundsRect();
  if (Parent()) {
    const TPoint origin = Parent()->ClientToScreen(TPoint{0, 0});
    OffsetRect(r, origin.X, origin.Y);
  }
  InflateRect(r, kZone, IsHorizontal() ? kZone : 0);
  return r;
}

void TdxDockControl::GetRowZone(int Row, int Zone, int& Start, int& End) const {
  const TRect client = ClientRect();
  const int across = IsHorizontal() ? client.Height() : client.Width();
  const int rows = GetRowsSize();
  const bool near = IsNearSide(DockingStyle());
  int s, e;
  if (Row < 0) {
    s = near ? -kZone : across - rows - kZone;
    e = s + kZone;
  } else if (Row >= RowCount()) {
    s = near ? rows : across;
    e = s + kZone;
  } else {
    const TRect r = GetRowRect(Row);
    s = IsHorizontal() ? r.Top : r.Left;
    e = IsHorizontal() ? r.Bottom : r.Right;
  }
  const int band = near ? s + kBandOffset : e - kBandOffset - kBandWidth;
  switch (Zone) {
    case 0: Start = s, End = band; break;
    case 1: Start = band, End = band + kBandWidth; break;
    default: Start = band + kBandWidth, End = e; break;
  }
}

// A point in the first zone of a row joins it, in the band opens a new row after it, and in the
// last zone joins the row after it.
int TdxDockControl::FindRowAtPoint(TPoint Point, bool& NewRow) const {
  NewRow = true;
  if (RowCount() == 0) return 0;
  const TPoint p = ScreenToClient(Point);
  const int across = IsHorizontal() ? p.Y : p.X;
  for (int row = -1; row < RowCount(); ++row)
    for (int zone = 0; zone < 3; ++zone) {
      int start, end;
      GetRowZone(row, zone, start, end);
      if (across < start || across >= end) continue;
      const int found = zone == 0 ? row : row + 1;
      if (found < 0) return across < GetRowsSize() ? 0 : RowCount();
      NewRow = zone == 1 || found >= RowCount();
      return found;
    }
  return across < GetRowsSize() ? 0 : RowCount();
}

int TdxDockControl::FindColAtPoint(int Row, TPoint Point) const {
  if (Row < 0 || Row >= RowCount() || Rows(Row)->ColCount() == 0) return 0;
  TPoint p = ScreenToClient(Point);
  const TdxBarDragState& drag = FBarManager->Bars()->DragState();
  if (drag.Dragging && drag.Control && !drag.Control->InUpdate()) {
    const TPoint offset = drag.Control->GetFrameOffset(DockingStyle());
    p.X -= offset.X;
    p.Y -= offset.Y;
  }
  const TdxDockRow* row = Rows(Row);
  for (int i = 0; i < row->ColCount(); ++i) {
    const TdxBar* bar = row->Cols(i)->BarControl()->Bar();
    if ((IsHorizontal() ? bar->DockedLeft() : bar->DockedTop()) >= (IsHorizontal() ? p.X : p.Y)) return i;
  }
  return row->ColCount();
}

// The middle of the new-row band before Row for a bar alone on its row, else the middle of the
// zones on either side of Row's near edge (the far zone no longer than the near one).
void TdxDockControl::GetRowDragPoint(int Row, bool OneOnRow, TPoint& Point) const {
  TPoint p = ScreenToClient(Point);
  int start, end;
  if (OneOnRow && Row < RowCount()) {
    GetRowZone(Row - 1, 1, start, end);
  } else {
    int s2, e2, s0, e0;
    GetRowZone(Row - 1, 2, s2, e2);
    GetRowZone(Row, 0, s0, e0);
    start = std::max(s2, e2 - (e0 - s0));
    end = e0;
  }
  (IsHorizontal() ? p.Y : p.X) = (start + end) / 2;
  Point = ClientToScreen(p);
}

// --- putting windows in and out -----------------------------------------------------------------

void TdxDockControl::InsertBarControl(TdxBarControl* BarControl, TPoint Point, bool Update) {
  if (!FBarManager) return;
  TdxBars* bars = FBarManager->Bars();
  const TdxBar* bar = BarControl->Bar();
  const bool placing = BarControl->InUpdate();
  const bool restoring = placing && bars->RestoringLayout();
  bool newRow;
  int row;
  if (placing) {
    row = bar->Row();
    newRow = bar->OneOnRow();
  } else {
    row = FindRowAtPoint(Point, newRow);
  }
  if (bar->WholeRow()) newRow = true;
  if (restoring) {
    while (RowCount() <= row) FRows.push_back(std::make_unique<TdxDockRow>(this));
  } else {
    row = std::max(0, std::min(row, newRow ? RowCount() : RowCount() - 1));
  }
  if (row >= RowCount()) newRow = true;
  if (!newRow) {
    const TdxDockRow* existing = Rows(row);
    for (int i = 0; i < existing->ColCount(); ++i) {
      const TdxBarControl* other = existing->Cols(i)->BarControl();
      if (other != BarControl && other->Bar()->WholeRow()) newRow = true;
    }
  }
  TdxDockCol* col;
  if (newRow) {
    if (!restoring || row >= RowCount()) FRows.insert(FRows.begin() + row, std::make_unique<TdxDockRow>(this));
    col = Rows(row)->InsertCol(Rows(row)->ColCount(), BarControl);
  } else {
    col = Rows(row)->InsertCol(FindColAtPoint(row, Point), BarControl);
  }
  if (!placing) {
    const TdxBarDragState& drag = bars->DragState();
    const TPoint offset = BarControl->GetFrameOffset(DockingStyle());
    if (drag.Dragging) Point = TPoint{Point.X - drag.Offset2.X, Point.Y - drag.Offset2.Y};
    Point = TPoint{Point.X - offset.X, Point.Y - offset.Y};
  }
  TPoint pos = ScreenToClient(Point);
  (IsHorizontal() ? pos.X : pos.Y) = std::max(IsHorizontal() ? pos.X : pos.Y, 0);
  col->Pos = pos;
  if (!Update) return;
  BarControl->SetBounds(pos.X, pos.Y, BarControl->Width(), BarControl->Height());
  UpdateDock();
  if (!restoring) col->Pos = TPoint{BarControl->Left(), BarControl->Top()};
}

void TdxDockControl::ExtractBarControl(TdxBarControl* BarControl, TdxDockCol* Col, bool Update) {
  if (!Col) Col = FindCol(BarControl);
  if (!Col) return;
  TdxDockRow* row = Col->Row();
  row->DeleteCol(Col);
  if (row->ColCount() == 0) std::erase_if(FRows, [row](const std::unique_ptr<TdxDockRow>& r) { return r.get() == row; });
  if (Update) UpdateDock();
}

void TdxDockControl::MoveBarControl(TdxBarControl* BarControl, TPoint Point) {
  ExtractBarControl(BarControl, nullptr, false);
  InsertBarControl(BarControl, Point, true);
}

void TdxDockControl::StorePositions() {
  for (const auto& row : FRows)
    for (int i = 0; i < row->ColCount(); ++i) {
      TdxDockCol* col = row->Cols(i);
      col->Pos = TPoint{col->BarControl()->Left(), col->BarControl()->Top()};
    }
}
