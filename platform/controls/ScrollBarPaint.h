// The classic scroll bar drawn inside a control: its parts, their hit test, its drawing, and the
// position a dragged thumb stands for. Serves the scroll-bar control and the lists' own bars.
#pragma once

#include "graphics/Canvas.h"

enum TScrollPart { spNone, spLineUp, spPageUp, spThumb, spPageDown, spLineDown };

struct TScrollBarState {
  TRect Bounds;
  bool Vertical = true;
  int Min = 0;
  int Max = 100;
  int PageSize = 0;  // 0: the thumb has the classic fixed size
  int Position = 0;
  bool Enabled = true;
  TScrollPart Pressed = spNone;
};

TScrollPart ScrollPartAt(const TScrollBarState& Bar, TPoint Point);
TRect ScrollThumbRect(const TScrollBarState& Bar);
// The position whose thumb starts Offset pixels into the track (clamped to the range).
int ScrollPositionAt(const TScrollBarState& Bar, int Offset);
// The largest position: Max, or Max - PageSize + 1 with a page.
int ScrollMaxPosition(const TScrollBarState& Bar);
void PaintScrollBar(TCanvas* Canvas, const TScrollBarState& Bar);
