// Reading settings files of many sections: the registry store and an INI file of N sections,
// one value found by name afterwards. The time per section stays the same as N grows.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/IniFiles.h"
#include "settings/Registry.h"

namespace {

std::filesystem::path BenchFile(const std::string& name) { return std::filesystem::temp_directory_path() / name; }

// N sections of one value each, as a grid layout store would write them.
void WriteSections(const std::filesystem::path& file, int64_t sections, const char* valuePrefix) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (int64_t i = 0; i < sections; ++i) out << "[Software\\Layouts\\Column" << i << "]\nWidth=" << valuePrefix << i << "\n";
}

void RegistryLoad(benchmark::State& state) {
  // The store reads its file again whenever the environment names another one.
  const std::filesystem::path files[] = {BenchFile("quorin-bench-registry-a.ini"), BenchFile("quorin-bench-registry-b.ini")};
  for (const auto& file : files) WriteSections(file, state.range(0), "int:");
  const std::string last = "\\Software\\Layouts\\COLUMN" + std::to_string(state.range(0) - 1);
  int turn = 0;
  for (auto _ : state) {
    setenv("QUORIN_REGISTRY", files[turn++ % 2].c_str(), 1);
    TRegistry registry;
    registry.OpenKey(last, false);
    benchmark::DoNotOptimize(registry.ReadInteger("width"));
  }
  for (const auto& file : files) std::filesystem::remove(file);
}

void IniLoad(benchmark::State& state) {
  const std::filesystem::path file = BenchFile("quorin-bench-layout.ini");
  WriteSections(file, state.range(0), "");
  const std::string last = "Software\\Layouts\\COLUMN" + std::to_string(state.range(0) - 1);
  for (auto _ : state) {
    TMemIniFile ini(file.string());
    benchmark::DoNotOptimize(ini.ReadInteger(last, "width", 0));
  }
  std::filesystem::remove(file);
}

}  // namespace

BENCHMARK(RegistryLoad)->Arg(5000)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond);
BENCHMARK(IniLoad)->Arg(5000)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond);
