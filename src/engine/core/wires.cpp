#include "engine/core/wires.h"

#include <cstdint>

#include "engine/core/process_image.h"

namespace tessaro {

namespace {

enum class Source : uint8_t { Left, Upper, Lower };

enum Edge : uint8_t { kUp = 1, kRight = 2, kDown = 4 };

struct WireShape {
  Source source;
  uint8_t edges;
};

// Shape n is entry n: where the value comes from and which edges it leaves by. A wire
// never writes the edge it reads from.
constexpr WireShape kShapes[] = {
    {Source::Left, 0},                     // (no shape 0)
    {Source::Left, kRight},                // 1: straight, left to right
    {Source::Lower, kUp},                  // 2: straight, bottom to top
    {Source::Upper, kDown},                // 3: straight, top to bottom
    {Source::Left, kDown},                 // 4: bend, left to bottom
    {Source::Lower, kRight},               // 5: bend, bottom to right
    {Source::Upper, kRight},               // 6: bend, top to right
    {Source::Left, kUp},                   // 7: bend, left to top
    {Source::Left, kUp | kDown},           // 8: tee, left to top and bottom
    {Source::Left, kUp | kRight},          // 9: tee, left to top and right
    {Source::Left, kRight | kDown},        // 10: tee, left to right and bottom
    {Source::Upper, kRight | kDown},       // 11: tee, top to right and bottom
    {Source::Lower, kRight | kUp},         // 12: tee, bottom to right and top
    {Source::Left, kUp | kRight | kDown},  // 13: cross, left to top, right and bottom
};
constexpr int kShapeCount = static_cast<int>(sizeof kShapes / sizeof kShapes[0]) - 1;

// Kept inline so the passes, which run it 240 times a cycle, carry no call per field.
inline void CarryThrough(ProcessImage& image, int r, int c, int shape) {
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
  if (s.edges & kUp) image.OutUp[r][c] = v;
  if (s.edges & kRight) image.OutRight[r][c] = v;
  if (s.edges & kDown) image.OutDown[r][c] = v;
}

}  // namespace

void WireStep(ProcessImage& image, int r, int c, int shape) { CarryThrough(image, r, c, shape); }

void WirePass(ProcessImage& image, bool downward) {
  for (int c = kFirstProcessingColumn; c <= kLastProcessingColumn; ++c) {
    for (int i = 1; i <= kRows; ++i) {
      const int r = downward ? i : kRows + 1 - i;
      const BlockCode code = image.Decoded[r][c].code;
      if (code.kind == BlockKind::Wire) CarryThrough(image, r, c, code.number);
    }
  }
}

}  // namespace tessaro
