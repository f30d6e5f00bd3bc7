// The grid's filter: a value picked from a header's drop-down list by clicks narrows the rows and
// "(All)" brings them back; the list's rows, preselection and keys; records and their group rows
// hidden and shown again; the focus and the data set following; the data set filtering itself
// with AutoDataSetFilter; the filter in the other record modes; and the filter kept in a layout.
#include "classes/Filer.h"
#include "classes/Properties.h"
#include "grid/dxDBGridFilterPopup.h"
#include "settings/IniFiles.h"
#include "support/GridFixture.h"
#include "windows/Window.h"

namespace {

class FilterTest : public TGridTest {
 protected:
  // The grid on the shown form with its header, the filter active and the focus; all records as
  // rows unless told otherwise.
  void Show(bool AllRecords = true) {
    No = AddColumn("No");
    Name = AddColumn("Name");
    Sex = AddColumn("Sex");
    Score = AddColumn("Score");
    for (TdxDBGridColumn* column : {No, Name, Sex, Score}) column->SetWidth(90);
    if (AllRecords) Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
    Grid->SetKeyField("No");
    Grid->Filter()->SetActive(true);
    Grid->SetDataSource(Source);
    Grid->SetDefaultRowHeight(18);
    Form->SetBounds(100, 100, 420, 320);
    Grid->SetBounds(0, 0, 400, 280);
    Grid->SetParent(Form);
    ShowForm();
    Grid->SetFocus();
    Pump();
  }
  // The numbers of the record rows in tree order, collapsed group rows or not.
  std::vector<int> ShownNos() {
    std::vector<int> nos;
    const std::function<void(TdxTreeListNode*)> walk = [&](TdxTreeListNode* Node) {
      if (!Node->HasChildren()) return nos.push_back(static_cast<TdxDBGridNode*>(Node)->KeyValue.AsInteger());
      for (int i = 0; i < Node->Count(); ++i) walk(Node->Items(i));
    };
    for (int i = 0; i < Grid->Count(); ++i) walk(Grid->Items(i));
    return nos;
  }
  TPoint ButtonPoint(TdxDBTreeListColumn* Column) {
    const TRect r = Grid->GetHeaderDropButtonRect(Column->GetIndex());
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // The drop-down list opened by a press and a release on the column's header button.
  TdxDBGridFilterPopupListBox* OpenList(TdxDBTreeListColumn* Column) {
    TestClock().Advance(1000);  // no double click
    Click(Grid, ButtonPoint(Column));
    Pump();
    return Grid->FilterPopup();
  }
  std::vector<String> Rows() {
    std::vector<String> rows;
    TStrings* items = Grid->FilterPopup()->Items();
    for (int i = 0; i < items->Count(); ++i) rows.push_back((*items)[i]);
    return rows;
  }
  void ClickRow(int Row) {
    TdxDBGridFilterPopupListBox* list = Grid->FilterPopup();
    const TRect r = list->ItemRect(Row);
    TestClock().Advance(1000);
    Click(list, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    Pump();
  }
  int CurrentNo() { return DS().FieldByName("No")->AsInteger(); }

  TdxDBGridColumn* No = nullptr;
  TdxDBGridColumn* Name = nullptr;
  TdxDBGridColumn* Sex = nullptr;
  TdxDBGridColumn* Score = nullptr;
};

const std::vector<int> AllNos{101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112};

TEST_P(FilterTest, AValuePickedFromTheHeaderListNarrowsTheRowsAndAllBringsThemBack) {
  Show();
  ASSERT_TRUE(Grid->GetHeaderButtonState(Sex->GetIndex()) & hbsExists);
  TdxDBGridFilterPopupListBox* list = OpenList(Sex);
  ASSERT_TRUE(list && Grid->IsFilterPopupShown());
  EXPECT_EQ(Rows(), (std::vector<String>{"(All)", "(Custom...)", "女", "男"}));
  EXPECT_EQ(list->ItemIndex(), frAll);
  TRect placed;
  GetWindowRect(list->Handle(), placed);
  TPoint under{Grid->GetHeaderDropButtonRect(Sex->GetIndex()).Left, Grid->GetHeaderDropButtonRect(Sex->GetIndex()).Bottom};
  ::ClientToScreen(Grid->Handle(), under);
  EXPECT_EQ((TPoint{placed.Left, placed.Top}), under) << "under the header's button";
  EXPECT_GE(placed.Width(), list->WidestItem() + 4);
  EXPECT_TRUE(Grid->GetHeaderButtonState(Sex->GetIndex()) & hbsPressed) << "the open list's button stays down";
  TRect form;
  GetWindowRect(Form->Handle(), form);
  RenderScreenToPng({Form->Handle(), list->Handle()}, {form.Left, form.Top, form.Right, form.Bottom}, "filter-list-open.png");

  ClickRow(3);
  EXPECT_FALSE(Grid->IsFilterPopupShown());
  EXPECT_EQ(ShownNos(), (std::vector<int>{101, 103, 105, 107, 109, 111}));
  EXPECT_EQ(Grid->GetFilterText(), "(Sex = 男)");
  EXPECT_TRUE(Grid->GetHeaderButtonState(Sex->GetIndex()) & hbsActive);
  EXPECT_FALSE(Grid->GetHeaderButtonState(Name->GetIndex()) & hbsActive);
  EXPECT_TRUE(Grid->IsFilterStatusVisible());
  RenderWindowToPng(Form->Handle(), "filter-applied.png");

  OpenList(Sex);
  EXPECT_EQ(Grid->FilterPopup()->ItemIndex(), 3) << "the value in force is preselected";
  ClickRow(frAll);
  EXPECT_EQ(ShownNos(), AllNos);
  EXPECT_EQ(Grid->GetFilterText(), "");
  EXPECT_FALSE(Grid->IsFilterStatusVisible());

  // The status panel's close button clears the filter too.
  Grid->Filter()->SetValueFilter(Sex, "女", "女");
  Pump();
  TdxTreeListDrawInfo info;
  Grid->CalcRectInfo(info);
  const TRect& panel = info.FilterPanelRect;
  ASSERT_FALSE(IsRectEmpty(panel));
  TestClock().Advance(1000);
  Click(Grid, {panel.Left + 8, (panel.Top + panel.Bottom) / 2});
  Pump();
  EXPECT_EQ(ShownNos(), AllNos);
}

TEST_P(FilterTest, KeysChooseInTheListAndNoCharacterReachesTheGrid) {
  Show();
  std::vector<TKeyChar> typed;
  Grid->OnKeyPress = [&](TObject*, TKeyChar& Key) { typed.push_back(Key); };
  OpenList(Sex);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  Pump();
  EXPECT_EQ(Grid->FilterPopup()->ItemIndex(), 2);
  PressKey(VK_RETURN);
  Pump();
  EXPECT_FALSE(Grid->IsFilterPopupShown());
  EXPECT_EQ(ShownNos(), (std::vector<int>{102, 104, 106, 108, 110, 112}));
  for (int key : {VK_ESCAPE, VK_F4}) {
    OpenList(Sex);
    PressKey(VK_UP);
    PressKey(key);
    Pump();
    EXPECT_FALSE(Grid->IsFilterPopupShown()) << key;
    EXPECT_EQ(Grid->GetFilterText(), "(Sex = 女)") << key << ": closed without a change";
  }
  EXPECT_TRUE(typed.empty()) << "Enter's and Esc's characters are dropped";

  // A press elsewhere closes the list; a press on its own button only closes it.
  OpenList(Sex);
  TestClock().Advance(1000);
  MouseDown(Grid, ButtonPoint(Sex));
  MouseUp(Grid, ButtonPoint(Sex));
  Pump();
  EXPECT_FALSE(Grid->IsFilterPopupShown());
  OpenList(Name);
  Grid->CancelDragOperation();
  EXPECT_FALSE(Grid->IsFilterPopupShown());
}

TEST_P(FilterTest, TheListOffersEachValueOnceWithTheBlankRowsWhereRecordsAreBlank) {
  Show();
  Grid->ShowHeaderFilterList(Score->GetIndex());
  std::vector<String> rows = Rows();
  ASSERT_EQ(rows.size(), 4u + 11u) << "Wang Wu has no score: no row of his own";
  EXPECT_EQ((std::vector<String>(rows.begin(), rows.begin() + 5)),
            (std::vector<String>{"(All)", "(Custom...)", "(Blanks)", "(NonBlanks)", "58"}));
  EXPECT_EQ(rows.back(), "95");

  Grid->Filter()->SetMaxDropDownCount(2);
  Grid->ShowHeaderFilterList(Name->GetIndex());
  EXPECT_EQ(Rows(), (std::vector<String>{"(All)", "(Custom...)", "Zhang San", "li si"}))
      << "the first two values met, in order";

  Grid->Filter()->SetMaxDropDownCount(1000);
  Grid->Filter()->SetValueFilter(Sex, "男", "男");
  Grid->ShowHeaderFilterList(Sex->GetIndex());
  EXPECT_EQ(Rows(), (std::vector<String>{"(All)", "(Custom...)", "女", "男"})) << "hidden records are offered";
  Grid->Filter()->RemoveColumnFilter(Sex);

  Grid->Filter()->SetCaseInsensitive(true);
  Grid->ShowHeaderFilterList(Name->GetIndex());
  EXPECT_EQ(Rows()[2], "CHEN BA") << "in capitals";
  EXPECT_EQ(Rows()[6], "LI SI");
}

TEST_P(FilterTest, TheRowInForceIsPreselected) {
  Show();
  TdxDBGridFilter& filter = *Grid->Filter();
  TdxDBGridCriteria& criteria = filter.Criteria();
  struct Case {
    const char* What;
    std::function<void()> Set;
    TdxDBGridColumn* Column;
    int Row;
  };
  const Case cases[] = {
      {"none", [&] { criteria.Clear(); }, Score, frAll},
      {"a value", [&] { filter.SetValueFilter(Score, 61, "61"); }, Score, 5},
      {"blanks", [&] { filter.SetBlanksFilter(Score, false); }, Score, frBlanks},
      {"non-blanks", [&] { filter.SetBlanksFilter(Score, true); }, Score, frNonBlanks},
      {"blanks where no record is blank", [&] { filter.SetBlanksFilter(Sex, false); }, Sex, -1},
      {"another operator", [&] { criteria.AddCondition(nullptr, "dg1Column4", okGreater, "60", 60); }, Score, frCustom},
      {"a negated value",
       [&] { criteria.AddCondition(nullptr, "dg1Column4", okEqual, "61", 61)->Not = true; }, Score, frCustom},
      {"in a group",
       [&] { criteria.AddCondition(criteria.AddGroup(nullptr, true), "dg1Column4", okEqual, "61", 61); }, Score,
       frCustom},
  };
  ASSERT_EQ(Score->Name(), "dg1Column4");
  for (const Case& c : cases) {
    criteria.Clear();
    c.Set();
    Grid->ShowHeaderFilterList(c.Column->GetIndex());
    EXPECT_EQ(Grid->FilterPopup()->ItemIndex(), c.Row) << c.What;
  }
}

TEST_P(FilterTest, ChoosingARowReplacesTheColumnsConditions) {
  Show();
  TdxDBGridCriteria& criteria = Grid->Filter()->Criteria();
  TdxCriteriaItemList* group = criteria.AddGroup(nullptr, true);
  criteria.AddCondition(group, Score->Name(), okLess, "60", 60);
  criteria.AddCondition(group, Score->Name(), okGreater, "90", 90);
  Grid->FilterChanged();
  EXPECT_EQ(ShownNos(), (std::vector<int>{105, 108}));
  Grid->ShowHeaderFilterList(Score->GetIndex());
  Grid->FilterPopup()->SetItemIndex(frNonBlanks);
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(criteria.Count(), 1) << "the custom conditions went";
  EXPECT_EQ(Grid->GetFilterText(), "(NOT (Score Is Null))");
  EXPECT_EQ(ShownNos().size(), 11u);
}

TEST_P(FilterTest, GroupRowsGoWithTheirLastRecordAndComeBack) {
  Show();
  Sex->SetGroupIndex(0);
  Pump();
  ASSERT_EQ(Grid->Count(), 2);
  Grid->Filter()->SetValueFilter(Name, "Zhang San", "Zhang San");
  ASSERT_EQ(Grid->Count(), 1);
  EXPECT_TRUE(VarSameValue(static_cast<TdxDBGridNode*>(Grid->Items(0))->GroupValue, Variant("男")));
  EXPECT_EQ(ShownNos(), (std::vector<int>{101}));
  EXPECT_EQ(Grid->FooterRecordCount(), 1);

  Grid->Filter()->RemoveColumnFilter(Name);
  ASSERT_EQ(Grid->Count(), 2);
  EXPECT_EQ(ShownNos(), (std::vector<int>{102, 104, 106, 108, 110, 112, 101, 103, 105, 107, 109, 111}))
      << "each record back among its group's rows in the records' order";
  EXPECT_EQ(Grid->FooterRecordCount(), 12);
}

TEST_P(FilterTest, HidingTheFocusedRecordMovesTheFocusAndTheDataSet) {
  Show();
  Grid->SetFocusedNodeAndColumn(NodeOf(105), 0, true);
  ASSERT_EQ(CurrentNo(), 105);
  Grid->Filter()->SetValueFilter(Sex, "男", "男");
  EXPECT_EQ(Grid->FocusedNode(), NodeOf(105)) << "a shown record keeps the focus";
  EXPECT_EQ(CurrentNo(), 105);

  Grid->Filter()->SetValueFilter(Score, 90, "90");
  EXPECT_EQ(ShownNos(), (std::vector<int>{}));
  Grid->Filter()->RemoveColumnFilter(Sex);
  ASSERT_EQ(ShownNos(), (std::vector<int>{104}));
  Grid->Filter()->RemoveColumnFilter(Score);
  Grid->SetFocusedNodeAndColumn(NodeOf(104), 0, true);
  ASSERT_EQ(CurrentNo(), 104);
  Grid->Filter()->SetValueFilter(Sex, "男", "男");
  EXPECT_EQ(Grid->FocusedNode(), NodeOf(101)) << "the first shown row";
  EXPECT_EQ(CurrentNo(), 101) << "the data set is on the focused record, not a hidden one";
}

TEST_P(FilterTest, HiddenRecordsLeaveTheSelection) {
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoMultiSelect);
  Show();
  for (int no : {102, 103}) {
    Grid->SetFocusedNodeAndColumn(NodeOf(no), 0, false);
    NodeOf(no)->SetSelected(true);
  }
  ASSERT_EQ(Grid->GetSelectedCount(), 2);
  Grid->Filter()->SetValueFilter(Sex, "男", "男");
  EXPECT_EQ(Grid->GetSelectedCount(), 1) << "no command reaches a record the user does not see";
}

TEST_P(FilterTest, AutoDataSetFilterHandsTheExpressionToTheDataSet) {
  Show();
  std::vector<std::pair<TDataSet*, String>> told;
  Grid->OnFilterChanged = [&](TObject*, TDataSet* DataSet, const String& Text) { told.emplace_back(DataSet, Text); };
  TdxDBGridFilter& filter = *Grid->Filter();
  filter.SetAutoDataSetFilter(true);
  filter.SetCaseInsensitive(true);
  filter.SetValueFilter(Name, "LI SI", "LI SI");
  EXPECT_EQ(DS().Filter(), "(Name = 'LI SI')");
  EXPECT_TRUE(DS().Filtered());
  EXPECT_EQ(DS().FilterOptions(), foCaseInsensitive | foNoPartialCompare);
  EXPECT_EQ(DS().RecordCount(), 1);
  EXPECT_EQ(ShownNos(), (std::vector<int>{102}));
  ASSERT_FALSE(told.empty());
  EXPECT_EQ(told.back(), std::make_pair(&DS(), String("(Name = 'LI SI')")));

  filter.SetValueFilter(Name, "O'Neil*", "O'Neil*");
  EXPECT_EQ(DS().Filter(), "(Name = 'O''Neil*')") << "the value stays one value";
  EXPECT_EQ(DS().RecordCount(), 0);
  filter.SetCaseInsensitive(false);
  EXPECT_EQ(DS().FilterOptions(), foNoPartialCompare);

  filter.RemoveColumnFilter(Name);
  EXPECT_FALSE(DS().Filtered());
  EXPECT_EQ(DS().RecordCount(), 12);
  filter.SetValueFilter(Sex, "女", "女");
  filter.SetAutoDataSetFilter(false);
  EXPECT_EQ(DS().Filter(), "");
  EXPECT_FALSE(DS().Filtered());
  EXPECT_EQ(ShownNos().size(), 6u) << "the grid filters its rows itself";

  TTestGrid* lone = new TTestGrid(Form);
  TDataSet* heard = &DS();
  lone->OnFilterChanged = [&](TObject*, TDataSet* DataSet, const String&) { heard = DataSet; };
  lone->Filter()->SetActive(true);
  EXPECT_EQ(heard, nullptr) << "without a data source the event still comes";
}

TEST_P(FilterTest, InTheCursorModesTheDataSetFiltersItself) {
  Show(false);
  ASSERT_TRUE(Grid->IsCursorMode());
  Grid->ShowHeaderFilterList(Sex->GetIndex());
  EXPECT_EQ(Rows(), (std::vector<String>{"(All)", "(Custom...)"})) << "no values without the records as rows";
  Grid->FilterPopup()->Close(false);

  Grid->Filter()->SetValueFilter(Sex, "男", "男");
  EXPECT_EQ(DS().RecordCount(), 12) << "rows are not hidden in the cursor modes";
  Grid->Filter()->SetAutoDataSetFilter(true);
  Pump();
  EXPECT_EQ(DS().RecordCount(), 6);
  EXPECT_EQ(Grid->Count(), 6) << "the buffered rows are the filtered records";
  EXPECT_EQ(Grid->Items(1)->Strings(Name->GetIndex()), "Wang Wu");

  std::vector<Variant> supplied{"女", "男", "女"};
  size_t at = 0;
  Grid->OnEnumFilterValues = [&](TObject*, TdxDBTreeListColumn*, Variant& Value, String& Text, bool& Repeat) {
    Value = supplied[at];
    Text = VarToStr(Value);
    Repeat = ++at < supplied.size();
  };
  Grid->ShowHeaderFilterList(Sex->GetIndex());
  EXPECT_EQ(Rows(), (std::vector<String>{"(All)", "(Custom...)", "女", "男", "女"})) << "in the event's order";
  at = 0;
  supplied = {"男"};
  Grid->ShowHeaderFilterList(Sex->GetIndex());
  EXPECT_EQ(Rows(), (std::vector<String>{"(All)", "(Custom...)", "男"})) << "the last call's value counts";
}

TEST_P(FilterTest, ALayoutKeepsTheFilter) {
  RegisterDataClasses();
  RegisterClass<TTestGrid, TdxDBGrid>("TTestGrid");
  Show();
  Grid->Filter()->SetDropDownCount(5);
  Grid->Filter()->SetValueFilter(Sex, "男", "男");
  TdxDBGridCriteria& criteria = Grid->Filter()->Criteria();
  TdxCriteriaItemList* group = criteria.AddGroup(nullptr, true);
  criteria.AddCondition(group, Score->Name(), okLess, "60", 60);
  criteria.AddCondition(group, Score->Name(), okIsNull, "", Variant::Null());
  Grid->FilterChanged();
  const String text = criteria.GetFilterText(true);
  const String written = WriteLayout(Form);
  EXPECT_NE(written.find("Filter.Active = True"), String::npos) << written;
  EXPECT_NE(written.find("Filter.Criteria = {"), String::npos) << written;

  auto* copy = TCustomForm::Create<TForm>(Application);
  ReadLayout(written, copy);
  auto* grid = static_cast<TTestGrid*>(copy->FindComponent("dg1"));
  ASSERT_NE(grid, nullptr);
  EXPECT_TRUE(grid->Filter()->Active());
  EXPECT_EQ(grid->Filter()->DropDownCount(), 5);
  EXPECT_EQ(grid->Filter()->Criteria().GetFilterText(true), text) << "the conditions found their columns again";
  EXPECT_TRUE(grid->FilterActive());
  copy->Free();
}

// The filter's expression names a field by its stored origin when it has one, in brackets when that
// is no plain name.
TEST_P(FilterTest, AConditionNamesItsFieldByItsOriginWhenItHasOne) {
  Show();
  Grid->Filter()->SetValueFilter(Sex, "男", "男");
  const auto expression = [this] { return Grid->Filter()->Criteria().GetFilterText(false); };
  EXPECT_EQ(expression(), "(Sex = '男')");
  SetPropValue(*Sex->Field(), "Origin", TLayoutValue::OfString("Students.Sex"));
  EXPECT_EQ(expression(), "([Students.Sex] = '男')");
}

TEST_P(FilterTest, AColumnThatGoesLeavesItsConditionWithoutAName) {
  Show();
  Grid->Filter()->SetValueFilter(Sex, "男", "男");
  Grid->ShowHeaderFilterList(Sex->GetIndex());
  Sex->Free();
  EXPECT_FALSE(Grid->IsFilterPopupShown()) << "its list closed";
  Grid->Invalidate();
  Pump();
  EXPECT_EQ(Grid->GetFilterText(), "( = 男)");
  Grid->FilterChanged();
  EXPECT_TRUE(ShownNos().empty()) << "an unbound condition holds for no record";
  Grid->Filter()->Criteria().Clear();
  Grid->FilterCriteriaChanged();
  EXPECT_FALSE(Grid->FilterActive());
  EXPECT_EQ(ShownNos(), AllNos) << "changed criteria take effect at once";
}

TEST_P(FilterTest, TheLayoutStoreKeepsTheFilterInTheRegistryOnly) {
  Show();
  Grid->Filter()->SetValueFilter(Sex, "男", "男");
  Grid->SaveLayoutToRegistry("Software\\Quorin\\Layouts\\dgFilter");
  Grid->Filter()->RemoveColumnFilter(Sex);
  Grid->LoadLayoutFromRegistry("Software\\Quorin\\Layouts\\dgFilter");
  EXPECT_EQ(Grid->GetFilterText(), "(Sex = 男)");
  EXPECT_EQ(ShownNos().size(), 6u) << "the filter read back applies";

  TempDir dir;
  const String file = dir.File("grid.ini");
  Grid->SaveLayoutToIniFile(file);
  TMemIniFile ini(file);
  EXPECT_EQ(ini.ReadString("\\Form1_dg1", "Filter", "(none)"), "(none)") << "an INI file keeps no binary value";
  Grid->Filter()->SetValueFilter(Sex, "女", "女");
  Grid->LoadLayoutFromIniFile(file);
  EXPECT_EQ(Grid->GetFilterText(), "(Sex = 女)") << "a layout without the value keeps the filter";
}

INSTANTIATE_TEST_SUITE_P(BackEnds, FilterTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

}  // namespace
