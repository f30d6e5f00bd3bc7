// List box, combo box and list view through the injected-input path: multi-select with Shift
// and Ctrl, columns and owner draw, the combo box's drop-down list with its close-up event, the
// pick-only list's keys, and a list view that inserts its newest item at the top.
#include "StdControlsKit.h"
#include "controls/ComboBox.h"
#include "controls/ListBox.h"
#include "controls/ListView.h"
#include "windows/Focus.h"

namespace {

using ListControls = TStdControlsTest;

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
  Click(box, {20, 2 + h * 1 + 2});
  Pump();
  EXPECT_EQ(selected(), (std::vector<int>{1}));
  KeyDown(VK_SHIFT);
  Click(box, {20, 2 + h * 3 + 2});
  KeyUp(VK_SHIFT);
  Pump();
  EXPECT_EQ(selected(), (std::vector<int>{1, 2, 3}));
  KeyDown(VK_CONTROL);
  Click(box, {20, 2 + h * 2 + 2});
  Click(box, {20, 2 + h * 5 + 2});
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
  // 58 pixels inside the border: three rows of 18 per column, 78 pixels per column.
  EXPECT_EQ(drawn, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(box->ItemAtPos({2 + 78 + 5, 2 + 18 + 5}, true), 4);
  EXPECT_EQ(box->ItemAtPos({2 + 5, 2 + 55}, true), -1);
  EXPECT_EQ(box->ItemRect(7), Bounds(2 + 2 * 78, 2 + 18, 78, 18));
  box->SetItemIndex(9);
  EXPECT_EQ(box->TopIndex(), 3);  // the column holding item 9 comes into view
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
  Wheel(view, {20, 40}, 120);
  Pump();
  EXPECT_EQ(view->TopItem()->Caption(), std::to_string(17 - rows));
  view->Items()->Clear();
  EXPECT_EQ(view->TopItem(), nullptr);
  EXPECT_EQ(view->Selected(), nullptr);
}

}  // namespace
