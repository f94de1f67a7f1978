// How large the operator screen is drawn. It is one picture of 1286 x 632 with its items on
// it; on a screen too small for it the whole picture is drawn smaller, on a screen with room
// for at least a quarter more it is drawn larger, and in between exactly at its own size. The
// user may instead choose a size of his own, which is kept between starts.
#pragma once

#include <string>
#include <string_view>

#include "engine/screen/window_fit.h"

namespace tessaro {

// Sizes in percent of the picture's own size.
constexpr int kSmallestZoom = 50;
constexpr int kLargestZoom = 400;

struct ZoomChoice {
  bool fit = true;    // fitted to the room the window has
  int percent = 100;  // the user's own size, when not fitted
  bool operator==(const ZoomChoice&) const = default;
};

// The size, in whole percents, at which `picture` fits `room`: smaller when it does not fit,
// larger when the room holds at least 125 % of it in both directions, else 100. Never below
// kSmallestZoom (a screen smaller than that shows the picture's top-left part) nor above
// kLargestZoom. An empty room or picture gives 100.
int FitZoom(ScreenSize room, ScreenSize picture);

// The size the choice gives in `room`.
int ZoomPercent(const ZoomChoice& choice, ScreenSize room, ScreenSize picture);

// One step larger or smaller than `percent` along 50, 67, 75, 80, 90, 100, 110, 125, 150,
// 175, 200, 250, 300, 400; a size between two steps goes to the next one. A chosen size
// of the user's own comes back.
ZoomChoice ZoomIn(int percent);
ZoomChoice ZoomOut(int percent);

// The choice as it is kept in the settings: "fit" or the percentage ("125"). Anything else
// read back, or a percentage out of range, is taken as "fit".
std::string ZoomSettingText(const ZoomChoice& choice);
ZoomChoice ParseZoomSetting(std::string_view text);

}  // namespace tessaro
