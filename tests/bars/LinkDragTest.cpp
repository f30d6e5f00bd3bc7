// Dragging links while customising, by injected mouse input: Esc keeps everything, a link dropped
// off the bars goes (a copy with Ctrl stays), a short drag on its own place nudges the group's
// start, the halves of a separator decide the new link's group, Ctrl turns a move into a copy at
// once, and the drop mark inverts the pixels it covers and gives them back.
#include "BarsTestKit.h"
#include "bars/dxBarUtils.h"
#include "windows/Focus.h"
#include "windows/Input.h"

namespace {

class LinkDrag : public TBarsTest {
 protected:
  void SetUp() override {
    TBarsTest::SetUp();
    Form->SetClientWidth(400);
    Tools = SizedBar("Tools", {{30, 22}, {30, 22}, {-30, 22}, {30, 22}});
    Tools->SetShowMark(false);
    Dock(Tools, dsTop, 0, 0, true);
    ShowForm();
    Manager->SetCustomizing(true);
    CustomizingForm()->SetBounds(500, 400, CustomizingForm()->Width(), CustomizingForm()->Height());
    Pump();
  }
  void TearDown() override {
    Manager->SetCustomizing(false);
    TBarsTest::TearDown();
  }
  TdxBarControl* Window() const { return Tools->Control(); }
  TdxBarItemLink* LinkOf(int Index) const { return Tools->ItemLinks()->Items(Index); }
  TRect RectOf(int Index) const { return Window()->GetItemRect(LinkOf(Index)->Control()); }
  TPoint ScreenAt(int X, int Y) const { return Window()->ClientToScreen(TPoint{X, Y}); }
  // The items of the links in their order, by name.
  std::vector<String> Order() const {
    std::vector<String> names;
    for (int i = 0; i < Tools->ItemLinks()->Count(); ++i) {
      TdxBarItemLink* link = Tools->ItemLinks()->Items(i);
      names.push_back((link->OwnBeginGroup() ? "|" : "") + link->Item()->Name());
    }
    return names;
  }
  // Presses on link Index, moves off by (DX, 0) to start the drag and runs Steps in its loop.
  void DragLink(int Index, int DX, std::initializer_list<std::function<void()>> Steps) {
    const TRect r = RectOf(Index);
    const TPoint from{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    MouseDown(Window(), from);
    Pump();
    for (const auto& step : Steps) TestClock().OnWait(step);
    MouseMove(Window(), TPoint{from.X + DX, from.Y});
    Pump();
  }
  // A drag of link Index released at the screen point To (after a move there).
  void DropLink(int Index, TPoint To) {
    DragLink(Index, 3, {[=, this] { MouseAt(TMouseInput::Move, To); }, [=, this] { MouseAt(TMouseInput::Release, To); }});
  }
  TdxBar* Tools = nullptr;
};

TEST_F(LinkDrag, EscLeavesEveryBarAsItWas) {
  const std::vector<String> before = Order();
  const TRect last = RectOf(3);
  DragLink(0, 3, {[&] { MouseAt(TMouseInput::Move, ScreenAt(last.Right - 3, last.Top + 5)); },
                  [&] {
                    EXPECT_EQ(Screen->Cursor(), crdxBarDrag);
                    KeyDown(VK_ESCAPE);
                  }});
  EXPECT_EQ(Order(), before);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  EXPECT_EQ(GetCapture(), HWND());
  EXPECT_EQ(Manager->DraggedItem(), nullptr);
}

TEST_F(LinkDrag, ALinkDroppedOffTheBarsGoesAndACopyWithCtrlStays) {
  const TPoint off = Form->ClientToScreen(TPoint{200, 150});
  DragLink(1, 3, {[&] {
                    KeyDown(VK_CONTROL);
                    MouseAt(TMouseInput::Move, off);
                  },
                  [&] {
                    EXPECT_EQ(Screen->Cursor(), crdxBarDragNoDrop);
                    MouseAt(TMouseInput::Release, off);
                  }});
  KeyUp(VK_CONTROL);
  Pump();
  EXPECT_EQ(Order(), (std::vector<String>{"bb1", "bb2", "|bb3", "bb4"}));
  DropLink(1, off);
  EXPECT_EQ(Order(), (std::vector<String>{"bb1", "|bb3", "bb4"}));
}

struct TNudge {
  int Distance;
  std::vector<String> Order;
};

// Measured from the press along the bar: 3 pixels change nothing, 4 start the group, 4 back end it.
TEST_F(LinkDrag, AShortDragOnItsOwnPlaceStartsOrEndsTheGroup) {
  const TNudge cases[] = {
      {3, {"bb1", "bb2", "|bb3", "bb4"}},
      {4, {"bb1", "|bb2", "|bb3", "bb4"}},
      {-3, {"bb1", "|bb2", "|bb3", "bb4"}},
      {-4, {"bb1", "bb2", "|bb3", "bb4"}},
  };
  for (const TNudge& c : cases) {
    const TRect r = RectOf(1);
    const TPoint to = ScreenAt((r.Left + r.Right) / 2 + c.Distance, (r.Top + r.Bottom) / 2);
    DragLink(1, c.Distance, {[=, this] { MouseAt(TMouseInput::Move, to); }, [=, this] { MouseAt(TMouseInput::Release, to); }});
    EXPECT_EQ(Order(), c.Order) << c.Distance;
  }
}

// On the second half of a group's separator the link takes over the group's start; on the first
// half it goes to the end of the group before.
TEST_F(LinkDrag, TheHalvesOfASeparatorDecideTheGroup) {
  const TRect third = RectOf(2);
  const int middle = (third.Top + third.Bottom) / 2;
  DropLink(3, ScreenAt(third.Left - 2, middle));
  EXPECT_EQ(Order(), (std::vector<String>{"bb1", "bb2", "|bb4", "bb3"}));
  const TRect group = RectOf(2);
  DropLink(0, ScreenAt(group.Left - 5, middle));
  EXPECT_EQ(Order(), (std::vector<String>{"bb2", "bb1", "|bb4", "bb3"}));
}

TEST_F(LinkDrag, CtrlSwitchesBetweenMoveAndCopyAtOnce) {
  const TRect last = RectOf(3);
  const TPoint over = ScreenAt(last.Right - 3, last.Top + 5);
  std::vector<TCursor> cursors;
  DragLink(0, 3, {[&] { MouseAt(TMouseInput::Move, over); },
                  [&] {
                    cursors.push_back(Screen->Cursor());
                    KeyDown(VK_CONTROL);
                  },
                  [&] {
                    cursors.push_back(Screen->Cursor());
                    KeyUp(VK_CONTROL);
                  },
                  [&] {
                    cursors.push_back(Screen->Cursor());
                    KeyDown(VK_CONTROL);
                  },
                  [&] { MouseAt(TMouseInput::Release, over); }});
  KeyUp(VK_CONTROL);
  Pump();
  EXPECT_EQ(cursors, (std::vector<TCursor>{crdxBarDrag, crdxBarDragCopy, crdxBarDrag}));
  EXPECT_EQ(Order(), (std::vector<String>{"bb1", "bb2", "|bb3", "bb4", "bb1"}));
}

// The mark before the next control: a 2-pixel bar between caps, inverted, gone when the pointer
// leaves; a drop on the first half of the next control changes nothing and shows no mark.
TEST_F(LinkDrag, TheMarkInvertsThePixelsAndGivesThemBack) {
  const TRect third = RectOf(2), fourth = RectOf(3);
  const int middle = (fourth.Top + fourth.Bottom) / 2;
  HWND wnd = Window()->Handle();
  const TColor before = WindowPixel(wnd, fourth.Left + 2, middle);
  TColor marked = before, afterwards = before, nextToOwn = before;
  DragLink(0, 3, {[&] { MouseAt(TMouseInput::Move, ScreenAt(third.Right - 3, middle)); },
                  [&] {
                    marked = WindowPixel(wnd, fourth.Left + 2, middle);
                    MouseAt(TMouseInput::Move, ScreenAt(RectOf(1).Left + 3, middle));
                  },
                  [&] {
                    nextToOwn = WindowPixel(wnd, RectOf(1).Left + 2, middle);
                    afterwards = WindowPixel(wnd, fourth.Left + 2, middle);
                    KeyDown(VK_ESCAPE);
                  }});
  EXPECT_EQ(ColorToRGB(marked), ColorToRGB(before) ^ 0xFFFFFFu);
  EXPECT_EQ(afterwards, before);
  EXPECT_EQ(ColorToRGB(nextToOwn), ColorToRGB(WindowPixel(wnd, RectOf(1).Left + 2, middle)));
}

TEST_F(LinkDrag, AnEmptyBarTakesADrop) {
  TdxBar* empty = AddBar("Empty");
  Dock(empty, dsTop, 1, 0, true);
  Pump();
  const TPoint inside = empty->Control()->ClientToScreen(TPoint{5, 5});
  DragLink(3, 3, {[&] { MouseAt(TMouseInput::Move, inside); },
                  [&] {
                    EXPECT_EQ(Screen->Cursor(), crdxBarDrag);
                    MouseAt(TMouseInput::Release, inside);
                  }});
  ASSERT_EQ(empty->ItemLinks()->Count(), 1);
  EXPECT_EQ(empty->ItemLinks()->Items(0)->Item()->Name(), "bb4");
  EXPECT_EQ(Order(), (std::vector<String>{"bb1", "bb2", "|bb3"}));
}

}  // namespace
