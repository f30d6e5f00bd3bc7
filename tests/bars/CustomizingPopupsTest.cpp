// The menus of customising: the toolbars popup of a right click on a dock site or bar, and the
// customizing popup of a right click on a link while customising, with its entries by mode and
// style and what each does to the link.
#include "BarsTestKit.h"
#include "bars/dxBarCustPopups.h"
#include "windows/Focus.h"

namespace {

class CustomizingPopups : public TProgramBarsTest {
 protected:
  void SetUp() override {
    TProgramBarsTest::SetUp();
    BuildBars();
    ShowForm();
  }
  void TearDown() override {
    Manager->SetCustomizing(false);
    TProgramBarsTest::TearDown();
  }
  // The menu window that the last right click opened (a toolbars or a customizing popup).
  static TdxBarSubMenuControl* OpenPopup() {
    for (TCustomdxBarControl* window : LiveBarControls())
      if (auto* menu = dynamic_cast<TdxBarOwnLinksMenu*>(window)) return menu;
    return nullptr;
  }
  static std::vector<String> Captions(const TdxBarSubMenuControl* Menu) {
    std::vector<String> captions;
    for (int i = 0; i < Menu->ItemLinks()->Count(); ++i) captions.push_back(Menu->ItemLinks()->Items(i)->Item()->Caption());
    return captions;
  }
  void ClickEntry(TdxBarSubMenuControl* Menu, int Index) {
    const TRect r = Menu->GetItemRect(Menu->ItemLinks()->Items(Index)->Control());
    Click(Menu, TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    Pump();
  }
  // A right click on link Index of Bar while customising.
  TdxBarCustomizingPopup* RightClickLink(TdxBar* Bar, int Index) {
    TdxBarControl* window = Bar->Control();
    Click(window, CentreOf(Bar->ItemLinks()->Items(Index)->Control()), VK_RBUTTON);
    Pump();
    return CustomizingPopup();
  }
  void Customize() {
    Manager->SetCustomizing(true);
    CustomizingForm()->SetBounds(500, 400, CustomizingForm()->Width(), CustomizingForm()->Height());
    Pump();
  }
};

TEST_F(CustomizingPopups, TheToolbarsPopupListsTheClosableBarsAndTheCustomizeEntry) {
  Click(Toolbar->Control(), TPoint{4, 4}, VK_RBUTTON);
  Pump();
  TdxBarSubMenuControl* popup = OpenPopup();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(Captions(popup), (std::vector<String>{"Toolbars", "&Customize..."}));
  EXPECT_TRUE(static_cast<TdxBarButton*>(popup->ItemLinks()->Items(0)->Item())->Down());
  EXPECT_TRUE(popup->ItemLinks()->Items(1)->BeginGroup());
  ClickEntry(popup, 0);
  EXPECT_FALSE(Toolbar->Visible());
  // From the dock site; the customize entry starts customising.
  Click(Site(dsTop), TPoint{Site(dsTop)->Width() - 5, 3}, VK_RBUTTON);
  Pump();
  popup = OpenPopup();
  ASSERT_NE(popup, nullptr);
  EXPECT_FALSE(static_cast<TdxBarButton*>(popup->ItemLinks()->Items(0)->Item())->Down());
  ClickEntry(popup, 1);
  EXPECT_TRUE(Manager->IsCustomizing());
  EXPECT_NE(CustomizingForm(), nullptr);
}

TEST_F(CustomizingPopups, NoToolbarsPopupWithoutABarTheUserMayClose) {
  Toolbar->SetAllowClose(false);
  int shown = 0;
  Manager->OnShowToolbarsPopup = [&](TObject*, TdxBarItemLinks*) { ++shown; };
  ShowToolbarsPopup(Manager, TPoint{200, 200});
  Pump();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(OpenPopup(), nullptr);
}

struct TEntries {
  bool Designing;
  TdxBarManagerStyle Style;
  int Count;
};

TEST_F(CustomizingPopups, TheCustomizingPopupHasItsEntriesByModeAndStyle) {
  const TEntries cases[] = {{false, bmsEnhanced, 8}, {true, bmsStandard, 9}, {true, bmsEnhanced, 10}, {true, bmsFlat, 10}};
  for (const TEntries& c : cases) {
    auto* form = TCustomForm::Create<TForm>(Application);
    form->SetDesigning(c.Designing);
    auto* manager = new TdxBarManager(form);
    manager->SetStyle(c.Style);
    int shown = 0;
    manager->OnShowCustomizingPopup = [&](TObject*, TdxBarItemLinks* Links) { shown = Links->Count(); };
    auto* popup = new TdxBarCustomizingPopup(manager);
    EXPECT_EQ(popup->ItemLinks()->Count(), c.Count) << c.Designing << c.Style;
    EXPECT_EQ(shown, c.Count);
    delete popup;
    form->Free();
  }
}

TEST_F(CustomizingPopups, TheEntriesFollowTheLinkAndChangeIt) {
  Customize();
  // The first link of its bar cannot begin a group; the paint styles are a button's.
  TdxBarCustomizingPopup* popup = RightClickLink(Toolbar, 0);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(CustomizingPopupLink(), Toolbar->ItemLinks()->Items(0));
  EXPECT_EQ(Manager->SelectedItemControl(), Toolbar->ItemLinks()->Items(0)->Control());
  const std::vector<String> runTime{"&Reset", "&Delete", "&Name:", "Defa&ult style", "&Text Only (Always)",
                                    "Text &Only (in Menus)", "Image &and Text", "Begin a &Group"};
  EXPECT_EQ(Captions(popup), runTime);
  EXPECT_FALSE(popup->ItemLinks()->Items(7)->Item()->Enabled());
  EXPECT_TRUE(popup->ItemLinks()->Items(3)->Item()->Enabled());
  EXPECT_TRUE(static_cast<TdxBarButton*>(popup->ItemLinks()->Items(3)->Item())->Down());
  ClickEntry(popup, 6);  // Image and Text
  TdxBarItemLink* link = Toolbar->ItemLinks()->Items(0);
  EXPECT_EQ(link->UserPaintStyle(), psCaptionGlyph);
  EXPECT_EQ(link->PaintStyle(), psCaptionGlyph);
  EXPECT_EQ(CustomizingPopup(), nullptr);
  popup = RightClickLink(Toolbar, 0);
  EXPECT_TRUE(static_cast<TdxBarButton*>(popup->ItemLinks()->Items(6)->Item())->Down());
  ClickEntry(popup, 0);  // Reset
  EXPECT_EQ(link->UserDefine(), 0u);
  EXPECT_EQ(link->PaintStyle(), psStandard);
  // An edit's link has no paint styles: they are disabled with the default one down.
  popup = RightClickLink(Toolbar, 3);
  for (int i = 3; i <= 6; ++i) EXPECT_FALSE(popup->ItemLinks()->Items(i)->Item()->Enabled()) << i;
  EXPECT_TRUE(static_cast<TdxBarButton*>(popup->ItemLinks()->Items(3)->Item())->Down());
  EXPECT_TRUE(popup->ItemLinks()->Items(7)->Item()->Enabled());
  EXPECT_TRUE(static_cast<TdxBarButton*>(popup->ItemLinks()->Items(7)->Item())->Down());
  ClickEntry(popup, 7);  // Begin a Group off
  EXPECT_FALSE(Toolbar->ItemLinks()->Items(3)->OwnBeginGroup());
  // Delete frees the link.
  popup = RightClickLink(Toolbar, 1);
  ClickEntry(popup, 1);
  EXPECT_EQ(Toolbar->ItemLinks()->Count(), 3);
  EXPECT_EQ(CustomizingPopupLink(), nullptr);
}

// A name becomes the link's caption; a blank one closes the popup with a message and keeps it.
TEST_F(CustomizingPopups, ANameIsTheLinksCaptionAndABlankOneIsRefused) {
  Customize();
  const auto rename = [this](const String& Text) {
    TdxBarCustomizingPopup* popup = RightClickLink(Toolbar, 2);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(static_cast<TdxBarEdit*>(popup->ItemLinks()->Items(2)->Item())->Text(), Toolbar->ItemLinks()->Items(2)->Caption());
    ClickEntry(popup, 2);
    auto* edit = dynamic_cast<TdxBarWinControl*>(popup->ItemLinks()->Items(2)->Control());
    ASSERT_TRUE(edit && edit->Edit());
    edit->Edit()->SetText(Text);
    PressKey(VK_RETURN);
    Pump();
  };
  rename("Print all");
  EXPECT_EQ(Toolbar->ItemLinks()->Items(2)->Caption(), "Print all");
  rename(String());
  EXPECT_EQ(Toolbar->ItemLinks()->Items(2)->Caption(), "Print all");
  EXPECT_EQ(CustomizingPopup(), nullptr);
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "A command name cannot be blank. Please enter a name.");
  EXPECT_EQ(MessageBoxes().Shown[0].Flags, UINT(MB_OK | MB_ICONERROR));
}

TEST_F(CustomizingPopups, ThePopupLooksLikeAMenu) {
  Customize();
  TdxBarCustomizingPopup* popup = RightClickLink(Toolbar, 1);
  ASSERT_NE(popup, nullptr);
  RenderScreenToPng({Form, popup}, "customizing_popup.png");
}

}  // namespace
