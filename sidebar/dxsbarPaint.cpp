// Painting the side bar: the flat frame, the group headers in both paint styles, the open
// group's items with their images and captions, the hot and selected frames, the scroll
// buttons, the insertion mark of a drag, and the slide of the headers when another group opens.
#include <algorithm>

#include "graphics/Gdi.h"
#include "rtl/Text.h"
#include "sidebar/dxsbarDrag.h"
#include "sidebar/dxsbar_p.h"
#include "windows/Scrolling.h"
#include "windows/Timers.h"

void TdxSideBar::Paint() {
  if (FAssigning) return;
  HDC dc = Canvas()->Handle();
  RebuildVisibleGroups();
  if (!FActiveGroup || FVisibleGroups.empty()) {
    FillBackground(dc, ClientRect());
    return;
  }
  const TGeometry g = Geometry();
  const bool slide = FShowGroups && FPrevActiveIndex >= 0 && FPrevActiveIndex < g.N && FPrevActiveIndex != g.A;
  if (g.Flat) DrawFlatFrame(dc, g, slide);
  if (slide) SlideHeaders(dc, g);
  FPrevActiveIndex = -1;
  if (FShowGroups) DrawHeaders(dc, g);
  DrawItems(dc, g);
}

void TdxSideBar::DrawFlatFrame(HDC DC, const TGeometry& G, bool Sliding) {
  TRect client = ClientRect();
  DrawEdge(DC, client, BDR_SUNKENOUTER, BF_RECT);
  if (!FShowGroups) return;
  TRect area{1, G.Header(G.A).Bottom, Width() - 1, G.B};
  DrawEdge(DC, area, BDR_SUNKENINNER, Sliding ? BF_LEFT : BF_TOPLEFT);
}

void TdxSideBar::DrawHeaders(HDC DC, const TGeometry& G) {
  for (int i = 0; i < G.N; ++i) DrawHeader(DC, G, i);
  if (G.Flat) DrawFlatFrame(DC, G, false);
}

void TdxSideBar::DrawHeader(HDC DC, const TGeometry& G, int Index) {
  TRect r = G.Header(Index);
  const String caption = FVisibleGroups[Index]->Caption();
  DC->SetFont(FGroupFont.get());
  SetBkMode(DC, TRANSPARENT);
  if (!G.Flat) {
    FillRect(DC, TRect{r.Left - 1, r.Top, r.Left, r.Bottom}, CreateSolidBrush(ColorToRGB(Color())));
    FillRect(DC, TRect{r.Right, r.Top, r.Right + 1, r.Bottom}, CreateSolidBrush(ColorToRGB(Color())));
    TRect face = r;
    DrawEdge(DC, face, BDR_RAISEDINNER, BF_RECT | BF_MIDDLE | BF_ADJUST);
    // The longest beginning of the caption that fits.
    std::u32string shown = ToCodePoints(caption);
    while (!shown.empty() && DC->TextWidth(FromCodePoints(shown)) > face.Width()) shown.pop_back();
    DrawText(DC, FromCodePoints(shown), -1, face, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return;
  }
  if (Index != G.A) FillBackground(DC, TRect{r.Left, r.Top - 1, r.Right, r.Top});
  const bool down = FMouse.HotHeader == Index && FMouse.HeaderDown;
  const bool pressed = down && FMouse.HeaderPressed;
  const bool hot = FMouse.HotHeader == Index && !FMouse.HeaderDown;
  TRect face = r;
  InflateRect(face, -1, -1);
  FillRect(DC, face, CreateSolidBrush(ColorToRGB(clBtnFace)));
  TRect text = face;
  if (pressed) OffsetRect(text, 1, 1);
  DrawText(DC, caption, -1, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (pressed) {
    DrawEdge(DC, r, BDR_SUNKENINNER, BF_TOPLEFT);
    DrawEdge(DC, r, BDR_SUNKENOUTER, BF_BOTTOMRIGHT);
    DrawEdge(DC, face, BDR_SUNKENOUTER, BF_TOPLEFT);
  } else if (hot) {
    DrawEdge(DC, r, BDR_RAISEDINNER, BF_TOPLEFT);
    DrawEdge(DC, r, BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
    DrawEdge(DC, face, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
  } else {
    DrawEdge(DC, r, BDR_RAISEDINNER, BF_RECT);
  }
}

void TdxSideBar::DrawItems(HDC DC, const TGeometry& G) {
  FillBackground(DC, G.ItemsArea());
  const std::vector<TItemPlace> places = ItemPlaces(G);
  TdxSideBarItems* items = FActiveGroup->Items();
  for (int i = 0; i < items->Count(); ++i) items->Items(i)->ClearLayoutFlags();
  for (const TItemPlace& place : places) {
    place.Item->FCaptionHeight = place.CaptionHeight;
    place.Item->FFullyShown = place.FullyShown;
    place.Item->FCut = !place.FullyShown;
    DrawItem(DC, G, place);
  }
  if (const TItemPlace* hot = FindPlace(places, FMouse.HotItem); hot && FMouse.HotItem != FMouse.SelectedItem && FMouse.HotItem->Enabled())
    DrawItemFrame(DC, *hot, FMouse.HotPressed);
  if (const TItemPlace* selected = FindPlace(places, FMouse.SelectedItem); selected && FMouse.SelectedItem->Enabled())
    DrawItemFrame(DC, *selected, true);
  UpdateScrollButtons(G, places);
  DrawScrollButtons(DC, G);
  DrawInsertMark(DC, G);
}

void TdxSideBar::DrawItem(HDC DC, const TGeometry& G, const TItemPlace& Place) {
  DrawItemImage(DC, G, Place);
  if (Place.Item == FEditItem) return;
  const bool large = FActiveGroup->IconType() == dxsgLargeIcon;
  const unsigned format = large ? DT_CENTER | DT_WORDBREAK | DT_NOPREFIX
                                : DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
  DC->SetFont(FItemFont.get());
  SetBkMode(DC, TRANSPARENT);
  const String caption = Place.Item->Caption();
  TRect r = Place.CaptionRect;
  if (!Place.Item->Enabled()) {
    // Engraved: a highlight copy one pixel down and right under the shadow-coloured text.
    TRect raised = r;
    OffsetRect(raised, 1, 1);
    SetTextColor(DC, ColorToRGB(clBtnHighlight));
    DrawText(DC, caption, -1, raised, format);
    SetTextColor(DC, ColorToRGB(clBtnShadow));
  }
  DrawText(DC, caption, -1, r, format);
}

// Without TransparentImages the image goes through the private list first, masked there by the
// source list's background colour, so that pixels of that colour are not drawn.
void TdxSideBar::DrawItemImage(HDC DC, const TGeometry& G, const TItemPlace& Place) {
  const bool large = FActiveGroup->IconType() == dxsgLargeIcon;
  TImageList* list = large ? LargeImageList() : SmallImageList();
  if (!list) return;
  int index = large ? Place.Item->LargeImage() : Place.Item->SmallImage();
  if ((index < 0 || index >= list->Count()) && FStore)
    index = large ? FStore->DefaultLargeImage() : FStore->DefaultSmallImage();
  if (index < 0 || index >= list->Count()) return;
  const int saved = SaveDC(DC);
  IntersectClipRect(DC, Place.Image.Left, Place.Image.Top, Place.Image.Right, std::min(Place.Image.Bottom, G.B));
  if (FTransparentImages) {
    list->Draw(DC, Place.Image.Left, Place.Image.Top, index, TDrawingStyle::dsTransparent, TImageType::itImage, true);
  } else {
    FPrivateImages->SetSize(list->Width(), list->Height());
    FPrivateImages->Clear();
    TBitmap image;
    const TColor key = list->BkColor();
    image.Canvas()->Brush()->SetColor(key == clNone ? clWhite : key);
    list->GetBitmap(index, &image);
    if (key == clNone) {
      TBitmap mask;
      list->GetMask(index, &mask);
      FPrivateImages->Add(&image, &mask);
    } else {
      FPrivateImages->AddMasked(&image, key);
    }
    FPrivateImages->Draw(DC, Place.Image.Left, Place.Image.Top, 0);
  }
  RestoreDC(DC, saved);
}

void TdxSideBar::DrawItemFrame(HDC DC, const TItemPlace& Place, bool Sunken) {
  TRect r = Place.Frame;
  TRect inner = r;
  InflateRect(inner, -1, -1);
  if (Sunken) {
    DrawEdge(DC, r, BDR_SUNKENINNER, BF_BOTTOMRIGHT);
    DrawEdge(DC, inner, BDR_SUNKENINNER, BF_TOPLEFT);
  } else {
    DrawEdge(DC, r, BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
    DrawEdge(DC, r, BDR_RAISEDINNER, BF_TOPLEFT);
  }
}

void TdxSideBar::UpdateScrollButtons(const TGeometry& G, const std::vector<TItemPlace>& Places) {
  const int count = FActiveGroup ? FActiveGroup->Items()->Count() : 0;
  const int top = FActiveGroup ? FActiveGroup->TopIndex() : 0;
  const bool allShown = !Places.empty() && Places.back().Index == count - 1 && Places.back().FullyShown;
  FScroll.UpShown = top > 0;
  FScroll.DownShown = count > 0 && !allShown && top != count - 1 && G.A >= 0;
  if (!FScroll.UpShown) FScroll.UpPressed = false;
  if (!FScroll.DownShown) FScroll.DownPressed = false;
}

void TdxSideBar::DrawScrollButtons(HDC DC, const TGeometry& G) {
  const bool dragging = TdxSideBarDragObject::Current() != nullptr;
  TRect up = UpButtonRect(G);
  if (FScroll.UpShown && G.B > up.Bottom)
    DrawFrameControl(DC, up, DFC_SCROLL, DFCS_SCROLLUP | (FScroll.UpPressed && !dragging ? DFCS_PUSHED : 0u));
  TRect down = DownButtonRect(G);
  if (FScroll.DownShown && (!FShowGroups || G.Header(G.A).Bottom < down.Top))
    DrawFrameControl(DC, down, DFC_SCROLL, DFCS_SCROLLDOWN | (FScroll.DownPressed && !dragging ? DFCS_PUSHED : 0u));
}

// A black line across the items area in the middle of the gap, with a filled triangle at each
// end pointing inwards.
void TdxSideBar::DrawInsertMark(HDC DC, const TGeometry& G) {
  if (!FDropMark.Item) return;
  const int y = InsertMarkY(G);
  if (y < 0) return;
  const int left = G.R.Left + (G.Flat ? 1 : 0), right = G.R.Right - (G.Flat ? 1 : 0);
  DC->Pen()->SetColor(clBlack);
  DC->Brush()->SetColor(clBlack);
  DC->MoveTo(left, y);
  DC->LineTo(right, y);
  DC->Polygon({{left, y - 3}, {left, y + 3}, {left + 3, y}});
  DC->Polygon({{right - 1, y - 3}, {right - 1, y + 3}, {right - 4, y}});
}

// The headers between the old and the new open group travel to their new places: the strip
// they cross scrolls a pixel at first and then by two pixels more each time 50 ms have passed,
// and what it uncovers takes the background.
void TdxSideBar::SlideHeaders(HDC DC, const TGeometry& G) {
  const int from = FPrevActiveIndex, to = G.A;
  TGeometry old = G;
  old.A = from;
  const int first = std::min(from, to) + 1, last = std::max(from, to);
  const int distance = std::abs(G.Header(first).Top - old.Header(first).Top);
  const bool up = to > from;  // headers move up from the lower stack
  TRect strip{G.R.Left, up ? G.Header(first).Top : old.Header(first).Top, G.R.Right,
              up ? old.Header(last).Bottom + 1 : G.Header(last).Bottom + 1};
  if (distance <= 0 || !HandleAllocated()) return;
  int done = 0, step = 1;
  DWORD grown = GetTickCount();
  while (done < distance) {
    const int move = std::min(step, distance - done);
    ScrollWindowEx(Handle(), 0, up ? -move : move, &strip, &strip, nullptr, nullptr, 0);
    FillBackground(DC, up ? TRect{strip.Left, strip.Bottom - move, strip.Right, strip.Bottom}
                          : TRect{strip.Left, strip.Top, strip.Right, strip.Top + move});
    done += move;
    if (GetTickCount() - grown > 50) {
      step += 2;
      grown = GetTickCount();
    }
  }
}

// Middle of the gap after the mark's item, or just below the open group's header for the place
// before the first item; -1 when that item does not show.
int TdxSideBar::InsertMarkY(const TGeometry& G) const {
  if (!FDropMark.After) return G.T + 3;
  const std::vector<TItemPlace> places = ItemPlaces(G);
  const TItemPlace* place = FindPlace(places, FDropMark.Item);
  return place ? place->GapTop + place->GapHeight / 2 : -1;
}

// --- partial repaints --------------------------------------------------------------------

void TdxSideBar::InvalidateItem(TdxSideBarItem* Item) {
  if (!HandleAllocated() || !Item || Item->Group() != FActiveGroup) return;
  const TGeometry g = Geometry();
  const std::vector<TItemPlace> places = ItemPlaces(g);
  const TItemPlace* place = FindPlace(places, Item);
  if (!place) return;
  TRect r = place->Frame;
  InflateRect(r, 1, 1);
  InvalidateRect(Handle(), &r, false);
  if (!FShowGroups) InvalidateRect(Handle(), &place->CaptionRect, false);
}

void TdxSideBar::InvalidateHeader(int Index) {
  if (!HandleAllocated()) return;
  const TGeometry g = Geometry();
  if (Index < 0 || Index >= g.N) return;
  TRect r = g.Header(Index);
  InflateRect(r, 0, 1);
  InvalidateRect(Handle(), &r, false);
}

void TdxSideBar::InvalidateScrollButtons() {
  if (!HandleAllocated()) return;
  const TGeometry g = Geometry();
  const TRect up = UpButtonRect(g), down = DownButtonRect(g);
  InvalidateRect(Handle(), &up, false);
  InvalidateRect(Handle(), &down, false);
}

void TdxSideBar::InvalidateInsertMark() {
  if (!HandleAllocated() || !FDropMark.Item) return;
  const TGeometry g = Geometry();
  const int y = InsertMarkY(g);
  if (y < 0) return;
  const TRect strip{g.R.Left, y - 3, g.R.Right, y + 4};
  InvalidateRect(Handle(), &strip, false);
}
