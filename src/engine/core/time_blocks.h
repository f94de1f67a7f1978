// Switching and time blocks: the blocks with memory. Their memory is their own output,
// which some cycles leave as it is, and a running count kept in one of the field's two
// parameters (so a saved project keeps a running timer's count).
#pragma once

#include "engine/core/block_code.h"

namespace tessaro {

struct GridTables;

// Evaluates the switching or time block `kind` in field (r, c) once (one scan cycle);
// other kinds change nothing.
void RunTimeBlock(GridTables& image, int r, int c, BlockKind kind);

}  // namespace tessaro
