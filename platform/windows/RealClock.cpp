// The program's clock: real time, timers woken by a Qt timer, waiting in Qt's event dispatcher.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include "windows/Layer_p.h"
#include "windows/ServiceSlot.h"

namespace {

class TRealClock : public TClock {
 public:
  TRealClock() { FElapsed.start(); }
  DWORD Now() const override { return static_cast<DWORD>(FElapsed.elapsed()); }

  void ScheduleWake(bool HasDue, DWORD Due) override {
    if (!HasDue) {
      if (FTimer) FTimer->stop();
      return;
    }
    if (!FTimer) {
      // Owned by the application object, so that it goes before Qt shuts down.
      FTimer = new QTimer(QCoreApplication::instance());
      FTimer->setSingleShot(true);
      FTimer->setTimerType(Qt::PreciseTimer);
      QObject::connect(FTimer, &QTimer::timeout, [] { RunGuarded(FireDueTimers); });
    }
    const int wait = static_cast<int32_t>(Due - Now());
    FTimer->start(std::max(wait, 0));
  }

  // Deferred deletes (widgets of destroyed windows) run before the loop goes to sleep.
  void WaitForInput() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (HasPendingMessages()) return;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }

 private:
  QElapsedTimer FElapsed;
  QPointer<QTimer> FTimer;
};

TServiceSlot<TClock>& ClockSlot() {
  static TServiceSlot<TClock> slot;
  return slot;
}

}  // namespace

TClock& Clock() {
  return ClockSlot().Get([] { return std::make_unique<TRealClock>(); });
}

std::unique_ptr<TClock> SetClock(std::unique_ptr<TClock> NewClock) { return ClockSlot().Replace(std::move(NewClock)); }
