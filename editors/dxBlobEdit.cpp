// The blob editor: its value and kind, the icon or text of its cells, the popup made and filled at
// every drop-down, and the accepted popup's value taken back.
#include "editors/dxBlobEdit.h"

#include "editors/dxContainer.h"
#include "editors/dxDrawing.h"
#include "editors/dxEditClassOf.h"
#include "editors/dxExEdtr.h"
#include "graphics/Gdi.h"
#include "rtl/ScopeExit.h"
#include "windows/Clipboard.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/Window.h"

// --- the class ---------------------------------------------------------------------------------

std::unique_ptr<TdxEditViewData> TdxBlobEditClass::CreateViewDataObject() const {
  return std::make_unique<TdxBlobEditViewData>();
}

void TdxBlobEditClass::CalcButtonsViewInfo(TdxDropDownEditViewData& ViewData) const {
  TdxDropDownEditClass::CalcButtonsViewInfo(ViewData);
  const auto* vd = dynamic_cast<const TdxBlobEditViewData*>(&ViewData);
  if (vd && (vd->Kind == bekOle || vd->Kind == bekBlob)) ViewData.Buttons.clear();
}

int TdxBlobEditClass::IconIndex(TdxBlobEditKind Kind, bool Empty) {
  static constexpr int Icons[] = {bdxMemo, bdxPict, bdxOle, bdxBlob};
  return Icons[Kind] - (Empty ? 1 : 0);
}

// An icon is centred in the cell; a text is cut with an ellipsis over several lines.
bool TdxBlobEditClass::Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const {
  auto* vd = dynamic_cast<TdxBlobEditViewData*>(&ViewData);
  if (!vd || vd->PaintStyle != bpsIcon || !vd->Icons) {
    if (auto* text = dynamic_cast<TdxTextEditViewData*>(&ViewData)) {
      text->EndEllipsis = true;
      text->VertAlignment = 3;
    }
    return TdxDropDownEditClass::Draw(DC, Rect, ViewData, IsWindowPaint);
  }
  if (vd->CalcOnly) return true;
  const TImageList& icons = *vd->Icons;
  const int index = IconIndex(vd->Kind, vd->Empty);
  if (!vd->NoBackground) FillRect(DC, Rect, vd->Brush);
  if (index >= 0 && index < icons.Count())
    DrawImageListImage(DC, (Rect.Left + Rect.Right - icons.Width()) / 2, (Rect.Top + Rect.Bottom - icons.Height()) / 2,
                       icons, index);
  return true;
}

const TdxInplaceEditClass& BlobEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceBlobEdit, TdxBlobEditClass>("TdxInplaceBlobEdit", Inplace);
}

// --- the editor --------------------------------------------------------------------------------

TdxInplaceBlobEdit::TdxInplaceBlobEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceDropDownEdit(AOwner, Class) {
  SetImmediateDropDown(false);
  ClickOpensPopup = true;
  SetEditorDrivenPopup(false);
}

TdxInplaceBlobEdit::~TdxInplaceBlobEdit() { FPopup.reset(); }

void TdxInplaceBlobEdit::SetBlobText(const String& Value) {
  if (Value == FValue) return;
  TCustomdxContainer* host = GetContainer();
  if (host && host->EditorSet()) {
    FValue = Value;
    InvalidateEdit();
    return;
  }
  if (!CanModify()) return;
  FValue = Value;
  InvalidateEdit();
  Change();
}

void TdxInplaceBlobEdit::SetBlobKind(TdxBlobEditKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  LayoutChanged();
}

void TdxInplaceBlobEdit::SetBlobPaintStyle(TdxBlobPaintStyle Value) {
  if (FPaintStyle == Value) return;
  FPaintStyle = Value;
  LayoutChanged();
}

void TdxInplaceBlobEdit::SetTextWithoutChange(const String& Value) {
  const TValueScope<bool> quiet(SettingValue, true);
  SetEditTextRaw(Value);
}

void TdxInplaceBlobEdit::SetPopupSize(int Width, int Height) {
  FPopupWidth = Width;
  FPopupHeight = Height;
  if (OnPopupSizeChanged) OnPopupSizeChanged(this);
}

bool TdxInplaceBlobEdit::IsValueEmpty(const Variant& Value) { return Value.IsNull() || VarToStr(Value).empty(); }

void TdxInplaceBlobEdit::DoAssignPicture(TPicture*& Picture) {
  if (OnAssignPicture) OnAssignPicture(this, Picture);
}

TGraphicClass TdxInplaceBlobEdit::GetGraphicClass() {
  TGraphicClass graphicClass = FGraphicClass;
  if (OnGetGraphicClass) OnGetGraphicClass(this, graphicClass);
  return graphicClass;
}

void TdxInplaceBlobEdit::SetEditValue(const Variant& Value) {
  FValue = Value.IsNull() ? String() : VarToStr(Value);
  InvalidateEdit();
}

void TdxInplaceBlobEdit::GetDisplayValue(Variant& Value, bool FromData) {
  (void)FromData;
  Value = Variant(FValue);
}

Variant TdxInplaceBlobEdit::GetEditValue() {
  if (FKind != bekPict) return FValue.empty() ? Variant::Null() : Variant(FValue);
  if (!FWorkPicture) FWorkPicture = std::make_unique<TPicture>();
  LoadPictureFromValue(*FWorkPicture, GetGraphicClass(), Variant(FValue));
  TPicture* picture = FWorkPicture.get();
  DoAssignPicture(picture);
  if (IsPictureEmpty(picture)) return Variant::Null();
  return Variant(SavePictureToString(*picture));
}

std::unique_ptr<TdxEditViewData> TdxInplaceBlobEdit::CreateViewData(bool IsPaint) {
  std::unique_ptr<TdxEditViewData> vd = TdxInplaceDropDownEdit::CreateViewData(IsPaint);
  auto& blob = static_cast<TdxBlobEditViewData&>(*vd);
  blob.Focused = blob.Focused && !IsInplace() && !PopupShown();
  blob.Kind = FKind;
  blob.PaintStyle = FPaintStyle;
  if (FPaintStyle == bpsIcon) {
    blob.Icons = dxEditorResources().BlobIcons.get();
    blob.Empty = IsPaint ? IsValueEmpty(blob.Value) : FValue.empty();
  }
  return vd;
}

void TdxInplaceBlobEdit::ConfigurePopup(TCustomdxBlobPopup& Popup) {
  Popup.SetColor(Color());
  Popup.SetFont(Font());
  Popup.SetText(String());
  Popup.SetPosted(false);
  Popup.SetKind(FKind == bekPict ? bpkPicture : bpkMemo);
  Popup.SetPopupBorder(GetPopupBorderStyle());
  Popup.SetShadow(Style()->Shadow());
  Popup.SetOptions(FOptions);
  Popup.Memo()->ApplyOptions(FMemoOptions);
}

// A picture that cannot be read opens as an empty picture.
void TdxInplaceBlobEdit::DropDown() {
  if (PopupShown() || !HandleAllocated()) return;
  DoDropDownEvents();
  if (FKind == bekOle || FKind == bekBlob) return;
  if (!FPopup) {
    FPopup.reset(new TCustomdxBlobPopup(nullptr));
    FPopup->SetOwnerEdit(this);
    FPopup->OnPost = [this](TObject*) { PostPopupValue(); };
    FPopup->OnSizeReport = [this](TObject*, int Width, int Height) { SetPopupSize(Width, Height); };
    FPopup->OwnerCanModify = [this] { return CanModify(); };
  }
  TCustomdxBlobPopup& popup = *FPopup;
  ConfigurePopup(popup);
  if (FKind == bekPict) {
    try {
      LoadPictureFromValue(*popup.Picture(), GetGraphicClass(), Variant(FValue));
    } catch (const Exception&) {
      popup.Picture()->SetGraphic(nullptr);
    }
  } else {
    popup.SetText(FValue);
  }
  popup.SetReadOnly(!CanEditText());
  popup.SetModified(false);
  popup.HandleNeeded();
  TRect r;
  GetWindowRect(Handle(), r);
  popup.CalcPosition({r.Left, r.Bottom}, FPopupWidth, FPopupHeight);
  SetPopupControl(&popup);
  SetPopupShown(true);
  popup.ShowPopup();
}

void TdxInplaceBlobEdit::PostPopupValue() {
  if (!FPopup || !CanModify()) return;
  if (FKind == bekMemo) {
    SetBlobText(FPopup->Text());
  } else if (FKind == bekPict) {
    TPicture* picture = FPopup->Picture();
    FGraphicClass = IsPictureEmpty(picture) ? TGraphicClass() : picture->Graphic()->ClassName();
    FValue = SavePictureToString(*picture);
    InvalidateEdit();
  }
  SetModified(true);
}

void TdxInplaceBlobEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (IsInplace() && GetContainer() && (Key == VK_LEFT || Key == VK_RIGHT)) {
    FocusAdjacentCell(Key == VK_LEFT);
    Key = 0;
    return;
  }
  if (Key == VK_DELETE) {
    Key = 0;
    return;
  }
  TdxInplaceDropDownEdit::KeyDown(Key, Shift);
}

// A character typed while the popup opens and is still empty goes on to its memo.
void TdxInplaceBlobEdit::KeyPress(TKeyChar& Key) {
  if (FPopup && PopupShown() && FPopup->Kind() == bpkMemo && FPopup->Text().empty() && FPopup->Memo()->HandleAllocated() &&
      GetFocus() == FPopup->Memo()->Handle()) {
    PostMessage(FPopup->Memo()->Handle(), WM_CHAR, Key, 0);
    Key = 0;
    return;
  }
  TdxInplaceDropDownEdit::KeyPress(Key);
}

void TdxInplaceBlobEdit::Dispatch(TMessage& Message) {
  TdxInplaceDropDownEdit::Dispatch(Message);
  if (Message.Msg == WM_GETDLGCODE) Message.Result |= DLGC_WANTARROWS | DLGC_WANTALLKEYS;
}
