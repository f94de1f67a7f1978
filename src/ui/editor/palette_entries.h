// What each palette offers: every entry's picture control, place, tooltip and block key.
#pragma once

#include <QRect>
#include <QString>
#include <string>
#include <vector>

#include "engine/core/block_keys.h"

namespace tessaro {

struct PaletteEntry {
  int picture = 0;  // the control's name is "Image" + picture
  std::string key;
  QString tooltip;  // empty: the entry has none
  QRect place;
  bool double_click = false;  // a double click chooses it as a click does
};

// The entries of `palette`, in the order they are built.
std::vector<PaletteEntry> PaletteEntries(Palette palette);

}  // namespace tessaro
