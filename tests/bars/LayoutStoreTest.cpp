// The bar layout store, each case on both stores (the registry and the INI file): a layout saved,
// changed and loaded again puts every bar back where it was; stored rows kept exactly; bars added
// and hidden by the store; links of items that are gone; what the standard style leaves out;
// saving twice; the own glyph the INI file cannot keep; the layout stored as the form goes and
// read when it is made.
#include <algorithm>
#include <fstream>
#include <limits>
#include <sstream>

#include "BarsTestKit.h"
#include "classes/Filer.h"
#include "settings/IniFiles.h"
#include "settings/Registry.h"
#include "support/TempDir.h"

namespace {

enum TStoreKind { skRegistry, skIniFile };

class LayoutStore : public TProgramBarsTest, public ::testing::WithParamInterface<TStoreKind> {
 protected:
  void SetUp() override {
    TProgramBarsTest::SetUp();
    Manager->SetStyle(bmsFlat);
    BuildBars();
    Extra = AddBar("Extra");
    Link(Extra->ItemLinks(), AddItem("xOne", "One"));
    Extra->SetDockingStyle(dsNone);
    Extra->SetFloatLeft(400);
    Extra->SetFloatTop(300);
    Extra->SetVisible(true);
    ShowForm();
  }
  void Save() {
    if (GetParam() == skRegistry) {
      Manager->SaveToRegistry(kPath);
    } else {
      Manager->SaveToIniFile(IniFile());
    }
  }
  void Load() {
    if (GetParam() == skRegistry) {
      Manager->LoadFromRegistry(kPath);
    } else {
      Manager->LoadFromIniFile(IniFile());
    }
    Pump();
  }
  // What the store holds, as text: every key with its values, or the INI file.
  String Dump() const {
    if (GetParam() == skIniFile) {
      std::ifstream in(IniFile());
      std::stringstream text;
      text << in.rdbuf();
      return text.str();
    }
    TRegistry reg;
    return DumpKey(reg, "\\Software\\Tolvik\\Bars");
  }
  static String DumpKey(TRegistry& Reg, const String& Key) {
    String text = "[" + Key + "]\n";
    Reg.OpenKey(Key, false);
    TStringList names, keys;
    Reg.GetValueNames(&names);
    Reg.GetKeyNames(&keys);
    for (int i = 0; i < names.Count(); ++i) {
      const String& name = names.Strings(i);
      text += name + "=" + (Reg.GetDataType(name) == rdString ? Reg.ReadString(name) : std::to_string(Reg.GetDataSize(name))) + "\n";
    }
    for (int i = 0; i < keys.Count(); ++i) text += DumpKey(Reg, Key + "\\" + keys.Strings(i));
    return text;
  }
  // Takes bar Index out of the store, as if it had never been saved.
  void ForgetBar(int Index) {
    if (GetParam() == skRegistry) {
      TRegistry reg;
      reg.DeleteKey(String(kPath) + "\\Bar" + std::to_string(Index));
    } else {
      TMemIniFile ini(IniFile());
      ini.EraseSection("Form1.bm.Bar" + std::to_string(Index));
      ini.UpdateFile();
    }
  }
  // Writes a value into the stored container Path ("" for the manager's own, "Bar0",
  // "Bar0/ItemLink3"), making the container when missing.
  template <class V>
  void Store(String Path, const String& Name, const V& Value) {
    const bool registry = GetParam() == skRegistry;
    std::replace(Path.begin(), Path.end(), '/', registry ? '\\' : '.');
    if (registry) {
      TRegistry reg;
      reg.OpenKey(Path.empty() ? String(kPath) : String(kPath) + "\\" + Path, true);
      if constexpr (std::is_same_v<V, int>) reg.WriteInteger(Name, Value);
      else reg.WriteString(Name, Value);
    } else {
      TMemIniFile ini(IniFile());
      const String section = "Form1.bm." + (Path.empty() ? String("Main") : Path);
      if constexpr (std::is_same_v<V, int>) ini.WriteInteger(section, Name, Value);
      else ini.WriteString(section, Name, Value);
      ini.UpdateFile();
    }
  }
  String IniFile() const { return Dir.File("bars.ini"); }
  static TRect WindowRect(const TdxBar* Bar) {
    TRect r;
    GetWindowRect(Bar->Control()->Handle(), r);
    return r;
  }

  static constexpr const char* kPath = "Software\\Tolvik\\Bars";
  TempDir Dir;
  TdxBar* Extra = nullptr;
};

TEST_P(LayoutStore, ALayoutSavedChangedAndLoadedPutsEveryBarBack) {
  Toolbar->ItemLinks()->Items(0)->SetUserCaption("Fresh");
  Save();
  const TRect menus = WindowRect(Menus), toolbar = WindowRect(Toolbar), extra = WindowRect(Extra);
  // The toolbar floats, Extra docks at the left and Menus is closed; a link changes.
  Toolbar->SetDockingStyle(dsNone);
  Extra->SetDockingStyle(dsLeft);
  Menus->SetVisible(false);
  Toolbar->ItemLinks()->Items(2)->SetBeginGroup(false);
  Toolbar->ItemLinks()->Items(0)->SetUserDefine(0);
  Pump();
  Load();
  ASSERT_TRUE(Menus->Visible() && Toolbar->Visible() && Extra->Visible());
  EXPECT_EQ(Menus->DockingStyle(), dsTop);
  EXPECT_EQ(Menus->Row(), 0);
  EXPECT_EQ(Toolbar->DockingStyle(), dsTop);
  EXPECT_EQ(Toolbar->Row(), 1);
  EXPECT_EQ(Extra->DockingStyle(), dsNone);
  EXPECT_EQ(WindowRect(Menus), menus);
  EXPECT_EQ(WindowRect(Toolbar), toolbar);
  EXPECT_EQ(WindowRect(Extra), extra);
  EXPECT_TRUE(Toolbar->ItemLinks()->Items(2)->BeginGroup());
  EXPECT_EQ(Toolbar->ItemLinks()->Items(0)->Caption(), "Fresh");
  EXPECT_EQ(Toolbar->ItemLinks()->Count(), 4);
  EXPECT_EQ(File->ItemLinks()->Count(), 3);
}

TEST_P(LayoutStore, ABarTheStoreHoldsIsAddedAndOneItLacksIsHidden) {
  Save();
  delete Extra;
  ForgetBar(1);
  Load();
  ASSERT_EQ(Manager->Bars()->Count(), 3);
  TdxBar* added = Manager->Bars()->Items(2);
  EXPECT_EQ(added->Caption(), "Extra");
  EXPECT_EQ(added->DockingStyle(), dsNone);
  EXPECT_EQ(added->FloatLeft(), 400);
  EXPECT_TRUE(added->Visible());
  ASSERT_EQ(added->ItemLinks()->Count(), 1);
  EXPECT_EQ(added->ItemLinks()->Items(0)->Item(), Manager->FindItemByName("xOne"));
  EXPECT_FALSE(Toolbar->Visible());
  EXPECT_TRUE(Menus->Visible());
}

// Rows before a stored row that no bar fills yet are kept (empty, taking no room), so that the
// stored row numbers stay exact.
TEST_P(LayoutStore, AStoredRowBeyondTheSitesRowsIsKeptExactly) {
  Save();
  const TRect toolbar = WindowRect(Toolbar);
  Store("Bar1", "Row", 3);
  Load();
  const TdxDockControl* top = Manager->Bars()->DockControls(dsTop);
  ASSERT_EQ(top->RowCount(), 4);
  EXPECT_EQ(top->Rows(3)->Cols(0)->BarControl(), Toolbar->Control());
  EXPECT_EQ(top->Rows(1)->ColCount(), 0);
  EXPECT_EQ(WindowRect(Toolbar), toolbar);
}

// Stored counts are bounded: counts of 2^31 - 1 read the bars and links the store holds, and
// nothing past the bound (a bar or link there would otherwise be read, bars added up to it).
TEST_P(LayoutStore, HugeStoredCountsAreBounded) {
  Save();
  const int bars = Manager->Bars()->Count(), links = Menus->ItemLinks()->Count();
  Store("", "BarCount", std::numeric_limits<int>::max());
  Store("Bar1000", "Caption", String("Far"));
  Store("Bar0", "ItemLinkCount", std::numeric_limits<int>::max());
  Store("Bar0/ItemLink1000", "ItemName", Menus->ItemLinks()->Items(0)->Item()->Name());
  Menus->SetVisible(false);
  Load();
  EXPECT_EQ(Manager->Bars()->Count(), bars);
  EXPECT_TRUE(Menus->Visible());
  EXPECT_EQ(Menus->ItemLinks()->Count(), links);
}

TEST_P(LayoutStore, LinksOfAnItemRenamedSinceAreDroppedAndTheOthersKeepTheirOrder) {
  Link(Extra->ItemLinks(), Manager->FindItemByName("tPrint"));
  Save();
  Manager->FindItemByName("tPrint")->SetName("tPrintCard");
  File->ItemLinks()->Items(1)->Item()->SetName("c3renamed");
  Load();
  std::vector<String> toolbar, file;
  for (int i = 0; i < Toolbar->ItemLinks()->Count(); ++i) toolbar.push_back(Toolbar->ItemLinks()->Items(i)->Item()->Name());
  for (int i = 0; i < File->ItemLinks()->Count(); ++i) file.push_back(File->ItemLinks()->Items(i)->Item()->Caption());
  EXPECT_EQ(toolbar, (std::vector<String>{"tNew", "tBold", "tFind"}));
  EXPECT_EQ(file, (std::vector<String>{"&Open...", "E&xit"}));
  EXPECT_EQ(Extra->ItemLinks()->Count(), 1);
}

TEST_P(LayoutStore, UsageAndMenuSettingsTravelExceptUnderTheStandardStyle) {
  Manager->SetShowFullMenusAfterDelay(false);
  Manager->SetMenuAnimations(maSlide);
  TdxBarItemLink* exit = File->ItemLinks()->Items(2);
  for (int i = 0; i < 7; ++i) exit->MarkUsed(true);
  const int uses = exit->UseCount();
  Save();
  Manager->SetShowFullMenusAfterDelay(true);
  Manager->SetMenuAnimations(maNone);
  exit->ResetUsage();
  Load();
  EXPECT_FALSE(Manager->ShowFullMenusAfterDelay());
  EXPECT_EQ(Manager->MenuAnimations(), maSlide);
  EXPECT_EQ(File->ItemLinks()->Items(2)->UseCount(), uses);
  EXPECT_EQ(File->ItemLinks()->Items(2)->RecentIndex(), 0);

  Manager->SetStyle(bmsStandard);
  Save();
  const String text = Dump();
  EXPECT_EQ(text.find("ShowFullMenusAfterDelay"), String::npos);
  EXPECT_EQ(text.find("UseCount"), String::npos);
  EXPECT_EQ(text.find("RecentIndex"), String::npos);
}

TEST_P(LayoutStore, SavingTwiceGivesTheSameStoreWithoutWhatWasRemoved) {
  Save();
  delete Extra;
  Save();
  const String once = Dump();
  Save();
  EXPECT_EQ(Dump(), once);
  EXPECT_EQ(once.find("Bar2"), String::npos);
  EXPECT_NE(once.find("Bar1"), String::npos);
}

TEST_P(LayoutStore, AnOwnGlyphTravelsOnlyThroughTheRegistry) {
  TBitmap glyph;
  glyph.SetSize(16, 16);
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(TRect{0, 0, 16, 16});
  TdxBarItemLink* link = Toolbar->ItemLinks()->Items(0);
  link->SetUserGlyph(&glyph);
  link->SetUserCaption("Own");
  Save();
  link->SetUserDefine(0);
  Load();
  link = Toolbar->ItemLinks()->Items(0);
  EXPECT_EQ(link->Caption(), "Own");
  if (GetParam() == skRegistry) {
    EXPECT_TRUE(link->UserDefine() & UserDefineBit(udGlyph));
    ASSERT_EQ(link->UserGlyph()->Width(), 16);
    EXPECT_EQ(ColorToRGB(link->UserGlyph()->Canvas()->Pixel(3, 3)), ColorToRGB(clRed));
  } else {
    // Without the glyph the link shows its item's glyph, not an empty one of its own.
    EXPECT_FALSE(link->UserDefine() & UserDefineBit(udGlyph));
    EXPECT_EQ(link->Glyph(), link->Item()->Glyph());
  }
}

TEST_P(LayoutStore, TheFormKeepsItsLayoutAsItGoesAndReadsItWhenMadeAgain) {
  Manager->SetRegistryPath(kPath);
  Manager->SetIniFileName(IniFile());
  Manager->SetStoreInRegistry(GetParam() == skRegistry);
  Manager->SetStoreInIniFile(GetParam() == skIniFile);
  const String design = WriteLayout(Form);
  Toolbar->SetDockingStyle(dsNone);
  Toolbar->SetFloatLeft(250);
  Extra->SetVisible(false);
  Pump();
  Form->Free();
  Form = nullptr;
  Manager = nullptr;
  EXPECT_NE(Dump().find("Toolbars"), String::npos);
  // The program's stored layout has the toolbar docked and Extra shown; the user's layout wins.
  auto* form = TCustomForm::Create<TForm>(Application);
  ReadLayout(design, form);
  TdxBarManager* manager = ManagerOfForm(form);
  ASSERT_TRUE(manager);
  TdxBar* toolbar = manager->FindBarByCaption("Toolbars");
  ASSERT_TRUE(toolbar);
  EXPECT_EQ(toolbar->DockingStyle(), dsNone);
  EXPECT_EQ(toolbar->FloatLeft(), 250);
  EXPECT_FALSE(manager->FindBarByCaption("Extra")->Visible());
  form->Free();
}

TEST_P(LayoutStore, AStoreThatCannotBeWrittenIsReportedAndTheFormStillGoes) {
  if (GetParam() == skRegistry) GTEST_SKIP() << "the registry file is the test's own";
  std::ofstream(Dir.File("plain")) << "a file where a folder would be";
  Manager->SetIniFileName(Dir.File("plain/bars.ini"));
  Manager->SetStoreInIniFile(true);
  EXPECT_THROW(Manager->SaveToIniFile(Manager->IniFileName()), Exception);
  Form->Free();
  Form = nullptr;
  Manager = nullptr;
  EXPECT_EQ(MessageBoxes().Shown.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Stores, LayoutStore, ::testing::Values(skRegistry, skIniFile),
                         [](const ::testing::TestParamInfo<TStoreKind>& Info) {
                           return Info.param == skRegistry ? std::string("Registry") : std::string("IniFile");
                         });

}  // namespace
