#include "engine/editor/block_help.h"

#include "engine/core/block_code.h"
#include "engine/core/block_table.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"
#include "engine/screen/screen_items.h"

namespace tessaro {

namespace {

// What the help says of a block: the block table's row, or nothing for a text that is no
// key (and an empty field).
struct Help {
  const char* does = nullptr;
  unsigned reads = 0;   // InputSide flags
  unsigned writes = 0;  // OutputEdge flags
  bool analog_in = false;
  bool analog_out = false;
  const char* a = nullptr;  // what FieldParamA means, if the block uses it
  const char* b = nullptr;
};

Help HelpOf(std::string_view key) {
  for (const BlockEntry& entry : BlockEntries()) {
    if (entry.key != key) continue;
    const BlockType& t = *entry.type;
    return {t.help, t.reads, t.writes, t.analog_in, t.analog_out, t.a.meaning, t.b.meaning};
  }
  return {};
}

std::string SideList(unsigned sides, const char* const names[3]) {
  std::string text;
  for (int i = 0; i < 3; ++i) {
    if ((sides & (1u << i)) == 0) continue;
    if (!text.empty()) text += ", ";
    text += names[i];
  }
  return text;
}

constexpr const char* kInputNames[3] = {"links", "boven", "onder"};
constexpr const char* kOutputNames[3] = {"rechts", "naar boven", "naar onder"};

std::string ValueText(const ProcessImage& image, uint8_t v, bool analog) {
  std::string text = std::to_string(v);
  if (analog) text += " (" + FormatValue(BytePercent(v), image.DecimalSeparator) + " %)";
  return text;
}

bool UsesParameters(const Help& help) { return help.a != nullptr; }

}  // namespace

std::string BlockHelp(std::string_view key) {
  const BlockCode code = DecodeKey(key);
  if (code.kind == BlockKind::Unknown) return "";
  const Help help = HelpOf(key.empty() ? "Leeg" : key);
  std::string text = help.does;
  if (help.reads != 0) text += "\nLeest: " + SideList(help.reads, kInputNames);
  if (help.writes != 0) text += "\nSchrijft: " + SideList(help.writes, kOutputNames);
  if (help.a != nullptr) text += std::string("\nA: ") + help.a + ", B: " + help.b;
  if (code.kind == BlockKind::Recorder || code.kind == BlockKind::Controller) {
    text += "\nInstellingen: bereik, eenheid en naam uit de vakken van het palet";
  }
  return text;
}

std::string FieldHoverText(const ProcessImage& image, int row, int column) {
  if (row < 1 || row > kRows || column < 1 || column > kColumns) return "";
  const std::string& key = image.FieldGrid[row][column];
  const BlockCode code = DecodeKey(key);
  const Help help = HelpOf(key.empty() ? "Leeg" : key);
  std::string text = "Veld " + std::to_string(row) + "," + std::to_string(column) + ": " +
                     (key.empty() ? "leeg" : key);
  // Column 1 has nothing to its left; the inputs of the other columns are always shown, so
  // that the road of a value can be followed through wires and unused sides alike.
  if (column > 1) {
    const uint8_t inputs[3] = {LeftInput(image, row, column), UpperInput(image, row, column),
                               LowerInput(image, row, column)};
    for (int i = 0; i < 3; ++i) {
      const bool read = (help.reads & (1u << i)) != 0;
      text += "\nIn " + std::string(kInputNames[i]) + ": " +
              ValueText(image, inputs[i], help.analog_in) + (read ? "" : " (niet gelezen)");
    }
  }
  if (column < kColumns) {
    const uint8_t outputs[3] = {image.OutRight[row][column], image.OutUp[row][column],
                                image.OutDown[row][column]};
    // An empty field or one without outputs still shows what stands on its right edge.
    const unsigned writes = help.writes != 0 ? help.writes : unsigned{kToRight};
    for (int i = 0; i < 3; ++i) {
      if ((writes & (1u << i)) == 0) continue;
      text += "\nUit " + std::string(kOutputNames[i]) + ": " +
              ValueText(image, outputs[i], help.analog_out);
    }
  }
  if (UsesParameters(help) && column >= kFirstProcessingColumn && column <= kLastProcessingColumn) {
    text += "\nA (" + std::string(help.a) + ") = " + std::to_string(image.FieldParamA[row][column]);
    text += "\nB (" + std::string(help.b) + ") = " + std::to_string(image.FieldParamB[row][column]);
  }
  if (code.kind == BlockKind::Recorder || code.kind == BlockKind::Controller) {
    const int slot = code.kind == BlockKind::Recorder ? code.number : kRecorders + code.number;
    text += "\nBereik " + std::to_string(image.RangeLow[slot]) + ".." +
            std::to_string(image.RangeHigh[slot]) + " " + image.RangeUnit[slot];
    // An instrument runs only while its label is on the operator screen.
    const int item = ItemIndexOf(
        code.kind == BlockKind::Recorder ? ItemKind::RecorderLabel : ItemKind::ControllerLabel,
        code.number);
    if (item >= 0 && image.ItemVisible[item] != 1) {
      text += "\nloopt niet: label verborgen, zie Screen";
    }
  }
  return text;
}

}  // namespace tessaro
