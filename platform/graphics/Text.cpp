// Text output and measurement on a device context: ExtTextOut, TextOut, extents and metrics.
#include "graphics/Text_p.h"

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

bool ExtTextOut(HDC dc, int x, int y, unsigned options, const TRect* rect, const String& text, int count) {
  TDeviceContext& c = dc->DC();
  QRegion clip = c.EffectiveClip();
  if (rect) {
    const QRect r = c.ToSurface(*rect);
    if (options & ETO_OPAQUE) FillSolid(c, QRegion(r), c.State.BkColor);
    if (options & ETO_CLIPPED) clip &= QRegion(r);
  }
  const std::u32string cps = CodePointsOf(text, count);
  if (!cps.empty()) OutputRun(dc, x, y, cps, -1, clip);
  return true;
}

bool TextOut(HDC dc, int x, int y, const String& text) { return ExtTextOut(dc, x, y, 0, nullptr, text); }

bool GetTextExtentPoint32(HDC dc, const String& text, TSize& size) {
  size = {RunWidth(dc, ToCodePoints(text)), dc->DC().Metrics().tmHeight};
  return true;
}

bool GetTextMetrics(HDC dc, TTextMetric& metrics) {
  metrics = dc->DC().Metrics();
  return true;
}
