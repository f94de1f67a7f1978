// State of the pulse-valve step controllers 4..6.
#pragma once

#include <cstdint>

#include "engine/control/faceplate_state.h"

namespace tessaro {

struct StepState : SetpointFaceplate {
  // +4 starts an open pulse, -4 a close pulse; then it counts back to 0 by one per cycle.
  int32_t PulseCount = 0;
  int32_t OpenPulse = 0;   // 0 or 255
  int32_t ClosePulse = 0;  // 0 or 255

  LampColour OpenLamp = LampColour::White;   // Shape1, upper lamp
  LampColour CloseLamp = LampColour::White;  // Shape2, lower lamp
};

}  // namespace tessaro
