// The preview's input: its keys (which another window may hand on), the mouse wheel, and the
// mouse on the page box: clicks on objects, dragging the view, the object under the mouse, the
// page menu and double clicks.
#include "report/FR_Preview.h"

#include "graphics/Gdi.h"
#include "report/FR_Class.h"
#include "report/FR_Toolbar.h"
#include "rtl/Arith.h"
#include "windows/Input.h"

namespace {

int RoundInt(double Value) { return int(Round(Value)); }

}  // namespace

void TfrPreviewForm::MouseWheel(int Delta) {
  if (PageCount() == 0) return;
  const int notches = Delta / 120;
  MoveBar(VScrollBar, VScrollBar->Position() - notches * VScrollBar->SmallChange() * WheelMultiplier);
  VScrollChange(VScrollBar);
}

void TfrPreviewForm::FormKeyDown(WORD& Key, TShiftState Shift) {
  if (PageCount() == 0) return;
  const bool ctrl = Shift & ssCtrl;
  auto scroll = [this](TScrollBar* bar, int by) {
    MoveBar(bar, bar->Position() + by);
    if (bar == VScrollBar) VScrollChange(bar);
    else HScrollChange(bar);
  };
  const WORD key = Key;
  Key = 0;
  switch (key) {
    case VK_UP: scroll(VScrollBar, -VScrollBar->SmallChange()); return;
    case VK_DOWN: scroll(VScrollBar, VScrollBar->SmallChange()); return;
    case VK_LEFT: scroll(HScrollBar, -HScrollBar->SmallChange()); return;
    case VK_RIGHT: scroll(HScrollBar, HScrollBar->SmallChange()); return;
    case VK_PRIOR:
      if (ctrl) GoToPage(FCurPage - 1);
      else scroll(VScrollBar, -VScrollBar->LargeChange());
      return;
    case VK_NEXT:
      if (ctrl) GoToPage(FCurPage + 1);
      else scroll(VScrollBar, VScrollBar->LargeChange());
      return;
    case VK_SPACE: ShowZoomMenu(); return;
    case VK_ESCAPE: Exit(); return;
    case VK_F3:
      if (!ctrl && !FFindText.empty()) {
        if (FCurPage - 1 != FFindPage) {
          FFindPage = FCurPage - 1;
          FFindRecord = 0;
        }
        FindNext();
      }
      return;
    default: break;
  }
  if (!ctrl) {
    Key = key;
    return;
  }
  switch (key) {
    case VK_HOME: scroll(VScrollBar, -VScrollBar->Position()); break;
    case VK_END: GoToPage(PageCount()); break;
    case 'O': OpenFile(); break;
    case 'S': SaveToFile(); break;
    case 'F': Find(); break;
    case 'P':
      if (PrintBtn->Enabled()) Print();
      break;
    case 'E':
      if (EditItem->Visible()) EditPage();
      break;
    default: break;
  }
}

// A click on an object goes to the report; elsewhere it starts a drag and chooses the page.
void TfrPreviewForm::BoxMouseDown(TMouseButton Button, int X, int Y) {
  if (Button == mbRight) {
    TPopupMenu* menu = PreviewPanel->Parent() && PreviewPanel->Parent()->PopupMenu() ? PreviewPanel->Parent()->PopupMenu()
                                                                                     : ProcMenu;
    const TPoint at = PBox->ClientToScreen({X, Y});
    menu->Popup(at.X, at.Y);
    return;
  }
  if (Button != mbLeft) return;
  const int index = PageAt({X, Y});
  if (index >= 0) {
    const TRect& r = FPages->Pages(index).PreviewRect;
    const TPoint point{RoundInt((X - r.Left - FOffsetX) / FScale), RoundInt((Y - r.Top - FOffsetY) / FScale)};
    TCursor cursor = crDefault;
    if (FPages->ObjectAt(index, point, true, cursor)) return;
  }
  PBox->FDown = true;
  PBox->FLast = {X, Y};
  FCurPage = index + 1;
  UpdatePageLabel();
}

void TfrPreviewForm::BoxMouseOver(int X, int Y) {
  if (!FReport || !FReport->OnMouseOverObject) return;
  const int index = PageAt({X, Y});
  TCursor cursor = crDefault;
  if (index >= 0) {
    const TRect& r = FPages->Pages(index).PreviewRect;
    const TPoint point{RoundInt((X - r.Left - FOffsetX) / FScale), RoundInt((Y - r.Top - FOffsetY) / FScale)};
    if (!FPages->ObjectAt(index, point, false, cursor)) cursor = crDefault;
  }
  PBox->SetCursor(cursor);
}

void TfrPBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomPanel::MouseDown(Button, Shift, X, Y);
  if (FDoubleClicked) {
    FDoubleClicked = false;
    return;
  }
  FPreview->FocusPages();
  if (FPreview->PageCount() > 0) FPreview->BoxMouseDown(Button, X, Y);
}

void TfrPBox::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomPanel::MouseMove(Shift, X, Y);
  if (FPreview->PageCount() == 0) return;
  if (!FDown) {
    FPreview->BoxMouseOver(X, Y);
    return;
  }
  TScrollBar* h = FPreview->HScrollBar;
  TScrollBar* v = FPreview->VScrollBar;
  FPreview->MoveBar(h, h->Position() - (X - FLast.X));
  FPreview->MoveBar(v, v->Position() - (Y - FLast.Y));
  FPreview->HScrollChange(h);
  FPreview->VScrollChange(v);
  FLast = {X, Y};
}

void TfrPBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomPanel::MouseUp(Button, Shift, X, Y);
  FDown = false;
}

void TfrPBox::DblClick() {
  TCustomPanel::DblClick();
  FDown = false;
  FDoubleClicked = true;
  if (FPreview->PageCount() == 0) return;
  TPoint cursor;
  GetCursorPos(cursor);
  const int index = FPreview->PageAt(ScreenToClient(cursor));
  if (index >= 0) FPreview->GoToPage(index + 1);
  if (FPreview->EditItem->Visible()) FPreview->EditPage();
}

void TfrPBox::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_MOUSEWHEEL) {
    FPreview->MouseWheel(GET_WHEEL_DELTA_WPARAM(Message.WParam));
    Message.Result = 1;
    return;
  }
  TCustomPanel::Dispatch(Message);
}
