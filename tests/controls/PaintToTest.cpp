// Painting a control into a canvas that is not its window's: what a recording canvas receives,
// and the window's own image left as it was.
#include "support/FormFixture.h"

namespace {

using PaintToTest = TControlsTest;

TEST_F(PaintToTest, ARecordingReceivesTheControlsTextAndFillsAtTheGivenOrigin) {
  TTestBox* box = AddBox("a");
  box->SetCaption("六十分");
  box->SetColor(clYellow);
  ShowForm();
  const TColor before = WindowPixel(box->Handle(), 10, 10);

  const TRecordedPaint paint = RecordPaint(box);
  const TMetafileTextRun* text = paint.FindText("六十分");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Bounds.Left, 4);
  EXPECT_EQ(text->Bounds.Top, 4);
  ASSERT_FALSE(paint.Fills.empty());
  EXPECT_EQ(paint.Fills.front().Color, clYellow);  // the background, erased first
  EXPECT_EQ(paint.Fills.front().Bounds, box->ClientRect());

  TMetafile shifted;
  {
    TMetafileCanvas canvas(&shifted, 200, 100);
    box->PaintTo(&canvas, 30, 20);
  }
  EXPECT_EQ(shifted.TextRuns().front().Bounds.Left, 34);
  EXPECT_EQ(shifted.TextRuns().front().Bounds.Top, 24);
  EXPECT_EQ(WindowPixel(box->Handle(), 10, 10), before);
}

}  // namespace
