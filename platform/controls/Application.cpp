// TApplication: the message loop with the controls' key pre-processing, idle processing, the
// control under the mouse, and the exception handler; TScreen: screen, forms, focus, cursors.
#include "controls/Application.h"

#include "controls/ActnList.h"
#include "controls/HintWindow.h"
#include "controls/DBCtrls.h"
#include "controls/Dialogs.h"
#include "controls/Menus.h"
#include "windows/Cursors.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

TComponentPtr<TApplication>& ApplicationHolder() {
  static TComponentPtr<TApplication> holder;
  return holder;
}

TComponentPtr<TScreen>& ScreenHolder() {
  static TComponentPtr<TScreen> holder;
  return holder;
}

bool IsMouseMessage(UINT Msg) { return Msg >= WM_MOUSEFIRST && Msg <= WM_MOUSELAST; }

}  // namespace

void InitApplication() {
  SetPopupMenuHandler(PopupMenuHandler);
  InstallDialogMessageBox();
  if (!ScreenHolder()) {
    ScreenHolder() = MakeComponent<TScreen>();
    Screen = ScreenHolder().get();
  }
  if (!ApplicationHolder()) {
    ApplicationHolder() = MakeComponent<TApplication>();
    Application = ApplicationHolder().get();
    Application->ActionIdle = UpdateActionLists;
  }
  SetExceptionSink([](std::exception_ptr error) {
    if (Application) Application->HandleException(Application, error);
  });
}

void DoneApplication() {
  SetExceptionSink(nullptr);
  ApplicationHolder().reset();
  Application = nullptr;
  ScreenHolder().reset();
  Screen = nullptr;
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication() {
  FMouseControl = nullptr;
  DestroyComponents();
}

bool TApplication::Active() const { return static_cast<bool>(GetActiveWindow()); }

void TApplication::Terminate() {
  FTerminated = true;
  PostQuitMessage(0);
}

void TApplication::Run() {
  FTerminated = false;
  if (FMainForm) FMainForm->Show();
  do {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this, std::current_exception());
    }
  } while (!FTerminated);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg) && DoIdle()) WaitMessage();
}

// Key messages go to their control as CN_ notifications first: a control that uses the key up
// there (dialog keys) keeps it from being translated and dispatched.
bool TApplication::IsKeyMsg(MSG& Msg) {
  if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
  HWND wnd = GetCapture();
  if (!wnd) {
    wnd = Msg.hwnd;
    while (wnd && !FindControl(wnd)) wnd = GetParent(wnd);
    if (!wnd) wnd = Msg.hwnd;
  } else if (!FindControl(wnd)) {
    return false;
  }
  return SendMessage(wnd, CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

bool TApplication::ProcessMessage(MSG& Msg) {
  if (!PeekMessage(Msg, HWND(), 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  if (IsMouseMessage(Msg.message)) UpdateMouseControl();
  if (!IsKeyMsg(Msg)) {
    TranslateMessage(Msg);
    DispatchMessage(Msg);
  }
  return true;
}

bool TApplication::DoIdle() {
  UpdateMouseControl();
  bool done = true;
  if (OnIdle) OnIdle(this, done);
  if (ActionIdle) ActionIdle();
  return done;
}

// CM_MOUSELEAVE to the control the mouse left, CM_MOUSEENTER to the one it is over now.
void TApplication::UpdateMouseControl() {
  TPoint at;
  GetCursorPos(at);
  TControl* now = FindDragTarget(at, true);
  if (now == FMouseControl) return;
  TControl* old = FMouseControl;
  FMouseControl = now;
  if (old) old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
  if (now && FMouseControl == now) now->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(now));
  if (FMouseControl == now) ApplicationHintMouseChanged(now);
}

void TApplication::ControlDestroyed(TControl* Control) {
  if (FMouseControl == Control) {
    FMouseControl = nullptr;
    ApplicationHintMouseChanged(nullptr);
  }
}

void TApplication::HandleException(TObject* Sender, std::exception_ptr Error) {
  if (const HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE);
  try {
    std::rethrow_exception(Error);
  } catch (const EAbort&) {
  } catch (const Exception& e) {
    if (OnException) {
      OnException(Sender, e);
    } else {
      ShowException(e);
    }
  } catch (const std::exception& e) {
    const Exception wrapped(e.what());
    if (OnException) {
      OnException(Sender, wrapped);
    } else {
      ShowException(wrapped);
    }
  }
}

// The message as it is: the system's messages are whole sentences already.
void TApplication::ShowException(const Exception& E) {
  const HWND owner = GetActiveWindow();
  MessageBox(owner, E.Message(), FTitle, MB_OK | MB_ICONSTOP);
}

void TApplication::SetHint(const String& Value) {
  if (FHint == Value) return;
  FHint = Value;
  if (OnHint) OnHint(this);
}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {
  const std::pair<TCursor, HCURSOR> standard[] = {
      {crDefault, IDC_ARROW},   {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},       {crIBeam, IDC_IBEAM},
      {crSizeNESW, IDC_SIZENESW}, {crSizeNS, IDC_SIZENS},   {crSizeNWSE, IDC_SIZENWSE}, {crSizeWE, IDC_SIZEWE},
      {crUpArrow, IDC_UPARROW}, {crHourGlass, IDC_WAIT},    {crDrag, IDC_DRAG},         {crNoDrop, IDC_NO},
      {crHSplit, IDC_HSPLIT},   {crVSplit, IDC_VSPLIT},     {crMultiDrag, IDC_MULTIDRAG}, {crSQLWait, IDC_SQLWAIT},
      {crNo, IDC_NO},           {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},      {crHandPoint, IDC_HAND},
      {crSizeAll, IDC_SIZEALL},
  };
  for (const auto& [cursor, shape] : standard) FCursors[cursor] = LoadCursor(shape);
}

int TScreen::Width() const { return Desktop().ScreenRect().Width(); }
int TScreen::Height() const { return Desktop().ScreenRect().Height(); }

HCURSOR TScreen::Cursors(TCursor Index) const {
  const auto it = FCursors.find(Index);
  return it == FCursors.end() ? FCursors.at(crDefault) : it->second;
}

void TScreen::SetCursors(TCursor Index, HCURSOR Cursor) { FCursors[Index] = Cursor; }

void TScreen::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  if (Value != crDefault) {
    ::SetCursor(Cursors(Value));
    return;
  }
  // Back to the controls' own cursors: the window under the mouse chooses again.
  TPoint at;
  GetCursorPos(at);
  if (const HWND under = WindowFromPoint(at)) {
    SendMessage(under, WM_SETCURSOR, under.AsWParam(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  } else {
    ::SetCursor(Cursors(crDefault));
  }
}

void TScreen::RemoveForm(TCustomForm* Form) {
  std::erase(FForms, Form);
  if (FActiveForm == Form) FActiveForm = nullptr;
  if (FFocusedForm == Form) FFocusedForm = nullptr;
  if (FActiveControl && GetParentForm(FActiveControl) == Form) FActiveControl = nullptr;
}

TScreenCursorScope::TScreenCursorScope(TCursor Cursor) : FSaved(Screen->Cursor()) { Screen->SetCursor(Cursor); }
TScreenCursorScope::~TScreenCursorScope() {
  if (Screen) Screen->SetCursor(FSaved);
}
