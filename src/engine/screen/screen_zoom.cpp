#include "engine/screen/screen_zoom.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tessaro {

namespace {

constexpr std::array<int, 14> kZoomSteps = {50,  67,  75,  80,  90,  100, 110,
                                            125, 150, 175, 200, 250, 300, 400};
// Grown only where the room holds at least a quarter more.
constexpr int kGrowFrom = 125;

}  // namespace

int FitZoom(ScreenSize room, ScreenSize picture) {
  if (room.width <= 0 || room.height <= 0 || picture.width <= 0 || picture.height <= 0) {
    return 100;
  }
  // Whole percents rounded down, in integers, so that the picture never runs one pixel past
  // the room.
  const long long across = 100LL * room.width / picture.width;
  const long long down = 100LL * room.height / picture.height;
  const int fits = static_cast<int>(std::min({across, down, static_cast<long long>(kLargestZoom)}));
  if (fits < 100) return std::max(fits, kSmallestZoom);
  return fits >= kGrowFrom ? fits : 100;
}

int ZoomPercent(const ZoomChoice& choice, ScreenSize room, ScreenSize picture) {
  if (choice.fit) return FitZoom(room, picture);
  return std::clamp(choice.percent, kSmallestZoom, kLargestZoom);
}

ZoomChoice ZoomIn(int percent) {
  const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
  return {false, next == kZoomSteps.end() ? kZoomSteps.back() : *next};
}

ZoomChoice ZoomOut(int percent) {
  const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
  return {false, next == kZoomSteps.begin() ? kZoomSteps.front() : *(next - 1)};
}

std::string ZoomSettingText(const ZoomChoice& choice) {
  return choice.fit ? std::string("fit") : std::to_string(choice.percent);
}

ZoomChoice ParseZoomSetting(std::string_view text) {
  int percent = 0;
  const char* end = text.data() + text.size();
  const auto [last, error] = std::from_chars(text.data(), end, percent);
  if (text.empty() || error != std::errc() || last != end || percent < kSmallestZoom ||
      percent > kLargestZoom) {
    return {};
  }
  return {false, percent};
}

}  // namespace tessaro
