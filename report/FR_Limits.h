// The ranges of the numbers that templates and prepared-report files store to place and size what
// is drawn, and the readers that bound each kind of number to its range where it is read. A value
// beyond these fits on no page; drawing, layout and measuring never see one.
#pragma once

#include <cstdint>

#include "rtl/Streams.h"

// Positions and sizes in engine units: objects, gaps, line and character spacing, margins, column
// widths and gaps, and the bounds of dialog pages. The largest paper (2 metres) is about 7,200
// units across; the range leaves room for objects placed beside the page.
constexpr int32_t frMaxCoordinate = 32767;
// Paper sides in tenths of a millimetre: from a centimetre, so that a page has a size to scale
// by, to 2 metres, above the largest paper of the table.
constexpr int32_t frMinPaperTenths = 100;
constexpr int32_t frMaxPaperTenths = 20000;
// Frame lines in pixels: some 5 millimetres. A styled frame side is drawn as that many lines.
constexpr double frMaxFrameWidth = 20;
// Font sizes in points, of either sign (a negative size gives the cell height).
constexpr int32_t frMaxFontSize = 1000;
// Columns of a page or a band, and records per band column.
constexpr int32_t frMaxColumns = 256;

// An Integer within -frMaxCoordinate to frMaxCoordinate.
int32_t frReadCoordinate(TStream& Stream);
// An Integer within frMinPaperTenths to frMaxPaperTenths.
int32_t frReadPaperTenths(TStream& Stream);
// An Integer within -frMaxFontSize to frMaxFontSize.
int32_t frReadFontSize(TStream& Stream);
// An Integer within 0 to frMaxColumns.
int32_t frReadColumnCount(TStream& Stream);
