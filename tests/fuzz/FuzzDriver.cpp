// Runs a fuzz target without libFuzzer: every file of the seed corpus as it is, then a fixed
// number of inputs mutated from those seeds with a fixed random seed, so that each build repeats
// the same inputs. Any sanitizer report or crash fails the test.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Bytes = std::vector<uint8_t>;

std::vector<Bytes> ReadCorpus(const std::filesystem::path& dir) {
  std::vector<Bytes> seeds;
  if (std::filesystem::is_directory(dir))
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      std::ifstream in(entry.path(), std::ios::binary);
      seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  if (seeds.empty()) seeds.emplace_back();
  return seeds;
}

Bytes Mutate(Bytes input, std::mt19937& rng) {
  const int edits = 1 + int(rng() % 8);
  for (int e = 0; e < edits; ++e) {
    const size_t at = input.empty() ? 0 : rng() % input.size();
    switch (rng() % 5) {
      case 0: if (!input.empty()) input[at] ^= uint8_t(1u << (rng() % 8)); break;
      case 1: if (!input.empty()) input[at] = uint8_t(rng()); break;
      case 2: input.insert(input.begin() + at, uint8_t(rng())); break;
      case 3: if (!input.empty()) input.erase(input.begin() + at); break;
      case 4: input.resize(at); break;
    }
  }
  return input;
}

void Run(const Bytes& input) { LLVMFuzzerTestOneInput(input.data(), input.size()); }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <corpus-dir> <mutations>\n", argv[0]);
    return 2;
  }
  const std::vector<Bytes> seeds = ReadCorpus(argv[1]);
  for (const Bytes& seed : seeds) Run(seed);
  std::mt19937 rng(20261210);
  const long mutations = std::atol(argv[2]);
  for (long i = 0; i < mutations; ++i) Run(Mutate(seeds[rng() % seeds.size()], rng));
  std::printf("%zu seeds and %ld mutations ran clean\n", seeds.size(), mutations);
  return 0;
}
