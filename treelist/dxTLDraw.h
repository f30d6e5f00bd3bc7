// The tree list's drawing routines: the indicator glyphs and the expand-button bitmaps shared by
// every tree list, and the small painters of the paint pass (tree and grid buttons, sort marks,
// header, band and indicator buttons, cell and preview text, focus marks). They take a device
// context and rectangles and keep nothing between calls.
#pragma once

#include "graphics/Gdi.h"
#include "graphics/Graphic.h"
#include "graphics/ImageList.h"
#include "treelist/dxTLTypes.h"

// The five indicator glyphs, in the order of the indicator kinds (kind k shows image k - 1).
const TImageList& TreeListIndicatorImages();
// The grid-style expand buttons (12 x 12, plus when collapsed, minus when expanded), made again
// by BuildTreeButtonGlyphs from the system colours.
const TBitmap& TreeListButtonGlyph(bool Collapsed);
void BuildTreeButtonGlyphs();

// An unset rectangle: both corners at one point.
inline bool RectIsPoint(const TRect& R) { return R.Left == R.Right && R.Top == R.Bottom; }

// The lines Text takes wrapped in Width less Inset (2 pixels of margin at each side, Deflate2:
// 2 at the top and bottom, else 1); LineHeight 0 counts lines of "Wg" in Font. At most
// MaxLineCount unless that is -1. Height: the height measured, or the lines kept times the line
// height when they were cut. An empty text or a MaxLineCount of 0 measures nothing.
int CalcTextLineCount(const String& Text, int Width, int LineHeight, int MaxLineCount, const TFont* Font,
                      bool Deflate2, int Inset, int& Height);

// Centred in Rect (the extra pixel of an odd difference to the right and below); nothing for a
// missing list or bitmap or an index out of range.
void DrawImageCentered(HDC DC, const TRect& Rect, const TImageList* ImageList, int Index);
void DrawBitmapCentered(HDC DC, const TRect& Rect, const TBitmap* Bitmap);

// The 9 x 9 tree button centred across Rect at MiddleY: a grey frame, a minus, a plus when
// collapsed.
void DrawTreeButton(HDC DC, const TRect& Rect, int MiddleY, bool Collapsed);
// The grid button: the shared glyph centred in Rect.
void DrawGridButton(HDC DC, const TRect& Rect, bool Collapsed);
// The ultra-flat button: an 11 x 11 framed box with a flat shadow, centred in Rect even when Rect
// is smaller.
void DrawUltraFlatGridButton(HDC DC, const TRect& Rect, bool Collapsed);
// A 9 x 8 triangle centred in Rect, pointing up when Ascending, its shadowed and lit edges in the
// button colours.
void DrawSortMark(HDC DC, const TRect& Rect, bool Ascending);

// Where a button lies in its band row: alone (also panel corners and indicator cells), last,
// first, in between.
enum TdxHeaderEdgeKind { ekAlone, ekLast, ekFirst, ekMiddle };

// The frame and background of a header, band or indicator button; Rect comes back as the area
// inside the frame. Only the standard look draws Pressed: the flat looks invert a pressed button
// afterwards.
void DrawHeaderFrame(HDC DC, TRect& Rect, const HBRUSH& Brush, bool Pressed, TdxHeaderEdgeKind EdgeKind,
                     TdxLookAndFeel Look);
// DrawHeaderFrame, and a pressed button inverted in the flat looks.
void DrawButtonFace(HDC DC, const TRect& Rect, const HBRUSH& Brush, bool Pressed, TdxHeaderEdgeKind EdgeKind,
                    TdxLookAndFeel Look);
// The header's drop-down (filter) button in State (hbs* bits).
void DrawHeaderDropButton(HDC DC, const TRect& Rect, unsigned State);

// What a header or band button shows.
struct TdxHeaderButtonContent {
  String Text;
  bool Pressed = false;
  bool MultiLine = false;
  TAlignment Alignment = taLeftJustify;
  TdxTreeListColumnSort Sorted = csNone;
  const TBitmap* Glyph = nullptr;
  TdxHeaderEdgeKind EdgeKind = ekAlone;
  TdxLookAndFeel Look = lfStandard;
  unsigned ButtonState = 0;  // hbs* bits; 0: no drop-down button
};
// Frame, drop-down button (when 15 pixels fit), sort mark (when 16 more fit), glyph and text.
void DrawHeaderContent(HDC DC, const TRect& Rect, const HBRUSH& Brush, const TdxHeaderButtonContent& Content);
// The button painted into Bitmap (sized to Rect, with DC's font and text colour) and the part
// inside VisibleRect copied to DC.
void DrawHeaderButton(HDC DC, const TRect& Rect, const TRect& VisibleRect, const HBRUSH& Brush, TBitmap& Bitmap,
                      const TdxHeaderButtonContent& Content);
// The ultra-flat indicator cell's frame: a flat sunken edge right and below, the fill, one pixel
// off each side.
void DrawUltraFlatIndicatorFrame(HDC DC, TRect& Rect, const HBRUSH& Brush);
// An indicator cell with the glyph of Kind (none for 0), through Bitmap like DrawHeaderButton.
void DrawIndicatorCell(HDC DC, const TRect& Rect, const TRect& VisibleRect, const HBRUSH& Brush, TBitmap& Bitmap,
                       int Kind, TdxLookAndFeel Look);

// A cell text and how to draw it. Length: the characters drawn, -1 for all.
struct TdxCellTextParams {
  String Text;
  int Length = -1;
  bool MultiLine = false;
  bool EndEllipsis = false;
  TAlignment Alignment = taLeftJustify;
  bool Buffered = false;     // the slow path goes through the cell bitmap
  bool LargeMargin = false;  // 2 pixels above the text instead of 1
  bool PrefixMode = false;   // only the text over what is there: the matched prefix of a search
};
// A single line of a pure background colour is drawn by ExtTextOut with the cell filled around
// it; wrapped, cut or dithered text is formatted in the cell (through Bitmap when Buffered).
void DrawCellTextEx(HDC DC, const TRect& Rect, const HBRUSH& Brush, TBitmap& Bitmap, const TdxCellTextParams& Params);

// A preview: the area filled, the text wrapped in it less 1 pixel and Indent on the left, cut with
// an ellipsis; through Bitmap when Buffered.
struct TdxPreviewTextParams {
  String Text;
  int Indent = 0;
  COLORREF TextColor = 0;
  HFONT Font;
  bool Buffered = false;
};
void DrawPreviewText(HDC DC, const TRect& Rect, const HBRUSH& Brush, TBitmap& Bitmap, const TdxPreviewTextParams& Params);

// A panel corner button: the ultra-flat look's flat sunken edge, else a button face.
void DrawPanelCorner(HDC DC, const TRect& Rect, const HBRUSH& Brush, bool Pressed, TdxLookAndFeel Look);
// The frame of a footer cell around Rect (Rect itself is left as it is).
void DrawFooterCellFrame(HDC DC, const TRect& Rect, TdxLookAndFeel Look);
// The filter panel's close button: a box in the window frame, window or button face colour and a
// cross two pixels thick.
void DrawFilterCloseButton(HDC DC, const TRect& Rect, bool Hot, bool Pressed);

// The dotted focus frame in black and white, so that drawing it twice restores the pixels.
void DrawFocusRectangle(HDC DC, const TRect& Rect);
// A one-pixel inverted frame, the focus mark of a control without the focus.
void DrawInvertedFrame(HDC DC, const TRect& Rect);
