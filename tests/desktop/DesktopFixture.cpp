// The desktop tests' fixture: one X desktop for the whole test program (started before the first
// test, stopped after the last), and for each test a fresh database, settings file and program.
#include "DesktopFixture.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string ReadFile(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class DesktopEnvironment : public testing::Environment {
 public:
  void SetUp() override { Session = std::make_unique<XSession>(Logs.Path().string()); }
  void TearDown() override { Session.reset(); }
  TempDir Logs;
  std::unique_ptr<XSession> Session;
};

DesktopEnvironment* const Desktop =
    static_cast<DesktopEnvironment*>(testing::AddGlobalTestEnvironment(new DesktopEnvironment));

void RunScript(sqlite3* Db, const std::string& Path) {
  char* error = nullptr;
  if (sqlite3_exec(Db, ReadFile(Path).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : "unknown error";
    sqlite3_free(error);
    throw std::runtime_error(Path + ": " + message);
  }
}

}  // namespace

DesktopTest::DesktopTest() : X(Desktop->Session->Display()) {}

void DesktopTest::MakeDatabase() {
  const std::string db = FDir.File("quorin.db");
  std::filesystem::copy_file(QUORIN_DATABASE_FILE, db);
  sqlite3* handle = nullptr;
  sqlite3_open(db.c_str(), &handle);
  std::unique_ptr<sqlite3, int (*)(sqlite3*)> owner(handle, sqlite3_close);
  RunScript(handle, QUORIN_APP_FIXTURES "/school.sql");
  RunScript(handle, QUORIN_DESKTOP_DIR "/school.sql");
  // 高一's fitness card prints three items, so that its report has columns to show.
  std::ofstream(FDir.File("registry.ini"))
      << "[Software\\Tolvik\\Database]\nDataFile=str:" << db << "\n"
      << "[Software\\Tolvik\\Config]\nUptoSeniorOne=str:1;1000米跑(男)/800米跑(女);U11;F_U11|2;50米跑;U21;F_U21|"
         "3;立定跳远;U31;F_U31\n";
}

void DesktopTest::SetUp() {
  MakeDatabase();
  FProgram = std::make_unique<ChildProcess>(
      std::vector<std::string>{QUORIN_PROGRAM},
      std::map<std::string, std::string>{{"DISPLAY", Desktop->Session->DisplayName()},
                                         {"QT_QPA_PLATFORM", "xcb"},
                                         {"QUORIN_REGISTRY", FDir.File("registry.ini")},
                                         {"XDG_RUNTIME_DIR", FDir.Path().string()},
                                         {"ASAN_OPTIONS", "detect_leaks=0"}},
      FDir.File("program.log"));
  MainWindow = WaitForWindow("Quorin");
  ASSERT_NE(MainWindow, 0u) << "the main window did not show\n" << ProgramLog();
}

void DesktopTest::TearDown() {
  const bool alive = FProgram->Running();
  if (HasFailure() || !alive) {
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '-');  // a parameterised test's name
    const std::string shot = std::string(QUORIN_DESKTOP_FAILURES) + "/" + name + ".ppm";
    X.SaveScreen(shot);
    ADD_FAILURE() << (alive ? "" : "the program ended: " + FProgram->ExitText() + "\n") << "screen: " << shot << "\n"
                  << ProgramLog();
  }
  FProgram->Stop();
  WaitUntil([&] { return X.Clients().empty(); }, std::chrono::seconds(5));
}

std::string DesktopTest::ProgramLog() const { return ReadFile(FDir.File("program.log")); }

XWindowId DesktopTest::WaitForWindow(const std::string& Title, XWindowId Except) {
  XWindowId found = 0;
  WaitUntil([&] {
    for (XWindowId w : X.Clients())
      if (w != Except && X.Title(w) == Title) found = w;
    return found != 0;
  });
  if (found) WaitForSettledPlace(found);
  return found;
}

// The window manager may still move a window it has just mapped (placing it, adding its frame):
// a click computed from its first place would miss.
void DesktopTest::WaitForSettledPlace(XWindowId Wnd) {
  Settled<XRect>([&] { return X.Geometry(Wnd); });
}

std::vector<XColour> DesktopTest::SettledPixels(const XRect& Area) {
  return Settled<std::vector<XColour>>([&] { return X.Pixels(Area); });
}

bool DesktopTest::IsHint(XWindowId Wnd) { return X.Geometry(Wnd).Height <= kHintHeight; }

bool DesktopTest::WaitForNoWindow(const std::string& Title) {
  return WaitUntil([&] { return X.FindClient(Title) == 0; });
}

XWindowId DesktopTest::WaitForNewWindow(const std::vector<XWindowId>& Known) {
  XWindowId found = 0;
  WaitUntil([&] {
    for (XWindowId w : X.Clients())
      if (std::find(Known.begin(), Known.end(), w) == Known.end() && !IsHint(w)) found = w;
    return found != 0;
  });
  return found;
}

bool DesktopTest::WaitForActive(XWindowId Wnd) {
  return WaitUntil([&] { return X.ActiveWindow() == Wnd; });
}

void DesktopTest::LogOn() {
  const XWindowId logon = WaitForWindow("操作者登录");
  ASSERT_NE(logon, 0u) << "no log-on dialog";
  ASSERT_TRUE(WaitForActive(logon));
  TypeLogOn("quorin");
  ASSERT_TRUE(WaitForNoWindow("操作者登录")) << "the log-on dialog stayed";
  ASSERT_TRUE(WaitForActive(MainWindow));
}

void DesktopTest::TypeLogOn(const std::string& Password) {
  const XWindowId logon = X.FindClient("操作者登录");
  const std::vector<XWindowId> before = X.Clients();
  X.Type("admin");
  X.Key("Tab");
  X.Type(Password);
  // 登录 is enabled once both boxes are filled, when the program is next idle, and keys typed
  // at XTest's pace arrive before that: it is clicked until the dialog answers.
  const auto [x, y] = At(logon, 233, 188);
  EXPECT_TRUE(ClickUntil(x, y, [&] { return X.Clients() != before; })) << "登录 did not answer";
}

void DesktopTest::RunMenuCommand(const std::string& MenuKey, int Count, const std::vector<std::string>& Then) {
  X.Key("alt+" + MenuKey);
  for (int i = 0; i < Count; ++i) X.Key("Down");
  for (const std::string& key : Then) X.Key(key);
}

bool DesktopTest::ClickUntil(int X_, int Y_, const std::function<bool()>& Condition) {
  X.MoveTo(X_, Y_);
  for (int i = 0; i < 10; ++i) {
    X.Click(X_, Y_);
    if (WaitUntil(Condition, std::chrono::seconds(3))) return true;
  }
  return false;
}

std::pair<int, int> DesktopTest::At(XWindowId Wnd, int X_, int Y_) {
  const XRect r = X.Geometry(Wnd);
  return {r.X + X_, r.Y + Y_};
}

void DesktopTest::Shot(const std::string& Name) {
  if (const char* dir = getenv("QUORIN_DESKTOP_SHOTS")) X.SaveScreen(std::string(dir) + "/" + Name + ".ppm");
}
