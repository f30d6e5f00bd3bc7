// Nodes: child lists that exist only while needed, navigation, expansion with its events and the
// focus leaving a collapsed subtree, freeing with the references moved away, and moving.
#include "support/TreeListFixture.h"

namespace {

using NodesTest = TTreeListTest;

std::string NameOf(TdxTreeListNode* Node) { return Node ? Node->Strings(0) : "-"; }

TEST_F(NodesTest, ANodeNeedsAnOwner) {
  try {
    (void)new TdxTreeListTextNode(nullptr);
    FAIL() << "made a node without an owner";
  } catch (const EInvaliddxTreeListOperation& e) {
    EXPECT_EQ(e.Message(), "Invalid Owner TdxTreeListNode");
  }
}

TEST_F(NodesTest, TopLevelQueries) {
  Build("A\n  A1\nB");
  EXPECT_EQ(List->GetTopCount(), 2);
  EXPECT_EQ(List->GetTopItem(1), N("B"));
  EXPECT_EQ(List->GetTopItem(2), nullptr);
  EXPECT_EQ(List->GetTopItem(-1), nullptr);
  EXPECT_EQ(List->IndexOfTopNode(N("B")), 1);
  EXPECT_EQ(List->IndexOfTopNode(N("A1")), -1) << "a child is no top-level node";
}

TEST_F(NodesTest, AFreedNodeAndItsChildrenReadAsDeleting) {
  Build("A\n  A1\nB");
  std::vector<std::string> seen;
  List->OnDeletion = [&](TObject*, TdxTreeListNode* Node) {
    const bool parentDeleting = !Node->Parent() || Node->Parent()->Deleting();
    seen.push_back(NameOf(Node) + (Node->Deleting() && parentDeleting ? " deleting" : " alive"));
  };
  EXPECT_FALSE(N("A")->Deleting());
  N("A")->Free();
  EXPECT_EQ(seen, (std::vector<std::string>{"A1 deleting", "A deleting"}));
  EXPECT_FALSE(N("B")->Deleting());
  List->OnDeletion = nullptr;  // the nodes left go while the control is taken apart
}

TEST_F(NodesTest, ImageIndexesGoThroughTheOwner) {
  Build("A");
  EXPECT_EQ(N("A")->SelectedIndex(), -1);
  N("A")->SetSelectedIndex(3);
  EXPECT_EQ(N("A")->SelectedIndex(), 3);
  List->OnGetSelectedIndex = [](TObject*, TdxTreeListNode*, int& Index) { Index += 10; };
  EXPECT_EQ(N("A")->SelectedIndex(), 13) << "the event has the last word";
}

TEST_F(NodesTest, NavigationInTreeAndDisplayOrder) {
  Build("A\n  A1\n    A1a\n  A2\nB\n  B1\nC");
  N("A")->SetExpanded(true);
  struct TCase {
    const char* Node;
    const char* Next;
    const char* Prev;
    const char* NextSibling;
    const char* PrevSiblingOrParent;
    const char* PrevVisible;
    const char* LastExpanded;
    int Index, Level;
    bool IsLast;
  };
  const TCase cases[] = {
      {"A", "A1", "-", "B", "-", "-", "A2", 0, 0, false},
      {"A1", "A1a", "A", "A2", "A", "A", "A1", 0, 1, false},
      {"A1a", "A2", "A1", "-", "A1", "A1", "A1a", 0, 2, true},
      {"A2", "B", "A1a", "-", "A1", "A1", "A2", 1, 1, true},
      {"B", "B1", "A2", "C", "A", "A2", "B", 1, 0, false},
      {"C", "-", "B1", "-", "B", "B", "C", 2, 0, true},
  };
  for (const TCase& c : cases) {
    TdxTreeListNode* node = N(c.Node);
    SCOPED_TRACE(c.Node);
    EXPECT_EQ(NameOf(node->GetNext()), c.Next);
    EXPECT_EQ(NameOf(node->GetPrev()), c.Prev);
    EXPECT_EQ(NameOf(node->GetNextSibling()), c.NextSibling);
    EXPECT_EQ(NameOf(node->GetPrevSiblingOrParent()), c.PrevSiblingOrParent);
    EXPECT_EQ(NameOf(node->GetPrevVisible()), c.PrevVisible);
    EXPECT_EQ(NameOf(node->GetLastExpandedDescendant()), c.LastExpanded);
    EXPECT_EQ(node->Index(), c.Index);
    EXPECT_EQ(node->Level(), c.Level);
    EXPECT_EQ(node->IsLast(), c.IsLast);
  }
  EXPECT_EQ(N("A")->Items(2), nullptr);
  EXPECT_EQ(N("A")->Items(-1), nullptr);
  EXPECT_TRUE(N("A1a")->HasAncestor(N("A")));
  EXPECT_FALSE(N("A")->HasAncestor(N("A")));
  EXPECT_FALSE(N("A")->HasAncestor(nullptr));
  EXPECT_FALSE(N("A1a")->IsVisible());
  EXPECT_EQ(Shown(), "A A1 A2 B C");
}

TEST_F(NodesTest, TheChildListLivesWhileItHasChildren) {
  Build("A\n  A1\n  A2");
  TdxTreeListNode* a = N("A");
  a->SetExpanded(true);
  a->SetHasChildren(false);
  EXPECT_TRUE(a->HasChildren()) << "kept while children exist";
  TdxTreeListNodes list;
  a->AddChildrenToList(list);
  EXPECT_EQ(list.Count(), 2);
  N("A1")->Free();
  N("A2")->Free();
  EXPECT_EQ(a->Count(), 0);
  EXPECT_FALSE(a->HasChildren()) << "the base tree list answers no children";
  EXPECT_FALSE(a->Expanded());
  EXPECT_EQ(a->GetFirstChild(), nullptr);
}

TEST_F(NodesTest, ExpandingNeedsChildrenAndAsksFirst) {
  Build("A\n  A1\n    A1a\nB");
  std::vector<std::string> events;
  List->OnExpanding = [&](TObject*, TdxTreeListNode* n, bool& allow) {
    events.push_back("expanding " + NameOf(n));
    allow = NameOf(n) != "A1";
  };
  List->OnExpanded = [&](TObject*, TdxTreeListNode* n) { events.push_back("expanded " + NameOf(n)); };
  N("B")->Expand(true);
  EXPECT_TRUE(events.empty()) << "a node without children does nothing";
  N("A")->Expand(true);
  EXPECT_EQ(events, (std::vector<std::string>{"expanding A", "expanded A", "expanding A1"}));
  EXPECT_TRUE(N("A")->Expanded());
  EXPECT_FALSE(N("A1")->Expanded());
  EXPECT_EQ(List->LockUpdate(), 0);
}

TEST_F(NodesTest, CollapsingMovesTheFocusAndTheTopRowOutOfTheSubtree) {
  Build("A\n  A1\n    A1a\nB");
  List->ExpandAll();
  N("A1a")->SetFocused(true);
  List->SetTopVisibleNode(N("A1"));
  std::vector<std::string> changes;
  List->OnChangeNode = [&](TObject*, TdxTreeListNode* o, TdxTreeListNode* n) { changes.push_back(NameOf(o) + ">" + NameOf(n)); };

  List->RefuseFocus = true;
  N("A")->SetExpanded(false);
  EXPECT_TRUE(N("A")->Expanded()) << "a refused focus keeps the node open";
  EXPECT_EQ(List->TopVisibleNode(), N("A1")) << "and the top row where it was";

  List->RefuseFocus = false;
  N("A")->SetExpanded(false);
  EXPECT_FALSE(N("A")->Expanded());
  EXPECT_EQ(List->FocusedNode(), N("A"));
  EXPECT_EQ(List->TopVisibleNode(), N("A"));
  EXPECT_EQ(changes, (std::vector<std::string>{"A1a>A"}));
  EXPECT_EQ(Shown(), "A B");
}

TEST_F(NodesTest, FreeingTheFocusedNodeMovesTheFocusWithoutAnEvent) {
  struct TCase {
    const char* Freed;
    const char* Focus;
  };
  const TCase cases[] = {{"A2", "A1"}, {"A1", "A"}, {"A", "B"}, {"B", "A"}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Freed);
    List->ClearNodes();
    Tree = std::make_unique<TTreeBuilder>(*List);
    Build("A\n  A1\n  A2\nB");
    List->ExpandAll();
    N(c.Freed)->SetFocused(true);
    int changes = 0;
    List->OnChangeNode = [&](TObject*, TdxTreeListNode*, TdxTreeListNode*) { ++changes; };
    std::vector<std::string> deleted;
    List->OnDeletion = [&](TObject*, TdxTreeListNode* n) { deleted.push_back(NameOf(n)); };
    N(c.Freed)->Free();
    EXPECT_EQ(NameOf(List->FocusedNode()), c.Focus);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(deleted.back(), c.Freed) << "read while the node is still whole";
    List->OnChangeNode = nullptr;
    List->OnDeletion = nullptr;
  }
}

TEST_F(NodesTest, FreeingTheLastNodeClearsEveryReference) {
  Build("A");
  N("A")->SetFocused(true);
  List->SetSelectionAnchor(N("A"));
  N("A")->Free();
  EXPECT_EQ(List->Count(), 0);
  EXPECT_EQ(List->FocusedNode(), nullptr);
  EXPECT_EQ(List->TopVisibleNode(), nullptr);
  EXPECT_EQ(List->SelectionAnchor(), nullptr);
}

TEST_F(NodesTest, MoveToByMode) {
  struct TCase {
    TdxTreeListAttachMode Mode;
    const char* Destination;
    const char* Parent;
    int Index;
  };
  const TCase cases[] = {
      {natAddLast, "B1", "B", 2}, {natAddFirst, "B2", "B", 0}, {natAddChildLast, "B", "B", 2},
      {natAddChildFirst, "B", "B", 0}, {natInsert, "B2", "B", 1}, {natInsert, "B", "-", 1},
      {natAddLast, "A", "-", 2},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.Mode) + " " + c.Destination);
    List->ClearNodes();
    Tree = std::make_unique<TTreeBuilder>(*List);
    Build("A\n  A1\nB\n  B1\n  B2");
    N("A1")->MoveTo(N(c.Destination), c.Mode);
    EXPECT_EQ(NameOf(N("A1")->Parent()), c.Parent);
    EXPECT_EQ(N("A1")->Index(), c.Index);
    EXPECT_EQ(List->FocusedNode(), N("A1"));
    EXPECT_TRUE(N("A1")->IsVisible()) << "the moved node is shown";
    EXPECT_EQ(N("A")->Count(), 0);
    EXPECT_FALSE(N("A")->HasChildren());
  }
}

TEST_F(NodesTest, AMoveIntoTheOwnSubtreeIsRefused) {
  Build("A\n  A1\n    A1a");
  EXPECT_FALSE(N("A")->CanMoveTo(N("A1a"), natAddLast));
  EXPECT_FALSE(N("A")->CanMoveTo(N("A"), natAddChildLast));
  EXPECT_FALSE(N("A")->CanMoveTo(nullptr, natAddLast));
  N("A")->MoveTo(N("A1"), natAddChildFirst);
  EXPECT_EQ(N("A")->Parent(), nullptr);
  EXPECT_EQ(N("A1")->Parent(), N("A"));

  EXPECT_TRUE(N("A1")->CanMoveTo(N("A1"), natAddLast));
  N("A1")->MoveTo(N("A1"), natAddLast);
  EXPECT_EQ(N("A1")->Parent(), N("A")) << "moved beside itself, under the same parent";
  EXPECT_TRUE(N("A")->HasChildren());
}

TEST_F(NodesTest, RegroupingKeepsNodesAlive) {
  Build("G\nX\nY");
  TdxTreeListNode::MoveFromTopLevel(List, 1, N("G"));
  TdxTreeListNode::MoveFromTopLevel(List, 1, N("G"));
  EXPECT_EQ(N("G")->Count(), 2);
  EXPECT_TRUE(N("G")->HasChildren());
  N("G")->MoveChildrenToTopLevel();
  EXPECT_EQ(List->Count(), 3);
  EXPECT_EQ(N("Y")->Index(), 2);
  EXPECT_EQ(List->FocusedNode(), N("G"));
  EXPECT_FALSE(N("G")->HasChildren());

  N("X")->Detach();
  EXPECT_EQ(List->Count(), 2);
  EXPECT_EQ(N("X")->Index(), -1);
  List->AuxiliaryNodes().Add(N("X"));
  List->ClearNodes();
  EXPECT_EQ(List->AuxiliaryNodes().Count(), 0) << "clearing frees the nodes kept outside the tree";
}

}  // namespace
