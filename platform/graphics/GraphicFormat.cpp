// The picture kinds by signature, and the picture file dialogs' filters and extensions.
#include "graphics/GraphicFormat.h"

#include "graphics/Jpeg.h"
#include "graphics/Metafile.h"

namespace {

struct TKind {
  const char* ClassName;
  const char* Description;
  const char* Patterns;
  const char* Extension;
};

constexpr TKind Kinds[] = {
    {"TBitmap", "Bitmaps (*.bmp)", "*.bmp", "bmp"},
    {"TJPEGImage", "JPEG Image File (*.jpg;*.jpeg)", "*.jpg;*.jpeg", "jpg"},
    {"TIcon", "Icons (*.ico)", "*.ico", "ico"},
    {"TMetafile", "Metafiles (*.emf;*.wmf)", "*.emf;*.wmf", "emf"},
};

bool StartsWith(const TBytes& Data, std::initializer_list<uint8_t> Signature, size_t Offset = 0) {
  if (Data.size() < Offset + Signature.size()) return false;
  size_t i = Offset;
  for (const uint8_t b : Signature)
    if (Data[i++] != b) return false;
  return true;
}

}  // namespace

std::unique_ptr<TGraphic> CreateGraphicForData(const TBytes& Data) {
  if (StartsWith(Data, {'B', 'M'})) return std::make_unique<TBitmap>();
  if (StartsWith(Data, {0xFF, 0xD8})) return std::make_unique<TJPEGImage>();
  if (StartsWith(Data, {0, 0, 1, 0})) return std::make_unique<TIcon>();
  if (StartsWith(Data, {0xD7, 0xCD, 0xC6, 0x9A}) || StartsWith(Data, {' ', 'E', 'M', 'F'}, 40))
    return std::make_unique<TMetafile>();
  return nullptr;
}

String GraphicFilter(const String& ClassName) {
  for (const TKind& kind : Kinds)
    if (ClassName == kind.ClassName) return String(kind.Description) + "|" + kind.Patterns;
  String all, each;
  for (const TKind& kind : Kinds) {
    all += String(all.empty() ? "" : ";") + kind.Patterns;
    each += String("|") + kind.Description + "|" + kind.Patterns;
  }
  return "All (" + all + ")|" + all + each;
}

String GraphicExtension(const String& ClassName) {
  for (const TKind& kind : Kinds)
    if (ClassName == kind.ClassName) return kind.Extension;
  return String();
}
