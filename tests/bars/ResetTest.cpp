// Resets from the design: a form made from its stored layout, whose user changed its bars, takes
// a bar's links back (with UseFullReset the whole bar), and which links count as most recently
// used; the copy read for that leaves the user's stored layout alone.
#include "BarsTestKit.h"
#include "bars/dxBarCustForm.h"
#include "bars/dxBarCustLists.h"
#include "bars/dxBarQuickCust.h"
#include "classes/Filer.h"
#include "classes/Layouts.h"
#include "controls/ActnList.h"
#include "settings/Registry.h"

namespace {

// A form whose stored layout is the module "BarsResetTest".
class TResetForm : public TForm {
 public:
  using TForm::TForm;
  String ClassName() const override { return "TResetForm"; }
  String LayoutModule() const override { return "BarsResetTest"; }
  void ItemClick(TObject*) { ++Clicks; }
  int Clicks = 0;
};

class Reset : public TProgramBarsTest {
 protected:
  void SetUp() override {
    TProgramBarsTest::SetUp();
    RegisterClass<TResetForm, TForm>("TResetForm", [](TClassBuilder<TResetForm>& c) { c.Method("ItemClick", &TResetForm::ItemClick); });
    // The design: the program's bars, the toolbar's New bound to an action of the form and to a
    // handler, Print beginning a group.
    BuildBars();
    auto* actions = new TActionList(Form);
    actions->SetName("alMain");
    auto* print = new TAction(Form);
    print->SetName("actPrint");
    print->SetActionList(actions);
    Manager->FindItemByName("tPrint")->SetAction(print);
    String text = WriteLayout(Form);
    text.replace(0, text.find('\n'), "object ResetForm: TResetForm");
    const size_t newItem = text.find("Caption = 'New'");
    text.insert(text.find('\n', newItem) + 1, "      OnClick = ItemClick\n");
    RegisterLayout("BarsResetTest", reinterpret_cast<const unsigned char*>(text.data()), text.size());
    Form->Free();
    Form = nullptr;
    Manager = nullptr;
    Made = TCustomForm::Create<TResetForm>(Application);
    Made->Show();
    Pump();
    Bars = ManagerOfForm(Made);
    ASSERT_TRUE(Bars);
    Tools = Bars->FindBarByCaption("Toolbars");
    FileMenu = dynamic_cast<TdxBarSubItem*>(Bars->MainMenuBar()->ItemLinks()->Items(0)->Item());
  }
  void TearDown() override {
    Made->Free();
    TProgramBarsTest::TearDown();
  }
  std::vector<String> Names(const TdxBarItemLinks* Links) const {
    std::vector<String> names;
    for (int i = 0; i < Links->Count(); ++i) names.push_back(Links->Items(i)->Item()->Name());
    return names;
  }
  // The user's changes: the toolbar loses New and gets Exit with a caption of its own, Print
  // stops beginning a group, the toolbar floats, and File's menu loses Open.
  void Customize() {
    delete Tools->ItemLinks()->Items(0);
    Link(Tools->ItemLinks(), FileMenu->ItemLinks()->Items(2)->Item())->SetUserCaption("Quit");
    Tools->ItemLinks()->Items(1)->SetBeginGroup(false);
    Tools->SetDockingStyle(dsNone);
    delete FileMenu->ItemLinks()->Items(0);
    Pump();
  }
  TResetForm* Made = nullptr;
  TdxBarManager* Bars = nullptr;
  TdxBar* Tools = nullptr;
  TdxBarSubItem* FileMenu = nullptr;
};

TEST_F(Reset, TheDesignCopyHoldsTheManagerWithoutEventsOrOutsideReferences) {
  const std::unique_ptr<TCustomForm> copy = Bars->LoadDesignLayout();
  ASSERT_TRUE(copy);
  auto* design = dynamic_cast<TdxBarManager*>(copy->FindComponent("bm"));
  ASSERT_TRUE(design);
  EXPECT_EQ(design->Bars()->Count(), 2);
  EXPECT_TRUE(design->Bars()->Items(1)->OneOnRow());  // "OneOnRow" is no event binding
  EXPECT_FALSE(design->StoreInRegistry() || design->StoreInIniFile());
  EXPECT_EQ(design->FindItemByName("tPrint")->Action(), nullptr);
  EXPECT_EQ(copy->FindComponent("alMain"), nullptr);
  EXPECT_EQ(Bars->FindItemByName("tPrint")->Action()->Name(), "actPrint");
}

TEST_F(Reset, ABarTakesItsLinksAndItsSubItemsTheirsBackButKeepsItsPlace) {
  std::vector<String> events;
  Bars->OnBarBeforeReset = [&](TdxBarManager*, TdxBar* Bar) { events.push_back("before " + Bar->Caption()); };
  Bars->OnBarAfterReset = [&](TdxBarManager*, TdxBar* Bar) { events.push_back("after " + Bar->Caption()); };
  const std::vector<String> design = Names(Tools->ItemLinks());
  Customize();
  Tools->Reset();
  EXPECT_EQ(Names(Tools->ItemLinks()), design);
  EXPECT_TRUE(Tools->ItemLinks()->Items(2)->BeginGroup());
  EXPECT_EQ(Tools->ItemLinks()->Items(0)->Item()->Owner(), Made);  // the form's own items
  EXPECT_EQ(Tools->DockingStyle(), dsNone);
  EXPECT_EQ(Names(FileMenu->ItemLinks()), (std::vector<String>{"c3", "c4"}));
  // The menu bar holds File, whose menu comes back with the menu bar's reset.
  Bars->Bars()->Items(0)->Reset();
  EXPECT_EQ(Names(FileMenu->ItemLinks()), (std::vector<String>{"c2", "c3", "c4"}));
  EXPECT_EQ(events, (std::vector<String>{"before Toolbars", "after Toolbars", "before Menus", "after Menus"}));
  // A click on a reset link still runs the item the layout bound to its handler.
  Tools->ItemLinks()->Items(0)->Item()->Click();
  EXPECT_EQ(Made->Clicks, 1);
}

TEST_F(Reset, AFullResetPutsTheBarBackWhereTheDesignHasIt) {
  Bars->SetUseFullReset(true);
  Customize();
  Tools->Reset();
  EXPECT_EQ(Tools->DockingStyle(), dsTop);
  EXPECT_EQ(Tools->Row(), 1);
  EXPECT_TRUE(Tools->Visible());
  EXPECT_EQ(Tools->ItemLinks()->Count(), 4);
}

TEST_F(Reset, ABarTheDesignDoesNotHoldStaysAsItIs) {
  TdxBar* added = Bars->Bars()->Add();
  added->SetCaption("Mine");
  Link(added->ItemLinks(), Bars->FindItemByName("tNew"));
  int resets = 0;
  Bars->OnBarBeforeReset = [&](TdxBarManager*, TdxBar*) { ++resets; };
  added->Reset();
  EXPECT_EQ(added->ItemLinks()->Count(), 1);
  EXPECT_EQ(resets, 0);
}

TEST_F(Reset, TheResetAsksFirstNamingTheBar) {
  Customize();
  MessageBoxes().Answers = {IDCANCEL, IDOK};
  Tools->ConfirmReset();
  EXPECT_EQ(Tools->ItemLinks()->Count(), 4);
  EXPECT_EQ(Tools->ItemLinks()->Items(3)->Caption(), "Quit");
  Tools->ConfirmReset();
  EXPECT_EQ(Tools->ItemLinks()->Items(0)->Item()->Name(), "tNew");
  ASSERT_EQ(MessageBoxes().Shown.size(), 2u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "Are you sure you want to reset the changes made to the 'Toolbars' toolbar?");
  EXPECT_EQ(MessageBoxes().Shown[0].Flags, UINT(MB_OKCANCEL | MB_ICONWARNING));
}

TEST_F(Reset, UsageComesBackFromTheDesignAndTheUsersOwnValuesStay) {
  TdxBarItemLinks* links = FileMenu->ItemLinks();
  links->Items(2)->SetMostRecentlyUsed(false);
  links->Items(0)->SetUserCaption("Load...");
  MessageBoxes().Answers = {IDNO, IDYES};
  Bars->ConfirmResetUsageData();
  EXPECT_FALSE(links->Items(2)->MostRecentlyUsed());
  Bars->ConfirmResetUsageData();
  EXPECT_TRUE(links->Items(2)->MostRecentlyUsed());
  EXPECT_EQ(links->Items(0)->Caption(), "Load...");
  EXPECT_EQ(MessageBoxes().Shown[0].Flags, UINT(MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2));
}

TEST_F(Reset, TheDesignCopyLeavesTheUsersStoredLayoutAlone) {
  Bars->SetRegistryPath("Software\\Tolvik\\ResetBars");
  Bars->SetStoreInRegistry(true);
  Customize();
  Bars->SaveToRegistry(Bars->RegistryPath());
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("\\Software\\Tolvik\\ResetBars\\Bar1", false));
  const int stored = reg.ReadInteger("ItemLinkCount");
  Tools->Reset();
  Bars->ResetUsageData();
  ASSERT_TRUE(reg.OpenKey("\\Software\\Tolvik\\ResetBars\\Bar1", false));
  EXPECT_EQ(reg.ReadInteger("ItemLinkCount"), stored);
  EXPECT_TRUE(reg.KeyExists("\\Software\\Tolvik\\ResetBars\\Bar1\\ItemLink3"));
}

// The customising windows reach the resets: the toolbar mark's "&Reset Toolbar" at once, the
// Customize dialog's "&Reset..." for the selected toolbar and its usage reset after asking.
TEST_F(Reset, TheCustomizingWindowsResetCommandsReset) {
  const std::vector<String> design = Names(Tools->ItemLinks());
  delete Tools->ItemLinks()->Items(0);
  Pump();
  const TRect mark = Tools->Control()->MarkRect();
  Click(Tools->Control(), TPoint{(mark.Left + mark.Right) / 2, (mark.Top + mark.Bottom) / 2});
  Pump();
  ASSERT_NE(QuickControl(), nullptr);
  TdxBarItemLinks* quickLinks = QuickControl()->ItemLinks();
  Click(QuickControl(), CentreOf(quickLinks->Items(quickLinks->Count() - 1)->Control()));
  Pump();
  TdxBarItemLinks* entries = QuickControl()->AddRemoveItem()->ItemLinks();
  ASSERT_NE(entries->BarControl(), nullptr);
  TdxBarItemLink* resetEntry = entries->Items(entries->Count() - 2);
  ASSERT_EQ(resetEntry->Caption(), "&Reset Toolbar");
  Click(entries->BarControl(), CentreOf(resetEntry->Control()));
  Pump();
  EXPECT_EQ(Names(Tools->ItemLinks()), design);
  EXPECT_TRUE(MessageBoxes().Shown.empty());

  delete Tools->ItemLinks()->Items(0);
  FileMenu->ItemLinks()->Items(2)->SetMostRecentlyUsed(false);
  Bars->SetCustomizing(true);
  Pump();
  TdxBarCustomizingForm* dialog = CustomizingForm();
  ASSERT_NE(dialog, nullptr);
  dialog->BarsListBox->SetItemIndex(dialog->BarsListBox->Items()->IndexOf("Toolbars"));
  MessageBoxes().Answers = {IDOK, IDYES};
  dialog->BBarReset->Click();
  dialog->BResetUsageData->Click();
  EXPECT_EQ(Names(Tools->ItemLinks()), design);
  EXPECT_TRUE(FileMenu->ItemLinks()->Items(2)->MostRecentlyUsed());
  EXPECT_EQ(MessageBoxes().Shown.size(), 2u);
  Bars->SetCustomizing(false);
}

TEST_F(Reset, AFormWithoutAStoredLayoutHasNoDesignAndResetsNothing) {
  auto* plain = TCustomForm::Create<TForm>(Application);
  auto* manager = new TdxBarManager(plain);
  manager->SetName("bmPlain");
  TdxBar* bar = manager->Bars()->Add();
  EXPECT_EQ(manager->LoadDesignLayout(), nullptr);
  bar->Reset();
  plain->Free();
}

}  // namespace
