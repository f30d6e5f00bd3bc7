// The main window's icons, drawn with the graphics layer on a fuchsia background that becomes
// transparent in the image lists: the 16-pixel pictures of the commands on the toolbar and in the
// menus, and the 32-pixel pictures of the side bar's four pages.
#include "tools/QuorinIcons.h"

namespace {

const TColor Clear = clFuchsia;
const TColor Ink = RGB(40, 40, 40);
const TColor Skin = RGB(250, 214, 170);
const TColor Hair = RGB(70, 50, 30);
const TColor StudentBlue = RGB(40, 110, 200);
const TColor TeacherRed = RGB(150, 40, 40);
const TColor Green = RGB(30, 150, 50);
const TColor Red = RGB(210, 30, 30);
const TColor Gold = RGB(230, 170, 20);
const TColor Paper = RGB(252, 252, 252);
const TColor Grey = RGB(150, 150, 150);
const TColor DarkGrey = RGB(96, 96, 96);
const TColor Sky = RGB(50, 120, 210);

// A pen-and-brush drawing of one icon; every shape is outlined in Line (clNone: no outline).
class TIconPainter {
 public:
  explicit TIconPainter(int Size) : FBitmap(std::make_unique<TBitmap>(Size, Size)) {
    Fill({0, 0, Size, Size}, Clear);
  }
  std::unique_ptr<TBitmap> Take() { return std::move(FBitmap); }

  void Fill(const TRect& R, TColor Color) {
    Canvas()->Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas()->Brush()->SetColor(Color);
    Canvas()->FillRect(R);
  }
  void Box(const TRect& R, TColor Inside, TColor Line = Ink) {
    Prepare(Inside, Line);
    Canvas()->Rectangle(R);
  }
  void Oval(const TRect& R, TColor Inside, TColor Line = Ink) {
    Prepare(Inside, Line);
    Canvas()->Ellipse(R);
  }
  void Shape(const std::vector<TPoint>& Points, TColor Inside, TColor Line = Ink) {
    Prepare(Inside, Line);
    Canvas()->Polygon(Points);
  }
  void Line(std::initializer_list<TPoint> Points, TColor Color, int Width = 1) {
    Canvas()->Pen()->SetStyle(TPenStyle::psSolid);
    Canvas()->Pen()->SetColor(Color);
    Canvas()->Pen()->SetWidth(Width);
    bool first = true;
    for (TPoint p : Points) {
      if (first) Canvas()->MoveTo(p.X, p.Y);
      else Canvas()->LineTo(p.X, p.Y);
      first = false;
    }
    Canvas()->Pen()->SetWidth(1);
  }
  void Text(const TRect& R, const String& S, int Height, TColor Color) {
    Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas()->Font()->SetName("Arial");
    Canvas()->Font()->SetHeight(Height);
    Canvas()->Font()->SetStyle(TFontStyles(fsBold));
    Canvas()->Font()->SetColor(Color);
    const int x = R.Left + (R.Width() - Canvas()->TextWidth(S)) / 2;
    const int y = R.Top + (R.Height() - Canvas()->TextHeight(S)) / 2;
    Canvas()->TextOut(x, y, S);
  }
  TCanvas* Canvas() { return FBitmap->Canvas(); }

 private:
  void Prepare(TColor Inside, TColor Line) {
    Canvas()->Brush()->SetStyle(Inside == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
    if (Inside != clNone) Canvas()->Brush()->SetColor(Inside);
    Canvas()->Pen()->SetStyle(Line == clNone ? TPenStyle::psClear : TPenStyle::psSolid);
    if (Line != clNone) Canvas()->Pen()->SetColor(Line);
  }
  std::unique_ptr<TBitmap> FBitmap;
};

// --- 16-pixel parts -------------------------------------------------------------------------------

// A head and shoulders in the left part of the icon.
void Person(TIconPainter& P, TColor Shirt, int X = 1) {
  P.Shape({{X, 15}, {X, 12}, {X + 2, 9}, {X + 9, 9}, {X + 11, 12}, {X + 11, 15}}, Shirt);
  P.Oval({X + 3, 1, X + 9, 8}, Skin);
  P.Line({{X + 4, 2}, {X + 8, 2}}, Hair);
}

void Plus(TIconPainter& P) {
  P.Fill({10, 8, 16, 16}, Clear);
  P.Fill({12, 8, 14, 16}, Green);
  P.Fill({10, 11, 16, 13}, Green);
}

void Pencil(TIconPainter& P) {
  P.Shape({{15, 7}, {15, 9}, {9, 15}, {7, 15}, {7, 13}, {13, 7}}, Gold, RGB(120, 80, 10));
  P.Line({{7, 15}, {8, 14}}, Ink);
}

void Star(TIconPainter& P) {
  P.Shape({{12, 7}, {13, 10}, {16, 10}, {14, 12}, {15, 15}, {12, 13}, {9, 15}, {10, 12}, {8, 10}, {11, 10}}, Gold,
          RGB(150, 100, 0));
}

void Cross(TIconPainter& P, const TRect& R, int Width) {
  P.Line({{R.Left, R.Top}, {R.Right, R.Bottom}}, Red, Width);
  P.Line({{R.Right, R.Top}, {R.Left, R.Bottom}}, Red, Width);
}

// The lines of a table under a coloured head row; the cells stay clear, so that the disabled
// picture shows the grid rather than a block.
void Table(TIconPainter& P, TColor Head) {
  P.Box({1, 2, 15, 15}, clNone, DarkGrey);
  P.Fill({2, 3, 14, 6}, Head);
  for (int y : {6, 10}) P.Line({{2, y}, {14, y}}, DarkGrey);
  P.Line({{6, 6}, {6, 14}}, DarkGrey);
  P.Line({{10, 6}, {10, 14}}, DarkGrey);
}

// A printer with a sheet coming out of it; the sheet is left for the caller to mark.
void Printer(TIconPainter& P) {
  P.Box({3, 1, 13, 9}, Paper, DarkGrey);
  P.Box({1, 7, 15, 13}, RGB(200, 200, 200), DarkGrey);
  P.Fill({2, 8, 14, 9}, RGB(230, 230, 230));
  P.Fill({12, 10, 14, 11}, Green);
  P.Box({3, 11, 13, 15}, Paper, DarkGrey);
}

void Stopwatch(TIconPainter& P, const TRect& R) {
  const int cx = (R.Left + R.Right) / 2, s = R.Width();
  P.Fill({cx - s / 8, R.Top, cx + s / 8 + 1, R.Top + s / 6}, DarkGrey);
  P.Oval({R.Left, R.Top + s / 8, R.Right, R.Bottom}, Paper, Ink);
  const int cy = (R.Top + s / 8 + R.Bottom) / 2;
  P.Line({{cx, cy}, {cx, R.Top + s / 4 + 1}}, Red, s >= 24 ? 2 : 1);
  P.Line({{cx, cy}, {cx + s / 4, cy}}, Ink, s >= 24 ? 2 : 1);
}

void Disc(TIconPainter& P, const String& Mark) {
  P.Oval({0, 0, 16, 16}, Sky, RGB(20, 70, 150));
  P.Text({0, 0, 16, 16}, Mark, -12, clWhite);
}

using TIconDrawing = void (*)(TIconPainter&);

// In the order of the toolbar image list's indexes, as the actions of the main window use them.
const TIconDrawing ToolbarDrawings[] = {
    [](TIconPainter& P) { Person(P, StudentBlue); Plus(P); },                 // 0 add a student
    [](TIconPainter& P) { Person(P, StudentBlue); Pencil(P); },               // 1 edit students
    [](TIconPainter& P) { Stopwatch(P, {1, 0, 15, 16}); },                    // 2 fitness results
    [](TIconPainter& P) { Person(P, TeacherRed); Plus(P); },                  // 3 add a teacher
    [](TIconPainter& P) { Person(P, TeacherRed); Pencil(P); },                // 4 edit a teacher
    [](TIconPainter& P) { Person(P, TeacherRed); Star(P); },                  // 5 teacher's rights
    [](TIconPainter& P) { Table(P, Sky); },                                   // 6 examination standards
    [](TIconPainter& P) { Table(P, Green); },                                 // 7 fitness standards
    [](TIconPainter& P) { Printer(P); },                                      // 8 blank form
    [](TIconPainter& P) {                                                      // 9 fitness cards
      Printer(P);
      P.Oval({5, 2, 8, 5}, Skin, StudentBlue);
      P.Line({{9, 3}, {12, 3}}, StudentBlue);
      P.Line({{5, 6}, {12, 6}}, Grey);
    },
    [](TIconPainter& P) {                                                      // 10 class statistics
      P.Box({1, 1, 15, 15}, Paper, DarkGrey);
      P.Fill({3, 9, 5, 14}, Sky);
      P.Fill({6, 5, 8, 14}, Green);
      P.Fill({9, 7, 11, 14}, Gold);
      P.Fill({12, 3, 14, 14}, Red);
    },
    [](TIconPainter& P) {                                                      // 11 school statistics
      P.Box({1, 4, 13, 15}, Paper, DarkGrey);
      P.Fill({3, 10, 5, 14}, Sky);
      P.Fill({6, 8, 8, 14}, Green);
      P.Shape({{12, 0}, {16, 4}, {13, 4}, {13, 9}, {11, 9}, {11, 4}, {8, 4}}, Red, RGB(140, 0, 0));
    },
    [](TIconPainter& P) {                                                      // 12 exempt students
      P.Box({2, 1, 14, 15}, Paper, DarkGrey);
      for (int y : {4, 7, 10}) P.Line({{4, y}, {9, y}}, Grey);
      P.Fill({9, 8, 16, 16}, Clear);
      P.Fill({11, 8, 14, 16}, Red);
      P.Fill({9, 10, 16, 13}, Red);
    },
    [](TIconPainter& P) {                                                      // 13 classes
      P.Shape({{0, 7}, {8, 1}, {16, 7}}, Red, RGB(140, 20, 20));
      P.Box({2, 7, 14, 15}, RGB(240, 220, 180), DarkGrey);
      P.Fill({7, 10, 10, 15}, RGB(120, 70, 30));
      P.Fill({4, 9, 6, 11}, Sky);
      P.Fill({11, 9, 13, 11}, Sky);
    },
    [](TIconPainter& P) {                                                      // 14 print options
      Printer(P);
      P.Line({{5, 4}, {7, 6}, {11, 2}}, Green, 2);
    },
    [](TIconPainter& P) {                                                      // 15 database
      const TColor body = RGB(230, 190, 80), line = RGB(130, 90, 10);
      P.Box({2, 3, 14, 13}, body, clNone);
      P.Line({{2, 3}, {2, 13}}, line);
      P.Line({{13, 3}, {13, 13}}, line);
      P.Oval({2, 10, 14, 16}, body, line);
      P.Oval({2, 5, 14, 11}, body, line);
      P.Fill({3, 5, 13, 8}, body);
      P.Oval({2, 0, 14, 6}, RGB(250, 225, 140), line);
    },
    [](TIconPainter& P) { Disc(P, "?"); },                                    // 16 help
    [](TIconPainter& P) { Cross(P, {3, 3, 12, 12}, 3); },                     // 17 delete
    [](TIconPainter& P) {                                                      // 18 password
      P.Oval({1, 1, 8, 8}, Gold, RGB(150, 100, 0));
      P.Oval({3, 3, 6, 6}, Clear, RGB(150, 100, 0));
      P.Line({{6, 6}, {14, 14}}, RGB(150, 100, 0), 2);
      P.Line({{11, 11}, {13, 9}}, RGB(150, 100, 0), 2);
    },
    [](TIconPainter& P) { Disc(P, "i"); },                                    // 19 about
    [](TIconPainter& P) {                                                      // 20 search
      P.Line({{9, 9}, {14, 14}}, RGB(120, 80, 10), 3);
      P.Oval({1, 1, 11, 11}, RGB(210, 235, 250), DarkGrey);
    },
};

// --- 32-pixel side-bar pictures -------------------------------------------------------------------

void BigPerson(TIconPainter& P, int X, int Y, int Size, TColor Shirt) {
  const int s = Size;
  P.Shape({{X, Y + s}, {X, Y + s * 3 / 4}, {X + s / 6, Y + s * 9 / 16}, {X + s * 5 / 6, Y + s * 9 / 16},
           {X + s, Y + s * 3 / 4}, {X + s, Y + s}},
          Shirt);
  P.Oval({X + s / 4, Y, X + s * 3 / 4 + 1, Y + s / 2 + 1}, Skin);
  P.Shape({{X + s / 4, Y + s / 5}, {X + s / 3, Y}, {X + s * 2 / 3, Y}, {X + s * 3 / 4, Y + s / 5}}, Hair, Hair);
}

const TIconDrawing SideBarDrawings[] = {
    [](TIconPainter& P) {  // students
      BigPerson(P, 14, 4, 17, RGB(230, 120, 40));
      BigPerson(P, 1, 9, 21, StudentBlue);
    },
    [](TIconPainter& P) {  // teachers
      P.Box({9, 1, 31, 17}, RGB(30, 90, 60), RGB(120, 80, 40));
      P.Line({{12, 6}, {24, 6}}, clWhite);
      P.Line({{12, 10}, {20, 10}}, clWhite);
      BigPerson(P, 1, 10, 21, TeacherRed);
    },
    [](TIconPainter& P) { Stopwatch(P, {3, 1, 29, 31}); },  // fitness standards
    [](TIconPainter& P) {                                    // examination standards
      P.Box({5, 3, 27, 31}, Paper, DarkGrey);
      P.Box({11, 1, 21, 6}, Grey, DarkGrey);
      for (int y : {11, 18, 25}) {
        P.Line({{8, y}, {10, y + 2}, {14, y - 3}}, Green, 2);
        P.Line({{16, y}, {24, y}}, Grey);
      }
    },
};

std::vector<std::unique_ptr<TBitmap>> Draw(std::span<const TIconDrawing> Drawings, int Size) {
  std::vector<std::unique_ptr<TBitmap>> icons;
  for (TIconDrawing draw : Drawings) {
    TIconPainter painter(Size);
    draw(painter);
    icons.push_back(painter.Take());
  }
  return icons;
}

}  // namespace

std::vector<std::unique_ptr<TBitmap>> DrawToolbarIcons() { return Draw(ToolbarDrawings, 16); }

std::vector<std::unique_ptr<TBitmap>> DrawSideBarIcons() { return Draw(SideBarDrawings, 32); }
