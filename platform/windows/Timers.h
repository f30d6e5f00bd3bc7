// Timers and the clock they run on. Window timers post WM_TIMER to their window, callback timers
// call their procedure when their WM_TIMER is dispatched, thread timers (no window) post WM_TIMER
// with an empty hwnd. A timer posts only when none of its WM_TIMER is waiting. The clock is a
// service: the program's follows real time through Qt, a test's moves only when told to.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "rtl/Exceptions.h"
#include "windows/Messages.h"

using UINT_PTR = uintptr_t;
using TIMERPROC = std::function<void(HWND Wnd, UINT Msg, UINT_PTR IdEvent, DWORD Time)>;

// Starts a timer firing every Elapse ms. For a window, IdEvent names the timer: an existing timer
// of that window and id is replaced (its interval restarts). Without a window a new id is chosen
// and answered. Answers 0 for an invalid window.
UINT_PTR SetTimer(HWND Wnd, UINT_PTR IdEvent, UINT Elapse, TIMERPROC Proc = nullptr);
bool KillTimer(HWND Wnd, UINT_PTR IdEvent);
// Milliseconds of the layer's clock.
DWORD GetTickCount();

// The clock service. The timer service asks it to call FireDueTimers no earlier than a due time,
// and the message queue asks it to wait for input when nothing is queued.
class TClock {
 public:
  virtual ~TClock() = default;
  virtual DWORD Now() const = 0;
  // The earliest due time of the running timers changed; HasDue false when no timer runs.
  virtual void ScheduleWake(bool HasDue, DWORD Due) = 0;
  // Blocks until input may be ready (native events arrive, a timer falls due, another thread
  // posts). A test clock runs its script or moves to the next due timer instead.
  virtual void WaitForInput() = 0;
};

// Posts WM_TIMER for every timer due at the clock's current time, in order of due time.
void FireDueTimers();
// Installs a clock and answers the previous one (the program's real clock is made on first use).
std::unique_ptr<TClock> SetClock(std::unique_ptr<TClock> NewClock);
TClock& Clock();

// A message loop of a test would wait for ever: nothing is queued, no timer runs.
QUORIN_EXCEPTION(EMessageLoopBlocked, Exception);

// A clock for tests: time stands still until Advance, which moves it to each due time in turn and
// fires what is due there. WaitForInput runs the actions given to OnWait, one per wait; with none
// left it moves to the next due timer, and with no timer it raises EMessageLoopBlocked.
class TTestClock : public TClock {
 public:
  DWORD Now() const override { return FNow; }
  void ScheduleWake(bool HasDue, DWORD Due) override;
  void WaitForInput() override;
  // Moves to every due time up to Now + Milliseconds in turn, firing what is due there and then
  // running Step (a test pumps the queue there), and finally to Now + Milliseconds.
  void Advance(DWORD Milliseconds, const std::function<void()>& Step = {});
  void OnWait(std::function<void()> Action);

 private:
  DWORD FNow = 1000;
  bool FHasDue = false;
  DWORD FDue = 0;
  std::vector<std::function<void()>> FWaitActions;
};
