// The image editor: the indexes of a value, a value painted as its picture (centred, or beside its
// description), the drop-down list's entries, size and choice, the keys in place and stand-alone,
// the search by a description's first letter, and an image list freed before the editor.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxImageEdit.h"
#include "graphics/Gdi.h"
#include "graphics/Graphic.h"
#include "graphics/Metafile.h"
#include "windows/Focus.h"
#include "windows/Window.h"

namespace {

// Pictures of 8 x 6 pixels, each one colour: red, blue, lime.
std::unique_ptr<TImageList> ColourImages(int Height = 6) {
  auto images = std::make_unique<TImageList>(8, Height);
  for (TColor colour : {clRed, clBlue, clLime}) {
    TBitmap bitmap(8, Height);
    bitmap.Canvas()->Brush()->SetColor(colour);
    bitmap.Canvas()->FillRect({0, 0, 8, Height});
    images->Add(&bitmap, nullptr);
  }
  return images;
}

class ImageEditTest : public TEditorsTest {
 protected:
  void SetUp() override {
    TEditorsTest::SetUp();
    Images = ColourImages();
  }
  TdxInplaceImageEdit* StandAlone() {
    auto* edit = new TdxInplaceImageEdit(Form, ImageEditClass(false));
    edit->SetParent(Form);
    edit->SetBounds(10, 150, 150, 24);
    Fill(edit);
    Pump();
    edit->SetFocus();
    Pump();
    return edit;
  }
  void Fill(TdxInplaceImageEdit* Edit) {
    Edit->SetImages(Images.get());
    for (const char* v : {"0", "1", "2", "3"}) Edit->Values()->Add(v);
    for (const char* d : {"Apple", "Banana", "avocado", "Cherry"}) Edit->Descriptions()->Add(d);
  }
  // A value painted in a 60 x 20 rectangle on white.
  struct TPainted {
    TBitmap Bitmap{60, 20};
    std::vector<TMetafileTextRun> Texts;
  };
  std::unique_ptr<TPainted> Paint(const String& Value, bool ShowDescription, TStringList* Descriptions) {
    auto painted = std::make_unique<TPainted>();
    TStringList values;
    for (const char* v : {"0", "1", "2"}) values.Add(v);
    auto fill = [&](TdxImageEditViewData& vd) {
      vd.Images = Images.get();
      vd.Values = &values;
      vd.Descriptions = Descriptions;
      vd.ShowDescription = ShowDescription;
      vd.Value = Value;
      vd.Brush = CreateSolidBrush(clWhite);
      vd.Font = Form->Font()->Handle();
      vd.TextColor = ColorToRGB(clBlack);
      vd.Color = ColorToRGB(clWhite);
    };
    TdxImageEditViewData vd;
    fill(vd);
    ImageEditClass().Draw(painted->Bitmap.Canvas()->Handle(), {0, 0, 60, 20}, vd, false);
    TMetafile metafile;
    {
      TMetafileCanvas canvas(&metafile, 60, 20);
      TdxImageEditViewData recorded;
      fill(recorded);
      ImageEditClass().Draw(canvas.Handle(), {0, 0, 60, 20}, recorded, false);
    }
    painted->Texts = metafile.TextRuns();
    return painted;
  }
  // The bounding box of the pixels of Colour.
  static TRect PixelsOf(TBitmap& Bitmap, TColor Colour) {
    TRect box{1000, 1000, -1, -1};
    for (int y = 0; y < Bitmap.Height(); ++y)
      for (int x = 0; x < Bitmap.Width(); ++x)
        if (Bitmap.Canvas()->Pixel(x, y) == Colour)
          box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
    return box;
  }
  std::unique_ptr<TImageList> Images;
};

TEST_F(ImageEditTest, AValueGivesItsItemItsDescriptionAndItsPicture) {
  TStringList values, descriptions, indexes;
  for (const char* v : {"0", "1", "2"}) values.Add(v);
  for (const char* d : {"男", "女"}) descriptions.Add(d);
  for (const char* i : {"5", "x"}) indexes.Add(i);
  struct TCase {
    const char* Value;
    bool DefaultImages;
    int Description, Image;
  };
  const TCase cases[] = {{"1", true, 1, 1},  {"2", true, -1, 2},  {"9", true, -1, -1}, {"0", false, 0, 5},
                         {"1", false, 1, -1}, {"2", false, -1, 2}, {"9", false, -1, -1}};
  for (const TCase& c : cases) {
    int description = 7, image = 7;
    TdxImageEditClass::GetIndexesByValue(c.Value, &indexes, &values, &descriptions, c.DefaultImages, description, image);
    EXPECT_EQ(std::pair(description, image), std::pair(c.Description, c.Image)) << c.Value << c.DefaultImages;
  }
}

TEST_F(ImageEditTest, AValueIsPaintedAsItsPictureCentredOrBesideItsDescription) {
  TStringList descriptions;
  for (const char* d : {"男", "女"}) descriptions.Add(d);
  std::unique_ptr<TPainted> alone = Paint("1", false, &descriptions);
  EXPECT_EQ(PixelsOf(alone->Bitmap, clBlue), (TRect{26, 7, 34, 13})) << "centred both ways";
  EXPECT_TRUE(alone->Texts.empty()) << "the value's text is never shown";

  std::unique_ptr<TPainted> beside = Paint("1", true, &descriptions);
  EXPECT_EQ(PixelsOf(beside->Bitmap, clBlue), (TRect{0, 7, 8, 13})) << "at the left edge, centred in height";
  ASSERT_EQ(beside->Texts.size(), 1u);
  EXPECT_EQ(beside->Texts[0].Text, "女");
  EXPECT_GE(beside->Texts[0].Bounds.Left, 8);

  std::unique_ptr<TPainted> noDescription = Paint("2", true, &descriptions);
  EXPECT_EQ(PixelsOf(noDescription->Bitmap, clLime).Left, 0);
  ASSERT_EQ(noDescription->Texts.size(), 1u);
  EXPECT_EQ(noDescription->Texts[0].Text, "2") << "the value itself";

  std::unique_ptr<TPainted> unknown = Paint("7", false, &descriptions);
  EXPECT_EQ(PixelsOf(unknown->Bitmap, clWhite), (TRect{0, 0, 60, 20})) << "no picture: the background only";
}

TEST_F(ImageEditTest, TheListShowsEveryValuesPictureAndDescriptionAndAClickTakesOne) {
  TdxInplaceImageEdit* edit = StandAlone();
  edit->SetText("1");
  edit->SetDefaultImages(false);
  for (const char* i : {"2", "x", "-5", "0"}) edit->ImageIndexes()->Add(i);
  std::vector<String> closed;
  edit->OnCloseUp = [&](TObject*, String& Value, bool&) { closed.push_back(Value); };
  Click(edit, {20, 5});
  Pump();
  TdxPopupImageListBox* list = edit->PopupList();
  ASSERT_TRUE(IsWindowVisible(list->Handle())) << "a click anywhere drops the list down";
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Items()->CommaText(), "Apple,Banana,avocado,Cherry");
  EXPECT_EQ(list->EntryImage(0), 2);
  EXPECT_EQ(list->EntryImage(1), -2);
  EXPECT_EQ(list->EntryImage(2), -2);
  EXPECT_EQ(list->EntryImage(3), 0);
  EXPECT_EQ(list->ItemHeight(), std::max(list->MeasureItem(), 8));
  EXPECT_EQ(list->ClientHeight(), 4 * list->ItemHeight());
  RenderWindowToPng(list->Handle(), "image-list.png");

  const TRect cherry = list->ItemRect(3);
  Click(list, {cherry.Left + 20, cherry.Top + 2});
  Pump();
  EXPECT_FALSE(IsWindowVisible(list->Handle()));
  EXPECT_EQ(edit->Text(), "3");
  EXPECT_TRUE(edit->GetModified());
  EXPECT_EQ(closed, std::vector<String>{"3"});
  edit->OnCloseUp = nullptr;
}

TEST_F(ImageEditTest, KeysStepThroughTheValuesAndALetterFindsTheNextDescription) {
  TdxInplaceImageEdit* edit = StandAlone();
  edit->SetText("0");
  struct TStep {
    int Key;
    const char* Value;
  };
  const TStep steps[] = {{VK_DOWN, "1"}, {VK_RIGHT, "2"}, {VK_END, "3"}, {VK_DOWN, "3"},
                         {VK_HOME, "0"}, {VK_LEFT, "0"},  {VK_NEXT, "3"}, {VK_PRIOR, "0"}};
  for (const TStep& s : steps) {
    Press(s.Key);
    EXPECT_EQ(edit->Text(), s.Value) << s.Key;
  }
  struct TLetter {
    const char* Typed;
    const char* Value;
  };
  const TLetter letters[] = {{"a", "2"}, {"A", "0"}, {"c", "3"}, {"z", "3"}, {"b", "1"}};
  for (const TLetter& l : letters) {
    TypeText(l.Typed);
    Pump();
    EXPECT_EQ(edit->Text(), l.Value) << l.Typed;
  }
  edit->SetReadOnly(true);
  Press(VK_DOWN);
  EXPECT_EQ(edit->Text(), "1") << "read-only";
}

TEST_F(ImageEditTest, InPlaceTheArrowsMoveBetweenCellsUnlessIncremental) {
  Host->CanModifyAnswer = true;
  Host->ValidCharAnswer = true;
  Host->EditorClass = &ImageEditClass();
  auto* edit = static_cast<TdxInplaceImageEdit*>(ImageEditClass().CreateEditor(Host));
  Fill(edit);
  Host->Editor = edit;
  Host->StartEdit({20, 20, 160, 40}, "1");
  Pump();
  Press(VK_LEFT);
  Press(VK_RIGHT);
  Press(VK_DOWN);
  EXPECT_EQ(Host->AdjacentMoves, (std::vector<bool>{true, false}));
  EXPECT_EQ(Host->HostKeys, std::vector<WORD>{VK_DOWN});
  EXPECT_EQ(edit->Text(), "1");
  edit->SetIncremental(true);
  Press(VK_RIGHT);
  Press(VK_DOWN);
  EXPECT_EQ(edit->Text(), "3");
  EXPECT_EQ(Host->AdjacentMoves.size(), 2u);

  std::unique_ptr<TdxEditViewData> vd = edit->CreateViewData(true);
  EXPECT_FALSE(vd->Focused) << "an editor in place never looks focused";
  std::unique_ptr<TImageList> tall = ColourImages(40);
  static_cast<TdxImageEditViewData&>(*vd).Images = tall.get();
  EXPECT_EQ(ImageEditClass().GetEditHeight(*vd), 40) << "at least the pictures' height";
}

TEST_F(ImageEditTest, AFreedImageListIsForgotten) {
  TdxInplaceImageEdit* edit = StandAlone();
  auto* large = new TImageList(Form);
  edit->SetLargeImages(large);
  edit->SetImages(large);
  large->Free();
  EXPECT_EQ(edit->LargeImages(), nullptr);
  EXPECT_EQ(edit->Images(), nullptr);
  edit->DropDown();
  Pump();
  EXPECT_EQ(edit->PopupList()->Images(), nullptr);
}

}  // namespace
