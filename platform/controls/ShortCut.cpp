// Short cuts: packing a key with its shift state, the names menus show for them, and reading a
// name back.
#include "controls/ShortCut.h"

#include <string>
#include <utility>

#include "rtl/Text.h"
#include "windows/Input.h"

namespace {

// The names of keys that are not letters or digits.
struct TKeyName {
  WORD Key;
  const char* Name;
};
constexpr TKeyName kKeyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"},     {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},   {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},  {VK_END, "End"},      {VK_HOME, "Home"},    {VK_LEFT, "Left"},
    {VK_UP, "Up"},     {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},    {VK_INSERT, "Ins"},   {VK_DELETE, "Del"},
};

String KeyName(WORD Key) {
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return String(1, static_cast<char>(Key));
  if (Key >= VK_F1 && Key <= VK_F1 + 23) return "F" + std::to_string(Key - VK_F1 + 1);
  for (const TKeyName& k : kKeyNames)
    if (k.Key == Key) return k.Name;
  return String();
}

}  // namespace

TShortCut ShortCut(WORD Key, TShiftState Shift) {
  if (Key & 0xFF00) return scNone;
  TShortCut result = Key;
  if (Shift & ssShift) result |= scShift;
  if (Shift & ssCtrl) result |= scCtrl;
  if (Shift & ssAlt) result |= scAlt;
  return result;
}

String ShortCutToText(TShortCut Value) {
  const String name = KeyName(Value & 0xFF);
  if (name.empty()) return String();
  String text;
  if (Value & scShift) text += "Shift+";
  if (Value & scCtrl) text += "Ctrl+";
  if (Value & scAlt) text += "Alt+";
  return text + name;
}

TShortCut TextToShortCut(const String& Text) {
  String rest = Text;
  TShortCut modifiers = 0;
  for (bool found = true; found;) {
    found = false;
    for (const auto& [prefix, bit] : {std::pair<const char*, TShortCut>{"Shift+", scShift}, {"Ctrl+", scCtrl}, {"Alt+", scAlt}}) {
      const size_t length = std::char_traits<char>::length(prefix);
      if (rest.size() > length && SameText(rest.substr(0, length), prefix)) {
        modifiers |= bit;
        rest = rest.substr(length);
        found = true;
      }
    }
  }
  for (WORD key = 1; key < 256; ++key)
    if (const String name = KeyName(key); !name.empty() && SameText(name, rest)) return static_cast<TShortCut>(key | modifiers);
  return scNone;
}
