// TCustomForm and TForm: top-level windows made from their stored layout, shown modeless or
// modal, closed through their close query and close action, holding the active control and the
// focus rules (enter and exit with veto, Tab order, dialog keys).
#pragma once

#include <vector>

#include "classes/Filer.h"
#include "classes/Layouts.h"
#include "controls/CustomControl.h"

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
inline constexpr const char* FormBorderStyleNames[] = {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"};
// The buttons of the caption: a set, bit i for the icon numbered i.
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = unsigned;
inline constexpr const char* BorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
constexpr TBorderIcons BorderIconBit(TBorderIcon Icon) { return 1u << Icon; }
constexpr TBorderIcons DefaultBorderIcons =
    BorderIconBit(biSystemMenu) | BorderIconBit(biMinimize) | BorderIconBit(biMaximize);
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
inline constexpr const char* FormStyleNames[] = {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"};
enum TPosition {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter,
  poOwnerFormCenter,
};
inline constexpr const char* PositionNames[] = {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                                "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
inline constexpr const char* WindowStateNames[] = {"wsNormal", "wsMinimized", "wsMaximized"};

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

QUORIN_EXCEPTION(EInvalidFocus, EInvalidOperation);

class TCustomForm : public TCustomControl {
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;
  String ClassName() const override { return "TCustomForm"; }
  void BeforeDestruction() override;

  // Makes a form of class T: reads its stored layout (by the module name the class gives),
  // then fires OnCreate, then shows it when the layout made it visible.
  template <class T>
  static T* Create(TComponent* AOwner) {
    T* form = new T(AOwner);
    form->InitializeForm();
    return form;
  }
  // The module whose stored layout makes this form; empty for a form built in code.
  virtual String LayoutModule() const { return String(); }

  void Show();
  void Hide() { SetVisible(false); }
  // Shows the form modal: every other window is disabled until ModalResult is set (or the
  // application terminates); answers ModalResult.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  bool Modal() const { return FModal; }
  // Closes through OnCloseQuery and OnClose; a modal form ends its modal loop with mrCancel.
  void Close();
  bool CloseQuery();
  // Frees the form once the messages now waiting have been handled.
  void Release();

  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Control);
  bool Active() const { return FActive; }
  void FocusControl(TWinControl* Control);
  // The control that gets the focus and the window focus messages (the in-place editor rule:
  // Control may be a control that has the real focus on behalf of another). Answers false when
  // the focus moved elsewhere meanwhile.
  bool SetFocusedControl(TWinControl* Control);
  // Takes the focus away from Control and its children (to the form itself, or next control).
  void DefocusControl(TWinControl* Control, bool Removing);
  void SendCancelMode(TControl* Sender);
  void ControlRemoved(TControl* Control);
  // Runs what the form's menus or action lists have for this short cut; answers whether any ran.
  bool IsShortCut(WORD Key, TShiftState Shift);

  void SetFocus() override;
  bool CanFocus() const override { return Visible() && Enabled(); }
  void SetVisible(bool Value) override;
  bool Showing() const override { return Visible() && !(ComponentState() & csDestroying); }

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  // The caption's buttons the form asks for; its border style decides which of them it can have
  // (none without a border, the system menu and help on a dialog, the system menu alone on a tool
  // window), and the system menu brings the close button.
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  // fsMDIForm: the form's window holds an MDI client window where its aligned controls leave room,
  // and the MDI children live in it. fsMDIChild: the form's window is a child of the main form's
  // MDI client (which must exist).
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  // The MDI client window of an fsMDIForm, while the form has a window; empty otherwise.
  HWND ClientHandle() const { return FClientHandle; }
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState Value);
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnDestroy;

 protected:
  friend class TWinControl;
  friend class TApplication;
  void InitializeForm();
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Dispatch(TMessage& Message) override;
  void Loaded() override;
  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  virtual void Activate();
  virtual void Deactivate();
  void SetActive(bool Value);
  void SetWindowFocus();
  void ApplyPosition();

  void WMActivate(TMessage& Message);
  void WMClose(TMessage& Message);
  void WMSysCommand(TMessage& Message);
  void CMActivate(TMessage& Message);
  void CMDeactivate(TMessage& Message);
  void CMDialogKeyForm(TMessage& Message);
  void CMRelease(TMessage& Message);
  void CMShowingChangedForm(TMessage& Message);

 private:
  bool SendFocusMessage(TWinControl* Control, UINT Msg);
  bool EnterChain(TWinControl* Control);
  void CloseModal();

  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  bool FActive = false;
  bool FModal = false;
  TModalResult FModalResult = mrNone;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons = DefaultBorderIcons;
  TFormStyle FFormStyle = fsNormal;
  HWND FClientHandle;
  TPosition FPosition = poDesigned;
  TWindowState FWindowState = wsNormal;
  bool FKeyPreview = false;
  bool FShown = false;
  int FFocusCount = 0;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
  String ClassName() const override { return "TForm"; }
};
