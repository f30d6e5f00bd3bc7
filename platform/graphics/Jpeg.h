// TJPEGImage: a JPEG picture decoded and encoded with libjpeg. Loaded data is kept and written
// back unchanged; a picture assigned from a bitmap is compressed with CompressionQuality when it is
// saved.
#pragma once

#include "graphics/Graphic.h"

class TJPEGImage : public TGraphic {
 public:
  TJPEGImage();
  ~TJPEGImage() override;
  String ClassName() const override { return "TJPEGImage"; }
  void Assign(const TPersistent* source) override;

  bool Empty() const override;
  int Width() const override;
  int Height() const override;
  // 1 to 100; 90 unless set.
  void SetCompressionQuality(int quality);
  // Decodes and encodes one grey channel.
  void SetGrayscale(bool value);

  // The decoded pixels (a copy into bitmap).
  void AssignTo(TPersistent* dest) const override;
  void Draw(TCanvas* canvas, const TRect& r) const override;
  void LoadFromBytes(const TBytes& data) override;
  TBytes SaveToBytes() const override;

 private:
  std::unique_ptr<TBitmap> FBitmap;  // decoded pixels
  mutable TBytes FData;              // compressed form; empty until needed
  int FQuality = 90;
  bool FGrayscale = false;
};
