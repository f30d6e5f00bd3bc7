// List box, combo box and list view through the injected-input path: multi-select with Shift
// and Ctrl, columns and owner draw, scrolling with the scroll bar of the list's window, the combo
// box's drop-down list (a watched pop-up) with its close-up event, the pick-only list's keys, and
// a list view that inserts its newest item at the top.
#include "StdControlsKit.h"
#include "controls/ComboBox.h"
#include "controls/ListBox.h"
#include "controls/ListView.h"
#include "windows/Focus.h"
#include "windows/Popups.h"
#include "windows/Scrolling.h"

namespace {

class ListControls : public TStdControlsTest {
 protected:
  // A press and release at a point of a window's screen rectangle (its frame included).
  void ClickAt(TPoint Screen) {
    MouseAt(TMouseInput::Move, Screen);
    MouseAt(TMouseInput::Press, Screen);
    MouseAt(TMouseInput::Release, Screen);
    Pump();
  }
  // A point of the vertical scroll bar in Control's frame: Along pixels from the bar's top, or
  // from its bottom when negative.
  TPoint OnScrollBar(TWinControl* Control, int Along) {
    const TRect client = Control->ClientRect();
    const int y = Along >= 0 ? client.Top + Along : client.Bottom + Along;
    return Control->ClientToScreen({client.Right + 8, y});
  }
};

TListBox* FilledListBox(TStdControlsTest& T, TListBox* box, int Count) {
  for (int i = 0; i < Count; ++i) box->Items()->AddObject("学生" + std::to_string(i), reinterpret_cast<TObject*>(intptr_t(100 + i)));
  (void)T;
  return box;
}

TEST_F(ListControls, AMultiSelectListBoxSelectsWithShiftAndCtrl) {
  auto* box = FilledListBox(*this, Add<TListBox>("lbStudents", Bounds(10, 10, 150, 120)), 6);
  box->SetMultiSelect(true);
  box->SetExtendedSelect(true);
  ShowForm();
  const int h = box->ItemHeight();
  auto selected = [&] {
    std::vector<int> s;
    for (int i = 0; i < box->Items()->Count(); ++i)
      if (box->Selected(i)) s.push_back(i);
    return s;
  };
  Click(box, {20, h * 1 + 2});
  Pump();
  EXPECT_EQ(selected(), (std::vector<int>{1}));
  KeyDown(VK_SHIFT);
  Click(box, {20, h * 3 + 2});
  KeyUp(VK_SHIFT);
  Pump();
  EXPECT_EQ(selected(), (std::vector<int>{1, 2, 3}));
  KeyDown(VK_CONTROL);
  Click(box, {20, h * 2 + 2});
  Click(box, {20, h * 5 + 2});
  KeyUp(VK_CONTROL);
  Pump();
  EXPECT_EQ(selected(), (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(box->SelCount(), 3);
  EXPECT_EQ(box->ItemIndex(), 5);
  PressKey(VK_UP, ssShift);
  Pump();
  EXPECT_EQ(selected(), (std::vector<int>{4, 5}));
  EXPECT_EQ(reinterpret_cast<intptr_t>(box->Items()->Objects(4)), 104);
  box->Items()->Delete(0);
  EXPECT_EQ(selected(), (std::vector<int>{3, 4}));
}

TEST_F(ListControls, ListBoxColumnsOwnerDrawAndItemAtPos) {
  auto* box = FilledListBox(*this, Add<TListBox>("lbClassList", Bounds(10, 10, 240, 62)), 10);
  box->SetColumns(3);
  box->SetStyle(lbOwnerDrawFixed);
  box->SetItemHeight(18);
  std::vector<int> drawn;
  box->OnDrawItem = [&](TWinControl*, int index, TRect, TOwnerDrawState) { drawn.push_back(index); };
  ShowForm();
  drawn.clear();
  box->Repaint();
  // The client area inside the window's sunken edge is 236 x 58: three rows of 18 per column,
  // 78 pixels per column.
  EXPECT_EQ(box->ClientRect(), (TRect{0, 0, 236, 58}));
  EXPECT_EQ(drawn, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(box->ItemAtPos({78 + 5, 18 + 5}, true), 4);
  EXPECT_EQ(box->ItemAtPos({5, 55}, true), -1);
  EXPECT_EQ(box->ItemRect(7), Bounds(2 * 78, 18, 78, 18));
  box->SetItemIndex(9);
  EXPECT_EQ(box->TopIndex(), 3);  // the column holding item 9 comes into view
}

TEST_F(ListControls, AListBoxScrollsWithTheBarOfItsWindowWhichHidesWhenEveryRowShows) {
  auto* box = FilledListBox(*this, Add<TListBox>("lbStudents", Bounds(10, 10, 120, 100)), 20);
  ShowForm();
  ASSERT_TRUE(GetWindowLong(box->Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_TRUE(GetWindowLong(box->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(box->ClientRect(), (TRect{0, 0, 120 - 4 - 16, 96}));
  const int rows = 96 / box->ItemHeight();
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(box->Handle(), SB_VERT, info));
  EXPECT_EQ(std::tuple(info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos), std::tuple(0, 19, rows, 0));

  ClickAt(OnScrollBar(box, -8));  // the down arrow
  EXPECT_EQ(box->TopIndex(), 1);
  ClickAt(OnScrollBar(box, -20));  // the track below the thumb
  EXPECT_EQ(box->TopIndex(), 1 + rows);
  const TPoint thumb = OnScrollBar(box, 48);  // the thumb stands half way down the track
  MouseAt(TMouseInput::Move, thumb);
  MouseAt(TMouseInput::Press, thumb);
  MouseAt(TMouseInput::Move, {thumb.X, thumb.Y + 40});  // past the end of the track
  MouseAt(TMouseInput::Release, {thumb.X, thumb.Y + 40});
  Pump();
  EXPECT_EQ(box->TopIndex(), 20 - rows);
  Wheel(box, {20, 20}, 120);
  Pump();
  EXPECT_EQ(box->TopIndex(), 17 - rows);
  EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), 17 - rows);
  PressKey(VK_HOME);
  Pump();
  EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), 0);

  while (box->Items()->Count() > rows) box->Items()->Delete(box->Items()->Count() - 1);
  EXPECT_FALSE(GetWindowLong(box->Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(box->ClientRect().Width(), 120 - 4);
  box->Items()->Add("再来一个");
  EXPECT_TRUE(GetWindowLong(box->Handle(), GWL_STYLE) & WS_VSCROLL);
  // Without the edge one more row fits, and the bar is not needed any more.
  box->SetBorderStyle(bsNone);
  EXPECT_FALSE(GetWindowLong(box->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(box->ClientRect(), (TRect{0, 0, 120, 100}));
}

TEST_F(ListControls, PickingFromTheDropDownListClosesItUpWithTheNewItem) {
  auto* combo = Add<TComboBox>("cbbGrade", Bounds(10, 10, 120, 21));
  combo->SetStyle(csDropDownList);
  for (const char* grade : {"高一", "高二", "高三"}) combo->Items()->Add(grade);
  std::vector<String> log;
  combo->OnDropDown = [&](TObject*) { log.push_back("dropdown"); };
  combo->OnCloseUp = [&](TObject*) { log.push_back("closeup " + std::to_string(combo->ItemIndex())); };
  combo->OnSelect = [&](TObject*) { log.push_back("select " + combo->Text()); };
  combo->OnChange = [&](TObject*) { log.push_back("change"); };
  ShowForm();
  Click(combo, {110, 10});
  Pump();
  ASSERT_TRUE(combo->DroppedDown());
  EXPECT_TRUE(combo->Focused());
  EXPECT_EQ(GetFocus(), combo->Handle());  // the list takes no focus
  const int h = combo->ItemHeight();
  TPoint item = combo->ClientToScreen({20, 21 + 1 + h + h / 2});  // the second row of the list
  MouseAt(TMouseInput::Move, item);
  MouseAt(TMouseInput::Press, item);
  MouseAt(TMouseInput::Release, item);
  Pump();
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(log, (std::vector<String>{"dropdown", "closeup 1", "select 高二"}));
  // Keys: F4 opens, Down moves in the list, Escape closes without a choice; Down when closed
  // chooses the next item.
  log.clear();
  PressKey(VK_F4);
  PressKey(VK_DOWN);
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(combo->ItemIndex(), 1);
  PressKey(VK_DOWN);
  Pump();
  EXPECT_EQ(combo->Text(), "高三");
  EXPECT_EQ(log, (std::vector<String>{"dropdown", "closeup 1", "select 高三"}));
  // A press outside the list closes it up too.
  log.clear();
  combo->SetDroppedDown(true);
  Click(Form, {250, 200});
  Pump();
  EXPECT_EQ(log, (std::vector<String>{"dropdown", "closeup 2"}));
}

// The list is a pop-up the window layer watches: it scrolls with its own bar (a press there
// keeps it open), with the wheel through the combo box, and closes when the focus leaves the
// combo box or the application is deactivated.
TEST_F(ListControls, TheDropDownListIsAWatchedPopupWithAScrollBarOfItsOwn) {
  auto* combo = Add<TComboBox>("cbbItem", Bounds(10, 10, 120, 21));
  combo->SetStyle(csDropDownList);
  for (int i = 0; i < 20; ++i) combo->Items()->Add("项目" + std::to_string(i));
  auto* other = Add<TEdit>("edtScore", Bounds(10, 150, 100, 21));
  std::vector<String> log;
  combo->OnCloseUp = [&](TObject*) { log.push_back("closeup " + std::to_string(combo->ItemIndex())); };
  ShowForm();
  combo->SetFocus();
  combo->SetDroppedDown(true);
  Pump();
  const HWND list = WindowFromPoint(combo->ClientToScreen({20, 30}));
  ASSERT_NE(list, combo->Handle());
  EXPECT_TRUE(IsPopupWatched(list));
  EXPECT_TRUE(GetWindowLong(list, GWL_STYLE) & WS_VSCROLL);
  TRect r;
  GetWindowRect(list, r);
  ClickAt({r.Right - 1 - 8, r.Bottom - 1 - 8});  // the down arrow of the list's bar
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_EQ(GetScrollPos(list, SB_VERT), 1);
  Wheel(combo, {20, 10}, -120);
  Pump();
  EXPECT_EQ(GetScrollPos(list, SB_VERT), 4);
  ClickAt({r.Left + 20, r.Top + 1 + combo->ItemHeight() / 2});  // the first row shown
  EXPECT_EQ(combo->ItemIndex(), 4);
  EXPECT_EQ(log, (std::vector<String>{"closeup 4"}));

  combo->SetDroppedDown(true);
  other->SetFocus();
  Pump();
  EXPECT_FALSE(combo->DroppedDown());
  combo->SetFocus();
  combo->SetDroppedDown(true);
  SetActiveWindow(HWND());
  Pump();
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(log, (std::vector<String>{"closeup 4", "closeup 4", "closeup 4"}));
}

TEST_F(ListControls, AnEditableComboBoxTypesThroughItsTextBoxWithTheLimit) {
  auto* combo = Add<TComboBox>("cbxClass", Bounds(10, 10, 120, 21));
  combo->SetMaxLength(3);
  for (const char* c : {"1", "2", "12"}) combo->Items()->AddObject(c, reinterpret_cast<TObject*>(intptr_t(std::atoi(c))));
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };
  ShowForm();
  TypeText("1234");
  Pump();
  EXPECT_EQ(combo->Text(), "123");
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->SetItemIndex(2);
  EXPECT_EQ(combo->Text(), "12");
  EXPECT_EQ(reinterpret_cast<intptr_t>(combo->Items()->Objects(combo->ItemIndex())), 12);
}

TEST_F(ListControls, AListViewInsertsItsNewestItemAtTheTop) {
  auto* view = Add<TListView>("lvAchieve", Bounds(10, 10, 260, 100));
  view->SetViewStyle(vsReport);
  view->SetRowSelect(true);
  view->SetGridLines(true);
  view->SetReadOnly(true);
  for (auto [caption, width, align] : {std::tuple{"学号", 60, taLeftJustify}, std::tuple{"姓名", 80, taLeftJustify},
                                       std::tuple{"成绩", 60, taRightJustify}}) {
    TListColumn* c = view->Columns()->Add();
    c->SetCaption(caption);
    c->SetWidth(width);
    c->SetAlignment(align);
  }
  std::vector<String> selections;
  view->OnSelectItem = [&](TObject*, TListItem* item, bool selected) {
    selections.push_back(item->Caption() + (selected ? "+" : "-"));
  };
  int records[3] = {7, 8, 9};
  view->Items()->BeginUpdate();
  for (int i = 0; i < 3; ++i) {
    TListItem* item = view->Items()->Insert(0);
    item->SetCaption("2024" + std::to_string(i));
    item->SubItems()->Add("学生" + std::to_string(i));
    item->SubItems()->Add(std::to_string(60 + i));
    item->SetData(&records[i]);
  }
  view->Items()->EndUpdate();
  ShowForm();
  EXPECT_EQ(view->Items()->Item(0)->Caption(), "20242");
  EXPECT_EQ(*static_cast<int*>(view->Items()->Item(2)->Data()), 7);
  const TRect row1 = view->ItemRect(1);
  Click(view, {row1.Left + 100, row1.Top + 2});  // row select: any cell of the row
  Pump();
  ASSERT_NE(view->Selected(), nullptr);
  EXPECT_EQ(view->Selected()->Caption(), "20241");
  EXPECT_EQ(view->ItemFocused(), view->Selected());
  PressKey(VK_DOWN);
  Pump();
  EXPECT_EQ(view->Selected()->Caption(), "20240");
  EXPECT_EQ(selections, (std::vector<String>{"20241+", "20241-", "20240+"}));
  EXPECT_EQ(view->FindCaption(0, "2024", true, true, false), view->Items()->Item(0));
  EXPECT_EQ(view->FindCaption(0, "20240", false, false, false), view->Items()->Item(2));
  EXPECT_EQ(view->FindCaption(2, "20242", false, false, false), nullptr);
  EXPECT_EQ(view->FindCaption(2, "20242", false, false, true), view->Items()->Item(0));
}

TEST_F(ListControls, AListViewScrollsToKeepTheFocusedItemInView) {
  auto* view = Add<TListView>("lvInputList", Bounds(10, 10, 200, 80));
  view->SetViewStyle(vsReport);
  view->Columns()->Add()->SetWidth(150);
  for (int i = 0; i < 20; ++i) view->Items()->Add()->SetCaption(std::to_string(i));
  ShowForm();
  const int rows = view->VisibleRowCount();
  ASSERT_LT(rows, 20);
  view->SetFocus();
  PressKey(VK_END);
  Pump();
  EXPECT_EQ(view->TopItem()->Caption(), std::to_string(20 - rows));
  EXPECT_EQ(GetScrollPos(view->Handle(), SB_VERT), 20 - rows);
  Wheel(view, {20, 40}, 120);
  Pump();
  EXPECT_EQ(view->TopItem()->Caption(), std::to_string(17 - rows));
  ClickAt(OnScrollBar(view, 8));  // the up arrow, beside the column headers
  EXPECT_EQ(view->TopItem()->Caption(), std::to_string(16 - rows));
  EXPECT_EQ(GetScrollPos(view->Handle(), SB_VERT), 16 - rows);
  view->Items()->Clear();
  EXPECT_EQ(view->TopItem(), nullptr);
  EXPECT_EQ(view->Selected(), nullptr);
  EXPECT_FALSE(GetWindowLong(view->Handle(), GWL_STYLE) & WS_VSCROLL);
}

}  // namespace
