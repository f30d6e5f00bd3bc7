// The custom filter dialog: its fixed layout, the operator lists filtered by the column, the
// column's conditions shown on opening, the check of the typed values on OK and the conditions
// built from the two rows.
#include "grid/dxGrFDlg.h"

#include <array>

#include "controls/Bevel.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Label.h"
#include "grid/dxDBGrid.h"
#include "grid/dxDBGridStrings.h"
#include "rtl/Convert.h"

// --- the operators ----------------------------------------------------------------------------------

const TdxFilterDialogOperator& FilterDialogOperator(int Index) {
  static const std::array<TdxFilterDialogOperator, FilterDialogOperatorCount> operators{{
      {okEqual, false, dxSOperatorEquals},
      {okEqual, true, dxSOperatorNotEquals},
      {okGreater, false, dxSOperatorGreater},
      {okGreaterEqual, false, dxSOperatorGreaterEqual},
      {okLess, false, dxSOperatorLess},
      {okLessEqual, false, dxSOperatorLessEqual},
      {okIsNull, false, dxSOperatorBlanks},
      {okIsNull, true, dxSOperatorNonBlanks},
  }};
  return operators.at(size_t(Index));
}

int FilterDialogOperatorIndex(int Kind, bool Not) {
  static constexpr std::array<int, OperatorKindCount> byKind{6, 0, 2, 4, 3, 5};
  const int index = byKind.at(size_t(Kind));
  if (Not && index == 0) return 1;
  if (Not && index == 6) return 7;
  return index;
}

void TdxFilterDialogComboEdit::SetOperators(uint8_t Operators) {
  TStringList descriptions, values;
  for (int i = 0; i < FilterDialogOperatorCount; ++i) {
    if (!(Operators & (1u << i))) continue;
    descriptions.Add(dxGridText(FilterDialogOperator(i).TextId));
    values.Add(IntToStr(i));
  }
  SetDescriptions(&descriptions);
  SetValues(&values);
  SetDropDownRows(values.Count());
}

int TdxFilterDialogComboEdit::OperatorIndex() {
  const int index = StrToIntDef(Text(), -1);
  return index >= 0 && index < FilterDialogOperatorCount ? index : -1;
}

// No operator shows as an empty box (the image combo would show a value it has no item for).
void TdxFilterDialogComboEdit::SetOperatorIndex(int Index) { SetText(Index < 0 ? String() : IntToStr(Index)); }

// --- the dialog -----------------------------------------------------------------------------------------

namespace {

template <class T>
T* Place(TfmCustomDialog* Form, TRect Bounds, const String& Name, const String& Caption = String()) {
  T* control = new T(Form);
  control->SetName(Name);
  control->SetParent(Form);
  control->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
  if (!Caption.empty()) control->SetCaption(Caption);
  return control;
}

// The column's filter value editor, working stand-alone in the dialog.
TdxInplaceEdit* CreateValueEditor(TdxDBTreeListColumn* Column, TfmCustomDialog* Form, TRect Bounds,
                                  const String& Name) {
  TdxInplaceEdit* editor = Column->CreateFilterEditor(Form);
  editor->SetName(Name);
  editor->SetParent(Form);
  editor->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
  return editor;
}

}  // namespace

TfmCustomDialog::TfmCustomDialog(TComponent* AOwner, TdxDBGridFilter& Filter, TdxDBTreeListColumn* Column)
    : TForm(AOwner), FFilter(Filter), FColumn(Column) {
  SetName("fmCustomDialog");
  SetBorderStyle(bsDialog);
  SetBorderIcons(BorderIconBit(biSystemMenu) | BorderIconBit(biHelp));
  SetPosition(poScreenCenter);
  SetCaption(dxGridText(dxSCustomFilterCaption));
  SetClientWidth(412);
  SetClientHeight(166);
  SetColor(clBtnFace);
  Font()->SetName("MS Sans Serif");
  Font()->SetHeight(-11);
  if (TCustomdxDBGrid* grid = Filter.Grid()) {
    Font()->SetName(grid->Font()->Name());
    Font()->SetCharset(grid->Font()->Charset());
  }
  lblTitle = Place<TLabel>(this, Bounds(8, 8, 85, 13), "lblTitle", dxGridText(dxSCustomFilterTitle));
  bvlLine = Place<TBevel>(this, Bounds(8, 34, 396, 4), "bvlLine");
  bvlLine->SetShape(bsTopLine);
  LColumnName = Place<TLabel>(this, Bounds(8, 27, 200, 13), "LColumnName", Column->Caption() + " ");
  LColumnName->SetAutoSize(true);
  // Made in the order of the tab stops.
  cbOperator1 = Place<TdxFilterDialogComboEdit>(this, Bounds(14, 46, 185, 21), "cbOperator1");
  Edit1 = CreateValueEditor(Column, this, Bounds(214, 46, 185, 21), "Edit1");
  rbAnd = Place<TRadioButton>(this, Bounds(60, 74, 41, 17), "rbAnd", dxGridText(dxSCustomFilterAnd));
  rbOr = Place<TRadioButton>(this, Bounds(118, 74, 33, 17), "rbOr", dxGridText(dxSCustomFilterOr));
  cbOperator2 = Place<TdxFilterDialogComboEdit>(this, Bounds(14, 96, 185, 21), "cbOperator2");
  Edit2 = CreateValueEditor(Column, this, Bounds(214, 96, 185, 21), "Edit2");
  btnOK = Place<TButton>(this, Bounds(248, 136, 75, 23), "btnOK", dxGridText(dxSCustomFilterOK));
  btnOK->SetDefault(true);
  btnOK->SetModalResult(mrOk);
  btnCancel = Place<TButton>(this, Bounds(330, 136, 75, 23), "btnCancel", dxGridText(dxSCustomFilterCancel));
  btnCancel->SetCancel(true);
  btnCancel->SetModalResult(mrCancel);
  rbAnd->SetChecked(true);
  for (TdxFilterDialogComboEdit* combo : {cbOperator1, cbOperator2}) combo->SetOperators(Column->GetFilterOperators());
  cbOperator1->SetOperatorIndex(0);
  cbOperator2->SetOperatorIndex(-1);
  ShowConditions();
  OnCloseQuery = [this](TObject* Sender, bool& CanClose) { FormCloseQuery(Sender, CanClose); };
}

// The column's first condition shows in row 1; when it lies in a group, the group's second
// member shows in row 2 with the group's And or Or.
void TfmCustomDialog::ShowConditions() {
  const TdxCriteriaItem* first = FFilter.Criteria().FindByName(FColumn->Name());
  if (!first) return;
  const auto show = [this](const TdxCriteriaItem& Item, TdxFilterDialogComboEdit* Operator, TdxInplaceEdit* Editor) {
    Operator->SetOperatorIndex(FilterDialogOperatorIndex(Item.OperatorKind, Item.Not));
    FColumn->SetFilterEditValue(Editor, Item.Value);
  };
  show(*first, cbOperator1, Edit1);
  const TdxCriteriaItemList* group = first->Parent();
  if (group == &FFilter.Criteria().Root() || group->Count() < 2) return;
  (group->IsOr ? rbOr : rbAnd)->SetChecked(true);
  if (const TdxCustomCriteriaItem* second = group->Items(1); !second->IsList())
    show(*static_cast<const TdxCriteriaItem*>(second), cbOperator2, Edit2);
}

// A row without an operator, or with "blanks" or "non blanks", keeps no value.
TfmCustomDialog::TRowValue TfmCustomDialog::ReadRow(TdxFilterDialogComboEdit* Operator, TdxInplaceEdit* Editor) {
  TRowValue row;
  const int index = Operator->OperatorIndex();
  if (index < 0 || FilterDialogOperator(index).Kind == okIsNull) return row;
  row.Value = FColumn->GetFilterEditValue(Editor, row.Text);
  if (row.Value.IsEmpty() || (VarIsStr(row.Value) && row.Value.StringValue().empty())) row.Value = Variant::Null();
  if (row.Value.IsNull() || !FColumn->Field()) return row;
  try {
    row.Value = VarAsType(row.Value, FColumn->GetFilterVarType());
  } catch (const Exception&) {
    if (Editor->CanFocus()) Editor->SetFocus();
    throw Exception(dxGridText(dxSInvalidFilterValue));
  }
  return row;
}

// Only OK checks the rows: both editors validate, then each row in use must hold a value of the
// field's type.
void TfmCustomDialog::FormCloseQuery(TObject*, bool& CanClose) {
  if (ModalResult() != mrOk) return;
  Edit1->ValidateEdit();
  Edit2->ValidateEdit();
  FRow1 = ReadRow(cbOperator1, Edit1);
  FRow2 = ReadRow(cbOperator2, Edit2);
  CanClose = true;
}

void TfmCustomDialog::ApplyConditions() {
  TdxDBGridCriteria& criteria = FFilter.Criteria();
  criteria.RemoveByName(FColumn->Name());
  if (cbOperator2->OperatorIndex() < 0) return AddRowCondition(cbOperator1, FRow1, nullptr);
  TdxCriteriaItemList* group = criteria.AddGroup(nullptr, rbOr->Checked());
  AddRowCondition(cbOperator1, FRow1, group);
  AddRowCondition(cbOperator2, FRow2, group);
}

// An empty value makes the condition "Is Null" whatever operator was chosen; "blanks" and "non
// blanks" keep no value.
void TfmCustomDialog::AddRowCondition(TdxFilterDialogComboEdit* Operator, const TRowValue& Row,
                                      TdxCriteriaItemList* Group) {
  const int index = Operator->OperatorIndex();
  if (index < 0) return;
  const TdxFilterDialogOperator& op = FilterDialogOperator(index);
  const bool blanks = op.Kind == okIsNull;
  const int kind = Row.Value.IsNull() ? okIsNull : op.Kind;
  TdxCriteriaItem* condition = FFilter.Criteria().AddCondition(Group, FColumn->Name(), kind,
                                                               blanks ? String() : Row.Text,
                                                               blanks ? Variant::Null() : Row.Value);
  condition->Not = op.Not;
}

bool ShowCustomFilterDialog(TdxDBGridFilter& Filter, TdxDBTreeListColumn* Column) {
  TComponentPtr<TfmCustomDialog> dialog(new TfmCustomDialog(nullptr, Filter, Column));
  if (dialog->ShowModal() != mrOk) return false;
  dialog->ApplyConditions();
  return true;
}
