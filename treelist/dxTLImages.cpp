// The images every tree list shares: the indicator glyphs, drawn here pixel by pixel on white (the
// masked colour), and the grid-style expand buttons, drawn from the system colours.
#include <array>
#include <memory>

#include "treelist/dxTLDraw.h"

namespace {

// Each glyph as rows of pixels, '#' black on white; the first one's size is the list's.
using TGlyphRows = std::array<const char*, 11>;
constexpr TGlyphRows IndicatorGlyphs[] = {
    // the focused row
    {"..........", "...#......", "...##.....", "...###....", "...####...", "...#####..", "...####...", "...###....",
     "...##.....", "...#......", ".........."},
    // the row being edited
    {"..........", "..##.##...", "....#.....", "....#.....", "....#.....", "....#.....", "....#.....", "....#.....",
     "....#.....", "..##.##...", ".........."},
    // the row being inserted
    {"..........", "....#.....", ".#..#..#..", "..#.#.#...", "...###....", ".#######..", "...###....", "..#.#.#...",
     ".#..#..#..", "....#.....", ".........."},
    // a selected row
    {"..........", "..........", "..........", "....##....", "...####...", "...####...", "....##....", "..........",
     "..........", "..........", ".........."},
    // the focused row among selected rows
    {"..........", ".....#....", ".....##...", ".....###..", "##...####.", "##...#####", "##...####.", ".....###..",
     ".....##...", ".....#....", ".........."},
};

std::unique_ptr<TBitmap> GlyphBitmap(const TGlyphRows& Rows) {
  const int width = int(std::char_traits<char>::length(Rows[0]));
  auto bitmap = std::make_unique<TBitmap>(width, int(Rows.size()));
  TCanvas* canvas = bitmap->Canvas();
  for (int y = 0; y < int(Rows.size()); ++y)
    for (int x = 0; x < width; ++x) canvas->SetPixel(x, y, Rows[size_t(y)][x] == '#' ? clBlack : clWhite);
  return bitmap;
}

std::unique_ptr<TImageList> MakeIndicatorImages() {
  const auto first = GlyphBitmap(IndicatorGlyphs[0]);
  auto list = std::make_unique<TImageList>(first->Width(), first->Height());
  for (const TGlyphRows& rows : IndicatorGlyphs) list->AddMasked(GlyphBitmap(rows).get(), clWhite);
  return list;
}

struct TButtonGlyphs {
  TBitmap Collapsed{12, 12};
  TBitmap Expanded{12, 12};
};

TButtonGlyphs& ButtonGlyphs() {
  static TButtonGlyphs glyphs;
  return glyphs;
}

// A raised 12 x 12 button in the button face with a minus, and a plus when Collapsed.
void DrawButtonGlyph(TBitmap& Bitmap, bool Collapsed) {
  HDC dc = Bitmap.Canvas();
  TRect r{0, 0, 12, 12};
  DrawEdge(dc, r, BDR_RAISEDINNER, BF_LEFT | BF_TOP);
  DrawEdge(dc, r, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
  InflateRect(r, -1, -1);
  DrawEdge(dc, r, BDR_RAISEDINNER, BF_RIGHT | BF_BOTTOM);
  --r.Right;
  --r.Bottom;
  FillRect(dc, r, GetSysColorBrush(COLOR_BTNFACE));
  FillRect(dc, {3, 5, 8, 6}, GetSysColorBrush(COLOR_BTNTEXT));
  if (Collapsed) FillRect(dc, {5, 3, 6, 8}, GetSysColorBrush(COLOR_BTNTEXT));
}

}  // namespace

const TImageList& TreeListIndicatorImages() {
  static const std::unique_ptr<TImageList> images = MakeIndicatorImages();
  return *images;
}

void BuildTreeButtonGlyphs() {
  DrawButtonGlyph(ButtonGlyphs().Collapsed, true);
  DrawButtonGlyph(ButtonGlyphs().Expanded, false);
}

const TBitmap& TreeListButtonGlyph(bool Collapsed) {
  static const bool built = (BuildTreeButtonGlyphs(), true);
  (void)built;
  return Collapsed ? ButtonGlyphs().Collapsed : ButtonGlyphs().Expanded;
}
