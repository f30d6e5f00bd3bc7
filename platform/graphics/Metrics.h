// System metrics (scroll-bar sizes, borders, icon and caption sizes) from one table with the
// classic defaults; tests and the windows layer replace entries through TSystemMetricsOverride.
// The screen's size comes from a source the windows layer installs (its desktop service).
#pragma once

#include <functional>
#include <map>

#include "rtl/Types.h"

enum : int {
  SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4,
  SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CYDLGFRAME = 8, SM_CYVTHUMB = 9,
  SM_CXHTHUMB = 10, SM_CXICON = 11, SM_CYICON = 12, SM_CXCURSOR = 13, SM_CYCURSOR = 14,
  SM_CYMENU = 15, SM_CXFULLSCREEN = 16, SM_CYFULLSCREEN = 17, SM_MOUSEPRESENT = 19,
  SM_CYVSCROLL = 20, SM_CXHSCROLL = 21, SM_SWAPBUTTON = 23, SM_CXMIN = 28, SM_CYMIN = 29,
  SM_CXSIZE = 30, SM_CYSIZE = 31, SM_CXFRAME = 32, SM_CYFRAME = 33, SM_CXMINTRACK = 34,
  SM_CYMINTRACK = 35, SM_CXDOUBLECLK = 36, SM_CYDOUBLECLK = 37, SM_CXICONSPACING = 38,
  SM_CYICONSPACING = 39, SM_MENUDROPALIGNMENT = 40, SM_CMOUSEBUTTONS = 43, SM_CXEDGE = 45,
  SM_CYEDGE = 46, SM_CXSMICON = 49, SM_CYSMICON = 50, SM_CYSMCAPTION = 51, SM_CXSMSIZE = 52,
  SM_CYSMSIZE = 53, SM_CXMENUSIZE = 54, SM_CYMENUSIZE = 55, SM_CXMAXTRACK = 59, SM_CYMAXTRACK = 60,
  SM_CXMAXIMIZED = 61, SM_CYMAXIMIZED = 62, SM_CXDRAG = 68, SM_CYDRAG = 69, SM_CXMENUCHECK = 71,
  SM_CYMENUCHECK = 72, SM_MOUSEWHEELPRESENT = 75, SM_CXFOCUSBORDER = 83, SM_CYFOCUSBORDER = 84,
};

using TSystemMetricsTable = std::map<int, int>;

const TSystemMetricsTable& ClassicSystemMetrics();
// The value of a metric; 0 for an index the table does not hold.
int GetSystemMetrics(int index);

// Where SM_CXSCREEN and SM_CYSCREEN (and the largest tracking size, 12 pixels beyond them) come
// from while a source is installed; without one, from the table. Answers the previous source.
using TScreenSizeSource = std::function<TSize()>;
TScreenSizeSource SetScreenSizeSource(TScreenSizeSource Source);

// Replaces single metrics while it lives; the previous table returns when it is destroyed.
class TSystemMetricsOverride {
 public:
  explicit TSystemMetricsOverride(const TSystemMetricsTable& changes);
  ~TSystemMetricsOverride();
  TSystemMetricsOverride(const TSystemMetricsOverride&) = delete;
  TSystemMetricsOverride& operator=(const TSystemMetricsOverride&) = delete;

 private:
  TSystemMetricsTable FPrevious;
};
