// The caret and its blinking.
#include "windows/Caret.h"

#include "graphics/Gdi.h"
#include "graphics/Graphic.h"
#include "graphics/Metrics.h"
#include "windows/Focus.h"
#include "windows/Layer_p.h"

namespace {

struct TCaret {
  HWND Wnd;
  TSize Size;
  TPoint Pos;
  int HideLevel = 1;
  bool Drawn = false;
  int PaintLevel = 0;  // paint passes that took the caret off
  UINT_PTR Timer = 0;
};

// The system's default blink interval.
constexpr UINT CaretBlinkTime = 530;

TCaret& Caret() {
  static TCaret caret;
  return caret;
}

// A focused native text box has the caret as the system's edit box has it: its text cursor. The
// layer's own caret, when a window made one, comes first.
QWidget* FocusedNativeEditor(HWND Wnd) {
  if (Caret().Wnd || !Wnd || GetFocus() != Wnd) return nullptr;
  TWindowRecord* rec = Windows().Find(Wnd);
  return rec ? rec->NativeEditor.data() : nullptr;
}

void Toggle() {
  TCaret& c = Caret();
  if (HDC dc = GetDC(c.Wnd)) {
    InvertRect(dc, Bounds(c.Pos.X, c.Pos.Y, c.Size.cx, c.Size.cy));
    ReleaseDC(c.Wnd, dc);
  }
  c.Drawn = !c.Drawn;
}

void Erase() {
  if (Caret().Drawn) Toggle();
}

void StopBlinking() {
  TCaret& c = Caret();
  if (c.Timer) KillTimer(HWND(), c.Timer);
  c.Timer = 0;
}

void StartBlinking() {
  StopBlinking();
  Caret().Timer = SetTimer(HWND(), 0, CaretBlinkTime, [](HWND, UINT, UINT_PTR, DWORD) {
    if (Caret().HideLevel == 0 && Caret().PaintLevel == 0) Toggle();
  });
}

// Shows the caret at once, as every change of place or visibility does.
void Restart() {
  TCaret& c = Caret();
  if (c.HideLevel != 0 || c.PaintLevel != 0 || !IsWindowVisible(c.Wnd)) return;
  if (!c.Drawn) Toggle();
  StartBlinking();
}

}  // namespace

bool CreateCaret(HWND Wnd, const TBitmap* Bitmap, int Width, int Height) {
  if (!IsWindow(Wnd)) return false;
  DestroyCaret();
  TCaret& c = Caret();
  c.Wnd = Wnd;
  c.Size = Bitmap ? TSize{Bitmap->Width(), Bitmap->Height()}
                  : TSize{Width ? Width : GetSystemMetrics(SM_CXBORDER), Height ? Height : GetSystemMetrics(SM_CYBORDER)};
  c.Pos = TPoint{};
  c.HideLevel = 1;
  c.PaintLevel = 0;
  return true;
}

bool DestroyCaret() {
  TCaret& c = Caret();
  if (!c.Wnd) return false;
  if (IsWindow(c.Wnd)) Erase();
  StopBlinking();
  c.Wnd = HWND();
  c.Drawn = false;
  return true;
}

bool ShowCaret(HWND Wnd) {
  if (FocusedNativeEditor(Wnd)) return true;
  TCaret& c = Caret();
  if (!c.Wnd || (Wnd && Wnd != c.Wnd) || c.HideLevel == 0) return false;
  if (--c.HideLevel == 0) Restart();
  return true;
}

bool HideCaret(HWND Wnd) {
  if (FocusedNativeEditor(Wnd)) return true;
  TCaret& c = Caret();
  if (!c.Wnd || (Wnd && Wnd != c.Wnd)) return false;
  if (c.HideLevel++ == 0) {
    Erase();
    StopBlinking();
  }
  return true;
}

bool SetCaretPos(int X, int Y) {
  TCaret& c = Caret();
  if (!c.Wnd) return false;
  if (c.Pos == TPoint{X, Y}) return true;
  if (c.PaintLevel == 0) Erase();
  c.Pos = TPoint{X, Y};
  Restart();
  return true;
}

bool GetCaretPos(TPoint& Point) {
  const HWND focus = GetFocus();
  if (QWidget* editor = FocusedNativeEditor(focus)) {
    const TWindowRecord* rec = Windows().Find(focus);
    const QPoint p = editor->pos() + editor->inputMethodQuery(Qt::ImCursorRectangle).toRect().topLeft();
    Point = TPoint{p.x() - rec->Client.Left, p.y() - rec->Client.Top};
    return true;
  }
  Point = Caret().Pos;
  return static_cast<bool>(Caret().Wnd);
}

UINT GetCaretBlinkTime() { return CaretBlinkTime; }

void HideCaretForPaint(HWND Wnd) {
  TCaret& c = Caret();
  if (!c.Wnd || c.Wnd != Wnd) return;
  if (c.PaintLevel++ == 0) Erase();
}

void ShowCaretAfterPaint(HWND Wnd) {
  TCaret& c = Caret();
  if (!c.Wnd || c.Wnd != Wnd || c.PaintLevel == 0) return;
  if (--c.PaintLevel == 0 && c.HideLevel == 0 && !c.Drawn) Toggle();
}

void ForgetCaret(HWND Wnd) {
  if (Caret().Wnd != Wnd) return;
  StopBlinking();
  Caret() = TCaret{};
}
