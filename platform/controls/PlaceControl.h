// Placing a control of a dialog laid out in code: made by its owner, named as a stored layout
// would name it, put on its parent at its bounds, with its caption.
#pragma once

#include "controls/Control.h"
#include "controls/WinControl.h"

template <class T>
T* PlaceControl(TComponent* Owner, TWinControl* Parent, const String& Name, TRect Bounds, const String& Caption = String()) {
  T* control = new T(Owner);
  control->SetName(Name);
  control->SetParent(Parent);
  control->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
  if (!Caption.empty()) control->SetCaption(Caption);
  return control;
}
