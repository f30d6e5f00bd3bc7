// Helpers of the application's windows: typed pointers to the components a stored layout made,
// list lines that own their objects, the key filters of number boxes, the edit state of the data
// sets the windows write through, and help.
#pragma once

#include <functional>

#include "controls/Application.h"
#include "controls/Forms.h"
#include "data/DataSet.h"
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

// Drops Key unless it is one of Allowed (ASCII characters). Backspace always passes, so that a
// typing error can be taken back; Enter passes too: the boxes move the focus on with it
// (EnterMovesFocus in their layouts).
void AcceptOnly(TKeyChar& Key, const char* Allowed);

// A record of DataSet is being edited or appended.
bool IsEditing(const TDataSet* DataSet);
// Puts DataSet into edit state unless a record is already being edited or appended.
void EditRecord(TDataSet* DataSet);
// Drops the record being edited or appended, if any.
void CancelEditing(TDataSet* DataSet);
// Fills the row being appended or edited and posts it; when either fails the half-made row is
// cancelled and the error goes on.
void PostRow(TDataSet* DataSet, const std::function<void()>& Fill);

// Closes a data set when the work that opened it ends, whichever way it ends.
class TCloseAfter {
 public:
  explicit TCloseAfter(TDataSet* DataSet) : FDataSet(DataSet) {}
  ~TCloseAfter() { FDataSet->Close(); }
  TCloseAfter(const TCloseAfter&) = delete;
  TCloseAfter& operator=(const TCloseAfter&) = delete;

 private:
  TDataSet* FDataSet;
};

// Keeps a data set's controls from following it while it is read again or walked through; they
// follow again when the holder goes, however the work ends.
class TDisabledControls {
 public:
  explicit TDisabledControls(TDataSet* DataSet) : FDataSet(DataSet) { FDataSet->DisableControls(); }
  ~TDisabledControls() { FDataSet->EnableControls(); }
  TDisabledControls(const TDisabledControls&) = delete;
  TDisabledControls& operator=(const TDisabledControls&) = delete;

 private:
  TDataSet* FDataSet;
};

// Runs Work for a button that closes Form with its modal result: when Work raises, the result is
// taken back, so that the form stays open with what the user entered, and the error goes on.
void KeepOpenOnFailure(TCustomForm* Form, const std::function<void()>& Work);

// Asks the help system for the topic Context of the program's help file (the program's name with
// ".chm", beside it).
void ShowHelpContext(TCustomForm* Form, int Context);
