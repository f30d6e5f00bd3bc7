// The grouped list report of the report engine's performance figure, over the data it is measured
// on: a SQLite file of one table "results" (rows of 60 classes, each with its students' items and
// scores), and a template built in code: an A4 page with margins of 10 mm, a page header with the
// title and captions, a group per class with its count and average score, one band per row, and a
// page footer "第 N 页，共 M 页" (two passes). The report tests render its first page; the report
// benchmark prepares it over 4,000 and 40,000 rows.
#pragma once

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/ADODB.h"
#include "report/FR_BandView.h"
#include "report/FR_Class.h"
#include "report/FR_DBSet.h"
#include "report/FR_Memo.h"
#include "tools/DatabaseBuilder.h"

// Makes the database file with Rows rows.
inline void MakeResultsDatabase(const std::filesystem::path& Path, int Rows) {
  const std::filesystem::path script = Path.string() + ".sql";
  const std::string n = std::to_string(Rows);
  std::ofstream(script) <<
      "CREATE TABLE results (id INTEGER PRIMARY KEY, class_name TEXT NOT NULL, student_no TEXT NOT NULL,\n"
      "  name TEXT NOT NULL, sex TEXT NOT NULL, item TEXT NOT NULL, score REAL NOT NULL,\n"
      "  score_text TEXT NOT NULL, performance TEXT NOT NULL);\n"
      "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < " + n + "),\n"
      "  c(i, c) AS (SELECT i, i * 60 / " + n + " FROM n),\n"
      "  j(i, c, j) AS (SELECT i, c, i - (c * " + n + " + 59) / 60 FROM c),\n"
      "  r(i, c, j, s, g, k, score) AS (SELECT i, c, j, j / 5, c / 20, c % 20 + 1,\n"
      "    40.0 + ((i * 7919 + 13) % 601) / 10.0 FROM j)\n"
      "INSERT INTO results SELECT i + 1,\n"
      "  substr('高一高二高三', g * 2 + 1, 2) || '(' || k || ')班',\n"
      "  printf('%d%02d%04d', 2025 - g, k, s + 1),\n"
      "  substr('赵钱孙李周吴郑王冯陈', (c + s) % 10 + 1, 1) || substr('伟芳娜敏静丽强磊洋艳', (s * 7 + c) % 10 + 1, 1)\n"
      "    || CASE WHEN s % 3 = 0 THEN substr('华明军平', s % 4 + 1, 1) ELSE '' END,\n"
      "  CASE WHEN s % 2 = 0 THEN '男' ELSE '女' END,\n"
      "  CASE j % 5 WHEN 0 THEN '50米跑' WHEN 1 THEN '立定跳远' WHEN 2 THEN '坐位体前屈' WHEN 3 THEN '1000米跑'\n"
      "    ELSE '引体向上' END,\n"
      "  score, printf('%.1f', score),\n"
      "  CASE WHEN score >= 90 THEN '优秀' WHEN score >= 80 THEN '良好' WHEN score >= 60 THEN '及格' ELSE '不及格' END\n"
      "FROM r;\n";
  BuildDatabase(Path, {script});
  std::filesystem::remove(script);
}

class TGroupedListReport {
 public:
  explicit TGroupedListReport(const std::filesystem::path& Database) : FModule(MakeComponent<TComponent>()) {
    FModule->SetName("dmBench");
    Connection = new TADOConnection(FModule.get());
    Connection->SetConnectionString("Data Source=" + Database.string());
    Query = new TADOQuery(FModule.get());
    Query->SetName("adqPrint");
    Query->SetConnection(Connection);
    Query->SQL()->SetText(
        "SELECT class_name, student_no, name, sex, item, score, score_text, performance FROM results ORDER BY id");
    auto* source = new TfrDBDataSet(FModule.get());
    source->SetName("dbsPrint");
    source->SetDataSet(Query);
    Report = new TfrReport(FModule.get());
    Report->SetName("rptPrint");
    Report->SetTwoPass(1);
    BuildTemplate();
  }

  TfrReport* Report = nullptr;
  TADOQuery* Query = nullptr;
  TADOConnection* Connection = nullptr;

 private:
  static int Mm(double Millimetres) { return int(std::lround(Millimetres * frUnitsPerInch / 25.4)); }

  void BuildTemplate() {
    TfrPage& page = Report->Pages().Add();
    page.LeftMargin = page.TopMargin = page.RightMargin = page.BottomMargin = Mm(10);
    const int left = page.LeftMargin;
    // Bands are laid out one below the other in the template; rows of text are 5 mm high.
    Band(page, btPageHeader, Mm(20), Mm(16), "PageHeader1");
    Text(page, "mmTitle", left, Mm(20), Mm(190), Mm(9), "高中体育考试成绩表", frtaCenter | frtaMiddle, 14, true, 0);
    const struct {
      const char* Caption;
      const char* Field;
      double From, To;
      int Alignment;
    } columns[] = {{"学号", "student_no", 0, 30, frtaLeft}, {"姓名", "name", 30, 60, frtaLeft},
                   {"性别", "sex", 60, 75, frtaCenter},    {"项目", "item", 75, 115, frtaLeft},
                   {"成绩", "score_text", 115, 145, frtaRight}, {"表现", "performance", 150, 190, frtaLeft}};
    for (const auto& c : columns)
      Text(page, String("mmCaption") + c.Field, left + Mm(c.From), Mm(30), Mm(c.To - c.From), Mm(5), c.Caption,
           c.Alignment | frtaMiddle, 9, true, frftBottom);
    Band(page, btGroupHeader, Mm(40), Mm(8), "GroupHeader1").DisplayFormatText = "[class_name]";
    Text(page, "mmClass", left, Mm(41), Mm(190), Mm(6), "[class_name]", frtaLeft | frtaMiddle, 10, true, frftBottom);
    Band(page, btMasterData, Mm(50), Mm(6.3), "MasterData1").DisplayFormatText = "dbsPrint";
    for (const auto& c : columns)
      Text(page, String("mm") + c.Field, left + Mm(c.From), Mm(50), Mm(c.To - c.From), Mm(5),
           String("[") + c.Field + "]", c.Alignment | frtaMiddle, 9, false, 0);
    Band(page, btGroupFooter, Mm(60), Mm(8), "GroupFooter1");
    Text(page, "mmCount", left, Mm(61), Mm(75), Mm(6), "人次：[COUNT(MasterData1)]", frtaLeft | frtaMiddle, 9, false,
         frftTop);
    Text(page, "mmAverageCaption", left + Mm(75), Mm(61), Mm(40), Mm(6), "平均成绩：", frtaRight | frtaMiddle, 9,
         false, frftTop);
    Text(page, "mmAverage", left + Mm(115), Mm(61), Mm(30), Mm(6), "[AVG([score]) #N0.0]", frtaRight | frtaMiddle, 9,
         false, frftTop);
    Band(page, btPageFooter, Mm(70), Mm(8), "PageFooter1");
    Text(page, "mmPageNo", left, Mm(71), Mm(190), Mm(6), "第 [PAGE#] 页，共 [TOTALPAGES] 页", frtaCenter | frtaMiddle,
         9, false, 0);
  }

  static TfrBandView& Band(TfrPage& Page, TfrBandType Type, int Top, int Height, const String& Name) {
    auto band = std::make_unique<TfrBandView>();
    band->Name = Name;
    band->SetBandType(Type);
    band->SetBounds(0, Top, Page.PrnInfo.PageWidth, Height);
    TfrBandView& ref = *band;
    Page.Objects.push_back(std::move(band));
    return ref;
  }

  static void Text(TfrPage& Page, const String& Name, int Left, int Top, int Width, int Height, const String& Text,
                   int Alignment, int Size, bool Bold, uint16_t Frame) {
    auto memo = std::make_unique<TfrMemoView>();
    memo->Name = Name;
    memo->SetBounds(Left, Top, Width, Height);
    memo->Memo.SetText(Text);
    memo->Alignment = Alignment;
    memo->Font.SetSize(Size);
    if (Bold) memo->Font.SetStyle(fsBold);
    memo->FrameTyp = Frame;
    memo->Flags = flWordWrap;  // fixed height, zeros shown
    Page.Objects.push_back(std::move(memo));
  }

  TComponentPtr<TComponent> FModule;
};
