// Dragging side-bar items with the mouse: where a drop puts the item (its own place, an empty
// group, another side bar), copying with Ctrl, the cursor following Ctrl at once, headers that
// open under a drag, scrolling at the edges, the insertion mark, and the marks a window that
// takes items away sets.
#include "SideBarKit.h"

namespace {

// Large items of the default side bar: item 0 from y 22, the gap after it from 79 to 89.
constexpr int GapAfterFirst = 84;
constexpr int BeforeFirst = sbar::T + 2;

class SideBarDrag : public TSideBarTest {
 protected:
  void SetUp() override {
    TSideBarTest::SetUp();
    left = AddSideBar("sbLeft");
    left->SetDragMode(dmAutomatic);
    AddGroup(left, "一", {"甲", "乙", "丙"});
    right = AddSideBar("sbRight", 200);
    right->SetDragMode(dmAutomatic);
    AddGroup(right, "空");
    for (TdxSideBar* bar : {left, right})
      bar->OnDragDropItem = [this](TObject*, TdxSideBarItem* source, TdxSideBarItem* target, bool copy) {
        drops.push_back((source ? source->Caption() : String("-")) + ">" + (target ? target->Caption() : String("-")) +
                        (copy ? " copy" : ""));
      };
    ShowForm();
  }

  // Presses item Index of the left side bar and drags it to a point of Target.
  void DragTo(int Index, TdxSideBar* Target, TPoint At) {
    const TPoint press = sbar::Centre(sbar::LargeImage(Index));
    MouseDown(left, press);
    Pump();
    MouseMove(left, {press.X + 20, press.Y});
    Pump();
    ASSERT_TRUE(left->Dragging());
    MouseMove(Target, At);
    Pump();
  }
  void Drop(TdxSideBar* Target, TPoint At) {
    MouseUp(Target, At);
    Pump();
  }
  String Captions(TdxSideBar* Bar, int Group = 0) {
    String all;
    TdxSideBarItems* items = Bar->Groups()->Items(Group)->Items();
    for (int i = 0; i < items->Count(); ++i) all += items->Items(i)->Caption();
    return all;
  }

  TdxSideBar* left = nullptr;
  TdxSideBar* right = nullptr;
  std::vector<String> drops;
};

TEST_F(SideBarDrag, ADropOnTheItemsOwnPlaceChangesNothingAndWithCtrlInsertsACopy) {
  DragTo(0, left, {50, BeforeFirst});
  EXPECT_EQ(left->InsertMarkItem(), Item(left, 0, 0));
  EXPECT_FALSE(left->InsertMarkAfter());
  Drop(left, {50, BeforeFirst});
  EXPECT_EQ(Captions(left), "甲乙丙");
  EXPECT_EQ(drops, (std::vector<String>{"甲>-"}));

  DragTo(0, left, {50, BeforeFirst});
  KeyDown(VK_CONTROL);
  Pump();
  Drop(left, {50, BeforeFirst});
  KeyUp(VK_CONTROL);
  Pump();
  EXPECT_EQ(Captions(left), "甲甲乙丙");
  EXPECT_EQ(drops.back(), "甲>甲 copy");
  EXPECT_EQ(TdxSideBarDragObject::Current(), nullptr);
}

TEST_F(SideBarDrag, ItemsMoveAfterTheGapTheyAreDroppedInAndIntoAnEmptyGroupFirst) {
  DragTo(2, left, {50, GapAfterFirst});
  EXPECT_EQ(left->InsertMarkItem(), Item(left, 0, 0));
  EXPECT_TRUE(left->InsertMarkAfter());
  Drop(left, {50, GapAfterFirst});
  EXPECT_EQ(Captions(left), "甲丙乙");

  DragTo(1, right, {50, 150});  // anywhere in the empty group
  Drop(right, {50, 150});
  EXPECT_EQ(Captions(left), "甲乙");
  EXPECT_EQ(Captions(right), "丙");
  EXPECT_EQ(drops.back(), "丙>丙");

  // A side bar without groups gets one for the item.
  right->Groups()->Clear();
  DragTo(0, right, {50, 150});
  Drop(right, {50, 150});
  ASSERT_EQ(right->Groups()->Count(), 1);
  EXPECT_EQ(Captions(right), "甲");
  EXPECT_EQ(Captions(left), "乙");
}

// A list of stored items (any control) can drag a stored item: a side bar takes it as a new
// item linked to it, and shows the copy cursor for it.
TEST_F(SideBarDrag, AStoredItemDraggedFromAnotherControlBecomesALinkedItem) {
  auto* store = new TdxSideBarStore(Form);
  auto* stored = new TdxStoredSideItem(Form);
  stored->SetStore(store);
  stored->SetCaption("达标标准");
  TTestBox* list = AddBox("lbStored");
  list->SetBounds(120, 10, 60, 24);
  list->SetDragMode(dmAutomatic);
  list->OnStartDrag = [stored, list](TObject*, TDragObject*& drag) {
    drag = TdxSideBarDragObject::Start(list, nullptr, stored)->DragObject();
  };
  Pump();
  MouseDown(list, {10, 10});
  Pump();
  MouseMove(left, {50, GapAfterFirst});
  Pump();
  EXPECT_EQ(GetCursor(), Screen->Cursors(crdxSideBarDragCopy));
  Drop(left, {50, GapAfterFirst});
  EXPECT_EQ(Captions(left), "甲达标标准乙丙");
  EXPECT_EQ(Item(left, 0, 1)->StoredItem(), stored);
  EXPECT_EQ(drops.back(), "->达标标准");
  EXPECT_EQ(TdxSideBarDragObject::Current(), nullptr);
}

TEST_F(SideBarDrag, CtrlSwitchesTheCursorBetweenMoveAndCopyWithoutTheMouseMoving) {
  DragTo(1, left, {50, GapAfterFirst});
  EXPECT_EQ(GetCursor(), Screen->Cursors(crdxSideBarDrag));
  KeyDown(VK_CONTROL);
  Pump();
  EXPECT_EQ(GetCursor(), Screen->Cursors(crdxSideBarDragCopy));
  KeyUp(VK_CONTROL);
  Pump();
  EXPECT_EQ(GetCursor(), Screen->Cursors(crdxSideBarDrag));
  MouseMove(left, sbar::Centre(sbar::LargeImage(1)));  // on an item, not between items: refused
  Pump();
  EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(Captions(left), "甲乙丙");
}

// A window that takes dropped items away (outside the side bar) marks the drag: the delete flag
// answers the delete cursor to the next query only, and a cancelled drag drops nothing.
TEST_F(SideBarDrag, TheDeleteFlagGivesTheDeleteCursorOnceAndACancelledDragDropsNothing) {
  DragTo(1, left, {50, GapAfterFirst});
  TdxSideBarDragObject::Current()->SetDeleteFlag(true);
  MouseMove(left, {51, GapAfterFirst});
  Pump();
  EXPECT_EQ(GetCursor(), Screen->Cursors(crdxSideBarDragDelete));
  MouseMove(left, {50, GapAfterFirst});
  Pump();
  EXPECT_EQ(GetCursor(), Screen->Cursors(crdxSideBarDrag));
  TdxSideBarDragObject::Current()->SetCancelled(true);
  Drop(left, {50, GapAfterFirst});
  EXPECT_EQ(Captions(left), "甲乙丙");
  EXPECT_EQ(TdxSideBarDragObject::Current(), nullptr);
}

TEST_F(SideBarDrag, AHeaderUnderTheDragOpensItsGroupAndTheItemsScrollAtTheEdge) {
  TdxSideGroup* second = AddGroup(left, "二", {"1", "2", "3", "4", "5", "6"});
  Pump();
  // The second header is at the bottom: from 279 to 299.
  DragTo(0, left, {50, 290});
  EXPECT_EQ(left->ActiveGroup(), second);
  EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
  // Open, the second group's items run from y 43; the items area ends at 299, and 4 items show.
  MouseMove(left, {50, 291});
  Pump();
  ASSERT_TRUE(left->DownButtonShown());
  EXPECT_EQ(second->TopIndex(), 0);
  Advance(300);
  EXPECT_EQ(second->TopIndex(), 1);
  Advance(300);
  EXPECT_EQ(second->TopIndex(), 2);
  // Away from the edge the scrolling stops; the gap after item "3" (shown first, from y 43)
  // takes the dragged item from the first group.
  MouseMove(left, {50, 105});
  Pump();
  Advance(600);
  EXPECT_EQ(second->TopIndex(), 2);
  Drop(left, {50, 105});
  EXPECT_EQ(Captions(left, 1), "123甲456");
  EXPECT_EQ(Captions(left, 0), "乙丙");
}

TEST_F(SideBarDrag, TheInsertionMarkIsDrawnAndErasedAndTheControlsOwnDragModeStaysManual) {
  DragTo(1, left, {50, GapAfterFirst});
  // A black line across the items area with triangles at its ends.
  EXPECT_EQ(Pixel(left, 50, GapAfterFirst), ColorToRGB(clBlack));
  EXPECT_EQ(Pixel(left, 3, GapAfterFirst - 2), ColorToRGB(clBlack));
  MouseMove(left, sbar::Centre(sbar::LargeImage(1)));
  Pump();
  EXPECT_EQ(left->InsertMarkItem(), nullptr);
  EXPECT_EQ(Pixel(left, 50, GapAfterFirst), ColorToRGB(clGrayText));
  MouseMove(left, {50, 250});  // below the last item, which shows whole: after it
  Pump();
  EXPECT_EQ(left->InsertMarkItem(), Item(left, 0, 2));
  Drop(left, {50, 250});
  EXPECT_EQ(Captions(left), "甲丙乙");
  EXPECT_EQ(left->TControl::DragMode(), dmManual);

  // A later press and release on an item is a click, not a drag.
  int clicks = 0;
  left->OnItemClick = [&clicks](TObject*, TdxSideBarItem*) { ++clicks; };
  Click(left, sbar::Centre(sbar::LargeImage(0)));
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(left->Dragging());
}

}  // namespace
