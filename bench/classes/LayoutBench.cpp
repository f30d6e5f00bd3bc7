// Reading and writing a large window layout: a form with a few hundred controls, each with a
// handful of properties, a reference and an event, as the biggest windows of the program have.
#include <benchmark/benchmark.h>

#include "tests/support/LayoutFixture.h"

using namespace layout_fixture;

namespace {

String MakeLayout(int controls) {
  String text = "object fmBig: TFixtureForm\n";
  for (int i = 0; i < controls; ++i) {
    const String n = std::to_string(i);
    text += "  object ctl" + n + ": TFixtureControl\n    Left = " + n + "\n    Caption = '第" + n +
            "项'\n    Align = alTop\n    Anchors = [akLeft, akRight]\n    Buddy = ctl0\n"
            "    OnClick = ButtonClick\n    Lines = (\n      'a'\n      'b')\n  end\n";
  }
  return text + "end\n";
}

void BM_ReadLayout(benchmark::State& state) {
  RegisterFixtureClasses();
  const String text = MakeLayout(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto form = MakeComponent<TFixtureForm>();
    ReadLayout(text, form.get());
    benchmark::DoNotOptimize(form.get());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadLayout)->Arg(300);

void BM_WriteLayout(benchmark::State& state) {
  RegisterFixtureClasses();
  auto form = MakeComponent<TFixtureForm>();
  ReadLayout(MakeLayout(static_cast<int>(state.range(0))), form.get());
  for (auto _ : state) benchmark::DoNotOptimize(WriteLayout(form.get()));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteLayout)->Arg(300);

}  // namespace
