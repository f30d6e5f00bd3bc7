// Speed of the script interpreter as bands run it: a script compiled once and run for every
// record of a large source (a condition, assignments and a short loop per record), and the
// compiler itself on a script of typical size.
#include <benchmark/benchmark.h>

#include "report/FR_Intrp.h"

namespace {

constexpr int kRecords = 100000;

// Script variables in a list of their own; the record number comes through the value event.
class BenchInterpreter : public TfrInterpretator {
 public:
  void GetValue(const String& Name, Variant& Value) override {
    Value = Name == "RECNO" ? Variant(RecNo) : Variables.Variable(Name);
  }
  void SetValue(const String& Name, const Variant& Value) override { Variables.SetVariable(Name, Value); }
  TfrVariables Variables;
  int RecNo = 0;
};

TStringList Script() {
  TStringList source;
  source.Add("begin");
  source.Add("  if [RecNo] mod 2 = 0 then Even := Even + 1 else Odd := Odd + 1;");
  source.Add("  Total := 0;");
  source.Add("  for i := 1 to 3 do Total := Total + i * [RecNo];");
  source.Add("  Memo1.Text := 'No. ' + str([RecNo])");
  source.Add("end");
  return source;
}

// One iteration runs the compiled script once for every record.
void BM_RunScriptPerRecord(benchmark::State& state) {
  BenchInterpreter interpreter;
  TStringList compiled, errors;
  interpreter.PrepareScript(Script(), compiled, errors);
  for (const char* name : {"Even", "Odd"}) interpreter.Variables.SetVariable(name, 0);
  for (auto _ : state) {
    for (int i = 0; i < kRecords; ++i) {
      interpreter.RecNo = i;
      interpreter.DoScript(compiled);
    }
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_RunScriptPerRecord)->Unit(benchmark::kMillisecond);

void BM_CompileScript(benchmark::State& state) {
  BenchInterpreter interpreter;
  const TStringList source = Script();
  TStringList compiled, errors;
  for (auto _ : state) interpreter.PrepareScript(source, compiled, errors);
}
BENCHMARK(BM_CompileScript)->Unit(benchmark::kMicrosecond);

}  // namespace
