// The hint window and the timing of the application's hints on the layer's clock.
#include "controls/HintWindow.h"

#include "controls/Application.h"
#include "graphics/Gdi.h"
#include "windows/Paint.h"
#include "windows/Timers.h"

namespace {

struct THintState {
  TControl* Control = nullptr;  // the control whose hint is waiting or showing
  THintWindow* Window = nullptr;
  UINT_PTR ShowTimer = 0;
  UINT_PTR HideTimer = 0;
};

THintState& Hints() {
  static THintState state;
  return state;
}

void StopTimer(UINT_PTR& Timer) {
  if (Timer) KillTimer(HWND(), Timer);
  Timer = 0;
}

void HideHint() {
  THintState& s = Hints();
  StopTimer(s.HideTimer);
  if (s.Window) s.Window->ReleaseHandle();
}

bool WantsHint(const TControl* Control) {
  return Control && Application && Application->ShowHint() && Control->ShowHint() && !GetShortHint(Control->Hint()).empty();
}

// Below the cursor, as the original shows it, kept on the screen.
void ShowHintNow() {
  THintState& s = Hints();
  StopTimer(s.ShowTimer);
  if (!Application || Application->MouseControl() != s.Control || !WantsHint(s.Control)) return;
  if (!s.Window) s.Window = new THintWindow(Application);
  const String text = GetShortHint(s.Control->Hint());
  TRect r = s.Window->CalcHintRect(300, text);
  TPoint at;
  GetCursorPos(at);
  OffsetRect(r, at.X, at.Y + 20);
  s.Window->ActivateHint(r, text);
  s.HideTimer = SetTimer(HWND(), 0, HintHidePause, [](HWND, UINT, UINT_PTR, DWORD) { HideHint(); });
}

}  // namespace

String GetShortHint(const String& Hint) {
  const size_t bar = Hint.find('|');
  return bar == String::npos ? Hint : Hint.substr(0, bar);
}

String GetLongHint(const String& Hint) {
  const size_t bar = Hint.find('|');
  return bar == String::npos ? Hint : Hint.substr(bar + 1);
}

void ApplicationHintMouseChanged(TControl* Control) {
  THintState& s = Hints();
  StopTimer(s.ShowTimer);
  HideHint();
  s.Control = Control;
  if (Application) Application->SetHint(Control ? GetLongHint(Control->Hint()) : String());
  if (WantsHint(Control)) s.ShowTimer = SetTimer(HWND(), 0, HintPause, [](HWND, UINT, UINT_PTR, DWORD) { ShowHintNow(); });
}

THintWindow* ApplicationHintWindow() {
  const THintState& s = Hints();
  return s.Window && s.Window->HandleAllocated() && s.Window->Visible() ? s.Window : nullptr;
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  SetParentColor(false);
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
  FControlStyle = csOpaque;
}

THintWindow::~THintWindow() {
  THintState& s = Hints();
  if (s.Window == this) {
    StopTimer(s.HideTimer);
    StopTimer(s.ShowTimer);
    s.Window = nullptr;
    s.Control = nullptr;
  }
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  Params.WndParent = HWND();
}

TRect THintWindow::CalcHintRect(int MaxWidth, const String& Hint) {
  HDC dc = GetDC(HWND());
  dc->SetFont(Font());
  TRect r{0, 0, MaxWidth, 0};
  DrawText(dc, Hint, -1, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  ReleaseDC(HWND(), dc);
  r.Right += 6;
  r.Bottom += 2;
  return r;
}

void THintWindow::ActivateHint(TRect Rect, const String& Hint) {
  SetCaption(Hint);
  const TRect screen = Desktop().ScreenRect();
  if (Rect.Right > screen.Right) OffsetRect(Rect, screen.Right - Rect.Right, 0);
  if (Rect.Bottom > screen.Bottom) OffsetRect(Rect, 0, screen.Bottom - Rect.Bottom);
  SetBoundsRect(Rect);
  SetVisible(true);
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  SetVisible(false);
  DestroyHandle();
}

void THintWindow::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  canvas->Brush()->SetColor(clWindowFrame);
  canvas->FrameRect(r);
  InflateRect(r, -1, -1);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(r);
  r.Left += 2;
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  DrawText(canvas->Handle(), Caption(), -1, r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

// A hint never takes the mouse's activation.
void THintWindow::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  if (Message.Msg == WM_NCHITTEST) {
    Message.Result = HTTRANSPARENT;
    return;
  }
  TCustomControl::Dispatch(Message);
}
