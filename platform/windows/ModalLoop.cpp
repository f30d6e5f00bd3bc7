// The capture loop and the small tests its filters use.
#include "windows/ModalLoop.h"

#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/Window.h"

TLoopEnd RunCaptureLoop(HWND Capture, const TLoopFilter& Filter) {
  if (GetCapture() != Capture) SetCapture(Capture);
  TLoopEnd end = TLoopEnd::CaptureLost;
  MSG msg;
  while (GetCapture() == Capture) {
    if (!GetMessage(msg, HWND(), 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      end = TLoopEnd::Quit;
      break;
    }
    const TLoopVerdict verdict = Filter(msg);
    if (verdict == TLoopVerdict::End) {
      end = TLoopEnd::Ended;
      break;
    }
    if (verdict == TLoopVerdict::Dispatch) {
      TranslateMessage(msg);
      DispatchMessage(msg);
    }
  }
  if (GetCapture() == Capture) ReleaseCapture();
  return end;
}

bool IsKeyboardMessage(const MSG& Msg) { return Msg.message >= WM_KEYFIRST && Msg.message <= WM_KEYLAST; }

bool IsMouseMessage(const MSG& Msg) {
  return (Msg.message >= WM_MOUSEFIRST && Msg.message <= WM_MOUSELAST) ||
         (Msg.message >= WM_NCMOUSEMOVE && Msg.message <= WM_NCMBUTTONDBLCLK);
}

bool IsButtonPress(const MSG& Msg) {
  switch (Msg.message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

bool IsEscapeKey(const MSG& Msg) {
  return (Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN) && Msg.wParam == VK_ESCAPE;
}

TPoint MessageScreenPoint(const MSG& Msg) {
  if (Msg.message >= WM_NCMOUSEMOVE && Msg.message <= WM_NCMBUTTONDBLCLK) return LParamToPoint(Msg.lParam);
  if (Msg.message == WM_MOUSEWHEEL) return LParamToPoint(Msg.lParam);
  TPoint p = LParamToPoint(Msg.lParam);
  ClientToScreen(Msg.hwnd, p);
  return p;
}

bool IsPressOutside(const MSG& Msg, HWND Wnd) {
  if (!IsButtonPress(Msg)) return false;
  TRect r;
  return !GetWindowRect(Wnd, r) || !PtInRect(r, MessageScreenPoint(Msg));
}
