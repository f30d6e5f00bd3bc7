// Bands: one fixed band per side, clamped widths, columns that follow their band when it moves or
// goes, and the band collection's effect on the default layout.
#include "support/TreeListFixture.h"

namespace {

class BandsTest : public TTreeListTest {
 protected:
  void SetUp() override {
    TTreeListTest::SetUp();
    Bands = List->Bands();
    Bands->Items(0)->SetCaption("B0");
    Bands->Add()->SetCaption("B1");
    Bands->Add()->SetCaption("B2");
  }
  std::string Order() const {
    std::string order;
    for (int i = 0; i < Bands->Count(); ++i) order += (i ? " " : "") + Bands->Items(i)->Caption();
    return order;
  }
  // A column in each band, named by it: c0 in B0 ...
  std::vector<TdxTreeListColumn*> ColumnPerBand() {
    std::vector<TdxTreeListColumn*> columns;
    for (int b = 0; b < 3; ++b) {
      columns.push_back(AddColumn("c" + std::to_string(b)));
      columns.back()->SetBandIndex(b);
    }
    return columns;
  }
  TdxTreeListBands* Bands = nullptr;
};

TEST_F(BandsTest, OneFixedBandPerSide) {
  TdxTreeListBand* b1 = Bands->Items(1);
  TdxTreeListBand* b2 = Bands->Items(2);
  b2->SetFixed(bfLeft);
  EXPECT_EQ(Order(), "B2 B0 B1");
  b1->SetFixed(bfLeft);
  EXPECT_EQ(Order(), "B1 B2 B0");
  EXPECT_EQ(b2->Fixed(), bfNone) << "the band fixed before is released";
  EXPECT_EQ(List->GetFixedLeftBand(), 0);
  Bands->Items(1)->SetFixed(bfRight);
  EXPECT_EQ(Order(), "B1 B0 B2");
  EXPECT_EQ(List->GetFixedRightBand(), 2);

  b1->SetIndex(2);
  EXPECT_EQ(Order(), "B1 B0 B2") << "a fixed band does not move";

  b1->SetVisible(false);
  EXPECT_EQ(b1->Fixed(), bfNone) << "a hidden band never stays fixed";
  b1->SetVisible(true);
  EXPECT_EQ(b1->Fixed(), bfNone);
  b1->SetVisible(false);
  b1->SetFixed(bfLeft);
  EXPECT_EQ(b1->Fixed(), bfNone);
}

TEST_F(BandsTest, AFixedBandAwayFromItsSideIsPutBack) {
  Bands->Items(0)->SetFixed(bfLeft);
  static_cast<TdxTreeListBand*>(Bands->Insert(0))->SetCaption("New");
  EXPECT_EQ(Order(), "B0 New B1 B2");
  EXPECT_EQ(Bands->Items(0)->Fixed(), bfLeft);
}

TEST_F(BandsTest, WidthsAreClamped) {
  TdxTreeListBand* band = Bands->Items(0);
  band->SetWidth(10);
  EXPECT_EQ(band->Width(), 30);
  band->SetMinWidth(-5);
  EXPECT_EQ(band->MinWidth(), 0);
  band->SetWidth(10);
  EXPECT_EQ(band->Width(), 10);
  band->SetMinWidth(40);
  EXPECT_EQ(band->Width(), 40) << "a larger minimum widens the band";
}

TEST_F(BandsTest, ColumnsFollowTheirBand) {
  const std::vector<TdxTreeListColumn*> c = ColumnPerBand();
  Bands->Delete(1);
  EXPECT_EQ(c[0]->BandIndex(), 0);
  EXPECT_EQ(c[1]->BandIndex(), -1) << "the deleted band's columns have none";
  EXPECT_EQ(c[2]->BandIndex(), 1);

  Bands->Add()->SetCaption("B3");
  c[1]->SetBandIndex(2);
  Bands->Items(0)->SetIndex(2);
  EXPECT_EQ(Order(), "B2 B3 B0");
  EXPECT_EQ(c[0]->BandIndex(), 2);
  EXPECT_EQ(c[2]->BandIndex(), 0);
  EXPECT_EQ(c[1]->BandIndex(), 1);
  Bands->Items(2)->SetIndex(0);
  EXPECT_EQ(c[0]->BandIndex(), 0);
  EXPECT_EQ(c[2]->BandIndex(), 1);
  EXPECT_EQ(c[1]->BandIndex(), 2);
}

TEST_F(BandsTest, MoreThanOneBandIsNoDefaultLayout) {
  EXPECT_FALSE(List->DefaultLayout());
  const std::vector<TdxTreeListColumn*> c = ColumnPerBand();
  List->SetShowBands(true);
  List->SetHeaderPanelRowCount(2);
  List->SetDefaultLayout(true);
  EXPECT_TRUE(List->DefaultLayout());
  EXPECT_EQ(Bands->Count(), 1);
  EXPECT_FALSE(List->ShowBands());
  EXPECT_EQ(List->HeaderPanelRowCount(), 1);
  for (TdxTreeListColumn* column : c) EXPECT_EQ(column->BandIndex(), 0);
}

TEST_F(BandsTest, AssignCopiesAllButTheDisableFlags) {
  TdxTreeListBand* source = Bands->Items(1);
  source->SetCaption("Source");
  source->SetWidth(120);
  source->SetAlignment(taRightJustify);
  source->SetDisableDragging(true);
  source->SetSizing(false);
  TdxTreeListBand* target = Bands->Items(2);
  target->Assign(source);
  EXPECT_EQ(target->Caption(), "Source");
  EXPECT_EQ(target->Width(), 120);
  EXPECT_EQ(target->Alignment(), taRightJustify);
  EXPECT_FALSE(target->Sizing());
  EXPECT_FALSE(target->DisableDragging());
}

TEST_F(BandsTest, VisibleIndexes) {
  Bands->Items(1)->SetVisible(false);
  EXPECT_EQ(Bands->VisibleCount(), 2);
  EXPECT_EQ(Bands->VisibleIndexToIndex(1), 2);
  EXPECT_EQ(Bands->IndexToVisibleIndex(1), -1);
  EXPECT_EQ(Bands->VisibleItems(5), nullptr);
  EXPECT_EQ(Bands->Items(2)->VisibleIndex(), 1);
}

}  // namespace
