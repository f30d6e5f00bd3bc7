// TGraphic's file handling and TPicture, the owner of one picture of any kind.
#include "graphics/Graphic.h"

#include <algorithm>

#include "graphics/Jpeg.h"
#include "graphics/Metafile.h"
#include "rtl/Text.h"

void TGraphic::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Changed();
}

void TGraphic::Changed() {
  FModified = true;
  if (OnChange) OnChange(this);
}

void TGraphic::LoadFromStream(TStream& stream) {
  const int64_t remaining = std::max<int64_t>(0, stream.Size() - stream.Position());
  if (remaining > (int64_t(1) << 30)) throw EInvalidGraphic("图片数据过大");
  TBytes data(size_t(remaining), 0);
  stream.ReadBuffer(data.data(), int(data.size()));
  LoadFromBytes(data);
}

void TGraphic::SaveToStream(TStream& stream) const {
  const TBytes data = SaveToBytes();
  stream.WriteBuffer(data.data(), int(data.size()));
}

void TGraphic::LoadFromFile(const String& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const String& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}

std::unique_ptr<TGraphic> CreateGraphicForExtension(const String& extension) {
  const String ext = LowerCase(extension);
  if (ext == ".bmp") return std::make_unique<TBitmap>();
  if (ext == ".ico") return std::make_unique<TIcon>();
  if (ext == ".jpg" || ext == ".jpeg") return std::make_unique<TJPEGImage>();
  if (ext == ".emf" || ext == ".wmf") return std::make_unique<TMetafile>();
  return nullptr;
}

namespace {

std::unique_ptr<TGraphic> CopyOf(const TGraphic& graphic) {
  std::unique_ptr<TGraphic> copy;
  if (dynamic_cast<const TBitmap*>(&graphic)) copy = std::make_unique<TBitmap>();
  else if (dynamic_cast<const TIcon*>(&graphic)) copy = std::make_unique<TIcon>();
  else if (dynamic_cast<const TJPEGImage*>(&graphic)) copy = std::make_unique<TJPEGImage>();
  else if (dynamic_cast<const TMetafile*>(&graphic)) copy = std::make_unique<TMetafile>();
  else throw EInvalidGraphic("不支持的图片类型 " + graphic.ClassName());
  copy->Assign(&graphic);
  return copy;
}

String ExtensionOf(const String& fileName) {
  const size_t dot = fileName.find_last_of('.');
  const size_t slash = fileName.find_last_of("/\\");
  if (dot == String::npos || (slash != String::npos && dot < slash)) return "";
  return fileName.substr(dot);
}

}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Assign(const TPersistent* source) {
  if (!source) {
    SetGraphic(nullptr);
  } else if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
    SetGraphic(picture->Graphic());
  } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(source);
  }
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TPicture::Own(std::unique_ptr<TGraphic> graphic) {
  FGraphic = std::move(graphic);
  if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

void TPicture::SetGraphic(const TGraphic* graphic) { Own(graphic ? CopyOf(*graphic) : nullptr); }

template <class T>
T* TPicture::Require() {
  if (auto* existing = dynamic_cast<T*>(FGraphic.get())) return existing;
  Own(std::make_unique<T>());
  return static_cast<T*>(FGraphic.get());
}

TBitmap* TPicture::Bitmap() { return Require<TBitmap>(); }
TIcon* TPicture::Icon() { return Require<TIcon>(); }
TMetafile* TPicture::Metafile() { return Require<TMetafile>(); }

void TPicture::LoadFromFile(const String& fileName) {
  const String ext = ExtensionOf(fileName);
  std::unique_ptr<TGraphic> graphic = CreateGraphicForExtension(ext);
  if (!graphic) throw EInvalidGraphic("未知的图片文件扩展名 (" + ext + ")");
  graphic->LoadFromFile(fileName);
  Own(std::move(graphic));
}

void TPicture::SaveToFile(const String& fileName) const {
  if (FGraphic) FGraphic->SaveToFile(fileName);
}
