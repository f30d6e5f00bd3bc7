// The student filter: its lists, the query of the chosen conditions with bound values, and the
// close rule that lets only its buttons close it.
#include "app/windows/MultCondition.h"

#include "app/kits/FormKit.h"
#include "app/data/KvConst.h"
#include "app/data/KvData.h"

namespace {

const char* const AllSexes = "(全部)";

}  // namespace

void TStudentQuery::AssignTo(TADOQuery* Query) const { PrepareSql(Query, Sql, Params); }

void TfmMultCondition::Publish(TClassBuilder<TfmMultCondition>& c) {
  c.Method("FormCreate", &TfmMultCondition::FormCreate);
  c.Method("FormCloseQuery", &TfmMultCondition::FormCloseQuery);
  c.Method("btnOkClick", &TfmMultCondition::btnOkClick);
  c.Method("btnCancelClick", &TfmMultCondition::btnCancelClick);
}

void TfmMultCondition::Loaded() {
  TForm::Loaded();
  BindComponent(this, cbbClass, "cbbClass");
  BindComponent(this, cbbSex, "cbbSex");
  BindComponent(this, rbAll, "rbAll");
  BindComponent(this, rbIn, "rbIn");
  BindComponent(this, rbOut, "rbOut");
}

void TfmMultCondition::FormCreate(TObject*) {
  FCanClose = false;
  dmGym->FillClassList(cbbClass->Items());
  cbbSex->Items()->Add(AllSexes);
  for (const char* sex : SexNames) cbbSex->Items()->Add(sex);
  ResetConditions();
}

void TfmMultCondition::ResetConditions() {
  cbbClass->SetItemIndex(cbbClass->Items()->Count() > 0 ? 0 : -1);
  cbbSex->SetItemIndex(0);
  rbAll->SetChecked(true);
}

TStudentQuery TfmMultCondition::BuildStudentQuery() const {
  TStudentQuery query;
  query.Description = cbbClass->Text();
  String cond;
  if (cbbClass->ItemIndex() >= 0) {
    cond = "Fd_Class=:AClass";
    query.Params.emplace_back("AClass", cbbClass->Text());
  }
  if (cbbSex->ItemIndex() > 0) {
    cond += " and Fd_Sex=:ASex";
    query.Params.emplace_back("ASex", cbbSex->Text());
  }
  if (rbIn->Checked()) cond += " and Fd_FreeSign=true";
  if (rbOut->Checked()) cond += " and Fd_FreeSign=false";
  if (!cond.empty()) query.Sql = "select * from Tb_Students where " + cond;
  return query;
}

void TfmMultCondition::FormCloseQuery(TObject*, bool& CanClose) { CanClose = FCanClose; }

void TfmMultCondition::btnOkClick(TObject*) {
  FCanClose = false;
  if (cbbClass->Text().empty()) throw Exception("请选择班级。");
  FStudentQuery = BuildStudentQuery();
  FCanClose = true;
}

void TfmMultCondition::btnCancelClick(TObject*) { FCanClose = true; }

bool RunStudentFilter(TStudentQuery& Query) {
  TComponentPtr<TfmMultCondition> filter(TCustomForm::Create<TfmMultCondition>(Application));
  if (filter->ShowModal() != mrOk) return false;
  Query = filter->GetStudentQuery();
  return true;
}
