// Deleting a student or a teacher with the rows of other tables that belong to them, in one
// transaction each; the list that showed the row lets it go only once the deletion is committed.
#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "app/data/KvDataSql_p.h"
#include "app/data/KvStatements.h"

namespace {

// The list reads its rows again without the deleted one, and the row after it takes its place (the
// one before, when it was the last), as when the list deletes a row itself. Reading again rather
// than dropping the record keeps the list out of the deletion until the file has it.
void DropDeletedRow(TDataSet* List, const String& KeyField) {
  TDisabledControls quiet(List);
  if (List->MoveBy(1) == 0) List->MoveBy(-1);
  const Variant successor = List->FieldValue(KeyField);
  List->Requery();
  if (!List->IsEmpty()) List->Locate(KeyField, successor);
}

}  // namespace

void TdmGym::DeleteListRow(TADOQuery* List, const String& KeyField, const std::function<void(const Variant&)>& Work) {
  const Variant key = List->FieldValue(KeyField);
  RunInTransaction([&] { Work(key); });
  DropDeletedRow(List, KeyField);
}

void TdmGym::DeleteCurrentStudent() {
  DeleteListRow(adqStudents, "Fd_StuNo", [this](const Variant& StuNo) {
    for (const char* table : StudentTables)
      RunSql(adqExecSql, DeleteStudentRowsSql(table), {{"AStuNo", StuNo}});
  });
}

void TdmGym::DeleteCurrentTeacher() {
  DeleteListRow(adqTeachers, "Fd_LogID", [this](const Variant& LogID) {
    for (const char* table : TeacherTables) RunSql(adqExecSql, DeleteTeacherRowsSql(table), {{"ALogID", LogID}});
  });
}
