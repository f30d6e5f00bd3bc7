// Start-up and shut-down of the records application.
#include "app/Startup.h"

#include "app/KvData.h"
#include "app/KvMain.h"
#include "app/dialogs/About.h"
#include "app/dialogs/BasicInput.h"
#include "app/dialogs/ChgPwd.h"
#include "app/dialogs/DutyInput.h"
#include "app/dialogs/DutySearch.h"
#include "app/dialogs/EditExamAchieve.h"
#include "app/dialogs/EditExamStandard.h"
#include "app/dialogs/EditStudent.h"
#include "app/dialogs/EditTeacher.h"
#include "app/dialogs/EditUptoAchieve.h"
#include "app/dialogs/EditUptoStandard.h"
#include "app/dialogs/ExamHistorySearch.h"
#include "app/dialogs/ExamInput.h"
#include "app/dialogs/InputAchieve.h"
#include "app/dialogs/LessonInput.h"
#include "app/dialogs/Logon.h"
#include "app/dialogs/MoveStudents.h"
#include "app/dialogs/MultCondition.h"
#include "app/dialogs/NewStudents.h"
#include "app/dialogs/NewTeachers.h"
#include "app/dialogs/ProgList.h"
#include "app/dialogs/ProgRelation.h"
#include "app/dialogs/ProgressTask.h"
#include "app/dialogs/RptPreview.h"
#include "app/dialogs/SeperateClass.h"
#include "app/dialogs/SetClass.h"
#include "app/dialogs/SetClassOrder.h"
#include "app/dialogs/SetDatabase.h"
#include "app/dialogs/SetExamProgType.h"
#include "app/dialogs/SetPrintOption.h"
#include "app/dialogs/SetSchoolInfo.h"
#include "app/dialogs/SetTeacherRights.h"
#include "app/dialogs/SetTeacherTask.h"
#include "app/dialogs/SetTermType.h"
#include "app/dialogs/SetUptoProg.h"
#include "app/dialogs/ShowStarnd.h"
#include "app/dialogs/Splash.h"
#include "app/dialogs/TechInput.h"
#include "app/dialogs/UpGrade.h"
#include "app/dialogs/uptoHistorySearch.h"
#include "app/dialogs/UptoInput.h"
#include "bars/dxBarClasses.h"
#include "controls/Application.h"
#include "controls/ControlClasses.h"
#include "controls/Dialogs.h"
#include "grid/dxDBGridClasses.h"
#include "report/FR_Register.h"
#include "report/FR_ScriptDlg.h"
#include "sidebar/SideBarClasses.h"

namespace {

// The INPUT and MESSAGEBOX functions of report scripts show the program's own dialogs.
class TAppScriptDialogs : public TfrScriptDialogs {
 public:
  String InputBox(const String& Caption, const String& Prompt, const String& Default) override {
    return ::InputBox(Caption, Prompt, Default);
  }
  int MessageBox(const String& Text, const String& Caption, int Flags) override {
    return ::MessageBox(Text, Caption, static_cast<UINT>(Flags));
  }
};

void ShowSplash() {
  fmSplash = TCustomForm::Create<TfmSplash>(Application);
  fmSplash->Show();
  fmSplash->Update();
}

void FreeSplash() {
  fmSplash->Hide();
  fmSplash->Free();
}

}  // namespace

void RegisterAppClasses() {
  RegisterControlsClasses();
  RegisterGridClasses();
  RegisterReportClasses();
  RegisterBarsClasses();
  RegisterSideBarClasses();
  RegisterClass<TdmGym, TComponent>("TdmGym");
  RegisterClass<TfmSplash, TForm>("TfmSplash");
  RegisterClass<TfmKvMain, TForm>("TfmKvMain");
  RegisterClass<TfmLogon, TForm>("TfmLogon");
  RegisterClass<TfmSetDatabase, TForm>("TfmSetDatabase");
  RegisterClass<TfmChgPwd, TForm>("TfmChgPwd");
  RegisterClass<TAboutBox, TForm>("TAboutBox");
  RegisterClass<TProgressTask, TForm>("TProgressTask");
  RegisterClass<TfmInputAchieveBox, TForm>("TfmInputAchieveBox");
  RegisterClass<TfmShowStarnd, TForm>("TfmShowStarnd");
  RegisterClass<TfmRptPreview, TForm>("TfmRptPreview");
  RegisterClass<TfmSetPrintOption, TForm>("TfmSetPrintOption");
  RegisterClass<TfmTrainingEntry, TForm>("TfmTrainingEntry");
  RegisterClass<TfmResultEntry, TfmTrainingEntry>("TfmResultEntry");
  RegisterClass<TfmUptoInput, TfmResultEntry>("TfmUptoInput");
  RegisterClass<TfmExamInput, TfmResultEntry>("TfmExamInput");
  RegisterClass<TfmTechInput, TfmTrainingEntry>("TfmTechInput");
  RegisterClass<TfmPartScoreInput, TForm>("TfmPartScoreInput");
  RegisterClass<TfmDutyInput, TfmPartScoreInput>("TfmDutyInput");
  RegisterClass<TfmBasicInput, TfmPartScoreInput>("TfmBasicInput");
  RegisterClass<TfmLessonInput, TForm>("TfmLessonInput");
  RegisterClass<TfmEditAchieve, TForm>("TfmEditAchieve");
  RegisterClass<TfmEditUptoAchieve, TfmEditAchieve>("TfmEditUptoAchieve");
  RegisterClass<TfmEditExamAchieve, TfmEditAchieve>("TfmEditExamAchieve");
  RegisterClass<TfmSetSchoolInfo, TForm>("TfmSetSchoolInfo");
  RegisterClass<TfmSetClass, TForm>("TfmSetClass");
  RegisterClass<TfmSetClassOrder, TForm>("TfmSetClassOrder");
  RegisterClass<TfmMoveStudents, TForm>("TfmMoveStudents");
  RegisterClass<TfmSeperatorClass, TfmMoveStudents>("TfmSeperatorClass");
  RegisterClass<TfmUpGrade, TfmMoveStudents>("TfmUpGrade");
  RegisterClass<TfmNewTeacher, TForm>("TfmNewTeacher");
  RegisterClass<TfmEditTeacher, TForm>("TfmEditTeacher");
  RegisterClass<TfmSetTeacherTask, TForm>("TfmSetTeacherTask");
  RegisterClass<TfmSetTeacherRights, TForm>("TfmSetTeacherRights");
  RegisterClass<TfmNewStudents, TForm>("TfmNewStudents");
  RegisterClass<TfmEditStudent, TForm>("TfmEditStudent");
  RegisterClass<TfmRecordSearch, TForm>("TfmRecordSearch");
  RegisterClass<TfmHistorySearch, TfmRecordSearch>("TfmHistorySearch");
  RegisterClass<TfmUptoHistorySearch, TfmHistorySearch>("TfmUptoHistorySearch");
  RegisterClass<TfmExamHistorySearch, TfmHistorySearch>("TfmExamHistorySearch");
  RegisterClass<TfmDutySearch, TfmRecordSearch>("TfmDutySearch");
  RegisterClass<TfmMultCondition, TForm>("TfmMultCondition");
  RegisterClass<TfmSetTermType, TForm>("TfmSetTermType");
  RegisterClass<TfmEditStarnd, TForm>("TfmEditStarnd");
  RegisterClass<TfmEditExamStarnd, TfmEditStarnd>("TfmEditExamStarnd");
  RegisterClass<TfmEditUptoStarnd, TfmEditStarnd>("TfmEditUptoStarnd");
  RegisterClass<TfmSetProgList, TForm>("TfmSetProgList");
  RegisterClass<TfmSetExamProg, TfmSetProgList>("TfmSetExamProg");
  RegisterClass<TfmSetUptoProg, TfmSetProgList>("TfmSetUptoProg");
  RegisterClass<TfmProgRelation, TForm>("TfmProgRelation");
}

void StartApplication() {
  SetScriptDialogs(std::make_unique<TAppScriptDialogs>());
  Application->SetTitle("Quorin");
  ShowSplash();
  TdmGym::Create(Application);
  Application->CreateForm(fmKvMain);
  FreeSplash();
}

// Nothing is saved on the way out: the application frees its forms and the data module, whose
// connection closes with it.
int RunApplication() {
  RegisterAppClasses();
  InitApplication();
  StartApplication();
  Application->Run();
  SetScriptDialogs(nullptr);
  DoneApplication();
  return 0;
}
