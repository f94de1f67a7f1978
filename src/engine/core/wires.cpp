#include "engine/core/wires.h"

#include <cstdint>
#include <vector>

#include "engine/core/block_table.h"
#include "engine/core/grid_tables.h"

namespace tessaro {

namespace {

enum class Source : uint8_t { Left, Upper, Lower };

struct WireShape {
  Source source = Source::Left;
  unsigned edges = 0;  // OutputEdge flags
};

// Shape n is entry n, as the block table describes the wire "Draad<n>"; entry 0 is no shape.
std::vector<WireShape> BuildShapes() {
  std::vector<WireShape> shapes(1);
  for (const BlockType& type : BlockTypes()) {
    if (type.kind != BlockKind::Wire) continue;
    if (shapes.size() <= static_cast<size_t>(type.first)) shapes.resize(type.first + 1);
    WireShape& shape = shapes[static_cast<size_t>(type.first)];
    shape.source = type.reads == kFromUpper   ? Source::Upper
                   : type.reads == kFromLower ? Source::Lower
                                              : Source::Left;
    shape.edges = type.writes;
  }
  return shapes;
}

const std::vector<WireShape> kShapes = BuildShapes();
const int kShapeCount = static_cast<int>(kShapes.size()) - 1;

// Kept inline so the passes, which run it 240 times a cycle, carry no call per field.
inline void CarryThrough(GridTables& image, int r, int c, int shape) {
  if (shape < 1 || shape > kShapeCount) return;
  const WireShape& s = kShapes[shape];
  uint8_t v = 0;
  switch (s.source) {
    case Source::Left:
      v = LeftInput(image, r, c);
      break;
    case Source::Upper:
      v = UpperInput(image, r, c);
      break;
    case Source::Lower:
      v = LowerInput(image, r, c);
      break;
  }
  if (s.edges & kToUp) image.OutUp[r][c] = v;
  if (s.edges & kToRight) image.OutRight[r][c] = v;
  if (s.edges & kToDown) image.OutDown[r][c] = v;
}

}  // namespace

void WireStep(GridTables& image, int r, int c, int shape) { CarryThrough(image, r, c, shape); }

void WirePass(GridTables& image, bool downward) {
  for (int c = kFirstProcessingColumn; c <= kLastProcessingColumn; ++c) {
    for (int i = 1; i <= kRows; ++i) {
      const int r = downward ? i : kRows + 1 - i;
      const BlockCode code = image.Decoded[r][c].code;
      if (code.kind == BlockKind::Wire) CarryThrough(image, r, c, code.number);
    }
  }
}

}  // namespace tessaro
