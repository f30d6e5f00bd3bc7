// The hints of bar items: one hint window serves every bar manager. It shows the hint of the
// item under the mouse after a delay, hides it after a while, and shows the next one at once
// when the mouse moves on soon after a hint went. Its timers are thread timers of the clock.
#pragma once

#include "bars/dxBarCommon.h"
#include "controls/CustomControl.h"

class TdxBarHintWindow : public TCustomControl {
 public:
  TdxBarHintWindow();
  String ClassName() const override { return "TdxBarHintWindow"; }
  // Shows Text at Point (screen), sized to the text and kept inside the work area there.
  void ActivateHint(TPoint Point, const String& Text, TdxBarManager* Manager);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
};

// The intervals of the hint: the delay before showing, the time it stays, and the grace time
// after it went during which the next hint shows at once.
enum : unsigned { dxBarHintDelay = 1000, dxBarHintHideAfter = 10000, dxBarHintGrace = 400 };

// The mouse entered (Show) or left an item of Manager's bars, or Text is to be shown instead of
// the item's hint.
void UpdateHint(TdxBarManager* Manager, bool Show, const String& Text);
// Shows the hint of Manager's selected item (or the explicit text) now.
void ShowHintNow(TdxBarManager* Manager);
void StopHintShowTimer();
void StopHintGraceTimer();
// The shared window, made with the first manager and freed with the last.
TdxBarHintWindow* BarHintWindow();
void CreateBarHintWindow();
void FreeBarHintWindow();
// A manager goes: its pending hint stops and its shown hint hides.
void ReleaseBarHint(TdxBarManager* Manager);
