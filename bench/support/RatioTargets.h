// Figures that a benchmark program states as the ratio of two of its benchmarks, each measured
// beside its yardstick in the same run: the program runs its benchmarks, then prints every figure
// with its target and fails (exit status 1) when one is missed.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// The ratio Measured / Yardstick of two benchmarks (names with their arguments, "BM_Read/1") may
// be at most Most. It is taken from the CPU times, median over the repetitions of the run, since
// the machine may be busy with other work; the wall-time ratio is shown beside it.
struct TRatioTarget {
  const char* Figure;
  const char* Measured;
  const char* Yardstick;
  double Most;
};

// The console output, and the CPU and wall time per iteration of each repetition of every
// benchmark, in the benchmark's time unit.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  struct TTimes {
    std::vector<double> Cpu;
    std::vector<double> Wall;
  };

  void ReportRuns(const std::vector<Run>& Runs) override {
    for (const Run& run : Runs) {
      if (run.error_occurred) continue;
      const std::string name = run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
      // Repeated runs reported by their aggregates alone still give their median.
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Iteration || (median && FTimes[name].Cpu.empty())) {
        FTimes[name].Cpu.push_back(run.GetAdjustedCPUTime());
        FTimes[name].Wall.push_back(run.GetAdjustedRealTime());
      }
    }
    ConsoleReporter::ReportRuns(Runs);
  }

  const TTimes* Times(const std::string& Name) const {
    const auto it = FTimes.find(Name);
    return it == FTimes.end() ? nullptr : &it->second;
  }

 private:
  std::map<std::string, TTimes> FTimes;
};

inline double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  const size_t half = Values.size() / 2;
  return Values.size() % 2 ? Values[half] : (Values[half - 1] + Values[half]) / 2;
}

// "min / median / max" of the CPU times of one benchmark's repetitions.
inline std::string Spread(const char* Name, const std::vector<double>& Cpu) {
  char text[160];
  std::snprintf(text, sizeof text, "%s %.3g / %.3g / %.3g", Name, *std::min_element(Cpu.begin(), Cpu.end()),
                Median(Cpu), *std::max_element(Cpu.begin(), Cpu.end()));
  return text;
}

// Prints the figure and the CPU times it comes from; answers whether it met its target. A figure
// whose benchmarks did not run (left out by a filter) is only named.
inline bool CheckRatioTarget(const TRatioReporter& Reporter, const TRatioTarget& Target) {
  const TRatioReporter::TTimes* measured = Reporter.Times(Target.Measured);
  const TRatioReporter::TTimes* yardstick = Reporter.Times(Target.Yardstick);
  if (!measured || !yardstick) {
    std::printf("%s: not measured in this run\n", Target.Figure);
    return true;
  }
  const double cpu = Median(measured->Cpu) / Median(yardstick->Cpu);
  const double wall = Median(measured->Wall) / Median(yardstick->Wall);
  const bool met = cpu <= Target.Most;
  std::printf("%s: %.2fx CPU (%.2fx wall), target at most %.2fx: %s\n  CPU min / median / max: %s; %s\n",
              Target.Figure, cpu, wall, Target.Most, met ? "met" : "MISSED",
              Spread(Target.Measured, measured->Cpu).c_str(), Spread(Target.Yardstick, yardstick->Cpu).c_str());
  return met;
}

// The whole program: the benchmarks the command line selects, then the figures.
inline int RunWithRatioTargets(int Argc, char** Argv, const std::vector<TRatioTarget>& Targets) {
  benchmark::Initialize(&Argc, Argv);
  if (benchmark::ReportUnrecognizedArguments(Argc, Argv)) return 1;
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  bool met = true;
  for (const TRatioTarget& target : Targets) met = CheckRatioTarget(reporter, target) && met;
  return met ? 0 : 1;
}
