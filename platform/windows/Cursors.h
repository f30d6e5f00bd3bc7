// Cursors the program draws itself: the drag cursors of the class library, and cursors that
// controls make from their own images and register in the screen's cursor table. Standard shapes
// are in Services.h (IDC_*); these numbers live beside them.
#pragma once

#include "windows/Services.h"

class TBitmap;

// Shapes of the class library: the splitters map to the window system's, the drag cursors are
// drawn by the layer.
enum : HCURSOR {
  IDC_DRAG = 32760, IDC_MULTIDRAG = 32761, IDC_HSPLIT = 32762, IDC_VSPLIT = 32763, IDC_SQLWAIT = 32764,
};

// A cursor from an image: pixels where Mask (same size, monochrome) is white are transparent;
// without a mask, pixels of the image's bottom-left colour are. Answers its number (never one of
// the standard numbers), 0 for an empty image.
HCURSOR CreateCursorFromBitmap(const TBitmap& Image, const TBitmap* Mask, TPoint HotSpot);
bool DestroyCursor(HCURSOR Cursor);
// The picture of a drawn cursor (IDC_DRAG, IDC_MULTIDRAG and the made ones) with its mask (white
// where transparent); false for shapes of the window system.
bool GetCursorImage(HCURSOR Cursor, TBitmap& Image, TBitmap& Mask, TPoint& HotSpot);
