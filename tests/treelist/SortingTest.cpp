// Sorting: the header-click cycle, key chains over several sorted columns with their own
// directions, the tie-break that keeps equal rows in order, the compare event, locale order for
// text keys, one depth at a time, the stored sort order, and the hourglass.
#include <array>

#include "support/TreeListFixture.h"
#include "windows/Input.h"

namespace {

class SortingTest : public TTreeListTest {
 protected:
  void SetUp() override {
    TTreeListTest::SetUp();
    Number = AddColumn("Number");
    Text = AddColumn("Text");
    AddColumn("Tag");
  }
  // Top-level rows of "number text tag" triples.
  void Rows(const std::vector<std::array<const char*, 3>>& Rows) {
    for (const auto& row : Rows) {
      TdxTreeListNode* node = List->Add();
      for (int i = 0; i < 3; ++i) node->SetStrings(i, row[size_t(i)]);
    }
  }
  std::string Tags(int Column = 2) const {
    std::string tags;
    for (int i = 0; i < List->Count(); ++i) tags += List->Items(i)->Strings(Column);
    return tags;
  }
  static void HoldCtrl(bool Down) {
    uint8_t keys[256] = {};
    keys[VK_CONTROL] = Down ? 0x80 : 0;
    SetKeyboardState(keys);
  }
  TdxTreeListColumn* Number = nullptr;
  TdxTreeListColumn* Text = nullptr;
};

TEST_F(SortingTest, HeaderClicksSortUpThenToggleAndCtrlClears) {
  std::vector<TdxTreeListColumnSort> seen;
  int clicks = 0;
  List->OnHeaderClick = [&](TObject*, TdxTreeListColumn*) { ++clicks; };
  List->DoHeaderClick(0);
  EXPECT_EQ(Number->Sorted(), csNone) << "without AutoSort a click only tells";
  List->SetOptions(List->GetOptions() | tloAutoSort);
  for (int i = 0; i < 3; ++i) {
    List->DoHeaderClick(0);
    seen.push_back(Number->Sorted());
  }
  EXPECT_EQ(seen, (std::vector<TdxTreeListColumnSort>{csUp, csDown, csUp}));
  EXPECT_EQ(List->GetSortedColumn(0), Number);
  HoldCtrl(true);
  List->DoHeaderClick(0);
  HoldCtrl(false);
  EXPECT_EQ(Number->Sorted(), csNone);
  EXPECT_EQ(List->GetSortedColumnCount(), 0);
  List->OnCanSortColumn = [](TObject*, TdxTreeListColumn*, bool& allow) { allow = false; };
  List->DoHeaderClick(0);
  EXPECT_EQ(Number->Sorted(), csNone);
  EXPECT_EQ(clicks, 6);
}

TEST_F(SortingTest, KeyChainsWithTheirOwnDirectionsAndStableTies) {
  Rows({{"2", "x", "a"}, {"1", "y", "b"}, {"2", "z", "c"}, {"1", "y", "d"}, {"10", "b", "e"}, {"1", "w", "f"}});
  List->SetOptionsEx(List->GetOptionsEx() | tlxMultiSort);
  Number->SetSorted(csUp);
  Text->SetSorted(csDown);
  List->KeysFetched = 0;
  List->SortNodes(-1, 0, false);
  EXPECT_EQ(Tags(), "bdfcae") << "numbers up, text down, equal rows in their order";
  EXPECT_EQ(List->KeysFetched, 12) << "each key fetched once";
  EXPECT_EQ(Shown(), "1 1 1 2 2 10") << "the display order follows";

  Text->SetSorted(csNone);
  List->SortNodes(-1, 1, true);
  EXPECT_EQ(Tags(), "cbdafe") << "one sorted column: the given column and direction";
}

TEST_F(SortingTest, TheTieBreakIsNeverReversed) {
  Rows({{"1", "", "a"}, {"1", "", "b"}, {"1", "", "c"}});
  List->SortNodes(-1, 0, true);
  EXPECT_EQ(Tags(), "abc");
  auto base = MakeComponent<TCustomdxTreeListControl>();
  for (int i = 0; i < 4; ++i) base->Add()->SetStrings(0, std::to_string(i));
  base->SortNodes(-1, 0, true);
  EXPECT_EQ(TTreeBuilder::Shown(*base), "0 1 2 3") << "the base's keys are all empty";
}

TEST_F(SortingTest, TheCompareEventDecidesAlone) {
  Rows({{"1", "", "a"}, {"2", "", "b"}, {"3", "", "c"}, {"4", "", "d"}});
  List->OnCompare = [](TObject*, TdxTreeListNode* a, TdxTreeListNode* b, int& compare) {
    compare = b->Strings(0).compare(a->Strings(0));
  };
  List->KeysFetched = 0;
  List->SortNodes(-1, 0, false);
  EXPECT_EQ(Tags(), "dcba");
  EXPECT_EQ(List->KeysFetched, 0);

  for (int i = 0; i < 60; ++i) List->Add()->SetStrings(2, "x");
  int calls = 0;
  List->OnCompare = [&calls](TObject*, TdxTreeListNode*, TdxTreeListNode*, int& compare) { compare = ++calls % 3 - 1; };
  List->SortNodes(-1, 0, false);
  EXPECT_EQ(List->Count(), 64) << "an inconsistent comparison loses no node";
  EXPECT_EQ(List->GetAbsoluteCount(), 64);
}

TEST_F(SortingTest, LocaleOrderOnlyForTextKeys) {
  Rows({{"b", "", "1"}, {"B", "", "2"}, {"a", "", "3"}, {"10", "", "4"}, {"9", "", "5"}});
  List->SortNodes(-1, 0, false);
  EXPECT_EQ(Tags(), "54231") << "numbers first, then text by code point";
  List->SetOptionsEx(List->GetOptionsEx() | tlxAnsiSort);
  List->SortNodes(-1, 0, false);
  EXPECT_EQ(Tags(), "54312") << "text by the locale, lower case first";
}

TEST_F(SortingTest, OneDepthAtATime) {
  Build("3\n  2b\n  1b\n1\n  2a\n  1a");
  List->SortNodes(1, 0, false);
  EXPECT_EQ(List->Items(0)->Strings(0), "3") << "the top level stays";
  EXPECT_EQ(N("3")->GetFirstChild(), N("1b"));
  EXPECT_EQ(N("1")->GetFirstChild(), N("1a"));
  List->SortNodes(0, 0, false);
  EXPECT_EQ(List->Items(0), N("1"));
  List->SortNodes(5, 0, false);
  EXPECT_EQ(List->Items(0), N("1"));
}

TEST_F(SortingTest, StoredSortOrderRebuildsTheList) {
  TdxTreeListColumn* tag = List->GetColumn(2);
  for (TdxTreeListColumn* c : {Number, Text, tag}) c->SetSorted(csUp);
  Number->StoredSortedOrder = 2;
  Text->StoredSortedOrder = 0;
  tag->StoredSortedOrder = 1;
  List->ClearSortedColumns();
  List->RebuildSortedColumns();
  EXPECT_EQ(List->GetSortedColumn(0), Text);
  EXPECT_EQ(List->GetSortedColumn(1), tag);
  EXPECT_EQ(List->GetSortedColumn(2), Number);
  EXPECT_EQ(Number->SortedOrder(), 2);
  tag->Free();
  EXPECT_EQ(List->GetSortedColumnCount(), 2) << "a removed column leaves the sorting";
}

TEST_F(SortingTest, TheHourglassShowsWhileSorting) {
  Rows({{"2", "", "a"}, {"1", "", "b"}});
  List->SetOptionsEx(List->GetOptionsEx() | tlxShowHourGlass);
  TCursor during = crDefault;
  List->OnCompare = [&during](TObject*, TdxTreeListNode*, TdxTreeListNode*, int& compare) {
    during = Screen->Cursor();
    compare = 0;
  };
  List->SortNodes(-1, 0, false);
  EXPECT_EQ(during, crHourGlass);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  List->OnCompare = [](TObject*, TdxTreeListNode*, TdxTreeListNode*, int&) { throw Exception("比较失败。"); };
  EXPECT_THROW(List->SortNodes(-1, 0, false), Exception);
  EXPECT_EQ(Screen->Cursor(), crDefault) << "put back when the comparison raises";
  EXPECT_EQ(List->Count(), 2);
}

}  // namespace
