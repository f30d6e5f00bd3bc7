// The image editor: its lists and image lists, the drop-down list of pictures and descriptions,
// stepping through the values by keys and the wheel, the search by a description's first letter,
// and the painting of a value as its picture and description.
#include "editors/dxImageEdit.h"

#include "editors/dxContainer.h"
#include "editors/dxDrawing.h"
#include "editors/dxEditClassOf.h"
#include "editors/dxPickEdit.h"
#include "graphics/Gdi.h"
#include "rtl/Convert.h"
#include "rtl/Text.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/NonClient.h"
#include "windows/Window.h"

// --- the drop-down list ---------------------------------------------------------------------------

void TdxPopupImageListBox::AddEntry(const String& Text, int ImageIndex) {
  FEntryImages.push_back(ImageIndex);
  Items()->Add(Text);
}

void TdxPopupImageListBox::ClearEntries() {
  FEntryImages.clear();
  Items()->Clear();
}

int TdxPopupImageListBox::EntryImage(int Index) const {
  return Index >= 0 && Index < static_cast<int>(FEntryImages.size()) ? FEntryImages[static_cast<size_t>(Index)] : -2;
}

int TdxPopupImageListBox::MeasureItem() {
  return std::max(TCustomdxPopupListBox::MeasureItem(), FImages ? FImages->Height() + 2 : 0);
}

// The picture one pixel in and centred in height, the description after it.
void TdxPopupImageListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas* c = Canvas();
  c->SetFont(Font());
  const bool selected = State & odSelected;
  c->Brush()->SetColor(selected ? clHighlight : Color());
  c->Font()->SetColor(selected ? clHighlightText : Font()->Color());
  c->FillRect(Rect);
  const int image = EntryImage(Index);
  const int imageWidth = FImages ? FImages->Width() : 0;
  if (FImages && image >= 0 && image < FImages->Count())
    DrawImageListImage(c->Handle(), Rect.Left + 1, (Rect.Top + Rect.Bottom - FImages->Height()) / 2, *FImages, image);
  TRect text{Rect.Left + imageWidth + 3, Rect.Top, Rect.Right, Rect.Bottom};
  unsigned flags = DT_NOPREFIX;
  if (FMultiLine) {
    InflateRect(text, -2, -2);
    flags |= DT_WORDBREAK | DT_EXPANDTABS | DT_END_ELLIPSIS;
  } else {
    flags |= DT_SINGLELINE | DT_VCENTER;
  }
  c->Brush()->SetStyle(TBrushStyle::bsClear);
  DrawText(c->Handle(), (*Items())[Index], -1, text, flags);
  if (State & odFocused) c->DrawFocusRect(Rect);
}

// --- the class: painting a value ------------------------------------------------------------------

void TdxImageEditClass::GetIndexesByValue(const String& Value, const TStrings* ImageIndexes, const TStrings* Values,
                                          const TStrings* Descriptions, bool DefaultImages, int& DescriptionIndex,
                                          int& ImageIndex) {
  const int item = Values ? ExactIndexOf(*Values, Value) : -1;
  DescriptionIndex = item >= 0 && Descriptions && Descriptions->Count() > item ? item : -1;
  ImageIndex = item;
  if (!DefaultImages && item >= 0 && ImageIndexes && ImageIndexes->Count() > item)
    ImageIndex = StrToIntDef(Trim((*ImageIndexes)[item]), -1);
}

std::unique_ptr<TdxEditViewData> TdxImageEditClass::CreateViewDataObject() const {
  return std::make_unique<TdxImageEditViewData>();
}

// Without its description a value shows only its picture, centred; with it, the picture at the
// left edge and the description (or the value itself) in the rest.
bool TdxImageEditClass::Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const {
  auto& vd = static_cast<TdxImageEditViewData&>(ViewData);
  const int iw = vd.Images ? vd.Images->Width() : 0, ih = vd.Images ? vd.Images->Height() : 0;
  int description = -1, image = -1;
  GetIndexesByValue(VarToStr(vd.Value), vd.ImageIndexes, vd.Values, vd.Descriptions, vd.DefaultImages, description,
                    image);
  const bool drawImage = vd.Images && image >= 0 && image < vd.Images->Count() && !vd.CalcOnly;
  TRect r = Rect;
  if (!vd.ShowDescription) {
    if (iw > 0 && !vd.CalcOnly) {
      if (!vd.NoBackground) FillRect(DC, r, vd.Brush);
      if (drawImage) DrawImageListImage(DC, (r.Left + r.Right - iw) / 2, (r.Top + r.Bottom - ih) / 2, *vd.Images, image);
    }
    if (iw > 0) vd.NoBackground = true;
    vd.Value = String();
    return TdxDropDownEditClass::Draw(DC, r, vd, IsWindowPaint);
  }
  if (description != -1) vd.Value = (*vd.Descriptions)[description];
  if (iw > 0) {
    if (!vd.NoBackground && !vd.CalcOnly) FillRect(DC, {r.Left, r.Top, r.Left + iw, r.Bottom}, vd.Brush);
    if (drawImage) DrawImageListImage(DC, r.Left, (r.Top + r.Bottom - ih) / 2, *vd.Images, image);
    r.Left += iw;
  }
  return TdxDropDownEditClass::Draw(DC, r, vd, IsWindowPaint);
}

int TdxImageEditClass::GetEditHeight(const TdxEditViewData& ViewData) const {
  const auto* vd = dynamic_cast<const TdxImageEditViewData*>(&ViewData);
  const int images = vd && vd->Images ? vd->Images->Height() : 0;
  return std::max(TdxDropDownEditClass::GetEditHeight(ViewData), images);
}

const TdxInplaceEditClass& ImageEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceImageEdit, TdxImageEditClass>("TdxInplaceImageEdit", Inplace);
}

// --- the editor ----------------------------------------------------------------------------------

// A click anywhere drops the list down; any change of the lists or image lists repaints.
TdxInplaceImageEdit::TdxInplaceImageEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceDropDownEdit(AOwner, Class),
      FDescriptions(std::make_unique<TStringList>()),
      FImageIndexes(std::make_unique<TStringList>()),
      FValues(std::make_unique<TStringList>()) {
  ClickOpensPopup = true;
  SetControlStyle(ControlStyle() | csCaptureMouse);
  const TNotifyEvent refresh = [this](TObject*) { LayoutChanged(); };
  FImagesLink.OnChange = refresh;
  FLargeImagesLink.OnChange = refresh;
  for (TStringList* list : {FDescriptions.get(), FImageIndexes.get(), FValues.get()}) list->OnChange = refresh;
  FPopupList = new TdxPopupImageListBox(this);
  FPopupList->SetOwnerEdit(this);
  SetPopupControl(FPopupList);
}

TdxInplaceImageEdit::~TdxInplaceImageEdit() {
  for (TStringList* list : {FDescriptions.get(), FImageIndexes.get(), FValues.get()}) list->OnChange = nullptr;
}

void TdxInplaceImageEdit::SetDefaultImages(bool Value) {
  if (FDefaultImages == Value) return;
  FDefaultImages = Value;
  LayoutChanged();
}

void TdxInplaceImageEdit::SetMultiLineText(bool Value) {
  if (FMultiLineText == Value) return;
  FMultiLineText = Value;
  LayoutChanged();
}

void TdxInplaceImageEdit::SetShowDescription(bool Value) {
  if (FShowDescription == Value) return;
  FShowDescription = Value;
  LayoutChanged();
}

void TdxInplaceImageEdit::SetImages(TImageList* Value) { WatchImages(FImages, FImagesLink, Value); }

void TdxInplaceImageEdit::SetLargeImages(TImageList* Value) { WatchImages(FLargeImages, FLargeImagesLink, Value); }

// The editor hears of every change of an image list it shows and forgets one that is freed; a
// list that is both Images and LargeImages stays watched while one of them still names it.
void TdxInplaceImageEdit::WatchImages(TImageList*& Field, TChangeLink& Link, TImageList* Value) {
  TImageList* old = Field;
  if (!SetImageListReference(Field, Value, Link, this)) return;
  TImageList* other = &Field == &FImages ? FLargeImages : FImages;
  if (old && old == other) old->FreeNotification(this);
  LayoutChanged();
}

void TdxInplaceImageEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TdxInplaceDropDownEdit::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopupList) FPopupList = nullptr;
  if (FPopupList && FPopupList->Images() == AComponent) FPopupList->SetImages(nullptr);
  if (AComponent != FImages && AComponent != FLargeImages) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FLargeImages) FLargeImages = nullptr;
  if (!(ComponentState() & csDestroying)) LayoutChanged();
}

void TdxInplaceImageEdit::SetItemValue(const String& S) {
  if (Text() == S || !CanModify()) return;
  SetText(S);
  SetModified(true);
}

// A focused look only for a stand-alone editor whose list is closed.
std::unique_ptr<TdxEditViewData> TdxInplaceImageEdit::CreateViewData(bool IsPaint) {
  std::unique_ptr<TdxEditViewData> vd = TdxInplaceDropDownEdit::CreateViewData(IsPaint);
  vd->Focused = vd->Focused && !IsInplace() && !PopupShown();
  if (FMultiLineText) vd->VertAlignment = 3;
  if (auto* image = dynamic_cast<TdxImageEditViewData*>(vd.get())) {
    image->ShowDescription = FShowDescription;
    image->Descriptions = FDescriptions.get();
    image->ImageIndexes = FImageIndexes.get();
    image->Images = FImages;
    image->DefaultImages = FDefaultImages;
    image->Values = FValues.get();
  }
  return vd;
}

void TdxInplaceImageEdit::CloseUp(bool Accept) {
  if (!PopupShown()) return;
  FPopupList->HideList();
  RestoreFocus();
  SetPopupShown(false);
  if (HandleAllocated()) InvalidateFrame(Handle());
  InvalidateEdit();
  const int selected = FPopupList->ItemIndex();
  String value = selected >= 0 && selected < FValues->Count() ? (*FValues)[selected] : Text();
  ButtonUp(value, Accept);
  if (Accept) SetItemValue(value);
}

void TdxInplaceImageEdit::ScrollItem(int Delta, bool Wrap) {
  if (ReadOnly() || FValues->Count() == 0) return;
  const int count = FValues->Count();
  const int start = ExactIndexOf(*FValues, Text());
  int index = 0;
  if (start >= 0) {
    index = std::max(start + Delta, 0);
    if (index >= count) index = Wrap ? 0 : count - 1;
  }
  SetItemValue((*FValues)[index]);
}

// One entry per value: its description (or nothing) and its picture.
void TdxInplaceImageEdit::FillPopupList() {
  FPopupList->Items()->BeginUpdate();
  FPopupList->ClearEntries();
  for (int i = 0; i < FValues->Count(); ++i) {
    int image = i;
    if (!FDefaultImages) image = i < FImageIndexes->Count() ? StrToIntDef(Trim((*FImageIndexes)[i]), -1) : -1;
    FPopupList->AddEntry(i < FDescriptions->Count() ? (*FDescriptions)[i] : String(), image < 0 ? -2 : image);
  }
  FPopupList->Items()->EndUpdate();
}

// DropDownRows items high (or fewer); as wide as the widest description after a picture.
void TdxInplaceImageEdit::SizePopupList() {
  FPopupList->HandleNeeded();
  FPopupList->SetItemHeight(FPopupList->MeasureItem());
  const TImageList* images = FPopupList->Images();
  const int imageWidth = FLargeImages ? FLargeImages->Width() : images ? images->Width() : FPopupList->ItemHeight();
  FPopupList->SizeToRows(std::min(FValues->Count(), DropDownRows()),
                         imageWidth + std::max(10, FPopupList->WidestItem() + 2) + 4, DropDownWidth());
}

void TdxInplaceImageEdit::DropDown() {
  if (!CanEditText()) return;
  if (HandleAllocated() && GetFocus() != Handle() && CanFocus()) ::SetFocus(Handle());
  if (!HandleAllocated() || GetFocus() != Handle()) return;
  DoDropDownEvents();
  if (FValues->Count() == 0) return;
  StylePopupList(*FPopupList);
  FPopupList->SetImages(FLargeImages ? FLargeImages : FImages);
  FPopupList->SetMultiLine(FMultiLineText);
  FillPopupList();
  SizePopupList();
  FPopupList->SetItemIndex(ExactIndexOf(*FValues, Text()));
  ShowPopupList(*FPopupList, true);
  InvalidateEdit();
}

// The move a navigation key makes through the values; 0 for other keys.
int TdxInplaceImageEdit::StepKey(WORD Key) const {
  const int page = DropDownRows() - 1, count = FValues->Count();
  switch (Key) {
    case VK_PRIOR: return -page;
    case VK_NEXT: return page;
    case VK_HOME: return -count;
    case VK_END: return count;
    case VK_LEFT:
    case VK_UP: return -1;
    case VK_RIGHT:
    case VK_DOWN: return 1;
    default: return 0;
  }
}

// Stand-alone, or in place with Incremental, the navigation keys step through the values; in
// place the arrows left and right otherwise move to the neighbouring cell.
void TdxInplaceImageEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if ((!IsInplace() || FIncremental) && !(Shift & ssAlt)) {
    const int step = StepKey(Key);
    if (step != 0) {
      ScrollItem(step, false);
      Key = 0;
      return;
    }
  }
  if (IsInplace() && GetContainer() && (Key == VK_LEFT || Key == VK_RIGHT)) {
    FocusAdjacentCell(Key == VK_LEFT);
    Key = 0;
    return;
  }
  TdxInplaceDropDownEdit::KeyDown(Key, Shift);
}

// A stand-alone editor steps with the arrows, so it keeps them from the form's focus moves.
void TdxInplaceImageEdit::Dispatch(TMessage& Message) {
  TdxInplaceDropDownEdit::Dispatch(Message);
  if (Message.Msg == WM_GETDLGCODE && !IsInplace()) Message.Result |= DLGC_WANTARROWS;
}

// A typed character chooses the next value whose description begins with it, going round.
void TdxInplaceImageEdit::KeyPress(TKeyChar& Key) {
  TdxInplaceDropDownEdit::KeyPress(Key);
  if (Key < 32 || FValues->Count() == 0) return;
  const int current = ExactIndexOf(*FValues, Text());
  const int count = FDescriptions->Count();
  const String typed = CodePointToUtf8(Key);
  for (int n = 1; n <= count; ++n) {
    const int i = (current + n) % count;
    if (i == current || !AnsiSameText(Copy((*FDescriptions)[i], 1, 1), typed)) continue;
    if (i < FValues->Count()) SetItemValue((*FValues)[i]);
    return;
  }
}
