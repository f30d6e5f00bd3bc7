// Summary values formatted by kind, place and date kind; summary groups with their name rules, the
// one default group, copying, and the grid's reactions to a changed item or group.
#include <gtest/gtest.h>

#include "grid/dxDBGrid.h"
#include "grid/dxDBGridClasses.h"
#include "rtl/DateTime.h"
#include "treelist/dxTLTypes.h"

namespace {

TEST(SummaryFormatTest, DefaultAndGivenFormatsByKindPlaceAndDateKind) {
  const TdxSummaryValue date = EncodeDate(2024, 3, 5);
  const TdxSummaryValue moment = double(EncodeDate(2024, 3, 5)) + double(EncodeTime(14, 30, 0, 0));
  struct Case {
    TdxSummaryType Type;
    const char* Format;
    TFieldType Kind;
    TdxSummaryPlace Place;
    TdxSummaryValue Value;
    const char* Text;
  };
  const Case cases[] = {
      {cstNone, "", ftUnknown, spGroupRow, 5, ""},
      {cstSum, "", ftUnknown, spFooter, 1234.5, "1234.50"},
      {cstSum, "", ftUnknown, spGroupRow, -2.5, "(SUM=-2.50)"},
      {cstCount, "", ftUnknown, spGroupRow, 7, "(COUNT=7)"},
      {cstCount, "", ftUnknown, spFooter, 12, "12"},
      {cstAvg, "", ftUnknown, spFooter, 80.126, "AVG=80.13"},
      {cstMin, "", ftDate, spGroupRow, date, "(MIN=2024-3-5)"},
      {cstMax, "", ftDate, spGroupRow, date, "(MAX=2024-3-5)"},
      {cstMax, "", ftDate, spFooter, date, "MAX=2024-3-5"},
      {cstSum, "", ftDate, spFooter, date, "2024-3-5"},
      {cstAvg, "平均 ", ftDateTime, spFooter, moment, "平均 2024-3-5 14:30:00"},
      {cstMin, "", ftTime, spGroupRow, moment, "(MIN=14:30:00)"},
      {cstCount, "", ftDate, spGroupRow, 12, "(COUNT=12)"},
      {cstSum, "合计 0.0", ftUnknown, spGroupRow, 3.26, "合计 3.3"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatSummaryValue(c.Type, c.Format, c.Kind, c.Place, c.Value), c.Text) << c.Text;
}

class SummaryGroupsTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterGridClasses();
    Grid = MakeComponent<TdxDBGrid>();
  }
  TdxDBGridSummaryGroup* AddGroup(const String& Name) {
    TdxDBGridSummaryGroup* group = Grid->SummaryGroups()->Add();
    group->SetName(Name);
    return group;
  }
  TComponentPtr<TdxDBGrid> Grid;
};

TEST_F(SummaryGroupsTest, NamesAreRequiredUniqueAndCaseSensitive) {
  TdxDBGridSummaryGroup* a = AddGroup("A");
  EXPECT_NO_THROW(AddGroup("a")) << "names differing in case are two names";
  a->SetName("A");
  EXPECT_EQ(a->Name(), "A") << "its own name again is accepted";
  int told = 0;
  a->OnNameChanged = [&](TdxDBGridSummaryGroup*) { ++told; };
  try {
    a->SetName("a");
    FAIL() << "a duplicate name was taken";
  } catch (const EInvaliddxTreeListOperation& e) {
    EXPECT_EQ(e.Message(), "Invalidate group name: duplicate!");
  }
  try {
    a->SetName("");
    FAIL() << "an empty name was taken";
  } catch (const EInvaliddxTreeListOperation& e) {
    EXPECT_EQ(e.Message(), "Invalidate group name!");
  }
  EXPECT_EQ(a->Name(), "A");
  EXPECT_EQ(told, 0);
  a->SetName("B");
  EXPECT_EQ(told, 1);
  EXPECT_EQ(Grid->SummaryGroups()->FindGroup("B"), a);
}

TEST_F(SummaryGroupsTest, OneDefaultGroupAndCopiesOfGroupsAndItems) {
  TdxDBGridSummaryGroup* first = AddGroup("First");
  TdxDBGridSummaryGroup* second = AddGroup("Second");
  first->SetDefaultGroup(true);
  second->SetDefaultGroup(true);
  EXPECT_FALSE(first->DefaultGroup());
  EXPECT_EQ(Grid->SummaryGroups()->FindDefaultGroup(), second);
  second->SetDefaultGroup(false);
  EXPECT_EQ(Grid->SummaryGroups()->FindDefaultGroup(), nullptr);

  first->SetBeginSummaryText("[");
  TdxDBGridSummaryItem* item = first->SummaryItems()->Add();
  item->SetColumnName("dg1Score");
  item->SetSummaryType(cstAvg);
  item->SetSummaryFormat("0.0");
  item->OnSummary = [](TObject*, TDataSet*, TdxSummaryValue&) {};
  TComponentPtr<TdxDBGrid> other = MakeComponent<TdxDBGrid>();
  TdxDBGridSummaryGroup* copy = other->SummaryGroups()->Add();
  copy->Assign(first);
  EXPECT_EQ(copy->Name(), "First");
  EXPECT_EQ(copy->BeginSummaryText(), "[");
  ASSERT_EQ(copy->SummaryItems()->Count(), 1);
  EXPECT_EQ(copy->SummaryItems()->Items(0)->ColumnName(), "dg1Score");
  EXPECT_EQ(copy->SummaryItems()->Items(0)->SummaryType(), cstAvg);
  EXPECT_FALSE(copy->SummaryItems()->Items(0)->OnSummary) << "the handler is not copied";
  EXPECT_THROW(other->SummaryGroups()->Add()->Assign(first), EInvaliddxTreeListOperation)
      << "a copy's name goes through the duplicate check";

  // Setting the whole lists copies them.
  TComponentPtr<TdxDBGrid> third = MakeComponent<TdxDBGrid>();
  third->SetSummaryGroups(Grid->SummaryGroups());
  ASSERT_EQ(third->SummaryGroups()->Count(), 2);
  EXPECT_EQ(third->SummaryGroups()->Items(1)->Name(), "Second");
  EXPECT_EQ(third->SummaryGroups()->Items(0)->SummaryItems()->Items(0)->SummaryFormat(), "0.0");
  TdxDBGridSummaryGroup* second3 = third->SummaryGroups()->Items(1);
  second3->SetSummaryItems(first->SummaryItems());
  ASSERT_EQ(second3->SummaryItems()->Count(), 1);
  EXPECT_NE(second3->SummaryItems()->Items(0), item);
  EXPECT_EQ(second3->SummaryItems()->Items(0)->SummaryType(), cstAvg);
}

TEST_F(SummaryGroupsTest, ChangedGroupsRegroupAndChangedItemsRelayout) {
  Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
  int reloads = 0;
  Grid->OnReloadGroupList = [&](TObject*) { ++reloads; };
  TdxDBGridSummaryGroup* group = AddGroup("G");
  EXPECT_GT(reloads, 0) << "a new group regroups";
  reloads = 0;
  TdxDBGridSummaryItem* item = group->SummaryItems()->Add();
  item->SetSummaryType(cstSum);
  EXPECT_EQ(reloads, 0) << "an item only relayouts";
  Grid->ColumnRenamed("dg1A", "dg1B");
  item->SetColumnName("dg1A");
  Grid->ColumnRenamed("dg1A", "dg1B");
  EXPECT_EQ(item->ColumnName(), "dg1B") << "items follow a renamed column";
}

}  // namespace
