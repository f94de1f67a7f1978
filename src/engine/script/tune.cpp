// The tuning assistant of the PID faceplates, and the measurement noise of the process.
#include <string>

#include "engine/control/pid.h"
#include "simulator.h"

namespace tessaro::sim {

namespace {

int PidNumber(const std::string& word) {
  return static_cast<int>(Integer(word, 1, 3, "pid controller"));
}

// A test that cannot start stops the script, saying why in the language asked for.
void Started(Simulator& s, const Message& refusal) {
  if (!refusal.empty()) throw ScriptError(s.Render(refusal));
}

size_t ProposalIndex(const TuneSession& session, const std::string& rule) {
  for (size_t i = 0; i < session.proposals.size(); ++i) {
    if (session.proposals[i].name == rule) return i;
  }
  std::string names;
  for (const Proposal& p : session.proposals) names += (names.empty() ? "" : ", ") + p.name;
  throw ScriptError("no proposal '" + rule + "'" +
                    (names.empty() ? std::string(" (no finished test)") : " (" + names + ")"));
}

}  // namespace

void NoiseCommand(Simulator& s, const Line& l) {
  if (l.size() == 2 && l[1] == "off") return s.lab().SetNoise(false);
  if (l.size() < 2 || l.size() > 3 || l[1] != "on") {
    throw ScriptError("'noise' takes 'on [SEED]' or 'off'");
  }
  const auto seed = l.size() == 3 ? Integer(l[2], 0, UINT32_MAX, "seed") : 1;
  s.lab().SetNoise(true, static_cast<uint32_t>(seed));
}

void TuneCommand(Simulator& s, const Line& l) {
  if (l.size() < 3) throw ScriptError("'tune' needs a controller and what to do");
  const int n = PidNumber(l[1]);
  const std::string& what = l[2];
  PidTuner& tuner = s.tuner();
  if (what == "step" && l.size() >= 4 && l.size() <= 6) {
    const double size = Real(l[3], -100, 100, "step");
    const double wait = l.size() >= 5 ? Real(l[4], 0, 3600, "wait") : 0;
    const double record = l.size() == 6 ? Real(l[5], 0, 3600, "record") : 0;
    return Started(s, tuner.StartStep(s.image(), n, size, wait, record));
  }
  if (what == "relay" && (l.size() == 4 || l.size() == 5)) {
    const double amplitude = Real(l[3], 0, 100, "amplitude");
    const double hysteresis = l.size() == 5 ? Real(l[4], 0, 100, "hysteresis") : 0.5;
    return Started(s, tuner.StartRelay(s.image(), n, amplitude, hysteresis));
  }
  if (what == "stop" && l.size() == 3) return tuner.Stop(s.image(), n);
  if (what == "tc" && l.size() == 4) {
    return tuner.SetClosedLoopTime(n, Real(l[3], 0, 3600, "closed-loop time"));
  }
  if (what == "apply" && (l.size() == 4 || (l.size() == 5 && l[4] == "auto"))) {
    tuner.Apply(s.image(), n, ProposalIndex(tuner.session(n), l[3]), l.size() == 5);
    return;
  }
  throw ScriptError(
      "'tune N' takes step SIZE [WAIT [RECORD]], relay AMPLITUDE [HYSTERESIS], stop, "
      "tc SECONDS or apply RULE [auto]");
}

void PrintTune(Simulator& s, const Line& l) {
  if (l.size() != 3 && l.size() != 4) ExpectWords(l, 3);
  const int n = PidNumber(l[2]);
  const TuneSession& session = s.tuner().session(n);
  if (l.size() == 3) return s.Print(TuneSummary(session, n));
  s.Print(ProposalLine(session.proposals[ProposalIndex(session, l[3])], n));
}

}  // namespace tessaro::sim
