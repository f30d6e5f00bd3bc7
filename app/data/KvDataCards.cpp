// The student cards: the fitness card (per item the best score with its performance, and the
// general score) and the examination card (the part averages and the weighted examination score).
// Each build fills its table with a few statements instead of a search and a post per result row:
// a fitness card takes a few index seeks, an examination part one grouped pass over its results,
// which keeps a school's rebuild within a few reads of the results. Each step runs its statement
// over a few ranges of student numbers so that the progress bar follows the work. The builds run
// inside one transaction, so a failure leaves the cards as they were.
#include <map>

#include "app/data/KvData.h"
#include "app/data/KvStatements.h"
#include "app/data/KvDataSql_p.h"

namespace {

struct TCardItem {
  String ProgNo;    // also the name of the performance column of the card
  String FenField;  // the score column of the card
  int ProgType;
};

std::vector<TCardItem> ReadCardItems(TADOQuery* Query) {
  Query->Close();
  Query->SQL()->SetText(UptoItemsByNumberSql);
  Query->Open();
  std::vector<TCardItem> items;
  for (Query->First(); !Query->Eof(); Query->Next())
    items.push_back({Query->FieldByName("Fd_ProgNo")->AsString(), Query->FieldByName("Fd_FenField")->AsString(),
                     Query->FieldByName("Fd_ProgType")->AsInteger()});
  return items;
}

// The students of the range whose cards are built, as the table r: the students of one class, or
// every number with a result, each found by one seek for the least number above the one before.
String CardStudents(bool OneClass) {
  return OneClass ? "with r(Fd_StuNo) as (select c.Fd_StuNo from Tb_Students c\n"
                    "  where c.Fd_Class = :AClass and c.Fd_StuNo between :ALow and :AHigh)\n"
                  : "with recursive r(Fd_StuNo) as (\n"
                    "  select min(a.Fd_StuNo) from Tb_UptoProcess a where a.Fd_StuNo between :ALow and :AHigh\n"
                    "  union all\n"
                    "  select (select min(a.Fd_StuNo) from Tb_UptoProcess a where a.Fd_StuNo > r.Fd_StuNo"
                    " and a.Fd_StuNo <= :AHigh)\n"
                    "  from r where r.Fd_StuNo is not null)\n";
}

// One card per student of the range with a result of a listed item (the end of r, an empty
// number, has none), with the grade of the student's first result of a listed item. A class's
// cards are printed in the order they are stored, which is that of the student numbers; the
// school's, only counted, come in that order from r.
String CardKeysSql(bool OneClass) {
  return CardStudents(OneClass) +
         "insert into Tb_UptoCard (Fd_StuNo, Fd_Grade)\n"
         "select r.Fd_StuNo, f.Fd_Grade from r\n"
         "join Tb_UptoProcess f on f.Fd_ProcID = (select a.Fd_ProcID from Tb_UptoProcess a, Tb_UptoProg p\n"
         "    where a.Fd_StuNo = r.Fd_StuNo and a.Fd_ProgNo = p.Fd_ProgNo order by a.Fd_ProcID limit 1)" +
         (OneClass ? "\norder by r.Fd_StuNo" : "");
}

// The performance and the score of every item on the range's cards, from the item's best result:
// the one with the highest score above 0 and, among equal scores, the first stored (the smallest
// Fd_ProcID). Ix_UptoProcess_Best holds a student's results of an item in this order, with their
// performance, so each item is one seek in it. An item without a result scored above 0 stays
// empty; an empty performance is 0. Items must not be empty.
String CardItemsSql(const std::vector<TCardItem>& Items) {
  String assignments;
  for (size_t i = 0; i < Items.size(); ++i) {
    assignments += String(i ? ",\n  " : "") + "(" + QuotedColumn(Items[i].ProgNo) + ", " +
                   QuotedColumn(Items[i].FenField) +
                   ") = (select coalesce(x.Fd_Achieve, 0), x.Fd_FenVal from Tb_UptoProcess x\n"
                   "    where x.Fd_StuNo = Tb_UptoCard.Fd_StuNo and x.Fd_ProgNo = :AItem" + std::to_string(i) +
                   " and x.Fd_FenVal > 0 order by x.Fd_FenVal desc, x.Fd_ProcID limit 1)";
  }
  return "update Tb_UptoCard set " + assignments + "\nwhere Fd_StuNo between :ALow and :AHigh";
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
// journal each time, before the commit. Temporary storage is kept in memory: the statement
// journals of the large statements, written to a file otherwise, and the rebuild's working tables.
void TdmGym::RebuildInTransaction(const std::function<void()>& Work) {
  adcConnect->Execute("PRAGMA cache_size = -65536");
  adcConnect->Execute("PRAGMA temp_store = MEMORY");
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

void TdmGym::ClearUptoCard() { RunSql(adqExecSql, ClearUptoCardSql); }

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
  TSqlParams students;
  if (oneClass) students.emplace_back("AClass", ClassName);
  TSqlParams itemNumbers;
  for (size_t i = 0; i < items.size(); ++i) itemNumbers.emplace_back("AItem" + std::to_string(i), items[i].ProgNo);
  const std::vector<TStudentRange> ranges = StudentRanges(adqSumSource, ClassName);
  std::vector<TStepStatement> fold = {{CardKeysSql(oneClass), students}};
  if (!items.empty()) fold.push_back({CardItemsSql(items), itemNumbers});
  RunStepByRanges(adqExecSql, Progress, "正在统计学生考试成绩...", Students(ranges), ranges, rsStudents, fold);
  RunStepByRanges(adqExecSql, Progress, "正在统计学生总分...", CountRows(adqSumSource, "Tb_UptoCard"), ranges,
                  rsChangedRows, {{GeneralScoreSql(items), {}}});
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
  RunSql(adqExecSql, ClearExamCardSql);
  const TSqlParams params = oneClass ? TSqlParams{{"AClass", ClassName}} : TSqlParams{};
  const std::vector<TStudentRange> ranges = StudentRanges(adqSumSource, ClassName);
  for (const TExamPart& part : ExamParts) {
    RunStepByRanges(adqExecSql, Progress, part.Text, Students(ranges), ranges, rsStudents,
                    {{ExamPartSql(part, oneClass), params}});
  }
  RunStepByRanges(adqExecSql, Progress, "统计学生考试综合得分...", CountRows(adqSumSource, "Tb_ExamCard"), ranges,
                  rsChangedRows, {{ExamScoreSql(), {}}});
}
