// TCanvas: the object interface over the device-context state, and the state's own helpers
// (coordinate mapping, the effective clip, brushes turned into paints).
#include "graphics/CanvasQt.h"

#include "graphics/Metafile.h"
#include "rtl/Arith.h"

namespace {

QImage HatchImage(int hatch) {
  QImage image(8, 8, QImage::Format_ARGB32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      bool on = false;
      switch (hatch) {
        case HS_HORIZONTAL: on = y == 3; break;
        case HS_VERTICAL: on = x == 3; break;
        case HS_FDIAGONAL: on = x == y; break;
        case HS_BDIAGONAL: on = x + y == 7; break;
        case HS_CROSS: on = x == 3 || y == 3; break;
        default: on = x == y || x + y == 7; break;
      }
      image.setPixel(x, y, on ? 1u : 0u);
    }
  return image;
}

}  // namespace

QRect TDeviceContext::ToSurface(const TRect& r) const {
  const QPoint o = Offset();
  return QRect(QPoint(r.Left + o.x(), r.Top + o.y()), QSize(r.Width(), r.Height()));
}

QRegion TDeviceContext::EffectiveClip() const {
  if (!Device) return QRegion();
  QRegion clip(Device->Bounds());
  if (SystemClip) clip &= SystemClip->translated(SurfaceOrigin);
  if (State.Clip) clip &= State.Clip->translated(SurfaceOrigin);
  return clip;
}

TCanvasDevice& TDeviceContext::RequireDevice() {
  if (!Device) throw EInvalidOperation("画布不允许绘图");
  return *Device;
}

TPaint TDeviceContext::SolidPaint(COLORREF color) const {
  TPaint paint;
  paint.Color = ToQRgb(color);
  return paint;
}

TPaint TDeviceContext::PaintOf(const HBRUSH& brush) const {
  TPaint paint;
  paint.Origin = State.BrushOrigin + SurfaceOrigin;
  switch (brush->Kind) {
    case TBrushKind::Solid:
      paint.Color = ToQRgb(ColorToRGB(brush->Color));
      break;
    case TBrushKind::Null:
      paint.Color = 0;  // transparent: nothing is painted
      break;
    case TBrushKind::Hatched: {
      QImage bits = HatchImage(brush->Hatch);
      const QRgb line = ToQRgb(ColorToRGB(brush->Color));
      const QRgb gap = State.BkMode == OPAQUE ? ToQRgb(State.BkColor) : 0;
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) bits.setPixel(x, y, bits.pixel(x, y) == 1u ? line : gap);
      paint.Pattern = bits;
      break;
    }
    case TBrushKind::Pattern: {
      const TBrushPattern& p = *brush->Pattern;
      QImage image(p.Width, p.Height, QImage::Format_ARGB32);
      for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x) {
          const COLORREF c = p.At(x, y);
          image.setPixel(x, y, ToQRgb(p.Monochrome ? (c == 0 ? State.TextColor : State.BkColor) : c));
        }
      paint.Pattern = image;
      break;
    }
  }
  return paint;
}

// The canvas font converts points at the surface's resolution from now on, as a printer canvas'
// font does; heights already set stay.
void AttachDevice(TCanvas& canvas, std::unique_ptr<TCanvasDevice> device) {
  canvas.Font()->SetPixelsPerInch(device->Dpi());
  canvas.DC().Device = std::move(device);
}
void DetachDevice(TCanvas& canvas) { canvas.DC().Device.reset(); }
void SetSurfaceOrigin(TCanvas& canvas, QPoint origin) { canvas.DC().SurfaceOrigin = origin; }
void SetSystemClip(TCanvas& canvas, std::optional<QRegion> clip) { canvas.DC().SystemClip = std::move(clip); }

const QImage* CanvasImage(const TCanvas& canvas) {
  return canvas.DC().Device ? canvas.DC().Device->Image() : nullptr;
}

TCanvas::TCanvas()
    : FDC(std::make_unique<TDeviceContext>()),
      FFont(std::make_unique<TFont>()),
      FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>()) {
  FFont->OnChange = [this](TObject*) { SelectOwnFont(); };
  FPen->OnChange = [this](TObject*) { SelectOwnPen(); };
  FBrush->OnChange = [this](TObject*) { SelectOwnBrush(); };
  SelectOwnFont();
  SelectOwnPen();
  SelectOwnBrush();
}

TCanvas::~TCanvas() = default;

bool TCanvas::HandleAllocated() const { return FDC->Device != nullptr; }

void TCanvas::SelectOwnFont() {
  SelectObject(this, FFont->Handle());
  SetTextColor(this, ColorToRGB(FFont->Color()));
}

void TCanvas::SelectOwnPen() {
  SelectObject(this, FPen->Handle());
  SetROP2(this, FPen->Rop2());
}

void TCanvas::SelectOwnBrush() {
  SelectObject(this, FBrush->Handle());
  if (FBrush->Style() == TBrushStyle::bsSolid) {
    SetBkColor(this, ColorToRGB(FBrush->Color()));
    SetBkMode(this, OPAQUE);
  } else {
    SetBkMode(this, TRANSPARENT);
  }
}

TPoint TCanvas::PenPos() const { return {FDC->State.PenPos.x(), FDC->State.PenPos.y()}; }

TRect TCanvas::ClipRect() {
  TRect box;
  GetClipBox(this, box);
  return box;
}

void TCanvas::FillRect(const TRect& r) { ::FillRect(this, r, FDC->State.Brush); }
void TCanvas::FrameRect(const TRect& r) { ::FrameRect(this, r, FDC->State.Brush); }
void TCanvas::Rectangle(int l, int t, int r, int b) { ::Rectangle(this, l, t, r, b); }
void TCanvas::RoundRect(int l, int t, int r, int b, int w, int h) { ::RoundRect(this, l, t, r, b, w, h); }
void TCanvas::Ellipse(int l, int t, int r, int b) { ::Ellipse(this, l, t, r, b); }
void TCanvas::Polygon(const std::vector<TPoint>& points) { ::Polygon(this, points); }
void TCanvas::Polyline(const std::vector<TPoint>& points) { ::Polyline(this, points); }
void TCanvas::MoveTo(int x, int y) { MoveToEx(this, x, y); }
void TCanvas::LineTo(int x, int y) { ::LineTo(this, x, y); }
void TCanvas::DrawFocusRect(const TRect& r) { ::DrawFocusRect(this, r); }

void TCanvas::TextOut(int x, int y, const String& text) {
  ExtTextOut(this, x, y, 0, nullptr, text);
  MoveTo(x + TextWidth(text), y);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const String& text) {
  const unsigned opaque = FBrush->Style() == TBrushStyle::bsClear ? 0u : unsigned(ETO_OPAQUE);
  ExtTextOut(this, x, y, ETO_CLIPPED | opaque, &r, text);
}

TSize TCanvas::TextExtent(const String& text) {
  TSize size;
  GetTextExtentPoint32(this, text, size);
  return size;
}

int TCanvas::TextWidth(const String& text) { return TextExtent(text).cx; }
int TCanvas::TextHeight(const String& text) { return TextExtent(text).cy; }

void TCanvas::Draw(int x, int y, const TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  int width = graphic->Width(), height = graphic->Height();
  // A recording keeps its physical size on a surface of another resolution.
  if (const auto* metafile = dynamic_cast<const TMetafile*>(graphic)) {
    const int dpi = GetDeviceCaps(this, LOGPIXELSX);
    width = MulDiv(width, dpi, metafile->Dpi());
    height = MulDiv(height, dpi, metafile->Dpi());
  }
  graphic->Draw(this, Bounds(x, y, width, height));
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic* graphic) {
  if (graphic && !graphic->Empty()) graphic->Draw(this, r);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& s) {
  StretchBlt(this, dest.Left, dest.Top, dest.Width(), dest.Height(), source, s.Left, s.Top, s.Width(),
             s.Height(), SRCCOPY);
}

TColor TCanvas::Pixel(int x, int y) { return TColor(GetPixel(this, x, y)); }
void TCanvas::SetPixel(int x, int y, TColor color) { ::SetPixel(this, x, y, ColorToRGB(color)); }

TCanvas& ScreenCanvas() {
  static TCanvas canvas;
  return canvas;
}
