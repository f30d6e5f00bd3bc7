// Start-up and shut-down of the records application.
#include "app/Startup.h"

#include "app/data/KvData.h"
#include "app/windows/KvMain.h"
#include "app/windows/About.h"
#include "app/windows/BasicInput.h"
#include "app/windows/ChgPwd.h"
#include "app/windows/DutyInput.h"
#include "app/windows/DutySearch.h"
#include "app/windows/EditExamAchieve.h"
#include "app/windows/EditExamStandard.h"
#include "app/windows/EditStudent.h"
#include "app/windows/EditTeacher.h"
#include "app/windows/EditUptoAchieve.h"
#include "app/windows/EditUptoStandard.h"
#include "app/windows/ExamHistorySearch.h"
#include "app/windows/ExamInput.h"
#include "app/windows/InputAchieve.h"
#include "app/windows/LessonInput.h"
#include "app/windows/Logon.h"
#include "app/kits/MoveStudents.h"
#include "app/windows/MultCondition.h"
#include "app/windows/NewStudents.h"
#include "app/windows/NewTeachers.h"
#include "app/kits/ProgList.h"
#include "app/windows/ProgRelation.h"
#include "app/windows/ProgressTask.h"
#include "app/windows/RptPreview.h"
#include "app/windows/SeperateClass.h"
#include "app/windows/SetClass.h"
#include "app/windows/SetClassOrder.h"
#include "app/windows/SetDatabase.h"
#include "app/windows/SetExamProgType.h"
#include "app/windows/SetPrintOption.h"
#include "app/windows/SetSchoolInfo.h"
#include "app/windows/SetTeacherRights.h"
#include "app/windows/SetTeacherTask.h"
#include "app/windows/SetTermType.h"
#include "app/windows/SetUptoProg.h"
#include "app/windows/ShowStarnd.h"
#include "app/windows/Splash.h"
#include "app/windows/TechInput.h"
#include "app/windows/UpGrade.h"
#include "app/windows/uptoHistorySearch.h"
#include "app/windows/UptoInput.h"
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
