// The standards view beside an entry window: its window and columns, the 21 levels with both
// sexes' thresholds as performances are shown, its place on the screen, and the button that opens
// and closes it.
#include "app/windows/ShowStarnd.h"
#include "fixtures/StatisticsFixture.h"

namespace {

// The boys of 高一 have a row for the 50 m run (7.1 s at 95, 7.0 s at 100, 0 at 50, -1 at 0, 5
// and 90, the rest empty); the girls have none.
class ScoreViewTest : public TStatisticsTest {
 protected:
  void SetUp() override {
    TStatisticsTest::SetUp();
    MakeSchool(FixtureSchool);
    Entry = TCustomForm::Create<TForm>(Application);
    Entry->SetBounds(100, 120, 300, 400);
    Load(sfUpto, "U21");
  }
  void TearDown() override {
    CloseStandardView();
    Pump();
    TStatisticsTest::TearDown();
  }

  void Load(TStandardFamily Family, const String& ProgID) {
    TADOQuery* query = Family == sfUpto ? Module->adqUptoStarnd : Module->adqExamStarnd;
    Standards.ClearStandards();
    for (const char* sex : {"男", "女"}) Standards.LoadSexStandard(query, Family, "高一", ProgID, sex);
  }

  std::vector<std::vector<String>> ViewRows() const {
    std::vector<std::vector<String>> rows;
    TListItems* items = fmShowStarnd->lvStarnd->Items();
    for (int i = 0; i < items->Count(); ++i) {
      TListItem* item = items->Item(i);
      rows.push_back({item->Caption(), item->SubItems()->Strings(0), item->SubItems()->Strings(1)});
    }
    return rows;
  }

  TForm* Entry = nullptr;
  TStandardSet Standards;
};

TEST_F(ScoreViewTest, OpensBesideTheEntryWindowWithEveryLevelOfBothSexes) {
  ToggleStandardView(Entry, "秒", Standards);
  ASSERT_NE(fmShowStarnd, nullptr);
  EXPECT_TRUE(fmShowStarnd->Visible());
  EXPECT_EQ(fmShowStarnd->Caption(), "考试标准");
  EXPECT_EQ(fmShowStarnd->FormStyle(), fsStayOnTop);
  EXPECT_EQ(fmShowStarnd->BorderStyle(), bsSizeToolWin);
  TListView* list = fmShowStarnd->lvStarnd;
  EXPECT_EQ(list->ViewStyle(), vsReport);
  EXPECT_TRUE(list->ReadOnly() && list->GridLines() && list->RowSelect());
  EXPECT_FALSE(list->ColumnClick());
  ASSERT_EQ(list->Columns()->Count(), 3);
  EXPECT_EQ(list->Columns()->Items(0)->Caption(), "分数");
  for (int i : {1, 2}) {
    EXPECT_EQ(list->Columns()->Items(i)->Width(), 70);
    EXPECT_EQ(list->Columns()->Items(i)->Alignment(), taCenter);
  }
  EXPECT_EQ(list->Columns()->Items(1)->Caption(), "男生成绩");
  EXPECT_EQ(list->Columns()->Items(2)->Caption(), "女生成绩");

  const auto rows = ViewRows();
  ASSERT_EQ(rows.size(), 21u);
  // Unset thresholds show as performances show them: -1 as nothing, 0 as 0 seconds.
  EXPECT_EQ(rows[0], (std::vector<String>{"0", "", ""}));
  EXPECT_EQ(rows[2], (std::vector<String>{"10", "0\"0", ""}));
  EXPECT_EQ(rows[10], (std::vector<String>{"50", "0\"0", ""}));
  EXPECT_EQ(rows[18], (std::vector<String>{"90", "", ""}));
  EXPECT_EQ(rows[19], (std::vector<String>{"95", "7\"10", ""}));
  EXPECT_EQ(rows[20], (std::vector<String>{"100", "7\"0", ""}));

  EXPECT_EQ(fmShowStarnd->Left(), 100 + 300 + 4);
  EXPECT_EQ(fmShowStarnd->Top() + fmShowStarnd->Height(), 120 + 400);
}

TEST_F(ScoreViewTest, StaysOnTheScreenBesideAnEntryWindowAtItsRightEdge) {
  Entry->SetBounds(Screen->Width() - 320, 200, 300, 400);
  ToggleStandardView(Entry, "米", Standards);
  ASSERT_NE(fmShowStarnd, nullptr);
  EXPECT_EQ(fmShowStarnd->Left(), Screen->Width() - fmShowStarnd->Width() - 4);
  EXPECT_EQ(fmShowStarnd->Top() + fmShowStarnd->Height(), 600);
}

TEST_F(ScoreViewTest, TheButtonTogglesAndAnotherItemRefillsTheOpenView) {
  RefreshStandardView("米", Standards);
  EXPECT_EQ(fmShowStarnd, nullptr);
  ToggleStandardView(Entry, "秒", Standards);
  ASSERT_NE(fmShowStarnd, nullptr);
  Load(sfExam, "E02");
  RefreshStandardView("米", Standards);
  EXPECT_EQ(ViewRows().size(), 21u);
  EXPECT_EQ(ViewRows()[0], (std::vector<String>{"0", "", "1.20"}));
  EXPECT_EQ(ViewRows()[10], (std::vector<String>{"50", "", "1.60"}));
  EXPECT_EQ(ViewRows()[12], (std::vector<String>{"60", "", ""}));

  ToggleStandardView(Entry, "米", Standards);
  EXPECT_EQ(fmShowStarnd, nullptr);
  Pump();
  ToggleStandardView(Entry, "米", Standards);
  ASSERT_NE(fmShowStarnd, nullptr);
  CloseStandardView();
  EXPECT_EQ(fmShowStarnd, nullptr);
}

}  // namespace
