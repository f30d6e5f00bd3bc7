// Owners of top-level windows beyond their creation: a new owner, and the stay-on-top windows that
// give way to a modal window. The window system keeps an owned window above its owner.
#pragma once

#include "windows/Messages.h"

// Gives a top-level window another owner (none: unowned), as the original's GWL_HWNDPARENT does;
// answers the previous owner. A window never comes to own itself through its owners.
HWND SetWindowOwner(HWND Wnd, HWND Owner);

// While a modal window is up, no stay-on-top window of the program may cover it: the visible
// stay-on-top windows with a caption lose the state (at the outermost of nested calls) and get it
// back when the last call is paired; the open pop-ups close.
void NormalizeTopMosts();
void RestoreTopMosts();
