// The grouped list over a SQLite table of its own, prepared in two passes, its first page read back
// and drawn at twice its size into grouped-report-page1.png under the test output folder.
#include <gtest/gtest.h>

#include "graphics/Graphic.h"
#include "report/FR_Register.h"
#include "report/FR_State.h"
#include "support/GroupedListReport.h"
#include "support/GuiHarness.h"
#include "support/PreparedPages.h"
#include "support/TempDir.h"

namespace {

TEST(GroupedReportTest, AGroupedListOverASqliteTablePreparesAndDraws) {
  frResetState();
  RegisterReportClasses();
  TempDir dir;
  MakeResultsDatabase(dir.File("results.db"), 300);
  TGroupedListReport list(dir.File("results.db"));
  ASSERT_TRUE(list.Report->PrepareReport()) << frState().EvalErrorText;
  TfrEMFPages& pages = list.Report->EMFPages();
  ASSERT_GE(pages.Count(), 10);

  pages.RebuildPage(0);
  std::vector<String> texts;
  for (const auto& view : pages.Pages(0).Page->Objects) texts.push_back(view->Memo.Count() ? view->Memo[0] : String());
  const std::vector<String> opening{"高中体育考试成绩表", "学号", "姓名", "性别", "项目", "成绩", "表现", "高一(1)班",
                                    "2025010001", "赵伟华", "男", "50米跑", "41.3", "不及格"};
  ASSERT_GT(texts.size(), opening.size());
  EXPECT_EQ(std::vector<String>(texts.begin(), texts.begin() + long(opening.size())), opening);
  const auto footer = std::find(texts.begin(), texts.end(), "人次：5");
  ASSERT_NE(footer, texts.end());
  EXPECT_EQ(*(footer + 2), "62.5");  // the average of the class's five scores
  EXPECT_EQ(texts.back(), "第 1 页，共 " + std::to_string(pages.Count()) + " 页");

  const std::unique_ptr<TBitmap> bitmap = DrawPreparedPage(pages, 0, 2);
  TCanvas* canvas = bitmap->Canvas();
  SaveBitmapToPng(*bitmap, "grouped-report-page1.png");
  // The captions' rule runs under them from the left margin (36) at 72 + 18 on the page.
  int ruled = 0;
  for (int x = 2 * 36; x < 2 * 700; ++x) ruled += canvas->Pixel(x, 2 * 90) == clBlack;
  EXPECT_GT(ruled, 2 * 600);
  frResetState();
}

}  // namespace
