// The keyboard: range selection with Shift, focus moves with Ctrl, pages, the new-item row, moves
// between cells, the tree keys, incremental search and the editor opened by typing.
#include "editors/dxInplaceEdit.h"
#include "support/TreeListFixture.h"
#include "windows/Focus.h"

namespace {

class KeyboardTest : public TInputTreeListTest {};

TEST_F(KeyboardTest, ShiftArrowsGrowAndShrinkTheRangeFromTheAnchor) {
  List->SetOptions(List->GetOptions() | tloMultiSelect);
  ShowList();
  Row(0)->SetFocused(true);
  for (int i = 0; i < 3; ++i) Key(VK_DOWN, ssShift);
  EXPECT_EQ(SelectedNames(), "n0 n1 n2 n3");
  Key(VK_UP, ssShift);
  EXPECT_EQ(SelectedNames(), "n0 n1 n2") << "the range shrinks toward the anchor";
  EXPECT_EQ(Focused(), "n2");
  Key(VK_DOWN);
  EXPECT_EQ(SelectedNames(), "n3") << "a plain move selects only the new row";
}

// Shift+End and Shift+Home keep the anchor a Shift run set: the rows between it and the focus stay.
TEST_F(KeyboardTest, ShiftHomeAndShiftEndExtendTheAnchoredRange) {
  List->SetOptions(List->GetOptions() | tloMultiSelect);
  ShowList();
  Row(4)->SetFocused(true);
  struct TStep {
    int Key;
    const char* Focused;
    const char* Selected;
  };
  const TStep steps[] = {
      {VK_DOWN, "n5", "n4 n5"},
      {VK_DOWN, "n6", "n4 n5 n6"},
      {VK_END, "n11", "n4 n5 n6 n7 n8 n9 n10 n11"},
      {VK_HOME, "n0", "n0 n1 n2 n3 n4"},
      {VK_END, "n11", "n4 n5 n6 n7 n8 n9 n10 n11"},
  };
  for (const TStep& s : steps) {
    Key(s.Key, ssShift);
    EXPECT_EQ(Focused(), s.Focused);
    EXPECT_EQ(SelectedNames(), s.Selected) << "after Shift+" << s.Key << " to " << s.Focused;
  }
}

TEST_F(KeyboardTest, CtrlMovesTheFocusAloneAndCtrlSpaceToggles) {
  List->SetOptions(List->GetOptions() | tloMultiSelect);
  ShowList();
  Row(0)->SetFocused(true);
  Row(0)->SetSelected(true);
  Key(VK_DOWN, ssCtrl);
  EXPECT_EQ(Focused(), "n1");
  EXPECT_EQ(SelectedNames(), "n0");
  Key(VK_SPACE, ssCtrl);
  EXPECT_EQ(SelectedNames(), "n0 n1");
  Key(VK_END, ssCtrl);
  EXPECT_EQ(Focused(), "n11");
  EXPECT_EQ(SelectedNames(), "n0 n1");
}

TEST_F(KeyboardTest, PageDownGoesToThePageEdgeFirst) {
  ShowList();
  ASSERT_EQ(List->FullyVisibleRowCount(), 5);
  Row(2)->SetFocused(true);
  const std::pair<int, std::string> moves[] = {
      {VK_NEXT, "n4"}, {VK_NEXT, "n8"}, {VK_PRIOR, "n4"}, {VK_PRIOR, "n0"}, {VK_END, "n11"}, {VK_HOME, "n0"}};
  for (const auto& [key, focused] : moves) {
    Key(key);
    EXPECT_EQ(Focused(), focused) << key;
  }
}

TEST_F(KeyboardTest, UpOnTheFirstRowEntersTheNewItemRowAndDownLeavesIt) {
  List->SetShowNewItemRow(true);
  ShowList();
  Row(0)->SetFocused(true);
  Key(VK_UP);
  EXPECT_TRUE(List->IsNewItemRowActive());
  Key(VK_DOWN);
  EXPECT_FALSE(List->IsNewItemRowActive());
  EXPECT_EQ(Focused(), "n0");
}

TEST_F(KeyboardTest, ArrowsTabAndEnterWalkTheCells) {
  CellMode();
  List->SetOptionsEx(List->GetOptionsEx() | tlxHorzThrough | tlxEnterShowEditor | tlxEnterThrough);
  // Tab reaches the control only with the Tabs option; without it the form moves the focus.
  List->SetOptions((List->GetOptions() & ~tloEditing) | tloTabs);
  ShowList();
  Row(0)->SetFocused(true);
  struct TCase {
    int Key;
    TShiftState Shift;
    const char* Node;
    int Column;
  };
  const TCase cases[] = {
      {VK_RIGHT, 0, "n0", 1}, {VK_RIGHT, 0, "n0", 2}, {VK_RIGHT, 0, "n1", 0},  // HorzThrough
      {VK_LEFT, 0, "n0", 2},  {VK_END, 0, "n0", 2},   {VK_HOME, 0, "n0", 0},
      {VK_TAB, ssShift, "n0", 0},                                              // nothing before n0
      {VK_TAB, 0, "n0", 1},   {VK_TAB, 0, "n0", 2},   {VK_TAB, 0, "n1", 0},    // TabThrough
      {VK_RETURN, 0, "n1", 1},
  };
  for (const TCase& c : cases) {
    Key(c.Key, c.Shift);
    EXPECT_EQ(Focused(), c.Node) << c.Key;
    EXPECT_EQ(List->GetFocusedVisibleIndex(), c.Column) << c.Key;
  }
}

TEST_F(KeyboardTest, TreeKeysExpandAndCollapse) {
  Build("p\n  q\n    r\n  s");
  ShowList(2);
  N("p")->SetFocused(true);
  Type("*");
  EXPECT_TRUE(N("p")->Expanded());
  EXPECT_TRUE(N("q")->Expanded()) << "the whole subtree opens";
  Type("-");
  EXPECT_FALSE(N("p")->Expanded());
  Type("+");
  EXPECT_TRUE(N("p")->Expanded());
  N("s")->SetFocused(true);
  const std::string shown = Shown();
  Type("-");
  EXPECT_EQ(Shown(), shown) << "a leaf changes nothing";
  const std::pair<int, std::string> moves[] = {
      {VK_LEFT, "r"},  // a later child goes to the row above
      {VK_LEFT, "q"},  // a first child goes to its parent
      {VK_LEFT, "q"},  // an expanded row collapses
      {VK_LEFT, "p"},
      {VK_RIGHT, "q"},  // into the first child of an expanded row
  };
  for (const auto& [key, focused] : moves) {
    Key(key);
    EXPECT_EQ(Focused(), focused);
  }
  EXPECT_FALSE(N("q")->Expanded());
}

TEST_F(KeyboardTest, IncrementalSearchFindsTypedPrefixes) {
  List->SetOptionsEx(List->GetOptionsEx() | tlxAutoSearch);
  CellMode();
  ShowList(6);
  const char* texts[] = {"xa", "ab1", "b", "ab2", "ac", "ab3"};
  for (int i = 0; i < 6; ++i) Row(i)->SetStrings(1, texts[i]);
  Row(2)->SetFocused(true);
  List->SetFocusedVisibleIndex(1);
  Type("ab");
  EXPECT_EQ(Focused(), "n3") << "from the focused row on";
  EXPECT_EQ(List->SearchString(), "ab");
  Type("z");
  EXPECT_EQ(List->SearchString(), "ab") << "a character that matches nothing is dropped";
  Key(VK_RETURN, ssCtrl);
  EXPECT_EQ(Focused(), "n5");
  Key(VK_RETURN, ssShift);
  EXPECT_EQ(Focused(), "n3");
  Key(VK_BACK);
  EXPECT_EQ(List->SearchString(), "a");
  EXPECT_EQ(Focused(), "n3");
  Key(VK_ESCAPE);
  EXPECT_FALSE(List->Searching());
}

TEST_F(KeyboardTest, TypingOpensTheEditorWithTheKey) {
  CellMode();
  List->SetOptionsEx(List->GetOptionsEx() | tlxEnterShowEditor);
  ShowList();
  Row(1)->SetFocused(true);
  List->SetFocusedVisibleIndex(1);
  Type("x");
  ASSERT_EQ(List->State(), tlsEditing);
  ASSERT_NE(List->InplaceEditor(), nullptr);
  EXPECT_EQ(GetFocus(), List->InplaceEditor()->Handle());
  EXPECT_EQ(VarToStr(List->InplaceEditor()->GetEditValue()), "x") << "the key replaces the selected text";
  EXPECT_EQ(List->InplaceEditor()->EditOffsets(), TRect(1, 0, 0, 0)) << "the text one pixel in from the cell's";
  Key(VK_RETURN);
  EXPECT_EQ(List->State(), tlsNormal);
  EXPECT_EQ(Row(1)->Strings(1), "x") << "Enter posts the value";
  EXPECT_EQ(GetFocus(), List->Handle());
}

// Keys typed ahead reach the editor in the order typed, whether Enter opened it or the first key
// did (that key's character is posted to the editor while the next keys already wait).
TEST_F(KeyboardTest, TextTypedAfterEnterOpensTheEditorKeepsItsOrder) {
  CellMode();
  List->SetOptionsEx(List->GetOptionsEx() | tlxEnterShowEditor);
  ShowList();
  for (const bool enterFirst : {true, false}) {
    Row(enterFirst ? 1 : 2)->SetFocused(true);
    List->SetFocusedVisibleIndex(1);
    if (enterFirst) {
      Key(VK_RETURN);
      ASSERT_EQ(List->State(), tlsEditing);
    }
    Type("abc");
    ASSERT_EQ(List->State(), tlsEditing);
    EXPECT_EQ(VarToStr(List->InplaceEditor()->GetEditValue()), "abc") << "Enter first: " << enterFirst;
    Key(VK_RETURN);
    EXPECT_EQ(Row(enterFirst ? 1 : 2)->Strings(1), "abc") << "Enter first: " << enterFirst;
  }
}

TEST_F(KeyboardTest, CtrlVOpensTheEditorAndPastes) {
  CellMode();
  List->SetOptionsEx(List->GetOptionsEx() | tlxEnterShowEditor);
  ShowList();
  Clipboard().SetAsText("pasted");
  Row(0)->SetFocused(true);
  KeyDown(VK_CONTROL);
  KeyDown('V', "\x16");
  KeyUp('V');
  KeyUp(VK_CONTROL);
  Pump();
  ASSERT_EQ(List->State(), tlsEditing);
  EXPECT_EQ(VarToStr(List->InplaceEditor()->GetEditValue()), "pasted");
}

TEST_F(KeyboardTest, EscapeDuringSizingCancelsIt) {
  ShowList();
  const TRect header = List->GetNodeCellRect(Row(0), 0);
  const TPoint edge{header.Right - 1, List->Metrics().HeaderHeight / 2};
  ASSERT_EQ(List->GetHitTestAt(edge.X, edge.Y), hkHeaderEdge);
  MouseDown(List, edge);
  MouseMove(List, {edge.X + 30, edge.Y});
  Pump();
  ASSERT_EQ(List->State(), tlsColumnSizing);
  Key(VK_ESCAPE);
  EXPECT_EQ(List->State(), tlsNormal);
  MouseUp(List, {edge.X + 30, edge.Y});
  Pump();
  EXPECT_EQ(List->GetNodeCellRect(Row(0), 0), header) << "the width stays";
}

TEST_F(KeyboardTest, DialogCodesFollowTheOptions) {
  ShowList();
  const auto code = [&] { return SendMessage(List->Handle(), WM_GETDLGCODE); };
  EXPECT_EQ(code(), DLGC_WANTARROWS | DLGC_WANTCHARS) << "editing takes characters";
  List->SetOptions(List->GetOptions() & ~tloEditing);
  EXPECT_EQ(code(), DLGC_WANTARROWS);
  List->SetOptionsEx(List->GetOptionsEx() | tlxAutoSearch);
  EXPECT_EQ(code(), DLGC_WANTARROWS | DLGC_WANTCHARS);
  List->SetOptions(List->GetOptions() | tloTabs);
  EXPECT_EQ(code(), DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB);
}

}  // namespace

