#include "engine/control/fopdt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace tessaro {

namespace {

// The straight-line part of the fit: for a given time constant and dead time the model is
// start + b x shape(t), linear in start and b, so those two follow in closed form.
struct LinearFit {
  double start = 0;
  double b = 0;
  double residual = std::numeric_limits<double>::infinity();  // sum of squares
};

class StepFitter {
 public:
  StepFitter(const std::vector<TuneSample>& samples, size_t step)
      : samples_(samples), step_time_(samples[step].t) {
    for (const TuneSample& s : samples_) mean_ += s.pv;
    mean_ /= static_cast<double>(samples_.size());
  }

  double step_time() const { return step_time_; }
  double mean() const { return mean_; }

  LinearFit Solve(double time_constant, double dead_time) const {
    double n = 0, sg = 0, sgg = 0, sy = 0, sgy = 0;
    for (const TuneSample& s : samples_) {
      const double g = Shape(s.t, time_constant, dead_time);
      const double y = s.pv - mean_;  // centred, so the sums stay small
      n += 1;
      sg += g;
      sgg += g * g;
      sy += y;
      sgy += g * y;
    }
    LinearFit fit;
    const double det = n * sgg - sg * sg;
    if (!(det > 1e-12)) return fit;
    fit.b = (n * sgy - sg * sy) / det;
    const double a = (sy - fit.b * sg) / n;
    double residual = 0;
    for (const TuneSample& s : samples_) {
      const double e = s.pv - mean_ - a - fit.b * Shape(s.t, time_constant, dead_time);
      residual += e * e;
    }
    fit.start = a + mean_;
    fit.residual = residual;
    return fit;
  }

  // The unit step response of the model, t measured on the samples' clock.
  double Shape(double t, double time_constant, double dead_time) const {
    const double since = t - step_time_ - dead_time;
    return since > 0 ? -std::expm1(-since / time_constant) : 0;
  }

 private:
  const std::vector<TuneSample>& samples_;
  double step_time_;
  double mean_ = 0;
};

// Nelder-Mead on two parameters: small, derivative-free, and enough for a residual that is
// smooth in both.
template <typename Cost>
std::array<double, 2> Minimise(Cost cost, std::array<double, 2> start, std::array<double, 2> scale) {
  using Point = std::array<double, 2>;
  std::array<Point, 3> p = {start, Point{start[0] + scale[0], start[1]},
                            Point{start[0], start[1] + scale[1]}};
  std::array<double, 3> f = {cost(p[0]), cost(p[1]), cost(p[2])};
  auto along = [](const Point& a, const Point& b, double k) {
    return Point{a[0] + k * (b[0] - a[0]), a[1] + k * (b[1] - a[1])};
  };
  for (int iteration = 0; iteration < 400; ++iteration) {
    std::array<int, 3> order = {0, 1, 2};
    std::sort(order.begin(), order.end(), [&](int a, int b) { return f[a] < f[b]; });
    const int best = order[0], mid = order[1], worst = order[2];
    if (std::fabs(f[worst] - f[best]) <= 1e-12 * (std::fabs(f[best]) + 1e-12)) break;
    const Point centre = {(p[best][0] + p[mid][0]) / 2, (p[best][1] + p[mid][1]) / 2};
    const Point reflected = along(centre, p[worst], -1);
    const double fr = cost(reflected);
    if (fr < f[best]) {
      const Point expanded = along(centre, p[worst], -2);
      const double fe = cost(expanded);
      if (fe < fr) {
        p[worst] = expanded, f[worst] = fe;
      } else {
        p[worst] = reflected, f[worst] = fr;
      }
    } else if (fr < f[mid]) {
      p[worst] = reflected, f[worst] = fr;
    } else {
      const Point contracted = along(centre, p[worst], 0.5);
      const double fc = cost(contracted);
      if (fc < f[worst]) {
        p[worst] = contracted, f[worst] = fc;
      } else {
        for (int i : {mid, worst}) {
          p[i] = along(p[best], p[i], 0.5);
          f[i] = cost(p[i]);
        }
      }
    }
  }
  const int best = static_cast<int>(std::min_element(f.begin(), f.end()) - f.begin());
  return p[best];
}

}  // namespace

double FopdtModel::At(double t) const {
  const double since = t - step_time - dead_time;
  if (!(since > 0) || !(time_constant > 0)) return start;
  return start + gain * step_size * -std::expm1(-since / time_constant);
}

FopdtModel FitStepResponse(const std::vector<TuneSample>& samples) {
  FopdtModel model;
  if (samples.size() < 4) return model;
  size_t step = 0;
  for (size_t i = 1; i < samples.size(); ++i) {
    if (samples[i].out != samples[0].out) {
      step = i;
      break;
    }
  }
  if (step == 0 || samples.size() - step < 3) return model;
  const StepFitter fitter(samples, step);
  const double span = samples.back().t - fitter.step_time();
  if (!(span > 0)) return model;

  // A coarse grid finds the valley (the residual has flat shoulders where the dead time
  // passes the end of the record); the simplex then settles in it. The time constant is
  // searched on a log scale, the dead time linearly.
  const double min_tau = std::max(span * 1e-3, 0.05);
  const double max_tau = span * 5;
  auto cost = [&](const std::array<double, 2>& x) {
    const double dead = x[1];
    if (dead < 0 || dead > span) return std::numeric_limits<double>::infinity();
    const double tau = std::exp(x[0]);
    if (tau < min_tau || tau > max_tau) return std::numeric_limits<double>::infinity();
    return fitter.Solve(tau, dead).residual;
  };
  constexpr int kGrid = 40;
  std::array<double, 2> best = {std::log(span / 4), 0};
  double best_cost = cost(best);
  for (int i = 0; i < kGrid; ++i) {
    const double log_tau =
        std::log(min_tau) + (std::log(max_tau) - std::log(min_tau)) * (i + 0.5) / kGrid;
    for (int j = 0; j < kGrid; ++j) {
      const std::array<double, 2> x = {log_tau, span * 0.6 * j / kGrid};
      const double c = cost(x);
      if (c < best_cost) best_cost = c, best = x;
    }
  }
  best = Minimise(cost, best, {0.1, std::max(span * 0.01, 0.2)});
  // The residual has a kink wherever the dead time passes a sample, where the simplex can
  // stall: a fine look along the dead time, the time constant best for each, settles it.
  auto best_tau = [&](double dead, double around) {
    double lo = around - 0.5, hi = around + 0.5;  // golden section on log tau
    constexpr double kGolden = 0.6180339887498949;
    for (int i = 0; i < 40; ++i) {
      const double a = hi - kGolden * (hi - lo), b = lo + kGolden * (hi - lo);
      if (cost({a, dead}) < cost({b, dead})) {
        hi = b;
      } else {
        lo = a;
      }
    }
    return (lo + hi) / 2;
  };
  const double fine = std::max(span * 1e-4, 0.01);
  const std::array<double, 2> centre = best;
  best_cost = cost(best);
  for (double dead = std::max(centre[1] - 1.5, 0.0); dead <= centre[1] + 1.5; dead += fine * 5) {
    const std::array<double, 2> x = {best_tau(dead, centre[0]), dead};
    const double c = cost(x);
    if (c < best_cost) best_cost = c, best = x;
  }
  best = Minimise(cost, best, {0.01, fine});

  const double tau = std::exp(best[0]);
  const double dead = best[1];
  const LinearFit fit = fitter.Solve(tau, dead);
  if (!std::isfinite(fit.residual)) return model;
  double total = 0;
  for (const TuneSample& s : samples) total += (s.pv - fitter.mean()) * (s.pv - fitter.mean());
  model.step_time = fitter.step_time();
  model.step_size = samples[step].out - samples[0].out;
  model.start = fit.start;
  model.gain = fit.b / model.step_size;
  model.time_constant = tau;
  model.dead_time = dead;
  model.fit = total > 0 ? 1 - fit.residual / total : 0;
  model.valid = true;
  return model;
}

}  // namespace tessaro
