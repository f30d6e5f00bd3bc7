// The clipboard: text and pictures through a replaceable service (the program's works over the
// window system's clipboard, tests use one in memory), and the clipboard object of the class
// library. Windows registered with AddClipboardFormatListener get WM_CLIPBOARDUPDATE after every
// change.
#pragma once

#include <memory>

#include "windows/Messages.h"

class TBitmap;

enum : UINT { CF_TEXT = 1, CF_BITMAP = 2, CF_UNICODETEXT = 13 };

class TClipboardService {
 public:
  virtual ~TClipboardService() = default;
  virtual bool HasText() const = 0;
  virtual String Text() const = 0;
  virtual void SetText(const String& Text) = 0;
  virtual bool HasPicture() const = 0;
  // Answers false when the clipboard holds no picture.
  virtual bool GetPicture(TBitmap& Picture) const = 0;
  virtual void SetPicture(const TBitmap& Picture) = 0;
  virtual void Clear() = 0;
};

// A clipboard of the program's own, for tests and for running without a window system.
class TMemoryClipboard : public TClipboardService {
 public:
  TMemoryClipboard();
  ~TMemoryClipboard() override;
  bool HasText() const override { return FHasText; }
  String Text() const override { return FText; }
  void SetText(const String& Text) override;
  bool HasPicture() const override;
  bool GetPicture(TBitmap& Picture) const override;
  void SetPicture(const TBitmap& Picture) override;
  void Clear() override;

 private:
  bool FHasText = false;
  String FText;
  std::unique_ptr<TBitmap> FPicture;
};

// Installs a service and answers the previous one (the window system's is made on first use).
std::unique_ptr<TClipboardService> SetClipboardService(std::unique_ptr<TClipboardService> Service);
TClipboardService& ClipboardService();

bool IsClipboardFormatAvailable(UINT Format);
bool AddClipboardFormatListener(HWND Wnd);
bool RemoveClipboardFormatListener(HWND Wnd);
// Posts WM_CLIPBOARDUPDATE to the listeners (services call it after a change).
void NotifyClipboardChanged();

// The class library's clipboard object.
class TClipboard {
 public:
  String AsText() const;
  void SetAsText(const String& Text);
  // CF_TEXT or CF_BITMAP (a picture of any kind that can be pasted).
  bool HasFormat(UINT Format) const;
  void Clear();
  void Assign(const TBitmap& Picture);
  // Answers false when the clipboard holds no picture.
  bool GetPicture(TBitmap& Picture) const;
};

TClipboard& Clipboard();
