// The schema and its signals: what the scan's blocks read and write.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/core/block_code.h"
#include "engine/core/image_sizes.h"

namespace tessaro {

// A field's key as the scan last decoded it (see RefreshDecodedGrid).
struct DecodedField {
  std::string key;
  BlockCode code;
};

struct GridTables {
  // The schema: block keys, [row 1..16][column 1..7]. "" and "Leeg" both mean empty.
  RowColumnTable<std::string> FieldGrid{};

  // Signal values, [row 0..17][column 1..7]; rows 0 and 17 are margins that stay 0.
  RowColumnTable<uint8_t> OutUp{};
  RowColumnTable<uint8_t> OutRight{};
  RowColumnTable<uint8_t> OutDown{};
  std::array<uint8_t, kAnalogInputs + 1> AnalogIn{};       // 1..8
  std::array<uint8_t, kScreenButtons + 1> ScreenButton{};  // 1..6, 0 or 255

  // Block parameters of the processing columns, [row 1..16][column 2..6].
  RowColumnTable<int32_t> FieldParamA{};
  RowColumnTable<int32_t> FieldParamB{};

  // The scan's decoded copy of FieldGrid, [row 1..16][column 1..7].
  RowColumnTable<DecodedField> Decoded{};
};

// Inputs of field (r, c): left = OutRight[r][c-1], upper = OutDown[r-1][c],
// lower = OutUp[r+1][c].
inline uint8_t LeftInput(const GridTables& p, int r, int c) { return p.OutRight[r][c - 1]; }
inline uint8_t UpperInput(const GridTables& p, int r, int c) { return p.OutDown[r - 1][c]; }
inline uint8_t LowerInput(const GridTables& p, int r, int c) { return p.OutUp[r + 1][c]; }

// "" and "Leeg" both stand for an empty field.
inline bool IsEmptyKey(const std::string& key) { return key.empty() || key == "Leeg"; }

}  // namespace tessaro
