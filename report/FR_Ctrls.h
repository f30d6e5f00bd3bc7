// Helpers of the engine's windows: the control under a point, searched as the preview needs it,
// enabling a group of controls with the colours that show their state, and the frame and buttons
// of the dialogs laid out in code.
#pragma once

#include <vector>

#include "controls/Control.h"

class TWinControl;
class TCustomForm;
class TButton;

// The last visible child of Parent whose bounds hold the point (client coordinates of Parent). A
// windowed child that takes children and has some is searched instead: a control found inside
// wins, else the search goes on with the siblings before it. nullptr when none.
TControl* frControlAtPoint(TWinControl* Parent, TPoint Point);
// Labels take the window-text or the grey-text colour, windowed controls the window or the
// button-face colour; then each control is enabled or disabled.
void frEnableControls(const std::vector<TControl*>& Controls, bool Enabled);

// A dialog laid out in code: bordered, centred on the screen, with its caption and client size.
void frSetupDialog(TCustomForm* Form, const String& Caption, int ClientWidth, int ClientHeight);
// A dialog's OK ("确认", the default) and Cancel ("取消") buttons side by side from (Left, Top).
void frDialogButtons(TCustomForm* Form, int Left, int Top, TButton*& Ok, TButton*& Cancel);
