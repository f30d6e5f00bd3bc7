// TCustomPanel and TPanel: a container with outer and inner bevels, an optional single border,
// and a caption aligned inside.
#pragma once

#include "controls/CustomControl.h"
#include "controls/StdPaint.h"
#include "controls/TextBox.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
inline constexpr const char* BevelCutNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};

class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* AOwner);
  String ClassName() const override { return "TCustomPanel"; }

  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int Value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& Rect) override;
  void Dispatch(TMessage& Message) override;

 private:
  void Changed();
  int EdgeWidth() const;

  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
  TAlignment FAlignment = taCenter;
};

class TPanel : public TCustomPanel {
 public:
  using TCustomPanel::TCustomPanel;
  String ClassName() const override { return "TPanel"; }
};
