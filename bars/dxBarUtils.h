// Free routines of the command bars: caption text, edit widths, fonts, the work area at a point,
// mouse-button state, draining pending paint and mouse messages, menu sounds, and mouse-leave
// tracking for hot tracking in bar windows.
#pragma once

#include <functional>

#include "bars/dxBarCommon.h"
#include "graphics/Font.h"
#include "windows/Messages.h"
#include "windows/Timers.h"

// The caption without accelerator marks: "&&" becomes "&", an "&" at the end stays.
String StripAccelerators(const String& S);
// The width of an edit item or of a user-sized link, held to 20..600 pixels.
void CheckEditWidth(int& Width);
// The height of the small caption of floating bars (SM_CYSMCAPTION).
int GetSmallCaptionHeight();
// A new handle of Font's logical font.
HFONT CopyFontHandle(const TFont& Font);
// Handle becomes a copy of Font; with UseSystemSize its height is the icon-title font's, and
// never less than 11 pixels.
void CreateBarFontHandle(const TFont& Font, HFONT& Handle, bool UseSystemSize);
// The work area of the monitor nearest to a screen point.
TRect GetWorkAreaAtPoint(TPoint P);
// The left and right buttons as the user holds them (swapped when the buttons are swapped).
bool IsPrimaryButtonDown();
bool IsSecondaryButtonDown();

// Take and dispatch the waiting paint (or mouse) messages; a waiting WM_QUIT is posted again with
// its exit code and ends the loop.
void DispatchPendingPaintMessages();
void DispatchPendingMouseMessages();

enum TdxBarMenuSound { msMenuPopup, msMenuCommand };
// Plays "MenuPopup" or "MenuCommand" without waiting and without a default sound.
void PlayMenuSound(TdxBarMenuSound Sound);

// The screen cursors of the bars: dragging a link, dragging a copy, no drop possible, sizing an
// edit item's width.
enum : int { crdxBarDrag = 1041, crdxBarDragCopy = 1042, crdxBarDragNoDrop = 1043, crdxBarEditSizing = 1044 };
// Puts the four cursors into the screen's cursor table when it lacks them.
void LoadBarCursors();

// Mouse-leave tracking of bar windows: the window hears WM_MOUSELEAVE when the mouse leaves it.
// One window is tracked at a time; beginning to track another ends the first one's tracking
// with its WM_MOUSELEAVE.
void BeginMouseLeaveTracking(HWND Wnd);
void EndMouseLeaveTracking(HWND Wnd);
bool IsMouseLeaveTracked(HWND Wnd);

// A thread timer (no window) whose routine runs from the GUI thread's message loop. Starting it
// again restarts its interval; it stops when its owner goes.
class TdxBarThreadTimer {
 public:
  TdxBarThreadTimer() = default;
  ~TdxBarThreadTimer() { Stop(); }
  TdxBarThreadTimer(const TdxBarThreadTimer&) = delete;
  TdxBarThreadTimer& operator=(const TdxBarThreadTimer&) = delete;
  void Start(UINT Interval, std::function<void()> Routine);
  void Stop();
  bool Running() const { return FId != 0; }

 private:
  UINT_PTR FId = 0;
};
