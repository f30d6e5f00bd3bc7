// Hooks inside the dispatcher and timers on the test clock.
#include "WindowTestKit.h"
#include "windows/Hooks.h"

namespace {

class HooksAndTimers : public TGuiTest {
 protected:
  void SetUp() override {
    TGuiTest::SetUp();
    left = std::make_unique<TLoggingWindow>(HWND(), Bounds(0, 0, 100, 100));
    right = std::make_unique<TLoggingWindow>(HWND(), Bounds(200, 0, 100, 100));
    SetFocus(left->Handle);
    Pump();
    left->Log.clear();
    right->Log.clear();
  }
  void TearDown() override {
    left.reset();
    right.reset();
    TGuiTest::TearDown();
  }
  std::unique_ptr<TLoggingWindow> left, right;
};

TEST_F(HooksAndTimers, KeyboardHookSwallowsAKeyBeforeAnyWindowSeesIt) {
  std::vector<WPARAM> seen;
  HHOOK hook = 0;
  hook = SetWindowsHookEx(WH_KEYBOARD, [&](int code, WPARAM key, LPARAM data) -> LRESULT {
    seen.push_back(key);
    if (key == 'S') return 1;
    return CallNextHookEx(hook, code, key, data);
  });
  TypeText("sa");
  Pump();
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(seen, (std::vector<WPARAM>{'S', 'S', 'A', 'A'}));
  const auto keys = left->Only({WM_KEYDOWN, WM_CHAR});
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].WParam, WPARAM('A'));
  EXPECT_EQ(keys[1].WParam, WPARAM('a'));
}

// The queue's key state (GetKeyState) follows a key once it is taken from the queue, whether a
// hook discards it or not; the hook sees the state before the key. The keyboard's own state
// (GetAsyncKeyState) follows the input as it arrives.
TEST_F(HooksAndTimers, AKeyAHookDiscardsStillChangesTheKeyStateAfterTheHook) {
  struct TSeen {
    int Queue, Keyboard;
  };
  std::vector<TSeen> inHook;
  HHOOK hook = 0;
  hook = SetWindowsHookEx(WH_KEYBOARD, [&](int, WPARAM key, LPARAM) -> LRESULT {
    if (key != VK_MENU) return 0;
    inHook.push_back({GetKeyState(VK_MENU) < 0, GetAsyncKeyState(VK_MENU) < 0});
    return 1;  // Alt goes to no window, down or up
  });
  KeyDown(VK_MENU);
  Pump();
  const bool downAfterPress = GetKeyState(VK_MENU) < 0;
  KeyUp(VK_MENU);
  KeyDown('A', "a");
  KeyUp('A');
  EXPECT_LT(GetKeyState(VK_MENU), 0) << "not yet taken from the queue";
  EXPECT_GE(GetAsyncKeyState(VK_MENU), 0);
  Pump();
  UnhookWindowsHookEx(hook);
  ASSERT_EQ(inHook.size(), 2u);
  EXPECT_EQ(inHook[0].Queue, 0) << "the hook sees the state before the key";
  EXPECT_EQ(inHook[0].Keyboard, 1);
  EXPECT_EQ(inHook[1].Queue, 1);
  EXPECT_EQ(inHook[1].Keyboard, 0);
  EXPECT_TRUE(downAfterPress);
  EXPECT_GE(GetKeyState(VK_MENU), 0) << "a discarded release still lets the key go";
  EXPECT_TRUE(left->Only({WM_SYSKEYDOWN, WM_SYSKEYUP}).empty());
  // The letter after the discarded release is a plain key, not Alt+A.
  const auto letters = left->Only({WM_KEYDOWN, WM_CHAR});
  ASSERT_EQ(letters.size(), 2u);
  EXPECT_EQ(letters[1].WParam, WPARAM('a'));
}

// A hook that runs a loop on a key (a menu command opening a modal window) retrieves the key's
// release inside it: the release is newer than the press and decides the state, discarded or not.
TEST_F(HooksAndTimers, AReleaseRetrievedInsideTheHookOfItsPressLeavesTheKeyUp) {
  for (const bool discard : {true, false}) {
    SCOPED_TRACE(discard ? "discarded" : "passed on");
    HHOOK hook = 0;
    bool inLoop = false;
    hook = SetWindowsHookEx(WH_KEYBOARD, [&](int, WPARAM key, LPARAM data) -> LRESULT {
      const bool release = (static_cast<uintptr_t>(data) & 0x80000000u) != 0;
      if (key != VK_RETURN || release || inLoop) return discard ? 1 : 0;
      inLoop = true;
      Pump();
      inLoop = false;
      return discard ? 1 : 0;
    });
    PressKey(VK_RETURN);
    Pump();
    UnhookWindowsHookEx(hook);
    EXPECT_GE(GetKeyState(VK_RETURN), 0);
  }
}

TEST_F(HooksAndTimers, HooksRunNewestFirstAndMayBeRemovedFromInsideAHook) {
  std::vector<int> calls;
  HHOOK first = 0, second = 0;
  first = SetWindowsHookEx(WH_KEYBOARD, [&](int code, WPARAM w, LPARAM l) -> LRESULT {
    calls.push_back(1);
    return CallNextHookEx(first, code, w, l);
  });
  second = SetWindowsHookEx(WH_KEYBOARD, [&](int code, WPARAM w, LPARAM l) -> LRESULT {
    calls.push_back(2);
    UnhookWindowsHookEx(second);  // removes itself while it runs, and still passes on
    return CallNextHookEx(second, code, w, l);
  });
  KeyDown('B');
  KeyDown('C');
  Pump();
  UnhookWindowsHookEx(first);
  EXPECT_EQ(calls, (std::vector<int>{2, 1, 1}));
}

TEST_F(HooksAndTimers, MouseHookRetargetsAClick) {
  HHOOK hook = SetWindowsHookEx(WH_MOUSE, [&](int, WPARAM msg, LPARAM l) -> LRESULT {
    auto* info = reinterpret_cast<MOUSEHOOKSTRUCT*>(l);
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP) info->hwnd = right->Handle;
    return 0;
  });
  MouseAt(TMouseInput::Press, {20, 30});
  MouseAt(TMouseInput::Release, {20, 30});
  Pump();
  UnhookWindowsHookEx(hook);
  EXPECT_TRUE(left->Only({WM_LBUTTONDOWN, WM_LBUTTONUP}).empty());
  const auto clicks = right->Only({WM_LBUTTONDOWN, WM_LBUTTONUP});
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(LParamToPoint(clicks[0].LParam), (TPoint{-180, 30}));  // in the new window's coordinates
}

TEST_F(HooksAndTimers, WindowTimerFiresAtItsIntervalIsReplacedBySameIdAndDiesWithItsWindow) {
  SetTimer(left->Handle, 5, 100);
  Advance(99);
  EXPECT_TRUE(left->Only({WM_TIMER}).empty());
  Advance(1);
  EXPECT_EQ(left->Only({WM_TIMER}).size(), 1u);
  Advance(250);
  EXPECT_EQ(left->Only({WM_TIMER}).size(), 3u);  // at 200 and 300

  SetTimer(left->Handle, 5, 40);  // replaces: its interval starts again now (350)
  left->Log.clear();
  Advance(39);
  EXPECT_TRUE(left->Only({WM_TIMER}).empty());
  Advance(1);
  EXPECT_EQ(left->Only({WM_TIMER}).size(), 1u);
  EXPECT_EQ(left->Only({WM_TIMER})[0].WParam, 5u);

  left.reset();
  EXPECT_NO_THROW(Advance(1000));
  EXPECT_THROW(TestClock().WaitForInput(), EMessageLoopBlocked);  // no timer is left
}

TEST_F(HooksAndTimers, TimerPostsOnlyWhenNoneOfItsMessagesIsWaiting) {
  SetTimer(left->Handle, 1, 10);
  TestClock().Advance(100);  // ten intervals pass without the queue being read
  Pump();
  EXPECT_EQ(left->Only({WM_TIMER}).size(), 1u);
  KillTimer(left->Handle, 1);
}

TEST_F(HooksAndTimers, CallbackAndThreadTimers) {
  std::vector<UINT_PTR> fired;
  SetTimer(left->Handle, 1, 60, [&](HWND wnd, UINT msg, UINT_PTR id, DWORD) {
    EXPECT_EQ(wnd, left->Handle);
    EXPECT_EQ(msg, WM_TIMER);
    fired.push_back(id);
  });
  const UINT_PTR thread = SetTimer(HWND(), 0, 20);
  EXPECT_NE(thread, 0u);
  TestClock().Advance(60);
  std::vector<MSG> got;
  MSG msg;
  while (PeekMessage(msg, HWND(), WM_TIMER, WM_TIMER, PM_REMOVE)) {
    got.push_back(msg);
    DispatchMessage(msg);
  }
  KillTimer(HWND(), thread);
  EXPECT_EQ(fired, (std::vector<UINT_PTR>{1}));
  EXPECT_TRUE(left->Only({WM_TIMER}).empty());  // the callback took it
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].hwnd, HWND());  // the thread timer fell due first (20 ms)
  EXPECT_EQ(got[0].wParam, thread);
}

}  // namespace
