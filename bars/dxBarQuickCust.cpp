// Quick customisation: the popup bar of a toolbar's mark with the links that did not fit and the
// "&Add or Remove Buttons" menu of check entries, and its close check.
#include "bars/dxBarQuickCust.h"

#include <utility>

#include "bars/dxBar.h"
#include "bars/dxBarCustPopups.h"
#include "bars/dxBarDraw.h"
#include "bars/dxBarItemPaint_p.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarUtils.h"
#include "classes/Properties.h"
#include "controls/Forms.h"
#include "graphics/Gdi.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/NonClient.h"
#include "windows/Paint.h"

namespace {

constexpr UINT kCloseCheckInterval = 200;

struct TQuickState {
  TdxBarQuickControl* Control = nullptr;
  TdxBarThreadTimer CloseCheck;
};

TQuickState& Quick() {
  static TQuickState state;
  return state;
}

// The check column of an entry: a square as wide as the entry is high.
TRect CheckColumn(const TRect& Rect) { return TRect{Rect.Left, Rect.Top, Rect.Left + Rect.Height(), Rect.Bottom}; }

TRect AfterCheckColumn(const TRect& Rect) { return TRect{Rect.Left + Rect.Height(), Rect.Top, Rect.Right, Rect.Bottom}; }

HDC CanvasOf(const TdxBarItemControl* Control) {
  return static_cast<TCustomControl*>(Control->Parent())->Canvas()->Handle();
}

}  // namespace

TdxBarQuickControl* QuickControl() { return Quick().Control; }

// --- the check entries ------------------------------------------------------------------------------

TdxBarItemLink* TdxBarQuickCustItemControl::SourceLink() const {
  return reinterpret_cast<TdxBarItemLink*>(ItemLink()->Data());
}

String TdxBarQuickCustItemControl::GetCaption() const { return SourceLink() ? SourceLink()->Caption() : String(); }

const TBitmap* TdxBarQuickCustItemControl::GetGlyph() const { return SourceLink() ? SourceLink()->Glyph() : nullptr; }

int TdxBarQuickCustItemControl::GetImageIndex() const {
  return SourceLink() && SourceLink()->Item() ? SourceLink()->Item()->ImageIndex() : -1;
}

TImageList* TdxBarQuickCustItemControl::GetImages() const {
  const TdxBarItem* item = SourceLink() ? SourceLink()->Item() : nullptr;
  return item && item->BarManager() ? item->BarManager()->Images() : nullptr;
}

String TdxBarQuickCustItemControl::GetHint() const {
  return SourceLink() && SourceLink()->Item() ? SourceLink()->Item()->Hint() : String();
}

TShortCut TdxBarQuickCustItemControl::GetShortCut() const {
  return SourceLink() && SourceLink()->Item() ? SourceLink()->Item()->ShortCut() : 0;
}

int TdxBarQuickCustItemControl::GetWidth() const { return TdxBarButtonControl::GetWidth() + GetHeight(); }

// The click of any button, then the link it stands for shows or hides on its toolbar.
void TdxBarQuickCustItemControl::ControlClick(bool ByMouse) {
  TdxBarItemLink* source = SourceLink();
  TdxBarButtonControl::ControlClick(ByMouse);
  if (source) source->SetVisible(!source->Visible());
}

// A tick in the check column while the link shows; the selection frames the column.
void TdxBarQuickCustItemControl::Draw(const TRect& Rect) {
  HDC dc = CanvasOf(this);
  const TRect check = CheckColumn(Rect);
  FillRect(dc, check, Parent()->ItemBackgroundBrush());
  if (IsSelected() && !Pressed()) FrameRect(dc, check, GetSysColorBrush(COLOR_HIGHLIGHT));
  if (SourceLink() && SourceLink()->Visible()) DrawCheckMark(dc, check, IsEnabled(), IsFlat(), Parent()->Font()->Size() >= 16);
  TdxBarButtonControl::Draw(AfterCheckColumn(Rect));
  if (IsSelected() && IsFlat()) FrameHighlightRect(dc, Rect);
}

int TdxBarQuickCustExtButtonControl::GetWidth() const { return TdxBarButtonControl::GetWidth() + GetHeight(); }

void TdxBarQuickCustExtButtonControl::Draw(const TRect& Rect) {
  HDC dc = CanvasOf(this);
  HBRUSH column = Parent()->ItemBackgroundBrush();
  if (IsSelected()) column = IsFlat() ? Parent()->BarManager()->FlatBrush(2) : GetSysColorBrush(COLOR_BTNSHADOW);
  FillRect(dc, CheckColumn(Rect), column);
  TdxBarButtonControl::Draw(AfterCheckColumn(Rect));
}

// --- the window -------------------------------------------------------------------------------------

// A hidden bar of the manager that takes the owner toolbar's font and never quick-customises.
TdxBar* TdxBarQuickControl::MakeInternalBar(TdxBarControl* Owner) {
  TdxBar* bar = Owner->BarManager()->Bars()->Add();
  bar->SetHidden(true);
  bar->SetAllowQuickCustomizing(false);
  bar->SetFont(Owner->Bar()->Font());
  bar->SetUseOwnFont(Owner->Bar()->UseOwnFont());
  return bar;
}

TdxBarQuickControl::TdxBarQuickControl(TdxBarControl* OwnerBarControl)
    : TdxBarControl(MakeInternalBar(OwnerBarControl)), FOwnerBarControl(OwnerBarControl), FInternalBar(Bar()) {
  FreeIdleInternalItems();
  Quick().Control = this;
  SetMayClose(false);
  SetItemLinks(FInternalBar->ItemLinks());
  TdxBarManager* manager = BarManager();
  FAddRemoveItem = new TdxBarSubItem(manager->OwnerForm());
  FAddRemoveItem->SetEnabled(OwnerBarControl->Bar()->AllowQuickCustomizing());
  FAddRemoveItem->OnPopup = [this](TObject*) { BuildAddRemoveMenu(); };
  AddHiddenLinks();
  AddTemporaryEntry(FInternalBar->ItemLinks(), FAddRemoveItem, dxBarLoadStr(sdxBarAddRemoveButtons), 0, true);
}

TdxBarQuickControl::~TdxBarQuickControl() {
  if (Quick().Control == this) {
    StopQuickControlTimer();
    Quick().Control = nullptr;
  }
  if (HandleAllocated()) DestroyHandle();
  DestroyControls();
  TdxBarItemLinks* links = FInternalBar->ItemLinks();
  SetItemLinks(nullptr);
  // Freed by the links of its bar, which is going (with its manager): the bar is not freed here.
  if (!links) return;
  links->SetBarControl(nullptr);
  delete FInternalBar;
}

// The visible links that found no place on the toolbar, or whose view has no room there.
void TdxBarQuickControl::AddHiddenLinks() {
  TdxBarItemLinks* source = FOwnerBarControl->ItemLinks();
  for (int i = 0; source && i < source->VisibleItemCount(); ++i) {
    TdxBarItemLink* link = source->VisibleItems(i);
    const bool shown = source->IndexOfShown(link) >= 0 && !(link->Control() && IsRectEmpty(link->ItemRect()));
    if (shown) continue;
    TdxBarItemLink* copy = FInternalBar->ItemLinks()->Add();
    copy->Assign(link);
  }
}

// Each time the menu opens: a check entry per link of the toolbar (not those whose view is no
// longer valid), "&Reset Toolbar" for a toolbar the form was loaded with that may be reset, and the
// customize entry, which begins a group where "&Reset Toolbar" does not.
void TdxBarQuickControl::BuildAddRemoveMenu() {
  FreeIdleInternalItems();
  TdxBarItemLinks* menu = FAddRemoveItem->ItemLinks();
  menu->Clear();
  TdxBarManager* manager = BarManager();
  TCustomForm* form = manager->OwnerForm();
  auto* checkItem = new TdxBarQuickCustItem(form);
  AddInternalItem(checkItem);
  TdxBarItemLinks* source = FOwnerBarControl->ItemLinks();
  for (int i = 0; i < source->Count(); ++i) {
    TdxBarItemLink* link = source->Items(i);
    if (!link->Item() || (link->Control() && !IsItemControlAlive(link->Control()))) continue;
    TdxBarItemLink* entry = menu->Add();
    entry->SetItem(checkItem);
    entry->SetData(reinterpret_cast<intptr_t>(link));
  }
  TdxBar* bar = FOwnerBarControl->Bar();
  const bool reset = manager->CanReset() && bar->CanReset();
  if (reset) {
    auto* resetEntry = new TdxBarQuickCustExtButton(form);
    AddTemporaryEntry(menu, resetEntry, dxBarLoadStr(sdxBarResetToolbar), 0, true);
    resetEntry->OnClick = [bar](TObject*) { bar->Reset(); };
  }
  if (manager->CanCustomize()) AddCustomizeEntry(manager, menu, new TdxBarQuickCustExtButton(form), !reset);
}

// Below the mark (beside it for a toolbar docked at a side), inside the work area.
TPoint TdxBarQuickControl::PlaceFor(const TRect& Mark, TSize Size) const {
  const bool vertical = IsVerticalBarControl(FOwnerBarControl);
  const bool docked = FOwnerBarControl->DockControl() != nullptr;
  TPoint p{Mark.Right - Size.cx, Mark.Bottom};
  if (vertical) {
    p = TPoint{Mark.Right, Mark.Top};
  } else if (!docked && BarManager()->IsFlat()) {
    p = TPoint{Mark.Left, Mark.Bottom};
  }
  const TRect area = GetWorkAreaAtPoint(p);
  if (vertical) {
    if (p.X + Size.cx > area.Right) p.X = Mark.Left - Size.cx;
    if (p.Y < area.Top) p.Y = area.Top;
    if (p.Y + Size.cy > area.Bottom) p.Y = area.Bottom - Size.cy;
    return p;
  }
  if (p.X < area.Left) p.X = area.Left;
  if (p.X + Size.cx > area.Right) p.X = area.Right - Size.cx;
  if (p.Y + Size.cy > area.Bottom) p.Y = Mark.Top - Size.cy;
  return p;
}

void TdxBarQuickControl::ShowAt(const TRect& Mark) {
  const TSize size = CalcFloatingSize(dsNone);
  const TPoint p = PlaceFor(Mark, size);
  SetBounds(p.X, p.Y, size.cx, size.cy);
  HandleNeeded();
  SetWindowPos(Handle(), HWND_TOPMOST, p.X, p.Y, size.cx, size.cy, SWP_NOACTIVATE);
  SetVisible(true);
  SetMenuMode(true);
  PlayMenuSound(msMenuPopup);
  DispatchPendingPaintMessages();
}

// A top-most pop-up that never takes the activation, owned by the form.
void TdxBarQuickControl::CreateParams(TCreateParams& Params) {
  TdxBarControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
}

HBRUSH TdxBarQuickControl::GetBackgroundBrush() const {
  return BarManager() && BarManager()->IsFlat() ? GetSysColorBrush(COLOR_WINDOW) : TdxBarControl::GetBackgroundBrush();
}

void TdxBarQuickControl::CloseMenus() {
  TdxBarControl::CloseMenus();
  if (IsBarControlAlive(this) && Quick().Control == this) Close();
}

void TdxBarQuickControl::LeaveMenuMode() { CloseMenus(); }

// A press on the owner's mark that closes the window is not to open it again; the mark becomes
// normal, which lets the window go.
void TdxBarQuickControl::Close() {
  TPoint cursor;
  GetCursorPos(cursor);
  if (IsPrimaryButtonDown() && FOwnerBarControl->IsOverMark(FOwnerBarControl->ScreenToClient(cursor)))
    FOwnerBarControl->FMarkPressedAgain = true;
  FOwnerBarControl->SetMarkState(0);
}

// Let go by its owner: hidden now and freed once the message that closed it has been handled.
void TdxBarQuickControl::Release() {
  if (Quick().Control == this) {
    StopQuickControlTimer();
    Quick().Control = nullptr;
  }
  SetMenuMode(false);
  SetVisible(false);
  if (HandleAllocated()) PostMessage(Handle(), WM_DXBAR_FREEQUICKCONTROL, 0, 0);
}

// No caption and no sizing: the frame answers as a border; the right button shows no toolbars
// popup here.
void TdxBarQuickControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_DXBAR_FREEQUICKCONTROL: delete this; return;
    case WM_NCHITTEST: {
      const TPoint client = ScreenToClient(LParamToPoint(Message.LParam));
      Message.Result = PtInRect(ClientRect(), client) ? HTCLIENT : HTBORDER;
      return;
    }
    case WM_RBUTTONDOWN: DefaultHandler(Message); return;
    default: break;
  }
  TdxBarControl::Dispatch(Message);
}

// --- the close check ----------------------------------------------------------------------------------

void StartQuickControlTimer() {
  if (Quick().CloseCheck.Running()) return;
  Quick().CloseCheck.Start(kCloseCheckInterval, [] {
    StopQuickControlTimer();
    TdxBarQuickControl* quick = QuickControl();
    TdxBarItemControl* selected = quick && quick->BarManager() ? quick->BarManager()->SelectedItemControl() : nullptr;
    if (selected && GetItemControlRootToolbar(selected) != quick) quick->OwnerBarControl()->SetMarkState(0);
  });
}

void StopQuickControlTimer() { Quick().CloseCheck.Stop(); }

void RegisterQuickCustomizationClasses() {
  RegisterBarItemClass(RegisterClass<TdxBarQuickCustExtButton, TdxBarButton>("TdxBarQuickCustExtButton"),
                       ItemControlClass<TdxBarQuickCustExtButtonControl>(), false);
  RegisterBarItemClass(RegisterClass<TdxBarQuickCustItem, TdxBarButton>("TdxBarQuickCustItem"),
                       ItemControlClass<TdxBarQuickCustItemControl>(), false);
}
