// Keys on windowed controls: the pre-translation pass (dialog keys and characters go to the form
// first unless the control asks for them with WM_GETDLGCODE), then the key events, with the
// form's key preview before the control's own.
#include "controls/Forms.h"
#include "windows/Input.h"

namespace {

// The dialog-code bit that keeps a key for the control.
LRESULT DialogCodeFor(WORD Key) {
  switch (Key) {
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: return DLGC_WANTALLKEYS;
    default: return 0;
  }
}

}  // namespace

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(TKeyChar& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

// Answers true when the key was used up (by the form's preview or by setting it to 0).
bool TWinControl::DoKeyDown(TMessage& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->DoKeyDown(Message)) return true;
  if (FControlStyle & csNoStdEvents) return false;
  WORD key = static_cast<WORD>(Message.WParam);
  KeyDown(key, KeyDataToShiftState(Message.LParam));
  Message.WParam = key;
  return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->DoKeyUp(Message)) return true;
  if (FControlStyle & csNoStdEvents) return false;
  WORD key = static_cast<WORD>(Message.WParam);
  KeyUp(key, KeyDataToShiftState(Message.LParam));
  Message.WParam = key;
  return key == 0;
}

// A character set to 0 by a handler goes no further; a changed one goes on changed.
bool TWinControl::DoKeyPress(TMessage& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->DoKeyPress(Message)) return true;
  if (FControlStyle & csNoStdEvents) return false;
  TKeyChar ch = static_cast<TKeyChar>(Message.WParam);
  KeyPress(ch);
  Message.WParam = ch;
  return ch == 0;
}

void TWinControl::WMKeyDown(TMessage& Message) {
  if (!DoKeyDown(Message)) DefaultHandler(Message);
}

void TWinControl::WMSysKeyDown(TMessage& Message) {
  if (!DoKeyDown(Message)) DefaultHandler(Message);
}

void TWinControl::WMKeyUp(TMessage& Message) {
  if (!DoKeyUp(Message)) DefaultHandler(Message);
}

void TWinControl::WMChar(TMessage& Message) {
  if (!DoKeyPress(Message)) DefaultHandler(Message);
}

// Answers 1 (the key is used up) when the form took it as a short cut or a dialog key.
void TWinControl::CNKeyDown(TMessage& Message) {
  Message.Result = 1;
  const auto key = static_cast<WORD>(Message.WParam);
  TCustomForm* shortCutForm = GetParentForm(this);
  if (shortCutForm && shortCutForm->IsShortCut(key, KeyDataToShiftState(Message.LParam))) return;
  if (Perform(CM_CHILDKEY, key, reinterpret_cast<LPARAM>(this)) != 0) return;
  const LRESULT mask = DialogCodeFor(key);
  if (mask && Perform(CM_WANTSPECIALKEY, key) == 0 && (Perform(WM_GETDLGCODE) & mask) == 0) {
    TCustomForm* form = GetParentForm(this);
    if (form && form->Perform(CM_DIALOGKEY, key, Message.LParam) != 0) return;
  }
  Message.Result = 0;
}

// Alt with a character is always offered to the form first: accelerators work from an edit too.
void TWinControl::CNChar(TMessage& Message) {
  Message.Result = 1;
  if (Message.Msg == CN_SYSCHAR || (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0) {
    TCustomForm* form = GetParentForm(this);
    if (form && form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0) return;
  }
  Message.Result = 0;
}

void TWinControl::CMChildKey(TMessage& Message) {
  if (Parent()) Message.Result = Parent()->Perform(CM_CHILDKEY, Message.WParam, Message.LParam);
}

// Dialog keys and characters the form did not take go to every child in turn (default and
// cancel buttons answer them).
void TWinControl::CMDialogKey(TMessage& Message) { Broadcast(Message); }
void TWinControl::CMDialogChar(TMessage& Message) { Broadcast(Message); }
