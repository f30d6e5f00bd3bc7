// The GUI test harness over the window layer and the control library.
#include "support/GuiHarness.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QImage>
#include <QInputMethodEvent>
#include <QPainter>
#include <QWidget>

#include <cstdlib>
#include <filesystem>

#include "controls/Edit.h"
#include "controls/ControlClasses.h"
#include "controls/DragDrop.h"
#include "graphics/Graphic.h"
#include "windows/Focus.h"
#include "windows/Layer_p.h"

namespace {

// A screen larger than the forms of the tests, with a task bar of 30 pixels.
const TRect kScreen{0, 0, 1024, 768};
const TRect kWorkArea{0, 0, 1024, 738};

int VirtualKeyOfChar(char32_t C, bool& Shift) {
  Shift = false;
  if (C >= 'a' && C <= 'z') return static_cast<int>(C - 'a' + 'A');
  if (C >= 'A' && C <= 'Z') {
    Shift = true;
    return static_cast<int>(C);
  }
  if (C >= '0' && C <= '9') return static_cast<int>(C);
  switch (C) {
    case ' ': return VK_SPACE;
    case '.': return VK_OEM_PERIOD;
    case ',': return VK_OEM_COMMA;
    case '-': return VK_OEM_MINUS;
    case '\r': return VK_RETURN;
    case '\t': return VK_TAB;
    default: return VK_PROCESSKEY;  // a character typed through an input method
  }
}

void FlushDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

int TScriptedMessageBox::Show(HWND, const String& Text, const String& Caption, UINT Flags) {
  Shown.push_back({Text, Caption, Flags});
  if (Answers.empty()) return IDOK;
  const int answer = Answers.front();
  Answers.pop_front();
  return answer;
}

void TGuiTest::SetUp() {
  RegisterControlsClasses();
  InitApplication();
  auto clock = std::make_unique<TTestClock>();
  FClock = clock.get();
  FSavedClock = SetClock(std::move(clock));
  FSavedDesktop = SetDesktop(std::make_unique<TFixedDesktop>(kScreen, kWorkArea));
  auto box = std::make_unique<TScriptedMessageBox>();
  FMessageBox = box.get();
  FSavedMessageBox = SetMessageBoxService(std::move(box));
  auto system = std::make_unique<TRecordingSystemService>();
  FSystem = system.get();
  FSavedSystem = SetSystemService(std::move(system));
  FSavedClipboard = SetClipboardService(std::make_unique<TMemoryClipboard>());
  SetDoubleClickTime(500);
  const uint8_t released[256] = {};
  SetKeyboardState(released);
  SetCursorPos(-100, -100);
}

void TGuiTest::TearDown() {
  CancelDrag();
  ReleaseCapture();
  DoneApplication();
  for (HWND top : std::vector<HWND>(Windows().TopLevels())) DestroyWindow(top);
  MSG msg;
  while (PeekMessage(msg, HWND(), 0, 0, PM_REMOVE)) {
  }
  FlushDeferredDeletes();
  SetMessageBoxService(std::move(FSavedMessageBox));
  SetSystemService(std::move(FSavedSystem));
  SetClipboardService(std::move(FSavedClipboard));
  SetDesktop(std::move(FSavedDesktop));
  SetClock(std::move(FSavedClock));
}

void TGuiTest::Pump() {
  for (int round = 0; round < 1000; ++round) {
    MSG msg;
    bool any = false;
    if (Application) {
      while (Application->ProcessMessage(msg)) any = true;
      Application->DoIdle();
    } else {
      while (PeekMessage(msg, HWND(), 0, 0, PM_REMOVE)) {
        any = true;
        TranslateMessage(msg);
        DispatchMessage(msg);
      }
    }
    FlushDeferredDeletes();
    if (!any && !HasPendingMessages()) return;
  }
  FAIL() << "the message queue did not become idle";
}

void TGuiTest::Advance(DWORD Milliseconds) { FClock->Advance(Milliseconds, [this] { Pump(); }); }

void TGuiTest::KeyDown(int VirtualKey, const String& Text) { QueueKeyInput(VirtualKey, true, Text); }
void TGuiTest::KeyUp(int VirtualKey) { QueueKeyInput(VirtualKey, false, String()); }

void TGuiTest::PressKey(int VirtualKey, TShiftState Shift) {
  if (Shift & ssShift) KeyDown(VK_SHIFT);
  if (Shift & ssCtrl) KeyDown(VK_CONTROL);
  if (Shift & ssAlt) KeyDown(VK_MENU);
  KeyDown(VirtualKey);
  KeyUp(VirtualKey);
  if (Shift & ssAlt) KeyUp(VK_MENU);
  if (Shift & ssCtrl) KeyUp(VK_CONTROL);
  if (Shift & ssShift) KeyUp(VK_SHIFT);
}

void TGuiTest::TypeText(const String& Text) {
  for (char32_t c : QString::fromStdString(Text).toStdU32String()) {
    bool shift = false;
    const int vk = VirtualKeyOfChar(c, shift);
    const String text = QString::fromUcs4(&c, 1).toStdString();
    if (shift) KeyDown(VK_SHIFT);
    KeyDown(vk, text);
    KeyUp(vk);
    if (shift) KeyUp(VK_SHIFT);
  }
}

void TGuiTest::Type(const String& Text) {
  TypeText(Text);
  Pump();
}

void TGuiTest::Retype(TCustomEdit* Box, const String& Text) {
  Box->SetFocus();
  Pump();
  Box->SelectAll();
  PressKey(VK_DELETE);
  Type(Text);
}

void TGuiTest::MouseAt(TMouseInput Action, TPoint Screen, int Button, int Delta) {
  QueueMouseInput(Action, Screen, Button, Delta);
}

void TGuiTest::MouseMove(TControl* Control, TPoint Point) { MouseAt(TMouseInput::Move, Control->ClientToScreen(Point)); }

void TGuiTest::MouseDown(TControl* Control, TPoint Point, int Button) {
  MouseAt(TMouseInput::Move, Control->ClientToScreen(Point));
  MouseAt(TMouseInput::Press, Control->ClientToScreen(Point), Button);
}

void TGuiTest::MouseUp(TControl* Control, TPoint Point, int Button) {
  MouseAt(TMouseInput::Release, Control->ClientToScreen(Point), Button);
}

void TGuiTest::Click(TControl* Control, TPoint Point, int Button) {
  MouseDown(Control, Point, Button);
  MouseUp(Control, Point, Button);
}

void TGuiTest::DoubleClick(TControl* Control, TPoint Point) {
  Click(Control, Point);
  Click(Control, Point);
}

void TGuiTest::Wheel(TControl* Control, TPoint Point, int Delta) {
  MouseAt(TMouseInput::Wheel, Control->ClientToScreen(Point), 0, Delta);
}

namespace {

// Outside its window region a window shows nothing, as the screen masks it.
void DrawWithChildren(QPainter& Painter, TWindowRecord& Rec, QPoint Origin) {
  Painter.save();
  if (Rec.Region) Painter.setClipRegion(Rec.Region->translated(Origin), Qt::IntersectClip);
  Painter.drawImage(Origin, Rec.Image);
  Painter.restore();
  const QPoint client = Origin + QPoint(Rec.Client.Left, Rec.Client.Top);
  Painter.save();
  Painter.setClipRect(QRect(client, QSize(Rec.Client.Width(), Rec.Client.Height())), Qt::IntersectClip);
  for (HWND h : Rec.Children) {
    TWindowRecord* child = Windows().Find(h);
    if (child && (child->Style & WS_VISIBLE))
      DrawWithChildren(Painter, *child, client + QPoint(child->Bounds.Left, child->Bounds.Top));
  }
  // A native text box paints itself over the window's image, as on the screen.
  if (QWidget* editor = Rec.NativeEditor; editor && editor->isVisibleTo(Rec.Widget.get()))
    editor->render(&Painter, Origin + editor->pos(), QRegion(), QWidget::DrawChildren);
  Painter.restore();
}

}  // namespace

TNativeEditorView NativeEditorOf(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  QWidget* editor = rec ? rec->NativeEditor.data() : nullptr;
  TNativeEditorView view;
  if (!editor) return view;
  view.Exists = true;
  view.Width = editor->width();
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    view.Text = line->text().toStdString();
    view.Password = line->echoMode() == QLineEdit::Password;
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(editor)) {
    view.Text = plain->toPlainText().toStdString();
  }
  return view;
}

int NativeEditorPixels(HWND Wnd, TColor Color) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec || !rec->NativeEditor) return 0;
  const QImage image = rec->NativeEditor->grab().toImage();
  const COLORREF rgb = ColorToRGB(Color);
  const QRgb wanted = qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == wanted;
  return count;
}

std::pair<int, int> NativeEditorInkColumns(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec || !rec->NativeEditor) return {0, -1};
  const QImage image = rec->NativeEditor->grab().toImage();
  int first = image.width(), last = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return {first, last};
}

void SendNativeKey(HWND Wnd, int QtKey, const String& Text) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec || !rec->NativeEditor) return;
  const QString text = QString::fromStdString(Text);
  QKeyEvent press(QEvent::KeyPress, QtKey, Qt::NoModifier, text);
  QKeyEvent release(QEvent::KeyRelease, QtKey, Qt::NoModifier, text);
  QApplication::sendEvent(rec->NativeEditor, &press);
  QApplication::sendEvent(rec->NativeEditor, &release);
}

void SendNativeCommit(HWND Wnd, const String& Text) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec || !rec->NativeEditor) return;
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromStdString(Text));
  QApplication::sendEvent(rec->NativeEditor, &commit);
}

namespace {

// QUORIN_TEST_OUTPUT, or else the folder of the test program: always inside the build tree.
std::string TestOutputPath(const std::string& FileName) {
  if (const char* dir = std::getenv("QUORIN_TEST_OUTPUT")) return std::string(dir) + "/" + FileName;
  return (std::filesystem::canonical("/proc/self/exe").parent_path() / FileName).string();
}

QImage ComposedImage(TWindowRecord& Rec) {
  QImage image(Rec.Image.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  DrawWithChildren(painter, Rec, QPoint());
  return image;
}

}  // namespace

std::string SaveBitmapToPng(const TBitmap& Bitmap, const std::string& FileName) {
  QImage image(Bitmap.Width(), Bitmap.Height(), QImage::Format_RGB32);
  for (int y = 0; y < Bitmap.Height(); ++y)
    std::copy_n(Bitmap.ScanLine(y), Bitmap.Width(), reinterpret_cast<uint32_t*>(image.scanLine(y)));
  const std::string path = TestOutputPath(FileName);
  image.save(QString::fromStdString(path), "PNG");
  return path;
}

std::string RenderWindowToPng(HWND Wnd, const std::string& FileName) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return std::string();
  const QImage image = ComposedImage(*rec);
  const std::string path = TestOutputPath(FileName);
  image.save(QString::fromStdString(path), "PNG");
  return path;
}

std::vector<TColor> ComposedPixels(HWND Wnd, const TRect& Area) {
  std::vector<TColor> pixels;
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return pixels;
  const QImage image = ComposedImage(*rec);
  for (int y = Area.Top; y < Area.Bottom; ++y)
    for (int x = Area.Left; x < Area.Right; ++x) {
      const QRgb p = image.pixel(x + rec->Client.Left, y + rec->Client.Top);
      pixels.push_back(static_cast<TColor>(RGB(qRed(p), qGreen(p), qBlue(p))));
    }
  return pixels;
}

std::string RenderScreenToPng(const std::vector<HWND>& Windows, const TRect& Area, const std::string& FileName) {
  QImage image(Area.Width(), Area.Height(), QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  QPainter painter(&image);
  for (HWND wnd : Windows) {
    TWindowRecord* rec = ::Windows().Find(wnd);
    TRect bounds;
    if (!rec || !GetWindowRect(wnd, bounds)) continue;
    painter.drawImage(QPoint(bounds.Left - Area.Left, bounds.Top - Area.Top), ComposedImage(*rec));
  }
  painter.end();
  const std::string path = TestOutputPath(FileName);
  image.save(QString::fromStdString(path), "PNG");
  return path;
}

TColor WindowPixel(HWND Wnd, int X, int Y) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return clNone;
  const QRgb p = rec->Image.pixel(X + rec->Client.Left, Y + rec->Client.Top);
  return static_cast<TColor>(RGB(qRed(p), qGreen(p), qBlue(p)));
}
