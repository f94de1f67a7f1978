#include "engine/core/block_table.h"

#include <array>
#include <vector>

#include "engine/core/translation_mark.h"

namespace tessaro {

namespace {

constexpr Palette I = Palette::Input;
constexpr Palette P = Palette::Processing;
constexpr Palette O = Palette::Output;

constexpr unsigned L = kFromLeft;
constexpr unsigned U = kFromUpper;
constexpr unsigned W = kFromLower;
constexpr unsigned R = kToRight;
constexpr unsigned Up = kToUp;
constexpr unsigned Dn = kToDown;

constexpr int kWideWidth = 70;
constexpr int kWideHeight = 25;

// The entry names and hint lines below are the program's Dutch words, kept here untranslated;
// the windows translate them where they show them. The help texts and the meanings of the
// settings carry their English beside them for tessaro-sim; the windows translate their Dutch
// through the context "Block".
constexpr Term Said(const char* dutch, const char* english) { return {"Block", dutch, english}; }

constexpr Term kWireHelp = Said(TESSARO_TRANSLATE_NOOP("Block", "Draad: geeft de waarde door."),
                                "Wire: passes the value on.");
constexpr Term kAndHelp =
    Said(TESSARO_TRANSLATE_NOOP("Block", "EN-poort: 255 als alle ingangen 255 zijn, anders 0."),
         "AND gate: 255 when all inputs are 255, else 0.");
constexpr Term kNandHelp =
    Said(TESSARO_TRANSLATE_NOOP("Block", "NEN-poort: 0 als alle ingangen 255 zijn, anders 255."),
         "NAND gate: 0 when all inputs are 255, else 255.");
constexpr Term kOrHelp =
    Said(TESSARO_TRANSLATE_NOOP("Block", "OF-poort: 255 als een ingang 255 is, anders 0."),
         "OR gate: 255 when an input is 255, else 0.");
constexpr Term kNorHelp =
    Said(TESSARO_TRANSLATE_NOOP("Block", "NOF-poort: 255 als geen ingang 255 is, anders 0."),
         "NOR gate: 255 when no input is 255, else 0.");
constexpr Term kEmptyHelp =
    Said(TESSARO_TRANSLATE_NOOP("Block", "Leeg veld: doet niets."), "Empty field: does nothing.");
constexpr Term kAnalogOutHelp =
    Said(TESSARO_TRANSLATE_NOOP(
             "Block", "Analoge uitgang van de kaart: de waarde van links, 0..255 is 0..5 V."),
         "Analog output of the board: the value from the left, 0..255 is 0..5 V.");
constexpr Term kDigitalOutHelp =
    Said(TESSARO_TRANSLATE_NOOP(
             "Block", "Digitale uitgang van de kaart: aan bij 255, uit bij 0, anders blijft hij."),
         "Digital output of the board: on at 255, off at 0, otherwise it holds.");
constexpr Term kDelay = Said(TESSARO_TRANSLATE_NOOP("Block", "vertraging in s"), "delay in s");
constexpr Term kCounter = Said(TESSARO_TRANSLATE_NOOP("Block", "teller"), "counter");

// The gates' digit says which inputs take part: 1 left and lower, 2 left and upper, 3 all.
constexpr unsigned kGateReads[] = {L | W, L | U, L | U | W};

constexpr BlockType Input(const char* key, int first, int count, BlockKind kind, PaletteSpot spot,
                          const char* name, Term help, bool analog, FieldIcon icon,
                          const char* hint, EntryArt entry) {
  BlockType t{key, first, count, kind, 0, I, spot, name, help};
  t.writes = R;
  t.analog_out = analog;
  t.icon = icon;
  t.hint = hint;
  t.entry = entry;
  return t;
}

constexpr BlockType Output(const char* key, int first, int count, BlockKind kind, PaletteSpot spot,
                           const char* name, Term help, bool analog) {
  BlockType t{key, first, count, kind, 0, O, spot, name, help};
  t.reads = L;
  t.analog_in = analog;
  t.icon = analog ? FieldIcon::AnalogTerminal : FieldIcon::DigitalTerminal;
  t.hint = analog ? "analoog uit" : "digitaal uit";
  t.entry = EntryArt::Terminal;
  return t;
}

constexpr BlockType Empty(Palette palette, PaletteSpot spot, const char* name) {
  return BlockType{"Leeg", 0, 1, BlockKind::Empty, 0, palette, spot, name, kEmptyHelp};
}

constexpr BlockType Wire(int n, PaletteSpot spot, const char* name, unsigned from, unsigned to) {
  BlockType t{"Draad#", n, 1, BlockKind::Wire, 0, P, spot, name, kWireHelp};
  t.reads = from;
  t.writes = to;
  t.analog_in = t.analog_out = true;
  t.entry = EntryArt::Wire;
  return t;
}

// A processing block with one output on the right.
constexpr BlockType Block(const char* key, BlockKind kind, PaletteSpot spot, const char* name,
                          Term help, unsigned reads, bool analog, StepGroup step, FieldIcon icon,
                          const char* symbol, EntryArt entry, const char* entry_label = "") {
  BlockType t{key, 0, 1, kind, 0, P, spot, name, help};
  t.reads = reads;
  t.writes = R;
  t.analog_in = t.analog_out = analog;
  t.step = step;
  t.icon = icon;
  t.symbol = symbol;
  t.entry = entry;
  t.entry_label = entry_label;
  return t;
}

constexpr BlockType Gate(const char* key, int first, int count, GateOp op, int inputs,
                         PaletteSpot spot, const char* name, Term help, bool negated,
                         const char* symbol, const char* label) {
  BlockType t = Block(key, BlockKind::Gate, spot, name, help, kGateReads[inputs - 1], false,
                      StepGroup::Function, FieldIcon::Text, symbol, EntryArt::Box, label);
  t.first = first;
  t.count = count;
  t.code = GateNumber(op, inputs);
  t.negated = negated;
  return t;
}

constexpr BlockType WithParams(BlockType t, BlockParam a, BlockParam b, bool captions) {
  t.a = a;
  t.b = b;
  t.captions = captions;
  return t;
}

constexpr BlockType Controller(int first, int count, PaletteSpot spot, const char* name, Term help,
                               unsigned reads, unsigned writes, bool analog_out, FieldIcon icon,
                               const char* symbol) {
  BlockType t{"Reg#", first, count, BlockKind::Controller, 0, P, spot, name, help};
  t.reads = reads;
  t.writes = writes;
  t.analog_in = true;
  t.analog_out = analog_out;
  t.step = StepGroup::Instrument;
  t.icon = icon;
  t.symbol = symbol;
  t.entry = EntryArt::Controller;
  return t;
}

constexpr BlockType WithPins(BlockType t, const char* left, const char* upper, const char* lower,
                             const char* right) {
  t.pins[0] = left;
  t.pins[1] = upper;
  t.pins[2] = lower;
  t.pins[3] = right;
  return t;
}

constexpr BlockType Recorders() {
  BlockType t{"Rec#",
              1,
              8,
              BlockKind::Recorder,
              0,
              P,
              {14, 96, 8},
              TESSARO_TRANSLATE_NOOP("Palette", "Recorder-#"),
              Said(TESSARO_TRANSLATE_NOOP(
                       "Block", "Recorder: schrijft de waarde van links elke 4 s op zijn kaart."),
                   "Recorder: writes the value from the left on its chart every 4 s.")};
  t.reads = L;
  t.analog_in = true;
  t.step = StepGroup::Instrument;
  t.icon = FieldIcon::Trend;
  t.entry = EntryArt::Recorder;
  return t;
}

using S = StepGroup;
using F = FieldIcon;
using E = EntryArt;

constexpr BlockType kTypes[] = {
    // The input palette.
    Input("Spin#", 1, 5, BlockKind::Spin, {1, 16, 16},
          TESSARO_TRANSLATE_NOOP("Palette", "Spinknop#"),
          Said(TESSARO_TRANSLATE_NOOP("Block", "Waarde van een spinknop op het bedieningsscherm."),
               "Value of a value knob on the operator screen."),
          true, F::Spin, "spinknop", E::Spin),
    Input("A#in", 1, 8, BlockKind::AnalogIn, {6, 88, 16},
          TESSARO_TRANSLATE_NOOP("Palette", "Analoge ingang #"),
          Said(TESSARO_TRANSLATE_NOOP("Block", "Analoge ingang van de kaart (via de multiplexer)."),
               "Analog input of the board (through the multiplexer)."),
          true, F::AnalogTerminal, "analoog in", E::Terminal),
    Input("D#in", 1, 5, BlockKind::DigitalIn, {14, 160, 16},
          TESSARO_TRANSLATE_NOOP("Palette", "Digitale ingang #"),
          Said(TESSARO_TRANSLATE_NOOP("Block", "Digitale ingang van de kaart: 0 of 255."),
               "Digital input of the board: 0 or 255."),
          false, F::DigitalTerminal, "digitaal in", E::Terminal),
    Input("Knop#", 1, 6, BlockKind::Knop, {19, 232, 16},
          TESSARO_TRANSLATE_NOOP("Palette", "Digitale knop #"),
          Said(TESSARO_TRANSLATE_NOOP(
                   "Block", "Drukknop op het bedieningsscherm: elke klik wisselt 0 en 255."),
               "Push button on the operator screen: every click switches between 0 and 255."),
          false, F::PushButton, "schermknop", E::Knop),
    Input("Sinus", 0, 1, BlockKind::Sinus, {26, 368, 88},
          TESSARO_TRANSLATE_NOOP("Palette", "Sinusgever"),
          Said(TESSARO_TRANSLATE_NOOP("Block", "Sinusgever: een golf tussen 40 en 200."),
               "Sine generator: a wave between 40 and 200."),
          true, F::Sine, "sinusgever", E::Sine),
    Empty(I, {25, 88, 296}, TESSARO_TRANSLATE_NOOP("Palette", "Blanco")),

    // The processing palette. The wires: where each shape takes its value and the edges it
    // leaves by; a wire never writes the edge it reads from.
    [] {
      BlockType t = Wire(1, {1, 8, 8}, TESSARO_TRANSLATE_NOOP("Palette", "Draad"), L, R);
      t.symbol = t.entry_label = "Draad";  // named above its value while running
      return t;
    }(),
    Wire(2, {2, 8, 40}, TESSARO_TRANSLATE_NOOP("Palette", "Draad"), W, Up),
    Wire(3, {3, 8, 72}, TESSARO_TRANSLATE_NOOP("Palette", "Draad"), U, Dn),
    Wire(4, {4, 8, 104}, TESSARO_TRANSLATE_NOOP("Palette", "Draad"), L, Dn),
    Wire(5, {5, 8, 136}, TESSARO_TRANSLATE_NOOP("Palette", "Draad"), W, R),
    Wire(6, {6, 8, 168}, TESSARO_TRANSLATE_NOOP("Palette", "Draad"), U, R),
    Wire(7, {7, 8, 200}, TESSARO_TRANSLATE_NOOP("Palette", "Draad"), L, Up),
    Wire(8, {8, 8, 232}, "", L, Up | Dn),
    Wire(9, {9, 8, 264}, TESSARO_TRANSLATE_NOOP("Palette", "Draad"), L, Up | R),
    Wire(10, {10, 8, 296}, TESSARO_TRANSLATE_NOOP("Palette", "Draad"), L, R | Dn),
    Wire(11, {11, 8, 328}, TESSARO_TRANSLATE_NOOP("Palette", "Draad"), U, R | Dn),
    Wire(12, {12, 8, 360}, TESSARO_TRANSLATE_NOOP("Palette", "Draad"), W, R | Up),
    Wire(13, {13, 8, 392}, TESSARO_TRANSLATE_NOOP("Palette", "Draad"), L, Up | R | Dn),
    Empty(P, {49, 8, 424}, TESSARO_TRANSLATE_NOOP("Palette", "Leeg veld")),
    Recorders(),
    Block("ChDw", BlockKind::ChDw, {34, 96, 328},
          TESSARO_TRANSLATE_NOOP("Palette", "Range verkleinen"),
          Said(TESSARO_TRANSLATE_NOOP("Block", "Range verkleinen: 0..255 wordt 51..255."),
               "Range narrower: 0..255 becomes 51..255."),
          L, true, S::Function, F::RangeDown, "", E::RangeDown),
    Block("ChUp", BlockKind::ChUp, {35, 96, 360},
          TESSARO_TRANSLATE_NOOP("Palette", "Range vergroten"),
          Said(TESSARO_TRANSLATE_NOOP("Block", "Range vergroten: 51..255 wordt 0..255."),
               "Range wider: 51..255 becomes 0..255."),
          L, true, S::Function, F::RangeUp, "", E::RangeUp),
    Block("Wortel", BlockKind::Wortel, {48, 96, 392},
          TESSARO_TRANSLATE_NOOP("Palette", "Wortel trekker"),
          Said(TESSARO_TRANSLATE_NOOP("Block",
                                      "Worteltrekker: de wortel van links, op de schaal 0..255."),
               "Square root: the root of the value from the left, on the scale 0..255."),
          L, true, S::Function, F::Root, "", E::Root),
    Controller(
        1, 2, {22, 240, 8, kWideWidth, kWideHeight},
        TESSARO_TRANSLATE_NOOP("Palette", "PID regelaar (meester)"),
        Said(TESSARO_TRANSLATE_NOOP(
                 "Block",
                 "PID-regelaar: meet links, stuurt rechts; instellen op zijn regelaarvenster."),
             "PID controller: measures on the left, drives on the right; set it up in its "
             "controller window."),
        L, R, true, F::Faceplate, "PID"),
    WithPins(Controller(3, 1, {24, 240, 72, kWideWidth, kWideHeight},
                        TESSARO_TRANSLATE_NOOP("Palette", "PID regelaar (knecht)"),
                        Said(TESSARO_TRANSLATE_NOOP("Block",
                                                    "PID-regelaar (knecht): meet links, setpunt "
                                                    "van boven in cascade, stuurt rechts."),
                             "PID controller (slave): measures on the left, setpoint from above in "
                             "cascade, drives on the right."),
                        L | U, R, true, F::Faceplate, "casc"),
             "", "SP", "", ""),
    WithPins(
        Controller(
            4, 3, {25, 240, 120}, TESSARO_TRANSLATE_NOOP("Palette", "Regelaar voor Pulsklep"),
            Said(TESSARO_TRANSLATE_NOOP(
                     "Block",
                     "Stapregelaar voor een motorklep: rechts open-pulsen, onder dicht-pulsen."),
                 "Step controller for a motor valve: opening pulses on the right, closing pulses "
                 "below."),
            L, R | Dn, false, F::ValveBar, "puls"),
        "", "", "\u2212", "+"),
    Controller(
        7, 3, {55, 320, 120, kWideWidth, kWideHeight},
        TESSARO_TRANSLATE_NOOP("Palette", "aan/uit Regelaar"),
        Said(TESSARO_TRANSLATE_NOOP(
                 "Block",
                 "Aan/uit-regelaar: rechts 255 of 0, met een schakelspleet rond het setpunt."),
             "On/off controller: 255 or 0 on the right, with a switching gap around the setpoint."),
        L, R, false, F::Text, "aan/uit"),
    Block("HS1", BlockKind::HighSelect, {28, 416, 8},
          TESSARO_TRANSLATE_NOOP("Palette", "High Selector"),
          Said(TESSARO_TRANSLATE_NOOP("Block", "Hoogste-keuze: de grootste van links en boven."),
               "High select: the larger of left and upper."),
          L | U, true, S::Function, F::Text, "max", E::Box, "HS"),
    Block("LS1", BlockKind::LowSelect, {29, 416, 40},
          TESSARO_TRANSLATE_NOOP("Palette", "Low Selector"),
          Said(TESSARO_TRANSLATE_NOOP("Block", "Laagste-keuze: de kleinste van links en onder."),
               "Low select: the smaller of left and lower."),
          L | W, true, S::Function, F::Text, "min", E::Box, "LS"),
    [] {
      BlockType t =
          Block("Not", BlockKind::Not, {30, 416, 72}, TESSARO_TRANSLATE_NOOP("Palette", "Not"),
                Said(TESSARO_TRANSLATE_NOOP("Block",
                                            "Invertor: 255 min de waarde van links (0 wordt 255)."),
                     "Inverter: 255 minus the value from the left (0 becomes 255)."),
                L, true, S::Function, F::Text, "1", E::Not);
      t.negated = true;
      return t;
    }(),
    Gate("AND1", 0, 1, GateOp::And, 1, {36, 520, 32},
         TESSARO_TRANSLATE_NOOP("Palette", "AND poort"), kAndHelp, false, "&", "AND"),
    Gate("AND2", 0, 1, GateOp::And, 2, {38, 520, 64},
         TESSARO_TRANSLATE_NOOP("Palette", "AND poort"), kAndHelp, false, "&", "AND"),
    Gate("AND3", 0, 1, GateOp::And, 3, {40, 520, 96},
         TESSARO_TRANSLATE_NOOP("Palette", "AND poort"), kAndHelp, false, "&", "AND"),
    Gate("NAND1", 0, 1, GateOp::Nand, 1, {37, 592, 32},
         TESSARO_TRANSLATE_NOOP("Palette", "NAND poort"), kNandHelp, true, "&", "NAND"),
    Gate("NAND2", 0, 1, GateOp::Nand, 2, {39, 592, 64},
         TESSARO_TRANSLATE_NOOP("Palette", "NAND poort"), kNandHelp, true, "&", "NAND"),
    Gate("NAND3", 0, 1, GateOp::Nand, 3, {41, 592, 96},
         TESSARO_TRANSLATE_NOOP("Palette", "NAND poort"), kNandHelp, true, "&", "NAND"),
    Gate("OR1", 0, 1, GateOp::Or, 1, {42, 520, 128}, TESSARO_TRANSLATE_NOOP("Palette", "OR poort"),
         kOrHelp, false, "\u22651", "OR"),
    Gate("OR2", 0, 1, GateOp::Or, 2, {43, 520, 160}, TESSARO_TRANSLATE_NOOP("Palette", "OR poort"),
         kOrHelp, false, "\u22651", "OR"),
    Gate("OR3", 0, 1, GateOp::Or, 3, {44, 520, 192}, TESSARO_TRANSLATE_NOOP("Palette", "OR poort"),
         kOrHelp, false, "\u22651", "OR"),
    Gate("NOR1", 0, 1, GateOp::Nor, 1, {45, 592, 128},
         TESSARO_TRANSLATE_NOOP("Palette", "NOR poort"), kNorHelp, true, "\u22651", "NOR"),
    Gate("NOR2", 0, 1, GateOp::Nor, 2, {46, 592, 160},
         TESSARO_TRANSLATE_NOOP("Palette", "NOR poort"), kNorHelp, true, "\u22651", "NOR"),
    Gate("NOR3", 0, 1, GateOp::Nor, 3, {47, 592, 192},
         TESSARO_TRANSLATE_NOOP("Palette", "NOR poort"), kNorHelp, true, "\u22651", "NOR"),
    Block("XOR", BlockKind::Xor, {50, 560, 224}, TESSARO_TRANSLATE_NOOP("Palette", "XOR poort"),
          Said(TESSARO_TRANSLATE_NOOP(
                   "Block",
                   "EX-OF-poort: 255 als precies een van boven en onder 255 is, de ander 0."),
               "XOR gate: 255 when exactly one of upper and lower is 255, the other 0."),
          U | W, false, S::Function, F::Text, "=1", E::Box, "XOR"),
    WithPins(Block("Flipflop", BlockKind::Flipflop, {54, 560, 256, 64, 28, true},
                   TESSARO_TRANSLATE_NOOP("Palette", "Flipflop"),
                   Said(TESSARO_TRANSLATE_NOOP(
                            "Block",
                            "Flipflop: links 255 zet hem aan, onder 255 zet hem uit (uit wint)."),
                        "Flip-flop: 255 on the left sets it, 255 below resets it (reset wins)."),
                   L | W, false, S::Time, F::Text, "SR", E::Box, "flipflop"),
             "S", "", "R", "Q"),
    [] {
      BlockType t = WithParams(
          Block("ADS", BlockKind::Ads, {31, 288, 384},
                TESSARO_TRANSLATE_NOOP("Palette", "Analoog naar digitaal schakelaar"),
                Said(TESSARO_TRANSLATE_NOOP(
                         "Block",
                         "Analoog naar digitaal: 255 vanaf A, 0 vanaf B, daartussen blijft hij."),
                     "Analog to digital: 255 from A up, 0 from B down, in between it holds."),
                L, false, S::Time, F::Hysteresis, "", E::Box),
          {Said(TESSARO_TRANSLATE_NOOP("Block", "bovenschakelpunt"), "upper switching point"), 3},
          {Said(TESSARO_TRANSLATE_NOOP("Block", "onderschakelpunt"), "lower switching point"), 4},
          true);
      t.analog_in = true;
      return t;
    }(),
    WithParams(Block("Tup", BlockKind::Tup, {33, 440, 352},
                     TESSARO_TRANSLATE_NOOP("Palette", "Timer vertraagd opkomend"),
                     Said(TESSARO_TRANSLATE_NOOP(
                              "Block", "Opkomend vertraagd: 255 als links A seconden aan is."),
                          "Delayed on: 255 once the left input has been on for A seconds."),
                     L, false, S::Time, F::OnDelay, "", E::Box),
               {kDelay, 5}, {kCounter}, true),
    WithParams(Block("Taf", BlockKind::Taf, {32, 440, 416},
                     TESSARO_TRANSLATE_NOOP("Palette", "Timer vertraagd afvallend"),
                     Said(TESSARO_TRANSLATE_NOOP(
                              "Block", "Afvallend vertraagd: 0 als links A seconden uit is."),
                          "Delayed off: 0 once the left input has been off for A seconds."),
                     L, false, S::Time, F::OffDelay, "", E::Box),
               {kDelay, 5}, {kCounter}, true),
    WithParams(Block("RR1", BlockKind::RR1, {51, 632, 368, 245, 61},
                     TESSARO_TRANSLATE_NOOP("Palette", "Rekenblok"),
                     Said(TESSARO_TRANSLATE_NOOP(
                              "Block", "Rekenblok: links x A / 100 + B, begrensd op 0..255."),
                          "Arithmetic block: left x A / 100 + B, limited to 0..255."),
                     L, true, S::Function, F::Text, "a\u00b7x+b", E::Formula),
               {Said(TESSARO_TRANSLATE_NOOP("Block", "factor in %"), "factor in %"), 6},
               {Said(TESSARO_TRANSLATE_NOOP("Block", "optelling"), "offset"), 7}, false),
    WithParams(
        Block(
            "Soff", BlockKind::Soff, {53, 816, 40},
            TESSARO_TRANSLATE_NOOP("Palette", "Set Off (automatische uitschakelaar)"),
            Said(TESSARO_TRANSLATE_NOOP(
                     "Block",
                     "Automatische uitschakelaar: 255 zolang links aan is, hoogstens A seconden."),
                 "Automatic switch-off: 255 while the left input is on, for at most A seconds."),
            L, false, S::Time, F::Contact, "", E::Contact),
        {Said(TESSARO_TRANSLATE_NOOP("Block", "aan-tijd in s"), "on time in s"), 9}, {kCounter},
        true),
    WithParams(
        Block("Blinker", BlockKind::Blinker, {52, 816, 208},
              TESSARO_TRANSLATE_NOOP("Palette", "Blinker"),
              Said(TESSARO_TRANSLATE_NOOP(
                       "Block",
                       "Knipperaar: knippert met een periode van B + 1 s zolang links 255 is."),
                   "Blinker: blinks with a period of B + 1 s while the left input is 255."),
              L, false, S::Time, F::SquareWave, "", E::Blinker),
        {kCounter, 0, true},
        {Said(TESSARO_TRANSLATE_NOOP("Block", "knippertijd in s"), "blink time in s"), 8}, false),
    WithParams(Block("Begrenzer", BlockKind::Limiter, {58, 904, 304},
                     TESSARO_TRANSLATE_NOOP("Palette", "Begrenzer"),
                     Said(TESSARO_TRANSLATE_NOOP(
                              "Block", "Begrenzer: de waarde van links, begrensd tussen A en B."),
                          "Limiter: the value from the left, limited between A and B."),
                     L, true, S::Function, F::Text, "A\u2264x\u2264B", E::Box, "A..B"),
               {Said(TESSARO_TRANSLATE_NOOP("Block", "ondergrens"), "lower bound"), 10},
               {Said(TESSARO_TRANSLATE_NOOP("Block", "bovengrens"), "upper bound"), 11}, true),

    // The output palette.
    Output("A#uit", 1, 1, BlockKind::AnalogOut, {6, 24, 16},
           TESSARO_TRANSLATE_NOOP("Palette", "Analoge uitgang-#"), kAnalogOutHelp, true),
    Output("A#uit", 2, 1, BlockKind::AnalogOut, {1, 24, 48},
           TESSARO_TRANSLATE_NOOP("Palette", "Analoge uitgang-#"), kAnalogOutHelp, true),
    Output("D#uit", 1, 4, BlockKind::DigitalOut, {2, 104, 16},
           TESSARO_TRANSLATE_NOOP("Palette", "Digitale uitgang-#"), kDigitalOutHelp, false),
    Output("D#uit", 5, 2, BlockKind::DigitalOut, {7, 104, 144},
           TESSARO_TRANSLATE_NOOP("Palette", "Digitale uitgang-#"), kDigitalOutHelp, false),
    Empty(O, {9, 24, 176}, TESSARO_TRANSLATE_NOOP("Palette", "Blanco")),
};

// The processing palette's setting editors. The hints are the program's Dutch words; the
// windows translate them through the context "Block".
constexpr EditorBox kEditorBoxes[] = {
    {"SpinEdit2", 2, 0, 1600, 100, TESSARO_TRANSLATE_NOOP("Palette", "Bovenzijde Range"), 168, 112,
     57},
    {"Edit1", 0, 0, 0, 0, TESSARO_TRANSLATE_NOOP("Palette", "Eenheid van de Range"), 168, 144, 57},
    {"SpinEdit1", 1, -100, 500, 0, TESSARO_TRANSLATE_NOOP("Palette", "Onderzijde Range"), 168, 176,
     57},
    {"Edit2", 0, 0, 0, 0, TESSARO_TRANSLATE_NOOP("Palette", "Naam van de Regelaar/Recorder"), 168,
     216, 137},
    {"SpinEdit3", 3, 1, 255, 200, TESSARO_TRANSLATE_NOOP("Palette", "Bovenschakelpunt ADS"), 288,
     352, 65},
    {"SpinEdit4", 4, 0, 254, 50, TESSARO_TRANSLATE_NOOP("Palette", "Onderschakelpunt ADS"), 288,
     416, 65},
    {"SpinEdit5", 5, 1, 999, 10, TESSARO_TRANSLATE_NOOP("Palette", "Tijd voor timer in seconde"),
     440, 384, 65},
    {"SpinEdit6", 6, -5000, 5000, 100, "", 640, 378, 73, 15},  // "RR1" factor in percent
    {"SpinEdit7", 7, -9999, 9999, 0, "", 748, 392, 65, 15},    // "RR1" offset
    {"SpinEdit8", 8, 1, 999, 10, TESSARO_TRANSLATE_NOOP("Palette", "Tijdsinstelling voor blinker"),
     816, 240, 65},
    {"SpinEdit9", 9, 1, 9999, 10,
     TESSARO_TRANSLATE_NOOP("Palette",
                            "Tijdsinstelling Set Off (automatische uitschakelaar) in seconde"),
     816, 72, 65},
    {"SpinEdit10", 10, 0, 255, 0, TESSARO_TRANSLATE_NOOP("Palette", "Ondergrens Begrenzer"), 904,
     336, 65},
    {"SpinEdit11", 11, 0, 255, 255, TESSARO_TRANSLATE_NOOP("Palette", "Bovengrens Begrenzer"), 904,
     368, 65},
};

std::vector<BlockEntry> ExpandEntries() {
  std::vector<BlockEntry> entries;
  for (const BlockType& type : kTypes) {
    for (int i = 0; i < type.count; ++i) {
      const int number = type.first == 0 ? 0 : type.first + i;
      PaletteSpot spot = type.spot;
      spot.picture += i;
      spot.top += 32 * i;
      entries.push_back(
          {&type, number, Numbered(type.key, number), spot, Numbered(type.name, number)});
    }
  }
  return entries;
}

constexpr size_t kKinds = static_cast<size_t>(BlockKind::Count);

}  // namespace

std::string Numbered(std::string_view pattern, int number) {
  std::string text;
  for (char ch : pattern) {
    if (ch == '#') {
      text += std::to_string(number);
    } else {
      text += ch;
    }
  }
  return text;
}

std::span<const BlockType> BlockTypes() { return kTypes; }

std::span<const BlockEntry> BlockEntries() {
  static const std::vector<BlockEntry> entries = ExpandEntries();
  return entries;
}

const BlockType* TypeOf(BlockCode code) {
  if (code.kind == BlockKind::Empty || code.kind == BlockKind::Unknown) return nullptr;
  for (const BlockType& type : kTypes) {
    if (type.kind != code.kind) continue;
    if (type.first == 0 ? type.code == code.number
                        : code.number >= type.first && code.number < type.first + type.count) {
      return &type;
    }
  }
  return nullptr;
}

StepGroup StepGroupOf(BlockKind kind) {
  static const std::array<StepGroup, kKinds> groups = [] {
    std::array<StepGroup, kKinds> g{};
    for (const BlockType& type : kTypes) g[static_cast<size_t>(type.kind)] = type.step;
    return g;
  }();
  return groups[static_cast<size_t>(kind)];
}

std::span<const EditorBox> EditorBoxes() { return kEditorBoxes; }

int SpinEditCount() {
  static const int count = [] {
    int n = 0;
    for (const EditorBox& box : kEditorBoxes) n = box.spin > n ? box.spin : n;
    return n;
  }();
  return count;
}

}  // namespace tessaro
