// The window menu: the commands a window's state allows, and the program's own graying kept per
// window (forgotten for windows that went, whenever a program grays another command).
#include "windows/SystemMenu.h"

#include <map>

#include "windows/Mdi.h"
#include "windows/Window.h"

namespace {

std::map<HWND, std::map<UINT, UINT>>& ProgramStates() {
  static std::map<HWND, std::map<UINT, UINT>> states;
  return states;
}

UINT Grayed(bool Yes) { return Yes ? MF_GRAYED : MF_ENABLED; }

}  // namespace

bool HasSystemMenu(HWND Wnd) { return IsWindow(Wnd) && (GetWindowLong(Wnd, GWL_STYLE) & WS_SYSMENU); }

std::vector<TSystemMenuItem> GetSystemMenuItems(HWND Wnd) {
  if (!HasSystemMenu(Wnd)) return {};
  const auto style = static_cast<DWORD>(GetWindowLong(Wnd, GWL_STYLE));
  const bool zoomed = IsZoomed(Wnd), iconic = IsIconic(Wnd), mdi = IsMDIChild(Wnd);
  std::vector<TSystemMenuItem> items = {
      {SC_RESTORE, "还原(&R)", Grayed(!zoomed && !iconic), HBMMENU_POPUP_RESTORE},
      {SC_MOVE, "移动(&M)", Grayed(zoomed), 0},
      {SC_SIZE, "大小(&S)", Grayed(zoomed || iconic || !(style & WS_THICKFRAME)), 0},
      {SC_MINIMIZE, "最小化(&N)", Grayed(iconic || !(style & WS_MINIMIZEBOX)), HBMMENU_POPUP_MINIMIZE},
      {SC_MAXIMIZE, "最大化(&X)", Grayed(zoomed || !(style & WS_MAXIMIZEBOX)), HBMMENU_POPUP_MAXIMIZE},
      {0, String(), MF_SEPARATOR, 0},
      {SC_CLOSE, mdi ? "关闭(&C)\tCtrl+F4" : "关闭(&C)\tAlt+F4", MF_DEFAULT, HBMMENU_POPUP_CLOSE},
  };
  if (mdi) {
    items.push_back({0, String(), MF_SEPARATOR, 0});
    items.push_back({SC_NEXTWINDOW, "下一个(&T)\tCtrl+F6", MF_ENABLED, 0});
  }
  auto own = ProgramStates().find(Wnd);
  if (own != ProgramStates().end())
    for (TSystemMenuItem& item : items)
      if (auto it = own->second.find(item.Id); item.Id && it != own->second.end()) item.State |= it->second;
  return items;
}

UINT GetSystemMenuState(HWND Wnd, UINT Command) {
  for (const TSystemMenuItem& item : GetSystemMenuItems(Wnd))
    if (item.Id == Command) return item.State;
  return static_cast<UINT>(-1);
}

UINT EnableSystemMenuItem(HWND Wnd, UINT Command, UINT Enable) {
  const UINT previous = GetSystemMenuState(Wnd, Command);
  if (previous == static_cast<UINT>(-1)) return previous;
  std::erase_if(ProgramStates(), [](const auto& Entry) { return !IsWindow(Entry.first); });
  ProgramStates()[Wnd][Command] = Enable & (MF_GRAYED | MF_DISABLED);
  return previous;
}
