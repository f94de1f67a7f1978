#include "engine/control/scale.h"

#include "engine/core/numbers.h"

namespace tessaro {

std::array<std::string, 11> ScaleTexts(int32_t high, int32_t low, const std::string& unit) {
  std::array<std::string, 11> texts;
  for (int k = 0; k <= 10; ++k) {
    int64_t value;
    if (k == 0) {
      value = high;
    } else if (k == 10) {
      value = low;
    } else {
      value = RoundEven(static_cast<long double>(high) * (10 - k) / 10.0L +
                        static_cast<long double>(low) * k / 10.0L);
    }
    texts[static_cast<size_t>(k)] = std::to_string(value) + " " + unit;
  }
  return texts;
}

}  // namespace tessaro
