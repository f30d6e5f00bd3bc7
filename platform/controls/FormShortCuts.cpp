// Short cuts of a form: the menus and action lists the form owns are asked in turn.
#include "controls/ActnList.h"
#include "controls/Forms.h"
#include "controls/Menus.h"

bool TCustomForm::IsShortCut(WORD Key, TShiftState Shift) {
  for (int i = 0; i < ComponentCount(); ++i) {
    TComponent* c = Components(i);
    if (auto* menu = dynamic_cast<TMenu*>(c); menu && menu->IsShortCut(Key, Shift)) return true;
    if (auto* list = dynamic_cast<TActionList*>(c); list && list->IsShortCut(Key, Shift)) return true;
  }
  return false;
}
