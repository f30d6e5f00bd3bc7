// The clipboard service over Qt's clipboard, the in-memory one, the listeners and the clipboard
// object.
#include "windows/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <algorithm>
#include <vector>

#include "graphics/BitmapQt.h"
#include "windows/Layer_p.h"
#include "windows/ServiceSlot.h"

namespace {

// The window system's clipboard; its change signal reaches the listeners.
class TQtClipboard : public TClipboardService {
 public:
  TQtClipboard() {
    if (QClipboard* clipboard = Native())
      QObject::connect(clipboard, &QClipboard::dataChanged, [] { RunGuarded(NotifyClipboardChanged); });
  }
  bool HasText() const override { return Native() && Native()->mimeData() && Native()->mimeData()->hasText(); }
  String Text() const override { return Native() ? Native()->text().toStdString() : String(); }
  void SetText(const String& Text) override {
    if (Native()) Native()->setText(QString::fromStdString(Text));
  }
  bool HasPicture() const override { return Native() && Native()->mimeData() && Native()->mimeData()->hasImage(); }
  bool GetPicture(TBitmap& Picture) const override {
    if (!HasPicture()) return false;
    const QImage image = Native()->image().convertToFormat(QImage::Format_RGB32);
    Picture.SetSize(image.width(), image.height());
    QtImage(Picture) = image;
    return true;
  }
  void SetPicture(const TBitmap& Picture) override {
    if (Native()) Native()->setImage(QtImage(Picture));
  }
  void Clear() override {
    if (Native()) Native()->clear();
  }

 private:
  static QClipboard* Native() { return qGuiApp ? QGuiApplication::clipboard() : nullptr; }
};

TServiceSlot<TClipboardService>& Slot() {
  static TServiceSlot<TClipboardService> slot;
  return slot;
}

std::vector<HWND>& Listeners() {
  static std::vector<HWND> listeners;
  return listeners;
}

}  // namespace

TMemoryClipboard::TMemoryClipboard() = default;
TMemoryClipboard::~TMemoryClipboard() = default;

void TMemoryClipboard::SetText(const String& Text) {
  FPicture.reset();
  FHasText = true;
  FText = Text;
  NotifyClipboardChanged();
}

bool TMemoryClipboard::HasPicture() const { return FPicture != nullptr; }

bool TMemoryClipboard::GetPicture(TBitmap& Picture) const {
  if (!FPicture) return false;
  Picture.Assign(FPicture.get());
  return true;
}

void TMemoryClipboard::SetPicture(const TBitmap& Picture) {
  FHasText = false;
  FText.clear();
  FPicture = std::make_unique<TBitmap>();
  FPicture->Assign(&Picture);
  NotifyClipboardChanged();
}

void TMemoryClipboard::Clear() {
  FHasText = false;
  FText.clear();
  FPicture.reset();
  NotifyClipboardChanged();
}

std::unique_ptr<TClipboardService> SetClipboardService(std::unique_ptr<TClipboardService> Service) {
  return Slot().Replace(std::move(Service));
}

TClipboardService& ClipboardService() {
  return Slot().Get([] { return std::make_unique<TQtClipboard>(); });
}

bool IsClipboardFormatAvailable(UINT Format) {
  if (Format == CF_TEXT || Format == CF_UNICODETEXT) return ClipboardService().HasText();
  if (Format == CF_BITMAP) return ClipboardService().HasPicture();
  return false;
}

bool AddClipboardFormatListener(HWND Wnd) {
  if (!IsWindow(Wnd)) return false;
  if (std::find(Listeners().begin(), Listeners().end(), Wnd) == Listeners().end()) Listeners().push_back(Wnd);
  return true;
}

bool RemoveClipboardFormatListener(HWND Wnd) { return std::erase(Listeners(), Wnd) > 0; }

void NotifyClipboardChanged() {
  std::erase_if(Listeners(), [](HWND w) { return !IsWindow(w); });
  for (HWND listener : Listeners()) PostMessage(listener, WM_CLIPBOARDUPDATE);
}

String TClipboard::AsText() const { return ClipboardService().HasText() ? ClipboardService().Text() : String(); }
void TClipboard::SetAsText(const String& Text) { ClipboardService().SetText(Text); }
bool TClipboard::HasFormat(UINT Format) const { return IsClipboardFormatAvailable(Format); }
void TClipboard::Clear() { ClipboardService().Clear(); }
void TClipboard::Assign(const TBitmap& Picture) { ClipboardService().SetPicture(Picture); }
bool TClipboard::GetPicture(TBitmap& Picture) const { return ClipboardService().GetPicture(Picture); }

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}
