#include "engine/screen/window_fit.h"

#include <algorithm>

namespace tessaro {

namespace {

// One axis: the start and length of a window on a room's span.
void FitSpan(int& start, int& length, int room_start, int room_length, int smallest) {
  length = std::max(std::min(length, room_length), std::min(smallest, length));
  // Past the far end first, then the near end: a window larger than the room shows its
  // start, where its title bar and first rows are.
  start = std::min(start, room_start + room_length - length);
  start = std::max(start, room_start);
}

}  // namespace

ScreenRect FitWindow(const ScreenRect& wanted, const ScreenRect& room, ScreenSize smallest) {
  if (room.width <= 0 || room.height <= 0) return wanted;
  ScreenRect fitted = wanted;
  FitSpan(fitted.left, fitted.width, room.left, room.width, smallest.width);
  FitSpan(fitted.top, fitted.height, room.top, room.height, smallest.height);
  return fitted;
}

}  // namespace tessaro
