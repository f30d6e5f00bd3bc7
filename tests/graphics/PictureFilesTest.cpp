// Picture files: bitmap files of each depth, JPEG through libjpeg, icons kept byte for byte,
// and TPicture choosing the kind by extension.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <cstdlib>

#include "graphics/Jpeg.h"
#include "graphics/Metafile.h"
#include "support/PixelCanvas.h"
#include "support/TempDir.h"

namespace {

void FillGradient(TBitmap& b, int w, int h) {
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.ScanLine(y)[x] = TPixelCanvas::Pixel32(RGB(x * 255 / w, y * 255 / h, 128));
}

uint32_t Pixel(const TBitmap& b, int x, int y) { return b.ScanLine(y)[x] & 0xFFFFFF; }

}  // namespace

TEST(PictureFiles, BitmapFilesRoundTripAtEachWrittenDepth) {
  TBitmap source;
  FillGradient(source, 13, 7);
  for (const TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit, TPixelFormat::pf1bit}) {
    source.SetPixelFormat(format);
    const TBytes file = source.SaveToBytes();
    ASSERT_GT(file.size(), 54u);
    EXPECT_EQ(file[28], format == TPixelFormat::pf1bit ? 1 : format == TPixelFormat::pf32bit ? 32 : 24);
    TBitmap loaded;
    loaded.LoadFromBytes(file);
    EXPECT_EQ(loaded.Width(), 13);
    EXPECT_EQ(loaded.Height(), 7);
    EXPECT_EQ(loaded.PixelFormat(), format);
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 13; ++x) ASSERT_EQ(Pixel(loaded, x, y), Pixel(source, x, y)) << x << "," << y;
  }
}

TEST(PictureFiles, StreamsHoldPicturesAmongOtherData) {
  TBitmap source;
  FillGradient(source, 3, 3);
  TMemoryStream stream;
  const uint8_t marker[2] = {0xAB, 0xCD};
  stream.WriteBuffer(marker, 2);
  source.SaveToStream(stream);
  stream.WriteBuffer(marker, 2);
  stream.SetPosition(2);
  TBitmap loaded;
  loaded.LoadFromStream(stream);
  EXPECT_EQ(loaded.Width(), 3);
  EXPECT_EQ(stream.Position(), stream.Size() - 2) << "the bytes after the bitmap stay unread";

  TJPEGImage jpeg;
  jpeg.Assign(&source);
  TMemoryStream jpegStream;
  jpeg.SaveToStream(jpegStream);
  jpegStream.SetPosition(0);
  TJPEGImage back;
  back.LoadFromStream(jpegStream);
  EXPECT_EQ(back.Height(), 3);
}

TEST(PictureFiles, BadBitmapDataIsRefusedAndLeavesTheBitmapAlone) {
  TBitmap b;
  FillGradient(b, 4, 4);
  const TBytes bad[] = {{}, {'B', 'M'}, {'P', 'K', 3, 4}};
  for (const TBytes& data : bad) EXPECT_THROW(b.LoadFromBytes(data), EInvalidGraphic);
  TBytes truncated = b.SaveToBytes();
  truncated.resize(60);
  EXPECT_THROW(b.LoadFromBytes(truncated), EInvalidGraphic);
  EXPECT_EQ(b.Width(), 4);
}

namespace {

// A bitmap file of a few bytes that claims a size: 8-bit pixels compressed by runs whose only
// code ends the picture, or the old 12-byte header with 24-bit pixels that are not there.
TBytes ClaimingBitmap(bool oldHeader, int32_t width, int32_t height) {
  TBytes out = {'B', 'M'};
  const auto put = [&out](std::initializer_list<uint32_t> values, int bytes) {
    for (uint32_t value : values)
      for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
  };
  const uint32_t header = oldHeader ? 12 : 40, palette = oldHeader ? 0 : 8;
  put({14 + header + palette + 2, 0, 14 + header + palette, header}, 4);
  if (oldHeader) {
    put({uint32_t(width), uint32_t(height), 1, 24}, 2);
  } else {
    put({uint32_t(width), uint32_t(height)}, 4);
    put({1, 8}, 2);
    put({1 /* runs of bytes */, 2, 0, 0, 2 /* colours */, 0, 0x000000, 0xFFFFFF}, 4);
  }
  put({0, 1}, 1);  // end of picture
  return out;
}

}  // namespace

TEST(PictureFiles, ABitmapFileClaimsNoMorePixelsThanAFullScreenPicture) {
  TBitmap full;
  full.LoadFromBytes(ClaimingBitmap(false, 2560, 1600));
  EXPECT_EQ(full.Width(), 2560);
  for (const auto& [oldHeader, width, height] : {std::tuple{false, 2049, 2048}, {false, 4096, -4096}, {true, 4000, 4000}}) {
    TBitmap b;
    EXPECT_THROW(b.LoadFromBytes(ClaimingBitmap(oldHeader, width, height)), EInvalidGraphic) << width << "x" << height;
  }
}

TEST(PictureFiles, BitmapSizeAndTransparentColour) {
  TBitmap b(3, 2);
  b.ScanLine(1)[0] = TPixelCanvas::Pixel32(ColorToRGB(clRed));
  EXPECT_EQ(b.TransparentColor(), clRed);
  b.SetSize(5, 5);
  EXPECT_EQ(Pixel(b, 0, 1), TPixelCanvas::Pixel32(ColorToRGB(clRed)) & 0xFFFFFF) << "kept";
  EXPECT_EQ(Pixel(b, 4, 4), 0xFFFFFFu) << "new pixels are white";
  b.SetTransparentColor(clLime);
  EXPECT_EQ(b.TransparentMode(), TTransparentMode::tmFixed);
  EXPECT_EQ(b.TransparentColor(), clLime);
}

TEST(PictureFiles, JpegRoundTripStaysWithinTheCodecsTolerance) {
  TBitmap source;
  FillGradient(source, 64, 48);
  TJPEGImage jpeg;
  jpeg.Assign(&source);
  const TBytes data = jpeg.SaveToBytes();
  ASSERT_GT(data.size(), 100u);
  EXPECT_EQ(data[0], 0xFF);
  EXPECT_EQ(data[1], 0xD8);
  TJPEGImage loaded;
  loaded.LoadFromBytes(data);
  ASSERT_EQ(loaded.Width(), 64);
  ASSERT_EQ(loaded.Height(), 48);
  TBitmap decoded;
  decoded.Assign(&loaded);
  long total = 0;
  int worst = 0;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      const uint32_t a = Pixel(source, x, y), b = Pixel(decoded, x, y);
      for (int shift : {0, 8, 16}) {
        const int d = std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
        worst = std::max(worst, d);
        total += d;
      }
    }
  EXPECT_LE(worst, 24);
  EXPECT_LE(double(total) / (64 * 48 * 3), 3.0);
  // Loaded data is written back unchanged.
  EXPECT_EQ(loaded.SaveToBytes(), data);

  TJPEGImage grey;
  grey.SetGrayscale(true);
  grey.LoadFromBytes(data);
  TBitmap g;
  g.Assign(&grey);
  const uint32_t p = Pixel(g, 40, 10);
  EXPECT_EQ(p & 0xFF, (p >> 8) & 0xFF);
}

TEST(PictureFiles, BadJpegDataRaisesWithTheCodecsMessage) {
  TJPEGImage jpeg;
  EXPECT_THROW(jpeg.LoadFromBytes({}), EInvalidGraphic);
  try {
    jpeg.LoadFromBytes({0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3});
    FAIL() << "no error";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(e.Message().find("JPEG"), String::npos);
  }
  EXPECT_TRUE(jpeg.Empty());
}

// The JPEG with another size in its frame header (FF C0, length, precision, height, width).
TBytes ClaimingJpeg(TBytes data, int width, int height) {
  for (size_t i = 0; i + 8 < data.size(); ++i)
    if (data[i] == 0xFF && data[i + 1] == 0xC0) {
      data[i + 5] = uint8_t(height >> 8), data[i + 6] = uint8_t(height);
      data[i + 7] = uint8_t(width >> 8), data[i + 8] = uint8_t(width);
      return data;
    }
  ADD_FAILURE() << "no frame header";
  return data;
}

TBytes JpegOf(int width, int height) {
  TBitmap source;
  FillGradient(source, width, height);
  TJPEGImage jpeg;
  jpeg.Assign(&source);
  return jpeg.SaveToBytes();
}

// A picture's header can claim any size; one larger than a full-screen picture, or larger than
// its data can fill, is refused from the header, before its pixels are made.
TEST(PictureFiles, AJpegClaimingMoreThanAFullScreenPictureOrThanItsDataFillsIsRefused) {
  const TBytes small = JpegOf(64, 48);
  const struct {
    int Width, Height;
    const char* Reason;
  } cases[] = {{1538, 35585, "图像过大"}, {2049, 2048, "图像过大"}, {2000, 2000, "数据不足以填满图像"}};
  for (const auto& c : cases) {
    TJPEGImage jpeg;
    try {
      jpeg.LoadFromBytes(ClaimingJpeg(small, c.Width, c.Height));
      ADD_FAILURE() << c.Width << "x" << c.Height << " loaded";
    } catch (const EInvalidGraphic& e) {
      EXPECT_NE(e.Message().find(c.Reason), String::npos) << e.Message();
    }
    EXPECT_TRUE(jpeg.Empty());
  }
  TJPEGImage photo;
  photo.LoadFromBytes(JpegOf(1600, 1200));
  EXPECT_EQ(photo.Width(), 1600);
  EXPECT_EQ(photo.Height(), 1200);
}

TEST(PictureFiles, IconsKeepTheirBytesAndDrawWithTransparency) {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 4; y < 12; ++y)
    for (int x = 4; x < 12; ++x) image.setPixel(x, y, qRgb(255, 0, 0));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(QImageWriter(&buffer, "ICO").write(image));
  const TBytes data(bytes.begin(), bytes.end());
  TIcon icon;
  icon.LoadFromBytes(data);
  EXPECT_EQ(icon.Width(), 16);
  EXPECT_EQ(icon.SaveToBytes(), data);
  TPixelCanvas c(16, 16, clBlue);
  c.Canvas()->Draw(0, 0, &icon);
  EXPECT_EQ(c.At(5, 5), ColorToRGB(clRed));
  EXPECT_EQ(c.At(1, 1), ColorToRGB(clBlue));
  EXPECT_THROW(icon.LoadFromBytes({'B', 'M', 0, 0, 0, 0}), EInvalidGraphic);
}

TEST(PictureFiles, PictureLoadsByExtensionAndConvertsKinds) {
  TempDir dir;
  TBitmap source;
  FillGradient(source, 8, 8);
  source.SaveToFile(dir.File("a.bmp"));
  TJPEGImage jpeg;
  jpeg.Assign(&source);
  jpeg.SaveToFile(dir.File("b.JPG"));

  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.LoadFromFile(dir.File("a.bmp"));
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  picture.LoadFromFile(dir.File("b.JPG"));
  EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 8);
  EXPECT_EQ(changes, 2);
  EXPECT_THROW(picture.LoadFromFile(dir.File("c.xyz")), EInvalidGraphic);
  EXPECT_THROW(picture.LoadFromFile(dir.File("missing.bmp")), EFOpenError);

  TPicture copy;
  copy.Assign(&picture);
  EXPECT_NE(copy.Graphic(), picture.Graphic());
  EXPECT_EQ(copy.Height(), 8);
  EXPECT_TRUE(copy.Bitmap()->Empty()) << "asking for another kind replaces the picture";
}
