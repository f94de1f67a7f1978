// The tuning assistant of a PID faceplate: a step test from "hand" that fits a
// first-order-plus-dead-time model, and a relay test from "auto" that finds the ultimate
// gain and period. Both drive only the hand output, once per controller cycle; the
// controller's own arithmetic and modes stay as they are. The proposals go into the
// faceplate's boxes through the faceplate's own actions.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/control/chart.h"
#include "engine/control/fopdt.h"
#include "engine/control/tuning_rules.h"
#include "engine/core/texts.h"

namespace tessaro {

struct ProcessImage;

enum class TuneKind { None, Step, Relay };

// Where a test is: waiting for a steady process value (step), running, finished with a
// result, or stopped without one.
enum class TunePhase { Idle, Waiting, Running, Done, Failed };

struct TuneSession {
  TuneKind kind = TuneKind::None;
  TunePhase phase = TunePhase::Idle;
  Message status;                   // one line for the window: what the test does or found
  std::vector<TuneSample> samples;  // one per cycle; t counts seconds from the test's start
  int cycles_since = 0;             // cycles run since the last sample, while done
  // Step test.
  double step_size = 0;    // % asked
  double record_time = 0;  // s after the step; 0: until the process value is steady again
  double wait_time = 0;    // s before the step; 0: until the process value is steady
  double step_target = 0;  // the hand output after the step
  FopdtModel model;
  double tc = 0;  // closed-loop time of SIMC and IMC, s; 0: the dead time
  // Relay test.
  double amplitude = 0;  // % asked
  double hysteresis = 0;
  double setpoint = 0;  // % of the test
  double bias = 0;      // the output the relay swings about
  double high = 0, low = 0;  // the relay's two outputs
  bool relay_high = false;
  std::vector<double> rises;  // times the relay switched up
  double ku = 0, pu = 0;      // ultimate gain (% per %) and period (s)
  double oscillation = 0;     // half the process value's peak-to-peak swing, %
  int action = 0;             // the controller's action during the test: +1 "D", -1 "R"

  std::vector<Proposal> proposals;
};

// The closed-loop time SIMC and IMC use when none is chosen: the dead time.
double ClosedLoopTime(const TuneSession& s);

class PidTuner {
 public:
  // Starts a step test on controller n (1..3), which must be in "hand": waits until the
  // process value is steady (or `wait` seconds), steps the output by `size` %, records for
  // `record` seconds (0: until steady again) and fits. Returns nothing, or why it cannot
  // start.
  Message StartStep(ProcessImage& image, int n, double size, double wait = 0, double record = 0);
  // Starts a relay test on controller n, which must be in "auto": switches it to "hand" and
  // swings the output `amplitude` % about the present one, turning at `hysteresis` % from
  // the setpoint. Returns nothing, or why it cannot start.
  Message StartRelay(ProcessImage& image, int n, double amplitude, double hysteresis = 0.5);
  // Stops a test that runs: a step test leaves the output where it is, a relay test puts it
  // back where the relay swung about.
  void Stop(ProcessImage& image, int n);
  // Another project has come: every test ends and its results go.
  void Reset();
  // Chooses SIMC's and IMC's closed-loop time (0: the dead time) and proposes afresh.
  void SetClosedLoopTime(int n, double tc);

  // Controller n has run its cycle: the test takes its sample and sets the next output.
  void Cycled(ProcessImage& image, int n);

  // Puts proposal `index` into the boxes of faceplate n as their change handlers take it,
  // selects the action and, with `to_auto`, presses "Auto" (after a relay test the setpoint
  // goes back to the test's). False when there is no such proposal.
  bool Apply(ProcessImage& image, int n, size_t index, bool to_auto);

  const TuneSession& session(int n) const { return sessions_[Index(n)]; }

 private:
  static size_t Index(int n) { return n >= 1 && n <= 3 ? static_cast<size_t>(n) : 0; }
  // Controller n's session started afresh as a test of `kind`; the chosen closed-loop time stays.
  TuneSession& Fresh(int n, TuneKind kind);
  void StepCycle(ProcessImage& image, int n, TuneSession& s);
  void RelayCycle(ProcessImage& image, int n, TuneSession& s);
  void Propose(TuneSession& s, int n);

  std::array<TuneSession, 4> sessions_{};  // 1..3
};

// The fitted model over the faceplate's trend (one pixel a cycle, newest at the right), where
// the step test's samples lie in it now; empty without a fitted model.
std::vector<ChartPoint> ModelTrendLine(const TuneSession& s);

// `print tune N`: "tune 1 step state=done k=0.81 tau=58.55 theta=6.74 fit=0.999" or
// "tune 1 relay state=done ku=24.1 pu=25 a=1.32"; numbers rounded to two decimals (k three, fit four).
std::string TuneSummary(const TuneSession& s, int n);
// `print tune N RULE`: "tune 1 simc-pi pb=13.26 ti=60 td=0 action=R pbbox=13 tibox=60 tdbox=0".
std::string ProposalLine(const Proposal& p, int n);

}  // namespace tessaro
