// The drop-down list of combo boxes: a top-level window that never takes the focus, showing
// items with the hot one highlighted, scrolling past its row count, and telling its owner
// when an item is picked or when a press outside cancels it. The keyboard stays with the owner,
// which moves the hot item. Kept behind this one class so that the window layer's popups can
// take its place.
#pragma once

#include <functional>

#include "controls/ScrollBarPaint.h"
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
  // rectangle Anchor, and takes the mouse capture.
  void Show(HWND Owner, const TRect& Anchor, const TStrings* Items, int ItemIndex, const TFont* Font, int ItemHeight,
            int Rows);
  void Hide();
  bool Visible() const { return static_cast<bool>(FWnd); }
  HWND Handle() const { return FWnd; }
  int HotIndex() const { return FHot; }
  void MoveHot(int Delta);

  std::function<void(int Index)> OnPick;
  std::function<void()> OnCancel;

 private:
  LRESULT WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void Paint();
  int ItemAt(TPoint Client) const;
  TScrollBarState ScrollBar() const;
  bool HasScrollBar() const { return FItems && FItems->Count() > FRows; }
  void SetHot(int Index);
  void SetTop(int Index);

  HWND FWnd;
  const TStrings* FItems = nullptr;
  TFont FFont;
  int FItemHeight = 14;
  int FRows = 8;
  int FTop = 0;
  int FHot = -1;
  int FThumbGrab = -1;
};
