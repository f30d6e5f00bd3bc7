// Capture loops driven by injected input: they see every window's input, end on their own rules
// (Escape, a press outside), on a lost capture, and pass the quit message on.
#include "WindowTestKit.h"

#include "windows/ModalLoop.h"

namespace {

class ModalLoop : public TGuiTest {
 protected:
  void SetUp() override {
    TGuiTest::SetUp();
    form = std::make_unique<TLoggingWindow>(HWND(), Bounds(100, 100, 300, 200));
    menu = std::make_unique<TLoggingWindow>(form->Handle, Bounds(150, 150, 80, 60), 0, WS_VISIBLE | WS_POPUP, WS_EX_TOPMOST);
    SetFocus(form->Handle);
    Pump();
  }
  void TearDown() override {
    menu.reset();
    form.reset();
    TGuiTest::TearDown();
  }
  // A menu's loop: moves are dispatched, Escape and presses outside the menu end it.
  TLoopEnd RunMenuLoop() {
    return RunCaptureLoop(menu->Handle, [this](MSG& msg) {
      if (IsMouseMessage(msg) || IsKeyboardMessage(msg)) seen.push_back(msg.message);
      if (IsEscapeKey(msg) || IsPressOutside(msg, menu->Handle)) return TLoopVerdict::End;
      return TLoopVerdict::Dispatch;
    });
  }
  std::unique_ptr<TLoggingWindow> form, menu;
  std::vector<UINT> seen;
};

TEST_F(ModalLoop, EndsOnEscapeTypedIntoAnotherWindow) {
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, {160, 160}); });
  TestClock().OnWait([&] { KeyDown(VK_ESCAPE); });
  EXPECT_EQ(RunMenuLoop(), TLoopEnd::Ended);
  EXPECT_EQ(seen, (std::vector<UINT>{WM_MOUSEMOVE, WM_KEYDOWN}));
  EXPECT_EQ(GetCapture(), HWND());
  EXPECT_EQ(menu->Only({WM_MOUSEMOVE}).size(), 1u);
}

TEST_F(ModalLoop, EndsOnAPressOutsideButNotInside) {
  TestClock().OnWait([&] { MouseAt(TMouseInput::Press, {170, 170}); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Release, {170, 170}); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Press, {350, 250}); });
  EXPECT_EQ(RunMenuLoop(), TLoopEnd::Ended);
  EXPECT_EQ(seen, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN}));
  // The release of the outside press is left for the loops outside.
  MouseAt(TMouseInput::Release, {350, 250});
  Pump();
  EXPECT_EQ(form->Only({WM_LBUTTONUP}).size(), 1u);
}

TEST_F(ModalLoop, QuitMessageSurvivesTheLoop) {
  TestClock().OnWait([&] { PostQuitMessage(7); });
  EXPECT_EQ(RunMenuLoop(), TLoopEnd::Quit);
  MSG msg;
  EXPECT_FALSE(GetMessage(msg, HWND(), 0, 0));
  EXPECT_EQ(msg.message, UINT(WM_QUIT));
  EXPECT_EQ(msg.wParam, WPARAM(7));
}

TEST_F(ModalLoop, EndsWhenAnotherWindowTakesTheCapture) {
  TestClock().OnWait([&] {
    SetCapture(form->Handle);
    MouseAt(TMouseInput::Move, {120, 120});
  });
  EXPECT_EQ(RunMenuLoop(), TLoopEnd::CaptureLost);
  EXPECT_EQ(GetCapture(), form->Handle);
}

struct TDragGesture {
  const char* Name;
  std::function<void()> Input;
  bool Dragged;
};

// The gesture starts once the pointer leaves the 4 x 4 square round the press; a release, Escape
// or a lost capture before that is no drag.
TEST_F(ModalLoop, DragDetectAnswersWhetherThePointerLeftTheDragSquare) {
  const TDragGesture cases[] = {
      {"inside, then released",
       [this] {
         MouseAt(TMouseInput::Move, {161, 161});
         MouseAt(TMouseInput::Release, {161, 161});
       },
       false},
      {"out right", [this] { MouseAt(TMouseInput::Move, {162, 160}); }, true},
      {"out up", [this] { MouseAt(TMouseInput::Move, {160, 157}); }, true},
      {"escape", [this] { KeyDown(VK_ESCAPE); }, false},
      {"capture lost",
       [this] {
         SetCapture(form->Handle);
         MouseAt(TMouseInput::Move, {161, 160});
       },
       false},
  };
  for (const auto& c : cases) {
    MouseAt(TMouseInput::Move, {160, 160});
    MouseAt(TMouseInput::Press, {160, 160});
    Pump();
    TestClock().OnWait(c.Input);
    EXPECT_EQ(DragDetect(menu->Handle, {160, 160}), c.Dragged) << c.Name;
    EXPECT_NE(GetCapture(), menu->Handle) << c.Name;
    ReleaseCapture();
    MouseAt(TMouseInput::Release, {160, 160});
    KeyUp(VK_ESCAPE);
    Pump();
  }
}

}  // namespace
