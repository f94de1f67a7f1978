// State of the on/off controllers 7..9.
#pragma once

#include <cstdint>
#include <string>

#include "engine/control/trend.h"

namespace tessaro {

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
