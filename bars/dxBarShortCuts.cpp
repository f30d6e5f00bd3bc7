// A bar's short cuts: the key a user presses runs the first enabled command bound to it among
// the bar's links, the links of its sub items and the menus of its drop-down buttons.
#include "bars/dxBar.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarPopupMenu.h"

namespace {

bool ClickShortCut(TdxBarItemLinks* Links, TShortCut ShortCut) {
  for (int i = 0; i < Links->Count(); ++i) {
    TdxBarItem* item = Links->Items(i)->Item();
    if (!item || !item->Enabled()) continue;
    if (auto* subItem = dynamic_cast<TCustomdxBarSubItem*>(item)) {
      if (ClickShortCut(subItem->ItemLinks(), ShortCut)) return true;
      continue;
    }
    if (!item->CanClick()) continue;
    if (item->ShortCut() == ShortCut) {
      item->Click();
      return true;
    }
    auto* button = dynamic_cast<TdxBarButton*>(item);
    if (button && button->ButtonStyle() == bsDropDown && button->DropDownMenu() &&
        ClickShortCut(button->DropDownMenu()->ItemLinks(), ShortCut))
      return true;
  }
  return false;
}

}  // namespace

bool TdxBar::IsShortCut(TShortCut ShortCut) { return ShortCut != 0 && ClickShortCut(FItemLinks.get(), ShortCut); }
