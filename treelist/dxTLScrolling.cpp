// Scrolling: the scroll bars as views of the top row and LeftCoord, the scroll-bar messages, the
// painted pixels moved for short distances, the bars dropped and the position kept in range when
// the control is sized, and the middle-button full-scroll mode.
#include "controls/Application.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "treelist/dxTL.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/Paint.h"
#include "windows/Window.h"

// --- the scroll bars -------------------------------------------------------------------------------------

void TCustomdxTreeList::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  // A bar that shows or hides changes the room of the other; the second round settles it.
  for (int round = 0; round < 2; ++round) {
    UpdateVertScrollBar();
    UpdateHorzScrollBar();
  }
}

void TCustomdxTreeList::GetVScrollInfo(TdxTreeListScrollRange& Range) {
  const int count = GetAbsoluteCount();
  Range.Min = 0;
  Range.Max = count > FFullyVisibleRowCount ? count - 1 : 0;
  Range.Page = FFullyVisibleRowCount;
  Range.Pos = std::max(GetTopIndex(), 0);
}

int TCustomdxTreeList::CalcRowHeight(TdxTreeListNode* Node) { return CalcNodeRowHeight(Node, FLook.RowHeight); }

namespace {

// Sets a bar only when its range, page or position differ from what it shows.
void SetBar(TCustomdxContainer& Control, int Bar, const TdxTreeListScrollRange& Range) {
  SCROLLINFO current;
  current.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  const bool known = Control.GetScrollInfo(Bar, current);
  if (known && current.nMin == Range.Min && current.nMax == Range.Max && int(current.nPage) == Range.Page &&
      current.nPos == Range.Pos)
    return;
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = Range.Min;
  info.nMax = Range.Max;
  info.nPage = UINT(std::max(Range.Page, 0));
  info.nPos = Range.Pos;
  Control.SetScrollInfo(Bar, info, true);
}

}  // namespace

void TCustomdxTreeList::UpdateVertScrollBar() {
  CalcVisibleRowCounts();
  if (!HasVertScrollBar()) return;
  TdxTreeListScrollRange range;
  GetVScrollInfo(range);
  SetBar(*this, SB_VERT, range);
}

void TCustomdxTreeList::UpdateHorzScrollBar() {
  if (!HasHorzScrollBar()) return;
  const int total = GetScrollableBandsWidth(), visible = GetScrollableClientWidth();
  SetBar(*this, SB_HORZ, {0, total > visible ? total - 1 : 0, visible, FLeftCoord});
}

// Without the bars the client area grows by their sizes: when the rows (from the top row) and
// the bands fit there, both bars go at once.
void TCustomdxTreeList::DropScrollBarsWhenFitting() {
  if (!HandleAllocated() || KeepScrollBars()) return;
  const DWORD style = DWORD(GetWindowLong(Handle(), GWL_STYLE));
  if (!(style & WS_HSCROLL) || !(style & WS_VSCROLL)) return;
  const TRect rows = GetRowsRect();
  int visible = 0, fully = 0;
  const int height = rows.Height() + GetSystemMetrics(SM_CYHSCROLL);
  const int used = CalcRowsInHeight(FTopVisibleNode ? FTopVisibleNode : GetFirstNode(), height, visible, fully);
  const bool rowsFit = used <= height && fully >= GetAbsoluteCount() - std::max(GetTopIndex(), 0);
  const bool bandsFit = GetScrollableBandsWidth() <= GetScrollableClientWidth() + GetSystemMetrics(SM_CXVSCROLL);
  if (!rowsFit || !bandsFit) return;
  SetWindowLong(Handle(), GWL_STYLE, intptr_t(style & ~DWORD(WS_HSCROLL | WS_VSCROLL)));
  SetWindowPos(Handle(), HWND(), 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void TCustomdxTreeList::ClampScrollPositions() {
  CalcVisibleRowCounts();
  const int top = GetTopIndex();
  const int highest = std::max(GetAbsoluteCount() - FFullyVisibleRowCount, 0);
  if (top > highest) SetTopIndex(highest);
  const int visible = GetScrollableClientWidth(), total = GetScrollableBandsWidth();
  if (FLeftCoord > 0 && FLeftCoord + visible > total) SetLeftCoord(std::max(total - visible, 0));
}

// --- the scroll-bar messages --------------------------------------------------------------------------

void TCustomdxTreeList::ScrollHorizontally(int Code) {
  if (!TakeFocus() || GetVisibleColumnCount() == 0 || Code > SB_BOTTOM) return;
  const int visible = GetScrollableClientWidth(), total = GetScrollableBandsWidth();
  const int step = Metrics().HorzStep;
  switch (Code) {
    case SB_LINELEFT: return SetLeftCoord(FLeftCoord - step);
    case SB_LINERIGHT: return SetLeftCoord(FLeftCoord + step);
    case SB_PAGELEFT: return SetLeftCoord(FLeftCoord - visible);
    case SB_PAGERIGHT: return SetLeftCoord(FLeftCoord + visible);
    case SB_TOP: return SetLeftCoord(0);
    case SB_BOTTOM: return SetLeftCoord(total);
    default: break;
  }
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  GetScrollInfo(SB_HORZ, info);
  const int p = info.nTrackPos;
  // Dragged positions go in steps of 4 pixels, except near the right end.
  if (p <= 0)
    SetLeftCoord(0);
  else if (p >= total)
    SetLeftCoord(total);
  else
    SetLeftCoord(p + 1 + visible < total ? (p + 1) / 4 * 4 : p + 1);
}

void TCustomdxTreeList::ScrollVertically(int Code) {
  if (!TakeFocus()) return;
  const int top = std::max(GetTopIndex(), 0), count = GetAbsoluteCount();
  switch (Code) {
    case SB_LINEUP: return SetTopIndex(top - 1);
    case SB_LINEDOWN: return SetTopIndex(top + 1);
    case SB_PAGEUP: return SetTopIndex(top - FFullyVisibleRowCount);
    case SB_PAGEDOWN: return SetTopIndex(top + FFullyVisibleRowCount);
    case SB_THUMBPOSITION: case SB_THUMBTRACK: {
      SCROLLINFO info;
      info.fMask = SIF_ALL;
      GetScrollInfo(SB_VERT, info);
      return SetTopIndex(std::clamp(info.nTrackPos, 0, count));
    }
    case SB_TOP: return SetTopIndex(0);
    case SB_BOTTOM: return SetTopIndex(count);
    default: return;
  }
}

// --- moving painted pixels ------------------------------------------------------------------------------

// The scrolling bands from the band strip's top to the footer's bottom, right of the fixed-left band
// and the group indent, left of the fixed-right band.
void TCustomdxTreeList::ScrollBandsArea(int Delta) {
  if (!HandleAllocated()) return;
  TdxTreeListDrawInfo info;
  CalcGeometry(info);
  TRect area{info.RowsRect.Left + GetGroupIndentWidth(), info.BandRect.Top, info.RowsRect.Right, info.FooterRect.Bottom};
  if (info.FixedLeftBand >= 0) area.Left = info.FixedLeftRect.Right;
  if (info.FixedRightBand >= 0) area.Right = info.FixedRightRect.Left;
  ScrollWindowEx(Handle(), Delta, 0, &area, &area, nullptr, nullptr, SW_INVALIDATE);
}

// The rows move; the indicator's glyphs follow their rows, so its column is painted again.
void TCustomdxTreeList::ScrollRowsArea(int Delta) {
  if (!HandleAllocated()) return;
  TdxTreeListDrawInfo info;
  CalcRectInfo(info);
  ScrollWindowEx(Handle(), 0, Delta, &info.RowsRect, &info.RowsRect, nullptr, nullptr, SW_INVALIDATE);
  if (!IsRectEmpty(info.IndicatorRect)) InvalidateRect(info.IndicatorRect);
}

// --- the full-scroll mode --------------------------------------------------------------------------------

namespace {

constexpr int IndicatorSize = 32;

struct TFullScroll {
  TPoint Start;
  bool HasHorz = false;
  bool HasVert = false;
  int Direction = 0;  // 0 none, 1 left, 2 up, 3 right, 4 down
  int Speed = 1;
  bool MovedOut = false;

  // The pointer inside the neutral square around the start (an axis without a bar is neutral all
  // along) stops scrolling; outside it the distance past the square's half sets the speed.
  void Track(TPoint Point) {
    const int dx = Point.X - Start.X, dy = Point.Y - Start.Y, half = IndicatorSize / 2;
    const bool insideX = !HasHorz || (dx >= -half && dx < IndicatorSize - half);
    const bool insideY = !HasVert || (dy >= -half && dy < IndicatorSize - half);
    if (insideX && insideY) {
      Direction = Speed = 0;
      return;
    }
    MovedOut = true;
    int distance = 0;
    if (HasHorz && (!HasVert || std::abs(dx) > std::abs(dy))) {
      Direction = dx >= 0 ? 3 : 1;
      distance = std::abs(dx);
    } else {
      Direction = dy >= 0 ? 4 : 2;
      distance = std::abs(dy);
    }
    Speed = std::min((distance - half) / 5 + 1, 12);
  }

  TCursor Cursor() const {
    switch (Direction) {
      case 1: return crdxTLLeftScroll;
      case 2: return crdxTLUpScroll;
      case 3: return crdxTLRightScroll;
      case 4: return crdxTLDownScroll;
      default: return HasHorz && HasVert ? crdxTLFullScroll : HasHorz ? crdxTLHorzScroll : crdxTLVertScroll;
    }
  }
};

// The round indicator: a circle with the arrows of the axes that scroll.
void DrawIndicator(HDC DC, bool Horz, bool Vert) {
  const int s = IndicatorSize, c = s / 2;
  const HBRUSH oldBrush = SelectObject(DC, GetSysColorBrush(COLOR_WINDOW));
  const HPEN oldPen = SelectObject(DC, GetStockPen(BLACK_PEN));
  Ellipse(DC, 0, 0, s, s);
  SelectObject(DC, GetStockBrush(BLACK_BRUSH));
  if (Vert || !Horz) {
    Polygon(DC, {{c, 4}, {c - 4, 9}, {c + 4, 9}});
    Polygon(DC, {{c, s - 5}, {c - 4, s - 10}, {c + 4, s - 10}});
  }
  if (Horz) {
    Polygon(DC, {{4, c}, {9, c - 4}, {9, c + 4}});
    Polygon(DC, {{s - 5, c}, {s - 10, c - 4}, {s - 10, c + 4}});
  }
  Ellipse(DC, c - 2, c - 2, c + 2, c + 2);
  SelectObject(DC, oldPen);
  SelectObject(DC, oldBrush);
}

}  // namespace

void TCustomdxTreeList::FullScrollLoop() {
  if (!HandleAllocated()) return;
  const HWND own = Handle();
  const DWORD style = DWORD(GetWindowLong(own, GWL_STYLE));
  TFullScroll mode;
  mode.HasHorz = style & WS_HSCROLL;
  mode.HasVert = style & WS_VSCROLL;
  GetCursorPos(mode.Start);
  TPoint last = mode.Start;
  const int half = IndicatorSize / 2;
  TScreenOverlay indicator({mode.Start.X - half, mode.Start.Y - half, mode.Start.X - half + IndicatorSize,
                            mode.Start.Y - half + IndicatorSize});
  indicator.Draw([&](HDC DC) { DrawIndicator(DC, mode.HasHorz, mode.HasVert); });
  indicator.Show();
  ::SetCursor(Screen->Cursors(mode.Cursor()));
  const UINT_PTR timer = SetTimer(HWND(), 0, 20);
  SetCapture(own);
  unsigned ticks = 0;
  MSG msg;
  bool running = true;
  while (running && GetCapture() == own) {
    if (!GetMessage(msg, HWND(), 0, 0)) {
      // The quit request goes on once the mode has ended.
      PostQuitMessage(int(msg.wParam));
      break;
    }
    switch (msg.message) {
      case WM_KEYDOWN: case WM_KEYUP:
        running = !(msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE);
        break;
      case WM_TIMER:
        if (msg.hwnd || msg.wParam != timer) break;
        ++ticks;
        if (mode.Direction != 0 && ticks % unsigned(13 - mode.Speed) == 0)
          SendMessage(own, mode.Direction % 2 ? WM_HSCROLL : WM_VSCROLL, mode.Direction <= 2 ? SB_LINEUP : SB_LINEDOWN);
        break;
      case WM_MOUSEMOVE: {
        TPoint point{int16_t(LOWORD(uintptr_t(msg.lParam))), int16_t(HIWORD(uintptr_t(msg.lParam)))};
        ::ClientToScreen(msg.hwnd, point);
        if (point == last) break;
        mode.Track(point);
        ::SetCursor(Screen->Cursors(mode.Cursor()));
        last = point;
        break;
      }
      case WM_MBUTTONUP:
        running = !mode.MovedOut;
        break;
      default:
        if (msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MOUSEWHEEL) {
          running = false;
          break;
        }
        TranslateMessage(msg);
        DispatchMessage(msg);
        break;
    }
  }
  if (GetCapture() == own) ReleaseCapture();
  KillTimer(HWND(), timer);
  ::SetCursor(Screen->Cursors(Cursor()));
}
