#include "engine/board/board_search.h"

#include <algorithm>

namespace tessaro {

Message NoBoardFindings(int32_t address, const std::vector<FoundBoard>& found) {
  if (found.empty()) return {Phrase{TextId::kNoBoardOfThisType}};
  Message lines;
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
    std::vector<std::string> numbers;
    for (int32_t other : others) numbers.push_back(std::to_string(other));
    lines.push_back(Phrase{others.size() == 1 ? TextId::kBoardElsewhere : TextId::kBoardsElsewhere,
                           {ListOf(numbers)}});
  }
  for (const FoundBoard& b : found) {
    const Phrase at = Word(std::to_string(b.address));
    switch (b.access) {
      case FoundBoard::Access::kDenied:
        lines.push_back(Phrase{TextId::kBoardDenied, {at}});
        break;
      case FoundBoard::Access::kBusy:
        lines.push_back(Phrase{TextId::kBoardBusy, {at}});
        break;
      case FoundBoard::Access::kOpen:
        if (b.address == address) lines.push_back(Phrase{TextId::kBoardSilent, {at}});
        break;
    }
  }
  return lines;
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
