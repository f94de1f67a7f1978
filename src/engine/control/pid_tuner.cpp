#include "engine/control/pid_tuner.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include "engine/control/pid.h"
#include "engine/control/pid_faceplate.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"

namespace tessaro {

namespace {

constexpr size_t kSteadyWindow = 60;       // samples judged for a steady process value
constexpr double kSteadyDrift = 0.2;       // %: most a steady value may drift in a minute
constexpr double kMaxWait = 900;           // s: the step comes then, steady or not
constexpr double kMaxRecord = 3600;        // s: the record ends then, settled or not
constexpr double kLeastResponse = 1.0;     // %: less than this is no response
constexpr double kShortestDeadTime = 0.5;  // s: the cycle's own sample-and-hold
constexpr double kMaxRelay = 3600;         // s
constexpr int kRelayPeriods = 4;           // periods before the oscillation is judged

std::string Rounded(double x, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double r = static_cast<double>(RoundEven(static_cast<long double>(x) * scale)) / scale;
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, r == 0 ? 0.0 : r);
  return std::string(buf, res.ptr);
}

Phrase Text(double x) { return Word(FormatSignificant(x, 3)); }

// Least-squares slope of the process value over the last `count` samples, % per second.
double Slope(const std::vector<TuneSample>& samples, size_t count) {
  count = std::min(count, samples.size());
  if (count < 2) return 0;
  double st = 0, sy = 0, stt = 0, sty = 0;
  for (size_t i = samples.size() - count; i < samples.size(); ++i) {
    st += samples[i].t, sy += samples[i].pv;
    stt += samples[i].t * samples[i].t, sty += samples[i].t * samples[i].pv;
  }
  const double k = static_cast<double>(count);
  const double det = k * stt - st * st;
  return det > 0 ? (k * sty - st * sy) / det : 0;
}

double MeanPv(const std::vector<TuneSample>& samples, size_t from, size_t to) {
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += samples[i].pv;
  return to > from ? sum / static_cast<double>(to - from) : 0;
}

// The hand output moves as the arrows move it: within the output limits, its tag along.
void SetHandOutput(ProcessImage& image, int n, double percent) {
  PidState& pid = image.Pid[n];
  pid.Out = std::clamp(percent, pid.OutMin, pid.OutMax);
  MoveTag(pid.OpTag, pid.Out, FormatSignificant(pid.Out, 3, image.DecimalSeparator) + " %");
}

void Fail(TuneSession& s, TextId why) {
  s.phase = TunePhase::Failed;
  s.status = {Phrase{why}};
}

}  // namespace

double ClosedLoopTime(const TuneSession& s) {
  return s.tc > 0 ? s.tc : std::max(s.model.dead_time, kShortestDeadTime);
}

TuneSession& PidTuner::Fresh(int n, TuneKind kind) {
  TuneSession& s = sessions_[Index(n)];
  const double tc = s.tc;
  s = TuneSession{};
  s.tc = tc;
  s.kind = kind;
  return s;
}

Message PidTuner::StartStep(ProcessImage& image, int n, double size, double wait, double record) {
  if (!IsPidController(n)) return {Phrase{TextId::kTuneNoPid}};
  const PidState& pid = image.Pid[n];
  if (pid.Mode != "hand") return {Phrase{TextId::kTuneStepFromHand}};
  if (!(std::fabs(size) >= 0.5 && std::fabs(size) <= 100)) return {Phrase{TextId::kTuneStepSize}};
  const double target = std::clamp(pid.Out + size, pid.OutMin, pid.OutMax);
  if (std::fabs(target - pid.Out) < 0.5) return {Phrase{TextId::kTuneStepOutsideLimits}};
  TuneSession& s = Fresh(n, TuneKind::Step);
  s.phase = TunePhase::Waiting;
  s.step_size = size;
  s.step_target = target;
  s.wait_time = std::max(wait, 0.0);
  s.record_time = std::max(record, 0.0);
  s.status = {Phrase{TextId::kTuneWaiting}};
  return {};
}

Message PidTuner::StartRelay(ProcessImage& image, int n, double amplitude, double hysteresis) {
  if (!IsPidController(n)) return {Phrase{TextId::kTuneNoPid}};
  PidState& pid = image.Pid[n];
  if (pid.Mode != "auto") return {Phrase{TextId::kTuneRelayFromAuto}};
  if (!(amplitude >= 0.5 && amplitude <= 50)) return {Phrase{TextId::kTuneAmplitude}};
  if (!(hysteresis >= 0 && hysteresis <= 10)) return {Phrase{TextId::kTuneHysteresis}};
  const double high = std::min(pid.Out + amplitude, pid.OutMax);
  const double low = std::max(pid.Out - amplitude, pid.OutMin);
  if (high - low < 1) return {Phrase{TextId::kTuneNoRoomToSwing}};
  TuneSession& s = Fresh(n, TuneKind::Relay);
  s.phase = TunePhase::Running;
  s.amplitude = amplitude;
  s.hysteresis = hysteresis;
  s.setpoint = pid.Sp;
  s.bias = pid.Out;
  s.high = high;
  s.low = low;
  s.action = pid.PidAction;
  s.status = {Phrase{TextId::kTuneRelaySwinging}};
  pid::ManualButtonClick(image, n);
  return {};
}

void PidTuner::Stop(ProcessImage& image, int n) {
  if (n < 1 || n > 3) return;
  TuneSession& s = sessions_[Index(n)];
  if (s.phase != TunePhase::Waiting && s.phase != TunePhase::Running) return;
  // A relay left high or low would carry the process away.
  if (s.kind == TuneKind::Relay && image.Pid[n].Mode == "hand") SetHandOutput(image, n, s.bias);
  Fail(s, TextId::kTuneStopped);
}

void PidTuner::Reset() { sessions_ = {}; }

void PidTuner::SetClosedLoopTime(int n, double tc) {
  if (n < 1 || n > 3) return;
  TuneSession& s = sessions_[Index(n)];
  s.tc = std::max(tc, 0.0);
  if (s.kind == TuneKind::Step && s.phase == TunePhase::Done) Propose(s, n);
}

void PidTuner::Cycled(ProcessImage& image, int n) {
  if (n < 1 || n > 3) return;
  TuneSession& s = sessions_[Index(n)];
  if (s.phase != TunePhase::Waiting && s.phase != TunePhase::Running) {
    ++s.cycles_since;
    return;
  }
  s.cycles_since = 0;
  const PidState& pid = image.Pid[n];
  if (pid.Mode != "hand") return Fail(s, TextId::kTuneLeftHand);
  // Seconds since the test began: the waiting samples dropped at the step keep their place.
  const double t = s.samples.empty() ? 0 : s.samples.back().t + 1;
  s.samples.push_back({t, pid.Pv, pid.Out});
  if (s.kind == TuneKind::Step) {
    StepCycle(image, n, s);
  } else {
    RelayCycle(image, n, s);
  }
}

void PidTuner::StepCycle(ProcessImage& image, int n, TuneSession& s) {
  const double t = s.samples.back().t;
  const double out = s.samples.back().out;
  if (s.phase == TunePhase::Waiting) {
    if (out != s.samples.front().out) {
      return Fail(s, TextId::kTuneOutputMoved);
    }
    const bool steady = s.samples.size() >= kSteadyWindow &&
                        std::fabs(Slope(s.samples, kSteadyWindow)) * 60 < kSteadyDrift;
    const bool ready = s.wait_time > 0 ? t + 1 >= s.wait_time : steady;
    if (!ready && t + 1 < kMaxWait) return;
    // The fit needs the level before the step, not the way there.
    if (s.samples.size() > kSteadyWindow) {
      s.samples.erase(s.samples.begin(), s.samples.end() - kSteadyWindow);
    }
    SetHandOutput(image, n, s.step_target);
    s.step_target = image.Pid[n].Out;
    s.phase = TunePhase::Running;
    s.status = {Phrase{TextId::kTuneStepGiven}};
    return;
  }
  // Running: the first sample with the new output is the moment of the step.
  size_t step = 0;
  while (step < s.samples.size() && s.samples[step].out == s.samples.front().out) ++step;
  if (step == s.samples.size()) return;  // the step reaches the grid at the next cycle
  if (out != s.step_target) return Fail(s, TextId::kTuneOutputMoved);
  const double since = t - s.samples[step].t;
  const double before = MeanPv(s.samples, 0, step);
  const size_t count = s.samples.size() - step;
  bool done = s.record_time > 0 ? since + 1 >= s.record_time : false;
  if (s.record_time <= 0 && since >= 30) {
    // Settled when the last stretch (a third of the record) has stopped moving: its two
    // halves differ by less than 1 % of the change so far, or by the noise.
    const size_t w = std::max<size_t>(20, count / 3) / 2 * 2;
    const size_t end = s.samples.size();
    const double change = std::fabs(MeanPv(s.samples, end - 10, end) - before);
    const double drift =
        std::fabs(MeanPv(s.samples, end - w / 2, end) - MeanPv(s.samples, end - w, end - w / 2));
    done = change >= kLeastResponse && drift <= std::max(0.01 * change, 0.1);
  }
  if (!done && since + 1 < kMaxRecord) return;

  const double change = std::fabs(MeanPv(s.samples, s.samples.size() - 10, s.samples.size()) - before);
  if (change < kLeastResponse) return Fail(s, TextId::kTuneTooLittleResponse);
  s.model = FitStepResponse(s.samples);
  if (!s.model.valid || !(s.model.time_constant > 0)) {
    return Fail(s, TextId::kTuneNoModel);
  }
  s.phase = TunePhase::Done;
  Propose(s, n);
}

void PidTuner::RelayCycle(ProcessImage& image, int n, TuneSession& s) {
  const double t = s.samples.back().t;
  if (s.samples.size() > 1 && s.samples.back().out != (s.relay_high ? s.high : s.low)) {
    return Fail(s, TextId::kTuneOutputMoved);
  }
  // Positive while the output should be high: below the setpoint for "R", above for "D".
  const double e = (s.samples.back().pv - s.setpoint) * s.action;
  const bool was_high = s.relay_high;
  if (s.samples.size() == 1) {
    s.relay_high = e >= -s.hysteresis;
  } else if (!s.relay_high && e > s.hysteresis) {
    s.relay_high = true;
    s.rises.push_back(t);
  } else if (s.relay_high && e < -s.hysteresis) {
    s.relay_high = false;
  }
  if (s.samples.size() == 1 || was_high != s.relay_high) {
    SetHandOutput(image, n, s.relay_high ? s.high : s.low);
  }

  const size_t r = s.rises.size();
  if (r >= kRelayPeriods + 1) {
    const double last = s.rises[r - 1] - s.rises[r - 2];
    const double previous = s.rises[r - 2] - s.rises[r - 3];
    if (std::fabs(last - previous) <= 0.1 * std::max(last, previous) || r >= 12) {
      // The last two periods: their mean period, and half the swing of the value in them.
      double top = -1e9, bottom = 1e9;
      for (const TuneSample& x : s.samples) {
        if (x.t < s.rises[r - 3]) continue;
        top = std::max(top, x.pv), bottom = std::min(bottom, x.pv);
      }
      s.pu = (s.rises[r - 1] - s.rises[r - 3]) / 2;
      s.oscillation = (top - bottom) / 2;
      const double d = (s.high - s.low) / 2;
      SetHandOutput(image, n, s.bias);
      if (s.oscillation <= s.hysteresis) {
        return Fail(s, TextId::kTuneSwingBelowHysteresis);
      }
      s.ku = 4 * d /
             (std::numbers::pi * std::sqrt(s.oscillation * s.oscillation -
                                           s.hysteresis * s.hysteresis));
      s.phase = TunePhase::Done;
      return Propose(s, n);
    }
  }
  if (t + 1 >= kMaxRelay) {
    SetHandOutput(image, n, s.bias);
    Fail(s, TextId::kTuneNoRegularSwing);
  }
}

void PidTuner::Propose(TuneSession& s, int n) {
  if (s.kind == TuneKind::Step) {
    FopdtModel m = s.model;
    // The rules divide by the dead time; the controller's one-second cycle adds at least
    // half a second of it, whatever the fit says.
    m.dead_time = std::max(m.dead_time, kShortestDeadTime);
    s.proposals = StepProposals(m, ClosedLoopTime(s), n);
    s.status = {Phrase{TextId::kTuneStepModel,
                       {Text(s.model.gain), Text(s.model.time_constant), Text(s.model.dead_time),
                        Text(100 * s.model.fit)}}};
  } else {
    // The relay ran with the controller's action: "R" for a process that rises with its
    // output.
    s.proposals = RelayProposals(s.ku, s.pu, -s.action, n);
    s.status = {Phrase{TextId::kTuneRelayResult, {Text(s.ku), Text(s.pu), Text(s.oscillation)}}};
  }
}

bool PidTuner::Apply(ProcessImage& image, int n, size_t index, bool to_auto) {
  if (n < 1 || n > 3) return false;
  const TuneSession& s = sessions_[Index(n)];
  if (s.phase != TunePhase::Done || index >= s.proposals.size()) return false;
  const FaceplateSettings& b = s.proposals[index].boxes;
  pid::SetBox(image, n, PidBox::PBSpin, b.pb_box);
  pid::SetBox(image, n, PidBox::ItijdSpin, b.ti_box);
  pid::SetBox(image, n, PidBox::DtijdSpin, b.td_box);
  pid::SelectAction(image, n, b.direct);
  if (to_auto) {
    pid::AutoButtonClick(image, n);
    if (s.kind == TuneKind::Relay) pid::SetSetpoint(image, n, s.setpoint);
  }
  return true;
}

std::vector<ChartPoint> ModelTrendLine(const TuneSession& s) {
  std::vector<ChartPoint> line;
  if (s.kind != TuneKind::Step || s.phase != TunePhase::Done || s.samples.empty()) return line;
  const double last = s.samples.back().t;
  for (const TuneSample& sample : s.samples) {
    const auto x = static_cast<int>(kTrendRight - (last - sample.t) - s.cycles_since);
    if (x < 0) continue;
    const double percent = std::clamp(s.model.At(sample.t), 0.0, 100.0);
    line.push_back({x, static_cast<int>(kTrendBase - RoundEven(2 * static_cast<long double>(percent)))});
  }
  return line;
}

std::string TuneSummary(const TuneSession& s, int n) {
  static const char* const kPhases[] = {"idle", "waiting", "running", "done", "failed"};
  std::string line = "tune " + std::to_string(n) + " " +
                     (s.kind == TuneKind::Step    ? "step"
                      : s.kind == TuneKind::Relay ? "relay"
                                                  : "none") +
                     " state=" + kPhases[static_cast<int>(s.phase)];
  if (s.phase != TunePhase::Done) return line;
  if (s.kind == TuneKind::Step) {
    return line + " k=" + Rounded(s.model.gain, 3) + " tau=" + Rounded(s.model.time_constant, 2) +
           " theta=" + Rounded(s.model.dead_time, 2) + " fit=" + Rounded(s.model.fit, 4);
  }
  return line + " ku=" + Rounded(s.ku, 2) + " pu=" + Rounded(s.pu, 2) +
         " a=" + Rounded(s.oscillation, 2);
}

std::string ProposalLine(const Proposal& p, int n) {
  const FaceplateSettings& b = p.boxes;
  return "tune " + std::to_string(n) + " " + p.name + " pb=" + Rounded(b.pb, 2) +
         " ti=" + Rounded(b.ti, 2) + " td=" + Rounded(b.td, 2) +
         " action=" + (b.direct ? "D" : "R") + " pbbox=" + std::to_string(b.pb_box) +
         " tibox=" + std::to_string(b.ti_box) + " tdbox=" + std::to_string(b.td_box);
}

}  // namespace tessaro
