// The text kinds of column: the memo (cells cut to a display length), the button column (its
// buttons follow EditButtonStyle), the hyperlink (a link font, an anchor in HTML) and the MRU
// column (the texts typed last become its items).
#include "data/Fields.h"
#include "editors/dxExEdtr.h"
#include "grid/dxDBCtrl.h"
#include "grid/dxDBTLCl.h"
#include "rtl/Text.h"

// --- the memo column ----------------------------------------------------------------------------------

TdxDBTreeListMemoColumn::TdxDBTreeListMemoColumn(TComponent* AOwner) : TdxDBTreeListColumn(AOwner) {
  SetDisableFilter(true);
  SetHeaderMaxLineCount(0);
}

void TdxDBTreeListMemoColumn::Assign(const TPersistent* Source) {
  TdxDBTreeListColumn::Assign(Source);
  if (const auto* source = dynamic_cast<const TdxDBTreeListMemoColumn*>(Source)) {
    SetMaxDisplayLength(source->FMaxDisplayLength);
    FMemo.ScrollBars = source->FMemo.ScrollBars;
    FMemo.WordWrap = source->FMemo.WordWrap;
  }
}

void TdxDBTreeListMemoColumn::SetMaxDisplayLength(int Value) {
  if (FMaxDisplayLength == Value) return;
  FMaxDisplayLength = Value;
  Changed(false);
}

const TdxInplaceEditClass& TdxDBTreeListMemoColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListMemoEdit::EditClassObject();
}

String TdxDBTreeListMemoColumn::GetDisplayText(TdxTreeListNode* Node) {
  if (!Field()) return TdxDBTreeListColumn::GetDisplayText(Node);
  const String text = Field()->AsString();
  return FMaxDisplayLength < 0 || Length(text) <= FMaxDisplayLength ? text : Copy(text, 1, FMaxDisplayLength);
}

TdxMemoOptions TdxDBTreeListMemoColumn::EditorOptions() const {
  TdxMemoOptions options = FMemo;
  options.CharCase = CharCase();
  options.MaxLength = MaxLength();
  options.OEMConvert = OEMConvert();
  return options;
}

void TdxDBTreeListMemoColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitEditor(Editor);
  if (auto* memo = dynamic_cast<TdxInplaceMemoEdit*>(Editor)) memo->ApplyOptions(EditorOptions());
}

Variant TdxDBTreeListMemoColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  if (!Field()) return TdxDBTreeListColumn::ApplyEditValue(Node, Editor);
  Field()->SetAsString(VarToStr(Editor->GetEditValue()));
  return Node->Values(GetIndex());
}

Variant TdxDBTreeListMemoColumn::InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  if (!Field()) return TdxDBTreeListColumn::InitEditValue(Node, Editor);
  Editor->SetEditValue(Field()->AsString());
  return Editor->GetEditValue();
}

void TdxDBTreeListMemoColumn::RestoreDefaults() {
  TdxDBTreeListColumn::RestoreDefaults();
  SetDisableFilter(true);
  SetHeaderMaxLineCount(0);
  FMaxDisplayLength = 255;
  FMemo.ScrollBars = DefaultMemoOptions.ScrollBars;
  FMemo.WordWrap = DefaultMemoOptions.WordWrap;
}

// --- the button column ------------------------------------------------------------------------------

TdxColumnEditButtons::TdxColumnEditButtons(TdxTreeListColumn* Column)
    : TdxEditButtons(nullptr, [](TCollection* C) -> TCollectionItem* { return new TdxEditButton(C); }),
      FColumn(Column) {}

void TdxColumnEditButtons::Update(TCollectionItem* Item) {
  TdxEditButtons::Update(Item);
  FColumn->Changed(false);
}

TdxDBTreeListButtonColumn::TdxDBTreeListButtonColumn(TComponent* AOwner)
    : TdxDBTreeListColumn(AOwner), FButtons(std::make_unique<TdxColumnEditButtons>(this)) {
  FButtons->Add();
}

TdxDBTreeListButtonColumn::~TdxDBTreeListButtonColumn() = default;

void TdxDBTreeListButtonColumn::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxDBTreeListButtonColumn*>(Source);
  if (!source) return TdxDBTreeListColumn::Assign(Source);
  InsideControlUpdate([&] {
    TdxDBTreeListColumn::Assign(Source);
    FButtons->Assign(source->FButtons.get());
    FButton = source->FButton;
    FEditButtonStyle = source->FEditButtonStyle;
    SetGlyph(source->FGlyph.get());
    FShowButtonStyle = source->FShowButtonStyle;
    OnButtonClick = source->OnButtonClick;
  });
}

void TdxDBTreeListButtonColumn::SetButtonOnly(bool Value) {
  if (FButton.ButtonOnly == Value) return;
  FButton.ButtonOnly = Value;
  Changed(false);
}

void TdxDBTreeListButtonColumn::SetEditButtonStyle(TdxEditButtonStyle Value) {
  FEditButtonStyle = Value;
  if (Value == ebsSimple) {
    FButtons->Clear();
  } else {
    if (FButtons->Count() == 0) FButtons->Add();
    SetFirstButtonKind();
  }
  Changed(false);
}

void TdxDBTreeListButtonColumn::SetFirstButtonKind() {
  if (FButtons->Count() == 0 || FEditButtonStyle == ebsSimple) return;
  constexpr TdxEditButtonItemKind kinds[] = {bkEllipsis, bkEllipsis, bkDown, bkGlyph};
  FButtons->Items(0)->SetKind(kinds[FEditButtonStyle]);
}

TBitmap* TdxDBTreeListButtonColumn::Glyph() {
  if (!FGlyph) FGlyph = std::make_unique<TBitmap>();
  return FGlyph.get();
}

void TdxDBTreeListButtonColumn::SetGlyph(const TBitmap* Value) {
  if (!Value || Value->Empty())
    FGlyph.reset();
  else
    Glyph()->Assign(Value);
  if (FButtons->Count() > 0) FButtons->Items(0)->SetGlyph(FGlyph.get());
  Changed(false);
}

void TdxDBTreeListButtonColumn::SetHideEditCursor(bool Value) {
  if (FButton.HideEditCursor == Value) return;
  FButton.HideEditCursor = Value;
  Changed(false);
}

void TdxDBTreeListButtonColumn::SetShowButtonStyle(TdxShowButtonStyle Value) {
  if (FShowButtonStyle == Value) return;
  FShowButtonStyle = Value;
  Changed(false);
}

const TdxInplaceEditClass& TdxDBTreeListButtonColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListButtonEdit::EditClassObject();
}

uint8_t TdxButtonOptions::ViewStyle(bool HasButtons) const {
  if (ButtonOnly && HasButtons) return bvsButtonsOnly;
  return HideEditCursor ? bvsHideCursor : bvsNormal;
}

void TdxButtonOptions::ApplyTo(TdxInplaceButtonEdit& Editor, const TdxEditButtons& Buttons) const {
  Editor.SetButtons(&Buttons);
  Editor.SetClickKey(ClickKey);
  Editor.SetViewStyle(ViewStyle(Buttons.Count() > 0));
}

void TdxDBTreeListButtonColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitEditor(Editor);
  auto* button = dynamic_cast<TdxInplaceButtonEdit*>(Editor);
  if (!button) return;
  FButton.ApplyTo(*button, *FButtons);
  button->OnButtonClick = [this](TObject*, int Index) { DoButtonClick(Index); };
}

void TdxDBTreeListButtonColumn::InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) {
  TdxDBTreeListColumn::InitViewData(ViewData, CellViewData);
  auto* button = dynamic_cast<TdxButtonEditViewData*>(&ViewData);
  if (!button) return;
  const bool shown = IsCellButtonVisible(*this, FShowButtonStyle, CellViewData.Node) && FButtons->Count() > 0;
  const uint8_t viewStyle = FButton.ViewStyle(FButtons->Count() > 0);
  button->EditButtons = shown ? FButtons.get() : nullptr;
  button->ButtonsHidden = !shown;
  button->ButtonsOnly = shown && viewStyle == bvsButtonsOnly;
  button->HiddenEditCursor = viewStyle == bvsHideCursor;
  button->HotButton = button->PressedButton = -1;
}

void TdxDBTreeListButtonColumn::RestoreDefaults() {
  TdxDBTreeListColumn::RestoreDefaults();
  FButton = TdxButtonOptions();
  FGlyph.reset();
  FShowButtonStyle = sbDefault;
  if (FButtons->Count() == 0) FButtons->Add();
  FEditButtonStyle = ebsEllipsis;
  SetFirstButtonKind();
}

void TdxDBTreeListButtonColumn::DoButtonClick(int AbsoluteIndex) {
  if (OnButtonClick) OnButtonClick(this, AbsoluteIndex);
}

// --- the hyperlink column ---------------------------------------------------------------------------

TdxDBTreeListHyperLinkColumn::TdxDBTreeListHyperLinkColumn(TComponent* AOwner) : TdxDBTreeListColumn(AOwner) {}

void TdxDBTreeListHyperLinkColumn::Assign(const TPersistent* Source) {
  TdxDBTreeListColumn::Assign(Source);
  if (const auto* source = dynamic_cast<const TdxDBTreeListHyperLinkColumn*>(Source)) {
    const TdxHyperLinkOptions& link = source->FHyperLink;
    const bool fontChanged =
        link.EditFontColor != FHyperLink.EditFontColor || link.SingleClick != FHyperLink.SingleClick;
    FHyperLink = link;
    if (fontChanged) FontChanged();
    OnStartClick = source->OnStartClick;
  }
}

void TdxDBTreeListHyperLinkColumn::SetEditFontColor(TColor Value) {
  if (FHyperLink.EditFontColor == Value) return;
  FHyperLink.EditFontColor = Value;
  FontChanged();
}

void TdxDBTreeListHyperLinkColumn::SetSingleClick(bool Value) {
  if (FHyperLink.SingleClick == Value) return;
  FHyperLink.SingleClick = Value;
  FontChanged();
}

TFont* TdxDBTreeListHyperLinkColumn::LinkFont() {
  if (!FLinkFont) {
    FLinkFont = std::make_unique<TFont>();
    FLinkFont->Assign(Font());
    FLinkFont->SetStyle(FLinkFont->Style() | fsUnderline);
    FLinkFont->SetColor(FHyperLink.SingleClick ? FHyperLink.EditFontColor : clWindowText);
  }
  return FLinkFont.get();
}

void TdxDBTreeListHyperLinkColumn::FontChanged() {
  FLinkFont.reset();
  TdxDBTreeListColumn::FontChanged();
  Changed(false);
}

const TdxInplaceEditClass& TdxDBTreeListHyperLinkColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListHyperLinkEdit::EditClassObject();
}

void TdxHyperLinkOptions::ApplyTo(TdxInplaceHyperLinkEdit& Editor) const {
  Editor.SetColor(EditBackgroundColor);
  Editor.SetLinkColor(EditFontColor);
  Editor.SetSingleClick(SingleClick);
  Editor.SetStartKey(StartKey);
}

void TdxDBTreeListHyperLinkColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitEditor(Editor);
  auto* link = dynamic_cast<TdxInplaceHyperLinkEdit*>(Editor);
  if (!link) return;
  FHyperLink.ApplyTo(*link);
  link->OnStartClick = OnStartClick ? TNotifyEvent([this](TObject*) { DoStartClick(); }) : TNotifyEvent();
}

void TdxDBTreeListHyperLinkColumn::InitViewData(TdxEditViewData& ViewData,
                                                const TdxTreeListCellViewData& CellViewData) {
  TdxDBTreeListColumn::InitViewData(ViewData, CellViewData);
  TFont* font = LinkFont();
  ViewData.Font = font->Handle();
  if (!CellViewData.Selected && font->Color() != clWindowText) ViewData.TextColor = ColorToRGB(font->Color());
  if (auto* link = dynamic_cast<TdxHyperLinkEditViewData*>(&ViewData))
    link->HandCursor = FHyperLink.SingleClick && !CellViewData.Text.empty();
}

namespace {

// The characters HTML gives a meaning: & < > " and '.
String HtmlEscaped(const String& Text) {
  String escaped;
  for (char c : Text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      case '\'': escaped += "&#39;"; break;
      default: escaped += c; break;
    }
  }
  return escaped;
}

}  // namespace

bool TdxDBTreeListHyperLinkColumn::ConvertExportValue(Variant& Value, bool Html) {
  if (!Html) return TdxDBTreeListColumn::ConvertExportValue(Value, Html);
  const String text = HtmlEscaped(VarToStr(Value));
  Value = Variant("<a href=\"" + text + "\">" + text + "</a>");
  return true;
}

// A link that opens on a single click shows the hand over a cell that holds one.
TCursor TdxDBTreeListHyperLinkColumn::GetCellCursor(TdxTreeListNode* Node, TCursor Cursor) {
  if (!FHyperLink.SingleClick || !TreeList() || TreeList()->GetCellText(Node, GetIndex()).empty()) return Cursor;
  return dxHandPointCursor();
}

void TdxDBTreeListHyperLinkColumn::RestoreDefaults() {
  TdxDBTreeListColumn::RestoreDefaults();
  FHyperLink = TdxHyperLinkOptions();
  FontChanged();
}

void TdxDBTreeListHyperLinkColumn::DoStartClick() {
  if (OnStartClick) OnStartClick(this);
}

// --- the MRU column ---------------------------------------------------------------------------------

TdxDBTreeListMRUColumn::TdxDBTreeListMRUColumn(TComponent* AOwner) : TdxDBTreeListPickColumn(AOwner) {
  SetImmediateDropDown(false);
}

void TdxDBTreeListMRUColumn::Assign(const TPersistent* Source) {
  TdxDBTreeListPickColumn::Assign(Source);
  if (const auto* source = dynamic_cast<const TdxDBTreeListMRUColumn*>(Source)) {
    FMRU = source->FMRU;
    OnButtonClick = source->OnButtonClick;
  }
}

const TdxInplaceEditClass& TdxDBTreeListMRUColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListMRUEdit::EditClassObject();
}

void TdxMRUOptions::ApplyTo(TdxInplaceMRUEdit& Editor) const {
  Editor.SetMaxItemCount(MaxItemCount);
  Editor.SetShowEllipsis(ShowEllipsis);
}

void TdxDBTreeListMRUColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListPickColumn::InitEditor(Editor);
  auto* mru = dynamic_cast<TdxInplaceMRUEdit*>(Editor);
  if (!mru) return;
  FMRU.ApplyTo(*mru);
  mru->OnButtonClick = [this](TObject*) { DoButtonClick(); };
}

Variant TdxDBTreeListMRUColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  const Variant value = TdxDBTreeListPickColumn::ApplyEditValue(Node, Editor);
  if (auto* mru = dynamic_cast<TdxInplaceMRUEdit*>(Editor)) Items()->Assign(mru->Items());
  return value;
}

void TdxDBTreeListMRUColumn::RestoreDefaults() {
  TdxDBTreeListPickColumn::RestoreDefaults();
  SetImmediateDropDown(false);
  FMRU = TdxMRUOptions();
}

void TdxDBTreeListMRUColumn::DoButtonClick() {
  if (OnButtonClick) OnButtonClick(this);
}
