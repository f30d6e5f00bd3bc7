// The main window's commands: the rules that enable them whenever the application is idle, the
// commands this window carries out itself (deleting a student or a teacher, the password,
// database and about dialogs, the help file and the support links), and those that open the
// result-entry windows.
#include "app/kits/FormKit.h"
#include "app/data/KvCommon.h"
#include "app/data/KvConst.h"
#include "app/data/KvData.h"
#include "app/windows/KvMain.h"
#include "app/windows/About.h"
#include "app/windows/BasicInput.h"
#include "app/windows/ChgPwd.h"
#include "app/windows/DutyInput.h"
#include "app/windows/EditExamAchieve.h"
#include "app/windows/EditUptoAchieve.h"
#include "app/windows/ExamInput.h"
#include "app/windows/LessonInput.h"
#include "app/windows/SetDatabase.h"
#include "app/windows/TechInput.h"
#include "app/windows/UptoInput.h"
#include "controls/Application.h"
#include "rtl/Files.h"
#include "rtl/Convert.h"
#include "windows/SystemServices.h"

namespace {

void Enable(TObject* Action, bool Enabled) { static_cast<TAction*>(Action)->SetEnabled(Enabled); }

bool HasRows(const TDataSet* DataSet) { return DataSet->Active() && !DataSet->IsEmpty(); }

bool Administrator() { return LogUserInfo->Rights == 1; }

}  // namespace

// --- enabling rules ------------------------------------------------------------------------------

void TfmKvMain::actStudentRowsUpdate(TObject* Sender) {
  Enable(Sender, HasRows(dmGym->adqStudents) && FCurrentPage == pnStudents);
}

void TfmKvMain::actStudentsUpdate(TObject* Sender) {
  Enable(Sender, dmGym->adqStudents->Active() && FCurrentPage == pnStudents);
}

void TfmKvMain::actNewTeachersUpdate(TObject* Sender) {
  Enable(Sender, dmGym->adqTeachers->Active() && Administrator() && FCurrentPage == pnTeachers);
}

void TfmKvMain::actTeacherRowsUpdate(TObject* Sender) {
  Enable(Sender, HasRows(dmGym->adqTeachers) && Administrator() && FCurrentPage == pnTeachers);
}

void TfmKvMain::actExamStarndUpdate(TObject* Sender) {
  Enable(Sender, HasRows(dmGym->adqExamStarnd) && FCurrentPage == pnExamStarnd);
}

void TfmKvMain::actUptoStarndUpdate(TObject* Sender) {
  Enable(Sender, HasRows(dmGym->adqUptoStarnd) && FCurrentPage == pnUptoStarnd);
}

void TfmKvMain::actAdministratorUpdate(TObject* Sender) { Enable(Sender, Administrator()); }

// The report commands follow the page on show, not the page last chosen.
void TfmKvMain::actStudentsPageUpdate(TObject* Sender) {
  Enable(Sender, dmGym->adqStudents->Active() && nbPages->PageIndex() == pnStudents);
}

void TfmKvMain::actTeachersPageUpdate(TObject* Sender) {
  Enable(Sender, dmGym->adqTeachers->Active() && nbPages->PageIndex() == pnTeachers);
}

// --- deletions -----------------------------------------------------------------------------------

void TfmKvMain::actDeleteStudentExecute(TObject*) {
  if (!HasRows(dmGym->adqStudents)) {
    ShowMsgBox("没有可删除的学生记录。", "信息提示", mtInformation, MsgDlgBit(mbOK));
    return;
  }
  if (ShowMsgBox("确定要删除该学生记录吗？", "信息提示", mtConfirmation, mbYesNo) != mrYes) return;
  TScreenCursorScope hourglass(crHourGlass);
  try {
    dmGym->DeleteCurrentStudent();
  } catch (const Exception& E) {
    throw Exception("删除学生记录出错。\n" + E.Message());
  }
}

void TfmKvMain::actDelTeacherExecute(TObject*) {
  TADOQuery* teachers = dmGym->adqTeachers;
  if (!HasRows(teachers)) return;
  const String question = Format("确信要删除 [%s] 该笔资料吗？", {teachers->FieldValue("Fd_Name")});
  if (ShowMsgBox(question, "信息提示", mtInformation, mbOKCancel) != mrOk) return;
  dmGym->DeleteCurrentTeacher();
}

// --- dialogs, help and support -------------------------------------------------------------------

void TfmKvMain::actSetLogPasswordExecute(TObject*) {
  HeldForm(fmChgPwd)->ShowModal();
}

// Only the path is stored: the program goes on with the file it has and opens the new one at
// its next start.
void TfmKvMain::actSetDatabaseExecute(TObject*) { ShowSetDatabase(); }

void TfmKvMain::bbHelpClick(TObject*) {
  const String file = HelpFile();
  if (FileExists(file)) ShellExecute(Handle(), "open", file, String(), String(), SW_SHOWNORMAL);
}

// The three support buttons carry the index of their link as their tag.
void TfmKvMain::bbSupportClick(TObject* Sender) {
  const auto index = static_cast<size_t>(static_cast<TComponent*>(Sender)->Tag());
  if (index < SupportLinks.size()) ShellExecute(HWND(), "open", SupportLinks[index], String(), String(), SW_SHOWNORMAL);
}

void TfmKvMain::bbAboutClick(TObject*) {
  HeldForm(AboutBox)->ShowModal();
}

// --- result entry --------------------------------------------------------------------------------

// The two performance windows are told the class chosen in the search strip.
void TfmKvMain::actUptoInputExecute(TObject*) { ShowUptoInput(cbbClass->Text()); }

void TfmKvMain::actExamInputExecute(TObject*) { ShowExamInput(cbbClass->Text()); }

void TfmKvMain::actDutyInputExecute(TObject*) { ShowDutyInput(); }

void TfmKvMain::actBasicInputExecute(TObject*) { ShowBasicInput(); }

void TfmKvMain::actTechInputExecute(TObject*) { ShowTechInput(); }

void TfmKvMain::actLessonInputExecute(TObject*) { ShowLessonInput(); }

void TfmKvMain::actEdituptoAchieveExecute(TObject*) { ShowEditUptoAchieve(); }

void TfmKvMain::actEditExamAchieveExecute(TObject*) { ShowEditExamAchieve(); }
