// The speed button's glyph: without a caption it sits in the middle of the button.
#include "controls/SpeedButton.h"
#include "support/FormFixture.h"

namespace {

class SpeedButtonGlyphTest : public TControlsTest {};

TEST_F(SpeedButtonGlyphTest, AGlyphWithoutCaptionIsCentred) {
  auto* button = Add<TSpeedButton>("Button1", TRect{10, 10, 40, 40});
  button->SetCaption(String());
  TBitmap* glyph = button->Glyph();
  glyph->SetSize(16, 16);
  glyph->Canvas()->Brush()->SetColor(clOlive);  // the transparent colour, of the bottom-left pixel
  glyph->Canvas()->FillRect({0, 0, 16, 16});
  glyph->Canvas()->Brush()->SetColor(clRed);
  glyph->Canvas()->FillRect({1, 1, 15, 15});
  ShowForm();
  // A 30 x 30 button draws its 16 x 16 glyph from 7 to 23 (inside the 2-pixel edge).
  EXPECT_EQ(WindowPixel(Form->Handle(), 10 + 8, 10 + 8), clRed);
  EXPECT_EQ(WindowPixel(Form->Handle(), 10 + 21, 10 + 21), clRed);
  EXPECT_NE(WindowPixel(Form->Handle(), 10 + 7, 10 + 15), clRed);
  EXPECT_NE(WindowPixel(Form->Handle(), 10 + 22, 10 + 15), clRed);
}

}  // namespace
