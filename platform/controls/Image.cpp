// The image control.
#include "controls/Image.h"

#include "graphics/Gdi.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
  FControlStyle |= csReplicatable;
  SetBounds(0, 0, 105, 105);
  FPicture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() { FPicture->OnChange = nullptr; }

void TImage::SetStretch(bool Value) { FStretch = Value, Invalidate(); }
void TImage::SetCenter(bool Value) { FCenter = Value, Invalidate(); }
void TImage::SetProportional(bool Value) { FProportional = Value, Invalidate(); }

void TImage::SetTransparent(bool Value) {
  FTransparent = Value;
  PictureChanged();
}

void TImage::SetAutoSize(bool Value) {
  FAutoSize = Value;
  PictureChanged();
}

void TImage::PictureChanged() {
  if (TGraphic* graphic = FPicture->Graphic()) {
    if (graphic->Transparent() != FTransparent) graphic->SetTransparent(FTransparent);
    if (FAutoSize && !graphic->Empty() && !(ComponentState() & csLoading))
      SetBounds(Left(), Top(), graphic->Width(), graphic->Height());
  }
  Invalidate();
}

// Proportional shrinks a picture larger than the control (and, with Stretch, enlarges a
// smaller one) keeping its aspect; Center puts the result in the middle.
TRect TImage::DestRect() const {
  int w = FPicture->Width();
  int h = FPicture->Height();
  const int cw = Width();
  const int ch = Height();
  if (w <= 0 || h <= 0) return {};
  if (FProportional && (FStretch || w > cw || h > ch)) {
    if (static_cast<int64_t>(cw) * h > static_cast<int64_t>(ch) * w) {
      w = static_cast<int>(static_cast<int64_t>(w) * ch / h);
      h = ch;
    } else {
      h = static_cast<int>(static_cast<int64_t>(h) * cw / w);
      w = cw;
    }
  } else if (FStretch) {
    w = cw;
    h = ch;
  }
  TRect r = Bounds(0, 0, w, h);
  if (FCenter) OffsetRect(r, (cw - w) / 2, (ch - h) / 2);
  return r;
}

void TImage::Paint() {
  const TGraphic* graphic = FPicture->Graphic();
  if (!graphic || graphic->Empty()) return;
  Canvas()->StretchDraw(DestRect(), graphic);
}
