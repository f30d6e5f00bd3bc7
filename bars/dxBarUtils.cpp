// Caption text, edit widths, fonts, the work area, button state, draining pending messages and
// the menu sounds.
#include "bars/dxBarUtils.h"

#include <algorithm>

#include "graphics/Metrics.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/SystemServices.h"

namespace {

constexpr int kMinEditWidth = 20;
constexpr int kMaxEditWidth = 600;
constexpr int kMinBarFontHeight = 11;

// Takes and dispatches the messages in [Min, Max] while any wait; a waiting WM_QUIT is put back
// and ends the draining, so that the loop that runs outside still ends.
void DispatchPending(UINT Min, UINT Max) {
  MSG msg;
  for (;;) {
    if (PeekMessage(msg, HWND(), WM_QUIT, WM_QUIT, PM_REMOVE)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!PeekMessage(msg, HWND(), Min, Max, PM_REMOVE)) return;
    DispatchMessage(msg);
  }
}

}  // namespace

String StripAccelerators(const String& S) {
  String result = S;
  // An "&" before the last character is dropped, and the character that takes its place is kept
  // as it is, so "&&" leaves one "&".
  for (size_t i = 0; i + 1 < result.size(); ++i)
    if (result[i] == '&') result.erase(i, 1);
  return result;
}

void CheckEditWidth(int& Width) { Width = std::clamp(Width, kMinEditWidth, kMaxEditWidth); }

int GetSmallCaptionHeight() { return GetSystemMetrics(SM_CYSMCAPTION); }

HFONT CopyFontHandle(const TFont& Font) { return CreateFontIndirect(Font.Handle()->LogFont); }

void CreateBarFontHandle(const TFont& Font, HFONT& Handle, bool UseSystemSize) {
  TLogFont logFont = Font.Handle()->LogFont;
  if (UseSystemSize) {
    TLogFont iconTitle;
    SystemParametersInfo(SPI_GETICONTITLELOGFONT, 0, &iconTitle, 0);
    logFont.Height = std::min(iconTitle.Height, -kMinBarFontHeight);
  }
  Handle = CreateFontIndirect(logFont);
}

TRect GetWorkAreaAtPoint(TPoint P) { return WorkAreaAtPoint(P); }

bool IsPrimaryButtonDown() {
  return GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) < 0;
}

bool IsSecondaryButtonDown() {
  return GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_LBUTTON : VK_RBUTTON) < 0;
}

void DispatchPendingPaintMessages() { DispatchPending(WM_PAINT, WM_PAINT); }

void DispatchPendingMouseMessages() { DispatchPending(WM_MOUSEFIRST, WM_MOUSELAST); }

void PlayMenuSound(TdxBarMenuSound Sound) {
  static constexpr const char* kSounds[] = {"MenuPopup", "MenuCommand"};
  PlaySound(kSounds[Sound], SND_ALIAS | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT | SND_NOSTOP);
}

void TdxBarThreadTimer::Start(UINT Interval, std::function<void()> Routine) {
  Stop();
  // The routine may stop or restart this timer, which frees the procedure: it runs from a copy.
  FId = SetTimer(HWND(), 0, Interval, [Routine = std::move(Routine)](HWND, UINT, UINT_PTR, DWORD) {
    const std::function<void()> routine = Routine;
    routine();
  });
}

void TdxBarThreadTimer::Stop() {
  if (FId) KillTimer(HWND(), FId);
  FId = 0;
}
