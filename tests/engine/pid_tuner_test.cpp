#include "engine/control/pid_tuner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <regex>
#include <string>

#include "engine/control/pid_faceplate.h"
#include "tuning_test_support.h"

namespace tessaro {
namespace {

// The heater's figures: 0.8 % per %, 60 s, 5 s of dead time.
LagChain Heater() { return LagChain(0.8, {60}, 5); }

TEST(StepTest, WaitsForASteadyValueStepsFitsAndProposes) {
  TuneLoop loop(Heater());
  loop.process.Settle(0);
  PidState& pid = loop.image.Pid[1];
  ASSERT_EQ(Say(loop.tuner.StartStep(loop.image, 1, 10)), "");
  EXPECT_EQ(loop.tuner.session(1).phase, TunePhase::Waiting);
  loop.RunTest();
  const TuneSession& s = loop.tuner.session(1);
  ASSERT_EQ(s.phase, TunePhase::Done) << Say(s.status);
  // The output stays where the step put it, in hand.
  EXPECT_EQ(pid.Mode, "hand");
  EXPECT_EQ(pid.Out, 10);
  EXPECT_NEAR(s.model.gain, 0.8, 0.02);
  EXPECT_NEAR(s.model.time_constant, 60, 3);
  EXPECT_NEAR(s.model.dead_time, 5, 0.25);
  EXPECT_GT(s.model.fit, 0.999);
  // Settled at about 4 time constants, not much later.
  EXPECT_LT(s.samples.size(), 400u);
  EXPECT_EQ(s.proposals.size(), 6u);
  // The model's line, its figures in their places in both languages.
  // (std::regex: GoogleTest's own matcher knows no classes or groups on Windows.)
  const auto model_line = [](const char* dead_time) {
    return std::regex(std::string("K 0\\.8[0-9]* %/%, tau (59|60|61)[0-9.]* s, ") + dead_time +
                      " [45][0-9.]* s, fit (99\\.9[0-9]*|100) %");
  };
  EXPECT_TRUE(std::regex_match(Say(s.status), model_line("dode tijd"))) << Say(s.status);
  EXPECT_TRUE(std::regex_match(Say(s.status, Language::kEnglish), model_line("dead time")))
      << Say(s.status, Language::kEnglish);
}

TEST(StepTest, ALongWaitForASteadyValueKeepsTheClockOfTheRecord) {
  // The heater still warming up from a first output of 20 %: the test waits minutes, keeps
  // only the last stretch before the step, and the record's clock must run on unbroken.
  TuneLoop loop(Heater());
  loop.image.Pid[1].Out = 20;
  ASSERT_EQ(Say(loop.tuner.StartStep(loop.image, 1, 10)), "");
  loop.RunTest();
  const TuneSession& s = loop.tuner.session(1);
  ASSERT_EQ(s.phase, TunePhase::Done) << Say(s.status);
  EXPECT_GT(s.samples.front().t, 100);  // the waiting was long
  for (size_t i = 1; i < s.samples.size(); ++i) {
    ASSERT_EQ(s.samples[i].t, s.samples[i - 1].t + 1) << i;
  }
  // What is left of the warming-up when the value counts as steady (0.2 % a minute) shows a
  // little in the model, most in the dead time.
  EXPECT_NEAR(s.model.gain, 0.8, 0.03);
  EXPECT_NEAR(s.model.time_constant, 60, 4);
  EXPECT_NEAR(s.model.dead_time, 5, 0.75);
}

TEST(StepTest, AChosenWaitAndRecordTime) {
  TuneLoop loop(Heater());
  ASSERT_EQ(Say(loop.tuner.StartStep(loop.image, 1, 20, 12, 100)), "");
  for (int i = 0; i < 12; ++i) loop.Cycle();
  EXPECT_EQ(loop.image.Pid[1].Out, 20);  // the step, after 12 s
  loop.RunTest();
  const TuneSession& s = loop.tuner.session(1);
  ASSERT_EQ(s.phase, TunePhase::Done);
  EXPECT_EQ(s.samples.back().t - s.model.step_time, 99);  // 100 samples from the step on
}

TEST(StepTest, RefusesWhatCannotBeATest) {
  TuneLoop loop(Heater());
  ProcessImage& image = loop.image;
  pid::AutoButtonClick(image, 1);
  EXPECT_EQ(Say(loop.tuner.StartStep(image, 1, 10)), "De stapproef begint in Hand");
  pid::ManualButtonClick(image, 1);
  EXPECT_EQ(Say(loop.tuner.StartStep(image, 1, 0)), "De stap is 0,5 tot 100 %");
  // Output 0 at "Outp-min %" 0: a step down has nowhere to go.
  EXPECT_EQ(Say(loop.tuner.StartStep(image, 1, -10)), "De stap valt buiten de uitgangsgrenzen");
  EXPECT_EQ(Say(loop.tuner.StartStep(image, 4, 10)), "Geen PID-regelaar");
  EXPECT_EQ(loop.tuner.session(1).phase, TunePhase::Idle);
}

TEST(StepTest, TheOperatorTakingOverEndsTheTest) {
  {
    TuneLoop loop(Heater());
    ASSERT_EQ(Say(loop.tuner.StartStep(loop.image, 1, 10)), "");
    for (int i = 0; i < 5; ++i) loop.Cycle();
    pid::SpinButton1UpClick(loop.image, 1);  // the arrow moves the output while waiting
    loop.Cycle();
    EXPECT_EQ(loop.tuner.session(1).phase, TunePhase::Failed);
  }
  {
    TuneLoop loop(Heater());
    ASSERT_EQ(Say(loop.tuner.StartStep(loop.image, 1, 10, 3)), "");
    for (int i = 0; i < 10; ++i) loop.Cycle();
    pid::AutoButtonClick(loop.image, 1);
    loop.Cycle();
    const TuneSession& s = loop.tuner.session(1);
    EXPECT_EQ(s.phase, TunePhase::Failed);
    EXPECT_EQ(Say(s.status), "Afgebroken: de regelaar staat niet meer op Hand");
    // No proposal survives a broken test, so nothing can be applied.
    EXPECT_FALSE(loop.tuner.Apply(loop.image, 1, 0, false));
  }
}

TEST(StepTest, ApplyGoesThroughTheBoxesAndCanSwitchToAuto) {
  TuneLoop loop(Heater());
  ProcessImage& image = loop.image;
  ASSERT_EQ(Say(loop.tuner.StartStep(image, 1, 10)), "");
  loop.RunTest();
  ASSERT_EQ(loop.tuner.session(1).phase, TunePhase::Done);
  const Proposal& simc = loop.tuner.session(1).proposals[4];
  ASSERT_EQ(simc.name, "simc-pi");
  ASSERT_TRUE(loop.tuner.Apply(image, 1, 4, true));
  const PidState& pid = image.Pid[1];
  EXPECT_EQ(pid.Boxes.PBSpin, simc.boxes.pb_box);
  EXPECT_EQ(pid.Pb, simc.boxes.pb_box);
  EXPECT_EQ(pid.Ti, simc.boxes.ti_box);
  EXPECT_EQ(pid.Td, 0);
  EXPECT_EQ(pid.PidAction, -1);  // "R": the heater warms with more power
  EXPECT_FALSE(pid.RadioButton1Checked);
  // "Auto" as the button does it: the setpoint at the present value, no bump.
  EXPECT_EQ(pid.Mode, "auto");
  EXPECT_EQ(pid.Sp, std::round(pid.Pv));
  EXPECT_DOUBLE_EQ(pid.ITerm, pid.Out - (pid.Pv - pid.Sp) * pid.PidAction * 100 / pid.Pb);

  // The model on the faceplate's trend: the newest sample at the right edge, moving left a
  // pixel a cycle, at 2 pixels a percent above the base.
  std::vector<ChartPoint> line = ModelTrendLine(loop.tuner.session(1));
  const TuneSession& s = loop.tuner.session(1);
  ASSERT_EQ(line.size(), s.samples.size());
  EXPECT_EQ(line.back().x, kTrendRight);
  EXPECT_NEAR(line.back().y, kTrendBase - 2 * s.model.At(s.samples.back().t), 0.5);
  EXPECT_NEAR(line.front().y, kTrendBase - 2 * 20, 1);
  for (int i = 0; i < 5; ++i) loop.Cycle();
  EXPECT_EQ(ModelTrendLine(s).back().x, kTrendRight - 5);

  // A shorter closed-loop time asks for a tighter loop.
  loop.tuner.SetClosedLoopTime(1, 2);
  EXPECT_LT(loop.tuner.session(1).proposals[4].boxes.pb, simc.boxes.pb);
}

TEST(StepTest, ADeadTimeOfNothingStillGivesFiniteSettings) {
  // A lag with no dead time at all: the fit may find none, the rules must not divide by it.
  TuneLoop loop(LagChain(1, {20}, 0));
  ASSERT_EQ(Say(loop.tuner.StartStep(loop.image, 1, 10)), "");
  loop.RunTest();
  const TuneSession& s = loop.tuner.session(1);
  ASSERT_EQ(s.phase, TunePhase::Done);
  for (const Proposal& p : s.proposals) {
    EXPECT_TRUE(std::isfinite(p.boxes.pb)) << p.name;
    EXPECT_GE(p.boxes.pb_box, 1) << p.name;
  }
}

// The ultimate gain and period of 1 / (tau s + 1)^3 behind a transport delay `delay`: the
// frequency where the phase reaches -180 degrees, and 1 / |G| there. Without the delay this
// is w tau = sqrt(3) and Ku = 8.
struct Ultimate {
  double ku, pu;
};
Ultimate ThirdOrderUltimate(double tau, double delay) {
  double lo = 0, hi = std::sqrt(3.0) / tau;
  for (int i = 0; i < 100; ++i) {
    const double w = (lo + hi) / 2;
    (3 * std::atan(tau * w) + w * delay < std::numbers::pi ? lo : hi) = w;
  }
  return {std::pow(1 + tau * tau * lo * lo, 1.5), 2 * std::numbers::pi / lo};
}

// The loop the relay closes holds the controller's cycle besides the process: the relay
// sees a sample, its new output goes out at the next cycle and holds for one, and a
// crossing is seen at the first sample after it - some two seconds in all.
constexpr double kRelayLoopDelay = 2;

TEST(RelayTest, FindsTheUltimateGainAndPeriodOfAThirdOrderProcess) {
  const double tau = 20;
  TuneLoop loop(LagChain(1, {tau, tau, tau}, 0, 0));
  ProcessImage& image = loop.image;
  PidState& pid = image.Pid[1];
  pid::RadioButton2Click(image, 1);  // "R"
  pid.Out = 50;
  loop.process.Settle(50);
  for (int i = 0; i < 3; ++i) loop.Cycle();
  pid::AutoButtonClick(image, 1);
  const double setpoint = pid.Sp;
  ASSERT_EQ(Say(loop.tuner.StartRelay(image, 1, 10, 0.05)), "");
  EXPECT_EQ(pid.Mode, "hand");
  loop.RunTest();
  const TuneSession& s = loop.tuner.session(1);
  ASSERT_EQ(s.phase, TunePhase::Done) << Say(s.status);
  const Ultimate u = ThirdOrderUltimate(tau, kRelayLoopDelay);
  EXPECT_NEAR(s.ku, u.ku, 0.1 * u.ku);
  EXPECT_NEAR(s.pu, u.pu, 0.1 * u.pu);
  // The output goes back to where the relay swung about.
  EXPECT_EQ(pid.Out, 50);
  ASSERT_EQ(s.proposals.size(), 4u);
  EXPECT_FALSE(s.proposals[0].boxes.direct);
  // Back to auto at the test's setpoint.
  ASSERT_TRUE(loop.tuner.Apply(image, 1, 2, true));
  EXPECT_EQ(pid.Mode, "auto");
  EXPECT_EQ(pid.Sp, setpoint);
  EXPECT_EQ(pid.Ti, s.proposals[2].boxes.ti_box);
}

TEST(RelayTest, DirectActionAndTheStartConditions) {
  // A process that falls as the output rises, run with "D".
  TuneLoop loop(LagChain(-1, {20, 20, 20}, 0, 100));
  ProcessImage& image = loop.image;
  PidState& pid = image.Pid[1];
  EXPECT_EQ(Say(loop.tuner.StartRelay(image, 1, 10)),
            "De relaisproef begint in Auto, rond het setpoint");
  pid.Out = 50;
  loop.process.Settle(50);
  for (int i = 0; i < 3; ++i) loop.Cycle();
  pid::AutoButtonClick(image, 1);
  EXPECT_EQ(Say(loop.tuner.StartRelay(image, 1, 0)), "De amplitude is 0,5 tot 50 %");
  pid::SetBox(image, 1, PidBox::SpinEdit2, 50);
  pid::SetBox(image, 1, PidBox::SpinEdit3, 50);
  EXPECT_EQ(Say(loop.tuner.StartRelay(image, 1, 10)),
            "De uitgangsgrenzen laten geen slingering toe");
  pid::SetBox(image, 1, PidBox::SpinEdit2, 100);
  pid::SetBox(image, 1, PidBox::SpinEdit3, 0);
  ASSERT_EQ(Say(loop.tuner.StartRelay(image, 1, 10, 0.05)), "");
  loop.RunTest();
  const TuneSession& s = loop.tuner.session(1);
  ASSERT_EQ(s.phase, TunePhase::Done) << Say(s.status);
  const double ku = ThirdOrderUltimate(20, kRelayLoopDelay).ku;
  EXPECT_NEAR(s.ku, ku, 0.1 * ku);
  EXPECT_TRUE(s.proposals[0].boxes.direct);
}

TEST(RelayTest, StoppingPutsTheOutputBackAndANewProjectEndsEveryTest) {
  TuneLoop loop(LagChain(1, {20, 20, 20}, 0, 0));
  ProcessImage& image = loop.image;
  PidState& pid = image.Pid[1];
  pid::RadioButton2Click(image, 1);
  pid.Out = 40;
  loop.process.Settle(40);
  loop.Cycle();
  pid::AutoButtonClick(image, 1);
  ASSERT_EQ(Say(loop.tuner.StartRelay(image, 1, 10)), "");
  for (int i = 0; i < 3; ++i) loop.Cycle();
  EXPECT_NE(pid.Out, 40);  // swinging
  loop.tuner.Stop(image, 1);
  EXPECT_EQ(pid.Out, 40);
  EXPECT_EQ(Say(loop.tuner.session(1).status), "Gestopt");

  ASSERT_EQ(Say(loop.tuner.StartStep(image, 1, 10)), "");
  loop.tuner.Reset();
  EXPECT_EQ(loop.tuner.session(1).phase, TunePhase::Idle);
  loop.Cycle();
  EXPECT_TRUE(loop.tuner.session(1).samples.empty());
}

TEST(Tuning, SummaryAndProposalLines) {
  TuneSession s;
  EXPECT_EQ(TuneSummary(s, 2), "tune 2 none state=idle");
  s.kind = TuneKind::Step;
  s.phase = TunePhase::Done;
  s.model.gain = 0.80012;
  s.model.time_constant = 60.004;
  s.model.dead_time = 5.8;
  s.model.fit = 0.99951;
  EXPECT_EQ(TuneSummary(s, 1), "tune 1 step state=done k=0.8 tau=60 theta=5.8 fit=0.9995");
  Proposal p{"simc-pi", "", Word(""), {}, ToFaceplate({1.5, 60, 0}, 0.8, 1)};
  EXPECT_EQ(ProposalLine(p, 1),
            "tune 1 simc-pi pb=66.67 ti=60 td=0 action=R pbbox=67 tibox=60 tdbox=0");
}

}  // namespace
}  // namespace tessaro
