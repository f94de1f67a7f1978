#include "engine/core/time_blocks.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/core/grid_tables.h"

namespace tessaro {

namespace {

// Counts may come from a project file with any 32-bit value; counting saturates instead of
// overflowing.
int32_t Add(int32_t count, int32_t step) {
  const int64_t sum = static_cast<int64_t>(count) + step;
  return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// "ADS": switches on at the upper point A, off at the lower point B, holds in between;
// off wins when the points overlap.
void SwitchWithHysteresis(uint8_t l, int32_t a, int32_t b, uint8_t& out) {
  if (l >= a) out = 255;
  if (l <= b) out = 0;
}

// Set by the left input, reset (dominant) by the lower input.
void FlipFlop(uint8_t l, uint8_t w, uint8_t& out) {
  if (l == 255) out = 255;
  if (w == 255) out = 0;
}

// On-delay: any input other than 0 counts as on.
void OnDelay(uint8_t l, int32_t a, int32_t& count, uint8_t& out) {
  if (l != 0) {
    count = Add(count, 1);
    if (count >= a) {
      count = a;
      out = 255;
    }
  } else {
    count = 0;
    out = 0;
  }
}

// Off-delay: only 255 counts as on.
void OffDelay(uint8_t l, int32_t a, int32_t& count, uint8_t& out) {
  if (l == 255) {
    count = a;
    out = 255;
  } else {
    count = Add(count, -1);
    if (count <= 0) {
      count = 0;
      out = 0;
    }
  }
}

// Automatic switch-off: on while the count is below A, and the count stops at A.
void SwitchOff(uint8_t l, int32_t a, int32_t& count, uint8_t& out) {
  if (l == 255) {
    count = Add(count, 1);
    out = count < a ? 255 : 0;
    if (count >= a) count = a;
  } else {
    count = 0;
    out = 0;
  }
}

// Blinker: the count runs from 1 to B + 1; high while twice the count is at most B.
void Blink(uint8_t l, int32_t& count, int32_t b, uint8_t& out) {
  if (l == 255) {
    count = Add(count, 1);
    out = 2 * static_cast<int64_t>(count) <= b ? 255 : 0;
    if (count > b) count = 0;
  } else {
    out = 0;
    count = -1;
  }
}

}  // namespace

void RunTimeBlock(GridTables& image, int r, int c, BlockKind kind) {
  const uint8_t l = LeftInput(image, r, c);
  int32_t& a = image.FieldParamA[r][c];
  int32_t& b = image.FieldParamB[r][c];
  uint8_t& out = image.OutRight[r][c];
  switch (kind) {
    case BlockKind::Ads:
      SwitchWithHysteresis(l, a, b, out);
      break;
    case BlockKind::Flipflop:
      FlipFlop(l, LowerInput(image, r, c), out);
      break;
    case BlockKind::Tup:
      OnDelay(l, a, b, out);
      break;
    case BlockKind::Taf:
      OffDelay(l, a, b, out);
      break;
    case BlockKind::Soff:
      SwitchOff(l, a, b, out);
      break;
    case BlockKind::Blinker:
      Blink(l, a, b, out);
      break;
    default:
      break;
  }
}

}  // namespace tessaro
