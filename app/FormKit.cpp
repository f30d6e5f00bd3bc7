// Enter moving the focus, and key filters.
#include "app/FormKit.h"

#include <cstring>

void EnterMovesFocus(TCustomForm* Form, TObject* Sender, TKeyChar& Key) {
  if (Key != '\r') return;
  Key = 0;
  Form->SelectNext(dynamic_cast<TWinControl*>(Sender), true, true);
}

void AcceptOnly(TKeyChar& Key, const char* Allowed) {
  if (Key == 0 || Key > 0x7f || !std::strchr(Allowed, static_cast<char>(Key))) Key = 0;
}
