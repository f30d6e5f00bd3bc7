// The settings wrapper over INI files, in-memory INI files and the registry.
#include <gtest/gtest.h>

#include "editors/dxRegIniWrapper.h"
#include "rtl/StringList.h"
#include "settings/RegIniFile.h"
#include "support/TempDir.h"

namespace {

std::vector<String> Sections(TdxRegIniWrapper& W) {
  TStringList list;
  W.ReadSections(&list);
  std::vector<String> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list[i]);
  return names;
}

void WriteLayout(TdxRegIniWrapper& W) {
  W.WriteInteger("Band0", "Width", 120);
  W.WriteInteger("Band1", "Width", 80);
  W.WriteBool("Columns", "Sorted", true);
  W.WriteInteger("band2", "Width", 10);
}

TEST(RegIniWrapperTest, ValuesPassThroughAndMissingOnesAnswerTheDefaultOnEveryStore) {
  TempDir dir;
  TIniFile ini(dir.File("layout.ini"));
  TMemIniFile memory(dir.File("memory.ini"));
  TRegIniFile registry("Software\\Tolvik\\GridTest");
  registry.EraseSection("Band0");
  for (TCustomIniFile* store : std::initializer_list<TCustomIniFile*>{&ini, &memory, &registry}) {
    TdxRegIniWrapper w(store);
    EXPECT_EQ(w.ReadInteger("Band0", "Width", -1), -1);
    EXPECT_TRUE(w.ReadBool("Band0", "Visible", true));
    w.WriteInteger("Band0", "Width", 120);
    w.WriteBool("Band0", "Visible", false);
    EXPECT_EQ(w.ReadInteger("Band0", "Width", -1), 120);
    EXPECT_FALSE(w.ReadBool("Band0", "Visible", true));
    w.EraseSection("Band0");
    EXPECT_EQ(w.ReadInteger("Band0", "Width", -1), -1);
  }
}

TEST(RegIniWrapperTest, ErasingByPrefixTakesTheMatchingSectionsOfIniStoresOnly) {
  TempDir dir;
  TIniFile ini(dir.File("layout.ini"));
  TMemIniFile memory(dir.File("memory.ini"));
  for (TCustomIniFile* store : std::initializer_list<TCustomIniFile*>{&ini, &memory}) {
    TdxRegIniWrapper w(store);
    WriteLayout(w);
    w.EraseSectionsWithPrefix("Band");
    EXPECT_EQ(Sections(w), (std::vector<String>{"Columns", "band2"}));
  }
  TRegIniFile registry("Software\\Tolvik\\PrefixTest");
  TdxRegIniWrapper w(&registry);
  WriteLayout(w);
  w.EraseSectionsWithPrefix("Band");
  EXPECT_EQ(w.ReadInteger("Band0", "Width", -1), 120);
}

TEST(RegIniWrapperTest, BinaryDataLivesInTheRegistryOnly) {
  TRegIniFile registry("Software\\Tolvik\\BinaryTest");
  const String openKey = registry.CurrentPath();
  TdxRegIniWrapper w(&registry);
  const unsigned char filter[5] = {1, 2, 3, 4, 5};
  w.WriteBinaryData("Grid1", "Filter", filter, 5);
  EXPECT_EQ(registry.CurrentPath(), openKey);
  EXPECT_EQ(w.ReadBinaryData("Grid1", "Filter", nullptr, 0), 5) << "the size, nothing copied";
  unsigned char buffer[8] = {};
  EXPECT_EQ(w.ReadBinaryData("Grid1", "Filter", buffer, 8), 5);
  EXPECT_EQ(buffer[4], 5);
  EXPECT_EQ(w.ReadBinaryData("Grid1", "Filter", buffer, 3), 0) << "never more than the buffer";
  EXPECT_EQ(w.ReadBinaryData("Grid1", "Missing", buffer, 8), 0);
  EXPECT_EQ(w.ReadBinaryData("NoSuchKey", "Filter", buffer, 8), 0);
  EXPECT_EQ(registry.CurrentPath(), openKey);

  TempDir dir;
  TIniFile ini(dir.File("layout.ini"));
  TdxRegIniWrapper onIni(&ini);
  onIni.WriteBinaryData("Grid1", "Filter", filter, 5);
  EXPECT_EQ(onIni.ReadBinaryData("Grid1", "Filter", buffer, 8), 0);
  EXPECT_TRUE(Sections(onIni).empty());
}

}  // namespace
