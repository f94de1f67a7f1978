#include "engine/control/recorder.h"

#include "engine/core/instrument_tables.h"

namespace tessaro {

void RecorderCycle(InstrumentTables& image, int n, uint8_t v) {
  if (n < 1 || n > kRecorders) return;
  PushNewest(image.Recorder[n], v);
}

std::vector<ChartPoint> RecorderLine(const RecorderTrend& trend) {
  return ChartLine(std::span<const uint8_t>(trend), kRecorderRight, kRecorderBase);
}

std::array<ChartText, 11> RecorderScale(int32_t high, int32_t low, const std::string& unit) {
  return ChartScale(high, low, unit, kRecorderScaleX, kRecorderScaleY);
}

}  // namespace tessaro
