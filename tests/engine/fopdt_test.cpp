#include "engine/control/fopdt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace tessaro {
namespace {

struct Case {
  double gain, tau, theta, step;
};

// A sampled FOPDT step response, one sample a second: 30 s steady, then the step, 6 time
// constants recorded. Gaussian noise of `sigma` and, when `quantum` is set, rounding to it
// as an 8-bit input does.
std::vector<TuneSample> Response(const Case& c, double sigma, double quantum, unsigned seed) {
  std::mt19937 rng(seed);
  std::normal_distribution<double> noise(0, sigma);
  std::vector<TuneSample> samples;
  const double u0 = 30, y0 = 40;
  for (int t = 0; t < 30 + 6 * c.tau + c.theta; ++t) {
    const double u = t < 30 ? u0 : u0 + c.step;
    const double since = t - 30 - c.theta;
    double y = y0 + (since > 0 ? c.gain * c.step * (1 - std::exp(-since / c.tau)) : 0);
    if (sigma > 0) y += noise(rng);
    if (quantum > 0) y = std::round(y / quantum) * quantum;
    samples.push_back({static_cast<double>(t), y, u});
  }
  return samples;
}

TEST(FopdtFit, RecoversGainTimeConstantAndDeadTimeFromNoisyResponses) {
  // Heater-like, a long dead time, a falling process, a fast one; with the heater's sensor
  // noise (0.05) and
  // the quantisation of an 8-bit reading (1/2.55 %) on top.
  const Case cases[] = {{0.8, 60, 5.5, 10}, {1.5, 40, 25, 5}, {-0.6, 150, 15, 20},
                        {2.0, 12, 3, 4}};
  unsigned seed = 1;
  for (const Case& c : cases) {
    for (double quantum : {0.0, 1 / 2.55}) {
      SCOPED_TRACE(testing::Message() << "K " << c.gain << " tau " << c.tau << " theta "
                                      << c.theta << " quantum " << quantum);
      const FopdtModel m = FitStepResponse(Response(c, 0.05, quantum, seed++));
      ASSERT_TRUE(m.valid);
      EXPECT_NEAR(m.gain, c.gain, 0.05 * std::fabs(c.gain));
      EXPECT_NEAR(m.time_constant, c.tau, 0.05 * c.tau);
      EXPECT_NEAR(m.dead_time, c.theta, 0.05 * c.theta);
      EXPECT_NEAR(m.start, 40, 0.1);
      EXPECT_EQ(m.step_time, 30);
      EXPECT_EQ(m.step_size, c.step);
      EXPECT_GT(m.fit, 0.99);
      EXPECT_NEAR(m.At(30 + c.theta + c.tau), 40 + c.gain * c.step * (1 - std::exp(-1)),
                  0.05 * std::fabs(c.gain * c.step));
    }
  }
}

TEST(FopdtFit, ASecondOrderProcessGetsAnApparentDeadTimeAndAnHonestFit) {
  // Two equal lags of 30 s: no true dead time, but the S-shaped start reads as one, and the
  // first-order model cannot follow every sample.
  std::vector<TuneSample> samples;
  for (int t = 0; t < 400; ++t) {
    const double s = t < 20 ? 0 : t - 20;
    const double y = 10 * (1 - std::exp(-s / 30) * (1 + s / 30));
    samples.push_back({static_cast<double>(t), y, t < 20 ? 0.0 : 10.0});
  }
  const FopdtModel m = FitStepResponse(samples);
  ASSERT_TRUE(m.valid);
  EXPECT_NEAR(m.gain, 1, 0.05);
  EXPECT_GT(m.dead_time, 5);
  EXPECT_LT(m.dead_time, 20);
  EXPECT_GT(m.time_constant, 35);
  EXPECT_LT(m.time_constant, 55);
  EXPECT_LT(m.fit, 0.9999);
  EXPECT_GT(m.fit, 0.99);
}

TEST(FopdtFit, WithoutAStepThereIsNoModel) {
  std::vector<TuneSample> flat;
  for (int t = 0; t < 100; ++t) flat.push_back({static_cast<double>(t), 50, 20});
  EXPECT_FALSE(FitStepResponse(flat).valid);
  EXPECT_FALSE(FitStepResponse({}).valid);
  // A step in the very last samples leaves nothing to fit.
  flat.back().out = 30;
  EXPECT_FALSE(FitStepResponse(flat).valid);
}

}  // namespace
}  // namespace tessaro
