// Helpers of the application's windows: typed pointers to the components a stored layout made,
// list lines that own their objects, and the key filters of number boxes.
#pragma once

#include "controls/Application.h"
#include "controls/Forms.h"
#include "rtl/Exceptions.h"

// Points Field at Owner's component Name; a layout without it (or with another class) is a
// fault of the program and raises EInvalidOperation.
template <class T>
void BindComponent(const TComponent* Owner, T*& Field, const char* Name) {
  Field = dynamic_cast<T*>(Owner->FindComponent(Name));
  if (!Field) throw EInvalidOperation(String("窗口布局中没有组件：") + Name);
}
// The same for a component that only some layouts of a class have: null without it.
template <class T>
void BindOptionalComponent(const TComponent* Owner, T*& Field, const char* Name) {
  Field = dynamic_cast<T*>(Owner->FindComponent(Name));
}

// The window a global variable holds, made with the application as owner when it holds none.
template <class T>
T* HeldForm(T*& Holder) {
  if (!Holder) Holder = TCustomForm::Create<T>(Application);
  return Holder;
}

// Frees the objects of a list's lines and empties it, for lists whose lines own their objects.
void FreeItemObjects(TStrings* Items);

// Drops Key unless it is one of Allowed (ASCII characters). Enter passes: the boxes move the
// focus on with it (EnterMovesFocus in their layouts).
void AcceptOnly(TKeyChar& Key, const char* Allowed);
