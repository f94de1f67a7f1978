// State of the pulse-valve step controllers 4..6.
#pragma once

#include <cstdint>
#include <string>

#include "engine/control/trend.h"

namespace tessaro {

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

}  // namespace tessaro
