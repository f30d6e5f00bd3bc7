// Scroll bars that controls draw in their client area: the non-client bars' geometry and painting
// applied to a rectangle of the control's own, so that both kinds look and measure alike.
#include "windows/Layer_p.h"

namespace {

TScrollBarState StateOf(const TClientScrollBar& Bar) {
  TScrollBarState state;
  state.Min = Bar.Min;
  state.Max = Bar.Max;
  state.Page = Bar.Page;
  state.Pos = Bar.Pos;
  state.Disabled = Bar.Enabled ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
  state.PressedPart = Bar.Pressed;
  return state;
}

TScrollBarGeometry GeometryOf(const TClientScrollBar& Bar) { return ScrollBarGeometry(StateOf(Bar), Bar.Bounds, Bar.Vertical); }

}  // namespace

TScrollPart ScrollBarPartAt(const TClientScrollBar& Bar, TPoint Point) { return ScrollPartAt(GeometryOf(Bar), Point); }

TRect ScrollBarThumbRect(const TClientScrollBar& Bar) {
  const TScrollBarGeometry g = GeometryOf(Bar);
  return g.ThumbLength == 0 ? TRect{} : g.Span(g.ThumbPos, g.ThumbPos + g.ThumbLength);
}

int ScrollBarPositionAt(const TClientScrollBar& Bar, int Offset) {
  return PositionAtThumbOffset(StateOf(Bar), GeometryOf(Bar), Offset);
}

void DrawScrollBar(HDC DC, const TClientScrollBar& Bar) { PaintScrollBar(DC, StateOf(Bar), GeometryOf(Bar)); }
