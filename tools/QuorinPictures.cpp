// quorin_pictures <layout folder>: draws the program's pictures (the splash window's and the
// emblem of the log-on dialog, the about box and the progress window) with the graphics layer,
// compresses them as JPEG and stores them in those windows' layouts as their pictures' data; the
// main window's icons go into its image lists. Run by hand when a drawing changes; the layouts it
// rewrites are part of the sources.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "classes/Filer.h"
#include "classes/LayoutText.h"
#include "controls/ControlClasses.h"
#include "controls/GuiProgram.h"
#include "graphics/ImageList.h"
#include "graphics/Jpeg.h"
#include "tools/QuorinIcons.h"

namespace {

// A colour between two, at T of 0 to 1.
TColor Blend(TColor From, TColor To, double T) {
  auto part = [&](int shift) {
    const int a = (From >> shift) & 0xff, b = (To >> shift) & 0xff;
    return static_cast<int>(a + (b - a) * T + 0.5);
  };
  return RGB(part(0), part(8), part(16));
}

void Fill(TCanvas* Canvas, TColor Color, const TRect& R) {
  Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  Canvas->Brush()->SetColor(Color);
  Canvas->FillRect(R);
}

// Inside is clNone for an outline alone.
void Oval(TCanvas* Canvas, const TRect& R, TColor Inside, TColor Line) {
  Canvas->Brush()->SetStyle(Inside == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
  if (Inside != clNone) Canvas->Brush()->SetColor(Inside);
  Canvas->Pen()->SetColor(Line);
  Canvas->Ellipse(R);
}

void Text(TCanvas* Canvas, int X, int Y, const String& S, int Height, TColor Color, bool Bold) {
  Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  Canvas->Font()->SetName("黑体");
  Canvas->Font()->SetHeight(Height);
  Canvas->Font()->SetStyle(Bold ? TFontStyles(fsBold) : TFontStyles(0));
  Canvas->Font()->SetColor(Color);
  Canvas->TextOut(X, Y, S);
}

// A running track seen from the stands: terracotta lanes with white lines around a green field.
void DrawTrack(TCanvas* Canvas, const TRect& Outer, int Lanes, int LaneWidth) {
  Oval(Canvas, Outer, RGB(190, 78, 52), RGB(235, 235, 235));
  for (int lane = 1; lane <= Lanes; ++lane) {
    const int dx = lane * LaneWidth, dy = lane * LaneWidth * Outer.Height() / Outer.Width();
    const TRect r{Outer.Left + dx, Outer.Top + dy, Outer.Right - dx, Outer.Bottom - dy};
    Oval(Canvas, r, lane == Lanes ? RGB(70, 150, 72) : clNone, RGB(235, 235, 235));
  }
}

std::unique_ptr<TBitmap> DrawSplash() {
  auto bitmap = std::make_unique<TBitmap>(432, 295);
  TCanvas* c = bitmap->Canvas();
  for (int y = 0; y < 150; ++y) Fill(c, Blend(RGB(40, 110, 190), RGB(200, 228, 248), y / 150.0), {0, y, 432, y + 1});
  for (int y = 150; y < 295; ++y) Fill(c, Blend(RGB(88, 170, 84), RGB(44, 118, 52), (y - 150) / 145.0), {0, y, 432, y + 1});
  Fill(c, RGB(120, 124, 132), {0, 138, 432, 152});  // the stands' wall
  DrawTrack(c, {-40, 160, 472, 330}, 6, 9);
  Fill(c, RGB(245, 245, 245), {300, 240, 306, 295});  // finish line
  Text(c, 27, 23, "Quorin", -52, RGB(20, 50, 90), true);
  Text(c, 24, 20, "Quorin", -52, clWhite, true);
  Text(c, 28, 86, "高中体育成绩管理系统", -22, clWhite, false);
  return bitmap;
}

// A blue disc with a lane ring and a white "Q".
std::unique_ptr<TBitmap> DrawEmblem() {
  auto bitmap = std::make_unique<TBitmap>(48, 48);
  TCanvas* c = bitmap->Canvas();
  Fill(c, clWhite, {0, 0, 48, 48});
  Oval(c, {1, 1, 47, 47}, RGB(40, 110, 190), RGB(40, 110, 190));
  c->Pen()->SetWidth(3);
  Oval(c, {5, 5, 43, 43}, clNone, RGB(200, 80, 52));
  c->Pen()->SetWidth(1);
  Oval(c, {8, 8, 40, 40}, clNone, RGB(235, 235, 235));
  Text(c, 0, 0, String(), -28, clWhite, true);
  const int width = c->TextWidth("Q"), height = c->TextHeight("Q");
  Text(c, (48 - width) / 2, (48 - height) / 2, "Q", -28, clWhite, true);
  return bitmap;
}

// The picture property's data: the graphic's class name, then its sized file.
std::vector<uint8_t> PictureData(const TBitmap& Bitmap) {
  TJPEGImage jpeg;
  jpeg.SetCompressionQuality(88);
  jpeg.Assign(&Bitmap);
  const String kind = jpeg.ClassName();
  TMemoryStream stream;
  const auto length = static_cast<uint8_t>(kind.size());
  stream.WriteBuffer(&length, 1);
  stream.WriteBuffer(kind.data(), length);
  WriteSizedGraphic(stream, jpeg);
  const uint8_t* data = stream.Memory();
  return std::vector<uint8_t>(data, data + stream.Size());
}

TLayoutObject* FindObject(TLayoutObject& Parent, const String& Name) {
  if (Parent.Name == Name) return &Parent;
  for (TLayoutObject& child : Parent.Children)
    if (TLayoutObject* found = FindObject(child, Name)) return found;
  return nullptr;
}

// Replaces the property Name of the layout's component with binary Data.
void StoreBinary(const String& File, const String& Component, const String& Name, const std::vector<uint8_t>& Data) {
  std::ifstream in(File);
  std::stringstream text;
  text << in.rdbuf();
  TLayoutObject root = ParseLayout(text.str());
  TLayoutObject* object = FindObject(root, Component);
  if (!object) throw Exception(File + ": 没有组件 " + Component);
  auto& props = object->Properties;
  props.erase(std::remove_if(props.begin(), props.end(), [&](auto& p) { return p.Name == Name; }), props.end());
  TLayoutProperty prop;
  prop.Name = Name;
  prop.Value.Kind = TValueKind::Binary;
  prop.Value.Bytes = Data;
  props.push_back(prop);
  std::ofstream(File) << PrintLayout(root);
}

void StorePicture(const String& File, const String& Component, const std::vector<uint8_t>& Data) {
  StoreBinary(File, Component, "Picture.Data", Data);
}

// The images of an image list as its layout keeps them; fuchsia pixels become transparent.
std::vector<uint8_t> ImageListData(const std::vector<std::unique_ptr<TBitmap>>& Icons, int Size) {
  TImageList list(Size, Size);
  for (const auto& icon : Icons) list.AddMasked(icon.get(), clFuchsia);
  list.SetName("List");
  const TLayoutObject written = ParseLayout(WriteLayout(&list));
  for (const TLayoutProperty& prop : written.Properties)
    if (prop.Name == "Bitmap") return prop.Value.Bytes;
  throw Exception("图像列表没有写出图片");
}

int Run(const String& Folder) {
  RegisterControlsClasses();
  const std::vector<uint8_t> splash = PictureData(*DrawSplash());
  const std::vector<uint8_t> emblem = PictureData(*DrawEmblem());
  StorePicture(Folder + "/Splash.layout", "imgSplash", splash);
  StorePicture(Folder + "/Logon.layout", "imgLogon", emblem);
  StorePicture(Folder + "/About.layout", "imgProgram", emblem);
  StorePicture(Folder + "/ProgressTask.layout", "imgTask", emblem);
  StoreBinary(Folder + "/KvMain.layout", "ilToolbar", "Bitmap", ImageListData(DrawToolbarIcons(), 16));
  StoreBinary(Folder + "/KvMain.layout", "ilSideBar", "Bitmap", ImageListData(DrawSideBarIcons(), 32));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quorin_pictures <layout folder>\n");
    return 2;
  }
  const String folder = argv[1];
  return RunGuiProgram(argc, argv, [&] {
    try {
      return Run(folder);
    } catch (const Exception& e) {
      std::fprintf(stderr, "quorin_pictures: %s\n", e.Message().c_str());
      return 1;
    }
  });
}
