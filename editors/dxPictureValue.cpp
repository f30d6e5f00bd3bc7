// Blob values and pictures: the graphic header, loading with a given or detected graphic kind,
// saving, and the placement of a picture in a cell.
#include "editors/dxPictureValue.h"

#include "graphics/GraphicFormat.h"

namespace {

constexpr size_t HeaderSize = 8;

uint32_t ReadLittleEndian(const String& Bytes, size_t Offset, size_t Count) {
  uint32_t value = 0;
  for (size_t i = 0; i < Count; ++i) value |= uint32_t(static_cast<uint8_t>(Bytes[Offset + i])) << (8 * i);
  return value;
}

// Count 1, type 0x0100 and the size of the bytes after it.
bool HasGraphicHeader(const String& Bytes) {
  return Bytes.size() >= HeaderSize && ReadLittleEndian(Bytes, 0, 2) == 1 && ReadLittleEndian(Bytes, 2, 2) == 0x0100 &&
         ReadLittleEndian(Bytes, 4, 4) == Bytes.size() - HeaderSize;
}

}  // namespace

bool IsPictureEmpty(const TPicture* Picture) {
  return !Picture || !Picture->Graphic() || Picture->Graphic()->Empty();
}

void LoadPictureFromValue(TPicture& Picture, const TGraphicClass& GraphicClass, const Variant& Value) {
  if (!VarIsStr(Value)) return Picture.SetGraphic(nullptr);
  const String bytes = VarToStr(Value);
  const size_t start = HasGraphicHeader(bytes) ? HeaderSize : 0;
  if (bytes.size() <= start) return Picture.SetGraphic(nullptr);
  const TBytes data(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end());
  std::unique_ptr<TGraphic> graphic =
      GraphicClass.empty() ? CreateGraphicForData(data) : CreateGraphicForClass(GraphicClass);
  if (!graphic) graphic = std::make_unique<TBitmap>();
  graphic->LoadFromBytes(data);
  Picture.SetGraphic(graphic.get());
}

String SavePictureToString(const TPicture& Picture) {
  if (IsPictureEmpty(&Picture)) return String();
  const TBytes bytes = Picture.Graphic()->SaveToBytes();
  return String(bytes.begin(), bytes.end());
}

TRect PicturePaintRect(const TRect& Content, int W, int H, bool Stretch, bool Center) {
  const TRect& c = Content;
  if (Stretch && W > 0 && H > 0) {
    if (c.Width() * H >= W * c.Height()) return {c.Left, c.Top, c.Left + c.Height() * W / H, c.Bottom};
    return {c.Left, c.Top, c.Right, c.Top + H * c.Width() / W};
  }
  TRect r{c.Left, c.Top, c.Left + W, c.Top + H};
  if (Center) OffsetRect(r, (c.Width() - W) / 2, (c.Height() - H) / 2);
  return r;
}
