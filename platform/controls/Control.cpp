// TControl: bounds, parents, alignment requests, the properties that notify with control
// messages, invalidation, and the message path from Perform to DefaultHandler.
#include <algorithm>

#include "controls/ActnList.h"
#include "controls/Application.h"
#include "controls/DragDrop.h"
#include "controls/Forms.h"
#include "windows/Paint.h"

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState s = 0;
  if (Keys & MK_SHIFT) s |= ssShift;
  if (Keys & MK_CONTROL) s |= ssCtrl;
  if (Keys & MK_LBUTTON) s |= ssLeft;
  if (Keys & MK_RBUTTON) s |= ssRight;
  if (Keys & MK_MBUTTON) s |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

TShiftState KeyDataToShiftState(LPARAM KeyData) {
  TShiftState s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
  if (KeyData & (1 << 29)) s |= ssAlt;
  return s;
}

void TSizeConstraints::Assign(const TPersistent* Source) {
  auto* other = dynamic_cast<const TSizeConstraints*>(Source);
  if (!other) return TPersistent::Assign(Source);
  MinWidth = other->MinWidth;
  MinHeight = other->MinHeight;
  MaxWidth = other->MaxWidth;
  MaxHeight = other->MaxHeight;
}

void TSizeConstraints::Apply(int& Width, int& Height) const {
  if (MaxWidth > 0) Width = std::min(Width, MaxWidth);
  if (MaxHeight > 0) Height = std::min(Height, MaxHeight);
  Width = std::max(Width, MinWidth);
  Height = std::max(Height, MinHeight);
}

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FConstraints(std::make_unique<TSizeConstraints>()), FFont(std::make_unique<TFont>()) {
  FFont->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
  DragControlDestroyed(this);
  if (GetCaptureControl() == this) SetCaptureControl(nullptr);
  if (Application) Application->ControlDestroyed(this);
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (AParent == this) throw EInvalidOperation("控件不能成为自己的父控件");
  if (FParent) FParent->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* Value) {
  if (auto* parent = dynamic_cast<TWinControl*>(Value)) SetParent(parent);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!(ComponentState() & csLoading)) FConstraints->Apply(AWidth, AHeight);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  const bool sized = AWidth != FWidth || AHeight != FHeight;
  InvalidateControl(FVisible, false);
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  Invalidate();
  RequestAlign();
  if (sized && !dynamic_cast<TWinControl*>(this)) Resize();
}

TRect TControl::ClientRect() const { return TRect{0, 0, FWidth, FHeight}; }

void TControl::SetClientWidth(int Value) { SetWidth(FWidth - ClientWidth() + Value); }
void TControl::SetClientHeight(int Value) { SetHeight(FHeight - ClientHeight() + Value); }

TPoint TControl::ClientOrigin() const {
  if (!FParent) return {FLeft, FTop};
  const TPoint o = FParent->ClientOrigin();
  return {o.X + FLeft, o.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint Point) const {
  const TPoint o = ClientOrigin();
  return {Point.X + o.X, Point.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint Point) const {
  const TPoint o = ClientOrigin();
  return {Point.X - o.X, Point.Y - o.Y};
}

void TControl::SetAlign(TAlign Value) {
  if (FAlign == Value) return;
  FAlign = Value;
  RequestAlign();
}

void TControl::SetAnchors(TAnchors Value) {
  if (FAnchors == Value) return;
  FAnchors = Value;
}

void TControl::RequestAlign() {
  if (FParent && !(ComponentState() & csLoading)) FParent->Realign();
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  InvalidateControl(true, FVisible && (FControlStyle & csOpaque));
  FVisible = Value;
  Perform(CM_VISIBLECHANGED, Value);
  RequestAlign();
}

void TControl::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  FParentColor = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  FParentColor = Value;
  if (Value && FParent && !(ComponentState() & csReading)) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::FontChanged() {
  if (!FUpdatingFont) FParentFont = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool Value) {
  if (FParentFont == Value) return;
  FParentFont = Value;
  if (Value && FParent && !(ComponentState() & csReading)) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetText(const String& Value) {
  if (FText == Value) return;
  FText = Value;
  Perform(CM_TEXTCHANGED);
}

void TControl::SetShowHint(bool Value) {
  if (FShowHint == Value) return;
  FShowHint = Value;
  FParentShowHint = false;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value) {
  if (FParentShowHint == Value) return;
  FParentShowHint = Value;
  if (Value && FParent && !(ComponentState() & csReading)) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED);
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque) {
  if (!IsVisible || !FParent || !FParent->HandleAllocated() || (ComponentState() & csLoading)) return;
  const TRect r = BoundsRect();
  InvalidateRect(FParent->Handle(), &r, !IsOpaque);
}

void TControl::Invalidate() { InvalidateControl(FVisible, (FControlStyle & csOpaque) != 0); }

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  if (!FVisible || !FParent || !FParent->HandleAllocated()) return;
  Invalidate();
  FParent->Update();
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (FParent) {
    if (FParentColor) Perform(CM_PARENTCOLORCHANGED);
    if (FParentFont) Perform(CM_PARENTFONTCHANGED);
    if (FParentShowHint) Perform(CM_PARENTSHOWHINTCHANGED);
  }
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage message{Msg, WParam, LParam, 0};
  WndProc(message);
  return message.Result;
}

// A left press on a control in automatic drag mode starts its drag instead of a click.
void TControl::WndProc(TMessage& Message) {
  if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && Message.Msg != WM_MOUSEWHEEL) {
    if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && FDragMode == dmAutomatic && !Dragging()) {
      BeginAutoDrag();
      return;
    }
    if (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) FControlState |= csLButtonDown;
    if (Message.Msg == WM_LBUTTONUP) FControlState &= ~csLButtonDown;
  }
  Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TControl> Handlers[] = {
      {WM_LBUTTONDOWN, &TControl::WMLButtonDown},     {WM_LBUTTONDBLCLK, &TControl::WMLButtonDblClk},
      {WM_LBUTTONUP, &TControl::WMLButtonUp},         {WM_RBUTTONDOWN, &TControl::WMRButtonDown},
      {WM_RBUTTONDBLCLK, &TControl::WMRButtonDblClk}, {WM_RBUTTONUP, &TControl::WMRButtonUp},
      {WM_MBUTTONDOWN, &TControl::WMMButtonDown},     {WM_MBUTTONDBLCLK, &TControl::WMMButtonDblClk},
      {WM_MBUTTONUP, &TControl::WMMButtonUp},         {WM_MOUSEMOVE, &TControl::WMMouseMove},
      {WM_CANCELMODE, &TControl::WMCancelMode},       {WM_CONTEXTMENU, &TControl::WMContextMenu},
      {CM_PARENTFONTCHANGED, &TControl::CMParentFontChanged},
      {CM_PARENTCOLORCHANGED, &TControl::CMParentColorChanged},
      {CM_PARENTSHOWHINTCHANGED, &TControl::CMParentShowHintChanged},
      {CM_ENABLEDCHANGED, &TControl::CMEnabledChanged}, {CM_VISIBLECHANGED, &TControl::CMVisibleChanged},
      {CM_HITTEST, &TControl::CMHitTest},       {CM_DRAG, &TControl::CMDrag},
  };
  if (!DispatchTo(this, Message, Handlers)) DefaultHandler(Message);
}

void TControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETTEXT:
      if (Message.LParam) *reinterpret_cast<String*>(Message.LParam) = FText;
      Message.Result = 1;
      break;
    case WM_SETTEXT:
      SetText(Message.LParam ? *reinterpret_cast<const String*>(Message.LParam) : String());
      Message.Result = 1;
      break;
    default:
      break;
  }
}

void TControl::CMParentFontChanged(TMessage&) {
  if (!FParentFont || !FParent) return;
  FUpdatingFont = true;
  FFont->Assign(FParent->Font());
  FUpdatingFont = false;
}

void TControl::CMParentColorChanged(TMessage&) {
  if (!FParentColor || !FParent) return;
  FColor = FParent->Color();
  Perform(CM_COLORCHANGED);
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (FParentShowHint && FParent) FShowHint = FParent->ShowHint();
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) {}
void TControl::CMHitTest(TMessage& Message) { Message.Result = HTCLIENT; }

TCustomForm* GetParentForm(const TControl* Control) {
  const TControl* c = Control;
  while (c && c->Parent()) c = c->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}
