// What the views of the item kinds share when they paint: the face of a control on a toolbar, its
// glyph, a caption with its accelerator underlined, and the menu line with its glyph column,
// check mark, short cut and sub-menu arrow.
#pragma once

#include "bars/dxBarItemControl.h"
#include "graphics/Gdi.h"

// The states a face shows: hot (under the mouse or selected), pressed, down (a checked button).
struct TdxBarFace {
  bool Hot = false;
  bool Pressed = false;
  bool Down = false;
  bool Enabled = true;
};

// The background and its frame: under the flat style the highlight frame and brush while hot,
// pressed or down; otherwise a raised edge while hot and a sunken one while pressed or down (a
// down button that is not hot shows the checkerboard).
void DrawToolbarFace(const TdxBarItemControl& Control, HDC DC, const TRect& Rect, const TdxBarFace& Face);
// The control's picture (its glyph, else its image) centred in GlyphRect.
void DrawControlGlyph(const TdxBarItemControl& Control, HDC DC, const TRect& ItemRect, const TRect& GlyphRect,
                      const TdxBarFace& Face);
// A caption on one line over a transparent background, its accelerator underlined, in Color; a
// disabled caption is grey (embossed with the highlight colour unless flat). A rotated toolbar
// writes it downwards.
void DrawBarCaption(const TdxBarItemControl& Control, HDC DC, const String& Caption, const TRect& Rect, unsigned Format,
                    bool Enabled, COLORREF Color);

// The glyph at the start of Rect in a square of the glyph-button size (along a rotated bar: at its
// top) when ShowGlyph, else half the font size of margin; answers the rest, where the caption goes.
TRect DrawGlyphPart(const TdxBarItemControl& Control, HDC DC, const TRect& Rect, bool ShowGlyph, const TdxBarFace& Face);

struct TdxBarMenuLine {
  String Caption;
  String ShortCut;
  bool Checked = false;
  bool SubMenu = false;
};
// A menu line: the square glyph column, the gap, the text area (selection brush while selected)
// with the caption and the right-aligned short cut, the check mark of a checked item without a
// picture, and the arrow of a sub item.
void DrawMenuLine(const TdxBarItemControl& Control, HDC DC, const TRect& Rect, const TdxBarMenuLine& Line);
// A tick of one-pixel lines, twice as large for Large; black (white on a black face) when enabled,
// shadow-coloured when disabled, with its 3-D strokes unless Flat.
void DrawCheckMark(HDC DC, const TRect& Rect, bool Enabled, bool Flat, bool Large);
// A filled triangle pointing down in the button-text colour (grey text when disabled): the ends
// of its top edge and the middle point half its width lower.
void DrawDropArrow(HDC DC, const TRect& Rect, bool Enabled);
