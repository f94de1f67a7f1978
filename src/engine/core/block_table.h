// The one table of block types. Every block kind is described here once: its key, the
// palette that offers it and its place there, the sides it reads and the edges it writes,
// what its parameters mean and which setting editor sets them, its help text, and the
// recipe of its pictures. Key decoding, the scan's dispatch, placement, the hover help, the
// palettes, the picture generator and tessaro-sim all read it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/core/block_code.h"
#include "engine/core/block_keys.h"
#include "engine/core/texts.h"

namespace tessaro {

// The sides a block reads, combined as flags.
enum InputSide : unsigned { kFromLeft = 1, kFromUpper = 2, kFromLower = 4 };
// The edges a block writes, combined as flags.
enum OutputEdge : unsigned { kToRight = 1, kToUp = 2, kToDown = 4 };

// How the scan runs a block in columns 2..6.
enum class StepGroup : uint8_t {
  None,        // wires (carried by the wire passes), inputs, outputs
  Instrument,  // recorders and controllers
  Function,    // gates, selectors, arithmetic: output from the inputs alone
  Time,        // switching and time blocks: blocks with memory
};

// A parameter (FieldParamA or FieldParamB) of a block placed from the processing palette.
struct BlockParam {
  Term meaning;        // shown in the help; no Dutch when the block has no parameters
  int editor = 0;      // the SpinEdit whose value a placement copies, 0 for none
  bool reset = false;  // without an editor: a placement sets it to 0
};

// The symbol inside a grid picture (see tools/assets).
enum class FieldIcon : uint8_t {
  None,
  Text,  // the symbol text itself
  Hysteresis,
  OnDelay,
  OffDelay,
  Contact,
  SquareWave,
  Root,
  RangeUp,
  RangeDown,
  Trend,
  Faceplate,
  ValveBar,
  // Column-1 sources and column-7 terminals.
  Spin,
  PushButton,
  Sine,
  AnalogTerminal,
  DigitalTerminal,
};

// The drawing of a palette entry (see the palettes' pictures).
enum class EntryArt : uint8_t {
  None,
  Spin,
  Terminal,  // an input or output terminal, grey for analog, yellow for digital
  Knop,
  Sine,
  Wire,
  Recorder,
  Controller,
  Box,  // a block box with `entry_label` (or the key), stubs on the sides read
  Not,
  Root,
  RangeUp,
  RangeDown,
  Formula,
  Contact,
  Blinker,
};

// Where a palette shows an entry. Entries of a numbered row stand 32 pixels apart, one
// below the other.
struct PaletteSpot {
  int picture;  // Image<picture>, numbered from the row's first entry on
  int left;
  int top;
  int width = 64;
  int height = 28;
  bool double_click = false;  // a double click also chooses
};

// One row: a block, or a run of numbered blocks that share everything but their number.
// In `key` and `name` a '#' stands for the number.
struct BlockType {
  const char* key;
  int first;  // the first number; 0 for a key without a number
  int count;
  BlockKind kind;
  uint8_t code;  // BlockCode::number for a key without a number (the gates)
  Palette palette;
  PaletteSpot spot;
  const char* name;  // the entry's name in its palette's hint, "" for none
  Term help;         // what the block does
  unsigned reads = 0;
  unsigned writes = 0;
  bool analog_in = false;
  bool analog_out = false;
  StepGroup step = StepGroup::None;
  BlockParam a{};
  BlockParam b{};
  bool captions = false;  // A and B are painted on its field while running
  // Pictures: the grid field's symbol and its text, a hint line, pin names on the left, upper,
  // lower and right sides; and the palette entry's drawing and label.
  FieldIcon icon = FieldIcon::None;
  const char* symbol = "";
  bool negated = false;
  const char* hint = "";
  const char* pins[4] = {"", "", "", ""};
  EntryArt entry = EntryArt::None;
  const char* entry_label = "";
};

// Every row, in the palettes' order (inputs, processing, outputs).
std::span<const BlockType> BlockTypes();

// One block as a row describes it, with its number filled in.
struct BlockEntry {
  const BlockType* type;
  int number;  // 0 for a key without a number
  std::string key;
  PaletteSpot spot;  // this entry's own picture number and place
  std::string name;
};

// Every block key with its row; "Leeg" once for each palette.
std::span<const BlockEntry> BlockEntries();

// The row of `code`; null for Empty and Unknown.
const BlockType* TypeOf(BlockCode code);

// How the scan runs blocks of `kind`.
StepGroup StepGroupOf(BlockKind kind);

// `pattern` with each '#' replaced by `number`.
std::string Numbered(std::string_view pattern, int number);

// The setting editors of the processing palette: spin boxes SpinEdit1.. and the two text
// boxes, with their ranges, start values and places.
struct EditorBox {
  const char* name;  // "SpinEdit3", "Edit1"
  int spin;          // n of SpinEdit<n>, 0 for a text box
  int32_t min;
  int32_t max;
  int32_t start;
  const char* hint;
  int left;
  int top;
  int width;
  int font_pixels = 13;
};

// Every editor box, in the order the palette lays them out.
std::span<const EditorBox> EditorBoxes();

// The number of spin boxes SpinEdit1..SpinEdit<n>.
int SpinEditCount();

}  // namespace tessaro
