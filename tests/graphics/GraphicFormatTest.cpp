// Picture kinds read from their data's signature, and the picture dialogs' filters and extensions.
#include <gtest/gtest.h>

#include "graphics/GraphicFormat.h"
#include "graphics/Jpeg.h"

namespace {

TEST(GraphicFormatTest, TheKindFollowsTheSignature) {
  TBitmap bitmap(3, 2);
  TJPEGImage jpeg;
  jpeg.Assign(&bitmap);
  TBytes emf(44, 0);
  emf[40] = ' ', emf[41] = 'E', emf[42] = 'M', emf[43] = 'F';
  struct TCase {
    TBytes Data;
    const char* ClassName;
  };
  const TCase cases[] = {
      {bitmap.SaveToBytes(), "TBitmap"}, {jpeg.SaveToBytes(), "TJPEGImage"}, {{0, 0, 1, 0, 1, 0}, "TIcon"},
      {{0xD7, 0xCD, 0xC6, 0x9A, 0}, "TMetafile"}, {emf, "TMetafile"},
      {{'G', 'I', 'F', '8'}, ""}, {{'B'}, ""}, {{}, ""},
  };
  for (const TCase& c : cases) {
    const std::unique_ptr<TGraphic> graphic = CreateGraphicForData(c.Data);
    EXPECT_EQ(graphic ? graphic->ClassName() : String(), c.ClassName) << c.ClassName;
  }
}

TEST(GraphicFormatTest, FiltersAndExtensions) {
  EXPECT_EQ(GraphicFilter("TBitmap"), "Bitmaps (*.bmp)|*.bmp");
  EXPECT_EQ(GraphicExtension("TJPEGImage"), "jpg");
  EXPECT_EQ(GraphicExtension("TNothing"), "");
  const String all = GraphicFilter("");
  EXPECT_EQ(all.substr(0, all.find('|')), "All (*.bmp;*.jpg;*.jpeg;*.ico;*.emf;*.wmf)");
  EXPECT_NE(all.find("|Icons (*.ico)|*.ico"), String::npos);
}

}  // namespace
