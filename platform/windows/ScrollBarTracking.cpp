// A scroll bar's parts (arrows, page areas, thumb), how they are painted in the regular and flat
// styles, and the loop that runs while the mouse holds one of them: arrows and page areas repeat
// on the clock, the thumb follows the mouse and shows the track position until it is released.
#include <algorithm>

#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "windows/Layer_p.h"
#include "windows/ModalLoop.h"

namespace {

// Delays of the repeat while an arrow or a page area is held down.
constexpr UINT kFirstRepeatDelay = 200;
constexpr UINT kRepeatDelay = 50;
constexpr int kMinimumThumb = 8;

int MaxPosition(const TScrollBarState& Bar) { return Bar.Max - std::max(static_cast<int>(Bar.Page) - 1, 0); }

unsigned ArrowState(const TScrollBarState& Bar, TScrollPart Part) {
  unsigned state = Bar.FlatStyle != FSB_REGULAR_MODE ? unsigned(DFCS_FLAT) : 0u;
  if (Bar.PressedPart == Part) state |= DFCS_PUSHED;
  const UINT disabled = Part == spLineUp ? ESB_DISABLE_LTUP : ESB_DISABLE_RTDN;
  if ((Bar.Disabled & disabled) == disabled) state |= DFCS_INACTIVE;
  return state;
}

void PaintArrows(HDC DC, const TScrollBarState& Bar, const TScrollBarGeometry& G) {
  TRect up = G.Span(0, G.Arrow), down = G.Span(G.Length() - G.Arrow, G.Length());
  DrawFrameControl(DC, up, DFC_SCROLL, (G.Vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | ArrowState(Bar, spLineUp));
  DrawFrameControl(DC, down, DFC_SCROLL, (G.Vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | ArrowState(Bar, spLineDown));
}

void PaintTrack(HDC DC, const TRect& R, bool Pressed) {
  if (IsRectEmpty(R)) return;
  if (Pressed) {
    FillRect(DC, R, GetSysColorBrush(COLOR_3DDKSHADOW));
    return;
  }
  // The classic track: a checkerboard of the face and highlight colours.
  SetTextColor(DC, clBtnFace);
  SetBkColor(DC, clBtnHighlight);
  FillRect(DC, R, CreatePatternBrush(CheckerboardPattern()));
}

// Regular thumbs are raised twice, encarta ones once, flat ones framed in the shadow colour.
void PaintThumb(HDC DC, const TScrollBarState& Bar, TRect R) {
  if (Bar.FlatStyle == FSB_FLAT_MODE) {
    FillRect(DC, R, GetSysColorBrush(COLOR_BTNFACE));
    FrameRect(DC, R, GetSysColorBrush(COLOR_BTNSHADOW));
    return;
  }
  DrawEdge(DC, R, Bar.FlatStyle == FSB_REGULAR_MODE ? EDGE_RAISED : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
}

}  // namespace

TScrollBarGeometry ScrollBarGeometry(const TScrollBarState& Bar, const TRect& Rect, bool Vertical) {
  TScrollBarGeometry g;
  g.Bar = Rect;
  g.Vertical = Vertical;
  const int length = g.Length();
  g.Arrow = GetSystemMetrics(Vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
  if (length <= 2 * g.Arrow + kMinimumThumb / 2) {
    g.Arrow = (length + 1) / 2;
    return g;
  }
  const int track = length - 2 * g.Arrow;
  const long long size = static_cast<long long>(Bar.Max) - Bar.Min + 1;
  int thumb = Bar.Page ? static_cast<int>(track * static_cast<long long>(Bar.Page) / std::max(size, 1LL))
                       : GetSystemMetrics(Vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
  thumb = std::max(thumb, kMinimumThumb);
  if (thumb > track || (Bar.Disabled & ESB_DISABLE_BOTH) == ESB_DISABLE_BOTH || Bar.Min >= MaxPosition(Bar)) return g;
  const int pos = Bar.Tracking ? Bar.TrackPos : Bar.Pos;
  const long long span = static_cast<long long>(MaxPosition(Bar)) - Bar.Min;
  g.ThumbLength = thumb;
  g.ThumbPos = g.Arrow + static_cast<int>((track - thumb) * (static_cast<long long>(pos) - Bar.Min) / span);
  return g;
}

TScrollPart ScrollPartAt(const TScrollBarGeometry& G, TPoint WindowPoint) {
  if (!PtInRect(G.Bar, WindowPoint)) return spNone;
  const int along = G.Vertical ? WindowPoint.Y - G.Bar.Top : WindowPoint.X - G.Bar.Left;
  if (along < G.Arrow) return spLineUp;
  if (along >= G.Length() - G.Arrow) return spLineDown;
  if (G.ThumbLength == 0) return spNone;
  if (along < G.ThumbPos) return spPageUp;
  return along < G.ThumbPos + G.ThumbLength ? spThumb : spPageDown;
}

int PositionAtThumbOffset(const TScrollBarState& Bar, const TScrollBarGeometry& G, int Offset) {
  const int pixels = G.Length() - 2 * G.Arrow - G.ThumbLength;
  if (pixels <= 0) return Bar.Min;
  const long long span = static_cast<long long>(MaxPosition(Bar)) - Bar.Min;
  const long long along = std::clamp(Offset - G.Arrow, 0, pixels);
  return Bar.Min + static_cast<int>((along * span + pixels / 2) / pixels);
}

void PaintScrollBar(HDC DC, const TScrollBarState& Bar, const TScrollBarGeometry& G) {
  PaintArrows(DC, Bar, G);
  const int trackEnd = G.Length() - G.Arrow;
  if (G.ThumbLength == 0) {
    PaintTrack(DC, G.Span(G.Arrow, trackEnd), false);
    return;
  }
  PaintTrack(DC, G.Span(G.Arrow, G.ThumbPos), Bar.PressedPart == spPageUp);
  PaintTrack(DC, G.Span(G.ThumbPos + G.ThumbLength, trackEnd), Bar.PressedPart == spPageDown);
  PaintThumb(DC, Bar, G.Span(G.ThumbPos, G.ThumbPos + G.ThumbLength));
}

namespace {

// The bar's geometry now (the thumb moves as the window sets the position) in window coordinates.
TScrollBarGeometry CurrentGeometry(HWND Wnd, int Bar) {
  TWindowRecord* rec = Windows().Find(Wnd);
  const TFrameLayout& layout = rec->Frame;
  return ScrollBarGeometry(rec->ScrollBars[Bar], Bar == SB_VERT ? layout.VScroll : layout.HScroll, Bar == SB_VERT);
}

TPoint ToWindow(HWND Wnd, TPoint Screen) {
  TRect r;
  GetWindowRect(Wnd, r);
  return TPoint{Screen.X - r.Left, Screen.Y - r.Top};
}

int CodeOf(TScrollPart Part) {
  switch (Part) {
    case spLineUp: return SB_LINEUP;
    case spLineDown: return SB_LINEDOWN;
    case spPageUp: return SB_PAGEUP;
    default: return SB_PAGEDOWN;
  }
}

class TScrollTracker {
 public:
  TScrollTracker(HWND Wnd, int Bar) : FWnd(Wnd), FBar(Bar), FMsg(Bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL) {}

  void Run(TPoint ScreenPoint) {
    const TScrollBarGeometry g = CurrentGeometry(FWnd, FBar);
    const TPoint p = ToWindow(FWnd, ScreenPoint);
    FPart = ScrollPartAt(g, p);
    if (FPart == spNone || (State().Disabled & ESB_DISABLE_BOTH) == ESB_DISABLE_BOTH) return;
    if (FPart == spThumb) {
      FGrab = Along(g, p) - g.ThumbPos;
      State().Tracking = true;
      State().TrackPos = State().Pos;
    } else {
      Step();
      FTimer = SetTimer(HWND(), 0, kFirstRepeatDelay);
    }
    Press(FPart);
    RunCaptureLoop(FWnd, [this](MSG& msg) { return Handle(msg); });
    Finish();
  }

 private:
  TScrollBarState& State() { return Windows().Find(FWnd)->ScrollBars[FBar]; }
  int Along(const TScrollBarGeometry& G, TPoint P) const { return G.Vertical ? P.Y - G.Bar.Top : P.X - G.Bar.Left; }
  void Send(int Code, int Pos = 0) { SendMessage(FWnd, FMsg, MAKEWPARAM(Code, Pos), 0); }

  void Press(TScrollPart Part) {
    if (!IsWindow(FWnd) || State().PressedPart == Part) return;
    State().PressedPart = Part;
    RedrawFrame(FWnd);
  }

  // One step of an arrow or page area, while the pointer is over the part that was pressed.
  void Step() {
    TPoint cursor;
    GetCursorPos(cursor);
    const bool over = ScrollPartAt(CurrentGeometry(FWnd, FBar), ToWindow(FWnd, cursor)) == FPart;
    Press(over ? FPart : spNone);
    if (over) Send(CodeOf(FPart));
  }

  void Track(TPoint Screen) {
    const TScrollBarGeometry g = CurrentGeometry(FWnd, FBar);
    const int pos = PositionAtThumbOffset(State(), g, Along(g, ToWindow(FWnd, Screen)) - FGrab);
    if (pos == State().TrackPos) return;
    State().TrackPos = pos;
    RedrawFrame(FWnd);
    Send(SB_THUMBTRACK, pos);
  }

  TLoopVerdict Handle(MSG& Msg) {
    if (Msg.message == WM_TIMER && !Msg.hwnd && Msg.wParam == FTimer) {
      KillTimer(HWND(), FTimer);
      FTimer = SetTimer(HWND(), 0, kRepeatDelay);
      Step();
      return IsWindow(FWnd) ? TLoopVerdict::Handled : TLoopVerdict::End;
    }
    if (Msg.message == WM_MOUSEMOVE && FPart == spThumb) Track(MessageScreenPoint(Msg));
    if (Msg.message == WM_LBUTTONUP) return TLoopVerdict::End;
    if (IsMouseMessage(Msg) || IsKeyboardMessage(Msg)) return TLoopVerdict::Handled;
    return TLoopVerdict::Dispatch;
  }

  void Finish() {
    if (FTimer) KillTimer(HWND(), FTimer);
    if (!IsWindow(FWnd)) return;
    if (FPart == spThumb) {
      const int pos = State().TrackPos;
      Send(SB_THUMBPOSITION, pos);
      if (IsWindow(FWnd)) State().Tracking = false;
    }
    Press(spNone);
    if (IsWindow(FWnd)) Send(SB_ENDSCROLL);
    if (IsWindow(FWnd)) RedrawFrame(FWnd);
  }

  HWND FWnd;
  int FBar;
  UINT FMsg;
  TScrollPart FPart = spNone;
  int FGrab = 0;
  UINT_PTR FTimer = 0;
};

}  // namespace

void TrackScrollBar(HWND Wnd, int Bar, TPoint ScreenPoint) {
  if (!IsWindow(Wnd) || (Bar != SB_HORZ && Bar != SB_VERT)) return;
  TScrollTracker(Wnd, Bar).Run(ScreenPoint);
}
