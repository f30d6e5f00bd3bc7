// Sizing the width of an edit link on a toolbar while customising: the ends of the selected edit
// show the sizing cursor, and dragging one draws an inverted frame at the width it would take.
#include <algorithm>

#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarToolbar.h"
#include "bars/dxBarUtils.h"
#include "controls/Application.h"
#include "graphics/Gdi.h"
#include "windows/Focus.h"
#include "windows/ModalLoop.h"
#include "windows/Paint.h"
#include "windows/Services.h"

namespace {

// The strip at each end of the edit that takes the sizing press.
constexpr int kSizingStrip = 7;

// A 2-pixel frame drawn by inverting; drawn twice it is gone.
void InvertFrame(HWND Wnd, const TRect& R) {
  UpdateWindow(Wnd);
  HDC dc = GetDC(Wnd);
  InvertRect(dc, TRect{R.Left, R.Top, R.Right, R.Top + 2});
  InvertRect(dc, TRect{R.Left, R.Bottom - 2, R.Right, R.Bottom});
  InvertRect(dc, TRect{R.Left, R.Top + 2, R.Left + 2, R.Bottom - 2});
  InvertRect(dc, TRect{R.Right - 2, R.Top + 2, R.Right, R.Bottom - 2});
  ReleaseDC(Wnd, dc);
}

}  // namespace

int TdxBarControl::EditSizingEdgeAt(TPoint Client) const {
  auto* edit = dynamic_cast<TdxBarEditControl*>(SelectedControl());
  if (!IsCustomizing() || !edit || IsVertical()) return 0;
  const TRect r = GetItemRect(edit);
  if (!PtInRect(r, Client)) return 0;
  if (Client.X < r.Left + kSizingStrip) return -1;
  return Client.X >= r.Right - kSizingStrip ? 1 : 0;
}

void TdxBarControl::WMSetCursorToolbar(TMessage& Message) {
  TPoint p;
  GetCursorPos(p);
  if (GetCapture() || EditSizingEdgeAt(ScreenToClient(p)) == 0) {
    TCustomdxBarControl::Dispatch(Message);
    return;
  }
  ::SetCursor(Screen->Cursors(crdxBarEditSizing));
  Message.Result = 1;
}

// The width follows the pointer's distance from the edge that stays, less the caption's part,
// held to 20..600; Esc keeps the width it had.
bool TdxBarControl::SizeEditWidth(TPoint Client) {
  const int edge = EditSizingEdgeAt(Client);
  if (edge == 0) return false;
  auto* edit = static_cast<TdxBarEditControl*>(SelectedControl());
  TdxBarItemLink* link = edit->ItemLink();
  const TRect r = GetItemRect(edit);
  const int fixed = r.Width() - link->Width();
  const auto frameFor = [&](int Width) {
    return edge > 0 ? TRect{r.Left, r.Top, r.Left + fixed + Width, r.Bottom} : TRect{r.Right - fixed - Width, r.Top, r.Right, r.Bottom};
  };
  int width = link->Width();
  const TScreenCursorScope cursor(crdxBarEditSizing);
  InvertFrame(Handle(), frameFor(width));
  RunCaptureLoop(Handle(), [&](MSG& Msg) {
    if (Msg.message == WM_MOUSEMOVE) {
      const TPoint p = ScreenToClient(MessageScreenPoint(Msg));
      int wanted = (edge > 0 ? p.X - r.Left : r.Right - p.X) - fixed;
      CheckEditWidth(wanted);
      if (wanted == width) return TLoopVerdict::Handled;
      InvertFrame(Handle(), frameFor(width));
      width = wanted;
      InvertFrame(Handle(), frameFor(width));
      return TLoopVerdict::Handled;
    }
    if (IsEscapeKey(Msg)) width = link->Width();
    if (Msg.message == WM_LBUTTONUP || IsEscapeKey(Msg)) return TLoopVerdict::End;
    return IsKeyboardMessage(Msg) ? TLoopVerdict::Handled : TLoopVerdict::Dispatch;
  });
  if (!IsBarControlAlive(this)) return true;
  InvertFrame(Handle(), frameFor(width));
  if (width != link->Width()) {
    link->SetUserWidth(width);
  } else if (IsItemControlAlive(edit)) {
    edit->Repaint();
  }
  return true;
}
