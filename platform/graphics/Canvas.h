// TCanvas: a device context. It holds the selected font, pen and brush, the text and background
// colours, the background mode, the raster operation, the brush origin, the origins and the clip
// region, and draws with the original system's pixel rules:
//  - coordinates are whole pixels at 96 dpi on screens and bitmaps;
//  - a rectangle covers its left column and top row but not its right column nor bottom row;
//  - a line covers its start pixel but not its end pixel, in every direction;
//  - shapes are never antialiased and a pen of width 1 is one pixel wide.
// The functions of the device-context interface (Gdi.h) take the canvas as their HDC; the
// methods here are the object interface that draws with the canvas' own Font, Pen and Brush.
#pragma once

#include <memory>
#include <vector>

#include "graphics/Brush.h"
#include "graphics/Font.h"
#include "graphics/Pen.h"
#include "graphics/Region.h"

class TCanvas;
using HDC = TCanvas*;
class TGraphic;
class TDeviceContext;

// Binary raster operations (pens and shape interiors).
enum : int {
  R2_BLACK = 1, R2_NOTMERGEPEN = 2, R2_MASKNOTPEN = 3, R2_NOTCOPYPEN = 4, R2_MASKPENNOT = 5,
  R2_NOT = 6, R2_XORPEN = 7, R2_NOTMASKPEN = 8, R2_MASKPEN = 9, R2_NOTXORPEN = 10, R2_NOP = 11,
  R2_MERGENOTPEN = 12, R2_COPYPEN = 13, R2_MERGEPENNOT = 14, R2_MERGEPEN = 15, R2_WHITE = 16,
};

// Ternary raster operations of block transfers; the index byte (bits 16-23) says which
// combination of pattern P, source S and destination D results.
using DWORD = uint32_t;
enum : DWORD {
  SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046,
  NOTSRCCOPY = 0x00330008, MERGECOPY = 0x00C000CA,
  PATCOPY = 0x00F00021, PATINVERT = 0x005A0049,
  DSTINVERT = 0x00550009, BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062,
  DSPDxax = 0x00E20746,  // where the source is white the pattern shows, elsewhere the destination
};

enum : int { TRANSPARENT = 1, OPAQUE = 2 };

class TCanvas : public TPersistent {
 public:
  // A canvas without a surface measures text but refuses to draw until one is attached.
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  String ClassName() const override { return "TCanvas"; }

  HDC Handle() { return this; }
  bool HandleAllocated() const;

  // The canvas' own objects; a change is selected into the device context at once. Selecting
  // the brush also sets the background colour and mode (opaque for a solid brush, transparent
  // otherwise), the font sets the text colour and the pen sets the raster operation.
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* font) { FFont->Assign(font); }
  TPen* Pen() const { return FPen.get(); }
  TBrush* Brush() const { return FBrush.get(); }

  TPoint PenPos() const;
  // The clip box in logical coordinates.
  TRect ClipRect();

  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
  void Ellipse(int left, int top, int right, int bottom);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  void Polygon(const std::vector<TPoint>& points);
  void Polyline(const std::vector<TPoint>& points);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void DrawFocusRect(const TRect& r);

  void TextOut(int x, int y, const String& text);
  // Text at (x, y) clipped to r; with an opaque brush r is filled with the background colour.
  void TextRect(const TRect& r, int x, int y, const String& text);
  int TextWidth(const String& text);
  int TextHeight(const String& text);
  TSize TextExtent(const String& text);

  void Draw(int x, int y, const TGraphic* graphic);
  void StretchDraw(const TRect& r, const TGraphic* graphic);
  // Copies source's rectangle into dest (SRCCOPY).
  void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);

  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  TDeviceContext& DC() { return *FDC; }
  const TDeviceContext& DC() const { return *FDC; }

 private:
  void SelectOwnFont();
  void SelectOwnPen();
  void SelectOwnBrush();

  std::unique_ptr<TDeviceContext> FDC;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
};

// The canvas for measuring text with no window at hand (the screen's device context).
TCanvas& ScreenCanvas();
