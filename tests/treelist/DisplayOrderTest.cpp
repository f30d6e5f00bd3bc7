// Display order: the lists against a walk of the tree after random edits, the update lock, the top
// row, and focus moves with their events.
#include <random>

#include "support/TreeListFixture.h"

namespace {

using DisplayOrderTest = TTreeListTest;

// The shown rows as a plain walk of the tree finds them.
std::vector<TdxTreeListNode*> ExpectedOrder(TCustomdxTreeList& List) {
  std::vector<TdxTreeListNode*> order;
  const auto visit = [&](auto& self, TdxTreeListNode* node) -> void {
    order.push_back(node);
    if (node->Expanded())
      for (int i = 0; i < node->Count(); ++i) self(self, node->Items(i));
  };
  for (int i = 0; i < List.Count(); ++i) visit(visit, List.Items(i));
  return order;
}

void ExpectDisplayOrder(TCustomdxTreeList& List, const std::vector<TdxTreeListNode*>& All) {
  const std::vector<TdxTreeListNode*> order = ExpectedOrder(List);
  ASSERT_EQ(List.GetAbsoluteCount(), int(order.size()));
  for (size_t i = 0; i < order.size(); ++i) {
    ASSERT_EQ(List.GetAbsoluteNode(int(i)), order[i]) << i;
    ASSERT_EQ(List.GetAbsoluteIndex(order[i]), int(i));
    ASSERT_EQ(List.GetNextVisibleNode(order[i]), i + 1 < order.size() ? order[i + 1] : nullptr);
    ASSERT_EQ(order[i]->GetPrevVisible(), i > 0 ? order[i - 1] : nullptr);
  }
  for (TdxTreeListNode* node : All) {
    if (std::find(order.begin(), order.end(), node) == order.end()) {
      ASSERT_EQ(List.GetAbsoluteIndex(node), -1);
    }
  }
  ASSERT_EQ(List.GetLastNode(), order.empty() ? nullptr : order.back());
}

void Forget(std::vector<TdxTreeListNode*>& Nodes, TdxTreeListNode* Root) {
  std::erase_if(Nodes, [Root](TdxTreeListNode* n) { return n == Root || n->HasAncestor(Root); });
}

TEST_F(DisplayOrderTest, ListsAndWalksAgreeAfterRandomEdits) {
  std::mt19937 random(22);
  const auto pick = [&random](int Count) { return int(random() % unsigned(Count)); };
  std::vector<TdxTreeListNode*> nodes;
  for (int step = 0; step < 800; ++step) {
    SCOPED_TRACE(step);
    TdxTreeListNode* some = nodes.empty() ? nullptr : nodes[size_t(pick(int(nodes.size())))];
    switch (nodes.empty() ? 0 : pick(7)) {
      case 0:
        nodes.push_back(List->Insert(List->Items(pick(List->Count() + 1))));
        break;
      case 1:
      case 2:
        nodes.push_back(some->AddChild(some->Items(pick(some->Count() + 1))));
        break;
      case 3:
        Forget(nodes, some);
        some->Free();
        break;
      case 4:
        some->SetExpanded(true);
        break;
      case 5:
        some->SetExpanded(pick(3) != 0);
        break;
      case 6:
        some->MoveTo(nodes[size_t(pick(int(nodes.size())))], TdxTreeListAttachMode(pick(5)));
        break;
    }
    ASSERT_EQ(List->AreAbsoluteListsValid(), List->Count() > 0) << "edits keep the lists";
    ExpectDisplayOrder(*List, nodes);
    if (step % 5 == 0) {
      List->ClearCalcLists();
      ASSERT_FALSE(List->AreAbsoluteListsValid());
      ExpectDisplayOrder(*List, nodes);
      List->RebuildAbsoluteLists();
    }
  }
}

TEST_F(DisplayOrderTest, QueriesOutsideTheRowsAnswerNothing) {
  Build("A\n  A1\nB");
  EXPECT_EQ(List->GetAbsoluteIndex(nullptr), -1);
  EXPECT_EQ(List->GetAbsoluteNode(-1), nullptr);
  EXPECT_EQ(List->GetAbsoluteNode(2), nullptr);
  EXPECT_EQ(List->GetAbsoluteIndex(N("A1")), -1) << "inside a collapsed parent";
  EXPECT_EQ(List->GetNextVisibleNode(N("A1")), N("B")) << "a hidden node is walked from";
  List->ClearNodes();
  EXPECT_EQ(List->GetAbsoluteCount(), 0);
  EXPECT_TRUE(List->IsBOF());
  EXPECT_TRUE(List->IsEOF());
}

TEST_F(DisplayOrderTest, AnUnmatchedEndUpdateHoldsTheRelayoutBackUntilZero) {
  List->EndUpdate();
  EXPECT_EQ(List->LockUpdate(), -1);
  Build("A\nB");
  EXPECT_FALSE(List->AreAbsoluteListsValid());
  EXPECT_EQ(Shown(), "A B") << "the walk answers meanwhile";
  List->BeginUpdate();
  List->BeginUpdate();
  List->EndUpdate();
  EXPECT_EQ(List->LockUpdate(), 0);
  EXPECT_TRUE(List->AreAbsoluteListsValid());
}

TEST_F(DisplayOrderTest, ExpandAllOpensEveryNodeInOneUpdate) {
  List->ListsCleared = 0;
  List->ExpandAll();
  EXPECT_EQ(List->ListsCleared, 0) << "an empty tree takes no update lock";
  Build("A\n  A1\n    A1a\nB\n  B1");
  List->ExpandAll();
  EXPECT_EQ(Shown(), "A A1 A1a B B1");
  EXPECT_TRUE(List->AreAbsoluteListsValid());
}

TEST_F(DisplayOrderTest, ClearNodesFreesEverythingInOneUpdate) {
  Build("A\n  A1\nB");
  List->ExpandAll();
  N("A1")->SetFocused(true);
  std::vector<std::string> deleted;
  List->OnDeletion = [&](TObject*, TdxTreeListNode* n) { deleted.push_back(n->Strings(0)); };
  List->ClearNodes();
  EXPECT_EQ(deleted.size(), 3u);
  EXPECT_EQ(List->Count(), 0);
  EXPECT_EQ(List->FocusedNode(), nullptr);
  EXPECT_EQ(List->TopVisibleNode(), nullptr);
  EXPECT_EQ(List->LockUpdate(), 0);
  EXPECT_FALSE(List->Clearing());
}

TEST_F(DisplayOrderTest, TheTopRowKeepsTheLastPageFull) {
  for (int i = 0; i < 10; ++i) List->Add()->SetStrings(0, std::to_string(i));
  List->SetRowsInView(4);
  const std::pair<int, int> cases[] = {{3, 3}, {100, 6}, {-3, 0}, {6, 6}};
  for (const auto& [asked, top] : cases) {
    List->SetTopIndex(asked);
    EXPECT_EQ(List->GetTopIndex(), top) << asked;
  }
  List->ClearNodes();
  for (int i = 0; i < 3; ++i) List->Add();
  List->SetTopIndex(2);
  EXPECT_EQ(List->GetTopIndex(), 0) << "fewer rows than the page";
}

TEST_F(DisplayOrderTest, MakeNodeVisibleExpandsAndScrolls) {
  Build("A\nB\nC\n  C1\n    C1a\nD");
  List->SetRowsInView(2);
  N("C1a")->MakeVisible();
  EXPECT_TRUE(N("C")->Expanded());
  EXPECT_TRUE(N("C1")->Expanded());
  EXPECT_EQ(List->GetTopIndex(), 3) << "the node on the last full row";
  N("A")->MakeVisible();
  EXPECT_EQ(List->GetTopIndex(), 0);
}

TEST_F(DisplayOrderTest, NavigationByDirection) {
  Build("A\n  A1\nB\n  B1\n    B1a");
  N("A")->SetExpanded(true);
  struct TCase {
    const char* From;
    TdxTreeListNavigation Direction;
    bool AllNodes;
    const char* To;
  };
  const TCase cases[] = {
      {"A1", tlnFirst, false, "A"}, {"B", tlnPrev, false, "A1"},   {"A1", tlnNext, false, "B"},
      {"B", tlnNext, false, "-"},   {"B", tlnNext, true, "B1"},    {"A", tlnLast, false, "B"},
      {"A", tlnLast, true, "B1a"},
  };
  for (const TCase& c : cases) {
    TdxTreeListNode* to = List->GetNavigationNode(N(c.From), c.Direction, c.AllNodes);
    EXPECT_EQ(to ? to->Strings(0) : "-", c.To) << c.From << " " << c.Direction;
  }
  EXPECT_EQ(List->GetNavigationNode(nullptr, tlnFirst, false), nullptr);

  N("A")->SetFocused(true);
  EXPECT_TRUE(List->IsBOF());
  EXPECT_TRUE(List->GotoNext());
  EXPECT_EQ(List->FocusedNode(), N("A1"));
  EXPECT_TRUE(List->GotoNext());
  EXPECT_TRUE(List->IsEOF());
  EXPECT_FALSE(List->GotoNext());
  EXPECT_TRUE(List->GotoPrev());
  EXPECT_EQ(List->FocusedNode(), N("A1"));
}

TEST_F(DisplayOrderTest, FocusChangesFireNodeThenColumn) {
  Build("A\nB");
  AddColumn("One");
  AddColumn("Two");
  List->SetOptions(List->GetOptions() & ~tloRowSelect);
  std::vector<std::string> events;
  List->OnChangeNode = [&](TObject*, TdxTreeListNode* o, TdxTreeListNode* n) {
    events.push_back("node " + (o ? o->Strings(0) : "-") + ">" + n->Strings(0));
  };
  List->OnChangeColumn = [&](TObject*, TdxTreeListNode*, int c) { events.push_back("column " + std::to_string(c)); };

  List->SetFocusedNodeAndColumn(N("B"), 1, true);
  List->SetFocusedNodeAndColumn(N("B"), 1, true);
  EXPECT_EQ(events, (std::vector<std::string>{"node A>B", "column 1"})) << "the same cell fires nothing";
  EXPECT_EQ(List->GetFocusedColumn(), 1);

  events.clear();
  List->InsideUpdate([&] { List->SetFocusedNodeAndColumn(N("A"), 0, true); });
  EXPECT_TRUE(events.empty()) << "inside an update only stored";
  EXPECT_EQ(List->FocusedNode(), N("A"));
  EXPECT_EQ(List->GetFocusedVisibleIndex(), 0);

  List->SetFocusedAbsoluteIndex(99);
  EXPECT_EQ(List->FocusedNode(), N("B"));
  EXPECT_EQ(List->GetFocusedAbsoluteIndex(), 1);
}

}  // namespace
