// Helpers of the engine's windows: the control under a point, searched as the preview needs it,
// and enabling a group of controls with the colours that show their state.
#pragma once

#include <vector>

#include "controls/Control.h"

class TWinControl;

// The last visible child of Parent whose bounds hold the point (client coordinates of Parent). A
// windowed child that takes children and has some is searched instead: a control found inside
// wins, else the search goes on with the siblings before it. nullptr when none.
TControl* frControlAtPoint(TWinControl* Parent, TPoint Point);
// Labels take the window-text or the grey-text colour, windowed controls the window or the
// button-face colour; then each control is enabled or disabled.
void frEnableControls(const std::vector<TControl*>& Controls, bool Enabled);

// A control of class T made for a window built in code: owned by Owner, on Parent, named, placed
// and captioned (an empty caption leaves the control's own).
template <class T>
T* frPlace(TComponent* Owner, TWinControl* Parent, const String& Name, TRect Bounds, const String& Caption = String()) {
  T* control = new T(Owner);
  control->SetName(Name);
  control->SetParent(Parent);
  control->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
  if (!Caption.empty()) control->SetCaption(Caption);
  return control;
}
