#include "engine/control/tuning_rules.h"

#include <algorithm>
#include <cmath>

#include "engine/control/pid_faceplate.h"
#include "engine/core/numbers.h"

namespace tessaro {

namespace {

// A whole number for a box, within its range; `what` is noted when the range cut it.
int BoxValue(double exact, PidBox box, int n, const char* what, std::string& limited) {
  const BoxRange range = PidBoxRange(n, box);
  const auto rounded = RoundEven(exact);
  const int value = static_cast<int>(std::clamp<int64_t>(rounded, range.min, range.max));
  if (value != rounded) {
    if (!limited.empty()) limited += "; ";
    limited += std::string(what) + " " + std::to_string(rounded) + " -> " + std::to_string(value);
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
  f.pb_box = BoxValue(f.pb, PidBox::PBSpin, n, "PB", f.limited);
  // An integral time that rounds to nothing would switch the integral action off: the
  // shortest the box holds comes closest to what the rule asks.
  const double ti = pid.ti > 0 ? std::max(pid.ti, 1.0) : 0.0;
  f.ti_box = BoxValue(ti, PidBox::ItijdSpin, n, "I-tijd", f.limited);
  f.td_box = BoxValue(f.td, PidBox::DtijdSpin, n, "D-tijd", f.limited);
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
      {"zn-pi", "Ziegler-Nichols PI", "snel, kwartdemping: elke slingering een kwart van de vorige",
       ZieglerNicholsStepPi(m), {}},
      {"zn-pid", "Ziegler-Nichols PID", "nog sneller door de D-actie, ook kwartdemping",
       ZieglerNicholsStepPid(m), {}},
      {"cc-pi", "Cohen-Coon PI", "kwartdemping, ook bij een grotere dode tijd", CohenCoonPi(m), {}},
      {"cc-pid", "Cohen-Coon PID", "kwartdemping met D-actie, ook bij grotere dode tijd",
       CohenCoonPid(m), {}},
      {"simc-pi", "SIMC PI" + t, "rustig: gesloten lus als een eerste orde met tijd tc, weinig doorschot",
       SimcPi(m, tc), {}},
      {"imc-pid", "IMC PID" + t, "modelvolgend: setpointstap zonder doorschot, met D-actie",
       ImcPid(m, tc), {}},
  };
  for (Proposal& p : list) p.boxes = ToFaceplate(p.ideal, m.gain, n);
  return list;
}

std::vector<Proposal> RelayProposals(double ku, double pu, double process_sign, int n) {
  std::vector<Proposal> list = {
      {"zn-pi", "Ziegler-Nichols PI", "snel, kwartdemping", ZieglerNicholsUltimatePi(ku, pu), {}},
      {"zn-pid", "Ziegler-Nichols PID", "snel met D-actie, kwartdemping",
       ZieglerNicholsUltimatePid(ku, pu), {}},
      {"tl-pi", "Tyreus-Luyben PI", "voorzichtig: minder doorschot, ruim stabiel",
       TyreusLuybenPi(ku, pu), {}},
      {"tl-pid", "Tyreus-Luyben PID", "voorzichtig met D-actie, ruim stabiel",
       TyreusLuybenPid(ku, pu), {}},
  };
  for (Proposal& p : list) p.boxes = ToFaceplate(p.ideal, process_sign, n);
  return list;
}

}  // namespace tessaro
