// The system metrics table and the source of the screen's size.
#include "graphics/Metrics.h"

#include <optional>
#include <utility>

namespace {

TSystemMetricsTable& CurrentTable() {
  static TSystemMetricsTable table = ClassicSystemMetrics();
  return table;
}

TScreenSizeSource& ScreenSizeSource() {
  static TScreenSizeSource source;
  return source;
}

// The metrics that follow the screen; a window may be sized a frame's width beyond it.
std::optional<int> ScreenMetric(int Index) {
  const TScreenSizeSource& source = ScreenSizeSource();
  if (!source) return std::nullopt;
  switch (Index) {
    case SM_CXSCREEN: return source().cx;
    case SM_CYSCREEN: return source().cy;
    case SM_CXMAXTRACK: return source().cx + 12;
    case SM_CYMAXTRACK: return source().cy + 12;
    default: return std::nullopt;
  }
}

}  // namespace

const TSystemMetricsTable& ClassicSystemMetrics() {
  static const TSystemMetricsTable classic = {
      {SM_CXSCREEN, 1024}, {SM_CYSCREEN, 768}, {SM_CXVSCROLL, 16}, {SM_CYHSCROLL, 16},
      {SM_CYCAPTION, 19}, {SM_CXBORDER, 1}, {SM_CYBORDER, 1}, {SM_CXDLGFRAME, 3},
      {SM_CYDLGFRAME, 3}, {SM_CYVTHUMB, 16}, {SM_CXHTHUMB, 16}, {SM_CXICON, 32}, {SM_CYICON, 32},
      {SM_CXCURSOR, 32}, {SM_CYCURSOR, 32}, {SM_CYMENU, 19}, {SM_CXFULLSCREEN, 1024},
      {SM_CYFULLSCREEN, 701}, {SM_MOUSEPRESENT, 1}, {SM_CYVSCROLL, 16}, {SM_CXHSCROLL, 16},
      {SM_SWAPBUTTON, 0}, {SM_CXMIN, 112}, {SM_CYMIN, 27}, {SM_CXSIZE, 18}, {SM_CYSIZE, 18},
      {SM_CXFRAME, 4}, {SM_CYFRAME, 4}, {SM_CXMINTRACK, 112}, {SM_CYMINTRACK, 27},
      {SM_CXDOUBLECLK, 4}, {SM_CYDOUBLECLK, 4}, {SM_CXICONSPACING, 75}, {SM_CYICONSPACING, 75},
      {SM_MENUDROPALIGNMENT, 0}, {SM_CMOUSEBUTTONS, 3}, {SM_CXEDGE, 2}, {SM_CYEDGE, 2},
      {SM_CXSMICON, 16}, {SM_CYSMICON, 16}, {SM_CYSMCAPTION, 15}, {SM_CXSMSIZE, 12},
      {SM_CYSMSIZE, 14}, {SM_CXMENUSIZE, 18}, {SM_CYMENUSIZE, 18}, {SM_CXMAXTRACK, 1036},
      {SM_CYMAXTRACK, 780}, {SM_CXMAXIMIZED, 1032}, {SM_CYMAXIMIZED, 776}, {SM_CXDRAG, 4},
      {SM_CYDRAG, 4}, {SM_CXMENUCHECK, 13}, {SM_CYMENUCHECK, 13}, {SM_MOUSEWHEELPRESENT, 1},
      {SM_CXFOCUSBORDER, 1}, {SM_CYFOCUSBORDER, 1},
  };
  return classic;
}

int GetSystemMetrics(int index) {
  if (const std::optional<int> screen = ScreenMetric(index)) return *screen;
  const auto& table = CurrentTable();
  const auto it = table.find(index);
  return it == table.end() ? 0 : it->second;
}

TSystemMetricsOverride::TSystemMetricsOverride(const TSystemMetricsTable& changes)
    : FPrevious(CurrentTable()) {
  for (const auto& [index, value] : changes) CurrentTable()[index] = value;
}

TSystemMetricsOverride::~TSystemMetricsOverride() { CurrentTable() = FPrevious; }

TScreenSizeSource SetScreenSizeSource(TScreenSizeSource Source) { return std::exchange(ScreenSizeSource(), std::move(Source)); }
