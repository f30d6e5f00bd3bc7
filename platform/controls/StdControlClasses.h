// The identifier maps of colours and cursors that stored layouts use.
#pragma once

#include "classes/Properties.h"

// clBlack ... clBtnFace ... clInfoBk: the named colours.
TIdentMap ColorIdents();
// crDefault ... crHandPoint: the standard cursors.
TIdentMap CursorIdents();
