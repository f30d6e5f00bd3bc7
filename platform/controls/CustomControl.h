// The two bases of controls that paint themselves: TCustomControl has a window and a Canvas that
// draws on it during its paint pass; TGraphicControl has no window: its parent paints it (with
// its Canvas drawing on the parent's window) and passes it the mouse messages over it.
#pragma once

#include <memory>

#include "controls/WinControl.h"
#include "graphics/Canvas.h"

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  String ClassName() const override { return "TCustomControl"; }
  // Draws on the control's window: clipped to the invalid area while painting, unclipped
  // outside a paint pass (it is let go again by ReleaseCanvas or the next paint).
  TCanvas* Canvas();
  void ReleaseCanvas();

  TNotifyEvent OnPaint;

 protected:
  virtual void Paint();
  void PaintWindow(HDC DC) override;
  void DestroyWnd() override;

 private:
  void PaintForeign(HDC DC);
  std::unique_ptr<TCanvas> FCanvas;
  TCanvas* FForeignCanvas = nullptr;
  bool FCanvasSelected = false;
};

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  String ClassName() const override { return "TGraphicControl"; }
  TCanvas* Canvas() { return FCanvas.get(); }

  TNotifyEvent OnPaint;

 protected:
  friend class TWinControl;
  virtual void Paint();

 private:
  std::unique_ptr<TCanvas> FCanvas;
};
