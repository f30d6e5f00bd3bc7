// What the window system holds about the program's windows, read with Xlib (stacking, owners,
// activation, mapping, frames, pixels), and input put in through it with XTest, as a person's
// mouse and keyboard would.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "XSession.h"

using XWindowId = unsigned long;

struct XRect {
  int X = 0, Y = 0, Width = 0, Height = 0;
  int CentreX() const { return X + Width / 2; }
  int CentreY() const { return Y + Height / 2; }
  bool Contains(int Px, int Py) const { return Px >= X && Py >= Y && Px < X + Width && Py < Y + Height; }
  bool operator==(const XRect&) const = default;
};

struct XColour {
  int R = 0, G = 0, B = 0;
  bool operator==(const XColour&) const = default;
};

class XDesktop {
 public:
  explicit XDesktop(XDisplay* Display) : FDisplay(Display) {}

  // --- windows -----------------------------------------------------------------------------------
  // The viewable client windows the window manager lists, bottom of the stacking first.
  std::vector<XWindowId> Clients();
  // The topmost viewable client whose title is Title; 0 when there is none.
  XWindowId FindClient(const std::string& Title);
  std::string Title(XWindowId Wnd);
  // WM_TRANSIENT_FOR, 0 when unset.
  XWindowId TransientFor(XWindowId Wnd);
  XWindowId ActiveWindow();
  bool IsShown(XWindowId Wnd);
  // The client area on the screen.
  XRect Geometry(XWindowId Wnd);
  // The window manager's allowed actions without their "_NET_WM_ACTION_" prefix ("MINIMIZE").
  std::vector<std::string> AllowedActions(XWindowId Wnd);
  // The functions field of the window's _MOTIF_WM_HINTS (what its frame lets the user do), with
  // the bits below; kMotifAll when the window sets none.
  static constexpr unsigned long kMotifAll = 1, kMotifResize = 2, kMotifMove = 4, kMotifMinimize = 8,
                                 kMotifMaximize = 16, kMotifClose = 32;
  unsigned long MotifFunctions(XWindowId Wnd);
  // Whether A is stacked above B on the screen (their top-level windows compared).
  bool IsAbove(XWindowId A, XWindowId B);
  // The client (or unmanaged window) a person sees at a screen point; 0 for the bare desktop.
  XWindowId WindowAt(int X, int Y);
  // Viewable windows of the screen that the window manager does not manage (override-redirect
  // pop-ups), bottom first.
  std::vector<XWindowId> UnmanagedWindows();

  // --- pixels ------------------------------------------------------------------------------------
  XColour Pixel(int X, int Y);
  // The pixels of a screen area, row by row.
  std::vector<XColour> Pixels(const XRect& Area);
  // Whether any pixel of the screen area has the colour.
  bool HasPixel(const XRect& Area, XColour Colour);
  // The screen as a PPM file, for looking at a failure.
  void SaveScreen(const std::string& Path);

  // --- input -------------------------------------------------------------------------------------
  void MoveTo(int X, int Y);
  void Click(int X, int Y);
  void RightClick(int X, int Y);
  void ButtonDown(int X, int Y);
  void ButtonUp();
  // Moves the pointer from where it is in steps, as a hand does, so that the program sees the
  // way and not only the end.
  void Glide(int ToX, int ToY, int Steps = 10);
  // A key by its X name with optional modifiers: "Home", "ctrl+a", "alt+Down", "shift+Tab".
  void Key(const std::string& Combo);
  // Plain ASCII text, one key per character.
  void Type(const std::string& Text);

 private:
  XWindowId TopLevelOf(XWindowId Wnd);
  std::vector<XWindowId> ScreenStacking();
  void Flush();

  XDisplay* FDisplay;
};
