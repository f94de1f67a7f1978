#include "engine/core/io_blocks.h"

#include "engine/core/operator_screen.h"
#include "scan_fixture.h"

namespace tessaro {
namespace {

TEST(Sine, SwingsBetween40And200) {
  EXPECT_EQ(SineValue(0), 120);
  EXPECT_EQ(SineValue(193), 200);  // about a quarter period
  EXPECT_EQ(SineValue(580), 40);   // about three quarters
}

TEST_F(ScanTest, SineInputFollowsTheStepAndJumpsWhenItWraps) {
  Put(7, 1, "Sinus");
  image.SineStep = 192;
  Ticks(1);
  EXPECT_EQ(image.OutRight[7][1], 200);
  image.SineStep = 65535;
  Cycles(1);
  EXPECT_EQ(image.SineStep, 0);
  EXPECT_EQ(image.OutRight[7][1], 120);
}

TEST_F(ScanTest, KnobsAndPushButtonsFeedTheirRows) {
  Put(1, 1, "Spin3");
  Put(2, 1, "Knop2");
  KnobChanged(image, 3, 77);
  KnopClick(image, view, 2);
  Cycles(1);
  EXPECT_EQ(image.OutRight[1][1], 77);
  EXPECT_EQ(image.OutRight[2][1], 255);
  KnopClick(image, view, 2);
  Cycles(1);
  EXPECT_EQ(image.OutRight[2][1], 0);
}

// A board whose digital inputs return raw words, as a library may.
struct RawInputBoard : SimulatedBoard {
  int32_t ReadDigitalChannel(int32_t channel) override { return words[channel]; }
  int32_t words[6] = {};
};

TEST(DigitalInputs, HighOnlyWhenTheLowByteIsOneAndTheLampFollows) {
  ProcessImage image;
  ApplyStartupDefaults(image);
  RawInputBoard board;
  RecordingView view;
  image.FieldGrid[1][1] = "D1in";
  image.FieldGrid[2][1] = "D3in";
  board.words[1] = 0x101;
  board.words[3] = 2;
  for (int i = 0; i < 4; ++i) schakelblok(image, board, view);
  EXPECT_EQ(image.OutRight[1][1], 255);
  EXPECT_EQ(image.OutRight[2][1], 0);
  EXPECT_EQ(image.ItemPicture[16], "Teks/Dig1hoog.bmp");  // Image2
  EXPECT_EQ(image.ItemPicture[18], "Teks/Dig3laag.bmp");  // Image4
  board.words[1] = 0;
  for (int i = 0; i < 4; ++i) schakelblok(image, board, view);
  EXPECT_EQ(image.ItemPicture[16], "Teks/Dig1laag.bmp");
  EXPECT_EQ(view.pictures.size(), 3u);  // only the changes: D1 high, D3 low, D1 low
}

TEST_F(ScanTest, DigitalOutputsFollowOnlyLowAndHigh) {
  Put(1, 1, "Spin1");
  Put(1, 6, "Draad1");
  Put(1, 7, "D1uit");
  for (int c = 2; c <= 5; ++c) Put(1, c, "Draad1");
  KnobChanged(image, 1, 255);
  Cycles(2);
  EXPECT_TRUE(board.DigitalOutput(1));
  EXPECT_EQ(image.ItemPicture[26], "Teks/D1uithoog.bmp");  // Image13
  EXPECT_EQ(view.pictures.size(), 1u);  // an unchanged lamp is not sent again
  KnobChanged(image, 1, 128);
  Cycles(1);
  EXPECT_TRUE(board.DigitalOutput(1));
  EXPECT_EQ(view.pictures.size(), 1u);
  KnobChanged(image, 1, 0);
  Cycles(1);
  EXPECT_FALSE(board.DigitalOutput(1));
  EXPECT_EQ(image.ItemPicture[26], "Teks/D1uitlaag.bmp");
  EXPECT_EQ(view.pictures.size(), 2u);
}

TEST_F(ScanTest, AnalogOutputsAndTheSelectLines) {
  image.KnobValue[1] = 130;
  image.ScreenButton.fill(255);
  Put(1, 1, "Spin1");
  Put(1, 6, "Draad1");
  Put(1, 7, "A2uit");
  for (int r = 2; r <= 7; ++r) {
    Put(r, 1, "Knop1");
    for (int c = 2; c <= 6; ++c) Put(r, c, "Draad1");
    Put(r, 7, "D" + std::to_string(r - 1) + "uit");
  }
  Cycles(1);
  EXPECT_EQ(board.AnalogOutput(2), 0);  // the wires of columns 2..5 are empty in row 1
  for (int c = 2; c <= 5; ++c) Put(1, c, "Draad1");
  Cycles(1);
  EXPECT_EQ(board.AnalogOutput(2), 130);
  EXPECT_EQ(board.AnalogOutput(1), 0);
  for (int n = 1; n <= 6; ++n) EXPECT_TRUE(board.DigitalOutput(n)) << n;
  EXPECT_FALSE(board.DigitalOutput(7));
  EXPECT_FALSE(board.DigitalOutput(8));
}

}  // namespace
}  // namespace tessaro
