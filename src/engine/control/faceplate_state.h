// What the step and on/off controller faceplates have in common: the setpoint and process
// value with their tags, the mode and its indicator, the width and the two-line trend.
#pragma once

#include <string>

#include "engine/control/trend.h"

namespace tessaro {

// Colour of a round pulse or output lamp on a faceplate.
enum class LampColour { White, Yellow, Red };

// "white", "yellow" or "red".
const char* LampColourName(LampColour colour);

struct SetpointFaceplate {
  double Pv = 0;         // %, set by the block step from the left input
  double Sp = 0;         // %, a multiple of 0.5 when set by the faceplate
  std::string Mode;      // "hand" or "auto"
  std::string ViewSize;  // "klein", "groot" (and "super" on the on/off faceplate)
  Trend PvTrend{};       // 2 x Pv rounded, newest first
  Trend SpTrend{};       // 2 x Sp rounded, newest first

  std::string ModeText;  // Label1: "Hand" or "Auto"
  Tag SpTag;             // SPLabel, always shown
  Tag PvTag;             // PVLabel
};

}  // namespace tessaro
