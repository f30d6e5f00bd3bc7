// Owned windows on a real desktop: every window the program opens is transient for the window it
// belongs to, stacked above it where a person sees it, active when it should take the keys, and
// framed as its form's border asks.
#include "DesktopFixture.h"

#include <algorithm>
#include <functional>

namespace {

bool Offers(const std::vector<std::string>& Actions, const std::string& Action) {
  return std::find(Actions.begin(), Actions.end(), Action) != Actions.end();
}

}  // namespace

// The log-on dialog over the main window, and the wrong password's message over the dialog: each
// transient for the other, seen on top, active; the message's frame can be neither sized nor
// maximised, and it offers no minimising or maximising.
TEST_F(DesktopTest, LogOnDialogAndItsMessageStayOnTopOfTheirOwners) {
  const XWindowId logon = WaitForWindow("操作者登录");
  ASSERT_NE(logon, 0u);
  EXPECT_EQ(X.TransientFor(logon), MainWindow);
  EXPECT_TRUE(WaitForActive(logon));
  TypeLogOn("wrong");
  const XWindowId message = WaitForWindow("Quorin", MainWindow);
  ASSERT_NE(message, 0u) << "no message for the wrong password";
  Shot("logon-wrong-password");
  EXPECT_EQ(X.TransientFor(message), logon);
  EXPECT_TRUE(WaitForActive(message));
  const XRect box = X.Geometry(message);
  EXPECT_EQ(X.WindowAt(box.CentreX(), box.CentreY()), message);
  const std::vector<std::string> actions = X.AllowedActions(message);
  EXPECT_FALSE(Offers(actions, "RESIZE"));
  EXPECT_FALSE(Offers(actions, "MAXIMIZE_HORZ"));
  const unsigned long functions = X.MotifFunctions(message);
  EXPECT_FALSE(functions & (XDesktop::kMotifMinimize | XDesktop::kMotifMaximize | XDesktop::kMotifAll)) << functions;
  X.Key("Return");
  EXPECT_TRUE(WaitUntil([&] { return !X.IsShown(message); }));
  const XRect dialog = X.Geometry(logon);
  EXPECT_EQ(X.WindowAt(dialog.CentreX(), dialog.CentreY()), logon);
}

// A message raised by the stay-on-top result-entry windows opens above them and takes the click
// on its button; the entry window is active again after it.
TEST_F(DesktopTest, EntryWindowMessagesOpenAboveTheEntryWindows) {
  LogOn();
  struct Entry {
    const char* Title;
    std::function<void()> Open;
    int ResultX, ResultY;  // the result box and the cancel button, in the window's client coordinates
    int CancelX, CancelY;
  };
  const Entry entries[] = {
      {"达标成绩录入", [&] { RunMenuCommand("s", 3); }, 330, 94, 596, 56},
      {"运动技能成绩录入", [&] { RunMenuCommand("s", 4, {"Right", "Down", "Down", "Down", "Return"}); }, 278, 150, 546, 56},
  };
  for (const Entry& entry : entries) {
    SCOPED_TRACE(entry.Title);
    entry.Open();
    const XWindowId window = WaitForWindow(entry.Title);
    ASSERT_NE(window, 0u);
    EXPECT_EQ(X.TransientFor(window), MainWindow);
    EXPECT_TRUE(WaitForActive(window));
    // The result box, typed into until its text shows.
    const auto [x, y] = At(window, entry.ResultX, entry.ResultY);
    EXPECT_TRUE(ClickUntil(x, y, [&] {
      X.Type("10");
      return WaitUntil([&] { return X.HasPixel(XRect{x - 20, y - 6, 40, 12}, XColour{0, 0, 0}); },
                       std::chrono::seconds(2));
    }));
    X.Key("Return");
    const XWindowId message = WaitForWindow("Quorin", MainWindow);
    ASSERT_NE(message, 0u) << "no message for the missing item";
    Shot(std::string("entry-message-") + entry.Title);
    EXPECT_EQ(X.TransientFor(message), window);
    const XRect box = X.Geometry(message);
    EXPECT_EQ(X.WindowAt(box.CentreX(), box.CentreY()), message) << "the message is hidden";
    EXPECT_TRUE(WaitForActive(message));
    X.Click(box.CentreX(), box.Y + box.Height - 30);  // its one button
    EXPECT_TRUE(WaitUntil([&] { return !X.IsShown(message); })) << "the button did not answer";
    const XRect entryBox = X.Geometry(window);
    EXPECT_EQ(X.WindowAt(entryBox.CentreX(), entryBox.CentreY()), window);
    const auto [cancelX, cancelY] = At(window, entry.CancelX, entry.CancelY);
    X.Click(cancelX, cancelY);
    EXPECT_TRUE(WaitUntil([&] { return !X.IsShown(window); }));
  }
}
