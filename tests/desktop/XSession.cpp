// Starting Xvfb with -displayfd (it writes the display number it took into a pipe once it
// listens) and openbox, and waiting until openbox has announced itself on the root window.
#include "XSession.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

#include <poll.h>

namespace {

// Reads the display number the server writes when it is ready.
std::string ReadDisplayNumber(int Fd, ChildProcess& Server) {
  std::string number;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd p{Fd, POLLIN, 0};
    if (poll(&p, 1, 100) > 0) {
      char c = 0;
      if (read(Fd, &c, 1) != 1) break;
      if (c == '\n') return number;
      number += c;
    } else if (!Server.Running()) {
      break;
    }
  }
  throw std::runtime_error("Xvfb did not start (" + Server.ExitText() + ")");
}

bool HasWindowManager(XDisplay* Display) {
  const Atom check = XInternAtom(Display, "_NET_SUPPORTING_WM_CHECK", False);
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(Display, DefaultRootWindow(Display), check, 0, 1, False, XA_WINDOW, &type, &format,
                                        &count, &after, &data);
  const bool found = status == Success && count == 1;
  if (data) XFree(data);
  return found;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& Condition, std::chrono::milliseconds Timeout) {
  const auto deadline = std::chrono::steady_clock::now() + Timeout;
  for (;;) {
    if (Condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
  }
}

XSession::XSession(const std::string& LogDir) {
  StartServer(LogDir);
  FDisplay = XOpenDisplay(FDisplayName.c_str());
  if (!FDisplay) throw std::runtime_error("cannot open display " + FDisplayName);
  StartWindowManager(LogDir);
}

XSession::~XSession() {
  if (FDisplay) XCloseDisplay(FDisplay);
  FWindowManager.reset();
  FServer.reset();
}

void XSession::StartServer(const std::string& LogDir) {
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
  const std::string screen = std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24";
  FServer = std::make_unique<ChildProcess>(
      std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen, "-nolisten", "tcp",
                               "-noreset"},
      std::map<std::string, std::string>{}, LogDir + "/xvfb.log", fds[1]);
  close(fds[1]);
  try {
    FDisplayName = ":" + ReadDisplayNumber(fds[0], *FServer);
  } catch (...) {
    close(fds[0]);
    throw;
  }
  close(fds[0]);
}

void XSession::StartWindowManager(const std::string& LogDir) {
  FWindowManager = std::make_unique<ChildProcess>(std::vector<std::string>{"openbox", "--sm-disable"},
                                                  std::map<std::string, std::string>{{"DISPLAY", FDisplayName}},
                                                  LogDir + "/openbox.log");
  if (!WaitUntil([&] { return HasWindowManager(FDisplay) || !FWindowManager->Running(); }) || !FWindowManager->Running())
    throw std::runtime_error("openbox did not start on " + FDisplayName);
}
