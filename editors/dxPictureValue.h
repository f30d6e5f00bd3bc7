// Pictures held as values: a blob value is a string whose bytes are a picture file, perhaps behind
// an 8-byte graphic header. Also the rectangle a picture is painted in inside a cell.
#pragma once

#include "graphics/Graphic.h"
#include "rtl/Variant.h"

// A graphic class is named by its class name ("TBitmap", "TJPEGImage" ...); empty means the kind
// is read from the data.
using TGraphicClass = String;

// True without a picture, without a graphic, or with an empty graphic.
bool IsPictureEmpty(const TPicture* Picture);
// Loads Picture from a blob value: a value that is no string, or an empty string, empties it. A
// graphic header whose size matches the rest is skipped, otherwise the data starts at byte 0.
// Raises EInvalidGraphic for data no graphic kind reads.
void LoadPictureFromValue(TPicture& Picture, const TGraphicClass& GraphicClass, const Variant& Value);
// The picture file's bytes (no header); "" for an empty picture.
String SavePictureToString(const TPicture& Picture);
// Where a W x H picture is painted in Content: with Stretch fitted proportionally at the top-left
// corner (larger or smaller); otherwise at its own size, at the top-left corner or, with Center,
// centred (negative offsets for a picture larger than the content).
TRect PicturePaintRect(const TRect& Content, int W, int H, bool Stretch, bool Center);
