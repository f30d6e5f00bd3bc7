// Picture and line objects: where a picture goes in its rectangle, its record in every kind (a
// JPEG kept as a bitmap), pictures from files and blob fields, stretched drawing pixel for pixel;
// lines drawn as one frame side, their clip region and printing in parts.
#include "ReportTestKit.h"

#include "data/MemDataSet.h"
#include "graphics/Jpeg.h"
#include "report/FR_Utils.h"
#include "support/PixelCanvas.h"
#include "support/TempDir.h"

namespace {

class PictureLineTest : public TReportTest {
 protected:
  // A bitmap of the given size, left half red and right half blue.
  static std::unique_ptr<TBitmap> Halves(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) bitmap->Canvas()->SetPixel(x, y, x < width / 2 ? clRed : clBlue);
    return bitmap;
  }
  static std::unique_ptr<TfrPictureView> Reloaded(TfrPictureView& picture) {
    TMemoryStream stream;
    picture.SaveToStream(stream);
    stream.SetPosition(0);
    auto copy = std::make_unique<TfrPictureView>();
    copy->LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), stream.Size());
    return copy;
  }
};

TEST_F(PictureLineTest, ThePictureRectangleFollowsStretchCentreAndAspect) {
  auto& view = Place<TfrPictureView>("pic", Bounds(100, 200, 30, 30));
  view.Picture.SetGraphic(Halves(40, 20).get());
  struct Case {
    uint16_t Flags;
    TRect Target;
  };
  // The drawing rectangle of a 30 x 30 object without a frame is 31 x 31.
  for (const Case& c : {Case{0, {100, 200, 140, 220}},
                        Case{flPictCenter, {100 - 4, 200 + 5, 100 - 4 + 40, 200 + 5 + 20}},  // shifted by half the overflow
                        Case{flStretched, {100, 200, 131, 231}},
                        Case{flStretched | flPictRatio, {100, 200, 131, 215}},  // the width, and half of it high
                        Case{flStretched | flPictRatio | flPictCenter, {100, 208, 131, 223}}}) {
    view.Flags = c.Flags;
    view.BeginDraw(&frScratchCanvas());
    EXPECT_EQ(view.PictureRect(), c.Target) << c.Flags;
    view.EndDraw();
  }
}

TEST_F(PictureLineTest, StretchedPicturesAreDrawnPixelForPixel) {
  frState().PrintMode = true;
  auto& view = Place<TfrPictureView>("pic", Bounds(10, 10, 19, 9));
  view.Flags = flStretched;
  view.Picture.SetGraphic(Halves(2, 1).get());
  TPixelCanvas canvas(40, 30);
  view.Draw(canvas.Canvas());
  EXPECT_EQ(canvas.At(12, 12), ColorToRGB(clRed)) << canvas.Picture();
  EXPECT_EQ(canvas.At(19, 15), ColorToRGB(clRed));
  EXPECT_EQ(canvas.At(21, 15), ColorToRGB(clBlue));
  EXPECT_EQ(canvas.At(29, 19), ColorToRGB(clBlue));
  EXPECT_TRUE(canvas.IsBackground(30, 15));
}

TEST_F(PictureLineTest, PicturesKeepTheirKindInTheRecordAndJpegsBecomeBitmaps) {
  TfrPictureView view;
  view.BlobType = btICO;
  auto empty = Reloaded(view);
  EXPECT_EQ(empty->Picture.Graphic(), nullptr);
  EXPECT_EQ(empty->BlobType, btICO);

  view.Picture.SetGraphic(Halves(6, 4).get());
  auto bitmap = Reloaded(view);
  ASSERT_NE(dynamic_cast<TBitmap*>(bitmap->Picture.Graphic()), nullptr);
  EXPECT_EQ(bitmap->Picture.Width(), 6);

  TJPEGImage jpeg;
  jpeg.Assign(Halves(8, 8).get());
  TJPEGImage decoded;
  decoded.LoadFromBytes(jpeg.SaveToBytes());
  view.Picture.SetGraphic(&decoded);
  TMemoryStream stream;
  view.SaveToStream(stream);
  auto kept = Reloaded(view);
  auto* asBitmap = dynamic_cast<TBitmap*>(kept->Picture.Graphic());
  ASSERT_NE(asBitmap, nullptr);  // not lost from templates and prepared pages
  EXPECT_EQ(asBitmap->Width(), 8);
  EXPECT_GT(asBitmap->Canvas()->Pixel(0, 4) & 0xFF, 0xF0);  // still red on the left
}

TEST_F(PictureLineTest, ThePictureDataEndsWhereTheRecordSays) {
  TfrPictureView view;
  view.Picture.SetGraphic(Halves(3, 3).get());
  TMemoryStream stream;
  view.SaveToStream(stream);
  const TBytes good = StreamBytes(stream);
  // The end position is the last Integer before the bitmap data ("BM").
  size_t end = 0;
  for (size_t i = 0; i + 1 < good.size(); ++i)
    if (good[i] == 'B' && good[i + 1] == 'M') end = i - 4;
  ASSERT_NE(end, 0u);
  for (int32_t bad : {int32_t(end) - 1, int32_t(good.size()) + 1}) {
    TBytes bytes = good;
    for (int k = 0; k < 4; ++k) bytes[end + size_t(k)] = uint8_t(uint32_t(bad) >> (8 * k));
    FillStream(stream, bytes);
    TfrPictureView copy;
    EXPECT_THROW(copy.LoadFromStream(stream), EReadError) << bad;
  }
  // An unknown kind is passed over to the end position and leaves the picture empty.
  TBytes unknown = good;
  unknown[end - 2] = 7;
  FillStream(stream, unknown);
  TfrPictureView copy;
  copy.LoadFromStream(stream);
  EXPECT_EQ(copy.Picture.Graphic(), nullptr);
  EXPECT_EQ(stream.Position(), stream.Size());
}

TEST_F(PictureLineTest, RecordsBeforeVersionTwentyFourHaveNoBlobType) {
  frState().FileVersion = 23;
  TBytesBuilder b;
  b.Str("Pic").Int(0).Int(0).Int(10).Int(10).Word(5).Word(0).Int(1).Int(0).Word(0).Int(0x1FFFFFFF);
  b.Int(0).Str("").EmptyMemo().EmptyMemo().Word(0xFFFF);
  b.Byte(0);  // no picture, and no BlobType byte
  b.Int(int32_t(b.Size() + 4));
  TMemoryStream stream;
  FillStream(stream, b.Bytes());
  TfrPictureView view;
  view.LoadFromStream(stream);
  EXPECT_EQ(view.Name, "Pic");
  EXPECT_EQ(view.BlobType, btBMP);
  EXPECT_EQ(stream.Position(), stream.Size());
}

TEST_F(PictureLineTest, PicturesLoadFromFilesAndBlobFields) {
  TempDir dir;
  const String file = dir.File("照片.bmp");
  Halves(5, 5)->SaveToFile(file);
  TfrPictureView view;
  view.CallMethod("LoadFromFile", "'" + file + "'", {}, {});
  EXPECT_EQ(view.Picture.Width(), 5);
  view.CallMethod("LOADFROMFILE", "'" + dir.File("none.bmp") + "'", {}, {});
  EXPECT_EQ(view.Picture.Graphic(), nullptr);

  TComponentPtr<TMemDataSet> data = MakeComponent<TMemDataSet>();
  data->FieldDefs().Add("Fd_Photo", ftGraphic);
  data->CreateDataSet();
  const TBytes bytes = Halves(4, 2)->SaveToBytes();
  data->AppendRecord({String(bytes.begin(), bytes.end())});
  data->AppendRecord({Variant::Null()});
  data->First();
  view.LoadBlob(data->FieldByName("Fd_Photo"));
  EXPECT_EQ(view.Picture.Width(), 4);
  data->Next();
  view.LoadBlob(data->FieldByName("Fd_Photo"));
  EXPECT_EQ(view.Picture.Width(), 0);
}

TEST_F(PictureLineTest, LinesAreOneFrameSideVerticalWhenNoWiderThanHigh) {
  frState().PrintMode = true;
  TPixelCanvas canvas(60, 60);
  auto& square = Place<TfrLineView>("sq", Bounds(10, 10, 20, 20));
  square.FrameColor = clBlue;
  square.Draw(canvas.Canvas());
  EXPECT_EQ(square.FrameTyp, frftLeft);
  EXPECT_EQ(square.Width, 0);
  EXPECT_EQ(canvas.At(10, 20), ColorToRGB(clBlue)) << canvas.Picture();
  EXPECT_TRUE(canvas.IsBackground(20, 10));

  canvas.Clear();
  auto& wide = Place<TfrLineView>("wide", Bounds(10, 40, 30, 5));
  wide.FrameColor = clBlue;
  wide.Draw(canvas.Canvas());
  EXPECT_EQ(wide.FrameTyp, frftTop);
  EXPECT_EQ(wide.Height, 0);
  EXPECT_EQ(canvas.At(25, 40), ColorToRGB(clBlue)) << canvas.Picture();
  EXPECT_TRUE(canvas.IsBackground(25, 44));
}

TEST_F(PictureLineTest, ALinesClipRegionWidensOnlyAcrossIt) {
  TfrLineView line;
  line.SetBounds(10, 10, 0, 40);
  line.FrameWidth = 3;
  TRect box;
  GetRgnBox(line.GetClipRegion(false), box);
  EXPECT_EQ(box, (TRect{9, 10, 12, 51}));
  line.FrameTyp = frftTop;
  line.SetBounds(10, 10, 40, 0);
  line.FrameStyle = frsDouble;
  GetRgnBox(line.GetClipRegion(true), box);
  EXPECT_EQ(box, (TRect{0, 10 - 4 - 10, 61, 10 + 1 + 4 + 10}));
}

TEST_F(PictureLineTest, ALinePrintedInPartsMeasuresWhatIsLeft) {
  auto& line = Place<TfrLineView>("l", Bounds(10, 10, 0, 100));
  EXPECT_EQ(line.MeasureHeight(), 100);
  EXPECT_EQ(line.MinimumHeight(), 1);
  line.Height = 30;
  line.PrintPhase = 2;
  TMemoryStream stream;
  line.Print(stream);
  EXPECT_EQ(line.RemainingHeight(), 70);
}

}  // namespace
