#include "engine/control/pid.h"

#include <gtest/gtest.h>

#include "engine/core/process_image.h"

namespace tessaro {
namespace {

// Controller n on field (5, 3), fed from its left neighbour and the field above.
struct PidCycleTest : ::testing::Test {
  PidCycleTest() { ApplyStartupDefaults(image); }
  PidState& Run(int n, uint8_t left, uint8_t upper = 0) {
    image.OutRight[5][2] = left;
    image.OutDown[4][3] = upper;
    PidBlockStep(image, n, 5, 3);
    return image.Pid[n];
  }
  uint8_t Written() const { return image.OutRight[5][3]; }
  ProcessImage image;
};

TEST_F(PidCycleTest, WorkedExampleAndReverseAction) {
  PidState& pid = image.Pid[1];
  pid.Mode = "auto";
  pid.Sp = 50;
  Run(1, 153);  // exactly 60 %
  EXPECT_EQ(pid.Pv, 60.0);
  EXPECT_EQ(pid.PTerm, 10.0);
  EXPECT_DOUBLE_EQ(pid.ITerm, 50 + 10.0 / 60);
  EXPECT_DOUBLE_EQ(pid.Out, 60.166666666666664);
  EXPECT_EQ(Written(), 153);  // 153.425

  PidState& rev = image.Pid[2];
  rev.Mode = "auto";
  rev.Sp = 50;
  rev.PidAction = -1;
  image.OutRight[5][2] = 153;
  PidBlockStep(image, 2, 5, 3);
  EXPECT_EQ(rev.PTerm, -10.0);
  EXPECT_DOUBLE_EQ(rev.Out, 40 - 10.0 / 60);
}

TEST_F(PidCycleTest, WithoutIntegralTimeTheBiasStaysFifty) {
  PidState& pid = image.Pid[1];
  pid.Mode = "auto";
  pid.Sp = 50;
  pid.Ti = 0;
  for (int i = 0; i < 3; ++i) Run(1, 153);
  EXPECT_EQ(pid.ITerm, 50.0);
  EXPECT_DOUBLE_EQ(pid.Out, 60.0);
  pid.Pb = 10;  // P = 100: the anti-windup would take the bias away
  Run(1, 153);
  EXPECT_EQ(pid.ITerm, 50.0);
  EXPECT_EQ(pid.Out, 100.0);
}

TEST_F(PidCycleTest, AntiWindupHoldsPPlusIWithinZeroToHundred) {
  PidState& pid = image.Pid[1];
  pid.Mode = "auto";
  pid.Sp = 50;
  pid.Pb = 5;
  Run(1, 153);  // P = 200
  EXPECT_EQ(pid.ITerm, -100.0);
  EXPECT_EQ(pid.Out, 100.0);
  Run(1, 102);  // 40 %: P = -200
  EXPECT_EQ(pid.ITerm, 200.0);
  EXPECT_EQ(pid.Out, 0.0);
}

TEST_F(PidCycleTest, DerivativeKicksAgainstTheLastAutomaticPv) {
  PidState& pid = image.Pid[1];
  pid.Mode = "auto";
  pid.Sp = 40;
  pid.Td = 5;
  Run(1, 102);  // first automatic cycle: against PvPrev 0
  EXPECT_EQ(pid.DTerm, 200.0);
  EXPECT_EQ(pid.Out, 100.0);  // 250 before the limits
  pid.OutMax = 80;
  Run(1, 102);
  EXPECT_EQ(pid.DTerm, 0.0);
  EXPECT_DOUBLE_EQ(pid.Out, 50.0);

  // A stay in hand leaves PvPrev at the last automatic Pv.
  pid.Mode = "hand";
  for (int i = 0; i < 5; ++i) Run(1, 153);
  EXPECT_EQ(pid.PvPrev, 40.0);
  pid.Mode = "auto";
  pid.Sp = 60;
  Run(1, 153);
  EXPECT_DOUBLE_EQ(pid.DTerm, 100.0);
  EXPECT_EQ(pid.Out, 80.0);
}

TEST_F(PidCycleTest, HandKeepsTheOutputFlatWithinTheLimits) {
  PidState& pid = image.Pid[2];
  pid.Out = 33.5;
  for (int i = 0; i < 4; ++i) Run(2, 200);
  EXPECT_EQ(pid.ITerm, 50.0);
  EXPECT_EQ(Written(), 85);  // 85.425
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(pid.OutTrend[i], 67);
    EXPECT_EQ(pid.PvTrend[i], 157);  // 2 x 78.43
  }
  pid.OutMax = 20;
  Run(2, 200);
  EXPECT_EQ(pid.Out, 20.0);
}

TEST_F(PidCycleTest, AutomaticOutputStaysWithinBothLimits) {
  PidState& pid = image.Pid[1];
  pid.Mode = "auto";
  pid.Sp = 50;
  pid.Pb = 5;
  pid.OutMin = 20;
  pid.OutMax = 60;
  Run(1, 102);  // 40 %: P = -200, P + I held at 0
  EXPECT_EQ(pid.Out, 20.0);
  EXPECT_EQ(Written(), 51);
  EXPECT_EQ(pid.OpTag.top, 178);
  Run(1, 153);  // 60 %: P = 200
  EXPECT_EQ(pid.Out, 60.0);
  EXPECT_EQ(Written(), 153);
  pid.PidAction = -1;
  Run(1, 153);
  EXPECT_EQ(pid.Out, 20.0);
}

TEST_F(PidCycleTest, CascadeSetpointIsTheUpperInputInWholePercents) {
  PidState& pid = image.Pid[3];
  pid.Mode = "casc";
  pid.CascadeIn = 72.6;
  pid.Pv = 50;
  PidCycle(image, 3);
  EXPECT_EQ(pid.Sp, 73.0);
  EXPECT_EQ(pid.PTerm, -23.0);  // the control step runs in "casc"
  EXPECT_EQ(pid.SpTag.top, 72);
  pid.Boxes.SpinEdit4 = 70;
  PidCycle(image, 3);
  EXPECT_EQ(pid.Sp, 70.0);
  pid.Boxes.SpinEdit4 = 100;
  pid.Boxes.SpinEdit5 = 80;
  PidCycle(image, 3);
  EXPECT_EQ(pid.Sp, 80.0);

  // Only the slave reads the upper input.
  Run(1, 0, 200);
  EXPECT_EQ(image.Pid[1].CascadeIn, 0.0);
}

TEST_F(PidCycleTest, BypassHandsTheUpperInputThrough) {
  image.Pid[3].Mode = "byps";
  for (int b = 0; b <= 255; ++b) {
    Run(3, 17, static_cast<uint8_t>(b));
    ASSERT_EQ(Written(), b);
  }
  image.Pid[3].OutMax = 50;
  Run(3, 17, 255);
  EXPECT_EQ(Written(), 128);  // 127.5, ties to even
}

TEST_F(PidCycleTest, TagsAndScaleFollowTheRange) {
  image.RangeHigh[9] = 1000;
  image.RangeUnit[9] = "mbar";
  PidState& pid = image.Pid[1];
  pid.Out = 60.1666;
  pid.Pv = 120;  // clamped to 100
  PidCycle(image, 1);
  EXPECT_EQ(pid.Pv, 100.0);
  EXPECT_EQ(pid.PvTag.top, 18);
  EXPECT_EQ(pid.PvTag.text, "1E3 mbar");
  EXPECT_EQ(pid.OpTag.top, 98);
  EXPECT_EQ(pid.OpTag.text, "60.2 %");
  EXPECT_EQ(pid.ScaleText[0], "1000 mbar");
  EXPECT_EQ(pid.ScaleText[10], "0 mbar");
  image.DecimalSeparator = ',';
  pid.Pv = -3;
  PidCycle(image, 1);
  EXPECT_EQ(pid.PvTag.top, 218);
  EXPECT_EQ(pid.OpTag.text, "60,2 %");

  // Tops round ties to the even neighbour.
  EXPECT_EQ(TagTop(0.25), 218);
  EXPECT_EQ(TagTop(0.75), 216);
}

TEST_F(PidCycleTest, HistoriesHoldTheLast400Cycles) {
  PidState& pid = image.Pid[1];
  for (int i = 0; i < 450; ++i) {
    pid.Pv = i * 0.2;
    pid.Sp = i == 50 ? 0.25 : 0.75;
    PidCycle(image, 1);
  }
  EXPECT_EQ(pid.PvTrend[0], 180);   // 2 x 89.8
  EXPECT_EQ(pid.PvTrend[399], 20);  // 399 cycles back: Pv 10
  EXPECT_EQ(pid.SpTrend[399], 0);   // 0.5 and 1.5 round to the even neighbour
  EXPECT_EQ(pid.SpTrend[398], 2);
}

TEST_F(PidCycleTest, OnlyControllersOneToThreeRun) {
  image.OutRight[5][2] = 100;
  PidBlockStep(image, 4, 5, 3);
  PidBlockStep(image, 0, 5, 3);
  PidBlockStep(image, 1, 0, 3);
  EXPECT_EQ(image.Pid[1].PvTrend[0], 0);
  EXPECT_EQ(Written(), 0);
}

}  // namespace
}  // namespace tessaro
