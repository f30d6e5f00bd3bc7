// A sample of report objects drawn on a bitmap as a prepared page would draw them, saved as
// report-objects.png under the test output folder to be looked at: frames in every style, fills,
// Chinese text centred, right-aligned, justified and turned, a picture kept in its aspect, lines.
#include "ReportTestKit.h"

#include "support/GuiHarness.h"
#include "support/PixelCanvas.h"

namespace {

class ObjectRenderTest : public TReportTest {
 protected:
  TfrMemoView& Cell(const String& name, TRect bounds, const std::vector<String>& lines, int alignment = frtaLeft) {
    auto& memo = Place<TfrMemoView>(name, bounds);
    for (const String& line : lines) memo.Memo.Add(line);
    memo.Alignment = alignment;
    memo.FrameTyp = frftLeft | frftTop | frftRight | frftBottom;
    memo.Font.SetSize(10);
    return memo;
  }
};

TEST_F(ObjectRenderTest, ASamplePageOfObjects) {
  frState().PrintMode = true;
  auto& title = Cell("title", Bounds(10, 10, 400, 30), {"高中体育考试成绩表"}, frtaCenter | frtaMiddle);
  title.Font.SetSize(16);
  title.Font.SetStyle(fsBold);
  title.FrameTyp = frftBottom;
  title.FrameWidth = 2;
  const char* captions[] = {"学号", "姓名", "项目", "成绩"};
  for (int i = 0; i < 4; ++i) {
    auto& caption = Cell(captions[i], Bounds(10 + 100 * i, 50, 100, 22), {captions[i]}, frtaCenter | frtaMiddle);
    caption.FillColor = clSilver;
  }
  Cell("no", Bounds(10, 72, 100, 22), {"2023010001"}, frtaLeft | frtaMiddle).FrameStyle = frsDash;
  Cell("name", Bounds(110, 72, 100, 22), {"张三丰"}, frtaCenter | frtaMiddle).FrameStyle = frsDot;
  Cell("item", Bounds(210, 72, 100, 22), {"立定跳远"}, frtaCenter | frtaMiddle).FrameStyle = frsDashDot;
  auto& score = Cell("score", Bounds(310, 72, 100, 22), {"92.5"}, frtaRight | frtaMiddle);
  score.FrameStyle = frsDouble;
  score.FillColor = clYellow;
  auto& text = Cell("text", Bounds(10, 110, 250, 70),
                    {"The scores of the school year are kept for every student and printed once a term."},
                    frtaJustify);
  text.FrameColor = clNavy;
  text.Flags |= flUnderlines;
  auto& turned = Cell("turned", Bounds(270, 110, 30, 120), {"竖排文字"}, frtaVertical | frtaCenter);
  turned.Font.SetColor(clMaroon);
  auto& picture = Place<TfrPictureView>("pic", Bounds(310, 110, 100, 70));
  picture.FrameTyp = 15;
  TBitmap emblem(40, 20);
  emblem.Canvas()->Brush()->SetColor(clGreen);
  emblem.Canvas()->FillRect(Bounds(0, 0, 40, 20));
  emblem.Canvas()->Brush()->SetColor(clWhite);
  emblem.Canvas()->Ellipse(Bounds(10, 2, 20, 16));
  picture.Picture.SetGraphic(&emblem);
  picture.Flags |= flPictCenter;
  auto& rule = Place<TfrLineView>("rule", Bounds(10, 240, 400, 0));
  rule.FrameWidth = 3;
  rule.FrameColor = clGray;

  TPixelCanvas canvas(420, 260);
  for (const auto& view : Page().Objects) view->Draw(canvas.Canvas());
  SaveBitmapToPng(canvas.Bitmap(), "report-objects.png");
  TPixelCanvas twice(840, 520);
  for (const auto& view : Page().Objects) {
    view->ScaleX = view->ScaleY = 2;
    view->Draw(twice.Canvas());
  }
  SaveBitmapToPng(twice.Bitmap(), "report-objects-x2.png");

  // Ink of the title inside its cell, the grey fill of the captions, the picture kept in aspect.
  bool titleInk = false;
  for (int x = 100; x < 320; ++x)
    for (int y = 14; y < 38; ++y) titleInk = titleInk || !canvas.IsBackground(x, y);
  EXPECT_TRUE(titleInk);
  EXPECT_EQ(canvas.At(15, 55), ColorToRGB(clSilver));
  EXPECT_EQ(canvas.At(312, 145), ColorToRGB(clGreen));  // the object's width, 50 of its 70 high
  EXPECT_EQ(canvas.At(312, 115), ColorToRGB(clWhite));
  EXPECT_EQ(canvas.At(312, 175), ColorToRGB(clWhite));
}

}  // namespace
