#include "engine/core/run_control.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/board/lab.h"
#include "engine/board/simulated_board.h"
#include "engine/core/board_connection.h"
#include "engine/core/process_image.h"
#include "engine/core/scan.h"
#include "fakes.h"

namespace tessaro {
namespace {

// Writes down the ticks in the order they come: S scan, M multiplex, P<ms> plant.
struct LoggingSink : TickSink {
  void ScanTick() override { log += "S"; }
  void MuxTick() override { log += "M"; }
  void PlantAdvance(int64_t ms) override {
    plant_ms += ms;
    if (ms > 0) log += "P" + std::to_string(ms);
  }
  std::string log;
  int64_t plant_ms = 0;
};

// Counts of each kind of tick, without the plant.
std::string TicksOnly(const std::string& log) {
  std::string ticks;
  for (char c : log) {
    if (c == 'S' || c == 'M') ticks += c;
  }
  return ticks;
}

// The trainer as the timers drive it: the scan, the multiplexing and a heater on the board,
// its power fed from a value knob.
struct Bench : TickSink {
  Bench() {
    ApplyStartupDefaults(image);
    lab.SetPlant("heater");
    image.FieldGrid[1][1] = "Spin1";
    for (int c = 2; c <= 6; ++c) image.FieldGrid[1][c] = "Draad1";
    image.FieldGrid[1][7] = "A1uit";
    image.FieldGrid[2][1] = "A1in";
    image.FieldGrid[2][2] = "Draad1";
    image.KnobValue[1] = 255;
  }
  void ScanTick() override { schakelblok(image, board, view); }
  void MuxTick() override { SWklok(image, board); }
  void PlantAdvance(int64_t ms) override { lab.Advance(static_cast<double>(ms) / 1000); }

  // What a tick or the plant can change.
  std::string State() const {
    std::string s = std::to_string(image.ScanPhase) + "/" + std::to_string(image.SineStep) + "/" +
                    std::to_string(image.RecorderPhase) + "/" + std::to_string(image.MuxPhase);
    for (int n = 1; n <= kAnalogInputs; ++n) s += " " + std::to_string(image.AnalogIn[n]);
    s += " " + std::to_string(image.OutRight[2][2]) + " " + lab.plant().StateText();
    return s;
  }

  ProcessImage image;
  SimulatedBoard board;
  Lab lab{board};
  RecordingView view;
  RunControl run;
};

TEST(RunControl, PauseFreezesTheScanTheMultiplexingAndThePlant) {
  Bench bench;
  Advance(bench.run, 30'000, bench);  // the heater has warmed up
  const std::string before = bench.State();
  const int64_t program = bench.run.program_ms;

  PauseClick(bench.run);
  EXPECT_TRUE(bench.run.paused);
  Advance(bench.run, 60'000, bench);
  EXPECT_EQ(bench.State(), before);
  EXPECT_EQ(bench.run.program_ms, program);
  // The windows' own timers are refused as well.
  EXPECT_FALSE(AcceptScanTimer(bench.run));
  EXPECT_FALSE(AcceptMuxTimer(bench.run));
  EXPECT_FALSE(AcceptPlantTimer(bench.run));
  EXPECT_EQ(bench.run.program_ms, program);

  PauseClick(bench.run);  // "Verder"
  Advance(bench.run, 5'000, bench);
  EXPECT_NE(bench.State(), before);
}

TEST(RunControl, AStepIsOneSecondOfTheRunningSchedule) {
  // From the same state, "Stap" and one second of running give the same result, tick for
  // tick, from several points of the schedule (the multiplex ticks among the four scan ticks
  // are three or four, and fall differently each second).
  Bench stepped;
  Bench running;
  for (int second = 0; second < 7; ++second) {
    Step(stepped.run, stepped);
    Advance(running.run, kStepMs, running);
    ASSERT_EQ(stepped.State(), running.State()) << "second " << second;
    ASSERT_EQ(stepped.run.program_ms, running.run.program_ms);
  }
  // "Stap" leaves the program paused.
  EXPECT_TRUE(stepped.run.paused);
}

TEST(RunControl, AStepFiresTheTicksInTimerOrder) {
  RunControl run;
  LoggingSink sink;
  Step(run, sink);
  EXPECT_EQ(sink.log, "P250SP83MP167SP166MP84SP249MP1S");
  EXPECT_EQ(sink.plant_ms, 1000);
  sink.log.clear();
  Step(run, sink);
  // 1332 and 1998 are multiplex ticks; 1500 and 2000 scan ticks.
  EXPECT_EQ(TicksOnly(sink.log), "SMSMSMS");
  // A scan and a multiplex tick on the same millisecond: the scan goes first.
  RunControl late;
  late.program_ms = 83'000;
  sink.log.clear();
  Advance(late, 250, sink);  // 83250 is a multiple of both intervals
  EXPECT_EQ(sink.log, "P250SM");
}

TEST(RunControl, FastForwardDoesTheWorkOfNSecondsInOne) {
  for (int speed : {2, 10}) {
    SCOPED_TRACE(speed);
    RunControl fast;
    ASSERT_TRUE(SetSpeed(fast, speed));
    RunControl normal;
    LoggingSink fast_sink;
    LoggingSink normal_sink;
    Advance(fast, 1000, fast_sink);
    Advance(normal, 1000 * speed, normal_sink);
    EXPECT_EQ(fast_sink.log, normal_sink.log);  // same ticks, same order, same plant time
    EXPECT_EQ(fast.program_ms, 1000 * speed);
  }
  RunControl ten;
  SetSpeed(ten, 10);
  LoggingSink sink;
  Advance(ten, 1000, sink);
  const std::string ticks = TicksOnly(sink.log);
  EXPECT_EQ(std::count(ticks.begin(), ticks.end(), 'S'), 40);  // ten scan cycles
  EXPECT_EQ(std::count(ticks.begin(), ticks.end(), 'M'), 30);
  // The windows' timers run ten times as often.
  EXPECT_EQ(ScanTimerInterval(ten), 25);
  EXPECT_EQ(MuxTimerInterval(ten), 33);
  EXPECT_EQ(PlantTimerInterval(ten, 100), 10);
}

TEST(RunControl, ARealBoardRunsInRealTimeOnly) {
  RunControl run;
  EXPECT_FALSE(SetSpeed(run, 3));
  EXPECT_FALSE(SetSpeed(run, 0));
  ASSERT_TRUE(SetSpeed(run, 10));
  Pause(run);
  RealBoardConnected(run);
  EXPECT_EQ(run.speed, 1);
  EXPECT_TRUE(run.paused);  // the pause holds the outputs as they are
  EXPECT_FALSE(SpeedOffered(run, 2));
  EXPECT_FALSE(SetSpeed(run, 10));
  EXPECT_EQ(run.speed, 1);
  EXPECT_TRUE(SetSpeed(run, 1));
}

TEST(RunControl, TheOperatorScreenShowsTheState) {
  RunControl run;
  EXPECT_EQ(RunStateText(run), "");
  EXPECT_EQ(PauseButtonText(run), "Pauze");
  SetSpeed(run, 10);
  EXPECT_EQ(RunStateText(run), "10x");
  Pause(run);
  EXPECT_EQ(RunStateText(run), "PAUZE");
  EXPECT_EQ(PauseButtonText(run), "Verder");
  Resume(run);
  SetSpeed(run, 2);
  EXPECT_EQ(RunStateText(run), "2x");
}

TEST(RunControl, AStepAfterTheWindowsTimersContinuesTheirSchedule) {
  // The windows' scan timer moves program time to its place in the schedule, so that a step
  // taken after ten scan ticks runs the multiplex ticks of the eleventh to fourteenth.
  RunControl run;
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(AcceptScanTimer(run));
  EXPECT_EQ(run.program_ms, 2500);
  LoggingSink sink;
  Step(run, sink);
  // 2664, 2750, 2997, 3000, 3250, 3330, 3500
  EXPECT_EQ(TicksOnly(sink.log), "MSMSSMS");
}

}  // namespace
}  // namespace tessaro
