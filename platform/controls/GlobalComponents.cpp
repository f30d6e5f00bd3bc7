// Lookup of the program's forms and data modules by name.
#include "controls/GlobalComponents.h"

#include "controls/Application.h"
#include "rtl/Text.h"

TComponent* FindGlobalComponent(const String& Name) {
  if (Name.empty()) return nullptr;
  if (Application)
    if (TComponent* own = Application->FindComponent(Name)) return own;
  if (Screen)
    for (int i = 0; i < Screen->FormCount(); ++i)
      if (SameText(Screen->Forms(i)->Name(), Name)) return Screen->Forms(i);
  return nullptr;
}
