// A teacher's batch check: one lesson's check script over 30 copies of its project, each
// loaded into a fresh trainer in a folder of its own.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "batch.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void BM_CheckThirtyProjects(benchmark::State& state) {
  const fs::path examples = TESSARO_EXAMPLES;
  std::string folder = (fs::temp_directory_path() / "tessaro-batch-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) return state.SkipWithError("no temporary folder");
  std::vector<std::string> files;
  for (int i = 1; i <= 30; ++i) {
    files.push_back((fs::path(folder) / ("student" + std::to_string(i) + ".txt")).string());
    fs::copy_file(examples / "heater_pid.txt", files.back());
  }
  tessaro::sim::Check check;
  if (!tessaro::sim::ReadCheck(ReadFile(examples / "checks" / "heater_pid.sim"), check).empty()) {
    return state.SkipWithError("the check does not read");
  }
  for (auto _ : state) {
    std::ostringstream out;
    std::ostringstream err;
    const auto results = tessaro::sim::CheckProjects(check, files, out, err);
    if (tessaro::sim::BatchStatus(results) != 0) state.SkipWithError("a check failed");
    benchmark::DoNotOptimize(results);
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_CheckThirtyProjects)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
