// Native text boxes inside windows: their input goes through the queue and comes back to them
// from the window's default handling.
#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "windows/Layer_p.h"
#include "windows/NativeEditorQt.h"
#include "windows/NativeInput_p.h"

namespace {

class TNativeEditorFilter : public QObject {
 public:
  explicit TNativeEditorFilter(HWND Host, QObject* Parent) : QObject(Parent), FHost(Host) {}

  bool eventFilter(QObject*, QEvent* Event) override {
    if (State().Replaying) return false;
    switch (Event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease: {
        auto& key = static_cast<QKeyEvent&>(*Event);
        const String text = key.text().toStdString();
        const int vk = VirtualKeyOfTypedKey(key.key(), key.modifiers().testFlag(Qt::KeypadModifier), text);
        if (!vk) return true;
        RunGuarded([&] {
          QueueKeyInput(vk, key.type() == QEvent::KeyPress, text, key.isAutoRepeat(),
                        std::make_shared<const TNativeInput>(text, std::unique_ptr<QEvent>(key.clone())));
        });
        return true;
      }
      case QEvent::InputMethod: {
        auto& im = static_cast<QInputMethodEvent&>(*Event);
        TQueuedMessage item;
        item.Msg.hwnd = FHost;
        item.Msg.message = WM_IME_COMPOSITION;
        item.Msg.lParam = im.commitString().isEmpty() ? GCS_COMPSTR : GCS_RESULTSTR;
        item.Msg.time = GetTickCount();
        item.Msg.Native = std::make_shared<const TNativeInput>(im.commitString().toStdString(), std::unique_ptr<QEvent>(im.clone()));
        item.InInputOrder = true;
        RunGuarded([&] { Enqueue(std::move(item)); });
        return true;
      }
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        QueueMouse(static_cast<QMouseEvent&>(*Event));
        return false;  // the editor places its caret; the window hears of the press too
      default:
        return false;
    }
  }

 private:
  void QueueMouse(const QMouseEvent& Mouse) {
    const int button = Mouse.button() == Qt::RightButton ? VK_RBUTTON : Mouse.button() == Qt::MiddleButton ? VK_MBUTTON : VK_LBUTTON;
    const QPoint p = Mouse.globalPosition().toPoint();
    const bool press = Mouse.type() != QEvent::MouseButtonRelease;
    RunGuarded([&] { QueueMouseInput(press ? TMouseInput::Press : TMouseInput::Release, {p.x(), p.y()}, button); });
  }
  HWND FHost;
};

Qt::KeyboardModifiers CurrentModifiers() {
  Qt::KeyboardModifiers mods;
  if (GetKeyState(VK_SHIFT) < 0) mods |= Qt::ShiftModifier;
  if (GetKeyState(VK_CONTROL) < 0) mods |= Qt::ControlModifier;
  if (GetKeyState(VK_MENU) < 0) mods |= Qt::AltModifier;
  return mods;
}

// The event to give back: the key without its text (the character message brings the text), the
// character as a key event of text only, the input-method event as it came.
std::unique_ptr<QEvent> ReplayEventOf(UINT Msg, WPARAM WParam, const TNativeInput* Native) {
  const QEvent* original = Native ? Native->Event() : nullptr;
  switch (Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP: {
      const auto* key = dynamic_cast<const QKeyEvent*>(original);
      const bool down = Msg == WM_KEYDOWN || Msg == WM_SYSKEYDOWN;
      const int qtKey = key ? key->key() : QtKeyOfVirtualKey(static_cast<int>(WParam));
      const auto mods = key ? key->modifiers() : CurrentModifiers();
      return std::make_unique<QKeyEvent>(down ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, mods, QString());
    }
    case WM_CHAR: {
      const auto c = static_cast<char32_t>(WParam);
      const QString text = QString::fromUcs4(&c, 1);
      if (c == 8) return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QString());
      if (c < 32 || c == 127) return nullptr;  // the key-down already did what control characters do
      return std::make_unique<QKeyEvent>(QEvent::KeyPress, 0, CurrentModifiers() & ~Qt::ShiftModifier, text);
    }
    case WM_IME_COMPOSITION:
      return original ? std::unique_ptr<QEvent>(original->clone()) : nullptr;
    default:
      return nullptr;
  }
}

}  // namespace

void AttachNativeEditor(HWND Host, QWidget* Editor) {
  TWindowRecord* rec = Windows().Find(Host);
  if (!rec || !Editor) return;
  Editor->setParent(rec->Widget.get());
  Editor->setFocusPolicy(Qt::NoFocus);  // Qt never moves the focus by itself
  auto* filter = new TNativeEditorFilter(Host, Editor);
  Editor->installEventFilter(filter);
  // An editor of several lines gets its mouse presses on its viewport.
  if (auto* area = qobject_cast<QAbstractScrollArea*>(Editor)) area->viewport()->installEventFilter(filter);
  rec->NativeEditor = Editor;
  rec->NativeFilter = filter;
  if (GetFocus() == Host) SyncNativeFocus(Host);
}

void DetachNativeEditor(HWND Host) {
  TWindowRecord* rec = Windows().Find(Host);
  if (!rec || !rec->NativeEditor) return;
  if (rec->NativeFilter) {
    rec->NativeEditor->removeEventFilter(rec->NativeFilter);
    delete rec->NativeFilter.data();
  }
  rec->NativeEditor = nullptr;
}

namespace {

// Backspace deletes on its character, as the edit control does, so that a key filter that drops
// the character keeps the text; and only when its key reached the default handling too, so that
// a handler that uses up the key takes the character along. With Ctrl it types no character and
// deletes on the key.
bool HoldsBackspace(HWND Wnd, UINT Msg, WPARAM WParam) {
  if (Msg == WM_KEYDOWN && WParam == VK_BACK && GetKeyState(VK_CONTROL) >= 0) {
    State().BackspaceDown = Wnd;
    return true;
  }
  if (Msg != WM_CHAR || WParam != 8) return false;
  const bool keyReached = State().BackspaceDown == Wnd;
  State().BackspaceDown = HWND();
  return !keyReached;
}

}  // namespace

bool ReplayToNativeEditor(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec || !rec->NativeEditor) return false;
  if (HoldsBackspace(Wnd, Msg, WParam)) return true;
  std::unique_ptr<QEvent> event = ReplayEventOf(Msg, WParam, State().CurrentNative.get());
  if (!event) return false;
  QPointer<QWidget> editor = rec->NativeEditor;
  State().Replaying = true;
  QCoreApplication::sendEvent(editor, event.get());
  State().Replaying = false;
  return true;
}
