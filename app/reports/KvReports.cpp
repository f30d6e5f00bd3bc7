// The report commands: the template check, the print query, the header memos, the item slots of
// the fitness cards, and the road from a loaded template to the modal preview.
#include "app/reports/KvReports.h"

#include "app/data/KvDataSql_p.h"
#include "app/data/KvStatements.h"
#include "app/windows/KvMain.h"
#include "app/reports/PrintConfig.h"
#include "app/windows/ProgressTask.h"
#include "app/windows/RptPreview.h"
#include "controls/Application.h"
#include "rtl/Convert.h"
#include "report/FR_View.h"
#include "rtl/Files.h"

namespace {

constexpr int kItemSlots = 8;

struct TListReportInfo {
  const char* Template;
  const char* Sql;
};
// By action tag. The class is bound, never written into the statement.
constexpr TListReportInfo kListReports[] = {
    {"RptBlankStudent.frf", ClassStudentsSql},       {"FreeStudentInfo.frf", ExemptStudentsSql},
    {"NoTestStudentInfo.frf", UntestedStudentsSql}, {"RptTeacherInfo.frf", TeachersSql},
    {"RptStudentInfo.frf", ClassStudentsSql},
};

struct TStatisticsReportInfo {
  const char* Task;
  const char* Template;
  const char* Sql;
  void (TdmGym::*Sum)(TTaskProgress*);
};
// By TdmGym::TSumLevel.
constexpr TStatisticsReportInfo kStatisticsReports[] = {
    {"统计班级成绩", "RptAchieveClass.frf", ClassSumsSql, &TdmGym::SumClasses},
    {"统计年级成绩...", "RptAchieveUptoGrade.frf", GradeSumsSql, &TdmGym::SumGrades},
    {"统计学校上报成绩...", "RptUpGrade.frf", SchoolSumsSql, &TdmGym::SumSchool},
};

const char* const kCardTask = "学生考核成绩统计...";

void CheckTemplate(const String& Template) {
  if (!FileExists(Template)) throw Exception("没有找到对应的打印模板。");
}

void OpenPrintQuery(const String& Sql, const String& ClassName) {
  TADOQuery* query = dmGym->adqprint;
  query->Close();
  query->SQL()->SetText(Sql);
  if (TParameter* param = query->Parameters().FindParam("AClass")) param->SetValue(ClassName);
  query->Open();
}

// The template into the report, shown in the preview window's preview, with the value handler of
// the report (none for the plain reports). False when the engine could not read the template; it
// has said so in its error box.
bool LoadTemplate(const String& Template, TDetailEvent OnGetValue) {
  TfrReport* report = dmGym->rptPrint;
  if (!report->LoadFromFile(Template)) return false;
  report->SetPreview(RptPreview()->frpPreview);
  report->OnGetValue = std::move(OnGetValue);
  return true;
}

// The preview is modal and maximised; the command's progress window, which would stay on top of
// it, and its hourglass are not shown over it.
void ShowPreparedReport(const String& ClassName, TProgressTask* Progress) {
  TfrReport* report = dmGym->rptPrint;
  SetReportHeader(report, ClassName);
  if (!report->PrepareReport()) return;
  report->ShowPrepared();
  if (Progress) Progress->Hide();
  TScreenCursorScope normal(crDefault);
  RptPreview()->ShowModal();
}

void PrintTemplate(const String& Template, const String& Sql, const String& ClassName, TProgressTask* Progress) {
  CheckTemplate(Template);
  RptPreview();
  dmGym->adtDetail->SetMasterSource(nullptr);
  OpenPrintQuery(Sql, ClassName);
  if (LoadTemplate(Template, nullptr)) ShowPreparedReport(ClassName, Progress);
}

void SetMemoText(TfrReport& Report, const String& Name, const String& Text) {
  if (TfrView* memo = Report.FindObject(Name)) memo->Memo.SetText(Text);
}

}  // namespace

String ReportTemplatePath(const String& FileName) { return AppPath + "Report/" + FileName; }

void PrintReport(const String& Template, const String& Sql, const String& ClassName) {
  PrintTemplate(Template, Sql, ClassName, nullptr);
}

void SetReportHeader(TfrReport* Report, const String& ClassName) {
  SetMemoText(*Report, "mmSchoolName", "学校：" + LogUserInfo->SchoolName);
  SetMemoText(*Report, "mmManager", "负责人：" + LogUserInfo->Manager);
  SetMemoText(*Report, "mmClass", "班级：" + ClassName);
  SetMemoText(*Report, "mmPrinter", "打印人：" + LogUserInfo->Name);
}

void PrintListReport(int Tag, const String& ClassName) {
  if (Tag < lrBlankStudent || Tag > lrStudents) return;
  TScreenCursorScope hourglass(crHourGlass);
  const TListReportInfo& report = kListReports[Tag];
  PrintReport(ReportTemplatePath(report.Template), report.Sql, ClassName);
}

void PrintStatisticsReport(TdmGym::TSumLevel Level, const String& ClassName) {
  const TStatisticsReportInfo& report = kStatisticsReports[Level];
  RunProgressTask([&](TProgressTask* Progress) {
    Progress->SetTask(report.Task, 1);
    (dmGym->*report.Sum)(Progress);
    PrintTemplate(ReportTemplatePath(report.Template), report.Sql, ClassName, Progress);
  });
}

void PrintStudentUptoReport(const String& ClassName) {
  RunProgressTask([&](TProgressTask* Progress) {
    Progress->SetTask(kCardTask, 1);
    RptPreview();
    const String config = GetUptoPrintConfig(ClassName);
    if (config.empty()) return;
    Progress->SetTask("正在统计学生考试成绩...", 1);
    dmGym->BuildClassUptoCard(Progress, ClassName);
    Progress->SetTask("正在处理可打印的学生考试项目...", 1);
    const std::vector<TPrintConfig> items = ParsePrintConfig(config);
    const String templatePath = ReportTemplatePath("RptStudentUpto.frf");
    CheckTemplate(templatePath);
    if (!LoadTemplate(templatePath, [](const String& Name, Variant& Value) { dmGym->GetUptoCardValue(Name, Value); }))
      return;
    dmGym->adtDetail->SetMasterSource(nullptr);
    const String columns = FillItemSlots(*dmGym->rptPrint, items);
    // The card holds the class's students alone now.
    OpenPrintQuery(UptoCardPrintSql(columns), ClassName);
    ShowPreparedReport(ClassName, Progress);
  });
}

void PrintStudentExamReport(const String& ClassName) {
  RunProgressTask([&](TProgressTask* Progress) {
    Progress->SetTask(kCardTask, 1);
    dmGym->PrepareExamCard(Progress, ClassName);
    const String templatePath = ReportTemplatePath("RptStudentExam.frf");
    CheckTemplate(templatePath);
    RptPreview();
    OpenPrintQuery(ExamCardPrintSql, ClassName);
    if (!LoadTemplate(templatePath, [](const String& Name, Variant& Value) { dmGym->GetExamCardValue(Name, Value); }))
      return;
    // The results follow the card being printed.
    dmGym->adtDetail->SetMasterSource(dmGym->dsPrint);
    ShowPreparedReport(ClassName, Progress);
  });
}

String FillItemSlots(TfrReport& Report, const std::vector<TPrintConfig>& Items) {
  String columns;
  for (int slot = 1; slot <= kItemSlots; ++slot) {
    const String number = IntToStr(slot);
    const TPrintConfig* item = size_t(slot) <= Items.size() ? &Items[size_t(slot - 1)] : nullptr;
    SetMemoText(Report, "Prog" + number, item ? item->ProgName : String());
    SetMemoText(Report, "mmCj" + number, item ? "[" + item->ProgNo + "]" : String());
    SetMemoText(Report, "mmFen" + number, item ? "[adqPrint.\"" + item->FenField + "\"]" : String());
    if (item) columns += "a." + QuotedColumn(item->ProgNo) + ",a." + QuotedColumn(item->FenField) + ",";
  }
  return columns;
}
