// The control under a point, the enabling of control groups, and the frame of the engine's dialogs.
#include "report/FR_Ctrls.h"

#include "controls/Button.h"
#include "controls/Forms.h"
#include "controls/Label.h"
#include "controls/PlaceControl.h"
#include "controls/WinControl.h"
#include "report/FR_Const.h"

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

void frSetupDialog(TCustomForm* Form, const String& Caption, int ClientWidth, int ClientHeight) {
  Form->SetBorderStyle(bsDialog);
  Form->SetPosition(poScreenCenter);
  Form->SetCaption(Caption);
  Form->SetClientWidth(ClientWidth);
  Form->SetClientHeight(ClientHeight);
}

void frDialogButtons(TCustomForm* Form, int Left, int Top, TButton*& Ok, TButton*& Cancel) {
  Ok = PlaceControl<TButton>(Form, Form, "OkBtn", Bounds(Left, Top, 75, 25), frLoadStr(55000));
  Ok->SetDefault(true);
  Ok->SetModalResult(mrOk);
  Cancel = PlaceControl<TButton>(Form, Form, "CancelBtn", Bounds(Left + 81, Top, 75, 25), frLoadStr(55001));
  Cancel->SetCancel(true);
  Cancel->SetModalResult(mrCancel);
}
