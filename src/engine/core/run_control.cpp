#include "engine/core/run_control.h"

#include <algorithm>

namespace tessaro {

namespace {

int64_t NextMultiple(int64_t t, int64_t interval) { return (t / interval + 1) * interval; }

// Fires every tick of the schedule in (program_ms, end], in time order.
void RunSchedule(RunControl& run, int64_t end, TickSink& sink) {
  while (true) {
    const int64_t next_scan = NextMultiple(run.program_ms, kScanIntervalMs);
    const int64_t next_mux = NextMultiple(run.program_ms, kMuxIntervalMs);
    const int64_t next = std::min(next_scan, next_mux);
    if (next > end) break;
    sink.PlantAdvance(next - run.program_ms);
    run.program_ms = next;
    if (next == next_scan) sink.ScanTick();
    if (next == next_mux) sink.MuxTick();
  }
  sink.PlantAdvance(end - run.program_ms);
  run.program_ms = end;
}

}  // namespace

bool SpeedOffered(const RunControl& run, int speed) {
  if (run.real_board) return speed == 1;
  return speed == 1 || speed == 2 || speed == 10;
}

void Pause(RunControl& run) { run.paused = true; }

void Resume(RunControl& run) { run.paused = false; }

void PauseClick(RunControl& run) { run.paused = !run.paused; }

bool SetSpeed(RunControl& run, int speed) {
  if (!SpeedOffered(run, speed)) return false;
  run.speed = speed;
  return true;
}

void RealBoardConnected(RunControl& run) {
  run.real_board = true;
  run.speed = 1;
}

void Step(RunControl& run, TickSink& sink) {
  run.paused = true;
  RunSchedule(run, run.program_ms + kStepMs, sink);
}

void Advance(RunControl& run, int64_t wall_ms, TickSink& sink) {
  if (run.paused || wall_ms <= 0) return;
  RunSchedule(run, run.program_ms + wall_ms * run.speed, sink);
}

bool AcceptScanTimer(RunControl& run) {
  if (run.paused) return false;
  run.program_ms = NextMultiple(run.program_ms, kScanIntervalMs);
  return true;
}

bool AcceptMuxTimer(const RunControl& run) { return !run.paused; }

bool AcceptPlantTimer(const RunControl& run) { return !run.paused; }

int ScanTimerInterval(const RunControl& run) { return kScanIntervalMs / run.speed; }

int MuxTimerInterval(const RunControl& run) { return kMuxIntervalMs / run.speed; }

int PlantTimerInterval(const RunControl& run, int plant_ms) { return plant_ms / run.speed; }

Message RunState(const RunControl& run) {
  if (run.paused) return {Phrase{TextId::kPaused}};
  if (run.speed != 1) return {Phrase{TextId::kSpeed, {Word(std::to_string(run.speed))}}};
  return {};
}

std::string RunStateText(const RunControl& run) { return Say(RunState(run)); }

Phrase PauseButton(const RunControl& run) {
  return Phrase{run.paused ? TextId::kResumeButton : TextId::kPauseButton};
}

std::string PauseButtonText(const RunControl& run) { return Say(PauseButton(run)); }

}  // namespace tessaro
