// The scoring rule: levels and their columns, both directions, unset and out-of-order thresholds,
// the rounding to thousandths, huge values; reading and checking a typed performance; loading
// the thresholds of both sexes from the standards tables.
#include <cmath>
#include <map>

#include "app/data/KvScore.h"
#include "fixtures/StatisticsFixture.h"

namespace {

// Thresholds by score level; every other level unset (-1).
TStandardThresholds Thresholds(const std::map<int, double>& ByLevel) {
  TStandardThresholds thresholds;
  thresholds.fill(-1);
  for (const auto& [level, value] : ByLevel) thresholds[size_t(level / 5)] = value;
  return thresholds;
}

TEST(ScoreLevels, NameTheirStandardsColumnsWithAtLeastTwoDigits) {
  EXPECT_EQ(ScoreLevels[7], 35);
  EXPECT_EQ(StarndFieldName(0), "Fd_Fen00");
  EXPECT_EQ(StarndFieldName(1), "Fd_Fen05");
  EXPECT_EQ(StarndFieldName(2), "Fd_Fen10");
  EXPECT_EQ(StarndFieldName(19), "Fd_Fen95");
  EXPECT_EQ(StarndFieldName(20), "Fd_Fen100");
}

struct TScoreCase {
  const char* Unit;
  std::map<int, double> Levels;
  double Achieve;
  int Score;
};

TEST(ScoreItem, GivesTheHighestLevelReachedInTheUnitsDirection) {
  const TScoreCase cases[] = {
      // Nothing set: 0 in both directions.
      {"米", {}, 10, 0},
      {"秒", {}, 10, 0},
      // More is better, 10 at level 0 and 20 at level 50.
      {"次", {{0, 10}, {50, 20}}, 9.999, 0},
      {"次", {{0, 10}, {50, 20}}, 10, 0},
      {"次", {{0, 10}, {50, 20}}, 15, 0},
      {"次", {{0, 10}, {50, 20}}, 20, 50},
      {"个", {{0, 10}, {50, 20}}, 200, 50},
      {"米", {{60, 2.0}}, 1.9994, 0},
      {"米", {{60, 2.0}}, 1.9996, 60},  // 1999.6 thousandths round to 2000
      // Lower is better, 7.1 s at 95 and 7.0 s at 100.
      {"秒", {{95, 7.1}, {100, 7.0}}, 7.05, 95},
      {"秒", {{95, 7.1}, {100, 7.0}}, 7.0, 100},
      {"秒", {{95, 7.1}, {100, 7.0}}, 7.0004, 100},
      {"秒", {{95, 7.1}, {100, 7.0}}, 7.0006, 95},
      {"秒", {{95, 7.1}, {100, 7.0}}, 7.1, 95},
      {"秒", {{95, 7.1}, {100, 7.0}}, 7.1006, 0},
      {"秒", {{95, 7.1}, {100, 7.0}}, 6.2, 100},
      // The product in double lands on a half that the exact product is just above or below:
      // 7.1005 is 7101 thousandths, 12.3445 is 12345, 10.1235 is 10123.
      {"秒", {{95, 7.1}}, 7.1005, 0},
      {"秒", {{50, 12.344}}, 12.3445, 0},
      {"秒", {{100, 10.123}}, 10.1235, 100},
      {"米", {{50, 12.345}}, 12.3445, 50},
      // Out of order: the later level wins when both are met.
      {"次", {{90, 30}, {95, 25}}, 30, 95},
      {"次", {{90, 30}, {95, 25}}, 26, 95},
      {"秒", {{90, 7.0}, {95, 7.5}}, 7.0, 95},
      // 0 is unset as -1 is; the levels around it still count.
      {"米", {{0, -1}, {5, 0}, {10, 3}}, 5, 10},
      {"秒", {{5, 0}, {10, 12.5}}, 0, 10},
      // Huge values saturate instead of overflowing the 32-bit thousandths.
      {"次", {{100, 50}}, 1e12, 100},
      {"次", {{100, 50}}, 1e300, 100},
      {"秒", {{100, 50}}, 1e12, 0},
      {"次", {{100, 1e10}}, 5, 0},
      {"秒", {{100, 1e10}}, 5, 100},
      {"次", {{100, 50}}, std::nan(""), 0},
      {"秒", {{100, 50}}, std::nan(""), 0},
      {"次", {{100, std::nan("")}}, 60, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScoreItem(c.Achieve, Thresholds(c.Levels), c.Unit), c.Score) << c.Unit << " " << c.Achieve;
}

TEST(ScoreItem, OnlySecondsAreLowerIsBetter) {
  const TStandardThresholds thresholds = Thresholds({{50, 10}});
  EXPECT_EQ(ScoreTimeItem(9, thresholds), 50);
  EXPECT_EQ(ScoreCountItem(9, thresholds), 0);
  for (const char* unit : {"米", "次", "个", "", "分"}) EXPECT_EQ(ScoreItem(11, thresholds, unit), 50) << unit;
  EXPECT_EQ(ScoreItem(11, thresholds, "秒"), 0);
}

struct TAchieveCase {
  TAchieveEdits Edits;
  bool Valid;
  double Value;
};

TEST(TypedAchieve, IsCheckedAndReadInTheBoxesOfItsUnit) {
  const TAchieveCase cases[] = {
      {{true, "12.5", "", "", ""}, true, 12.5},
      {{true, "0", "", "", ""}, true, 0},
      {{true, "", "", "", ""}, false, InvalidAchieve},
      {{true, "1.2.3", "", "", ""}, false, InvalidAchieve},
      {{true, "abc", "", "", ""}, false, InvalidAchieve},
      {{true, "2147483.647", "", "", ""}, true, 2147483.647},
      // Too large for the thousandths the scoring compares: refused, never scored.
      {{true, "2147483.648", "", "", ""}, false, 2147483.648},
      {{true, "1e300", "", "", ""}, false, 1e300},
      {{false, "", "", "65", "0"}, true, 65},
      {{false, "", "1", "5", "5"}, true, 65.5},
      {{false, "", "", "7", "05"}, true, 7.05},
      {{false, "", "", "7", "123"}, true, 7.123},
      {{false, "", "", "", "5"}, false, 0.5},
      {{false, "", "", "7", ""}, false, 7},
      {{false, "", "x", "7", "5"}, false, InvalidAchieve},
      {{false, "", "", "7", "x"}, false, InvalidAchieve},
      {{false, "", "99999999", "0", "0"}, false, 5999999940.0},
      {{false, "", "99999999999", "0", "0"}, false, InvalidAchieve},
  };
  for (const auto& c : cases) {
    const String shown = c.Edits.Numeric + "|" + c.Edits.Minute + "|" + c.Edits.Second + "|" + c.Edits.Million;
    EXPECT_EQ(IsAchieveTextValid(c.Edits), c.Valid) << shown;
    EXPECT_DOUBLE_EQ(ReadAchieveFromEdits(c.Edits), c.Value) << shown;
  }
}

class ScoreStandardsTest : public TStatisticsTest {
 protected:
  void SetUp() override {
    TStatisticsTest::SetUp();
    MakeSchool(FixtureSchool);
  }
};

TEST_F(ScoreStandardsTest, EachSexLoadsItsRowAndAMissingRowScoresNothing) {
  TStandardSet set;
  EXPECT_FALSE(set.HasStandard("男"));
  EXPECT_FALSE(set.HasStandard("女"));
  set.LoadSexStandard(Module->adqUptoStarnd, sfUpto, "高一", "U21", "男");
  set.LoadSexStandard(Module->adqUptoStarnd, sfUpto, "高一", "U21", "女");
  EXPECT_TRUE(set.HasStandard("男"));
  EXPECT_FALSE(set.HasStandard("女"));
  EXPECT_TRUE(Module->adqUptoStarnd->Active());
  EXPECT_EQ(Screen->Cursor(), crDefault);

  // -1, 0 and empty columns are all unset.
  TStandardThresholds boys;
  boys.fill(0);
  boys[0] = boys[1] = boys[18] = -1;
  boys[19] = 7.1;
  boys[20] = 7.0;
  EXPECT_EQ(set.Thresholds("男"), boys);
  EXPECT_EQ(set.CalcItemScore(7.05, "男", "秒"), 95);
  EXPECT_EQ(set.CalcItemScore(6.9, "男", "秒"), 100);
  EXPECT_EQ(set.CalcItemScore(6.9, "女", "秒"), 0);
  // Any sex but "男" is scored against the girls' thresholds.
  EXPECT_EQ(set.CalcItemScore(6.9, "", "秒"), 0);
  EXPECT_FALSE(set.HasStandard("x"));

  set.ClearStandards();
  TStandardThresholds unset;
  unset.fill(-1);
  EXPECT_EQ(set.Thresholds("男"), unset);
}

TEST_F(ScoreStandardsTest, TheExaminationTableIsReadForExaminationItems) {
  TStandardSet set;
  set.LoadSexStandard(Module->adqExamStarnd, sfExam, "高一", "E02", "女");
  ASSERT_TRUE(set.HasStandard("女"));
  EXPECT_EQ(set.CalcItemScore(1.6, "女", "米"), 50);
  EXPECT_EQ(set.CalcItemScore(2.5, "其他", "米"), 100);
  set.LoadSexStandard(Module->adqExamStarnd, sfExam, "高一", "U21", "男");
  EXPECT_FALSE(set.HasStandard("男"));
}

// Grade, sex and item are bound values: text that would change the statement finds no row.
TEST_F(ScoreStandardsTest, LookupValuesAreBoundNotPutIntoTheStatement) {
  TStandardThresholds thresholds;
  thresholds.fill(-1);
  const TStandardThresholds before = thresholds;
  for (const char* grade : {"高一' or '1'='1", "'", "高二"})
    EXPECT_FALSE(LoadStandardRow(Module->adqUptoStarnd, sfUpto, grade, "男", "U21", thresholds)) << grade;
  EXPECT_FALSE(LoadStandardRow(Module->adqUptoStarnd, sfUpto, "高一", "男' --", "U21", thresholds));
  EXPECT_EQ(thresholds, before);
  EXPECT_TRUE(LoadStandardRow(Module->adqUptoStarnd, sfUpto, "高一", "男", "u21", thresholds));
}

}  // namespace
