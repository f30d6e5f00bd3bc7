// The table of embedded layouts.
#include "classes/Layouts.h"

#include <map>

#include "rtl/Text.h"

namespace {

std::map<String, String>& Table() {
  static std::map<String, String> table;
  return table;
}

}  // namespace

void RegisterLayout(const char* Module, const unsigned char* Text, size_t Size) {
  Table()[UpperCase(Module)] = String(reinterpret_cast<const char*>(Text), Size);
}

const String* FindLayout(const String& Module) {
  auto it = Table().find(UpperCase(Module));
  return it == Table().end() ? nullptr : &it->second;
}
