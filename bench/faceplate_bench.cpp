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
#include <malloc.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include "engine/board/simulated_board.h"
#include "engine/control/pid_faceplate.h"
#include "engine/control/recorder.h"
#include "engine/control/trend.h"
#include "engine/core/messages.h"
#include "engine/core/operator_screen.h"
#include "engine/core/process_image.h"
#include "engine/screen/screen_items.h"
#include "ui/control/chart_painter.h"
#include "ui/control/faceplate_window.h"
#include "ui/core/main_window.h"
#include "ui/core/picture_loader.h"
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

// The process's resident memory now, once the heap has handed back what earlier cases freed.
double ResidentMiB() {
  malloc_trim(0);
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024;
  }
  return 0;
}

double Milliseconds(std::chrono::steady_clock::duration took) {
  return std::chrono::duration<double, std::milli>(took).count();
}

// Mean and 99th percentile (and worst) of the slowest tick of each cycle.
void Report(benchmark::State& state, std::vector<double> slowest_ms,
            const std::string& part = "tick_") {
  std::sort(slowest_ms.begin(), slowest_ms.end());
  const auto count = static_cast<double>(slowest_ms.size());
  state.counters[part + "mean_ms"] =
      std::accumulate(slowest_ms.begin(), slowest_ms.end(), 0.0) / count;
  state.counters[part + "p99_ms"] = slowest_ms[static_cast<size_t>(0.99 * (count - 1))];
  state.counters[part + "max_ms"] = slowest_ms.back();
}

// The slowest of the four ticks of one cycle of `tick`.
template <typename Tick>
double SlowestOfCycle(Tick&& tick) {
  double slowest = 0;
  for (int i = 0; i < 4; ++i) {
    const auto start = std::chrono::steady_clock::now();
    tick();
    slowest = std::max(slowest, Milliseconds(std::chrono::steady_clock::now() - start));
  }
  return slowest;
}

void BM_ControllerTickWithPidFaceplates(benchmark::State& state) {
  Running run(state.range(0) != 0);
  std::vector<double> slowest_ms;
  for (auto _ : state) slowest_ms.push_back(SlowestOfCycle([&] { run.Tick(); }));
  Report(state, std::move(slowest_ms));
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
    slowest_ms.push_back(SlowestOfCycle([&] {
      image.KnobValue[1] = static_cast<int32_t>((tick++ / 4 * 37) % 256);
      trainer.schakelblok();
      QApplication::sendPostedEvents();
      QApplication::processEvents();
    }));
  }
  Report(state, std::move(slowest_ms));
}
BENCHMARK(BM_ScanTickWithFullGridShown)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The busiest operator screen: all nine controllers in "auto" and all eight recorders, every
// window open (the faceplates as they open, narrow, or with range(0) at full width), a knob
// swinging each controller's input. Reports, per cycle, the slowest of its four ticks with the
// repaint that followed it (tick_), the slowest timer tick alone — the scan and the drawing
// into the charts (scan_) — and the slowest repaint (frame_); and the resident memory.
void BM_TickWithEveryInstrumentWindowOpen(benchmark::State& state) {
  ProcessImage image;
  SimulatedBoard board;
  SilentMessages messages;
  Trainer trainer(image, board, messages, std::filesystem::current_path());
  MainWindow& screen = trainer.main_window();
  screen.show();
  for (int n = 1; n <= 9; ++n) {
    const int row = n;
    image.FieldGrid[row][1] = "Spin" + std::to_string(1 + (n - 1) % 5);
    image.FieldGrid[row][2] = "Reg" + std::to_string(n);
    image.RangeHigh[8 + n] = 150;
    image.RangeUnit[8 + n] = "degC";
    SetItemVisible(image, screen, ItemIndex("Reg" + std::to_string(n)), true);
    emit screen.RegelaarClicked(n);
    FaceplateWindow& plate = trainer.faceplate(n);
    plate.findChild<QPushButton*>(QStringLiteral("AutoButton"))->click();
    if (state.range(0) != 0) {
      auto* grafiek = plate.findChild<QPushButton*>(QStringLiteral("GKknop"));
      grafiek->click();
      if (n <= 3 || n >= 7) grafiek->click();  // PID and on/off plates have a widest step
    }
  }
  for (int n = 1; n <= 8; ++n) {
    image.FieldGrid[n][3] = "Rec" + std::to_string(n);
    image.RangeHigh[n] = 100;
    SetItemVisible(image, screen, ItemIndex("Rec" + std::to_string(n)), true);
    emit screen.RecorderClicked(n);
  }
  QApplication::processEvents();
  long tick = 0;
  const auto scan = [&] {
    const long second = tick++ / 4;
    for (int k = 1; k <= 5; ++k) {
      image.KnobValue[k] = static_cast<int32_t>(std::lround(128 + 100 * std::sin(second * k / 40.0)));
    }
    trainer.schakelblok();
  };
  const auto repaint = [] {
    QApplication::sendPostedEvents();
    QApplication::processEvents();
  };
  // Full histories first, so that every line runs the whole width of its chart.
  for (int i = 0; i < 4 * 480; ++i) {
    scan();
    repaint();
  }
  // Per cycle: the slowest timer tick alone (the scan and the drawing into the charts), the
  // slowest repaint of the windows that followed a tick, and the slowest tick with its repaint.
  std::vector<double> tick_ms, frame_ms, both_ms;
  for (auto _ : state) {
    double tick_slowest = 0, frame_slowest = 0, both_slowest = 0;
    for (int i = 0; i < 4; ++i) {
      const auto start = std::chrono::steady_clock::now();
      scan();
      const auto scanned = std::chrono::steady_clock::now();
      repaint();
      const auto painted = std::chrono::steady_clock::now();
      tick_slowest = std::max(tick_slowest, Milliseconds(scanned - start));
      frame_slowest = std::max(frame_slowest, Milliseconds(painted - scanned));
      both_slowest = std::max(both_slowest, Milliseconds(painted - start));
    }
    tick_ms.push_back(tick_slowest);
    frame_ms.push_back(frame_slowest);
    both_ms.push_back(both_slowest);
  }
  Report(state, std::move(both_ms));
  Report(state, std::move(tick_ms), "scan_");
  Report(state, std::move(frame_ms), "frame_");
  state.counters["rss_mib"] = ResidentMiB();
}
BENCHMARK(BM_TickWithEveryInstrumentWindowOpen)
    ->ArgName("wide")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0);

// One recorder chart drawn sample after sample, without a window: what the drawing itself
// costs. The signal swings (range(0) = 0) or holds still, as a settled process does (1).
void BM_RecorderChartDrawing(benchmark::State& state) {
  PictureLoader pictures(std::filesystem::current_path());
  ChartPainter painter(pictures, kRecorderPaper, QSize(584, 308));
  RecorderTrend history{};
  const auto scale = RecorderScale(100, 0, "%");
  long sample = 0;
  const auto draw = [&] {
    const double swing = state.range(0) == 0 ? std::sin(sample / 40.0) : 0.5;
    PushNewest(history, static_cast<uint8_t>(std::lround(128 + 100 * swing)));
    ++sample;
    const auto line = RecorderLine(history);
    painter.Paint(scale, {{line, kRecorderPen}});
  };
  for (size_t i = 0; i < history.size(); ++i) draw();
  for (auto _ : state) draw();
}
BENCHMARK(BM_RecorderChartDrawing)
    ->ArgName("steady")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessaro

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
