// Registers the published properties of the standard controls (and of the pictures they hold),
// and the identifier maps of colours and cursors that stored layouts use.
#pragma once

#include "classes/Properties.h"

// clBlack ... clBtnFace ... clInfoBk: the named colours.
TIdentMap ColorIdents();
// crDefault ... crHandPoint: the standard cursors.
TIdentMap CursorIdents();

// Safe to call more than once.
void RegisterStandardControlClasses();
