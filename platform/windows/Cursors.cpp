// The drawn cursors: the table of images by number, the drag cursors drawn on first use.
#include "windows/Cursors.h"

#include <QPainter>
#include <QPolygon>

#include <map>

#include "graphics/BitmapQt.h"
#include "windows/Layer_p.h"

namespace {

struct TDrawnCursor {
  QImage Image;  // ARGB: transparent where the cursor shows nothing
  QPoint HotSpot;
};

struct TCursorTable {
  std::map<HCURSOR, TDrawnCursor> Cursors;
  HCURSOR Next = 0x20000;
};

TCursorTable& Table() {
  static TCursorTable table;
  return table;
}

void DrawArrow(QPainter& Painter) {
  const QPolygon arrow({{0, 0}, {0, 15}, {4, 11}, {7, 17}, {9, 16}, {6, 10}, {11, 10}});
  Painter.setPen(Qt::black);
  Painter.setBrush(Qt::white);
  Painter.drawPolygon(arrow);
}

// The arrow with one document (a drag) or three stacked (several items) below and to the right.
TDrawnCursor DragCursor(int Documents) {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  DrawArrow(painter);
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  for (int i = Documents - 1; i >= 0; --i) {
    const QRect page(9 + i * 3, 18 + i * 3, 10, 8);
    painter.fillRect(page, Qt::white);
    painter.drawRect(page.adjusted(0, 0, -1, -1));
  }
  return TDrawnCursor{image, QPoint(0, 0)};
}

const TDrawnCursor* Find(HCURSOR Cursor) {
  auto& cursors = Table().Cursors;
  if (Cursor == IDC_DRAG || Cursor == IDC_MULTIDRAG)
    if (!cursors.count(Cursor)) cursors[Cursor] = DragCursor(Cursor == IDC_DRAG ? 1 : 3);
  const auto it = cursors.find(Cursor);
  return it == cursors.end() ? nullptr : &it->second;
}

}  // namespace

HCURSOR CreateCursorFromBitmap(const TBitmap& Image, const TBitmap* Mask, TPoint HotSpot) {
  const QImage& source = QtImage(Image);
  if (source.isNull() || source.width() == 0 || source.height() == 0) return 0;
  QImage transparent = Mask ? QtImage(*Mask).convertToFormat(QImage::Format_RGB32)
                            : MaskOfColor(source, source.pixel(0, source.height() - 1));
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (x < transparent.width() && y < transparent.height() && qGray(transparent.pixel(x, y)) > 127)
        image.setPixel(x, y, 0);
  const HCURSOR id = Table().Next++;
  Table().Cursors[id] = TDrawnCursor{image, QPoint(HotSpot.X, HotSpot.Y)};
  return id;
}

bool DestroyCursor(HCURSOR Cursor) {
  if (Cursor == IDC_DRAG || Cursor == IDC_MULTIDRAG) return false;
  return Table().Cursors.erase(Cursor) > 0;
}

bool GetCursorImage(HCURSOR Cursor, TBitmap& Image, TBitmap& Mask, TPoint& HotSpot) {
  const TDrawnCursor* cursor = Find(Cursor);
  if (!cursor) return false;
  const QImage& argb = cursor->Image;
  Image.SetSize(argb.width(), argb.height());
  Mask.SetSize(argb.width(), argb.height());
  QImage& image = QtImage(Image);
  QImage& mask = QtImage(Mask);
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = argb.pixel(x, y);
      const bool clear = qAlpha(p) < 128;
      image.setPixel(x, y, clear ? qRgb(255, 255, 255) : (p | 0xFF000000));
      mask.setPixel(x, y, clear ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
  HotSpot = TPoint{cursor->HotSpot.x(), cursor->HotSpot.y()};
  return true;
}

const QImage* DrawnCursorImage(HCURSOR Cursor, QPoint& HotSpot) {
  const TDrawnCursor* cursor = Find(Cursor);
  if (!cursor) return nullptr;
  HotSpot = cursor->HotSpot;
  return &cursor->Image;
}
