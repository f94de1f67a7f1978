// State of the on/off controllers 7..9.
#pragma once

#include <cstdint>

#include "engine/control/faceplate_state.h"

namespace tessaro {

struct OnOffState : SetpointFaceplate {
  int32_t Out = 0;  // 0 or 255
  int32_t Gap = 0;  // %, 1..100; the gap box SpinEdit1 shows it and is usable at all times

  LampColour Lamp = LampColour::White;  // Shape1: red while on, white while off
};

}  // namespace tessaro
