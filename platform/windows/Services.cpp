// The replaceable services: desktop, message box, cursors and the boundary exception sink.
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cstdio>

#include "graphics/Metrics.h"
#include "windows/Layer_p.h"
#include "windows/ServiceSlot.h"

namespace {

// The primary screen as Qt reports it.
class TScreenDesktop : public TDesktopService {
 public:
  TRect ScreenRect() const override { return Geometry(QGuiApplication::primaryScreen(), false); }
  TRect WorkArea() const override { return Geometry(QGuiApplication::primaryScreen(), true); }
  TRect MonitorRectAt(TPoint P) const override { return Geometry(ScreenAt(P), false); }
  TRect WorkAreaAt(TPoint P) const override { return Geometry(ScreenAt(P), true); }

 private:
  static QScreen* ScreenAt(TPoint P) {
    const QPoint point(P.X, P.Y);
    if (QScreen* screen = QGuiApplication::screenAt(point)) return screen;
    QScreen* nearest = QGuiApplication::primaryScreen();
    long long best = -1;
    for (QScreen* screen : QGuiApplication::screens()) {
      const QRect g = screen->geometry();
      const long long dx = std::max({g.left() - point.x(), 0, point.x() - g.right()});
      const long long dy = std::max({g.top() - point.y(), 0, point.y() - g.bottom()});
      if (best < 0 || dx * dx + dy * dy < best) {
        best = dx * dx + dy * dy;
        nearest = screen;
      }
    }
    return nearest;
  }
  static TRect Geometry(QScreen* Screen, bool Available) {
    if (!Screen) return TRect{0, 0, 1024, 768};
    const QRect r = Available ? Screen->availableGeometry() : Screen->geometry();
    return Bounds(r.x(), r.y(), r.width(), r.height());
  }
};

// Qt's message box, run as a native modal loop.
class TQtMessageBox : public TMessageBoxService {
 public:
  int Show(HWND, const String& Text, const String& Caption, UINT Flags) override {
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(Caption));
    box.setText(QString::fromStdString(Text));
    box.setIcon(IconOf(Flags));
    const auto buttons = ButtonsOf(Flags & 0xF);
    for (const auto& [id, role] : buttons) box.addButton(QString::fromUtf8(Label(id)), role)->setProperty("id", id);
    TNativeModalScope scope;
    box.exec();
    return box.clickedButton() ? box.clickedButton()->property("id").toInt() : IDCANCEL;
  }

 private:
  static QMessageBox::Icon IconOf(UINT Flags) {
    switch (Flags & 0xF0) {
      case MB_ICONERROR: return QMessageBox::Critical;
      case MB_ICONQUESTION: return QMessageBox::Question;
      case MB_ICONWARNING: return QMessageBox::Warning;
      case MB_ICONINFORMATION: return QMessageBox::Information;
      default: return QMessageBox::NoIcon;
    }
  }
  static std::vector<std::pair<int, QMessageBox::ButtonRole>> ButtonsOf(UINT Kind) {
    switch (Kind) {
      case MB_OKCANCEL: return {{IDOK, QMessageBox::AcceptRole}, {IDCANCEL, QMessageBox::RejectRole}};
      case MB_ABORTRETRYIGNORE:
        return {{IDABORT, QMessageBox::RejectRole}, {IDRETRY, QMessageBox::AcceptRole}, {IDIGNORE, QMessageBox::AcceptRole}};
      case MB_YESNOCANCEL:
        return {{IDYES, QMessageBox::YesRole}, {IDNO, QMessageBox::NoRole}, {IDCANCEL, QMessageBox::RejectRole}};
      case MB_YESNO: return {{IDYES, QMessageBox::YesRole}, {IDNO, QMessageBox::NoRole}};
      case MB_RETRYCANCEL: return {{IDRETRY, QMessageBox::AcceptRole}, {IDCANCEL, QMessageBox::RejectRole}};
      default: return {{IDOK, QMessageBox::AcceptRole}};
    }
  }
  static const char* Label(int Id) {
    switch (Id) {
      case IDOK: return "确定";
      case IDCANCEL: return "取消";
      case IDABORT: return "终止";
      case IDRETRY: return "重试";
      case IDIGNORE: return "忽略";
      case IDYES: return "是";
      default: return "否";
    }
  }
};

TServiceSlot<TDesktopService>& DesktopSlot() {
  static TServiceSlot<TDesktopService> slot;
  return slot;
}

// The screen's metrics follow the desktop installed at the time (a test's fixed one, or the
// program's screen), from the start of any program that has this layer.
[[maybe_unused]] const bool ScreenMetricsFollowDesktop = [] {
  SetScreenSizeSource([] {
    const TRect screen = Desktop().ScreenRect();
    return TSize{screen.Width(), screen.Height()};
  });
  return true;
}();

TServiceSlot<TMessageBoxService>& MessageBoxSlot() {
  static TServiceSlot<TMessageBoxService> slot;
  return slot;
}

struct TCursorState {
  TCursorHook Hook = ApplyNativeCursor;
  TExceptionSink Sink;
};

TCursorState& Services() {
  static TCursorState state;
  return state;
}

}  // namespace

TDesktopService& Desktop() {
  return DesktopSlot().Get([] { return std::make_unique<TScreenDesktop>(); });
}

std::unique_ptr<TDesktopService> SetDesktop(std::unique_ptr<TDesktopService> NewDesktop) {
  return DesktopSlot().Replace(std::move(NewDesktop));
}

std::unique_ptr<TMessageBoxService> SetMessageBoxService(std::unique_ptr<TMessageBoxService> Service) {
  return MessageBoxSlot().Replace(std::move(Service));
}

int MessageBox(HWND Owner, const String& Text, const String& Caption, UINT Flags) {
  return MessageBoxSlot().Get([] { return std::make_unique<TQtMessageBox>(); }).Show(Owner, Text, Caption, Flags);
}

HCURSOR LoadCursor(HCURSOR StandardId) { return StandardId; }

HCURSOR SetCursor(HCURSOR Cursor) {
  const HCURSOR previous = State().Cursor;
  State().Cursor = Cursor;
  if (Cursor != previous && Services().Hook) Services().Hook(Cursor);
  return previous;
}

HCURSOR GetCursor() { return State().Cursor; }

TCursorHook SetCursorHook(TCursorHook Hook) { return std::exchange(Services().Hook, std::move(Hook)); }

TExceptionSink SetExceptionSink(TExceptionSink Sink) { return std::exchange(Services().Sink, std::move(Sink)); }

void HandleBoundaryException(std::exception_ptr Error) {
  if (Services().Sink) {
    try {
      Services().Sink(Error);
      return;
    } catch (...) {
      Error = std::current_exception();
    }
  }
  try {
    std::rethrow_exception(Error);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quorin: unhandled exception: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "quorin: unhandled exception\n");
  }
}
