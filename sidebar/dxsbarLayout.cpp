// Where things lie in the side bar: the layout rectangle, header heights and stacks, the items
// area, each shown item's image, caption and frame, the scroll buttons, and hit-testing.
#include <algorithm>

#include "graphics/Gdi.h"
#include "sidebar/dxsbar_p.h"

TRect TdxSideBar::TGeometry::Header(int I) const {
  const int top = I <= A ? R.Top + I * (H + 1) : R.Bottom - (N - I) * (H + 1) - 1 + (Flat ? 1 : 0);
  return TRect{R.Left, top, R.Right, top + H};
}

int TdxSideBar::TextHeight(const TFont* Font) const {
  TCanvas& canvas = ScreenCanvas();
  canvas.SetFont(Font);
  TTextMetric metrics;
  GetTextMetrics(&canvas, metrics);
  return metrics.tmHeight;
}

TImageList* TdxSideBar::LargeImageList() const {
  if (FLargeImages) return FLargeImages;
  return FStore ? FStore->LargeImages() : nullptr;
}

TImageList* TdxSideBar::SmallImageList() const {
  if (FSmallImages) return FSmallImages;
  return FStore ? FStore->SmallImages() : nullptr;
}

TSize TdxSideBar::ImageSize(bool Large) const {
  if (const TImageList* list = Large ? LargeImageList() : SmallImageList()) return TSize{list->Width(), list->Height()};
  return Large ? TSize{32, 32} : TSize{16, 16};
}

TdxSideBar::TGeometry TdxSideBar::Geometry() const {
  RebuildVisibleGroups();
  TGeometry g;
  g.Flat = FPaintStyle == sbpsFlat;
  g.ShowGroups = FShowGroups;
  const TRect client = ClientRect();
  if (g.Flat) {
    g.R = TRect{1, FShowGroups ? 1 : 0, client.Right - 1, client.Bottom};
  } else if (!FShowGroups) {
    g.R = client;
  } else {
    const int inset = BevelWidth() + (BorderStyle() == bsSingle ? BorderWidth() : 0);
    g.R = client;
    InflateRect(g.R, -inset, -inset);
    g.R.Bottom += 2;
  }
  g.N = static_cast<int>(FVisibleGroups.size());
  const auto open = std::find(FVisibleGroups.begin(), FVisibleGroups.end(), FActiveGroup);
  g.A = open == FVisibleGroups.end() ? -1 : static_cast<int>(open - FVisibleGroups.begin());
  if (FShowGroups) g.H = (FGroupHeightOffSet ? FGroupHeightOffSet * 2 : (g.Flat ? 8 : 4)) + TextHeight(FGroupFont.get());
  g.T = FShowGroups ? g.R.Top + (g.A + 1) * (g.H + 1) : g.R.Top;
  if (!FShowGroups) {
    g.B = g.R.Bottom;
  } else if (g.A + 1 < g.N) {
    g.B = g.Header(g.A + 1).Top;
  } else {
    g.B = g.Flat ? g.R.Bottom - 1 : g.R.Bottom - FSpaceHeight;
  }
  return g;
}

// From the open group's top index on, each item below the one before, until one has no room:
// a large item needs its image to start above the items area's bottom, a small one its whole
// row. A large item whose caption runs below the area is cut and ends the list.
std::vector<TdxSideBar::TItemPlace> TdxSideBar::ItemPlaces(const TGeometry& G) const {
  std::vector<TItemPlace> places;
  if (!FActiveGroup) return places;
  const TdxSideBarItems* items = FActiveGroup->Items();
  const bool large = FActiveGroup->IconType() == dxsgLargeIcon;
  const int space = FSpaceHeight;
  const TSize image = ImageSize(large);
  const int rowHeight = std::max(TextHeight(FItemFont.get()) + 2, ImageSize(false).cy);
  TCanvas& canvas = ScreenCanvas();
  canvas.SetFont(FItemFont.get());
  int y = G.T;
  for (int i = FActiveGroup->TopIndex(); i < items->Count(); ++i) {
    TItemPlace p;
    p.Item = items->Items(i);
    p.Index = i;
    p.Y = y;
    if (y + space >= G.B) break;
    if (large) {
      p.Image = Bounds(G.R.Left + (G.R.Width() - image.cx) / 2, y + space, image.cx, image.cy);
      TRect text{G.R.Left + space, p.Image.Bottom + space / 2, G.R.Right - space, p.Image.Bottom + space / 2};
      DrawText(&canvas, p.Item->Caption(), -1, text, DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
      p.CaptionHeight = text.Height();
      const int left = G.R.Left + space, right = G.R.Right - space;
      const int width = std::min(text.Width(), right - left);
      p.CaptionBox = TRect{left + (right - left - width) / 2, text.Top, left + (right - left - width) / 2 + width, text.Bottom};
      p.CaptionRect = TRect{left, text.Top, right, std::min(text.Bottom, G.B - space)};
      p.FullyShown = text.Bottom <= G.B - space;
      p.Frame = G.ShowGroups ? p.Image : TRect{G.R.Left, y, G.R.Right, text.Bottom + space / 2 - 1};
      p.GapTop = y + space + space / 2 + p.CaptionHeight + image.cy + space / 2;
      y += image.cy + 2 * space + space / 2 + p.CaptionHeight;
    } else {
      p.Row = TRect{G.R.Left + space, y + space, G.R.Right - space, y + space + rowHeight};
      if (p.Row.Bottom > std::min(G.B, G.R.Bottom - space)) break;
      const TSize small = ImageSize(false);
      p.Image = Bounds(p.Row.Left, p.Row.Top + (rowHeight - small.cy) / 2, small.cx, small.cy);
      p.CaptionRect = TRect{G.R.Left + space + rowHeight, p.Row.Top, p.Row.Right, p.Row.Bottom};
      const int width = std::min(canvas.TextWidth(p.Item->Caption()), std::max(0, p.CaptionRect.Width()));
      const int height = TextHeight(FItemFont.get());
      const int top = p.Row.Top + (rowHeight - height) / 2;
      p.CaptionBox = TRect{p.CaptionRect.Left, top, p.CaptionRect.Left + width, top + height};
      p.FullyShown = true;
      p.Frame = G.ShowGroups ? p.Row : TRect{G.R.Left, y, G.R.Right, p.Row.Bottom + space};
      p.GapTop = y + space + space / 2 + rowHeight;
      y += 2 * space + rowHeight;
    }
    if (G.ShowGroups) InflateRect(p.Frame, 1, 1);
    p.GapHeight = space + space / 2;
    places.push_back(p);
    if (!p.FullyShown) break;
  }
  return places;
}

const TdxSideBar::TItemPlace* TdxSideBar::FindPlace(const std::vector<TItemPlace>& Places,
                                                     const TdxSideBarItem* Item) const {
  for (const TItemPlace& p : Places)
    if (p.Item == Item) return &p;
  return nullptr;
}

// A header takes the pixel row below it too, the gap to the next.
int TdxSideBar::HeaderAt(const TGeometry& G, TPoint P) const {
  if (!G.ShowGroups || G.A < 0 || P.X < G.R.Left || P.X >= G.R.Right) return -1;
  for (int i = 0; i < G.N; ++i) {
    const TRect header = G.Header(i);
    if (P.Y >= header.Top && P.Y <= header.Bottom) return i;
  }
  return -1;
}

TRect TdxSideBar::UpButtonRect(const TGeometry& G) const {
  return TRect{G.R.Right - 20, G.T + 2, G.R.Right - 4, G.T + 18};
}

TRect TdxSideBar::DownButtonRect(const TGeometry& G) const {
  const int top = G.R.Bottom - (G.N - G.A) * (G.H + 1) - 2;
  return TRect{G.R.Right - 20, top, G.R.Right - 4, top + 16};
}

TdxSideBarItem* TdxSideBar::ItemAtPos(TPoint P) {
  const TGeometry g = Geometry();
  if (!FActiveGroup || P.Y < g.T || P.Y >= g.B) return nullptr;
  const bool large = FActiveGroup->IconType() == dxsgLargeIcon;
  for (const TItemPlace& place : ItemPlaces(g)) {
    const bool hit = !g.ShowGroups ? PtInRect(place.Frame, P)
                     : large       ? PtInRect(place.Image, P) || PtInRect(place.CaptionBox, P)
                                   : PtInRect(place.Row, P);
    if (hit) return place.Item;
  }
  return nullptr;
}

TdxSideGroup* TdxSideBar::GroupAtPos(TPoint P) {
  const TGeometry g = Geometry();
  const int index = HeaderAt(g, P);
  return index >= 0 ? FVisibleGroups[index] : nullptr;
}
