// The control under a point and the enabling of control groups.
#include "report/FR_Ctrls.h"

#include "controls/Label.h"
#include "controls/WinControl.h"

TControl* frControlAtPoint(TWinControl* Parent, TPoint Point) {
  for (int i = Parent->ControlCount() - 1; i >= 0; --i) {
    TControl* child = Parent->Controls(i);
    const TRect bounds = child->BoundsRect();
    if (!child->Visible() || !PtInRect(bounds, Point)) continue;
    auto* container = dynamic_cast<TWinControl*>(child);
    if (!container || !(container->ControlStyle() & csAcceptsControls) || container->ControlCount() == 0) return child;
    // A container with children answers only through a child; its empty area lets the siblings
    // beneath it answer.
    if (TControl* inner = frControlAtPoint(container, {Point.X - bounds.Left, Point.Y - bounds.Top})) return inner;
  }
  return nullptr;
}

void frEnableControls(const std::vector<TControl*>& Controls, bool Enabled) {
  for (TControl* control : Controls) {
    if (dynamic_cast<TCustomLabel*>(control))
      control->Font()->SetColor(Enabled ? clWindowText : clGrayText);
    else if (dynamic_cast<TWinControl*>(control))
      control->SetColor(Enabled ? clWindow : clBtnFace);
    control->SetEnabled(Enabled);
  }
}
