// The drawing primitives of bars and menus: the checkerboard brush, the highlight frame, arrows,
// item glyphs with their hot, grey and disabled looks, the menu gradient and the lightened
// system colours of the flat style. Every routine restores what it selects into the canvas.
#pragma once

#include "graphics/Canvas.h"
#include "graphics/Colors.h"
#include "graphics/Graphic.h"
#include "graphics/ImageList.h"

// The module's 8 x 8 brush: button face where x and y are both even or both odd, button
// highlight elsewhere; made again by CreateBarPatternBrush after a colour change.
void CreateBarPatternBrush();
const HBRUSH& BarPatternBrush();

// A one-pixel frame in the highlight colour.
void FrameHighlightRect(HDC DC, const TRect& Rect);
// A filled triangle centred in Rect, pointing down or right, Size pixels deep; shadow-coloured
// when disabled (with a highlight edge unless Flat), highlight-text when selected.
void DrawArrow(HDC DC, const TRect& Rect, bool Down, int Size, bool Selected, bool Enabled, bool Flat);
// The arrow size that fits Rect: from width - 8 (down) or height - 6 (right), at least 3.
int ArrowSizeOfRect(const TRect& Rect, bool Down);
void DrawArrowInRect(HDC DC, const TRect& Rect, bool Down, bool Enabled, bool Selected, bool Flat);

// An item's picture in GlyphRect, composed off-screen over BackgroundBrush across ItemRect: the
// glyph bitmap (transparent where it has its bottom-left colour) when it is not empty, else image
// ImageIndex of Images.
struct TdxBarGlyphState {
  bool Enabled = true;
  bool Grayed = false;
  bool Selected = false;
  bool ShadowAllowed = false;
  bool Down = false;
};
void DrawBarGlyph(HDC DC, const HBRUSH& BackgroundBrush, const TRect& ItemRect, const TRect& GlyphRect,
                  const TBitmap* Glyph, const TImageList* Images, int ImageIndex, const TdxBarGlyphState& State);

// Every pixel that is not TransparentColor becomes its grey, (R + G + B) / 3.
void GrayscaleBitmap(TBitmap& Bitmap, COLORREF TransparentColor);
// 256 horizontal stripes from StartColor at the top to EndColor at the bottom.
void FillGradientRect(TCanvas& Canvas, const TRect& Rect, TColor StartColor, TColor EndColor);
// The system colour with the deltas added to its channels, each held to 0..255.
COLORREF LightenSysColor(int ColorIndex, int DR, int DG, int DB);
