#include "engine/board/board_search.h"

#include <algorithm>

namespace tessaro {

namespace {

// "1", "1 en 3", "0, 1 en 3".
std::string AddressList(const std::vector<int32_t>& addresses) {
  std::string text;
  for (std::size_t i = 0; i < addresses.size(); ++i) {
    if (i > 0) text += i + 1 == addresses.size() ? " en " : ", ";
    text += std::to_string(addresses[i]);
  }
  return text;
}

}  // namespace

std::string NoBoardReason(int32_t address, const std::vector<FoundBoard>& found) {
  if (found.empty()) return "Er zit geen kaart van dit type op USB.";
  std::vector<std::string> lines;
  const bool here = std::any_of(found.begin(), found.end(),
                                [&](const FoundBoard& b) { return b.address == address; });
  if (!here) {
    std::vector<int32_t> others;
    for (const FoundBoard& b : found) {
      if (std::find(others.begin(), others.end(), b.address) == others.end()) {
        others.push_back(b.address);
      }
    }
    std::sort(others.begin(), others.end());
    lines.push_back(std::string(others.size() == 1 ? "Er zit wel een kaart op adres "
                                                   : "Er zitten wel kaarten op adres ") +
                    AddressList(others) +
                    "; de jumpers SK5 en SK6 op de kaart stellen het adres in.");
  }
  for (const FoundBoard& b : found) {
    const std::string at = "kaart op adres " + std::to_string(b.address);
    switch (b.access) {
      case FoundBoard::Access::kDenied:
        lines.push_back("Deze gebruiker mag de " + at +
                        " niet openen: installeer de udev-regel uit de README "
                        "(packaging/udev/60-tessaro-board.rules) en word lid van de groep "
                        "plugdev.");
        break;
      case FoundBoard::Access::kBusy:
        lines.push_back("De " + at + " is in gebruik bij een ander programma.");
        break;
      case FoundBoard::Access::kOpen:
        if (b.address == address) lines.push_back("De " + at + " geeft geen antwoord.");
        break;
    }
  }
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

const char* AccessName(FoundBoard::Access access) {
  switch (access) {
    case FoundBoard::Access::kBusy:
      return "busy";
    case FoundBoard::Access::kDenied:
      return "denied";
    case FoundBoard::Access::kOpen:
      break;
  }
  return "open";
}

}  // namespace tessaro
