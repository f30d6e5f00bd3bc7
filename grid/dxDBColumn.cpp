// The data-bound column: binding to a field by name, the defaults it takes from the field, reading
// the field into a node and posting edited text, its grouping and summary properties, and the
// filter side of its values.
#include "grid/dxDBColumn.h"

#include <utility>

#include "graphics/Canvas.h"
#include "grid/dxDBCtrl.h"
#include "grid/dxDBKnownCast_p.h"
#include "grid/dxDBTLEditors.h"

TdxDBTreeListColumn::TdxDBTreeListColumn(TComponent* AOwner) : TdxTreeListColumn(AOwner) {}

TdxDBTreeListColumn::~TdxDBTreeListColumn() {
  TCustomdxDBTreeListControl* control = GetDBTreeList();
  if (!control || control->IsDestroying()) return;
  if (FGroupIndex != -1) control->SetColumnGroupIndex(this, -1);
  control->ColumnRenamed(Name(), String());
}

TCustomdxDBTreeListControl* TdxDBTreeListColumn::GetDBTreeList() const {
  return dynamic_cast<TCustomdxDBTreeListControl*>(TreeList());
}

bool TdxDBTreeListColumn::IsControlLoading() const {
  TCustomdxTreeListControl* control = TreeList();
  return (ComponentState() & csLoading) || (control && control->IsLoading());
}

void TdxDBTreeListColumn::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxDBTreeListColumn*>(Source);
  if (!source) return TdxTreeListColumn::Assign(Source);
  InsideControlUpdate([&] {
    TdxTreeListColumn::Assign(Source);
    SetDisableGrouping(source->FDisableGrouping);
    SetFieldName(source->FFieldName);
    SetSummaryGroupName(source->FSummaryGroupName);
  });
}

void TdxDBTreeListColumn::RunAsIndex(int Index, const std::function<void()>& Work) {
  const int saved = std::exchange(FStoredIndex, Index);
  try {
    Work();
  } catch (...) {
    FStoredIndex = saved;
    throw;
  }
  FStoredIndex = saved;
}

void TdxDBTreeListColumn::InsideControlUpdate(const std::function<void()>& Work) {
  if (TCustomdxTreeListControl* control = TreeList())
    control->InsideUpdate(Work);
  else
    Work();
}

void TdxDBTreeListColumn::SetName(const String& NewName) {
  if (IsControlLoading()) return TdxTreeListColumn::SetName(NewName);
  const String oldName = Name();
  const auto notify = std::move(RenameNotify);
  RenameNotify = nullptr;
  try {
    TdxTreeListColumn::SetName(NewName);
  } catch (...) {
    RenameNotify = notify;
    throw;
  }
  RenameNotify = notify;
  if (TCustomdxDBTreeListControl* control = GetDBTreeList(); control && oldName != Name())
    control->ColumnRenamed(oldName, Name());
  if (RenameNotify) RenameNotify(this);
}

// --- binding ----------------------------------------------------------------------------------------

void TdxDBTreeListColumn::SetFieldName(const String& Value) {
  const String oldName = FFieldName;
  TCustomdxDBTreeListControl* control = GetDBTreeList();
  TDataSet* dataSet = control && control->GetDataSource() ? control->GetDataSource()->DataSet() : nullptr;
  const bool loading = control && control->IsLoading();
  TdxDBTreeListControlDataLink* link = control ? control->GetDataLink() : nullptr;
  if (FGroupIndex != -1 && link && link->Active() && dataSet && !loading && !dataSet->FindField(Value))
    control->SetColumnGroupIndex(this, -1);
  TField* field = nullptr;
  if (dataSet && !loading && !Value.empty() && (dataSet->Active() || !dataSet->DefaultFields()))
    field = dataSet->FindField(Value);
  FFieldName = Value;
  FField = field;
  if (field && control) field->FreeNotification(control);
  if (control && control->LockUpdate() == 0) Changed(false);
  if (control && !loading && oldName != Value) control->ColumnFieldChanged(this);
}

void TdxDBTreeListColumn::NotifyFieldChanged(bool Any) {
  TCustomdxDBTreeListControl* control = GetDBTreeList();
  TdxDBTreeListControlDataLink* link = control ? control->GetDataLink() : nullptr;
  if (control && !control->IsLoading() && link && link->Active()) control->ColumnFieldChanged(Any ? nullptr : this);
}

// --- grouping and summaries -------------------------------------------------------------------------

void TdxDBTreeListColumn::SetDisableGrouping(bool Value) {
  if (FDisableGrouping == Value) return;
  FDisableGrouping = Value;
  if (Value && FGroupIndex != -1)
    SetGroupIndex(-1);
  else
    Changed(true);
}

void TdxDBTreeListColumn::SetGroupIndex(int Value) {
  if (Value < -1) return;
  TCustomdxDBTreeListControl* control = GetDBTreeList();
  if (!control || (ComponentState() & (csLoading | csReading)) || control->IsLoading()) {
    FGroupIndex = Value;
    return;
  }
  control->SetColumnGroupIndex(this, Value);
}

void TdxDBTreeListColumn::SetSummaryType(TdxSummaryType Value) {
  if (FSummaryType == Value) return;
  FSummaryType = Value;
  if (Value == cstNone) FSortBySummary = false;
  Changed(false);
}

void TdxDBTreeListColumn::SetSummaryFooterType(TdxSummaryType Value) {
  if (FSummaryFooterType == Value) return;
  FSummaryFooterType = Value;
  Changed(false);
}

String TdxDBTreeListColumn::GetSummaryFooterText() {
  if (FSummaryFooterType == cstNone) return String();
  TFieldType kind = FooterField && FSummaryFooterType != cstCount ? FooterField->DataType() : ftUnknown;
  if (kind != ftDate && kind != ftTime && kind != ftDateTime) kind = ftUnknown;
  return FormatSummaryValue(FSummaryFooterType, FSummaryFooterFormat, kind, spFooter, FooterValue);
}

// --- the base column's operations -------------------------------------------------------------------

Variant TdxDBTreeListColumn::ApplyEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  if (!FField) return Variant();
  FField->SetText(VarToStr(Editor->GetEditValue()));
  return Node->Values(GetIndex());
}

bool TdxDBTreeListColumn::HasCustomDrawCell() { return TdxTreeListColumn::HasCustomDrawCell() || OnCustomDraw; }

void TdxDBTreeListColumn::DoCustomDrawCell(TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode, bool ASelected,
                                           bool AFocused, bool ANewItemRow, String& AText, TColor& AColor, TFont* AFont,
                                           TAlignment& AAlignment, bool& ADone) {
  if (OnCustomDraw) OnCustomDraw(this, ACanvas, ARect, ANode, this, AText, AFont, AColor, ASelected, AFocused, ADone);
  if (!ADone)
    TdxTreeListColumn::DoCustomDrawCell(ACanvas, ARect, ANode, ASelected, AFocused, ANewItemRow, AText, AColor, AFont,
                                        AAlignment, ADone);
}

String TdxDBTreeListColumn::GetDisplayText(TdxTreeListNode* Node) {
  (void)Node;
  return FField ? FField->DisplayText() : String();
}

int TdxDBTreeListColumn::GetCellTextWidth(TCanvas* Canvas, TdxTreeListNode* Node) {
  return Canvas->TextWidth(Node->Strings(GetIndex()));
}

Variant TdxDBTreeListColumn::InitEditValue(TdxTreeListNode* Node, TdxInplaceEdit* Editor) {
  if (!FField) return TdxTreeListColumn::InitEditValue(Node, Editor);
  Editor->SetEditValue(FField->Text());
  return Variant(VarToStr(Editor->GetEditValue()));
}

void TdxDBTreeListColumn::SetIndex(int Value) {
  TCustomdxDBTreeListControl* control = GetDBTreeList();
  TdxDBTreeListControlDataLink* link = control ? control->GetDataLink() : nullptr;
  if (FField && control && control->GetDefaultFields() && link && link->Active() && link->FieldCount() > 0) {
    TField* target = link->GetField(Value);
    if (!target) target = link->GetField(link->FieldCount() - 1);
    if (target) FField->SetIndex(target->Index());
  }
  TdxTreeListColumn::SetIndex(Value);
}

TAlignment TdxDBTreeListColumn::GetDefaultAlignment() const { return FField ? FField->Alignment() : taLeftJustify; }

String TdxDBTreeListColumn::GetDefaultCaption() const { return FField ? FField->DisplayLabel() : FFieldName; }

int TdxDBTreeListColumn::GetDefaultMaxLength() const {
  if (!FField) return 0;
  const TFieldType kind = FField->DataType();
  return kind == ftString || kind == ftWideString ? FField->Size() : 0;
}

bool TdxDBTreeListColumn::GetDefaultReadOnly() const { return FField && FField->ReadOnly(); }

int TdxDBTreeListColumn::GetDefaultWidth() const {
  int width = 64;
  TCustomdxTreeListControl* control = TreeList();
  if (!control) return width;
  // A canvas without a window measures as the screen does.
  TCanvas canvas;
  canvas.Font()->Assign(control->HeaderFont());
  const String caption = Caption();
  if (!caption.empty()) width = canvas.TextWidth(caption) + 6;
  if (FField) {
    canvas.Font()->Assign(HasFont() ? Font() : control->Font());
    // Fonts here have no overhang: the zero's width is its advance.
    width = std::max(width, canvas.TextWidth("0") * FField->DisplayWidth() + 4);
  }
  return width;
}

void TdxDBTreeListColumn::RestoreDefaults() {
  TdxTreeListColumn::RestoreDefaults();
  FDisableGrouping = false;
  FSummaryGroupName.clear();
}

// --- reading a record -------------------------------------------------------------------------------

namespace {

// Types whose values the node keeps beside their text: numbers, Booleans, dates and times.
bool KeepsValue(TFieldType Kind) { return (Kind >= ftSmallint && Kind <= ftDateTime) || Kind == ftAutoInc; }

}  // namespace

void TdxDBTreeListColumn::ReadValue(TdxTreeListNode* Node) {
  auto* node = KnownCast<TdxDBTreeListControlNode>(Node);
  if (!node || !FField) return;
  const int index = GetIndex();
  const bool textField = FField->DataType() == ftString || FField->DataType() == ftWideString;
  const bool keepsValue = KeepsValue(FField->DataType()) ||
                          (textField && (FField->OnGetText || !FField->EditMask().empty())) || NeedsFieldValue();
  const uint8_t flags = keepsValue ? dnvValue : 0;
  if (const uint16_t rule = FieldTextRule()) {
    const Variant value = FField->Value();
    if (FTextRule.CanShow(value)) return node->SetCell(index, TdxNodeCell(value, flags, rule));
  }
  node->SetStrings(index, VarToStr(FilterTextToValue(GetDisplayText(Node))));
  node->SetCell(index, flags ? TdxNodeCell(FField->Value(), flags, 0) : TdxNodeCell());
}

uint16_t TdxDBTreeListColumn::FieldTextRule() {
  if (!ShowsFieldText() || FField->OnGetText || !TreeList()) return 0;
  TdxCellTextRule rule{FField->DisplayTextRule(), GetFilterVarType()};
  if (FTextRuleControl != TreeList() || !(rule == FTextRule)) {
    TCustomdxDBTreeListControl* control = GetDBTreeList();
    if (!control) return 0;
    FTextRuleIndex = control->TextRuleIndex(rule);
    FTextRule = std::move(rule);
    FTextRuleControl = control;
  }
  return FTextRuleIndex;
}

// --- values and filters -----------------------------------------------------------------------------

TVarType TdxDBTreeListColumn::GetFilterVarType() {
  if (!FField) return varString;
  switch (FField->DataType()) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftAutoInc:
      return varInteger;
    case ftFloat:
      return varDouble;
    case ftCurrency:
    case ftBCD:
      return varCurrency;
    case ftDate:
    case ftTime:
    case ftDateTime:
      return varDate;
    default:
      return varString;
  }
}

Variant TdxDBTreeListColumn::GetFilterValue(TdxTreeListNode* Node) { return Node->Values(GetIndex()); }

String TdxDBTreeListColumn::GetFilterDisplayText(TdxTreeListNode* Node) {
  return FilterValueToText(VarToStr(GetFilterValue(Node)));
}

const TdxInplaceEditClass& TdxDBTreeListColumn::GetFilterEditorClass() const {
  return TCustomdxFilterEdit::EditClassObject();
}

TdxInplaceEdit* TdxDBTreeListColumn::CreateFilterEditor(TComponent* Owner) {
  TdxInplaceEdit* editor = GetFilterEditorClass().CreateEditor(Owner);
  InitFilterEditor(editor);
  return editor;
}

Variant TdxDBTreeListColumn::GetFilterEditValue(TdxInplaceEdit* Editor, String& DisplayText) {
  DisplayText = VarToStr(Editor->GetEditValue());
  return Variant(DisplayText);
}

void TdxDBTreeListColumn::SetFilterEditValue(TdxInplaceEdit* Editor, const Variant& Value) {
  Editor->SetEditValue(Value.IsNull() || Value.IsEmpty() ? String() : VarToStr(Value));
}

void TdxDBTreeListColumn::InitFilterEditor(TdxInplaceEdit* Editor) {
  InitEditor(Editor);
  Editor->SetReadOnly(false);
  // The editor's own bindings go; the column keeps its handlers for its cells.
  Editor->OnChange = nullptr;
  Editor->OnValidate = nullptr;
}

bool TdxDBTreeListColumn::SameAsFieldValue(const Variant& Value) {
  if (!FField || Value.IsNull()) return false;
  if (VarIsStr(Value) && !IsBlobEditor()) return Value.StringValue() == FField->Text();
  return VarSameValue(Value, FField->Value());
}

bool TdxDBTreeListColumn::IsValidEditChar(TKeyChar Key) {
  TCustomdxDBTreeListControl* control = GetDBTreeList();
  TdxDBTreeListControlDataLink* link = control ? control->GetDataLink() : nullptr;
  return link && link->Active() && FField && FField->IsValidChar(char32_t(Key));
}
