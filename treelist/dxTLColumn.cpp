// Columns: assigned values and their defaults, the place in the band and header-row grid, sorting,
// the editor class and the editor set-up, and the layout's extra values.
#include "treelist/dxTLColumn.h"

#include "classes/Filer.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"
#include "treelist/dxTLControl.h"
#include "treelist/dxTLEditors.h"

TdxTreeListColumn::TdxTreeListColumn(TComponent* AOwner) : TComponent(AOwner) {}

TdxTreeListColumn::~TdxTreeListColumn() {
  if (!FTreeList) return;
  if (!FTreeList->IsDestroying()) {
    const int index = GetIndex();
    for (int i = 0; i < FTreeList->Count(); ++i) FTreeList->DeleteNodeValue(FTreeList->Items(i), index);
    for (TdxTreeListNode* node : FTreeList->AuxiliaryNodes()) FTreeList->DeleteNodeValue(node, index);
  }
  // A form frees its components from the last made, so a column may go before its control, which
  // is already marked as being destroyed: it still leaves the control's list.
  FTreeList->RemoveColumn(this);
}

TComponent* TdxTreeListColumn::GetParentComponent() const { return FTreeList; }

void TdxTreeListColumn::SetParentComponent(TComponent* Value) {
  auto* control = dynamic_cast<TCustomdxTreeListControl*>(Value);
  if (control == FTreeList) return;
  if (FTreeList) FTreeList->RemoveColumn(this);
  if (control) control->AddColumn(this);
}

void TdxTreeListColumn::SetTreeList(TCustomdxTreeListControl* Value) {
  if (!(ComponentState() & csLoading)) SetParentComponent(Value);
}

void TdxTreeListColumn::Changed(bool AllColumns) {
  if (FTreeList) FTreeList->ColumnChanged(AllColumns ? nullptr : this);
}

void TdxTreeListColumn::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxTreeListColumn*>(Source);
  if (!source) return TComponent::Assign(Source);
  if (FTreeList) FTreeList->BeginUpdate();
  Bracket(
      [&] {
        RestoreDefaults();
        if (source->IsAssigned(cavAlignment)) SetAlignment(source->FAlignment);
        if (source->IsAssigned(cavCaption)) SetCaption(source->FCaption);
        if (source->IsAssigned(cavReadOnly)) SetReadOnly(source->FReadOnly);
        if (source->IsAssigned(cavWidth)) SetWidth(source->FWidth);
        if (source->IsAssigned(cavColor)) SetColor(source->FColor);
        if (source->IsAssigned(cavFont)) SetFont(source->Font());
        SetDisableCaption(source->FDisableCaption);
        SetDisableCustomizing(source->FDisableCustomizing);
        SetDisableEditor(source->FDisableEditor);
        SetDisableFilter(source->FDisableFilter);
        SetHeaderAlignment(source->FHeaderAlignment);
        if (source->FHeaderGlyph) SetHeaderGlyph(source->FHeaderGlyph.get());
        SetMinWidth(source->FMinWidth);
        SetSizing(source->FSizing);
        SetSorted(source->FSorted);
        SetVertAlignment(source->FVertAlignment);
        SetVisible(source->FVisible);
        SetTabStop(source->FTabStop);
        SetBandIndex(source->FBandIndex);
        SetRowIndex(source->RowIndex());
        SetColIndex(source->ColIndex());
        SetHeaderMaxLineCount(source->FHeaderMaxLineCount);
      },
      [this] {
        if (FTreeList) FTreeList->EndUpdate();
      });
}

void TdxTreeListColumn::DefineProperties(TFiler& Filer) {
  TComponent::DefineProperties(Filer);
  const bool writeOrder =
      FTreeList && FTreeList->IsMultiSort() && FTreeList->GetSortedColumnCount() >= 2 && FSorted != csNone;
  Filer.DefineProperty(
      "SortedOrder", [this](TReader& r) { StoredSortedOrder = r.ReadInteger(); },
      [this](TWriter& w) { w.WriteInteger(SortedOrder()); }, writeOrder);
  Filer.DefineProperty(
      "StoredRowIndex", [this](TReader& r) { FStoredRowIndex = r.ReadInteger(); },
      [this](TWriter& w) { w.WriteInteger(FStoredRowIndex); }, FStoredRowIndex != 0);
}

void TdxTreeListColumn::SetName(const String& NewName) {
  TComponent::SetName(NewName);
  if (RenameNotify) RenameNotify(this);
}

// --- assigned values --------------------------------------------------------------------------------

void TdxTreeListColumn::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  StoreAssigned(cavAlignment);
}

void TdxTreeListColumn::SetCaption(const String& Value) {
  FCaption = Value;
  FAssignedValues |= cavCaption;
  RefreshDefaultWidth();
  Changed(false);
}

TColor TdxTreeListColumn::Color() const {
  if (IsAssigned(cavColor)) return FColor;
  return FTreeList ? FTreeList->Color() : clWindow;
}

void TdxTreeListColumn::SetColor(TColor Value) {
  FColor = Value;
  StoreAssigned(cavColor);
}

bool TdxTreeListColumn::IsColorStored() const {
  return IsAssigned(cavColor) && FColor != (FTreeList ? FTreeList->Color() : clWindow);
}

void TdxTreeListColumn::SetMaxLength(int Value) {
  FMaxLength = Value;
  StoreAssigned(cavMaxLength);
}

bool TdxTreeListColumn::ReadOnly() const {
  if (FTreeList && FTreeList->IsReadOnly()) return true;
  return IsAssigned(cavReadOnly) ? FReadOnly : GetDefaultReadOnly();
}

void TdxTreeListColumn::SetReadOnly(bool Value) {
  FReadOnly = Value;
  StoreAssigned(cavReadOnly);
}

TFont* TdxTreeListColumn::Font() const {
  if (!FFont) {
    FFont = std::make_unique<TFont>();
    FFont->OnChange = [this](TObject* Sender) { const_cast<TdxTreeListColumn*>(this)->FontOwnChanged(Sender); };
  }
  if (!IsAssigned(cavFont) && FTreeList) {
    // Kept equal to the control's font without counting as a change of the column's own.
    FFontSyncing = true;
    FFont->Assign(FTreeList->Font());
    FFontSyncing = false;
  }
  return FFont.get();
}

void TdxTreeListColumn::FontOwnChanged(TObject* Sender) {
  (void)Sender;
  if (!FFontSyncing) FontChanged();
}

void TdxTreeListColumn::FontChanged() {
  FAssignedValues |= cavFont;
  Changed(true);
}

TBitmap* TdxTreeListColumn::HeaderGlyph() const {
  if (!FHeaderGlyph) FHeaderGlyph = std::make_unique<TBitmap>();
  return FHeaderGlyph.get();
}

void TdxTreeListColumn::SetHeaderGlyph(const TBitmap* Value) {
  if (Value)
    HeaderGlyph()->Assign(Value);
  else
    FHeaderGlyph.reset();
  Changed(true);
}

String TdxTreeListColumn::PasswordCharText() const { return FPasswordChar ? CodePointToUtf8(FPasswordChar) : String(); }

void TdxTreeListColumn::SetPasswordCharText(const String& Value) {
  const std::u32string chars = ToCodePoints(Value);
  SetPasswordChar(chars.empty() ? 0 : chars[0]);
}

// --- width ------------------------------------------------------------------------------------------

void TdxTreeListColumn::SetWidth(int Value) {
  Value = std::max(Value, FMinWidth);
  if (!IsAssigned(cavWidth) && Value == GetDefaultWidth()) return;
  FWidth = Value;
  StoreAssigned(cavWidth);
}

void TdxTreeListColumn::RefreshDefaultWidth() {
  if (!IsAssigned(cavWidth)) FWidth = std::max(GetDefaultWidth(), FMinWidth);
}

void TdxTreeListColumn::SetWidthByUser(int Value) {
  FWidth = std::max(Value, FMinWidth);
  FAssignedValues |= cavWidth;
}

void TdxTreeListColumn::SetMinWidth(int Value) {
  FMinWidth = std::max(Value, 0);
  if (FWidth >= FMinWidth) return;
  FWidth = FMinWidth;
  Changed(false);
}

// --- place in the header grid -----------------------------------------------------------------------

void TdxTreeListColumn::SetBandIndex(int Value) {
  Value = std::max(Value, -1);
  if (FTreeList) Value = std::min(Value, FTreeList->Bands()->Count() - 1);
  Store(FBandIndex, Value);
}

int TdxTreeListColumn::RowIndex() const {
  if (!FTreeList) return FRowIndex;
  return std::min(FStoredRowIndex, FTreeList->HeaderPanelRowCount() - 1);
}

void TdxTreeListColumn::SetRowIndex(int Value) {
  Value = std::max(Value, 0);
  if (FTreeList) Value = std::min(Value, FTreeList->HeaderPanelRowCount() - 1);
  if (Value == RowIndex()) return;
  FRowIndex = FStoredRowIndex = Value;
  Changed(false);
}

int TdxTreeListColumn::ColIndex() const {
  if (!FTreeList) return -1;
  // Counts the visible columns of the same band row up to this one; a hidden column is never met,
  // so it answers the last position.
  int position = -1;
  const int row = RowIndex();
  for (int i = 0; i < FTreeList->GetColumnCount(); ++i) {
    const TdxTreeListColumn* column = FTreeList->GetColumn(i);
    if (!column->FVisible || column->FBandIndex != FBandIndex || column->RowIndex() != row) continue;
    ++position;
    if (column == this) break;
  }
  return position;
}

void TdxTreeListColumn::SetColIndex(int Value) {
  if (!FTreeList || FBandIndex < 0 || Value == ColIndex()) return;
  std::vector<TdxTreeListColumn*> row;
  for (int i = 0; i < FTreeList->GetColumnCount(); ++i) {
    TdxTreeListColumn* column = FTreeList->GetColumn(i);
    if (column->FVisible && column->FBandIndex == FBandIndex && column->RowIndex() == RowIndex()) row.push_back(column);
  }
  if (row.empty()) return;
  const int count = int(row.size());
  Value = std::clamp(Value, 0, count - 1);
  TdxTreeListColumn* target = row[size_t(Value)];
  if (target == this) return;
  const int targetIndex = FTreeList->ColumnIndexOf(target), current = FTreeList->ColumnIndexOf(this);
  FTreeList->MoveColumnIndex(this, Value == count - 1 && current > targetIndex ? targetIndex + 1 : targetIndex);
}

// --- sorting ----------------------------------------------------------------------------------------

void TdxTreeListColumn::SetSorted(TdxTreeListColumnSort Value) {
  if (Value == FSorted) return;
  if (!FTreeList || FTreeList->IsLoading() || (ComponentState() & csLoading)) {
    FSorted = Value;
    return Changed(false);
  }
  if (Value == csNone) {
    return FTreeList->InsideSorting([&] {
      FSorted = Value;
      FTreeList->RemoveSortedColumn(this);
      Changed(false);
    });
  }
  FTreeList->InsideUpdate([&] {
    FTreeList->BeforeColumnSortChange(this);
    FSorted = Value;
    FTreeList->SortColumnChanged(this);
  });
}

int TdxTreeListColumn::SortedOrder() const {
  if (!FTreeList) return -1;
  for (int p = 0; p < FTreeList->GetSortedColumnCount(); ++p)
    if (FTreeList->GetSortedColumn(p) == this) return p;
  return -1;
}

// --- overridable operations -------------------------------------------------------------------------

Variant TdxTreeListColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  Node->SetStrings(GetIndex(), VarToStr(Editor->GetEditValue()));
  return Node->Values(GetIndex());
}

void TdxTreeListColumn::DoChange(TObject* Sender) {
  if (FTreeList && (FTreeList->EditorSet() || FTreeList->IsLoading())) return;
  if (FTreeList) FTreeList->DoEditChange(Sender);
  if (OnChange) OnChange(Sender);
}

void TdxTreeListColumn::DoCustomDrawCell(TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode, bool ASelected,
                                         bool AFocused, bool ANewItemRow, String& AText, TColor& AColor, TFont* AFont,
                                         TAlignment& AAlignment, bool& ADone) {
  if (OnCustomDrawCell)
    OnCustomDrawCell(this, ACanvas, ARect, ANode, this, ASelected, AFocused, ANewItemRow, AText, AColor, AFont,
                     AAlignment, ADone);
}

void TdxTreeListColumn::DoValidate(TObject* Sender, String& ErrorText, bool& Accept) {
  if (FTreeList && (FTreeList->EditorSet() || FTreeList->IsLoading())) return;
  if (FTreeList) FTreeList->DoEditValidate(Sender, ErrorText, Accept);
  if (OnValidate) OnValidate(Sender, ErrorText, Accept);
}

const TdxInplaceEditClass& TdxTreeListColumn::GetEditorClass() const {
  return TdxInplaceTreeListTextEdit::EditClassObject();
}

String TdxTreeListColumn::GetDisplayText(TdxTreeListNode* Node) { return Node->Strings(GetIndex()); }

int TdxTreeListColumn::GetIndex() const {
  if (FStoredIndex != -1) return FStoredIndex;
  return FTreeList ? FTreeList->ColumnIndexOf(this) : -1;
}

TdxEditViewData* TdxTreeListColumn::GetViewData() {
  // Made on first use, when the editor class of a descendant column is known.
  if (!FViewData) FViewData = GetEditorClass().CreateViewDataObject();
  return FViewData.get();
}

void TdxTreeListColumn::InitViewData(TdxEditViewData& ViewData, const TdxTreeListCellViewData& CellViewData) {
  const TdxTreeListCellViewData& cell = CellViewData;
  ViewData.Enabled = true;
  ViewData.Focused = ViewData.Hot = false;
  ViewData.BorderStyle = xbsNone;
  ViewData.Edges = AllEdges;
  ViewData.Shadow = false;
  ViewData.Bounds = cell.Rect;
  ViewData.EditOffsets = {0, cell.InvertSelect ? 1 : 0, 0, 0};
  ViewData.Alignment = cell.Alignment;
  ViewData.VertAlignment = cell.MultiLine ? 3 : uint8_t(FVertAlignment);
  ViewData.Brush = cell.Brush;
  ViewData.Color = cell.BkColor;
  ViewData.Font = cell.Font;
  ViewData.TextColor = cell.TextColor;
  ViewData.Value = cell.Text;
  ViewData.TextLength = cell.HighlightedLength;
  ViewData.NoBackground = ViewData.KeepBkMode = cell.HighlightedLength > 0;
  if (auto* text = dynamic_cast<TdxTextEditViewData*>(&ViewData)) {
    text->CharCase = FCharCase;
    text->PasswordChar = FPasswordChar;
    text->EndEllipsis = cell.EndEllipsis;
  }
}

void TdxTreeListColumn::InitEditor(TdxInplaceEdit* Editor) {
  Editor->SetReadOnly(ReadOnly());
  Editor->OnChange = [this](TObject* Sender) { DoChange(Sender); };
  Editor->OnValidate = [this](TObject* Sender, String& ErrorText, bool& Accept) { DoValidate(Sender, ErrorText, Accept); };
  auto* text = dynamic_cast<TdxInplaceTextEdit*>(Editor);
  if (!text) return;
  text->SetCharCase(FCharCase);
  text->SetMaxLength(MaxLength());
  text->SetOEMConvert(FOEMConvert);
  text->SetPasswordChar(FPasswordChar);
  if (text->HandleAllocated()) text->ClearUndo();
}

Variant TdxTreeListColumn::InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  Editor->SetEditValue(Node->Strings(GetIndex()));
  return Editor->GetEditValue();
}

bool TdxTreeListColumn::CanShowHeaderFilter() { return !FDisableFilter && !(ComponentState() & csDesigning); }

void TdxTreeListColumn::SetIndex(int Value) {
  if (FTreeList) FTreeList->MoveColumnIndex(this, Value);
}

int TdxTreeListColumn::GetCellTextWidth(TCanvas* Canvas, TdxTreeListNode* Node) {
  return Canvas->TextWidth(GetDisplayText(Node));
}

void TdxTreeListColumn::RestoreDefaults() {
  FAssignedValues = 0;
  RefreshDefaultWidth();
  FDisableCaption = FDisableCustomizing = FDisableEditor = false;
  FHeaderAlignment = taLeftJustify;
  FMinWidth = 20;
  FSizing = true;
  FTabStop = true;
  FVertAlignment = tlTop;
  SetSorted(csNone);
  Changed(true);
}

// --- the mask column --------------------------------------------------------------------------------

void TdxTreeListMaskColumn::Assign(const TPersistent* Source) {
  TdxTreeListColumn::Assign(Source);
  if (const auto* source = dynamic_cast<const TdxTreeListMaskColumn*>(Source)) FEditMask = source->FEditMask;
}

const TdxInplaceEditClass& TdxTreeListMaskColumn::GetEditorClass() const {
  return TdxInplaceTreeListMaskEdit::EditClassObject();
}

void TdxTreeListMaskColumn::InitEditor(TdxInplaceEdit* Editor) {
  TdxTreeListColumn::InitEditor(Editor);
  if (auto* mask = dynamic_cast<TdxInplaceMaskEdit*>(Editor)) {
    mask->SetEditMask(FEditMask);
    mask->SetIgnoreMaskBlank(FIgnoreMaskBlank);
  }
}

void TdxTreeListMaskColumn::RestoreDefaults() {
  TdxTreeListColumn::RestoreDefaults();
  FEditMask.clear();
}
