// Pixel coverage of lines and outlines, shared by the shape functions and the 3-D painters.
#pragma once

#include <QPoint>
#include <QRegion>

#include <vector>

#include "graphics/CanvasQt.h"

// The pixels of a line from a to b that lie within the rectangle: a is included, b is not,
// whichever way the line runs; a pixel lies on the line's exact position rounded half up, so both
// directions cover the same pixels.
void AppendLinePixels(QPoint a, QPoint b, const QRect& within, std::vector<QPoint>& pixels);
// The region made of single pixels.
QRegion RegionOfPixels(std::vector<QPoint> pixels);
// The region made of runs of pixels one pixel high, given row by row from the top and from the
// left within a row, the runs of a row apart from each other.
QRegion RegionOfRows(const std::vector<QRect>& rows);

// Draws polylines (surface coordinates) with the selected pen through the binary raster
// operation: styled pens paint their gaps in the background colour in opaque mode; wide pens
// have round ends.
void StrokePolylines(TDeviceContext& dc, const std::vector<std::vector<QPoint>>& polylines);
// Fills an area (surface coordinates) with the selected brush through the binary raster operation.
void FillWithBrush(TDeviceContext& dc, const QRegion& area);
// Fills an area with a plain colour, ignoring the raster operation.
void FillSolid(TDeviceContext& dc, const QRegion& area, COLORREF color);
