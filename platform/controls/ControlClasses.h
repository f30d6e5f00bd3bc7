// The control library's one registration: fonts, controls, forms, the standard and data-aware
// controls, actions, menus and dialogs, so that stored layouts create and set them by name.
#pragma once

// Registers the data access classes too. Safe to call more than once.
void RegisterControlsClasses();
