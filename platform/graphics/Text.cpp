// Text output and measurement on a device context: ExtTextOut, TextOut, extents and metrics.
#include "graphics/Text_p.h"

#include <cmath>
#include <numbers>

#include "graphics/FontEngine_p.h"
#include "graphics/Shapes_p.h"
#include "rtl/Text.h"

std::u32string CodePointsOf(const String& text, int count) {
  std::u32string cps = ToCodePoints(text);
  if (count >= 0 && size_t(count) < cps.size()) cps.resize(size_t(count));
  return cps;
}

int RunWidth(HDC dc, const std::u32string& text) {
  const TDCState& s = dc->DC().State;
  return s.Font->Engine().Width(text, s.CharExtra);
}

void OutputRun(HDC dc, int x, int y, const std::u32string& text, int underlineIndex, const QRegion& clip) {
  TDeviceContext& c = dc->DC();
  TTextRun run;
  run.TopLeft = c.ToSurface(x, y);
  run.Text = text;
  run.Font = c.State.Font;
  run.Color = ToQRgb(c.State.TextColor);
  run.CharExtra = c.State.CharExtra;
  run.UnderlineIndex = underlineIndex;
  if (c.State.BkMode == OPAQUE) run.Background = ToQRgb(c.State.BkColor);
  c.RequireDevice().Text(run, clip);
}

namespace {

// The pixels text justification adds at the n-th blank (from 0): the remainder of the division
// goes, one pixel each, to the first blanks.
int BreakExtraOf(const TDCState& s, int n) {
  const int base = s.BreakExtra / s.BreakCount, rest = s.BreakExtra % s.BreakCount;
  if (rest > 0) return base + (n < rest ? 1 : 0);
  return base - (n < -rest ? 1 : 0);
}

int JustificationExtra(const TDCState& s, const std::u32string& text) {
  int extra = 0, n = 0;
  if (s.BreakExtra != 0)
    for (char32_t c : text)
      if (c == U' ') extra += BreakExtraOf(s, n++);
  return extra;
}

// Justified text goes out as runs that each end after a blank, every run moved along the text's
// direction by the extra pixels of the blanks before it.
void OutputJustified(HDC dc, int x, int y, const std::u32string& text, const QRegion& clip) {
  const TDCState& s = dc->DC().State;
  const double angle = s.Font->LogFont.Escapement * std::numbers::pi / 1800;
  int advance = 0, n = 0;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != U' ' && i + 1 < text.size()) continue;
    const std::u32string run = text.substr(start, i + 1 - start);
    OutputRun(dc, x + int(std::lround(advance * std::cos(angle))), y - int(std::lround(advance * std::sin(angle))), run,
              -1, clip);
    advance += RunWidth(dc, run);
    if (text[i] == U' ') advance += BreakExtraOf(s, n++);
    start = i + 1;
  }
}

}  // namespace

bool ExtTextOut(HDC dc, int x, int y, unsigned options, const TRect* rect, const String& text, int count) {
  TDeviceContext& c = dc->DC();
  QRegion clip = c.EffectiveClip();
  if (rect) {
    const QRect r = c.ToSurface(*rect);
    if (options & ETO_OPAQUE) FillSolid(c, QRegion(r), c.State.BkColor);
    if (options & ETO_CLIPPED) clip &= QRegion(r);
  }
  const std::u32string cps = CodePointsOf(text, count);
  if (cps.empty()) return true;
  if (JustificationExtra(c.State, cps) != 0)
    OutputJustified(dc, x, y, cps, clip);
  else
    OutputRun(dc, x, y, cps, -1, clip);
  return true;
}

bool TextOut(HDC dc, int x, int y, const String& text) { return ExtTextOut(dc, x, y, 0, nullptr, text); }

bool GetTextExtentPoint32(HDC dc, const String& text, TSize& size) {
  const std::u32string cps = ToCodePoints(text);
  size = {RunWidth(dc, cps) + JustificationExtra(dc->DC().State, cps), dc->DC().Metrics().tmHeight};
  return true;
}

bool GetTextMetrics(HDC dc, TTextMetric& metrics) {
  metrics = dc->DC().Metrics();
  return true;
}
