// Prepared pages: their paper and the begin-page event, the page object rebuilt from the stream and
// stored back, drawing at any scale with objects outside the clip passed over, the rebuilt page
// kept only while in view, and the object under a point.
#include "BuildTestKit.h"

#include "graphics/Gdi.h"
#include "graphics/Graphic.h"
#include "graphics/Metafile.h"

namespace {

// One page: a yellow framed text at (20, 20), another overlapping it at (100, 20), and a text far
// down at (20, 800).
class PreparedPagesTest : public TBuildTest {
 protected:
  void SetUp() override {
    TBuildTest::SetUp();
    Band(btReportTitle, 20, 900, "ReportTitle1");
    TfrMemoView& first = Memo("mmFirst", Bounds(20, 20, 200, 20), "甲");
    first.FrameTyp = frftLeft | frftTop | frftRight | frftBottom;
    first.FillColor = clYellow;
    Memo("mmSecond", Bounds(100, 20, 200, 20), "乙");
    Memo("mmLow", Bounds(20, 800, 200, 20), "丙");
    Report->OnBeginPage = [this](int page) { BegunPages.push_back(page); };
    ASSERT_TRUE(Report->PrepareReport());
  }
  TfrPreparedPage& Prepared() { return Report->EMFPages().Pages(0); }
  std::vector<int> BegunPages;
};

TEST_F(PreparedPagesTest, PagesTakeThePaperOfTheirTemplatePageAndCanBeInsertedAndDeleted) {
  EXPECT_EQ(BegunPages, std::vector<int>{0});
  const TfrPreparedPage& page = Prepared();
  EXPECT_EQ(page.Size, 9);
  EXPECT_EQ(page.Width, 2100);
  EXPECT_EQ(page.Height, 2970);
  EXPECT_EQ(page.Margins[1], 20);
  EXPECT_EQ(page.StretchToPrintable, 1);
  EXPECT_EQ(page.PrnInfo.PageWidth, 758);

  TfrPage landscape(9, 0, 0, frDefaultBin, 1);
  Report->EMFPages().Insert(0, landscape);
  ASSERT_EQ(Pages(), 2);
  EXPECT_EQ(Report->EMFPages().Pages(0).Orientation, 1);
  EXPECT_EQ(Report->EMFPages().Pages(0).Stream.Size(), 1);  // the version byte alone
  Report->EMFPages().Delete(0);
  EXPECT_EQ(Texts(0), (std::vector<String>{"甲", "乙", "丙"}));
}

TEST_F(PreparedPagesTest, ARebuiltPageIsStoredBackIntoItsStream) {
  Report->EMFPages().RebuildPage(0);
  Prepared().Page->Objects[1]->Memo.SetText("改");
  Report->EMFPages().StorePage(0);
  Prepared().Page.reset();
  EXPECT_EQ(Texts(0), (std::vector<String>{"甲", "改", "丙"}));
}

TEST_F(PreparedPagesTest, PagesDrawAtAnyScaleAndPassOverObjectsOutsideTheClip) {
  TBitmap bitmap(1516, 2142);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(Bounds(0, 0, 1516, 2142));
  Report->EMFPages().Draw(0, canvas, Bounds(0, 0, 1516, 2142));
  EXPECT_EQ(canvas->Pixel(100, 60), clYellow);   // (50, 30) of the page, twice as large
  EXPECT_EQ(canvas->Pixel(40, 60), clBlack);     // its left frame
  EXPECT_EQ(canvas->Pixel(100, 100), clWhite);   // below it
  for (const auto& view : Prepared().Page->Objects) EXPECT_EQ(view->ScaleX, 2.0);

  Prepared().Page.reset();
  IntersectClipRect(canvas->Handle(), 0, 0, 600, 600);
  Report->EMFPages().Draw(0, canvas, Bounds(0, 0, 1516, 2142));
  EXPECT_EQ(Prepared().Page->Objects[2]->ScaleX, 1.0);  // at 1600 down: not drawn

  TMetafile recording;
  {
    TMetafileCanvas metafileCanvas(&recording, 758, 1071);
    IntersectClipRect(metafileCanvas.Handle(), 0, 0, 100, 100);
    Prepared().Page.reset();
    Report->EMFPages().Draw(0, &metafileCanvas, Bounds(0, 0, 379, 535));
  }
  EXPECT_EQ(Prepared().Page->Objects[2]->ScaleX, 0.5);  // recordings take every object
}

TEST_F(PreparedPagesTest, APageOutOfViewLosesItsRebuiltPage) {
  TBitmap bitmap(100, 100);
  Prepared().Visible = false;
  Report->EMFPages().RebuildPage(0);
  Report->EMFPages().Draw(0, bitmap.Canvas(), Bounds(0, 0, 100, 100));
  EXPECT_EQ(Prepared().Page, nullptr);
  Prepared().Visible = true;
  Report->EMFPages().Draw(0, bitmap.Canvas(), Bounds(0, 0, 100, 100));
  EXPECT_NE(Prepared().Page, nullptr);
}

TEST_F(PreparedPagesTest, TheObjectUnderAPointIsTheLastOfThoseThatOverlapThere) {
  std::vector<String> clicked, over;
  Report->OnObjectClick = [&](TfrView* view) { clicked.push_back(view->Name); };
  Report->OnMouseOverObject = [&](TfrView* view, TCursor& cursor) {
    over.push_back(view->Name);
    cursor = crHandPoint;
  };
  TCursor cursor = crDefault;
  EXPECT_TRUE(Report->EMFPages().ObjectAt(0, {150, 30}, true, cursor));
  EXPECT_TRUE(Report->EMFPages().ObjectAt(0, {50, 30}, false, cursor));
  EXPECT_FALSE(Report->EMFPages().ObjectAt(0, {5, 5}, true, cursor));
  EXPECT_EQ(clicked, std::vector<String>{"mmSecond"});
  EXPECT_EQ(over, std::vector<String>{"mmFirst"});
  EXPECT_EQ(cursor, crHandPoint);
}

}  // namespace
