// The class, grade and school statistics: student counts per unit, then per band of the general
// score the count of fitness cards, its rate among the students to be tested and its points, and
// the unit points. Each count and band is one grouped statement over the students or the cards;
// a run rebuilds the fitness cards first and does all of it inside one transaction.
#include "app/KvConst.h"
#include "app/KvData.h"
#include "app/KvDataSql_p.h"
#include "app/dialogs/ProgressTask.h"
#include "controls/Application.h"

namespace {

// What sets the three levels apart: the summary table, the unit's key (none for the school's
// one row), where its students come from, and the progress texts of the counts, the bands and the
// unit points.
struct TSumLevelInfo {
  const char* Table;
  const char* Key;
  const char* Students;
  const char* CountsText;
  const char* BandsText;
  const char* PointsText;
};

constexpr TSumLevelInfo SumLevels[] = {
    {"Tb_ClassesSum", "Fd_Class", "Tb_Students", "正在统计班级人数...", "正在统计班级成绩...", "统计班级总分"},
    {"Tb_GradeSum", "Fd_Grade", "Vw_Students", "正在统计年级人数...", "正在统计年级成绩...", "统计年级总分"},
    {"Tb_SchoolSum", nullptr, "Vw_Students", "正在统计学校总人数...", "正在统计学校总成绩...", "统计学校总分"},
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

// A count over the rows of a unit that meet Condition. A unit without such rows keeps the column
// empty; the school's counts are always written, 0 included.
String UnitCount(const TSumLevelInfo& Level, const String& Condition) {
  return Level.Key ? "nullif(sum(" + Condition + "), 0)" : "coalesce(sum(" + Condition + "), 0)";
}

// From Source, one row per unit (or the school's one row) of the given columns.
String PerUnit(const TSumLevelInfo& Level, const String& Columns, const String& Source) {
  return Level.Key ? String("select ") + Level.Key + ", " + Columns + " from " + Source + " group by " + Level.Key
                   : "select 1, " + Columns + " from " + Source;
}

// Every unit with students: all, boys and exempt students; then girls (all less boys) and those to
// be tested (all less exempt), an empty count read as 0.
void StoreCounts(TdmGym& Module, const TSumLevelInfo& Level) {
  const String boys = UnitCount(Level, "Fd_Sex = :ASex");
  const String exempt = UnitCount(Level, "Fd_FreeSign = 1");
  RunSql(Module.adqExecSql,
         String("insert into ") + Level.Table + " (" + (Level.Key ? Level.Key : "Fd_AutoID") +
             ", Fd_AllTotal, Fd_BoyTotal, Fd_FreeTotal) " +
             PerUnit(Level, "count(*), " + boys + ", " + exempt, Level.Students),
         {{"ASex", SexNames[0]}});
  RunSql(Module.adqExecSql, String("update ") + Level.Table +
                                " set Fd_GirlTotal = coalesce(Fd_AllTotal, 0) - coalesce(Fd_BoyTotal, 0),"
                                " Fd_TestTotal = coalesce(Fd_AllTotal, 0) - coalesce(Fd_FreeTotal, 0)");
}

// Per band the count of the unit's cards and its rate in percent of the students to be tested,
// rounded half to even; a unit with nobody to be tested has the rate 0. Every card belongs to a
// student, so every unit with cards already has its row.
void StoreBands(TdmGym& Module, const TSumLevelInfo& Level) {
  const String tested = String(Level.Table) + ".Fd_TestTotal";
  String counts;
  String columns;
  for (size_t i = 0; i < std::size(Bands); ++i) {
    const String count = "s.C" + std::to_string(i);
    const String name = Bands[i].Name;
    counts += String(counts.empty() ? "" : ", ") + UnitCount(Level, Bands[i].Condition) + " as C" + std::to_string(i);
    columns += String(columns.empty() ? "" : ", ") + "Fd_" + name + "Count = " + count + ", Fd_" + name +
               "Ration = case when " + count + " is null then null when coalesce(" + tested + ", 0) = 0 then 0 else " +
               RoundHalfEvenSql(count + " * 100.0 / " + tested) + " end";
  }
  const String unit = Level.Key ? String(" where ") + Level.Table + "." + Level.Key + " is s." + Level.Key : String();
  RunSql(Module.adqExecSql, String("update ") + Level.Table + " set " + columns + " from (" +
                                PerUnit(Level, counts, "Vw_UptoCard") + ") s" + unit);
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

void RebuildCardsAndSum(TdmGym& Module, TProgressTask* Progress, TdmGym::TSumLevel Level) {
  Module.RebuildInTransaction([&] {
    ShowTask(Progress, "正在初始化数据...", 1);
    Module.ClearUptoCard();
    Module.BuildUptoCard(Progress, String());
    Module.SumUnits(Progress, Level);
  });
}

}  // namespace

void TdmGym::SumUnits(TProgressTask* Progress, TSumLevel Level) {
  TCloseQueries closer({adqExecSql});
  const TSumLevelInfo& level = SumLevels[Level];
  ShowTask(Progress, level.CountsText, 1);
  RunSql(adqExecSql, String("delete from ") + level.Table);
  StoreCounts(*this, level);
  ShowTask(Progress, level.BandsText, 1);
  StoreBands(*this, level);
  ShowTask(Progress, level.PointsText, 1);
  StorePoints(*this, level);
}

void TdmGym::SumClasses(TProgressTask* Progress) { RebuildCardsAndSum(*this, Progress, slClasses); }

void TdmGym::SumGrades(TProgressTask* Progress) { RebuildCardsAndSum(*this, Progress, slGrades); }

void TdmGym::SumSchool(TProgressTask* Progress) { RebuildCardsAndSum(*this, Progress, slSchool); }

void RunProgressTask(const std::function<void(TProgressTask*)>& Work) {
  TScreenCursorScope hourglass(crHourGlass);
  TComponentPtr<TProgressTask> progress(TCustomForm::Create<TProgressTask>(Application));
  progress->Show();
  Work(progress.get());
  progress->Hide();
}
