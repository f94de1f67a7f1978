#include "engine/core/wires.h"

#include <string>

#include "scan_fixture.h"

namespace tessaro {
namespace {

// Field (5, 3) with left input 10, upper input 20 and lower input 30; its own edges start at
// 7 so that an edge the wire leaves alone is seen.
struct WireCase {
  int shape;
  int up, right, down;
};

TEST(WireShapes, EachShapeCopiesItsSourceToItsEdgesOnly) {
  const WireCase cases[] = {
      {1, 7, 10, 7},   {2, 30, 7, 7},   {3, 7, 7, 20},    {4, 7, 7, 10},  {5, 7, 30, 7},
      {6, 7, 20, 7},   {7, 10, 7, 7},   {8, 10, 7, 10},   {9, 10, 10, 7}, {10, 7, 10, 10},
      {11, 7, 20, 20}, {12, 30, 30, 7}, {13, 10, 10, 10},
  };
  for (const WireCase& w : cases) {
    ProcessImage image;
    image.OutRight[5][2] = 10;
    image.OutDown[4][3] = 20;
    image.OutUp[6][3] = 30;
    image.OutUp[5][3] = image.OutRight[5][3] = image.OutDown[5][3] = 7;
    WireStep(image, 5, 3, w.shape);
    EXPECT_EQ(image.OutUp[5][3], w.up) << "Draad" << w.shape;
    EXPECT_EQ(image.OutRight[5][3], w.right) << "Draad" << w.shape;
    EXPECT_EQ(image.OutDown[5][3], w.down) << "Draad" << w.shape;
    // The inputs themselves are never written.
    EXPECT_EQ(image.OutRight[5][2] + image.OutDown[4][3] + image.OutUp[6][3], 60);
  }
}

TEST_F(ScanTest, ACrossFeedsTheDownwardWireBelowItInTheSamePass) {
  image.ScreenButton[2] = 255;
  Put(4, 1, "Knop2");
  Put(4, 2, "Draad13");
  Put(5, 2, "Draad3");
  Put(6, 2, "Draad6");
  Ticks(1);
  EXPECT_EQ(image.OutUp[4][2], 255);
  EXPECT_EQ(image.OutRight[4][2], 255);
  EXPECT_EQ(image.OutDown[5][2], 255);
  EXPECT_EQ(image.OutRight[6][2], 255);
}

TEST_F(ScanTest, WiresAtTheEdgesOfTheGridReadTheMarginRows) {
  Put(1, 2, "Draad3");
  Put(16, 2, "Draad2");
  image.OutDown[1][2] = 5;  // left over from an earlier block
  image.OutUp[16][2] = 5;
  Cycles(1);
  EXPECT_EQ(image.OutDown[1][2], 0);
  EXPECT_EQ(image.OutUp[16][2], 0);
}

}  // namespace
}  // namespace tessaro
