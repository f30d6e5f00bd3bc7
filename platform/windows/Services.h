// Application-wide services that tests replace: the desktop (screen, work area, wheel lines), the
// message box, the cursor shapes, and the sink for exceptions that reach the boundary between the
// native event loop and the layer.
#pragma once

#include <exception>
#include <functional>
#include <memory>

#include "windows/Messages.h"

class TDesktopService {
 public:
  virtual ~TDesktopService() = default;
  virtual TRect ScreenRect() const = 0;
  // The screen less the task bar: where maximised windows go.
  virtual TRect WorkArea() const = 0;
  virtual int WheelScrollLines() const { return 3; }
  // The monitor that holds a screen point (the nearest one when none does) and its work area.
  virtual TRect MonitorRectAt(TPoint) const { return ScreenRect(); }
  virtual TRect WorkAreaAt(TPoint) const { return WorkArea(); }
};

// A desktop of fixed size, for tests and for a program without a screen.
class TFixedDesktop : public TDesktopService {
 public:
  TFixedDesktop(TRect Screen, TRect WorkArea) : FScreen(Screen), FWorkArea(WorkArea) {}
  TRect ScreenRect() const override { return FScreen; }
  TRect WorkArea() const override { return FWorkArea; }

 private:
  TRect FScreen;
  TRect FWorkArea;
};

TDesktopService& Desktop();
// Installs a desktop and answers the previous one (the program's follows the primary screen).
std::unique_ptr<TDesktopService> SetDesktop(std::unique_ptr<TDesktopService> Desktop);

// Message-box flags and answers.
enum : UINT {
  MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4,
  MB_RETRYCANCEL = 0x5, MB_ICONERROR = 0x10, MB_ICONSTOP = 0x10,
  MB_ICONQUESTION = 0x20, MB_ICONEXCLAMATION = 0x30, MB_ICONWARNING = 0x30,
  MB_ICONINFORMATION = 0x40, MB_DEFBUTTON2 = 0x100,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

class TMessageBoxService {
 public:
  virtual ~TMessageBoxService() = default;
  // Shows the box and answers the button pressed (IDOK ...).
  virtual int Show(HWND Owner, const String& Text, const String& Caption, UINT Flags) = 0;
};

std::unique_ptr<TMessageBoxService> SetMessageBoxService(std::unique_ptr<TMessageBoxService> Service);
int MessageBox(HWND Owner, const String& Text, const String& Caption, UINT Flags);

// Cursors: a cursor is a number. Standard cursors have the original system's numbers (IDC_*);
// RegisterCursor hands out numbers for cursors that controls draw themselves.
using HCURSOR = intptr_t;
enum : HCURSOR {
  IDC_ARROW = 32512, IDC_IBEAM = 32513, IDC_WAIT = 32514, IDC_CROSS = 32515, IDC_UPARROW = 32516,
  IDC_SIZENWSE = 32642, IDC_SIZENESW = 32643, IDC_SIZEWE = 32644, IDC_SIZENS = 32645,
  IDC_SIZEALL = 32646, IDC_NO = 32648, IDC_HAND = 32649, IDC_APPSTARTING = 32650, IDC_HELP = 32651,
};
HCURSOR LoadCursor(HCURSOR StandardId);
// Makes Cursor the shape shown now; answers the previous one. The shape is applied through the
// cursor hook (the bridge maps standard cursors to native shapes; drawn cursors come later).
HCURSOR SetCursor(HCURSOR Cursor);
HCURSOR GetCursor();
using TCursorHook = std::function<void(HCURSOR Cursor)>;
TCursorHook SetCursorHook(TCursorHook Hook);

// Where exceptions go that reach the boundary between a native event and the layer (the
// application installs its handler; without one they are written to standard error).
using TExceptionSink = std::function<void(std::exception_ptr Error)>;
TExceptionSink SetExceptionSink(TExceptionSink Sink);
void HandleBoundaryException(std::exception_ptr Error);
