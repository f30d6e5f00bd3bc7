// Items: the hint that follows the caption, action binding, the click path, and what an item
// tells the views of its links.
#include "BarsTestKit.h"

namespace {

using BarItem = TBarsTest;

TEST_F(BarItem, HintFollowsTheCaptionUntilGivenAShortPartOfItsOwn) {
  struct TCase {
    const char* First;
    const char* Hint;  // set after the first caption; nullptr leaves the hint that followed it
    const char* Second;
    const char* Expected;
  };
  const TCase cases[] = {
      {"&Open...", nullptr, "&Save...", "Save"},
      {"&Open", "Open|Opens a file", "&Load", "Load|Opens a file"},
      {"&Open", "Other", "&Load", "Other"},
      {"&Open", "Other|Long", "&Load", "Other|Long"},
      {"&Open", "", "打开(&O)", "打开(O)"},
  };
  int n = 0;
  for (const TCase& c : cases) {
    auto* item = AddItem("bb" + std::to_string(n++));
    item->SetCaption(c.First);
    if (c.Hint) item->SetHint(c.Hint);
    item->SetCaption(c.Second);
    EXPECT_EQ(item->Hint(), c.Expected) << c.First << " " << c.Second;
  }
  auto* fresh = AddItem("bbFresh");
  fresh->SetCaption("&Print...");
  EXPECT_EQ(fresh->Hint(), "Print");
  auto* subItem = AddItem<TdxBarSubItem>("bsFile");
  subItem->SetCaption("&File");
  EXPECT_EQ(subItem->Hint(), "");
}

class BarItemAction : public TBarsTest {
 protected:
  void SetUp() override {
    TBarsTest::SetUp();
    auto* actions = new TActionList(Form);
    actions->SetName("alMain");
    Action = new TAction(Form);
    Action->SetName("actOpen");
    Action->SetActionList(actions);
    Action->SetCaption("&Open");
    Action->SetHint("Open|Opens a file");
    Action->SetShortCut(scCtrl | 'O');
    Action->SetHelpContext(12);
    Action->SetImageIndex(3);
    Action->OnUpdate = [this](TObject*) { ++Updates; };
    Action->OnExecute = [this](TObject*) { ++Executes; };
  }
  TAction* Action = nullptr;
  int Updates = 0;
  int Executes = 0;
};

TEST_F(BarItemAction, ItemTakesAndFollowsTheActionsValues) {
  auto* item = AddItem("bbOpen");
  item->SetAction(Action);
  EXPECT_EQ(item->Caption(), "&Open");
  EXPECT_EQ(item->Hint(), "Open|Opens a file");
  EXPECT_EQ(item->ShortCut(), scCtrl | 'O');
  EXPECT_EQ(item->HelpContext(), 12);
  EXPECT_EQ(item->ImageIndex(), 3);
  Action->SetEnabled(false);
  Action->SetVisible(false);
  Action->SetCaption("&Open file");
  EXPECT_FALSE(item->Enabled());
  EXPECT_EQ(item->Visible(), ivNever);
  EXPECT_EQ(item->Caption(), "&Open file");
  Action->SetChecked(true);
  EXPECT_FALSE(item->Down());
  item->SetButtonStyle(bsChecked);
  Action->SetChecked(false);
  Action->SetChecked(true);
  EXPECT_TRUE(item->Down());
}

TEST_F(BarItemAction, SharedHandlerRunsThroughTheActionOnce) {
  auto* item = AddItem("bbOpen");
  item->SetAction(Action);
  EXPECT_TRUE(item->ActionLink()->IsOnExecuteLinked());
  item->Click();
  EXPECT_EQ(Updates, 1);
  EXPECT_EQ(Executes, 1);

  int own = 0;
  item->OnClick = [&](TObject*) { ++own; };
  item->Click();
  EXPECT_EQ(own, 1);
  EXPECT_EQ(Executes, 1);
}

TEST_F(BarItemAction, RemovingTheActionClearsItAndAClickDoesNothing) {
  Action->OnExecute = nullptr;
  auto* item = AddItem("bbOpen");
  item->SetAction(Action);
  Action->Free();
  EXPECT_EQ(item->Action(), nullptr);
  EXPECT_FALSE(item->OnClick);
  item->Click();
  EXPECT_TRUE(MessageBoxes().Shown.empty());
}

TEST_F(BarItemAction, LayoutKeepsOwnValuesAndLeavesOutTheActionsOnes) {
  auto* linked = AddItem("bbLinked");
  linked->SetAction(Action);
  auto* own = AddItem("bbOwn");
  own->SetAction(Action);
  own->SetCaption("Mine");
  const String text = WriteLayout(Form);
  const String linkedBlock = text.substr(text.find("object bbLinked"), text.find("object bbOwn") - text.find("object bbLinked"));
  EXPECT_EQ(linkedBlock.find("Caption"), String::npos) << linkedBlock;
  EXPECT_EQ(linkedBlock.find("ShortCut"), String::npos) << linkedBlock;
  EXPECT_NE(linkedBlock.find("Action = actOpen"), String::npos) << linkedBlock;

  auto* copy = TCustomForm::Create<TForm>(Application);
  ReadLayout(text, copy);
  TdxBarManager* read = ManagerOfForm(copy);
  EXPECT_EQ(read->FindItemByName("bbOwn")->Caption(), "Mine");
  EXPECT_EQ(read->FindItemByName("bbOwn")->ShortCut(), scCtrl | 'O');
  EXPECT_EQ(read->FindItemByName("bbLinked")->Caption(), "&Open");
  copy->Free();
}

TEST_F(BarItem, ClickFailureIsShownAndEndsOnlyThatClick) {
  std::vector<String> order;
  Manager->OnClickItem = [&](TObject*, TdxBarItem*) { order.push_back("manager"); };
  auto* item = AddItem("bbFail");
  item->OnClick = [&](TObject*) {
    order.push_back("item");
    throw Exception("命令失败。");
  };
  item->Click();
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "命令失败。");
  EXPECT_EQ(order, (std::vector<String>{"manager", "item"}));
  item->SetEnabled(false);
  item->Click();
  EXPECT_EQ(order.size(), 2u);
}

TEST_F(BarItem, ChangesReachTheViewsOfTheLinks) {
  auto* item = AddItem<TTestBarItem>("x", "X");
  TdxBar* bar = AddBar("Tools");
  Link(bar->ItemLinks(), item);
  TdxBarItemLink* own = Link(bar->ItemLinks(), item);
  own->SetUserCaption("Mine");
  own->SetUserPaintStyle(psCaption);
  bar->SetVisible(true);
  auto& log = TRecordingControl::Log();

  struct TCase {
    std::function<void()> Change;
    std::vector<String> Heard;
  };
  TBitmap glyph(4, 4);
  const TCase cases[] = {
      {[&] { item->SetCaption("Y"); }, {"x.caption"}},
      {[&] { item->SetEnabled(false); }, {"x.enabled", "x.enabled"}},
      {[&] { item->SetImageIndex(2); }, {"x.glyph", "x.glyph"}},
      {[&] { item->SetGlyph(&glyph); }, {"x.glyph", "x.glyph"}},
      {[&] { item->SetShortCut(scCtrl | 'Y'); }, {"x.shortcut", "x.shortcut"}},
      {[&] { item->SetPaintStyle(psCaptionGlyph); }, {"x.paintstyle"}},
      {[&] { item->SetLowered(true); }, {"x.repaint", "x.repaint"}},
      {[&] {
         item->SetButtonStyle(bsChecked);
         log.clear();
         item->SetDown(true);
       },
       {"x.down", "x.down"}},
      {[&] { item->SetVisible(ivNever); }, {"x.visible", "x.visible"}},
  };
  for (const TCase& c : cases) {
    log.clear();
    c.Change();
    EXPECT_EQ(log, c.Heard) << (c.Heard.empty() ? "" : c.Heard[0]);
  }
  EXPECT_EQ(bar->ItemLinks()->Items(0)->Control(), nullptr);
  log.clear();
  item->SetVisible(ivAlways);
  EXPECT_EQ(log, (std::vector<String>{"x.visible", "x.visible"}));
  EXPECT_TRUE(bar->ItemLinks()->Items(1)->Control());
}

// A change that the manager makes under its update lock gives the lock back when a view fails,
// so that the bars still lay out afterwards.
TEST_F(BarItem, AFailingViewLeavesTheUpdateLockAsItWas) {
  auto* item = AddItem<TTestBarItem>("x", "X");
  item->SetImageIndex(0);
  TdxBarGroup* group = Manager->AddGroup();
  group->Add(item);
  TdxBar* bar = AddBar("Tools");
  Link(bar->ItemLinks(), item);
  bar->SetVisible(true);
  auto* images = new TImageList(Form);

  struct TCase {
    const char* FailOn;
    std::function<void()> Change;
  };
  const TCase cases[] = {
      {"glyph", [&] { Manager->SetImages(images); }},
      {"enabled", [&] { group->SetEnabled(false); }},
      {"visible", [&] { item->SetVisible(ivNever); }},
  };
  for (const TCase& c : cases) {
    TRecordingControl::FailOn() = c.FailOn;
    EXPECT_THROW(c.Change(), Exception) << c.FailOn;
    EXPECT_FALSE(Manager->UpdateLocked()) << c.FailOn;
  }
}

TEST_F(BarItem, FreeingAnItemTakesItsLinksAndTellsOnDestroy) {
  auto* item = AddItem("bbGone", "Gone");
  bool told = false;
  item->OnDestroy = [&](TObject* sender) { told = sender == item && item->LinkCount() == 2; };
  TdxBar* bar = AddBar("Tools");
  auto* file = AddItem<TdxBarSubItem>("bsFile");
  Link(bar->ItemLinks(), item);
  Link(file->ItemLinks(), item);
  item->Free();
  EXPECT_TRUE(told);
  EXPECT_EQ(bar->ItemLinks()->Count(), 0);
  EXPECT_EQ(file->ItemLinks()->Count(), 0);
  EXPECT_EQ(Manager->FindItemByName("bbGone"), nullptr);
}

}  // namespace
