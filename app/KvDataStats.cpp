// The class, grade and school statistics: student counts per unit, then per band of the general
// score the count of fitness cards, its rate among the students to be tested and its points, and
// the unit points. Each count and band is one grouped statement over the students or the cards;
// a run rebuilds the fitness cards first and does all of it inside one transaction.
#include <array>

#include "app/KvConst.h"
#include "app/KvData.h"
#include "app/KvDataSql_p.h"
#include "app/dialogs/ProgressTask.h"
#include "controls/Application.h"

namespace {

// What sets the three levels apart: the summary table, the unit's key (none for the school's
// one row), where its students come from, and the progress texts.
struct TSumLevelInfo {
  const char* Table;
  const char* Key;
  const char* Students;
  const char* CountingText;
  std::array<const char*, 4> CountTexts;  // all, boys, exempt (none at the grade level), girls and tested
  const char* BandsText;
  std::array<const char*, 4> BandTexts;
};

constexpr TSumLevelInfo SumLevels[] = {
    {"Tb_ClassesSum", "Fd_Class", "Tb_Students", "正在统计班级人数...",
     {"统计班级总人数", "统计班级男生人数", "统计班级免体人数", "统计班级女生人数和应测人数"},
     "正在统计班级成绩...",
     {"统计班级优秀率", "统计班级良好率", "统计班级及格率", "统计班级总分"}},
    {"Tb_GradeSum", "Fd_Grade", "Vw_Students", "正在统计年级人数...",
     {"统计年级总人数", "统计年级男生总人数", nullptr, "统计年级女生总人数和应测人数"},
     "正在统计年级成绩...",
     {"统计年级优秀率", "统计年级良好率", "统计年级及格率", "统计年级总分"}},
    {"Tb_SchoolSum", nullptr, "Vw_Students", "正在统计学校总人数...",
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

// Counts of Source rows meeting Condition per unit (rows only for units that have some), or for
// the whole school (always one row, 0 included).
String UnitCounts(const TSumLevelInfo& Level, const String& Source, const String& Condition) {
  const String where = Condition.empty() ? String() : " where " + Condition;
  if (!Level.Key) return "(select count(*) as Fd_Count from " + Source + where + ") s";
  return String("(select ") + Level.Key + ", count(*) as Fd_Count from " + Source + where + " group by " +
         Level.Key + ") s";
}

// The summary row a count row belongs to; an empty key is a unit of its own.
String SameUnit(const TSumLevelInfo& Level) {
  return Level.Key ? String(" where ") + Level.Table + "." + Level.Key + " is s." + Level.Key : String();
}

void AppendUnits(TdmGym& Module, const TSumLevelInfo& Level) {
  const String counts = Level.Key ? String("select ") + Level.Key + ", count(*) from " + Level.Students +
                                        " group by " + Level.Key
                                  : String("select 1, count(*) from ") + Level.Students;
  RunSql(Module.adqExecSql, String("insert into ") + Level.Table + " (" + (Level.Key ? Level.Key : "Fd_AutoID") +
                                ", Fd_AllTotal) " + counts);
}

void StoreCount(TdmGym& Module, const TSumLevelInfo& Level, const String& Column, const String& Condition,
                const TSqlParams& Params = {}) {
  RunSql(Module.adqExecSql,
         String("update ") + Level.Table + " set " + Column + " = s.Fd_Count from " +
             UnitCounts(Level, Level.Students, Condition) + SameUnit(Level),
         Params);
}

void StoreGirlsAndTested(TdmGym& Module, const TSumLevelInfo& Level) {
  RunSql(Module.adqExecSql, String("update ") + Level.Table +
                                " set Fd_GirlTotal = coalesce(Fd_AllTotal, 0) - coalesce(Fd_BoyTotal, 0),"
                                " Fd_TestTotal = coalesce(Fd_AllTotal, 0) - coalesce(Fd_FreeTotal, 0)");
}

// A band's count and its rate in percent of the students to be tested, rounded half to even; a
// unit with nobody to be tested has the rate 0.
void StoreBand(TdmGym& Module, const TSumLevelInfo& Level, const TBand& Band) {
  const String tested = String(Level.Table) + ".Fd_TestTotal";
  const String rate = "case when coalesce(" + tested + ", 0) = 0 then 0 else " +
                      RoundHalfEvenSql("s.Fd_Count * 100.0 / " + tested) + " end";
  const String name = Band.Name;
  RunSql(Module.adqExecSql, String("update ") + Level.Table + " set Fd_" + name + "Count = s.Fd_Count, Fd_" + name +
                                "Ration = " + rate + " from " + UnitCounts(Level, "Vw_UptoCard", Band.Condition) +
                                SameUnit(Level));
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

void SumCounts(TdmGym& Module, TProgressTask* Progress, const TSumLevelInfo& Level) {
  ShowTask(Progress, Level.CountTexts[0], 1);
  AppendUnits(Module, Level);
  ShowTask(Progress, Level.CountTexts[1], 1);
  StoreCount(Module, Level, "Fd_BoyTotal", "Fd_Sex = :ASex", {{"ASex", SexNames[0]}});
  if (Level.CountTexts[2]) ShowTask(Progress, Level.CountTexts[2], 1);
  StoreCount(Module, Level, "Fd_FreeTotal", "Fd_FreeSign = 1");
  ShowTask(Progress, Level.CountTexts[3], 1);
  StoreGirlsAndTested(Module, Level);
}

void SumBands(TdmGym& Module, TProgressTask* Progress, const TSumLevelInfo& Level) {
  for (size_t i = 0; i < std::size(Bands); ++i) {
    ShowTask(Progress, Level.BandTexts[i], 1);
    StoreBand(Module, Level, Bands[i]);
  }
  StorePoints(Module, Level);
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
  ShowTask(Progress, level.CountingText, 1);
  RunSql(adqExecSql, String("delete from ") + level.Table);
  SumCounts(*this, Progress, level);
  ShowTask(Progress, level.BandsText, 1);
  SumBands(*this, Progress, level);
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
