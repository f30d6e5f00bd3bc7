// The images of an image list as stored layouts keep them: a 32-bit count, then each image and
// its mask as sized bitmap files (the block pictures use).
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "classes/Filer.h"
#include "graphics/ImageList.h"

namespace {

void WriteImages(TStream& Stream, const TImageList& List) {
  const auto count = static_cast<uint32_t>(List.Count());
  const uint8_t prefix[4] = {uint8_t(count), uint8_t(count >> 8), uint8_t(count >> 16), uint8_t(count >> 24)};
  Stream.WriteBuffer(prefix, 4);
  for (int i = 0; i < List.Count(); ++i) {
    TBitmap image, mask;
    List.GetBitmap(i, &image);
    List.GetMask(i, &mask);
    WriteSizedGraphic(Stream, image);
    WriteSizedGraphic(Stream, mask);
  }
}

// Reads every image first, so that a damaged block changes nothing.
void ReadImages(TStream& Stream, TImageList& List) {
  uint8_t prefix[4];
  Stream.ReadBuffer(prefix, 4);
  const uint32_t count = prefix[0] | (prefix[1] << 8) | (prefix[2] << 16) | (uint32_t(prefix[3]) << 24);
  std::vector<std::pair<std::unique_ptr<TBitmap>, std::unique_ptr<TBitmap>>> images;
  for (uint32_t i = 0; i < count; ++i) {
    auto image = std::make_unique<TBitmap>();
    auto mask = std::make_unique<TBitmap>();
    ReadSizedGraphic(Stream, *image);
    ReadSizedGraphic(Stream, *mask);
    if (image->Width() != List.Width() || image->Height() != List.Height() || mask->Width() != image->Width() ||
        mask->Height() != image->Height())
      throw EInvalidGraphic("图像列表中的图片大小不符");
    images.emplace_back(std::move(image), std::move(mask));
  }
  List.Clear();
  for (const auto& [image, mask] : images) List.Add(image.get(), mask.get());
}

}  // namespace

void TImageList::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Bitmap", [this](TStream& s) { ReadImages(s, *this); }, [this](TStream& s) { WriteImages(s, *this); },
      Count() > 0);
}
