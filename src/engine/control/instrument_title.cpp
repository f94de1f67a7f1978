#include "engine/control/instrument_title.h"

#include <filesystem>

#include "engine/core/instrument_tables.h"
#include "engine/core/utf8_path.h"

namespace tessaro {

std::string InstrumentName(const InstrumentTables& image, int slot,
                           const std::string& before_placement) {
  if (slot < 1 || slot > kRangeSlots) return before_placement;
  const std::string& title = image.InstrumentTitle[static_cast<size_t>(slot)];
  return title.empty() ? before_placement : title;
}

Phrase InstrumentCaptionText(const InstrumentTables& image, int slot,
                             const Phrase& before_placement) {
  const bool named =
      slot >= 1 && slot <= kRangeSlots && !image.InstrumentTitle[static_cast<size_t>(slot)].empty();
  Phrase caption =
      named ? Word(image.InstrumentTitle[static_cast<size_t>(slot)]) : before_placement;
  if (slot < 1 || slot > kRangeSlots) return caption;
  const std::string& log = image.LogFile[static_cast<size_t>(slot)];
  if (log.empty()) return caption;
  return Phrase{TextId::kLoggingCaption, {caption, Word(Utf8Name(Utf8Path(log).filename()))}};
}

std::string InstrumentCaption(const InstrumentTables& image, int slot,
                              const std::string& before_placement) {
  return Say(InstrumentCaptionText(image, slot, Word(before_placement)));
}

std::string RecorderStartCaption(int n) { return "Form" + std::to_string(n + 6); }

}  // namespace tessaro
