// Image lists in stored layouts: a form's image list writes its size, colours and images (with
// their masks) and reads them back; a damaged image block fails the read.
#include "classes/Filer.h"
#include "classes/LayoutText.h"
#include "graphics/ImageList.h"
#include "support/FormFixture.h"

namespace {

using ImageListLayout = TControlsTest;

// A 4 x 4 image: red with a blue top-left pixel, the top row transparent in its mask.
void AddSample(TImageList* List) {
  TBitmap image(4, 4), mask(4, 4);
  image.Canvas()->Brush()->SetColor(clRed);
  image.Canvas()->FillRect(Rect(0, 0, 4, 4));
  image.Canvas()->SetPixel(0, 0, clBlue);
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(Rect(0, 0, 4, 4));
  mask.Canvas()->Brush()->SetColor(clWhite);
  mask.Canvas()->FillRect(Rect(0, 0, 4, 1));
  List->Add(&image, &mask);
}

TColor DrawnPixel(const TImageList* List, int Index, int X, int Y) {
  TBitmap target(4, 4);
  target.Canvas()->Brush()->SetColor(clLime);
  target.Canvas()->FillRect(Rect(0, 0, 4, 4));
  List->Draw(target.Canvas(), 0, 0, Index);
  return target.Canvas()->Pixel(X, Y);
}

TEST_F(ImageListLayout, ImagesAndMasksReadBackFromTheWrittenLayout) {
  auto* list = new TImageList(Form);
  list->SetName("ilIcons");
  list->SetSize(4, 4);
  list->SetBkColor(clYellow);
  AddSample(list);
  AddSample(list);
  const String text = PrintLayout(TWriter(Form).WriteRootComponent());
  EXPECT_NE(text.find("Bitmap = {"), String::npos);
  list->Free();

  TReader(Form).ReadRootComponent(ParseLayout(text));
  auto* again = dynamic_cast<TImageList*>(Form->FindComponent("ilIcons"));
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->Width(), 4);
  EXPECT_EQ(again->BkColor(), clYellow);
  ASSERT_EQ(again->Count(), 2);
  again->SetBkColor(clNone);
  EXPECT_EQ(DrawnPixel(again, 1, 0, 1), clRed);
  EXPECT_EQ(DrawnPixel(again, 1, 0, 0), clLime);  // masked: the background shows
}

TEST_F(ImageListLayout, ADamagedImageBlockFailsTheReadWithoutALeftOverList) {
  auto* list = new TImageList(Form);
  list->SetName("ilIcons");
  list->SetSize(4, 4);
  AddSample(list);
  String text = PrintLayout(TWriter(Form).WriteRootComponent());
  list->Free();
  // The block claims three images where it holds one.
  const size_t at = text.find("Bitmap = {");
  const size_t count = text.find("01000000", at);
  ASSERT_NE(count, String::npos);
  text.replace(count, 8, "03000000");
  EXPECT_THROW(TReader(Form).ReadRootComponent(ParseLayout(text)), ELayoutError);
  EXPECT_EQ(Form->FindComponent("ilIcons"), nullptr);
}

}  // namespace
