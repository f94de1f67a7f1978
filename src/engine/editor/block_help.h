// Blocks that explain themselves: what a palette entry does, and what a grid field holds and
// carries right now, so that a student can follow a value through the schema. Both are said
// as messages, one line a sentence, in whichever language shows them.
#pragma once

#include <string_view>

#include "engine/core/texts.h"

namespace tessaro {

struct ProcessImage;

// What block `key` does, which inputs it reads, what it writes and what its settings mean;
// several lines. No lines for a text that is no block key.
Message BlockHelp(std::string_view key);

// The hover text of grid field (row, column): its key, the values now on its three inputs
// and its outputs (bytes, and percent where the signal is analog), and its parameters.
// Several lines; none for a field outside the grid.
Message FieldHoverText(const ProcessImage& image, int row, int column);

}  // namespace tessaro
