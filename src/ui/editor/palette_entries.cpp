#include "ui/editor/palette_entries.h"

#include <QCoreApplication>

#include "engine/core/block_table.h"

namespace tessaro {

std::vector<PaletteEntry> PaletteEntries(Palette palette) {
  std::vector<PaletteEntry> entries;
  for (const BlockEntry& entry : BlockEntries()) {
    if (entry.type->palette != palette) continue;
    const PaletteSpot& spot = entry.spot;
    entries.push_back(
        {spot.picture, entry.key,
         QString::fromStdString(Numbered(
             QCoreApplication::translate("Palette", entry.type->name).toStdString(), entry.number)),
         QRect(spot.left, spot.top, spot.width, spot.height), spot.double_click});
  }
  return entries;
}

}  // namespace tessaro
