// The Qt bridge: real Qt key and mouse events sent to a window's widget become the same messages
// as input injected through the layer's entry, and a native text box gets its keys back from
// the window's default handling.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "WindowTestKit.h"
#include "windows/Layer_p.h"
#include "windows/NativeEditorQt.h"

namespace {

class Bridge : public TGuiTest {};

std::vector<TLogged> InputOf(const TLoggingWindow& w) {
  return w.Only({WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE});
}

TEST_F(Bridge, QtEventsGoThroughTheSameInputPathAsInjectedInput) {
  TLoggingWindow window(HWND(), Bounds(40, 30, 200, 100));
  SetFocus(window.Handle);
  QWidget* widget = Windows().Find(window.Handle)->Widget.get();

  QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
  QApplication::sendEvent(widget, &press);
  QApplication::sendEvent(widget, &release);
  const QPointF local(15, 25), global(55, 55);
  QMouseEvent down(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent up(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &down);
  QApplication::sendEvent(widget, &up);
  Pump();
  const auto fromQt = InputOf(window);

  window.Log.clear();
  KeyDown('A', "a");
  KeyUp('A');
  MouseAt(TMouseInput::Press, {55, 55});
  MouseAt(TMouseInput::Release, {55, 55});
  Pump();
  const auto injected = InputOf(window);

  EXPECT_EQ(fromQt, injected);
  ASSERT_EQ(fromQt.size(), 5u);
  EXPECT_EQ(fromQt[3].Msg, WM_LBUTTONDOWN);
  EXPECT_EQ(LParamToPoint(fromQt[3].LParam), (TPoint{15, 25}));
}

TEST_F(Bridge, NativeTextBoxGetsItsKeysBackAfterTheWindowsHandlers) {
  TLoggingWindow window(HWND(), Bounds(0, 0, 200, 40));
  auto* editor = new QLineEdit;
  AttachNativeEditor(window.Handle, editor);
  SetFocus(window.Handle);
  EXPECT_TRUE(editor->hasFocus() || QGuiApplication::platformName() == "offscreen");
  window.Handler = [&](TMessage& m) {
    MSG removed;
    if (m.Msg == WM_KEYDOWN && m.WParam == 'B') PeekMessage(removed, window.Handle, WM_CHAR, WM_CHAR, PM_REMOVE);
    return false;
  };
  // Keys sent to the editor itself are queued first, then given back.
  for (const char* t : {"a", "b", "c"}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (t[0] - 'a'), Qt::NoModifier, t);
    QApplication::sendEvent(editor, &press);
  }
  EXPECT_EQ(editor->text().toStdString(), "");
  Pump();
  EXPECT_EQ(editor->text().toStdString(), "ac");
  TypeText("xy");
  PressKey(VK_BACK);
  Pump();
  EXPECT_EQ(editor->text().toStdString(), "acx");
  DetachNativeEditor(window.Handle);
}

// Keys outside the virtual-key map still type their text, as VK_PACKET: a letter of another
// layout, and a character the window system typed without a key of its own.
TEST_F(Bridge, KeysWithoutAVirtualKeyTypeTheirText) {
  TLoggingWindow window(HWND(), Bounds(0, 0, 200, 40));
  auto* editor = new QLineEdit;
  AttachNativeEditor(window.Handle, editor);
  SetFocus(window.Handle);
  for (const auto& [key, text] : {std::pair{int(Qt::Key_Eacute), "é"}, {0x4E2D, "中"}, {int(Qt::Key_unknown), "文"}}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromUtf8(text));
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString::fromUtf8(text));
    QApplication::sendEvent(editor, &press);
    QApplication::sendEvent(editor, &release);
  }
  Pump();
  EXPECT_EQ(editor->text().toStdString(), "é中文");
  const auto keys = window.Only({WM_KEYDOWN});
  ASSERT_EQ(keys.size(), 3u);
  for (const TLogged& k : keys) EXPECT_EQ(k.WParam, WPARAM(VK_PACKET));
  DetachNativeEditor(window.Handle);
}

// A text box of several lines gets its mouse presses on its viewport: they reach the window too,
// so that a click into it takes the focus there.
TEST_F(Bridge, APressOnAMultiLineEditorsViewportReachesItsWindow) {
  TLoggingWindow window(HWND(), Bounds(40, 30, 200, 100));
  auto* editor = new QPlainTextEdit;
  AttachNativeEditor(window.Handle, editor);
  editor->setGeometry(0, 0, 200, 100);
  const QPointF local(15, 25), global(55, 55);
  QMouseEvent down(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent up(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(editor->viewport(), &down);
  QApplication::sendEvent(editor->viewport(), &up);
  Pump();
  const auto input = InputOf(window);
  ASSERT_EQ(input.size(), 2u);
  EXPECT_EQ(input[0].Msg, WM_LBUTTONDOWN);
  EXPECT_EQ(input[1].Msg, WM_LBUTTONUP);
  DetachNativeEditor(window.Handle);
}

}  // namespace
