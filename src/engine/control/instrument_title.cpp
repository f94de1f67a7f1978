#include "engine/control/instrument_title.h"

#include <filesystem>

#include "engine/core/instrument_tables.h"

namespace tessaro {

std::string InstrumentName(const InstrumentTables& image, int slot,
                           const std::string& before_placement) {
  if (slot < 1 || slot > kRangeSlots) return before_placement;
  const std::string& title = image.InstrumentTitle[static_cast<size_t>(slot)];
  return title.empty() ? before_placement : title;
}

std::string InstrumentCaption(const InstrumentTables& image, int slot,
                              const std::string& before_placement) {
  std::string caption = InstrumentName(image, slot, before_placement);
  if (slot < 1 || slot > kRangeSlots) return caption;
  const std::string& log = image.LogFile[static_cast<size_t>(slot)];
  if (!log.empty()) caption += " \u2014 logboek " + std::filesystem::path(log).filename().string();
  return caption;
}

std::string RecorderStartCaption(int n) { return "Form" + std::to_string(n + 6); }

}  // namespace tessaro
