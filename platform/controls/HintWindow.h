// THintWindow: the pale yellow window that shows a hint, made top-most without taking the focus
// or the activation; and the application's hints: the hint of the control under the mouse shows
// after the hint pause on the layer's clock, and hides after the hide pause or when the mouse
// goes to another control.
#pragma once

#include "controls/CustomControl.h"

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* AOwner);
  ~THintWindow() override;
  String ClassName() const override { return "THintWindow"; }
  // Shows Hint in Rect (screen coordinates).
  virtual void ActivateHint(TRect Rect, const String& Hint);
  // The size the hint needs, at most MaxWidth wide, at (0, 0).
  virtual TRect CalcHintRect(int MaxWidth, const String& Hint);
  void ReleaseHandle();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;
};

// The part of a hint before "|" (shown in the hint window) and after it (the status text).
String GetShortHint(const String& Hint);
String GetLongHint(const String& Hint);

// The application tells of the control the mouse is now over (nullptr: none); the hint of the
// old one goes, and the new one's shows after the pause.
void ApplicationHintMouseChanged(TControl* Control);
// The window showing the application's hint now, nullptr when none shows.
THintWindow* ApplicationHintWindow();
// Milliseconds before a hint shows and before it hides again.
inline constexpr unsigned HintPause = 500;
inline constexpr unsigned HintHidePause = 2500;
