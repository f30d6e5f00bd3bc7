// Speed of the expression evaluator as bands and scripts use it: an expression converted to postfix
// once and evaluated for every record of a large source, the record's values coming through the
// parser's value event.
#include <benchmark/benchmark.h>

#include <vector>

#include "report/FR_Pars.h"

namespace {

constexpr int kRecords = 1000000;

struct Record {
  Variant Score;
  Variant Weight;
  Variant Name;
};

const std::vector<Record>& Records() {
  static const std::vector<Record> records = [] {
    std::vector<Record> out;
    out.reserve(kRecords);
    for (int i = 0; i < kRecords; ++i)
      out.push_back({Variant(40.0 + double(int64_t(i) * 7919 % 61)), Variant(1 + i % 3), Variant("学生" + std::to_string(i % 500))});
    return out;
  }();
  return records;
}

// Evaluates the compiled expression once per record; one iteration is the whole source.
void BM_EvaluatePerRecord(benchmark::State& state, const char* expression) {
  const std::vector<Record>& records = Records();
  const Record* current = nullptr;
  TfrParser parser;
  parser.OnGetValue = [&](const String& name, Variant& value) {
    if (name == "Score") value = current->Score;
    else if (name == "Weight") value = current->Weight;
    else value = current->Name;
  };
  const String postfix = parser.GetPostfix(expression);
  for (auto _ : state) {
    for (const Record& record : records) {
      current = &record;
      benchmark::DoNotOptimize(parser.CalcPostfix(postfix));
    }
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK_CAPTURE(BM_EvaluatePerRecord, Arithmetic, "[Score] * [Weight] + 2")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EvaluatePerRecord, Condition, "([Score] >= 60) and ([Weight] <> 2)")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EvaluatePerRecord, IfAndRound, "if([Score] >= 60, round([Score] / 3), [Name] + '缺考')")
    ->Unit(benchmark::kMillisecond);

}  // namespace
