// TApplication runs the message loop (with the key and dialog pre-processing of controls, idle
// processing and the mouse enter/leave tracking) and shows exceptions through the message-box
// service; TScreen knows the screen, the forms, the focus and the cursors.
#pragma once

#include <exception>
#include <map>
#include <vector>

#include "controls/Forms.h"
#include "windows/Services.h"

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;
  String ClassName() const override { return "TApplication"; }

  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }
  TCustomForm* MainForm() const { return FMainForm; }
  bool Terminated() const { return FTerminated; }
  // True while one of the application's windows is active.
  bool Active() const;

  // Makes a form of class T owned by the application; the first form made is the main form.
  template <class T>
  void CreateForm(T*& Reference) {
    Reference = TCustomForm::Create<T>(this);
    if (!FMainForm) FMainForm = Reference;
  }
  // Shows the main form and handles messages until the application terminates.
  void Run();
  void Terminate();
  // Handles every message waiting, without idle processing.
  void ProcessMessages();
  // Handles one message, or does the idle processing and waits when there is none.
  void HandleMessage();
  // Handles one waiting message; answers false when there was none.
  bool ProcessMessage(MSG& Msg);
  // Idle processing: the mouse control, OnIdle and the idle work of actions; answers Done.
  bool DoIdle();
  // Shows the exception (OnException replaces that); EAbort is silent.
  void HandleException(TObject* Sender, std::exception_ptr Error);
  void ShowException(const Exception& E);

  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value) { FShowHint = Value; }
  // The control under the mouse, as CM_MOUSEENTER and CM_MOUSELEAVE last told it.
  TControl* MouseControl() const { return FMouseControl; }
  void ControlDestroyed(TControl* Control);

  TExceptionEvent OnException;
  TIdleEvent OnIdle;
  TNotifyEvent OnHint;
  // Idle work of the action lists (their updates), run with each idle pass.
  std::function<void()> ActionIdle;

 private:
  friend class TCustomForm;
  bool IsKeyMsg(MSG& Msg);
  void UpdateMouseControl();

  String FTitle;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  String FHint;
  bool FShowHint = true;
  TControl* FMouseControl = nullptr;
};

class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* AOwner);
  String ClassName() const override { return "TScreen"; }

  int Width() const;
  int Height() const;

  // The cursor shown over every window while it is not crDefault (the hourglass during long
  // work); callers restore the one they found.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  HCURSOR Cursors(TCursor Index) const;
  void SetCursors(TCursor Index, HCURSOR Cursor);

  TCustomForm* ActiveForm() const { return FActiveForm; }
  TWinControl* ActiveControl() const { return FActiveControl; }
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int Index) const { return FForms.at(static_cast<size_t>(Index)); }

 private:
  friend class TCustomForm;
  friend class TApplication;
  void AddForm(TCustomForm* Form) { FForms.push_back(Form); }
  void RemoveForm(TCustomForm* Form);

  TCursor FCursor = crDefault;
  std::map<TCursor, HCURSOR> FCursors;
  std::vector<TCustomForm*> FForms;  // the most recently focused first
  TCustomForm* FActiveForm = nullptr;
  TCustomForm* FFocusedForm = nullptr;
  TWinControl* FActiveControl = nullptr;
};

// Restores the screen cursor it found when it goes out of scope.
class TScreenCursorScope {
 public:
  explicit TScreenCursorScope(TCursor Cursor);
  ~TScreenCursorScope();
  TScreenCursorScope(const TScreenCursorScope&) = delete;
  TScreenCursorScope& operator=(const TScreenCursorScope&) = delete;

 private:
  TCursor FSaved;
};

extern TApplication* Application;
extern TScreen* Screen;
// Makes Application and Screen (once), installs the application's exception handler at the
// boundary with Qt, and registers the published properties of the control classes.
void InitApplication();
// Frees Application (with the forms it owns) and Screen.
void DoneApplication();
