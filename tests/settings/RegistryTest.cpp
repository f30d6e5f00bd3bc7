// The registry: values of every type kept across a reopen, missing keys told from missing values,
// paths, enumeration and deletion, and clear errors for a corrupt or unwritable file.
#include <gtest/gtest.h>

#include <filesystem>

#include "rtl/StringList.h"
#include "settings/Registry.h"
#include "settings/SettingsTestFiles.h"

namespace {

using RegistryTest = RegistryFileTest;

std::vector<String> Names(const std::function<void(TStrings*)>& fill) {
  TStringList list;
  fill(&list);
  std::vector<String> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list[i]);
  return names;
}

// A key path Depth levels deep: "k\k\...\k".
std::string DeepKey(size_t Depth) {
  std::string path = "k";
  for (size_t i = 1; i < Depth; ++i) path += "\\k";
  return path;
}

const std::vector<String> kAwkwardTexts = {
    "",
    "C:\\体育\\Data\\quorin.db",
    "a=b [c] ;d #e",
    "line one\r\nline two\n",
    "\"quoted\" 'single'",
    "  padded\t",
    "50% %41 %",
    "tab\there\x01\x7F",
    "1;A;001;F001|2;B;002;F002",
};

TEST_F(RegistryTest, KeepsEveryValueAcrossAReopen) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += char(b);
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("Software\\Tolvik\\键 [1]=%", true));
    for (size_t i = 0; i < kAwkwardTexts.size(); ++i) registry.WriteString("s" + std::to_string(i), kAwkwardTexts[i]);
    registry.WriteString("名=称 [x]", "值");
    registry.WriteInteger("min", INT32_MIN);
    registry.WriteInteger("max", INT32_MAX);
    registry.WriteBool("yes", true);
    registry.WriteBinaryData("bytes", bytes.data(), int(bytes.size()));
    registry.WriteBinaryData("empty", nullptr, 0);
    ASSERT_TRUE(registry.CreateKey("\\Software\\Empty\\Leaf"));
  }
  ReopenFromDisk();

  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\Software\\Tolvik\\键 [1]=%", false));
  for (size_t i = 0; i < kAwkwardTexts.size(); ++i)
    EXPECT_EQ(registry.ReadString("s" + std::to_string(i)), kAwkwardTexts[i]) << i;
  EXPECT_EQ(registry.ReadString("名=称 [x]"), "值");
  EXPECT_EQ(registry.ReadInteger("min"), INT32_MIN);
  EXPECT_EQ(registry.ReadInteger("max"), INT32_MAX);
  EXPECT_TRUE(registry.ReadBool("yes"));
  std::string read(256, '\0');
  EXPECT_EQ(registry.ReadBinaryData("bytes", read.data(), 256), 256);
  EXPECT_EQ(read, bytes);
  EXPECT_EQ(registry.GetDataType("empty"), rdBinary);
  EXPECT_EQ(registry.GetDataSize("empty"), 0);
  EXPECT_TRUE(registry.KeyExists("\\Software\\Empty\\Leaf"));
  EXPECT_EQ(Names([&](TStrings* s) { registry.GetValueNames(s); }).size(), kAwkwardTexts.size() + 6);
}

TEST_F(RegistryTest, ABatchWritesItsChangesOnceOnCommitOrDropsThem) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\Software\\Tolvik", true));
  registry.WriteInteger("kept", 1);
  ReopenFromDisk();  // the batch starts before the file is read
  const std::string before = FileText(RegistryPath);
  {
    TRegistryBatch outer;
    registry.WriteInteger("a", 2);
    {
      TRegistryBatch inner;
      registry.WriteString("b", "x");
      inner.Commit();
    }
    EXPECT_EQ(FileText(RegistryPath), before);  // nothing written yet, the values readable
    EXPECT_EQ(registry.ReadString("b"), "x");
    outer.Commit();
  }
  EXPECT_NE(FileText(RegistryPath).find("b=str:x"), std::string::npos);
  // A batch left without Commit (an exception on the way, say) leaves the file as it was.
  const std::string committed = FileText(RegistryPath);
  {
    TRegistryBatch batch;
    registry.WriteInteger("a", 3);
    registry.DeleteValue("kept");
  }
  EXPECT_EQ(FileText(RegistryPath), committed);
  EXPECT_EQ(registry.ReadInteger("a"), 2);
  EXPECT_TRUE(registry.ValueExists("kept"));
}

TEST_F(RegistryTest, TellsAMissingKeyFromAMissingValue) {
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey("Software\\Tolvik", false));
  EXPECT_FALSE(registry.KeyExists("Software"));
  EXPECT_EQ(registry.CurrentPath(), "");
  EXPECT_FALSE(std::filesystem::exists(RegistryPath));  // looking creates nothing

  ASSERT_TRUE(registry.OpenKey("Software\\Tolvik\\Config", true));
  EXPECT_TRUE(registry.KeyExists("\\Software\\Tolvik"));
  EXPECT_FALSE(registry.ValueExists("UptoSeniorOne"));
  EXPECT_EQ(registry.ReadString("UptoSeniorOne"), "");
  EXPECT_EQ(registry.GetDataType("UptoSeniorOne"), rdUnknown);
  EXPECT_EQ(registry.GetDataSize("UptoSeniorOne"), -1);
  char buffer[4];
  EXPECT_EQ(registry.ReadBinaryData("Filter", buffer, 4), 0);
  try {
    registry.ReadInteger("GroupCount");
    FAIL() << "a missing integer did not raise";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), "注册表项“\\Software\\Tolvik\\Config”中没有值“GroupCount”");
  }
  EXPECT_THROW(registry.ReadBool("IsDefault"), ERegistryException);
}

TEST_F(RegistryTest, ValuesOfAnotherTypeRaiseExceptThroughGetters) {
  TRegistry registry;
  registry.OpenKey("Software\\Types", true);
  registry.WriteString("text", "12");
  registry.WriteInteger("number", 12);
  registry.WriteBinaryData("blob", "abc", 3);

  const std::vector<std::function<void()>> wrongReads = {
      [&] { registry.ReadInteger("text"); },
      [&] { registry.ReadBool("blob"); },
      [&] { registry.ReadString("number"); },
      [&] {
        char b[3];
        registry.ReadBinaryData("text", b, 3);
      },
      [&] {
        char b[2];
        registry.ReadBinaryData("blob", b, 2);  // larger than the buffer
      },
  };
  for (size_t i = 0; i < wrongReads.size(); ++i) EXPECT_THROW(wrongReads[i](), ERegistryException) << i;

  const std::vector<std::tuple<String, TRegDataType, int>> infos = {
      {"text", rdString, 3}, {"number", rdInteger, 4}, {"blob", rdBinary, 3}};
  for (const auto& [name, type, size] : infos) {
    EXPECT_EQ(registry.GetDataType(name), type) << name;
    EXPECT_EQ(registry.GetDataSize(name), size) << name;
  }
  registry.WriteInteger("text", 5);  // a write replaces the value whatever its type
  EXPECT_EQ(registry.ReadInteger("text"), 5);
}

TEST_F(RegistryTest, PathsAreRelativeToTheOpenKeyAndIgnoreCase) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\Software\\Tolvik\\", true));
  EXPECT_EQ(registry.CurrentPath(), "Software\\Tolvik");
  ASSERT_TRUE(registry.OpenKey("Database", true));
  EXPECT_EQ(registry.CurrentPath(), "Software\\Tolvik\\Database");
  registry.WriteString("DataFile", "/data/quorin.db");

  TRegistry other;
  ASSERT_TRUE(other.OpenKey("SOFTWARE\\tolvik\\database", false));
  EXPECT_EQ(other.ReadString("datafile"), "/data/quorin.db");
  other.CloseKey();
  EXPECT_EQ(other.CurrentPath(), "");
  EXPECT_TRUE(other.KeyExists("software\\TOLVIK"));
  EXPECT_EQ(Names([&](TStrings* s) { other.GetKeyNames(s); }), (std::vector<String>{"Software"}));
}

TEST_F(RegistryTest, EnumeratesAndDeletesKeysWithTheirSubKeys) {
  TRegistry registry;
  registry.OpenKey("Software\\Bars", true);
  for (const char* bar : {"Bar0", "Bar1", "Bar1\\ItemLink0"}) registry.CreateKey(bar);
  registry.WriteInteger("BarCount", 2);
  registry.WriteString("Caption", "x");
  EXPECT_TRUE(registry.HasSubKeys());
  EXPECT_EQ(Names([&](TStrings* s) { registry.GetKeyNames(s); }), (std::vector<String>{"Bar0", "Bar1"}));
  EXPECT_EQ(Names([&](TStrings* s) { registry.GetValueNames(s); }), (std::vector<String>{"BarCount", "Caption"}));

  EXPECT_TRUE(registry.DeleteKey("Bar1"));
  EXPECT_FALSE(registry.KeyExists("Bar1\\ItemLink0"));
  EXPECT_FALSE(registry.DeleteKey("Bar1"));
  EXPECT_FALSE(registry.DeleteKey("\\"));  // the root stays
  EXPECT_TRUE(registry.DeleteValue("Caption"));
  EXPECT_FALSE(registry.DeleteValue("Caption"));
  EXPECT_EQ(Names([&](TStrings* s) { registry.GetValueNames(s); }), (std::vector<String>{"BarCount"}));

  TRegistry other;
  EXPECT_TRUE(other.DeleteKey("Software\\Bars"));  // deletes the key the first object has open
  EXPECT_FALSE(registry.ValueExists("BarCount"));
  EXPECT_FALSE(registry.HasSubKeys());
  EXPECT_THROW(registry.WriteInteger("BarCount", 3), ERegistryException);
  EXPECT_FALSE(registry.KeyExists("\\Software\\Bars"));
}

TEST_F(RegistryTest, NoticesChangesMadeByAnotherProgram) {
  TRegistry registry;
  registry.OpenKey("Software\\Tolvik\\Database", true);
  registry.WriteString("DataFile", "old");
  WriteFileText(RegistryPath, "[Software\\Tolvik\\Database]\nDataFile=str:new\nCount=int:-7\n");
  EXPECT_EQ(registry.ReadString("DataFile"), "new");
  EXPECT_EQ(registry.ReadInteger("Count"), -7);
  std::filesystem::remove(RegistryPath);
  EXPECT_FALSE(registry.KeyExists("\\Software"));
}

TEST_F(RegistryTest, CorruptFileGivesAClearErrorAndStaysAsItWas) {
  struct Case {
    std::string text;
    int line;
  };
  const std::vector<Case> cases = {
      {"[Key]\nvalue without equals\n", 2},
      {"Name=str:x\n", 1},
      {"; fine\n\n[Key]\nName=text:x\n", 4},
      {"[Key]\nN=int:99999999999\n", 2},
      {"[Key]\nN=int:12abc\n", 2},
      {"[Key]\nN=hex:abc\n", 2},
      {"[Key]\nN=hex:zz\n", 2},
      {"[Key\n", 1},
      {std::string("[Key]\nN=str:a\0b\n", 15), 2},
      {"[Key]\n[" + DeepKey(513) + "]\nN=int:1\n", 2},
      {"; deep enough to exhaust the stack of a recursive walk\n[" + DeepKey(300000) + "]\n", 2},
  };
  int n = 0;
  for (const Case& c : cases) {
    UseRegistryFile(Dir.File("corrupt-" + std::to_string(++n) + ".ini"));
    WriteFileText(RegistryPath, c.text);
    TRegistry registry;
    try {
      registry.OpenKey("Key", false);
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const ERegistryException& e) {
      const String expected = "设置文件“" + RegistryPath + "”第 " + std::to_string(c.line) + " 行格式不正确：";
      EXPECT_EQ(e.Message().rfind(expected, 0), 0u) << e.Message();
    }
    EXPECT_THROW(registry.CreateKey("Other"), ERegistryException);
    EXPECT_EQ(FileText(RegistryPath), c.text);  // nothing is written over a file that could not be read
  }
}

TEST_F(RegistryTest, KeysNestAsDeepAsTheLimitAndNoDeeper) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\" + DeepKey(512), true));
  registry.WriteString("Leaf", "deepest");
  const std::string text = FileText(RegistryPath);
  EXPECT_THROW(registry.OpenKey("k", true), ERegistryException);
  EXPECT_THROW(registry.CreateKey("\\" + DeepKey(12000)), ERegistryException);
  EXPECT_EQ(FileText(RegistryPath), text);
  ReopenFromDisk();
  TRegistry reopened;
  ASSERT_TRUE(reopened.OpenKey(DeepKey(512), false));
  EXPECT_EQ(reopened.ReadString("Leaf"), "deepest");
}

TEST_F(RegistryTest, UnreadableOrUnwritableFileGivesAClearError) {
  UseRegistryFile(Dir.Path().string());  // a folder, not a file
  TRegistry registry;
  try {
    registry.KeyExists("Software");
    FAIL() << "reading a folder did not raise";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message().rfind("无法读取设置文件“" + Dir.Path().string() + "”", 0), 0u) << e.Message();
  }

  WriteFileText(Dir.File("plain-file"), "x");
  UseRegistryFile(Dir.File("plain-file/registry.ini"));  // its folder cannot be made
  EXPECT_FALSE(registry.KeyExists("Software"));
  EXPECT_THROW(registry.OpenKey("Software", true), ERegistryException);
  EXPECT_FALSE(registry.KeyExists("Software"));  // the failed write is not kept in memory either
}

TEST_F(RegistryTest, WritesReplaceTheFileWhole) {
  TRegistry registry;
  registry.OpenKey("Software\\Tolvik\\Config", true);
  for (int i = 0; i < 20; ++i) registry.WriteString("UptoSeniorOne", std::string(size_t(i) * 100, 'x'));
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(Dir.Path())) files.push_back(entry.path().filename());
  EXPECT_EQ(files, (std::vector<std::string>{"registry.ini"}));  // no temporary file left behind
  const std::string text = FileText(RegistryPath);
  EXPECT_NE(text.find("[Software\\Tolvik\\Config]\nUptoSeniorOne=str:xxx"), std::string::npos) << text;
}

TEST(RegistryFileNameTest, FollowsTheEnvironment) {
  const std::string saved = std::getenv("QUORIN_REGISTRY") ? std::getenv("QUORIN_REGISTRY") : "";
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const std::string savedXdg = xdg ? xdg : "";
  setenv("QUORIN_REGISTRY", "/tmp/explicit.ini", 1);
  EXPECT_EQ(RegistryFileName(), "/tmp/explicit.ini");
  unsetenv("QUORIN_REGISTRY");
  setenv("XDG_CONFIG_HOME", "/cfg", 1);
  EXPECT_EQ(RegistryFileName(), "/cfg/quorin/registry.ini");
  setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
  EXPECT_TRUE(RegistryFileName().ends_with("/.config/quorin/registry.ini")) << RegistryFileName();
  setenv("QUORIN_REGISTRY", saved.c_str(), 1);
  if (xdg) {
    setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
}

}  // namespace
