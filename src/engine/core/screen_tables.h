// The operator screen: where its items stand, whether they show, and what they show.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/core/image_sizes.h"

namespace tessaro {

struct ScreenTables {
  // Operator-screen items 0..46 and the spare entry 47.
  std::array<int32_t, kScreenEntries> ItemLeft{};
  std::array<int32_t, kScreenEntries> ItemTop{};
  std::array<uint8_t, kScreenEntries> ItemVisible{};

  // Values of the operator-screen controls, mirrored here by their change handlers so that
  // the engine never asks a widget: value knobs Spin1..Spin5 and the board address box.
  std::array<int32_t, kValueKnobs + 1> KnobValue{};
  int32_t AddressBox = 0;

  // What the operator-screen items show: the value labels' texts and the picture file last
  // loaded into each lamp or push button ("" while it shows its built-in picture).
  std::array<std::string, kScreenEntries> ItemText{};
  std::array<std::string, kScreenEntries> ItemPicture{};
};

}  // namespace tessaro
