// Pixel coverage of lines and outlines, shared by the shape functions and the 3-D painters.
#pragma once

#include <QPoint>
#include <QRegion>

#include <vector>

#include "graphics/CanvasQt.h"

// The pixels of a line from a to b: a is included, b is not, whichever way the line runs; a pixel
// lies on the line's exact position rounded half up, so both directions cover the same pixels.
void AppendLinePixels(QPoint a, QPoint b, std::vector<QPoint>& pixels);
// The region made of single pixels.
QRegion RegionOfPixels(std::vector<QPoint> pixels);

// Draws polylines (surface coordinates) with the selected pen through the binary raster
// operation: styled pens paint their gaps in the background colour in opaque mode; wide pens
// have round ends.
void StrokePolylines(TDeviceContext& dc, const std::vector<std::vector<QPoint>>& polylines);
// Fills an area (surface coordinates) with the selected brush through the binary raster operation.
void FillWithBrush(TDeviceContext& dc, const QRegion& area);
// Fills an area with a plain colour, ignoring the raster operation.
void FillSolid(TDeviceContext& dc, const QRegion& area, COLORREF color);
