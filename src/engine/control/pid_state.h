// State of PID controllers 1..3 (3 is the cascade slave).
#pragma once

#include <cstdint>
#include <string>

#include "engine/control/trend.h"

namespace tessaro {

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

}  // namespace tessaro
