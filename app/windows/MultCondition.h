// The student filter "学生信息综合查询组合": a class, a sex and the exemption make a query over
// Tb_Students that the main window shows as its student list. The values are bound parameters,
// never text in the SQL. The main window makes the dialog for each use and frees it after.
#pragma once

#include <utility>
#include <vector>

#include "classes/Properties.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Forms.h"
#include "data/ADODB.h"

// What the filter hands to the main window: the chosen class, and the query with its values.
struct TStudentQuery {
  String Description;
  String Sql;  // empty when no condition was chosen
  std::vector<std::pair<String, Variant>> Params;
  // Closes Query and gives it the text and the values; the caller opens it.
  void AssignTo(TADOQuery* Query) const;
};

class TfmMultCondition : public TForm {
 public:
  explicit TfmMultCondition(TComponent* AOwner) : TForm(AOwner) {}
  String ClassName() const override { return "TfmMultCondition"; }
  String LayoutModule() const override { return "MultCondition"; }
  static void Publish(TClassBuilder<TfmMultCondition>& c);

  // The query of the conditions chosen now: the class, then a sex other than "(全部)", then the
  // exemption unless "全部".
  TStudentQuery BuildStudentQuery() const;
  // The query made by OK.
  const TStudentQuery& GetStudentQuery() const { return FStudentQuery; }
  // The first class, "(全部)" and "全部" chosen.
  void ResetConditions();

  TComboBox* cbbClass = nullptr;
  TComboBox* cbbSex = nullptr;
  TRadioButton* rbAll = nullptr;
  TRadioButton* rbIn = nullptr;
  TRadioButton* rbOut = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void btnOkClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);

  TStudentQuery FStudentQuery;
  bool FCanClose = false;  // only the two buttons let the dialog close
};

// The command "复合查询": makes the filter, shows it modally and frees it; on OK answers true with
// the query in Query.
bool RunStudentFilter(TStudentQuery& Query);
