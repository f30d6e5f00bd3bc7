// Selection: ranges, the bracket's single notice, the same-parent rule, keyboard row moves that
// extend from the anchor, and copying the selected rows as text.
#include "support/TreeListFixture.h"
#include "windows/Clipboard.h"

namespace {

class SelectionTest : public TTreeListTest {
 protected:
  void SetUp() override {
    TTreeListTest::SetUp();
    List->SetOptions(List->GetOptions() | tloMultiSelect);
    List->OnSelectedCountChange = [this](TObject*) { ++Notices; };
  }
  std::string SelectedNames() const {
    std::string names;
    for (TdxTreeListNode* node : List->Selected) names += (names.empty() ? "" : " ") + node->Strings(0);
    return names;
  }
  int Notices = 0;
};

TEST_F(SelectionTest, SelectRangeWalksTheShownRowsOnce) {
  Build("A\nB\n  B1\n  B2\nC\nD");
  List->SelectRange(N("A"), N("A"));
  EXPECT_EQ(SelectedNames(), "A");
  List->ClearSelection();
  List->SelectRange(N("D"), N("B"));
  EXPECT_EQ(SelectedNames(), "B C D") << "either order";
  List->ClearSelection();
  Notices = 0;
  List->SelectRange(N("A"), N("B2"));
  EXPECT_EQ(SelectedNames(), "A B") << "a hidden end stands for its shown parent";
  EXPECT_EQ(Notices, 1) << "one notice for the whole range";
}

TEST_F(SelectionTest, TheBracketFiresOneNotice) {
  for (int i = 0; i < 50; ++i) List->Add();
  Notices = 0;
  List->BeginSelection();
  for (int i = 0; i < 50; ++i) List->Items(i)->SetSelected(true);
  List->EndSelection();
  EXPECT_EQ(Notices, 1);
  List->ClearSelection();
  Notices = 0;
  for (int i = 0; i < 50; ++i) List->Items(i)->SetSelected(true);
  EXPECT_EQ(Notices, 50);
}

TEST_F(SelectionTest, OnlySiblingsOfTheFirstSelectedNodeUnlessExtended) {
  Build("A\n  A1\n  A2\nB\n  B1");
  List->ExpandAll();
  List->OnCanNodeSelected = [](TObject*, TdxTreeListNode* n, bool& allow) { allow = n->Strings(0) != "A2"; };
  N("A1")->SetSelected(true);
  N("B1")->SetSelected(true);
  N("A2")->SetSelected(true);
  EXPECT_EQ(SelectedNames(), "A1") << "another parent, then the event, refuse";
  List->SetOptions(List->GetOptions() | tloExtMultiSelect);
  List->ClearSelection();
  N("A1")->SetSelected(true);
  N("B1")->SetSelected(true);
  N("A2")->SetSelected(true);
  EXPECT_EQ(SelectedNames(), "A1 B1") << "only the event decides";
  EXPECT_TRUE(N("B1")->Selected());
  EXPECT_EQ(List->GetFirstSelectedNode(), N("A1"));
}

TEST_F(SelectionTest, TheBaseKeepsNoSelection) {
  auto base = MakeComponent<TCustomdxTreeListControl>();
  TdxTreeListNode* node = base->Add();
  base->SetOptions(base->GetOptions() | tloMultiSelect);
  node->SetSelected(true);
  EXPECT_FALSE(node->Selected());
  EXPECT_EQ(base->DeleteSelectedNodes(), 0);
  EXPECT_EQ(base->GetFirstSelectedNode(), nullptr);
}

TEST_F(SelectionTest, AnchorComparison) {
  Build("A\nB\nC");
  List->SetSelectionAnchor(N("B"));
  EXPECT_EQ(List->CompareWithSelectionAnchor(N("A")), -1);
  EXPECT_EQ(List->CompareWithSelectionAnchor(N("B")), 0);
  EXPECT_EQ(List->CompareWithSelectionAnchor(N("C")), 1);
}

TEST_F(SelectionTest, ShiftMovesExtendAndShrinkFromTheAnchor) {
  Build("A\nB\nC\nD");
  N("B")->SetFocused(true);
  struct TStep {
    int Delta;
    bool Shift;
    const char* Focused;
    const char* Selected;
  };
  const TStep steps[] = {
      {1, true, "C", "B C"}, {1, true, "D", "B C D"}, {-1, true, "C", "B C"},
      {-1, true, "B", "B"},  {-1, true, "A", "B A"},  {1, false, "B", ""},
  };
  for (const TStep& s : steps) {
    List->MoveFocusedRow(s.Delta, s.Shift);
    EXPECT_EQ(List->FocusedNode()->Strings(0), s.Focused);
    EXPECT_EQ(SelectedNames(), s.Selected) << s.Focused;
  }
}

TEST_F(SelectionTest, CopyingSelectedRowsInTreeOrder) {
  Build("A\n  A1\nB");
  List->ExpandAll();
  AddColumn("Name");
  TdxTreeListColumn* second = AddColumn("Note");
  N("A")->SetStrings(1, "first");
  List->SetOptions(List->GetOptions() | tloExtMultiSelect);
  N("B")->SetSelected(true);
  N("A1")->SetSelected(true);
  N("A")->SetSelected(true);
  TStringList lines;
  List->CopySelectedToStrings(&lines);
  EXPECT_EQ(lines.Text(), "Name\tNote\r\nA\tfirst\r\nA1\t\r\nB\t\r\n");
  EXPECT_EQ(List->GetHeadersAsText(), "Name\tNote\r\n");

  second->SetVisible(false);
  List->CopySelectedToClipboard();
  EXPECT_EQ(Clipboard().AsText(), "Name\r\nA\r\nA1\r\nB\r\n") << "no blank line after the header";

  List->SetOptions(List->GetOptions() & ~tloMultiSelect);
  N("A1")->SetFocused(true);
  lines.Clear();
  List->CopySelectedToStrings(&lines);
  EXPECT_EQ(lines.Text(), "Name\r\nA1\r\n") << "the focused row alone";
  lines.Clear();
  List->CopyAllToStrings(&lines);
  EXPECT_EQ(lines.Count(), 4);
}

TEST_F(SelectionTest, TreeOrderOfTwoNodes) {
  Build("A\n  A1\n    A1a\n  A2\nB");
  EXPECT_LT(CompareNodeOrder(N("A"), N("A1a")), 0) << "an ancestor first";
  EXPECT_GT(CompareNodeOrder(N("A1a"), N("A")), 0);
  EXPECT_LT(CompareNodeOrder(N("A1a"), N("A2")), 0);
  EXPECT_GT(CompareNodeOrder(N("B"), N("A1a")), 0);
  EXPECT_EQ(CompareNodeOrder(N("A2"), N("A2")), 0);
}

}  // namespace
