// The layer's frame: client rectangles inside borders and scroll bars, hit codes, non-client
// presses, scroll bars that hide themselves and deliver their codes, the frame painted, and
// frameless pop-ups moved and sized by their caption and edges.
#include "WindowTestKit.h"

#include "windows/NonClient.h"
#include "windows/Scrolling.h"

namespace {

constexpr DWORD kBothBars = WS_HSCROLL | WS_VSCROLL;

class NonClient : public TGuiTest {
 protected:
  void SetUp() override {
    TGuiTest::SetUp();
    form = std::make_unique<TLoggingWindow>(HWND(), Bounds(100, 100, 400, 300));
  }
  void TearDown() override {
    form.reset();
    TGuiTest::TearDown();
  }
  // A child at (10, 10) of the form, 200 x 100; its window starts at screen (110, 110).
  std::unique_ptr<TLoggingWindow> Child(DWORD Style, DWORD ExStyle = 0) {
    return std::make_unique<TLoggingWindow>(form->Handle, Bounds(10, 10, 200, 100), 0, WS_VISIBLE | Style, ExStyle);
  }
  static TRect ClientInWindow(HWND Wnd) {
    TRect window, client;
    GetWindowRect(Wnd, window);
    GetClientRect(Wnd, client);
    TPoint origin;
    ClientToScreen(Wnd, origin);
    return Bounds(origin.X - window.Left, origin.Y - window.Top, client.Width(), client.Height());
  }
  static void SetBar(HWND Wnd, int Bar, int Min, int Max, UINT Page, int Pos = 0) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = Min;
    info.nMax = Max;
    info.nPage = Page;
    info.nPos = Pos;
    SetScrollInfo(Wnd, Bar, info, true);
  }
  std::unique_ptr<TLoggingWindow> form;
};

TEST_F(NonClient, ClientRectangleLiesInsideBordersEdgesAndScrollBars) {
  struct TCase {
    DWORD Style;
    DWORD ExStyle;
    TRect Client;  // in window coordinates
  };
  const TCase cases[] = {
      {0, 0, Bounds(0, 0, 200, 100)},
      {WS_BORDER, 0, Bounds(1, 1, 198, 98)},
      {WS_BORDER | kBothBars, 0, Bounds(1, 1, 182, 82)},
      {0, WS_EX_CLIENTEDGE, Bounds(2, 2, 196, 96)},
      {WS_VSCROLL, WS_EX_CLIENTEDGE, Bounds(2, 2, 180, 96)},
      {WS_HSCROLL, WS_EX_STATICEDGE, Bounds(1, 1, 198, 82)},
      {WS_THICKFRAME, 0, Bounds(4, 4, 192, 92)},
  };
  for (const TCase& c : cases) {
    auto child = Child(c.Style, c.ExStyle);
    EXPECT_EQ(ClientInWindow(child->Handle), c.Client) << std::hex << c.Style << " " << c.ExStyle;
    TRect adjusted = Bounds(0, 0, c.Client.Width(), c.Client.Height());
    AdjustWindowRectEx(adjusted, c.Style | WS_CHILD, false, c.ExStyle);
    EXPECT_EQ(adjusted.Width(), 200);
    EXPECT_EQ(adjusted.Height(), 100);
  }
}

TEST_F(NonClient, PopupToolWindowHasASmallCaptionAndTopLevelWindowsKeepTheNativeFrame) {
  TLoggingWindow tool(form->Handle, Bounds(500, 100, 150, 80), 0, WS_VISIBLE | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                      WS_EX_TOOLWINDOW);
  // Dialog frame of 3, the small caption of 15.
  EXPECT_EQ(ClientInWindow(tool.Handle), Bounds(3, 18, 144, 59));
  TLoggingWindow top(HWND(), Bounds(100, 420, 200, 100), 0, WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | kBothBars);
  EXPECT_EQ(ClientInWindow(top.Handle), Bounds(0, 0, 184, 84));
}

TEST_F(NonClient, HitCodesOverTheFrameParts) {
  auto child = Child(WS_BORDER | kBothBars);
  TLoggingWindow popup(form->Handle, Bounds(600, 100, 150, 100), 0, WS_VISIBLE | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
  struct TCase {
    HWND Wnd;
    TPoint Screen;
    LRESULT Hit;
  };
  const HWND c = child->Handle, p = popup.Handle;
  const TCase cases[] = {
      {c, {150, 150}, HTCLIENT},  {c, {110, 150}, HTBORDER},     {c, {300, 150}, HTVSCROLL},
      {c, {150, 200}, HTHSCROLL}, {c, {300, 200}, HTGROWBOX},    {c, {400, 150}, HTNOWHERE},
      {p, {601, 150}, HTLEFT},    {p, {748, 150}, HTRIGHT},      {p, {700, 101}, HTTOP},
      {p, {700, 198}, HTBOTTOM},  {p, {601, 101}, HTTOPLEFT},    {p, {748, 198}, HTBOTTOMRIGHT},
      {p, {610, 110}, HTCAPTION}, {p, {735, 113}, HTCLOSE},      {p, {700, 150}, HTCLIENT},
  };
  for (const TCase& t : cases)
    EXPECT_EQ(SendMessage(t.Wnd, WM_NCHITTEST, 0, PointToLParam(t.Screen)), t.Hit) << t.Screen.X << "," << t.Screen.Y;
}

TEST_F(NonClient, PressOnTheFrameArrivesAsANonClientMessageWithScreenPointAndHitCode) {
  auto child = Child(WS_BORDER);
  MouseAt(TMouseInput::Press, {110, 150});
  MouseAt(TMouseInput::Release, {110, 150});
  Pump();
  const auto presses = child->Only({WM_NCLBUTTONDOWN, WM_LBUTTONDOWN});
  ASSERT_EQ(presses.size(), 1u);
  EXPECT_EQ(presses[0].Msg, UINT(WM_NCLBUTTONDOWN));
  EXPECT_EQ(presses[0].WParam, WPARAM(HTBORDER));
  EXPECT_EQ(LParamToPoint(presses[0].LParam), (TPoint{110, 150}));
}

TEST_F(NonClient, FrameChangedAsksForTheClientRectangleAgain) {
  auto child = Child(0);
  int inset = 0;
  child->Handler = [&](TMessage& m) {
    if (m.Msg != WM_NCCALCSIZE) return false;
    InflateRect(reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0], -inset, -inset);
    return true;
  };
  inset = 5;
  child->Log.clear();
  SetWindowPos(child->Handle, HWND(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(ClientInWindow(child->Handle), Bounds(5, 5, 190, 90));
  const auto sizes = child->Only({WM_SIZE});
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_EQ(sizes[0].LParam, MAKELPARAM(190, 90));
}

// A window that draws a frame of its own narrows the rectangle before the default handling: the
// scroll bar lies inside that frame, and the frame itself is nowhere for the layer.
TEST_F(NonClient, OwnFrameAroundTheLayersFrame) {
  auto child = Child(WS_VSCROLL);
  child->Handler = [](TMessage& m) {
    if (m.Msg == WM_NCCALCSIZE) InflateRect(reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0], -1, -1);
    return false;
  };
  SetWindowPos(child->Handle, HWND(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(ClientInWindow(child->Handle), Bounds(1, 1, 182, 98));
  EXPECT_EQ(SendMessage(child->Handle, WM_NCHITTEST, 0, PointToLParam({110, 150})), HTNOWHERE);
  EXPECT_EQ(SendMessage(child->Handle, WM_NCHITTEST, 0, PointToLParam({300, 150})), HTVSCROLL);
  EXPECT_EQ(SendMessage(child->Handle, WM_NCHITTEST, 0, PointToLParam({309, 150})), HTNOWHERE);
}

TEST_F(NonClient, APageThatCoversTheRangeHidesTheBarAndSendsSize) {
  auto child = Child(WS_BORDER | kBothBars);
  SetBar(child->Handle, SB_VERT, 0, 99, 10);
  child->Log.clear();
  SetBar(child->Handle, SB_VERT, 0, 99, 100);
  EXPECT_FALSE(GetWindowLong(child->Handle, GWL_STYLE) & WS_VSCROLL);
  ASSERT_EQ(child->Only({WM_SIZE}).size(), 1u);
  EXPECT_EQ(child->Only({WM_SIZE})[0].LParam, MAKELPARAM(198, 82));

  // The page alone never brings the bar back; a range that needs it does.
  SCROLLINFO page;
  page.fMask = SIF_PAGE;
  page.nPage = 10;
  SetScrollInfo(child->Handle, SB_VERT, page, true);
  EXPECT_FALSE(GetWindowLong(child->Handle, GWL_STYLE) & WS_VSCROLL);
  SetBar(child->Handle, SB_VERT, 0, 199, 10);
  EXPECT_TRUE(GetWindowLong(child->Handle, GWL_STYLE) & WS_VSCROLL);

  // With SIF_DISABLENOSCROLL a covered range disables the bar instead.
  SCROLLINFO disable;
  disable.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
  disable.nMax = 9;
  disable.nPage = 10;
  SetScrollInfo(child->Handle, SB_VERT, disable, true);
  EXPECT_TRUE(GetWindowLong(child->Handle, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(NonClient, PositionIsKeptWithinRangeLessPage) {
  auto child = Child(kBothBars);
  SetBar(child->Handle, SB_HORZ, 0, 99, 10, 95);
  EXPECT_EQ(GetScrollPos(child->Handle, SB_HORZ), 90);
  EXPECT_EQ(SetScrollPos(child->Handle, SB_HORZ, -5, true), 90);
  EXPECT_EQ(GetScrollPos(child->Handle, SB_HORZ), 0);
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  GetScrollInfo(child->Handle, SB_HORZ, info);
  EXPECT_EQ(info.nMax, 99);
  EXPECT_EQ(info.nPage, 10u);
  EXPECT_EQ(info.nTrackPos, 0);
}

// The vertical bar of the child: arrows of 16, a track of 50 from window y 17, a thumb of 8.
TEST_F(NonClient, DraggingTheThumbDeliversTrackThenPositionWithTheTrackPositionReadable) {
  auto child = Child(WS_BORDER | kBothBars);
  SetBar(child->Handle, SB_VERT, 0, 99, 10);
  std::vector<int> trackPositions;
  child->Handler = [&](TMessage& m) {
    if (m.Msg == WM_VSCROLL && LOWORD(m.WParam) == SB_THUMBTRACK) {
      SCROLLINFO info;
      info.fMask = SIF_TRACKPOS | SIF_POS;
      GetScrollInfo(child->Handle, SB_VERT, info);
      trackPositions.push_back(info.nTrackPos);
      EXPECT_EQ(info.nPos, 0);  // the position moves only when the window sets it
    }
    return false;
  };
  const TPoint thumb{110 + 191, 110 + 20};
  MouseAt(TMouseInput::Move, thumb);
  MouseAt(TMouseInput::Press, thumb);
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, {thumb.X, thumb.Y + 21}); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, {thumb.X + 30, thumb.Y + 200}); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Release, {thumb.X + 30, thumb.Y + 200}); });
  Pump();
  const std::vector<std::pair<int, int>> expected = {
      {SB_THUMBTRACK, 45}, {SB_THUMBTRACK, 90}, {SB_THUMBPOSITION, 90}, {SB_ENDSCROLL, 0}};
  EXPECT_EQ(child->ScrollCodes(WM_VSCROLL), expected);
  EXPECT_EQ(trackPositions, (std::vector<int>{45, 90}));
  EXPECT_EQ(GetScrollPos(child->Handle, SB_VERT), 0);
  EXPECT_EQ(GetCapture(), HWND());
}

TEST_F(NonClient, HeldArrowRepeatsOnTheClockAndPageAreaStopsAtTheThumb) {
  auto child = Child(WS_BORDER | kBothBars);
  SetBar(child->Handle, SB_VERT, 0, 99, 10);
  // The window follows the codes, so the thumb moves towards the pointer.
  child->Handler = [&](TMessage& m) {
    if (m.Msg != WM_VSCROLL) return false;
    const int code = LOWORD(m.WParam);
    const int pos = GetScrollPos(child->Handle, SB_VERT);
    if (code == SB_LINEDOWN) SetScrollPos(child->Handle, SB_VERT, pos + 1, true);
    if (code == SB_PAGEDOWN) SetScrollPos(child->Handle, SB_VERT, pos + 10, true);
    return true;
  };
  const TPoint downArrow{110 + 191, 110 + 75};
  MouseAt(TMouseInput::Move, downArrow);
  MouseAt(TMouseInput::Press, downArrow);
  TestClock().OnWait([&] { TestClock().Advance(199); });
  TestClock().OnWait([&] { TestClock().Advance(1); });
  TestClock().OnWait([&] { TestClock().Advance(50); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Release, downArrow); });
  Pump();
  const std::vector<std::pair<int, int>> arrows = {{SB_LINEDOWN, 0}, {SB_LINEDOWN, 0}, {SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}};
  EXPECT_EQ(child->ScrollCodes(WM_VSCROLL), arrows);
  EXPECT_EQ(GetScrollPos(child->Handle, SB_VERT), 3);

  // Page area just below the thumb at y 17 + 8: pages until the thumb reaches the pointer.
  child->Log.clear();
  SetScrollPos(child->Handle, SB_VERT, 0, true);
  const TPoint page{110 + 191, 110 + 40};
  MouseAt(TMouseInput::Move, page);
  MouseAt(TMouseInput::Press, page);
  for (int i = 0; i < 6; ++i) TestClock().OnWait([&] { TestClock().Advance(200); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Release, page); });
  Pump();
  const auto codes = child->ScrollCodes(WM_VSCROLL);
  ASSERT_GE(codes.size(), 2u);
  EXPECT_EQ(codes.back().first, SB_ENDSCROLL);
  // The thumb (window y 17 + 42 * pos / 90, 8 high) reaches the pointer at y 40 with position 40.
  EXPECT_EQ(GetScrollPos(child->Handle, SB_VERT), 40);
}

TEST_F(NonClient, FrameWithBorderAndBothScrollBarsIsPainted) {
  auto child = Child(WS_BORDER | kBothBars);
  SetBar(child->Handle, SB_VERT, 0, 99, 10, 45);
  SetBar(child->Handle, SB_HORZ, 0, 99, 50, 0);
  child->Handler = [&](TMessage& m) {
    if (m.Msg != WM_PAINT) return false;
    PAINTSTRUCT ps;
    BeginPaint(child->Handle, ps);
    FillRect(ps.hdc, ps.rcPaint, CreateSolidBrush(clWhite));
    EndPaint(child->Handle, ps);
    return true;
  };
  Pump();
  HDC dc = GetWindowDC(child->Handle);
  EXPECT_EQ(ColorToRGB(GetPixel(dc, 0, 50)), ColorToRGB(clWindowFrame));        // border
  EXPECT_EQ(ColorToRGB(GetPixel(dc, 190, 90)), ColorToRGB(clBtnFace));          // corner box
  EXPECT_EQ(ColorToRGB(GetPixel(dc, 50, 50)), ColorToRGB(clWhite));             // client
  EXPECT_EQ(ColorToRGB(GetPixel(dc, 191, 4)), ColorToRGB(clBtnFace));           // up arrow face
  // The thumb at position 45 starts at window y 38: raised, with its inner highlight.
  EXPECT_EQ(ColorToRGB(GetPixel(dc, 184, 39)), ColorToRGB(clBtnHighlight));
  ReleaseDC(child->Handle, dc);

  // The same bar in the flat style has no raised edge.
  TLoggingWindow flat(form->Handle, Bounds(10, 150, 200, 100), 0, WS_VISIBLE | WS_BORDER | kBothBars);
  ASSERT_TRUE(InitializeFlatSB(flat.Handle));
  FlatSB_SetScrollProp(flat.Handle, WSB_PROP_VSTYLE | WSB_PROP_HSTYLE, FSB_FLAT_MODE, true);
  SetBar(flat.Handle, SB_VERT, 0, 99, 10, 45);
  SetBar(flat.Handle, SB_HORZ, 0, 99, 50, 0);
  Pump();
  dc = GetWindowDC(flat.Handle);
  EXPECT_EQ(ColorToRGB(GetPixel(dc, 183, 38)), ColorToRGB(clBtnShadow));
  EXPECT_EQ(ColorToRGB(GetPixel(dc, 184, 39)), ColorToRGB(clBtnFace));
  ReleaseDC(flat.Handle, dc);
  const std::string path = RenderWindowToPng(form->Handle, "nonclient_frame.png");
  EXPECT_FALSE(path.empty());
}

TEST_F(NonClient, FramelessPopupMovesByItsCaptionAndSizesByItsEdgesWithinItsLimits) {
  TLoggingWindow popup(form->Handle, Bounds(600, 100, 200, 150), 0, WS_VISIBLE | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
  popup.Handler = [](TMessage& m) {
    if (m.Msg != WM_GETMINMAXINFO) return false;
    reinterpret_cast<MINMAXINFO*>(m.LParam)->ptMinTrackSize = {120, 80};
    return true;
  };
  // Move by the caption.
  MouseAt(TMouseInput::Move, {650, 110});
  MouseAt(TMouseInput::Press, {650, 110});
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, {630, 140}); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Release, {630, 140}); });
  Pump();
  TRect r;
  GetWindowRect(popup.Handle, r);
  EXPECT_EQ(r, Bounds(580, 130, 200, 150));
  // Size by the right edge, past the minimum width: the width stops at 120.
  popup.Log.clear();
  MouseAt(TMouseInput::Move, {778, 200});
  MouseAt(TMouseInput::Press, {778, 200});
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, {798, 200}); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, {600, 200}); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Release, {600, 200}); });
  Pump();
  GetWindowRect(popup.Handle, r);
  EXPECT_EQ(r, Bounds(580, 130, 120, 150));
  const auto sizing = popup.Only({WM_SIZING});
  ASSERT_EQ(sizing.size(), 2u);
  EXPECT_EQ(sizing[0].WParam, WPARAM(WMSZ_RIGHT));
  // Over an edge the cursor is the sizing one.
  MouseAt(TMouseInput::Move, {698, 200});
  Pump();
  EXPECT_EQ(GetCursor(), HCURSOR(IDC_SIZEWE));
  // Escape puts the window back.
  popup.Log.clear();
  MouseAt(TMouseInput::Press, {698, 200});
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, {750, 200}); });
  TestClock().OnWait([&] { KeyDown(VK_ESCAPE); });
  Pump();
  EXPECT_EQ(popup.Only({WM_SIZING}).size(), 1u);
  GetWindowRect(popup.Handle, r);
  EXPECT_EQ(r, Bounds(580, 130, 120, 150));
  EXPECT_EQ(GetCapture(), HWND());
}

TEST_F(NonClient, MaximisingTakesTheSizeAndPlaceTheWindowAsksFor) {
  TLoggingWindow top(HWND(), Bounds(50, 50, 200, 100));
  top.Handler = [](TMessage& m) {
    if (m.Msg != WM_GETMINMAXINFO) return false;
    auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
    EXPECT_EQ(info->ptMaxSize, (TPoint{1024, 738}));
    info->ptMaxSize = {500, 400};
    info->ptMaxPosition = {10, 20};
    return true;
  };
  ShowWindow(top.Handle, SW_SHOWMAXIMIZED);
  TRect r;
  GetWindowRect(top.Handle, r);
  EXPECT_EQ(r, Bounds(10, 20, 500, 400));
  ShowWindow(top.Handle, SW_RESTORE);
  GetWindowRect(top.Handle, r);
  EXPECT_EQ(r, Bounds(50, 50, 200, 100));
}

TEST_F(NonClient, CloseButtonClosesOnlyWhenReleasedOverIt) {
  bool closed = false;
  TLoggingWindow popup(form->Handle, Bounds(600, 100, 150, 100), 0, WS_VISIBLE | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  popup.Handler = [&](TMessage& m) {
    if (m.Msg != WM_CLOSE) return false;
    closed = true;
    return true;
  };
  SetActiveWindow(popup.Handle);
  Pump();
  EXPECT_EQ(WindowPixel(popup.Handle, 5, -10), TColor(ColorToRGB(clActiveCaption)));
  EXPECT_FALSE(RenderWindowToPng(popup.Handle, "popup_caption.png").empty());
  const TPoint button{735, 113};
  MouseAt(TMouseInput::Move, button);
  MouseAt(TMouseInput::Press, button);
  TestClock().OnWait([&] { MouseAt(TMouseInput::Move, {700, 113}); });
  TestClock().OnWait([&] { MouseAt(TMouseInput::Release, {700, 113}); });
  Pump();
  EXPECT_FALSE(closed);
  MouseAt(TMouseInput::Move, button);
  MouseAt(TMouseInput::Press, button);
  TestClock().OnWait([&] { MouseAt(TMouseInput::Release, button); });
  Pump();
  EXPECT_TRUE(closed);
}

}  // namespace
