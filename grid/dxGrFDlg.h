// The custom filter dialog ("Custom AutoFilter"): up to two conditions on one column, each an
// operator out of the column's filter operators and a value typed or picked in the column's
// filter value editor, joined by And or Or. OK replaces the column's conditions in the grid's
// criteria by those stated.
#pragma once

#include "controls/Forms.h"
#include "editors/dxImageEdit.h"

class TBevel;
class TButton;
class TLabel;
class TRadioButton;
class TdxCriteriaItemList;
class TdxDBGridFilter;
class TdxDBTreeListColumn;

// The dialog's operators, by their index in its lists: "equals", "does not equal", "is greater
// than", "is greater than or equal to", "is less than", "is less than or equal to", "blanks",
// "non blanks".
inline constexpr int FilterDialogOperatorCount = 8;
struct TdxFilterDialogOperator {
  int Kind;  // the criteria's operator kind
  bool Not;
  int TextId;
};
const TdxFilterDialogOperator& FilterDialogOperator(int Index);
// The dialog's operator for a condition's kind and negation.
int FilterDialogOperatorIndex(int Kind, bool Not);

// The operator list: an image combo working stand-alone whose items show the operators'
// descriptions and hold their indexes as text; it drops down all its items.
class TdxFilterDialogComboEdit : public TdxInplaceImageEdit {
 public:
  explicit TdxFilterDialogComboEdit(TComponent* AOwner) : TdxInplaceImageEdit(AOwner, ImageEditClass(false)) {}
  String ClassName() const override { return "TdxFilterDialogComboEdit"; }
  // Lists the operators whose bits Operators holds.
  void SetOperators(uint8_t Operators);
  // The chosen operator's index; -1 for none (or a value that is no number).
  int OperatorIndex();
  void SetOperatorIndex(int Index);
};

class TfmCustomDialog : public TForm {
 public:
  // The dialog for the column, its conditions in Filter shown.
  TfmCustomDialog(TComponent* AOwner, TdxDBGridFilter& Filter, TdxDBTreeListColumn* Column);
  String ClassName() const override { return "TfmCustomDialog"; }

  // Replaces the column's conditions by the rows stated (after OK).
  void ApplyConditions();

  TLabel* lblTitle = nullptr;
  TBevel* bvlLine = nullptr;
  TLabel* LColumnName = nullptr;
  TdxFilterDialogComboEdit* cbOperator1 = nullptr;
  TdxInplaceEdit* Edit1 = nullptr;
  TRadioButton* rbAnd = nullptr;
  TRadioButton* rbOr = nullptr;
  TdxFilterDialogComboEdit* cbOperator2 = nullptr;
  TdxInplaceEdit* Edit2 = nullptr;
  TButton* btnOK = nullptr;
  TButton* btnCancel = nullptr;

 private:
  // A row's value as the condition keeps it: Null for an empty editor, else converted to the
  // type of the column's field ("Invalid value", with the focus in the editor, when it is not one).
  struct TRowValue {
    Variant Value = Variant::Null();
    String Text;
  };
  TRowValue ReadRow(TdxFilterDialogComboEdit* Operator, TdxInplaceEdit* Editor);
  void ShowConditions();
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void AddRowCondition(TdxFilterDialogComboEdit* Operator, const TRowValue& Row, TdxCriteriaItemList* Group);

  TdxDBGridFilter& FFilter;
  TdxDBTreeListColumn* FColumn;
  TRowValue FRow1, FRow2;
};

// Shows the dialog modally; answers whether it closed with OK (the column's conditions replaced).
bool ShowCustomFilterDialog(TdxDBGridFilter& Filter, TdxDBTreeListColumn* Column);
