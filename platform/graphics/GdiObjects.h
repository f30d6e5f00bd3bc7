// The objects a device context selects: brushes, pens and fonts, held by shared handles so that
// whoever selects or keeps one shares it and nothing needs deleting. Brush and pen colours may be
// system colours; they resolve when used, so a system-colour brush follows the colour table.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/Colors.h"
#include "rtl/Types.h"

// Hatch styles.
enum : int { HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4 };
// Pen styles.
enum : int { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5 };

// A brush pattern. A monochrome pattern stores 0 (black bit: painted in the text colour) or 1
// (white bit: painted in the background colour); a colour pattern stores COLORREF values.
struct TBrushPattern {
  int Width = 0;
  int Height = 0;
  bool Monochrome = false;
  std::vector<COLORREF> Pixels;  // row by row
  COLORREF At(int x, int y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
};

enum class TBrushKind { Solid, Null, Hatched, Pattern };

struct TBrushData {
  TBrushKind Kind = TBrushKind::Solid;
  TColor Color = clWhite;
  int Hatch = HS_HORIZONTAL;
  std::shared_ptr<const TBrushPattern> Pattern;
};

struct TPenData {
  int Style = PS_SOLID;
  int Width = 1;
  TColor Color = clBlack;
};

enum : int { FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700 };
enum : int { DEFAULT_CHARSET = 1 };

// A logical font. Height < 0 is the character height in pixels (the em), Height > 0 the cell
// height including internal leading, 0 the default height. Angles are in tenths of a degree,
// counter-clockwise.
struct TLogFont {
  int Height = -12;
  int Width = 0;
  int Escapement = 0;
  int Orientation = 0;
  int Weight = FW_NORMAL;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  int CharSet = DEFAULT_CHARSET;
  String FaceName = "宋体";
  friend bool operator==(const TLogFont&, const TLogFont&) = default;
};

struct TTextMetric {
  int tmHeight = 0;
  int tmAscent = 0;
  int tmDescent = 0;
  int tmInternalLeading = 0;
  int tmExternalLeading = 0;
  int tmAveCharWidth = 0;
  int tmMaxCharWidth = 0;
  int tmWeight = 0;
  bool tmItalic = false;
  bool tmUnderlined = false;
  bool tmStruckOut = false;
  int tmCharSet = 0;
};

class TFontEngine;

// A font handle: the logical font and, made on first use, what measures and draws it.
class TFontData {
 public:
  explicit TFontData(TLogFont logFont) : LogFont(std::move(logFont)) {}
  const TLogFont LogFont;
  const TFontEngine& Engine() const;
  const TTextMetric& Metrics() const;

 private:
  mutable std::shared_ptr<const TFontEngine> FEngine;
};

using HBRUSH = std::shared_ptr<const TBrushData>;
using HPEN = std::shared_ptr<const TPenData>;
using HFONT = std::shared_ptr<const TFontData>;

class TBitmap;

HBRUSH CreateSolidBrush(TColor color);
HBRUSH CreateHatchBrush(int hatch, TColor color);
// A pattern brush takes a copy of the bitmap's pixels (the whole bitmap is the pattern).
HBRUSH CreatePatternBrush(const TBitmap& bitmap);
HBRUSH CreatePatternBrush(std::shared_ptr<const TBrushPattern> pattern);
// A brush painting the system colour as it is when used.
HBRUSH GetSysColorBrush(int index);
HPEN CreatePen(int style, int width, TColor color);
HFONT CreateFontIndirect(const TLogFont& logFont);

enum TStockObject : int {
  WHITE_BRUSH = 0, BLACK_BRUSH = 4, NULL_BRUSH = 5,
  WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8,
};
HBRUSH GetStockBrush(TStockObject which);
HPEN GetStockPen(TStockObject which);

// The 8 x 8 checkerboard: black bits where column and row are both even or both odd.
std::shared_ptr<const TBrushPattern> CheckerboardPattern();
