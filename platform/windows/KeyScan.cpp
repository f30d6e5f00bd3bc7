// The US layout's characters and keys, for accelerator matching.
#include "windows/KeyScan.h"

namespace {

// Punctuation keys with the character they type unshifted and with Shift.
struct TSymbolKey {
  int Key;
  char32_t Plain;
  char32_t Shifted;
};

constexpr TSymbolKey kSymbolKeys[] = {
    {VK_OEM_1, U';', U':'},      {VK_OEM_PLUS, U'=', U'+'},  {VK_OEM_COMMA, U',', U'<'},
    {VK_OEM_MINUS, U'-', U'_'},  {VK_OEM_PERIOD, U'.', U'>'}, {VK_OEM_2, U'/', U'?'},
    {VK_OEM_3, U'`', U'~'},      {VK_OEM_4, U'[', U'{'},     {VK_OEM_5, U'\\', U'|'},
    {VK_OEM_6, U']', U'}'},      {VK_OEM_7, U'\'', U'"'},    {VK_SPACE, U' ', 0},
};

// The shifted characters of the digit row, "0" to "9".
constexpr char32_t kShiftedDigits[] = {U')', U'!', U'@', U'#', U'$', U'%', U'^', U'&', U'*', U'('};

int16_t Scan(int Key, int Modifiers) { return static_cast<int16_t>((Modifiers << 8) | Key); }

}  // namespace

int16_t VkKeyScan(char32_t Ch) {
  if (Ch >= U'a' && Ch <= U'z') return Scan(static_cast<int>(Ch - U'a') + 'A', 0);
  if (Ch >= U'A' && Ch <= U'Z') return Scan(static_cast<int>(Ch), VKS_SHIFT);
  if (Ch >= U'0' && Ch <= U'9') return Scan(static_cast<int>(Ch), 0);
  for (int digit = 0; digit < 10; ++digit)
    if (kShiftedDigits[digit] == Ch) return Scan('0' + digit, VKS_SHIFT);
  for (const TSymbolKey& key : kSymbolKeys) {
    if (key.Plain == Ch) return Scan(key.Key, 0);
    if (key.Shifted && key.Shifted == Ch) return Scan(key.Key, VKS_SHIFT);
  }
  if (Ch == U'\r') return Scan(VK_RETURN, 0);
  if (Ch == U'\t') return Scan(VK_TAB, 0);
  if (Ch == U'\b') return Scan(VK_BACK, 0);
  if (Ch == 27) return Scan(VK_ESCAPE, 0);
  if (Ch >= 1 && Ch <= 26) return Scan(static_cast<int>(Ch) - 1 + 'A', VKS_CTRL);
  return -1;
}

UINT MapVirtualKey(UINT Code, UINT MapType) {
  if (MapType != MAPVK_VK_TO_CHAR) return 0;
  const int key = static_cast<int>(Code);
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return Code;
  for (const TSymbolKey& symbol : kSymbolKeys)
    if (symbol.Key == key) return static_cast<UINT>(symbol.Plain);
  switch (key) {
    case VK_RETURN: return '\r';
    case VK_TAB: return '\t';
    case VK_BACK: return '\b';
    case VK_ESCAPE: return 27;
    default: return 0;
  }
}
