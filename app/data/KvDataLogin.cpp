// The log-in check and what a log-in loads: the user, the school, the user's classes and the
// item units. The typed log-in name is always bound as a parameter, never put into SQL text.
#include "app/data/KvData.h"

#include "app/kits/FormKit.h"
#include "app/data/KvStatements.h"
#include "rtl/Convert.h"

String TdmGym::Login(const String& LogID, const String& Password) {
  if (!FConnected) return "数据库连接未初始化。";
  TCloseAfter closer(adqLogin);
  OpenSql(adqLogin, LoginTeacherSql, {{"ALogID", LogID}});
  if (adqLogin->IsEmpty()) return Format("用户[%s]不存在。", {LogID});
  if (Password != adqLogin->FieldByName("Fd_Password")->AsString()) return "密码不正确。";
  const String name = adqLogin->FieldByName("Fd_Name")->AsString();
  const int rights = adqLogin->FieldByName("Fd_Rights")->AsInteger();
  LogUserInfo->Flags = 0;
  LogUserInfo->LogID = LogID;
  LogUserInfo->Name = name;
  LogUserInfo->Rights = rights;
  LoadSchoolInfo();
  LoadUserClasses(LogID, rights);
  return String();
}

void TdmGym::LoadSchoolInfo() {
  TCloseAfter closer(adqLogin);
  OpenSql(adqLogin, SchoolInfoSql);
  if (adqLogin->IsEmpty()) {
    LogUserInfo->Flags |= lfNoSchoolInfo;
    return;
  }
  LogUserInfo->SchoolName = adqLogin->FieldByName("Fd_SchoolName")->AsString();
  LogUserInfo->Manager = adqLogin->FieldByName("Fd_Manager")->AsString();
  LogUserInfo->Flags &= ~lfNoSchoolInfo;
}

// An administrator works with every class in display order; a teacher with the classes
// assigned to them, in the order the join gives.
void TdmGym::LoadUserClasses(const String& LogID, int Rights) {
  TCloseAfter closer(adqLogin);
  const bool administrator = Rights == 1;
  if (administrator)
    OpenSql(adqLogin, AllClassesSql);
  else
    OpenSql(adqLogin, TeacherClassesSql, {{"ALogID", LogID}});
  if (adqLogin->IsEmpty()) {
    LogUserInfo->Flags |= lfNoClasses;
    return;
  }
  LogUserInfo->ClearClasses();
  LogUserInfo->Flags &= ~lfNoClasses;
  TField* classField = adqLogin->FieldByName(administrator ? "Fd_Class" : "Fd_Classes");
  TField* gradeField = adqLogin->FieldByName("Fd_Grade");
  for (adqLogin->First(); !adqLogin->Eof(); adqLogin->Next())
    LogUserInfo->AddClass(classField->AsString(), gradeField->AsString());
}

void TdmGym::LoadNutricList() {
  NutricList->Clear();
  AppendNutrics(UptoNutricsSql);
  AppendNutrics(ExamNutricsSql);
}

void TdmGym::AppendNutrics(const String& Sql) {
  TCloseAfter closer(adqLogin);
  OpenSql(adqLogin, Sql);
  TField* number = adqLogin->FieldByName("Fd_ProgNo");
  TField* unit = adqLogin->FieldByName("Fd_Nutric");
  for (adqLogin->First(); !adqLogin->Eof(); adqLogin->Next())
    NutricList->AddObject(number->AsString(), new TBasicNutric(number->AsString(), unit->AsString()));
}
