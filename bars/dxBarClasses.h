// The command bars' one registration: the manager, groups, bars, item kinds and popup menus for
// stored layouts, and the item kinds with the controls that show them.
#pragma once

// Registers the control library first. Safe to call more than once.
void RegisterBarsClasses();
// The hidden form the design copies of bars are read into (see TdxBarManager::LoadDesignLayout).
void RegisterBarTempForm();
