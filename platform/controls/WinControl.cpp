// TWinControl: its window's life (made on demand, destroyed and made again), its children, and
// the message path from the layer's window procedure into WndProc.
#include <algorithm>
#include <map>

#include "controls/Application.h"
#include "controls/Forms.h"
#include "rtl/ScopeExit.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/Paint.h"

namespace {

std::map<HWND, TWinControl*>& ControlsByWindow() {
  static std::map<HWND, TWinControl*> map;
  return map;
}

}  // namespace

TWinControl* FindControl(HWND Wnd) {
  const auto& map = ControlsByWindow();
  const auto it = map.find(Wnd);
  return it == map.end() ? nullptr : it->second;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

void TWinControl::BeforeDestruction() {
  TControl::BeforeDestruction();
  DestroyHandle();
}

// Child controls still on this control go with it, as they cannot live without a parent window.
// The control leaves its parent while it is still a windowed control, so that its form forgets
// it as its focused and active control.
TWinControl::~TWinControl() {
  DestroyHandle();
  if (Parent()) Parent()->RemoveControl(this);
  while (!FControls.empty()) {
    TControl* child = FControls.back();
    RemoveControl(child);
    child->Free();
  }
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (Parent()) Parent()->HandleNeeded();
  CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params = TCreateParams{};
  Params.Caption = Text();
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (TabStop()) Params.Style |= WS_TABSTOP;
  if (!Enabled()) Params.Style |= WS_DISABLED;
  if (FControlStyle & csAcceptsControls) Params.Style |= WS_CLIPCHILDREN;
  Params.X = Left();
  Params.Y = Top();
  Params.Width = Width();
  Params.Height = Height();
  Params.WndParent = Parent() ? Parent()->Handle() : FParentWindow;
  Params.ClassStyle = CS_VREDRAW | CS_HREDRAW;
  if (FControlStyle & csDoubleClicks) Params.ClassStyle |= CS_DBLCLKS;
  Params.ClassName = ClassName();
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  TWindowCreateParams p = Params;
  p.WndProc = [this](HWND wnd, UINT msg, WPARAM wp, LPARAM lp) { return MainWndProc(wnd, msg, wp, lp); };
  FHandle = CreateWindowEx(p);
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (!(params.Style & WS_CHILD) || params.WndParent) {
    CreateWindowHandle(params);
  }
  if (!FHandle) throw EInvalidOperation("无法创建窗口：" + Name());
}

// The window is made, the control's children are given theirs when they show, and the stacking
// of the children's windows follows the control's list.
void TWinControl::CreateHandle() {
  if (FHandle) return;
  {
    FControlState |= csCreating;
    const auto created = ScopeExit([this] { FControlState &= ~csCreating; });
    CreateWnd();
  }
  ControlsByWindow()[FHandle] = this;
  for (TControl* child : std::vector<TControl*>(FControls))
    if (auto* win = dynamic_cast<TWinControl*>(child)) win->UpdateControlState();
  SetChildZOrder();
}

void TWinControl::DestroyWnd() {
  const HWND wnd = FHandle;
  ::DestroyWindow(wnd);
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  FControlState |= csDestroyingHandle;
  for (TControl* child : FControls)
    if (auto* win = dynamic_cast<TWinControl*>(child)) win->DestroyHandle();
  DestroyWnd();
  ControlsByWindow().erase(FHandle);
  FHandle = HWND();
  FControlState &= ~csDestroyingHandle;
}

// The window went away under the control (its parent window was destroyed): forget it.
void TWinControl::WMNCDestroy(TMessage& Message) {
  DefaultHandler(Message);
  ControlsByWindow().erase(FHandle);
  FHandle = HWND();
}

// A window that had the focus takes it back, as its control still has it for the form.
void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  const bool wasFocused = GetFocus() == FHandle;
  DestroyHandle();
  UpdateControlState();
  if (wasFocused && FHandle) ::SetFocus(FHandle);
}

bool TWinControl::Showing() const {
  return Visible() && !(ComponentState() & csDestroying) && (Parent() ? Parent()->Showing() : true);
}

void TWinControl::UpdateControlState() {
  if (ComponentState() & (csLoading | csDestroying)) return;
  if (Parent() && !Parent()->HandleAllocated()) return;
  UpdateShowing();
}

void TWinControl::UpdateShowing() {
  const bool show = Showing();
  if (show) HandleNeeded();
  if (!FHandle) return;
  if (IsWindowVisible(FHandle) != show || ((GetWindowLong(FHandle, GWL_STYLE) & WS_VISIBLE) != 0) != Visible())
    Perform(CM_SHOWINGCHANGED);
  // The children follow: one whose window was made while this control was hidden shows with it.
  for (TControl* child : std::vector<TControl*>(FControls))
    if (auto* win = dynamic_cast<TWinControl*>(child)) win->UpdateShowing();
}

void TWinControl::CMShowingChanged(TMessage&) {
  if (!FHandle) return;
  ::ShowWindow(FHandle, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetChildZOrder() {
  if (!FHandle) return;
  for (TControl* child : FControls)
    if (auto* win = dynamic_cast<TWinControl*>(child); win && win->FHandle)
      SetWindowPos(win->FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::InsertControl(TControl* Control) {
  Control->FParent = this;
  FControls.push_back(Control);
  if (auto* win = dynamic_cast<TWinControl*>(Control)) FTabList.push_back(win);
  if (ComponentState() & csLoading || Control->ComponentState() & csLoading) return;
  if (Control->FParentColor) Control->Perform(CM_PARENTCOLORCHANGED);
  if (Control->FParentFont) Control->Perform(CM_PARENTFONTCHANGED);
  if (Control->FParentShowHint) Control->Perform(CM_PARENTSHOWHINTCHANGED);
  if (auto* win = dynamic_cast<TWinControl*>(Control)) {
    if (win->HandleAllocated()) ::SetParent(win->FHandle, Handle());
    win->UpdateControlState();
  }
  Control->Invalidate();
  Realign();
}

void TWinControl::RemoveControl(TControl* Control) {
  if (TCustomForm* form = GetParentForm(this)) form->ControlRemoved(Control);
  if (auto* win = dynamic_cast<TWinControl*>(Control)) {
    if (!(ComponentState() & csDestroying)) win->DestroyHandle();
    std::erase(FTabList, win);
  }
  Control->InvalidateControl(Control->Visible(), false);
  std::erase(FControls, Control);
  Control->FParent = nullptr;
  if (!(ComponentState() & csDestroying)) Realign();
}

bool TWinControl::ContainsControl(const TControl* Control) const {
  for (const TControl* c = Control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (!AllowWinControls && dynamic_cast<TWinControl*>(c)) continue;
    if (!c->Visible() || (!AllowDisabled && !c->Enabled())) continue;
    if (!PtInRect(c->BoundsRect(), Pos)) continue;
    TMessage hit{CM_HITTEST, 0, PointToLParam({Pos.X - c->Left(), Pos.Y - c->Top()}), 0};
    c->WndProc(hit);
    if (hit.Result) return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  for (TControl* child : std::vector<TControl*>(FControls)) {
    child->WndProc(Message);
    if (Message.Result) return;
  }
}

void TWinControl::NotifyControls(UINT Msg) {
  for (TControl* child : std::vector<TControl*>(FControls)) child->Perform(Msg);
}

TRect TWinControl::ClientRect() const {
  if (!FHandle) return TControl::ClientRect();
  TRect r;
  GetClientRect(FHandle, r);
  return r;
}

TPoint TWinControl::ClientOrigin() const {
  if (!FHandle) return TControl::ClientOrigin();
  TPoint p;
  ::ClientToScreen(FHandle, p);
  return p;
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!(ComponentState() & csLoading)) Constraints()->Apply(AWidth, AHeight);
  if (ALeft == Left() && ATop == Top() && AWidth == Width() && AHeight == Height()) return;
  if (!FHandle) {
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!(ComponentState() & csLoading)) {
      Realign();
      Resize();
    }
    return;
  }
  // The window moves; WM_WINDOWPOSCHANGED brings the bounds back (UpdateBounds).
  SetWindowPos(FHandle, HWND(), ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::UpdateBounds() {
  if (!FHandle) return;
  TRect r;
  GetWindowRect(FHandle, r);
  TPoint p = r.TopLeft();
  if (Parent() && Parent()->HandleAllocated()) {
    ::ScreenToClient(Parent()->FHandle, p);
  }
  TControl::SetBounds(p.X, p.Y, r.Width(), r.Height());
}

void TWinControl::WMWindowPosChanged(TMessage& Message) {
  UpdateBounds();
  DefaultHandler(Message);
}

void TWinControl::WMSize(TMessage& Message) {
  UpdateBounds();
  DefaultHandler(Message);
  Realign();
  if (!(ComponentState() & csLoading)) Resize();
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !(FControlStyle & csOpaque));
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::CMFontChanged(TMessage& Message) {
  DefaultHandler(Message);
  NotifyControls(CM_PARENTFONTCHANGED);
  Invalidate();
}

void TWinControl::CMColorChanged(TMessage& Message) {
  DefaultHandler(Message);
  NotifyControls(CM_PARENTCOLORCHANGED);
  Invalidate();
}

void TWinControl::CMShowHintChanged(TMessage& Message) {
  DefaultHandler(Message);
  NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

// Hidden, like disabled, a control gives up the focus it or a control inside it holds, so that
// keys do not go on to a window nobody sees.
void TWinControl::CMVisibleChangedWin(TMessage& Message) {
  if (!Visible()) DefocusFromForm();
  TControl::Dispatch(Message);
  UpdateControlState();
}

void TWinControl::DefocusFromForm() {
  if (!Parent()) return;
  if (TCustomForm* form = GetParentForm(this); form && ContainsControl(form->ActiveControl())) form->DefocusControl(this, false);
}

void TWinControl::CMEnabledChangedWin(TMessage& Message) {
  if (!Enabled()) DefocusFromForm();
  if (FHandle) EnableWindow(FHandle, Enabled());
  TControl::Dispatch(Message);
}

void TWinControl::CMTextChanged(TMessage& Message) {
  DefaultHandler(Message);
  if (FHandle) SetWindowText(FHandle, Text());
}

void TWinControl::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TComponent::GetChildren(Proc, Root);
  for (TControl* child : FControls)
    if (child->Owner() == Root) Proc(child);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  if (Parent() || FParentWindow) UpdateControlState();
  Realign();
}

void TWinControl::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TWinControl> Handlers[] = {
      {WM_PAINT, &TWinControl::WMPaint},
      {WM_ERASEBKGND, &TWinControl::WMEraseBkgnd},
      {WM_WINDOWPOSCHANGED, &TWinControl::WMWindowPosChanged},
      {WM_SIZE, &TWinControl::WMSize},
      {WM_SETCURSOR, &TWinControl::WMSetCursor},
      {WM_KEYDOWN, &TWinControl::WMKeyDown},
      {WM_SYSKEYDOWN, &TWinControl::WMSysKeyDown},
      {WM_KEYUP, &TWinControl::WMKeyUp},
      {WM_SYSKEYUP, &TWinControl::WMKeyUp},
      {WM_CHAR, &TWinControl::WMChar},
      {WM_NCDESTROY, &TWinControl::WMNCDestroy},
      {CN_KEYDOWN, &TWinControl::CNKeyDown},
      {CN_SYSKEYDOWN, &TWinControl::CNKeyDown},
      {CN_CHAR, &TWinControl::CNChar},
      {CN_SYSCHAR, &TWinControl::CNChar},
      {CM_ENTER, &TWinControl::CMEnter},
      {CM_EXIT, &TWinControl::CMExit},
      {CM_DIALOGKEY, &TWinControl::CMDialogKey},
      {CM_DIALOGCHAR, &TWinControl::CMDialogChar},
      {CM_CHILDKEY, &TWinControl::CMChildKey},
      {CM_FONTCHANGED, &TWinControl::CMFontChanged},
      {CM_COLORCHANGED, &TWinControl::CMColorChanged},
      {CM_SHOWHINTCHANGED, &TWinControl::CMShowHintChanged},
      {CM_VISIBLECHANGED, &TWinControl::CMVisibleChangedWin},
      {CM_ENABLEDCHANGED, &TWinControl::CMEnabledChangedWin},
      {CM_SHOWINGCHANGED, &TWinControl::CMShowingChanged},
      {CM_TEXTCHANGED, &TWinControl::CMTextChanged},
  };
  if (!DispatchTo(this, Message, Handlers)) TControl::Dispatch(Message);
}

// Focus messages go through the form first (it may move the focus elsewhere); mouse messages
// over a graphic child go to that child.
void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this); form && !form->SetFocusedControl(this)) return;
      break;
    case WM_KILLFOCUS:
      if (FControlState & csFocusing) return;
      break;
    case WM_NCHITTEST:
      TControl::WndProc(Message);
      if (Message.Result == HTTRANSPARENT && ControlAtPos(ScreenToClient(LParamToPoint(Message.LParam)), false))
        Message.Result = HTCLIENT;
      return;
    case WM_CANCELMODE:
      if (TControl* capture = GetCaptureControl(); capture && capture != this && capture->Parent() == this)
        capture->Perform(WM_CANCELMODE);
      break;
    default:
      if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && Message.Msg != WM_MOUSEWHEEL) {
        TControl* target = GetCaptureControl();
        if (!target || target->Parent() != this) target = ControlAtPos(LParamToPoint(Message.LParam), false);
        if (target && target->Parent() == this && !dynamic_cast<TWinControl*>(target)) {
          const TPoint p = LParamToPoint(Message.LParam);
          Message.Result = target->Perform(Message.Msg, Message.WParam, PointToLParam({p.X - target->Left(), p.Y - target->Top()}));
          return;
        }
      }
      break;
  }
  TControl::WndProc(Message);
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (!FHandle) return TControl::DefaultHandler(Message);
  switch (Message.Msg) {
    case WM_GETTEXT:
    case WM_SETTEXT:
      return TControl::DefaultHandler(Message);
    default:
      Message.Result = DefWindowProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
  }
}

// The messages of the window's creation (its frame calculation among them) arrive before
// CreateWindowEx answers: the control takes the handle from the first, so that their default
// handling reaches the window.
LRESULT TWinControl::MainWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (!FHandle && (FControlState & csCreating)) FHandle = Wnd;
  TMessage message{Msg, WParam, LParam, 0};
  try {
    WndProc(message);
  } catch (...) {
    if (Application) {
      Application->HandleException(this, std::current_exception());
    } else {
      HandleBoundaryException(std::current_exception());
    }
  }
  return message.Result;
}
