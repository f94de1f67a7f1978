// Block keys decoded once into a small code, so that the scan compares a byte instead of a
// text for every field it visits. The key text in FieldGrid stays the truth: the decoded
// copy is renewed whenever a field's text differs from the text it was decoded from.
#pragma once

#include <cstdint>
#include <string_view>

namespace tessaro {

struct GridTables;

enum class BlockKind : uint8_t {
  Empty,    // "" or "Leeg"
  Unknown,  // a text that is no block key
  // Inputs (column 1); number = the key's number.
  AnalogIn,
  Spin,
  DigitalIn,
  Knop,
  Sinus,
  // Outputs (column 7).
  AnalogOut,
  DigitalOut,
  // Processing blocks (columns 2..6).
  Wire,        // number = shape 1..13
  Recorder,    // number = 1..8
  Controller,  // number = 1..9
  Gate,        // number = GateNumber(op, inputs)
  Xor,
  HighSelect,
  LowSelect,
  Not,
  Wortel,
  ChUp,
  ChDw,
  RR1,
  Ads,
  Flipflop,
  Tup,
  Taf,
  Soff,
  Blinker,
  Limiter,
  Count  // the number of kinds
};

struct BlockCode {
  BlockKind kind = BlockKind::Empty;
  uint8_t number = 0;
  friend bool operator==(const BlockCode&, const BlockCode&) = default;
};

// The gates: the operation, and which inputs take part (1 = left and lower, 2 = left and
// upper, 3 = all three), packed into BlockCode::number.
enum class GateOp : uint8_t { And, Nand, Or, Nor };
constexpr uint8_t GateNumber(GateOp op, int inputs) {
  return static_cast<uint8_t>(static_cast<int>(op) * 3 + inputs - 1);
}
constexpr GateOp GateOpOf(uint8_t number) { return static_cast<GateOp>(number / 3); }
constexpr int GateInputsOf(uint8_t number) { return number % 3 + 1; }

// The code of a key, compared whole and case-sensitively.
BlockCode DecodeKey(std::string_view key);

// Brings the decoded copy of every field up to date with FieldGrid.
void RefreshDecodedGrid(GridTables& image);

}  // namespace tessaro
