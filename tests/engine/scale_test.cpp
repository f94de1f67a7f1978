#include "engine/control/scale.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

TEST(ScaleTexts, StepTenPercentOfTheRangeFromHighToLow) {
  const auto t = ScaleTexts(500, -100, "mbar");
  const char* expected[] = {"500 mbar", "440 mbar", "380 mbar", "320 mbar", "260 mbar", "200 mbar",
                            "140 mbar", "80 mbar",  "20 mbar",  "-40 mbar", "-100 mbar"};
  for (int k = 0; k <= 10; ++k) EXPECT_EQ(t[static_cast<size_t>(k)], expected[k]) << k;
}

TEST(ScaleTexts, RoundHalvesToEven) {
  const auto t = ScaleTexts(25, 0, "C");
  EXPECT_EQ(t[5], "12 C");  // 12.5
  EXPECT_EQ(t[6], "10 C");
  EXPECT_EQ(t[1], "22 C");  // 22.5
  EXPECT_EQ(t[3], "18 C");  // 17.5
  EXPECT_EQ(ScaleTexts(1000, 0, "")[0], "1000 ");  // whole numbers, no exponent form
}

}  // namespace
}  // namespace tessaro
