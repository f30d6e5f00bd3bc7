// The main window: creation, the log-on of its first activation, the status bar, the side bar's
// pages with their loading, and the search strip above the grids.
#include "app/windows/KvMain.h"

#include "app/kits/FormKit.h"
#include "app/data/KvConst.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"
#include "app/windows/Logon.h"
#include "controls/Application.h"
#include "controls/CheckBox.h"

TfmKvMain* fmKvMain = nullptr;
String AppPath;

namespace {

constexpr const char* PlaceCaption = "::信息浏览->当前位置->";

// Reopens Query on Sql with its parameters given in the order they appear, under the SQL-wait
// cursor. Its controls are told once, when the query is open again (or has failed to open).
void ReloadQuery(TADOQuery* Query, const String& Sql, const std::vector<Variant>& Params) {
  TScreenCursorScope cursor(crSQLWait);
  TDisabledControls quiet(Query);
  Query->Close();
  Query->SQL()->SetText(Sql);
  for (size_t i = 0; i < Params.size(); ++i) Query->Parameters().Items(static_cast<int>(i)).SetValue(Params[i]);
  Query->Open();
}

}  // namespace

TfmKvMain::~TfmKvMain() {
  if (fmKvMain == this) fmKvMain = nullptr;
}

void TfmKvMain::Publish(TClassBuilder<TfmKvMain>& c) {
  using M = TfmKvMain;
  c.Method("FormCreate", &M::FormCreate);
  c.Method("FormActivate", &M::FormActivate);
  c.Method("sbInfoListItemClick", &M::sbInfoListItemClick);
  c.Method("cbbClassChange", &M::cbbClassChange);
  c.Method("cbbGradeChange", &M::cbbGradeChange);
  c.Method("rbSexClick", &M::rbSexClick);
  c.Method("edtInputParamChange", &M::edtInputParamChange);
  c.Method("clmRightsCustomDrawCell", &M::clmRightsCustomDrawCell);
  c.Method("dgStarndCustomDrawCell", &M::dgStarndCustomDrawCell);
  c.Method("dgStudentsMouseUp", &M::dgStudentsMouseUp);
  c.Method("dgTeachersMouseUp", &M::dgTeachersMouseUp);
  c.Method("actStudentRowsUpdate", &M::actStudentRowsUpdate);
  c.Method("actStudentsUpdate", &M::actStudentsUpdate);
  c.Method("actNewTeachersUpdate", &M::actNewTeachersUpdate);
  c.Method("actTeacherRowsUpdate", &M::actTeacherRowsUpdate);
  c.Method("actExamStarndUpdate", &M::actExamStarndUpdate);
  c.Method("actUptoStarndUpdate", &M::actUptoStarndUpdate);
  c.Method("actAdministratorUpdate", &M::actAdministratorUpdate);
  c.Method("actStudentsPageUpdate", &M::actStudentsPageUpdate);
  c.Method("actTeachersPageUpdate", &M::actTeachersPageUpdate);
  c.Method("actDeleteStudentExecute", &M::actDeleteStudentExecute);
  c.Method("actDelTeacherExecute", &M::actDelTeacherExecute);
  c.Method("actSetLogPasswordExecute", &M::actSetLogPasswordExecute);
  c.Method("actSetDatabaseExecute", &M::actSetDatabaseExecute);
  c.Method("bbHelpClick", &M::bbHelpClick);
  c.Method("bbSupportClick", &M::bbSupportClick);
  c.Method("bbAboutClick", &M::bbAboutClick);
  c.Method("actUptoInputExecute", &M::actUptoInputExecute);
  c.Method("actExamInputExecute", &M::actExamInputExecute);
  c.Method("actDutyInputExecute", &M::actDutyInputExecute);
  c.Method("actBasicInputExecute", &M::actBasicInputExecute);
  c.Method("actTechInputExecute", &M::actTechInputExecute);
  c.Method("actLessonInputExecute", &M::actLessonInputExecute);
  c.Method("actEdituptoAchieveExecute", &M::actEdituptoAchieveExecute);
  c.Method("actEditExamAchieveExecute", &M::actEditExamAchieveExecute);
  c.Method("actNewStudentExecute", &M::actNewStudentExecute);
  c.Method("actEditStudentExecute", &M::actEditStudentExecute);
  c.Method("actHistoryUptoSearchExecute", &M::actHistoryUptoSearchExecute);
  c.Method("actHistoryExamSearchExecute", &M::actHistoryExamSearchExecute);
  c.Method("actDutySearchExecute", &M::actDutySearchExecute);
  c.Method("actNewTeachersExecute", &M::actNewTeachersExecute);
  c.Method("actEditTeacherExecute", &M::actEditTeacherExecute);
  c.Method("actSetTeacherTaskExecute", &M::actSetTeacherTaskExecute);
  c.Method("actSetTeacherRightsExecute", &M::actSetTeacherRightsExecute);
  c.Method("actEditExamParamsExecute", &M::actEditExamParamsExecute);
  c.Method("actSetExamProgExecute", &M::actSetExamProgExecute);
  c.Method("actEditUptoParamsExecute", &M::actEditUptoParamsExecute);
  c.Method("actSetUptoProgExecute", &M::actSetUptoProgExecute);
  c.Method("actSetProgRelationExecute", &M::actSetProgRelationExecute);
  c.Method("actSetSchoolInfoExecute", &M::actSetSchoolInfoExecute);
  c.Method("actSetClassExecute", &M::actSetClassExecute);
  c.Method("actSetClassOrderExecute", &M::actSetClassOrderExecute);
  c.Method("actMovStuToOtherClassExecute", &M::actMovStuToOtherClassExecute);
  c.Method("actMovStutoUpGradeExecute", &M::actMovStutoUpGradeExecute);
  c.Method("actSetTermtypeExecute", &M::actSetTermtypeExecute);
  c.Method("actMultSearchExecute", &M::actMultSearchExecute);
  c.Method("actPrintBlanStudentExecute", &M::actPrintBlanStudentExecute);
  c.Method("actPrintStudentUptoReportExecute", &M::actPrintStudentUptoReportExecute);
  c.Method("actPrintStudentExamReportExecute", &M::actPrintStudentExamReportExecute);
  c.Method("actPrintClassUptoReportExecute", &M::actPrintClassUptoReportExecute);
  c.Method("actPrintGradeUptoReportExecute", &M::actPrintGradeUptoReportExecute);
  c.Method("actPrintSchoolUptoReportExecute", &M::actPrintSchoolUptoReportExecute);
  c.Method("actPrintNoTestStudentExecute", &M::actPrintNoTestStudentExecute);
  c.Method("actPrintFreeStudentExecute", &M::actPrintFreeStudentExecute);
  c.Method("actPrintStudentsExecute", &M::actPrintStudentsExecute);
  c.Method("actPrintTeacherExecute", &M::actPrintTeacherExecute);
  c.Method("actSetPrintOptionExecute", &M::actSetPrintOptionExecute);
}

void TfmKvMain::Loaded() {
  TForm::Loaded();
  BindComponent(this, StatusBar, "StatusBar");
  BindComponent(this, bmMenus, "bmMenus");
  BindComponent(this, popStudent, "popStudent");
  BindComponent(this, popTeacher, "popTeacher");
  BindComponent(this, pnInfo, "pnInfo");
  BindComponent(this, sbInfoList, "sbInfoList");
  BindComponent(this, pnShowInfo, "pnShowInfo");
  BindComponent(this, nbSearch, "nbSearch");
  BindComponent(this, nbPages, "nbPages");
  BindComponent(this, cbbClass, "cbbClass");
  BindComponent(this, rbLogID, "rbLogID");
  BindComponent(this, rbLogName, "rbLogName");
  BindComponent(this, edtInputParam, "edtInputParam");
  BindComponent(this, cbbUptoGrade, "cbbUptoGrade");
  BindComponent(this, rbUptoBoy, "rbUptoBoy");
  BindComponent(this, rbUptoGirl, "rbUptoGirl");
  BindComponent(this, cbbExamGrade, "cbbExamGrade");
  BindComponent(this, rbExamBoy, "rbExamBoy");
  BindComponent(this, rbExamGirl, "rbExamGirl");
  BindComponent(this, dgStudents, "dgStudents");
  BindComponent(this, dgTeachers, "dgTeachers");
  BindComponent(this, dgUptoStarnd, "dgUptoStarnd");
  BindComponent(this, dgExamStarnd, "dgExamStarnd");
}

// A layout cannot name the data module's components, so the grids get their data sources here.
void TfmKvMain::FormCreate(TObject*) {
  FCurrentPage = -1;
  edtInputParam->SetText(String());
  pnInfo->SetVisible(false);
  FFirstActivate = true;
  SetCaption(Application->Title());
  SetBounds(0, 0, Screen->Width(), Screen->Height());
  AppPath = ApplicationFolder();
  dgStudents->SetDataSource(dmGym->dsStudents);
  dgTeachers->SetDataSource(dmGym->dsTeachers);
  dgUptoStarnd->SetDataSource(dmGym->dsUptoStarnd);
  dgExamStarnd->SetDataSource(dmGym->dsExamStarnd);
}

void TfmKvMain::FormActivate(TObject*) {
  if (!FFirstActivate) return;
  FFirstActivate = false;
  TComponentPtr<TfmLogon> logon(TCustomForm::Create<TfmLogon>(Application));
  const bool loggedOn = logon->ShowModal() == mrOk;
  ShowLogonState(loggedOn);
  if (loggedOn) LoadAfterLogon();
}

void TfmKvMain::LoadAfterLogon() {
  dmGym->FillGradeList(cbbUptoGrade->Items());
  dmGym->FillGradeList(cbbExamGrade->Items());
  pnInfo->SetVisible(true);
  if (!(LogUserInfo->Flags & lfNoClasses)) {
    TStrings* classes = LogUserInfo->ClassList.get();
    cbbClass->Items()->Clear();
    for (int i = 0; i < classes->Count(); ++i) cbbClass->Items()->Add((*classes)[i]);
    cbbClass->SetItemIndex(0);
  }
  sbInfoListItemClick(sbInfoList, sbInfoList->Groups()->Items(0)->Items()->Items(0));
}

void TfmKvMain::ShowLogonState(bool LoggedOn) {
  auto panel = [this](int Index, const String& Text) { StatusBar->Panels()->Items(Index)->SetText(Text); };
  panel(0, LoggedOn ? "成功登录" : "没有登录");
  panel(2, LoggedOn ? LogUserInfo->Name : String("未知"));
  panel(4, LoggedOn ? RightsName(LogUserInfo->Rights) : String("未知"));
}

// --- pages ------------------------------------------------------------------------------------

void TfmKvMain::sbInfoListItemClick(TObject*, TdxSideBarItem* Item) {
  ShowPage(Item->Tag(), Item->Caption());
  LoadPageOnce(Item->Tag());
}

void TfmKvMain::ShowPage(int Page, const String& Caption) {
  nbPages->SetPageIndex(Page);
  nbSearch->SetPageIndex(Page);
  FCurrentPage = Page;
  pnShowInfo->SetCaption(PlaceCaption + Caption);
  Repaint();
}

// The data sets stay open once loaded: coming back to a page shows it as it was left.
void TfmKvMain::LoadPageOnce(int Page) {
  switch (Page) {
    case pnStudents:
      if (!dmGym->adqStudents->Active() && cbbClass->ItemIndex() >= 0) ShowStudents(cbbClass->Text());
      break;
    case pnTeachers:
      if (!dmGym->adqTeachers->Active()) ShowTeachers();
      break;
    case pnUptoStarnd:
      if (dmGym->adqUptoStarnd->Active()) break;
      cbbUptoGrade->SetItemIndex(0);
      rbUptoBoy->SetChecked(true);
      ShowUptoStarnd(cbbUptoGrade->Text(), SexNames[0]);
      break;
    case pnExamStarnd:
      if (dmGym->adqExamStarnd->Active()) break;
      cbbExamGrade->SetItemIndex(0);
      rbExamBoy->SetChecked(true);
      ShowExamStarnd(cbbExamGrade->Text(), SexNames[0]);
      break;
  }
}

void TfmKvMain::ShowStudents(const String& ClassName) {
  ReloadQuery(dmGym->adqStudents, ClassStudentListSql, {ClassName});
}

void TfmKvMain::ShowTeachers() { ReloadQuery(dmGym->adqTeachers, TeachersSql, {}); }

void TfmKvMain::ShowUptoStarnd(const String& Grade, const String& Sex) {
  ReloadQuery(dmGym->adqUptoStarnd, UptoStandardsSql, {Sex, Grade});
  dgUptoStarnd->ExpandAll();
}

void TfmKvMain::ShowExamStarnd(const String& Grade, const String& Sex) {
  ReloadQuery(dmGym->adqExamStarnd, ExamStandardsSql, {Sex, Grade});
}

// --- search strip -----------------------------------------------------------------------------

void TfmKvMain::cbbClassChange(TObject*) { ShowStudents(cbbClass->Text()); }

void TfmKvMain::cbbGradeChange(TObject*) {
  const bool girls = FCurrentPage == pnExamStarnd ? rbExamGirl->Checked() : rbUptoGirl->Checked();
  ShowStarndOfPage(SexNames[girls ? 1 : 0]);
}

void TfmKvMain::rbSexClick(TObject* Sender) {
  ShowStarndOfPage(SexNames[static_cast<size_t>(static_cast<TComponent*>(Sender)->Tag())]);
}

void TfmKvMain::ShowStarndOfPage(const String& Sex) {
  if (FCurrentPage == pnUptoStarnd) ShowUptoStarnd(cbbUptoGrade->Text(), Sex);
  else if (FCurrentPage == pnExamStarnd) ShowExamStarnd(cbbExamGrade->Text(), Sex);
}

// Looks for the text as it stands after each change, so that the row found always matches every
// character typed so far.
void TfmKvMain::edtInputParamChange(TObject*) {
  TADOQuery* teachers = dmGym->adqTeachers;
  if (!teachers->Active()) return;
  teachers->Locate(rbLogName->Checked() ? "Fd_Name" : "Fd_LogId", edtInputParam->Text(), loPartialKey);
}
