// Dialogs, messages and pop-ups of the main window on a real desktop: a modal dialog stays in
// front when its disabled owner is clicked, a message stays in front of the dialog it came from,
// a dialog opened again from the toolbar shows in front and takes the keys, the calendar and a
// popup menu show above the window they belong to.
#include "DesktopFixture.h"

#include <algorithm>

namespace {

class Dialogs : public DesktopTest {
 protected:
  // The window is what a person sees at its centre and it has the keyboard.
  void ExpectInFront(XWindowId Wnd) {
    const XRect box = X.Geometry(Wnd);
    EXPECT_TRUE(WaitUntil([&] { return X.WindowAt(box.CentreX(), box.CentreY()) == Wnd; })) << X.Title(Wnd) << " is hidden";
    EXPECT_TRUE(WaitForActive(Wnd)) << X.Title(Wnd) << " is not active";
  }
  void Click(XWindowId Wnd, int ClientX, int ClientY) {
    const auto [x, y] = At(Wnd, ClientX, ClientY);
    X.Click(x, y);
  }
};

// 学校班级设置 over the main window; a click on the disabled main window leaves the dialog in
// front; "该班级已经存在。" over the dialog stays in front when the dialog is clicked.
TEST_F(Dialogs, ModalWindowsStayInFrontWhenTheWindowsBehindThemAreClicked) {
  LogOn();
  RunMenuCommand("o", 2);
  const XWindowId dialog = WaitForWindow("班级设置");
  ASSERT_NE(dialog, 0u);
  EXPECT_EQ(X.TransientFor(dialog), MainWindow);
  ExpectInFront(dialog);
  X.Click(1100, 800);
  ExpectInFront(dialog);

  X.Key("Tab");  // from the grade to the class numeral: its first numeral, added twice
  X.Key("Down");
  const auto [addX, addY] = At(dialog, 252, 38);
  ClickUntil(addX, addY, [&] { return X.FindClient("信息提示") != 0; });
  const XWindowId message = WaitForWindow("信息提示");
  ASSERT_NE(message, 0u) << "no message for the existing class";
  EXPECT_EQ(X.TransientFor(message), dialog);
  ExpectInFront(message);
  Click(dialog, 180, 200);
  ExpectInFront(message);
  X.Key("Return");
  EXPECT_TRUE(WaitForNoWindow("信息提示"));
  EXPECT_TRUE(WaitForActive(dialog));
}

// 教师资料修改 from the toolbar, cancelled after typing an address, then opened again: the
// dialog shows in front of the main window each time, and the grid shows the stored row again.
TEST_F(Dialogs, TheTeacherDialogOpensInFrontAgainAfterACancelledEdit) {
  LogOn();
  // The side bar's 教师资料: its radio buttons show at the top right.
  ASSERT_TRUE(ClickUntil(48, 180, [&] { return X.HasPixel(XRect{985, 62, 20, 16}, XColour{255, 255, 255}); }));
  // admin's 联系地址 cell, inside its lines: empty, in the selected row's colour.
  const XRect address{892, 124, 300, 12};
  const auto addressShown = [&] {
    const std::vector<XColour> cell = X.Pixels(address);
    return !std::all_of(cell.begin(), cell.end(), [](XColour c) { return c == XColour{102, 171, 213}; });
  };
  const auto openFromToolbar = [&] {
    ClickUntil(116, 37, [&] { return X.FindClient("教师信息设置") != 0; });
    return WaitForWindow("教师信息设置");
  };
  const XWindowId first = openFromToolbar();
  ASSERT_NE(first, 0u);
  ExpectInFront(first);
  Click(first, 128, 125);  // 联系地址
  const auto [boxX, boxY] = At(first, 110, 112);
  SettledPixels(XRect{boxX, boxY, 280, 30});  // the box has taken the focus
  X.Type("abc");
  X.Key("shift+Tab");  // leaving the box hands the address to the row
  EXPECT_TRUE(WaitUntil(addressShown)) << "the grid did not show the edit";
  Click(first, 357, 272);  // 取消
  ASSERT_TRUE(WaitForNoWindow("教师信息设置"));
  EXPECT_TRUE(WaitUntil([&] { return !addressShown(); })) << "the grid kept the cancelled edit";
  const XWindowId again = openFromToolbar();
  ASSERT_NE(again, 0u);
  EXPECT_EQ(X.TransientFor(again), MainWindow);
  ExpectInFront(again);
  Shot("teacher-dialog-again");
}

// The test-date box focused by a click, after a click in the 学生 box, takes typing: Home and
// digits overwrite the year.
TEST_F(Dialogs, TheDateBoxTakesTypingAfterAClick) {
  LogOn();
  RunMenuCommand("s", 3);
  const XWindowId entry = WaitForWindow("达标成绩录入");
  ASSERT_NE(entry, 0u);
  const auto [x, y] = At(entry, 300, 28);
  Click(entry, 330, 66);  // 学生
  SettledPixels(XRect{x, y, 110, 20});  // the window manager has let the click through
  Click(entry, 400, 38);  // 考试日期, right of its text
  SettledPixels(XRect{x, y, 110, 20});  // the box has the focus and shows it
  X.Key("Home");
  const XRect yearEnd{x + 16, y + 2, 18, 16};  // the year's last two digits, clear of the caret's places
  const std::vector<XColour> before = SettledPixels(yearEnd);
  X.Type("2019");
  EXPECT_TRUE(SettledPixels(yearEnd) != before) << "the date box ignored the keys";
  Shot("date-typed");  // 2019-12-11
}

// The students grid draws its selected row in the colour its layout stores (red 102, green 171,
// blue 213).
TEST_F(Dialogs, TheSelectedRowHasItsLayoutsColour) {
  LogOn();
  const XRect firstRow{560, 124, 60, 10};
  EXPECT_TRUE(WaitUntil([&] { return X.HasPixel(firstRow, XColour{102, 171, 213}); }));
  EXPECT_FALSE(X.HasPixel(firstRow, XColour{102, 147, 213}));
}

// The test-date box's calendar, by its button and by Alt+Down, and the students grid's popup
// menu: each above the window it belongs to, where a person sees it.
TEST_F(Dialogs, TheCalendarAndThePopupMenuShowAboveTheirWindows) {
  LogOn();
  RunMenuCommand("s", 3);
  const XWindowId entry = WaitForWindow("达标成绩录入");
  ASSERT_NE(entry, 0u);
  const auto expectPopupOver = [&](XWindowId Owner, const char* Shot_) {
    SCOPED_TRACE(Shot_);
    const XWindowId popup = WaitForNewWindow({MainWindow, entry});
    ASSERT_NE(popup, 0u) << "nothing dropped down";
    Shot(Shot_);
    EXPECT_EQ(X.TransientFor(popup), Owner);
    EXPECT_TRUE(WaitUntil([&] {
      const XRect box = X.Geometry(popup);
      return X.WindowAt(box.CentreX(), box.CentreY()) == popup;
    })) << "the pop-up is hidden";
    X.Key("Escape");
    EXPECT_TRUE(WaitUntil([&] { return !X.IsShown(popup); }));
  };
  Click(entry, 418, 38);  // the date box's button
  expectPopupOver(entry, "calendar");
  // Alt+Down in the date box, once the click has put the focus there and the entry window is
  // active again after the calendar.
  ASSERT_TRUE(WaitForActive(entry));
  Click(entry, 330, 38);
  const auto [boxX, boxY] = At(entry, 300, 28);
  SettledPixels(XRect{boxX, boxY, 110, 20});
  const auto dropped = [&] {
    const std::vector<XWindowId> clients = X.Clients();
    return std::count_if(clients.begin(), clients.end(), [&](XWindowId w) { return !IsHint(w); }) > 2;
  };
  for (int i = 0; i < 5 && !dropped(); ++i) {
    X.Key("alt+Down");
    WaitUntil(dropped, std::chrono::seconds(2));
  }
  expectPopupOver(entry, "calendar-by-keys");

  X.Click(600, 200);
  ASSERT_TRUE(WaitForActive(MainWindow));
  X.RightClick(600, 130);
  expectPopupOver(MainWindow, "popup-menu");
}

}  // namespace
