// Every block key the palettes offer, and which palette offers it.
#pragma once

#include <span>
#include <string_view>

namespace tessaro {

enum class Palette { Input, Processing, Output };

struct BlockKeyInfo {
  std::string_view key;
  Palette palette;
};

// All keys in palette order, as the block table lists them; "Leeg" is listed once for each
// palette.
std::span<const BlockKeyInfo> BlockKeys();

// Whether `palette` offers `key` (exact, case-sensitive).
bool PaletteOffers(Palette palette, std::string_view key);

// The columns a palette places into: input 1, processing 2..6, output 7.
bool PaletteOwnsColumn(Palette palette, int column);

// The palette a grid click on `column` opens.
Palette PaletteForColumn(int column);

}  // namespace tessaro
