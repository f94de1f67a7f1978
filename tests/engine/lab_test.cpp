#include "engine/board/lab.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tessaro {
namespace {

// Puts `level` on every input by hand, and outputs that make every plant move.
void FillInputs(SimulatedBoard& board, bool level) {
  for (int n = 1; n <= 8; ++n) board.SetMuxInput(n, level ? 200 : 7);
  for (int n = 1; n <= 5; ++n) board.SetDigitalInput(n, level);
}

TEST(Lab, EachPlantDrivesExactlyTheInputsItClaims) {
  // Whatever a plant writes must be marked as driven (or a panel would let the user fight
  // the plant), and whatever is marked must really be written (or it would be locked for
  // nothing). Two runs with opposite hand values catch an input written with the same value.
  for (std::string_view name : PlantNames()) {
    SCOPED_TRACE(std::string(name));
    bool analog_written[9] = {};
    bool digital_written[6] = {};
    for (bool level : {false, true}) {
      SimulatedBoard board;
      Lab lab(board);
      board.OutputAnalogChannel(1, 200);
      board.OutputAnalogChannel(2, 200);
      board.SetDigitalChannel(3);
      FillInputs(board, level);
      ASSERT_TRUE(lab.SetPlant(name));
      lab.Advance(30);
      for (int n = 1; n <= 8; ++n) {
        analog_written[n] |= board.MuxInput(n) != (level ? 200 : 7);
      }
      for (int n = 1; n <= 5; ++n) digital_written[n] |= board.DigitalInput(n) != level;
    }
    SimulatedBoard board;
    Lab wired(board);
    wired.SetPlant(name);
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(wired.DrivesAnalogInput(n), analog_written[n]) << n;
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(wired.DrivesDigitalInput(n), digital_written[n]) << n;
  }
}

TEST(Lab, EachProcessReadsExactlyTheOutputsItsEntryNames) {
  // The panel names a process by the outputs it reads: an output that changes what the
  // process does must be named, and a named one must change it. Each output is moved on its
  // own from a start that keeps every process busy (heat on, valve opening, tanks filling).
  const auto run = [](std::string_view name, int analog, int digital) {
    SimulatedBoard board;
    Lab lab(board);
    board.OutputAnalogChannel(1, analog == 1 ? 0 : 200);
    board.OutputAnalogChannel(2, analog == 2 ? 0 : 200);
    for (int n = 1; n <= 8; ++n) {
      if ((n == 3) != (n == digital)) board.SetDigitalChannel(n);
    }
    EXPECT_TRUE(lab.SetPlant(name));
    lab.Advance(120);
    std::vector<int> seen;
    for (int n = 1; n <= 8; ++n) seen.push_back(board.MuxInput(n));
    for (int n = 1; n <= 5; ++n) seen.push_back(board.DigitalInput(n));
    return seen;
  };
  for (const PlantType& type : PlantTypes()) {
    SCOPED_TRACE(std::string(type.name));
    const auto start = run(type.name, 0, 0);
    for (int n = 1; n <= 2; ++n) {
      EXPECT_EQ(run(type.name, n, 0) != start, (type.reads_analog & (1u << n)) != 0) << n;
    }
    for (int n = 1; n <= 8; ++n) {
      EXPECT_EQ(run(type.name, 0, n) != start, (type.reads_digital & (1u << n)) != 0) << n;
    }
  }
  EXPECT_EQ(FindPlantType("Heater"), nullptr);
  EXPECT_EQ(PlantChannels(*FindPlantType("twotanks")),
            "A2uit, D2uit \u2192 A2in, A4in, D1in, D2in");
  EXPECT_EQ(PlantChannels(*FindPlantType("none")), "");
}

TEST(Lab, HandInputsOnlyReachInputsThePlantLeavesFree) {
  SimulatedBoard board;
  Lab lab(board);
  ASSERT_TRUE(lab.SetPlant("tank"));
  // The empty tank reads 0 on its level input and its low switch is made.
  EXPECT_FALSE(lab.SetAnalogInput(2, 99));
  EXPECT_EQ(board.MuxInput(2), 0);
  EXPECT_FALSE(lab.SetDigitalInput(2, false));
  EXPECT_TRUE(board.DigitalInput(2));
  EXPECT_TRUE(lab.SetAnalogInput(1, 99));
  EXPECT_EQ(board.MuxInput(1), 99);
  EXPECT_TRUE(lab.SetDigitalInput(3, true));
  EXPECT_TRUE(board.DigitalInput(3));
  // Inputs the board does not have are refused, not written somewhere else.
  EXPECT_FALSE(lab.SetAnalogInput(0, 1));
  EXPECT_FALSE(lab.SetAnalogInput(9, 1));
  EXPECT_FALSE(lab.SetDigitalInput(6, true));
}

TEST(Lab, ChangingThePlantStartsItAfreshAndFreesTheOldInputs) {
  SimulatedBoard board;
  Lab lab(board);
  ASSERT_TRUE(lab.SetPlant("heater"));
  EXPECT_EQ(board.MuxInput(1), 51);  // ambient 20 °C, written at once
  board.OutputAnalogChannel(1, 255);
  lab.Advance(120);
  const uint8_t hot = board.MuxInput(1);
  EXPECT_GT(hot, 150);

  // An unknown name keeps the running plant.
  EXPECT_FALSE(lab.SetPlant("boiler"));
  EXPECT_EQ(lab.plant().Name(), "heater");
  EXPECT_TRUE(lab.DrivesAnalogInput(1));

  // Back to no process: the last temperature stays on the input until the hand moves it.
  ASSERT_TRUE(lab.SetPlant("none"));
  EXPECT_EQ(board.MuxInput(1), hot);
  lab.Advance(60);
  EXPECT_EQ(board.MuxInput(1), hot);
  EXPECT_TRUE(lab.SetAnalogInput(1, 10));
  EXPECT_EQ(board.MuxInput(1), 10);

  // Choosing the heater again starts a cold block, not the old hot one.
  ASSERT_TRUE(lab.SetPlant("heater"));
  EXPECT_EQ(board.MuxInput(1), 51);
}

TEST(Lab, SelectLinesAndOutputVolts) {
  SimulatedBoard board;
  Lab lab(board);
  EXPECT_EQ(lab.SelectedPair(), 1);
  board.SetDigitalChannel(7);
  EXPECT_EQ(lab.SelectedPair(), 3);
  board.SetDigitalChannel(8);
  EXPECT_EQ(lab.SelectedPair(), 5);
  board.ClearDigitalChannel(7);
  EXPECT_EQ(lab.SelectedPair(), 7);

  board.OutputAnalogChannel(1, 255);
  board.OutputAnalogChannel(2, 51);
  EXPECT_DOUBLE_EQ(lab.AnalogOutputVolts(1), 5.0);
  EXPECT_DOUBLE_EQ(lab.AnalogOutputVolts(2), 1.0);
}

}  // namespace
}  // namespace tessaro
