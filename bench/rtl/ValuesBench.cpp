// Speed of the value routines that reports and grids call per cell: picture formats for numbers
// and dates, and Variant arithmetic and comparison as the report evaluator uses them.
#include <benchmark/benchmark.h>

#include "rtl/Convert.h"
#include "rtl/DateTime.h"
#include "rtl/Variant.h"

namespace {

void BM_FormatFloat(benchmark::State& state, const char* format) {
  double value = 1234.5678;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatFloat(format, value));
    value += 0.01;
  }
}
BENCHMARK_CAPTURE(BM_FormatFloat, TwoDecimals, "0.00");
BENCHMARK_CAPTURE(BM_FormatFloat, Thousands, "#,##0.00");
BENCHMARK_CAPTURE(BM_FormatFloat, Sections, "(SUM=0.00);(SUM=-0.00)");
BENCHMARK_CAPTURE(BM_FormatFloat, Scientific, "0.000E+00");

void BM_FloatToStr(benchmark::State& state) {
  double value = 1234.5678;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FloatToStr(value));
    value += 0.01;
  }
}
BENCHMARK(BM_FloatToStr);

void BM_FormatDateTime(benchmark::State& state, const char* format) {
  const TDateTime start = EncodeDate(2004, 3, 7) + EncodeTime(9, 30, 15, 0);
  TDateTime value = start;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatDateTime(format, value));
    value = value < start + 3650 ? value + 1.001 : start;  // a different day and minute each time
  }
}
BENCHMARK_CAPTURE(BM_FormatDateTime, Date, "yyyy-mm-dd");
BENCHMARK_CAPTURE(BM_FormatDateTime, ChineseDate, "yyyy'年'mm'月'dd'日'");
BENCHMARK_CAPTURE(BM_FormatDateTime, DateAndTime, "yyyy-mm-dd hh:nn:ss");

void BM_StrToDate(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(StrToDate("2004-3-7"));
}
BENCHMARK(BM_StrToDate);

void BM_VariantAddIntegers(benchmark::State& state) {
  Variant sum = 0;
  const Variant one = 1;
  for (auto _ : state) {
    sum = sum + one;
    if (sum.AsInteger() > 1000000) sum = 0;
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_VariantAddIntegers);

void BM_VariantMixedArithmetic(benchmark::State& state) {
  const Variant price = 12.5, count = 3, discount = Variant::FromCurrency(0.25);
  for (auto _ : state) benchmark::DoNotOptimize(price * count - discount);
}
BENCHMARK(BM_VariantMixedArithmetic);

void BM_VariantNumericString(benchmark::State& state) {
  const Variant text = "12.5", number = 2;
  for (auto _ : state) benchmark::DoNotOptimize(text + number);
}
BENCHMARK(BM_VariantNumericString);

void BM_VariantCompare(benchmark::State& state) {
  const Variant a = 3, b = 3.5, name1 = "高一(1)班", name2 = "高一(2)班";
  for (auto _ : state) {
    benchmark::DoNotOptimize(a < b);
    benchmark::DoNotOptimize(VarSameValue(name1, name2));
  }
}
BENCHMARK(BM_VariantCompare);

}  // namespace
