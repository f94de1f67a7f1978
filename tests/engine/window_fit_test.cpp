#include "engine/screen/window_fit.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

// The logic grid's frame: 528 x 770 inside, with a title bar and thin borders.
constexpr ScreenRect kGridFrame{475, 56, 536, 800};
constexpr ScreenRect kLaptop{0, 0, 1366, 768};

TEST(WindowFit, AWindowThatFitsStaysWhereItAsked) {
  EXPECT_EQ(FitWindow(kGridFrame, {0, 0, 1920, 1080}), kGridFrame);
  const ScreenRect faceplate{1100, 500, 206, 266};
  EXPECT_EQ(FitWindow(faceplate, kLaptop), faceplate);
  // Touching the room's edges is inside it.
  EXPECT_EQ(FitWindow({1160, 502, 206, 266}, kLaptop), (ScreenRect{1160, 502, 206, 266}));
}

TEST(WindowFit, ATallWindowShrinksToTheScreenAndKeepsItsColumn) {
  EXPECT_EQ(FitWindow(kGridFrame, kLaptop), (ScreenRect{475, 0, 536, 768}));
  EXPECT_EQ(FitWindow(kGridFrame, {0, 0, 1280, 720}), (ScreenRect{475, 0, 536, 720}));
}

TEST(WindowFit, AWideWindowShrinksAndMovesToTheLeftEdge) {
  // The layout window on a 1024 x 768 screen.
  EXPECT_EQ(FitWindow({237, 228, 1133, 434}, {0, 0, 1024, 768}), (ScreenRect{0, 228, 1024, 434}));
}

TEST(WindowFit, AWindowPastAnEdgeMovesBackWithoutShrinking) {
  // A faceplate widened to its widest near the right edge.
  EXPECT_EQ(FitWindow({998, 145, 772, 266}, kLaptop), (ScreenRect{594, 145, 772, 266}));
  // Below the bottom, and left of the screen.
  EXPECT_EQ(FitWindow({927, 517, 290, 300}, kLaptop), (ScreenRect{927, 468, 290, 300}));
  EXPECT_EQ(FitWindow({-40, -10, 300, 200}, kLaptop), (ScreenRect{0, 0, 300, 200}));
}

TEST(WindowFit, TheFreeAreaIsWhatCounts) {
  // A task bar along the top and one along the left: the window goes below and beside them.
  const ScreenRect room{48, 32, 1318, 736};
  EXPECT_EQ(FitWindow({0, 0, 300, 200}, room), (ScreenRect{48, 32, 300, 200}));
  EXPECT_EQ(FitWindow(kGridFrame, room), (ScreenRect{475, 32, 536, 736}));
  // The second of two screens side by side.
  EXPECT_EQ(FitWindow({1300, 56, 536, 800}, {1366, 0, 1280, 720}), (ScreenRect{1366, 0, 536, 720}));
}

TEST(WindowFit, AWindowThatCannotShrinkKeepsItsTitleBarOnTheScreen) {
  // No smaller than 1133 x 434: on an 800 x 400 screen its top-left corner stays reachable.
  EXPECT_EQ(FitWindow({237, 228, 1133, 434}, {0, 0, 800, 400}, {1133, 434}),
            (ScreenRect{0, 0, 1133, 434}));
  // Shrinks as far as it may.
  EXPECT_EQ(FitWindow({237, 228, 1133, 434}, {0, 0, 1024, 300}, {600, 380}),
            (ScreenRect{0, 0, 1024, 380}));
}

TEST(WindowFit, NoScreenLeavesTheWindowAlone) {
  EXPECT_EQ(FitWindow(kGridFrame, {}), kGridFrame);
  EXPECT_EQ(FitWindow(kGridFrame, {0, 0, 1366, 0}), kGridFrame);
}

}  // namespace
}  // namespace tessaro
