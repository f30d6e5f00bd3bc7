// Hook chains. Hooks are kept in installation order and called newest first; a removed hook stays
// in its place, marked, until no hook call is running, so that a chain walked from inside a hook
// is not disturbed by installs and removals.
#include <algorithm>

#include "rtl/ScopeExit.h"
#include "windows/Layer_p.h"

namespace {

struct THook {
  HHOOK Id = 0;
  int Kind = 0;
  HOOKPROC Proc;
  bool Removed = false;
};

struct THookTable {
  std::vector<THook> Hooks;
  HHOOK NextId = 1;
  int Running = 0;
};

THookTable& Table() {
  static THookTable table;
  return table;
}

void Sweep() {
  THookTable& t = Table();
  if (t.Running == 0) std::erase_if(t.Hooks, [](const THook& h) { return h.Removed; });
}

// Calls the newest live hook of Kind older than the hook at position End (exclusive).
LRESULT CallFrom(int Kind, size_t End, int Code, WPARAM WParam, LPARAM LParam) {
  THookTable& t = Table();
  for (size_t i = End; i-- > 0;) {
    if (t.Hooks[i].Kind != Kind || t.Hooks[i].Removed) continue;
    const HOOKPROC proc = t.Hooks[i].Proc;
    ++t.Running;
    const auto done = ScopeExit([] {
      --Table().Running;
      Sweep();
    });
    return proc(Code, WParam, LParam);
  }
  return 0;
}

}  // namespace

HHOOK SetWindowsHookEx(int IdHook, HOOKPROC Proc) {
  if (!Proc || (IdHook != WH_KEYBOARD && IdHook != WH_MOUSE && IdHook != WH_CALLWNDPROC)) return 0;
  THookTable& t = Table();
  t.Hooks.push_back(THook{t.NextId++, IdHook, std::move(Proc), false});
  return t.Hooks.back().Id;
}

bool UnhookWindowsHookEx(HHOOK Hook) {
  THookTable& t = Table();
  const auto it = std::find_if(t.Hooks.begin(), t.Hooks.end(), [&](const THook& h) { return h.Id == Hook && !h.Removed; });
  if (it == t.Hooks.end()) return false;
  it->Removed = true;
  Sweep();
  return true;
}

LRESULT CallNextHookEx(HHOOK Hook, int Code, WPARAM WParam, LPARAM LParam) {
  THookTable& t = Table();
  const auto it = std::find_if(t.Hooks.begin(), t.Hooks.end(), [&](const THook& h) { return h.Id == Hook; });
  if (it == t.Hooks.end()) return 0;
  return CallFrom(it->Kind, static_cast<size_t>(it - t.Hooks.begin()), Code, WParam, LParam);
}

LRESULT CallHooks(int Kind, int Code, WPARAM WParam, LPARAM LParam) {
  return CallFrom(Kind, Table().Hooks.size(), Code, WParam, LParam);
}

bool HasHooks(int Kind) {
  const auto& hooks = Table().Hooks;
  return std::any_of(hooks.begin(), hooks.end(), [&](const THook& h) { return h.Kind == Kind && !h.Removed; });
}
