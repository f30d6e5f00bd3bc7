// Scrolling: the scroll-bar codes, bars that follow what fits, painted pixels moved for short
// distances, the middle-button full-scroll mode, and the one-pixel border of the flat looks.
#include "graphics/Metrics.h"
#include "support/TreeListFixture.h"
#include "windows/Focus.h"
#include "windows/Paint.h"
#include "windows/Scrolling.h"
#include "windows/Window.h"

namespace {

class ScrollingTest : public TInputTreeListTest {
 protected:
  void VScroll(int Code) {
    SendMessage(List->Handle(), WM_VSCROLL, WPARAM(Code));
    Pump();
  }
  DWORD Style() { return DWORD(GetWindowLong(List->Handle(), GWL_STYLE)); }
  TRect TakeUpdateRect() {
    TRect r;
    const bool any = GetUpdateRect(List->Handle(), &r, false);
    ValidateRect(List->Handle(), nullptr);
    return any ? r : TRect{};
  }
};

TEST_F(ScrollingTest, VerticalCodesMoveTheTopRowAndKeepTheLastPageFull) {
  ShowList(20);
  const int page = List->FullyVisibleRowCount();
  ASSERT_EQ(page, 5);
  const std::pair<int, int> cases[] = {
      {SB_LINEDOWN, 1}, {SB_PAGEDOWN, 6}, {SB_LINEUP, 5},  {SB_BOTTOM, 15}, {SB_PAGEDOWN, 15},
      {SB_PAGEUP, 10},  {SB_TOP, 0},      {SB_LINEUP, 0},  {SB_ENDSCROLL, 0},
  };
  for (const auto& [code, top] : cases) {
    VScroll(code);
    EXPECT_EQ(List->GetTopIndex(), top) << code;
  }
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  GetScrollInfo(List->Handle(), SB_VERT, info);
  EXPECT_EQ(info.nMax, 19);
  EXPECT_EQ(int(info.nPage), 5);
}

TEST_F(ScrollingTest, TheHorizontalThumbGoesInStepsOfFour) {
  ShowList();
  List->SetOptions(List->GetOptions() & ~tloAutoWidth);
  for (int c = 0; c < 3; ++c) List->Columns(c)->SetWidth(200);
  Pump();
  ASSERT_TRUE(Style() & WS_HSCROLL);
  const int total = List->GetScrollableBandsWidth(), visible = List->GetScrollableClientWidth();
  const std::pair<int, int> cases[] = {{37, 36}, {0, 0}, {total - visible - 1, total - visible}};
  for (const auto& [thumb, left] : cases) {
    SetScrollPos(List->Handle(), SB_HORZ, thumb, false);
    SendMessage(List->Handle(), WM_HSCROLL, SB_THUMBTRACK);
    EXPECT_EQ(List->LeftCoord(), left) << thumb;
  }
  SendMessage(List->Handle(), WM_HSCROLL, SB_LINELEFT);
  EXPECT_EQ(List->LeftCoord(), total - visible - List->Metrics().HorzStep);
}

TEST_F(ScrollingTest, BothBarsGoWhenEverythingFits) {
  ShowList(8);
  List->SetOptions(List->GetOptions() & ~tloAutoWidth);
  for (int c = 0; c < 3; ++c) List->Columns(c)->SetWidth(120);
  Pump();
  ASSERT_TRUE((Style() & WS_HSCROLL) && (Style() & WS_VSCROLL));
  List->SetBounds(0, 0, 400, 300);
  Pump();
  EXPECT_FALSE(Style() & (WS_HSCROLL | WS_VSCROLL));
}

TEST_F(ScrollingTest, AShortScrollMovesThePaintedRows) {
  ShowList(20);
  TakeUpdateRect();
  const TRect rows = List->GetRowsRect();
  const int row = List->GetNodeRect(Row(0)).Height();
  // Looked at before the queue paints it.
  SendMessage(List->Handle(), WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(TakeUpdateRect(), TRect(0, rows.Bottom - row, rows.Right, rows.Bottom))
      << "only the uncovered row is painted, with the indicator's column";
  SendMessage(List->Handle(), WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(TakeUpdateRect(), List->ClientRect()) << "more than a page paints everything";
}

TEST_F(ScrollingTest, TheWheelScrollsByLines) {
  ShowList(20);
  Wheel(List, {50, 50}, -120);
  Pump();
  EXPECT_EQ(List->GetTopIndex(), 3);
}

// --- the full-scroll mode ------------------------------------------------------------------------

class FullScrollTest : public ScrollingTest {
 protected:
  void SetUp() override {
    ScrollingTest::SetUp();
    ShowList(40);
    Centre = List->ClientToScreen({100, 60});
    List->OnChangeTopVisibleNode = [this](TObject*) { Steps.push_back(TestClock().Now()); };
  }
  // Runs the mode from a middle press at the centre; Script acts while it waits for input.
  void RunMode(const std::vector<std::function<void()>>& Script) {
    for (const auto& action : Script) TestClock().OnWait(action);
    MouseAt(TMouseInput::Move, Centre);
    MouseAt(TMouseInput::Press, Centre, VK_MBUTTON);
    Pump();
  }
  TPoint Centre;
  std::vector<DWORD> Steps;
};

TEST_F(FullScrollTest, TheDistanceBelowTheIndicatorSetsTheSpeed) {
  // 40 pixels below the centre of the 32-pixel indicator: speed (40 - 16) / 5 + 1 = 5, a line every
  // 13 - 5 = 8 ticks of 20 ms.
  List->OnChangeTopVisibleNode = [this](TObject*) {
    Steps.push_back(TestClock().Now());
    if (Steps.size() == 2) KeyDown(VK_ESCAPE);
  };
  RunMode({[&] { MouseAt(TMouseInput::Release, Centre, VK_MBUTTON); },
           [&] { MouseAt(TMouseInput::Move, {Centre.X, Centre.Y + 40}); }});
  ASSERT_EQ(Steps.size(), 2u);
  EXPECT_EQ(Steps[1] - Steps[0], 160u);
  EXPECT_EQ(List->GetTopIndex(), 2);
  EXPECT_NE(GetCapture(), List->Handle()) << "the mode ended";
  KeyUp(VK_ESCAPE);
  Pump();
}

TEST_F(FullScrollTest, AnotherButtonOrALostCaptureEndsTheMode) {
  const std::vector<std::function<void()>> endings[] = {
      {[&] { MouseAt(TMouseInput::Press, Centre, VK_LBUTTON); }},
      {[&] { ReleaseCapture(); }},
      // Released after moving out: the mode ends with the release.
      {[&] { MouseAt(TMouseInput::Move, {Centre.X, Centre.Y - 30}); },
       [&] { MouseAt(TMouseInput::Move, Centre); },
       [&] { MouseAt(TMouseInput::Release, Centre, VK_MBUTTON); }},
  };
  for (const auto& ending : endings) {
    RunMode(ending);
    EXPECT_NE(GetCapture(), List->Handle());
    MouseAt(TMouseInput::Release, Centre, VK_LBUTTON);
    Pump();
  }
  EXPECT_EQ(List->GetTopIndex(), 0) << "back inside the indicator nothing scrolled";
}

// With both bars the pointer's side of the indicator picks the direction and its cursor; a quit
// request ends the mode and is passed on to the program's loop.
TEST_F(FullScrollTest, TheCursorFollowsTheDirectionAndAQuitRequestIsPassedOn) {
  List->SetOptions(List->GetOptions() & ~tloAutoWidth);
  for (int c = 0; c < 3; ++c) List->Columns(c)->SetWidth(200);
  Pump();
  ASSERT_TRUE(Style() & WS_HSCROLL);
  const std::pair<TPoint, TCursor> moves[] = {{{0, 0}, crdxTLFullScroll},     {{40, 10}, crdxTLRightScroll},
                                              {{-40, -10}, crdxTLLeftScroll}, {{10, -40}, crdxTLUpScroll},
                                              {{-10, 40}, crdxTLDownScroll},  {{5, 5}, crdxTLFullScroll}};
  std::vector<std::function<void()>> script;
  for (const auto& [offset, cursor] : moves) {
    const TPoint at{Centre.X + offset.X, Centre.Y + offset.Y};
    const TCursor expected = cursor;
    script.push_back([&, at] { MouseAt(TMouseInput::Move, at); });
    script.push_back([&, at, expected] { EXPECT_EQ(GetCursor(), Screen->Cursors(expected)) << at.X << "," << at.Y; });
  }
  script.push_back([] { PostQuitMessage(0); });
  RunMode(script);
  EXPECT_NE(GetCapture(), List->Handle());
  EXPECT_TRUE(Application->Terminated()) << "the quit request reached the loop after the mode";
}

// --- the border of the flat looks ------------------------------------------------------------------

TEST_F(ScrollingTest, TheFlatLooksDrawAOnePixelBorder) {
  ShowList(20);
  TRect window;
  GetWindowRect(List->Handle(), window);
  List->SetLookAndFeel(lfStandard);
  Pump();
  const int standardClient = List->ClientWidth();
  const std::pair<TdxLookAndFeel, TColor> looks[] = {{lfUltraFlat, clBtnShadow}, {lfFlat, clBtnShadow}};
  for (const auto& [look, topLeft] : looks) {
    List->SetLookAndFeel(look);
    Pump();
    EXPECT_EQ(List->ClientWidth(), window.Width() - 2 - GetSystemMetrics(SM_CXVSCROLL)) << look;
    EXPECT_NE(List->ClientWidth(), standardClient);
    HDC dc = GetWindowDC(List->Handle());
    EXPECT_EQ(GetPixel(dc, 0, 5), ColorToRGB(topLeft)) << look;
    ReleaseDC(List->Handle(), dc);
  }
  VScroll(SB_PAGEDOWN);
  List->SetLookAndFeel(lfUltraFlat);
  List->SetBorderStyle(bsSingle);
  Pump();
  RenderWindowToPng(Form->Handle(), "treelist_ultraflat_border.png");
  List->SetLookAndFeel(lfFlat);
  Pump();
  RenderWindowToPng(Form->Handle(), "treelist_flat_border.png");
}

}  // namespace
