// The GUI test harness: a fixture that runs the window layer headless on a test clock with a
// fixed desktop and a scripted message box, injects keyboard and mouse input through the layer's
// own input entry, pumps the queue until idle, and renders windows to PNG files.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "controls/Application.h"
#include "windows/Clipboard.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/Services.h"
#include "windows/SystemServices.h"
#include "windows/Timers.h"

class TBitmap;
class TCustomEdit;

// The message boxes shown, and the answers to give them (IDOK when none is left).
class TScriptedMessageBox : public TMessageBoxService {
 public:
  struct TShown {
    String Text;
    String Caption;
    UINT Flags = 0;
  };
  int Show(HWND Owner, const String& Text, const String& Caption, UINT Flags) override;
  std::vector<TShown> Shown;
  std::deque<int> Answers;
};

// The sounds, beeps, shell opens and help requests made, in order; the shell answers ShellAnswer.
class TRecordingSystemService : public TSystemService {
 public:
  struct TCall {
    String Kind;  // "sound", "beep", "open", "help"
    String Text;
    uintptr_t Value = 0;
  };
  void PlaySound(const String& Sound, DWORD Flags) override { Calls.push_back({"sound", Sound, Flags}); }
  void MessageBeep(UINT Type) override { Calls.push_back({"beep", String(), Type}); }
  bool ShellOpen(const String& Target) override {
    Calls.push_back({"open", Target, 0});
    return ShellAnswer;
  }
  bool Help(HWND, const String& File, UINT Command, uintptr_t Data) override {
    Calls.push_back({"help", File, Command});
    HelpData.push_back(Data);
    return true;
  }
  std::vector<TCall> Calls;
  std::vector<uintptr_t> HelpData;
  bool ShellAnswer = true;
};

class TGuiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TTestClock& TestClock() { return *FClock; }
  TScriptedMessageBox& MessageBoxes() { return *FMessageBox; }
  TRecordingSystemService& SystemCalls() { return *FSystem; }

  // Handles every waiting message (through the application's loop when there is one) and the
  // idle processing, until nothing is left.
  void Pump();
  // Moves the test clock, handling what falls due at each step.
  void Advance(DWORD Milliseconds);

  // Keys: a key going down and up with the text it types; modifiers are held around it.
  void KeyDown(int VirtualKey, const String& Text = String());
  void KeyUp(int VirtualKey);
  void PressKey(int VirtualKey, TShiftState Shift = 0);
  // Types each character as a key press (capitals with Shift).
  void TypeText(const String& Text);
  // Typed, then the messages the keys cause handled.
  void Type(const String& Text);
  // Replaces the text of a box by typing, as the user does: focus, select it all, delete, type.
  void Retype(TCustomEdit* Box, const String& Text);

  // Mouse input at a client point of a control.
  void MouseMove(TControl* Control, TPoint Point);
  void MouseDown(TControl* Control, TPoint Point, int Button = VK_LBUTTON);
  void MouseUp(TControl* Control, TPoint Point, int Button = VK_LBUTTON);
  void Click(TControl* Control, TPoint Point, int Button = VK_LBUTTON);
  void DoubleClick(TControl* Control, TPoint Point);
  void Wheel(TControl* Control, TPoint Point, int Delta);
  // Screen-point versions for windows without a control.
  void MouseAt(TMouseInput Action, TPoint Screen, int Button = VK_LBUTTON, int Delta = 0);

 private:
  TTestClock* FClock = nullptr;
  TScriptedMessageBox* FMessageBox = nullptr;
  std::unique_ptr<TClock> FSavedClock;
  std::unique_ptr<TDesktopService> FSavedDesktop;
  std::unique_ptr<TMessageBoxService> FSavedMessageBox;
  TRecordingSystemService* FSystem = nullptr;
  std::unique_ptr<TSystemService> FSavedSystem;
  std::unique_ptr<TClipboardService> FSavedClipboard;
};

// The native text box of a window (an edit's, a memo's, a combo box's), as tests may read and
// drive it without reaching into the window layer.
struct TNativeEditorView {
  bool Exists = false;
  String Text;
  bool Password = false;  // characters shown as the password character
  int Width = 0;
};
TNativeEditorView NativeEditorOf(HWND Wnd);
// The first and last columns of the text box's own drawing that hold dark (text) pixels;
// {Width, -1} when there are none.
std::pair<int, int> NativeEditorInkColumns(HWND Wnd);
// How many pixels of the text box's own drawing have Color (the selection's highlight, say).
int NativeEditorPixels(HWND Wnd, TColor Color);
// A key press and release given to the text box as the window system would (QtKey is a Qt key
// code), so that they reach the layer through its native-editor filter.
void SendNativeKey(HWND Wnd, int QtKey, const String& Text);
// Text an input method commits into the text box, given to it as the window system would.
void SendNativeCommit(HWND Wnd, const String& Text);

// The window's image with its visible child windows drawn over it, as the screen would show it.
// Saved as PNG under the build tree's test output folder (QUORIN_TEST_OUTPUT or the working
// directory); answers the path.
std::string RenderWindowToPng(HWND Wnd, const std::string& FileName);
// Top-level windows (a form and the pop-ups over it) drawn at their places on the screen, later
// ones over earlier ones, cut to Area (screen coordinates); saved the same way.
std::string RenderScreenToPng(const std::vector<HWND>& Windows, const TRect& Area, const std::string& FileName);
// A bitmap saved the same way, as PNG under the test output folder; answers the path.
std::string SaveBitmapToPng(const TBitmap& Bitmap, const std::string& FileName);
// The colour of a pixel of a window's image (client coordinates), as $00BBGGRR.
TColor WindowPixel(HWND Wnd, int X, int Y);
// The pixels of an area (client coordinates, row by row) with the window's visible child windows
// drawn over it, as the screen shows them.
std::vector<TColor> ComposedPixels(HWND Wnd, const TRect& Area);
