// The bar manager: creation rules, derived metrics, settings, fonts, look-ups, events, the update
// lock, and the manager in stored layouts.
#include "BarsTestKit.h"
#include "bars/dxBarDock.h"
#include "graphics/Metrics.h"
#include "graphics/SystemFonts.h"

namespace {

using BarManager = TBarsTest;

TEST_F(BarManager, OwnerMustBeAFormWithoutAManager) {
  const int managers = dxBarManagerList().Count();
  const int components = Form->ComponentCount();
  auto expectRefused = [&](TComponent* owner, int textId) {
    try {
      new TdxBarManager(owner);
      ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), dxBarLoadStr(textId));
    }
  };
  expectRefused(Form, sdxBarSingleManager);
  EXPECT_EQ(dxBarManagerList().Count(), managers);
  EXPECT_EQ(Form->ComponentCount(), components);
  TTestBox* box = AddBox("box");
  expectRefused(box, sdxBarManagerOwner);
  expectRefused(nullptr, sdxBarManagerOwner);
  EXPECT_EQ(dxBarLoadStr(sdxBarManagerOwner), "TdxBarManager should have as its Owner - TForm (TCustomForm)");
  EXPECT_EQ(dxBarLoadStr(sdxBarSingleManager), "A Form should contain only a single TdxBarManager");
  EXPECT_EQ(dxBarManagerList().Count(), managers);
  EXPECT_EQ(ManagerOfForm(Form), Manager);
  EXPECT_EQ(ManagerOfForm(nullptr), nullptr);
}

TEST_F(BarManager, MetricsFollowStyleIconsAndArrowWidth) {
  struct TCase {
    TdxBarManagerStyle Style;
    bool LargeIcons;
    int GripOffset, GripSize, SeparatorInset, ImageSize, ButtonSize, ArrowWidth;
  };
  const TCase cases[] = {
      {bmsStandard, false, 2, 9, 2, 16, 23, 9}, {bmsEnhanced, false, 1, 6, 12, 16, 23, 9},
      {bmsFlat, false, 1, 6, 8, 16, 23, 8},     {bmsEnhanced, true, 1, 6, 12, 32, 39, 19},
      {bmsFlat, true, 1, 6, 8, 32, 39, 18},
  };
  EXPECT_EQ(Manager->Style(), bmsEnhanced);
  for (const TCase& c : cases) {
    Manager->SetStyle(c.Style);
    Manager->SetLargeIcons(c.LargeIcons);
    EXPECT_EQ(Manager->GripOffset(), c.GripOffset) << c.Style;
    EXPECT_EQ(Manager->GripSize(), c.GripSize) << c.Style;
    EXPECT_EQ(Manager->SeparatorInset(), c.SeparatorInset) << c.Style;
    EXPECT_EQ(Manager->ImageSize(), c.ImageSize) << c.Style;
    EXPECT_EQ(Manager->ButtonSize(), c.ButtonSize) << c.Style;
    EXPECT_EQ(Manager->ImageFrameSize(), c.ImageSize + 6) << c.Style;
    EXPECT_EQ(Manager->ArrowWidth(), c.ArrowWidth) << c.Style << c.LargeIcons;
  }
  Manager->SetStyle(bmsEnhanced);
  Manager->SetLargeIcons(false);
  Manager->SetButtonArrowWidth(1);
  EXPECT_EQ(Manager->ButtonArrowWidth(), 9);
  Manager->SetButtonArrowWidth(10);
  EXPECT_EQ(Manager->ArrowWidth(), 11);
  Manager->SetLargeButtonArrowWidth(0);
  EXPECT_EQ(Manager->LargeButtonArrowWidth(), 14);
  Manager->SetWaitForDockingTime(-5);
  EXPECT_EQ(Manager->WaitForDockingTime(), 21);
  EXPECT_EQ(Manager->FrameWidth(), GetSystemMetrics(SM_CXFRAME));
  Manager->SetStyle(bmsFlat);
  EXPECT_EQ(Manager->FrameWidth(), 3);
}

TEST_F(BarManager, UsageThresholdFromMostRecentItemsPercents) {
  for (const auto& [percents, stored, threshold] :
       {std::tuple{150, 100, 0}, std::tuple{0, 0, 1}, std::tuple{95, 95, 20}, std::tuple{50, 50, 2},
        std::tuple{99, 99, 100}}) {
    Manager->SetMostRecentItemsPercents(percents);
    EXPECT_EQ(Manager->MostRecentItemsPercents(), stored);
    EXPECT_EQ(Manager->UsageThreshold(), threshold) << percents;
  }
}

TEST_F(BarManager, DockColorIsStoredOnlyOnceItIsTheManagersOwn) {
  Form->SetColor(clTeal);
  EXPECT_EQ(Manager->DockColor(), clTeal);
  EXPECT_EQ(WriteLayout(Form).find("DockColor"), String::npos);
  Manager->SetDockColor(clRed);
  EXPECT_FALSE(Manager->AutoDockColor());
  const String text = WriteLayout(Form);
  EXPECT_NE(text.find("AutoDockColor = False"), String::npos);
  EXPECT_NE(text.find("DockColor = clRed"), String::npos);
  TdxDockControl* top = Manager->Bars()->DockControls(dsTop);
  ASSERT_TRUE(top);
  EXPECT_FALSE(top->ParentColor());
  EXPECT_EQ(top->Color(), clRed);
  Manager->SetAutoDockColor(true);
  EXPECT_TRUE(top->ParentColor());
}

TEST_F(BarManager, MainDockSitesLineTheFormAndGoWithTheManager) {
  const int controls = Form->ControlCount();
  EXPECT_EQ(Manager->DockControlCount(), 4);
  for (auto [side, align] : {std::pair{dsLeft, alLeft}, std::pair{dsTop, alTop}, std::pair{dsRight, alRight},
                             std::pair{dsBottom, alBottom}}) {
    TdxDockControl* site = Manager->Bars()->DockControls(side);
    ASSERT_TRUE(site);
    EXPECT_EQ(site->Parent(), Form);
    EXPECT_EQ(site->Align(), align);
    EXPECT_EQ(site->DockingStyle(), side);
    EXPECT_TRUE(Manager->Bars()->IsMainDockControl(site));
  }
  Manager->Free();
  EXPECT_EQ(Form->ControlCount(), controls - 4);
}

TEST_F(BarManager, RenamingAtDesignTimeCarriesTheItemNames) {
  Manager->Free();
  Form->SetDesigning(true);
  Manager = new TdxBarManager(Form);
  Manager->SetName("bm");
  for (const char* name : {"bmOpen", "BMSave", "bm1", "Open"}) AddItem(name);
  auto* plain = new TdxBarButton(Form);
  plain->SetName("bmx");
  Manager->SetName("bmMain");
  for (const char* name : {"bmMainOpen", "bmMainSave", "bmMain1", "Open", "bmMainx"})
    EXPECT_TRUE(Form->FindComponent(name)) << name;
  Form->SetDesigning(false);
}

TEST_F(BarManager, RenamingAtRunTimeLeavesTheItems) {
  AddItem("bmOpen");
  Manager->SetName("bmMain");
  EXPECT_TRUE(Form->FindComponent("bmOpen"));
}

TEST_F(BarManager, DockingIsRefusedByTheBarTheSiteOrTheManager) {
  TdxBar* bar = AddBar("Tools");
  auto* placed = new TdxDockControl(Form);
  placed->SetParent(Form);
  placed->SetBarManager(Manager);
  TdxDockControl* top = Manager->Bars()->DockControls(dsTop);
  EXPECT_TRUE(Manager->CanDocking(bar, dsTop, top));
  Manager->SetNotDocking(DockingStyleBit(dsTop));
  EXPECT_FALSE(Manager->CanDocking(bar, dsTop, top));
  EXPECT_FALSE(Manager->CanDocking(bar, dsTop, nullptr));
  EXPECT_TRUE(Manager->CanDocking(bar, dsTop, placed));
  placed->SetAllowDocking(false);
  EXPECT_FALSE(Manager->CanDocking(bar, dsTop, placed));
  bar->SetNotDocking(DockingStyleBit(dsLeft));
  EXPECT_FALSE(Manager->CanDocking(bar, dsLeft, nullptr));
  Manager->OnDocking = [](TdxBar*, TdxBarDockingStyle Style, TdxDockControl*, bool& CanDocking) {
    CanDocking = Style == dsLeft;
  };
  EXPECT_TRUE(Manager->CanDocking(bar, dsLeft, nullptr));
  EXPECT_FALSE(Manager->CanDocking(bar, dsBottom, nullptr));
  placed->Free();
  EXPECT_EQ(Manager->DockControlCount(), 4);
}

TEST_F(BarManager, FontFollowsTheSystemMenuFontAndKeepsItsHeightWhileScaled) {
  TSystemFonts fonts = DefaultSystemFonts();
  fonts.Menu.Height = -15;
  fonts.Menu.FaceName = "Tahoma";
  TSystemFontsOverride menuFont(fonts);
  TdxBar* shared = AddBar("Shared");
  TdxBar* own = AddBar("Own");
  own->Font()->SetName("Arial");
  EXPECT_TRUE(own->UseOwnFont());

  Manager->SetUseSystemFont(true);
  EXPECT_EQ(Manager->Font()->Name(), "Tahoma");
  EXPECT_EQ(Manager->Font()->Height(), -15);
  EXPECT_EQ(shared->Font()->Name(), "Tahoma");
  EXPECT_FALSE(shared->UseOwnFont());
  EXPECT_EQ(own->Font()->Name(), "Arial");

  Manager->Font()->SetName("宋体");
  Manager->Font()->SetHeight(-20);
  EXPECT_FALSE(Manager->UseSystemFont());
  EXPECT_EQ(Manager->Font()->Height(), -15);
  EXPECT_EQ(shared->Font()->Name(), "宋体");
  EXPECT_EQ(Manager->FontHandle()->LogFont.FaceName, "宋体");

  Manager->SetScaled(false);
  Manager->Font()->SetHeight(-20);
  EXPECT_EQ(Manager->Font()->Height(), -20);
  Manager->SetScaled(true);
  EXPECT_EQ(Manager->Font()->Height(), -15);
  own->SetUseOwnFont(false);
  EXPECT_EQ(own->Font()->Name(), "宋体");
}

TEST_F(BarManager, LookUpsAndItemOrder) {
  Manager->Categories()->Add("File");
  Manager->Categories()->Add("Hidden");
  Manager->Categories()->Add("Edit");
  Manager->SetCategoryVisible(2, false);
  auto* open = AddItem("bbOpen", "&Open", 1);
  auto* save = AddItem("bbSave", "&Save", 1);
  auto* copy = AddItem("bbCopy", "&Copy", 3);
  copy->SetVisible(ivNever);
  TdxBar* tools = AddBar("Tools");
  EXPECT_EQ(tools->Name(), "Tools");
  EXPECT_EQ(Manager->FindItemByName("BBSAVE"), save);
  EXPECT_EQ(Manager->FindItemByName("nothing"), nullptr);
  EXPECT_EQ(Manager->FindBarByCaption("Tools"), tools);
  EXPECT_EQ(Manager->FindBarByCaption("tools"), nullptr);
  EXPECT_EQ(Manager->FindBarByName("Tools"), tools);

  std::vector<TdxBarItem*> items;
  Manager->GetItemsOfCategory(1, items);
  EXPECT_EQ(items, (std::vector<TdxBarItem*>{open, save}));
  Manager->GetItemsOfCategory(9, items);
  EXPECT_TRUE(items.empty());
  Manager->GetVisibleItemsOfCategory(3, items);
  EXPECT_TRUE(items.empty());
  EXPECT_EQ(Manager->VisibleCategoryIndex(2), 3);
  EXPECT_EQ(Manager->VisibleCategoryIndex(3), -1);

  Manager->MoveItem(0, 2);
  EXPECT_EQ(Manager->Items(2), open);
  Manager->ExchangeItems(0, 1);
  EXPECT_EQ(Manager->Items(0), copy);
  Manager->MoveItem(0, 7);
  EXPECT_EQ(Manager->Items(0), copy);
}

TEST_F(BarManager, EventsReportBarsLinksAndClicks) {
  std::vector<String> events;
  Manager->OnBarAdd = [&](TdxBarManager*, TdxBar* bar) { events.push_back("add " + bar->Caption()); };
  Manager->OnBarDelete = [&](TdxBarManager*, TdxBar* bar) { events.push_back("delete " + bar->Caption()); };
  Manager->OnBarVisibleChange = [&](TdxBarManager*, TdxBar* bar) { events.push_back("visible " + bar->Caption()); };
  Manager->OnItemLinkAdd = [&](TObject*, TdxBarItemLink*) { events.push_back("link add"); };
  Manager->OnItemLinkDelete = [&](TObject*, TdxBarItemLink*) { events.push_back("link delete"); };
  Manager->OnClickItem = [&](TObject*, TdxBarItem* item) { events.push_back("click " + item->Name()); };
  auto* open = AddItem("bbOpen", "&Open");
  open->OnClick = [&](TObject*) { events.push_back("open"); };
  TdxBar* bar = AddBar("");
  Link(bar->ItemLinks(), open);
  bar->SetVisible(true);
  open->Click();
  open->Free();
  delete bar;
  EXPECT_EQ(events, (std::vector<String>{"add ", "link add", "visible ", "click bbOpen", "open", "link delete",
                                          "delete ", "visible "}));
}

TEST_F(BarManager, UpdateLockReachesEveryBar) {
  TdxBar* bar = AddBar("Tools");
  bar->SetVisible(true);
  Manager->SetUpdateLocked(true);
  EXPECT_TRUE(bar->Locked());
  EXPECT_TRUE(bar->Control()->Locked());
  TdxBar* added = AddBar("Later");
  Manager->SetUpdateLocked(false);
  EXPECT_FALSE(bar->Control()->Locked());
  EXPECT_FALSE(added->Locked());
}

TEST_F(BarManager, CustomizingShowsCustomizingItemsAndEnablesCategorisedOnes) {
  auto* hidden = AddItem("bbHidden", "Hidden");
  hidden->SetVisible(ivInCustomizing);
  auto* disabled = AddItem("bbDisabled", "Disabled");
  disabled->SetEnabled(false);
  auto* loose = AddItem("bbLoose", "Loose", -1);
  loose->SetEnabled(false);
  TdxBar* bar = AddBar("Tools");
  Link(bar->ItemLinks(), hidden);
  bar->SetVisible(true);
  EXPECT_EQ(bar->ItemLinks()->VisibleItemCount(), 0);
  EXPECT_FALSE(disabled->Enabled());
  Manager->SetCustomizing(true);
  EXPECT_EQ(dxBarManagerList().FindCustomizingManager(), Manager);
  EXPECT_EQ(bar->ItemLinks()->VisibleItemCount(), 1);
  EXPECT_TRUE(bar->ItemLinks()->Items(0)->Control());
  EXPECT_TRUE(disabled->Enabled());
  EXPECT_FALSE(loose->Enabled());
  Manager->SetCustomizing(false);
  EXPECT_EQ(bar->ItemLinks()->VisibleItemCount(), 0);
  EXPECT_FALSE(disabled->Enabled());
  EXPECT_EQ(dxBarManagerList().FindCustomizingManager(), nullptr);
}

// A manager with categories, groups, bars, items of several kinds and a popup menu, written to a
// layout and read into a new form, comes back the same.
TEST_F(BarManager, LayoutRoundTripKeepsTheWholeModel) {
  Manager->SetStyle(bmsFlat);
  Manager->Categories()->Add("File");
  Manager->SetCategoryVisible(0, false);
  auto* open = AddItem("bbOpen", "&Open", 1);
  open->SetShortCut(scCtrl | 'O');
  auto* save = AddItem("bbSave", "&Save", 1);
  auto* file = AddItem<TdxBarSubItem>("bsFile", "&File", 1);
  auto* width = AddItem<TdxBarEdit>("edWidth", "Width", 1);
  width->SetWidth(150);
  auto* combo = AddItem<TdxBarCombo>("cbSize", "Size", 1);
  combo->Items()->SetText("small\nlarge\n");
  Link(file->ItemLinks(), open);
  TdxBarItemLink* hiddenLink = Link(file->ItemLinks(), save, true);
  hiddenLink->SetVisible(false);
  hiddenLink->SetUserCaption("Save now");
  TdxBar* menus = AddBar("Menus");
  menus->SetIsMainMenu(true);
  Link(menus->ItemLinks(), file);
  TdxBar* tools = AddBar("Toolbars");
  Link(tools->ItemLinks(), width)->SetUserWidth(200);
  Link(tools->ItemLinks(), combo);
  tools->SetDockingStyle(dsTop);
  tools->SetVisible(true);
  TdxBarGroup* group = Manager->AddGroup();
  group->SetName("grFile");
  group->Add(open);
  group->Add(save);
  auto* popup = new TdxBarPopupMenu(Form);
  popup->SetName("popFile");
  Link(popup->ItemLinks(), save);
  const int topHeight = Manager->Bars()->DockControls(dsTop)->Height();
  ASSERT_GT(topHeight, 0);
  const String text = WriteLayout(Form);

  auto* copy = TCustomForm::Create<TForm>(Application);
  ReadLayout(text, copy);
  TdxBarManager* read = ManagerOfForm(copy);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Style(), bmsFlat);
  EXPECT_EQ(read->Categories()->Text(), "Default\r\nFile\r\n");
  EXPECT_FALSE(read->CategoryVisible(0));
  ASSERT_EQ(read->Bars()->Count(), 2);
  EXPECT_TRUE(read->Bars()->Items(0)->IsMainMenu());
  EXPECT_EQ(read->MainMenuBar(), read->Bars()->Items(0));
  TdxBar* readTools = read->Bars()->Items(1);
  EXPECT_TRUE(readTools->Visible());
  EXPECT_TRUE(readTools->Control());
  EXPECT_EQ(readTools->ItemLinks()->Items(0)->Width(), 200);
  auto* readFile = dynamic_cast<TdxBarSubItem*>(read->FindItemByName("bsFile"));
  ASSERT_TRUE(readFile);
  ASSERT_EQ(readFile->ItemLinks()->Count(), 2);
  EXPECT_FALSE(readFile->ItemLinks()->Items(1)->Visible());
  EXPECT_EQ(readFile->ItemLinks()->VisibleItemCount(), 1);
  EXPECT_EQ(readFile->ItemLinks()->Items(1)->Caption(), "Save now");
  EXPECT_EQ(read->FindItemByName("bbOpen")->ShortCut(), scCtrl | 'O');
  ASSERT_EQ(read->GroupCount(), 1);
  EXPECT_EQ(read->Groups(0)->Count(), 2);
  ASSERT_EQ(read->PopupMenuCount(), 1);
  EXPECT_EQ(read->PopupMenus(0)->ItemLinks()->Items(0)->Item(), read->FindItemByName("bbSave"));
  EXPECT_EQ(read->Bars()->DockControls(dsTop)->Height(), topHeight);
  EXPECT_EQ(dynamic_cast<TdxBarCombo*>(read->FindItemByName("cbSize"))->Items()->Count(), 2);
  EXPECT_TRUE(read->CanReset());
  EXPECT_FALSE(Manager->CanReset());

  String again = WriteLayout(copy);
  again.replace(again.find("Form1_1"), 7, "Form1");
  EXPECT_EQ(again, text);
  copy->Free();
}

}  // namespace
