// The button editor: its buttons as painted entries (filling the cell in buttons-only mode), the
// click reported with the button's index, the click key that clicks the default button, the view
// styles, and the "ExistButtons" value that tells a layout stored without buttons.
#include "editors/dxButtonEdit.h"

#include "classes/Filer.h"
#include "editors/dxEditClassOf.h"
#include "editors/dxPopup.h"
#include "rtl/ScopeExit.h"
#include "windows/Input.h"
#include "windows/Messages.h"

namespace {

TdxEditButtonKind ViewKindOf(TdxEditButtonItemKind Kind) {
  switch (Kind) {
    case bkDown: return ebkDropDown;
    case bkGlyph: return ebkGlyph;
    default: return ebkEllipsis;
  }
}

}  // namespace

std::unique_ptr<TdxEditViewData> TdxButtonEditClass::CreateViewDataObject() const {
  return std::make_unique<TdxButtonEditViewData>();
}

void TdxButtonEditClass::CalcButtonsViewInfo(TdxDropDownEditViewData& ViewData) const {
  TdxDropDownEditClass::CalcButtonsViewInfo(ViewData);
  auto* vd = dynamic_cast<TdxButtonEditViewData*>(&ViewData);
  if (!vd || !vd->EditButtons || vd->ButtonsHidden) return;
  const TdxEditButtons& buttons = *vd->EditButtons;
  vd->Buttons.assign(static_cast<size_t>(buttons.VisibleCount()), TdxEditButtonViewInfo());
  vd->ButtonGlyphs.assign(vd->Buttons.size(), nullptr);
  for (int i = 0; i < static_cast<int>(vd->Buttons.size()); ++i) {
    TdxEditButton& button = *buttons.VisibleItems(i);
    TdxEditButtonViewInfo& entry = vd->Buttons[static_cast<size_t>(i)];
    entry.Kind = ViewKindOf(button.Kind());
    entry.LeftSide = button.LeftAlignment();
    vd->ButtonGlyphs[static_cast<size_t>(i)] = button.Glyph();
    entry.Width = button.Width() != 0 ? button.Width() : GetButtonWidth(*vd, i);
  }
}

void TdxButtonEditClass::CalcViewInfo(TdxEditViewData& ViewData, bool Calc, TdxEditViewInfo& ViewInfo) const {
  TdxDropDownEditClass::CalcViewInfo(ViewData, Calc, ViewInfo);
  auto* vd = dynamic_cast<TdxButtonEditViewData*>(&ViewData);
  if (!vd || !vd->ButtonsOnly || vd->Buttons.empty()) return;
  TRect& client = ViewInfo.ClientRect;
  const int rest = std::max(client.Width(), 0);
  TdxEditButtonViewInfo& last = vd->Buttons.back();
  last.Width += rest;
  if (last.LeftSide)
    last.Bounds.Right += rest;
  else
    last.Bounds.Left -= rest;
  client.Right = client.Left;
}

bool TdxButtonEditClass::Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const {
  const auto* vd = dynamic_cast<const TdxButtonEditViewData*>(&ViewData);
  if (vd && vd->ButtonsOnly) return TdxInplaceEditClass::Draw(DC, Rect, ViewData, IsWindowPaint);
  return TdxDropDownEditClass::Draw(DC, Rect, ViewData, IsWindowPaint);
}

const TdxInplaceEditClass& ButtonEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceButtonEdit, TdxButtonEditClass>("TdxInplaceButtonEdit", Inplace);
}

TdxInplaceButtonEdit::TdxInplaceButtonEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceDropDownEdit(AOwner, Class),
      FButtons(std::make_unique<TdxInplaceEditButtons>(this, TCollection::ItemClassOf<TdxEditButton>())) {
  FButtons->Add();
}

// The buttons go first: their last change must not lay out a half-destroyed editor.
TdxInplaceButtonEdit::~TdxInplaceButtonEdit() {
  FButtons->BeginUpdate();
  FButtons.reset();
}

void TdxInplaceButtonEdit::SetButtons(const TdxEditButtons* Value) { FButtons->Assign(Value); }

// The text goes with the new style: into the text box, or into the window's own text.
void TdxInplaceButtonEdit::SetViewStyle(uint8_t Value) {
  if (FViewStyle == Value) return;
  const String text = Text();
  const bool modified = GetModified();
  FViewStyle = Value;
  {
    const TValueScope<bool> quiet(SettingValue, true);
    SetText(text);
  }
  SetModified(modified);
  if (HandleAllocated()) RecreateWnd();
}

void TdxInplaceButtonEdit::ClickDefaultButton() {
  for (int i = 0; i < FButtons->VisibleCount(); ++i)
    if (FButtons->VisibleItems(i)->Default()) return ButtonClick(i);
}

void TdxInplaceButtonEdit::ButtonClick(int VisibleIndex) {
  if (OnButtonClick && VisibleIndex >= 0 && VisibleIndex < FButtons->VisibleCount())
    OnButtonClick(this, FButtons->VisibleIndexToIndex(VisibleIndex));
  DoDropDownEvents();
}

std::unique_ptr<TdxEditViewData> TdxInplaceButtonEdit::CreateViewData(bool IsPaint) {
  std::unique_ptr<TdxEditViewData> vd = TdxInplaceDropDownEdit::CreateViewData(IsPaint);
  auto* buttons = dynamic_cast<TdxButtonEditViewData*>(vd.get());
  if (buttons && FButtons) {
    buttons->EditButtons = FButtons.get();
    buttons->ButtonsOnly = FViewStyle == bvsButtonsOnly && FButtons->VisibleCount() > 0;
    buttons->HiddenEditCursor = FViewStyle == bvsHideCursor;
  }
  return vd;
}

void TdxInplaceButtonEdit::DefineProperties(TFiler& Filer) {
  TdxInplaceDropDownEdit::DefineProperties(Filer);
  Filer.DefineProperty(
      "ExistButtons", [this](TReader& Reader) { FExistButtonsRead = Reader.ReadBoolean(); },
      [](TWriter& Writer) { Writer.WriteBoolean(true); }, FButtons->Count() > 0);
}

void TdxInplaceButtonEdit::Loaded() {
  TdxInplaceDropDownEdit::Loaded();
  if (!FExistButtonsRead) FButtons->Clear();
}

// Without an edit area Left and Right move to the neighbouring cell; the click key clicks the
// default button, and its character reaches no text.
void TdxInplaceButtonEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (!HasEditArea() && (Key == VK_LEFT || Key == VK_RIGHT)) {
    FocusAdjacentCell(Key == VK_LEFT);
    Key = 0;
    return;
  }
  if (FButtons->Count() > 0 && ShortCut(Key, Shift) == FClickKey && CanEditText()) {
    if (HandleAllocated()) RemovePendingMessage(Handle(), WM_CHAR);
    Key = 0;
    ClickDefaultButton();
    return;
  }
  TdxInplaceDropDownEdit::KeyDown(Key, Shift);
}

void TdxInplaceButtonEdit::Dispatch(TMessage& Message) {
  TdxInplaceDropDownEdit::Dispatch(Message);
  if (Message.Msg == WM_GETDLGCODE && IsInplace()) Message.Result |= DLGC_WANTARROWS;
}
