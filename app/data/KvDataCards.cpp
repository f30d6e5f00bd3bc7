// The student cards: the fitness card (per item the best score with its performance, and the
// general score) and the examination card (the part averages and the weighted examination score).
// Each build fills its table with a few grouped statements instead of a search and a post per
// result row, which keeps a school's rebuild within a few reads of the results; each step runs its
// statement over a few ranges of student numbers so that the progress bar follows the work. The
// builds run inside one transaction, so a failure leaves the cards as they were.
#include <map>

#include "app/data/KvData.h"
#include "app/data/KvDataSql_p.h"

namespace {

struct TCardItem {
  String ProgNo;    // also the name of the performance column of the card
  String FenField;  // the score column of the card
  int ProgType;
};

std::vector<TCardItem> ReadCardItems(TADOQuery* Query) {
  Query->Close();
  Query->SQL()->SetText("select * from Tb_UptoProg order by Fd_ProgNo");
  Query->Open();
  std::vector<TCardItem> items;
  for (Query->First(); !Query->Eof(); Query->Next())
    items.push_back({Query->FieldByName("Fd_ProgNo")->AsString(), Query->FieldByName("Fd_FenField")->AsString(),
                     Query->FieldByName("Fd_ProgType")->AsInteger()});
  return items;
}

// The results of the students whose cards are built: of every student, or of one class's.
String UptoResults(bool OneClass) {
  return OneClass ? "from Tb_UptoProcess a, Tb_Students c\n"
                    "  where a.Fd_StuNo = c.Fd_StuNo and c.Fd_Class = :AClass"
                  : "from Tb_UptoProcess a where a.Fd_StuNo is not null";
}

// One card per student of the range with a result of a listed item. Per student and item the best
// result is the one with the highest score above 0 and, among equal scores, the first stored (the
// smallest Fd_ProcID): the key score × 2^32 − Fd_ProcID orders them so, and its max() takes the
// other columns from that row. Results scored 0 or less write nothing; an empty performance is 0.
// The grade is that of the student's first result of a listed item.
String CardInsertSql(const std::vector<TCardItem>& Items, bool OneClass) {
  String columns = "Fd_StuNo, Fd_Grade";
  String values;
  for (size_t i = 0; i < Items.size(); ++i) {
    const String item = ":AItem" + std::to_string(i);
    columns += ", " + QuotedColumn(Items[i].ProgNo) + ", " + QuotedColumn(Items[i].FenField);
    values += ",\n  max(case when r.Item = " + item + " then r.Achieve end), max(case when r.Item = " + item +
              " then r.Fen end)";
  }
  return "insert into Tb_UptoCard (" + columns + ")\n" +
         "select r.Fd_StuNo,\n"
         "  (select a.Fd_Grade from Tb_UptoProcess a, Tb_UptoProg b\n"
         "    where a.Fd_StuNo = r.Fd_StuNo and a.Fd_ProgNo = b.Fd_ProgNo order by a.Fd_ProcID limit 1)" +
         values + "\n" +
         "from (select a.Fd_StuNo, a.Fd_ProgNo as Item,\n"
         "        case when a.Fd_FenVal > 0 then coalesce(a.Fd_Achieve, 0) end as Achieve,\n"
         "        case when a.Fd_FenVal > 0 then a.Fd_FenVal end as Fen,\n"
         "        max(case when a.Fd_FenVal > 0 then a.Fd_FenVal * 4294967296 - a.Fd_ProcID end)\n"
         "      " + UptoResults(OneClass) + " and a.Fd_StuNo between :ALow and :AHigh\n"
         "      group by a.Fd_StuNo, a.Fd_ProgNo) r\n"
         "group by r.Fd_StuNo\n"
         "having exists (select 1 from Tb_UptoProcess a, Tb_UptoProg b\n"
         "  where a.Fd_StuNo = r.Fd_StuNo and a.Fd_ProgNo = b.Fd_ProgNo)";
}

// The general score of the range's cards: the best score of each item category 1 to 5 added up; an
// empty score column counts 0.
String GeneralScoreSql(const std::vector<TCardItem>& Items) {
  std::map<int, String> bestOfType;
  for (const TCardItem& item : Items) {
    if (item.ProgType < 1 || item.ProgType > 5) continue;
    bestOfType[item.ProgType] += ", coalesce(" + QuotedColumn(item.FenField) + ", 0)";
  }
  String sum;
  for (const auto& [type, scores] : bestOfType) sum += (sum.empty() ? "max(0" : " + max(0") + scores + ")";
  return "update Tb_UptoCard set Fd_GernalFen = " + (sum.empty() ? String("0") : sum) +
         " where Fd_StuNo between :ALow and :AHigh";
}

// The examination parts in the order a build handles them, with the card column each fills, its
// weight in the examination score and the progress text of its step.
struct TExamPart {
  int TestPart;
  const char* Column;
  int Weight;
  const char* Text;
};
constexpr TExamPart ExamParts[] = {
    {2, "Fd_TestFen", 4, "统计运动能力得分..."},
    {3, "Fd_TechFen", 3, "统计运动技能得分..."},
    {0, "Fd_ClassFen", 1, "统计表现得分..."},
    {1, "Fd_BasicFen", 2, "统计基础知识得分..."},
};

// The examination results of the students whose cards are built: of every student, or of one
// class's.
String ExamResults(bool OneClass) {
  return OneClass ? "from Tb_ExamProcess a, Tb_Students b\n"
                    "where a.Fd_StuNo = b.Fd_StuNo and b.Fd_Class = :AClass"
                  : "from Tb_ExamProcess a where a.Fd_StuNo is not null";
}

// A part's column of the range's cards: the student's average of the part, rounded half to even, 0
// when the part's scores are all empty. The first part with a result of the student makes the
// card; a part without results stays empty.
String ExamPartSql(const TExamPart& Part, bool OneClass) {
  return String("insert into Tb_ExamCard (Fd_StuNo, ") + Part.Column + ")\nselect a.Fd_StuNo, coalesce(" +
         RoundHalfEvenSql("avg(a.Fd_FenVal)") + ", 0) " + ExamResults(OneClass) + " and a.Fd_TestPart = " +
         std::to_string(Part.TestPart) + " and a.Fd_StuNo between :ALow and :AHigh\ngroup by a.Fd_StuNo\n" +
         "on conflict (Fd_StuNo) do update set " + Part.Column + " = excluded." + Part.Column;
}

// The examination score of the range's cards: the weighted parts over 10, rounded half to even; an
// empty part counts 0.
String ExamScoreSql() {
  String weighted;
  for (const TExamPart& part : ExamParts) {
    weighted += String(weighted.empty() ? "" : " + ") + std::to_string(part.Weight) + " * coalesce(" + part.Column +
                ", 0)";
  }
  return "update Tb_ExamCard set Fd_GernalFen = " + RoundHalfEvenSql("(" + weighted + ") / 10.0") +
         " where Fd_StuNo between :ALow and :AHigh";
}

}  // namespace

// A rebuild rewrites whole tables in one transaction. The page cache is given room for all of
// them (64 MiB at most), so that SQLite does not spill changed pages to the file, syncing its
// journal each time, before the commit.
void TdmGym::RebuildInTransaction(const std::function<void()>& Work) {
  adcConnect->Execute("PRAGMA cache_size = -65536");
  RunInTransaction(Work);
}

void TdmGym::RunInTransaction(const std::function<void()>& Work) {
  adcConnect->BeginTrans();
  try {
    Work();
    adcConnect->CommitTrans();
  } catch (...) {
    if (adcConnect->InTransaction()) adcConnect->RollbackTrans();  // a refused commit has rolled back already
    throw;
  }
}

void TdmGym::ClearUptoCard() { RunSql(adqExecSql, "delete from Tb_UptoCard"); }

void TdmGym::BuildClassUptoCard(TTaskProgress* Progress, const String& ClassName) {
  RebuildInTransaction([&] {
    ShowTask(Progress, "正在初始化数据...", 1);
    ClearUptoCard();
    BuildUptoCard(Progress, ClassName);
  });
}

// The bar of the first step counts the students whose results are folded, that of the second the
// cards made.
void TdmGym::BuildUptoCard(TTaskProgress* Progress, const String& ClassName) {
  TCloseQueries closer({adqSumProg, adqSumSource, adqExecSql});
  const std::vector<TCardItem> items = ReadCardItems(adqSumProg);
  const bool oneClass = !ClassName.empty();
  TSqlParams params;
  if (oneClass) params.emplace_back("AClass", ClassName);
  for (size_t i = 0; i < items.size(); ++i) params.emplace_back("AItem" + std::to_string(i), items[i].ProgNo);
  const std::vector<TStudentRange> ranges = StudentRanges(adqSumSource, ClassName);
  const int cards = RunStepByRanges(adqExecSql, Progress, "正在统计学生考试成绩...", Students(ranges), ranges,
                                    rsStudents, CardInsertSql(items, oneClass), params);
  RunStepByRanges(adqExecSql, Progress, "正在统计学生总分...", cards, ranges, rsChangedRows,
                  GeneralScoreSql(items));
}

void TdmGym::PrepareExamCard(TTaskProgress* Progress, const String& ClassName) {
  RebuildInTransaction([&] { BuildExamCard(Progress, ClassName); });
}

// The bar of each part's step counts the students whose results are averaged, that of the last
// step the cards.
void TdmGym::BuildExamCard(TTaskProgress* Progress, const String& ClassName) {
  TCloseQueries closer({adqSumSource, adqExecSql});
  const bool oneClass = !ClassName.empty();
  ShowTask(Progress, "正在初始化数据...", 1);
  RunSql(adqExecSql, "delete from Tb_ExamCard");
  const TSqlParams params = oneClass ? TSqlParams{{"AClass", ClassName}} : TSqlParams{};
  const std::vector<TStudentRange> ranges = StudentRanges(adqSumSource, ClassName);
  for (const TExamPart& part : ExamParts) {
    RunStepByRanges(adqExecSql, Progress, part.Text, Students(ranges), ranges, rsStudents,
                    ExamPartSql(part, oneClass), params);
  }
  RunStepByRanges(adqExecSql, Progress, "统计学生考试综合得分...", CountRows(adqSumSource, "Tb_ExamCard"), ranges,
                  rsChangedRows, ExamScoreSql());
}
