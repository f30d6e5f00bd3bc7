// quorin_pictures <layout folder>: draws the program's pictures (the splash window's and the
// emblem of the log-on dialog, the about box and the progress window) with the graphics layer,
// compresses them as JPEG and stores them in those windows' layouts as their pictures' data; and
// draws the 16 by 16 glyphs of the preview window's toolbar and of the print options window's
// buttons, stored as the buttons' bitmaps, and the main window's icons, stored in its image lists.
// Run by hand when a drawing changes; the layouts it rewrites are part of the sources.
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

// Glyphs ------------------------------------------------------------------------------------------

// The glyph's background: a speed button takes the colour of the bottom-left pixel as transparent.
constexpr TColor kGlyphBack = RGB(255, 0, 255);
const TColor kInk = RGB(40, 60, 90), kArrow = RGB(30, 110, 200), kGo = RGB(40, 150, 60);

std::unique_ptr<TBitmap> NewGlyph() {
  auto bitmap = std::make_unique<TBitmap>(16, 16);
  Fill(bitmap->Canvas(), kGlyphBack, {0, 0, 16, 16});
  return bitmap;
}

void Shape(TCanvas* Canvas, const std::vector<TPoint>& Points, TColor Color) {
  Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  Canvas->Brush()->SetColor(Color);
  Canvas->Pen()->SetColor(Color);
  Canvas->Polygon(Points);
}

void Frame(TCanvas* Canvas, const TRect& R, TColor Inside, TColor Line) {
  Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  Canvas->Brush()->SetColor(Inside);
  Canvas->Pen()->SetColor(Line);
  Canvas->Rectangle(R);
}

// A sheet of paper with lines of text.
void Sheet(TCanvas* Canvas, const TRect& R) {
  Frame(Canvas, R, clWhite, kInk);
  for (int y = R.Top + 3; y < R.Bottom - 2; y += 2) Fill(Canvas, RGB(150, 160, 175), {R.Left + 2, y, R.Right - 2, y + 1});
}

// A triangle pointing left (Dir -1) or right (1) with its tip at X.
void Triangle(TCanvas* Canvas, int X, int Dir, TColor Color) {
  Shape(Canvas, {{X, 8}, {X - 5 * Dir, 3}, {X - 5 * Dir, 13}}, Color);
}

std::unique_ptr<TBitmap> DrawPageGlyph(int Kind) {
  auto glyph = NewGlyph();
  TCanvas* c = glyph->Canvas();
  switch (Kind) {
    case 0:  // a magnifier
      c->Pen()->SetWidth(2);
      Oval(c, {1, 1, 11, 11}, RGB(220, 235, 250), kInk);
      c->MoveTo(10, 10);
      c->LineTo(15, 15);
      c->Pen()->SetWidth(1);
      break;
    case 1:  // the whole page
      Frame(c, {1, 0, 15, 16}, RGB(220, 235, 250), kArrow);
      Sheet(c, {4, 3, 12, 13});
      break;
    case 2:  // the page's width: a double arrow from edge to edge
      Frame(c, {0, 3, 16, 13}, RGB(220, 235, 250), kArrow);
      Fill(c, kInk, {3, 7, 13, 9});
      Shape(c, {{1, 8}, {5, 4}, {5, 12}}, kInk);
      Shape(c, {{14, 8}, {10, 4}, {10, 12}}, kInk);
      break;
    case 3:  // first: a bar and a triangle
      Fill(c, kArrow, {3, 3, 5, 14});
      Triangle(c, 6, -1, kArrow);
      break;
    case 4: Triangle(c, 5, -1, kArrow); break;
    case 5: Triangle(c, 11, 1, kArrow); break;
    case 6:  // last
      Triangle(c, 10, 1, kArrow);
      Fill(c, kArrow, {11, 3, 13, 14});
      break;
  }
  return glyph;
}

std::unique_ptr<TBitmap> DrawFileGlyph(int Kind) {
  auto glyph = NewGlyph();
  TCanvas* c = glyph->Canvas();
  switch (Kind) {
    case 0:  // open: a folder
      Shape(c, {{1, 4}, {6, 4}, {7, 5}, {13, 5}, {13, 14}, {1, 14}}, RGB(200, 150, 40));
      Shape(c, {{3, 8}, {15, 8}, {13, 14}, {1, 14}}, RGB(245, 205, 90));
      break;
    case 1:  // save: a disk
      Frame(c, {1, 1, 15, 15}, RGB(50, 90, 170), RGB(30, 50, 110));
      Fill(c, clWhite, {4, 2, 12, 7});
      Fill(c, RGB(200, 200, 200), {5, 10, 11, 15});
      break;
    case 2:  // print: a printer with its paper
      Sheet(c, {4, 1, 12, 7});
      Frame(c, {1, 6, 15, 12}, RGB(190, 190, 195), kInk);
      Sheet(c, {4, 10, 12, 15});
      Fill(c, kGo, {12, 7, 14, 8});
      break;
    case 3:  // close: a red cross
      c->Pen()->SetColor(RGB(200, 40, 40));
      c->Pen()->SetWidth(3);
      c->MoveTo(3, 3);
      c->LineTo(13, 13);
      c->MoveTo(13, 3);
      c->LineTo(3, 13);
      c->Pen()->SetWidth(1);
      break;
  }
  return glyph;
}

// Select: one arrow right; unselect: one arrow left; clear: two arrows left.
std::unique_ptr<TBitmap> DrawMoveGlyph(int Kind) {
  auto glyph = NewGlyph();
  TCanvas* c = glyph->Canvas();
  if (Kind == 0) Triangle(c, 11, 1, kGo);
  if (Kind >= 1) Triangle(c, Kind == 1 ? 5 : 3, -1, kGo);
  if (Kind == 2) Triangle(c, 9, -1, kGo);
  return glyph;
}

// A bitmap property's data: the sized bitmap file.
std::vector<uint8_t> GlyphData(const TBitmap& Bitmap) {
  TMemoryStream stream;
  WriteSizedGraphic(stream, Bitmap);
  const uint8_t* data = stream.Memory();
  return std::vector<uint8_t>(data, data + stream.Size());
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

void StorePicture(const String& File, const String& Component, const std::vector<uint8_t>& Data,
                  const String& Property = "Picture.Data") {
  std::ifstream in(File);
  std::stringstream text;
  text << in.rdbuf();
  TLayoutObject root = ParseLayout(text.str());
  TLayoutObject* object = FindObject(root, Component);
  if (!object) throw Exception(File + ": 没有组件 " + Component);
  auto& props = object->Properties;
  props.erase(std::remove_if(props.begin(), props.end(), [&](auto& p) { return p.Name == Property; }), props.end());
  TLayoutProperty prop;
  prop.Name = Property;
  prop.Value.Kind = TValueKind::Binary;
  prop.Value.Bytes = Data;
  props.push_back(prop);
  std::ofstream(File) << PrintLayout(root);
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
  const char* const pageButtons[] = {"sbZoom100",   "sbWholePage", "sbPageWidth", "sbFirstPage",
                                     "sbPriorPage", "sbNextPage",  "sbLastPage"};
  for (int i = 0; i < 7; ++i)
    StorePicture(Folder + "/RptPreview.layout", pageButtons[i], GlyphData(*DrawPageGlyph(i)), "Glyph.Data");
  const char* const fileButtons[] = {"sbOpen", "sbSave", "sbPrint", "sbClose"};
  for (int i = 0; i < 4; ++i)
    StorePicture(Folder + "/RptPreview.layout", fileButtons[i], GlyphData(*DrawFileGlyph(i)), "Glyph.Data");
  for (int page = 1; page <= 3; ++page) {
    const String n = std::to_string(page);
    StorePicture(Folder + "/SetPrintOption.layout", "sbSelect" + n, GlyphData(*DrawMoveGlyph(0)), "Glyph.Data");
    StorePicture(Folder + "/SetPrintOption.layout", "sbUnSelect" + n, GlyphData(*DrawMoveGlyph(1)), "Glyph.Data");
    StorePicture(Folder + "/SetPrintOption.layout", "sbClear" + n, GlyphData(*DrawMoveGlyph(2)), "Glyph.Data");
  }
  StorePicture(Folder + "/KvMain.layout", "ilToolbar", ImageListData(DrawToolbarIcons(), 16), "Bitmap");
  StorePicture(Folder + "/KvMain.layout", "ilSideBar", ImageListData(DrawSideBarIcons(), 32), "Bitmap");
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
