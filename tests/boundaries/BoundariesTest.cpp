// The dependency rules between libraries, checked from the sources on every test run: a library
// includes headers only of itself and of the libraries it may use; Qt, SQLite and libjpeg are
// included only inside the platform (SQLite also by the build tools); a folder's private headers
// (*_p.h) only inside that folder; the platform's Qt seam (*Qt.h) only inside the platform.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using TNames = std::set<std::string>;

const TNames kPlatform = {"rtl", "classes", "settings", "data", "graphics", "windows", "controls", "printing"};

// What each library may include directly; what those use comes with them.
const std::map<std::string, TNames> kUses = {
    {"rtl", {}},
    {"classes", {"rtl"}},
    {"settings", {"rtl"}},
    {"data", {"classes", "rtl"}},
    {"graphics", {"classes", "rtl"}},
    {"windows", {"graphics"}},
    {"printing", {"graphics"}},
    {"controls", {"windows", "data", "printing"}},
    {"editors", kPlatform},
    {"treelist", {"editors"}},
    {"grid", {"treelist"}},
    {"bars", kPlatform},
    {"sidebar", kPlatform},
    {"report", kPlatform},
    {"tools", {"report", "grid", "bars", "sidebar", "settings"}},
    {"app", {"report", "grid", "bars", "sidebar", "settings"}},
};

TNames Allowed(const std::string& Library) {
  TNames allowed = {Library};
  std::vector<std::string> pending = {Library};
  while (!pending.empty()) {
    const std::string next = pending.back();
    pending.pop_back();
    for (const std::string& used : kUses.at(next))
      if (allowed.insert(used).second) pending.push_back(used);
  }
  return allowed;
}

bool IsPlatform(const std::string& Library) { return kPlatform.count(Library) > 0; }

// Why Library may not include Header ("" when it may). Header is the text between the include's
// quotes or angle brackets; Quoted tells which.
std::string CheckInclude(const std::string& Library, const std::string& Header, bool Quoted) {
  if (!Quoted) {
    const bool qt = Header.size() > 1 && Header[0] == 'Q' && std::isupper(static_cast<unsigned char>(Header[1]));
    if (qt && !IsPlatform(Library)) return "Qt outside the platform";
    if (Header == "sqlite3.h" && !IsPlatform(Library) && Library != "tools") return "SQLite outside the platform";
    if ((Header == "jpeglib.h" || Header == "jerror.h") && !IsPlatform(Library)) return "libjpeg outside the platform";
    return "";
  }
  const auto slash = Header.find('/');
  if (slash == std::string::npos) return "";
  const std::string target = Header.substr(0, slash);
  if (!kUses.count(target)) return "";
  if (!Allowed(Library).count(target)) return Library + " may not use " + target;
  if (Header.ends_with("_p.h") && target != Library) return "private header of " + target;
  if (Header.ends_with("Qt.h") && !IsPlatform(Library)) return "the platform's Qt seam outside the platform";
  return "";
}

// Every include of the library's sources, checked against its rules.
void ScanLibrary(const fs::path& Root, const std::string& Library, const std::regex& Include,
                 std::vector<std::string>& Found) {
  const fs::path dir = IsPlatform(Library) ? Root / "platform" / Library : Root / Library;
  if (!fs::exists(dir)) return;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    const fs::path relative = fs::relative(entry.path(), Root);
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
    std::ifstream in(entry.path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      std::smatch m;
      if (!std::regex_search(line, m, Include)) continue;
      const std::string why = CheckInclude(Library, m[2], m[1] == "\"");
      if (!why.empty()) Found.push_back(relative.string() + ":" + std::to_string(number) + ": " + why);
    }
  }
}

std::vector<std::string> Violations(const fs::path& Root) {
  static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  std::vector<std::string> found;
  for (const auto& [library, uses] : kUses) ScanLibrary(Root, library, include, found);
  return found;
}

TEST(BoundariesTest, EveryLibraryIncludesOnlyWhatItMayUse) {
  const fs::path root = QUORIN_SOURCE_DIR;
  ASSERT_TRUE(fs::exists(root / "platform" / "rtl"));
  const std::vector<std::string> violations = Violations(root);
  EXPECT_TRUE(violations.empty()) << [&] {
    std::string text;
    for (const auto& v : violations) text += v + "\n";
    return text;
  }();
}

TEST(BoundariesTest, TheRulesRefuseWhatTheyShould) {
  struct TCase {
    const char* Library;
    const char* Header;
    bool Quoted;
    bool Allowed;
  };
  const TCase cases[] = {
      {"rtl", "rtl/Text.h", true, true},
      {"rtl", "classes/Component.h", true, false},
      {"settings", "data/DataSet.h", true, false},
      {"graphics", "windows/Window.h", true, false},
      {"controls", "rtl/Variant.h", true, true},  // through what it uses
      {"windows", "data/DataSet.h", true, false},
      {"editors", "controls/Forms.h", true, true},
      {"editors", "treelist/dxTL.h", true, false},
      {"grid", "editors/dxCntner.h", true, true},
      {"bars", "sidebar/dxsbar.h", true, false},
      {"report", "app/KvData.h", true, false},
      {"app", "grid/dxDBGrid.h", true, true},
      {"controls", "windows/Layer_p.h", true, false},
      {"windows", "windows/Layer_p.h", true, true},
      {"windows", "graphics/CanvasQt.h", true, true},
      {"editors", "graphics/CanvasQt.h", true, false},
      {"editors", "QWidget", false, false},
      {"windows", "QWidget", false, true},
      {"report", "sqlite3.h", false, false},
      {"tools", "sqlite3.h", false, true},
      {"report", "vector", false, true},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(CheckInclude(c.Library, c.Header, c.Quoted).empty(), c.Allowed) << c.Library << " " << c.Header;
}

}  // namespace
