// Short cuts of a form: the menus and action lists the form owns are asked in turn.
#include "controls/ActnList.h"
#include "controls/Forms.h"

bool TCustomForm::IsShortCut(WORD Key, TShiftState Shift) {
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* list = dynamic_cast<TActionList*>(Components(i)); list && list->IsShortCut(Key, Shift)) return true;
  return false;
}
