// The system colour table and the resolution of TColor values to RGB.
#include "graphics/Colors.h"

#include <cstddef>

namespace {

TSysColorTable MakeClassic() {
  TSysColorTable t{};
  t[COLOR_SCROLLBAR] = RGB(192, 192, 192);
  t[COLOR_BACKGROUND] = RGB(0, 128, 128);
  t[COLOR_ACTIVECAPTION] = RGB(0, 0, 128);
  t[COLOR_INACTIVECAPTION] = RGB(128, 128, 128);
  t[COLOR_MENU] = RGB(192, 192, 192);
  t[COLOR_WINDOW] = RGB(255, 255, 255);
  t[COLOR_WINDOWFRAME] = RGB(0, 0, 0);
  t[COLOR_MENUTEXT] = RGB(0, 0, 0);
  t[COLOR_WINDOWTEXT] = RGB(0, 0, 0);
  t[COLOR_CAPTIONTEXT] = RGB(255, 255, 255);
  t[COLOR_ACTIVEBORDER] = RGB(192, 192, 192);
  t[COLOR_INACTIVEBORDER] = RGB(192, 192, 192);
  t[COLOR_APPWORKSPACE] = RGB(128, 128, 128);
  t[COLOR_HIGHLIGHT] = RGB(0, 0, 128);
  t[COLOR_HIGHLIGHTTEXT] = RGB(255, 255, 255);
  t[COLOR_BTNFACE] = RGB(192, 192, 192);
  t[COLOR_BTNSHADOW] = RGB(128, 128, 128);
  t[COLOR_GRAYTEXT] = RGB(128, 128, 128);
  t[COLOR_BTNTEXT] = RGB(0, 0, 0);
  t[COLOR_INACTIVECAPTIONTEXT] = RGB(192, 192, 192);
  t[COLOR_BTNHIGHLIGHT] = RGB(255, 255, 255);
  t[COLOR_3DDKSHADOW] = RGB(0, 0, 0);
  t[COLOR_3DLIGHT] = RGB(192, 192, 192);
  t[COLOR_INFOTEXT] = RGB(0, 0, 0);
  t[COLOR_INFOBK] = RGB(255, 255, 225);
  t[COLOR_HOTLIGHT] = RGB(0, 0, 255);
  t[COLOR_GRADIENTACTIVECAPTION] = RGB(16, 132, 208);
  t[COLOR_GRADIENTINACTIVECAPTION] = RGB(181, 181, 181);
  t[COLOR_MENUHILIGHT] = RGB(0, 0, 128);
  t[COLOR_MENUBAR] = RGB(192, 192, 192);
  return t;
}

TSysColorTable& CurrentTable() {
  static TSysColorTable table = ClassicSysColors();
  return table;
}

}  // namespace

const TSysColorTable& ClassicSysColors() {
  static const TSysColorTable classic = MakeClassic();
  return classic;
}

COLORREF GetSysColor(int index) {
  return index >= 0 && index < SysColorCount ? CurrentTable()[size_t(index)] : 0;
}

bool IsSysColor(TColor color) { return color < 0; }

COLORREF ColorToRGB(TColor color) {
  return IsSysColor(color) ? GetSysColor(color & 0xFF) : COLORREF(color);
}

TSysColorsOverride::TSysColorsOverride(const TSysColorTable& table) : FPrevious(CurrentTable()) {
  CurrentTable() = table;
}

TSysColorsOverride::~TSysColorsOverride() { CurrentTable() = FPrevious; }
