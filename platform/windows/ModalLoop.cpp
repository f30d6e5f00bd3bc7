// The capture loop and the small tests its filters use.
#include "windows/ModalLoop.h"

#include "graphics/Metrics.h"
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

TRect DragThresholdRect(TPoint Start) {
  const int dx = GetSystemMetrics(SM_CXDRAG) / 2, dy = GetSystemMetrics(SM_CYDRAG) / 2;
  return TRect{Start.X - dx, Start.Y - dy, Start.X + dx, Start.Y + dy};
}

bool DragDetect(HWND Wnd, TPoint Start) {
  const TRect still = DragThresholdRect(Start);
  bool dragged = false;
  RunCaptureLoop(Wnd, [&](MSG& Msg) {
    if (Msg.message == WM_MOUSEMOVE || Msg.message == WM_NCMOUSEMOVE) {
      dragged = !PtInRect(still, MessageScreenPoint(Msg));
      return dragged ? TLoopVerdict::End : TLoopVerdict::Handled;
    }
    if (Msg.message == WM_LBUTTONUP || Msg.message == WM_NCLBUTTONUP || IsEscapeKey(Msg)) return TLoopVerdict::End;
    return IsMouseMessage(Msg) || IsKeyboardMessage(Msg) ? TLoopVerdict::Handled : TLoopVerdict::Dispatch;
  });
  return dragged;
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
