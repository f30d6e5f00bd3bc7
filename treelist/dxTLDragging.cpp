// Moving headers and bands with the mouse (an image of the moved one follows the pointer, drop
// arrows mark where it would go, the bands scroll at the area's edges) and dragging nodes through
// the program's drag-and-drop, with scrolling at the edges and expanding on hover.
#include <algorithm>

#include "controls/Application.h"
#include "controls/DragDrop.h"
#include "graphics/Gdi.h"
#include "treelist/dxTL.h"
#include "windows/Input.h"
#include "windows/Paint.h"
#include "windows/Window.h"

namespace {

// The edge strips of the scrolling areas that scroll a drag.
constexpr int DragScrollEdge = 12;

TPoint ToScreen(HWND Wnd, TPoint Point) {
  ::ClientToScreen(Wnd, Point);
  return Point;
}

// The first header or band whose shown part holds the point.
template <class TEntry>
const TEntry* ShownAt(const std::vector<TEntry>& Entries, TPoint Point) {
  for (const TEntry& e : Entries)
    if (PtInRect(e.ClipRect, Point)) return &e;
  return nullptr;
}

}  // namespace

// --- starting a move ------------------------------------------------------------------------------------

void TCustomdxTreeList::StartDragHeader(int Column) { StartMoving(tlsHeaderDragging, Column); }

TRect TCustomdxTreeList::GetDragHeaderRect(int Column) {
  TdxTreeListDrawInfo info;
  CalcGeometry(info);
  for (const TdxTreeListHeaderInfo& h : info.Headers)
    if (h.Column == Column) return h.Rect;
  return TRect();
}

void TCustomdxTreeList::StartDragBand(int Band) { StartMoving(tlsBandDragging, Band); }

// The moved header or band is painted as the control shows it into an image that follows the
// pointer; its hot spot is the image's centre.
void TCustomdxTreeList::StartMoving(TdxTreeListState State, int Item) {
  TRect source;
  if (State == tlsHeaderDragging) {
    source = GetDragHeaderRect(Item);
  } else {
    TdxTreeListDrawInfo info;
    CalcGeometry(info);
    for (const TdxTreeListBandInfo& b : info.Bands)
      if (b.Band == Item) source = b.Rect;
  }
  if (IsRectEmpty(source) || !HandleAllocated()) return CancelDragOperation();
  FDrag.MovedImage = std::make_unique<TBitmap>();
  FDrag.MovedImage->SetSize(source.Width(), source.Height());
  TBitmap whole;
  whole.SetSize(ClientWidth(), ClientHeight());
  PaintTo(whole.Canvas()->Handle(), 0, 0);
  BitBlt(FDrag.MovedImage->Canvas()->Handle(), 0, 0, source.Width(), source.Height(), whole.Canvas()->Handle(), source.Left,
         source.Top, SRCCOPY);
  FDrag.DraggedHeader = State == tlsHeaderDragging ? Item : -1;
  FDrag.DraggedBand = State == tlsBandDragging ? Item : -1;
  FDropInfo = TDropInfo();
  const int line = State == tlsBandDragging ? Metrics().BandLineHeight : Metrics().HeaderLineHeight;
  FDrag.DropArrows = std::make_unique<TScreenOverlay>(TRect{0, 0, 11, line + 18});
  FDrag.DropArrowsShown = false;
  FDrag.HeaderDragImage = std::make_unique<TScreenOverlay>(TRect{0, 0, source.Width(), source.Height()});
  SetState(State);
  TPoint cursor;
  GetCursorPos(cursor);
  MoveHeaderDragImage(cursor);
}

void TCustomdxTreeList::MoveHeaderDragImage(TPoint ScreenPoint) {
  if (!FDrag.HeaderDragImage || !FDrag.MovedImage) return;
  const int w = FDrag.MovedImage->Width(), h = FDrag.MovedImage->Height();
  FDrag.HeaderDragImage->Hide();
  FDrag.HeaderDragImage->SetBounds({ScreenPoint.X - w / 2, ScreenPoint.Y - h / 2, ScreenPoint.X - w / 2 + w,
                               ScreenPoint.Y - h / 2 + h});
  ShowHeaderDragImage();
}

void TCustomdxTreeList::ShowHeaderDragImage() {
  FDrag.HeaderDragImage->Refresh();
  FDrag.HeaderDragImage->Draw([this](HDC DC) {
    BitBlt(DC, 0, 0, FDrag.MovedImage->Width(), FDrag.MovedImage->Height(), FDrag.MovedImage->Canvas()->Handle(), 0, 0, SRCCOPY);
  });
  FDrag.HeaderDragImage->Show();
}

// --- tracking a move -------------------------------------------------------------------------------------

void TCustomdxTreeList::TrackHeaderDrag(TPoint ScreenPoint) {
  const bool bandMode = FState == tlsBandDragging;
  StopScrollTimer();
  const TDropInfo drop = CalcHeaderDropInfo(ScreenPoint, bandMode);
  if (drop.Arrows != FDropInfo.Arrows) {
    FDropInfo = drop;
    ShowDropArrows();
  }
  FDropInfo = drop;
  TdxTreeListDrawInfo info;
  CalcRectInfo(info);
  TPoint client = ScreenPoint;
  ::ScreenToClient(Handle(), client);
  const bool inArea = PtInRect(bandMode ? info.BandRect : info.HeaderRect, client);
  bool accept = inArea || drop.Target == -3;
  if (bandMode)
    DoDragOverBand(FDrag.DraggedBand, ScreenPoint, accept);
  else
    DoDragOverHeader(FDrag.DraggedHeader, ScreenPoint, accept);
  ::SetCursor(Screen->Cursors(accept ? Cursor() : TCursor(crdxTLRemoveHeader)));
  MoveHeaderDragImage(ScreenPoint);
  const int scrollLeft = info.RowsRect.Left + (GetFixedLeftBand() >= 0 ? info.FixedLeftRect.Width() : 0);
  const int scrollRight = info.RowsRect.Right - (GetFixedRightBand() >= 0 ? info.FixedRightRect.Width() : 0);
  if (client.X >= scrollLeft && client.X < scrollLeft + DragScrollEdge)
    StartScrollTimer(1, 100);
  else if (client.X < scrollRight && client.X >= scrollRight - DragScrollEdge)
    StartScrollTimer(3, 100);
}

// The arrows above and below the drop place: two seven-point arrows in ArrowsColor, over a copy
// of the screen taken where they stand.
void TCustomdxTreeList::ShowDropArrows() {
  if (!FDrag.DropArrows) return;
  FDrag.DropArrows->Hide();
  FDrag.DropArrowsShown = FDropInfo.Arrows != TPoint{-100, -100};
  if (!FDrag.DropArrowsShown) return;
  const TRect size = FDrag.DropArrows->BoundsRect();
  const int height = size.Height();
  FDrag.DropArrows->SetBounds({FDropInfo.Arrows.X, FDropInfo.Arrows.Y, FDropInfo.Arrows.X + 11, FDropInfo.Arrows.Y + height});
  FDrag.DropArrows->Draw([this, height](HDC DC) {
    const int b = height;
    const std::vector<TPoint> down{{5, 8}, {0, 3}, {3, 3}, {3, 0}, {7, 0}, {7, 3}, {10, 3}};
    const std::vector<TPoint> up{{5, b - 9}, {10, b - 4}, {7, b - 4}, {7, b - 1}, {3, b - 1}, {3, b - 4}, {0, b - 4}};
    const HBRUSH oldBrush = SelectObject(DC, CreateSolidBrush(FLook.ArrowsColor));
    const HPEN oldPen = SelectObject(DC, GetStockPen(BLACK_PEN));
    Polygon(DC, down);
    Polygon(DC, up);
    SelectObject(DC, oldPen);
    SelectObject(DC, oldBrush);
  });
  FDrag.DropArrows->Show();
}

// The place a moved header or band would take, and where the arrows show it: the header or band
// under the pointer, before or after it by the side of its middle it is on; right of the last
// band, after the last one. No arrows where the drop would change nothing or is refused.
TCustomdxTreeList::TDropInfo TCustomdxTreeList::CalcHeaderDropInfo(TPoint ScreenPoint, bool BandMode) {
  if (!HandleAllocated()) return TDropInfo();
  TPoint p = ScreenPoint;
  ::ScreenToClient(Handle(), p);
  TdxTreeListDrawInfo info;
  CalcGeometry(info);
  TDropInfo drop = BandMode ? BandDropInfo(info, p) : HeaderDropInfo(info, p);
  if (drop.Target == -3) {
    const TRect& area = BandMode ? info.BandRect : info.HeaderRect;
    drop.Arrows.X = std::clamp(drop.Arrows.X, area.Left - 5, std::max(area.Left - 5, area.Right));
    drop.Arrows = ToScreen(Handle(), drop.Arrows);
  }
  return drop;
}

// A band that takes only its own columns refuses the others.
bool TCustomdxTreeList::BandTakesDraggedHeader(int Position) {
  return !IsBandOnlyOwnColumns(Position) || FDrag.DraggedHeader < 0 ||
         GetBandPosition(GetColumnBandIndex(FDrag.DraggedHeader)) == Position;
}

// Beside the pressed header, on its side, the pressed header would stay where it is.
bool TCustomdxTreeList::HeaderDropMovesNothing(const TdxTreeListHeaderInfo& Header, bool Before) {
  if (FButtons.PressedHeader < 0 || GetBandPosition(GetColumnBandIndex(FButtons.PressedHeader)) != Header.Band ||
      GetColumnRowIndex(FButtons.PressedHeader) != Header.Row)
    return false;
  const int pressed = GetVisibleColumnPos(FButtons.PressedHeader), at = GetVisibleColumnPos(Header.Column);
  return Before ? at == pressed + 1 : at + 1 == pressed;
}

TCustomdxTreeList::TDropInfo TCustomdxTreeList::HeaderDropInfo(const TdxTreeListDrawInfo& Info, TPoint Point) {
  TDropInfo drop;
  if (Info.Bands.empty() || Point.Y < Info.HeaderRect.Top || Point.Y >= Info.HeaderRect.Bottom) return drop;
  drop.Target = -2;
  const auto holds = [](const TRect& R, int X) { return R.Left <= X && X < R.Right; };
  const TdxTreeListHeaderInfo* under = ShownAt(Info.Headers, Point);
  bool before = false;
  if (under) {
    drop = {{-100, -100}, under->Band, under->Row, under->Position, -2};
    before = Point.X <= (under->Rect.Left + under->Rect.Right) / 2;
    if (!BandTakesDraggedHeader(under->Band) || under->Column == FButtons.PressedHeader ||
        HeaderDropMovesNothing(*under, before))
      return drop;
  } else if (Point.X < Info.Bands.back().ClipRect.Right) {
    // Below a header that ends above the strip's bottom: a new row under it; else an empty band.
    for (auto h = Info.Headers.rbegin(); h != Info.Headers.rend(); ++h)
      if (BandTakesDraggedHeader(h->Band) && holds(h->ClipRect, Point.X))
        return {{h->ClipRect.Left - 5, h->Rect.Top + Metrics().HeaderRowHeight - 9}, h->Band, h->Row + 1, h->Position, -3};
    for (const TdxTreeListBandInfo& b : Info.Bands)
      if (BandTakesDraggedHeader(b.Band) && holds(b.ClipRect, Point.X))
        return {{b.ClipRect.Left - 5, b.Rect.Bottom - 9}, b.Band, 0, 0, -3};
    return drop;
  } else {
    // Right of the bands: after the header of the last band at that height, or the last header.
    const TPoint edge{Info.Bands.back().ClipRect.Right - 1, Point.Y};
    for (auto h = Info.Headers.rbegin(); h != Info.Headers.rend() && !under; ++h)
      if (PtInRect(h->ClipRect, edge)) under = &*h;
    if (!under && !Info.Headers.empty()) under = &Info.Headers.back();
    if (!under) return drop;
    if (!BandTakesDraggedHeader(under->Band)) return {{-100, -100}, under->Band, under->Row, under->Position, -2};
  }
  const int x = (before ? under->ClipRect.Left : under->ClipRect.Right) - 5;
  return {{x, under->Rect.Top - 9}, under->Band, under->Row, under->Position + (before ? 0 : 1), -3};
}

TCustomdxTreeList::TDropInfo TCustomdxTreeList::BandDropInfo(const TdxTreeListDrawInfo& Info, TPoint Point) {
  TDropInfo drop;
  if (Point.Y < Info.BandRect.Top || Point.Y >= Info.BandRect.Bottom) return drop;
  drop.Target = -2;
  if (Info.Bands.empty()) return {{Info.BandRect.Left - 5, Info.BandRect.Top - 9}, 0, -1, -1, -3};
  const TdxTreeListBandInfo* under = ShownAt(Info.Bands, Point);
  bool before = false;
  if (under) {
    before = Point.X <= (under->Rect.Left + under->Rect.Right) / 2;
    const bool besidePressed = FButtons.PressedBand >= 0 && (before ? under->Band == FButtons.PressedBand + 1
                                                                    : under->Band + 1 == FButtons.PressedBand);
    if (under->Band == FButtons.PressedBand || besidePressed || (before && under->Band == GetFixedLeftBand()) ||
        (!before && under->Band == GetFixedRightBand()))
      return drop;
  } else {
    const TdxTreeListBandInfo& last = Info.Bands.back();
    if (Point.X < last.ClipRect.Right || last.Band == FButtons.PressedBand || last.Band == GetFixedRightBand())
      return drop;
    under = &last;
  }
  const int x = (before ? under->ClipRect.Left : under->ClipRect.Right) - 5;
  return {{x, under->Rect.Top - 9}, under->Band + (before ? 0 : 1), -1, -1, -3};
}

// --- ending a move ---------------------------------------------------------------------------------------

void TCustomdxTreeList::EndMoving() {
  SetState(tlsNormal);
  StopScrollTimer();
  FDrag.HeaderDragImage.reset();
  FDrag.DropArrows.reset();
  FDrag.MovedImage.reset();
  FDrag.DropArrowsShown = false;
}

void TCustomdxTreeList::EndDragHeader(bool Accept) {
  const int column = FDrag.DraggedHeader;
  const TDropInfo drop = FDropInfo;
  EndMoving();
  FDrag.DraggedHeader = -1;
  FButtons.PressedHeader = -1;
  InvalidateHeaderArea();
  if (!Accept || column < 0) return;
  DoDragEndHeader(column, Accept);
  if (!Accept) return;
  if (drop.Target == -1 && CanHideDraggedHeader(column) && GetVisibleColumnCount() > 1) HideHeader(column);
  if (drop.Target != -3) return;
  int index = drop.Index;
  // A header moved right inside its own row lands one place left once it has left that place.
  for (int p = 0; p < GetBandRowColumnCount(drop.Band, drop.Row); ++p)
    if (GetBandColumn(drop.Band, drop.Row, p) == column) {
      if (index > p) --index;
      if (index == p) return;
    }
  MoveColumn(column, drop.Band, drop.Row, index);
}

void TCustomdxTreeList::EndDragBand(bool Accept) {
  const int band = FDrag.DraggedBand;
  const TDropInfo drop = FDropInfo;
  EndMoving();
  FDrag.DraggedBand = -1;
  FButtons.PressedBand = -1;
  InvalidateBandArea();
  if (!Accept || band < 0) return;
  DoDragEndBand(band, Accept);
  if (!Accept) return;
  if (drop.Target == -1 && CanHideDraggedBand(band) && GetVisibleBandCount() > 1)
    HideBand(GetBandIndexByPosition(band));
  if (drop.Target != -3) return;
  const int target = drop.Band > band ? drop.Band - 1 : drop.Band;
  if (target != band) MoveBand(band, target);
}

// --- dragging nodes --------------------------------------------------------------------------------------

void TCustomdxTreeList::DoStartDrag(TDragObject*& DragObject) {
  if (FState == tlsEditing) CloseEditor();
  KillEditorTimer();
  TCustomdxContainer::DoStartDrag(DragObject);
  TdxTreeListNode* node = FPress.PressedNode;
  if (!node && HandleAllocated()) {
    TPoint cursor;
    GetCursorPos(cursor);
    ::ScreenToClient(Handle(), cursor);
    node = GetHitNode(cursor.X, cursor.Y);
  }
  if (node) {
    DoBeginDragNode(node);
    CreateNodeDragImage(node);
    SetState(tlsNodeDragging);
  }
  FDragObject = nullptr;
}

// The dragged node's focused cell as the image under the pointer: a framed box from 20 pixels on
// with the node's state image, image and drag text.
void TCustomdxTreeList::CreateNodeDragImage(TdxTreeListNode* Node) {
  const TRect cell = GetNodeCellRect(Node, GetFocusedVisibleIndex());
  const int width = (cell.Left == -1 && cell.Right == -1 ? 100 : cell.Width()) + 26;
  const int height = (cell.Left == -1 && cell.Right == -1 ? 16 : cell.Height()) + 6;
  TBitmap image;
  image.SetSize(width, height);
  TCanvas* canvas = image.Canvas();
  canvas->Font()->Assign(Font());
  canvas->Brush()->SetColor(Color());
  canvas->FillRect({0, 0, width, height});
  TRect frame{20, 0, width, height};
  for (int i = 0; i < 3; ++i) {
    FrameRect(canvas->Handle(), frame, GetStockBrush(BLACK_BRUSH));
    InflateRect(frame, -1, -1);
  }
  int x = frame.Left + 1;
  const auto drawImage = [&](TImageList* List, int Index) {
    if (!List || Index < 0 || Index >= List->Count()) return;
    List->Draw(canvas, x, frame.Top + (frame.Height() - List->Height()) / 2, Index);
    x += List->Width();
  };
  drawImage(FMeasures.StateImages, GetNodeStateIndex(Node));
  drawImage(FMeasures.Images, GetNodeImageIndex(Node));
  TRect text{x + 1, frame.Top, frame.Right - 1, frame.Bottom};
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  DrawText(canvas->Handle(), GetNodeDragText(Node, GetFocusedColumn()), -1, text,
           DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_END_ELLIPSIS);
  FDrag.NodeDragImages = std::make_unique<TImageList>(width, height);
  FDrag.NodeDragImages->AddMasked(&image, Color());
}

void TCustomdxTreeList::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  TCustomdxContainer::DragOver(Source, X, Y, State, Accept);
  if (FState != tlsNodeDragging && !FDragObject) return;
  StopScrollTimer();
  TdxTreeListHitInfo hit;
  GetHitInfo({X, Y}, hit);
  if (CanDragExpand() && hit.HitKind == hkButton && hit.Node) {
    FDrag.DragNode = hit.Node;
    StartExpandTimer(FLook.WaitForExpandNodeTime);
  }
  if (!CanDragScroll()) return;
  const TRect rows = GetRowsRect();
  if (X >= rows.Left && X < rows.Left + DragScrollEdge) StartScrollTimer(1, 100);
  if (X < rows.Right && X >= rows.Right - DragScrollEdge) StartScrollTimer(3, 100);
  if (!hit.Node || Y < rows.Top || Y >= rows.Bottom) return;
  const int column = !IsRowSelect() && hit.Column >= 0 ? GetVisibleColumnPos(hit.Column) : GetFocusedVisibleIndex();
  if (hit.Node != FFocus.Node || column != GetFocusedVisibleIndex()) SetFocusedNodeAndColumn(hit.Node, column, false);
  UpdateWindow(Handle());
  CalcVisibleRowCounts();
  const int index = GetAbsoluteIndex(hit.Node), top = std::max(GetTopIndex(), 0);
  if (hit.Node == FTopVisibleNode && !IsFirstNode(hit.Node))
    StartScrollTimer(2, 100);
  else if (index >= top + FFullyVisibleRowCount - 1 && !IsLastNode(hit.Node))
    StartScrollTimer(4, 100);
}

void TCustomdxTreeList::DoEndDrag(TObject* Target, int X, int Y) {
  TCustomdxContainer::DoEndDrag(Target, X, Y);
  FPress.PressedNode = nullptr;
  FDragObject = nullptr;
  StopScrollTimer();
  StopExpandTimer();
  SetState(tlsNormal);
  FDrag.NodeDragImages.reset();
}

void TCustomdxTreeList::StartExpandTimer(UINT Interval) {
  if (!HandleAllocated()) return;
  SetTimer(Handle(), ExpandTimerId, Interval);
  FPress.ExpandTimer = true;
}

void TCustomdxTreeList::StopExpandTimer() {
  if (!FPress.ExpandTimer) return;
  FPress.ExpandTimer = false;
  if (HandleAllocated()) KillTimer(Handle(), ExpandTimerId);
}

// The pointer still rests on the expand button of the node under the drag: the node opens (with
// DragCollapse it toggles, and again after twice the wait).
void TCustomdxTreeList::ExpandTimerFired() {
  StopExpandTimer();
  if (!FDrag.DragNode || !HandleAllocated()) return;
  TPoint cursor;
  GetCursorPos(cursor);
  ::ScreenToClient(Handle(), cursor);
  TdxTreeListHitInfo hit;
  GetHitInfo(cursor, hit);
  if (hit.HitKind != hkButton || hit.Node != FDrag.DragNode) return;
  if (CanDragCollapse()) {
    FDrag.DragNode->SetExpanded(!FDrag.DragNode->Expanded());
    StartExpandTimer(2 * FLook.WaitForExpandNodeTime);
  } else {
    FDrag.DragNode->SetExpanded(true);
  }
}
