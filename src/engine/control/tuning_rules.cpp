#include "engine/control/tuning_rules.h"

#include <algorithm>
#include <cmath>

#include "engine/control/pid_faceplate.h"
#include "engine/core/numbers.h"

namespace tessaro {

namespace {

// A whole number for a box, within its range; noted in the words of `note` when the range
// cut it.
int BoxValue(double exact, PidBox box, int n, TextId note, std::vector<Phrase>& limited) {
  const BoxRange range = PidBoxRange(n, box);
  const auto rounded = RoundEven(exact);
  const int value = static_cast<int>(std::clamp<int64_t>(rounded, range.min, range.max));
  if (value != rounded) {
    limited.push_back({note, {Word(std::to_string(rounded)), Word(std::to_string(value))}});
  }
  return value;
}

std::string Seconds(double s) { return FormatSignificant(s, 3); }

}  // namespace

FaceplateSettings ToFaceplate(const IdealPid& pid, double process_gain, int n) {
  FaceplateSettings f;
  f.pb = pid.kc > 0 ? 100 / pid.kc : 1000;
  f.ti = pid.ti;
  f.td = pid.td;
  f.direct = process_gain < 0;
  f.pb_box = BoxValue(f.pb, PidBox::PBSpin, n, TextId::kLimitedPb, f.limited);
  // An integral time that rounds to nothing would switch the integral action off: the
  // shortest the box holds comes closest to what the rule asks.
  const double ti = pid.ti > 0 ? std::max(pid.ti, 1.0) : 0.0;
  f.ti_box = BoxValue(ti, PidBox::ItijdSpin, n, TextId::kLimitedTi, f.limited);
  f.td_box = BoxValue(f.td, PidBox::DtijdSpin, n, TextId::kLimitedTd, f.limited);
  return f;
}

// Ziegler and Nichols's reaction-curve rules, with the slope K/tau and the dead time.
IdealPid ZieglerNicholsStepPi(const FopdtModel& m) {
  return {0.9 * m.time_constant / (std::fabs(m.gain) * m.dead_time), 10.0 / 3 * m.dead_time, 0};
}

IdealPid ZieglerNicholsStepPid(const FopdtModel& m) {
  return {1.2 * m.time_constant / (std::fabs(m.gain) * m.dead_time), 2 * m.dead_time,
          0.5 * m.dead_time};
}

IdealPid CohenCoonPi(const FopdtModel& m) {
  const double r = m.dead_time / m.time_constant;
  return {(0.9 + r / 12) / (std::fabs(m.gain) * r), m.dead_time * (30 + 3 * r) / (9 + 20 * r), 0};
}

IdealPid CohenCoonPid(const FopdtModel& m) {
  const double r = m.dead_time / m.time_constant;
  return {(4.0 / 3 + r / 4) / (std::fabs(m.gain) * r), m.dead_time * (32 + 6 * r) / (13 + 8 * r),
          4 * m.dead_time / (11 + 2 * r)};
}

IdealPid SimcPi(const FopdtModel& m, double tc) {
  return {m.time_constant / (std::fabs(m.gain) * (tc + m.dead_time)),
          std::min(m.time_constant, 4 * (tc + m.dead_time)), 0};
}

IdealPid ImcPid(const FopdtModel& m, double tc) {
  const double tau = m.time_constant, theta = m.dead_time;
  return {(2 * tau + theta) / (std::fabs(m.gain) * (2 * tc + theta)), tau + theta / 2,
          tau * theta / (2 * tau + theta)};
}

IdealPid ZieglerNicholsUltimatePi(double ku, double pu) { return {0.45 * ku, pu / 1.2, 0}; }
IdealPid ZieglerNicholsUltimatePid(double ku, double pu) {
  return {0.6 * ku, pu / 2, pu / 8};
}
IdealPid TyreusLuybenPi(double ku, double pu) { return {ku / 3.2, 2.2 * pu, 0}; }
IdealPid TyreusLuybenPid(double ku, double pu) { return {ku / 2.2, 2.2 * pu, pu / 6.3}; }

std::vector<Proposal> StepProposals(const FopdtModel& m, double tc, int n) {
  const std::string t = " (tc = " + Seconds(tc) + " s)";
  std::vector<Proposal> list = {
      {"zn-pi",
       "Ziegler-Nichols PI",
       TextId::kAimStepZieglerNicholsPi,
       ZieglerNicholsStepPi(m),
       {}},
      {"zn-pid",
       "Ziegler-Nichols PID",
       TextId::kAimStepZieglerNicholsPid,
       ZieglerNicholsStepPid(m),
       {}},
      {"cc-pi", "Cohen-Coon PI", TextId::kAimCohenCoonPi, CohenCoonPi(m), {}},
      {"cc-pid", "Cohen-Coon PID", TextId::kAimCohenCoonPid, CohenCoonPid(m), {}},
      {"simc-pi", "SIMC PI" + t, TextId::kAimSimcPi, SimcPi(m, tc), {}},
      {"imc-pid", "IMC PID" + t, TextId::kAimImcPid, ImcPid(m, tc), {}},
  };
  for (Proposal& p : list) p.boxes = ToFaceplate(p.ideal, m.gain, n);
  return list;
}

std::vector<Proposal> RelayProposals(double ku, double pu, double process_sign, int n) {
  std::vector<Proposal> list = {
      {"zn-pi",
       "Ziegler-Nichols PI",
       TextId::kAimUltimateZieglerNicholsPi,
       ZieglerNicholsUltimatePi(ku, pu),
       {}},
      {"zn-pid",
       "Ziegler-Nichols PID",
       TextId::kAimUltimateZieglerNicholsPid,
       ZieglerNicholsUltimatePid(ku, pu),
       {}},
      {"tl-pi", "Tyreus-Luyben PI", TextId::kAimTyreusLuybenPi, TyreusLuybenPi(ku, pu), {}},
      {"tl-pid", "Tyreus-Luyben PID", TextId::kAimTyreusLuybenPid, TyreusLuybenPid(ku, pu), {}},
  };
  for (Proposal& p : list) p.boxes = ToFaceplate(p.ideal, process_sign, n);
  return list;
}

}  // namespace tessaro
