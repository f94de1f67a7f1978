// Full scan cycles (four ticks) over a grid with every field in use: an input in every row
// of column 1, a wire or block in every field of columns 2..6, an output in every row of
// column 7. Reports cycles per second and heap allocations per cycle.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "engine/core/scan.h"
#include "engine/core/screen_view.h"

namespace {

std::atomic<long> g_allocations{0};

}  // namespace

// Every heap allocation is counted; the replacement pair is malloc/free throughout.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace tessaro {
namespace {

void FillGrid(ProcessImage& image) {
  const char* inputs[] = {"A1in",  "A2in",  "A3in", "A4in", "A5in",  "A6in",  "A7in",  "A8in",
                          "Spin1", "Spin2", "D1in", "D2in", "Knop1", "Knop2", "Sinus", "Spin3"};
  const std::vector<std::string> blocks = {
      "Draad1", "Draad2",  "Draad3",  "Draad4",  "Draad5",  "Draad6",  "Draad7",  "Draad8",
      "Draad9", "Draad10", "Draad11", "Draad12", "Draad13", "AND1",    "AND2",    "AND3",
      "NAND1",  "NAND2",   "NAND3",   "OR1",     "OR2",     "OR3",     "NOR1",    "NOR2",
      "NOR3",   "XOR",     "HS1",     "LS1",     "Not",     "Wortel",  "ChUp",    "ChDw",
      "RR1",    "ADS",     "Tup",     "Taf",     "Soff",    "Blinker", "Flipflop"};
  const char* outputs[] = {"A1uit", "A2uit", "D1uit", "D2uit", "D3uit", "D4uit", "D5uit", "D6uit"};
  for (int r = 1; r <= kRows; ++r) {
    image.FieldGrid[r][1] = inputs[r - 1];
    for (int c = 2; c <= 6; ++c) {
      image.FieldGrid[r][c] = blocks[static_cast<size_t>(r * 5 + c) % blocks.size()];
      image.FieldParamA[r][c] = 10 + r;
      image.FieldParamB[r][c] = 5;
    }
    image.FieldGrid[r][7] = outputs[(r - 1) % 8];
  }
  for (int n = 1; n <= 8; ++n) image.AnalogIn[n] = static_cast<uint8_t>(30 * n);
  image.KnobValue = {0, 255, 128, 0, 0, 0};
  image.ScreenButton = {0, 255, 0, 0, 0, 0, 0};
}

void BM_ScanCycle(benchmark::State& state) {
  ProcessImage image;
  ApplyStartupDefaults(image);
  FillGrid(image);
  image.LogicsOpen = static_cast<uint8_t>(state.range(0));
  SimulatedBoard board;
  board.SetDigitalInput(1, true);
  ScreenView view;                                              // shows nothing
  for (int i = 0; i < 4; ++i) schakelblok(image, board, view);  // decode the grid once

  const long allocations_before = g_allocations.load();
  for (auto _ : state) {
    for (int tick = 0; tick < 4; ++tick) schakelblok(image, board, view);
    benchmark::ClobberMemory();
  }
  const double cycles = static_cast<double>(state.iterations());
  state.counters["cycles/s"] = benchmark::Counter(cycles, benchmark::Counter::kIsRate);
  state.counters["allocs/cycle"] =
      static_cast<double>(g_allocations.load() - allocations_before) / cycles;
}
BENCHMARK(BM_ScanCycle)->ArgName("grid_open")->Arg(0)->Arg(1);

}  // namespace
}  // namespace tessaro

BENCHMARK_MAIN();
