// Where a window goes on the screen it is shown on: at the place it asks for when it fits,
// else moved onto the screen and, when still too big, made smaller so that its content
// scrolls. Every window of the program goes through this one rule.
#pragma once

namespace tessaro {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }   // one past the last column
  int bottom() const { return top + height; }  // one past the last row
  bool operator==(const ScreenRect&) const = default;
};

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// `wanted` is the window's frame (title bar and borders included) where the window would
// go; `room` the screen's free area (without task bars). The frame comes back unchanged
// when it lies inside `room`; else as close to `wanted` as fits, no larger than `room` and
// no smaller than `smallest` (a window that cannot shrink so far keeps its top-left corner,
// and so its title bar, on the screen). An empty room leaves the window as it is.
ScreenRect FitWindow(const ScreenRect& wanted, const ScreenRect& room, ScreenSize smallest = {});

}  // namespace tessaro
