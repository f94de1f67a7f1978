#include "engine/screen/screen_zoom.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

constexpr ScreenSize kPicture{1286, 632};

TEST(ScreenZoom, ThePictureIsGrownOnlyWhereTheRoomHoldsAQuarterMore) {
  // The commonest laptop keeps the picture exactly as it is.
  EXPECT_EQ(FitZoom({1366, 768}, kPicture), 100);
  EXPECT_EQ(FitZoom({1366, 740}, kPicture), 100);
  EXPECT_EQ(FitZoom({1600, 900}, kPicture), 100);  // 1600 / 1286 = 1.244: not yet
  EXPECT_EQ(FitZoom({1608, 900}, kPicture), 125);
  EXPECT_EQ(FitZoom({1920, 1080}, kPicture), 149);  // the width decides
  EXPECT_EQ(FitZoom({2560, 1440}, kPicture), 199);
  // A wide, low room: the height decides.
  EXPECT_EQ(FitZoom({3440, 900}, kPicture), 142);
  // Exactly the picture's size, or a quarter more in one direction only.
  EXPECT_EQ(FitZoom(kPicture, kPicture), 100);
  EXPECT_EQ(FitZoom({1700, 700}, kPicture), 100);
}

TEST(ScreenZoom, APictureTooLargeIsShrunkUntilItFitsInBothDirections) {
  EXPECT_EQ(FitZoom({1024, 600}, kPicture), 79);
  EXPECT_EQ(FitZoom({1280, 720}, kPicture), 99);
  EXPECT_EQ(FitZoom({1366, 600}, kPicture), 94);
  EXPECT_EQ(FitZoom({1285, 632}, kPicture), 99);  // one pixel short is too little room
  // The result, in whole pixels, lies inside the room.
  for (const ScreenSize room : {ScreenSize{1024, 600}, ScreenSize{1280, 720}, ScreenSize{1100, 631}}) {
    const int percent = FitZoom(room, kPicture);
    EXPECT_LE(kPicture.width * percent / 100, room.width);
    EXPECT_LE(kPicture.height * percent / 100, room.height);
  }
}

TEST(ScreenZoom, TheSizeStaysWithinItsLimits) {
  EXPECT_EQ(FitZoom({320, 200}, kPicture), kSmallestZoom);
  EXPECT_EQ(FitZoom({7680, 4320}, kPicture), kLargestZoom);
  // No screen known yet: as designed.
  EXPECT_EQ(FitZoom({}, kPicture), 100);
  EXPECT_EQ(FitZoom({1366, 768}, {}), 100);
  EXPECT_EQ(ZoomPercent({false, 1000}, {1366, 768}, kPicture), kLargestZoom);
  EXPECT_EQ(ZoomPercent({false, 5}, {1366, 768}, kPicture), kSmallestZoom);
  // A size of the user's own holds whatever the screen.
  EXPECT_EQ(ZoomPercent({false, 150}, {1024, 600}, kPicture), 150);
  EXPECT_EQ(ZoomPercent({true, 150}, {1024, 600}, kPicture), 79);
}

TEST(ScreenZoom, LargerAndSmallerStepFromWhereverTheSizeIs) {
  EXPECT_EQ(ZoomIn(100), (ZoomChoice{false, 110}));
  EXPECT_EQ(ZoomOut(100), (ZoomChoice{false, 90}));
  // From a fitted size between two steps to the next step in that direction.
  EXPECT_EQ(ZoomIn(149), (ZoomChoice{false, 150}));
  EXPECT_EQ(ZoomOut(149), (ZoomChoice{false, 125}));
  EXPECT_EQ(ZoomOut(79), (ZoomChoice{false, 75}));
  // At the ends the size stays.
  EXPECT_EQ(ZoomIn(400), (ZoomChoice{false, 400}));
  EXPECT_EQ(ZoomOut(50), (ZoomChoice{false, 50}));
}

TEST(ScreenZoom, TheSettingIsReadBackAsWritten) {
  for (const ZoomChoice choice : {ZoomChoice{}, ZoomChoice{false, 100}, ZoomChoice{false, 67}}) {
    EXPECT_EQ(ParseZoomSetting(ZoomSettingText(choice)), choice);
  }
  EXPECT_EQ(ZoomSettingText({}), "fit");
  EXPECT_EQ(ZoomSettingText({false, 125}), "125");
  // What another hand put there fits the screen.
  for (const char* text : {"", "groot", "125%", " 125", "12.5", "0", "49", "401", "-100",
                           "99999999999999999999"}) {
    EXPECT_EQ(ParseZoomSetting(text), ZoomChoice{}) << text;
  }
}

}  // namespace
}  // namespace tessaro
