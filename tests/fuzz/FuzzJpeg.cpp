// Fuzz target for the JPEG reader: any input either decodes or raises EInvalidGraphic, and a
// decoded picture draws onto a bitmap.
#include <cstddef>
#include <cstdint>

#include "graphics/Jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TJPEGImage jpeg;
  try {
    jpeg.LoadFromBytes(TBytes(data, data + size));
  } catch (const EInvalidGraphic&) {
    return 0;
  }
  TBitmap bitmap;
  bitmap.Assign(&jpeg);
  if (bitmap.Width() != jpeg.Width()) __builtin_trap();
  return 0;
}
