// Pictures inside stored layouts: the binary "Data" values of bitmaps (button glyphs) and of
// pictures (image controls), read and written through the layout filer.
#include "classes/Filer.h"
#include "graphics/Graphic.h"
#include "graphics/Jpeg.h"
#include "graphics/Metafile.h"

std::unique_ptr<TGraphic> CreateGraphicForClass(const String& className) {
  if (className == "TBitmap") return std::make_unique<TBitmap>();
  if (className == "TIcon") return std::make_unique<TIcon>();
  if (className == "TJPEGImage") return std::make_unique<TJPEGImage>();
  if (className == "TMetafile") return std::make_unique<TMetafile>();
  return nullptr;
}

void WriteSizedGraphic(TStream& stream, const TGraphic& graphic) {
  const TBytes bytes = graphic.SaveToBytes();
  const auto size = static_cast<uint32_t>(bytes.size());
  const uint8_t prefix[4] = {uint8_t(size), uint8_t(size >> 8), uint8_t(size >> 16), uint8_t(size >> 24)};
  stream.WriteBuffer(prefix, 4);
  stream.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
}

// The length must fit in what is left of the stream: a damaged layout cannot make us allocate
// or read past its end.
void ReadSizedGraphic(TStream& stream, TGraphic& graphic) {
  uint8_t prefix[4];
  stream.ReadBuffer(prefix, 4);
  const uint32_t size = prefix[0] | (prefix[1] << 8) | (prefix[2] << 16) | (uint32_t(prefix[3]) << 24);
  if (size > stream.Size() - stream.Position()) throw EInvalidGraphic("图片数据不完整");
  TBytes bytes(size);
  stream.ReadBuffer(bytes.data(), static_cast<int>(size));
  graphic.LoadFromBytes(bytes);
}

void TBitmap::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadSizedGraphic(s, *this); }, [this](TStream& s) { WriteSizedGraphic(s, *this); },
      !Empty());
}

void TPicture::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); },
      FGraphic && !FGraphic->Empty());
}

void TPicture::ReadData(TStream& stream) {
  uint8_t length = 0;
  stream.ReadBuffer(&length, 1);
  String name(length, '\0');
  stream.ReadBuffer(name.data(), length);
  std::unique_ptr<TGraphic> graphic = CreateGraphicForClass(name);
  if (!graphic) throw EInvalidGraphic("不支持的图片类型 " + name);
  ReadSizedGraphic(stream, *graphic);
  Own(std::move(graphic));
}

void TPicture::WriteData(TStream& stream) const {
  const String name = FGraphic->ClassName();
  const auto length = static_cast<uint8_t>(name.size());
  stream.WriteBuffer(&length, 1);
  stream.WriteBuffer(name.data(), length);
  WriteSizedGraphic(stream, *FGraphic);
}
