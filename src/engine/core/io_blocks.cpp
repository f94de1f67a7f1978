#include "engine/core/io_blocks.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "engine/board/board.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"
#include "engine/core/screen_view.h"

namespace tessaro {

namespace {

constexpr int kDigitalInputs = 5;
constexpr int kDigitalOutputs = 6;
constexpr int kItemKinds = static_cast<int>(ItemKind::PushButton) + 1;
constexpr int kMaxNumber = 9;

// The picture names are built once, so the scan's lamp updates allocate nothing.
using PictureNames = std::array<std::array<std::string, 2>, kDigitalOutputs + 1>;

PictureNames BuildNames(const char* prefix, const char* high, const char* low, int count) {
  PictureNames names;
  for (int n = 1; n <= count; ++n) {
    const std::string stem = prefix + std::to_string(n);
    names[n][1] = stem + high;
    names[n][0] = stem + low;
  }
  return names;
}

// The scan sets every lamp each cycle; the screen hears of a lamp only when its picture changes.
void ShowPicture(ProcessImage& image, ScreenView& view, int item, const std::string& file) {
  if (image.ItemPicture[item] == file) return;
  image.ItemPicture[item] = file;
  view.ItemPictureChanged(item, file);
}

}  // namespace

int ItemFor(ItemKind kind, int number) {
  static const auto table = [] {
    std::array<std::array<int, kMaxNumber + 1>, kItemKinds> t;
    for (auto& row : t) row.fill(-1);
    for (int k = 0; k < kItemKinds; ++k) {
      for (int n = 1; n <= kMaxNumber; ++n) t[k][n] = ItemIndexOf(static_cast<ItemKind>(k), n);
    }
    return t;
  }();
  const int k = static_cast<int>(kind);
  if (k < 0 || k >= kItemKinds || number < 1 || number > kMaxNumber) return -1;
  return table[k][number];
}

const std::string& DigitalInputPicture(int n, bool high) {
  static const PictureNames names = BuildNames("Teks/Dig", "hoog.bmp", "laag.bmp", kDigitalInputs);
  return names[static_cast<size_t>(std::clamp(n, 0, kDigitalOutputs))][high ? 1 : 0];
}

const std::string& DigitalOutputPicture(int n, bool high) {
  static const PictureNames names =
      BuildNames("Teks/D", "uithoog.bmp", "uitlaag.bmp", kDigitalOutputs);
  return names[static_cast<size_t>(std::clamp(n, 0, kDigitalOutputs))][high ? 1 : 0];
}

uint8_t SineValue(uint16_t step) {
  return static_cast<uint8_t>(
      RoundEven(std::sin(static_cast<long double>(step) / 123.0L) * 80.0L + 120.0L));
}

void AnalogCopy(ProcessImage& image, ScreenView& view, int n) {
  const uint8_t value = image.AnalogIn[n];
  for (int r = 1; r <= kRows; ++r) {
    const BlockCode code = image.Decoded[r][1].code;
    if (code.kind != BlockKind::AnalogIn || code.number != n) continue;
    image.OutRight[r][1] = value;
    char digits[4];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const int item = ItemFor(ItemKind::AnalogLabel, n);
    image.ItemText[item].assign(digits, end);
    view.ItemTextChanged(item, image.ItemText[item]);
  }
}

void InputStage(ProcessImage& image, Board& board, ScreenView& view) {
  int sine = -1;  // worked out once per stage, for any number of "Sinus" rows
  for (int r = 1; r <= kRows; ++r) {
    const BlockCode code = image.Decoded[r][1].code;
    const int n = code.number;
    uint8_t& out = image.OutRight[r][1];
    switch (code.kind) {
      case BlockKind::Spin:
        out = static_cast<uint8_t>(std::clamp(image.KnobValue[n], 0, 255));
        break;
      case BlockKind::DigitalIn: {
        const bool high = (board.ReadDigitalChannel(n) & 0xFF) == 1;
        out = high ? 255 : 0;
        ShowPicture(image, view, ItemFor(ItemKind::InputLamp, n), DigitalInputPicture(n, high));
        break;
      }
      case BlockKind::Knop:
        out = image.ScreenButton[n];
        break;
      case BlockKind::Sinus:
        if (sine < 0) sine = SineValue(image.SineStep);
        out = static_cast<uint8_t>(sine);
        break;
      default:
        break;
    }
  }
}

void OutputStage(ProcessImage& image, Board& board, ScreenView& view) {
  for (int r = 1; r <= kRows; ++r) {
    const BlockCode code = image.Decoded[r][7].code;
    const int n = code.number;
    const uint8_t v = image.OutRight[r][6];
    if (code.kind == BlockKind::AnalogOut) {
      board.OutputAnalogChannel(n, v);
    } else if (code.kind == BlockKind::DigitalOut && (v == 0 || v == 255)) {
      // Any value between low and high leaves the output and its lamp as they were.
      const bool high = v == 255;
      if (high) {
        board.SetDigitalChannel(n);
      } else {
        board.ClearDigitalChannel(n);
      }
      ShowPicture(image, view, ItemFor(ItemKind::OutputLamp, n), DigitalOutputPicture(n, high));
    }
  }
}

}  // namespace tessaro
