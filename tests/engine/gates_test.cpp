#include "engine/core/gates.h"

#include <string>

#include "engine/core/process_image.h"
#include "scan_fixture.h"

namespace tessaro {
namespace {

// Evaluates `key` in field (8, 3) with left input l, upper input u and lower input w.
uint8_t Eval(const std::string& key, uint8_t l, uint8_t u, uint8_t w, int32_t a = 0,
             int32_t b = 0) {
  ProcessImage image;
  image.OutRight[8][2] = l;
  image.OutDown[7][3] = u;
  image.OutUp[9][3] = w;
  image.FieldParamA[8][3] = a;
  image.FieldParamB[8][3] = b;
  image.OutRight[8][3] = 99;
  RunFunctionBlock(image, 8, 3, DecodeKey(key));
  return image.OutRight[8][3];
}

TEST(Gates, OnlyTwoHundredFiftyFiveIsTrue) {
  EXPECT_EQ(Eval("AND1", 255, 0, 254), 0);
  EXPECT_EQ(Eval("AND1", 255, 0, 255), 255);
  EXPECT_EQ(Eval("OR1", 254, 255, 254), 0);  // the upper input takes no part
  EXPECT_EQ(Eval("NOR1", 254, 0, 1), 255);
  EXPECT_EQ(Eval("NAND2", 255, 254, 0), 255);
}

TEST(Gates, TheDigitChoosesTheInputs) {
  EXPECT_EQ(Eval("AND1", 255, 0, 255), 255);  // left and lower
  EXPECT_EQ(Eval("AND2", 255, 0, 255), 0);    // left and upper
  EXPECT_EQ(Eval("AND2", 255, 255, 0), 255);
  EXPECT_EQ(Eval("OR2", 0, 0, 255), 0);
  EXPECT_EQ(Eval("OR3", 0, 0, 255), 255);
  EXPECT_EQ(Eval("NOR2", 0, 255, 0), 0);
  EXPECT_EQ(Eval("NOR3", 0, 0, 0), 255);
  EXPECT_EQ(Eval("NAND3", 255, 255, 255), 0);
  EXPECT_EQ(Eval("NAND3", 255, 0, 255), 255);
  EXPECT_EQ(Eval("AND3", 255, 255, 255), 255);
  EXPECT_EQ(Eval("AND3", 0, 255, 255), 0);
}

TEST(Gates, XorTakesUpperAndLowerOnly) {
  EXPECT_EQ(Eval("XOR", 0, 255, 0), 255);
  EXPECT_EQ(Eval("XOR", 77, 0, 255), 255);
  EXPECT_EQ(Eval("XOR", 255, 255, 255), 0);
  EXPECT_EQ(Eval("XOR", 255, 128, 0), 0);
  EXPECT_EQ(Eval("XOR", 0, 0, 0), 0);
  // A level between low and high on either input is neither, whatever the other holds.
  for (uint8_t between : {1, 128, 254}) {
    EXPECT_EQ(Eval("XOR", 0, 0, between), 0) << int(between);
    EXPECT_EQ(Eval("XOR", 0, 255, between), 0) << int(between);
    EXPECT_EQ(Eval("XOR", 0, between, 0), 0) << int(between);
    EXPECT_EQ(Eval("XOR", 0, between, 255), 0) << int(between);
  }
}

TEST(Selectors, InverterAndSelectors) {
  EXPECT_EQ(Eval("Not", 0, 0, 0), 255);
  EXPECT_EQ(Eval("Not", 100, 0, 0), 155);
  EXPECT_EQ(Eval("HS1", 40, 90, 200), 90);
  EXPECT_EQ(Eval("HS1", 140, 90, 200), 140);
  EXPECT_EQ(Eval("LS1", 40, 0, 20), 20);
  EXPECT_EQ(Eval("LS1", 40, 0, 200), 40);
}

TEST_F(ScanTest, SelectorsAtTheGridEdgesCompareWithZero) {
  image.KnobValue[1] = 60;
  Put(1, 1, "Spin1");
  Put(1, 2, "HS1");
  Put(16, 1, "Spin1");
  Put(16, 2, "LS1");
  image.OutRight[16][2] = 99;
  Cycles(1);
  EXPECT_EQ(image.OutRight[1][2], 60);
  EXPECT_EQ(image.OutRight[16][2], 0);
}

TEST(Arithmetic, SquareRootAndRangeChanges) {
  EXPECT_EQ(SquareRoot(0), 0);
  EXPECT_EQ(SquareRoot(1), 16);
  EXPECT_EQ(SquareRoot(64), 128);
  EXPECT_EQ(SquareRoot(255), 255);
  EXPECT_EQ(RangeUp(50), 0);
  EXPECT_EQ(RangeUp(51), 0);
  EXPECT_EQ(RangeUp(52), 1);
  EXPECT_EQ(RangeUp(53), 2);  // 2.5 goes to the even 2
  EXPECT_EQ(RangeUp(55), 5);
  EXPECT_EQ(RangeUp(255), 255);
  EXPECT_EQ(RangeDown(0), 51);
  EXPECT_EQ(RangeDown(1), 52);
  EXPECT_EQ(RangeDown(255), 255);
  for (int l = 0; l <= 255; ++l) {
    const auto v = static_cast<uint8_t>(l);
    EXPECT_GE(RangeDown(v), 51);
    if (l > 0) {
      EXPECT_GE(RangeUp(v), RangeUp(static_cast<uint8_t>(l - 1)));
      EXPECT_GE(SquareRoot(v), SquareRoot(static_cast<uint8_t>(l - 1)));
    }
  }
  EXPECT_EQ(Eval("ChUp", 53, 0, 0), 2);
  EXPECT_EQ(Eval("ChDw", 1, 0, 0), 52);
  EXPECT_EQ(Eval("Wortel", 64, 0, 0), 128);
}

TEST(Arithmetic, CalculationBlockLimitsAndRounds) {
  EXPECT_EQ(Eval("RR1", 200, 0, 0, 50, 0), 100);
  EXPECT_EQ(Eval("RR1", 200, 0, 0, 100, 100), 255);
  EXPECT_EQ(Eval("RR1", 200, 0, 0, -100, 0), 0);
  EXPECT_EQ(Eval("RR1", 200, 0, 0, 100, -250), 0);
  EXPECT_EQ(Eval("RR1", 5, 0, 0, 50, 0), 2);  // 2.5, ties to even
  EXPECT_EQ(Eval("RR1", 7, 0, 0, 50, 0), 4);  // 3.5
  EXPECT_EQ(Calculate(255, 5000, 9999), 255);
  EXPECT_EQ(Calculate(255, -5000, -9999), 0);
}

TEST(Arithmetic, LimiterClampsTheLeftInputBetweenItsBounds) {
  EXPECT_EQ(Eval("Begrenzer", 30, 0, 0, 50, 200), 50);
  EXPECT_EQ(Eval("Begrenzer", 120, 255, 255, 50, 200), 120);  // upper and lower take no part
  EXPECT_EQ(Eval("Begrenzer", 250, 0, 0, 50, 200), 200);
  EXPECT_EQ(Eval("Begrenzer", 250, 0, 0, 200, 50), 200);  // bounds given the wrong way round
  EXPECT_EQ(Eval("Begrenzer", 0, 0, 0, 77, 77), 77);
  // Bounds beyond a byte, set by hand in a project, stand for the byte's ends.
  EXPECT_EQ(Eval("Begrenzer", 9, 0, 0, -40, 999), 9);
  EXPECT_EQ(Eval("Begrenzer", 9, 0, 0, 300, 999), 255);
}

}  // namespace
}  // namespace tessaro
