// TImage: a picture (bitmap, JPEG, icon) on its parent, at its natural size, centred,
// stretched or stretched keeping its proportions, optionally transparent.
#pragma once

#include <memory>

#include "controls/CustomControl.h"
#include "graphics/Graphic.h"

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;
  String ClassName() const override { return "TImage"; }
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(const TPicture* Value) { FPicture->Assign(Value); }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  bool Proportional() const { return FProportional; }
  void SetProportional(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  // Where the picture is drawn, in client coordinates.
  TRect DestRect() const;

 protected:
  void Paint() override;

 private:
  void PictureChanged();

  std::unique_ptr<TPicture> FPicture;
  bool FStretch = false;
  bool FCenter = false;
  bool FProportional = false;
  bool FTransparent = false;
  bool FAutoSize = false;
};
