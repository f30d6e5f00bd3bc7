// What the side bar paints and how it answers the mouse: the program's own configuration (one
// group, four large items, a vertical gradient) drawn and clicked, header heights, default image
// sizes, the gradient bands, hot, pressed and selected frames, flat and standard headers, the
// scroll buttons with their repeat, the item hint and the caption editor's end.
#include "SideBarKit.h"

#include "controls/Edit.h"
#include "controls/HintWindow.h"
#include "graphics/Gdi.h"

namespace {

constexpr TColor GradientEnd = static_cast<TColor>(RGB(66, 207, 219));

class SideBarPaint : public TSideBarTest {
 protected:
  // The program's side bar: large icons with captions in the program's font, on a gradient from
  // clGrayText to a light blue, selectable, scrolling every 300 ms.
  TdxSideBar* ProgramSideBar() {
    auto* images = new TImageList(Form);
    images->SetName("ilLarge");
    images->SetSize(32, 32);
    for (TColor color : {clTeal, clNavy, clMaroon, clOlive}) {
      TBitmap icon(32, 32);
      TCanvas* c = icon.Canvas();
      c->Brush()->SetColor(clFuchsia);
      c->FillRect(Rect(0, 0, 32, 32));
      c->Brush()->SetColor(color);
      c->Pen()->SetColor(clBlack);
      c->Ellipse(2, 2, 30, 30);
      c->Brush()->SetColor(clWhite);
      c->Rectangle(10, 9, 22, 23);
      images->AddMasked(&icon, clFuchsia);
    }
    auto* bar = new TdxSideBar(Form);
    bar->SetName("sbInfoList");
    bar->SetParent(Form);
    bar->SetWidth(101);
    bar->BkGround()->SetFillStyle(bfsVert);
    bar->BkGround()->SetEndColor(GradientEnd);
    bar->SetCanSelected(true);
    bar->SetLargeImages(images);
    TdxSideGroup* group = AddGroup(bar, "信息栏目", {"学生资料", "教师资料", "达标标准", "考核标准"});
    for (int i = 0; i < 4; ++i) group->Items()->Items(i)->SetLargeImage(i);
    return bar;
  }
};

TEST_F(SideBarPaint, TheProgramsSideBarPaintsItsGradientHeaderAndItemsAndReportsTheClickedItem) {
  TdxSideBar* bar = ProgramSideBar();
  ShowForm();
  EXPECT_EQ(bar->Align(), alLeft);
  EXPECT_EQ(bar->Height(), Form->ClientHeight());
  RenderWindowToPng(Form->Handle(), "sidebar_program.png");

  // The header: a button face from (1, 1) across R, its caption centred on it.
  EXPECT_EQ(Pixel(bar, 50, 4), ColorToRGB(clBtnFace));
  const TRecordedPaint paint = RecordPaint(bar);
  const TMetafileTextRun* header = paint.FindText("信息栏目");
  ASSERT_NE(header, nullptr);
  EXPECT_NEAR((header->Bounds.Left + header->Bounds.Right) / 2, 50, 1);
  // Four captions one below the other, centred under their images.
  int lastTop = header->Bounds.Top;
  for (const char* caption : {"学生资料", "教师资料", "达标标准", "考核标准"}) {
    const TMetafileTextRun* run = paint.FindText(caption);
    ASSERT_NE(run, nullptr) << caption;
    EXPECT_GT(run->Bounds.Top, lastTop);
    EXPECT_NEAR((run->Bounds.Left + run->Bounds.Right) / 2, 50, 1) << caption;
    lastTop = run->Bounds.Top;
  }
  // The gradient runs left to right from clGrayText (128, 128, 128) over the 101 pixels: the
  // band from x 2 is 2/101 of the way, the band from x 96 is 96/101 of it.
  EXPECT_EQ(Pixel(bar, 2, bar->ClientHeight() - 5), RGB(127, 130, 130));
  EXPECT_EQ(Pixel(bar, 97, bar->ClientHeight() - 5), RGB(69, 203, 214));

  std::vector<std::pair<int, String>> clicks;
  bar->OnItemClick = [&clicks](TObject*, TdxSideBarItem* item) { clicks.emplace_back(item->Tag(), item->Caption()); };
  TdxSideBarItem* third = Item(bar, 0, 2);
  TPoint at;
  for (int y = 30; y < bar->ClientHeight() && bar->ItemAtPos(at = TPoint{50, y}) != third; ++y) {}
  at.Y += 10;
  ASSERT_EQ(bar->ItemAtPos(at), third);
  Click(bar, at);
  Pump();
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], (std::pair<int, String>{2, "达标标准"}));
  EXPECT_EQ(bar->SelectedItem(), third);
  RenderWindowToPng(Form->Handle(), "sidebar_program_selected.png");
}

// Headers are the group font's height plus 8 (flat) or 4 (standard), or twice GroupHeightOffSet.
TEST_F(SideBarPaint, HeaderHeightsFollowTheStyleAndTheOffset) {
  struct TCase {
    TdxsbPaintStyle Style;
    int Offset;
    int Height;
  };
  for (const TCase& c : {TCase{sbpsFlat, 0, 20}, TCase{sbpsStandard, 0, 16}, TCase{sbpsFlat, 3, 18},
                         TCase{sbpsStandard, 9, 30}}) {
    TdxSideBar* bar = AddSideBar("sb" + std::to_string(c.Style) + std::to_string(c.Offset));
    bar->SetPaintStyle(c.Style);
    bar->SetGroupHeightOffSet(c.Offset);
    AddGroup(bar, "一", {"项目"});
    // R's top is 1 in both styles: the flat frame, or the bevel width. A header owns the row below it.
    EXPECT_NE(bar->GroupAtPos({50, 1 + c.Height}), nullptr) << c.Style << "/" << c.Offset;
    EXPECT_EQ(bar->GroupAtPos({50, 1 + c.Height + 1}), nullptr) << c.Style << "/" << c.Offset;
    bar->Free();
  }
}

// Without image lists a large item's image is 32 pixels high and a small row 16.
TEST_F(SideBarPaint, ItemsWithoutImageListsKeepTheDefaultImageSizes) {
  TdxSideBar* bar = AddSideBar();
  TdxSideGroup* group = AddGroup(bar, "一", {"甲", "乙"});
  const TRect image = sbar::LargeImage(0);
  EXPECT_EQ(bar->ItemAtPos({50, image.Top}), Item(bar, 0, 0));
  EXPECT_EQ(bar->ItemAtPos({50, image.Bottom - 1}), Item(bar, 0, 0));
  EXPECT_EQ(bar->ItemAtPos({50, image.Bottom}), nullptr);  // the gap before the caption
  EXPECT_EQ(bar->ItemAtPos(sbar::Centre(sbar::LargeImage(1))), Item(bar, 0, 1));

  group->SetIconType(dxsgSmallIcon);
  // Rows of max(12 + 2, 16) pixels, 2 G apart, from R.left + G.
  const int row0 = sbar::T + sbar::G, row1 = row0 + 16 + 2 * sbar::G;
  EXPECT_EQ(bar->ItemAtPos({9, row0}), Item(bar, 0, 0));
  EXPECT_EQ(bar->ItemAtPos({9, row0 + 15}), Item(bar, 0, 0));
  EXPECT_EQ(bar->ItemAtPos({9, row0 + 16}), nullptr);
  EXPECT_EQ(bar->ItemAtPos({90, row1}), Item(bar, 0, 1));
}

TEST_F(SideBarPaint, TheGradientPaintsBandsAlignedToTheClientOriginAndEqualColoursPaintPlainly) {
  TdxSideBar* bar = AddSideBar();
  bar->SetColor(clBlue);
  bar->BkGround()->SetFillStyle(bfsVert);
  bar->BkGround()->SetBeginColor(clBlack);
  bar->BkGround()->SetEndColor(static_cast<TColor>(RGB(202, 101, 0)));
  AddGroup(bar, "一");
  ShowForm();
  // Band i covers x from 2i to 2i + 1 and has begin + 2i (end - begin) / ClientWidth.
  EXPECT_EQ(Pixel(bar, 50, 200), RGB(100, 50, 0));
  EXPECT_EQ(Pixel(bar, 51, 200), RGB(100, 50, 0));
  EXPECT_EQ(Pixel(bar, 52, 200), RGB(104, 52, 0));
  EXPECT_EQ(Pixel(bar, 11, 200), RGB(20, 10, 0));
  // A repaint of a strip starting on an odd column matches what was there.
  const TRect strip{51, 100, 60, 110};
  InvalidateRect(bar->Handle(), &strip, false);
  Pump();
  EXPECT_EQ(Pixel(bar, 51, 105), RGB(100, 50, 0));

  bar->BkGround()->SetFillStyle(bfsHorz);  // bands top to bottom over the client height
  Pump();
  EXPECT_EQ(Pixel(bar, 50, 150), RGB(101, 51, 0));
  bar->BkGround()->SetEndColor(clBlack);
  Pump();
  EXPECT_EQ(Pixel(bar, 50, 150), ColorToRGB(clBlue));
}

TEST_F(SideBarPaint, TheHotItemIsFramedRaisedPressedSunkenAndFollowsTheMouse) {
  TdxSideBar* bar = AddSideBar();
  AddGroup(bar, "一", {"甲", "乙"});
  ShowForm();
  int changes = 0;
  bar->OnChangeFocusedItem = [&changes](TObject*) { ++changes; };
  const TRect image = sbar::LargeImage(0);
  TRect frame = image;
  InflateRect(frame, 1, 1);
  MouseMove(bar, sbar::Centre(image));
  Pump();
  EXPECT_EQ(bar->FocusedItem(), Item(bar, 0, 0));
  EXPECT_EQ(changes, 1);
  // Raised: highlight on the top and left, dark shadow on the bottom and right.
  EXPECT_EQ(Pixel(bar, frame.Left, frame.Top + 5), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Pixel(bar, frame.Right - 1, frame.Top + 5), ColorToRGB(cl3DDkShadow));
  MouseDown(bar, sbar::Centre(image));
  Pump();
  // Pressed: dark shadow one pixel inside on the top and left, 3-D light outside on the bottom and right.
  EXPECT_EQ(Pixel(bar, frame.Left + 1, frame.Top + 5), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Pixel(bar, frame.Right - 1, frame.Top + 5), ColorToRGB(cl3DLight));
  MouseUp(bar, sbar::Centre(image));
  MouseMove(bar, sbar::Centre(sbar::LargeImage(1)));
  Pump();
  EXPECT_EQ(bar->FocusedItem(), Item(bar, 0, 1));
  EXPECT_EQ(Pixel(bar, frame.Left, frame.Top + 5), ColorToRGB(clGrayText));  // the old frame is gone
  MouseMove(bar, {50, 290});
  Pump();
  EXPECT_EQ(bar->FocusedItem(), nullptr);

  // Leaving the side bar clears the hot item and tells OnMouseLeave.
  std::vector<String> events;
  bar->OnMouseEnter = [&events](TObject*) { events.push_back("enter"); };
  bar->OnMouseLeave = [&events](TObject*) { events.push_back("leave"); };
  MouseMove(bar, sbar::Centre(sbar::LargeImage(0)));
  Pump();
  MouseMove(bar, {200, 100});
  Pump();
  EXPECT_EQ(bar->FocusedItem(), nullptr);
  EXPECT_EQ(events, (std::vector<String>{"leave"}));
  MouseMove(bar, {50, 290});
  Pump();
  EXPECT_EQ(events.back(), "enter");
}

TEST_F(SideBarPaint, AFlatHeaderShowsPressedWhileTheMouseIsOnItAndOpensItsGroupOnRelease) {
  TdxSideBar* bar = AddSideBar();
  AddGroup(bar, "一", {"甲"});
  AddGroup(bar, "二", {"乙"});
  ShowForm();
  // The second header sits at the bottom: from R.bottom - (H + 1) to R.bottom - 1.
  const TPoint second{50, sbar::Height - sbar::H / 2};
  ASSERT_EQ(bar->GroupAtPos(second), bar->Groups()->Items(1));
  // The header's bottom-right pixel: dark shadow when hot, highlight when pressed, shadow otherwise.
  const int right = 99, bottom = sbar::Height - 2;
  EXPECT_EQ(Pixel(bar, right, bottom), ColorToRGB(clBtnShadow));
  MouseMove(bar, second);
  Pump();
  EXPECT_EQ(Pixel(bar, right, bottom), ColorToRGB(cl3DDkShadow));
  SendMessage(bar->Handle(), WM_SETCURSOR, bar->Handle().AsWParam(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), Screen->Cursors(crdxSideBarGroup));
  MouseDown(bar, second);
  Pump();
  EXPECT_EQ(Pixel(bar, right, bottom), ColorToRGB(clBtnHighlight));
  MouseMove(bar, {50, 100});
  Pump();
  EXPECT_EQ(Pixel(bar, right, bottom), ColorToRGB(clBtnShadow));  // off it: not pressed
  MouseUp(bar, {50, 100});
  Pump();
  EXPECT_EQ(bar->ActiveGroupIndex(), 0);  // released elsewhere: nothing opens

  MouseDown(bar, second);
  MouseUp(bar, second);
  Pump();
  EXPECT_EQ(bar->ActiveGroupIndex(), 1);
  // After the slide the second header stands below the first and its item below it.
  EXPECT_EQ(bar->GroupAtPos({50, 1 + sbar::H + 1 + 5}), bar->Groups()->Items(1));
  EXPECT_EQ(Pixel(bar, 10, 1 + sbar::H + 1 + 5), ColorToRGB(clBtnFace));
  const TRect image = Bounds(34, 1 + 2 * (sbar::H + 1) + sbar::G, 32, 32);
  EXPECT_EQ(bar->ItemAtPos(sbar::Centre(image)), Item(bar, 1, 0));
  RenderWindowToPng(Form->Handle(), "sidebar_second_group.png");
}

TEST_F(SideBarPaint, AStandardHeaderOpensItsGroupAtThePress) {
  TdxSideBar* bar = AddSideBar();
  bar->SetPaintStyle(sbpsStandard);
  AddGroup(bar, "一");
  AddGroup(bar, "二");
  ShowForm();
  TdxSideGroup* second = bar->Groups()->Items(1);
  TPoint at{50, sbar::Height - 5};
  ASSERT_EQ(bar->GroupAtPos(at), second);
  MouseDown(bar, at);
  Pump();
  EXPECT_EQ(bar->ActiveGroup(), second);
  MouseUp(bar, at);
  EXPECT_EQ(Pixel(bar, 0, 10), ColorToRGB(clGrayText));  // the strip beside the header
}

// The down button shows when an item has no room; held, it scrolls once at once and then every
// ScrollDelay until released or until it is no longer shown.
TEST_F(SideBarPaint, AHeldScrollButtonRepeatsEveryScrollDelayUntilReleasedOrGone) {
  TdxSideBar* bar = AddSideBar();
  bar->SetHeight(140);
  TdxSideGroup* group = AddGroup(bar, "一", {"甲", "乙", "丙", "丁"});
  ShowForm();
  // At 140 pixels the second item's caption (from 125 to 137) runs below the area's bottom - G
  // (132): the item is cut off and the down button shows.
  EXPECT_TRUE(Item(bar, 0, 1)->Cut());
  EXPECT_TRUE(bar->DownButtonShown());
  bar->SetHeight(150);
  Pump();
  // Items of 61 pixels from y 22: the third would start its image at 151, below the area's bottom 149.
  EXPECT_TRUE(Item(bar, 0, 1)->FullyShown());
  EXPECT_FALSE(Item(bar, 0, 2)->FullyShown() || Item(bar, 0, 2)->Cut());
  EXPECT_FALSE(bar->UpButtonShown());
  ASSERT_TRUE(bar->DownButtonShown());
  // The down button: 16 x 16, 4 pixels from R's right, its top at R.bottom - (N - A)(H + 1) - 2.
  const TRect down = Bounds(80, 150 - (sbar::H + 1) - 2, 16, 16);
  EXPECT_EQ(Pixel(bar, down.Left + 2, down.Top + 2), ColorToRGB(clBtnFace));
  const TPoint press = sbar::Centre(down);
  MouseDown(bar, press);
  Pump();
  EXPECT_EQ(group->TopIndex(), 1);
  Advance(299);
  EXPECT_EQ(group->TopIndex(), 1);
  Advance(1);
  EXPECT_EQ(group->TopIndex(), 2);
  EXPECT_FALSE(bar->DownButtonShown());  // the last two items show whole
  Advance(900);
  EXPECT_EQ(group->TopIndex(), 2);
  MouseUp(bar, press);
  Pump();
  EXPECT_TRUE(bar->UpButtonShown());

  const TPoint up = sbar::Centre(Bounds(80, sbar::T + 2, 16, 16));
  MouseDown(bar, up);
  MouseUp(bar, up);
  Pump();
  EXPECT_EQ(group->TopIndex(), 1);
  Advance(1000);
  EXPECT_EQ(group->TopIndex(), 1);  // released: no repeat
}

TEST_F(SideBarPaint, TheItemHintShowsItsShortPartBelowTheCaptionForAtMostThreeSeconds) {
  TdxSideBar* bar = AddSideBar();
  AddGroup(bar, "一", {"甲"});
  Item(bar, 0, 0)->SetHint("学生资料|查看本班的学生资料");
  ShowForm();
  MouseMove(bar, sbar::Centre(sbar::LargeImage(0)));
  Pump();
  ASSERT_TRUE(bar->HintShowing());
  EXPECT_EQ(bar->Hint(), "查看本班的学生资料");
  EXPECT_FALSE(bar->ShowHint());
  THintWindow* hint = nullptr;
  for (int i = 0; i < bar->ComponentCount(); ++i)
    if (auto* h = dynamic_cast<THintWindow*>(bar->Components(i))) hint = h;
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->Caption(), "学生资料");
  const TPoint captionBottom = bar->ClientToScreen({0, sbar::LargeImage(0).Bottom + sbar::G / 2 + 12});
  EXPECT_EQ(hint->Top(), captionBottom.Y + 2);
  EXPECT_NEAR(hint->Left() + hint->Width() / 2, bar->ClientToScreen({50, 0}).X, 1);
  Advance(2999);
  EXPECT_TRUE(bar->HintShowing());
  Advance(1);
  EXPECT_FALSE(bar->HintShowing());
  EXPECT_EQ(bar->Hint(), "");
  EXPECT_TRUE(bar->ShowHint());

  // A key or a press takes it away at once.
  MouseMove(bar, {50, 290});
  Pump();
  MouseMove(bar, sbar::Centre(sbar::LargeImage(0)));
  Pump();
  ASSERT_TRUE(bar->HintShowing());
  SendMessage(bar->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_FALSE(bar->HintShowing());
}

TEST_F(SideBarPaint, AnAcceptedCaptionEditRenamesAndAnEmptyOrCancelledOneDoesNot) {
  TdxSideBar* bar = AddSideBar();
  TdxSideGroup* group = AddGroup(bar, "一", {"甲", "乙"});
  int after = 0;
  bar->OnAfterEdit = [&after](TObject*) { ++after; };
  auto edit = [&](TdxSideBarItem* item, const String& text) {
    auto* editor = new TEdit(Form);
    editor->SetText(text);
    bar->BeginCaptionEdit(group, item, editor);
    return editor;
  };
  edit(Item(bar, 0, 0), "学生");
  bar->EndEdit(true);
  EXPECT_EQ(Item(bar, 0, 0)->Caption(), "学生");
  edit(Item(bar, 0, 0), "");
  bar->EndEdit(true);
  EXPECT_EQ(Item(bar, 0, 0)->Caption(), "学生");
  edit(nullptr, "信息");
  bar->EndEdit(true);
  EXPECT_EQ(group->Caption(), "信息");
  EXPECT_EQ(after, 3);
  // Deleting the edited item ends the edit without taking its text.
  edit(Item(bar, 0, 1), "新");
  delete Item(bar, 0, 1);
  EXPECT_FALSE(bar->Editing());
  EXPECT_EQ(after, 4);
  EXPECT_EQ(Form->ComponentCount(), 1);  // every editor freed
}

TEST_F(SideBarPaint, ARightPressChoosesTheStoredItemsTheItemOrTheGroupPopupMenu) {
  TdxSideBar* bar = AddSideBar();
  auto* store = new TdxSideBarStore(Form);
  bar->SetStore(store);
  auto* stored = new TdxStoredSideItem(Form);
  stored->SetStore(store);
  auto* storedMenu = new TPopupMenu(Form);
  auto* itemMenu = new TPopupMenu(Form);
  auto* groupMenu = new TPopupMenu(Form);
  for (TPopupMenu* menu : {storedMenu, itemMenu, groupMenu}) menu->SetAutoPopup(false);
  stored->SetPopupMenu(storedMenu);
  bar->SetItemPopupMenu(itemMenu);
  bar->SetGroupPopupMenu(groupMenu);
  AddGroup(bar, "一", {"甲"})->Items()->Add()->SetStoredItem(stored);
  ShowForm();
  struct TCase {
    TPoint At;
    TPopupMenu* Menu;
  };
  for (const TCase& c : {TCase{sbar::Centre(sbar::LargeImage(1)), storedMenu},
                         TCase{sbar::Centre(sbar::LargeImage(0)), itemMenu}, TCase{{50, 280}, groupMenu}}) {
    MouseDown(bar, c.At, VK_RBUTTON);
    Pump();
    EXPECT_EQ(bar->PopupMenu(), c.Menu);
    MouseUp(bar, c.At, VK_RBUTTON);
    Pump();
  }
  storedMenu->Free();
  itemMenu->Free();
  EXPECT_EQ(bar->ItemPopupMenu(), nullptr);
}

TEST_F(SideBarPaint, CaptionsAreCutToFitEngravedWhenDisabledAndLeftOutWhileEdited) {
  TdxSideBar* bar = AddSideBar();
  bar->SetPaintStyle(sbpsStandard);
  AddGroup(bar, "一二三四五六七八九十", {"甲", "乙", "丙"});
  Item(bar, 0, 1)->SetEnabled(false);
  bar->BeginCaptionEdit(nullptr, Item(bar, 0, 2), new TEdit(Form));
  const TRecordedPaint paint = RecordPaint(bar);
  // The standard header shows the longest beginning that fits its 97-pixel face: 8 characters.
  EXPECT_NE(paint.FindText("一二三四五六七八"), nullptr);
  EXPECT_EQ(paint.FindText("一二三四五六七八九"), nullptr);
  std::vector<TMetafileTextRun> disabled;
  for (const TMetafileTextRun& run : paint.Texts)
    if (run.Text == "乙") disabled.push_back(run);
  ASSERT_EQ(disabled.size(), 2u);  // a highlight copy one pixel down and right, then the text
  EXPECT_EQ(disabled[0].Bounds.Left, disabled[1].Bounds.Left + 1);
  EXPECT_EQ(disabled[0].Bounds.Top, disabled[1].Bounds.Top + 1);
  EXPECT_EQ(paint.FindText("丙"), nullptr);
  bar->EndEdit(false);
  EXPECT_NE(RecordPaint(bar).FindText("丙"), nullptr);
}

// Without TransparentImages the pixels of the list's background colour are not drawn.
TEST_F(SideBarPaint, ImagesDrawWithoutTheirListsBackgroundColour) {
  TdxSideBar* bar = AddSideBar();
  TImageList* images = AddImages("ilLarge", 32, {clRed});
  images->SetBkColor(clFuchsia);
  bar->SetLargeImages(images);
  AddGroup(bar, "一", {"甲"});
  Item(bar, 0, 0)->SetLargeImage(0);
  ShowForm();
  const TRect image = sbar::LargeImage(0);
  EXPECT_EQ(Pixel(bar, image.Left + 5, image.Top + 5), ColorToRGB(clRed));
  EXPECT_EQ(Pixel(bar, image.Left, image.Top), ColorToRGB(clGrayText));
  bar->SetTransparentImages(true);
  Pump();
  EXPECT_EQ(Pixel(bar, image.Left + 5, image.Top + 5), ColorToRGB(clRed));
  EXPECT_EQ(Pixel(bar, image.Left, image.Top), ColorToRGB(clGrayText));
}

}  // namespace
