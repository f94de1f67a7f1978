#include "engine/control/modes.h"

#include <array>
#include <utility>

namespace tessaro {

namespace {

constexpr std::array<std::pair<ControllerMode, const char*>, 4> kModes{
    {{ControllerMode::kHand, "hand"},
     {ControllerMode::kAuto, "auto"},
     {ControllerMode::kCascade, "casc"},
     {ControllerMode::kBypass, "byps"}}};
constexpr std::array<std::pair<ViewSize, const char*>, 3> kSizes{
    {{ViewSize::kSmall, "klein"}, {ViewSize::kLarge, "groot"}, {ViewSize::kSuper, "super"}}};

template <typename Table>
auto ValueOf(const Table& table, std::string_view stored) {
  for (const auto& [value, word] : table) {
    if (stored == word) return value;
  }
  return table.front().first;
}

template <typename Table, typename Value>
const char* WordOf(const Table& table, Value value) {
  for (const auto& [v, word] : table) {
    if (v == value) return word;
  }
  return table.front().second;
}

}  // namespace

ControllerMode ModeOf(std::string_view stored) { return ValueOf(kModes, stored); }
ViewSize ViewSizeOf(std::string_view stored) { return ValueOf(kSizes, stored); }
const char* StoredWord(ControllerMode mode) { return WordOf(kModes, mode); }
const char* StoredWord(ViewSize size) { return WordOf(kSizes, size); }

}  // namespace tessaro
