// The data module's life: made from its stored layout, the item-unit list and the logged-in user
// made and connected on creation, freed on destruction; the post-error rule of the students query.
#include "app/data/KvData.h"

#include "app/kits/FormKit.h"
#include "classes/Layouts.h"
#include "controls/Application.h"

TdmGym* dmGym = nullptr;
TLogUserInfo* LogUserInfo = nullptr;
TStringList* NutricList = nullptr;

TdmGym::TdmGym(TComponent* AOwner) : TComponent(AOwner) { dmGym = this; }

TdmGym::~TdmGym() {
  if (dmGym == this) dmGym = nullptr;
}

void TdmGym::Publish(TClassBuilder<TdmGym>& c) {
  c.Event("OnCreate", &TdmGym::OnCreate);
  c.Event("OnDestroy", &TdmGym::OnDestroy);
  c.Method("DataModuleCreate", &TdmGym::DataModuleCreate);
  c.Method("DataModuleDestroy", &TdmGym::DataModuleDestroy);
  c.Method("adqStudentsPostError", &TdmGym::adqStudentsPostError);
}

TdmGym* TdmGym::Create(TComponent* AOwner) {
  auto* module = new TdmGym(AOwner);
  try {
    const String* layout = FindLayout("KvData");
    if (!layout) throw EInvalidOperation("找不到窗口布局：KvData");
    ReadLayout(*layout, module);
  } catch (...) {
    module->Free();
    throw;
  }
  try {
    if (module->OnCreate) module->OnCreate(module);
  } catch (...) {
    Application->HandleException(module, std::current_exception());
  }
  return module;
}

void TdmGym::BeforeDestruction() {
  if (OnDestroy) OnDestroy(this);
  TComponent::BeforeDestruction();
}

void TdmGym::Loaded() {
  TComponent::Loaded();
  BindComponent(this, adcConnect, "adcConnect");
  BindComponent(this, adqLogin, "adqLogin");
  BindComponent(this, adtClass, "adtClass");
  BindComponent(this, adtGrade, "adtGrade");
  BindComponent(this, adqExamStarnd, "adqExamStarnd");
  BindComponent(this, dsExamStarnd, "dsExamStarnd");
  BindComponent(this, adqUptoStarnd, "adqUptoStarnd");
  BindComponent(this, dsUptoStarnd, "dsUptoStarnd");
  BindComponent(this, adqTeachers, "adqTeachers");
  BindComponent(this, dsTeachers, "dsTeachers");
  BindComponent(this, adqStudents, "adqStudents");
  BindComponent(this, dsStudents, "dsStudents");
  BindComponent(this, adqExecSql, "adqExecSql");
  BindComponent(this, adtDuty, "adtDuty");
  BindComponent(this, dbsPrint, "dbsPrint");
  BindComponent(this, adqprint, "adqprint");
  BindComponent(this, dsPrint, "dsPrint");
  BindComponent(this, adtDetail, "adtDetail");
  BindComponent(this, dbsDetail, "dbsDetail");
  BindComponent(this, rptPrint, "rptPrint");
  BindComponent(this, adtTermType, "adtTermType");
  BindComponent(this, adqSumProg, "adqSumProg");
  BindComponent(this, adqSumSource, "adqSumSource");
  BindComponent(this, adqSumDest, "adqSumDest");
  BindComponent(this, adtBasicProg, "adtBasicProg");
}

void TdmGym::DataModuleCreate(TObject*) {
  FNutricList = std::make_unique<TStringList>(true);
  NutricList = FNutricList.get();
  FLogUserInfo = std::make_unique<TLogUserInfo>();
  LogUserInfo = FLogUserInfo.get();
  FConnected = false;
  const String error = ConnectDatabase(GetDatabaseFile(), DatabaseUser, DatabasePassword);
  if (!error.empty()) throw Exception(error);
}

void TdmGym::DataModuleDestroy(TObject*) {
  if (NutricList == FNutricList.get()) NutricList = nullptr;
  if (LogUserInfo == FLogUserInfo.get()) LogUserInfo = nullptr;
  FNutricList.reset();
  FLogUserInfo.reset();
}

// A student row that cannot be posted is given up, so that the students page never keeps a
// half-typed row; the database error is shown all the same.
void TdmGym::adqStudentsPostError(TDataSet* DataSet, EDatabaseError&, TDataAction& Action) {
  DataSet->Cancel();
  Action = daFail;
}
