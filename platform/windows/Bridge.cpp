// The Qt side of each window: a widget that shows the window's backing image and hands every
// native input event to the layer's input entry, and the native focus, stacking and cursor that
// follow the layer's own state.
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include "windows/Cursors.h"
#include "windows/Layer_p.h"
#include "windows/NativeDialogQt.h"
#include "windows/NativeInput_p.h"

namespace {

int ButtonOf(Qt::MouseButton Button) {
  switch (Button) {
    case Qt::RightButton: return VK_RBUTTON;
    case Qt::MiddleButton: return VK_MBUTTON;
    default: return VK_LBUTTON;
  }
}

TPoint ScreenPointOf(const QPointF& Global) { return {qRound(Global.x()), qRound(Global.y())}; }

// The modifier keys as Qt reports them with each event: kept in step with the layer's state in
// case a modifier went down or up while another window had the keyboard.
void SyncModifiers(Qt::KeyboardModifiers Modifiers) {
  const std::pair<int, Qt::KeyboardModifier> keys[] = {
      {VK_SHIFT, Qt::ShiftModifier}, {VK_CONTROL, Qt::ControlModifier}, {VK_MENU, Qt::AltModifier}};
  for (const auto& [vk, modifier] : keys) {
    const bool down = Modifiers.testFlag(modifier);
    if ((GetAsyncKeyState(vk) < 0) != down) QueueKeyInput(vk, down, String());
  }
}

class TWindowWidget : public QWidget {
 public:
  TWindowWidget(HWND Wnd, QWidget* Parent, Qt::WindowFlags Flags) : QWidget(Parent, Flags), FWnd(Wnd) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Parent ? Qt::NoFocus : Qt::StrongFocus);
  }
  bool Placing = false;  // the layer is moving the widget: no geometry goes back to the layer

 protected:
  void paintEvent(QPaintEvent* Event) override {
    TWindowRecord* rec = Windows().Find(FWnd);
    if (!rec) return;
    QPainter painter(this);
    for (const QRect& r : Event->region()) painter.drawImage(r, rec->Image, r);
  }

  bool event(QEvent* Event) override {
    switch (Event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        // A key a native editor did not take comes up here while it is replayed: it stops.
        if (!State().Replaying) RunGuarded([&] { QueueKey(static_cast<QKeyEvent&>(*Event)); });
        return true;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
        RunGuarded([&] { QueueMouse(static_cast<QMouseEvent&>(*Event)); });
        return true;
      case QEvent::Wheel: {
        auto& wheel = static_cast<QWheelEvent&>(*Event);
        RunGuarded([&] { QueueMouseInput(TMouseInput::Wheel, ScreenPointOf(wheel.globalPosition()), 0, wheel.angleDelta().y()); });
        return true;
      }
      case QEvent::Leave:
        if (!parentWidget())
          RunGuarded([] {
            SetCursorPos(QCursor::pos().x(), QCursor::pos().y());
            CheckMouseLeave(TPoint{QCursor::pos().x(), QCursor::pos().y()});
          });
        return true;
      case QEvent::Close:
        // The window system's close button: the window decides, as for its own close command.
        RunGuarded([&] { PostMessage(FWnd, WM_SYSCOMMAND, SC_CLOSE); });
        Event->ignore();
        return true;
      default:
        return QWidget::event(Event);
    }
  }

  // A top-level window moved or sized by the window system.
  void moveEvent(QMoveEvent*) override { FollowNativeGeometry(); }
  void resizeEvent(QResizeEvent*) override { FollowNativeGeometry(); }

 private:
  void FollowNativeGeometry() {
    if (Placing || parentWidget()) return;
    TWindowRecord* rec = Windows().Find(FWnd);
    if (!rec) return;
    const QRect g = geometry();
    if (Bounds(g.x(), g.y(), g.width(), g.height()) == rec->Bounds) return;
    RunGuarded([&] { SetWindowPos(FWnd, HWND(), g.x(), g.y(), g.width(), g.height(), SWP_NOZORDER | SWP_NOACTIVATE); });
  }

  void QueueKey(QKeyEvent& Key) {
    SyncModifiers(Key.modifiers());
    const String text = Key.text().toStdString();
    const int vk = VirtualKeyOfTypedKey(Key.key(), Key.modifiers().testFlag(Qt::KeypadModifier), text);
    if (!vk) return;
    auto native = std::make_shared<const TNativeInput>(text, std::unique_ptr<QEvent>(Key.clone()));
    QueueKeyInput(vk, Key.type() == QEvent::KeyPress, text, Key.isAutoRepeat(), std::move(native));
  }

  void QueueMouse(QMouseEvent& Mouse) {
    SyncModifiers(Mouse.modifiers());
    const TPoint at = ScreenPointOf(Mouse.globalPosition());
    switch (Mouse.type()) {
      case QEvent::MouseMove:
        QueueMouseInput(TMouseInput::Move, at);
        break;
      case QEvent::MouseButtonRelease:
        QueueMouseInput(TMouseInput::Release, at, ButtonOf(Mouse.button()));
        FLastWasPress = false;
        break;
      case QEvent::MouseButtonDblClick:
        // Qt may report the second press only as a double click: the layer decides about
        // double clicks itself, from presses.
        if (FLastWasPress) break;
        [[fallthrough]];
      default:
        QueueMouseInput(TMouseInput::Press, at, ButtonOf(Mouse.button()));
        FLastWasPress = true;
        break;
    }
  }

  HWND FWnd;
  bool FLastWasPress = false;
};

// The buttons a native caption shows: close with the system menu, minimise and maximise with
// their boxes, help with the context-help style.
Qt::WindowFlags CaptionButtonsOf(const TWindowRecord& Rec) {
  if ((Rec.Style & WS_CAPTION) != WS_CAPTION) return {};
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (Rec.Style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (Rec.Style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  if (Rec.Style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
  if (Rec.ExStyle & WS_EX_CONTEXTHELP) flags |= Qt::WindowContextHelpButtonHint;
  return flags;
}

// Pop-up windows draw their own frame and have no task-bar entry; other top-level windows have the
// window system's frame with the caption buttons of their styles. An owned window is a dialog to
// the window system, the kind it keeps above the window it is transient for. Windows that never
// take the activation do not take the native focus either.
Qt::WindowFlags FlagsOf(const TWindowRecord& Rec) {
  if (Rec.IsChild()) return Qt::Widget;
  Qt::WindowFlags flags = Rec.Owner ? Qt::Dialog : Qt::Window;
  if (Rec.ExStyle & WS_EX_TOOLWINDOW) flags = Qt::Tool;
  flags |= CaptionButtonsOf(Rec);
  if ((Rec.Style & WS_POPUP) && !(Rec.ExStyle & WS_EX_APPWINDOW)) flags = Qt::Tool | Qt::FramelessWindowHint;
  if (Rec.ExStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
  if (Rec.ExStyle & WS_EX_NOACTIVATE) flags |= Qt::WindowDoesNotAcceptFocus;
  if (Rec.ExStyle & WS_EX_TRANSPARENT) flags |= Qt::WindowTransparentForInput;
  return flags;
}

// The layer closes its pop-ups when the application as a whole is deactivated: a press outside
// the application reaches none of its windows.
void WatchApplicationState() {
  static bool connected = false;
  if (connected || !qGuiApp) return;
  connected = true;
  QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, [](Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive) RunGuarded(WatchDeactivation);
  });
}

// The native window a top-level window belongs to: its owner's; for a pop-up without an owner
// (a hint, a drop-down made without one) the active window's. None for a window that owns it in turn.
QWidget* NativeOwnerOf(const TWindowRecord& Rec) {
  HWND owner = Rec.Owner ? RootOf(Rec.Owner) : HWND();
  if (!owner && (Rec.Style & WS_POPUP) && !(Rec.Style & WS_CAPTION)) owner = State().Active;
  for (HWND w = owner; w; w = GetWindow(w, GW_OWNER))
    if (w == Rec.Handle) return nullptr;
  TWindowRecord* rec = owner ? Windows().Find(owner) : nullptr;
  return rec && !rec->IsChild() ? rec->Widget.get() : nullptr;
}

// Every window manager keeps a transient window above the window it is transient for and
// activates the two together; without this Qt makes each dialog and tool window transient for its
// hidden leader window, which ties it to nothing on the screen.
void ApplyTransientParent(TWindowRecord& Rec) {
  QWidget* widget = Rec.Widget.get();
  if (!widget || Rec.IsChild()) return;
  QWidget* owner = NativeOwnerOf(Rec);
  if (owner) owner->winId();
  widget->winId();
  if (QWindow* window = widget->windowHandle()) window->setTransientParent(owner ? owner->windowHandle() : nullptr);
}

// A frame without a sizing border keeps its size: the window system offers no resizing or
// maximising for it.
void ApplyFixedSize(QWidget* Widget, const TWindowRecord& Rec) {
  if (Rec.IsChild()) return;
  const bool fixed = (Rec.Style & WS_CAPTION) == WS_CAPTION && !(Rec.Style & WS_THICKFRAME);
  if (fixed) {
    Widget->setFixedSize(Rec.Bounds.Width(), Rec.Bounds.Height());
  } else {
    Widget->setMinimumSize(0, 0);
    Widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

QWidget* ParentWidgetOf(const TWindowRecord& Rec) {
  if (!Rec.IsChild()) return nullptr;
  TWindowRecord* parent = Windows().Find(Rec.Parent);
  return parent ? parent->Widget.get() : nullptr;
}

TWindowWidget* WidgetOf(TWindowRecord& Rec) { return static_cast<TWindowWidget*>(Rec.Widget.get()); }

}  // namespace

std::unique_ptr<QWidget, TDeferredWidgetDeleter> CreateWindowWidget(TWindowRecord& Rec) {
  WatchApplicationState();
  auto* widget = new TWindowWidget(Rec.Handle, ParentWidgetOf(Rec), FlagsOf(Rec));
  widget->setWindowTitle(QString::fromStdString(Rec.Text));
  widget->Placing = true;
  ApplyFixedSize(widget, Rec);
  widget->setGeometry(Rec.Bounds.Left, Rec.Bounds.Top, Rec.Bounds.Width(), Rec.Bounds.Height());
  widget->Placing = false;
  return std::unique_ptr<QWidget, TDeferredWidgetDeleter>(widget);
}

void ApplyWidgetGeometry(TWindowRecord& Rec) {
  TWindowWidget* widget = WidgetOf(Rec);
  if (!widget) return;
  widget->Placing = true;
  ApplyFixedSize(widget, Rec);
  widget->setGeometry(Rec.Bounds.Left, Rec.Bounds.Top, Rec.Bounds.Width(), Rec.Bounds.Height());
  widget->Placing = false;
  widget->update();
}

// A change of hints alone (stay on top, caption buttons) goes to the native window as it is; a
// change of kind makes Qt create the native window anew, hidden.
void ApplyWidgetFlags(TWindowRecord& Rec) {
  TWindowWidget* widget = WidgetOf(Rec);
  const Qt::WindowFlags flags = FlagsOf(Rec);
  if (!widget || Rec.IsChild() || widget->windowFlags() == flags) return;
  QWindow* window = widget->windowHandle();
  if (window && (widget->windowFlags() & Qt::WindowType_Mask) == (flags & Qt::WindowType_Mask)) {
    widget->overrideWindowFlags(flags);
    window->setFlags(flags);
    return;
  }
  const bool visible = widget->isVisible();
  widget->setWindowFlags(flags);
  ApplyWidgetGeometry(Rec);
  if (visible) ShowWidget(Rec, true, false);
}

// The offscreen platform cannot shape top-level windows; the layer's own hit-testing still does.
void ApplyWidgetMask(TWindowRecord& Rec) {
  TWindowWidget* widget = WidgetOf(Rec);
  if (!widget || (!Rec.IsChild() && QGuiApplication::platformName() == "offscreen")) return;
  if (Rec.Region) {
    widget->setMask(*Rec.Region);
  } else {
    widget->clearMask();
  }
}

void ReparentWidget(TWindowRecord& Rec) {
  TWindowWidget* widget = WidgetOf(Rec);
  if (!widget) return;
  widget->setParent(ParentWidgetOf(Rec), FlagsOf(Rec));
  widget->setFocusPolicy(Rec.IsChild() ? Qt::NoFocus : Qt::StrongFocus);
  ApplyWidgetGeometry(Rec);
  ShowWidget(Rec, (Rec.Style & WS_VISIBLE) != 0, false);
}

void ShowWidget(TWindowRecord& Rec, bool Show, bool Activate) {
  TWindowWidget* widget = WidgetOf(Rec);
  if (!widget) return;
  if (Show) ApplyTransientParent(Rec);
  widget->setAttribute(Qt::WA_ShowWithoutActivating, !Activate);
  if (Show && (Rec.Style & WS_MINIMIZE)) {
    widget->showMinimized();
  } else {
    widget->setVisible(Show);
  }
  // A window shown without the activation (a menu, a drop-down) still comes to the top of its
  // group, as in the layer's z-order: a window manager maps such a window below the active one.
  if (Show && !Activate && !Rec.IsChild() && QGuiApplication::platformName() != "offscreen") widget->raise();
}

// While the layer holds the capture, the capture window's top-level widget grabs the native
// pointer. Qt otherwise forgets the pressed widget when it is hidden or moves to another native
// window (a toolbar that floats or docks under the pointer) and drops the rest of the drag. A
// window with a native text box leaves the pointer to the box, which selects text with it.
void GrabNativePointer(HWND Capture) {
  static QPointer<QWidget> grabber;
  TWindowRecord* rec = Capture ? Windows().Find(Capture) : nullptr;
  TWindowRecord* top = rec && !rec->NativeEditor ? Windows().Find(RootOf(Capture)) : nullptr;
  QWidget* target = top && top->Widget && top->Widget->isVisible() ? top->Widget.get() : nullptr;
  if (grabber == target) return;
  if (grabber) grabber->releaseMouse();
  grabber = target;
  if (target) target->grabMouse();
}

// Qt sets a dialog's transient parent from its parent widget when it shows it, and to its leader
// window without one.
void MakeTransientForActiveWindow(QWidget* Dialog) {
  TWindowRecord* active = Windows().Find(State().Active);
  if (Dialog && active && active->Widget) Dialog->setParent(active->Widget.get(), Dialog->windowFlags());
}

void SyncNativeFocus(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return;
  if (rec->NativeEditor) {
    rec->NativeEditor->setFocus(Qt::OtherFocusReason);
    return;
  }
  if (TWindowRecord* top = Windows().Find(RootOf(Wnd)); top && top->Widget) top->Widget->setFocus(Qt::OtherFocusReason);
}

namespace {

// The window manager may answer an activation request by focusing another window: when the
// request races the unmapping of the window that had the focus (a message box closing over its
// dialog), its own choice of the next focus comes last. The request is made again once the
// window system has settled, as long as the layer still holds the window active.
void InsistOnActivation(HWND Wnd, int Tries) {
  QTimer::singleShot(100, [Wnd, Tries] {
    TWindowRecord* rec = Windows().Find(Wnd);
    if (!rec || !rec->Widget || !rec->Widget->isVisible() || State().Active != Wnd) return;
    if (rec->Widget->isActiveWindow()) return;
    rec->Widget->activateWindow();
    if (Tries > 1) InsistOnActivation(Wnd, Tries - 1);
  });
}

}  // namespace

void RaiseNativeWindow(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  // The offscreen platform has no stacking to change and activates windows by itself.
  if (!rec || !rec->Widget || !rec->Widget->isVisible() || QGuiApplication::platformName() == "offscreen") return;
  rec->Widget->raise();
  rec->Widget->activateWindow();
  InsistOnActivation(Wnd, 5);
}

namespace {

QCursor NativeCursorOf(HCURSOR Cursor) {
  QPoint hot;
  if (const QImage* image = DrawnCursorImage(Cursor, hot)) return QCursor(QPixmap::fromImage(*image), hot.x(), hot.y());
  Qt::CursorShape shape = Qt::ArrowCursor;
  switch (Cursor) {
    case IDC_IBEAM: shape = Qt::IBeamCursor; break;
    case IDC_WAIT: shape = Qt::WaitCursor; break;
    case IDC_CROSS: shape = Qt::CrossCursor; break;
    case IDC_UPARROW: shape = Qt::UpArrowCursor; break;
    case IDC_SIZENWSE: shape = Qt::SizeFDiagCursor; break;
    case IDC_SIZENESW: shape = Qt::SizeBDiagCursor; break;
    case IDC_SIZEWE: shape = Qt::SizeHorCursor; break;
    case IDC_SIZENS: shape = Qt::SizeVerCursor; break;
    case IDC_SIZEALL: shape = Qt::SizeAllCursor; break;
    case IDC_NO: shape = Qt::ForbiddenCursor; break;
    case IDC_HAND: shape = Qt::PointingHandCursor; break;
    case IDC_APPSTARTING: shape = Qt::BusyCursor; break;
    case IDC_HELP: shape = Qt::WhatsThisCursor; break;
    case IDC_HSPLIT: shape = Qt::SplitHCursor; break;
    case IDC_VSPLIT: shape = Qt::SplitVCursor; break;
    case IDC_SQLWAIT: shape = Qt::WaitCursor; break;
    default: break;
  }
  return QCursor(shape);
}

}  // namespace

void ApplyNativeCursor(HCURSOR Cursor) {
  const QCursor cursor = NativeCursorOf(Cursor);
  for (HWND top : Windows().TopLevels())
    if (TWindowRecord* rec = Windows().Find(top); rec && rec->Widget) rec->Widget->setCursor(cursor);
}
