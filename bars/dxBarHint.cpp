// The bars' hint: the shared window, its placement in the work area, and the state of the delay,
// the auto-hide and the grace time after a hint went.
#include "bars/dxBarHint.h"

#include <memory>

#include "bars/dxBarControl.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarUtils.h"
#include "controls/ActnList.h"
#include "controls/ShortCut.h"
#include "graphics/Gdi.h"
#include "graphics/SystemFonts.h"
#include "windows/Input.h"

namespace {

// The point below the cursor where a hint goes, and how far above it one moves near the bottom.
constexpr int kBelowCursor = 20;
constexpr int kAboveHintPoint = 50;

struct THintState {
  std::unique_ptr<TdxBarHintWindow> Window;
  TdxBarThreadTimer ShowTimer;
  TdxBarThreadTimer GraceTimer;
  bool RecentlyHidden = false;
  bool Shown = false;
  TdxBarManager* Manager = nullptr;
  String ExplicitText;
};

THintState& State() {
  static THintState state;
  return state;
}

bool HintVisible() { return State().Window && State().Window->Visible(); }

void HideHintWindow() {
  if (HintVisible()) State().Window->SetVisible(false);
  State().Shown = false;
}

// The selected control of Manager, when its bar window is not in menu mode.
TdxBarItemControl* HintControl(TdxBarManager* Manager) {
  TdxBarItemControl* control = Manager->SelectedItemControl();
  if (!control || !control->Parent() || control->Parent()->MenuMode()) return nullptr;
  return control;
}

bool ManagerUsable(const TdxBarManager* Manager) { return Manager && !Manager->IsDestroying(); }

void ShowDelayExpired() {
  TdxBarManager* manager = State().Manager;
  if (!ManagerUsable(manager)) return;
  StopHintShowTimer();
  ShowHintNow(manager);
}

void AutoHideExpired() {
  TdxBarManager* manager = State().Manager;
  if (!ManagerUsable(manager)) return;
  StopHintShowTimer();
  UpdateHint(manager, false, String());
}

// The item's hint before "|", passed through its action's hint step; empty when refused.
bool ItemHintText(TdxBarItemControl* Control, String& Text) {
  const String hint = Control->GetHint();
  Text = hint.substr(0, hint.find('|'));
  if (auto* action = dynamic_cast<TAction*>(Control->Item() ? Control->Item()->Action() : nullptr))
    return action->DoHint(Text);
  return true;
}

}  // namespace

// --- the window -----------------------------------------------------------------------------------

TdxBarHintWindow::TdxBarHintWindow() : TCustomControl(nullptr) {
  SetVisible(false);
  SetColor(clInfoBk);
}

// A disabled top-most tool window that never takes the activation.
void TdxBarHintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_DISABLED;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  Params.ClassStyle |= CS_SAVEBITS;
}

void TdxBarHintWindow::ActivateHint(TPoint Point, const String& Text, TdxBarManager* Manager) {
  SetCaption(Text);
  if (!Manager || Manager->UseSystemFont()) {
    Font()->SetHandle(CreateFontIndirect(GetSystemFonts().Status));
  } else {
    Font()->Assign(Manager->Font());
  }
  Font()->SetColor(clInfoText);
  const TRect area = GetWorkAreaAtPoint(Point);
  TCanvas& canvas = ScreenCanvas();
  canvas.SetFont(Font());
  TRect r{0, 0, area.Width(), 0};
  DrawText(canvas.Handle(), Text, -1, r, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
  const int width = r.Width() + 6, height = r.Height() + 6;
  int x = Point.X, y = Point.Y;
  if (x + width > area.Right) x = area.Right - width;
  if (y + height > area.Bottom) y = Point.Y - kAboveHintPoint;
  x = std::max(x, area.Left);
  y = std::max(y, area.Top);
  SetBounds(x, y, width, height);
  HandleNeeded();
  Invalidate();
  SetWindowPos(Handle(), HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
}

void TdxBarHintWindow::Paint() {
  HDC dc = Canvas()->Handle();
  TRect r = ClientRect();
  FillRect(dc, r, GetSysColorBrush(COLOR_INFOBK));
  DrawEdge(dc, r, BDR_RAISEDOUTER, BF_RECT);
  InflateRect(r, -1, -1);
  r.Left += 2;
  r.Top += 2;
  Canvas()->SetFont(Font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  DrawText(dc, Caption(), -1, r, DT_NOPREFIX | DT_NOCLIP | DT_WORDBREAK);
}

TdxBarHintWindow* BarHintWindow() { return State().Window.get(); }

void CreateBarHintWindow() {
  if (!State().Window) State().Window = std::make_unique<TdxBarHintWindow>();
}

void FreeBarHintWindow() {
  StopHintShowTimer();
  StopHintGraceTimer();
  State().Window.reset();
  State().Manager = nullptr;
  State().Shown = false;
}

void ReleaseBarHint(TdxBarManager* Manager) {
  if (State().Manager != Manager) return;
  StopHintShowTimer();
  HideHintWindow();
  StopHintGraceTimer();
  State().Manager = nullptr;
}

// --- the state ------------------------------------------------------------------------------------

void StopHintShowTimer() { State().ShowTimer.Stop(); }

void StopHintGraceTimer() {
  State().GraceTimer.Stop();
  State().RecentlyHidden = false;
}

void UpdateHint(TdxBarManager* Manager, bool Show, const String& Text) {
  if (!Manager || Manager->IsCustomizing() || !Manager->ShowHint()) return;
  THintState& state = State();
  state.ExplicitText = Text;
  state.Shown = false;
  if (Show && (HintControl(Manager) || !Text.empty())) {
    StopHintShowTimer();
    if (!HintVisible() && !state.RecentlyHidden) {
      state.Manager = Manager;
      state.ShowTimer.Start(dxBarHintDelay, ShowDelayExpired);
    } else {
      ShowHintNow(Manager);
    }
    return;
  }
  StopHintShowTimer();
  if (!HintVisible()) return;
  HideHintWindow();
  if (!Show) return;
  state.RecentlyHidden = true;
  state.GraceTimer.Start(dxBarHintGrace, StopHintGraceTimer);
}

void ShowHintNow(TdxBarManager* Manager) {
  THintState& state = State();
  const String explicitText = state.ExplicitText;
  TdxBarItemControl* control = HintControl(Manager);
  if (explicitText.empty() && !control) return;
  TPoint cursor;
  GetCursorPos(cursor);
  if (explicitText.empty() && control->Parent()->ControlAtPoint(control->Parent()->ScreenToClient(cursor)) != control)
    return;
  String text = explicitText;
  if (text.empty() && !ItemHintText(control, text)) {
    UpdateHint(Manager, false, String());
    return;
  }
  const bool disabledRefused = explicitText.empty() && !control->IsEnabled() && !Manager->ShowHintForDisabledItems();
  if (text.empty() || disabledRefused) {
    UpdateHint(Manager, false, String());
    return;
  }
  if (explicitText.empty() && Manager->ShowShortCutInHint()) {
    const String shortCut = ShortCutToText(control->GetShortCut());
    if (!shortCut.empty()) text += " (" + shortCut + ")";
  }
  CreateBarHintWindow();
  state.Window->ActivateHint(TPoint{cursor.X, cursor.Y + kBelowCursor}, text, Manager);
  state.Shown = true;
  state.Manager = Manager;
  state.ShowTimer.Start(dxBarHintHideAfter, AutoHideExpired);
}
