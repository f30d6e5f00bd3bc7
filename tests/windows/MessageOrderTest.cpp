// Message order: keys and their characters, posted messages after the sender returns, nested
// loops that see posted input and pass the quit message on.
#include "WindowTestKit.h"

namespace {

class MessageOrder : public TGuiTest {
 protected:
  void SetUp() override {
    TGuiTest::SetUp();
    window = std::make_unique<TLoggingWindow>(HWND(), Bounds(10, 10, 200, 100));
    SetFocus(window->Handle);
    window->Log.clear();
  }
  void TearDown() override {
    window.reset();
    TGuiTest::TearDown();
  }
  std::unique_ptr<TLoggingWindow> window;
};

TEST_F(MessageOrder, KeyPressGivesKeyDownThenCharacterThenKeyUp) {
  KeyDown('A', "a");
  KeyUp('A');
  Pump();
  const auto keys = window->Only({WM_KEYDOWN, WM_CHAR, WM_KEYUP});
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].Msg, WM_KEYDOWN);
  EXPECT_EQ(keys[0].WParam, WPARAM('A'));
  EXPECT_EQ(keys[1].Msg, WM_CHAR);
  EXPECT_EQ(keys[1].WParam, WPARAM('a'));
  EXPECT_EQ(keys[2].Msg, WM_KEYUP);
  EXPECT_NE(keys[2].LParam & (LPARAM(1) << 31), 0);
}

TEST_F(MessageOrder, KeyDownHandlerCanRemoveThePendingCharacter) {
  window->Handler = [this](TMessage& m) {
    MSG removed;
    if (m.Msg == WM_KEYDOWN && m.WParam == VK_RETURN) PeekMessage(removed, window->Handle, WM_CHAR, WM_CHAR, PM_REMOVE);
    return false;
  };
  PressKey(VK_RETURN);
  TypeText("x");
  Pump();
  const auto chars = window->Only({WM_CHAR});
  ASSERT_EQ(chars.size(), 1u);
  EXPECT_EQ(chars[0].WParam, WPARAM('x'));
}

TEST_F(MessageOrder, CharactersOfControlAndSystemKeys) {
  struct TCase {
    int Vk;
    TShiftState Shift;
    String Text;
    UINT DownMsg;
    UINT CharMsg;
    WPARAM Char;
  };
  const TCase cases[] = {
      {'C', ssCtrl, "", WM_KEYDOWN, WM_CHAR, 3},         {VK_BACK, 0, "", WM_KEYDOWN, WM_CHAR, 8},
      {VK_RETURN, 0, "\r", WM_KEYDOWN, WM_CHAR, 13},     {VK_ESCAPE, 0, "", WM_KEYDOWN, WM_CHAR, 27},
      {'F', ssAlt, "f", WM_SYSKEYDOWN, WM_SYSCHAR, 'f'}, {VK_DELETE, 0, "\x7f", WM_KEYDOWN, 0, 0},
      {VK_F10, 0, "", WM_SYSKEYDOWN, 0, 0},
  };
  for (const TCase& c : cases) {
    window->Log.clear();
    if (c.Shift & ssCtrl) KeyDown(VK_CONTROL);
    if (c.Shift & ssAlt) KeyDown(VK_MENU);
    KeyDown(c.Vk, c.Text);
    KeyUp(c.Vk);
    if (c.Shift & ssAlt) KeyUp(VK_MENU);
    if (c.Shift & ssCtrl) KeyUp(VK_CONTROL);
    Pump();
    const auto downs = window->Only({c.DownMsg});
    ASSERT_FALSE(downs.empty()) << c.Vk;
    EXPECT_EQ(downs.back().WParam, WPARAM(c.Vk));
    const auto chars = window->Only({WM_CHAR, WM_SYSCHAR});
    if (c.CharMsg == 0) {
      EXPECT_TRUE(chars.empty()) << c.Vk;
    } else {
      ASSERT_EQ(chars.size(), 1u) << c.Vk;
      EXPECT_EQ(chars[0].Msg, c.CharMsg);
      EXPECT_EQ(chars[0].WParam, c.Char);
    }
  }
}

TEST_F(MessageOrder, PostedMessagesArriveAfterTheSenderReturnsInOrder) {
  std::vector<String> order;
  window->Handler = [&](TMessage& m) {
    if (m.Msg == WM_USER) {
      PostMessage(window->Handle, WM_USER + 1, 1);
      PostMessage(window->Handle, WM_USER + 1, 2);
      SendMessage(window->Handle, WM_USER + 2);
      order.push_back("user returns");
    } else if (m.Msg == WM_USER + 1) {
      order.push_back("posted " + std::to_string(m.WParam));
    } else if (m.Msg == WM_USER + 2) {
      order.push_back("sent");
    }
    return false;
  };
  PostMessage(window->Handle, WM_USER);
  Pump();
  EXPECT_EQ(order, (std::vector<String>{"sent", "user returns", "posted 1", "posted 2"}));
}

// Typed ahead: the message a handler posts in answer to the first key (an in-place editor's
// opening character) comes before the keys already waiting; a timer tick keeps its place behind
// the input that came before it.
TEST_F(MessageOrder, APostedMessageOvertakesWaitingInputAndATimerTickDoesNot) {
  std::vector<String> order;
  window->Handler = [&](TMessage& m) {
    if (m.Msg == WM_CHAR) {
      order.push_back(String("char ") + char(m.WParam));
      if (m.WParam == 'a') PostMessage(window->Handle, WM_USER, 'a');
    } else if (m.Msg == WM_USER) {
      order.push_back(String("posted ") + char(m.WParam));
    } else if (m.Msg == WM_TIMER) {
      order.push_back("timer");
    }
    return false;
  };
  TypeText("ab");
  SetTimer(window->Handle, 1, 10);
  TestClock().Advance(10);  // the tick is queued behind the keys, nothing handled yet
  TypeText("c");
  Pump();
  EXPECT_EQ(order, (std::vector<String>{"char a", "posted a", "char b", "timer", "char c"}));
  KillTimer(window->Handle, 1);
}

TEST_F(MessageOrder, NestedLoopSeesPostedInputAndPassesTheQuitMessageOn) {
  std::vector<UINT> nested;
  int quitCode = -1;
  window->Handler = [&](TMessage& m) {
    if (m.Msg != WM_LBUTTONDOWN) return false;
    MSG msg;
    for (;;) {
      if (!GetMessage(msg, HWND(), 0, 0)) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      nested.push_back(msg.message);
      TranslateMessage(msg);
      DispatchMessage(msg);
    }
    return true;
  };
  MouseAt(TMouseInput::Press, {50, 50});
  MouseAt(TMouseInput::Release, {50, 50});
  KeyDown('Q', "q");
  PostQuitMessage(7);
  MSG msg;
  while (GetMessage(msg, HWND(), 0, 0)) {
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
  quitCode = static_cast<int>(msg.wParam);
  EXPECT_EQ(nested, (std::vector<UINT>{WM_LBUTTONUP, WM_KEYDOWN, WM_CHAR}));
  EXPECT_EQ(quitCode, 7);
  EXPECT_EQ(window->Only({WM_CHAR}).size(), 1u);
}

TEST_F(MessageOrder, PaintComesOnlyWhenNothingElseWaitsAndIsClippedToTheInvalidArea) {
  Pump();
  window->Log.clear();
  TRect paintRect;
  window->Handler = [&](TMessage& m) {
    if (m.Msg != WM_PAINT) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window->Handle, ps);
    paintRect = ps.rcPaint;
    ::FillRect(dc, TRect{0, 0, 200, 100}, CreateSolidBrush(clRed));
    EndPaint(window->Handle, ps);
    return true;
  };
  const TRect a{10, 10, 20, 20}, b{30, 5, 40, 15};
  InvalidateRect(window->Handle, &a, false);
  InvalidateRect(window->Handle, &b, false);
  PostMessage(window->Handle, WM_USER);
  Pump();
  EXPECT_EQ(window->Numbers({WM_USER, WM_PAINT}), (std::vector<UINT>{WM_USER, WM_PAINT}));
  EXPECT_EQ(paintRect, (TRect{10, 5, 40, 20}));
  EXPECT_EQ(WindowPixel(window->Handle, 15, 15), clRed);
  EXPECT_EQ(WindowPixel(window->Handle, 25, 15), clWhite);  // between the two areas
  EXPECT_EQ(WindowPixel(window->Handle, 50, 50), clWhite);

  // Drawing outside a paint pass goes to the same image; UpdateWindow paints at once.
  HDC dc = GetDC(window->Handle);
  ::FillRect(dc, TRect{60, 60, 70, 70}, CreateSolidBrush(clBlue));
  ReleaseDC(window->Handle, dc);
  EXPECT_EQ(WindowPixel(window->Handle, 65, 65), clBlue);
  window->Log.clear();
  InvalidateRect(window->Handle, nullptr, true);
  UpdateWindow(window->Handle);
  EXPECT_EQ(window->Numbers({WM_ERASEBKGND, WM_PAINT}), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
  EXPECT_EQ(WindowPixel(window->Handle, 65, 65), clRed);
}

}  // namespace
