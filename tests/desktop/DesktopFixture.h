// The one fixture of the desktop tests: the built program on Qt's X11 platform, started on a copy
// of the default database with a small school and a settings file of its own, on the X desktop
// the test program shares between its tests; with the steps every test takes (logging on, waiting
// for a window by its caption, reading where a control lies).
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "XDesktop.h"
#include "support/TempDir.h"

class DesktopTest : public testing::Test {
 protected:
  DesktopTest();
  void SetUp() override;
  void TearDown() override;

  // The viewable window with this caption, other than Except, once it shows and stays in its
  // place; 0 after the time-out.
  XWindowId WaitForWindow(const std::string& Title, XWindowId Except = 0);
  // What Read gives once two readings 150 ms apart agree (the last reading after the time-out).
  template <class T>
  T Settled(const std::function<T()>& Read) {
    T last = Read();
    WaitUntil([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(150));
      T now = Read();
      const bool still = now == last;
      last = std::move(now);
      return still;
    });
    return last;
  }
  // Once the window's place and size have stopped changing.
  void WaitForSettledPlace(XWindowId Wnd);
  // The pixels of a screen area once the program has stopped painting there.
  std::vector<XColour> SettledPixels(const XRect& Area);
  // Whether no window with this caption is viewable, once that is so.
  bool WaitForNoWindow(const std::string& Title);
  bool WaitForActive(XWindowId Wnd);
  // A hint: the one line of text that shows while the pointer rests on a control, a window of the
  // program's like a menu, but never the one a test waits for.
  bool IsHint(XWindowId Wnd);
  static constexpr int kHintHeight = 24;
  // The newest viewable window that is none of Known, and no hint, once one shows; 0 after the time-out.
  XWindowId WaitForNewWindow(const std::vector<XWindowId>& Known);
  // Logs on as the administrator through the log-on dialog, by typing.
  void LogOn();
  // Types the administrator's name and Password into the log-on dialog and presses 登录.
  void TypeLogOn(const std::string& Password);
  // Runs a command of the main menu by its keys: the menu's Alt key, Down Count times, then the
  // keys of Then (Enter; a sub-menu's way).
  void RunMenuCommand(const std::string& MenuKey, int Count, const std::vector<std::string>& Then = {"Return"});
  // Rests the pointer on a point and clicks there until Condition holds (a control that answers
  // the pointer only once it has seen it come); whether it came to hold.
  bool ClickUntil(int X_, int Y_, const std::function<bool()>& Condition);
  // A point of a window given in its client coordinates, on the screen.
  std::pair<int, int> At(XWindowId Wnd, int X, int Y);
  // Saves the screen as <name>.ppm in the folder QUORIN_DESKTOP_SHOTS names, when it is set.
  void Shot(const std::string& Name);
  // The program's own log (its standard output and error).
  std::string ProgramLog() const;
  // Where a test that prints puts its PDF files.
  std::string FilePath(const std::string& Name) const { return FDir.File(Name); }

  XDesktop X;
  XWindowId MainWindow = 0;

 private:
  void MakeDatabase();

  TempDir FDir;
  std::unique_ptr<ChildProcess> FProgram;
};
