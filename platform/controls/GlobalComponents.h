// The components the program names from anywhere, as "module.component" paths in report
// templates: the forms and data modules that the application object owns, then every form on the
// screen.
#pragma once

#include "classes/Component.h"

// The application's own component of that name (a form or data module it made), else the form of
// that name on the screen; letter case aside. nullptr when there is none, or no application.
TComponent* FindGlobalComponent(const String& Name);
