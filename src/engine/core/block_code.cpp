#include "engine/core/block_code.h"

#include <cstring>
#include <string>
#include <vector>

#include "engine/core/block_table.h"
#include "engine/core/grid_tables.h"

namespace tessaro {

namespace {

struct KeyCode {
  std::string key;
  BlockCode code;
};

std::vector<KeyCode> BuildKeyTable() {
  std::vector<KeyCode> table;
  for (const BlockEntry& entry : BlockEntries()) {
    const BlockType& type = *entry.type;
    if (type.kind == BlockKind::Empty) continue;
    const auto number = static_cast<uint8_t>(type.first == 0 ? type.code : entry.number);
    table.push_back({entry.key, {type.kind, number}});
  }
  return table;
}

template <typename Word>
Word Load(const char* p) {
  Word w;
  std::memcpy(&w, p, sizeof w);
  return w;
}

// The scan runs this for every field on every tick, and keys are 3 to 8 characters long:
// two overlapping word loads cover a whole key (its terminator included, which a
// std::string always holds) without a loop that stops at a different place every time.
bool SameText(const std::string& a, const std::string& b) {
  const size_t n = a.size();
  if (n != b.size()) return false;
  const char* p = a.c_str();
  const char* q = b.c_str();
  if (n >= 3 && n <= 7) {
    return Load<uint32_t>(p) == Load<uint32_t>(q) &&
           Load<uint32_t>(p + n - 3) == Load<uint32_t>(q + n - 3);
  }
  if (n >= 7 && n <= 15) {
    return Load<uint64_t>(p) == Load<uint64_t>(q) &&
           Load<uint64_t>(p + n - 7) == Load<uint64_t>(q + n - 7);
  }
  return std::char_traits<char>::compare(p, q, n) == 0;
}

}  // namespace

BlockCode DecodeKey(std::string_view key) {
  if (key.empty() || key == "Leeg") return {BlockKind::Empty, 0};
  static const std::vector<KeyCode> table = BuildKeyTable();
  for (const auto& entry : table) {
    if (entry.key == key) return entry.code;
  }
  return {BlockKind::Unknown, 0};
}

void RefreshDecodedGrid(GridTables& image) {
  for (int r = 1; r <= kRows; ++r) {
    for (int c = 1; c <= kColumns; ++c) {
      const std::string& key = image.FieldGrid[r][c];
      DecodedField& field = image.Decoded[r][c];
      if (!SameText(field.key, key)) {
        field.key = key;
        field.code = DecodeKey(key);
      }
    }
  }
}

}  // namespace tessaro
