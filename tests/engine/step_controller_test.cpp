#include "engine/control/step_controller.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/control/chart.h"
#include "engine/control/setpoint_faceplate.h"
#include "engine/core/process_image.h"

namespace tessaro {
namespace {

constexpr int kRow = 3;
constexpr int kColumn = 4;

class StepController : public ::testing::Test {
 protected:
  void SetUp() override {
    ApplyStartupDefaults(image);
    image.FieldGrid[kRow][kColumn] = "Reg4";
  }

  StepState& state() { return image.Step[4]; }

  // One block step of controller 4 with left input v; returns the open and close outputs.
  std::pair<int, int> Run(uint8_t v) {
    image.OutRight[kRow][kColumn - 1] = v;
    StepBlockStep(image, 4, kRow, kColumn);
    return {image.OutRight[kRow][kColumn], image.OutDown[kRow][kColumn]};
  }

  std::vector<int> OpenOutputs(uint8_t v, int cycles) {
    std::vector<int> out;
    for (int i = 0; i < cycles; ++i) out.push_back(Run(v).first);
    return out;
  }

  // Steady input v for a cycle in "hand", then "auto" with the setpoint moved to sp by the
  // arrows.
  void AutoAt(uint8_t v, double sp) {
    step::HandButtonClick(image, 4);
    Run(v);
    step::AutoButtonClick(image, 4);
    while (state().Sp < sp) step::SpinButton1UpClick(image, 4);
    while (state().Sp > sp) step::SpinButton1DownClick(image, 4);
  }

  ProcessImage image;
};

TEST_F(StepController, BelowTheBandOpensOnceEveryFourCycles) {
  AutoAt(121, 50.0);  // Pv 47.45
  EXPECT_EQ(OpenOutputs(121, 9), (std::vector<int>{255, 0, 0, 0, 255, 0, 0, 0, 255}));
  EXPECT_EQ(image.OutDown[kRow][kColumn], 0);
  EXPECT_EQ(state().OpenLamp, LampColour::Yellow);
  Run(121);
  EXPECT_EQ(state().OpenLamp, LampColour::White);
  EXPECT_EQ(state().CloseLamp, LampColour::White);
}

TEST_F(StepController, TheTwoPercentDeadBandIsStrict) {
  AutoAt(123, 50.0);  // 48.24: less than 2 below
  EXPECT_EQ(OpenOutputs(123, 8), std::vector<int>(8, 0));

  AutoAt(122, 50.0);  // 47.84
  EXPECT_EQ(OpenOutputs(122, 5), (std::vector<int>{255, 0, 0, 0, 255}));
}

TEST_F(StepController, ExactlyTwoPercentGivesNoPulseEitherWay) {
  AutoAt(153, 62.0);  // Pv exactly 60
  EXPECT_EQ(OpenOutputs(153, 5), std::vector<int>(5, 0));
  step::SpinButton1UpClick(image, 4);  // 62.5
  EXPECT_EQ(Run(153), std::make_pair(255, 0));

  AutoAt(102, 38.0);  // Pv exactly 40
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Run(102), std::make_pair(0, 0)) << i;
  step::SpinButton1DownClick(image, 4);  // 37.5
  EXPECT_EQ(Run(102), std::make_pair(0, 255));
  EXPECT_EQ(state().CloseLamp, LampColour::Yellow);
  EXPECT_EQ(Run(102), std::make_pair(0, 0));
}

TEST_F(StepController, WaitsWhileTheValueAlreadyMovesTheRightWay) {
  AutoAt(102, 50.0);  // Pv 40, far below
  for (int v = 105; v <= 120; v += 3) EXPECT_EQ(Run(static_cast<uint8_t>(v)).first, 0) << v;
  EXPECT_EQ(Run(120).first, 255);  // standing still now

  AutoAt(200, 50.0);  // far above and falling
  for (int v = 197; v >= 182; v -= 3) EXPECT_EQ(Run(static_cast<uint8_t>(v)).second, 0) << v;
  EXPECT_EQ(Run(182).second, 255);
}

TEST_F(StepController, HandArrowsGiveSinglePulses) {
  Run(250);  // no decisions in "hand", however far from the setpoint
  EXPECT_EQ(Run(250), std::make_pair(0, 0));

  step::SpinButton1UpClick(image, 4);
  EXPECT_EQ(Run(250), std::make_pair(255, 0));
  EXPECT_EQ(state().OpenLamp, LampColour::Yellow);
  EXPECT_EQ(Run(250), std::make_pair(0, 0));
  EXPECT_EQ(state().OpenLamp, LampColour::White);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Run(250), std::make_pair(0, 0));

  // Down then up before a cycle: only the open pulse.
  step::SpinButton1DownClick(image, 4);
  step::SpinButton1UpClick(image, 4);
  EXPECT_EQ(Run(250), std::make_pair(255, 0));
  EXPECT_EQ(state().CloseLamp, LampColour::White);
  EXPECT_EQ(Run(250), std::make_pair(0, 0));
}

TEST_F(StepController, CloseRightAfterAnOpenPulseIsLost) {
  step::SpinButton1UpClick(image, 4);
  EXPECT_EQ(Run(0), std::make_pair(255, 0));
  step::SpinButton1DownClick(image, 4);
  // The open output is still on, so the close pulse is cleared at once; both lamps light.
  EXPECT_EQ(Run(0), std::make_pair(255, 0));
  EXPECT_EQ(state().OpenLamp, LampColour::Yellow);
  EXPECT_EQ(state().CloseLamp, LampColour::Yellow);
  EXPECT_EQ(Run(0), std::make_pair(0, 0));
  EXPECT_EQ(state().OpenLamp, LampColour::White);
  EXPECT_EQ(state().CloseLamp, LampColour::White);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Run(0), std::make_pair(0, 0));
}

TEST_F(StepController, TagsAndTrendFollowTheCycle) {
  image.RangeHigh[12] = 200;
  image.RangeUnit[12] = "C";
  Run(153);  // 60 %
  EXPECT_EQ(state().PvTag.top, 98);
  EXPECT_EQ(state().PvTag.text, "120.0 C");
  Run(121);  // 47.45 %: 94.9 half percent
  EXPECT_EQ(state().PvTag.top, 123);
  EXPECT_EQ(state().PvTrend[0], 95);
  EXPECT_EQ(state().PvTrend[1], 120);
  EXPECT_EQ(state().SpTrend[0], 0);

  const auto line = TrendLine(state().PvTrend);
  ASSERT_EQ(line.size(), 401u);
  EXPECT_EQ(line[0], (ChartPoint{400, 118}));
  EXPECT_EQ(line[1], (ChartPoint{399, 118}));
  EXPECT_EQ(line[2], (ChartPoint{398, 93}));
  EXPECT_EQ(line[3], (ChartPoint{397, 213}));
  EXPECT_EQ(line[400], (ChartPoint{0, 213}));
}

TEST_F(StepController, AutoTakesTheValueToTheHalfPercentAndArrowsStepIt) {
  image.RangeHigh[12] = 2000;
  image.RangeUnit[12] = "mbar";
  Run(121);
  step::AutoButtonClick(image, 4);
  EXPECT_EQ(state().Mode, "auto");
  EXPECT_EQ(state().ModeText, "Auto");
  EXPECT_EQ(state().Sp, 47.5);
  EXPECT_EQ(state().SpTag.top, 123);
  EXPECT_EQ(state().SpTag.text, "950 mbar");
  EXPECT_TRUE(state().SpTag.visible);

  state().Sp = 99.5;
  step::SpinButton1UpClick(image, 4);
  EXPECT_EQ(state().Sp, 100.0);
  EXPECT_EQ(state().SpTag.text, "2000 mbar");  // four digits, not the exponent form
  step::SpinButton1UpClick(image, 4);
  EXPECT_EQ(state().Sp, 100.0);
  EXPECT_EQ(state().SpTag.top, 18);
  EXPECT_EQ(state().PulseCount, 0);  // arrows in "auto" never pulse

  step::HandButtonClick(image, 4);
  EXPECT_EQ(state().ModeText, "Hand");
  EXPECT_EQ(state().Sp, 100.0);
}

TEST_F(StepController, GrafiekTogglesTheWidth) {
  EXPECT_EQ(FaceplateWidth(state().ViewSize), 198);
  step::GKknopClick(image, 4);
  EXPECT_EQ(FaceplateWidth(state().ViewSize), 660);
  step::GKknopClick(image, 4);
  EXPECT_EQ(state().ViewSize, "klein");
  EXPECT_EQ(FaceplateWidth(state().ViewSize), 198);
}

TEST_F(StepController, ControllersAreIndependentAndOthersIgnored) {
  image.Step[5].PulseCount = 4;
  StepCycle(image, 5);
  EXPECT_EQ(image.Step[5].OpenPulse, 255);
  EXPECT_EQ(state().OpenPulse, 0);
  EXPECT_EQ(image.Step[6].OpenPulse, 0);
  step::SpinButton1UpClick(image, 4);
  EXPECT_EQ(state().PulseCount, 4);
  EXPECT_EQ(image.Step[6].PulseCount, 0);

  // Numbers outside 4..6 reach no controller and leave the field's outputs alone.
  for (int n : {0, 3, 7}) {
    image.OutRight[kRow][kColumn - 1] = 200;
    image.OutRight[kRow][kColumn] = 77;
    image.OutDown[kRow][kColumn] = 66;
    step::AutoButtonClick(image, n);
    step::SpinButton1UpClick(image, n);
    StepCycle(image, n);
    StepBlockStep(image, n, kRow, kColumn);
    EXPECT_EQ(image.OutRight[kRow][kColumn], 77) << n;
    EXPECT_EQ(image.OutDown[kRow][kColumn], 66) << n;
  }
  for (int n = 4; n <= 6; ++n) EXPECT_EQ(image.Step[n].Mode, "hand") << n;
}

}  // namespace
}  // namespace tessaro
