// The class, grade and school statistics: student counts per unit, then per band of the general
// score the count of fitness cards, its rate among the students to be tested and its points, and
// the unit points. One pass over the students and their cards counts everything; each count and
// band step then stores its column. A run rebuilds the fitness cards first and does all of it
// inside one transaction.
#include "app/data/KvConst.h"
#include "app/data/KvData.h"
#include "app/data/KvDataSql_p.h"
#include "app/data/TaskProgress.h"

namespace {

// What sets the three levels apart: the summary table, the unit's key (none for the school's
// one row), how the units are made of the class totals of the counts (ClassTotals k) and which
// column of them is the unit's key, and the progress texts: before the counts, of each
// count (all, boys, exempt, girls and tested; the grade run has none of its own for the exempt
// count, so the boys' text stays), before the bands, and of each band (the fail band's text also
// covers the unit points).
struct TSumLevelInfo {
  const char* Table;
  const char* Key;
  const char* Units;
  const char* UnitKey;
  const char* CountsText;
  const char* CountTexts[4];
  const char* BandsText;
  const char* BandTexts[4];
};

constexpr TSumLevelInfo SumLevels[] = {
    {"Tb_ClassesSum", "Fd_Class", "ClassTotals k", "k.Fd_Class", "正在统计班级人数...",
     {"统计班级总人数", "统计班级男生人数", "统计班级免体人数", "统计班级女生人数和应测人数"},
     "正在统计班级成绩...",
     {"统计班级优秀率", "统计班级良好率", "统计班级及格率", "统计班级总分"}},
    {"Tb_GradeSum", "Fd_Grade", "ClassTotals k left join Tb_Classes c on c.Fd_Class = k.Fd_Class", "c.Fd_Grade",
     "正在统计年级人数...",
     {"统计年级总人数", "统计年级男生总人数", nullptr, "统计年级女生总人数和应测人数"},
     "正在统计年级成绩...",
     {"统计年级优秀率", "统计年级良好率", "统计年级及格率", "统计年级总分"}},
    {"Tb_SchoolSum", nullptr, "ClassTotals k", nullptr, "正在统计学校总人数...",
     {"统计学校总人数", "统计学校男生总人数", "统计学校免体总人数", "统计学校女生总人数和应测总人数"},
     "正在统计学校总成绩...",
     {"统计学校优秀率", "统计学校良好率", "统计学校及格率", "统计学校总分"}},
};

// The bands of the general score: the prefix of their columns, the cards they count, the weight
// of their rate in the unit points.
struct TBand {
  const char* Name;
  const char* Condition;
  int Weight;
};
constexpr TBand Bands[] = {
    {"Excel", "Fd_GernalFen>=420", 6},
    {"Good", "Fd_GernalFen>=350 and Fd_GernalFen<=415", 4},
    {"Common", "Fd_GernalFen>=250 and Fd_GernalFen<=345", 3},
    {"Unthrough", "Fd_GernalFen<250", 0},
};

// A total over a unit's classes. A unit whose total is 0 keeps the column empty; the school's
// counts are always written, 0 included.
String UnitCount(const TSumLevelInfo& Level, const String& Total) {
  return Level.Key ? "nullif(sum(" + Total + "), 0)" : "coalesce(sum(" + Total + "), 0)";
}

// The counts of every unit, each in its own column of temp.UnitCounts: C0 all students, C1 boys,
// C2 exempt students, C3 to C6 the cards of each band. One pass over the students, each with its
// fitness card, totals them per class (ClassTotals), and the units add up their classes: a grade
// looks up the grade of each class rather than of each student. This counts what the views give
// one by one: a student under the grade of the class named (Vw_Students), a card under its
// student's unit (Vw_UptoCard).
void CountUnits(TdmGym& Module, const TSumLevelInfo& Level) {
  std::vector<String> conditions = {"s.Fd_Sex = :ASex", "s.Fd_FreeSign = 1"};
  for (const TBand& band : Bands) conditions.push_back(band.Condition);
  String classTotals = "count(*) as C0";
  String unitCounts = UnitCount(Level, "k.C0") + " as C0";
  for (size_t i = 0; i < conditions.size(); ++i) {
    const String column = "C" + std::to_string(i + 1);
    classTotals += ", sum(" + conditions[i] + ") as " + column;
    unitCounts += ", " + UnitCount(Level, "k." + column) + " as " + column;
  }
  const String units =
      Level.Key ? String("select ") + Level.UnitKey + " as " + Level.Key + ", " + unitCounts + " from " + Level.Units +
                      " group by " + Level.UnitKey
                : "select " + unitCounts + " from " + Level.Units;
  RunSql(Module.adqExecSql, "drop table if exists temp.UnitCounts");
  RunSql(Module.adqExecSql,
         "create temp table UnitCounts as\nwith ClassTotals as (select s.Fd_Class, " + classTotals +
             "\n  from Tb_Students s left join Tb_UptoCard u on u.Fd_StuNo = s.Fd_StuNo group by s.Fd_Class)\n" + units,
         {{"ASex", SexNames[0]}});
}

// Count N of every unit, as Counts for StoreUnitCount.
String StoredCount(const TSumLevelInfo& Level, size_t N) {
  return String("select ") + (Level.Key ? String(Level.Key) + ", " : String()) + "C" + std::to_string(N) +
         " as C from temp.UnitCounts";
}

// Sets columns of every unit's row from Counts, a select of one row per unit with the unit's key
// (none for the school) and a count "C" that Assignments refer to as "s.C". Every counted unit
// already has its row: the students' count made one for each unit with students, and every card
// belongs to a student.
void StoreUnitCount(TdmGym& Module, const TSumLevelInfo& Level, const String& Counts, const String& Assignments) {
  const String unit = Level.Key ? String(" where ") + Level.Table + "." + Level.Key + " is s." + Level.Key : String();
  RunSql(Module.adqExecSql,
         String("update ") + Level.Table + " set " + Assignments + " from (" + Counts + ") s" + unit);
}

// Every unit with students: all, boys and exempt students; then girls (all less boys) and those to
// be tested (all less exempt), an empty count read as 0.
void StoreCounts(TdmGym& Module, TTaskProgress* Progress, const TSumLevelInfo& Level) {
  const auto& texts = Level.CountTexts;
  ShowTask(Progress, texts[0], 1);
  CountUnits(Module, Level);
  RunSql(Module.adqExecSql, String("insert into ") + Level.Table + " (" + (Level.Key ? Level.Key : "Fd_AutoID") +
                                ", Fd_AllTotal) select " + (Level.Key ? Level.Key : "1") + ", C0 from temp.UnitCounts");
  ShowTask(Progress, texts[1], 1);
  StoreUnitCount(Module, Level, StoredCount(Level, 1), "Fd_BoyTotal = s.C");
  if (texts[2]) ShowTask(Progress, texts[2], 1);
  StoreUnitCount(Module, Level, StoredCount(Level, 2), "Fd_FreeTotal = s.C");
  ShowTask(Progress, texts[3], 1);
  RunSql(Module.adqExecSql, String("update ") + Level.Table +
                                " set Fd_GirlTotal = coalesce(Fd_AllTotal, 0) - coalesce(Fd_BoyTotal, 0),"
                                " Fd_TestTotal = coalesce(Fd_AllTotal, 0) - coalesce(Fd_FreeTotal, 0)");
}

// One band: the count of the unit's cards and its rate in percent of the students to be tested,
// rounded half to even; a unit with nobody to be tested has the rate 0.
void StoreBand(TdmGym& Module, const TSumLevelInfo& Level, size_t Band) {
  const String tested = String(Level.Table) + ".Fd_TestTotal";
  const String name = Bands[Band].Name;
  StoreUnitCount(Module, Level, StoredCount(Level, 3 + Band),
                 "Fd_" + name + "Count = s.C, Fd_" + name +
                     "Ration = case when s.C is null then null when coalesce(" + tested +
                     ", 0) = 0 then 0 else " + RoundHalfEvenSql("s.C * 100.0 / " + tested) + " end");
}

// Band points (rate × weight, empty where the rate is) and the unit points, the sum of the
// points of all bands but the fail band, whose weight is 0.
void StorePoints(TdmGym& Module, const TSumLevelInfo& Level) {
  String points;
  String total;
  for (const TBand& band : Bands) {
    const String product = String("Fd_") + band.Name + "Ration * " + std::to_string(band.Weight);
    points += String(points.empty() ? "" : ", ") + "Fd_" + band.Name + "Fen = " + product;
    if (band.Weight > 0) total += String(total.empty() ? "" : " + ") + "coalesce(" + product + ", 0)";
  }
  RunSql(Module.adqExecSql, String("update ") + Level.Table + " set " + points + ", Fd_GernalFen = " + total);
}

void RebuildCardsAndSum(TdmGym& Module, TTaskProgress* Progress, TdmGym::TSumLevel Level) {
  Module.RebuildInTransaction([&] {
    ShowTask(Progress, "正在初始化数据...", 1);
    Module.ClearUptoCard();
    Module.BuildUptoCard(Progress, String());
    Module.SumUnits(Progress, Level);
  });
}

}  // namespace

void TdmGym::SumUnits(TTaskProgress* Progress, TSumLevel Level) {
  TCloseQueries closer({adqExecSql});
  const TSumLevelInfo& level = SumLevels[Level];
  ShowTask(Progress, level.CountsText, 1);
  RunSql(adqExecSql, String("delete from ") + level.Table);
  StoreCounts(*this, Progress, level);
  ShowTask(Progress, level.BandsText, 1);
  for (size_t i = 0; i < std::size(Bands); ++i) {
    ShowTask(Progress, level.BandTexts[i], 1);
    StoreBand(*this, level, i);
  }
  StorePoints(*this, level);
  RunSql(adqExecSql, "drop table temp.UnitCounts");
}

void TdmGym::SumClasses(TTaskProgress* Progress) { RebuildCardsAndSum(*this, Progress, slClasses); }

void TdmGym::SumGrades(TTaskProgress* Progress) { RebuildCardsAndSum(*this, Progress, slGrades); }

void TdmGym::SumSchool(TTaskProgress* Progress) { RebuildCardsAndSum(*this, Progress, slSchool); }
