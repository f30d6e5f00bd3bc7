// The common routines of the records application: performance texts, the range of a typed
// performance, the rights names and the database path in the settings store.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/data/KvCommon.h"
#include "app/data/KvConst.h"
#include "settings/Registry.h"

namespace {

struct TAchieveCase {
  const char* Unit;
  double Value;
  const char* Text;
};

TEST(FormatAchieve, ShowsEachUnitItsWay) {
  const TAchieveCase cases[] = {
      {"秒", 59.99, "59\"99"},    {"秒", 60, "1'0\"0"},      {"秒", -1, ""},           {"秒", 0, "0\"0"},
      {"秒", 65.05, "1'5\"5"},    {"秒", 12.5, "12\"50"},    {"秒", 62.5, "1'2\"50"},  {"秒", 3725.07, "62'5\"7"},
      {"米", 0, ""},              {"米", 2.456, "2.46"},     {"米", -3, ""},           {"次", -1, ""},
      {"次", 12.7, "12"},         {"个", 30, "30"},          {"个", 0, ""},            {"分", 12, ""},
      {"", 5, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatAchieve(c.Unit, c.Value), c.Text) << c.Unit << " " << c.Value;
}

TEST(FormatAchieve, AValueNoIntegerHoldsFallsBackToTwoDecimals) {
  // 1e30 seconds or times have no hundredths or whole number that fits an integer: the plain
  // number is shown.
  EXPECT_EQ(FormatAchieve("秒", 1e30), "1000000000000000000000000000000.00");
  EXPECT_EQ(FormatAchieve("次", 1e30), "1000000000000000000000000000000.00");
}

TEST(AchieveInRange, TakesWhatTheScoringCanHoldInThousandths) {
  EXPECT_TRUE(AchieveInRange(0));
  EXPECT_TRUE(AchieveInRange(2147483.647));
  EXPECT_FALSE(AchieveInRange(2147483.648));
  EXPECT_FALSE(AchieveInRange(-0.5));
  EXPECT_FALSE(AchieveInRange(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(AchieveInRange(std::nan("")));
}

TEST(RightsName, NamesTheTwoRightsAndShowsAnyOtherValueAsItsNumber) {
  EXPECT_EQ(RightsName(0), "体育老师");
  EXPECT_EQ(RightsName(1), "教研室主任");
  EXPECT_EQ(RightsName(2), "2");
  EXPECT_EQ(RightsName(-1), "-1");
}

TEST(DatabaseFile, DefaultsBesideTheProgramAndFollowsTheStoredPath) {
  TRegistry().DeleteKey("\\Software\\Tolvik");
  const String expected = ApplicationFolder() + "Data/test_app.db";
  EXPECT_EQ(DefaultDatabaseFile(), expected);
  EXPECT_EQ(GetDatabaseFile(), expected);
  SetDatabaseFile("/srv/学校/体育.db");
  EXPECT_EQ(GetDatabaseFile(), "/srv/学校/体育.db");
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\Software\\Tolvik\\Database", false));
  EXPECT_EQ(registry.ReadString("DataFile"), "/srv/学校/体育.db");
  TRegistry().DeleteKey("\\Software\\Tolvik");
}

}  // namespace
