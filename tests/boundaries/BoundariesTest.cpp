// The dependency rules between libraries, checked from the sources on every test run: a library
// includes headers only of itself and of the libraries it may use; Qt, SQLite and libjpeg are
// included only inside the platform (SQLite also by the build tools); a folder's private headers
// (*_p.h) only inside that folder; the platform's Qt seam (*Qt.h) only inside the platform. A
// benchmark keeps the rules of the library it measures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using TNames = std::set<std::string>;

// The table the build gives every library its include path from.
#include "LibraryUses.inc"

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

// Why a benchmark of Library may not include Header: as for the library itself, and it stays out
// of private headers, but it may also make its database with the builder of tools/ and include Qt
// and SQLite for the yardsticks it measures against.
std::string CheckBenchInclude(const std::string& Library, const std::string& Header, bool Quoted) {
  if (!Quoted || Header.starts_with("tools/")) return "";
  if (Header.ends_with("_p.h")) return "private header of " + Header.substr(0, Header.find('/'));
  return CheckInclude(Library, Header, Quoted);
}

using TCheck = std::function<std::string(const std::string& Header, bool Quoted)>;

// Every include of the sources under Dir, checked by Check.
void ScanFolder(const fs::path& Root, const fs::path& Dir, const TCheck& Check, std::vector<std::string>& Found) {
  static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  if (!fs::exists(Dir)) return;
  for (const auto& entry : fs::recursive_directory_iterator(Dir)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
    std::ifstream in(entry.path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      std::smatch m;
      if (!std::regex_search(line, m, include)) continue;
      const std::string why = Check(m[2], m[1] == "\"");
      if (!why.empty())
        Found.push_back(fs::relative(entry.path(), Root).string() + ":" + std::to_string(number) + ": " + why);
    }
  }
}

// Each folder of bench/ measures the library of its name; bench/support serves them all, so it
// keeps the rules of the library at the bottom, which every other one may use.
void ScanBenchmarks(const fs::path& Root, std::vector<std::string>& Found) {
  for (const auto& entry : fs::directory_iterator(Root / "bench")) {
    if (!entry.is_directory()) continue;
    std::string library = entry.path().filename().string();
    if (library == "support") library = "rtl";
    if (!kUses.count(library)) {
      Found.push_back(fs::relative(entry.path(), Root).string() + ": measures no library");
      continue;
    }
    ScanFolder(Root, entry.path(),
               [&](const std::string& Header, bool Quoted) { return CheckBenchInclude(library, Header, Quoted); },
               Found);
  }
}

std::vector<std::string> Violations(const fs::path& Root) {
  std::vector<std::string> found;
  for (const auto& [library, uses] : kUses) {
    const fs::path dir = IsPlatform(library) ? Root / "platform" / library : Root / library;
    ScanFolder(Root, dir, [&](const std::string& Header, bool Quoted) { return CheckInclude(library, Header, Quoted); },
               found);
  }
  ScanBenchmarks(Root, found);
  return found;
}

TEST(BoundariesTest, EveryLibraryAndBenchmarkIncludesOnlyWhatItMayUse) {
  const fs::path root = QUORIN_SOURCE_DIR;
  ASSERT_TRUE(fs::exists(root / "platform" / "rtl"));
  ASSERT_TRUE(fs::exists(root / "bench"));
  const std::vector<std::string> violations = Violations(root);
  EXPECT_TRUE(violations.empty()) << [&] {
    std::string text;
    for (const auto& v : violations) text += v + "\n";
    return text;
  }();
}

// An include of Header by Library (or by its benchmark), and whether the rules let it through.
struct TIncludeCase {
  const char* Library;
  const char* Header;
  bool Quoted;
  bool Allowed;
};

TEST(BoundariesTest, TheRulesRefuseWhatTheyShould) {
  const TIncludeCase cases[] = {
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
  for (const TIncludeCase& c : cases)
    EXPECT_EQ(CheckInclude(c.Library, c.Header, c.Quoted).empty(), c.Allowed) << c.Library << " " << c.Header;
}

TEST(BoundariesTest, ABenchmarkKeepsTheRulesOfItsLibrary) {
  const TIncludeCase cases[] = {
      {"treelist", "treelist/dxTLControl.h", true, true},
      {"grid", "report/FR_Class.h", true, false},
      {"classes", "controls/Forms.h", true, false},
      {"treelist", "treelist/dxTL_p.h", true, false},
      {"data", "tools/DatabaseBuilder.h", true, true},
      {"rtl", "support/BenchDatabase.h", true, true},
      {"grid", "QTableView", false, true},
      {"data", "sqlite3.h", false, true},
  };
  for (const TIncludeCase& c : cases)
    EXPECT_EQ(CheckBenchInclude(c.Library, c.Header, c.Quoted).empty(), c.Allowed) << c.Library << " " << c.Header;
}

}  // namespace
