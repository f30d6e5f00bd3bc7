// The data-bound control over both back ends: the data link's notices, columns bound by field name
// with the field's defaults, records read into nodes, columns made from the fields, editing through
// the data set, the indicator, the data-set search, and fields and sources that go away.
#include <algorithm>

#include "support/GridFixture.h"

namespace {

using DataBoundTest = TGridTest;

// All records are nodes, identified by their number, with nodes made by the test.
void AllRecordsByNumber(TCustomdxDBGrid* Grid) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  Grid->SetKeyField("No");
}

TEST_P(DataBoundTest, TheLinkForwardsItsNoticesWithTheScrollNegated) {
  AllRecordsByNumber(Grid);
  AddColumn("Name");
  Grid->Take();
  Grid->SetDataSource(Source);
  EXPECT_EQ(Grid->Take(), (std::vector<String>{"ActiveChanged(true)", "DataSetChanged"}))
      << "the load walked the records with the controls disabled";
  DS().First();
  Grid->Take();
  DS().MoveBy(3);
  EXPECT_EQ(Grid->Take(), std::vector<String>{"DataSetScrolled(-3)"});

  Grid->SetFocusedNodeAndColumn(NodeOf(104), 0, false);
  ASSERT_TRUE(Grid->CanEditModify());
  EXPECT_EQ(DS().State(), dsEdit);
  Grid->Take();
  DS().Post();
  const auto count = [](const std::vector<String>& Notices, const String& Notice) {
    return std::count(Notices.begin(), Notices.end(), Notice);
  };
  EXPECT_EQ(count(Grid->Take(), "UpdateData"), 1) << "the edit began in the grid";
  DS().Edit();
  DS().Post();
  EXPECT_EQ(count(Grid->Take(), "UpdateData"), 0) << "an edit begun elsewhere is not the grid's";
  DS().Close();
  EXPECT_EQ(Grid->Take(), std::vector<String>{"ActiveChanged(false)"});
}

TEST_P(DataBoundTest, ColumnsTakeTheirDefaultsFromTheirFields) {
  Grid->SetDataSource(Source);
  TdxDBGridColumn* no = AddColumn("No");
  TdxDBGridColumn* name = AddColumn("Name");
  TdxDBGridColumn* sex = AddColumn("Sex");
  TdxDBGridColumn* missing = AddColumn("Nothing");
  DS().FieldByName("No")->SetDisplayLabel("学号");
  DS().FieldByName("Sex")->SetReadOnly(true);
  struct Case {
    TdxDBGridColumn* Column;
    const char* Caption;
    TAlignment Alignment;
    int MaxLength;
    bool ReadOnly;
  };
  const Case cases[] = {
      {no, "学号", taRightJustify, 0, false},
      {name, "Name", taLeftJustify, 20, false},
      {sex, "Sex", taLeftJustify, 2, true},
      {missing, "Nothing", taLeftJustify, 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.Column->Caption(), c.Caption);
    EXPECT_EQ(c.Column->Alignment(), c.Alignment) << c.Caption;
    EXPECT_EQ(c.Column->MaxLength(), c.MaxLength) << c.Caption;
    EXPECT_EQ(c.Column->ReadOnly(), c.ReadOnly) << c.Caption;
  }
  EXPECT_EQ(missing->Field(), nullptr);
  EXPECT_EQ(missing->GetDisplayText(nullptr), "");
  name->SetCaption("Name");
  EXPECT_EQ(name->MaxLength(), 20);

  // The wider of the caption in the header font plus 6 and DisplayWidth zeros plus 4.
  TCanvas canvas;
  canvas.Font()->Assign(Grid->HeaderFont());
  const int caption = canvas.TextWidth("Name") + 6;
  canvas.Font()->Assign(Grid->Font());
  const int zeros = canvas.TextWidth("0") * DS().FieldByName("Name")->DisplayWidth() + 4;
  EXPECT_EQ(name->GetDefaultWidth(), std::max(caption, zeros));
  EXPECT_EQ(name->Width(), std::max(caption, zeros)) << "a width never assigned follows the default";
  missing->SetCaption("");
  EXPECT_EQ(missing->GetDefaultWidth(), 64) << "neither a caption nor a field";
  auto* loose = new TdxDBGridColumn(Form);
  EXPECT_EQ(loose->GetDefaultWidth(), 64) << "without a control";
  loose->Free();
}

TEST_P(DataBoundTest, NodesKeepValuesWhereTheirTextDoesNot) {
  AllRecordsByNumber(Grid);
  TdxDBGridColumn* no = AddColumn("No");
  TdxDBGridColumn* name = AddColumn("Name");
  TdxDBGridColumn* score = AddColumn("Score");
  Grid->SetDataSource(Source);
  ASSERT_TRUE(DS().Locate("No", Variant(103)));
  auto* node = static_cast<TdxDBGridNode*>(Grid->Add());
  Grid->RefreshNodeData(node);
  EXPECT_EQ(node->KeyValue, Variant(103));
  const TdxDBNodeValue& number = node->ValueRecord(no->GetIndex());
  EXPECT_TRUE(number.Flags & dnvValue);
  EXPECT_EQ(number.Value, Variant(103));
  EXPECT_EQ(node->ValueRecord(name->GetIndex()).Flags, 0) << "a plain text keeps no value";
  EXPECT_TRUE(node->ValueRecord(score->GetIndex()).Value.IsNull()) << "a record without a score";
  EXPECT_EQ(node->Strings(name->GetIndex()), "Wang Wu");
  EXPECT_EQ(node->Strings(score->GetIndex()), "");
  EXPECT_EQ(Grid->GetNodeValue(node, name->GetIndex()), Variant("Wang Wu"));
  EXPECT_EQ(Grid->GetNodeValue(node, no->GetIndex()), Variant(103));

  // A text the field shows otherwise is kept as its value too.
  DS().FieldByName("Name")->OnGetText = [](TField* Sender, String& Text, bool) {
    Text = "[" + Sender->AsString() + "]";
  };
  TdxTreeListNode* shown = Grid->Add();
  Grid->RefreshNodeData(shown);
  EXPECT_EQ(shown->Strings(name->GetIndex()), "[Wang Wu]");
  EXPECT_TRUE(static_cast<TdxDBGridNode*>(shown)->ValueRecord(name->GetIndex()).Flags & dnvValue);
  EXPECT_EQ(Grid->GetNodeValue(shown, name->GetIndex()), Variant("Wang Wu"));
  DS().FieldByName("Name")->OnGetText = nullptr;

  // The values follow their column when it moves.
  no->SetIndex(2);
  EXPECT_EQ(Grid->GetNodeValue(node, 2), Variant(103));
  EXPECT_EQ(node->Strings(1), "");
  EXPECT_EQ(node->Strings(0), "Wang Wu");
}

TEST_P(DataBoundTest, DefaultColumnsFollowTheVisibleFieldsInOrder) {
  Grid->SetDataSource(Source);
  DS().FieldByName("Note")->SetVisible(false);
  Grid->SetDefaultFields(true);
  const auto fieldNames = [this] {
    std::vector<String> names;
    for (int i = 0; i < Grid->GetColumnCount(); ++i) names.push_back(Grid->DBColumn(i)->FieldName());
    return names;
  };
  EXPECT_EQ(fieldNames(), (std::vector<String>{"No", "Name", "Sex", "Score"}));
  try {
    AddColumn("No");
    FAIL() << "a named column was made beside the fields' columns";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "DefaultFields property should be set to False");
  }
  EXPECT_THROW(Grid->DestroyColumns(), Exception);
  EXPECT_EQ(Grid->GetColumnCount(), 4);

  // The columns follow their fields to any place, however few rows there are.
  DS().FieldByName("Score")->SetIndex(0);
  EXPECT_EQ(fieldNames(), (std::vector<String>{"Score", "No", "Name", "Sex"}));
  DS().FieldByName("Score")->SetIndex(3);
  EXPECT_EQ(fieldNames(), (std::vector<String>{"No", "Name", "Sex", "Score"})) << "every place, not the rows' count";
  DS().FieldByName("Score")->SetIndex(0);
  Grid->DBColumn(0)->SetIndex(2);
  EXPECT_EQ(DS().Fields()[2]->FieldName(), "Score") << "a column made from a field moves its field";
  EXPECT_EQ(fieldNames(), (std::vector<String>{"No", "Name", "Score", "Sex"}));

  DS().Close();
  EXPECT_EQ(Grid->GetColumnCount(), 0) << "a closed data set takes its columns along, without an error";
  DS().Open();
  EXPECT_EQ(Grid->GetColumnCount(), 5) << "the fields made anew are all visible";
  Grid->SetDefaultFields(false);
  EXPECT_EQ(Grid->GetColumnCount(), 0);
}

TEST_P(DataBoundTest, ColumnsMadeForADataSetFollowItsFieldsAndTellTheirFieldChanges) {
  Grid->SetDataSource(Source);
  DS().FieldByName("Note")->SetVisible(false);
  Grid->CreateDefaultColumns(&DS(), Form);
  ASSERT_EQ(Grid->GetColumnCount(), DS().FieldCount());
  for (int i = 0; i < DS().FieldCount(); ++i) {
    TdxDBTreeListColumn* column = Grid->DBColumn(i);
    EXPECT_EQ(column->FieldName(), DS().Fields()[i]->FieldName());
    EXPECT_EQ(column->Visible(), DS().Fields()[i]->Visible()) << column->FieldName();
    EXPECT_EQ(column->Owner(), Form) << "the owner given";
    EXPECT_FALSE(column->Name().empty()) << "a named column";
  }

  TdxDBTreeListColumn* score = Grid->DBColumn(3);
  Grid->Notices.clear();
  score->NotifyFieldChanged(false);
  score->NotifyFieldChanged(true);
  EXPECT_EQ(Grid->Notices, (std::vector<String>{"ColumnFieldChanged(Score)", "ColumnFieldChanged(nil)"}));
  DS().Close();
  Grid->Notices.clear();
  score->NotifyFieldChanged(false);
  EXPECT_TRUE(Grid->Notices.empty()) << "nothing is told while the link is inactive";
}

TEST_P(DataBoundTest, EditingWritesTheFieldAndTheNodeText) {
  AllRecordsByNumber(Grid);
  TdxDBGridColumn* name = AddColumn("Name");
  TdxDBGridColumn* no = AddColumn("No");
  Grid->SetDataSource(Source);
  TdxTreeListNode* node = NodeOf(102);
  Grid->SetFocusedNodeAndColumn(node, 0, false);
  ASSERT_EQ(Grid->GetFocusedColumn(), name->GetIndex());
  EXPECT_TRUE(Grid->IsValidEditChar('x'));
  ASSERT_TRUE(Grid->CanEditModify());
  EXPECT_EQ(DS().State(), dsEdit);
  TdxInplaceEdit* editor = Grid->GetEditor(name->GetIndex());
  editor->SetEditValue("Li Si");
  Grid->AssignEditValue(node, name->GetIndex(), editor);
  EXPECT_EQ(DS().FieldByName("Name")->AsString(), "Li Si");
  EXPECT_EQ(node->Strings(name->GetIndex()), "Li Si");
  EXPECT_EQ(Grid->EditValue(), Variant("Li Si"));
  DS().Post();
  DS().First();
  ASSERT_TRUE(DS().Locate("No", Variant(102)));
  EXPECT_EQ(DS().FieldByName("Name")->AsString(), "Li Si");

  EXPECT_EQ(NodeOf(102)->Strings(name->GetIndex()), "Li Si") << "the rows were read again";
  Grid->SetFocusedNodeAndColumn(NodeOf(102), 1, false);
  ASSERT_EQ(Grid->GetFocusedColumn(), no->GetIndex());
  EXPECT_TRUE(Grid->IsValidEditChar('5'));
  EXPECT_FALSE(Grid->IsValidEditChar('x')) << "a number takes digits";
}

TEST_P(DataBoundTest, ACellStaysUnchangeableWhereTheRecordCannotChange) {
  AllRecordsByNumber(Grid);
  TdxDBGridColumn* name = AddColumn("Name");
  TdxDBGridColumn* note = AddColumn("Note");
  Grid->SetDataSource(Source);
  // Without a key nothing loads: the row is the test's own.
  const auto row = [&] {
    if (Grid->Count() == 0) Grid->RefreshNodeData(Grid->Add());
    return Grid->Items(0);
  };
  struct Case {
    const char* What;
    std::function<void()> Make, Undo;
    TdxDBGridColumn* Column;
  };
  const Case cases[] = {
      {"no key field", [&] { Grid->SetKeyField(""); }, [&] { Grid->SetKeyField("No"); }, name},
      {"read-only column", [&] { name->SetReadOnly(true); }, [&] { name->SetReadOnly(false); }, name},
      {"read-only field", [&] { DS().FieldByName("Name")->SetReadOnly(true); },
       [&] { DS().FieldByName("Name")->SetReadOnly(false); }, name},
      {"a memo edited as text", [] {}, [] {}, note},
      {"no automatic edit", [&] { Source->SetAutoEdit(false); }, [&] { Source->SetAutoEdit(true); }, name},
      {"no navigation", [&] { Grid->SetOptionsDB(Grid->OptionsDB() & ~edgoCanNavigation); },
       [&] { Grid->SetOptionsDB(Grid->OptionsDB() | edgoCanNavigation); }, name},
  };
  for (const Case& c : cases) {
    c.Make();
    Grid->SetFocusedNodeAndColumn(row(), Grid->GetVisibleColumnPos(c.Column->GetIndex()), false);
    EXPECT_FALSE(Grid->CanEditModify()) << c.What;
    EXPECT_EQ(DS().State(), dsBrowse) << c.What;
    c.Undo();
  }
  Grid->SetFocusedNodeAndColumn(row(), 0, false);
  EXPECT_TRUE(Grid->CanEditModify()) << "and with everything put back it can";
  DS().Cancel();
}

TEST_P(DataBoundTest, TheIndicatorShowsTheFocusSelectionAndEditState) {
  AllRecordsByNumber(Grid);
  Grid->SetOptionsBehavior(Grid->OptionsBehavior() | edgoMultiSelect);
  Grid->SetUseBookmarks(false);
  AddColumn("Name");
  Grid->SetDataSource(Source);
  TdxTreeListNode* a = Grid->Items(0);
  TdxTreeListNode* b = Grid->Items(1);
  Grid->SetFocusedNodeAndColumn(a, 0, false);
  EXPECT_EQ(Grid->GetIndicatorKind(a, a->Selected()), ikArrow);
  EXPECT_EQ(Grid->GetIndicatorKind(b, b->Selected()), ikNone);
  a->SetSelected(true);
  b->SetSelected(true);
  EXPECT_EQ(Grid->GetSelectedCount(), 2);
  EXPECT_EQ(Grid->GetIndicatorKind(a, a->Selected()), ikMultiArrow);
  EXPECT_EQ(Grid->GetIndicatorKind(b, b->Selected()), ikMultiDot);
  DS().Edit();
  EXPECT_EQ(Grid->GetIndicatorKind(a, a->Selected()), ikEdit);
  DS().Cancel();
  DS().Insert();
  TdxTreeListNode* inserted = Grid->FocusedNode();
  EXPECT_EQ(Grid->GetIndicatorKind(inserted, inserted->Selected()), ikInsert) << "the new record's row";
  TdxTreeListNode* kept = NodeOf(102);
  EXPECT_EQ(Grid->GetIndicatorKind(kept, kept->Selected()), ikMultiDot) << "a selection kept by key over the reload";
  DS().Cancel();
}

TEST_P(DataBoundTest, TheSearchInTheDataSetWrapsOnceAndStopsAtItsStart) {
  TdxDBGridColumn* name = AddColumn("Name");
  Grid->SetDataSource(Source);
  ASSERT_FALSE(Grid->CanSearchNodes()) << "the nodes are not all the records";
  const auto current = [this] { return DS().FieldByName("Name")->AsString(); };
  TdxTreeListNode* found = nullptr;
  DS().Last();
  EXPECT_TRUE(Grid->SearchText(name->GetIndex(), "zh", found, 2));
  EXPECT_EQ(current(), "Zhang San") << "from the last record on to the first";
  EXPECT_TRUE(Grid->SearchText(name->GetIndex(), "ZH", found, 2));
  EXPECT_EQ(current(), "Zhou Qi");
  EXPECT_TRUE(Grid->SearchText(name->GetIndex(), "zho", found, 0)) << "the current record itself";
  EXPECT_EQ(current(), "Zhou Qi");
  EXPECT_TRUE(Grid->SearchText(name->GetIndex(), "zh", found, 1));
  EXPECT_EQ(current(), "Zhang San") << "backwards";
  EXPECT_FALSE(Grid->SearchText(name->GetIndex(), "q", found, 2));
  EXPECT_EQ(current(), "Zhang San") << "nothing found: back where it started";
  EXPECT_FALSE(Grid->SearchText(name->GetIndex(), "", found, 0));
  DS().Edit();
  EXPECT_FALSE(Grid->SearchText(name->GetIndex(), "li", found, 0)) << "not while editing";
  DS().Cancel();
}

TEST_P(DataBoundTest, AFreedFieldOrSourceIsForgotten) {
  // Fields of the form, as a stored layout gives them to the data set.
  DS().Close();
  auto* noField = new TIntegerField(Form);
  noField->SetFieldName("No");
  noField->SetDataSet(&DS());
  auto* nameField = new TStringField(Form);
  nameField->SetFieldName("Name");
  nameField->SetSize(20);
  nameField->SetDataSet(&DS());
  DS().Open();
  AllRecordsByNumber(Grid);
  TdxDBGridColumn* name = AddColumn("Name");
  TdxDBGridColumn* no = AddColumn("No");
  name->SetSummaryFooterType(cstCount);
  Grid->SetDataSource(Source);
  Grid->LinkFooterSummaryFields();
  ASSERT_EQ(name->Field(), nameField);
  ASSERT_EQ(name->FooterField, nameField);
  ASSERT_EQ(Grid->KeyFieldObject(), noField);
  nameField->Free();
  EXPECT_EQ(name->Field(), nullptr);
  EXPECT_EQ(name->FooterField, nullptr);
  EXPECT_EQ(name->FieldName(), "Name");
  DS().Open();
  EXPECT_EQ(no->Field(), noField);
  noField->Free();
  EXPECT_EQ(no->Field(), nullptr);
  EXPECT_EQ(Grid->KeyFieldObject(), nullptr);
  Source->Free();
  EXPECT_EQ(Grid->DataSource(), nullptr);
}

TEST_P(DataBoundTest, AnotherOpenDataSourceIsLoadedToo) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  AddColumn("Name");
  Grid->SetDataSource(Source);
  auto* second = new TDataSource(Form);
  second->SetDataSet(&DS());
  int reloads = 0;
  Grid->OnReloadGroupList = [&](TObject*) { ++reloads; };
  Grid->SetDataSource(second);
  EXPECT_EQ(reloads, 1) << "the link stayed active and said nothing";
  Grid->SetDataSource(second);
  EXPECT_EQ(reloads, 1);
}

INSTANTIATE_TEST_SUITE_P(BackEnds, DataBoundTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

// --- without data -----------------------------------------------------------------------------------

class ControlNamingTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    RegisterGridClasses();
  }
};

TEST_F(ControlNamingTest, NewColumnsTakeTheNextFreeNumber) {
  auto* grid = new TdxDBGrid(Form);
  grid->SetName("Grid1");
  const auto make = [&] {
    return grid->CreateNamedColumn([](TComponent* Owner) -> TdxTreeListColumn* { return new TdxDBGridColumn(Owner); },
                                   Form);
  };
  auto* taken = new TdxDBGridColumn(Form);
  taken->SetName("Grid1Column3");
  taken->SetTreeList(grid);
  EXPECT_EQ(make()->Name(), "Grid1Column2");
  EXPECT_EQ(make()->Name(), "Grid1Column4") << "Grid1Column3 is taken, so the number goes on";
}

TEST_F(ControlNamingTest, PreviewLengthAndIndicatorWidthKeepTheirLimits) {
  auto* grid = new TdxDBGrid(Form);
  grid->SetPreviewMaxLength(5);
  EXPECT_EQ(grid->TruncatePreview("abcdefgh"), "abcde...");
  EXPECT_EQ(grid->TruncatePreview("abc"), "abc");
  EXPECT_EQ(grid->TruncatePreview("长文本的预览内容"), "长文本的预...") << "characters, not bytes";
  grid->SetPreviewMaxLength(-2);
  EXPECT_EQ(grid->PreviewMaxLength(), 0);
  EXPECT_EQ(grid->TruncatePreview("abcdefgh"), "abcdefgh");
  grid->SetGrIndicatorWidth(8);
  EXPECT_EQ(grid->GrIndicatorWidth(), 12);
  grid->SetGrIndicatorWidth(20);
  EXPECT_EQ(grid->GetMinIndicatorWidth(), 20);
}

TEST_F(ControlNamingTest, ColumnSummaryAndGroupingRules) {
  auto* column = new TdxDBGridColumn(Form);
  column->SetSortBySummary(true);
  EXPECT_FALSE(column->SortBySummary()) << "nothing to sort by";
  column->SetSummaryType(cstSum);
  column->SetSortBySummary(true);
  EXPECT_TRUE(column->SortBySummary());
  column->SetSummaryType(cstNone);
  EXPECT_FALSE(column->SortBySummary());
  column->SetGroupIndex(-5);
  EXPECT_EQ(column->GroupIndex(), -1);
  column->SetGroupIndex(3);
  EXPECT_EQ(column->GroupIndex(), 3) << "without a grid the index is kept";
  column->SetDisableGrouping(true);
  EXPECT_EQ(column->GroupIndex(), -1);
}

}  // namespace
