// The frames of the editors' buttons in their four styles, shared by the drop-down buttons and
// the spin buttons of the editor library.
#pragma once

#include "editors/dxEditTypes.h"
#include "graphics/Canvas.h"
#include "graphics/GdiObjects.h"

// The face brush, the system colour of the glyph and how far a pressed glyph moves.
struct TdxButtonLook {
  HBRUSH Background;
  int GlyphColor = COLOR_BTNTEXT;
  TPoint Shift;
};

// Paints a button's frame in Style (bts3D for btsDefault) and, with Fill, its face; leaves Face at
// the inside where the glyph goes. A hot-flat button sets the glyph colour in Look. HostBrush is
// the cell's own brush (the simple style frames with it).
void PaintButtonFrame(HDC DC, TRect& Face, TdxEditButtonViewStyle Style, bool Pressed, bool Hot, bool Transparent,
                      bool Fill, bool Enabled, bool Bitmap, const HBRUSH& HostBrush, TdxButtonLook& Look);
