// What measures and draws a logical font: Qt's font machinery with the face substitution table,
// or the fixed-metrics test font whose glyphs are boxes.
#pragma once

#include <QColor>
#include <QPainter>

#include <memory>
#include <string>

#include "graphics/FontQt.h"
#include "graphics/GdiObjects.h"

class TFontEngine {
 public:
  virtual ~TFontEngine() = default;
  virtual const TTextMetric& Metrics() const = 0;
  // Advance of the text, with charExtra pixels added after every character.
  virtual int Width(const std::u32string& text, int charExtra) const = 0;
  // Draws the text with its cell's top-left corner at the painter's origin; underlineIndex is the
  // character to underline (an '&' prefix), -1 for none.
  virtual void Draw(QPainter& painter, const std::u32string& text, int charExtra, const QColor& color,
                    int underlineIndex) const = 0;
};

std::shared_ptr<const TFontEngine> CreateFontEngine(const TLogFont& logFont);
// Characters that take two columns (CJK ideographs, kana, Hangul, full-width forms).
bool IsWideChar(char32_t ch);
