// TCustomForm: made from its stored layout, its window's styles, showing and hiding with its
// position and window state, and the form's own message handlers.
#include <algorithm>

#include "controls/Application.h"
#include "windows/Focus.h"
#include "windows/Mdi.h"
#include "windows/MessageQueue.h"

namespace {

// The caption buttons a border style can carry, as the class library allows them: none without a
// border, the system menu and help on a dialog, the system menu alone on a tool window. The help
// button only shows without the minimise and maximise boxes.
void AddBorderIcons(TCreateParams& Params, TFormBorderStyle Style, TBorderIcons Icons) {
  switch (Style) {
    case bsNone: Icons = 0; break;
    case bsDialog: Icons &= BorderIconBit(biSystemMenu) | BorderIconBit(biHelp); break;
    case bsToolWindow:
    case bsSizeToolWin: Icons &= BorderIconBit(biSystemMenu); break;
    default: break;
  }
  if (Icons & BorderIconBit(biSystemMenu)) Params.Style |= WS_SYSMENU;
  if (Icons & BorderIconBit(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
  if (Icons & BorderIconBit(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
  if ((Icons & BorderIconBit(biHelp)) && !(Params.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
    Params.ExStyle |= WS_EX_CONTEXTHELP;
}

}  // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  TControl::SetVisible(false);
  SetColor(clBtnFace);
  SetParentColor(false);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  if (Screen) Screen->RemoveForm(this);
  if (Application && Application->FMainForm == this) Application->FMainForm = nullptr;
}

// OnDestroy runs while the whole form still exists, before its window goes.
void TCustomForm::BeforeDestruction() {
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {
      if (Application) Application->HandleException(this, std::current_exception());
    }
  }
  TCustomControl::BeforeDestruction();
}

void TCustomForm::InitializeForm() {
  if (const String module = LayoutModule(); !module.empty()) {
    const String* text = FindLayout(module);
    if (!text) throw EInvalidOperation("找不到窗口布局：" + module);
    ReadLayout(*text, this);
  }
  DoCreate();
  if (Visible()) UpdateControlState();
}

void TCustomForm::Loaded() {
  TCustomControl::Loaded();
  if (FActiveControl && FActiveControl->Parent() == nullptr) FActiveControl = nullptr;
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

// A top-level window: styles from the border style and icons, owned by the form's owner form (or the main
// form), stay-on-top from the form style.
void TCustomForm::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style &= ~(WS_CHILD | WS_TABSTOP);
  Params.Style |= WS_CLIPCHILDREN;
  switch (FBorderStyle) {
    case bsNone: Params.Style |= WS_POPUP; break;
    case bsSingle: Params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: Params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      Params.Style |= WS_CAPTION;
      Params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
    case bsToolWindow:
      Params.Style |= WS_CAPTION;
      Params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      Params.Style |= WS_CAPTION | WS_THICKFRAME;
      Params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  AddBorderIcons(Params, FBorderStyle, FBorderIcons);
  if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
  if (FFormStyle == fsMDIChild) {
    const TCustomForm* frame = Application ? Application->MainForm() : nullptr;
    if (!frame || frame == this || !frame->ClientHandle()) throw EInvalidOperation("无法创建窗体：没有打开的 MDI 主窗体。");
    Params.Style |= WS_CHILD;
    Params.WndParent = frame->ClientHandle();
    return;
  }
  Params.WndParent = ParentWindow();
  if (!Params.WndParent) {
    auto* ownerForm = dynamic_cast<TCustomForm*>(Owner());
    if (!ownerForm && Application && Application->MainForm() != this) ownerForm = Application->MainForm();
    if (ownerForm && ownerForm->HandleAllocated()) Params.WndParent = ownerForm->Handle();
  }
}

void TCustomForm::CreateWnd() {
  TCustomControl::CreateWnd();
  if (FFormStyle != fsMDIForm) return;
  TRect rect = ClientRect();
  AdjustClientRect(rect);
  FClientHandle = CreateMDIClient(Handle(), rect);
  Realign();
}

void TCustomForm::DestroyWnd() {
  FClientHandle = HWND();
  TCustomControl::DestroyWnd();
}

// The MDI client takes what the aligned controls leave.
void TCustomForm::AlignControls(TControl* AControl, TRect& Rect) {
  TCustomControl::AlignControls(AControl, Rect);
  if (FClientHandle) MoveWindow(FClientHandle, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), true);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (FBorderIcons == Value) return;
  FBorderIcons = Value;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (FFormStyle == Value) return;
  FFormStyle = Value;
  RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState Value) {
  if (FWindowState == Value) return;
  FWindowState = Value;
  if (HandleAllocated() && Visible()) {
    static constexpr int commands[] = {SW_RESTORE, SW_MINIMIZE, SW_SHOWMAXIMIZED};
    ::ShowWindow(Handle(), commands[Value]);
  }
}

void TCustomForm::Show() {
  SetVisible(true);
  if (HandleAllocated()) ::SetActiveWindow(Handle());
}

void TCustomForm::SetVisible(bool Value) {
  if (Visible() == Value) return;
  TControl::SetVisible(Value);
}

void TCustomForm::ApplyPosition() {
  const TCustomForm* centre = nullptr;
  switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter: {
      const TRect screen = Desktop().ScreenRect();
      SetBounds(screen.Left + (screen.Width() - Width()) / 2, screen.Top + (screen.Height() - Height()) / 2, Width(), Height());
      return;
    }
    case poOwnerFormCenter:
      centre = dynamic_cast<TCustomForm*>(Owner());
      if (!centre && Application) centre = Application->MainForm();
      break;
    case poMainFormCenter:
      centre = Application ? Application->MainForm() : nullptr;
      break;
    default:
      return;
  }
  if (!centre || centre == this) return;
  SetBounds(centre->Left() + (centre->Width() - Width()) / 2, centre->Top() + (centre->Height() - Height()) / 2, Width(), Height());
}

// Showing places the form (position, window state) and fires OnShow; hiding fires OnHide and
// gives the activation back.
void TCustomForm::CMShowingChangedForm(TMessage&) {
  if (!HandleAllocated()) return;
  if (Visible()) {
    DoShow();
    ApplyPosition();
    static constexpr int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ::ShowWindow(Handle(), commands[FWindowState]);
    FShown = true;
  } else {
    DoHide();
    if (FActive) SetActive(false);
    ::ShowWindow(Handle(), SW_HIDE);
  }
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::WMSysCommand(TMessage& Message) {
  if ((Message.WParam & 0xFFF0) == SC_MINIMIZE) FWindowState = wsMinimized;
  if ((Message.WParam & 0xFFF0) == SC_MAXIMIZE) FWindowState = wsMaximized;
  if ((Message.WParam & 0xFFF0) == SC_RESTORE) FWindowState = wsNormal;
  DefaultHandler(Message);
}

void TCustomForm::CMRelease(TMessage&) { Free(); }

void TCustomForm::Release() {
  if (HandleAllocated()) {
    PostMessage(Handle(), CM_RELEASE);
  } else {
    Free();
  }
}

void TCustomForm::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TCustomForm> Handlers[] = {
      {WM_ACTIVATE, &TCustomForm::WMActivate},         {WM_CLOSE, &TCustomForm::WMClose},
      {WM_SYSCOMMAND, &TCustomForm::WMSysCommand},     {CM_ACTIVATE, &TCustomForm::CMActivate},
      {CM_DEACTIVATE, &TCustomForm::CMDeactivate},     {CM_DIALOGKEY, &TCustomForm::CMDialogKeyForm},
      {CM_RELEASE, &TCustomForm::CMRelease},           {CM_SHOWINGCHANGED, &TCustomForm::CMShowingChangedForm},
  };
  if (!DispatchTo(this, Message, Handlers)) TCustomControl::Dispatch(Message);
}
