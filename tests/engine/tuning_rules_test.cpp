#include "engine/control/tuning_rules.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

// The process of the worked examples below: K = 2 % per %, tau = 60 s, theta = 10 s
// (theta / tau = 1/6). The numbers are worked by hand from each rule's published formula.
FopdtModel Example() {
  FopdtModel m;
  m.gain = 2;
  m.time_constant = 60;
  m.dead_time = 10;
  m.valid = true;
  return m;
}

void ExpectPid(const IdealPid& got, double kc, double ti, double td) {
  EXPECT_NEAR(got.kc, kc, 1e-4 * kc);
  EXPECT_NEAR(got.ti, ti, 1e-4 * ti);
  EXPECT_NEAR(got.td, td, 1e-4 * (td + 1e-9));
}

TEST(TuningRules, ReactionCurveRulesOnTheWorkedProcess) {
  const FopdtModel m = Example();
  // Ziegler and Nichols, "Optimum settings for automatic controllers" (Trans. ASME 64,
  // 1942), reaction-curve table: PI Kc = 0.9 tau/(K theta), reset 3.33 theta; PID
  // Kc = 1.2 tau/(K theta), Ti = 2 theta, Td = theta/2. Here PI 0.9 x 60/20 = 2.7, Ti 33.3 s;
  // PID 3.6, 20 s, 5 s.
  ExpectPid(ZieglerNicholsStepPi(m), 2.7, 100.0 / 3, 0);
  ExpectPid(ZieglerNicholsStepPid(m), 3.6, 20, 5);
  // Cohen and Coon, "Theoretical consideration of retarded control" (Trans. ASME 75, 1953),
  // with r = theta/tau = 1/6: PI Kc = (0.9 + r/12)/(K r) = 2.7417, Ti = theta (30 + 3r)/
  // (9 + 20r) = 24.730 s; PID Kc = (4/3 + r/4)/(K r) = 4.125, Ti = theta (32 + 6r)/(13 + 8r)
  // = 23.023 s, Td = 4 theta/(11 + 2r) = 3.5294 s.
  ExpectPid(CohenCoonPi(m), 2.741667, 24.72973, 0);
  ExpectPid(CohenCoonPid(m), 4.125, 23.02326, 3.529412);
}

TEST(TuningRules, ModelBasedRulesFollowTheClosedLoopTime) {
  const FopdtModel m = Example();
  // Skogestad, "Simple analytic rules for model reduction and PID controller tuning"
  // (J. Process Control 13, 2003): Kc = tau/(K (tc + theta)), Ti = min(tau, 4 (tc + theta)).
  // With the recommended tc = theta this is Kc = 0.5 tau/(K theta) = 1.5 and Ti = 60 s;
  // with tc = 2 s the integral time is cut to 4 x 12 = 48 s.
  ExpectPid(SimcPi(m, 10), 1.5, 60, 0);
  ExpectPid(SimcPi(m, 2), 2.5, 48, 0);
  // Rivera, Morari and Skogestad, "Internal model control. 4. PID controller design"
  // (Ind. Eng. Chem. Process Des. Dev. 25, 1986), FOPDT with a first-order Pade delay:
  // Kc = (2 tau + theta)/(K (2 lambda + theta)) = 130/60, Ti = tau + theta/2 = 65 s,
  // Td = tau theta/(2 tau + theta) = 600/130 s.
  ExpectPid(ImcPid(m, 10), 130.0 / 60, 65, 600.0 / 130);
}

TEST(TuningRules, UltimateGainRules) {
  // Ziegler and Nichols (1942), ultimate-sensitivity table: PI 0.45 Ku, Pu/1.2; PID 0.6 Ku,
  // Pu/2, Pu/8. Tyreus and Luyben, "Tuning PI controllers for integrator/dead time
  // processes" (Ind. Eng. Chem. Res. 31, 1992): PI Ku/3.2, 2.2 Pu; PID Ku/2.2, 2.2 Pu,
  // Pu/6.3. For Ku = 5 and Pu = 40 s: 2.25 and 33.3 s; 3, 20 s, 5 s; 1.5625 and 88 s;
  // 2.2727, 88 s, 6.349 s.
  ExpectPid(ZieglerNicholsUltimatePi(5, 40), 2.25, 100.0 / 3, 0);
  ExpectPid(ZieglerNicholsUltimatePid(5, 40), 3, 20, 5);
  ExpectPid(TyreusLuybenPi(5, 40), 1.5625, 88, 0);
  ExpectPid(TyreusLuybenPid(5, 40), 5 / 2.2, 88, 40 / 6.3);
}

TEST(TuningRules, ConversionToTheFaceplateBoxes) {
  // PB is 100/Kc; a process that rises with the output needs "R".
  FaceplateSettings f = ToFaceplate({2.7, 100.0 / 3, 0}, 2, 1);
  EXPECT_NEAR(f.pb, 37.037, 1e-3);
  EXPECT_EQ(f.pb_box, 37);
  EXPECT_EQ(f.ti_box, 33);
  EXPECT_EQ(f.td_box, 0);
  EXPECT_FALSE(f.direct);
  EXPECT_TRUE(f.limited.empty());
  // A falling process needs "D".
  EXPECT_TRUE(ToFaceplate({2.7, 30, 0}, -0.5, 1).direct);
  // What does not fit the boxes is said: the I-tijd box of controllers 1 and 2 ends at
  // 120 s, that of the cascade slave at 99 s; PB runs 1..1000.
  f = ToFaceplate({0.05, 150, 4.4}, 1, 1);
  EXPECT_EQ(f.pb_box, 1000);
  EXPECT_EQ(f.ti_box, 120);
  EXPECT_EQ(f.td_box, 4);
  ASSERT_EQ(f.limited.size(), 2u);
  EXPECT_EQ(Say(f.limited[0]), "PB 2000 -> 1000");
  EXPECT_EQ(Say(f.limited[1]), "I-tijd 150 -> 120");
  EXPECT_EQ(ToFaceplate({150, 150, 0}, 1, 3).ti_box, 99);
  EXPECT_EQ(ToFaceplate({150, 150, 0}, 1, 3).pb_box, 1);
  // An integral time below half a second must not round to 0, which switches the integral
  // action off.
  EXPECT_EQ(ToFaceplate({1, 0.3, 0}, 1, 1).ti_box, 1);
  EXPECT_EQ(ToFaceplate({1, 0, 0}, 1, 1).ti_box, 0);
}

TEST(TuningRules, ProposalsNameEveryRuleOnce) {
  const auto step = StepProposals(Example(), 10, 1);
  ASSERT_EQ(step.size(), 6u);
  EXPECT_EQ(step[4].name, "simc-pi");
  EXPECT_EQ(step[4].title, "SIMC PI (tc = 10 s)");
  EXPECT_EQ(step[4].boxes.pb_box, 67);  // 100 / 1.5 = 66.7
  EXPECT_EQ(step[4].boxes.ti_box, 60);
  for (const Proposal& p : step) EXPECT_NE(Say(p.aim), "") << p.name;
  const auto relay = RelayProposals(5, 40, 1, 2);
  ASSERT_EQ(relay.size(), 4u);
  EXPECT_EQ(relay[3].name, "tl-pid");
  EXPECT_EQ(relay[3].boxes.pb_box, 44);  // 100 / 2.2727
  EXPECT_EQ(relay[3].boxes.td_box, 6);
}

}  // namespace
}  // namespace tessaro
