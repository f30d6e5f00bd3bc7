// The state behind a canvas, and the seam through which the windows layer, bitmaps, the printer
// and the recording canvas attach surfaces: a window wraps its backing image in a canvas with
// AttachDevice(CreateImageDevice(&image)), places the client area with SetSurfaceOrigin and
// limits painting to the invalid region with SetSystemClip.
// Like every *Qt.h header, part of the platform's Qt seam: for the platform's own libraries only.
#pragma once

#include <QPoint>
#include <QRegion>

#include <optional>
#include <vector>

#include "graphics/CanvasDeviceQt.h"
#include "graphics/Gdi.h"

struct TDCState {
  HBRUSH Brush;
  HPEN Pen;
  HFONT Font;
  COLORREF TextColor = 0;
  COLORREF BkColor = 0xFFFFFF;
  int BkMode = OPAQUE;
  int Rop2 = R2_COPYPEN;
  QPoint BrushOrigin;
  int CharExtra = 0;
  int BreakExtra = 0;  // text justification: pixels spread over BreakCount blanks
  int BreakCount = 0;
  QPoint WindowOrg;
  QPoint ViewportOrg;
  QPoint PenPos;                // logical
  std::optional<QRegion> Clip;  // device coordinates
};

class TDeviceContext {
 public:
  TDCState State;
  std::vector<TDCState> Saved;
  std::unique_ptr<TCanvasDevice> Device;
  QPoint SurfaceOrigin;               // where device (0, 0) lies on the surface
  std::optional<QRegion> SystemClip;  // device coordinates

  // Logical to device, and device to surface.
  QPoint LogicalToDevice(int x, int y) const { return QPoint(x, y) - State.WindowOrg + State.ViewportOrg; }
  QPoint Offset() const { return State.ViewportOrg - State.WindowOrg + SurfaceOrigin; }
  QPoint ToSurface(int x, int y) const { return QPoint(x, y) + Offset(); }
  // The rectangle as given (no normalisation): an inverted rectangle covers nothing.
  QRect ToSurface(const TRect& r) const;
  // Everything that may be drawn, on the surface.
  QRegion EffectiveClip() const;
  // The device, or EInvalidOperation when the canvas has none.
  TCanvasDevice& RequireDevice();

  // What a brush paints with the current colours and background mode.
  TPaint PaintOf(const HBRUSH& brush) const;
  TPaint SolidPaint(COLORREF color) const;
  const TTextMetric& Metrics() const { return State.Font->Metrics(); }
};

void AttachDevice(TCanvas& canvas, std::unique_ptr<TCanvasDevice> device);
void DetachDevice(TCanvas& canvas);
void SetSurfaceOrigin(TCanvas& canvas, QPoint origin);
void SetSystemClip(TCanvas& canvas, std::optional<QRegion> clip);
// The image behind a canvas, nullptr when it draws on something else.
const QImage* CanvasImage(const TCanvas& canvas);
inline QRgb ToQRgb(COLORREF c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }
inline COLORREF FromQRgb(QRgb c) { return RGB(qRed(c), qGreen(c), qBlue(c)); }
