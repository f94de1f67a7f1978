#include "engine/core/block_keys.h"

#include <vector>

#include "engine/core/block_table.h"

namespace tessaro {

std::span<const BlockKeyInfo> BlockKeys() {
  static const std::vector<BlockKeyInfo> keys = [] {
    std::vector<BlockKeyInfo> list;
    for (const BlockEntry& entry : BlockEntries()) list.push_back({entry.key, entry.type->palette});
    return list;
  }();
  return keys;
}

bool PaletteOffers(Palette palette, std::string_view key) {
  for (const auto& info : BlockKeys()) {
    if (info.palette == palette && info.key == key) return true;
  }
  return false;
}

bool PaletteOwnsColumn(Palette palette, int column) {
  switch (palette) {
    case Palette::Input:
      return column == 1;
    case Palette::Processing:
      return column >= 2 && column <= 6;
    case Palette::Output:
      return column == 7;
  }
  return false;
}

Palette PaletteForColumn(int column) {
  if (column <= 1) return Palette::Input;
  if (column >= 7) return Palette::Output;
  return Palette::Processing;
}

}  // namespace tessaro
