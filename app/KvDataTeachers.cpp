// Deleting a teacher together with the classes they teach.
#include "app/KvData.h"

void TdmGym::DeleteCurrentTeacher() {
  const String logID = adqTeachers->FieldByName("Fd_LogID")->AsString();
  RunInTransaction([&] {
    adqExecSql->Close();
    adqExecSql->SQL()->SetText("delete from Tb_TeacherTask where Fd_LogID=:ALogID");
    adqExecSql->Parameters().ParamByName("ALogID").SetValue(logID);
    adqExecSql->ExecSQL();
    adqTeachers->Delete();
  });
}
