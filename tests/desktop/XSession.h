// A private X desktop for the desktop tests: Xvfb on a display number it picks itself (so no
// other run and no developer's own display is touched), openbox managing its windows, and a
// connection to it. Also the polling wait every desktop test uses.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "ChildProcess.h"

struct _XDisplay;
using XDisplay = _XDisplay;

class XSession {
 public:
  static constexpr int kScreenWidth = 1280;
  static constexpr int kScreenHeight = 1024;

  // Starts the server and the window manager; throws when either does not come up.
  explicit XSession(const std::string& LogDir);
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  const std::string& DisplayName() const { return FDisplayName; }
  XDisplay* Display() const { return FDisplay; }

 private:
  void StartServer(const std::string& LogDir);
  void StartWindowManager(const std::string& LogDir);

  std::string FDisplayName;
  std::unique_ptr<ChildProcess> FServer;
  std::unique_ptr<ChildProcess> FWindowManager;
  XDisplay* FDisplay = nullptr;
};

// Polls Condition until it holds or Timeout passes; answers whether it held. The program under
// test runs at its own pace (a sanitised debug build on a busy machine), so waits are generous and
// a passing wait costs only the time the condition took.
bool WaitUntil(const std::function<bool()>& Condition, std::chrono::milliseconds Timeout = std::chrono::seconds(20));
