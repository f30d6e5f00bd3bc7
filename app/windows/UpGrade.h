// The promotion dialog "学生升级": students of one class go into a class of a later grade. Each
// promoted student's current results move into the history tables, so that the result tables
// hold only results of the students' present grade.
#pragma once

#include "app/kits/MoveStudents.h"

// A promotion goes from an earlier to a later grade of the grade names ("高一", "高二", "高三");
// a grade outside them has no place in that order and allows no promotion.
bool IsLaterGrade(const String& From, const String& To);

class TfmUpGrade : public TfmMoveStudents {
 public:
  explicit TfmUpGrade(TComponent* AOwner) : TfmMoveStudents(AOwner) {}
  ~TfmUpGrade() override;
  String ClassName() const override { return "TfmUpGrade"; }
  String LayoutModule() const override { return "UpGrade"; }

  TADOQuery* adqExecSql = nullptr;

 protected:
  void Loaded() override;
  void MoveChosenStudents() override;

 private:
  // Archives the student's results and sets the class, in one transaction: a failure leaves the
  // student as they were, their results unmoved.
  void PromoteStudent(int StuNo);
  void RunStatement(const String& Sql, int StuNo);
};

// The dialog while it is open.
extern TfmUpGrade* fmUpGrade;
// The command "学生升级办理": the dialog, made anew, shown modally; it frees itself when closed.
TModalResult ShowUpGrade();
