// Working state of the nine controllers and the eight recorders. One instance per
// instrument number: every grid field holding the same key shares it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tessaro {

constexpr int kTrendLength = 400;     // faceplate trend samples, one per scan cycle
constexpr int kRecorderLength = 480;  // recorder samples, one per four scan cycles

using Trend = std::array<uint16_t, kTrendLength>;
using RecorderTrend = std::array<uint8_t, kRecorderLength>;

// PID controllers 1..3 (3 is the cascade slave).
struct PidState {
  double Pv = 0;
  double Sp = 0;
  double Out = 0;
  double PTerm = 0;
  double ITerm = 0;
  double DTerm = 0;
  double PvPrev = 0;
  double Pb = 0;
  double Ti = 0;
  double Td = 0;
  double OutMax = 0;
  double OutMin = 0;
  int32_t PidAction = 0;
  std::string Mode;
  std::string ViewSize;
  double CascadeIn = 0;
  Trend PvTrend{};
  Trend SpTrend{};
  Trend OutTrend{};
};

// Pulse-valve step controllers 4..6.
struct StepState {
  double Pv = 0;
  double Sp = 0;
  int32_t PulseCount = 0;
  int32_t OpenPulse = 0;
  int32_t ClosePulse = 0;
  std::string Mode;
  std::string ViewSize;
  Trend PvTrend{};
  Trend SpTrend{};
};

// On/off controllers 7..9.
struct OnOffState {
  double Pv = 0;
  double Sp = 0;
  int32_t Out = 0;
  int32_t Gap = 0;
  std::string Mode;
  std::string ViewSize;
  Trend PvTrend{};
  Trend SpTrend{};
};

}  // namespace tessaro
