// Processes for the tuning tests: a chain of first-order lags with a dead time, run in
// small steps of exact exponential updates, and a controller cycle that feeds it.
#pragma once

#include <cmath>
#include <deque>
#include <random>
#include <vector>

#include "engine/control/pid.h"
#include "engine/control/pid_tuner.h"
#include "engine/core/process_image.h"

namespace tessaro {

// y = base + gain x u(t - dead) through lags in series; u and y in percent.
class LagChain {
 public:
  LagChain(double gain, std::vector<double> lags, double dead, double base = 20)
      : gain_(gain), lags_(std::move(lags)), base_(base), states_(lags_.size(), 0) {
    delay_.assign(static_cast<size_t>(std::lround(dead / kH)), 0.0);
  }

  // Runs `seconds` with input u held.
  void Run(double u, double seconds) {
    for (int i = static_cast<int>(std::lround(seconds / kH)); i > 0; --i) {
      double x = u;
      if (!delay_.empty()) {
        delay_.push_back(u);
        x = delay_.front();
        delay_.pop_front();
      }
      for (size_t k = 0; k < lags_.size(); ++k) {
        states_[k] += (x - states_[k]) * -std::expm1(-kH / lags_[k]);
        x = states_[k];
      }
    }
  }

  // Starts settled at input u.
  void Settle(double u) {
    for (double& s : states_) s = u;
    for (double& d : delay_) d = u;
  }

  double Value() const { return base_ + gain_ * (states_.empty() ? 0 : states_.back()); }

 private:
  static constexpr double kH = 0.01;
  double gain_;
  std::vector<double> lags_;
  double base_;
  std::vector<double> states_;
  std::deque<double> delay_;
};

// Controller 1 on a process, as the scan runs it: each cycle the controller reads the
// process value, runs and writes its output, which drives the process for the next second;
// the assistant acts after the cycle, so what it sets goes out at the next one.
struct TuneLoop {
  explicit TuneLoop(LagChain p) : process(std::move(p)) { ApplyStartupDefaults(image); }

  void Cycle() {
    PidState& pid = image.Pid[1];
    pid.Pv = process.Value();
    PidCycle(image, 1);
    const double written = pid.Out;
    tuner.Cycled(image, 1);
    process.Run(written, 1);
  }

  // Cycles until the test has finished, at most `limit` cycles.
  void RunTest(int limit = 4000) {
    for (int i = 0; i < limit; ++i) {
      const TunePhase phase = tuner.session(1).phase;
      if (phase == TunePhase::Done || phase == TunePhase::Failed) return;
      Cycle();
    }
  }

  ProcessImage image;
  PidTuner tuner;
  LagChain process;
};

}  // namespace tessaro
