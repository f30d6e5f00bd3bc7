// Image lists: masks from a colour, drawing styles, change links and the drag state.
#include <gtest/gtest.h>

#include "graphics/ImageList.h"
#include "support/PixelCanvas.h"

namespace {

// Two 4 x 4 images side by side: red and green squares on a fuchsia background.
void FillStrip(TBitmap& strip) {
  strip.SetSize(8, 4);
  strip.Canvas()->Brush()->SetColor(clFuchsia);
  strip.Canvas()->FillRect(Rect(0, 0, 8, 4));
  FillRect(strip.Canvas(), Rect(1, 1, 3, 3), CreateSolidBrush(clRed));
  FillRect(strip.Canvas(), Rect(5, 1, 7, 3), CreateSolidBrush(clLime));
}

}  // namespace

TEST(ImageList, AddMaskedSplitsTheStripAndDrawsTransparently) {
  TImageList list(4, 4);
  TBitmap strip;
  FillStrip(strip);
  EXPECT_EQ(list.AddMasked(&strip, clFuchsia), 0);
  EXPECT_EQ(list.Count(), 2);
  TPixelCanvas c(8, 4, clBlue);
  list.Draw(c.Canvas(), 0, 0, 0);
  list.Draw(c.Canvas(), 4, 0, 1);
  EXPECT_EQ(c.At(1, 1), ColorToRGB(clRed));
  EXPECT_EQ(c.At(5, 1), ColorToRGB(clLime));
  EXPECT_EQ(c.At(0, 0), ColorToRGB(clBlue));
  list.Draw(c.Canvas(), 0, 0, 5);  // out of range draws nothing
  EXPECT_THROW(list.Delete(5), EInvalidOperation);
}

TEST(ImageList, DrawingStyles) {
  TImageList list(4, 4);
  TBitmap strip;
  FillStrip(strip);
  list.AddMasked(&strip, clFuchsia);
  TPixelCanvas c(4, 4, clBlue);

  list.SetBkColor(clYellow);
  list.Draw(c.Canvas(), 0, 0, 0);
  EXPECT_EQ(c.At(0, 0), ColorToRGB(clYellow)) << "normal style shows the background colour";
  c.Clear();
  list.Draw(c.Canvas(), 0, 0, 0, TDrawingStyle::dsTransparent, TImageType::itImage, true);
  EXPECT_EQ(c.At(0, 0), ColorToRGB(clBlue));

  c.Clear();
  list.SetBlendColor(clWhite);
  list.Draw(c.Canvas(), 0, 0, 0, TDrawingStyle::dsSelected, TImageType::itImage, true);
  EXPECT_EQ(c.At(1, 1), RGB(255, 127, 127)) << "half red, half white";

  c.Clear();
  SetTextColor(c.DC(), clBlack);
  SetBkColor(c.DC(), clWhite);
  list.Draw(c.Canvas(), 0, 0, 0, TDrawingStyle::dsNormal, TImageType::itMask, true);
  EXPECT_EQ(c.At(1, 1), ColorToRGB(clBlack));
  EXPECT_EQ(c.At(0, 0), ColorToRGB(clWhite));

  c.Clear();
  list.Draw(c.Canvas(), 0, 0, 0, false);
  EXPECT_EQ(c.At(1, 1), GetSysColor(COLOR_BTNSHADOW)) << "disabled: relief of the shape";
  EXPECT_EQ(c.At(3, 3), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(c.At(0, 0), ColorToRGB(clBlue));
}

TEST(ImageList, ChangeLinksHearEveryChangeUntilTheyGo) {
  TImageList list(4, 4);
  int heard = 0;
  {
    TChangeLink link;
    link.OnChange = [&](TObject* sender) { EXPECT_EQ(sender, &list); ++heard; };
    list.RegisterChanges(&link);
    TBitmap strip;
    FillStrip(strip);
    list.AddMasked(&strip, clFuchsia);
    list.Delete(0);
    EXPECT_EQ(heard, 2);
  }
  list.Clear();
  EXPECT_EQ(heard, 2);
  TChangeLink orphan;
  {
    TImageList shortLived;
    shortLived.RegisterChanges(&orphan);
  }
  EXPECT_EQ(orphan.Sender(), nullptr);
}

TEST(ImageList, DragImageState) {
  TImageList list(4, 4);
  EXPECT_FALSE(list.BeginDrag(0, 0));
  TBitmap strip;
  FillStrip(strip);
  list.AddMasked(&strip, clFuchsia);
  EXPECT_TRUE(list.SetDragImage(1, 2, 3));
  EXPECT_TRUE(list.BeginDrag(10, 10));
  EXPECT_TRUE(list.DragMove(20, 15));
  EXPECT_EQ(list.DragPosition(), (TPoint{20, 15}));
  EXPECT_EQ(list.DragHotspot(), (TPoint{2, 3}));
  list.DragShowNolock(false);
  EXPECT_FALSE(list.DragVisible());
  list.EndDrag();
  EXPECT_FALSE(list.Dragging());
}
