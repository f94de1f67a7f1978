#include "engine/core/gates.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/core/grid_tables.h"
#include "engine/core/numbers.h"

namespace tessaro {

namespace {

// Only 255 is true; every other value, 254 included, is false.
constexpr bool High(uint8_t v) { return v == 255; }

uint8_t Gate(uint8_t number, uint8_t l, uint8_t u, uint8_t w) {
  const int inputs = GateInputsOf(number);
  const bool use_lower = inputs != 2;
  const bool use_upper = inputs != 1;
  const bool all = High(l) && (!use_lower || High(w)) && (!use_upper || High(u));
  const bool any = High(l) || (use_lower && High(w)) || (use_upper && High(u));
  bool out = false;
  switch (GateOpOf(number)) {
    case GateOp::And:
      out = all;
      break;
    case GateOp::Nand:
      out = !all;
      break;
    case GateOp::Or:
      out = any;
      break;
    case GateOp::Nor:
      out = !any;
      break;
  }
  return out ? 255 : 0;
}

uint8_t ClampToByte(int64_t x) { return static_cast<uint8_t>(std::clamp<int64_t>(x, 0, 255)); }

// The one-input arithmetic blocks as tables over every byte, so the scan does no rounding.
using ByteTable = std::array<uint8_t, 256>;

ByteTable Tabulate(uint8_t (*f)(uint8_t)) {
  ByteTable table;
  for (int l = 0; l < 256; ++l) table[l] = f(static_cast<uint8_t>(l));
  return table;
}

}  // namespace

uint8_t SquareRoot(uint8_t l) {
  if (l == 0) return 0;
  return ClampToByte(RoundEven(std::sqrt(l / 255.0L) * 255.0L));
}

uint8_t RangeUp(uint8_t l) {
  if (l <= 50) return 0;
  const int product = (l - 51) * 5;  // whole before the division
  return ClampToByte(RoundEven(product / 4.0L));
}

uint8_t RangeDown(uint8_t l) {
  const int product = l * 4;
  return ClampToByte(RoundEven(product / 5.0L + 51));
}

uint8_t Calculate(uint8_t l, int32_t gain, int32_t offset) {
  return ClampToByte(RoundEven(l / 100.0L * gain + offset));
}

void RunFunctionBlock(GridTables& image, int r, int c, BlockCode code) {
  const uint8_t l = LeftInput(image, r, c);
  const uint8_t u = UpperInput(image, r, c);
  const uint8_t w = LowerInput(image, r, c);
  uint8_t& out = image.OutRight[r][c];
  switch (code.kind) {
    case BlockKind::Gate:
      out = Gate(code.number, l, u, w);
      break;
    case BlockKind::Xor:
      // Upper and lower only; a value other than 0 or 255 on either gives 0.
      out = ((u == 255 && w == 0) || (u == 0 && w == 255)) ? 255 : 0;
      break;
    case BlockKind::Not:
      out = static_cast<uint8_t>(255 - l);
      break;
    case BlockKind::HighSelect:
      out = l > u ? l : u;
      break;
    case BlockKind::LowSelect:
      out = l < w ? l : w;
      break;
    case BlockKind::Wortel: {
      static const ByteTable table = Tabulate(SquareRoot);
      out = table[l];
      break;
    }
    case BlockKind::ChUp: {
      static const ByteTable table = Tabulate(RangeUp);
      out = table[l];
      break;
    }
    case BlockKind::ChDw: {
      static const ByteTable table = Tabulate(RangeDown);
      out = table[l];
      break;
    }
    case BlockKind::RR1:
      out = Calculate(l, image.FieldParamA[r][c], image.FieldParamB[r][c]);
      break;
    case BlockKind::Limiter: {
      // The bounds in either order; beyond the byte they stand for its ends.
      const int64_t a = std::clamp<int64_t>(image.FieldParamA[r][c], 0, 255);
      const int64_t b = std::clamp<int64_t>(image.FieldParamB[r][c], 0, 255);
      out = static_cast<uint8_t>(std::clamp<int64_t>(l, std::min(a, b), std::max(a, b)));
      break;
    }
    default:
      break;
  }
}

}  // namespace tessaro
