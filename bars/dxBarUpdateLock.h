// The manager's update lock held over a piece of work: dock sites do not redraw and bars do not
// lay out until the work is done. Every place in the bars that changes several bars at once
// holds it through here.
#pragma once

#include "bars/dxBarManager.h"
#include "rtl/ScopeExit.h"

// Runs Work with Manager's update lock held and puts back the lock it found, also when Work
// raises. Unlocking lays the sites and bars out again, which may raise itself, so the lock is put
// back by a bracket rather than a destructor. With no manager, Work simply runs.
template <class F>
decltype(auto) WithUpdateLock(TdxBarManager* Manager, F&& Work) {
  if (!Manager) return Work();
  const bool locked = Manager->UpdateLocked();
  Manager->SetUpdateLocked(true);
  return Bracket(Work, [Manager, locked] { Manager->SetUpdateLocked(locked); });
}
