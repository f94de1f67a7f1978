#include "engine/board/plant.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/board/plant_models.h"

namespace tessaro {
namespace {

// Runs the plant for `seconds` in steps of `dt`, the board's outputs held as they are.
void Advance(Plant& plant, SimulatedBoard& board, double seconds, double dt = 0.25) {
  for (long i = std::lround(seconds / dt); i > 0; --i) plant.Step(board, dt);
}

void SetDigital(SimulatedBoard& board, int channel, bool on) {
  on ? board.SetDigitalChannel(channel) : board.ClearDigitalChannel(channel);
}

TEST(HeaterPlant, FullPowerWaitsOutTheDeadTimeThenFollowsTheLag) {
  SimulatedBoard board;
  HeaterPlant heater;
  board.OutputAnalogChannel(1, 255);
  Advance(heater, board, 5.0);
  EXPECT_EQ(heater.Temperature(), 20.0);  // nothing reaches the sensor yet
  EXPECT_EQ(board.MuxInput(1), 51);
  Advance(heater, board, 0.25);
  EXPECT_GT(heater.Temperature(), 20.0);
  // One time constant after the dead time: 63.2 % of the 80 °C step.
  Advance(heater, board, 59.75);
  EXPECT_NEAR(heater.Temperature(), 70.570, 0.005);
  EXPECT_EQ(board.MuxInput(1), 180);  // 70.57 x 2.55 = 179.95
  Advance(heater, board, 900);
  EXPECT_NEAR(heater.Temperature(), 100.0, 0.01);
  EXPECT_EQ(board.MuxInput(1), 255);

  // Switching off is delayed just the same: the block keeps its heat for five seconds.
  board.OutputAnalogChannel(1, 0);
  const double hot = heater.Temperature();
  Advance(heater, board, 5.0);
  EXPECT_GE(heater.Temperature(), hot);
  Advance(heater, board, 60);
  EXPECT_NEAR(heater.Temperature(), 20 + (hot - 20) * std::exp(-1.0), 0.005);
}

TEST(OvenPlant, FollowsItsPowerThroughOneLagOverItsSpan) {
  SimulatedBoard board;
  OvenPlant oven;
  oven.Step(board, 0);
  EXPECT_EQ(board.MuxInput(4), 0);  // cold: the bottom of the span
  board.OutputAnalogChannel(2, 255);
  // One time constant: 63.2 % of the way from 20 to 250 °C, at once (no dead time).
  Advance(oven, board, 300);
  EXPECT_NEAR(oven.Temperature(), 20 + 230 * (1 - std::exp(-1.0)), 0.01);
  EXPECT_EQ(board.MuxInput(4), 161);  // 63.2 % of 255
  Advance(oven, board, 3000);
  EXPECT_NEAR(oven.Temperature(), 250, 0.01);
  EXPECT_EQ(board.MuxInput(4), 255);
  // Half power settles half way, 135 °C; the oven cools towards it.
  board.OutputAnalogChannel(2, 128);
  Advance(oven, board, 3600);
  EXPECT_NEAR(oven.Temperature(), 20 + 230 * 128 / 255.0, 0.01);
  EXPECT_EQ(oven.StateText(), "plant oven temp=135.45 power=50.2");
}

TEST(HeaterPlant, FanLowersTheEndTemperatureAtOnce) {
  SimulatedBoard board;
  HeaterPlant heater;
  board.OutputAnalogChannel(1, 153);  // 60 %: 20 + 0.8 x 60 = 68 °C
  Advance(heater, board, 1200);
  EXPECT_NEAR(heater.Temperature(), 68.0, 0.001);

  // The fan acts on the block itself, without the heater's dead time.
  board.SetDigitalChannel(1);
  Advance(heater, board, 0.25);
  EXPECT_LT(heater.Temperature(), 68.0);
  // Heat loss x 1.5: end value 20 + 48 / 1.5 = 52 °C, reached with a 40 s lag.
  Advance(heater, board, 39.75);
  EXPECT_NEAR(heater.Temperature(), 52 + 16 * std::exp(-1.0), 0.005);
  Advance(heater, board, 1200);
  EXPECT_NEAR(heater.Temperature(), 52.0, 0.001);
}

TEST(TankPlant, SteadyLevelFollowsTheSquareRootOutflow) {
  SimulatedBoard board;
  TankPlant tank;
  board.OutputAnalogChannel(2, 153);  // 60 % open: 0.6 l/s = 0.08 x sqrt(level)
  Advance(tank, board, 3000, 1.0);
  EXPECT_NEAR(tank.Level(), 56.25, 0.001);
  EXPECT_EQ(board.MuxInput(2), 143);  // 56.25 x 2.55 = 143.4
  EXPECT_FALSE(board.DigitalInput(1));
  EXPECT_FALSE(board.DigitalInput(2));

  // The drain pump takes 0.3 l/s: 0.3 = 0.08 x sqrt(level).
  board.SetDigitalChannel(2);
  Advance(tank, board, 3000, 1.0);
  EXPECT_NEAR(tank.Level(), 14.0625, 0.001);
}

TEST(TankPlant, SwitchesTrackTheLevelAndTheTankOverflows) {
  SimulatedBoard board;
  TankPlant tank;
  tank.Step(board, 0);
  EXPECT_EQ(board.MuxInput(2), 0);
  EXPECT_FALSE(board.DigitalInput(1));
  EXPECT_TRUE(board.DigitalInput(2));  // empty: low switch on

  board.OutputAnalogChannel(2, 255);  // would settle at 156 %
  Advance(tank, board, 2000, 1.0);
  EXPECT_EQ(tank.Level(), 100.0);
  EXPECT_EQ(board.MuxInput(2), 255);
  EXPECT_TRUE(board.DigitalInput(1));
  EXPECT_FALSE(board.DigitalInput(2));

  // Draining freely: sqrt(level) falls by 0.04 per second, so 90 % is passed after
  // 12.8 s and 10 % after 170.9 s.
  board.OutputAnalogChannel(2, 0);
  Advance(tank, board, 12.5);
  EXPECT_TRUE(board.DigitalInput(1));
  Advance(tank, board, 0.5);
  EXPECT_FALSE(board.DigitalInput(1));
  Advance(tank, board, 157.75);
  EXPECT_FALSE(board.DigitalInput(2));
  Advance(tank, board, 0.5);
  EXPECT_TRUE(board.DigitalInput(2));

  // The pump on an empty tank runs dry instead of making the level negative.
  board.SetDigitalChannel(2);
  Advance(tank, board, 600, 1.0);
  EXPECT_EQ(tank.Level(), 0.0);
}

TEST(MotorValvePlant, MovesOnlyWhileOneOfItsOutputsIsOn) {
  SimulatedBoard board;
  MotorValvePlant valve;
  board.SetDigitalChannel(3);  // one open pulse of a scan cycle
  Advance(valve, board, 1.0);
  EXPECT_NEAR(valve.Position(), 5.0, 1e-9);
  board.ClearDigitalChannel(3);
  Advance(valve, board, 10);
  EXPECT_NEAR(valve.Position(), 5.0, 1e-9);

  board.SetDigitalChannel(4);
  Advance(valve, board, 0.5);
  EXPECT_NEAR(valve.Position(), 2.5, 1e-9);
  board.SetDigitalChannel(3);  // both: held still
  Advance(valve, board, 2);
  EXPECT_NEAR(valve.Position(), 2.5, 1e-9);

  board.ClearDigitalChannel(4);
  Advance(valve, board, 30);
  EXPECT_EQ(valve.Position(), 100.0);
  board.ClearDigitalChannel(3);
  board.SetDigitalChannel(4);
  Advance(valve, board, 30);
  EXPECT_EQ(valve.Position(), 0.0);
}

TEST(MotorValvePlant, FlowLagsBehindThePosition) {
  SimulatedBoard board;
  MotorValvePlant valve;
  // A 1 s ramp to 5 % through a 4 s lag: 5 x (1 - 4 x (1 - e^-0.25)) at its end, then
  // 63 % of the rest after one more lag.
  board.SetDigitalChannel(3);
  Advance(valve, board, 1.0);
  EXPECT_NEAR(valve.Flow(), 0.5760, 0.001);
  board.ClearDigitalChannel(3);
  Advance(valve, board, 4.0);
  EXPECT_NEAR(valve.Flow(), 3.3725, 0.001);
  Advance(valve, board, 60);
  EXPECT_NEAR(valve.Flow(), 5.0, 1e-6);
  EXPECT_EQ(board.MuxInput(3), 13);  // 5 l/min x 2.55 = 12.75
}

// What one plant does to the board after the same outputs for the same time, whatever
// the step size.
std::string AfterOneMinute(const std::string& name, double dt) {
  SimulatedBoard board;
  board.OutputAnalogChannel(1, 200);
  board.OutputAnalogChannel(2, 100);
  board.SetDigitalChannel(3);
  auto plant = MakePlant(name);
  Advance(*plant, board, 60, dt);
  std::string bytes = plant->StateText();
  for (int i = 1; i <= 3; ++i) bytes += " " + std::to_string(board.MuxInput(i));
  return bytes;
}

TEST(Plants, StepSizeDoesNotChangeTheOutcome) {
  for (const char* name : {"heater", "tank", "valve"}) {
    const std::string reference = AfterOneMinute(name, 0.25);
    EXPECT_EQ(AfterOneMinute(name, 1.0), reference) << name;
    EXPECT_EQ(AfterOneMinute(name, 60), reference) << name;
    // Steps shorter than a sub-step add up instead of being lost.
    EXPECT_EQ(AfterOneMinute(name, 0.01), reference) << name;
    EXPECT_EQ(AfterOneMinute(name, 0.3), reference) << name;
  }
}

TEST(Plants, BadStepsAdvanceNothingAndHugeStepsAreCapped) {
  SimulatedBoard board;
  board.OutputAnalogChannel(1, 255);
  HeaterPlant heater;
  for (double dt : {-1.0, std::numeric_limits<double>::quiet_NaN(),
                    std::numeric_limits<double>::infinity(), 0.0}) {
    heater.Step(board, dt);
  }
  EXPECT_EQ(heater.Temperature(), 20.0);
  Advance(heater, board, 10);  // the bad steps put no power in the dead-time line either
  EXPECT_NEAR(heater.Temperature(), 20 + 80 * -std::expm1(-5.0 / 60), 1e-9);

  TankPlant tank;
  board.SetDigitalChannel(2);
  tank.Step(board, 1e300);  // one hour at most: the pump empties the tank, nothing worse
  EXPECT_EQ(tank.Level(), 0.0);
  MotorValvePlant valve;
  board.SetDigitalChannel(3);
  valve.Step(board, 1e300);
  EXPECT_EQ(valve.Position(), 100.0);
}

// All three plants on one board, fed random outputs that change at every step; their
// values are checked every 60 steps. Gives the inputs the board held after each step.
std::vector<uint8_t> RandomRun(double seconds, double dt) {
  SimulatedBoard board;
  HeaterPlant heater;
  TankPlant tank;
  MotorValvePlant valve;
  const std::array<Plant*, 3> plants = {&heater, &tank, &valve};
  std::mt19937 random(7);
  std::vector<uint8_t> trace;
  const long steps = std::lround(seconds / dt);
  for (long i = 0; i < steps; ++i) {
    const uint32_t r = random();
    board.OutputAnalogChannel(1, static_cast<int32_t>(r & 0xFF));
    board.OutputAnalogChannel(2, static_cast<int32_t>((r >> 8) & 0xFF));
    for (int ch = 1; ch <= 4; ++ch) SetDigital(board, ch, (r >> (15 + ch)) & 1);
    for (Plant* plant : plants) plant->Step(board, dt);
    for (int input = 1; input <= 3; ++input) trace.push_back(board.MuxInput(input));
    trace.push_back(static_cast<uint8_t>(board.DigitalInput(1) * 2 + board.DigitalInput(2)));
    if (i % 60 != 0) continue;
    EXPECT_GE(heater.Temperature(), 20.0);
    EXPECT_LE(heater.Temperature(), 100.0);
    EXPECT_GE(tank.Level(), 0.0);
    EXPECT_LE(tank.Level(), 100.0);
    EXPECT_GE(valve.Flow(), 0.0);
    EXPECT_LE(valve.Flow(), 100.0);
    for (Plant* plant : plants) {
      for (const PlantReading& reading : plant->Readings()) {
        EXPECT_TRUE(std::isfinite(reading.value)) << plant->Name() << " " << reading.name;
      }
    }
  }
  return trace;
}

TEST(Plants, DaysOfRandomOutputsStayInRange) { RandomRun(3 * 24 * 3600, 5.0); }

TEST(Plants, SameStepsGiveTheSameInputs) {
  EXPECT_EQ(RandomRun(3600, 0.333), RandomRun(3600, 0.333));
}

TEST(Plants, EachWritesOnlyItsOwnInputs) {
  struct Owned {
    const char* name;
    unsigned mux, digital;  // bit n: input n is the plant's
  };
  for (const Owned& o : {Owned{"none", 0, 0}, Owned{"heater", 1 << 1, 0},
                         Owned{"tank", 1 << 2, 1 << 1 | 1 << 2}, Owned{"valve", 1 << 3, 0}}) {
    SimulatedBoard board;
    for (int i = 1; i <= 8; ++i) board.SetMuxInput(i, static_cast<uint8_t>(30 + i));
    for (int i = 1; i <= 5; ++i) board.SetDigitalInput(i, i % 2 == 1);
    board.OutputAnalogChannel(1, 255);
    board.OutputAnalogChannel(2, 255);
    for (int ch = 1; ch <= 8; ++ch) board.SetDigitalChannel(ch);
    board.ClearDigitalChannel(4);
    auto plant = MakePlant(o.name);
    Advance(*plant, board, 120, 1.0);
    for (int i = 1; i <= 8; ++i) {
      if (!(o.mux >> i & 1)) {
        EXPECT_EQ(board.MuxInput(i), 30 + i) << o.name << " mux " << i;
      }
    }
    for (int i = 1; i <= 5; ++i) {
      if (!(o.digital >> i & 1)) {
        EXPECT_EQ(board.DigitalInput(i), i % 2 == 1) << o.name << " digital " << i;
      }
    }
  }
}

TEST(Plants, NamesAndStateLines) {
  for (std::string_view name : PlantNames()) {
    auto plant = MakePlant(name);
    ASSERT_NE(plant, nullptr) << name;
    EXPECT_EQ(plant->Name(), name);
  }
  EXPECT_EQ(MakePlant("Heater"), nullptr);
  EXPECT_EQ(MakePlant("pump"), nullptr);

  SimulatedBoard board;
  board.OutputAnalogChannel(1, 128);
  board.OutputAnalogChannel(2, 51);
  board.SetDigitalChannel(1);
  board.SetDigitalChannel(3);
  auto heater = MakePlant("heater");
  heater->Step(board, 0);
  EXPECT_EQ(heater->StateText(), "plant heater temp=20 power=50.2 fan=1");
  auto tank = MakePlant("tank");
  tank->Step(board, 0);
  EXPECT_EQ(tank->StateText(), "plant tank level=0 valve=20 inflow=0.2 outlet=0 pump=0");
  auto valve = MakePlant("valve");
  valve->Step(board, 1.5);
  EXPECT_EQ(valve->StateText().substr(0, 30), "plant valve position=7.5 flow=");
  EXPECT_EQ(MakePlant("none")->StateText(), "plant none");
}

}  // namespace
}  // namespace tessaro
