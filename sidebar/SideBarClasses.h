// The side bar library's one registration: the side bar, its groups and items, the store and
// its stored items, so that stored layouts create and set them by name.
#pragma once

// Registers the control library's classes too. Safe to call more than once.
void RegisterSideBarClasses();
