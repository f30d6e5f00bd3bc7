// The form's focus rules: the active control, enter and exit notifications along the parent
// chain (an exception on exit vetoes the move and the focus stays), activation of the form, and
// the dialog keys (Tab, arrows) that move the focus.
#include "controls/Application.h"
#include "rtl/ScopeExit.h"
#include "windows/Focus.h"

namespace {

const char* const kCannotFocus = "不能把焦点移到不可见或已禁用的窗口";

}  // namespace

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (FActiveControl == Control) return;
  const bool allowed = !Control || (Control != this && GetParentForm(Control) == this &&
                                    ((ComponentState() & csLoading) || Control->CanFocus()));
  if (!allowed) throw EInvalidFocus(kCannotFocus);
  FActiveControl = Control;
  if (!(ComponentState() & csLoading) && FActive) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* Control) {
  const bool wasActive = FActive;
  SetActiveControl(Control);
  if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus() {
  if (FActive) return TCustomControl::SetFocus();
  if (!Visible() || !Enabled()) throw EInvalidFocus(kCannotFocus);
  SetWindowFocus();
}

void TCustomForm::SetWindowFocus() {
  TWinControl* target = FActiveControl ? FActiveControl : this;
  if (GetFocus() != target->Handle()) ::SetFocus(target->Handle());
}

void TCustomForm::SetActive(bool Value) {
  FActive = Value;
  if (!Value) {
    if (Screen && Screen->FFocusedForm == this) {
      Screen->FFocusedForm = nullptr;
      Perform(CM_DEACTIVATE);
    }
    return;
  }
  if (!FActiveControl) FActiveControl = FindNextControl(nullptr, true, true, false);
  SetWindowFocus();
}

void TCustomForm::WMActivate(TMessage& Message) { SetActive(LOWORD(Message.WParam) != WA_INACTIVE); }

void TCustomForm::CMActivate(TMessage&) { Activate(); }
void TCustomForm::CMDeactivate(TMessage&) { Deactivate(); }

// Answers false when the focus moved elsewhere while Control handled Msg.
bool TCustomForm::SendFocusMessage(TWinControl* Control, UINT Msg) {
  const int count = FFocusCount;
  Control->Perform(Msg);
  return FFocusCount == count;
}

// Enters the controls from the focused one's level down to Control.
bool TCustomForm::EnterChain(TWinControl* Control) {
  while (FFocusedControl != Control) {
    TWinControl* step = Control;
    while (step->Parent() != FFocusedControl) step = step->Parent();
    FFocusedControl = step;
    if (!SendFocusMessage(step, CM_ENTER)) return false;
  }
  return true;
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  ++FFocusCount;
  TWinControl* const previousFocused = FFocusedControl;
  FActiveControl = Control != this ? Control : nullptr;
  if (Screen) {
    Screen->FActiveControl = Control;
    Screen->FActiveForm = this;
    std::erase(Screen->FForms, this);
    Screen->FForms.insert(Screen->FForms.begin(), this);
  }
  if (Control->ControlState() & csFocusing) return false;
  Control->SetControlState(Control->ControlState() | csFocusing);
  const auto focused = ScopeExit([Control] { Control->SetControlState(Control->ControlState() & ~csFocusing); });

  if (Screen && Screen->FFocusedForm != this) {
    if (TCustomForm* old = Screen->FFocusedForm) {
      Screen->FFocusedForm = nullptr;
      if (!old->SendFocusMessage(old, CM_DEACTIVATE)) return false;
    }
    Screen->FFocusedForm = this;
    if (!SendFocusMessage(this, CM_ACTIVATE)) return false;
  }
  if (!FFocusedControl) FFocusedControl = this;
  if (FFocusedControl == Control) return true;
  try {
    while (FFocusedControl && !FFocusedControl->ContainsControl(Control)) {
      TWinControl* leaving = FFocusedControl;
      FFocusedControl = leaving->Parent();
      if (!SendFocusMessage(leaving, CM_EXIT)) return false;
    }
  } catch (...) {
    // The exit vetoed the move: the focus goes back to the control that had it.
    TWinControl* back = previousFocused && previousFocused != this ? previousFocused : nullptr;
    FActiveControl = back;
    FFocusedControl = previousFocused;
    if (Screen) Screen->FActiveControl = back;
    if (!back) back = this;
    if (back->HandleAllocated()) ::SetFocus(back->Handle());
    throw;
  }
  if (!EnterChain(Control)) return false;
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
  return true;
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
  if (Removing && Control->ContainsControl(FFocusedControl)) FFocusedControl = Control->Parent();
  if (Control->ContainsControl(FActiveControl)) {
    FActiveControl = nullptr;
    if (FActive && HandleAllocated()) ::SetFocus(Handle());
  }
}

void TCustomForm::ControlRemoved(TControl* Control) {
  auto* win = dynamic_cast<TWinControl*>(Control);
  if (!win) return;
  if (win->ContainsControl(FFocusedControl)) FFocusedControl = win->Parent();
  if (win->ContainsControl(FActiveControl)) FActiveControl = nullptr;
  if (Screen && win->ContainsControl(Screen->FActiveControl)) Screen->FActiveControl = nullptr;
}

// The focused control of an active form hears that another control was pressed.
void TCustomForm::SendCancelMode(TControl* Sender) {
  if (FActive && FActiveControl && FActiveControl != Sender)
    FActiveControl->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(Sender));
}

// Tab and Shift+Tab move in tab order; arrows move among the active control's siblings.
void TCustomForm::CMDialogKeyForm(TMessage& Message) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (Message.WParam) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
          Message.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (FActiveControl && FActiveControl->Parent()) {
          FActiveControl->Parent()->SelectNext(FActiveControl, Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN, false);
          Message.Result = 1;
        }
        return;
      default:
        break;
    }
  }
  TCustomControl::Dispatch(Message);
}
