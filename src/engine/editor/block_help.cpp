#include "engine/editor/block_help.h"

#include "engine/core/block_code.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"
#include "engine/screen/screen_items.h"

namespace tessaro {

namespace {

// The sides of a field: inputs come from the left, from above and from below; outputs go to
// the right, up and down.
enum Side : unsigned { kLeft = 1, kUpper = 2, kLower = 4 };
enum Edge : unsigned { kRight = 1, kUp = 2, kDown = 4 };

struct Help {
  const char* does;  // what the block does
  unsigned reads = 0;
  unsigned writes = 0;
  bool analog_in = false;
  bool analog_out = false;
  const char* a = nullptr;  // what FieldParamA means, if the block uses it
  const char* b = nullptr;
};

// The wires: the side each shape takes its value from and the edges it copies it to.
constexpr struct {
  unsigned from;
  unsigned to;
} kWires[14] = {{0, 0},
                {kLeft, kRight},        {kLower, kUp},          {kUpper, kDown},
                {kLeft, kDown},         {kLower, kRight},       {kUpper, kRight},
                {kLeft, kUp},           {kLeft, kUp | kDown},   {kLeft, kUp | kRight},
                {kLeft, kRight | kDown}, {kUpper, kRight | kDown}, {kLower, kRight | kUp},
                {kLeft, kUp | kRight | kDown}};

Help GateHelp(uint8_t number) {
  static const char* const kDoes[] = {
      "EN-poort: 255 als alle ingangen 255 zijn, anders 0.",
      "NEN-poort: 0 als alle ingangen 255 zijn, anders 255.",
      "OF-poort: 255 als een ingang 255 is, anders 0.",
      "NOF-poort: 255 als geen ingang 255 is, anders 0.",
  };
  static constexpr unsigned kInputs[] = {kLeft | kLower, kLeft | kUpper, kLeft | kUpper | kLower};
  return Help{kDoes[static_cast<int>(GateOpOf(number))],
              kInputs[GateInputsOf(number) - 1], kRight};
}

Help ControllerHelp(uint8_t n) {
  if (n <= 2) {
    return Help{"PID-regelaar: meet links, stuurt rechts; instellen op zijn regelaarvenster.",
                kLeft, kRight, true, true};
  }
  if (n == 3) {
    return Help{"PID-regelaar (knecht): meet links, setpunt van boven in cascade, stuurt rechts.",
                kLeft | kUpper, kRight, true, true};
  }
  if (n <= 6) {
    return Help{"Stapregelaar voor een motorklep: rechts open-pulsen, onder dicht-pulsen.", kLeft,
                kRight | kDown, true, false};
  }
  return Help{"Aan/uit-regelaar: rechts 255 of 0, met een schakelspleet rond het setpunt.", kLeft,
              kRight, true, false};
}

Help HelpOf(const BlockCode& code) {
  switch (code.kind) {
    case BlockKind::AnalogIn:
      return Help{"Analoge ingang van de kaart (via de multiplexer).", 0, kRight, false, true};
    case BlockKind::Spin:
      return Help{"Waarde van een spinknop op het bedieningsscherm.", 0, kRight, false, true};
    case BlockKind::DigitalIn:
      return Help{"Digitale ingang van de kaart: 0 of 255.", 0, kRight};
    case BlockKind::Knop:
      return Help{"Drukknop op het bedieningsscherm: elke klik wisselt 0 en 255.", 0, kRight};
    case BlockKind::Sinus:
      return Help{"Sinusgever: een golf tussen 40 en 200.", 0, kRight, false, true};
    case BlockKind::AnalogOut:
      return Help{"Analoge uitgang van de kaart: de waarde van links, 0..255 is 0..5 V.", kLeft, 0,
                  true};
    case BlockKind::DigitalOut:
      return Help{"Digitale uitgang van de kaart: aan bij 255, uit bij 0, anders blijft hij.",
                  kLeft, 0};
    case BlockKind::Wire:
      return Help{"Draad: geeft de waarde door.", kWires[code.number].from, kWires[code.number].to,
                  true, true};
    case BlockKind::Recorder:
      return Help{"Recorder: schrijft de waarde van links elke 4 s op zijn kaart.", kLeft, 0,
                  true};
    case BlockKind::Controller:
      return ControllerHelp(code.number);
    case BlockKind::Gate:
      return GateHelp(code.number);
    case BlockKind::Xor:
      return Help{"EX-OF-poort: 255 als precies een van boven en onder 255 is, de ander 0.",
                  kUpper | kLower, kRight};
    case BlockKind::HighSelect:
      return Help{"Hoogste-keuze: de grootste van links en boven.", kLeft | kUpper, kRight, true,
                  true};
    case BlockKind::LowSelect:
      return Help{"Laagste-keuze: de kleinste van links en onder.", kLeft | kLower, kRight, true,
                  true};
    case BlockKind::Not:
      return Help{"Invertor: 255 min de waarde van links (0 wordt 255).", kLeft, kRight, true,
                  true};
    case BlockKind::Wortel:
      return Help{"Worteltrekker: de wortel van links, op de schaal 0..255.", kLeft, kRight, true,
                  true};
    case BlockKind::ChUp:
      return Help{"Range vergroten: 51..255 wordt 0..255.", kLeft, kRight, true, true};
    case BlockKind::ChDw:
      return Help{"Range verkleinen: 0..255 wordt 51..255.", kLeft, kRight, true, true};
    case BlockKind::RR1:
      return Help{"Rekenblok: links x A / 100 + B, begrensd op 0..255.", kLeft, kRight, true, true,
                  "factor in %", "optelling"};
    case BlockKind::Ads:
      return Help{"Analoog naar digitaal: 255 vanaf A, 0 vanaf B, daartussen blijft hij.", kLeft,
                  kRight, true, false, "bovenschakelpunt", "onderschakelpunt"};
    case BlockKind::Flipflop:
      return Help{"Flipflop: links 255 zet hem aan, onder 255 zet hem uit (uit wint).",
                  kLeft | kLower, kRight};
    case BlockKind::Tup:
      return Help{"Opkomend vertraagd: 255 als links A seconden aan is.", kLeft, kRight, false,
                  false, "vertraging in s", "teller"};
    case BlockKind::Taf:
      return Help{"Afvallend vertraagd: 0 als links A seconden uit is.", kLeft, kRight, false,
                  false, "vertraging in s", "teller"};
    case BlockKind::Soff:
      return Help{"Automatische uitschakelaar: 255 zolang links aan is, hoogstens A seconden.",
                  kLeft, kRight, false, false, "aan-tijd in s", "teller"};
    case BlockKind::Blinker:
      return Help{"Knipperaar: knippert met een periode van B + 1 s zolang links 255 is.", kLeft,
                  kRight, false, false, "teller", "knippertijd in s"};
    case BlockKind::Empty:
      return Help{"Leeg veld: doet niets."};
    case BlockKind::Unknown:
      break;
  }
  return Help{};
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
  const Help help = HelpOf(code);
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
  const Help help = HelpOf(code);
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
    const unsigned writes = help.writes != 0 ? help.writes : kRight;
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
