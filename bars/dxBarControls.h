// The windows that show item links and the views of single links in them: the bar window base,
// the toolbar window, the menu window and the item controls.
#pragma once

#include "bars/dxBarControl.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarSubMenu.h"
#include "bars/dxBarToolbar.h"
