// Creation of brush, pen and font handles and the stock objects.
#include "graphics/GdiObjects.h"

#include "graphics/FontEngine_p.h"

const TFontEngine& TFontData::Engine() const {
  if (!FEngine) FEngine = CreateFontEngine(LogFont);
  return *FEngine;
}

const TTextMetric& TFontData::Metrics() const { return Engine().Metrics(); }

HBRUSH CreateSolidBrush(TColor color) {
  return std::make_shared<TBrushData>(TBrushData{TBrushKind::Solid, color, HS_HORIZONTAL, nullptr});
}

HBRUSH CreateHatchBrush(int hatch, TColor color) {
  return std::make_shared<TBrushData>(TBrushData{TBrushKind::Hatched, color, hatch, nullptr});
}

HBRUSH CreatePatternBrush(std::shared_ptr<const TBrushPattern> pattern) {
  return std::make_shared<TBrushData>(TBrushData{TBrushKind::Pattern, clBlack, HS_HORIZONTAL, std::move(pattern)});
}

HBRUSH GetSysColorBrush(int index) { return CreateSolidBrush(SysColor(index)); }

HPEN CreatePen(int style, int width, TColor color) {
  return std::make_shared<TPenData>(TPenData{style, width, color});
}

HFONT CreateFontIndirect(const TLogFont& logFont) { return std::make_shared<TFontData>(logFont); }

HBRUSH GetStockBrush(TStockObject which) {
  static const HBRUSH brushes[] = {
      CreateSolidBrush(clWhite), CreateSolidBrush(RGB(192, 192, 192)), CreateSolidBrush(RGB(128, 128, 128)),
      CreateSolidBrush(RGB(64, 64, 64)), CreateSolidBrush(clBlack),
      std::make_shared<TBrushData>(TBrushData{TBrushKind::Null, clWhite, HS_HORIZONTAL, nullptr})};
  return which >= WHITE_BRUSH && which <= NULL_BRUSH ? brushes[which] : brushes[WHITE_BRUSH];
}

HPEN GetStockPen(TStockObject which) {
  static const HPEN white = CreatePen(PS_SOLID, 1, clWhite), black = CreatePen(PS_SOLID, 1, clBlack),
                    none = CreatePen(PS_NULL, 1, clBlack);
  return which == WHITE_PEN ? white : which == NULL_PEN ? none : black;
}

std::shared_ptr<const TBrushPattern> CheckerboardPattern() {
  static const std::shared_ptr<const TBrushPattern> pattern = [] {
    auto p = std::make_shared<TBrushPattern>();
    p->Width = p->Height = 8;
    p->Monochrome = true;
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) p->Pixels.push_back((x + y) % 2 == 0 ? 0 : 1);
    return p;
  }();
  return pattern;
}
