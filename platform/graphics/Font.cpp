// TFont and the base of graphics objects.
#include "graphics/Font.h"

#include <climits>

#include "rtl/Arith.h"

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

namespace {

// The opposite sign; the most negative integer, which has none, gives the most positive.
int Negated(int value) { return value == INT_MIN ? INT_MAX : -value; }

}  // namespace

TFont::TFont() = default;

void TFont::Assign(const TPersistent* source) {
  if (const auto* font = dynamic_cast<const TFont*>(source)) {
    FLogFont = font->FLogFont;
    FColor = font->FColor;
    FPixelsPerInch = font->FPixelsPerInch;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

void TFont::Changed() {
  FHandle.reset();
  TGraphicsObject::Changed();
}

void TFont::Update(const TLogFont& lf) {
  if (lf == FLogFont) return;
  FLogFont = lf;
  Changed();
}

void TFont::SetName(const String& name) {
  TLogFont lf = FLogFont;
  lf.FaceName = name;
  Update(lf);
}

int TFont::Size() const { return Negated(MulDiv(FLogFont.Height, 72, FPixelsPerInch)); }

void TFont::SetSize(int points) { SetHeight(Negated(MulDiv(points, FPixelsPerInch, 72))); }

void TFont::SetHeight(int height) {
  TLogFont lf = FLogFont;
  lf.Height = height;
  Update(lf);
}

TFontStyles TFont::Style() const {
  return (FLogFont.Weight >= FW_BOLD ? fsBold : 0u) | (FLogFont.Italic ? fsItalic : 0u) |
         (FLogFont.Underline ? fsUnderline : 0u) | (FLogFont.StrikeOut ? fsStrikeOut : 0u);
}

void TFont::SetStyle(TFontStyles style) {
  TLogFont lf = FLogFont;
  lf.Weight = (style & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.Italic = (style & fsItalic) != 0;
  lf.Underline = (style & fsUnderline) != 0;
  lf.StrikeOut = (style & fsStrikeOut) != 0;
  Update(lf);
}

void TFont::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Changed();
}

void TFont::SetCharset(int charset) {
  TLogFont lf = FLogFont;
  lf.CharSet = charset;
  Update(lf);
}

void TFont::SetOrientation(int tenths) {
  TLogFont lf = FLogFont;
  lf.Escapement = lf.Orientation = tenths;
  Update(lf);
}

HFONT TFont::Handle() const {
  if (!FHandle) FHandle = CreateFontIndirect(FLogFont);
  return FHandle;
}

void TFont::SetHandle(const HFONT& font) {
  if (font) Update(font->LogFont);
}
