// Characters and the keys that type them on the layer's keyboard (a US layout, as the native key
// mapping assumes): which virtual key and modifiers type a character, and which character a key
// types unshifted.
#pragma once

#include <cstdint>

#include "windows/Input.h"

// Modifier bits in the high byte of VkKeyScan's answer.
enum : int { VKS_SHIFT = 1, VKS_CTRL = 2 };

// The virtual key in the low byte and the modifiers in the high byte; -1 when no key types Ch.
int16_t VkKeyScan(char32_t Ch);

enum : UINT { MAPVK_VK_TO_CHAR = 2 };
// With MAPVK_VK_TO_CHAR: the character the key types without modifiers (letters in upper case),
// 0 for a key that types none. Other map types answer 0.
UINT MapVirtualKey(UINT Code, UINT MapType);
