// Run control for teaching: pause, single step and fast forward. The scan timer (250 ms) and
// the multiplex timer (333 ms) keep one schedule in program time, which stands still while
// paused and runs N times faster than the wall clock at speed N. The simulated plants live on
// the same program time.
#pragma once

#include <cstdint>
#include <string>

#include "engine/core/texts.h"

namespace tessaro {

inline constexpr int kScanIntervalMs = 250;
inline constexpr int kMuxIntervalMs = 333;
inline constexpr int kStepMs = 1000;  // "Stap": one scan cycle of program time

// Where the ticks of the schedule go: the scan, the multiplexing and the plant.
class TickSink {
 public:
  virtual ~TickSink() = default;
  virtual void ScanTick() = 0;
  virtual void MuxTick() = 0;
  // The plant runs `ms` milliseconds of program time further.
  virtual void PlantAdvance(int64_t /*ms*/) {}
};

struct RunControl {
  bool paused = false;
  int speed = 1;              // 1, 2 or 10
  bool real_board = false;    // a board on USB or through a library: real time only
  int64_t program_ms = 0;     // the timers' own schedule: the last moment that has passed
  int64_t clock_origin_ms = 0;  // the wall clock (ms since 1970) when program time began
};

// The clock the samples are stamped with: the wall clock at the start plus program time, so
// that at 10x a minute of the process is a minute in an export, as the chart shows it, and
// a pause is no gap.
inline int64_t ProgramClockMs(const RunControl& run) {
  return run.clock_origin_ms + run.program_ms;
}

// The speeds offered: 1x, 2x and 10x; with a real board only 1x.
bool SpeedOffered(const RunControl& run, int speed);

// "Pauze" / "Verder".
void Pause(RunControl& run);
void Resume(RunControl& run);
void PauseClick(RunControl& run);  // the one button: pauses a run, resumes a pause

// Chooses speed N; false, and nothing changes, when N is not offered.
bool SetSpeed(RunControl& run, int speed);

// A real board has taken over the board calls: it and the process on it run in real time,
// so the speed falls back to 1x. A pause stays, and holds the outputs as they are.
void RealBoardConnected(RunControl& run);

// "Stap": pauses a running program, then fires the ticks of the next second of the schedule
// (four scan ticks and the multiplex ticks among them) in time order, the plant running to
// each one first.
void Step(RunControl& run, TickSink& sink);

// The wall clock moves on by `wall_ms`: while running, program time moves on speed times as
// far and every tick that falls due fires in time order, the scan first when both timers fall
// on the same millisecond. While paused nothing fires and program time stands still.
void Advance(RunControl& run, int64_t wall_ms, TickSink& sink);

// A window's timer tick (at the shortened interval): whether it may run now. A scan tick
// moves program time on to its place in the schedule, so that "Stap" continues from there.
bool AcceptScanTimer(RunControl& run);
bool AcceptMuxTimer(const RunControl& run);
bool AcceptPlantTimer(const RunControl& run);

// The windows' timer intervals at the present speed, and the program time that one plant
// timer tick stands for.
int ScanTimerInterval(const RunControl& run);
int MuxTimerInterval(const RunControl& run);
int PlantTimerInterval(const RunControl& run, int plant_ms);

// What the operator screen shows of the run: "PAUZE", "2x", "10x", or "" at normal speed.
Message RunState(const RunControl& run);
std::string RunStateText(const RunControl& run);  // in the program's own words
// The text of the pause button: "Pauze" while running, "Verder" while paused.
Phrase PauseButton(const RunControl& run);
std::string PauseButtonText(const RunControl& run);  // in the program's own words

}  // namespace tessaro
