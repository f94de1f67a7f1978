// A first-order-plus-dead-time model fitted to a measured step response, by least squares
// over the whole response.
#pragma once

#include <vector>

namespace tessaro {

// One controller cycle as the tuning assistant saw it: the time in seconds, the process
// value and the output, both in percent.
struct TuneSample {
  double t = 0;
  double pv = 0;
  double out = 0;
};

// y(t) = start + gain x (u - u0) x (1 - exp(-(t - step - dead_time) / time_constant)) after
// the step's dead time, start before it. Gain in % of process value per % of output.
struct FopdtModel {
  double gain = 0;
  double time_constant = 0;  // s
  double dead_time = 0;      // s
  double start = 0;          // process value before the step, %
  double step_time = 0;      // s, when the output changed
  double step_size = 0;      // % of output
  // How well the model fits: 1 - (sum of squared residuals) / (sum of squares about the
  // mean); 1 is a perfect fit.
  double fit = 0;
  bool valid = false;

  // The model's process value at time t.
  double At(double t) const;
};

// Fits the model to `samples`, in which the output changes once, at the first sample whose
// output differs from the first sample's. Samples before the step fix the start value with
// the rest. Returns an invalid model when there is no step or too little response.
FopdtModel FitStepResponse(const std::vector<TuneSample>& samples);

}  // namespace tessaro
