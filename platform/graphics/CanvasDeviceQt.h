// The surfaces a canvas draws on. A device knows nothing of device-context state: the canvas
// resolves coordinates, colours, brushes and clipping first and hands the device finished
// primitives (areas to fill, text runs, blocks of pixels), so that a recording device can keep
// exactly what another device would have drawn.
// Like every *Qt.h header, part of the platform's Qt seam: for the platform's own libraries only.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <optional>
#include <string>

#include "graphics/GdiObjects.h"

// What fills an area: one colour, or a pattern repeated from Origin (pixels with alpha 0 are left
// alone, as the gaps of a hatch in transparent mode).
struct TPaint {
  QRgb Color = 0xFF000000;
  QImage Pattern;  // null for a solid colour
  QPoint Origin;
  QRgb At(int x, int y) const;
};

// A run of text with its cell's top-left corner at TopLeft; rotation comes from the font.
struct TTextRun {
  QPoint TopLeft;
  std::u32string Text;
  HFONT Font;
  QRgb Color = 0xFF000000;
  int CharExtra = 0;
  int UnderlineIndex = -1;
  std::optional<QRgb> Background;  // the text cell is filled first (opaque background mode)
};

// The ternary raster operation of an index byte (bits P·4 + S·2 + D), applied to 24-bit colours.
QRgb ApplyRop3(int rop3, QRgb p, QRgb s, QRgb d);
// The binary raster operation R2_* as a ternary index over pattern and destination.
int Rop3FromRop2(int rop2);
bool RopUsesSource(int rop3);

// The bounding box of a text run on the surface (rotation included).
QRect TextRunBounds(const TTextRun& run);
// Draws a text run with a painter whose clip is already set.
void PaintTextRun(QPainter& painter, const TTextRun& run);

class TCanvasDevice {
 public:
  virtual ~TCanvasDevice() = default;
  // The surface's extent; nothing outside it is drawn.
  virtual QRect Bounds() const = 0;
  virtual int Dpi() const { return 96; }
  // Every primitive is limited to clip, which the canvas has already limited to Bounds().
  virtual void Fill(const QRegion& area, const TPaint& paint, int rop3, const QRegion& clip) = 0;
  virtual void Text(const TTextRun& run, const QRegion& clip) = 0;
  // source has the size of target; pattern is used by the operations that involve it.
  virtual void Blit(const QRect& target, const QImage& source, int rop3, const TPaint& pattern,
                    const QRegion& clip) = 0;
  // Pixels can be read back only from images.
  virtual const QImage* Image() const { return nullptr; }
  virtual bool Monochrome() const { return false; }
};

// A device over an image in RGB32 the caller owns (a bitmap's pixels, a window's backing image).
// A monochrome device keeps every pixel black or white.
std::unique_ptr<TCanvasDevice> CreateImageDevice(QImage* image, bool monochrome = false);
// A device over an active painter (printer, PDF writer); the destination reads as white paper.
std::unique_ptr<TCanvasDevice> CreatePainterDevice(QPainter* painter, const QRect& bounds, int dpi);
