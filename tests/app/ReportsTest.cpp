// The ten report commands over the school of reports.sql: each shows its template's pages in the
// preview window with the header memos filled, and page 1 of each is drawn to a PNG to be looked
// at; a missing template is reported after the statistics were rebuilt; a class of exempt students
// only still gets its statistics report; the item slots of the fitness cards and the performances
// of both card reports; what the templates hold and never print.
#include "app/windows/ProgressTask.h"
#include "fixtures/ReportsFixture.h"
#include "report/FR_BandView.h"
#include "report/FR_State.h"

namespace {

const String kClass = "高一(1)班";

struct TCommand {
  const char* Template;
  std::function<void()> Run;
  bool ClassInHeader;     // the template shows the class
  const char* Title;
  std::vector<const char*> Texts;  // some of what page 1 shows
};

std::vector<TCommand> Commands() {
  return {
      {"RptBlankStudent", [] { PrintListReport(lrBlankStudent, kClass); }, true, "学生体育成绩登记表", {"赵伟", "2025112"}},
      {"FreeStudentInfo", [] { PrintListReport(lrFreeStudent, kClass); }, false, "免体学生名单",
       {"左腿骨折", "哮喘", "高三(1)班", "合计：4 人"}},
      {"NoTestStudentInfo", [] { PrintListReport(lrNoTestStudent, kClass); }, true, "未测学生名单",
       {"冯军", "卫平", "是", "否", "合计：4 人"}},
      {"RptTeacherInfo", [] { PrintListReport(lrTeacher, kClass); }, false, "教师资料表",
       {"张老师", "体育老师", "教研室主任", "0571-8888001"}},
      {"RptStudentInfo", [] { PrintListReport(lrStudents, kClass); }, true, "学生资料表",
       {"赵伟", "2009-03-14", "2025-09", "合计：12 人"}},
      {"RptAchieveClass", [] { PrintStatisticsReport(TdmGym::slClasses, kClass); }, true, "班级体育达标成绩统计表",
       {"高一(1)班", "高二(1)班", "高三(1)班"}},
      {"RptAchieveUptoGrade", [] { PrintStatisticsReport(TdmGym::slGrades, kClass); }, false, "年级体育达标成绩统计表",
       {"高一", "高二", "高三"}},
      {"RptUpGrade", [] { PrintStatisticsReport(TdmGym::slSchool, kClass); }, false, "学校体育达标成绩上报表",
       {"18", "优秀", "不及格", "252"}},
      {"RptStudentUpto", [] { PrintStudentUptoReport(kClass); }, true, "学生体育达标成绩表",
       {"赵伟", "项目11", "3'39\"50", "合计：8 人"}},
      {"RptStudentExam", [] { PrintStudentExamReport(kClass); }, true, "学生考核成绩单", {"赵伟", "100米跑", "13\"40"}},
  };
}

TEST_F(TReportsTest, EveryCommandShowsItsPagesWithTheHeaderFilled) {
  ConfigureUptoItems({"U11", "U21", "U22", "U31", "U32", "U41", "U42", "U51"});
  for (const TCommand& command : Commands()) {
    SCOPED_TRACE(command.Template);
    std::unique_ptr<TBitmap> page1;
    const TShownReport shown = RunReport(command.Run, [&](TfmRptPreview& preview) {
      page1 = DrawPreparedPage(*preview.frpPreview->Window()->Pages(), 0, 2);
      // The command's progress window, which stays on top, is hidden under the preview.
      for (int i = 0; i < Screen->FormCount(); ++i) {
        const TCustomForm* form = Screen->Forms(i);
        EXPECT_FALSE(form->ClassName() == "TProgressTask" && form->Visible());
      }
    });
    ASSERT_TRUE(shown.Shown);
    EXPECT_GE(shown.Pages, 1);
    EXPECT_EQ(fmRptPreview, nullptr);  // closed and freed
    EXPECT_TRUE(shown.Has(command.Title)) << shown.AllTexts();
    EXPECT_TRUE(shown.Has("学校：第一中学"));
    EXPECT_TRUE(shown.Has("负责人：王主任"));
    EXPECT_TRUE(shown.Has("打印人：管理员"));
    EXPECT_EQ(shown.Has("班级：" + kClass), command.ClassInHeader);
    EXPECT_TRUE(shown.Has("第 1 页，共 " + std::to_string(shown.Pages) + " 页"));
    for (const char* text : command.Texts) EXPECT_TRUE(shown.Has(text)) << text << " in " << shown.AllTexts();
    SaveBitmapToPng(*page1, String("report-") + command.Template + ".png");
  }
  EXPECT_TRUE(Dialogs->Messages.empty());  // every template read and built without an error box
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

// Every cell of every template shows its text whole, on every page, with the default database's
// own item names (the longest have two parts and a sex each) and results at their widest: the
// slowest times, the largest distances and counts, and every examination item. Each page is also
// drawn to a PNG to be looked at.
TEST_F(TReportsTest, EveryTemplateShowsTheLongestNamesAndValuesWholeInItsCells) {
  String items;
  TComponentPtr<TADOQuery> query = MakeComponent<TADOQuery>();
  query->SetConnection(Module->adcConnect);
  query->SQL()->SetText("select Fd_ProgType, Fd_ProgName, Fd_ProgNo, Fd_FenField from Tb_UptoProg");
  query->Open();
  for (; !query->Eof(); query->Next()) {
    items += items.empty() ? "" : "|";
    for (int i = 0; i < 4; ++i) items += (i > 0 ? ";" : "") + query->Fields()[i]->AsString();
  }
  WritePrintConfig(UptoConfigNames, {items, String(), String()});
  Module->adcConnect->Execute(
      "UPDATE Tb_UptoProcess SET Fd_FenVal = 100, Fd_Achieve = CASE Fd_ProgNo WHEN 'U11' THEN 358.88"
      " WHEN 'U21' THEN 11.48 WHEN 'U22' THEN 195 WHEN 'U31' THEN 2.66 WHEN 'U32' THEN 11.1 WHEN 'U41' THEN 55"
      " WHEN 'U42' THEN 42 ELSE 0.26 END WHERE Fd_StuNo = 2025101;"
      "INSERT INTO Tb_ExamProcess (Fd_StuNo, Fd_TestDate, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal, Fd_TestPart,"
      " Fd_TermType) SELECT 2025101, '2025-11-10 10:00:00', Fd_ProgNo, '高一', 358.88, 100, 2, 1 FROM Tb_ExamProg"
      " WHERE Fd_ProgNo NOT IN ('E01', 'E02');");
  for (const TCommand& command : Commands()) {
    SCOPED_TRACE(command.Template);
    std::vector<String> drawn;
    const TShownReport shown = RunReport(command.Run, [&](TfmRptPreview& preview) {
      TfrEMFPages& pages = *preview.frpPreview->Window()->Pages();
      for (int page = 0; page < pages.Count(); ++page) {
        for (const TDrawnLine& line : DrawnLines(pages, page)) {
          drawn.push_back(line.Text);
          if (line.Overflows())
            ADD_FAILURE() << "page " << page + 1 << ", " << line.Name << " \"" << line.Text << "\" drawn at ("
                          << line.Line.Left << "," << line.Line.Top << ")-(" << line.Line.Right << ","
                          << line.Line.Bottom << ") in (" << line.Cell.Left << "," << line.Cell.Top << ")-("
                          << line.Cell.Right << "," << line.Cell.Bottom << ")";
        }
        SaveBitmapToPng(*DrawPreparedPage(pages, page, 2),
                        String("report-whole-") + command.Template + "-" + std::to_string(page + 1) + ".png");
      }
    });
    EXPECT_TRUE(shown.Shown);
    // The fitness card's two-part item names break after their slash, not inside a number.
    if (String(command.Template) == "RptStudentUpto") {
      for (const char* line : {"1000米跑(男)/", "800米跑(女)", "引体向上(男)/", "斜身引体(女)"})
        EXPECT_NE(std::find(drawn.begin(), drawn.end(), line), drawn.end()) << line;
    }
  }
  EXPECT_TRUE(Dialogs->Messages.empty());
}

// The teachers' passwords are in the print query but in no cell of the report.
TEST_F(TReportsTest, TheTeacherReportNeverPrintsAPassword) {
  const TShownReport shown = RunReport([] { PrintListReport(lrTeacher, kClass); });
  ASSERT_TRUE(shown.Shown);
  for (const char* password : {"secret1", "secret2", "quorin"})
    EXPECT_EQ(shown.AllTexts().find(password), String::npos) << password;
  EXPECT_NE(Module->adqprint->FindField("Fd_Password"), nullptr);
}

// The statistics are rebuilt before the template is looked for; the progress window goes and the
// cursor comes back.
TEST_F(TReportsTest, AMissingTemplateIsReportedAfterTheStatisticsWereRebuilt) {
  ConfigureUptoItems({"U11"});
  TempDir empty;
  AppPath = empty.Path().string() + "/";
  Module->adcConnect->Execute("DELETE FROM Tb_ClassesSum; DELETE FROM Tb_ExamCard");
  for (const TCommand& command : Commands()) {
    try {
      command.Run();
      ADD_FAILURE() << command.Template << " printed";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "没有找到对应的打印模板。") << command.Template;
    }
    Pump();
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_EQ(Windows("TProgressTask"), 0);
  }
  EXPECT_EQ(Windows("TfmRptPreview"), 1);  // made by the first command and never shown
  EXPECT_EQ(Value("select count(*) from Tb_ClassesSum"), "4");
  EXPECT_EQ(Value("select count(*) from Tb_ExamCard"), "3");
}

// 高三(1)班 has nobody to be tested, yet a card in the fail band: its rates are 0 and its row shows
// with every count; the bands without cards (empty in the table) print 0 too.
TEST_F(TReportsTest, AClassOfExemptStudentsOnlyStillShowsItsStatistics) {
  const TShownReport shown = RunReport([] { PrintStatisticsReport(TdmGym::slClasses, "高三(1)班"); });
  ASSERT_TRUE(shown.Shown);
  EXPECT_TRUE(shown.Has("班级：高三(1)班"));
  const TPrinted* unit = nullptr;
  for (const TPrinted& object : shown.FirstPage)
    if (object.Text == "高三(1)班" && object.Name == "mmField1") unit = &object;
  ASSERT_NE(unit, nullptr);
  // The cells of the row, left to right: all, boys, girls, exempt, tested, then the four bands.
  std::vector<String> row;
  for (const TPrinted& object : shown.FirstPage)
    if (object.Bounds.Top == unit->Bounds.Top && object.Bounds.Left > unit->Bounds.Left) row.push_back(object.Text);
  const std::vector<String> expected = {"2", "1", "1", "2", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1", "0", "0", "0"};
  EXPECT_EQ(row, expected);
}

TEST_F(TReportsTest, TheFitnessCardsFillEightSlotsAndSelectOnlyTheirColumns) {
  ConfigureUptoItems({"U11", "U21", "U22", "U31", "U32", "U41", "U42", "U51", "U11", "U21"});
  const TShownReport shown = RunReport([] { PrintStudentUptoReport(kClass); });
  ASSERT_TRUE(shown.Shown);
  EXPECT_EQ(shown.Object("Prog8")->Text, "项目51");
  EXPECT_TRUE(shown.Object("mmCj1")->Text == "3'39\"50");  // 219.5 seconds of 2025101
  EXPECT_EQ(shown.Object("mmFen1")->Text, "95");
  EXPECT_EQ(shown.Object("mmCj4")->Text, "2.49");  // metres
  EXPECT_EQ(shown.Object("mmCj3")->Text, "174");   // counts
  const String sql = Module->adqprint->SQL()->Text();
  EXPECT_EQ(sql.find("\"U51\",a.\"F_U51\",a.Fd_StuNo"), sql.find("\"U51\""));
  EXPECT_EQ(sql.find("\"U11\""), sql.rfind("\"U11\""));  // the ninth and tenth items are left out

  ConfigureUptoItems({"U31", "U21", "U42"});
  const TShownReport three = RunReport([] { PrintStudentUptoReport(kClass); });
  ASSERT_TRUE(three.Shown);
  EXPECT_EQ(three.Object("Prog1")->Text, "项目31");
  EXPECT_EQ(three.Object("mmCj2")->Text, "7\"25");
  for (const char* emptied : {"Prog4", "mmCj4", "mmFen4", "Prog8", "mmCj8", "mmFen8"})
    EXPECT_EQ(three.Object(emptied)->Text, "") << emptied;
  EXPECT_EQ(Module->adqprint->SQL()->Text(),
            "select a.\"U31\",a.\"F_U31\",a.\"U21\",a.\"F_U21\",a.\"U42\",a.\"F_U42\",a.Fd_StuNo,a.Fd_GernalFen,"
            "b.Fd_Name from Tb_UptoCard a,Tb_Students b where a.Fd_StuNo=b.Fd_StuNo\r\n");
}

// Without a configuration for the class's grade nothing is built and nothing shown.
TEST_F(TReportsTest, TheFitnessCardsOfAGradeWithoutConfigurationShowNothing) {
  ConfigureUptoItems({"U11"});
  Module->adcConnect->Execute("DELETE FROM Tb_UptoCard");
  PrintStudentUptoReport("高二(1)班");
  PrintStudentUptoReport("高四(9)班");  // in no list of the user
  Pump();
  EXPECT_EQ(Windows("TProgressTask"), 0);
  ASSERT_NE(fmRptPreview, nullptr);  // made, never shown
  EXPECT_FALSE(fmRptPreview->Visible());
  EXPECT_EQ(Value("select count(*) from Tb_UptoCard"), "0");
}

// The detail rows follow each card; items without a unit (sport skill, attendance, basic
// knowledge) print a full-width blank as their performance.
TEST_F(TReportsTest, TheExaminationCardsListEachStudentsResults) {
  const TShownReport shown = RunReport([] { PrintStudentExamReport(kClass); });
  ASSERT_TRUE(shown.Shown);
  std::vector<String> achieved;
  for (const TPrinted& object : shown.FirstPage)
    if (object.Name == "mmDetail5") achieved.push_back(object.Text);
  ASSERT_EQ(achieved.size(), 15u);  // three students with five results each
  EXPECT_EQ(std::vector<String>(achieved.begin(), achieved.begin() + 5),
            (std::vector<String>{"13\"40", "2.31", "\u3000", "\u3000", "\u3000"}));
  EXPECT_TRUE(shown.Has("篮球"));
  EXPECT_TRUE(shown.Has("出勤成绩"));
}

TEST_F(TReportsTest, TheTemplatesHoldTheNamesTheCommandsFill) {
  TfrReport& report = *Module->rptPrint;
  for (const TCommand& command : Commands()) {
    ASSERT_TRUE(report.LoadFromFile(ReportTemplatePath(String(command.Template) + ".frf"))) << command.Template;
    for (const char* name : {"mmSchoolName", "mmManager", "mmPrinter"})
      EXPECT_NE(report.FindObject(name), nullptr) << command.Template << " " << name;
    EXPECT_EQ(report.FindObject("mmClass") != nullptr, command.ClassInHeader) << command.Template;
  }
  ASSERT_TRUE(report.LoadFromFile(ReportTemplatePath("RptStudentUpto.frf")));
  for (int slot = 1; slot <= 8; ++slot)
    for (const String prefix : {"Prog", "mmCj", "mmFen"})
      EXPECT_NE(report.FindObject(prefix + std::to_string(slot)), nullptr) << prefix << slot;
  ASSERT_TRUE(report.LoadFromFile(ReportTemplatePath("RptStudentExam.frf")));
  const TfrView* achieve = report.FindObject("mmDetail5");
  ASSERT_NE(achieve, nullptr);
  ASSERT_EQ(achieve->Memo.Count(), 1);
  EXPECT_EQ(achieve->Memo[0], "[ACHIEVE]");  // upper case, as the value handler answers it
  const auto* detail = dynamic_cast<const TfrBandView*>(report.FindObject("DetailData1"));
  ASSERT_NE(detail, nullptr);
  EXPECT_EQ(detail->DataSource(), "dbsDetail");
  EXPECT_GE(achieve->Top, detail->Top);
  EXPECT_LT(achieve->Top, detail->Top + detail->Height);
  EXPECT_TRUE(Dialogs->Messages.empty());
}

}  // namespace
