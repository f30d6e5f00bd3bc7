// The mouse: clicks that focus, select, expand and open the editor (at once or after the double
// click time), header clicks and moves, and the editor timers of two lists kept apart.
#include "editors/dxInplaceEdit.h"
#include "support/TreeListFixture.h"
#include "windows/Focus.h"
#include "windows/Input.h"

namespace {

class MouseTest : public TInputTreeListTest {
 protected:
  void ClickAt(TPoint Point, TShiftState Shift = 0) {
    if (Shift & ssCtrl) KeyDown(VK_CONTROL);
    if (Shift & ssShift) KeyDown(VK_SHIFT);
    Click(List, Point);
    if (Shift & ssShift) KeyUp(VK_SHIFT);
    if (Shift & ssCtrl) KeyUp(VK_CONTROL);
    Pump();
  }
  TPoint HeaderPoint(int Visual) {
    const TPoint cell = CellPoint(List->TopVisibleNode(), Visual);
    return {cell.X, List->Metrics().HeaderHeight / 2};
  }
};

TEST_F(MouseTest, AClickOnTheFocusedCellOpensTheEditorAfterTheDoubleClickTime) {
  CellMode();
  ShowList();
  ClickAt(CellPoint(Row(1), 1));
  EXPECT_FALSE(List->EditorTimerRunning()) << "a click that moves the focus starts nothing";
  Advance(GetDoubleClickTime() + 1);
  ClickAt(CellPoint(Row(1), 1));
  EXPECT_TRUE(List->EditorTimerRunning());
  Advance(GetDoubleClickTime() - 1);
  EXPECT_EQ(List->State(), tlsNormal);
  Advance(1);
  ASSERT_EQ(List->State(), tlsEditing);
  EXPECT_EQ(List->EditingNode(), Row(1));
  EXPECT_EQ(List->EditingColumn(), 1);
  EXPECT_EQ(GetFocus(), List->InplaceEditor()->Handle());
  EXPECT_EQ(VarToStr(List->InplaceEditor()->GetEditValue()), "b1");
}

TEST_F(MouseTest, ADoubleClickTogglesTheNodeAndOpensNoEditor) {
  CellMode();
  Build("p\n  q");
  ShowList(1);
  int doubleClicks = 0;
  List->OnDblClick = [&](TObject*) { ++doubleClicks; };
  N("p")->SetFocused(true);
  DoubleClick(List, CellPoint(N("p"), 1));
  Pump();
  Advance(GetDoubleClickTime() + 10);
  EXPECT_TRUE(N("p")->Expanded());
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(List->State(), tlsNormal);
  const TRect row = List->GetNodeRect(N("p"));
  int button = -1;
  for (int x = row.Left; x < row.Left + 40 && button < 0; ++x)
    if (List->GetHitTestAt(x, row.Top + 5) == hkButton) button = x;
  ASSERT_GE(button, 0);
  ClickAt({button, row.Top + 5});
  EXPECT_FALSE(N("p")->Expanded()) << "the expand button toggles on a single click";
}

TEST_F(MouseTest, ImmediateEditorOpensOnTheRelease) {
  CellMode();
  List->SetOptions(List->GetOptions() | tloImmediateEditor);
  ShowList();
  ClickAt(CellPoint(Row(2), 2));
  ASSERT_EQ(List->State(), tlsEditing);
  EXPECT_EQ(List->EditingColumn(), 2);
}

TEST_F(MouseTest, ClicksSelectWithCtrlAndShift) {
  List->SetOptions(List->GetOptions() | tloMultiSelect);
  ShowList();
  ClickAt(CellPoint(Row(1), 0));
  EXPECT_EQ(SelectedNames(), "n1");
  ClickAt(CellPoint(Row(3), 0), ssCtrl);
  EXPECT_EQ(SelectedNames(), "n1 n3") << "Ctrl toggles one row and makes it the anchor";
  ClickAt(CellPoint(Row(1), 0), ssShift);
  EXPECT_EQ(SelectedNames(), "n1 n2 n3") << "Shift selects from the anchor";
  MouseDown(List, CellPoint(Row(2), 0));
  Pump();
  EXPECT_EQ(SelectedNames(), "n1 n2 n3") << "a press on a selected row keeps the selection";
  MouseUp(List, CellPoint(Row(2), 0));
  Pump();
  EXPECT_EQ(SelectedNames(), "n2") << "until the release";
}

TEST_F(MouseTest, ShiftClickWithoutAnAnchorSelectsFromTheFocusedRow) {
  List->SetOptions(List->GetOptions() | tloMultiSelect);
  ShowList();
  Row(1)->SetFocused(true);
  ClickAt(CellPoint(Row(3), 0), ssShift);
  EXPECT_EQ(SelectedNames(), "n1 n2 n3");
}

TEST_F(MouseTest, AHeaderClickSortsAndAFartherMoveMovesTheHeader) {
  List->SetOptions(List->GetOptions() | tloAutoSort);
  ShowList();
  std::vector<String> clicked;
  List->OnHeaderClick = [&](TObject*, TdxTreeListColumn* Column) { clicked.push_back(Column->Caption()); };
  const TPoint b = HeaderPoint(1);
  MouseDown(List, b);
  MouseMove(List, {b.X + 5, b.Y + 5});
  MouseUp(List, {b.X + 5, b.Y + 5});
  Pump();
  EXPECT_EQ(clicked, std::vector<String>{"B"}) << "within the 11 x 11 square: a click";
  EXPECT_EQ(List->Columns(1)->Sorted(), csUp);
  MouseDown(List, b);
  MouseMove(List, {b.X + 6, b.Y});
  Pump();
  EXPECT_EQ(List->State(), tlsHeaderDragging);
  const TPoint a = HeaderPoint(0);
  MouseMove(List, {a.X - 20, a.Y});
  MouseUp(List, {a.X - 20, a.Y});
  Pump();
  EXPECT_EQ(List->State(), tlsNormal);
  EXPECT_EQ(clicked.size(), 1u) << "a move is no click";
  EXPECT_EQ(List->Columns(List->GetVisibleColumnAt(0))->Caption(), "B") << "B moved before A";
}

TEST_F(MouseTest, FocusIntoTheEditorKeepsItAndFocusElsewhereClosesIt) {
  CellMode();
  ShowList();
  TTestBox* box = AddBox("box");
  box->SetBounds(0, 120, 80, 24);
  Row(0)->SetFocused(true);
  List->ShowEditor();
  ASSERT_EQ(List->State(), tlsEditing);
  EXPECT_EQ(GetFocus(), List->InplaceEditor()->Handle()) << "the editor took the focus from the list";
  box->SetFocus();
  Pump();
  EXPECT_EQ(List->State(), tlsNormal);
  EXPECT_FALSE(List->InplaceEditor()->Shown());
}

// Each list keeps its own editor timer: a press in another list stops the timer of the list that
// loses the focus (its editor never opens over the other list), and a timer message that arrives
// late is killed by its own window.
TEST_F(MouseTest, TwoListsKeepTheirEditorTimersApart) {
  CellMode();
  ShowList();
  auto* other = new TTestTreeList(Form);
  other->SetParent(Form);
  other->SetBounds(0, 150, 200, 100);
  other->CreateColumnOf<TdxTreeListColumn>(Form);
  other->Add()->SetStrings(0, "x");
  Pump();
  ClickAt(CellPoint(Row(0), 1));
  Advance(GetDoubleClickTime() + 1);
  ClickAt(CellPoint(Row(0), 1));
  ASSERT_TRUE(List->EditorTimerRunning());
  Click(other, {20, other->Metrics().HeaderHeight + 5});
  Pump();
  EXPECT_FALSE(List->EditorTimerRunning());
  Advance(GetDoubleClickTime() * 3);
  EXPECT_EQ(List->State(), tlsNormal);
  EXPECT_EQ(GetFocus(), other->Handle());
  PostMessage(List->Handle(), WM_TIMER, TCustomdxTreeList::EditorTimerId);
  Pump();
  EXPECT_EQ(List->State(), tlsNormal) << "a stray timer message of a list without the focus opens nothing";
}

}  // namespace

namespace {

class FilterHintTest : public TInputTreeListTest {
 protected:
  // The centre of the filter panel's close button: 3 pixels from the panel's left, 12 x 11.
  TPoint CloseButton() {
    int y = List->ClientHeight() - 1;
    while (y > 0 && List->GetHitTestAt(5, y - 1) == hkFilterPanel) --y;
    const int bottom = List->ClientHeight();
    return {9, y + (bottom - y) / 2};
  }
};

TEST_F(FilterHintTest, TheCloseButtonsHintShowsAfterASecondForFiveSeconds) {
  List->FilterStatus = true;
  ShowList();
  List->Relayout();
  Pump();
  const TPoint button = CloseButton();
  ASSERT_EQ(List->GetHitTestAt(button.X, button.Y), hkFilterPanel);
  MouseMove(List, button);
  Pump();
  Advance(999);
  EXPECT_EQ(List->FilterHint(), nullptr);
  Advance(1);
  ASSERT_NE(List->FilterHint(), nullptr);
  Advance(5000);
  EXPECT_EQ(List->FilterHint(), nullptr) << "gone after five seconds";
  MouseMove(List, {button.X + 40, button.Y});
  Pump();
  MouseMove(List, button);
  Pump();
  Advance(1000);
  ASSERT_NE(List->FilterHint(), nullptr);
  MouseMove(List, {button.X + 40, button.Y});
  Pump();
  EXPECT_EQ(List->FilterHint(), nullptr) << "gone when the pointer leaves the button";
}

}  // namespace
