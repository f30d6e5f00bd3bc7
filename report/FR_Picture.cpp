// The picture object: properties, drawing into its rectangle, loading from blob fields and files,
// and its record, whose picture data ends at a position written after it.
#include "report/FR_Picture.h"

#include "graphics/Metafile.h"
#include "report/FR_DBRel.h"
#include "report/FR_Globals.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/Arith.h"
#include "rtl/Files.h"
#include "rtl/Text.h"

TfrPictureView::TfrPictureView() : TfrView(gtPicture, "Picture") { Flags = flStretched | flPictRatio; }

void TfrPictureView::DeclareProperties() {
  TfrView::DeclareProperties();
  AddProperty("Picture", frdtHasEditor);
  for (const char* name : {"Stretched", "Center", "KeepAspect"}) AddProperty(name, frdtBoolean);
  AddProperty("DataField", frdtString | frdtHasEditor | frdtOneObject);
  AddEnumProperty("BlobType", "btBMP;btJPG;btICO;btWMF", {0, 1, 2, 3});
}

void TfrPictureView::SetProperty(const String& Name, const Variant& Value) {
  TfrView::SetProperty(Name, Value);
  const String name = UpperCase(Name);
  if (name == "CENTER")
    Flags = uint16_t(Value.AsBoolean() ? Flags | flPictCenter : Flags & ~flPictCenter);
  else if (name == "KEEPASPECT")
    Flags = uint16_t(Value.AsBoolean() ? Flags | flPictRatio : Flags & ~flPictRatio);
  else if (name == "BLOBTYPE")
    BlobType = uint8_t(Value.AsInteger());
}

Variant TfrPictureView::GetProperty(const String& Name) {
  const String name = UpperCase(Name);
  if (name == "CENTER") return (Flags & flPictCenter) != 0;
  if (name == "KEEPASPECT") return (Flags & flPictRatio) != 0;
  if (name == "BLOBTYPE") return int(BlobType);
  return TfrView::GetProperty(Name);
}

Variant TfrPictureView::CallMethod(const String& Name, const Variant& Arg1, const Variant& Arg2, const Variant& Arg3) {
  const Variant result = TfrView::CallMethod(Name, Arg1, Arg2, Arg3);
  if (!result.IsEmpty() || UpperCase(Name) != "LOADFROMFILE") return result;
  const String fileName = VarToStr(frParser().Calc(VarToStr(Arg1)));
  if (FileExists(fileName))
    Picture.LoadFromFile(fileName);
  else
    Picture.SetGraphic(nullptr);
  return Variant();
}

void TfrPictureView::LoadBlob(TField* Field) {
  if (Field) AssignBlobTo(*Field, &Picture);
}

TRect TfrPictureView::PictureRect() const {
  const int pictureWidth = Picture.Width(), pictureHeight = Picture.Height();
  TRect r = DrawRect;
  if (!(Flags & flStretched)) {
    const int width = int(Round(pictureWidth * ScaleX)), height = int(Round(pictureHeight * ScaleY));
    if (Flags & flPictCenter) {
      r.Left += (DrawRect.Width() - width) / 2;
      r.Top += (DrawRect.Height() - height) / 2;
    }
    r.Right = r.Left + width;
    r.Bottom = r.Top + height;
    return r;
  }
  if (!(Flags & flPictRatio) || pictureWidth <= 0 || pictureHeight <= 0) return r;
  const double kx = double(Width) / pictureWidth, ky = double(Height) / pictureHeight;
  if (kx >= ky)
    r.Right = DrawRect.Left + int(Round(pictureWidth * ky));
  else
    r.Bottom = DrawRect.Top + int(Round(pictureHeight * kx));
  if (Flags & flPictCenter) {
    const int dx = (DrawRect.Width() - r.Width()) / 2, dy = (DrawRect.Height() - r.Height()) / 2;
    r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
  }
  return r;
}

namespace {

// The picture as a plain bitmap of its size; kinds other than a bitmap are drawn onto white.
std::unique_ptr<TBitmap> AsBitmap(const TGraphic& Graphic) {
  auto bitmap = std::make_unique<TBitmap>(Graphic.Width(), Graphic.Height());
  bitmap->SetPixelFormat(TPixelFormat::pf24bit);
  Graphic.Draw(bitmap->Canvas(), {0, 0, Graphic.Width(), Graphic.Height()});
  return bitmap;
}

// Metafiles stretch themselves; other pictures are stretched pixel for pixel as bitmaps.
void DrawGraphic(TCanvas* Canvas, const TRect& Target, const TGraphic& Graphic) {
  if (dynamic_cast<const TMetafile*>(&Graphic) || dynamic_cast<const TBitmap*>(&Graphic)) {
    Canvas->StretchDraw(Target, &Graphic);
    return;
  }
  Canvas->StretchDraw(Target, AsBitmap(Graphic).get());
}

}  // namespace

std::pair<TfrPictureKind, TBytes> frPictureData(const TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return {pkNone, {}};
  if (dynamic_cast<const TBitmap*>(Graphic)) return {pkBitmap, Graphic->SaveToBytes()};
  if (dynamic_cast<const TIcon*>(Graphic)) return {pkIcon, Graphic->SaveToBytes()};
  if (const auto* metafile = dynamic_cast<const TMetafile*>(Graphic)) {
    try {
      return {pkMetafile, metafile->SaveToBytes()};
    } catch (const EInvalidGraphicOperation&) {
      // a recording made by this program has no file form
    }
  }
  return {pkBitmap, AsBitmap(*Graphic)->SaveToBytes()};
}

std::unique_ptr<TGraphic> frGraphicOfKind(uint8_t Kind) {
  switch (Kind) {
    case pkBitmap: return std::make_unique<TBitmap>();
    case pkMetafile: return std::make_unique<TMetafile>();
    case pkIcon: return std::make_unique<TIcon>();
    default: return nullptr;
  }
}

void TfrPictureView::Draw(TCanvas* ACanvas) {
  AlignToBand(ACanvas);
  BeginDraw(ACanvas);
  DrawBackground();
  if (const TGraphic* graphic = Picture.Graphic(); graphic && !graphic->Empty())
    DrawGraphic(Canvas, PictureRect(), *graphic);
  DrawFrame();
  EndDraw();
}

void TfrPictureView::SaveToStream(TStream& Stream) {
  TfrView::SaveToStream(Stream);
  const auto [kind, data] = frPictureData(Picture.Graphic());
  const uint8_t header[2] = {kind, BlobType};
  Stream.WriteBuffer(header, 2);
  const int64_t end = frWritePlaceholder(Stream);
  if (!data.empty()) Stream.WriteBuffer(data.data(), int(data.size()));
  frPatchPosition(Stream, end);
}

void TfrPictureView::LoadFromStream(TStream& Stream) {
  TfrView::LoadFromStream(Stream);
  uint8_t kind;
  Stream.ReadBuffer(&kind, 1);
  if (StreamMajor * 10 + StreamMinor > 10) Stream.ReadBuffer(&BlobType, 1);
  const int32_t end = frReadInteger(Stream);
  const int64_t start = Stream.Position();
  if (end < start || end > Stream.Size()) throw EReadError("Invalid picture in report file");
  TBytes data(size_t(end - start));
  if (!data.empty()) Stream.ReadBuffer(data.data(), int(data.size()));
  Picture.SetGraphic(nullptr);
  std::unique_ptr<TGraphic> graphic = frGraphicOfKind(kind);
  if (graphic && !data.empty()) {
    graphic->LoadFromBytes(data);
    Picture.SetGraphic(graphic.get());
  }
}
