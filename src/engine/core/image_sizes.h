// The sizes of the process image's tables, for files that need a size but no table.
#pragma once

#include <array>

namespace tessaro {

constexpr int kRows = 16;
constexpr int kColumns = 7;
constexpr int kFirstProcessingColumn = 2;
constexpr int kLastProcessingColumn = 6;
constexpr int kRangeSlots = 17;     // 1..8 recorders, 9..17 controllers
constexpr int kScreenItems = 47;    // items 0..46
constexpr int kScreenEntries = 48;  // plus the spare entry 47
constexpr int kAnalogInputs = 8;
constexpr int kScreenButtons = 6;
constexpr int kValueKnobs = 5;
constexpr int kRecorders = 8;

template <typename T>
using RowColumnTable = std::array<std::array<T, kColumns + 1>, kRows + 2>;  // [0..17][0..7]

}  // namespace tessaro
