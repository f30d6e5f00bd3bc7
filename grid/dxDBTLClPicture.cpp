// The picture kinds of column: the image column (values shown as pictures of an image list with
// their descriptions), the graphic column (a picture in a blob field) and the blob column (a
// blob's icon or text, edited in a popup), with the writing of blob values into fields.
#include "data/Fields.h"
#include "editors/dxExEdtr.h"
#include "grid/dxDBCtrl.h"
#include "grid/dxDBTLCl.h"
#include "rtl/Text.h"
#include "treelist/dxTLNode.h"

void WriteBlobValue(TField* Field, const Variant& Value) {
  if (Value.IsNull() || Value.IsEmpty())
    Field->Clear();
  else
    Field->SetAsString(VarToStr(Value));
}

// --- the image column -------------------------------------------------------------------------------

TdxDBTreeListImageColumn::TdxDBTreeListImageColumn(TComponent* AOwner)
    : TdxDBTreeListDropDownColumn(AOwner),
      FDescriptions(std::make_unique<TStringList>()),
      FImageIndexes(std::make_unique<TStringList>()),
      FValues(std::make_unique<TStringList>()) {
  SetMinWidth(16);
  SetAlignment(taLeftJustify);
  FImagesLink.OnChange = FLargeImagesLink.OnChange = [this](TObject*) { Changed(false); };
}

TdxDBTreeListImageColumn::~TdxDBTreeListImageColumn() {
  SetImageListReference(FImages, nullptr, FImagesLink, this);
  SetImageListReference(FLargeImages, nullptr, FLargeImagesLink, this);
}

void TdxDBTreeListImageColumn::Assign(const TPersistent* Source) {
  TdxDBTreeListDropDownColumn::Assign(Source);
  const auto* source = dynamic_cast<const TdxDBTreeListImageColumn*>(Source);
  if (!source) return;
  FImage = source->FImage;
  FDescriptions->Assign(source->FDescriptions.get());
  FImageIndexes->Assign(source->FImageIndexes.get());
  FValues->Assign(source->FValues.get());
  SetImages(source->FImages);
  SetLargeImages(source->FLargeImages);
  OnCloseUp = source->OnCloseUp;
  Changed(false);
}

void TdxDBTreeListImageColumn::SetDefaultImages(bool Value) {
  if (FImage.DefaultImages == Value) return;
  FImage.DefaultImages = Value;
  Changed(false);
}

void TdxDBTreeListImageColumn::SetDescriptions(const TStrings* Value) {
  FDescriptions->Assign(Value);
  Changed(false);
}

void TdxDBTreeListImageColumn::SetImageIndexes(const TStrings* Value) {
  FImageIndexes->Assign(Value);
  Changed(false);
}

void TdxDBTreeListImageColumn::SetValues(const TStrings* Value) {
  FValues->Assign(Value);
  Changed(false);
}

void TdxDBTreeListImageColumn::WatchImages(TImageList*& Field, TChangeLink& Link, TImageList* Value) {
  TImageList* old = Field;
  if (!SetImageListReference(Field, Value, Link, this)) return;
  // The other reference may still watch the old list's freeing.
  TImageList* other = &Field == &FImages ? FLargeImages : FImages;
  if (old && old == other) old->FreeNotification(this);
  Changed(false);
}

void TdxDBTreeListImageColumn::SetImages(TImageList* Value) { WatchImages(FImages, FImagesLink, Value); }
void TdxDBTreeListImageColumn::SetLargeImages(TImageList* Value) {
  WatchImages(FLargeImages, FLargeImagesLink, Value);
}

void TdxDBTreeListImageColumn::Notification(TComponent* AComponent, TOperation Operation) {
  TdxDBTreeListDropDownColumn::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FLargeImages) FLargeImages = nullptr;
}

void TdxDBTreeListImageColumn::SetMultiLineText(bool Value) {
  if (FImage.MultiLineText == Value) return;
  FImage.MultiLineText = Value;
  Changed(false);
}

void TdxDBTreeListImageColumn::SetShowDescription(bool Value) {
  if (FImage.ShowDescription == Value) return;
  FImage.ShowDescription = Value;
  Changed(false);
}

const TdxInplaceEditClass& TdxDBTreeListImageColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListImageEdit::EditClassObject();
}

const TdxInplaceEditClass& TdxDBTreeListImageColumn::GetFilterEditorClass() const {
  return TCustomdxFilterImageEdit::EditClassObject();
}

int TdxDBTreeListImageColumn::GetCellGlyphWidth() { return FImages ? FImages->Width() : 0; }

String TdxDBTreeListImageColumn::GetValueText(const Variant& Value) {
  const String text = VarToStr(Value);
  int description = -1, image = -1;
  TdxImageEditClass::GetIndexesByValue(text, FImageIndexes.get(), FValues.get(), FDescriptions.get(),
                                       FImage.DefaultImages, description, image);
  return description >= 0 && description < FDescriptions->Count() ? (*FDescriptions)[description] : text;
}

int TdxDBTreeListImageColumn::GetCellTextWidth(TCanvas* Canvas, TdxTreeListNode* Node) {
  return Canvas->TextWidth(GetValueText(Variant(Node->Strings(GetIndex())))) + GetCellGlyphWidth();
}

bool TdxDBTreeListImageColumn::ConvertExportValue(Variant& Value, bool Html) {
  (void)Html;
  Value = Variant(GetValueText(Value));
  return true;
}

void TdxImageOptions::ApplyTo(TdxInplaceImageEdit& Editor) const {
  Editor.SetDefaultImages(DefaultImages);
  Editor.SetIncremental(Incremental);
  Editor.SetMultiLineText(MultiLineText);
  Editor.SetShowDescription(ShowDescription);
}

void TdxDBTreeListImageColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListDropDownColumn::InitEditor(Editor);
  auto* image = dynamic_cast<TdxInplaceImageEdit*>(Editor);
  if (!image) return;
  image->SetDescriptions(FDescriptions.get());
  image->SetImageIndexes(FImageIndexes.get());
  image->SetValues(FValues.get());
  image->SetImages(FImages);
  image->SetLargeImages(FLargeImages);
  FImage.ApplyTo(*image);
}

void TdxDBTreeListImageColumn::InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) {
  TdxDBTreeListDropDownColumn::InitViewData(ViewData, CellViewData);
  if (FImage.MultiLineText) ViewData.VertAlignment = 3;
  auto* image = dynamic_cast<TdxImageEditViewData*>(&ViewData);
  if (!image) return;
  image->ShowDescription = FImage.ShowDescription;
  image->Descriptions = FDescriptions.get();
  image->ImageIndexes = FImageIndexes.get();
  image->Images = FImages;
  image->DefaultImages = FImage.DefaultImages;
  image->Values = FValues.get();
}

Variant TdxDBTreeListImageColumn::GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) {
  const Variant value = TdxDBTreeListDropDownColumn::GetFilterEditValue(Editor, DisplayText);
  DisplayText = GetValueText(value);
  return FValues->IndexOf(VarToStr(value)) < 0 ? Variant::Null() : value;
}

void TdxDBTreeListImageColumn::DoCloseUp(String& Value, bool& Accept) {
  if (OnCloseUp) OnCloseUp(this, Value, Accept);
}

void TdxDBTreeListImageColumn::RestoreDefaults() {
  TdxDBTreeListDropDownColumn::RestoreDefaults();
  SetMinWidth(16);
  FImage = TdxImageOptions();
  FDescriptions->Clear();
  FImageIndexes->Clear();
  FValues->Clear();
}

// --- the graphic column -----------------------------------------------------------------------------

TdxDBTreeListGraphicColumn::TdxDBTreeListGraphicColumn(TComponent* AOwner)
    : TdxDBTreeListColumn(AOwner),
      FPopupToolBar(std::make_unique<TdxPopupToolBarWindow>()),
      FCellPicture(std::make_unique<TPicture>()) {
  SetDisableFilter(true);
  SetHeaderMaxLineCount(0);
}

TdxDBTreeListGraphicColumn::~TdxDBTreeListGraphicColumn() = default;

void TdxDBTreeListGraphicColumn::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxDBTreeListGraphicColumn*>(Source);
  if (!source) return TdxDBTreeListColumn::Assign(Source);
  InsideControlUpdate([&] {
    TdxDBTreeListColumn::Assign(Source);
    FGraphic = source->FGraphic;
    FCustomGraphic = source->FCustomGraphic;
    FPopupToolBar->Assign(source->FPopupToolBar.get());
    FShadowSelection = source->FShadowSelection;
  });
}

const TdxInplaceEditClass& TdxDBTreeListGraphicColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListGraphicEdit::EditClassObject();
}

TGraphicClass TdxDBTreeListGraphicColumn::GetGraphicClass(TdxTreeListNode* Node) {
  TGraphicClass graphicClass;
  if (OnGetGraphicClass) OnGetGraphicClass(this, Node, graphicClass);
  return graphicClass;
}

void TdxGraphicOptions::ApplyTo(TdxInplaceGraphicEdit& Editor) const {
  Editor.SetCenter(Center);
  Editor.SetCustomFilter(CustomFilter);
  Editor.SetDblClickActivate(DblClickActivate);
  Editor.SetGraphicTransparency(GraphicTransparency);
  Editor.SetPopupToolBarPosStored(PopupToolbarPosStored);
  Editor.SetQuickDraw(QuickDraw);
  Editor.SetStretch(Stretch);
}

void TdxDBTreeListGraphicColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitEditor(Editor);
  auto* graphic = dynamic_cast<TdxInplaceGraphicEdit*>(Editor);
  if (!graphic) return;
  graphic->SetPopupToolBar(FPopupToolBar.get());
  FGraphic.ApplyTo(*graphic);
  graphic->OnAssignPicture = [this](TObject*, TPicture*& Picture) {
    if (OnAssignPicture) OnAssignPicture(this, Picture);
  };
  graphic->OnCustomClick = [this](TObject*) {
    if (OnCustomClick) OnCustomClick(this);
  };
  graphic->OnGetGraphicClass = [this](TObject*, TGraphicClass& GraphicClass) {
    GraphicClass = GetGraphicClass(TreeList() ? TreeList()->FocusedNode() : nullptr);
  };
}

Variant TdxDBTreeListGraphicColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  if (!Field()) return TdxDBTreeListColumn::ApplyEditValue(Node, Editor);
  WriteBlobValue(Field(), Editor->GetEditValue());
  return Node->Values(GetIndex());
}

Variant TdxDBTreeListGraphicColumn::InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  if (!Field()) return TdxDBTreeListColumn::InitEditValue(Node, Editor);
  Editor->SetEditValue(Field()->IsNull() ? Variant::Null() : Field()->Value());
  return Editor->GetEditValue();
}

// The row's picture from the field of its record; a design-time grid of a custom graphic shows none.
void TdxDBTreeListGraphicColumn::InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) {
  TdxDBTreeListColumn::InitViewData(ViewData, CellViewData);
  auto* graphic = dynamic_cast<TdxGraphicEditViewData*>(&ViewData);
  if (!graphic) return;
  graphic->Center = FGraphic.Center;
  graphic->Stretch = FGraphic.Stretch;
  graphic->QuickDraw = FGraphic.QuickDraw;
  graphic->ShadowSelection = FShadowSelection && CellViewData.Selected;
  graphic->SelectionColor = TColor(CellViewData.SelectionColor);
  graphic->Picture = nullptr;
  TCustomdxTreeListControl* control = TreeList();
  const bool design = control && (control->ComponentState() & csDesigning);
  if (!CellViewData.Node || (FCustomGraphic && design)) return;
  try {
    LoadPictureFromValue(*FCellPicture, GetGraphicClass(CellViewData.Node),
                         control->GetNodeValue(CellViewData.Node, GetIndex()));
    graphic->Picture = FCellPicture.get();
  } catch (const EInvalidGraphic&) {
    // Data no picture kind reads paints as an empty cell.
  }
}

void TdxDBTreeListGraphicColumn::RestoreDefaults() {
  TdxDBTreeListColumn::RestoreDefaults();
  SetDisableFilter(true);
  SetHeaderMaxLineCount(0);
  FGraphic = TdxGraphicOptions();
  FCustomGraphic = false;
  FShadowSelection = true;
}

// --- the blob column --------------------------------------------------------------------------------

TdxBlobEditKind BlobEditKindOf(TdxBlobKind Kind, TFieldType FieldType) {
  switch (Kind) {
    case bkBlob: return bekBlob;
    case bkMemo: return bekMemo;
    case bkPict: return bekPict;
    case bkOle: return bekOle;
    default: break;
  }
  switch (FieldType) {
    case ftMemo: case ftFmtMemo: return bekMemo;
    case ftGraphic: return bekPict;
    case ftParadoxOle: case ftDBaseOle: return bekOle;
    default: return bekBlob;
  }
}

TdxDBTreeListBlobColumn::TdxDBTreeListBlobColumn(TComponent* AOwner) : TdxDBTreeListDropDownColumn(AOwner) {
  SetDisableFilter(true);
  SetMinWidth(20);
}

void TdxDBTreeListBlobColumn::Assign(const TPersistent* Source) {
  TdxDBTreeListDropDownColumn::Assign(Source);
  const auto* source = dynamic_cast<const TdxDBTreeListBlobColumn*>(Source);
  if (!source) return;
  const TdxDBTreeListBlobColumn& s = *source;
  FAlwaysSaveText = s.FAlwaysSaveText;
  FBlobKind = s.FBlobKind;
  FBlob = s.FBlob;
  FMaxDisplayLength = s.FMaxDisplayLength;
  FMemo = s.FMemo;
  FShowPicturePopup = s.FShowPicturePopup;
  Changed(false);
}

void TdxDBTreeListBlobColumn::SetBlobPaintStyle(TdxBlobPaintStyle Value) {
  if (FBlob.BlobPaintStyle == Value) return;
  FBlob.BlobPaintStyle = Value;
  // The text style may take more lines than the icon.
  Changed(true);
}

const TdxInplaceEditClass& TdxDBTreeListBlobColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListBlobEdit::EditClassObject();
}

void TdxBlobOptions::ApplyTo(TdxInplaceBlobEdit& Editor) const {
  Editor.SetBlobPaintStyle(BlobPaintStyle);
  Editor.SetPictureAutoSize(PictureAutoSize);
  Editor.SetPictureFilter(PictureFilter);
  Editor.SetPictureTransparency(PictureTransparency);
  Editor.SetPictureMenu(ShowExPopupItems);
  Editor.SetSizeablePopup(SizeablePopup);
  Editor.SetPopupSize(PopupWidth, PopupHeight);
}

void TdxDBTreeListBlobColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListDropDownColumn::InitEditor(Editor);
  auto* blob = dynamic_cast<TdxInplaceBlobEdit*>(Editor);
  if (!blob) return;
  blob->SetBlobKind(BlobEditKindOf(FBlobKind, Field() ? Field()->DataType() : ftUnknown));
  FBlob.ApplyTo(*blob);
  blob->SetMemoOptions(FMemo);
  blob->OnAssignPicture = [this](TObject*, TPicture*& Picture) {
    if (OnAssignPicture) OnAssignPicture(this, Picture);
  };
  blob->OnGetGraphicClass = [this](TObject*, TGraphicClass& GraphicClass) {
    if (OnGetGraphicClass) OnGetGraphicClass(this, GraphicClass);
  };
  // The size the user gives the popup is the column's for the next time.
  blob->OnPopupSizeChanged = [this, blob](TObject*) {
    FBlob.PopupWidth = blob->PopupWidth();
    FBlob.PopupHeight = blob->PopupHeight();
  };
}

Variant TdxDBTreeListBlobColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  if (!Field()) return TdxDBTreeListDropDownColumn::ApplyEditValue(Node, Editor);
  WriteBlobValue(Field(), Editor->GetEditValue());
  return Node->Values(GetIndex());
}

Variant TdxDBTreeListBlobColumn::InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  if (!Field()) return TdxDBTreeListDropDownColumn::InitEditValue(Node, Editor);
  Editor->SetEditValue(Field()->IsNull() ? Variant::Null() : Field()->Value());
  return Editor->GetEditValue();
}

void TdxDBTreeListBlobColumn::InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) {
  TdxDBTreeListDropDownColumn::InitViewData(ViewData, CellViewData);
  auto* blob = dynamic_cast<TdxBlobEditViewData*>(&ViewData);
  if (!blob) return;
  blob->Kind = BlobEditKindOf(FBlobKind, Field() ? Field()->DataType() : ftUnknown);
  blob->PaintStyle = FBlob.BlobPaintStyle;
  blob->Icons = dxEditorResources().BlobIcons.get();
  const String text = CellViewData.Text;
  blob->Empty = text.empty();
  if (FBlob.BlobPaintStyle == bpsText && FMaxDisplayLength >= 0 && Length(text) > FMaxDisplayLength)
    blob->Value = Variant(Copy(text, 1, FMaxDisplayLength));
}

void TdxDBTreeListBlobColumn::RestoreDefaults() {
  TdxDBTreeListDropDownColumn::RestoreDefaults();
  SetDisableFilter(true);
  SetMinWidth(20);
  FAlwaysSaveText = FShowPicturePopup = false;
  FBlobKind = bkAuto;
  FBlob = TdxBlobOptions();
  FMaxDisplayLength = 255;
  FMemo = DefaultMemoOptions;
}
