// The store of window placements: a window's position, size and maximised state kept for the
// current user under "Software\RuveZiviru\Form\" and the window's class name.
#pragma once

class TCustomForm;

void frSavePlacement(TCustomForm* Window);
// A window without a stored placement keeps its bounds and becomes maximised.
void frRestorePlacement(TCustomForm* Window);
