#include "engine/control/pid_faceplate.h"

#include <gtest/gtest.h>

#include "engine/control/pid.h"
#include "engine/core/process_image.h"

namespace tessaro {
namespace {

struct PidFaceplateTest : ::testing::Test {
  PidFaceplateTest() {
    ApplyStartupDefaults(image);
    image.RangeHigh[9] = 100;
    image.RangeUnit[9] = "%";
  }
  // A cycle of controller n in hand with process value byte v.
  PidState& Measure(int n, uint8_t v) {
    image.OutRight[3][2] = v;
    PidBlockStep(image, n, 3, 3);
    return image.Pid[n];
  }
  ProcessImage image;
};

TEST_F(PidFaceplateTest, AutoTakesTheRoundedPvAndCarriesTheOutputOn) {
  PidState& pid = Measure(1, 109);  // 42.745 %
  pid.Out = 30;
  pid::AutoButtonClick(image, 1);
  EXPECT_EQ(pid.Mode, "auto");
  EXPECT_EQ(pid.ModeText, "Auto");
  EXPECT_EQ(pid.Sp, 43.0);
  EXPECT_TRUE(pid.SpTag.visible);
  EXPECT_EQ(pid.SpTag.top, 132);
  EXPECT_EQ(pid.SpTag.text, "43 %");
  EXPECT_DOUBLE_EQ(pid.ITerm + (pid.Pv - 43), 30.0);
  Measure(1, 109);
  EXPECT_NEAR(pid.Out, 30.0, 0.01);

  // Held down by "Setp-max %", the setpoint lies 10 % below the value; a reverse-acting
  // controller still carries its hand output on.
  PidState& rev = Measure(2, 204);  // 80 %
  pid::RadioButton2Click(image, 2);
  rev.Out = 30;
  pid::SetBox(image, 2, PidBox::SpinEdit4, 70);
  pid::AutoButtonClick(image, 2);
  EXPECT_EQ(rev.Sp, 70.0);
  EXPECT_DOUBLE_EQ(rev.ITerm, 40.0);
  Measure(2, 204);
  EXPECT_NEAR(rev.Out, 30.0, 0.2);  // only the first integral step, -10 / 60

  pid::ManualButtonClick(image, 1);
  EXPECT_EQ(pid.Mode, "hand");
  EXPECT_EQ(pid.ModeText, "Hand");
  EXPECT_FALSE(pid.SpTag.visible);
}

TEST_F(PidFaceplateTest, AutoShowsThreeDigitsOfTheSetpointAndTheArrowsFour) {
  image.RangeHigh[9] = 999;
  image.RangeUnit[9] = "l";
  PidState& pid = Measure(1, 109);  // 42.745 %: setpoint 43 %, 429.57 l
  pid::AutoButtonClick(image, 1);
  EXPECT_EQ(pid.SpTag.text, "430 l");
  pid::SpinButton1UpClick(image, 1);
  EXPECT_EQ(pid.SpTag.text, "434.6 l");
}

TEST_F(PidFaceplateTest, CascadeAndBypassBelongToTheSlave) {
  pid::CascadeButtonClick(image, 1);
  pid::BypassButtonClick(image, 2);
  EXPECT_EQ(image.Pid[1].Mode, "hand");
  EXPECT_EQ(image.Pid[2].Mode, "hand");

  PidState& pid = Measure(3, 153);
  pid.Out = 25;
  pid.Sp = 55;
  pid::CascadeButtonClick(image, 3);
  EXPECT_EQ(pid.ModeText, "Casc");
  EXPECT_TRUE(pid.SpTag.visible);
  EXPECT_DOUBLE_EQ(pid.ITerm, 20.0);  // with the present setpoint
  pid::BypassButtonClick(image, 3);
  EXPECT_EQ(pid.Mode, "byps");
  EXPECT_EQ(pid.ModeText, "Bypas");
  EXPECT_FALSE(pid.SpTag.visible);
}

TEST_F(PidFaceplateTest, ArrowsStepTheSetpointInAuto) {
  PidState& pid = image.Pid[1];
  pid.Mode = "auto";
  pid.Sp = 99.5;
  pid::SpinButton1UpClick(image, 1);
  EXPECT_EQ(pid.Sp, 100.0);
  pid::SpinButton1UpClick(image, 1);
  EXPECT_EQ(pid.Sp, 100.0);

  image.RangeHigh[9] = 1234;
  pid.Sp = 42.3;
  pid::SpinButton1UpClick(image, 1);
  EXPECT_EQ(pid.Sp, 43.0);  // 42.8 to the nearest half
  pid::SpinButton1DownClick(image, 1);
  EXPECT_EQ(pid.Sp, 42.5);
  EXPECT_EQ(pid.SpTag.text, "524.5 %");  // four digits from the arrows
  pid::SetBox(image, 1, PidBox::SpinEdit5, 43);
  pid::SpinButton1DownClick(image, 1);
  EXPECT_EQ(pid.Sp, 43.0);

  pid::SetBox(image, 1, PidBox::SpinEdit4, 45);
  pid.Sp = 44.8;
  pid::SpinButton1UpClick(image, 1);
  EXPECT_EQ(pid.Sp, 45.0);  // not 45.5: "Setp-max %" holds it
}

TEST_F(PidFaceplateTest, ArrowsStepTheOutputInHand) {
  PidState& pid = image.Pid[1];
  pid.Out = 0.3;
  pid::SpinButton1DownClick(image, 1);
  EXPECT_EQ(pid.Out, 0.0);
  EXPECT_EQ(pid.OpTag.text, "0 %");
  pid::SetBox(image, 1, PidBox::SpinEdit3, 10);
  pid.Out = 0.3;
  pid::SpinButton1DownClick(image, 1);
  EXPECT_EQ(pid.Out, 10.0);
  EXPECT_EQ(pid.OpTag.top, 198);

  pid::SetBox(image, 1, PidBox::SpinEdit2, 20);
  pid.Out = 19.8;
  pid::SpinButton1UpClick(image, 1);
  EXPECT_EQ(pid.Out, 20.0);
}

TEST_F(PidFaceplateTest, ArrowsDoNothingInCascadeAndBypass) {
  PidState& pid = image.Pid[3];
  pid.Sp = 40;
  pid.Out = 40;
  for (const char* mode : {"casc", "byps"}) {
    pid.Mode = mode;
    pid::SpinButton1UpClick(image, 3);
    pid::SpinButton1DownClick(image, 3);
    EXPECT_EQ(pid.Sp, 40.0) << mode;
    EXPECT_EQ(pid.Out, 40.0) << mode;
  }
}

TEST_F(PidFaceplateTest, LimitBoxesPushEachOther) {
  PidState& pid = image.Pid[1];
  pid::SetBox(image, 1, PidBox::SpinEdit3, 30);
  pid::SetBox(image, 1, PidBox::SpinEdit2, 20);
  EXPECT_EQ(pid.Boxes.SpinEdit3, 20);
  EXPECT_EQ(pid.OutMin, 20.0);
  EXPECT_EQ(pid.OutMax, 20.0);
  pid::SetBox(image, 1, PidBox::SpinEdit3, 60);
  EXPECT_EQ(pid.Boxes.SpinEdit2, 60);
  EXPECT_EQ(pid.OutMax, 60.0);

  pid.Sp = 50;
  pid::SetBox(image, 1, PidBox::SpinEdit5, 40);
  EXPECT_EQ(pid.Sp, 50.0);
  EXPECT_EQ(pid.SpTag.text, "50 %");
  pid::SetBox(image, 1, PidBox::SpinEdit4, 30);
  EXPECT_EQ(pid.Boxes.SpinEdit5, 30);
  EXPECT_EQ(pid.Sp, 30.0);
  pid::SetBox(image, 1, PidBox::SpinEdit5, 45);
  EXPECT_EQ(pid.Boxes.SpinEdit4, 45);
  EXPECT_EQ(pid.Sp, 45.0);
}

TEST_F(PidFaceplateTest, BoxesKeepTheirRangeAndAnUnchangedValueRunsNothing) {
  PidState& pid = image.Pid[1];
  pid::SetBox(image, 1, PidBox::PBSpin, 0);
  EXPECT_EQ(pid.Pb, 1.0);
  pid::SetBox(image, 1, PidBox::ItijdSpin, 0);
  EXPECT_EQ(pid.Ti, 0.0);
  pid::SetBox(image, 3, PidBox::ItijdSpin, 0);
  EXPECT_EQ(image.Pid[3].Ti, 1.0);
  pid::SetBox(image, 1, PidBox::DtijdSpin, 500);
  EXPECT_EQ(pid.Td, 100.0);

  pid.Sp = 80;
  pid::SetBox(image, 1, PidBox::SpinEdit4, 100);
  EXPECT_EQ(pid.SpTag.text, "");
}

TEST_F(PidFaceplateTest, ActionChoice) {
  pid::RadioButton2Click(image, 1);
  EXPECT_EQ(image.Pid[1].PidAction, -1);
  EXPECT_FALSE(image.Pid[1].RadioButton1Checked);
  pid::SelectAction(image, 1, true);
  EXPECT_EQ(image.Pid[1].PidAction, 1);
  // A loaded value that is neither +1 nor -1 follows the choice even when it stays.
  image.Pid[2].PidAction = 7;
  pid::SelectAction(image, 2, true);
  EXPECT_EQ(image.Pid[2].PidAction, 1);
}

TEST_F(PidFaceplateTest, GrafiekCyclesTheWidthAndLocksTheTuning) {
  PidState& pid = image.Pid[2];
  EXPECT_EQ(pid::FormCreate(image, 2), " (0 tot 0)");
  const std::pair<const char*, int> views[] = {{"groot", 660}, {"super", 764}, {"klein", 198}};
  for (const auto& [view, width] : views) {
    pid::Button2Click(image, 2);
    EXPECT_TRUE(pid.TuningEnabled);
    pid::GKknopClick(image, 2);
    EXPECT_EQ(pid.ViewSize, view);
    EXPECT_EQ(pid.Width, width);
    EXPECT_FALSE(pid.TuningEnabled);
  }
  pid::GKknopClick(image, 2);
  pid::Button2Click(image, 2);
  EXPECT_EQ(pid::Sluiten(image, 2, -30), 0);
  EXPECT_EQ(pid.ViewSize, "klein");
  EXPECT_EQ(pid.Width, 198);
  EXPECT_FALSE(pid.TuningEnabled);
  EXPECT_EQ(pid::Sluiten(image, 2, 240), 240);

  image.RangeLow[10] = -10;
  image.RangeHigh[10] = 150;
  image.RangeUnit[10] = "C";
  EXPECT_EQ(pid::FormCreate(image, 2), " (-10 tot 150C)");
}

}  // namespace
}  // namespace tessaro
