// TfrPictureView, the picture object: a bitmap, icon or metafile (JPEG pictures become bitmaps
// when written), drawn stretched, centred or at its size, optionally keeping its aspect, and
// loaded from a blob field or a file.
#pragma once

#include <memory>
#include <utility>

#include "graphics/Graphic.h"
#include "report/FR_View.h"

// Flags bits of the picture object, beside flStretched.
enum : uint16_t { flPictCenter = 2, flPictRatio = 4 };

// Kinds of picture data in templates and prepared pages.
enum TfrPictureKind : uint8_t { pkNone, pkBitmap, pkMetafile, pkIcon };

// The kind and bytes a picture is written as: a bitmap, a metafile or an icon as they are, any
// other picture (a JPEG) as a bitmap, so that it survives in templates and prepared pages.
std::pair<TfrPictureKind, TBytes> frPictureData(const TGraphic* Graphic);
// A new empty graphic of a stored kind; nullptr for none or an unknown kind.
std::unique_ptr<TGraphic> frGraphicOfKind(uint8_t Kind);

// Kinds of data in a blob field.
enum TfrBlobType : uint8_t { btBMP, btJPG, btICO, btWMF };

class TfrPictureView : public TfrView {
 public:
  TfrPictureView();
  String ClassName() const override { return "TfrPictureView"; }

  void SetProperty(const String& Name, const Variant& Value) override;
  Variant GetProperty(const String& Name) override;
  // "LOADFROMFILE" (an expression naming the file): loads the picture, or empties it when the
  // name is empty or no such file exists.
  Variant CallMethod(const String& Name, const Variant& Arg1, const Variant& Arg2, const Variant& Arg3) override;
  void Draw(TCanvas* ACanvas) override;
  // The field's picture, whatever its format; an empty (null) field empties the picture.
  void LoadBlob(TField* Field) override;
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;

  // Where the picture goes inside DrawRect (after BeginDraw).
  TRect PictureRect() const;

  TPicture Picture;
  uint8_t BlobType = btBMP;

 protected:
  void DeclareProperties() override;
};
