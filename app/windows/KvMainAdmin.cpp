// The main window's commands that open the windows of school, class, teacher and student
// administration, the searches, the terms and the standards and item lists, and the student
// filter, which replaces the student list by the students it finds.
#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "app/windows/KvMain.h"
#include "app/windows/DutySearch.h"
#include "app/windows/EditExamStandard.h"
#include "app/windows/EditStudent.h"
#include "app/windows/EditTeacher.h"
#include "app/windows/EditUptoStandard.h"
#include "app/windows/ExamHistorySearch.h"
#include "app/windows/MultCondition.h"
#include "app/windows/NewStudents.h"
#include "app/windows/NewTeachers.h"
#include "app/windows/ProgRelation.h"
#include "app/windows/SeperateClass.h"
#include "app/windows/SetClass.h"
#include "app/windows/SetClassOrder.h"
#include "app/windows/SetExamProgType.h"
#include "app/windows/SetSchoolInfo.h"
#include "app/windows/SetTeacherRights.h"
#include "app/windows/SetTeacherTask.h"
#include "app/windows/SetTermType.h"
#include "app/windows/SetUptoProg.h"
#include "app/windows/UpGrade.h"
#include "app/windows/uptoHistorySearch.h"
#include "controls/Application.h"

void TfmKvMain::actNewStudentExecute(TObject*) { ShowNewStudents(cbbClass->Text()); }

void TfmKvMain::actEditStudentExecute(TObject*) { ShowEditStudent(); }

void TfmKvMain::actHistoryUptoSearchExecute(TObject*) { ShowUptoHistorySearch(); }

void TfmKvMain::actHistoryExamSearchExecute(TObject*) { ShowExamHistorySearch(); }

void TfmKvMain::actDutySearchExecute(TObject*) { ShowDutySearch(); }

void TfmKvMain::actNewTeachersExecute(TObject*) { ShowNewTeacher(); }

void TfmKvMain::actEditTeacherExecute(TObject*) { ShowEditTeacher(); }

void TfmKvMain::actSetTeacherTaskExecute(TObject*) {
  ShowSetTeacherTask(dmGym->adqTeachers->FieldByName("Fd_LogID")->AsString());
}

void TfmKvMain::actSetTeacherRightsExecute(TObject*) { ShowSetTeacherRights(); }

void TfmKvMain::actEditExamParamsExecute(TObject*) { ShowEditExamStarnd(); }

void TfmKvMain::actSetExamProgExecute(TObject*) { ShowSetExamProg(); }

void TfmKvMain::actEditUptoParamsExecute(TObject*) { ShowEditUptoStarnd(); }

void TfmKvMain::actSetUptoProgExecute(TObject*) { ShowSetUptoProg(); }

void TfmKvMain::actSetProgRelationExecute(TObject*) { ShowProgRelation(); }

void TfmKvMain::actSetSchoolInfoExecute(TObject*) { ShowSetSchoolInfo(); }

void TfmKvMain::actSetClassExecute(TObject*) { ShowSetClass(); }

void TfmKvMain::actSetClassOrderExecute(TObject*) { ShowSetClassOrder(); }

void TfmKvMain::actMovStuToOtherClassExecute(TObject*) { ShowSeperatorClass(); }

void TfmKvMain::actMovStutoUpGradeExecute(TObject*) { ShowUpGrade(); }

void TfmKvMain::actSetTermtypeExecute(TObject*) { ShowSetTermType(); }

// The filter is made and freed for each use; on OK its query, with the values bound, becomes the
// student list. The class list of the search strip stays as it is.
void TfmKvMain::actMultSearchExecute(TObject*) {
  TStudentQuery query;
  if (!RunStudentFilter(query)) return;
  TScreenCursorScope hourglass(crHourGlass);
  TDisabledControls suspended(dmGym->adqStudents);
  query.AssignTo(dmGym->adqStudents);
  dmGym->adqStudents->Open();
}
