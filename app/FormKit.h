// Helpers of the application's windows: typed pointers to the components a stored layout made,
// Enter moving the focus on, and the key filters of number boxes.
#pragma once

#include "controls/Forms.h"
#include "rtl/Exceptions.h"

// Points Field at Owner's component Name; a layout without it (or with another class) is a
// fault of the program and raises EInvalidOperation.
template <class T>
void BindComponent(const TComponent* Owner, T*& Field, const char* Name) {
  Field = dynamic_cast<T*>(Owner->FindComponent(Name));
  if (!Field) throw EInvalidOperation(String("窗口布局中没有组件：") + Name);
}

// Enter typed in Sender is taken and moves the focus to the next control in tab order.
void EnterMovesFocus(TCustomForm* Form, TObject* Sender, TKeyChar& Key);
// Drops Key unless it is one of Allowed (ASCII characters).
void AcceptOnly(TKeyChar& Key, const char* Allowed);
