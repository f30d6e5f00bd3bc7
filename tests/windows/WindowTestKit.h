// Plain windows of the layer that record the messages they receive, for the layer's own tests.
#pragma once

#include <functional>
#include <vector>

#include "support/GuiHarness.h"
#include "graphics/Gdi.h"
#include "windows/Focus.h"
#include "windows/Hooks.h"
#include "windows/Window.h"

struct TLogged {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  friend bool operator==(const TLogged&, const TLogged&) = default;
};

class TLoggingWindow {
 public:
  TLoggingWindow(HWND Parent, TRect Bounds, DWORD ClassStyle = 0, DWORD Style = WS_VISIBLE, DWORD ExStyle = 0) {
    TWindowCreateParams p;
    // A pop-up's Parent is its owner.
    p.Style = Style | (Parent && !(Style & WS_POPUP) ? DWORD(WS_CHILD) : 0u);
    p.ExStyle = ExStyle;
    p.ClassStyle = ClassStyle;
    p.X = Bounds.Left;
    p.Y = Bounds.Top;
    p.Width = Bounds.Width();
    p.Height = Bounds.Height();
    p.WndParent = Parent;
    p.WndProc = [this](HWND wnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
      Log.push_back({msg, wp, lp});
      if (Handler) {
        TMessage m{msg, wp, lp, 0};
        if (Handler(m)) return m.Result;
      }
      return DefWindowProc(wnd, msg, wp, lp);
    };
    Handle = CreateWindowEx(p);
  }
  ~TLoggingWindow() { DestroyWindow(Handle); }
  TLoggingWindow(const TLoggingWindow&) = delete;
  TLoggingWindow& operator=(const TLoggingWindow&) = delete;

  // The logged messages whose numbers are listed, in order.
  std::vector<TLogged> Only(std::initializer_list<UINT> Msgs) const {
    std::vector<TLogged> out;
    for (const TLogged& m : Log)
      for (UINT wanted : Msgs)
        if (m.Msg == wanted) out.push_back(m);
    return out;
  }
  // The scroll codes (low word) and positions (high word) of the logged WM_HSCROLL / WM_VSCROLL.
  std::vector<std::pair<int, int>> ScrollCodes(UINT Msg) const {
    std::vector<std::pair<int, int>> out;
    for (const TLogged& m : Only({Msg})) out.push_back({LOWORD(m.WParam), HIWORD(m.WParam)});
    return out;
  }
  std::vector<UINT> Numbers(std::initializer_list<UINT> Msgs) const {
    std::vector<UINT> out;
    for (const TLogged& m : Only(Msgs)) out.push_back(m.Msg);
    return out;
  }

  HWND Handle;
  std::vector<TLogged> Log;
  // Answers true when it handled the message (its Result is answered).
  std::function<bool(TMessage& Message)> Handler;
};
