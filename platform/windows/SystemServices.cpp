// The program's system service (beep and desktop opening through Qt) and the calls over it.
#include "windows/SystemServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "graphics/Metrics.h"
#include "graphics/SystemFonts.h"
#include "windows/Layer_p.h"
#include "windows/ServiceSlot.h"

namespace {

class TDesktopSystemService : public TSystemService {
 public:
  void MessageBeep(UINT) override { QApplication::beep(); }
  bool ShellOpen(const String& Target) override {
    const QString text = QString::fromStdString(Target);
    const QUrl url = QFileInfo::exists(text) ? QUrl::fromLocalFile(text) : QUrl::fromUserInput(text);
    return url.isValid() && QDesktopServices::openUrl(url);
  }
};

TServiceSlot<TSystemService>& Slot() {
  static TServiceSlot<TSystemService> slot;
  return slot;
}

TSystemService& Service() {
  return Slot().Get([] { return std::make_unique<TDesktopSystemService>(); });
}

NONCLIENTMETRICS CurrentNonClientMetrics() {
  const TSystemFonts& fonts = GetSystemFonts();
  NONCLIENTMETRICS m;
  m.iBorderWidth = GetSystemMetrics(SM_CXFRAME);
  m.iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  m.iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
  m.iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
  m.iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
  m.lfCaptionFont = fonts.Caption;
  m.iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
  m.iSmCaptionHeight = GetSystemMetrics(SM_CYSMSIZE);
  m.lfSmCaptionFont = fonts.SmallCaption;
  m.iMenuWidth = GetSystemMetrics(SM_CXMENUSIZE);
  m.iMenuHeight = GetSystemMetrics(SM_CYMENUSIZE);
  m.lfMenuFont = fonts.Menu;
  m.lfStatusFont = fonts.Status;
  m.lfMessageFont = fonts.Message;
  return m;
}

}  // namespace

std::unique_ptr<TSystemService> SetSystemService(std::unique_ptr<TSystemService> Service) {
  return Slot().Replace(std::move(Service));
}

bool PlaySound(const String& Sound, DWORD Flags) {
  Service().PlaySound(Sound, Flags);
  return true;
}

bool MessageBeep(UINT Type) {
  Service().MessageBeep(Type);
  return true;
}

intptr_t ShellExecute(HWND, const String& Operation, const String& File, const String&, const String&, int) {
  const QString operation = QString::fromStdString(Operation).toLower();
  if (!operation.isEmpty() && operation != "open") return SE_ERR_NOASSOC;
  return Service().ShellOpen(File) ? intptr_t{42} : intptr_t{SE_ERR_NOASSOC};
}

bool WinHelp(HWND Wnd, const String& File, UINT Command, uintptr_t Data) { return Service().Help(Wnd, File, Command, Data); }

bool SystemParametersInfo(UINT Action, UINT, void* Value, UINT) {
  if (!Value) return false;
  switch (Action) {
    case SPI_GETWORKAREA: *static_cast<TRect*>(Value) = Desktop().WorkArea(); return true;
    case SPI_GETWHEELSCROLLLINES: *static_cast<UINT*>(Value) = static_cast<UINT>(Desktop().WheelScrollLines()); return true;
    case SPI_GETNONCLIENTMETRICS: *static_cast<NONCLIENTMETRICS*>(Value) = CurrentNonClientMetrics(); return true;
    case SPI_GETICONTITLELOGFONT: *static_cast<TLogFont*>(Value) = GetSystemFonts().IconTitle; return true;
    default: return false;
  }
}

TRect MonitorRectAtPoint(TPoint ScreenPoint) { return Desktop().MonitorRectAt(ScreenPoint); }
TRect WorkAreaAtPoint(TPoint ScreenPoint) { return Desktop().WorkAreaAt(ScreenPoint); }
