// Preparing the grouped list report (A4, a group per class, "page N of M" in two passes) over
// 40,000 and 4,000 rows of a SQLite table: pages and rows per second, the memory each prepared page
// holds, and, beside it, one plain read of the same rows through the data set. The query is opened
// afresh inside every timed preparation, as a report command would.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "report/FR_Register.h"
#include "report/FR_State.h"
#include "support/GroupedListReport.h"

namespace {

// One database per row count, made once for the whole run in the temporary folder.
class BenchDatabases {
 public:
  ~BenchDatabases() {
    for (const auto& [rows, path] : FPaths) std::filesystem::remove(path);
  }
  const std::filesystem::path& Path(int Rows) {
    auto it = FPaths.find(Rows);
    if (it != FPaths.end()) return it->second;
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("quorin-bench-report-" + std::to_string(Rows) + ".db");
    std::filesystem::remove(path);
    MakeResultsDatabase(path, Rows);
    return FPaths.emplace(Rows, path).first->second;
  }

 private:
  std::map<int, std::filesystem::path> FPaths;
};

BenchDatabases& Databases() {
  static BenchDatabases databases;
  return databases;
}

double ResidentMiB() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void BM_PrepareGroupedList(benchmark::State& state) {
  const int rows = int(state.range(0));
  RegisterReportClasses();
  TGroupedListReport list(Databases().Path(rows));
  int pages = 0;
  double grown = 0, streamBytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    list.Query->Close();
    list.Report->EMFPages().Clear();
    const double before = ResidentMiB();
    state.ResumeTiming();
    if (!list.Report->PrepareReport()) state.SkipWithError(frState().EvalErrorText.c_str());
    state.PauseTiming();
    grown = ResidentMiB() - before;
    pages = list.Report->EMFPages().Count();
    streamBytes = 0;
    for (int i = 0; i < pages; ++i) streamBytes += double(list.Report->EMFPages().Pages(i).Stream.Size());
    state.ResumeTiming();
  }
  state.counters["pages"] = pages;
  state.counters["pages/s"] = benchmark::Counter(double(pages) * double(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["rows/s"] = benchmark::Counter(double(rows) * double(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["KiB/page"] = streamBytes / 1024.0 / pages;
  state.counters["RSS MiB/page"] = grown / pages;
}
double Least(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }
double Most(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

BENCHMARK(BM_PrepareGroupedList)->Arg(4000)->Arg(40000)->Unit(benchmark::kMillisecond)->Repetitions(3)
    ->ComputeStatistics("min", Least)->ComputeStatistics("max", Most);

// The floor: the same query opened and every field of every row read once.
void BM_ReadRowsThroughTheDataSet(benchmark::State& state) {
  const int rows = int(state.range(0));
  TGroupedListReport list(Databases().Path(rows));
  TADOQuery& query = *list.Query;
  for (auto _ : state) {
    query.Close();
    query.Open();
    int64_t read = 0;
    for (query.First(); !query.Eof(); query.Next(), ++read)
      for (int i = 0; i < query.FieldCount(); ++i) benchmark::DoNotOptimize(query.Fields()[i]->Value());
    if (read != rows) state.SkipWithError("wrong row count");
  }
  state.counters["rows/s"] = benchmark::Counter(double(rows) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReadRowsThroughTheDataSet)->Arg(4000)->Arg(40000)->Unit(benchmark::kMillisecond)->Repetitions(3)
    ->ComputeStatistics("min", Least)->ComputeStatistics("max", Most);

}  // namespace
