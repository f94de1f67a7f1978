// The eight chart recorders: a history of 480 input bytes, one sample every fourth scan
// cycle, drawn on paper that scrolls from right to left. The recorder window shows the paper
// picture, RecorderScale of range slot n and RecorderLine of Recorder[n] with kRecorderPen.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/control/chart.h"

namespace tessaro {

struct InstrumentTables;

inline constexpr char kRecorderPaper[] = "velden/Papier40.bmp";
constexpr int kRecorderRight = 480;  // newest sample
constexpr int kRecorderBase = 280;   // byte 0; byte 255 lands on y = 25
constexpr int kRecorderScaleX = 495;
inline constexpr std::array<int, 11> kRecorderScaleY{21,  45,  71,  96,  122, 147,
                                                     172, 197, 223, 248, 273};
inline constexpr ChartPen kRecorderPen{255, 0, 0, 2};

// Recorder n (1..8; others do nothing) takes sample v: the oldest of the 480 drops out, v becomes
// element 0. Every field holding the recorder's key feeds this one history.
void RecorderCycle(InstrumentTables& image, int n, uint8_t v);

// (480, 280 - T[0]), then (480 - i, 280 - T[i - 1]) for i = 1..480.
std::vector<ChartPoint> RecorderLine(const RecorderTrend& trend);

// The eleven range texts right of the paper, high at the top.
std::array<ChartText, 11> RecorderScale(int32_t high, int32_t low, const std::string& unit);

}  // namespace tessaro
