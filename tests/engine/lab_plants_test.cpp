#include <gtest/gtest.h>

#include <cmath>

#include "engine/board/lab.h"
#include "engine/board/plant_models.h"
#include "engine/core/numbers.h"

namespace tessaro {
namespace {

// Steady temperature of the lab heater at `power` %, after `seconds`.
double LabHeaterAt(double power, double seconds = 4000) {
  SimulatedBoard board;
  Lab lab(board);
  lab.SetPlant("labheater");
  board.OutputAnalogChannel(1, RoundToByte(PercentToSignal(power)));
  lab.Advance(seconds);
  return dynamic_cast<const LabHeaterPlant&>(lab.plant()).Temperature();
}

TEST(LabHeater, GainFallsAsTheBlockHeats) {
  // The incremental gain over 5 % of power: about 0.9 C per % near ambient, about 0.7 near
  // 80 C, where radiation takes its share of the loss.
  const double cold = (LabHeaterAt(5) - LabHeaterAt(0)) / 5;
  const double hot = (LabHeaterAt(80) - LabHeaterAt(75)) / 5;
  EXPECT_NEAR(cold, 0.9, 0.03);
  EXPECT_NEAR(hot, 0.72, 0.04);
  EXPECT_NEAR(LabHeaterAt(0), 20, 1e-9);
  // Full power stays on the scale.
  EXPECT_LT(LabHeaterAt(100), 100);
  // The fan takes heat away.
  SimulatedBoard board;
  Lab lab(board);
  lab.SetPlant("labheater");
  board.OutputAnalogChannel(1, 128);
  board.SetDigitalChannel(1);
  lab.Advance(4000);
  EXPECT_LT(dynamic_cast<const LabHeaterPlant&>(lab.plant()).Temperature(), LabHeaterAt(50.2) - 5);
}

TEST(LabHeater, TheSensorLagsTheBlock) {
  SimulatedBoard board;
  Lab lab(board);
  lab.SetPlant("labheater");
  board.OutputAnalogChannel(1, 255);
  lab.Advance(1.5);  // within the dead time nothing moves
  const auto& plant = dynamic_cast<const LabHeaterPlant&>(lab.plant());
  EXPECT_EQ(plant.BlockTemperature(), 20);
  lab.Advance(28.5);
  EXPECT_GT(plant.BlockTemperature(), plant.Temperature() + 1);
}

TEST(TwoTanks, TheLowerTankFollowsTheUpperOne) {
  SimulatedBoard board;
  Lab lab(board);
  lab.SetPlant("twotanks");
  EXPECT_TRUE(lab.DrivesAnalogInput(2));
  EXPECT_TRUE(lab.DrivesAnalogInput(4));
  board.OutputAnalogChannel(2, 153);  // 60 %: 0.6 l/s
  const auto& tanks = dynamic_cast<const TwoTankPlant&>(lab.plant());
  lab.Advance(5000);
  // Steady: each outlet passes the inflow, level = (q / coefficient)^2.
  EXPECT_NEAR(tanks.UpperLevel(), 36, 0.05);
  EXPECT_NEAR(tanks.LowerLevel(), 56.25, 0.05);
  EXPECT_EQ(board.MuxInput(2), 143);  // 56.25 x 2.55
  EXPECT_EQ(board.MuxInput(4), 92);   // 36 x 2.55 = 91.8
  EXPECT_FALSE(board.DigitalInput(1));
  EXPECT_FALSE(board.DigitalInput(2));
  // The second lag: ten seconds after the valve opens further the upper tank has risen,
  // the lower one has hardly started.
  board.OutputAnalogChannel(2, 204);
  lab.Advance(10);
  EXPECT_GT(tanks.UpperLevel() - 36, 5 * (tanks.LowerLevel() - 56.25));
  EXPECT_GT(tanks.LowerLevel(), 56.25);
  // The pump on the lower tank lowers it.
  board.SetDigitalChannel(2);
  lab.Advance(5000);
  EXPECT_LT(tanks.LowerLevel(), 40);
}

// Readings of the heater held at a byte's edge, with noise from `seed` (none when 0).
std::vector<int> Readings(unsigned seed) {
  SimulatedBoard board;
  Lab lab(board);
  if (seed != 0) lab.SetNoise(true, seed);
  lab.SetPlant("heater");
  board.OutputAnalogChannel(1, 67);
  lab.Advance(1000);
  std::vector<int> bytes;
  for (int i = 0; i < 200; ++i) {
    lab.Advance(0.25);
    bytes.push_back(board.MuxInput(1));
  }
  return bytes;
}

TEST(Noise, SeededRepeatableAndOffAddsNothing) {
  const std::vector<int> quiet = Readings(0);
  const std::vector<int> a = Readings(7);
  EXPECT_EQ(a, Readings(7));
  EXPECT_NE(a, Readings(8));
  EXPECT_NE(a, quiet);
  // Without noise the resting block reads one byte; with it, the reading flickers between
  // the two bytes beside the edge and no further (0.05 C is an eighth of a byte).
  EXPECT_EQ(std::count(quiet.begin(), quiet.end(), quiet.front()), 200);
  for (int b : a) EXPECT_LE(std::abs(b - quiet.front()), 1);
}

TEST(Noise, TheStandardDeviationIsThePlants) {
  // Sub-step samples of the Gaussian draw, through a plant that reads them unrounded.
  struct Probe : HeaterPlant {
    double Sample() const { return Measured(0); }
  } probe;
  SimulatedBoard board;
  probe.SetNoise(true, 3);
  double sum = 0, squares = 0;
  constexpr int kCount = 20000;
  for (int i = 0; i < kCount; ++i) {
    probe.Step(board, Plant::kSubStepSeconds);
    sum += probe.Sample();
    squares += probe.Sample() * probe.Sample();
  }
  const double mean = sum / kCount;
  EXPECT_NEAR(mean, 0, 0.002);
  EXPECT_NEAR(std::sqrt(squares / kCount - mean * mean), HeaterPlant::kNoise, 0.002);
}

}  // namespace
}  // namespace tessaro
