#include "engine/control/chart.h"

#include "engine/control/scale.h"

namespace tessaro {

namespace {

template <typename T>
std::vector<ChartPoint> LineOf(std::span<const T> history, int right, int base) {
  std::vector<ChartPoint> points;
  if (history.empty()) return points;
  points.reserve(history.size() + 1);
  points.push_back({right, base - static_cast<int>(history[0])});
  for (size_t i = 1; i <= history.size(); ++i) {
    points.push_back({right - static_cast<int>(i), base - static_cast<int>(history[i - 1])});
  }
  return points;
}

}  // namespace

std::vector<ChartPoint> ChartLine(std::span<const uint16_t> history, int right, int base) {
  return LineOf(history, right, base);
}

std::vector<ChartPoint> ChartLine(std::span<const uint8_t> history, int right, int base) {
  return LineOf(history, right, base);
}

std::vector<ChartPoint> TrendLine(const Trend& trend) {
  return ChartLine(std::span<const uint16_t>(trend), kTrendRight, kTrendBase);
}

std::array<ChartText, 11> ChartScale(int32_t high, int32_t low, const std::string& unit, int x,
                                     const std::array<int, 11>& ys) {
  const auto texts = ScaleTexts(high, low, unit);
  std::array<ChartText, 11> scale;
  for (size_t k = 0; k < scale.size(); ++k) scale[k] = {x, ys[k], texts[k]};
  return scale;
}

std::array<ChartText, 11> TrendScale(int32_t high, int32_t low, const std::string& unit) {
  return ChartScale(high, low, unit, kTrendScaleX, kTrendScaleY);
}

}  // namespace tessaro
