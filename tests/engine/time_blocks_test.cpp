#include "engine/core/time_blocks.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "engine/core/process_image.h"

namespace tessaro {
namespace {

// One switching or time block in field (3, 4), evaluated once per scan cycle.
struct Block {
  Block(const std::string& key, int32_t a, int32_t b) : kind(DecodeKey(key).kind) {
    image.FieldParamA[3][4] = a;
    image.FieldParamB[3][4] = b;
  }
  uint8_t Run(uint8_t l, uint8_t w = 0) {
    image.OutRight[3][3] = l;
    image.OutUp[4][4] = w;
    RunTimeBlock(image, 3, 4, kind);
    return image.OutRight[3][4];
  }
  // Outputs of n cycles with the left input at l.
  std::vector<int> Cycles(uint8_t l, int n) {
    std::vector<int> out;
    for (int i = 0; i < n; ++i) out.push_back(Run(l));
    return out;
  }
  int32_t A() const { return image.FieldParamA[3][4]; }
  int32_t B() const { return image.FieldParamB[3][4]; }

  ProcessImage image;
  BlockKind kind;
};

// The cycle (1-based) in which the output first differs from its first value, or 0.
int FirstChange(const std::vector<int>& out) {
  for (size_t i = 1; i < out.size(); ++i) {
    if (out[i] != out[0]) return static_cast<int>(i) + 1;
  }
  return 0;
}

TEST(Hysteresis, SweepUpAndDown) {
  Block ads("ADS", 200, 50);
  for (int l = 0; l <= 255; ++l) EXPECT_EQ(ads.Run(static_cast<uint8_t>(l)), l >= 200 ? 255 : 0);
  for (int l = 255; l >= 0; --l) EXPECT_EQ(ads.Run(static_cast<uint8_t>(l)), l > 50 ? 255 : 0);
}

TEST(Hysteresis, OffWinsWhenTheSwitchPointsOverlap) {
  Block ads("ADS", 100, 150);
  EXPECT_EQ(ads.Run(120), 0);
  EXPECT_EQ(ads.Run(200), 255);
}

TEST(FlipFlop, SetResetAndHold) {
  Block ff("Flipflop", 0, 0);
  EXPECT_EQ(ff.Run(255, 0), 255);
  EXPECT_EQ(ff.Run(0, 0), 255);
  EXPECT_EQ(ff.Run(254, 254), 255);
  EXPECT_EQ(ff.Run(0, 255), 0);
  EXPECT_EQ(ff.Run(255, 255), 0);  // reset dominates
}

TEST(OnDelay, RisesInTheCycleOfItsPreset) {
  Block one("Tup", 1, 0);
  EXPECT_EQ(one.Run(255), 255);
  Block ten("Tup", 10, 0);
  EXPECT_EQ(FirstChange(ten.Cycles(100, 12)), 10);  // 100 counts as on
  EXPECT_EQ(ten.B(), 10);
  EXPECT_EQ(ten.Run(0), 0);
  EXPECT_EQ(ten.B(), 0);
  EXPECT_EQ(FirstChange(ten.Cycles(1, 12)), 10);
}

TEST(OffDelay, FallsInTheCycleOfItsPreset) {
  Block idle("Taf", 10, 0);
  EXPECT_EQ(idle.Run(0), 0);
  EXPECT_EQ(idle.B(), 0);
  Block one("Taf", 1, 0);
  EXPECT_EQ(one.Run(255), 255);
  EXPECT_EQ(one.Run(0), 0);
  Block ten("Taf", 10, 0);
  EXPECT_EQ(ten.Run(255), 255);
  EXPECT_EQ(ten.B(), 10);
  const std::vector<int> out = ten.Cycles(254, 12);  // 254 counts as off
  EXPECT_EQ(out[8], 255);
  EXPECT_EQ(out[9], 0);
  EXPECT_EQ(ten.B(), 0);
}

TEST(SwitchOff, OnForOneCycleLessThanItsPreset) {
  Block one("Soff", 1, 0);
  EXPECT_EQ(one.Cycles(255, 3), (std::vector<int>{0, 0, 0}));
  Block ten("Soff", 10, 0);
  const std::vector<int> out = ten.Cycles(255, 15);
  EXPECT_EQ(FirstChange(out), 10);
  EXPECT_EQ(out.back(), 0);
  EXPECT_EQ(ten.B(), 10);
  EXPECT_EQ(ten.Run(0), 0);
  EXPECT_EQ(ten.Run(255), 255);  // low and high again starts a new period
}

// Lengths of the runs of equal outputs.
std::vector<int> Runs(const std::vector<int>& out) {
  std::vector<int> runs;
  for (size_t i = 0; i < out.size(); ++i) {
    if (i == 0 || out[i] != out[i - 1]) runs.push_back(0);
    ++runs.back();
  }
  return runs;
}

TEST(Blinker, PeriodIsOneMoreThanItsSetting) {
  Block blink("Blinker", 0, 10);
  EXPECT_EQ(blink.Run(0), 0);
  EXPECT_EQ(blink.A(), -1);
  const std::vector<int> out = blink.Cycles(255, 34);
  EXPECT_EQ(out[0], 255);
  EXPECT_EQ(Runs(out), (std::vector<int>{6, 6, 5, 6, 5, 6}));
  Block placed("Blinker", 0, 10);  // as placed: A = 0, no extra high cycle
  EXPECT_EQ(Runs(placed.Cycles(255, 11)), (std::vector<int>{5, 6}));
}

TEST(Blinker, SettingOneIsHighOnlyInTheFirstCycle) {
  Block blink("Blinker", -1, 1);
  EXPECT_EQ(blink.Cycles(255, 6), (std::vector<int>{255, 0, 0, 0, 0, 0}));
  EXPECT_EQ(blink.Run(0), 0);
  EXPECT_EQ(blink.Run(255), 255);
}

TEST(Counts, ExtremeLoadedCountsSaturateInsteadOfOverflowing) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  Block tup("Tup", kMax, kMax);
  EXPECT_EQ(tup.Run(255), 255);
  EXPECT_EQ(tup.B(), kMax);
  Block taf("Taf", 10, kMin);
  EXPECT_EQ(taf.Run(0), 0);
  EXPECT_EQ(taf.B(), 0);
  Block blink("Blinker", kMax, kMax);
  EXPECT_EQ(blink.Run(255), 0);
  EXPECT_EQ(blink.A(), kMax);
  Block soff("Soff", kMax, kMax);
  EXPECT_EQ(soff.Run(255), 0);
}

}  // namespace
}  // namespace tessaro
