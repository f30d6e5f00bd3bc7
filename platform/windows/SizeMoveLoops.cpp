// Moving a window by its caption and sizing it by an edge: capture loops that place the window at
// every mouse move, within the limits of WM_GETMINMAXINFO and as WM_MOVING and WM_SIZING adjust.
#include <algorithm>

#include "graphics/Metrics.h"
#include "windows/Layer_p.h"
#include "windows/ModalLoop.h"
#include "windows/NonClient.h"

namespace {

MINMAXINFO MinMaxOf(HWND Wnd) {
  MINMAXINFO info = DefaultMinMaxInfo(Wnd);
  SendMessage(Wnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return info;
}

// Places the window at a screen rectangle (its parent's coordinates for a child window).
void PlaceAt(HWND Wnd, const TRect& Screen, UINT Flags) {
  TPoint p = Screen.TopLeft();
  if (GetWindowLong(Wnd, GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(Wnd), p);
  SetWindowPos(Wnd, HWND(), p.X, p.Y, Screen.Width(), Screen.Height(), Flags | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The edges WMSZ_* moves: left, top, right, bottom.
struct TEdges {
  bool Left, Top, Right, Bottom;
};

TEdges EdgesOf(WPARAM Edge) {
  return TEdges{Edge == WMSZ_LEFT || Edge == WMSZ_TOPLEFT || Edge == WMSZ_BOTTOMLEFT,
                Edge == WMSZ_TOP || Edge == WMSZ_TOPLEFT || Edge == WMSZ_TOPRIGHT,
                Edge == WMSZ_RIGHT || Edge == WMSZ_TOPRIGHT || Edge == WMSZ_BOTTOMRIGHT,
                Edge == WMSZ_BOTTOM || Edge == WMSZ_BOTTOMLEFT || Edge == WMSZ_BOTTOMRIGHT};
}

TRect SizedRect(const TRect& Start, TEdges Edges, TPoint Delta, const MINMAXINFO& Limits) {
  TRect r = Start;
  if (Edges.Left) r.Left += Delta.X;
  if (Edges.Right) r.Right += Delta.X;
  if (Edges.Top) r.Top += Delta.Y;
  if (Edges.Bottom) r.Bottom += Delta.Y;
  const int width = std::clamp(r.Width(), Limits.ptMinTrackSize.X, std::max(Limits.ptMinTrackSize.X, Limits.ptMaxTrackSize.X));
  const int height = std::clamp(r.Height(), Limits.ptMinTrackSize.Y, std::max(Limits.ptMinTrackSize.Y, Limits.ptMaxTrackSize.Y));
  if (Edges.Left) r.Left = r.Right - width; else r.Right = r.Left + width;
  if (Edges.Top) r.Top = r.Bottom - height; else r.Bottom = r.Top + height;
  return r;
}

// Runs the loop; Track places the window for a pointer moved by Delta from the press.
void RunPlacementLoop(HWND Wnd, TPoint Start, const std::function<void(TPoint Delta)>& Track) {
  TRect original;
  GetWindowRect(Wnd, original);
  SendMessage(Wnd, WM_ENTERSIZEMOVE);
  bool cancelled = false;
  RunCaptureLoop(Wnd, [&](MSG& msg) {
    if (msg.message == WM_MOUSEMOVE) {
      const TPoint p = MessageScreenPoint(msg);
      Track(TPoint{p.X - Start.X, p.Y - Start.Y});
      return TLoopVerdict::Handled;
    }
    if (msg.message == WM_LBUTTONUP) return TLoopVerdict::End;
    if (IsEscapeKey(msg)) {
      cancelled = true;
      return TLoopVerdict::End;
    }
    return IsMouseMessage(msg) || IsKeyboardMessage(msg) ? TLoopVerdict::Handled : TLoopVerdict::Dispatch;
  });
  if (!IsWindow(Wnd)) return;
  if (cancelled) PlaceAt(Wnd, original, 0);
  SendMessage(Wnd, WM_EXITSIZEMOVE);
}

}  // namespace

MINMAXINFO DefaultMinMaxInfo(HWND Wnd) {
  MINMAXINFO info;
  TRect work = Desktop().WorkArea();
  if (TWindowRecord* rec = Windows().Find(Wnd)) {
    const TRect r = rec->Bounds;
    work = Desktop().WorkAreaAt(TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  info.ptMaxSize = {work.Width(), work.Height()};
  info.ptMaxPosition = work.TopLeft();
  info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  return info;
}

void RunMoveLoop(HWND Wnd, TPoint ScreenPoint) {
  TRect start;
  GetWindowRect(Wnd, start);
  RunPlacementLoop(Wnd, ScreenPoint, [&](TPoint delta) {
    TRect r = start;
    OffsetRect(r, delta.X, delta.Y);
    SendMessage(Wnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
    PlaceAt(Wnd, r, SWP_NOSIZE);
  });
}

void RunSizeLoop(HWND Wnd, WPARAM Edge, TPoint ScreenPoint) {
  TRect start;
  GetWindowRect(Wnd, start);
  const MINMAXINFO limits = MinMaxOf(Wnd);
  RunPlacementLoop(Wnd, ScreenPoint, [&](TPoint delta) {
    TRect r = SizedRect(start, EdgesOf(Edge), delta, limits);
    SendMessage(Wnd, WM_SIZING, Edge, reinterpret_cast<LPARAM>(&r));
    PlaceAt(Wnd, r, 0);
  });
}
