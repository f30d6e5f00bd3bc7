// Check boxes, radio buttons and groups, speed-button groups, labels, the progress bar's steps,
// notebook and page control pages, the status bar, the scroll bar, the splitter and the image's
// placement of its picture.
#include "StdControlsKit.h"
#include "controls/GroupBox.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/Notebook.h"
#include "controls/PageControl.h"
#include "controls/Panel.h"
#include "controls/ProgressBar.h"
#include "controls/ScrollBar.h"
#include "controls/SpeedButton.h"
#include "controls/Splitter.h"
#include "controls/StatusBar.h"

namespace {

using ButtonsAndBars = TStdControlsTest;

TEST_F(ButtonsAndBars, CheckBoxesCycleTheirStatesAndRadioButtonsExcludeEachOther) {
  auto* exempt = Add<TCheckBox>("cbExempt", Bounds(10, 10, 100, 17));
  exempt->SetAllowGrayed(true);
  auto* boy = Add<TRadioButton>("rbBoy", Bounds(10, 40, 80, 17));
  auto* girl = Add<TRadioButton>("rbGirl", Bounds(10, 60, 80, 17));
  int clicks = 0;
  exempt->OnClick = [&](TObject*) { ++clicks; };
  ShowForm();
  std::vector<TCheckBoxState> states;
  for (int i = 0; i < 3; ++i) {
    Click(exempt, {5, 8});
    Pump();
    states.push_back(exempt->State());
  }
  EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
  PressKey(VK_SPACE);  // the check box has the focus now
  Pump();
  EXPECT_EQ(exempt->State(), cbGrayed);
  EXPECT_EQ(clicks, 4);
  boy->SetChecked(true);
  Click(girl, {5, 8});
  Pump();
  EXPECT_TRUE(girl->Checked());
  EXPECT_FALSE(boy->Checked());
  EXPECT_FALSE(boy->TabStop());  // Tab reaches a group of radio buttons at its checked one
}

TEST_F(ButtonsAndBars, ARadioGroupMakesItsButtonsFromItemsInColumns) {
  auto* group = Add<TRadioGroup>("rgSex", Bounds(10, 10, 200, 80));
  group->SetColumns(2);
  for (const char* s : {"男", "女", "免考"}) group->Items()->Add(s);
  int clicks = 0;
  group->OnClick = [&](TObject*) { ++clicks; };
  ShowForm();
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_EQ(group->Buttons(2)->Left(), group->Buttons(0)->Left() + 95);  // the third item starts column two
  Click(group->Buttons(1), {5, 5});
  Pump();
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  group->SetItemIndex(2);
  EXPECT_TRUE(group->Buttons(2)->Checked());
  EXPECT_FALSE(group->Buttons(1)->Checked());
  EXPECT_EQ(clicks, 1);  // set from code: no click
}

TEST_F(ButtonsAndBars, SpeedButtonsOfAGroupStayDownOneAtATime) {
  std::vector<TSpeedButton*> buttons;
  std::vector<int> tags;
  for (int i = 0; i < 3; ++i) {
    auto* b = new TSpeedButton(Form);
    b->SetName("sb" + std::to_string(i));
    b->SetBounds(10 + 30 * i, 10, 25, 25);
    b->SetGroupIndex(i < 2 ? 1 : 0);
    b->SetFlat(true);
    b->SetTag(i + 1);
    b->OnClick = [&](TObject* sender) { tags.push_back(static_cast<TComponent*>(sender)->Tag()); };
    b->SetParent(Form);
    buttons.push_back(b);
  }
  ShowForm();
  for (int i : {0, 1, 1, 2}) {
    Click(buttons[static_cast<size_t>(i)], {5, 5});
    Pump();
  }
  EXPECT_EQ(tags, (std::vector<int>{1, 2, 2, 3}));  // one handler acts by tag
  EXPECT_FALSE(buttons[0]->Down());
  EXPECT_TRUE(buttons[1]->Down());  // a grouped button stays down without AllowAllUp
  EXPECT_FALSE(buttons[2]->Down());
  buttons[1]->SetAllowAllUp(true);
  Click(buttons[1], {5, 5});
  Pump();
  EXPECT_FALSE(buttons[1]->Down());
}

TEST_F(ButtonsAndBars, LabelsSizeToTheirCaptionAndGiveTheFocusForTheirAccelerator) {
  auto* label = Add<TLabel>("lbName", Bounds(10, 10, 10, 10));
  auto* other = Add<TEdit>("edtOther", Bounds(100, 40, 80, 21));
  auto* edit = Add<TEdit>("edtName", Bounds(100, 10, 80, 21));
  label->SetCaption("姓名(&M)：");
  label->SetFocusControl(edit);
  EXPECT_EQ(label->Height(), 14);
  EXPECT_GT(label->Width(), 50);
  ShowForm();
  EXPECT_EQ(Form->ActiveControl(), other);
  KeyDown(VK_MENU);
  KeyDown('M', "m");
  KeyUp('M');
  KeyUp(VK_MENU);
  Pump();
  EXPECT_EQ(Form->ActiveControl(), edit);
}

TEST_F(ButtonsAndBars, StepItStopsAtMax) {
  auto* bar = Add<TProgressBar>("pbTask", Bounds(10, 10, 150, 16));
  bar->SetMax(25);
  bar->SetStep(10);
  std::vector<int> positions;
  for (int i = 0; i < 4; ++i) {
    bar->StepIt();
    positions.push_back(bar->Position());
  }
  EXPECT_EQ(positions, (std::vector<int>{10, 20, 25, 25}));
  bar->StepBy(-100);
  EXPECT_EQ(bar->Position(), 0);
  bar->SetMin(5);
  EXPECT_EQ(bar->Position(), 5);
}

TEST_F(ButtonsAndBars, NotebookAndPageControlShowOnePageAtATime) {
  auto* book = Add<TNotebook>("nbSearch", Bounds(10, 10, 150, 80));
  for (const char* name : {"班级", "学号", "年级"}) book->Pages()->Add(name);
  auto* pages = Add<TPageControl>("pcPrint", Bounds(10, 100, 250, 100));
  pages->SetStyle(tsFlatButtons);
  std::vector<TTabSheet*> sheets;
  for (const char* caption : {"年级", "项目", "性别"}) {
    auto* sheet = new TTabSheet(Form);
    sheet->SetCaption(caption);
    sheet->SetParent(pages);
    sheets.push_back(sheet);
  }
  auto* edit = Add<TEdit>("edtInside", Bounds(4, 4, 80, 21), sheets[0]);
  bool allow = true;
  int changes = 0;
  pages->OnChanging = [&](TObject*, bool& ok) { ok = allow; };
  pages->OnChange = [&](TObject*) { ++changes; };
  ShowForm();
  EXPECT_EQ(book->Pages()->Count(), 3);
  book->SetActivePage("年级");
  EXPECT_EQ(book->PageIndex(), 2);
  EXPECT_TRUE(book->Page(2)->Visible());
  EXPECT_FALSE(book->Page(0)->Visible());
  EXPECT_EQ(book->Page(2)->BoundsRect(), book->ClientRect());

  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  const TRect tab = pages->TabRect(1);
  Click(pages, {tab.Left + 3, tab.Top + 3});
  Pump();
  EXPECT_EQ(pages->ActivePageIndex(), 1);
  allow = false;
  const TRect third = pages->TabRect(2);
  Click(pages, {third.Left + 3, third.Top + 3});
  Pump();
  EXPECT_EQ(pages->ActivePageIndex(), 1);
  allow = true;
  EXPECT_FALSE(edit->CanFocus());  // its page is hidden
  pages->SetFocus();
  PressKey(VK_TAB, ssCtrl);
  Pump();
  EXPECT_EQ(pages->ActivePageIndex(), 2);
  EXPECT_EQ(changes, 2);
  book->Pages()->Delete(0);
  EXPECT_EQ(book->Pages()->Strings(0), "学号");
}

TEST_F(ButtonsAndBars, StatusBarPanelsAndTheSimplePanel) {
  auto* bar = Add<TStatusBar>("sbMain", Bounds(0, 0, 400, 19));
  for (int width : {100, 80, 50}) bar->Panels()->Add()->SetWidth(width);
  bar->Panels()->Items(1)->SetText("高二");
  ShowForm();
  EXPECT_EQ(bar->Top(), Form->ClientHeight() - 19);  // aligned to the bottom
  EXPECT_EQ(bar->PanelRect(1), (TRect{102, 2, 182, 19}));
  EXPECT_EQ(bar->PanelRect(2).Right, bar->Width());  // the last panel takes the rest
  bar->SetSimplePanel(true);
  bar->SetSimpleText("正在打印...");
  Pump();
  EXPECT_EQ(bar->SimpleText(), "正在打印...");
}

TEST_F(ButtonsAndBars, TheScrollBarMovesByItsPartsAndKeys) {
  auto* bar = Add<TScrollBar>("sbScroll", Bounds(10, 10, 150, 17));
  bar->SetMax(20);
  bar->SetLargeChange(5);
  std::vector<int> changes;
  bar->OnChange = [&](TObject*) { changes.push_back(bar->Position()); };
  ShowForm();
  Click(bar, {150 - 5, 8});          // right arrow
  Click(bar, {100, 8});              // track after the thumb
  Pump();
  bar->SetFocus();
  PressKey(VK_END);
  PressKey(VK_LEFT);
  Pump();
  EXPECT_EQ(changes, (std::vector<int>{1, 6, 20, 19}));
}

TEST_F(ButtonsAndBars, TheSplitterResizesTheControlBeforeIt) {
  auto* left = Add<TPanel>("pnLeft", Bounds(0, 0, 100, 100));
  left->SetAlign(alLeft);
  auto* splitter = Add<TSplitter>("spMain", Bounds(100, 0, 3, 100));
  splitter->SetMinSize(40);
  int moved = 0;
  splitter->OnMoved = [&](TObject*) { ++moved; };
  ShowForm();
  MouseDown(splitter, {1, 50});
  MouseMove(splitter, {31, 50});
  MouseUp(splitter, {31, 50});
  Pump();
  EXPECT_EQ(left->Width(), 130);
  EXPECT_EQ(splitter->Left(), 130);
  Advance(1000);
  MouseDown(splitter, {1, 50});
  Pump();  // the capture is taken when the press is handled
  MouseMove(splitter, {-95, 50});  // over the panel, still captured
  MouseUp(splitter, {-95, 50});
  Pump();
  EXPECT_EQ(left->Width(), 40);
  EXPECT_EQ(moved, 2);
}

TEST_F(ButtonsAndBars, TheImagePlacesItsPicture) {
  auto* image = Add<TImage>("imgPhoto", Bounds(0, 0, 100, 60));
  TBitmap picture(40, 20);
  image->Picture()->SetGraphic(&picture);
  struct TCase {
    bool Stretch, Center, Proportional;
    TRect Expected;
  };
  for (const TCase& c : {TCase{false, false, false, {0, 0, 40, 20}}, TCase{false, true, false, {30, 20, 70, 40}},
                         TCase{true, false, false, {0, 0, 100, 60}}, TCase{true, false, true, {0, 0, 100, 50}},
                         TCase{true, true, true, {0, 5, 100, 55}}}) {
    image->SetStretch(c.Stretch);
    image->SetCenter(c.Center);
    image->SetProportional(c.Proportional);
    EXPECT_EQ(image->DestRect(), c.Expected) << c.Stretch << c.Center << c.Proportional;
  }
}

}  // namespace
