// The eleven scale texts beside a trend or recorder chart, top (high) to bottom (low).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tessaro {

// Text k is high for k = 0, low for k = 10, and high x (10 - k) / 10 + low x k / 10 rounded
// (ties to even) between, each followed by " " and the unit.
std::array<std::string, 11> ScaleTexts(int32_t high, int32_t low, const std::string& unit);

}  // namespace tessaro
