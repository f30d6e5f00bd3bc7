// INI stores: TIniFile written through, TMemIniFile written on UpdateFile, TRegIniFile over the
// registry, the escaping round trip, hand-written files and clear errors for corrupt ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "rtl/StringList.h"
#include "settings/IniFiles.h"
#include "settings/RegIniFile.h"
#include "settings/SettingsTestFiles.h"

namespace {

std::vector<String> Lines(const std::function<void(TStrings*)>& fill) {
  TStringList list;
  fill(&list);
  std::vector<String> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  return lines;
}

// The layout a tree list writes, with a section whose name merely begins like another's.
const std::string kLayoutFixture =
    "[\\fmMain_dg1]\r\n"
    "ShowGrid=1\r\n"
    "HeaderPanelRowCount=-1\r\n"
    "[\\fmMain_dg1\\Columns\\dg1Column1]\r\n"
    "Width = 80\r\n"
    "Sorted=2\r\n"
    "[\\fmMain_dg10]\r\n"
    "ShowGrid=0\r\n";

class IniFilesTest : public RegistryFileTest {
 protected:
  std::string IniPath() const { return Dir.File("layout.ini"); }
};

// The same checks run over each kind of store.
std::vector<std::pair<const char*, std::function<std::unique_ptr<TCustomIniFile>(const std::string&)>>> StoreKinds() {
  return {
      {"TIniFile", [](const std::string& path) { return std::make_unique<TIniFile>(path); }},
      {"TMemIniFile", [](const std::string& path) { return std::make_unique<TMemIniFile>(path); }},
      {"TRegIniFile", [](const std::string&) { return std::make_unique<TRegIniFile>("Software\\Layouts"); }},
  };
}

TEST_F(IniFilesTest, EveryStoreReadsDefaultsWritesAndErases) {
  for (const auto& [kind, make] : StoreKinds()) {
    auto store = make(Dir.File(std::string(kind) + ".ini"));
    EXPECT_EQ(store->ReadInteger("\\fmMain_dg1", "BandRowCount", 7), 7) << kind;
    EXPECT_TRUE(store->ReadBool("\\fmMain_dg1", "ShowGrid", true)) << kind;
    EXPECT_EQ(store->ReadString("Missing", "x", "d"), "d") << kind;
    store->WriteInteger("\\fmMain_dg1", "BandRowCount", -2);
    store->WriteBool("\\fmMain_dg1", "ShowGrid", false);
    store->WriteString("\\fmMain_dg1\\Band\\Band0", "Caption", "成绩");
    store->WriteInteger("Band0", "Width", 250);
    EXPECT_EQ(store->ReadInteger("\\FMMAIN_DG1", "bandrowcount", 7), -2) << kind;
    EXPECT_FALSE(store->ReadBool("\\fmMain_dg1", "ShowGrid", true)) << kind;
    EXPECT_EQ(store->ReadString("\\fmMain_dg1", "ShowGrid", ""), "0") << kind;
    EXPECT_EQ(store->ReadString("\\fmMain_dg1\\Band\\Band0", "Caption", ""), "成绩") << kind;
    EXPECT_TRUE(store->SectionExists("Band0")) << kind;
    EXPECT_TRUE(store->ValueExists("Band0", "WIDTH")) << kind;
    EXPECT_EQ(Lines([&](TStrings* s) { store->ReadSection("\\fmMain_dg1", s); }),
              (std::vector<String>{"BandRowCount", "ShowGrid"}))
        << kind;
    EXPECT_EQ(Lines([&](TStrings* s) { store->ReadSectionValues("\\fmMain_dg1", s); }),
              (std::vector<String>{"BandRowCount=-2", "ShowGrid=0"}))
        << kind;
    store->DeleteKey("Band0", "Width");
    EXPECT_FALSE(store->ValueExists("Band0", "Width")) << kind;
    store->EraseSection("\\fmMain_dg1");
    EXPECT_FALSE(store->SectionExists("\\fmMain_dg1")) << kind;
    EXPECT_EQ(store->ReadInteger("\\fmMain_dg1", "BandRowCount", 7), 7) << kind;
    store->UpdateFile();
  }
}

// Names are found through an index: erasing earlier names must leave every later one findable,
// in any case of any alphabet, and in its place in the order.
TEST_F(IniFilesTest, EveryNameIsFoundInAnyCaseAfterEarlierOnesAreErased) {
  for (const auto& [kind, make] : StoreKinds()) {
    auto store = make(Dir.File(std::string(kind) + "-index.ini"));
    const std::vector<String> sections = {"S0", "S1", "Σχήμα", "S3", "Größe", "S5"};
    for (const String& section : sections)
      for (const char* ident : {"v0", "v1", "Ärger", "v3"}) store->WriteString(section, ident, section + ident);
    store->EraseSection("s1");
    store->EraseSection("S3");
    store->DeleteKey("größe", "V1");
    EXPECT_EQ(Lines([&](TStrings* s) { store->ReadSections(s); }), (std::vector<String>{"S0", "Σχήμα", "Größe", "S5"}))
        << kind;
    EXPECT_EQ(Lines([&](TStrings* s) { store->ReadSection("GRÖSSE", s); }), std::vector<String>()) << kind;
    EXPECT_EQ(Lines([&](TStrings* s) { store->ReadSection("GRÖßE", s); }), (std::vector<String>{"v0", "Ärger", "v3"}))
        << kind;
    EXPECT_EQ(store->ReadString("ΣΧΉΜΑ", "ärger", ""), "ΣχήμαÄrger") << kind;
    EXPECT_EQ(store->ReadString("s5", "V3", ""), "S5v3") << kind;
    EXPECT_EQ(store->ReadString("größe", "v3", ""), "Größev3") << kind;
    EXPECT_FALSE(store->SectionExists("S1")) << kind;
    store->WriteString("S1", "v0", "again");  // a name given up can be used again, at the end
    EXPECT_EQ(Lines([&](TStrings* s) { store->ReadSections(s); }).back(), "S1") << kind;
  }
}

TEST_F(IniFilesTest, IniFileWritesThroughAndMemIniFileOnUpdate) {
  TIniFile first(IniPath());
  TIniFile second(IniPath());
  first.WriteInteger("Grid", "Width", 80);
  EXPECT_EQ(second.ReadInteger("Grid", "Width", 0), 80);
  EXPECT_EQ(FileText(IniPath()), "[Grid]\nWidth=80\n");

  TMemIniFile memory(IniPath());
  memory.WriteInteger("Grid", "Width", 90);
  memory.WriteString("Other", "Name", "x");
  EXPECT_EQ(TMemIniFile(IniPath()).ReadInteger("Grid", "Width", 0), 80);
  memory.UpdateFile();
  EXPECT_EQ(TMemIniFile(IniPath()).ReadInteger("Grid", "Width", 0), 90);
  EXPECT_EQ(Lines([&](TStrings* s) { second.ReadSections(s); }), (std::vector<String>{"Grid", "Other"}));

  TMemIniFile nameless("");
  nameless.WriteString("a", "b", "c");
  EXPECT_THROW(nameless.UpdateFile(), EIniFileException);
}

TEST_F(IniFilesTest, ReadsAHandWrittenFile) {
  WriteFileText(IniPath(), "\xEF\xBB\xBF; a comment\r\n# another\r\n\r\n" + kLayoutFixture +
                               "[Misc]\n  Spaced name  =  spaced value  \nPercent=50% off\n[misc]\nLater=1\n");
  TMemIniFile ini(IniPath());
  EXPECT_EQ(Lines([&](TStrings* s) { ini.ReadSections(s); }),
            (std::vector<String>{"\\fmMain_dg1", "\\fmMain_dg1\\Columns\\dg1Column1", "\\fmMain_dg10", "Misc"}));
  EXPECT_TRUE(ini.ReadBool("\\fmMain_dg1", "ShowGrid", false));
  EXPECT_EQ(ini.ReadInteger("\\fmMain_dg1", "HeaderPanelRowCount", 0), -1);
  EXPECT_EQ(ini.ReadInteger("\\fmMain_dg1\\Columns\\dg1Column1", "Width", 0), 80);
  EXPECT_EQ(ini.ReadString("Misc", "Spaced name", ""), "spaced value");
  EXPECT_EQ(ini.ReadString("Misc", "Percent", ""), "50% off");
  EXPECT_EQ(ini.ReadString("Misc", "Later", ""), "1");  // a repeated section continues the first
}

// A name that a hand-edited file repeats, in its section or in a repeated section, reads as its
// last value; saving the file keeps the earlier lines too, until the name is deleted.
TEST_F(IniFilesTest, RepeatedSectionsKeepEveryValueThroughASave) {
  for (const char* kind : {"TIniFile", "TMemIniFile"}) {
    const std::string path = Dir.File(std::string(kind) + ".ini");
    WriteFileText(path, "[Grid]\nWidth=80\nColor=1\n[Other]\nx=1\n[grid]\nWIDTH=90\nColor=2\nColor=3\n");
    auto store = kind == std::string("TIniFile") ? std::unique_ptr<TCustomIniFile>(std::make_unique<TIniFile>(path))
                                                  : std::make_unique<TMemIniFile>(path);
    EXPECT_EQ(store->ReadInteger("Grid", "Width", 0), 90) << kind;
    EXPECT_EQ(Lines([&](TStrings* s) { store->ReadSection("Grid", s); }), (std::vector<String>{"Width", "Color"})) << kind;
    store->WriteString("Other", "x", "2");
    store->UpdateFile();
    EXPECT_EQ(FileText(path), "[Grid]\nWidth=80\nWidth=90\nColor=1\nColor=2\nColor=3\n\n[Other]\nx=2\n") << kind;
    EXPECT_EQ(TMemIniFile(path).ReadInteger("Grid", "Width", 0), 90) << kind;

    store->DeleteKey("Grid", "Color");
    store->UpdateFile();
    EXPECT_EQ(FileText(path), "[Grid]\nWidth=80\nWidth=90\n\n[Other]\nx=2\n") << kind;
  }
}

TEST_F(IniFilesTest, AnyTextRoundTripsThroughTheFile) {
  const std::vector<String> texts = {
      "", " ", "中文=值", "[section]", "a]b[", ";not a comment", "#nor this", "%", "%41", "50%",
      "line\nbreak\r\n", "\t tabbed \t", "\"quoted\"", "x\x01\x1F\x7Fy", "\xFF\xFE invalid UTF-8"};
  {
    TMemIniFile ini(IniPath());
    for (size_t i = 0; i < texts.size(); ++i) {
      ini.WriteString(texts[i], "v" + std::to_string(i), texts[i]);
      ini.WriteString("names", texts[i] + "#" + std::to_string(i), std::to_string(i));
    }
    ini.UpdateFile();
  }
  TMemIniFile back(IniPath());
  for (size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(back.ReadString(texts[i], "v" + std::to_string(i), "?"), texts[i]) << i;
    EXPECT_EQ(back.ReadString("names", texts[i] + "#" + std::to_string(i), "?"), std::to_string(i)) << i;
  }
}

TEST_F(IniFilesTest, NumbersAndBooleansReadFromText) {
  const std::vector<std::tuple<String, int, bool>> cases = {
      {"12", 12, true},          {"-3", -3, true},         {"0", 0, false},
      {"0x1F", 31, true},        {"$FF", 255, true},       {"$FFFFFFFF", -1, true},
      {"2147483647", INT32_MAX, true}, {"-2147483648", INT32_MIN, true},
      {"2147483648", 99, true},  {"abc", 99, true},        {"", 99, true},
      {"1.5", 99, true},         {"yes", 99, true},
  };
  TMemIniFile ini(IniPath());
  for (const auto& [text, number, flag] : cases) {
    ini.WriteString("s", "v", text);
    EXPECT_EQ(ini.ReadInteger("s", "v", 99), number) << text;
    EXPECT_EQ(ini.ReadBool("s", "v", true), flag) << text;
  }
}

TEST_F(IniFilesTest, CorruptFileGivesAClearErrorAndIsLeftAlone) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"[a]\nno equals sign\n", 2},
      {"x=1\n", 1},
      {"[a]\nb=1\n[unclosed\n", 3},
      {std::string("[a]\nb=\0\n", 8), 2},
  };
  for (const auto& [text, line] : cases) {
    WriteFileText(IniPath(), text);
    try {
      TMemIniFile ini(IniPath());
      ADD_FAILURE() << "no error for " << text;
    } catch (const EIniFileException& e) {
      const String expected = "设置文件“" + IniPath() + "”第 " + std::to_string(line) + " 行格式不正确：";
      EXPECT_EQ(e.Message().rfind(expected, 0), 0u) << e.Message();
    }
    TIniFile ini(IniPath());
    EXPECT_THROW(ini.ReadString("a", "b", ""), EIniFileException);
    EXPECT_THROW(ini.WriteString("a", "b", "c"), EIniFileException);
    EXPECT_EQ(FileText(IniPath()), text);
  }
}

TEST_F(IniFilesTest, RegIniFileKeepsSectionsAsSubKeysOfItsKey) {
  TRegIniFile store("Software\\Grid");
  store.WriteInteger("Columns\\Col1", "Width", 80);
  store.WriteBool("\\Software\\Grid\\Columns\\Col1", "Visible", true);
  EXPECT_EQ(Lines([&](TStrings* s) { store.ReadSections(s); }), (std::vector<String>{"Columns"}));

  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("Software\\Grid\\Columns\\Col1", false));
  EXPECT_EQ(registry.GetDataType("Width"), rdString);  // integers are kept as decimal text
  EXPECT_EQ(registry.ReadString("Width"), "80");
  EXPECT_EQ(registry.ReadString("Visible"), "1");
  registry.WriteInteger("Index", 3);  // a typed integer reads too
  registry.WriteBinaryData("Filter", "\x01\x02", 2);
  EXPECT_EQ(store.ReadInteger("Columns\\Col1", "Index", 0), 3);
  EXPECT_EQ(store.ReadString("Columns\\Col1", "Filter", "none"), "none");

  // The registry operations stay reachable beside the INI ones of the same names.
  EXPECT_TRUE(store.OpenKey("Columns\\Col1", false));
  EXPECT_EQ(store.ReadInteger("Index"), 3);
  EXPECT_TRUE(store.ValueExists("Filter"));
  store.CloseKey();
  store.EraseSection("Software\\Grid\\Columns");
  EXPECT_FALSE(registry.KeyExists("\\Software\\Grid\\Columns\\Col1"));
  EXPECT_TRUE(registry.KeyExists("\\Software\\Grid"));
}

}  // namespace
