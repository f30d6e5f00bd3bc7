// Closing forms and the modal loop: the close query, the close action (hide, free, minimise or
// nothing), the deferred free, and ShowModal with every other window disabled meanwhile.
#include "controls/Application.h"
#include "controls/HintWindow.h"
#include "rtl/ScopeExit.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/Ownership.h"

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

void TCustomForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
  } else if (action == caHide) {
    Hide();
  } else if (action == caMinimize) {
    SetWindowState(wsMinimized);
  } else {
    Release();
  }
}

// The modal loop asks whether the form may close with the result it was given. A close query
// that raises (an input check) keeps the form open and its message is shown.
void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  try {
    if (CloseQuery()) {
      action = caHide;
      DoClose(action);
    }
  } catch (const Exception&) {
    FModalResult = mrNone;
    Application->HandleException(this, std::current_exception());
    return;
  }
  if (action == caNone) FModalResult = mrNone;
  if (action == caFree) Release();
}

namespace {

// The top-level windows a modal form disables, and gives back afterwards.
std::vector<HWND> DisableOtherWindows(HWND Modal) {
  std::vector<HWND> disabled;
  for (HWND top : GetTopLevelWindows())
    if (top != Modal && IsWindowEnabled(top)) {
      EnableWindow(top, false);
      disabled.push_back(top);
    }
  return disabled;
}

void EnableWindows(const std::vector<HWND>& Windows) {
  for (HWND w : Windows)
    if (IsWindow(w)) EnableWindow(w, true);
}

}  // namespace

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FModal) throw EInvalidOperation("不能把可见的窗口设为模态窗口");
  if (const HWND capture = GetCapture()) {
    SendMessage(capture, WM_CANCELMODE);
    ReleaseCapture();
  }
  FModal = true;
  // A hint belongs to the window under the mouse, which the modal window now covers.
  ApplicationHintMouseChanged(nullptr);
  const HWND activeBefore = GetActiveWindow();
  TCustomForm* focusedBefore = Screen ? Screen->FFocusedForm : nullptr;
  // The modal form belongs to the window it was opened from: the window system keeps it above that
  // window and brings it forward with it.
  if (activeBefore && activeBefore != Handle()) SetWindowOwner(Handle(), activeBefore);
  NormalizeTopMosts();
  const std::vector<HWND> disabled = DisableOtherWindows(HWND());
  const auto restore = ScopeExit([&] {
    EnableWindows(disabled);
    RestoreTopMosts();
    if (Screen) Screen->FFocusedForm = focusedBefore;
    if (IsWindow(activeBefore)) ::SetActiveWindow(activeBefore);
    FModal = false;
  });
  Show();
  FModalResult = mrNone;
  try {
    do {
      Application->HandleMessage();
      if (Application->Terminated()) {
        FModalResult = mrCancel;
      } else if (FModalResult != mrNone) {
        CloseModal();
      }
    } while (FModalResult == mrNone);
  } catch (...) {
    Hide();
    throw;
  }
  const TModalResult result = FModalResult;
  Hide();
  return result;
}
