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
  Term does;
  unsigned reads = 0;   // InputSide flags
  unsigned writes = 0;  // OutputEdge flags
  bool analog_in = false;
  bool analog_out = false;
  Term a;  // what FieldParamA means, if the block uses it
  Term b;
};

Help HelpOf(std::string_view key) {
  for (const BlockEntry& entry : BlockEntries()) {
    if (entry.key != key) continue;
    const BlockType& t = *entry.type;
    return {t.help, t.reads, t.writes, t.analog_in, t.analog_out, t.a.meaning, t.b.meaning};
  }
  return {};
}

// The sides (or edges) among `sides` by name: "links, onder".
Phrase SideList(unsigned sides, const TextId names[3]) {
  std::vector<Phrase> named;
  for (int i = 0; i < 3; ++i) {
    if ((sides & (1u << i)) != 0) named.emplace_back(names[i]);
  }
  Phrase list = named.front();
  for (std::size_t i = 1; i < named.size(); ++i) {
    list = Phrase{TextId::kSideList, {list, named[i]}};
  }
  return list;
}

constexpr TextId kInputNames[3] = {TextId::kSideLeft, TextId::kSideUpper, TextId::kSideLower};
constexpr TextId kOutputNames[3] = {TextId::kEdgeRight, TextId::kEdgeUp, TextId::kEdgeDown};
constexpr TextId kInputLines[3] = {TextId::kHoverInLeft, TextId::kHoverInUpper,
                                   TextId::kHoverInLower};
constexpr TextId kOutputLines[3] = {TextId::kHoverOutRight, TextId::kHoverOutUp,
                                    TextId::kHoverOutDown};

Phrase Number(long long n) { return Word(std::to_string(n)); }

Phrase ValueText(const ProcessImage& image, uint8_t v, bool analog) {
  if (!analog) return Number(v);
  return Phrase{TextId::kHoverPercent,
                {Number(v), Word(FormatValue(BytePercent(v), image.DecimalSeparator))}};
}

bool UsesParameters(const Help& help) { return help.a.dutch != nullptr; }

}  // namespace

Message BlockHelp(std::string_view key) {
  const BlockCode code = DecodeKey(key);
  if (code.kind == BlockKind::Unknown) return {};
  const Help help = HelpOf(key.empty() ? "Leeg" : key);
  Message text{Phrase{help.does}};
  if (help.reads != 0)
    text.emplace_back(TextId::kHelpReads, std::vector{SideList(help.reads, kInputNames)});
  if (help.writes != 0) {
    text.emplace_back(TextId::kHelpWrites, std::vector{SideList(help.writes, kOutputNames)});
  }
  if (UsesParameters(help)) {
    text.emplace_back(TextId::kHelpParameters, std::vector{Phrase{help.a}, Phrase{help.b}});
  }
  if (code.kind == BlockKind::Recorder || code.kind == BlockKind::Controller) {
    text.emplace_back(TextId::kHelpSettings);
  }
  return text;
}

Message FieldHoverText(const ProcessImage& image, int row, int column) {
  if (row < 1 || row > kRows || column < 1 || column > kColumns) return {};
  const std::string& key = image.FieldGrid[row][column];
  const BlockCode code = DecodeKey(key);
  const Help help = HelpOf(key.empty() ? "Leeg" : key);
  Message text{
      Phrase{TextId::kHoverField,
             {Number(row), Number(column), key.empty() ? Phrase{TextId::kHoverEmpty} : Word(key)}}};
  // Column 1 has nothing to its left; the inputs of the other columns are always shown, so
  // that the road of a value can be followed through wires and unused sides alike.
  if (column > 1) {
    const uint8_t inputs[3] = {LeftInput(image, row, column), UpperInput(image, row, column),
                               LowerInput(image, row, column)};
    for (int i = 0; i < 3; ++i) {
      Phrase value = ValueText(image, inputs[i], help.analog_in);
      if ((help.reads & (1u << i)) == 0) value = Phrase{TextId::kHoverNotRead, {value}};
      text.emplace_back(kInputLines[i], std::vector{value});
    }
  }
  if (column < kColumns) {
    const uint8_t outputs[3] = {image.OutRight[row][column], image.OutUp[row][column],
                                image.OutDown[row][column]};
    // An empty field or one without outputs still shows what stands on its right edge.
    const unsigned writes = help.writes != 0 ? help.writes : unsigned{kToRight};
    for (int i = 0; i < 3; ++i) {
      if ((writes & (1u << i)) == 0) continue;
      text.emplace_back(kOutputLines[i],
                        std::vector{ValueText(image, outputs[i], help.analog_out)});
    }
  }
  if (UsesParameters(help) && column >= kFirstProcessingColumn && column <= kLastProcessingColumn) {
    text.emplace_back(TextId::kHoverParamA,
                      std::vector{Phrase{help.a}, Number(image.FieldParamA[row][column])});
    text.emplace_back(TextId::kHoverParamB,
                      std::vector{Phrase{help.b}, Number(image.FieldParamB[row][column])});
  }
  if (code.kind == BlockKind::Recorder || code.kind == BlockKind::Controller) {
    const int slot = code.kind == BlockKind::Recorder ? code.number : kRecorders + code.number;
    text.emplace_back(TextId::kHoverRange,
                      std::vector{Number(image.RangeLow[slot]), Number(image.RangeHigh[slot]),
                                  Word(image.RangeUnit[slot])});
    // An instrument runs only while its label is on the operator screen.
    const int item = ItemIndexOf(
        code.kind == BlockKind::Recorder ? ItemKind::RecorderLabel : ItemKind::ControllerLabel,
        code.number);
    if (item >= 0 && image.ItemVisible[item] != 1) text.emplace_back(TextId::kHoverNotRunning);
  }
  return text;
}

}  // namespace tessaro
