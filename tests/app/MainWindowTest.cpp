// The main window as a user meets it after the log-on: the side bar's four pages with their grids
// and search strip, the drawn texts of the grids, the commands' enabling rules, the menus, toolbar
// and popup menus by mouse and keyboard, the deletions of students and teachers, and the help,
// support and dialog commands.
#include <filesystem>
#include <fstream>

#include "AppTestKit.h"
#include "app/data/KvConst.h"
#include "app/windows/About.h"
#include "app/windows/ChgPwd.h"
#include "app/windows/EditTeacher.h"
#include "app/windows/RptPreview.h"
#include "app/windows/SetDatabase.h"
#include "app/windows/SetPrintOption.h"
#include "app/windows/UptoInput.h"
#include "bars/dxBarControl.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarSubMenu.h"
#include "bars/dxBarToolbar.h"
#include "controls/CheckBox.h"
#include "grid/dxGrClms.h"
#include "support/FormFixture.h"

namespace {

// Every table that holds rows of a student, with the student's number in Fd_StuNo.
const char* const StudentTables[] = {"Tb_UptoProcess", "Tb_UptoHistory", "Tb_ExamProcess", "Tb_ExamHistory",
                                     "Tb_FreeStudent", "Tb_DutyProcess", "Tb_UptoCard",    "Tb_ExamCard"};

class MainWindowTest : public TAppTest {
 protected:
  void SetUp() override {
    TAppTest::SetUp();
    AddSchool(Db);
    auto& db = *Db.Connection();
    db.Execute(
        "INSERT INTO Tb_Students (Fd_StuNo, Fd_Name, Fd_Sex, Fd_Class, Fd_InSchool, Fd_Birthday, Fd_FreeSign) VALUES"
        " (20240101, '张三', '男', '高一(1)班', '2024-9', '2008-05-01 00:00:00', 0),"
        " (20240102, '李四', '女', '高一(1)班', '2024-9', '2008-11-20 00:00:00', 1),"
        " (20240103, '王五', '男', '高一(1)班', '2024-9', NULL, 0),"
        " (20240201, '赵六', '男', '高一(2)班', '2024-9', NULL, 0);"
        "INSERT INTO Tb_Teachers (Fd_LogID, Fd_Password, Fd_Name, Fd_Rights, Fd_Sex) VALUES"
        " ('lz', 'pw', '刘老师', 0, '女');"
        "INSERT INTO Tb_TeacherTask (Fd_LogID, Fd_Classes) VALUES ('li', '高一(1)班');"
        // A time item of the first category with an unset level and a threshold over a minute.
        "UPDATE Tb_UptoStarnd SET Fd_Fen00 = -1, Fd_Fen05 = 62.5"
        " WHERE Fd_ProgID = 'U11' AND Fd_Grade = '高一' AND Fd_Sex = '男';");
    for (const char* table : StudentTables)
      db.Execute(String("INSERT INTO ") + table + " (Fd_StuNo) VALUES (20240101), (20240102)");
  }

  int Rows(const String& Sql) {
    TComponentPtr<TADOQuery> query(new TADOQuery(nullptr));
    query->SetConnection(Db.Connection());
    query->SQL()->SetText("select count(*) from " + Sql);
    query->Open();
    return query->Fields()[0]->AsInteger();
  }
  int RowsOfStudent(int StuNo) {
    int rows = 0;
    for (const char* table : StudentTables) rows += Rows(String(table) + " where Fd_StuNo=" + std::to_string(StuNo));
    return rows;
  }

  static TAction* Action(const String& Name) { return static_cast<TAction*>(fmKvMain->FindComponent(Name)); }
  static TdxBarItem* BarItem(const String& Name) { return static_cast<TdxBarItem*>(fmKvMain->FindComponent(Name)); }

  // The side bar's item at Index of the one group, clicked where it shows.
  void ClickPage(int Index) {
    TdxSideBar* bar = fmKvMain->sbInfoList;
    TdxSideBarItem* item = bar->Groups()->Items(0)->Items()->Items(Index);
    for (int y = 0; y < bar->ClientHeight(); y += 2) {
      if (bar->ItemAtPos({bar->ClientWidth() / 2, y}) != item) continue;
      Click(bar, {bar->ClientWidth() / 2, y});
      Pump();
      return;
    }
    FAIL() << "the side bar does not show item " << Index;
  }

  // The texts of a grid's column, row by row as shown (group rows included), read from its node
  // values' display texts.
  static std::vector<String> ColumnTexts(TdxDBGrid* Grid, int Column) {
    std::vector<String> texts;
    for (int i = 0; i < Grid->GetAbsoluteCount(); ++i) texts.push_back(Grid->GetAbsoluteNode(i)->Strings(Column));
    return texts;
  }

  static TdxBarSubMenuControl* OpenMenuOf(const TdxBarItem* Item) {
    return dynamic_cast<TdxBarSubMenuControl*>(static_cast<const TCustomdxBarSubItem*>(Item)->ItemLinks()->BarControl());
  }
  static TPoint CentreOf(const TdxBarItemControl* Control) {
    const TRect r = Control->Parent()->GetItemRect(Control);
    return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  static TdxBarItemControl* ControlOf(const TdxBarItemLinks* Links, const String& ItemName) {
    for (int i = 0; i < Links->Count(); ++i)
      if (Links->Items(i)->Item()->Name() == ItemName) return Links->Items(i)->Control();
    return nullptr;
  }

  // Chooses a command by keyboard: Alt, the accelerator of the menu Path[0], then in each menu
  // Down until the next name of Path is selected, Right to open a sub-menu, Enter on the last.
  // InDialog runs while the window the command opens waits for input.
  void ChooseByKeyboard(const std::vector<String>& Path, std::function<void()> InDialog = {}) {
    const String caption = BarItem(Path[0])->Caption();
    PressKey(VK_MENU);
    Pump();
    PressKey(caption[caption.find('&') + 1]);
    Pump();
    for (size_t i = 1; i < Path.size(); ++i) {
      TdxBarSubMenuControl* menu = OpenMenuOf(BarItem(Path[i - 1]));
      ASSERT_NE(menu, nullptr) << Path[i - 1];
      for (int step = 0; step < 20 && !(menu->SelectedControl() && menu->SelectedControl()->Item()->Name() == Path[i]);
           ++step) {
        PressKey(VK_DOWN);
        Pump();
      }
      ASSERT_EQ(menu->SelectedControl()->Item()->Name(), Path[i]);
      if (i + 1 == Path.size() && InDialog) TestClock().OnWait(std::move(InDialog));
      PressKey(i + 1 < Path.size() ? VK_RIGHT : VK_RETURN);
      Pump();
    }
  }

  // Every command of the main window says in Ran what ran instead of running; with AllEnabled
  // every action is enabled and stays so.
  static void RecordCommands(std::vector<String>& Ran, bool AllEnabled) {
    for (int i = 0; i < fmKvMain->ComponentCount(); ++i) {
      TComponent* c = fmKvMain->Components(i);
      const String name = c->Name();
      if (auto* action = dynamic_cast<TAction*>(c)) {
        if (AllEnabled) {
          action->OnUpdate = nullptr;
          action->SetEnabled(true);
        }
        action->OnExecute = [&Ran, name](TObject*) { Ran.push_back(name); };
      } else if (auto* button = dynamic_cast<TdxBarButton*>(c)) {
        // A button bound to an action runs it when it has no handler of its own.
        button->OnClick = nullptr;
        if (!button->Action()) button->OnClick = [&Ran, name](TObject*) { Ran.push_back(name); };
      }
    }
  }

  DataFixture Db{DataFixture::Default};
};

TEST_F(MainWindowTest, AfterTheLogOnTheSideBarShowsFourPagesEachLoadedOnce) {
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    TfmKvMain* w = fmKvMain;
    EXPECT_TRUE(w->pnInfo->Visible());
    EXPECT_EQ(w->CurrentPage(), TfmKvMain::pnStudents);
    EXPECT_EQ(w->cbbClass->Items()->Text(), "高一(1)班\r\n高一(2)班\r\n高二(1)班\r\n");
    EXPECT_EQ(w->cbbClass->ItemIndex(), 0);
    EXPECT_EQ(w->pnShowInfo->Caption(), "::信息浏览->当前位置->学生资料");
    EXPECT_EQ(ColumnTexts(w->dgStudents, 1), (std::vector<String>{"张三", "李四", "王五"}));
    dmGym->adqStudents->Next();

    ClickPage(1);
    EXPECT_EQ(w->CurrentPage(), TfmKvMain::pnTeachers);
    EXPECT_EQ(w->nbPages->PageIndex(), 1);
    EXPECT_EQ(w->nbSearch->PageIndex(), 1);
    EXPECT_EQ(w->pnShowInfo->Caption(), "::信息浏览->当前位置->教师资料");
    EXPECT_EQ(ColumnTexts(w->dgTeachers, 0), (std::vector<String>{"admin", "zhang", "li", "lz"}));

    ClickPage(2);
    EXPECT_EQ(w->cbbUptoGrade->Text(), "高一");
    EXPECT_TRUE(w->rbUptoBoy->Checked());
    EXPECT_EQ(dmGym->adqUptoStarnd->RecordCount(), 8);
    EXPECT_EQ(w->dgUptoStarnd->Count(), 5) << "one group row per category";
    EXPECT_EQ(w->dgUptoStarnd->GetAbsoluteCount(), 5 + 8) << "every group open";

    ClickPage(3);
    EXPECT_EQ(w->cbbExamGrade->Text(), "高一");
    EXPECT_EQ(ColumnTexts(w->dgExamStarnd, 0).size(), 6u);

    // Coming back finds the page as it was left: no page loads twice.
    ClickPage(0);
    EXPECT_EQ(dmGym->adqStudents->RecNo(), 2);
    EXPECT_EQ(w->pnShowInfo->Caption(), "::信息浏览->当前位置->学生资料");
    RenderWindowToPng(w->Handle(), "main-students.png");
  });
}

TEST_F(MainWindowTest, TheSearchStripReloadsItsPage) {
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    TfmKvMain* w = fmKvMain;
    int opens = 0;
    dmGym->adqStudents->AfterOpen = [&](TDataSet*) { ++opens; };
    w->cbbClass->SetFocus();
    PressKey(VK_DOWN);
    Pump();
    EXPECT_EQ(ColumnTexts(w->dgStudents, 1), (std::vector<String>{"赵六"}));
    EXPECT_EQ(opens, 1);
    PressKey(VK_DOWN, ssAlt);  // the list drops down on the class shown; Enter keeps it
    Pump();
    PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(opens, 1) << "the class already shown is not loaded again";

    ClickPage(2);
    Click(w->rbUptoGirl, {4, 8});
    Pump();
    EXPECT_EQ(dmGym->adqUptoStarnd->FieldValue("Fd_Sex").AsString(), "女");
    w->cbbUptoGrade->SetFocus();
    PressKey(VK_DOWN);
    Pump();
    EXPECT_EQ(dmGym->adqUptoStarnd->FieldValue("Fd_Grade").AsString(), "高二");
    EXPECT_EQ(dmGym->adqUptoStarnd->FieldValue("Fd_Sex").AsString(), "女") << "the sex chosen stays";
    EXPECT_FALSE(dmGym->adqExamStarnd->Active()) << "the other standards page waits for its turn";

    // The teacher search finds the first row that begins with everything typed so far.
    ClickPage(1);
    Click(w->edtInputParam, {5, 5});
    TypeText("l");
    Pump();
    EXPECT_EQ(dmGym->adqTeachers->FieldValue("Fd_LogID").AsString(), "li");
    TypeText("z");
    Pump();
    EXPECT_EQ(dmGym->adqTeachers->FieldValue("Fd_LogID").AsString(), "lz");
    TypeText("x");
    Pump();
    EXPECT_EQ(dmGym->adqTeachers->FieldValue("Fd_LogID").AsString(), "lz") << "no match keeps the row";
    Click(w->rbLogName, {4, 8});
    Pump();
    EXPECT_TRUE(w->rbLogName->Checked());
    w->edtInputParam->SetText("张");
    Pump();
    EXPECT_EQ(dmGym->adqTeachers->FieldValue("Fd_LogID").AsString(), "zhang");
  });
}

TEST_F(MainWindowTest, GridsDrawCheckBoxesRightsNamesCategoryNumeralsAndThresholdsInTheirUnits) {
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    TfmKvMain* w = fmKvMain;
    // The free sign is a check box, not a word.
    EXPECT_NE(dynamic_cast<TdxDBGridCheckColumn*>(w->dgStudents->DBColumn(5)), nullptr);
    const TRecordedPaint students = RecordPaint(w->dgStudents);
    EXPECT_TRUE(students.FindText("李四"));
    EXPECT_FALSE(students.FindText("True") || students.FindText("False"));

    ClickPage(1);
    const TRecordedPaint teachers = RecordPaint(w->dgTeachers);
    EXPECT_TRUE(teachers.FindText("教研室主任"));
    EXPECT_TRUE(teachers.FindText("体育老师"));

    ClickPage(2);
    const TRecordedPaint upto = RecordPaint(w->dgUptoStarnd);
    for (const char* numeral : {"一", "二", "三", "四", "五"}) {
      const TMetafileTextRun* group = upto.FindText(numeral);
      ASSERT_TRUE(group) << numeral;
      EXPECT_LT(group->Bounds.Left, 100) << "a group row reads from its left";
    }
    EXPECT_TRUE(upto.FindText("1'2\"50")) << "62.5 seconds";
    EXPECT_FALSE(upto.FindText("-1")) << "an unset level is empty";
    EXPECT_FALSE(upto.FindText("62.5"));
    RenderWindowToPng(w->Handle(), "main-upto.png");

    ClickPage(3);
    const TRecordedPaint exam = RecordPaint(w->dgExamStarnd);
    EXPECT_TRUE(exam.FindText("100米跑"));
    for (const auto& run : exam.Texts) EXPECT_EQ(run.Text.find("00000"), String::npos) << run.Text;
  });
}

// Every grid is turquoise with the selected row light blue, whether the grid has the focus or not.
TEST_F(MainWindowTest, GridsDrawTheirBackgroundAndSelectedRowInTheirColours) {
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    TfmKvMain* w = fmKvMain;
    for (TdxDBGrid* grid : {w->dgStudents, w->dgTeachers, w->dgUptoStarnd, w->dgExamStarnd}) {
      SCOPED_TRACE(grid->Name());
      EXPECT_EQ(grid->Color(), RGB(66, 207, 219));
      EXPECT_EQ(grid->HighlightColor(), RGB(102, 171, 213));
      EXPECT_EQ(grid->HideSelectionColor(), RGB(102, 171, 213));
    }
    ClickPage(1);
    ASSERT_TRUE(dmGym->adqTeachers->Locate("Fd_LogID", "lz"));
    Pump();
    TdxDBGrid* grid = w->dgTeachers;
    const TRect selected = grid->GetNodeCellRect(grid->FocusedNode(), 6);  // the address, empty
    EXPECT_EQ(WindowPixel(grid->Handle(), selected.Right - 4, selected.Top + 3), RGB(102, 171, 213));
    const TRect other = grid->GetNodeCellRect(grid->GetAbsoluteNode(0), 6);
    EXPECT_EQ(WindowPixel(grid->Handle(), other.Right - 4, other.Top + 3), RGB(66, 207, 219));
  });
}

// What a user may do on one page.
struct TPageRule {
  int Page;
  std::vector<const char*> Enabled;
  std::vector<const char*> Disabled;
};

std::vector<const char*> Join(std::initializer_list<std::vector<const char*>> Lists) {
  std::vector<const char*> all;
  for (const auto& list : Lists) all.insert(all.end(), list.begin(), list.end());
  return all;
}

const std::vector<const char*> AlwaysThere = {"actPrintFreeStudent", "actPrintClassUptoReport",
                                              "actPrintGradeUptoReport", "actPrintSchoolUptoReport",
                                              "actSetLogPassword", "actSetClassOrder", "actSetProgRelation"};
const std::vector<const char*> ForAdministrators = {"actSetSchoolInfo", "actSetClass", "actMovStuToOtherClass",
                                                    "actMovStutoUpGrade", "actSetTermtype", "actSetPrintOption",
                                                    "actSetDatabase"};
const std::vector<const char*> TeacherCommands = {"actNewTeachers", "actEditTeacher", "actDelTeacher",
                                                  "actSetTeacherTask", "actSetTeacherRights"};
const std::vector<const char*> StudentCommands = {
    "actNewStudent", "actEditStudent", "actDeleteStudent", "actUptoInput", "actExamInput", "actDutyInput",
    "actBasicInput", "actTechInput", "actLessonInput", "actEdituptoAchieve", "actEditExamAchieve",
    "actHistoryUptoSearch", "actHistoryExamSearch", "actDutySearch", "actMultSearch", "actPrintBlanStudent",
    "actPrintStudents", "actPrintNoTestStudent", "actPrintStudentUptoReport", "actPrintStudentExamReport"};

class EnablingTest : public MainWindowTest {
 protected:
  void CheckPages(const char* LogID, const char* Password, const std::vector<TPageRule>& Rules) {
    RunLoggedOn(Db.Path(), LogID, Password, [&] {
      for (const TPageRule& rule : Rules) {
        SCOPED_TRACE(testing::Message() << "page " << rule.Page);
        ClickPage(rule.Page);
        for (const char* name : rule.Enabled) EXPECT_TRUE(Action(name)->Enabled()) << name;
        for (const char* name : rule.Disabled) EXPECT_FALSE(Action(name)->Enabled()) << name;
      }
    });
  }
};

TEST_F(EnablingTest, TheAdministratorsCommandsFollowThePageAndItsData) {
  CheckPages("admin", "quorin",
             {{0, Join({AlwaysThere, ForAdministrators, StudentCommands}),
               Join({TeacherCommands, {"actPrintTeacher", "actEditUptoParams", "actEditExamParams"}})},
              {1, Join({AlwaysThere, ForAdministrators, TeacherCommands, {"actPrintTeacher"}}),
               Join({StudentCommands, {"actEditUptoParams", "actSetExamProg"}})},
              {2, {"actEditUptoParams", "actSetUptoProg"}, {"actEditExamParams", "actSetExamProg", "actNewTeachers"}},
              {3, {"actEditExamParams", "actSetExamProg"}, {"actEditUptoParams", "actSetUptoProg", "actNewStudent"}}});
}

TEST_F(EnablingTest, ATeacherNeverGetsTheTeacherOrAdministratorCommands) {
  Db.Connection()->Execute("DELETE FROM Tb_TeacherTask WHERE Fd_LogID = 'zhang' AND Fd_Classes = '高二(1)班'");
  CheckPages("zhang", "Abc1",
             {{0, Join({AlwaysThere, StudentCommands}), Join({ForAdministrators, TeacherCommands})},
              {1, Join({AlwaysThere, {"actPrintTeacher"}}), Join({ForAdministrators, TeacherCommands, StudentCommands})},
              {2, Join({AlwaysThere, {"actEditUptoParams"}}), Join({ForAdministrators, TeacherCommands})}});
}

TEST_F(MainWindowTest, ATeacherWithoutClassesGetsAnEmptyStudentsPage) {
  Db.Connection()->Execute("DELETE FROM Tb_TeacherTask WHERE Fd_LogID = 'li'");
  RunLoggedOn(Db.Path(), "li", "pw", [&] {
    EXPECT_TRUE(fmKvMain->pnInfo->Visible());
    EXPECT_EQ(fmKvMain->cbbClass->Items()->Count(), 0);
    EXPECT_FALSE(dmGym->adqStudents->Active());
    for (const String& text : ColumnTexts(fmKvMain->dgStudents, 1)) EXPECT_EQ(text, "");
    EXPECT_FALSE(Action("actNewStudent")->Enabled());
    EXPECT_FALSE(Action("actEditStudent")->Enabled());
    EXPECT_TRUE(Action("actSetLogPassword")->Enabled());
  });
}

TEST_F(MainWindowTest, ACancelledLogOnLeavesOnlyTheCommandsThatAreAlwaysThere) {
  SetDatabaseFile(Db.Path());
  StartApplication();
  TestClock().OnWait([this] { PressKey(VK_ESCAPE); });
  TestClock().OnWait([this] {
    Pump();
    EXPECT_FALSE(fmKvMain->pnInfo->Visible());
    EXPECT_EQ(fmKvMain->CurrentPage(), -1);
    EXPECT_TRUE(Action("actPrintClassUptoReport")->Enabled());
    for (const char* name : {"actNewStudent", "actSetDatabase", "actNewTeachers", "actPrintStudents"})
      EXPECT_FALSE(Action(name)->Enabled()) << name;
    fmKvMain->Close();
  });
  Application->Run();
}

// The links of a menu, a bar or a popup as text: captions in order, "|" where a group begins,
// sub-menus in brackets.
String LinksText(const TdxBarItemLinks* Links) {
  String text;
  for (int i = 0; i < Links->Count(); ++i) {
    const TdxBarItemLink* link = Links->Items(i);
    if (i > 0) text += link->BeginGroup() ? " | " : ", ";
    text += link->Item()->Caption();
    if (auto* sub = dynamic_cast<const TdxBarSubItem*>(link->Item())) text += " (" + LinksText(sub->ItemLinks()) + ")";
  }
  return text;
}

TEST_F(MainWindowTest, MenusToolbarAndPopupsHoldTheCommandsInTheirGroups) {
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    TdxBarManager* bars = fmKvMain->bmMenus;
    TdxBar* menus = bars->FindBarByCaption("Menus");
    TdxBar* toolbar = bars->FindBarByCaption("Toolbars");
    ASSERT_TRUE(menus && toolbar);
    EXPECT_TRUE(menus->IsMainMenu());
    EXPECT_TRUE(menus->WholeRow() && toolbar->WholeRow());
    EXPECT_FALSE(menus->AllowCustomizing() || toolbar->AllowCustomizing());
    EXPECT_EQ(LinksText(menus->ItemLinks()),
              "学生管理(&S) (添加学生资料, 学生资料维护, 学生资料删除, 达标成绩录入, 考核成绩录入 (课堂表现和出勤成绩, "
              "基础知识成绩录入, 运动素质和体能, 运动技能得分), 出勤情况录入 | 考试成绩维护 (达标成绩维护, "
              "考核成绩维护) | 历史成绩查询 (达标历史成绩查询, 历史考核成绩查询), 复合查询, 出勤情况查询), "
              "教师管理(&T) (添加教师资料, 教师资料修改, 删除教师资料 | 教师任课设置, 教师职务分配), "
              "标准维护(&R) (考核标准维护 (考核项目标准参数维护, 考核项目类型维护), 达标标准维护 "
              "(达标项目标准参数维护, 达标项目类型维护), 项目关系设置), "
              "报表打印(&P) (打印学生空白报表 | 学生达标体育成绩打印, 学生考核成绩单打印, 班级达标成绩统计报表, "
              "年级达标成绩统计报表, 达标成绩上报统计报表, 未测学生名单报表打印, 免体学生报表打印 | 学生资料打印, "
              "教师资料报表打印), "
              "系统设置(&O) (密码设置 | 学校信息设置, 学校班级设置, 班级排列顺序设置, 学生分班处理, 学生升级办理, "
              "学期信息设置, 达标项目打印选项设置 | 数据库设置 (数据库路径配置, 数据导入, 数据导出)), "
              "帮助(&H) (使用帮助 | 技术支持, 最新消息, 联系我们 | 系统信息)");
    EXPECT_EQ(LinksText(toolbar->ItemLinks()),
              "添加学生资料, 学生资料维护, 达标成绩录入 | 添加教师资料, 教师资料修改, 教师职务分配 | "
              "考核项目标准参数维护, 达标项目标准参数维护 | 打印学生空白报表, 学生达标体育成绩打印, "
              "班级达标成绩统计报表, 达标成绩上报统计报表, 免体学生报表打印 | 学校班级设置, 达标项目打印选项设置, "
              "数据库路径配置 | 使用帮助");
    EXPECT_EQ(LinksText(fmKvMain->popStudent->ItemLinks()),
              "添加学生资料, 学生资料维护, 学生资料删除, 达标成绩录入, 出勤情况录入 | 学生达标体育成绩打印, "
              "打印学生空白报表, 学生资料打印");
    EXPECT_EQ(LinksText(fmKvMain->popTeacher->ItemLinks()),
              "添加教师资料, 教师资料修改, 删除教师资料 | 教师任课设置, 教师职务分配 | 教师资料报表打印");
    // Every toolbar button has a picture and says what it does.
    for (int i = 0; i < toolbar->ItemLinks()->Count(); ++i) {
      const TdxBarItem* item = toolbar->ItemLinks()->Items(i)->Item();
      EXPECT_GE(item->ImageIndex(), 0) << item->Caption();
      EXPECT_EQ(item->Hint(), item->Caption());
    }
  });
}

// Collects the path of every command of a menu, depth first.
void CommandPaths(const TdxBarItemLinks* Links, std::vector<String> Path, std::vector<std::vector<String>>& Paths) {
  for (int i = 0; i < Links->Count(); ++i) {
    const TdxBarItem* item = Links->Items(i)->Item();
    std::vector<String> path = Path;
    path.push_back(item->Name());
    if (auto* sub = dynamic_cast<const TdxBarSubItem*>(item)) CommandPaths(sub->ItemLinks(), path, Paths);
    else Paths.push_back(path);
  }
}

TEST_F(MainWindowTest, EveryMenuCommandIsReachedByTheKeyboard) {
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    std::vector<String> ran;
    RecordCommands(ran, true);
    std::vector<std::vector<String>> paths;
    TdxBar* menus = fmKvMain->bmMenus->FindBarByCaption("Menus");
    CommandPaths(menus->ItemLinks(), {}, paths);
    ASSERT_EQ(paths.size(), 51u);
    for (const auto& path : paths) {
      SCOPED_TRACE(path.back());
      const size_t before = ran.size();
      ChooseByKeyboard(path);
      ASSERT_EQ(ran.size(), before + 1);
      const TdxBarButton* button = static_cast<TdxBarButton*>(BarItem(path.back()));
      EXPECT_EQ(ran.back(), button->Action() ? button->Action()->Name() : path.back());
    }
  });
}

TEST_F(MainWindowTest, MenusAndTheToolbarAnswerTheMouse) {
  TScriptedDialogsScope dialogs;
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    TdxBar* menus = fmKvMain->bmMenus->FindBarByCaption("Menus");
    TdxBar* toolbar = fmKvMain->bmMenus->FindBarByCaption("Toolbars");
    std::vector<String> ran;
    RecordCommands(ran, false);

    // 学生管理, then the sub-menu 考核成绩录入, then 运动技能得分.
    Click(menus->Control(), CentreOf(ControlOf(menus->ItemLinks(), "bsStudents")));
    Pump();
    TdxBarSubMenuControl* students = OpenMenuOf(BarItem("bsStudents"));
    ASSERT_NE(students, nullptr);
    Click(students, CentreOf(ControlOf(students->ItemLinks(), "bsExamInput")));
    Pump();
    TdxBarSubMenuControl* exam = OpenMenuOf(BarItem("bsExamInput"));
    ASSERT_NE(exam, nullptr);
    TdxBarItemControl* tech = ControlOf(exam->ItemLinks(), "bbTechInput");
    MouseMove(exam, CentreOf(tech));
    Click(exam, CentreOf(tech));
    Pump();
    EXPECT_EQ(ran, std::vector<String>{"actTechInput"});
    EXPECT_EQ(OpenMenuOf(BarItem("bsStudents")), nullptr);

    // A disabled toolbar button does nothing; on the teachers page it runs its command.
    TdxBarItemControl* newTeacher = ControlOf(toolbar->ItemLinks(), "bbNewTeachers");
    Click(toolbar->Control(), CentreOf(newTeacher));
    Pump();
    EXPECT_EQ(ran.size(), 1u);
    ClickPage(1);
    Click(toolbar->Control(), CentreOf(newTeacher));
    Pump();
    EXPECT_EQ(ran.back(), "actNewTeachers");
    RenderWindowToPng(fmKvMain->Handle(), "main-teachers.png");
  });
}

TEST_F(MainWindowTest, DeletingAStudentAsksFirstAndRemovesEveryRowOfTheStudentAtOnce) {
  TScriptedDialogsScope dialogs;
  // The attendance rows are deleted last but one table before the row itself: a refusal there
  // must leave everything deleted before it in place.
  Db.Connection()->Execute(
      "CREATE TRIGGER Tr_KeepDuty BEFORE DELETE ON Tb_DutyProcess WHEN old.Fd_StuNo = 20240102"
      " BEGIN SELECT RAISE(ABORT, 'kept'); END;");
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    const auto chooseDelete = [&] { ChooseByKeyboard({"bsStudents", "bbDeleteStudent"}); };
    dmGym->adqStudents->Next();  // 李四

    dialogs->MessageAnswers.push_back(mrNo);
    chooseDelete();
    ASSERT_EQ(dialogs->Messages.size(), 1u);
    EXPECT_EQ(dialogs->Messages[0].Msg, "确定要删除该学生记录吗？");
    EXPECT_EQ(dialogs->Messages[0].Caption, "信息提示");
    EXPECT_EQ(Rows("Tb_Students"), 4);

    dialogs->MessageAnswers.push_back(mrYes);
    chooseDelete();
    ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
    EXPECT_EQ(FirstLine(MessageBoxes().Shown[0].Text), "删除学生记录出错。");
    EXPECT_NE(MessageBoxes().Shown[0].Text.find("kept"), String::npos) << "the database's reason follows";
    EXPECT_EQ(Rows("Tb_Students"), 4);
    EXPECT_EQ(RowsOfStudent(20240102), 8) << "nothing of the failed deletion stays done";
    EXPECT_EQ(ColumnTexts(fmKvMain->dgStudents, 1), (std::vector<String>{"张三", "李四", "王五"}));

    Db.Connection()->Execute("DROP TRIGGER Tr_KeepDuty");
    dialogs->MessageAnswers.push_back(mrYes);
    chooseDelete();
    EXPECT_EQ(Rows("Tb_Students where Fd_StuNo = 20240102"), 0);
    EXPECT_EQ(RowsOfStudent(20240102), 0);
    EXPECT_EQ(RowsOfStudent(20240101), 8);
    EXPECT_EQ(ColumnTexts(fmKvMain->dgStudents, 1), (std::vector<String>{"张三", "王五"}));

    // An empty class has nothing to delete: the command says so.
    fmKvMain->ShowStudents("高二(1)班");
    Pump();
    Action("actDeleteStudent")->OnUpdate = nullptr;
    Action("actDeleteStudent")->SetEnabled(true);
    chooseDelete();
    EXPECT_EQ(dialogs->Messages.back().Msg, "没有可删除的学生记录。");
  });
}

// Another program reading the file refuses the deletion's commit. The student stays in the file
// and, exactly as before, in the list, as the current student and in the entry window that follows
// it; once the reader is gone the same command deletes that student, not the next one.
TEST_F(MainWindowTest, ADeletionWhoseCommitIsRefusedChangesNoViewAndTheRetryDeletesTheSameStudent) {
  TScriptedDialogsScope dialogs;
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    ChooseByKeyboard({"bsStudents", "bbUptoInput"});
    ASSERT_NE(fmUptoInput, nullptr);
    fmKvMain->SetFocus();
    Pump();
    dmGym->adqStudents->Next();  // 李四
    dmGym->adcConnect->SetCommandTimeout(1);
    TADOConnection* reader = Db.Connection();
    reader->BeginTrans();
    reader->Execute("select count(*) from Tb_Students");  // its read lock lasts until its transaction ends
    const auto deleteStudent = [&] {
      dialogs->MessageAnswers.push_back(mrYes);
      ChooseByKeyboard({"bsStudents", "bbDeleteStudent"});
    };

    deleteStudent();
    ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
    const String message = MessageBoxes().Shown[0].Text;
    EXPECT_EQ(FirstLine(message), "删除学生记录出错。");
    EXPECT_NE(message.find("数据库正忙"), String::npos) << message;
    EXPECT_EQ(ColumnTexts(fmKvMain->dgStudents, 1), (std::vector<String>{"张三", "李四", "王五"}));
    EXPECT_EQ(dmGym->adqStudents->FieldByName("Fd_StuNo")->AsInteger(), 20240102);
    EXPECT_EQ(fmUptoInput->edtStuNo->Text(), "20240102");
    reader->RollbackTrans();
    EXPECT_EQ(Rows("Tb_Students"), 4);
    EXPECT_EQ(RowsOfStudent(20240102), 8);

    deleteStudent();
    EXPECT_EQ(MessageBoxes().Shown.size(), 1u);
    EXPECT_EQ(Rows("Tb_Students where Fd_StuNo = 20240102"), 0);
    EXPECT_EQ(RowsOfStudent(20240102), 0);
    EXPECT_EQ(Rows("Tb_Students"), 3);
    EXPECT_EQ(ColumnTexts(fmKvMain->dgStudents, 1), (std::vector<String>{"张三", "王五"}));
    EXPECT_EQ(dmGym->adqStudents->FieldByName("Fd_StuNo")->AsInteger(), 20240103) << "the next takes its place";
    EXPECT_EQ(fmUptoInput->edtStuNo->Text(), "20240103");

    // The last student's place goes to the one before; the only one's to none.
    deleteStudent();
    EXPECT_EQ(ColumnTexts(fmKvMain->dgStudents, 1), std::vector<String>{"张三"});
    EXPECT_EQ(fmUptoInput->edtStuNo->Text(), "20240101");
    deleteStudent();
    EXPECT_TRUE(dmGym->adqStudents->IsEmpty());
    EXPECT_EQ(Rows("Tb_Students"), 1);
    EXPECT_EQ(MessageBoxes().Shown.size(), 1u);
    fmUptoInput->Close();
  });
}

TEST_F(MainWindowTest, DeletingATeacherAsksWithTheNameAndTakesTheirClassesAlong) {
  TScriptedDialogsScope dialogs;
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    ClickPage(1);
    dmGym->adqTeachers->Locate("Fd_LogID", "zhang");
    dialogs->MessageAnswers.push_back(mrCancel);
    ChooseByKeyboard({"bsTeachers", "bbDelTeacher"});
    ASSERT_EQ(dialogs->Messages.size(), 1u);
    EXPECT_EQ(dialogs->Messages[0].Msg, "确信要删除 [张老师] 该笔资料吗？");
    EXPECT_EQ(Rows("Tb_Teachers where Fd_LogID = 'zhang'"), 1);

    ChooseByKeyboard({"bsTeachers", "bbDelTeacher"});
    EXPECT_EQ(Rows("Tb_Teachers where Fd_LogID = 'zhang'"), 0);
    EXPECT_EQ(Rows("Tb_TeacherTask where Fd_LogID = 'zhang'"), 0);
    EXPECT_EQ(Rows("Tb_TeacherTask where Fd_LogID = 'li'"), 1);
    EXPECT_EQ(ColumnTexts(fmKvMain->dgTeachers, 0), (std::vector<String>{"admin", "li", "lz"}));
  });
}

TEST_F(MainWindowTest, ATeacherDeletionWhoseCommitIsRefusedChangesNoViewAndTheRetryDeletesTheSameTeacher) {
  TScriptedDialogsScope dialogs;
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    ClickPage(1);
    dmGym->adqTeachers->Locate("Fd_LogID", "zhang");
    const std::vector<String> listed = ColumnTexts(fmKvMain->dgTeachers, 0);
    dmGym->adcConnect->SetCommandTimeout(1);
    Db.Connection()->BeginTrans();
    Db.Connection()->Execute("select count(*) from Tb_Teachers");
    const auto deleteTeacher = [&] {
      dialogs->MessageAnswers.push_back(mrOk);
      ChooseByKeyboard({"bsTeachers", "bbDelTeacher"});
    };

    deleteTeacher();
    ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
    EXPECT_NE(MessageBoxes().Shown[0].Text.find("数据库正忙"), String::npos) << MessageBoxes().Shown[0].Text;
    EXPECT_EQ(ColumnTexts(fmKvMain->dgTeachers, 0), listed);
    EXPECT_EQ(dmGym->adqTeachers->FieldByName("Fd_LogID")->AsString(), "zhang");
    Db.Connection()->RollbackTrans();
    EXPECT_EQ(Rows("Tb_TeacherTask where Fd_LogID = 'zhang'"), 2);

    deleteTeacher();
    EXPECT_EQ(Rows("Tb_Teachers where Fd_LogID = 'zhang'"), 0);
    EXPECT_EQ(Rows("Tb_Teachers"), 3);
    EXPECT_EQ(ColumnTexts(fmKvMain->dgTeachers, 0), (std::vector<String>{"admin", "li", "lz"}));
  });
}

// An address typed in the teacher dialog shows in the grid once it is in the row; cancelled, the
// grid shows the row as the file holds it again, in its nodes and on screen.
TEST_F(MainWindowTest, ACancelledTeacherEditLeavesTheGridShowingTheStoredRow) {
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    ClickPage(1);
    TdxDBGrid* grid = fmKvMain->dgTeachers;
    const int row = 3, address = 6;
    ASSERT_EQ(ColumnTexts(grid, 0)[row], "lz");
    const TRect name = grid->GetNodeCellRect(grid->GetAbsoluteNode(row), 1);
    Click(grid, {name.Left + 5, name.Top + 5});
    Pump();
    ASSERT_EQ(dmGym->adqTeachers->FieldByName("Fd_LogID")->AsString(), "lz");
    // The dark pixels of the row's address cell: its text.
    auto ink = [&] {
      int dark = 0;
      for (TColor c : ComposedPixels(grid->Handle(), grid->GetNodeCellRect(grid->GetAbsoluteNode(row), address)))
        dark += GetRValue(c) < 80 && GetGValue(c) < 80;
      return dark;
    };
    TestClock().OnWait([&] {
      ASSERT_NE(fmEditTeacher, nullptr);
      Click(dynamic_cast<TControl*>(fmEditTeacher->FindComponent("mmAddress")), {5, 5});
      TypeText("杭州市文三路");
      Click(dynamic_cast<TControl*>(fmEditTeacher->FindComponent("edtPhone")), {5, 5});
      Pump();
      EXPECT_EQ(fmEditTeacher->btnCancel->Caption(), "取消");
      EXPECT_EQ(ColumnTexts(grid, address)[row], "杭州市文三路");
      EXPECT_GT(ink(), 0);
      Click(fmEditTeacher->btnCancel, {5, 5});
      Pump();
    });
    Action("actEditTeacher")->Execute();
    Pump();
    EXPECT_EQ(fmEditTeacher, nullptr);
    EXPECT_EQ(dmGym->adqTeachers->State(), dsBrowse);
    EXPECT_EQ(dmGym->adqTeachers->FieldByName("Fd_Address")->AsString(), "");
    EXPECT_EQ(ColumnTexts(grid, address)[row], "");
    EXPECT_EQ(ink(), 0);
    EXPECT_EQ(ColumnTexts(grid, 1)[row], "刘老师");
  });
}

TEST_F(MainWindowTest, HelpSupportAndTheSmallDialogsOpenFromTheirCommands) {
  TScriptedDialogsScope dialogs;
  const std::string helpFile = ApplicationFolder() + std::filesystem::path(ApplicationExeName()).stem().string() + ".chm";
  std::filesystem::remove(helpFile);
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    ChooseByKeyboard({"bsHelp", "bbHelp"});
    for (const auto& call : SystemCalls().Calls) EXPECT_NE(call.Kind, "open") << "no help file, nothing opens";
    std::ofstream(helpFile) << "help";
    ChooseByKeyboard({"bsHelp", "bbHelp"});
    for (const char* support : {"bbSupport", "bbNews", "bbContact"}) ChooseByKeyboard({"bsHelp", support});
    std::vector<String> opened;
    for (const auto& call : SystemCalls().Calls)
      if (call.Kind == "open") opened.push_back(call.Text);
    EXPECT_EQ(opened, (std::vector<String>{helpFile, SupportLinks[0], SupportLinks[1], SupportLinks[2]}));
    std::filesystem::remove(helpFile);

    const std::pair<std::vector<String>, int> commands[] = {{{"bsSystem", "bbSetLogPassword"}, VK_ESCAPE},
                                                            {{"bsSystem", "bsDatabase", "bbSetDatabase"}, VK_ESCAPE},
                                                            {{"bsHelp", "bbAbout"}, VK_RETURN}};
    for (const auto& [path, key] : commands) {
      ChooseByKeyboard(path, [this, key = key] {
        EXPECT_NE(Screen->ActiveForm(), fmKvMain);
        PressKey(key);
      });
    }
    EXPECT_NE(fmSetDatabase, nullptr);  // kept for the next use
    Pump();
    EXPECT_EQ(fmChgPwd, nullptr);  // these free themselves
    EXPECT_EQ(AboutBox, nullptr);
  });
}

TEST_F(MainWindowTest, TheRightButtonOverAGridOpensItsPopupMenuAtThePointer) {
  TScriptedDialogsScope dialogs;
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    TdxDBGrid* grid = fmKvMain->dgStudents;
    const TPoint point{grid->ClientWidth() / 2, grid->ClientHeight() / 2};
    TdxBarSubMenuControl* shown = nullptr;
    TPoint shownAt;
    TestClock().OnWait([&] {
      shown = dynamic_cast<TdxBarSubMenuControl*>(fmKvMain->popStudent->ItemLinks()->BarControl());
      if (!shown) return;
      shownAt = {shown->Left(), shown->Top()};
      for (int step = 0; step < 10 && !(shown->SelectedControl() &&
                                        shown->SelectedControl()->Item()->Name() == "bbDeleteStudent");
           ++step) {
        PressKey(VK_DOWN);
        Pump();
      }
      PressKey(VK_RETURN);
    });
    dialogs->MessageAnswers.push_back(mrNo);
    Click(grid, point, VK_RBUTTON);
    Pump();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shownAt, grid->ClientToScreen(point));
    EXPECT_FALSE(fmKvMain->popStudent->PoppedUp());
    ASSERT_EQ(dialogs->Messages.size(), 1u);
    EXPECT_EQ(dialogs->Messages[0].Msg, "确定要删除该学生记录吗？");

    // A left click opens nothing; the teachers' grid has its own menu.
    Click(grid, point);
    Pump();
    ClickPage(1);
    bool teacherMenu = false;
    TestClock().OnWait([&] {
      teacherMenu = fmKvMain->popTeacher->PoppedUp();
      RenderWindowToPng(fmKvMain->Handle(), "main-popup.png");
      PressKey(VK_ESCAPE);
    });
    Click(fmKvMain->dgTeachers, {100, 60}, VK_RBUTTON);
    Pump();
    EXPECT_TRUE(teacherMenu);
    EXPECT_EQ(dialogs->Messages.size(), 1u);
  });
}

// The commands reach the windows and reports of the other modules: the fitness results window,
// told the class chosen, beside the main window; a report in its preview; the print options.
TEST_F(MainWindowTest, CommandsOpenTheResultEntryWindowsTheReportsAndThePrintOptions) {
  Db.Connection()->Execute(
      "INSERT INTO Tb_Students (Fd_StuNo, Fd_Name, Fd_Sex, Fd_Class) VALUES (20230101, '孙七', '男', '高二(1)班')");
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    fmKvMain->cbbClass->SetFocus();
    PressKey(VK_NEXT);  // the last class, 高二(1)班
    Pump();
    ASSERT_EQ(fmKvMain->cbbClass->Text(), "高二(1)班");
    ChooseByKeyboard({"bsStudents", "bbUptoInput"});
    ASSERT_NE(fmUptoInput, nullptr);
    EXPECT_TRUE(fmUptoInput->Visible());
    EXPECT_EQ(fmUptoInput->Grade(), "高二");
    fmUptoInput->Close();
    Pump();

    AppPath = String(QUORIN_APP_DIR) + "/";  // where the build put the report templates
    bool previewed = false;
    ChooseByKeyboard({"bsReports", "bbPrintClassUptoReport"}, [&] {
      previewed = fmRptPreview && fmRptPreview->Visible();
      fmRptPreview->Close();
    });
    EXPECT_TRUE(previewed);

    bool options = false;
    ChooseByKeyboard({"bsSystem", "bbSetPrintOption"}, [&] {
      options = fmSetPrintOption && Screen->ActiveForm() == fmSetPrintOption;
      PressKey(VK_ESCAPE);
    });
    EXPECT_TRUE(options);
  });
}

// The administration, search and standards commands each open their window over the main window
// (both standards windows bear one caption).
TEST_F(MainWindowTest, TheAdministrationCommandsOpenTheirWindows) {
  TScriptedDialogsScope dialogs;
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    struct Command {
      int Page;
      std::vector<String> Path;
      String Caption;
    };
    const Command commands[] = {
        {0, {"bsStudents", "bbNewStudent"}, "添加学生资料"},
        {0, {"bsStudents", "bbEditStudent"}, "学生资料设置"},
        {0, {"bsStudents", "bsHistorySearch", "bbHistoryUptoSearch"}, "达标历史成绩查询"},
        {0, {"bsStudents", "bsHistorySearch", "bbHistoryExamSearch"}, "考核历史成绩查询"},
        {0, {"bsStudents", "bbMultSearch"}, "学生信息综合查询组合"},
        {0, {"bsStudents", "bbDutySearch"}, "学生出勤情况查询"},
        {3, {"bsStandards", "bsExamStarnd", "bbEditExamParams"}, "考核项目评分标准修改"},
        {3, {"bsStandards", "bsExamStarnd", "bbSetExamProg"}, "体育考核项目设置"},
        {2, {"bsStandards", "bsUptoStarnd", "bbEditUptoParams"}, "考核项目评分标准修改"},
        {2, {"bsStandards", "bsUptoStarnd", "bbSetUptoProg"}, "体育达标项目设置"},
        {0, {"bsStandards", "bbSetProgRelation"}, "项目关系"},
        {0, {"bsSystem", "bbSetSchoolInfo"}, "学校信息设置"},
        {0, {"bsSystem", "bbSetClass"}, "班级设置"},
        {0, {"bsSystem", "bbSetClassOrder"}, "班级排列顺序设置"},
        {0, {"bsSystem", "bbMovStuToOtherClass"}, "学生分班处理"},
        {0, {"bsSystem", "bbMovStutoUpGrade"}, "学生升级"},
        {0, {"bsSystem", "bbSetTermtype"}, "统计类型设置"},
        {1, {"bsTeachers", "bbNewTeachers"}, "添加教师资料"},
        {1, {"bsTeachers", "bbEditTeacher"}, "教师信息设置"},
        {1, {"bsTeachers", "bbSetTeacherTask"}, "教师任课分配"},
        {1, {"bsTeachers", "bbSetTeacherRights"}, "教师职务分配"},
    };
    for (const auto& [page, path, caption] : commands) {
      ClickPage(page);
      String shown;
      ChooseByKeyboard(path, [&] {
        TCustomForm* form = Screen->ActiveForm();
        shown = form && form != fmKvMain ? form->Caption() : String("(none)");
        if (form && form != fmKvMain) form->Close();
      });
      Pump();
      EXPECT_EQ(shown, caption) << path.back();
      EXPECT_EQ(Screen->ActiveForm(), fmKvMain) << path.back();
    }
    EXPECT_TRUE(dialogs->Messages.empty());
  });
}

}  // namespace
