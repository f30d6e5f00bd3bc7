// The editor base: construction in place or stand-alone, the defaultable properties and their
// stored bits, the style controller link, the view data of the editor, and the layout streaming.
#include "editors/dxInplaceEdit.h"

#include "classes/Filer.h"
#include "editors/dxContainer.h"
#include "graphics/Gdi.h"
#include "rtl/ScopeExit.h"
#include "windows/Focus.h"
#include "windows/NonClient.h"
#include "windows/Paint.h"

TdxInplaceEdit::TdxInplaceEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TWinControl(AOwner), FEditClass(&Class) {
  TCustomdxContainer* host = GetContainer();
  FStyle = host ? host->CreateEditStyle(this) : Class.CreateStyle(this);
  if (IsInplace()) {
    SetParentColor(false);
    SetTabStop(false);
  } else {
    SetBounds(Left(), Top(), 121, 24);
    SetTabStop(true);
  }
}

TdxInplaceEdit::~TdxInplaceEdit() {
  if (FStyleController && !(FStyleController->ComponentState() & csDestroying)) FStyleController->RemoveListener(this);
}

TCustomdxContainer* TdxInplaceEdit::GetContainer() const {
  return IsInplace() ? dynamic_cast<TCustomdxContainer*>(Owner()) : nullptr;
}

void TdxInplaceEdit::SetAlignment(TAlignment Value) {
  FStoredValues |= svAlignment;
  InternalSetAlignment(Value);
}

void TdxInplaceEdit::InternalSetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TdxInplaceEdit::SetReadOnly(bool Value) {
  FStoredValues |= svReadOnly;
  InternalSetReadOnly(Value);
}

void TdxInplaceEdit::InternalSetReadOnly(bool Value) { FReadOnly = Value; }

void TdxInplaceEdit::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  LayoutChanged();
}

void TdxInplaceEdit::SetStyleController(TdxEditStyleController* Value) {
  if (FStyleController == Value) return;
  if (FStyleController) {
    if (!(FStyleController->ComponentState() & csDestroying)) FStyleController->RemoveListener(this);
    RemoveFreeNotification(FStyleController);
  }
  FStyleController = Value;
  if (!Value) return LayoutChanged();
  Value->AddListener(this);
  Value->FreeNotification(this);
  Value->NotifyListener(this);
}

void TdxInplaceEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FStyleController) SetStyleController(nullptr);
}

void TdxInplaceEdit::SetEditOffsets(const TRect& Value) {
  if (FEditOffsets == Value) return;
  FEditOffsets = Value;
  RecreateWnd();
}

void TdxInplaceEdit::InvalidateEdit() {
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, false);
}

void TdxInplaceEdit::RestoreDefaults() {
  FStoredValues = 0;
  InternalSetAlignment(GetDefaultAlignment());
  InternalSetReadOnly(GetInitialReadOnly());
}

void TdxInplaceEdit::RefreshDefaults() {
  if (!(FStoredValues & svAlignment)) InternalSetAlignment(GetDefaultAlignment());
  if (!(FStoredValues & svReadOnly)) InternalSetReadOnly(GetInitialReadOnly());
}

void TdxInplaceEdit::SetEditValue(const Variant& Value) { SetText(Value.IsNull() ? String() : VarToStr(Value)); }

void TdxInplaceEdit::GetDisplayValue(Variant& Value, bool FromData) {
  (void)FromData;
  Value = Variant(Text());
}

Variant TdxInplaceEdit::GetEditValue() { return Variant(Text()); }

void TdxInplaceEdit::Change() {
  if (OnChange) OnChange(this);
}

bool TdxInplaceEdit::IsValidChar(TKeyChar Key) {
  if (!IsInplace()) return true;
  TCustomdxContainer* host = GetContainer();
  return !host || host->IsValidEditChar(Key);
}

bool TdxInplaceEdit::CanModify() {
  if (ReadOnly()) return false;
  TCustomdxContainer* host = GetContainer();
  return !host || host->CanEditModify();
}

bool TdxInplaceEdit::IsShowButtonAlways() {
  TCustomdxContainer* host = GetContainer();
  return host && host->IsShowButtonAlways();
}

void TdxInplaceEdit::FocusAdjacentCell(bool Backward) {
  if (TCustomdxContainer* host = GetContainer()) host->FocusAdjacentCell(Backward);
}

bool TdxInplaceEdit::IsFocused() { return Focused(); }

void TdxInplaceEdit::SetEditText(const String& Text) {
  if (!CanModify()) return;
  SetText(Text);
  SetModified(true);
}

// The style's look, with the hot-track substitution and the buttons following the final border.
void TdxInplaceEdit::FillStyleViewData(TdxEditViewData& ViewData) {
  ViewData.BorderColor = FStyle->BorderColor();
  ViewData.BorderStyle = FStyle->BorderStyle();
  if (ViewData.Hot && FStyle->HotTrack()) {
    static constexpr TdxEditBorderStyle HotBorder[] = {xbsFlat, xbsThick, xbsThick, xbs3D, xbs3D};
    ViewData.BorderStyle = HotBorder[ViewData.BorderStyle];
  }
  ViewData.ButtonStyle = FStyle->ButtonStyle();
  if (ViewData.ButtonStyle == btsDefault) {
    static constexpr TdxEditButtonViewStyle ButtonOfBorder[] = {btsSimple, btsHotFlat, bts3D, btsFlat, bts3D};
    ViewData.ButtonStyle = ButtonOfBorder[ViewData.BorderStyle];
  }
  const TdxEditButtonTransparence transparence = FStyle->ButtonTransparence();
  ViewData.ButtonTransparent = transparence == ebtAlways || (transparence == ebtInactive && !ViewData.Hot);
  ViewData.Edges = FStyle->Edges();
  ViewData.Shadow = FStyle->Shadow();
}

// A disabled value paints on the button face in the button shadow colour.
void TdxInplaceEdit::FillColourViewData(TdxEditViewData& ViewData) {
  ViewData.Font = Font()->Handle();
  if (ViewData.Enabled) {
    ViewData.Brush = CreateSolidBrush(Color());
    ViewData.Color = ColorToRGB(Color());
    ViewData.TextColor = ColorToRGB(Font()->Color());
  } else {
    ViewData.Brush = GetSysColorBrush(COLOR_BTNFACE);
    ViewData.Color = GetSysColor(COLOR_BTNFACE);
    ViewData.TextColor = GetSysColor(COLOR_BTNSHADOW);
  }
}

std::unique_ptr<TdxEditViewData> TdxInplaceEdit::CreateViewData(bool IsPaint) {
  std::unique_ptr<TdxEditViewData> vd = EditClass().CreateViewDataObject();
  vd->Enabled = Enabled();
  vd->Focused = IsFocused();
  vd->Hot = IsHot();
  FillStyleViewData(*vd);
  vd->Bounds = {0, 0, Width(), Height()};
  vd->EditOffsets = FEditOffsets;
  vd->VertAlignment = 0;
  FillColourViewData(*vd);
  vd->Alignment = FAlignment;
  vd->HasEditArea = HasEditArea();
  vd->TextLength = 0;
  GetDisplayValue(vd->Value, IsPaint);
  vd->Cursor = Cursor();
  return vd;
}

TdxEditViewInfo TdxInplaceEdit::FreshViewInfo(bool Calc, int Width, int Height) {
  std::unique_ptr<TdxEditViewData> vd = CreateViewData(false);
  vd->Bounds = {0, 0, Width, Height};
  TdxEditViewInfo vi;
  EditClass().CalcViewInfo(*vd, Calc, vi);
  return vi;
}

std::unique_ptr<TdxEditViewData> TdxInplaceEdit::WindowViewData(TdxEditViewInfo& ViewInfo) {
  TRect window;
  GetWindowRect(Handle(), window);
  std::unique_ptr<TdxEditViewData> vd = CreateViewData(false);
  vd->Bounds = {0, 0, window.Width(), window.Height()};
  EditClass().CalcViewInfo(*vd, false, ViewInfo);
  return vd;
}

void TdxInplaceEdit::UpdateBoundsAndRegion() {
  if (!HandleAllocated() || FUpdatingBounds) return;
  const TValueScope<bool> updating(FUpdatingBounds, true);
  const TdxEditViewInfo vi = FreshViewInfo(AutoSize(), Width(), Height());
  SetBounds(Left(), Top(), vi.Bounds.Width(), vi.Bounds.Height());
  const std::optional<TRegion> region = TdxInplaceEditClass::GetBorderRegion(vi);
  SetWindowRgn(Handle(), region ? &*region : nullptr, true);
  // The border may have changed: the frame is laid out and painted again.
  SetWindowPos(Handle(), HWND(), 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateFrame(Handle());
}

void TdxInplaceEdit::HotTrackRepaint() {
  if (ComponentState() & csDestroying) return;
  if (FStyle->HotTrack() || FStyle->ButtonTransparence() != ebtNone) UpdateBoundsAndRegion();
}

void TdxInplaceEdit::LayoutChanged() {
  UpdateBoundsAndRegion();
  if (HandleAllocated()) Invalidate();
}

void TdxInplaceEdit::StateChanged() {
  HotTrackRepaint();
  if (InvalidateOnStateChange() && HandleAllocated()) Invalidate();
}

void TdxInplaceEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  // An in-place editor shows only through Show.
  if (IsInplace()) Params.Style &= ~WS_VISIBLE;
}

void TdxInplaceEdit::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateBoundsAndRegion();
}

void TdxInplaceEdit::Loaded() {
  TWinControl::Loaded();
  LayoutChanged();
}

// "Height" is kept only where auto-size does not apply; "StoredValues" when any bit is set.
void TdxInplaceEdit::DefineProperties(TFiler& Filer) {
  TWinControl::DefineProperties(Filer);
  Filer.DefineProperty(
      "StoredValues", [this](TReader& r) { FStoredValues = static_cast<TdxStoredValues>(r.ReadInteger()); },
      [this](TWriter& w) { w.WriteInteger(FStoredValues); }, FStoredValues != 0);
}
