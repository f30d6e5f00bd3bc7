// The main window's commands that open the windows of school, class, teacher and student
// administration, the searches, the terms and the standards and item lists, and the student
// filter, which replaces the student list by the students it finds.
#include "app/FormKit.h"
#include "app/KvData.h"
#include "app/KvMain.h"
#include "app/dialogs/DutySearch.h"
#include "app/dialogs/EditExamStandard.h"
#include "app/dialogs/EditStudent.h"
#include "app/dialogs/EditTeacher.h"
#include "app/dialogs/EditUptoStandard.h"
#include "app/dialogs/ExamHistorySearch.h"
#include "app/dialogs/MultCondition.h"
#include "app/dialogs/NewStudents.h"
#include "app/dialogs/NewTeachers.h"
#include "app/dialogs/ProgRelation.h"
#include "app/dialogs/SeperateClass.h"
#include "app/dialogs/SetClass.h"
#include "app/dialogs/SetClassOrder.h"
#include "app/dialogs/SetExamProgType.h"
#include "app/dialogs/SetSchoolInfo.h"
#include "app/dialogs/SetTeacherRights.h"
#include "app/dialogs/SetTeacherTask.h"
#include "app/dialogs/SetTermType.h"
#include "app/dialogs/SetUptoProg.h"
#include "app/dialogs/UpGrade.h"
#include "app/dialogs/uptoHistorySearch.h"
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
