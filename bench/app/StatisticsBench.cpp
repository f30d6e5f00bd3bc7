// Rebuilding the student cards and the class, grade and school statistics of a school of 3,000
// students in 60 classes with 50,000 fitness and 30,000 examination results (and of ten times
// that), beside one plain read of the fitness results stepped with the SQLite library alone.
// Targets, checked at the end of the run: the rebuild takes at most three times that read, and
// stays linear, the school ten times as large taking at most eleven times as long.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "app/data/KvData.h"
#include "report/FR_Register.h"
#include "support/RatioTargets.h"
#include "tools/DatabaseBuilder.h"

namespace {

// A school of Scale × 3,000 students in Scale × 60 classes, made once per scale in a temporary
// folder: boys and girls alternate, every 37th student is exempt; every student has results of
// every fitness item, and examination results of every part.
class BenchSchool {
 public:
  explicit BenchSchool(int Scale)
      : FPath(std::filesystem::temp_directory_path() / ("quorin-bench-school-" + std::to_string(Scale) + ".db")) {
    std::filesystem::remove(FPath);
    BuildDatabase(FPath, {QUORIN_SCHEMA_FILE, QUORIN_SEED_FILE});
    sqlite3* db = nullptr;
    sqlite3_open(FPath.c_str(), &db);
    const std::string classes = std::to_string(60 * Scale), students = std::to_string(3000 * Scale);
    const std::string fill =
        "with recursive n(i) as (select 0 union all select i + 1 from n where i < " + classes + " - 1)"
        " insert into Tb_Classes (Fd_Grade, Fd_Class, Fd_OrderNo)"
        " select g.Fd_Grade, g.Fd_Grade || '(' || (i / 3 + 1) || ')班', i from n, Tb_Grade g where g.rowid = i % 3 + 1;"
        "with recursive n(i) as (select 0 union all select i + 1 from n where i < " + students + " - 1)"
        " insert into Tb_Students (Fd_StuNo, Fd_Name, Fd_Sex, Fd_Class, Fd_FreeSign)"
        " select 20260000 + i, '学生' || i, case when i % 2 = 0 then '男' else '女' end,"
        " (select Fd_Class from Tb_Classes where Fd_OrderNo = i % " + classes + "), i % 37 = 0 from n;"
        "with recursive n(i) as (select 0 union all select i + 1 from n where i < " + std::to_string(50000 * Scale) +
        " - 1) insert into Tb_UptoProcess (Fd_StuNo, Fd_TestDate, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal)"
        " select 20260000 + i % " + students + ", '2026-10-12 09:30:00',"
        " (select Fd_ProgNo from Tb_UptoProg p where p.rowid = (i / " + students + ") % 8 + 1), '高一',"
        " 1.5 + i % 97, (i * 7 % 21) * 5 from n;"
        "with recursive n(i) as (select 0 union all select i + 1 from n where i < " + std::to_string(30000 * Scale) +
        " - 1) insert into Tb_ExamProcess (Fd_StuNo, Fd_TestDate, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal,"
        " Fd_TestPart, Fd_TermType)"
        " select 20260000 + i % " + students + ", '2026-11-02 00:00:00', 'E01', '高一', 7.5, i * 13 % 101,"
        " (i / " + students + ") % 4, 1 from n;";
    char* error = nullptr;
    if (sqlite3_exec(db, fill.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
      const std::string message = error ? error : "fill failed";
      sqlite3_free(error);
      sqlite3_close(db);
      throw std::runtime_error(message);
    }
    sqlite3_close(db);
  }
  ~BenchSchool() { std::filesystem::remove(FPath); }
  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};

const BenchSchool& School(int Scale) {
  static std::map<int, std::unique_ptr<BenchSchool>> schools;
  auto& school = schools[Scale];
  if (!school) school = std::make_unique<BenchSchool>(Scale);
  return *school;
}

// The data module on the school's file, through the settings as the program finds it. Only the
// classes of its own stored layout are registered: no window is made.
TComponentPtr<TdmGym> DataModule(const std::filesystem::path& Path) {
  static const bool registered = [] {
    setenv("QUORIN_REGISTRY", (std::filesystem::temp_directory_path() / "quorin-bench-registry.ini").c_str(), 1);
    RegisterReportClasses();
    RegisterClass<TdmGym, TComponent>("TdmGym");
    return true;
  }();
  (void)registered;
  SetDatabaseFile(Path.string());
  TComponentPtr<TdmGym> module(TdmGym::Create(nullptr));
  if (!module->Connected()) throw std::runtime_error("no connection to " + Path.string());
  return module;
}

// Every row of the fitness results, each column read as the kind SQLite holds; answers the rows.
int64_t ReadResults(sqlite3* Db) {
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(Db, "select * from Tb_UptoProcess", -1, &statement, nullptr);
  const int columns = sqlite3_column_count(statement);
  int64_t rows = 0;
  while (sqlite3_step(statement) == SQLITE_ROW) {
    for (int i = 0; i < columns; ++i) {
      switch (sqlite3_column_type(statement, i)) {
        case SQLITE_INTEGER: benchmark::DoNotOptimize(sqlite3_column_int64(statement, i)); break;
        case SQLITE_FLOAT: benchmark::DoNotOptimize(sqlite3_column_double(statement, i)); break;
        case SQLITE_TEXT: benchmark::DoNotOptimize(sqlite3_column_text(statement, i)); break;
        default: break;
      }
    }
    ++rows;
  }
  sqlite3_finalize(statement);
  return rows;
}

// Both cards and the three summary tables, each rebuilt once, in one transaction.
void RebuildAll(TdmGym& Module) {
  Module.RebuildInTransaction([&] {
    Module.ClearUptoCard();
    Module.BuildUptoCard(nullptr, String());
    Module.BuildExamCard(nullptr, String());
    Module.SumUnits(nullptr, TdmGym::slClasses);
    Module.SumUnits(nullptr, TdmGym::slGrades);
    Module.SumUnits(nullptr, TdmGym::slSchool);
  });
}

// Each benchmark runs its work once untimed, so that every iteration finds the file's pages in
// the system's cache.
void BM_ReadResultsWithSqlite(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(School(int(state.range(0))).Path().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  ReadResults(db);
  for (auto _ : state)
    if (ReadResults(db) != 50000 * state.range(0)) state.SkipWithError("wrong row count");
  sqlite3_close(db);
}
BENCHMARK(BM_ReadResultsWithSqlite)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Repetitions(3);

void BM_RebuildCardsAndStatistics(benchmark::State& state) {
  TComponentPtr<TdmGym> module = DataModule(School(int(state.range(0))).Path());
  RebuildAll(*module);
  for (auto _ : state) RebuildAll(*module);
}
BENCHMARK(BM_RebuildCardsAndStatistics)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Repetitions(3);

// One statistics run as the class report starts it: the fitness cards, then the class table.
void BM_SumClasses(benchmark::State& state) {
  TComponentPtr<TdmGym> module = DataModule(School(int(state.range(0))).Path());
  module->SumClasses(nullptr);
  for (auto _ : state) module->SumClasses(nullptr);
}
BENCHMARK(BM_SumClasses)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Repetitions(3);

}  // namespace

int main(int argc, char** argv) {
  return RunWithRatioTargets(
      argc, argv,
      {{"rebuild of the school / one read of its results", "BM_RebuildCardsAndStatistics/1",
        "BM_ReadResultsWithSqlite/1", 3.0},
       {"rebuild of the ten times larger school / rebuild of the school", "BM_RebuildCardsAndStatistics/10",
        "BM_RebuildCardsAndStatistics/1", 11.0}});
}
