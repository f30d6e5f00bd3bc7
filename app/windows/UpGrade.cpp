// The promotion dialog: the grade order, and per student the results copied into the history
// tables and removed from the result tables, and the new class, all in one transaction.
#include "app/windows/UpGrade.h"

#include "app/kits/FormKit.h"
#include "app/data/KvConst.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"

TfmUpGrade* fmUpGrade = nullptr;

bool IsLaterGrade(const String& From, const String& To) {
  const int from = GradePosition(From), to = GradePosition(To);
  return from >= 0 && to > from;
}

TfmUpGrade::~TfmUpGrade() {
  if (fmUpGrade == this) fmUpGrade = nullptr;
}

void TfmUpGrade::Loaded() {
  TfmMoveStudents::Loaded();
  BindComponent(this, adqExecSql, "adqExecSql");
}

void TfmUpGrade::MoveChosenStudents() {
  if (!IsLaterGrade(SourceClass()->Grade, TargetClass()->Grade)) {
    ShowMsgBox("升级必须是从低年级到高年级升级。", "信息提示", mtInformation, MsgDlgBit(mbOK));
    return;
  }
  ForEachChosenStudent([this](int StuNo) { PromoteStudent(StuNo); });
}

void TfmUpGrade::PromoteStudent(int StuNo) {
  try {
    dmGym->RunInTransaction([&] {
      RunStatement(ArchiveExamSql, StuNo);
      RunStatement(DeleteExamSql, StuNo);
      RunStatement(ArchiveUptoSql, StuNo);
      RunStatement(DeleteUptoSql, StuNo);
      SetTargetClass();
    });
  } catch (...) {
    CancelEditing(adqStudent);
    throw;
  }
}

void TfmUpGrade::RunStatement(const String& Sql, int StuNo) {
  RunSql(adqExecSql, Sql, {{"AStuNo", StuNo}});
}

TModalResult ShowUpGrade() { return HeldForm(fmUpGrade)->ShowModal(); }
