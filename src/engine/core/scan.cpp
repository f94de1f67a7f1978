#include "engine/core/scan.h"

#include <array>
#include <charconv>
#include <string>

#include "engine/core/block_step.h"
#include "engine/core/block_table.h"
#include "engine/core/io_blocks.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"
#include "engine/core/screen_view.h"
#include "engine/core/wires.h"

namespace tessaro {

namespace {

constexpr bool kDownward = true;

// " <n>" followed by `blanks` blanks; the blanks wipe the digits of a longer old value.
std::string Caption(int32_t n, int blanks) {
  char buf[24] = {' '};
  char* end = std::to_chars(buf + 1, buf + sizeof buf - 4, n).ptr;
  for (int i = 0; i < blanks; ++i) *end++ = ' ';
  return std::string(buf, end);
}

void BlockPass(ProcessImage& image, ScreenView& view) {
  for (int c = kFirstProcessingColumn; c <= kLastProcessingColumn; ++c) {
    for (int r = 1; r <= kRows; ++r) BlockStep(image, view, r, c, image.Decoded[r][c].code);
  }
}

bool HasCaptions(BlockCode code) {
  static const std::array<bool, static_cast<size_t>(BlockKind::Count)> captions = [] {
    std::array<bool, static_cast<size_t>(BlockKind::Count)> shown{};
    for (const BlockType& type : BlockTypes())
      shown[static_cast<size_t>(type.kind)] = type.captions;
    return shown;
  }();
  return captions[static_cast<size_t>(code.kind)];
}

// Switch points, presets and running counts on the grid, shown or not.
void ParameterCaptions(const ProcessImage& image, ScreenView& view) {
  for (int c = kFirstProcessingColumn; c <= kLastProcessingColumn; ++c) {
    for (int r = 1; r <= kRows; ++r) {
      if (!HasCaptions(image.Decoded[r][c].code)) continue;
      view.FieldTextPainted(r, c, 12, 4, Caption(image.FieldParamA[r][c], 1), false);
      view.FieldTextPainted(r, c, 12, 54, Caption(image.FieldParamB[r][c], 3), false);
    }
  }
}

// The value carried by every straight horizontal wire.
void WireCaptions(const ProcessImage& image, ScreenView& view) {
  for (int c = kFirstProcessingColumn; c <= kLastProcessingColumn; ++c) {
    for (int r = 1; r <= kRows; ++r) {
      const BlockCode code = image.Decoded[r][c].code;
      if (code.kind != BlockKind::Wire || code.number != 1) continue;
      view.FieldTextPainted(r, c, 10, 20, LevelText(image.OutRight[r][c]) + "    ", true);
    }
  }
}

void Phase1(ProcessImage& image, Board& board, ScreenView& view) {
  ++image.SineStep;  // 16 bits, wraps to 0
  AnalogCopy(image, view, 1);
  AnalogCopy(image, view, 2);
  InputStage(image, board, view);
  WirePass(image, kDownward);
}

void Phase2(ProcessImage& image, ScreenView& view) {
  AnalogCopy(image, view, 3);
  AnalogCopy(image, view, 4);
  WirePass(image, !kDownward);
}

void Phase3(ProcessImage& image, ScreenView& view) {
  if (++image.RecorderPhase > 4) image.RecorderPhase = 1;
  AnalogCopy(image, view, 5);
  AnalogCopy(image, view, 6);
  BlockPass(image, view);
}

void Phase4(ProcessImage& image, Board& board, ScreenView& view) {
  AnalogCopy(image, view, 7);
  AnalogCopy(image, view, 8);
  WirePass(image, kDownward);
  ParameterCaptions(image, view);
  OutputStage(image, board, view);
  if (image.LogicsOpen == 1) WireCaptions(image, view);
}

}  // namespace

void schakelblok(ProcessImage& image, Board& board, ScreenView& view) {
  // The editors and the project loader write FieldGrid directly between ticks.
  RefreshDecodedGrid(image);
  switch (image.ScanPhase) {
    case 1:
      Phase1(image, board, view);
      break;
    case 2:
      Phase2(image, view);
      break;
    case 3:
      Phase3(image, view);
      break;
    case 4:
      Phase4(image, board, view);
      break;
    default:
      break;
  }
  if (++image.ScanPhase > 4) image.ScanPhase = 1;
}

}  // namespace tessaro
