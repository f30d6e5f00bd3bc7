// One replaceable application service (clock, desktop, message box, clipboard, dialogs ...): the
// program's own is made when it is first asked for, and a test installs its own in its place,
// getting back the one it replaced.
#pragma once

#include <memory>
#include <utility>

template <class Service>
class TServiceSlot {
 public:
  // The installed service; without one, the program's own, which MakeProgramService makes.
  template <class Make>
  Service& Get(Make MakeProgramService) {
    if (!FService) FService = MakeProgramService();
    return *FService;
  }
  std::unique_ptr<Service> Replace(std::unique_ptr<Service> Value) { return std::exchange(FService, std::move(Value)); }

 private:
  std::unique_ptr<Service> FService;
};
