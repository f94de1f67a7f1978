#include "engine/control/onoff_controller.h"

#include <gtest/gtest.h>

#include "engine/control/setpoint_faceplate.h"
#include "engine/core/process_image.h"

namespace tessaro {
namespace {

constexpr int kRow = 9;
constexpr int kColumn = 2;

class OnOffController : public ::testing::Test {
 protected:
  void SetUp() override {
    ApplyStartupDefaults(image);
    image.FieldGrid[kRow][kColumn] = "Reg7";
  }

  OnOffState& state() { return image.OnOff[7]; }

  // One block step of controller 7 with left input v; returns the output byte.
  int Run(uint8_t v) {
    image.OutRight[kRow][kColumn - 1] = v;
    OnOffBlockStep(image, 7, kRow, kColumn);
    return image.OutRight[kRow][kColumn];
  }

  // "Auto" at input v: the setpoint becomes v's percentage to the nearest half.
  void AutoAt(uint8_t v) {
    Run(v);
    onoff::AutoButtonClick(image, 7);
  }

  ProcessImage image;
};

TEST_F(OnOffController, SwitchesOnlyBeyondTheGapOnEitherSide) {
  AutoAt(128);  // 50.2 % -> setpoint 50
  ASSERT_EQ(state().Sp, 50.0);
  ASSERT_EQ(state().Gap, 10);
  EXPECT_EQ(Run(153), 0);  // exactly 60: not above the band
  EXPECT_EQ(state().Lamp, LampColour::White);
  EXPECT_EQ(Run(154), 255);  // 60.39
  EXPECT_EQ(state().Lamp, LampColour::Red);
  EXPECT_EQ(Run(153), 255);
  EXPECT_EQ(Run(102), 255);  // exactly 40: still on
  EXPECT_EQ(Run(101), 0);    // 39.61
  EXPECT_EQ(state().Lamp, LampColour::White);
  EXPECT_EQ(Run(128), 0);
}

TEST_F(OnOffController, FullGapNeverSwitches) {
  onoff::GapButtonClick(image, 7, 100);
  AutoAt(0);  // setpoint 0
  EXPECT_EQ(Run(255), 0);

  onoff::HandButtonClick(image, 7);
  onoff::SpinButton1UpClick(image, 7);
  AutoAt(255);  // setpoint 100, output on
  EXPECT_EQ(Run(0), 255);
}

TEST_F(OnOffController, HandArrowsSwitchTheOutput) {
  EXPECT_EQ(Run(255), 0);  // "hand": no decisions
  onoff::SpinButton1UpClick(image, 7);
  EXPECT_EQ(state().Out, 255);
  EXPECT_EQ(state().Lamp, LampColour::White);  // the lamp follows at the next cycle
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Run(0), 255);
    EXPECT_EQ(state().Lamp, LampColour::Red);
  }
  onoff::SpinButton1DownClick(image, 7);
  EXPECT_EQ(Run(255), 0);
  EXPECT_EQ(state().Lamp, LampColour::White);
}

TEST_F(OnOffController, SetpointArrowsInAuto) {
  image.RangeHigh[15] = 300;
  image.RangeLow[15] = 100;
  image.RangeUnit[15] = "K";
  AutoAt(255);
  EXPECT_EQ(state().ModeText, "Auto");
  EXPECT_EQ(state().SpTag.text, "300 K");
  onoff::SpinButton1UpClick(image, 7);
  EXPECT_EQ(state().Sp, 100.0);
  onoff::SpinButton1DownClick(image, 7);
  EXPECT_EQ(state().Sp, 99.5);
  EXPECT_EQ(state().SpTag.top, 19);
  EXPECT_EQ(state().SpTag.text, "299 K");
  EXPECT_EQ(state().Out, 0);  // arrows in "auto" leave the output alone

  AutoAt(0);
  onoff::SpinButton1DownClick(image, 7);
  EXPECT_EQ(state().Sp, 0.0);
  EXPECT_EQ(state().SpTag.top, 218);
  EXPECT_EQ(state().PvTag.text, "100.0 K");
}

TEST_F(OnOffController, GapBoxKeepsItsRange) {
  onoff::GapButtonClick(image, 7, 37);
  EXPECT_EQ(state().Gap, 37);
  onoff::GapButtonClick(image, 7, 0);
  EXPECT_EQ(state().Gap, 1);
  onoff::GapButtonClick(image, 7, 250);
  EXPECT_EQ(state().Gap, 100);
  EXPECT_EQ(image.OnOff[8].Gap, 10);
}

TEST_F(OnOffController, GrafiekCyclesThroughThreeWidths) {
  std::vector<int> widths;
  for (int i = 0; i < 4; ++i) {
    widths.push_back(FaceplateWidth(state().ViewSize));
    onoff::GKknopClick(image, 7);
  }
  EXPECT_EQ(widths, (std::vector<int>{198, 660, 764, 198}));
}

}  // namespace
}  // namespace tessaro
