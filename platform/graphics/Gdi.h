// The device-context interface: free functions over a canvas (HDC), with the names, arguments and
// rules of the original system's drawing functions. State functions answer the previous value.
#pragma once

#include <vector>

#include "graphics/Canvas.h"

// --- state ---------------------------------------------------------------------------------
HBRUSH SelectObject(HDC dc, const HBRUSH& brush);
HPEN SelectObject(HDC dc, const HPEN& pen);
HFONT SelectObject(HDC dc, const HFONT& font);
HBRUSH GetCurrentBrush(HDC dc);
HFONT GetCurrentFont(HDC dc);
// Colours may be given as TColor; system colours resolve when set.
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int rop2);
int GetROP2(HDC dc);
// The brush origin is in device coordinates: a pattern's top-left pixel lies on it.
bool SetBrushOrgEx(HDC dc, int x, int y, TPoint* previous = nullptr);
// Pixels added after every character, in drawing and in measuring.
int SetTextCharacterExtra(HDC dc, int extra);
// Text justification: the next texts drawn or measured spread breakExtra pixels over breakCount
// blanks, each blank taking breakExtra / breakCount and the first ones one pixel more of the
// remainder; SetTextJustification(dc, 0, 0) ends it.
bool SetTextJustification(HDC dc, int breakExtra, int breakCount);
// Device point = logical point - window origin + viewport origin.
bool SetWindowOrgEx(HDC dc, int x, int y, TPoint* previous = nullptr);
bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* previous = nullptr);
// SaveDC answers the new level; RestoreDC with a negative level counts back from the top.
int SaveDC(HDC dc);
bool RestoreDC(HDC dc, int savedLevel);

enum : int { HORZRES = 8, VERTRES = 10, BITSPIXEL = 12, PLANES = 14, LOGPIXELSX = 88, LOGPIXELSY = 90 };
int GetDeviceCaps(HDC dc, int index);
// On true-colour surfaces every colour is its own nearest colour.
COLORREF GetNearestColor(HDC dc, COLORREF color);

// --- clipping ------------------------------------------------------------------------------
// The clip region is in device coordinates. GetClipRgn answers 1 and copies it when one is
// selected, 0 when drawing is not clipped. SelectClipRgn(nullptr) removes it.
int GetClipRgn(HDC dc, TRegion& region);
int SelectClipRgn(HDC dc, const TRegion* region);
int ExtSelectClipRgn(HDC dc, const TRegion* region, int mode);
// These two take logical coordinates.
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int GetClipBox(HDC dc, TRect& box);
bool RectVisible(HDC dc, const TRect& r);

// --- fills and shapes --------------------------------------------------------------------
bool FillRect(HDC dc, const TRect& r, const HBRUSH& brush);
bool FrameRect(HDC dc, const TRect& r, const HBRUSH& brush);
bool InvertRect(HDC dc, const TRect& r);
bool FillRgn(HDC dc, const TRegion& region, const HBRUSH& brush);
bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
// Outline with the pen, interior with the brush, both through the binary raster operation.
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
bool Ellipse(HDC dc, int left, int top, int right, int bottom);
bool Polygon(HDC dc, const std::vector<TPoint>& points);
bool Polyline(HDC dc, const std::vector<TPoint>& points);
// counts[i] consecutive points of points form polyline i.
bool PolyPolyline(HDC dc, const std::vector<TPoint>& points, const std::vector<int>& counts);
bool MoveToEx(HDC dc, int x, int y, TPoint* previous = nullptr);
bool LineTo(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
// CLR_INVALID outside the surface or the clip region, and on surfaces that cannot be read.
COLORREF GetPixel(HDC dc, int x, int y);

// --- 3-D edges, frame controls, focus rectangles ------------------------------------------
enum : unsigned {
  BDR_RAISEDOUTER = 0x1, BDR_SUNKENOUTER = 0x2, BDR_RAISEDINNER = 0x4, BDR_SUNKENINNER = 0x8,
  BDR_OUTER = 0x3, BDR_INNER = 0xC,
  EDGE_RAISED = 0x5, EDGE_SUNKEN = 0xA, EDGE_ETCHED = 0x6, EDGE_BUMP = 0x9,
};
enum : unsigned {
  BF_LEFT = 0x1, BF_TOP = 0x2, BF_RIGHT = 0x4, BF_BOTTOM = 0x8, BF_TOPLEFT = 0x3,
  BF_BOTTOMRIGHT = 0xC, BF_RECT = 0xF, BF_MIDDLE = 0x800, BF_SOFT = 0x1000,
  BF_ADJUST = 0x2000, BF_FLAT = 0x4000, BF_MONO = 0x8000,
};
// Raised outer: 3-D light top-left, dark shadow bottom-right; raised inner: highlight and
// shadow; sunken outer: shadow and highlight; sunken inner: dark shadow and 3-D light. Flat
// edges are shadow outside and face inside; mono edges window frame outside and window inside.
// BF_ADJUST shrinks rect to the inside of the edges drawn.
bool DrawEdge(HDC dc, TRect& rect, unsigned edge, unsigned flags);

enum : unsigned { DFC_CAPTION = 1, DFC_SCROLL = 3, DFC_BUTTON = 4 };
enum : unsigned {
  DFCS_BUTTONCHECK = 0x0, DFCS_BUTTONRADIO = 0x4, DFCS_BUTTON3STATE = 0x8, DFCS_BUTTONPUSH = 0x10,
  DFCS_CAPTIONCLOSE = 0x0, DFCS_CAPTIONMIN = 0x1, DFCS_CAPTIONMAX = 0x2, DFCS_CAPTIONRESTORE = 0x3,
  DFCS_SCROLLUP = 0x0, DFCS_SCROLLDOWN = 0x1, DFCS_SCROLLLEFT = 0x2, DFCS_SCROLLRIGHT = 0x3,
  DFCS_SCROLLCOMBOBOX = 0x5, DFCS_SCROLLSIZEGRIP = 0x8, DFCS_SCROLLSIZEGRIPRIGHT = 0x10,
  DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_CHECKED = 0x400, DFCS_TRANSPARENT = 0x800,
  DFCS_ADJUSTRECT = 0x2000, DFCS_FLAT = 0x4000, DFCS_MONO = 0x8000,
};
bool DrawFrameControl(HDC dc, TRect& rect, unsigned type, unsigned state);
// A dotted frame inverted through the checkerboard and the text and background colours
// (PATINVERT), so that drawing it twice restores the pixels.
bool DrawFocusRect(HDC dc, const TRect& r);

// --- text --------------------------------------------------------------------------------
enum : unsigned {
  DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
  DT_NOCLIP = 0x100, DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800,
  DT_PATH_ELLIPSIS = 0x4000, DT_END_ELLIPSIS = 0x8000,
  DT_WORD_ELLIPSIS = 0x40000,
};
// Formats text in rect (count characters, -1 for all). Answers the height of the text, or with
// DT_VCENTER or DT_BOTTOM the offset from rect.Top to the bottom of the text. With DT_CALCRECT
// nothing is drawn and rect is set to the text's extent.
int DrawText(HDC dc, const String& text, int count, TRect& rect, unsigned format);

enum : unsigned { ETO_OPAQUE = 0x2, ETO_CLIPPED = 0x4 };
// Text with its cell's top-left corner at (x, y). ETO_OPAQUE fills rect with the background
// colour; ETO_CLIPPED limits the text to rect. count characters, -1 for all.
bool ExtTextOut(HDC dc, int x, int y, unsigned options, const TRect* rect, const String& text, int count = -1);
bool TextOut(HDC dc, int x, int y, const String& text);
bool GetTextExtentPoint32(HDC dc, const String& text, TSize& size);
bool GetTextMetrics(HDC dc, TTextMetric& metrics);

// --- block transfers ------------------------------------------------------------------------
// A monochrome source is painted in the destination's text colour (black bits) and background
// colour (white bits); a colour source copied to a monochrome destination gives white where it
// has the source's background colour and black elsewhere. Negative extents mirror.
bool BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, DWORD rop);
bool StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sw, int sh, DWORD rop);
// Copies the source except its pixels of the transparent colour.
bool TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sw, int sh,
                    COLORREF transparent);
