// The menu window: what it answers of the bar window base.
#include "bars/dxBarSubMenu.h"

#include "bars/dxBarManager.h"

int TdxBarSubMenuControl::GetSeparatorSize() const { return BarManager() && BarManager()->IsFlat() ? 5 : 10; }
