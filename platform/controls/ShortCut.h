// Short cuts of actions and menu items: a virtual key with the Shift, Ctrl and Alt bits above it,
// and their text as a menu shows it ("Ctrl+O", "F3").
#pragma once

#include <cstdint>

#include "controls/ControlTypes.h"

using TShortCut = uint16_t;
enum : TShortCut { scNone = 0, scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };

TShortCut ShortCut(WORD Key, TShiftState Shift);
// "" for scNone; keys without a name show as "".
String ShortCutToText(TShortCut ShortCut);
// The short cut a text names ("Ctrl+F4", "shift+f3"): modifiers in any order and case, then a key
// name as ShortCutToText writes it; scNone for any other text.
TShortCut TextToShortCut(const String& Text);
