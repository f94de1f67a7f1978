// Function blocks without memory: gates, selectors, the inverter and the arithmetic blocks.
// Each computes its output afresh from its inputs and writes only the field's right edge.
#pragma once

#include <cstdint>

#include "engine/core/block_code.h"

namespace tessaro {

struct GridTables;

// Evaluates the function block `code` in field (r, c); other codes change nothing.
void RunFunctionBlock(GridTables& image, int r, int c, BlockCode code);

// The arithmetic blocks on their own, for a left input l.
uint8_t SquareRoot(uint8_t l);                               // "Wortel"
uint8_t RangeUp(uint8_t l);                                  // "ChUp"
uint8_t RangeDown(uint8_t l);                                // "ChDw"
uint8_t Calculate(uint8_t l, int32_t gain, int32_t offset);  // "RR1"

}  // namespace tessaro
