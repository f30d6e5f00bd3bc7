// The drop-down list of combo boxes: a pop-up window that never takes the focus, watched by the
// window layer (it closes on a press outside it and its owner, on the owner's loss of the focus
// and on the application's deactivation), showing items with the hot one highlighted and
// scrolling with the window's own scroll bar past its row count. The keyboard stays with the
// owner, which moves the hot item.
#pragma once

#include <functional>

#include "graphics/Font.h"
#include "rtl/StringList.h"
#include "windows/Window.h"

class TDropDownList {
 public:
  TDropDownList() = default;
  ~TDropDownList();
  TDropDownList(const TDropDownList&) = delete;
  TDropDownList& operator=(const TDropDownList&) = delete;

  // Shows Rows rows of Items below (or above, when there is no room) the owner's screen
  // rectangle Anchor.
  void Show(HWND Owner, const TRect& Anchor, const TStrings* Items, int ItemIndex, const TFont* Font, int ItemHeight,
            int Rows);
  void Hide();
  bool Visible() const { return static_cast<bool>(FWnd); }
  HWND Handle() const { return FWnd; }
  int HotIndex() const { return FHot; }
  void MoveHot(int Delta);

  std::function<void(int Index)> OnPick;
  // The layer's watch closed the list.
  std::function<void()> OnCancel;

 private:
  LRESULT WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void Paint();
  int ItemAt(TPoint Client) const;
  void SetHot(int Index);
  void SetTop(int Index);

  HWND FWnd;
  const TStrings* FItems = nullptr;
  TFont FFont;
  int FItemHeight = 14;
  int FRows = 8;
  int FTop = 0;
  int FHot = -1;
};
