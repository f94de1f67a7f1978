// Geometry of the scrolling charts: the faceplate trends (one pixel per scan cycle) and the
// recorder paper (one pixel per sample). The windows only draw what these return.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/control/trend.h"

namespace tessaro {

struct ChartPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ChartPoint&) const = default;
};

struct ChartText {
  int x = 0;
  int y = 0;
  std::string text;
  bool operator==(const ChartText&) const = default;
};

struct ChartPen {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  int width = 1;
};

// A history takes a sample: everything moves one place towards the end (the oldest drops out)
// and the sample becomes element 0.
template <typename T, size_t N>
void PushNewest(std::array<T, N>& history, T sample) {
  std::move_backward(history.begin(), history.end() - 1, history.end());
  history[0] = sample;
}

// A history drawn newest at the right: (right, base - T[0]), then (right - i, base - T[i - 1])
// for i = 1..size. The first two points share the newest sample, so it shows as a short
// flat piece at the right edge.
std::vector<ChartPoint> ChartLine(std::span<const uint16_t> history, int right, int base);
std::vector<ChartPoint> ChartLine(std::span<const uint8_t> history, int right, int base);

// Eleven range texts at x and the given heights, high at the top.
std::array<ChartText, 11> ChartScale(int32_t high, int32_t low, const std::string& unit, int x,
                                     const std::array<int, 11>& ys);

// Faceplate trend picture (460 x 240): 0 % at y = 213, 100 % at y = 13, newest at x = 400.
inline constexpr char kTrendPaper[] = "Velden/papier.bmp";
constexpr int kTrendRight = 400;
constexpr int kTrendBase = 213;
inline constexpr ChartPen kTrendOutputPen{0, 0, 0, 1};
inline constexpr ChartPen kTrendSetpointPen{128, 0, 0, 1};
inline constexpr ChartPen kTrendProcessValuePen{255, 0, 0, 2};
inline constexpr ChartPen kTrendModelPen{20, 90, 220, 1};  // a tuning test's fitted model

std::vector<ChartPoint> TrendLine(const Trend& trend);

// The eleven range texts right of the trend, high to low.
constexpr int kTrendScaleX = 405;
inline constexpr std::array<int, 11> kTrendScaleY{7, 27, 47, 67, 87, 107, 127, 147, 167, 187, 207};
std::array<ChartText, 11> TrendScale(int32_t high, int32_t low, const std::string& unit);

}  // namespace tessaro
