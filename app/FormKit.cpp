// Owned list objects and key filters.
#include "app/FormKit.h"

#include <cstring>

void AcceptOnly(TKeyChar& Key, const char* Allowed) {
  if (Key == '\r') return;
  if (Key == 0 || Key > 0x7f || !std::strchr(Allowed, static_cast<char>(Key))) Key = 0;
}

void FreeItemObjects(TStrings* Items) {
  for (int i = 0; i < Items->Count(); ++i) delete Items->Objects(i);
  Items->Clear();
}
