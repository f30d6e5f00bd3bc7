// The side-bar tests' fixture: a form with side bars in the fixed-metrics test font (12 pixels,
// so a header is 20 pixels high in flat style), groups and items made in one call, image lists
// of plain coloured squares, and the layout numbers of the default side bar.
#pragma once

#include <initializer_list>

#include "controls/Menus.h"
#include "graphics/ImageList.h"
#include "sidebar/SideBarClasses.h"
#include "sidebar/dxsbar.h"
#include "sidebar/dxsbarDrag.h"
#include "support/FormFixture.h"
#include "support/GraphicsTestFont.h"

// Layout of a default (flat) side bar 101 x 300 with one open group and 32-pixel images:
// R = (1, 1, 100, 300), header 0 from y 1 to 21, items from T = 22, SpaceHeight G = 7.
namespace sbar {
inline constexpr int Width = 101, Height = 300;
inline constexpr int H = 20;           // 8 + the 12-pixel font
inline constexpr int T = 1 + H + 1;    // items area top with the first group open
inline constexpr int G = 7;
inline constexpr int LargeItem = 32 + 2 * G + G / 2 + 12;  // a large item with a one-line caption
// The image of large item I (from the top) of the open first group.
inline TRect LargeImage(int I) { return Bounds(1 + (99 - 32) / 2, T + I * LargeItem + G, 32, 32); }
inline TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
}  // namespace sbar

class TSideBarTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    RegisterSideBarClasses();
    Form->SetBounds(100, 100, 420, 360);
  }

  TdxSideBar* AddSideBar(const String& Name = "sbInfoList", int Left = 0) {
    auto* bar = new TdxSideBar(Form);
    bar->SetName(Name);
    bar->SetAlign(alNone);
    bar->SetBounds(Left, 0, sbar::Width, sbar::Height);
    bar->SetParent(Form);
    UseTestFont(bar->GroupFont());
    UseTestFont(bar->ItemFont());
    bar->ItemFont()->SetColor(clWhite);
    return bar;
  }

  TdxSideGroup* AddGroup(TdxSideBar* Bar, const String& Caption, std::initializer_list<const char*> Items = {}) {
    TdxSideGroup* group = Bar->Groups()->Add();
    group->SetCaption(Caption);
    int tag = 0;
    for (const char* caption : Items) {
      TdxSideBarItem* item = group->Items()->Add();
      item->SetCaption(caption);
      item->SetTag(tag++);
    }
    return group;
  }

  // Count squares of Size pixels, square i filled with Colors[i] on a border of Key (the list's
  // background colour when masked by it).
  TImageList* AddImages(const String& Name, int Size, std::initializer_list<TColor> Colors, TColor Key = clFuchsia) {
    auto* list = new TImageList(Form);
    list->SetName(Name);
    list->SetSize(Size, Size);
    for (TColor color : Colors) {
      TBitmap image(Size, Size);
      image.Canvas()->Brush()->SetColor(Key);
      image.Canvas()->FillRect(Rect(0, 0, Size, Size));
      image.Canvas()->Brush()->SetColor(color);
      image.Canvas()->FillRect(Rect(2, 2, Size - 2, Size - 2));
      list->AddMasked(&image, Key);
    }
    return list;
  }

  TdxSideBarItem* Item(TdxSideBar* Bar, int Group, int Index) {
    return Bar->Groups()->Items(Group)->Items()->Items(Index);
  }

  TColor Pixel(TdxSideBar* Bar, int X, int Y) { return WindowPixel(Bar->Handle(), X, Y); }
};
