// Scroll-bar geometry and drawing: arrows as square buttons, the track in a dither of face and
// highlight, the thumb as a raised button face sized by the page.
#include "controls/ScrollBarPaint.h"

#include <algorithm>

#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "rtl/Arith.h"

namespace {

int ArrowSize(const TScrollBarState& Bar) {
  const int across = Bar.Vertical ? Bar.Bounds.Width() : Bar.Bounds.Height();
  const int along = Bar.Vertical ? Bar.Bounds.Height() : Bar.Bounds.Width();
  return std::min(across, along / 2);
}

// Track start and length along the bar.
void Track(const TScrollBarState& Bar, int& Start, int& Length) {
  const int arrow = ArrowSize(Bar);
  Start = (Bar.Vertical ? Bar.Bounds.Top : Bar.Bounds.Left) + arrow;
  Length = std::max(0, (Bar.Vertical ? Bar.Bounds.Height() : Bar.Bounds.Width()) - 2 * arrow);
}

int ThumbLength(const TScrollBarState& Bar, int TrackLength) {
  const int range = Bar.Max - Bar.Min + 1;
  const int minimum = std::min(8, TrackLength);
  if (Bar.PageSize <= 0 || range <= 0) return std::min(TrackLength, Bar.Vertical ? Bar.Bounds.Width() : Bar.Bounds.Height());
  return std::clamp(MulDiv(TrackLength, Bar.PageSize, range), minimum, TrackLength);
}

TRect Along(const TScrollBarState& Bar, int From, int To) {
  const TRect& b = Bar.Bounds;
  return Bar.Vertical ? TRect{b.Left, From, b.Right, To} : TRect{From, b.Top, To, b.Bottom};
}

}  // namespace

int ScrollMaxPosition(const TScrollBarState& Bar) {
  return Bar.PageSize > 0 ? std::max(Bar.Min, Bar.Max - Bar.PageSize + 1) : Bar.Max;
}

TRect ScrollThumbRect(const TScrollBarState& Bar) {
  int start = 0, length = 0;
  Track(Bar, start, length);
  const int thumb = ThumbLength(Bar, length);
  const int span = ScrollMaxPosition(Bar) - Bar.Min;
  const int offset = span > 0 ? MulDiv(length - thumb, std::clamp(Bar.Position, Bar.Min, ScrollMaxPosition(Bar)) - Bar.Min, span) : 0;
  return Along(Bar, start + offset, start + offset + thumb);
}

int ScrollPositionAt(const TScrollBarState& Bar, int Offset) {
  int start = 0, length = 0;
  Track(Bar, start, length);
  const int free = length - ThumbLength(Bar, length);
  if (free <= 0) return Bar.Min;
  const int span = ScrollMaxPosition(Bar) - Bar.Min;
  return std::clamp(Bar.Min + MulDiv(Offset, span, free), Bar.Min, ScrollMaxPosition(Bar));
}

TScrollPart ScrollPartAt(const TScrollBarState& Bar, TPoint Point) {
  if (!PtInRect(Bar.Bounds, Point)) return spNone;
  const int v = Bar.Vertical ? Point.Y : Point.X;
  const int first = Bar.Vertical ? Bar.Bounds.Top : Bar.Bounds.Left;
  const int last = Bar.Vertical ? Bar.Bounds.Bottom : Bar.Bounds.Right;
  const int arrow = ArrowSize(Bar);
  if (v < first + arrow) return spLineUp;
  if (v >= last - arrow) return spLineDown;
  const TRect thumb = ScrollThumbRect(Bar);
  const int thumbFrom = Bar.Vertical ? thumb.Top : thumb.Left;
  const int thumbTo = Bar.Vertical ? thumb.Bottom : thumb.Right;
  if (v < thumbFrom) return spPageUp;
  if (v >= thumbTo) return spPageDown;
  return spThumb;
}

void PaintScrollBar(TCanvas* Canvas, const TScrollBarState& Bar) {
  HDC dc = Canvas->Handle();
  const int arrow = ArrowSize(Bar);
  const TRect& b = Bar.Bounds;
  TRect up = Bar.Vertical ? TRect{b.Left, b.Top, b.Right, b.Top + arrow} : TRect{b.Left, b.Top, b.Left + arrow, b.Bottom};
  TRect down = Bar.Vertical ? TRect{b.Left, b.Bottom - arrow, b.Right, b.Bottom} : TRect{b.Right - arrow, b.Top, b.Right, b.Bottom};
  const unsigned inactive = Bar.Enabled ? 0u : unsigned(DFCS_INACTIVE);
  DrawFrameControl(dc, up, DFC_SCROLL,
                   (Bar.Vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive | (Bar.Pressed == spLineUp ? unsigned(DFCS_PUSHED | DFCS_FLAT) : 0u));
  DrawFrameControl(dc, down, DFC_SCROLL,
                   (Bar.Vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive | (Bar.Pressed == spLineDown ? unsigned(DFCS_PUSHED | DFCS_FLAT) : 0u));
  int start = 0, length = 0;
  Track(Bar, start, length);
  TRect track = Along(Bar, start, start + length);
  Canvas->Brush()->SetColor(clScrollBar);
  Canvas->FillRect(track);
  if (!Bar.Enabled || ScrollMaxPosition(Bar) <= Bar.Min) return;
  TRect thumb = ScrollThumbRect(Bar);
  DrawFrameControl(dc, thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
}
