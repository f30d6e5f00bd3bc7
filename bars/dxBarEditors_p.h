// What the dialogs that the Customize dialog opens share: their frame, place and font, and their
// OK and Cancel buttons.
#pragma once

#include "controls/Button.h"
#include "controls/Forms.h"

// A dialog of ClientWidth x ClientHeight centred on the screen with Caption in the Customize
// dialog's font (when it is open).
void SetupBarEditor(TCustomForm* Form, TFormBorderStyle Border, const String& Caption, int ClientWidth, int ClientHeight);
// "OK" (the default button, mrOk) at (Left, Top) and "Cancel" (mrCancel) beside it, 75 x 23 each.
void PlaceBarEditorButtons(TCustomForm* Form, int Left, int Top, const String& OkName, const String& CancelName,
                           TButton*& Ok, TButton*& Cancel);
