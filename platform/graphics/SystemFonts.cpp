// The system font table.
#include "graphics/SystemFonts.h"

namespace {

TLogFont Bold(TLogFont Font) {
  Font.Weight = FW_BOLD;
  return Font;
}

TSystemFonts& CurrentFonts() {
  static TSystemFonts fonts = DefaultSystemFonts();
  return fonts;
}

}  // namespace

const TSystemFonts& DefaultSystemFonts() {
  static const TSystemFonts defaults{Bold(TLogFont{}), Bold(TLogFont{}), TLogFont{},
                                     TLogFont{},       TLogFont{},       TLogFont{}};
  return defaults;
}

const TSystemFonts& GetSystemFonts() { return CurrentFonts(); }

TSystemFontsOverride::TSystemFontsOverride(const TSystemFonts& Fonts) : FPrevious(CurrentFonts()) {
  CurrentFonts() = Fonts;
}

TSystemFontsOverride::~TSystemFontsOverride() { CurrentFonts() = FPrevious; }
