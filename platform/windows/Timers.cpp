// The timer service: window, callback and thread timers on the layer's clock.
#include <algorithm>

#include "windows/Layer_p.h"

namespace {

// Below this many milliseconds a timer fires at this interval, as the original system does.
constexpr UINT kMinimumInterval = 10;

struct TTimer {
  HWND Wnd;
  UINT_PTR Id = 0;
  UINT Interval = 0;
  DWORD Due = 0;
  TIMERPROC Proc;
  LPARAM Serial = 0;  // callback timers' WM_TIMER carry it in lParam
};

struct TTimerTable {
  std::vector<TTimer> Timers;
  UINT_PTR NextThreadId = 1;
  LPARAM NextSerial = 1;
};

TTimerTable& Table() {
  static TTimerTable table;
  return table;
}

// Clock times wrap around; a due time is "reached" when it lies at most half the range behind.
bool Reached(DWORD Due, DWORD Now) { return static_cast<int32_t>(Now - Due) >= 0; }

void Reschedule() {
  const auto& timers = Table().Timers;
  if (timers.empty()) {
    Clock().ScheduleWake(false, 0);
    return;
  }
  const DWORD now = Clock().Now();
  DWORD due = timers.front().Due;
  for (const TTimer& t : timers)
    if (static_cast<int32_t>(t.Due - now) < static_cast<int32_t>(due - now)) due = t.Due;
  Clock().ScheduleWake(true, due);
}

TTimer* Find(HWND Wnd, UINT_PTR Id) {
  auto& timers = Table().Timers;
  const auto it = std::find_if(timers.begin(), timers.end(), [&](const TTimer& t) { return t.Wnd == Wnd && t.Id == Id; });
  return it == timers.end() ? nullptr : &*it;
}

}  // namespace

UINT_PTR SetTimer(HWND Wnd, UINT_PTR IdEvent, UINT Elapse, TIMERPROC Proc) {
  if (Wnd && !IsWindow(Wnd)) return 0;
  TTimerTable& table = Table();
  if (!Wnd) {
    while (Find(HWND(), table.NextThreadId) || table.NextThreadId == 0) ++table.NextThreadId;
    IdEvent = table.NextThreadId++;
  }
  const UINT interval = std::max(Elapse, kMinimumInterval);
  TTimer* timer = Find(Wnd, IdEvent);
  if (!timer) {
    table.Timers.push_back(TTimer{Wnd, IdEvent, 0, 0, nullptr, table.NextSerial++});
    timer = &table.Timers.back();
  }
  timer->Interval = interval;
  timer->Due = Clock().Now() + interval;
  timer->Proc = std::move(Proc);
  Reschedule();
  return Wnd ? (IdEvent ? IdEvent : 1) : IdEvent;
}

bool KillTimer(HWND Wnd, UINT_PTR IdEvent) {
  const size_t removed = std::erase_if(Table().Timers, [&](const TTimer& t) { return t.Wnd == Wnd && t.Id == IdEvent; });
  if (removed) Reschedule();
  return removed > 0;
}

void KillTimersOf(HWND Wnd) {
  if (std::erase_if(Table().Timers, [&](const TTimer& t) { return t.Wnd == Wnd; })) Reschedule();
}

DWORD GetTickCount() { return Clock().Now(); }

void FireDueTimers() {
  const DWORD now = Clock().Now();
  std::vector<TTimer> due;
  for (const TTimer& t : Table().Timers)
    if (Reached(t.Due, now)) due.push_back(t);
  std::stable_sort(due.begin(), due.end(), [&](const TTimer& a, const TTimer& b) {
    return static_cast<int32_t>(a.Due - b.Due) < 0;
  });
  for (const TTimer& fired : due) {
    TTimer* timer = Find(fired.Wnd, fired.Id);
    if (!timer || timer->Serial != fired.Serial) continue;
    timer->Due += timer->Interval;
    if (Reached(timer->Due, now)) timer->Due = now + timer->Interval;  // late: no burst of catch-up ticks
    if (IsTimerMessagePending(fired.Wnd, fired.Id)) continue;
    TQueuedMessage item;
    item.Msg.hwnd = fired.Wnd;
    item.Msg.message = WM_TIMER;
    item.Msg.wParam = fired.Id;
    item.Msg.lParam = fired.Proc ? fired.Serial : 0;
    item.Msg.time = now;
    item.Msg.pt = State().CursorPos;
    item.InInputOrder = true;
    Enqueue(std::move(item));
  }
  Reschedule();
}

bool DispatchTimerCallback(const MSG& Msg) {
  for (const TTimer& t : Table().Timers)
    if (t.Serial == Msg.lParam && t.Proc) {
      const TIMERPROC proc = t.Proc;
      proc(Msg.hwnd, WM_TIMER, t.Id, Msg.time);
      return true;
    }
  return false;
}

void TTestClock::ScheduleWake(bool HasDue, DWORD Due) {
  FHasDue = HasDue;
  FDue = Due;
}

void TTestClock::Advance(DWORD Milliseconds, const std::function<void()>& Step) {
  const DWORD target = FNow + Milliseconds;
  while (FHasDue && static_cast<int32_t>(target - FDue) >= 0) {
    if (static_cast<int32_t>(FDue - FNow) > 0) FNow = FDue;
    FireDueTimers();
    if (Step) Step();
  }
  FNow = target;
}

void TTestClock::OnWait(std::function<void()> Action) { FWaitActions.push_back(std::move(Action)); }

void TTestClock::WaitForInput() {
  if (!FWaitActions.empty()) {
    const auto action = std::move(FWaitActions.front());
    FWaitActions.erase(FWaitActions.begin());
    action();
    return;
  }
  if (!FHasDue) throw EMessageLoopBlocked("消息循环无事可等：队列为空，也没有计时器");
  if (static_cast<int32_t>(FDue - FNow) > 0) FNow = FDue;
  FireDueTimers();
}
