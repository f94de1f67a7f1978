// The scan with the controller windows on screen: three PID controllers running in "auto"
// with their faceplates shown at full width, every tick followed by the repaints it caused.
// Run with QT_QPA_PLATFORM=offscreen (or under X) from the build folder, which holds
// Velden/papier.bmp. Reports, per scan cycle, the slowest of its four ticks (the one that runs
// the controllers and draws their trends): mean, 99th percentile and worst. Two signals: a
// steady process that swings slowly, and a rough one that jumps by 30 steps every cycle, so
// that every line is drawn as a saw across the whole trend.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "engine/board/simulated_board.h"
#include "engine/control/pid_faceplate.h"
#include "engine/control/trend.h"
#include "engine/core/messages.h"
#include "engine/core/operator_screen.h"
#include "engine/core/process_image.h"
#include "engine/screen/screen_items.h"
#include "ui/control/faceplate_window.h"
#include "ui/core/main_window.h"
#include "ui/core/trainer.h"
#include "ui/editor/logic_grid_window.h"

namespace tessaro {
namespace {

class SilentMessages : public Messages {
 public:
  void Information(const std::string&) override {}
  bool Question(const std::string&, const std::string&) override { return false; }
  void Error(const std::string&) override {}
};

struct Running {
  explicit Running(bool rough)
      : rough(rough), trainer(image, board, messages, std::filesystem::current_path()) {
    MainWindow& screen = trainer.main_window();
    screen.show();
    for (int n = 1; n <= 3; ++n) {
      image.FieldGrid[n][1] = "Spin" + std::to_string(n);
      image.FieldGrid[n][2] = "Reg" + std::to_string(n);
      image.RangeHigh[8 + n] = 150;
      image.RangeUnit[8 + n] = "degC";
      SetItemVisible(image, screen, ItemIndex("Reg" + std::to_string(n)), true);
      emit screen.RegelaarClicked(n);
      auto* grafiek = trainer.faceplate(n).findChild<QPushButton*>(QStringLiteral("GKknop"));
      grafiek->click();
      grafiek->click();
      pid::AutoButtonClick(image, n);
    }
    QApplication::processEvents();
    // A full history first, so that every line runs the whole width of its trend.
    for (int i = 0; i < 4 * kTrendLength; ++i) Tick();
  }

  // One tick and the repaints it caused.
  void Tick() {
    const long second = ticks++ / 4;
    for (int n = 1; n <= 3; ++n) {
      image.KnobValue[n] =
          rough ? static_cast<int32_t>((second * (30 + n)) % 256)
                : static_cast<int32_t>(std::lround(128 + 100 * std::sin(second * n / 40.0)));
    }
    trainer.schakelblok();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
  }

  const bool rough;
  ProcessImage image;
  SimulatedBoard board;
  SilentMessages messages;
  Trainer trainer;
  long ticks = 0;
};

void BM_ControllerTickWithPidFaceplates(benchmark::State& state) {
  Running run(state.range(0) != 0);
  std::vector<double> slowest_ms;
  for (auto _ : state) {
    double slowest = 0;
    for (int i = 0; i < 4; ++i) {
      const auto start = std::chrono::steady_clock::now();
      run.Tick();
      const std::chrono::duration<double, std::milli> took =
          std::chrono::steady_clock::now() - start;
      slowest = std::max(slowest, took.count());
    }
    slowest_ms.push_back(slowest);
  }
  std::sort(slowest_ms.begin(), slowest_ms.end());
  const auto count = static_cast<double>(slowest_ms.size());
  state.counters["tick_mean_ms"] =
      std::accumulate(slowest_ms.begin(), slowest_ms.end(), 0.0) / count;
  state.counters["tick_p99_ms"] = slowest_ms[static_cast<size_t>(0.99 * (count - 1))];
  state.counters["tick_max_ms"] = slowest_ms.back();
}
BENCHMARK(BM_ControllerTickWithPidFaceplates)
    ->ArgName("rough")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0);

// A full grid — an input on every row of column 1, a wire or block in every field of columns
// 2..6, an output on every row of column 7 — with the logic grid shown, so that every cycle
// paints its wire and parameter captions. Reports the slowest of the four ticks of a cycle.
void BM_ScanTickWithFullGridShown(benchmark::State& state) {
  ProcessImage image;
  SimulatedBoard board;
  SilentMessages messages;
  Trainer trainer(image, board, messages, std::filesystem::current_path());
  trainer.main_window().show();
  const char* inputs[] = {"Spin1", "Spin2", "Knop1", "Sinus", "A1in", "D1in", "A2in", "Spin3"};
  const char* blocks[] = {"Draad1", "AND1", "ADS", "Draad1", "Tup", "OR2", "Draad1",
                          "Flipflop", "Not", "Taf", "Soff", "Blinker", "RR1", "Draad13"};
  const char* outputs[] = {"D1uit", "D2uit", "D3uit", "D4uit", "D5uit", "D6uit", "A1uit", "A2uit"};
  for (int r = 1; r <= kRows; ++r) {
    image.FieldGrid[r][1] = inputs[r % 8];
    for (int c = 2; c <= 6; ++c) image.FieldGrid[r][c] = blocks[(r * 5 + c) % 14];
    image.FieldGrid[r][7] = outputs[r % 8];
  }
  emit trainer.main_window().LogicsClicked();
  QApplication::processEvents();
  std::vector<double> slowest_ms;
  long tick = 0;
  for (auto _ : state) {
    double slowest = 0;
    for (int i = 0; i < 4; ++i) {
      image.KnobValue[1] = static_cast<int32_t>((tick++ / 4 * 37) % 256);
      const auto start = std::chrono::steady_clock::now();
      trainer.schakelblok();
      QApplication::sendPostedEvents();
      QApplication::processEvents();
      const std::chrono::duration<double, std::milli> took =
          std::chrono::steady_clock::now() - start;
      slowest = std::max(slowest, took.count());
    }
    slowest_ms.push_back(slowest);
  }
  std::sort(slowest_ms.begin(), slowest_ms.end());
  const auto count = static_cast<double>(slowest_ms.size());
  state.counters["tick_mean_ms"] =
      std::accumulate(slowest_ms.begin(), slowest_ms.end(), 0.0) / count;
  state.counters["tick_p99_ms"] = slowest_ms[static_cast<size_t>(0.99 * (count - 1))];
}
BENCHMARK(BM_ScanTickWithFullGridShown)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
}  // namespace tessaro

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
