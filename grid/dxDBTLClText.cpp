// The text kinds of column: the memo (cells cut to a display length), the button column (its
// buttons follow EditButtonStyle), the hyperlink (a link font, an anchor in HTML) and the MRU
// column (the texts typed last become its items).
#include "data/Fields.h"
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
    FScrollBars = source->FScrollBars;
    FWordWrap = source->FWordWrap;
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

void TdxDBTreeListMemoColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitEditor(Editor);
  auto* memo = dynamic_cast<TdxInplaceMemoEdit*>(Editor);
  if (!memo) return;
  memo->SetHideScrollBars(FHideScrollBars);
  memo->SetScrollBars(FScrollBars);
  memo->SetWantReturns(FWantReturns);
  memo->SetWantTabs(FWantTabs);
  memo->SetWordWrap(FWordWrap);
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
  FScrollBars = ssNone;
  FWordWrap = true;
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
    FButtonOnly = source->FButtonOnly;
    FEditButtonStyle = source->FEditButtonStyle;
    FClickKey = source->FClickKey;
    SetGlyph(source->FGlyph.get());
    FHideEditCursor = source->FHideEditCursor;
    FShowButtonStyle = source->FShowButtonStyle;
    OnButtonClick = source->OnButtonClick;
  });
}

void TdxDBTreeListButtonColumn::SetButtonOnly(bool Value) {
  if (FButtonOnly == Value) return;
  FButtonOnly = Value;
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
  if (FHideEditCursor == Value) return;
  FHideEditCursor = Value;
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

// ButtonOnly counts only while there is a button.
uint8_t TdxDBTreeListButtonColumn::ViewStyle() const {
  if (FButtonOnly && FButtons->Count() > 0) return bvsButtonsOnly;
  return FHideEditCursor ? bvsHideCursor : bvsNormal;
}

void TdxDBTreeListButtonColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitEditor(Editor);
  auto* button = dynamic_cast<TdxInplaceButtonEdit*>(Editor);
  if (!button) return;
  button->SetButtons(FButtons.get());
  button->SetClickKey(FClickKey);
  button->SetViewStyle(ViewStyle());
  button->OnButtonClick = [this](TObject*, int Index) { DoButtonClick(Index); };
}

void TdxDBTreeListButtonColumn::InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) {
  TdxDBTreeListColumn::InitViewData(ViewData, CellViewData);
  auto* button = dynamic_cast<TdxButtonEditViewData*>(&ViewData);
  if (!button) return;
  const bool shown = IsCellButtonVisible(*this, FShowButtonStyle, CellViewData.Node) && FButtons->Count() > 0;
  button->EditButtons = shown ? FButtons.get() : nullptr;
  button->ButtonsHidden = !shown;
  button->ButtonsOnly = shown && ViewStyle() == bvsButtonsOnly;
  button->HiddenEditCursor = ViewStyle() == bvsHideCursor;
  button->HotButton = button->PressedButton = -1;
}

void TdxDBTreeListButtonColumn::RestoreDefaults() {
  TdxDBTreeListColumn::RestoreDefaults();
  FButtonOnly = FHideEditCursor = false;
  FClickKey = dxCtrlEnter;
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
    FEditBackgroundColor = source->FEditBackgroundColor;
    SetEditFontColor(source->FEditFontColor);
    SetSingleClick(source->FSingleClick);
    FStartKey = source->FStartKey;
    OnStartClick = source->OnStartClick;
  }
}

void TdxDBTreeListHyperLinkColumn::SetEditFontColor(TColor Value) {
  if (FEditFontColor == Value) return;
  FEditFontColor = Value;
  FontChanged();
}

void TdxDBTreeListHyperLinkColumn::SetSingleClick(bool Value) {
  if (FSingleClick == Value) return;
  FSingleClick = Value;
  FontChanged();
}

TFont* TdxDBTreeListHyperLinkColumn::LinkFont() {
  if (!FLinkFont) {
    FLinkFont = std::make_unique<TFont>();
    FLinkFont->Assign(Font());
    FLinkFont->SetStyle(FLinkFont->Style() | fsUnderline);
    FLinkFont->SetColor(FSingleClick ? FEditFontColor : clWindowText);
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

void TdxDBTreeListHyperLinkColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListColumn::InitEditor(Editor);
  auto* link = dynamic_cast<TdxInplaceHyperLinkEdit*>(Editor);
  if (!link) return;
  link->SetColor(FEditBackgroundColor);
  link->SetLinkColor(FEditFontColor);
  link->SetSingleClick(FSingleClick);
  link->SetStartKey(FStartKey);
  link->OnStartClick = OnStartClick ? TNotifyEvent([this](TObject*) { DoStartClick(); }) : TNotifyEvent();
}

void TdxDBTreeListHyperLinkColumn::InitViewData(TdxEditViewData& ViewData,
                                                const TdxTreeListCellViewData& CellViewData) {
  TdxDBTreeListColumn::InitViewData(ViewData, CellViewData);
  TFont* font = LinkFont();
  ViewData.Font = font->Handle();
  if (!CellViewData.Selected && font->Color() != clWindowText) ViewData.TextColor = ColorToRGB(font->Color());
  if (auto* link = dynamic_cast<TdxHyperLinkEditViewData*>(&ViewData))
    link->HandCursor = FSingleClick && !CellViewData.Text.empty();
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

TCursor TdxDBTreeListHyperLinkColumn::GetCellCursor(TCursor Cursor) { return FSingleClick ? TCursor(-1140) : Cursor; }

void TdxDBTreeListHyperLinkColumn::RestoreDefaults() {
  TdxDBTreeListColumn::RestoreDefaults();
  FEditBackgroundColor = clWhite;
  FEditFontColor = clBlue;
  FSingleClick = false;
  FStartKey = dxCtrlEnter;
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
    FMaxItemCount = source->FMaxItemCount;
    FShowEllipsis = source->FShowEllipsis;
    OnButtonClick = source->OnButtonClick;
  }
}

const TdxInplaceEditClass& TdxDBTreeListMRUColumn::GetEditorClass() const {
  return TdxInplaceDBTreeListMRUEdit::EditClassObject();
}

void TdxDBTreeListMRUColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxDBTreeListPickColumn::InitEditor(Editor);
  auto* mru = dynamic_cast<TdxInplaceMRUEdit*>(Editor);
  if (!mru) return;
  mru->SetMaxItemCount(FMaxItemCount);
  mru->SetShowEllipsis(FShowEllipsis);
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
  FMaxItemCount = 7;
  FShowEllipsis = true;
}

void TdxDBTreeListMRUColumn::DoButtonClick() {
  if (OnButtonClick) OnButtonClick(this);
}
