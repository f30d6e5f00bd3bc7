// Keys on windowed controls: the pre-translation pass (dialog keys and characters go to the form
// first unless the control asks for them with WM_GETDLGCODE), then the key events, with the
// form's key preview before the control's own, and Enter moving the focus where a control asks.
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

// The form's key preview (the same step on the form) sees the key first and may use it up; then
// the control's own event, which may change the key (it goes on changed) or set it to 0 (it goes
// no further). Answers true when the key was used up.
template <class Key, class Event>
bool TWinControl::DoKey(TMessage& Message, bool (TWinControl::*FormStep)(TMessage&), Event OwnEvent) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && (form->*FormStep)(Message)) return true;
  if (FControlStyle & csNoStdEvents) return false;
  Key key = static_cast<Key>(Message.WParam);
  OwnEvent(key);
  Message.WParam = key;
  return key == 0;
}

// An Enter that moves the focus goes no further than the key events: its character message moves
// the focus, and a text box must not see the key (a memo would start a new line).
bool TWinControl::DoKeyDown(TMessage& Message) {
  const TShiftState shift = KeyDataToShiftState(Message.LParam);
  if (DoKey<WORD>(Message, &TWinControl::DoKeyDown, [&](WORD& Key) { KeyDown(Key, shift); })) return true;
  return FEnterMovesFocus && Message.WParam == VK_RETURN;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
  const TShiftState shift = KeyDataToShiftState(Message.LParam);
  return DoKey<WORD>(Message, &TWinControl::DoKeyUp, [&](WORD& Key) { KeyUp(Key, shift); });
}

bool TWinControl::DoKeyPress(TMessage& Message) {
  if (DoKey<TKeyChar>(Message, &TWinControl::DoKeyPress, [&](TKeyChar& Key) { KeyPress(Key); })) return true;
  if (!FEnterMovesFocus || Message.WParam != '\r') return false;
  TCustomForm* form = GetParentForm(this);
  if (form && form != this) form->SelectNext(this, true, true);
  return true;
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
  const bool wanted = key == VK_RETURN && FEnterMovesFocus;
  if (mask && !wanted && Perform(CM_WANTSPECIALKEY, key) == 0 && (Perform(WM_GETDLGCODE) & mask) == 0) {
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
