// The main window fmKvMain: the application's full-screen frame. Its first activation logs the
// user on; a side bar chooses one of four browsing pages (the students of a class, the teachers,
// the fitness standards and the examination standards), each a grid with a search strip above it;
// a menu bar, a toolbar and two popup menus offer every command through actions whose enabled
// state follows the page, the data shown and the user's rights.
#pragma once

#include "bars/dxBar.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenu.h"
#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/Notebook.h"
#include "controls/Panel.h"
#include "controls/StatusBar.h"
#include "grid/dxDBGrid.h"
#include "sidebar/dxsbar.h"

class TCheckControl;
class TRadioButton;

class TfmKvMain : public TForm {
 public:
  // The pages, as the side bar's item tags and the notebooks' page indexes number them.
  enum TPageNo { pnStudents = 0, pnTeachers = 1, pnUptoStarnd = 2, pnExamStarnd = 3 };

  explicit TfmKvMain(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmKvMain() override;
  String ClassName() const override { return "TfmKvMain"; }
  String LayoutModule() const override { return "KvMain"; }
  static void Publish(TClassBuilder<TfmKvMain>& c);

  // Panels 0, 2 and 4: "成功登录", the user's name and rights name when logged on; "没有登录",
  // "未知", "未知" otherwise.
  void ShowLogonState(bool LoggedOn);

  // Each reopens one browsing query under the SQL-wait cursor, its grid told once, when the
  // query is open again.
  void ShowStudents(const String& ClassName);
  void ShowTeachers();
  // Groups the fitness standards by category, every group open.
  void ShowUptoStarnd(const String& Grade, const String& Sex);
  void ShowExamStarnd(const String& Grade, const String& Sex);

  // The page last chosen in the side bar; -1 before the first choice.
  int CurrentPage() const { return FCurrentPage; }

  TStatusBar* StatusBar = nullptr;
  TdxBarManager* bmMenus = nullptr;
  TdxBarPopupMenu* popStudent = nullptr;
  TdxBarPopupMenu* popTeacher = nullptr;
  TPanel* pnInfo = nullptr;
  TdxSideBar* sbInfoList = nullptr;
  TPanel* pnShowInfo = nullptr;
  TNotebook* nbSearch = nullptr;
  TNotebook* nbPages = nullptr;
  TComboBox* cbbClass = nullptr;
  TRadioButton* rbLogID = nullptr;
  TRadioButton* rbLogName = nullptr;
  TEdit* edtInputParam = nullptr;
  TComboBox* cbbUptoGrade = nullptr;
  TRadioButton* rbUptoBoy = nullptr;
  TRadioButton* rbUptoGirl = nullptr;
  TComboBox* cbbExamGrade = nullptr;
  TRadioButton* rbExamBoy = nullptr;
  TRadioButton* rbExamGirl = nullptr;
  TdxDBGrid* dgStudents = nullptr;
  TdxDBGrid* dgTeachers = nullptr;
  TdxDBGrid* dgUptoStarnd = nullptr;
  TdxDBGrid* dgExamStarnd = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormActivate(TObject* Sender);
  void LoadAfterLogon();

  // Pages and the search strip (KvMain.cpp).
  void sbInfoListItemClick(TObject* Sender, TdxSideBarItem* Item);
  void ShowPage(int Page, const String& Caption);
  void LoadPageOnce(int Page);
  void cbbClassChange(TObject* Sender);
  void cbbGradeChange(TObject* Sender);
  void rbSexClick(TObject* Sender);
  void ShowStarndOfPage(const String& Sex);
  void edtInputParamChange(TObject* Sender);

  // Grid drawing and the grids' popup menus (KvMainGrids.cpp).
  void clmRightsCustomDrawCell(TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode,
                               TdxTreeListColumn* AColumn, bool ASelected, bool AFocused, bool ANewItemRow,
                               String& AText, TColor& AColor, TFont* AFont, TAlignment& AAlignment, bool& ADone);
  void dgStudentsMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void dgTeachersMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void dgStarndCustomDrawCell(TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode,
                              TdxTreeListColumn* AColumn, bool ASelected, bool AFocused, bool ANewItemRow,
                              String& AText, TColor& AColor, TFont* AFont, TAlignment& AAlignment, bool& ADone);

  // Enabling rules, run when the application is idle (KvMainCommands.cpp).
  void actStudentRowsUpdate(TObject* Sender);
  void actStudentsUpdate(TObject* Sender);
  void actNewTeachersUpdate(TObject* Sender);
  void actTeacherRowsUpdate(TObject* Sender);
  void actExamStarndUpdate(TObject* Sender);
  void actUptoStarndUpdate(TObject* Sender);
  void actAdministratorUpdate(TObject* Sender);
  void actStudentsPageUpdate(TObject* Sender);
  void actTeachersPageUpdate(TObject* Sender);

  // Commands carried out in this window, and those that open the working windows
  // (KvMainCommands.cpp).
  void actDeleteStudentExecute(TObject* Sender);
  void actDelTeacherExecute(TObject* Sender);
  void actSetLogPasswordExecute(TObject* Sender);
  void actSetDatabaseExecute(TObject* Sender);
  void bbHelpClick(TObject* Sender);
  void bbSupportClick(TObject* Sender);
  void bbAboutClick(TObject* Sender);
  void actUptoInputExecute(TObject* Sender);
  void actExamInputExecute(TObject* Sender);
  void actDutyInputExecute(TObject* Sender);
  void actBasicInputExecute(TObject* Sender);
  void actTechInputExecute(TObject* Sender);
  void actLessonInputExecute(TObject* Sender);
  void actEdituptoAchieveExecute(TObject* Sender);
  void actEditExamAchieveExecute(TObject* Sender);

  // The commands that open the administration, search and standards windows, and the student
  // filter (KvMainAdmin.cpp).
  void actNewStudentExecute(TObject* Sender);
  void actEditStudentExecute(TObject* Sender);
  void actHistoryUptoSearchExecute(TObject* Sender);
  void actHistoryExamSearchExecute(TObject* Sender);
  void actDutySearchExecute(TObject* Sender);
  void actNewTeachersExecute(TObject* Sender);
  void actEditTeacherExecute(TObject* Sender);
  void actSetTeacherTaskExecute(TObject* Sender);
  void actSetTeacherRightsExecute(TObject* Sender);
  void actEditExamParamsExecute(TObject* Sender);
  void actSetExamProgExecute(TObject* Sender);
  void actEditUptoParamsExecute(TObject* Sender);
  void actSetUptoProgExecute(TObject* Sender);
  void actSetProgRelationExecute(TObject* Sender);
  void actSetSchoolInfoExecute(TObject* Sender);
  void actSetClassExecute(TObject* Sender);
  void actSetClassOrderExecute(TObject* Sender);
  void actMovStuToOtherClassExecute(TObject* Sender);
  void actMovStutoUpGradeExecute(TObject* Sender);
  void actSetTermtypeExecute(TObject* Sender);
  void actMultSearchExecute(TObject* Sender);

  // The report and print-configuration commands (KvMainReports.cpp).
  void actPrintBlanStudentExecute(TObject* Sender);
  void actPrintStudentUptoReportExecute(TObject* Sender);
  void actPrintStudentExamReportExecute(TObject* Sender);
  void actPrintClassUptoReportExecute(TObject* Sender);
  void actPrintGradeUptoReportExecute(TObject* Sender);
  void actPrintSchoolUptoReportExecute(TObject* Sender);
  void actPrintNoTestStudentExecute(TObject* Sender);
  void actPrintFreeStudentExecute(TObject* Sender);
  void actPrintStudentsExecute(TObject* Sender);
  void actPrintTeacherExecute(TObject* Sender);
  void actSetPrintOptionExecute(TObject* Sender);

  bool FFirstActivate = false;
  int FCurrentPage = -1;
};

extern TfmKvMain* fmKvMain;
// The program's folder, ending in "/"; set when the main window is made.
extern String AppPath;
