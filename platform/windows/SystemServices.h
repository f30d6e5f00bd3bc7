// Small services of the system behind one replaceable interface: sounds (named system sounds are
// recorded, never played), the beep, opening a document or address with the desktop's program,
// and help requests (recorded: the program ships no help file). System parameters read from the
// desktop and metrics services sit here too.
#pragma once

#include <memory>

#include "graphics/GdiObjects.h"
#include "windows/Messages.h"

class TSystemService {
 public:
  virtual ~TSystemService() = default;
  virtual void PlaySound(const String& Sound, DWORD Flags) { (void)Sound, (void)Flags; }
  virtual void MessageBeep(UINT Type) = 0;
  // Answers whether the desktop took the target (a file path or an address).
  virtual bool ShellOpen(const String& Target) = 0;
  virtual bool Help(HWND Wnd, const String& File, UINT Command, uintptr_t Data) {
    (void)Wnd, (void)File, (void)Command, (void)Data;
    return false;
  }
};

// Installs a service and answers the previous one (the program's is made on first use).
std::unique_ptr<TSystemService> SetSystemService(std::unique_ptr<TSystemService> Service);

enum : DWORD {
  SND_ASYNC = 0x1, SND_NODEFAULT = 0x2, SND_NOSTOP = 0x10, SND_ALIAS = 0x10000,
  SND_NOWAIT = 0x2000,
};
bool PlaySound(const String& Sound, DWORD Flags);
bool MessageBeep(UINT Type);
// Opens File (Operation "open" or empty; other operations are refused) and answers a value
// above 32 on success, as the original does; SE_ERR_NOASSOC when nothing took it.
enum : intptr_t { SE_ERR_NOASSOC = 31 };
intptr_t ShellExecute(HWND Wnd, const String& Operation, const String& File, const String& Parameters,
                      const String& Directory, int ShowCommand);

enum : UINT {
  HELP_CONTEXT = 0x1, HELP_CONTENTS = 0x3,
  HELP_CONTEXTPOPUP = 0x8, HELP_SETPOPUP_POS = 0xD,
};
bool WinHelp(HWND Wnd, const String& File, UINT Command, uintptr_t Data);

// System parameters: the work area of the primary monitor (TRect*), the wheel's lines (UINT*),
// the non-client metrics (NONCLIENTMETRICS*) and the icon-title font (TLogFont*).
enum : UINT {
  SPI_GETICONTITLELOGFONT = 0x1F, SPI_GETNONCLIENTMETRICS = 0x29, SPI_GETWHEELSCROLLLINES = 0x68,
  SPI_GETWORKAREA = 0x30,
  // What changed, as WM_SETTINGCHANGE tells it in wParam.
  SPI_SETNONCLIENTMETRICS = 0x2A, SPI_SETWORKAREA = 0x2F,
};
// Frame and caption sizes from the metrics table, fonts from the system font table.
struct NONCLIENTMETRICS {
  int iBorderWidth = 0;
  int iScrollWidth = 0;
  int iScrollHeight = 0;
  int iCaptionWidth = 0;
  int iCaptionHeight = 0;
  TLogFont lfCaptionFont;
  int iSmCaptionWidth = 0;
  int iSmCaptionHeight = 0;
  TLogFont lfSmCaptionFont;
  int iMenuWidth = 0;
  int iMenuHeight = 0;
  TLogFont lfMenuFont;
  TLogFont lfStatusFont;
  TLogFont lfMessageFont;
};
bool SystemParametersInfo(UINT Action, UINT Param, void* Value, UINT WinIni);

// The monitor that holds a point (the nearest one) and its work area.
TRect MonitorRectAtPoint(TPoint ScreenPoint);
TRect WorkAreaAtPoint(TPoint ScreenPoint);
