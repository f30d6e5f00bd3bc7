// The small services: drawn and standard cursors chosen through WM_SETCURSOR, the caret and its
// blinking, the clipboard and its listeners, mouse-leave tracking, sounds, beeps, shell and help
// calls, the monitor's work area, and the screen metrics that follow the desktop.
#include "WindowTestKit.h"

#include "graphics/Graphic.h"
#include "graphics/Metrics.h"
#include "windows/Caret.h"
#include "windows/Clipboard.h"
#include "windows/Cursors.h"
#include "windows/MouseTracking.h"
#include "windows/NonClient.h"
#include "windows/SystemServices.h"

namespace {

class Services : public TGuiTest {
 protected:
  void SetUp() override {
    TGuiTest::SetUp();
    window = std::make_unique<TLoggingWindow>(HWND(), Bounds(100, 100, 200, 100));
    child = std::make_unique<TLoggingWindow>(window->Handle, Bounds(20, 20, 50, 30));
    previousHook = SetCursorHook([this](HCURSOR c) { shown.push_back(c); });
    Pump();
  }
  void TearDown() override {
    SetCursorHook(previousHook);
    child.reset();
    window.reset();
    TGuiTest::TearDown();
  }
  std::unique_ptr<TLoggingWindow> window, child;
  TCursorHook previousHook;
  std::vector<HCURSOR> shown;
};

TEST_F(Services, CursorFollowsSetCursorWithTheHitCodeAndDrawnCursorsHaveImages) {
  window->Handler = [](TMessage& m) {
    if (m.Msg != WM_SETCURSOR || LOWORD(m.LParam) != HTCLIENT) return false;
    SetCursor(LoadCursor(IDC_SIZEWE));
    m.Result = 1;
    return true;
  };
  MouseAt(TMouseInput::Move, {150, 180});
  Pump();
  EXPECT_EQ(GetCursor(), HCURSOR(IDC_SIZEWE));
  const auto setCursor = window->Only({WM_SETCURSOR});
  ASSERT_FALSE(setCursor.empty());
  EXPECT_EQ(LOWORD(setCursor.back().LParam), HTCLIENT);
  EXPECT_EQ(HIWORD(setCursor.back().LParam), WM_MOUSEMOVE);

  TBitmap image, mask;
  TPoint hot;
  EXPECT_TRUE(GetCursorImage(IDC_DRAG, image, mask, hot));
  EXPECT_EQ(image.Width(), 32);
  EXPECT_FALSE(GetCursorImage(IDC_ARROW, image, mask, hot));
  TBitmap own(8, 8);
  own.Canvas()->Brush()->SetColor(clWhite);
  own.Canvas()->FillRect(TRect{0, 0, 8, 8});
  own.Canvas()->Brush()->SetColor(clRed);
  own.Canvas()->FillRect(TRect{2, 2, 6, 6});
  const HCURSOR made = CreateCursorFromBitmap(own, nullptr, {4, 4});
  ASSERT_NE(made, 0);
  ASSERT_TRUE(GetCursorImage(made, image, mask, hot));
  EXPECT_EQ(hot, (TPoint{4, 4}));
  EXPECT_EQ(mask.Canvas()->Pixel(0, 0), TColor(clWhite));  // the white surround is transparent
  EXPECT_EQ(mask.Canvas()->Pixel(3, 3), TColor(clBlack));
  SetCursor(made);
  EXPECT_EQ(shown.back(), made);
  EXPECT_TRUE(DestroyCursor(made));
}

TEST_F(Services, ScreenCursorOverridesTheControlsUntilItIsRestored) {
  ASSERT_NE(Screen, nullptr);
  EXPECT_EQ(Screen->Cursors(crDrag), HCURSOR(IDC_DRAG));
  EXPECT_EQ(Screen->Cursors(crHSplit), HCURSOR(IDC_HSPLIT));
  {
    TScreenCursorScope wait(crHourGlass);
    EXPECT_EQ(GetCursor(), HCURSOR(IDC_WAIT));
  }
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(Services, CaretInvertsItsRectangleBlinksOnTheClockAndSurvivesPainting) {
  const TColor background = WindowPixel(window->Handle, 41, 11);
  ASSERT_TRUE(CreateCaret(window->Handle, nullptr, 2, 14));
  SetCaretPos(40, 10);
  EXPECT_EQ(WindowPixel(window->Handle, 41, 11), background);  // created hidden
  ShowCaret(window->Handle);
  const TColor on = WindowPixel(window->Handle, 41, 11);
  EXPECT_NE(on, background);
  Advance(GetCaretBlinkTime());
  EXPECT_EQ(WindowPixel(window->Handle, 41, 11), background);
  Advance(GetCaretBlinkTime());
  EXPECT_EQ(WindowPixel(window->Handle, 41, 11), on);
  InvalidateRect(window->Handle, nullptr, true);
  UpdateWindow(window->Handle);
  EXPECT_EQ(WindowPixel(window->Handle, 41, 11), on);
  HideCaret(window->Handle);
  EXPECT_EQ(WindowPixel(window->Handle, 41, 11), background);
  TPoint at;
  EXPECT_TRUE(GetCaretPos(at));
  EXPECT_EQ(at, (TPoint{40, 10}));
  EXPECT_TRUE(DestroyCaret());
}

TEST_F(Services, ClipboardHoldsTextOrPictureAndTellsItsListeners) {
  AddClipboardFormatListener(window->Handle);
  Clipboard().SetAsText("测试成绩");
  EXPECT_TRUE(Clipboard().HasFormat(CF_TEXT));
  EXPECT_FALSE(Clipboard().HasFormat(CF_BITMAP));
  EXPECT_EQ(Clipboard().AsText(), "测试成绩");
  TBitmap picture(3, 2);
  Clipboard().Assign(picture);
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  TBitmap pasted;
  EXPECT_TRUE(Clipboard().GetPicture(pasted));
  EXPECT_EQ(pasted.Width(), 3);
  Pump();
  EXPECT_EQ(window->Only({WM_CLIPBOARDUPDATE}).size(), 2u);
  RemoveClipboardFormatListener(window->Handle);
  Clipboard().Clear();
  Pump();
  EXPECT_EQ(window->Only({WM_CLIPBOARDUPDATE}).size(), 2u);
  EXPECT_EQ(Clipboard().AsText(), "");
}

TEST_F(Services, MouseLeaveIsPostedOnceWhenTheMouseLeavesTheTrackedWindow) {
  MouseAt(TMouseInput::Move, {170, 170});
  Pump();
  TRACKMOUSEEVENT track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = window->Handle;
  EXPECT_TRUE(TrackMouseEvent(track));
  MouseAt(TMouseInput::Move, {180, 170});
  Pump();
  EXPECT_TRUE(window->Only({WM_MOUSELEAVE}).empty());
  TRACKMOUSEEVENT query;
  query.dwFlags = TME_QUERY;
  TrackMouseEvent(query);
  EXPECT_EQ(query.hwndTrack, window->Handle);
  MouseAt(TMouseInput::Move, {500, 500});
  MouseAt(TMouseInput::Move, {510, 500});
  Pump();
  EXPECT_EQ(window->Only({WM_MOUSELEAVE}).size(), 1u);
  // Moving into a child leaves the parent too; a cancelled tracking posts nothing.
  MouseAt(TMouseInput::Move, {170, 170});
  TrackMouseEvent(track);
  MouseAt(TMouseInput::Move, {125, 125});
  Pump();
  EXPECT_EQ(window->Only({WM_MOUSELEAVE}).size(), 2u);
  track.hwndTrack = child->Handle;
  TrackMouseEvent(track);
  track.dwFlags = TME_LEAVE | TME_CANCEL;
  TrackMouseEvent(track);
  MouseAt(TMouseInput::Move, {170, 170});
  Pump();
  EXPECT_TRUE(child->Only({WM_MOUSELEAVE}).empty());
}

TEST_F(Services, SoundsBeepsShellAndHelpAreRecorded) {
  PlaySound("MenuPopup", SND_ALIAS | SND_ASYNC | SND_NODEFAULT | SND_NOSTOP | SND_NOWAIT);
  MessageBeep(0);
  EXPECT_GT(ShellExecute(window->Handle, "OPEN", "https://example.org/", "", "", 3), 32);
  EXPECT_EQ(ShellExecute(window->Handle, "print", "a.txt", "", "", 1), intptr_t{SE_ERR_NOASSOC});
  SystemCalls().ShellAnswer = false;
  EXPECT_EQ(ShellExecute(window->Handle, "", "missing.doc", "", "", 1), intptr_t{SE_ERR_NOASSOC});
  EXPECT_TRUE(WinHelp(window->Handle, "quorin.hlp", HELP_CONTEXTPOPUP, 120));
  const auto& calls = SystemCalls().Calls;
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls[0].Kind, "sound");
  EXPECT_EQ(calls[0].Text, "MenuPopup");
  EXPECT_EQ(calls[1].Kind, "beep");
  EXPECT_EQ(calls[2].Text, "https://example.org/");
  EXPECT_EQ(calls[3].Text, "missing.doc");
  EXPECT_EQ(calls[4].Kind, "help");
  EXPECT_EQ(SystemCalls().HelpData, (std::vector<uintptr_t>{120}));
}

TEST_F(Services, WorkAreaAndWheelLinesComeFromTheDesktop) {
  TRect work;
  EXPECT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(work, (TRect{0, 0, 1024, 738}));
  EXPECT_EQ(WorkAreaAtPoint({5000, 5000}), work);
  EXPECT_EQ(MonitorRectAtPoint({10, 10}), (TRect{0, 0, 1024, 768}));
  UINT lines = 0;
  EXPECT_TRUE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
  EXPECT_EQ(lines, 3u);
}

// The screen's size in the metrics, the screen device and the sizing limits is the desktop's.
TEST_F(Services, ScreenMetricsFollowTheDesktop) {
  auto previous = SetDesktop(std::make_unique<TFixedDesktop>(TRect{0, 0, 1600, 900}, TRect{0, 0, 1600, 860}));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1600);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 900);
  HDC screen = GetDC(HWND());
  EXPECT_EQ(std::pair(GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES)), std::pair(1600, 900));
  ReleaseDC(HWND(), screen);
  EXPECT_EQ(DefaultMinMaxInfo(window->Handle).ptMaxTrackSize, (TPoint{1612, 912}));
  SetDesktop(std::move(previous));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
}

}  // namespace
