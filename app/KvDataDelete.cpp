// Deleting a student or a teacher with the rows of other tables that belong to them, in one
// transaction each.
#include "app/KvData.h"
#include "app/KvDataSql_p.h"

namespace {

// Every table with rows of one student, keyed by the student's number.
constexpr const char* StudentTables[] = {"Tb_UptoProcess", "Tb_UptoHistory", "Tb_ExamProcess", "Tb_ExamHistory",
                                         "Tb_FreeStudent", "Tb_DutyProcess", "Tb_UptoCard",    "Tb_ExamCard"};

}  // namespace

void TdmGym::DeleteCurrentStudent() {
  const Variant stuNo = adqStudents->FieldByName("Fd_StuNo")->Value();
  RunInTransaction([&] {
    for (const char* table : StudentTables)
      RunSql(adqExecSql, String("delete from ") + table + " where Fd_StuNo=:AStuNo", {{"AStuNo", stuNo}});
    adqStudents->Delete();
  });
}

void TdmGym::DeleteCurrentTeacher() {
  const Variant logID = adqTeachers->FieldByName("Fd_LogID")->Value();
  RunInTransaction([&] {
    RunSql(adqExecSql, "delete from Tb_TeacherTask where Fd_LogID=:ALogID", {{"ALogID", logID}});
    adqTeachers->Delete();
  });
}
