// The bounded readers of the numbers that place and size what a report draws.
#include "report/FR_Limits.h"

#include <algorithm>

#include "report/FR_Utils.h"

namespace {

int32_t ReadWithin(TStream& Stream, int32_t Low, int32_t High) { return std::clamp(frReadInteger(Stream), Low, High); }

}  // namespace

int32_t frReadCoordinate(TStream& Stream) { return ReadWithin(Stream, -frMaxCoordinate, frMaxCoordinate); }

int32_t frReadPaperTenths(TStream& Stream) { return ReadWithin(Stream, frMinPaperTenths, frMaxPaperTenths); }

int32_t frReadFontSize(TStream& Stream) { return ReadWithin(Stream, -frMaxFontSize, frMaxFontSize); }

int32_t frReadColumnCount(TStream& Stream) { return ReadWithin(Stream, 0, frMaxColumns); }
