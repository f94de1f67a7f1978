#include "engine/core/numbers.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

TEST(BytePercent, WholeMultiplesOfTheFactorAreExact) {
  EXPECT_EQ(BytePercent(153), 60.0);
  EXPECT_EQ(BytePercent(102), 40.0);
  EXPECT_EQ(BytePercent(255), 100.0);
  EXPECT_EQ(BytePercent(0), 0.0);
  // A plain double division misses: 153 / 2.55 gives 60.00000000000001.
  EXPECT_NE(153 / 2.55, 60.0);
}

TEST(RoundEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundEven(2.5L), 2);
  EXPECT_EQ(RoundEven(3.5L), 4);
  EXPECT_EQ(RoundEven(-2.5L), -2);
  EXPECT_EQ(RoundEven(153.425L), 153);
  EXPECT_EQ(RoundEven(2.5000001L), 3);
  EXPECT_EQ(RoundToByte(256.0L), 0);  // low 8 bits
  EXPECT_EQ(RoundToByte(255.4L), 255);
}

TEST(FormatValue, OneDecimalAtMostThreeSignificantDigits) {
  EXPECT_EQ(FormatValue(12.345), "12.3");
  EXPECT_EQ(FormatValue(123.45), "123.0");
  EXPECT_EQ(FormatValue(99.96), "100.0");
  EXPECT_EQ(FormatValue(5), "5.0");
  EXPECT_EQ(FormatValue(0), "0.0");
  EXPECT_EQ(FormatValue(0.25), "0.3");  // halves away from zero
  EXPECT_EQ(FormatValue(-0.25), "-0.3");
  EXPECT_EQ(FormatValue(-12.345), "-12.3");
  EXPECT_EQ(FormatValue(0.04), "0.0");
  EXPECT_EQ(FormatValue(60.166666666666664), "60.2");
}

TEST(FormatValue, ExponentFormAboveThreeIntegerDigits) {
  EXPECT_EQ(FormatValue(1234.5), "1.23E3");
  EXPECT_EQ(FormatValue(1000), "1E3");
  EXPECT_EQ(FormatValue(999.96), "1E3");  // rounding carries into a fourth digit
  EXPECT_EQ(FormatValue(-1500), "-1.5E3");
  EXPECT_EQ(FormatValue(123456), "1.23E5");
}

TEST(FormatValue, UsesTheGivenDecimalSeparator) {
  EXPECT_EQ(FormatValue(12.345, ','), "12,3");
  EXPECT_EQ(FormatValue(1234.5, ','), "1,23E3");
}

TEST(FormatSignificant, DropsTrailingZerosAndSeparator) {
  EXPECT_EQ(FormatSignificant(42.745, 3), "42.7");
  EXPECT_EQ(FormatSignificant(43, 3), "43");
  EXPECT_EQ(FormatSignificant(50.5, 4), "50.5");
  EXPECT_EQ(FormatSignificant(60.0, 4), "60");
  EXPECT_EQ(FormatSignificant(0, 3), "0");
  EXPECT_EQ(FormatSignificant(0.5, 3), "0.5");
  EXPECT_EQ(FormatSignificant(99.95, 3), "100");
  EXPECT_EQ(FormatSignificant(-7.25, 2), "-7.3");
  EXPECT_EQ(FormatSignificant(42.745, 3, ','), "42,7");
}

TEST(FormatSignificant, ExponentFormForLargeAndTinyMagnitudes) {
  EXPECT_EQ(FormatSignificant(1280, 3), "1.28E03");
  EXPECT_EQ(FormatSignificant(0.00001234, 3), "1.23E-05");
  EXPECT_EQ(FormatSignificant(1000, 3), "1E03");
  EXPECT_EQ(FormatSignificant(999.6, 3), "1E03");
  EXPECT_EQ(FormatSignificant(1280, 4), "1280");
  EXPECT_EQ(FormatSignificant(0.0001, 3), "0.0001");
}

TEST(LevelText, NamesTheDigitalLevels) {
  EXPECT_EQ(LevelText(0), "low");
  EXPECT_EQ(LevelText(255), "high");
  EXPECT_EQ(LevelText(128), "128");
  EXPECT_EQ(LevelText(254), "254");
}

TEST(ScaleToRange, MapsPercentOntoTheEngineeringRange) {
  EXPECT_DOUBLE_EQ(ScaleToRange(50, 200, 100), 150);
  EXPECT_DOUBLE_EQ(ScaleToRange(0, 100, -20), -20);
  EXPECT_DOUBLE_EQ(ScaleToRange(100, 1600, 0), 1600);
}

TEST(ByteToRange, KeepsExactHalvesExactForTheLabel) {
  // 188 / 2.55 rounded to a double first lands just below 1005 and the label would read 1E3.
  EXPECT_EQ(ByteToRange(188, 1273, 253), 1005.0);
  EXPECT_EQ(FormatValue(ByteToRange(188, 1273, 253)), "1.01E3");
  EXPECT_EQ(ByteToRange(153, 100, 0), 60.0);
  EXPECT_EQ(ByteToRange(255, 100, -20), 100.0);
  EXPECT_EQ(ByteToRange(0, 100, -20), -20.0);
}

}  // namespace
}  // namespace tessaro
