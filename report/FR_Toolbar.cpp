// The engine's toolbar controls: the grey look of an inactive speed button, tool buttons and
// separators that stack along their toolbar, and the separator's groove.
#include "report/FR_Toolbar.h"

#include "controls/Panel.h"
#include "graphics/Colors.h"

namespace {

// A tool placed on a panel aligned left or right stacks downwards, else along the panel.
void AlignToToolbar(TControl* Tool, TWinControl* Parent) {
  if (!Parent || (Tool->ComponentState() & csLoading) || !dynamic_cast<TCustomPanel*>(Parent)) return;
  Tool->SetAlign(Parent->Align() == alLeft || Parent->Align() == alRight ? alTop : alLeft);
}

}  // namespace

std::unique_ptr<TBitmap> frGreyGlyph(const TBitmap& Glyph, TColor Transparent) {
  auto grey = std::make_unique<TBitmap>(Glyph.Width(), Glyph.Height());
  const uint32_t transparent = uint32_t(ColorToRGB(Transparent));
  const uint32_t face = uint32_t(ColorToRGB(clBtnFace));
  // Pixels hold 0x00RRGGBB, colours 0x00BBGGRR.
  auto rgb = [](uint32_t color) { return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF); };
  for (int y = 0; y < Glyph.Height(); ++y) {
    const uint32_t* from = Glyph.ScanLine(y);
    uint32_t* to = grey->ScanLine(y);
    for (int x = 0; x < Glyph.Width(); ++x) {
      const uint32_t pixel = from[x] & 0xFFFFFF;
      if (pixel == rgb(transparent) || pixel == rgb(face)) {
        to[x] = pixel;
        continue;
      }
      const uint32_t level = (((pixel >> 16) & 0xFF) * 77 + ((pixel >> 8) & 0xFF) * 150 + (pixel & 0xFF) * 29) >> 8;
      to[x] = (level << 16) | (level << 8) | level;
    }
  }
  grey->SetTransparentColor(Transparent);
  return grey;
}

TfrSpeedButton::TfrSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {
  SetBounds(0, 0, 22, 22);
  Glyph()->OnChange = [this](TObject*) {
    FGreyGlyph.reset();
    Invalidate();
  };
}

TfrSpeedButton::~TfrSpeedButton() = default;

void TfrSpeedButton::SetGrayedInactive(bool Value) {
  FGrayedInactive = Value;
  Invalidate();
}

bool TfrSpeedButton::PaintsGrey() const {
  return FGrayedInactive && Enabled() && Flat() && !MouseInControl() && !(ComponentState() & csDesigning);
}

TBitmap* TfrSpeedButton::PaintedGlyph() const {
  TBitmap* glyph = TSpeedButton::PaintedGlyph();
  if (!PaintsGrey() || glyph->Empty()) return glyph;
  if (!FGreyGlyph) FGreyGlyph = frGreyGlyph(*glyph, glyph->TransparentColor());
  return FGreyGlyph.get();
}

TfrTBButton::TfrTBButton(TComponent* AOwner) : TfrSpeedButton(AOwner) {
  SetAlign(alLeft);
  SetFlat(true);
}

void TfrTBButton::SetParent(TWinControl* AParent) {
  TfrSpeedButton::SetParent(AParent);
  AlignToToolbar(this, AParent);
}

TfrTBSeparator::TfrTBSeparator(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 8, 8);
  SetAlign(alLeft);
}

void TfrTBSeparator::SetDrawBevel(bool Value) {
  FDrawBevel = Value;
  Invalidate();
}

void TfrTBSeparator::SetParent(TWinControl* AParent) {
  TGraphicControl::SetParent(AParent);
  AlignToToolbar(this, AParent);
}

// Across a horizontal toolbar the groove is vertical, and the other way round.
void TfrTBSeparator::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(ClientRect());
  if (!FDrawBevel) return;
  const int w = Width(), h = Height();
  auto line = [canvas](TColor color, int x1, int y1, int x2, int y2) {
    canvas->Pen()->SetColor(color);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  if (Align() == alTop || Align() == alBottom) {
    line(clBtnShadow, 2, h / 2 - 1, w - 2, h / 2 - 1);
    line(clBtnHighlight, 2, h / 2, w - 2, h / 2);
  } else {
    line(clBtnShadow, w / 2 - 1, 2, w / 2 - 1, h - 2);
    line(clBtnHighlight, w / 2, 2, w / 2, h - 2);
  }
}
