// Moving bars with the mouse: tearing a docked bar off by its drag handle, docking a floating one
// after the docking wait (never while Ctrl is held), Esc keeping the place reached, the close
// button, double clicks on the caption, sizing by one edge and keeping a bar on the screen.
#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

#include "BarsTestKit.h"
#include "bars/dxBarUtils.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/NonClient.h"
#include "windows/MessageQueue.h"
#include "windows/Window.h"

namespace {

class BarMoving : public TProgramBarsTest {
 protected:
  void SetUp() override {
    TProgramBarsTest::SetUp();
    BuildBars();
    ShowForm();
  }
  TRect WindowRect(const TdxBar* Bar = nullptr) const {
    TRect r;
    GetWindowRect((Bar ? Bar : Toolbar)->Control()->Handle(), r);
    return r;
  }
  // A point on the bar's drag handle (the toolbar's by default), on the screen.
  TPoint DragHandle(const TdxBar* Bar = nullptr) const {
    const TRect r = WindowRect(Bar);
    return TPoint{r.Left + 4, r.Top + r.Height() / 2};
  }
  // Presses at From and runs Steps in the move loop, one each time it waits for input.
  void Drag(TPoint From, std::initializer_list<std::function<void()>> Steps) {
    MouseAt(TMouseInput::Move, From);
    MouseAt(TMouseInput::Press, From);
    for (const auto& step : Steps) TestClock().OnWait(step);
    Pump();
  }
  void Float(TPoint To) {
    Drag(DragHandle(), {[=, this] { MouseAt(TMouseInput::Move, To); },
                        [=, this] { MouseAt(TMouseInput::Release, To); }});
  }
};

TEST_F(BarMoving, DraggingTheHandleFloatsTheBarWithThePointerKeepingItsPlace) {
  const TPoint grab = DragHandle();
  const TPoint offset{grab.X - WindowRect().Left, grab.Y - WindowRect().Top};
  Float(TPoint{700, 500});
  ASSERT_EQ(Toolbar->DockingStyle(), dsNone);
  ASSERT_EQ(Toolbar->Control()->DockControl(), nullptr);
  EXPECT_EQ(Site(dsTop)->RowCount(), 1);
  // The pointer keeps its relative place on the window, scaled to the floating size.
  const TRect r = WindowRect();
  EXPECT_LE(r.Left, 700);
  EXPECT_LE(r.Top, 500);
  EXPECT_EQ(Toolbar->FloatLeft(), r.Left);
  (void)offset;
  RenderWindowToPng(Toolbar->Control()->Handle(), "bars_torn_off.png");
}

// The window system's pointer during a drag: events go to the native window that took the press,
// and once that window is gone to the one under the pointer. Qt hands them on to the widget that
// was pressed and forgets it when it is hidden (the bar's window as it floats or docks).
class TNativePointer {
 public:
  void Send(QEvent::Type Type, TPoint Screen) {
    const QPointF global(Screen.X, Screen.Y);
    if (Type == QEvent::MouseButtonPress || !FTarget || !FTarget->isVisible())
      FTarget = QGuiApplication::topLevelAt(global.toPoint());
    ASSERT_TRUE(FTarget);
    const Qt::MouseButton button = Type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = Type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(Type, FTarget->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(FTarget, &event);
  }

 private:
  QPointer<QWindow> FTarget;
};

TEST_F(BarMoving, TheBarFollowsTheNativePointerAcrossFloatingAndDocking) {
  TNativePointer pointer;
  const TPoint grab = DragHandle();
  TRect floated;
  TestClock().OnWait([&] { pointer.Send(QEvent::MouseMove, {700, 500}); });
  TestClock().OnWait([&] {
    floated = WindowRect();
    pointer.Send(QEvent::MouseMove, {800, 560});
  });
  TestClock().OnWait([&] {
    EXPECT_EQ(WindowRect().Left, floated.Left + 100) << "the floating bar stopped following the pointer";
    pointer.Send(QEvent::MouseMove, Site(dsTop)->ClientToScreen(TPoint{120, Site(dsTop)->Height() / 2}));
  });
  TestClock().OnWait([&] { TestClock().Advance(100); });
  TestClock().OnWait([&] {
    EXPECT_EQ(Toolbar->Control()->DockControl(), Site(dsTop));
    pointer.Send(QEvent::MouseMove, {600, 450});
  });
  TestClock().OnWait([&] { pointer.Send(QEvent::MouseButtonRelease, {600, 450}); });
  pointer.Send(QEvent::MouseButtonPress, grab);
  Pump();
  EXPECT_EQ(Toolbar->DockingStyle(), dsNone) << "the docked bar stopped following the pointer";
  EXPECT_EQ(WindowRect().Left, 600 - (700 - floated.Left));
  EXPECT_EQ(GetCapture(), HWND());
}

// The menu bar is alone on the first row, the toolbar on the second: a drag that stays within the
// menu bar's row leaves both rows as they were.
TEST_F(BarMoving, ADockedBarMovedWithinItsRowKeepsItsRow) {
  const TPoint grab = DragHandle(Menus);
  const TPoint nudged{grab.X + 3, grab.Y + 2};
  Drag(grab, {[=, this] { MouseAt(TMouseInput::Move, nudged); }, [=, this] { MouseAt(TMouseInput::Release, nudged); }});
  ASSERT_EQ(Menus->Control()->DockControl(), Site(dsTop));
  ASSERT_EQ(Site(dsTop)->RowCount(), 2);
  EXPECT_EQ(Menus->Row(), 0);
  EXPECT_EQ(Toolbar->Row(), 1);
  EXPECT_LT(WindowRect(Menus).Top, WindowRect().Top);
}

TEST_F(BarMoving, EscKeepsThePlaceReached) {
  Drag(DragHandle(), {[this] { MouseAt(TMouseInput::Move, {720, 520}); }, [this] { KeyDown(VK_ESCAPE); }});
  EXPECT_EQ(Toolbar->DockingStyle(), dsNone);
  EXPECT_EQ(GetCapture(), HWND());
}

TEST_F(BarMoving, AFloatingBarDocksOnlyAfterTheWaitAndNeverWithCtrl) {
  Float(TPoint{700, 500});
  ASSERT_EQ(Toolbar->DockingStyle(), dsNone);
  const TRect caption = Toolbar->Control()->FloatingCaptionRect();
  const TRect r = WindowRect();
  const TPoint grip{r.Left + caption.Left + 10, r.Top + caption.Top + 4};
  const TPoint overTop = Site(dsTop)->ClientToScreen(TPoint{120, Site(dsTop)->Height() - 4});
  // With Ctrl held the bar stays floating even after the wait.
  Drag(grip, {[&] {
                KeyDown(VK_CONTROL);
                MouseAt(TMouseInput::Move, overTop);
              },
              [&] { TestClock().Advance(50); },
              [&] {
                EXPECT_EQ(Toolbar->Control()->DockControl(), nullptr);
                MouseAt(TMouseInput::Release, overTop);
                KeyUp(VK_CONTROL);
              }});
  EXPECT_EQ(Toolbar->DockingStyle(), dsNone);
  // Without Ctrl it docks once the wait of 21 ms has passed in the zone.
  const TRect moved = WindowRect();
  const TPoint grip2{moved.Left + caption.Left + 10, moved.Top + caption.Top + 4};
  Drag(grip2, {[&] { MouseAt(TMouseInput::Move, overTop); },
               [&] {
                 EXPECT_EQ(Toolbar->Control()->DockControl(), nullptr);
                 TestClock().Advance(21);
               },
               [&] {
                 EXPECT_EQ(Toolbar->Control()->DockControl(), Site(dsTop));
                 MouseAt(TMouseInput::Release, overTop);
               }});
  EXPECT_EQ(Toolbar->DockingStyle(), dsTop);
}

TEST_F(BarMoving, TheCloseButtonClosesOnlyOnAReleaseOverIt) {
  Float(TPoint{700, 500});
  TdxBar* closed = nullptr;
  Manager->OnBarClose = [&closed](TdxBarManager*, TdxBar* Bar) { closed = Bar; };
  const TRect r = WindowRect();
  TRect close = Toolbar->Control()->CloseButtonRect();
  OffsetRect(close, r.Left, r.Top);
  const TPoint centre{(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2};
  Drag(centre, {[&] { MouseAt(TMouseInput::Move, {centre.X - 40, centre.Y + 40}); },
                [&] { MouseAt(TMouseInput::Release, {centre.X - 40, centre.Y + 40}); }});
  EXPECT_TRUE(Toolbar->Visible());
  EXPECT_EQ(closed, nullptr);
  Drag(centre, {[&] { MouseAt(TMouseInput::Release, centre); }});
  EXPECT_FALSE(Toolbar->Visible());
  EXPECT_EQ(closed, Toolbar);
}

TEST_F(BarMoving, DoubleClickingTheCaptionDocksAndFloats) {
  Float(TPoint{700, 500});
  const TRect caption = Toolbar->Control()->FloatingCaptionRect();
  const TRect r = WindowRect();
  const TPoint p{r.Left + caption.Left + 10, r.Top + caption.Top + 4};
  MouseAt(TMouseInput::Move, p);
  TestClock().OnWait([&] { MouseAt(TMouseInput::Release, p); });
  MouseAt(TMouseInput::Press, p);
  Pump();
  TestClock().OnWait([&] { MouseAt(TMouseInput::Release, p); });
  MouseAt(TMouseInput::Press, p);
  Pump();
  EXPECT_EQ(Toolbar->DockingStyle(), dsTop);
  ASSERT_NE(Toolbar->Control()->DockControl(), nullptr);
}

TEST_F(BarMoving, AFloatingBarSizesByOneEdgeAndStaysOnTheScreen) {
  Float(TPoint{700, 500});
  HWND wnd = Toolbar->Control()->Handle();
  const TRect r = WindowRect();
  // Corners answer the edge they lie on.
  struct TCase {
    TPoint At;
    int Code;
  };
  const TCase cases[] = {{{r.Left + 1, r.Top + 1}, HTTOP},
                         {{r.Right - 2, r.Bottom - 1}, HTBOTTOM},
                         {{r.Left + 1, r.Top + r.Height() / 2}, HTLEFT},
                         {{r.Right - 1, r.Top + r.Height() / 2}, HTRIGHT}};
  for (const TCase& c : cases)
    EXPECT_EQ(SendMessage(wnd, WM_NCHITTEST, 0, PointToLParam(c.At)), LRESULT(c.Code)) << c.At.X << "," << c.At.Y;
  // Sizing by the right edge keeps the left edge and takes the height the contents need; the top
  // edge never goes above -15.
  TRect sizing{r.Left, r.Top, r.Right + 200, r.Bottom};
  SendMessage(wnd, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&sizing));
  EXPECT_EQ(sizing.Left, r.Left);
  EXPECT_LT(sizing.Height(), r.Height() + 1);
  TRect corner = r;
  SendMessage(wnd, WM_SIZING, WMSZ_TOPLEFT, reinterpret_cast<LPARAM>(&corner));
  EXPECT_EQ(corner, r);
  TRect high{r.Left, -300, r.Right, 5};
  SendMessage(wnd, WM_SIZING, WMSZ_TOP, reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(high.Top, -15);
  // Placed wholly above and left of the work area, it goes to the area's top-left corner.
  Toolbar->Control()->SetBounds(-500, -400, r.Width(), r.Height());
  const TRect area = GetWorkAreaAtPoint(TPoint{700, 500});
  EXPECT_EQ(TPoint(WindowRect().Left, WindowRect().Top), TPoint(area.Left, area.Top));
}

TEST_F(BarMoving, TheMenuBarsCloseButtonRunsItsEventOnAReleaseOverIt) {
  int clicks = 0;
  Manager->OnCloseButtonClick = [&clicks](TObject*) { ++clicks; };
  Manager->SetShowCloseButton(true);
  Pump();
  TdxBarControl* menuBar = Menus->Control();
  const TRect button = menuBar->CaptionButtons().at(0).Rect;
  ASSERT_FALSE(IsRectEmpty(button));
  EXPECT_EQ(button.Right, menuBar->ClientWidth() - (menuBar->HasMark() ? 11 : 0));
  RenderWindowToPng(Form->Handle(), "bars_menu_close_button.png");
  const TPoint centre = menuBar->ClientToScreen(TPoint{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2});
  Drag(centre, {[&] { MouseAt(TMouseInput::Move, {centre.X, centre.Y + 40}); },
                [&] { MouseAt(TMouseInput::Release, {centre.X, centre.Y + 40}); }});
  EXPECT_EQ(clicks, 0);
  TestClock().Advance(1000);
  Drag(centre, {[&] { MouseAt(TMouseInput::Release, centre); }});
  EXPECT_EQ(clicks, 1);
}

}  // namespace
