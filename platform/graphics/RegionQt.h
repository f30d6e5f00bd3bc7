// The Qt region behind TRegion, for the canvas and the windows layer.
// Like every *Qt.h header, part of the platform's Qt seam: for the platform's own libraries only.
#pragma once

#include <QRegion>

#include "graphics/Region.h"

class TRegionData {
 public:
  QRegion Region;
};

inline const QRegion& QtRegion(const TRegion& r) { return r.Data().Region; }
TRegion FromQtRegion(const QRegion& region);
inline QRect QtRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
inline TRect FromQtRect(const QRect& r) {
  return r.isEmpty() ? TRect{} : TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
