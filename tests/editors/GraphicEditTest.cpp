// The graphic editor: pictures as values, the fit rules and the painted picture, the commands and
// the clipboard, and the toolbar's placing, activation and buttons.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxGraphicEdit.h"
#include "graphics/Jpeg.h"
#include "support/PixelCanvas.h"
#include "windows/Clipboard.h"
#include "windows/Focus.h"

namespace {

// A W x H bitmap whose left half is red and right half blue.
std::unique_ptr<TBitmap> TwoColourBitmap(int W, int H) {
  auto bitmap = std::make_unique<TBitmap>(W, H);
  bitmap->Canvas()->Brush()->SetColor(clRed);
  bitmap->Canvas()->FillRect({0, 0, W / 2, H});
  bitmap->Canvas()->Brush()->SetColor(clBlue);
  bitmap->Canvas()->FillRect({W / 2, 0, W, H});
  return bitmap;
}

String BytesOf(const TGraphic& Graphic) {
  const TBytes bytes = Graphic.SaveToBytes();
  return String(bytes.begin(), bytes.end());
}

String WithHeader(const String& Bytes, uint32_t Size) {
  String header = {'\x01', '\x00', '\x00', '\x01'};
  for (int i = 0; i < 4; ++i) header += static_cast<char>((Size >> (8 * i)) & 0xFF);
  return header + Bytes;
}

class GraphicEditTest : public TEditorsTest {
 protected:
  TdxInplaceGraphicEdit* StandAlone() {
    return AddStandAlone<TdxInplaceGraphicEdit>(GraphicEditClass(false), {20, 20, 160, 120});
  }
};

TEST_F(GraphicEditTest, PictureValues) {
  const auto bitmap = TwoColourBitmap(6, 4);
  const String bytes = BytesOf(*bitmap);
  TPicture picture;
  LoadPictureFromValue(picture, "", Variant(bytes));
  EXPECT_EQ(picture.Width(), 6);
  EXPECT_EQ(SavePictureToString(picture), bytes) << "saved without a header";
  LoadPictureFromValue(picture, "", Variant(WithHeader(bytes, static_cast<uint32_t>(bytes.size()))));
  EXPECT_EQ(picture.Height(), 4) << "a matching header is skipped";
  EXPECT_THROW(LoadPictureFromValue(picture, "", Variant(WithHeader(bytes, 3))), EInvalidGraphic)
      << "a header whose size does not match is read as data from byte 0";
  LoadPictureFromValue(picture, "", Variant::Null());
  EXPECT_TRUE(IsPictureEmpty(&picture));
  LoadPictureFromValue(picture, "TBitmap", Variant(bytes));
  LoadPictureFromValue(picture, "", Variant(""));
  EXPECT_TRUE(IsPictureEmpty(&picture));
  EXPECT_EQ(SavePictureToString(picture), "");

  TJPEGImage jpeg;
  jpeg.Assign(bitmap.get());
  LoadPictureFromValue(picture, "", Variant(BytesOf(jpeg)));
  EXPECT_EQ(picture.Graphic()->ClassName(), "TJPEGImage") << "the kind is read from the data";
}

TEST_F(GraphicEditTest, FitRules) {
  struct TCase {
    TRect Content;
    int W, H;
    bool Stretch, Center;
    TRect Expected;
  };
  const TCase cases[] = {
      {{0, 0, 50, 50}, 100, 50, true, false, {0, 0, 50, 25}},
      {{0, 0, 40, 20}, 10, 10, true, true, {0, 0, 20, 20}},
      {{0, 0, 50, 50}, 100, 100, false, true, {-25, -25, 75, 75}},
      {{10, 10, 60, 40}, 10, 10, false, false, {10, 10, 20, 20}},
      {{10, 10, 60, 40}, 10, 10, false, true, {30, 20, 40, 30}},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(PicturePaintRect(c.Content, c.W, c.H, c.Stretch, c.Center), c.Expected) << c.W << "x" << c.H;
}

TEST_F(GraphicEditTest, ACentredPictureLargerThanTheCellIsClipped) {
  TPicture picture;
  picture.SetGraphic(TwoColourBitmap(100, 100).get());
  TdxGraphicEditViewData vd;
  vd.Picture = &picture;
  vd.Brush = CreateSolidBrush(clWhite);
  TPixelCanvas canvas(70, 70, clLime);
  GraphicEditClass().Draw(canvas.DC(), {10, 10, 60, 60}, vd, false);
  EXPECT_EQ(canvas.At(10, 10), ColorToRGB(clRed));
  EXPECT_EQ(canvas.At(34, 30), ColorToRGB(clRed)) << "the picture's middle lies at the cell's middle";
  EXPECT_EQ(canvas.At(35, 30), ColorToRGB(clBlue));
  EXPECT_EQ(canvas.At(9, 30), ColorToRGB(clLime)) << "clipped to the cell";
  EXPECT_EQ(canvas.At(60, 30), ColorToRGB(clLime));

  vd.Stretch = true;
  canvas.Clear();
  GraphicEditClass().Draw(canvas.DC(), {10, 10, 60, 40}, vd, false);
  EXPECT_EQ(canvas.At(10, 10), ColorToRGB(clRed));
  EXPECT_EQ(canvas.At(39, 39), ColorToRGB(clBlue)) << "fitted 30 x 30 at the top-left";
  EXPECT_EQ(canvas.At(41, 20), ColorToRGB(clWhite)) << "the rest is background";

  vd.CalcOnly = true;
  vd.Stretch = false;
  GraphicEditClass().Draw(canvas.DC(), {10, 10, 60, 40}, vd, false);
  EXPECT_EQ(vd.TextHeight, 100) << "measuring reports the picture's height";
}

TEST_F(GraphicEditTest, CommandsAndTheClipboard) {
  TdxInplaceGraphicEdit* edit = StandAlone();
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  TJPEGImage jpeg;
  jpeg.Assign(TwoColourBitmap(8, 8).get());
  edit->SetEditValue(Variant(BytesOf(jpeg)));
  EXPECT_EQ(changes, 0) << "loading a value is no change";
  EXPECT_FALSE(edit->GetModified());
  Press(VK_INSERT, ssCtrl);
  TBitmap copied;
  ASSERT_TRUE(Clipboard().GetPicture(copied));
  EXPECT_EQ(copied.Width(), 8);
  Press(VK_DELETE, ssShift);
  EXPECT_TRUE(IsPictureEmpty(edit->Picture())) << "Shift+Delete cuts";
  EXPECT_TRUE(edit->GetModified());
  Press('V', ssCtrl);
  ASSERT_FALSE(IsPictureEmpty(edit->Picture()));
  EXPECT_EQ(edit->Picture()->Graphic()->ClassName(), "TBitmap") << "a paste yields a bitmap";
  EXPECT_EQ(VarToStr(edit->GetEditValue()), BytesOf(*edit->Picture()->Graphic()));

  edit->SetReadOnly(true);
  Press(VK_DELETE, ssShift);
  Press('X', ssCtrl);
  EXPECT_FALSE(IsPictureEmpty(edit->Picture())) << "a read-only editor keeps its picture";
}

TEST_F(GraphicEditTest, TheToolBarShowsBesideTheEditorWithoutActivationAndRemembersAMove) {
  TdxInplaceGraphicEdit* edit = StandAlone();
  edit->PopupToolBar()->SetIsPopupMenu(false);
  EXPECT_FALSE(edit->ToolBar()->IsPopupMenu());
  const HWND active = GetActiveWindow();
  DoubleClick(edit, {30, 30});
  Pump();
  TdxPopupToolBar* bar = edit->ToolBar();
  ASSERT_TRUE(bar->HandleAllocated() && IsWindowVisible(bar->Handle()));
  EXPECT_EQ(GetActiveWindow(), active) << "the toolbar never takes the activation";
  EXPECT_EQ(GetFocus(), edit->Handle());
  TRect editRect;
  GetWindowRect(edit->Handle(), editRect);
  EXPECT_EQ(bar->Top(), editRect.Bottom) << "aligned at the bottom";
  EXPECT_EQ(bar->Left(), editRect.Left);
  EXPECT_FALSE(bar->Button(gcCut)->Enabled()) << "no picture: nothing to cut";
  EXPECT_TRUE(bar->Button(gcLoad)->Enabled());

  Clipboard().SetAsText("text");
  Pump();
  EXPECT_FALSE(bar->Button(gcPaste)->Enabled());
  Clipboard().Assign(*TwoColourBitmap(4, 4));
  Pump();
  EXPECT_TRUE(bar->Button(gcPaste)->Enabled()) << "the clipboard's change enables Paste";
  Click(bar->Button(gcPaste), {3, 3});
  Pump();
  EXPECT_FALSE(IsPictureEmpty(edit->Picture()));
  EXPECT_TRUE(bar->Button(gcCut)->Enabled());

  bar->SetBounds(400, 50, bar->Width(), bar->Height());
  bar->Hide();
  edit->ShowPopupToolBar();
  EXPECT_EQ(bar->Left(), 400) << "a moved toolbar comes back where the user put it";
  edit->SetPopupToolBarPosStored(false);
  edit->ShowPopupToolBar();
  EXPECT_EQ(bar->Top(), editRect.Bottom);
}

}  // namespace
