// Fuzz target for the bitmap file reader: any input either loads or raises EInvalidGraphic; a
// loaded bitmap must save and load again.
#include <cstddef>
#include <cstdint>

#include "graphics/Graphic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TBitmap bitmap;
  try {
    bitmap.LoadFromBytes(TBytes(data, data + size));
  } catch (const EInvalidGraphic&) {
    return 0;
  }
  TBitmap copy;
  copy.LoadFromBytes(bitmap.SaveToBytes());
  if (copy.Width() != bitmap.Width() || copy.Height() != bitmap.Height()) __builtin_trap();
  return 0;
}
