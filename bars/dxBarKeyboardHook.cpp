// The keyboard hook of the bars: keys for an open menu go to its window, Alt alone and F10 put the
// main menu into menu mode, and short cuts and Alt+letter accelerators run or select the links of
// the active form's bars; the Apps key and Shift+F10 open the popup menu linked to the focused
// control.
#include "bars/dxBar.h"
#include "bars/dxBarHooks.h"
#include "bars/dxBarHooks_p.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenuLinks.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarToolbar.h"
#include "controls/Application.h"
#include "controls/Forms.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"

namespace {

// What the keyboard hook keeps between keys.
struct TKeyboardState {
  // A key down went to the open menu, which closed on it: its key up goes nowhere.
  bool Forwarded = false;
  WPARAM ForwardedKey = 0;
  // Alt went down with no other key since.
  bool LoneAlt = false;
};

TKeyboardState& KeyState() {
  static TKeyboardState state;
  return state;
}

bool IsDown(int Key) { return GetKeyState(Key) < 0; }

bool IsRelease(LPARAM KeyData) { return (static_cast<uintptr_t>(KeyData) & 0x80000000u) != 0; }

// No key but Key itself is held.
bool NoOtherKeyDown(WPARAM Key) {
  uint8_t keys[256];
  GetKeyboardState(keys);
  for (int k = 1; k < 256; ++k)
    if (static_cast<WPARAM>(k) != Key && (keys[k] & 0x80)) return false;
  return true;
}

bool EditorHasFocus(const TCustomdxBarControl* Active) {
  auto* edit = dynamic_cast<const TdxBarWinControl*>(Active->SelectedControl());
  return edit && edit->Focused();
}

// An open menu takes the key (unless an edit in it is being typed in); while customising Esc lets
// go of a drag.
bool ForwardToActiveBar(WPARAM Key, LPARAM KeyData) {
  TCustomdxBarControl* active = ActiveBarControl();
  TdxBarManager* manager = active->BarManager();
  const bool release = IsRelease(KeyData);
  if (manager && !manager->IsCustomizing() && !EditorHasFocus(active)) {
    MSG pending;
    const HWND focus = GetFocus();
    if (focus) PeekMessage(pending, focus, WM_CONTEXTMENU, WM_CONTEXTMENU, PM_REMOVE);
    TKeyboardState& state = KeyState();
    if (!release) {
      state.Forwarded = true;
      state.ForwardedKey = Key;
    }
    if (active->HandleAllocated()) SendMessage(active->Handle(), release ? WM_KEYUP : WM_KEYDOWN, Key, KeyData);
    // Whether the key is still held is the keyboard's own state: the queue's state has not seen
    // this key yet.
    if (ActiveBarControl() || GetAsyncKeyState(static_cast<int>(Key)) >= 0) state.Forwarded = false;
    return true;
  }
  if (manager && manager->IsCustomizing() && Key == VK_ESCAPE && active->HandleAllocated() && GetCapture() == active->Handle()) {
    ReleaseCapture();
    return true;
  }
  return false;
}

// The manager that owns keyboard access to menus: the active form's, or the main form's when it
// lets other forms use its menus.
TdxBarManager* KeyboardManager() {
  auto* form = dynamic_cast<TCustomForm*>(FindControl(GetActiveWindow()));
  if (!form || (form->ComponentState() & csDesigning)) return nullptr;
  if (TdxBarManager* manager = ManagerOfForm(form)) return manager;
  TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
  TdxBarManager* mainManager = ManagerOfForm(mainForm);
  if (!mainManager || !mainManager->AllowCallFromAnotherForm() || form->FormStyle() == fsMDIForm) return nullptr;
  return mainForm->Enabled() ? mainManager : nullptr;
}

TShortCut ShortCutOfKey(WPARAM Key) {
  TShortCut shortCut = static_cast<TShortCut>(Key);
  if (IsDown(VK_SHIFT)) shortCut |= scShift;
  if (IsDown(VK_CONTROL)) shortCut |= scCtrl;
  if (IsDown(VK_MENU)) shortCut |= scAlt;
  return shortCut;
}

// The visible bars that are not the main menu, in their order.
template <class F>
bool AnyOtherBar(TdxBarManager* Manager, F Test) {
  for (int i = 0; i < Manager->Bars()->Count(); ++i) {
    TdxBar* bar = Manager->Bars()->Items(i);
    if (bar->Visible() && !bar->IsMainMenu() && Test(bar)) return true;
  }
  return false;
}

bool RunShortCut(TdxBarManager* Manager, TShortCut ShortCut) {
  TdxBar* mainMenu = Manager->MainMenuBar();
  if (mainMenu && mainMenu->IsShortCut(ShortCut)) return true;
  return AnyOtherBar(Manager, [&](TdxBar* bar) { return bar->IsShortCut(ShortCut); });
}

TdxBarItemLink* FindAccelerator(TdxBarManager* Manager, WORD Key, TShiftState Shift) {
  TdxBarItemLink* link = nullptr;
  if (TdxBarControl* mainMenu = Manager->MainMenuControl()) link = mainMenu->ItemLinks()->FindByAccel(Key, Shift, nullptr);
  if (!link)
    AnyOtherBar(Manager, [&](TdxBar* bar) {
      link = bar->Control() ? bar->ItemLinks()->FindByAccel(Key, Shift, nullptr) : nullptr;
      return link != nullptr;
    });
  return link;
}

// Alt+letter: a link found once runs at once (a sub item opens); one found twice, or one that
// does not run on its accelerator, is selected in menu mode.
bool SelectAccelerator(TdxBarManager* Manager, WPARAM Key) {
  const TShiftState shift = (IsDown(VK_SHIFT) ? ssShift : 0u) | (IsDown(VK_CONTROL) ? ssCtrl : 0u);
  TdxBarItemLink* link = FindAccelerator(Manager, static_cast<WORD>(Key), shift);
  if (!link || !link->Item() || !link->Item()->Enabled() || !link->Control()) return false;
  const bool unique = link->Links()->FindByAccel(static_cast<WORD>(Key), shift, link) == link;
  TdxBarItemControl* control = link->Control();
  auto* window = dynamic_cast<TdxBarControl*>(control->Parent());
  if (!control->ActivatesOnAccelerator() || !unique) {
    if (window) window->EnterMenuMode(control);
    return true;
  }
  // A sub item opens its menu from its bar in keyboard menu mode, as Enter on it would: the menu
  // then belongs to a chain that Esc, clicks and the other keys close.
  if (window && dynamic_cast<TdxBarSubItemControl*>(control)) window->EnterMenuMode(control);
  control->ActivateByKey();
  return true;
}

// A key the open menus did not take: Alt released alone or F10 released enter the main menu; any
// other key down runs a short cut or an accelerator.
bool HandleFormKey(WPARAM Key, LPARAM KeyData) {
  TdxBarManager* manager = KeyboardManager();
  if (!manager || manager->IsCustomizing() || manager->KeyboardModeBarControl()) return false;
  TKeyboardState& state = KeyState();
  if (IsRelease(KeyData)) {
    TdxBarControl* mainMenu = manager->MainMenuControl();
    const bool alt = Key == VK_MENU && state.LoneAlt && NoOtherKeyDown(Key);
    const bool f10 = manager->UseF10ForMenu() && Key == VK_F10 && !IsDown(VK_SHIFT) && !IsDown(VK_CONTROL) && !IsDown(VK_MENU);
    state.LoneAlt = false;
    if (!mainMenu || !(alt || f10)) return false;
    mainMenu->EnterMenuMode(nullptr);
    return true;
  }
  if (Key == VK_MENU) {
    state.LoneAlt = true;
    return false;
  }
  state.LoneAlt = false;
  if (RunShortCut(manager, ShortCutOfKey(Key))) return true;
  return IsDown(VK_MENU) && SelectAccelerator(manager, Key);
}

// The Apps key released, or Shift+F10 pressed, asks for the focused control's context menu.
bool IsContextMenuKey(WPARAM Key, LPARAM KeyData) {
  if (Key == VK_APPS) return IsRelease(KeyData);
  return Key == VK_F10 && !IsRelease(KeyData) && IsDown(VK_SHIFT) && !IsDown(VK_CONTROL) && !IsDown(VK_MENU);
}

bool BarKeyboardHook(int Code, WPARAM Key, LPARAM KeyData) {
  if (Key == VK_PROCESSKEY || Code < 0) return false;
  TKeyboardState& state = KeyState();
  if (state.Forwarded && Key == state.ForwardedKey && IsRelease(KeyData)) {
    state.Forwarded = false;
    return true;
  }
  if (ActiveBarControl() && ForwardToActiveBar(Key, KeyData)) return true;
  if (GetCapture()) return false;
  if (IsContextMenuKey(Key, KeyData) && ShowLinkedPopupMenu(GetFocus(), TPoint{-1, -1})) return true;
  return HandleFormKey(Key, KeyData);
}

}  // namespace

LRESULT BarKeyboardHookProc(int Code, WPARAM Key, LPARAM KeyData) {
  const bool swallowed = BarKeyboardHook(Code, Key, KeyData);
  const LRESULT next = CallNextHookEx(BarHookHandle(WH_KEYBOARD), Code, Key, KeyData);
  return swallowed ? 1 : next;
}
