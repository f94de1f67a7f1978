// Blocks that explain themselves: what a palette entry does, and what a grid field holds and
// carries right now, so that a student can follow a value through the schema.
#pragma once

#include <string>
#include <string_view>

namespace tessaro {

struct ProcessImage;

// What block `key` does, which inputs it reads, what it writes and what its settings mean;
// several lines. "" for a text that is no block key.
std::string BlockHelp(std::string_view key);

// The hover text of grid field (row, column): its key, the values now on its three inputs
// and its outputs (bytes, and percent where the signal is analog), and its parameters.
// Several lines; "" for a field outside the grid.
std::string FieldHoverText(const ProcessImage& image, int row, int column);

}  // namespace tessaro
