// The student and term the entry windows read, their date message, and the commit of results.
#include "app/kits/EntryKit.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"
#include "controls/DBCtrls.h"
#include "editors/dxEdLib.h"

TDataSet* Students() { return dmGym->adqStudents; }

int CurrentStudentNo() {
  if (!Students()->Active() || Students()->IsEmpty()) throw Exception("当前没有学生。");
  return Students()->FieldByName("Fd_StuNo")->AsInteger();
}

String CurrentStudentGrade() {
  if (!Students()->Active() || Students()->IsEmpty()) return String();
  return dmGym->GradeOfClass(Students()->FieldByName("Fd_Class")->AsString());
}

bool NextStudent() {
  Students()->Next();
  return !Students()->Eof();
}

int CurrentTermID(TDataSet* Terms) {
  if (!Terms->Active() || Terms->IsEmpty()) return 0;
  return Terms->FieldByName("Fd_TermID")->AsInteger();
}

void OpenTerms(TDataSet* Terms, TDBLookupComboBox* TermBox) {
  Terms->Close();
  Terms->Open();
  if (!Terms->IsEmpty()) TermBox->SetKeyValue(Terms->FieldByName("Fd_TermID")->Value());
}

void UseEntryDateMessage(TdxDateEdit* Edit) {
  Edit->OnDateValidateInput = [](TObject*, const String&, TDateTime&, String& Message, bool&) {
    Message = "输入的日期错误。";
  };
}

namespace {

// The columns of a result row, in the order they are set.
void SetResultFields(TDataSet* Rows, TStandardFamily Family, const TTrainingInfo& Result) {
  Rows->FieldByName("Fd_StuNo")->SetAsInteger(Result.StuNo);
  Rows->FieldByName("Fd_TestDate")->SetAsDateTime(Result.TestDate);
  if (Family == sfExam) {
    Rows->FieldByName("Fd_TestPart")->SetAsInteger(Result.TestPart);
    Rows->FieldByName("Fd_TermType")->SetAsInteger(Result.TermType);
  }
  Rows->FieldByName("Fd_ProgNo")->SetAsString(Result.ProgNo);
  Rows->FieldByName("Fd_Grade")->SetAsString(Result.Grade);
  Rows->FieldByName("Fd_Achieve")->SetAsFloat(Result.Achieve);
  Rows->FieldByName("Fd_FenVal")->SetAsInteger(Result.FenVal);
}

}  // namespace

void AppendResults(TADOQuery* Query, TStandardFamily Family, const std::vector<TTrainingInfo>& Results,
                   const std::function<void()>& Step) {
  TCloseAfter closer(Query);
  OpenSql(Query, ResultsToAppendSql(FamilyName(Family)));
  dmGym->RunInTransaction([&] {
    for (const TTrainingInfo& result : Results) {
      Query->Append();
      PostRow(Query, [&] { SetResultFields(Query, Family, result); });
      if (Step) Step();
    }
  });
}
