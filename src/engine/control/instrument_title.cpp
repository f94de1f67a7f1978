#include "engine/control/instrument_title.h"

#include "engine/core/process_image.h"

namespace tessaro {

std::string InstrumentCaption(const ProcessImage& image, int slot,
                              const std::string& before_placement) {
  if (slot < 1 || slot > kRangeSlots) return before_placement;
  const std::string& title = image.InstrumentTitle[static_cast<size_t>(slot)];
  return title.empty() ? before_placement : title;
}

std::string RecorderStartCaption(int n) { return "Form" + std::to_string(n + 6); }

}  // namespace tessaro
