// The page control: tab geometry and drawing in the three styles, and page changes by mouse and
// by Ctrl+Tab.
#include <algorithm>

#include "controls/PageControl.h"
#include "controls/StdPaint.h"
#include "graphics/Gdi.h"
#include "windows/Paint.h"

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
  SetAlign(alClient);
  SetVisible(false);
}

TTabSheet::~TTabSheet() {
  if (auto* control = dynamic_cast<TPageControl*>(Parent())) control->RemovePage(this);
}

void TTabSheet::SetParent(TWinControl* AParent) {
  if (auto* old = dynamic_cast<TPageControl*>(Parent()); old && old != AParent) old->RemovePage(this);
  TCustomControl::SetParent(AParent);
  if (auto* control = dynamic_cast<TPageControl*>(AParent)) control->InsertPage(this);
}

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

int TTabSheet::PageIndex() const {
  const TPageControl* control = PageControl();
  if (!control) return -1;
  const auto it = std::find(control->FPages.begin(), control->FPages.end(), this);
  return static_cast<int>(it - control->FPages.begin());
}

void TTabSheet::SetTabVisible(bool Value) {
  FTabVisible = Value;
  if (PageControl()) PageControl()->Invalidate();
}

void TTabSheet::Paint() {
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
}

void TTabSheet::Dispatch(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (Message.Msg == CM_TEXTCHANGED && PageControl()) PageControl()->Invalidate();
}

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
}

void TPageControl::InsertPage(TTabSheet* Page) {
  if (std::find(FPages.begin(), FPages.end(), Page) != FPages.end()) return;
  FPages.push_back(Page);
  if (!FActivePage && !(ComponentState() & csLoading)) FActivePage = Page;
  ShowActivePage();
}

void TPageControl::RemovePage(TTabSheet* Page) {
  std::erase(FPages, Page);
  if (FActivePage == Page) FActivePage = FPages.empty() ? nullptr : FPages.front();
  ShowActivePage();
}

void TPageControl::SetActivePage(TTabSheet* Value) {
  if (Value && Value->PageControl() != this) return;
  FActivePage = Value;
  ShowActivePage();
}

int TPageControl::ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int Value) {
  if (Value >= 0 && Value < PageCount()) SetActivePage(Pages(Value));
}

void TPageControl::SetStyle(TTabStyle Value) {
  FStyle = Value;
  Realign();
  Invalidate();
}

void TPageControl::Loaded() {
  TCustomControl::Loaded();
  if (!FActivePage && !FPages.empty()) FActivePage = FPages.front();
  ShowActivePage();
}

void TPageControl::ShowActivePage() {
  if (ComponentState() & csLoading) return;
  for (TTabSheet* page : FPages)
    if (page != FActivePage) page->SetVisible(false);
  if (FActivePage) {
    FActivePage->SetVisible(true);
  }
  Realign();
  Invalidate();
}

int TPageControl::TabHeight() const {
  HDC dc = GetDC(HWND());
  dc->SetFont(Font());
  const int h = dc->TextHeight("0") + (FStyle == tsTabs ? 6 : 8);
  ReleaseDC(HWND(), dc);
  return h;
}

TRect TPageControl::TabRect(int Index) const {
  HDC dc = GetDC(HWND());
  dc->SetFont(Font());
  int x = 2;
  TRect result;
  for (int i = 0; i < PageCount(); ++i) {
    if (!Pages(i)->TabVisible()) continue;
    const int width = dc->TextWidth(Pages(i)->Caption()) + 12;
    if (i == Index) result = {x, 2, x + width, 2 + TabHeight()};
    x += width + (FStyle == tsTabs ? 0 : 3);
  }
  ReleaseDC(HWND(), dc);
  return result;
}

int TPageControl::IndexOfTabAt(int X, int Y) const {
  for (int i = 0; i < PageCount(); ++i)
    if (Pages(i)->TabVisible() && PtInRect(TabRect(i), {X, Y})) return i;
  return -1;
}

// Tabs take the row at the top; the tab style also has a raised frame around the page.
void TPageControl::AdjustClientRect(TRect& Rect) {
  Rect.Top += TabHeight() + 2;
  if (FStyle == tsTabs) InflateRect(Rect, -4, -4);
  else Rect.Top += 2;
}

void TPageControl::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(client);
  canvas->SetFont(Font());
  if (FStyle == tsTabs) {
    TRect frame{0, TabHeight() + 2, client.Right, client.Bottom};
    DrawEdge(canvas->Handle(), frame, EDGE_RAISED, BF_RECT);
  }
  for (int i = 0; i < PageCount(); ++i) {
    if (!Pages(i)->TabVisible()) continue;
    TRect tab = TabRect(i);
    const bool active = Pages(i) == FActivePage;
    if (FStyle == tsTabs) {
      if (active) InflateRect(tab, 2, 2), tab.Bottom -= 1;
      canvas->FillRect({tab.Left, tab.Top, tab.Right, tab.Bottom + 1});
      DrawEdge(canvas->Handle(), tab, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT | BF_SOFT);
    } else if (FStyle == tsButtons || active) {
      DrawEdge(canvas->Handle(), tab, active ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    if (FStyle == tsFlatButtons && i + 1 < PageCount()) {
      TRect sep{tab.Right + 1, tab.Top + 2, tab.Right + 3, tab.Bottom - 2};
      DrawEdge(canvas->Handle(), sep, EDGE_ETCHED, BF_LEFT);
    }
    TRect text = tab;
    if (active && FStyle != tsTabs) OffsetRect(text, 1, 1);
    DrawCaption(canvas, Pages(i)->Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER, Enabled());
    if (active && Focused()) {
      InflateRect(text, -3, -3);
      canvas->DrawFocusRect(text);
    }
  }
}

bool TPageControl::ChangeByUser(TTabSheet* Page) {
  if (!Page || Page == FActivePage) return false;
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  if (!allow) return false;
  SetActivePage(Page);
  if (OnChange) OnChange(this);
  return true;
}

void TPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    const int index = IndexOfTabAt(X, Y);
    if (index >= 0) {
      FocusOnPress(this);
      ChangeByUser(Pages(index));
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TPageControl::SelectNextPage(bool GoForward) {
  if (FPages.empty()) return;
  const int count = PageCount();
  int i = ActivePageIndex();
  for (int step = 0; step < count; ++step) {
    i = (i + (GoForward ? 1 : count - 1)) % count;
    if (Pages(i)->TabVisible()) {
      ChangeByUser(Pages(i));
      return;
    }
  }
}

void TPageControl::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGKEY) return CMDialogKey(Message);
  TCustomControl::Dispatch(Message);
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages of the control that holds the focus.
void TPageControl::CMDialogKey(TMessage& Message) {
  const TCustomForm* form = GetParentForm(this);
  if (Message.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && form && ContainsControl(form->ActiveControl())) {
    SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
    Message.Result = 1;
    return;
  }
  TCustomControl::Dispatch(Message);
}
