// The process image: every table the trainer's parts share. Arrays are sized so that the
// index used throughout the program is the array index (rows 1..16, columns 1..7, slots
// 1..17); index 0 is unused where it has no meaning.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/control/controller_state.h"
#include "engine/core/block_code.h"
#include "engine/editor/edit_history.h"

namespace tessaro {

constexpr int kRows = 16;
constexpr int kColumns = 7;
constexpr int kFirstProcessingColumn = 2;
constexpr int kLastProcessingColumn = 6;
constexpr int kRangeSlots = 17;     // 1..8 recorders, 9..17 controllers
constexpr int kScreenItems = 47;    // items 0..46
constexpr int kScreenEntries = 48;  // plus the spare entry 47
constexpr int kAnalogInputs = 8;
constexpr int kScreenButtons = 6;
constexpr int kValueKnobs = 5;
constexpr int kRecorders = 8;

template <typename T>
using RowColumnTable = std::array<std::array<T, kColumns + 1>, kRows + 2>;  // [0..17][0..7]

// The start values of the processing palette's spin boxes, indexed 1..SpinEditCount().
std::vector<int32_t> SpinEditStartValues();

// The setting editors of the processing palette, at their start values (see the block
// table's editor boxes). SpinEdit[1..]; Edit1 is the range unit, Edit2 the instrument name.
struct PaletteEditors {
  std::vector<int32_t> SpinEdit = SpinEditStartValues();
  std::string Edit1 = "eenheid";
  std::string Edit2 = "Naam";
  bool operator==(const PaletteEditors&) const = default;
};

// A field's key as the scan last decoded it (see RefreshDecodedGrid).
struct DecodedField {
  std::string key;
  BlockCode code;
};

struct ProcessImage {
  // The schema: block keys, [row 1..16][column 1..7]. "" and "Leeg" both mean empty.
  RowColumnTable<std::string> FieldGrid{};

  // Signal values, [row 0..17][column 1..7]; rows 0 and 17 are margins that stay 0.
  RowColumnTable<uint8_t> OutUp{};
  RowColumnTable<uint8_t> OutRight{};
  RowColumnTable<uint8_t> OutDown{};
  std::array<uint8_t, kAnalogInputs + 1> AnalogIn{};       // 1..8
  std::array<uint8_t, kScreenButtons + 1> ScreenButton{};  // 1..6, 0 or 255

  // Block parameters of the processing columns, [row 1..16][column 2..6].
  RowColumnTable<int32_t> FieldParamA{};
  RowColumnTable<int32_t> FieldParamB{};

  // Engineering ranges of the recorders (1..8) and controllers (9..17).
  std::array<int32_t, kRangeSlots + 1> RangeHigh{};
  std::array<int32_t, kRangeSlots + 1> RangeLow{};
  std::array<std::string, kRangeSlots + 1> RangeUnit{};

  // Operator-screen items 0..46 and the spare entry 47.
  std::array<int32_t, kScreenEntries> ItemLeft{};
  std::array<int32_t, kScreenEntries> ItemTop{};
  std::array<uint8_t, kScreenEntries> ItemVisible{};

  // Counters and flags.
  uint16_t ScanPhase = 0;
  uint16_t SineStep = 0;
  uint8_t RecorderPhase = 0;
  int32_t MuxPhase = 0;
  uint8_t LogicsOpen = 0;
  int32_t CardAddress = 0;

  // Editing state.
  int32_t SelectedRow = 0;
  int32_t SelectedColumn = 0;
  std::string ChosenKey;

  // Instruments, indexed by their number: Pid[1..3], Step[4..6], OnOff[7..9], Recorder[1..8].
  std::array<PidState, 4> Pid{};
  std::array<StepState, 7> Step{};
  std::array<OnOffState, 10> OnOff{};
  std::array<RecorderTrend, kRecorders + 1> Recorder{};
  // When each sample of those histories was taken: RecorderTimes[1..8] beside Recorder,
  // TrendTimes[1..9] beside the controllers' trends (with their outputs at the time).
  std::array<RecorderRecord, kRecorders + 1> RecorderTimes{};
  std::array<TrendRecord, 10> TrendTimes{};
  // The clock the samples are stamped with, in milliseconds; set by whoever runs the scan
  // before each tick.
  int64_t ClockMs = 0;
  // The file each instrument is logging to, by range slot ("" while it logs nothing); its
  // window's caption says so.
  std::array<std::string, kRangeSlots + 1> LogFile{};

  // Values of the operator-screen controls, mirrored here by their change handlers so that
  // the engine never asks a widget: value knobs Spin1..Spin5 and the board address box.
  std::array<int32_t, kValueKnobs + 1> KnobValue{};
  int32_t AddressBox = 0;

  // What the operator-screen items show: the value labels' texts and the picture file last
  // loaded into each lamp or push button ("" while it shows its built-in picture).
  std::array<std::string, kScreenEntries> ItemText{};
  std::array<std::string, kScreenEntries> ItemPicture{};

  // The processing palette's editors, and the window titles of the instruments they name,
  // indexed like the range slots (recorders 1..8, controllers 9..17; "" until placed).
  PaletteEditors Editors;
  std::array<std::string, kRangeSlots + 1> InstrumentTitle{};

  // The decimal separator of the user's locale, for the value texts.
  char DecimalSeparator = '.';

  // Undo and redo of the logic grid's edits.
  EditHistory History;

  // The project differs from what was last saved or loaded: every editing action that
  // changes what a project file holds sets it; a save, a load and "Nieuw" clear it.
  // Running values (signals, counts, outputs in hand) never set it.
  bool UnsavedChanges = false;

  // The scan's decoded copy of FieldGrid, [row 1..16][column 1..7].
  RowColumnTable<DecodedField> Decoded{};
};

// The start-up of the operator screen: scan phase, grid flag, controller defaults and the
// default positions of the 47 screen items.
void ApplyStartupDefaults(ProcessImage& image);

// Inputs of field (r, c): left = OutRight[r][c-1], upper = OutDown[r-1][c],
// lower = OutUp[r+1][c].
inline uint8_t LeftInput(const ProcessImage& p, int r, int c) { return p.OutRight[r][c - 1]; }
inline uint8_t UpperInput(const ProcessImage& p, int r, int c) { return p.OutDown[r - 1][c]; }
inline uint8_t LowerInput(const ProcessImage& p, int r, int c) { return p.OutUp[r + 1][c]; }

// "" and "Leeg" both stand for an empty field.
inline bool IsEmptyKey(const std::string& key) { return key.empty() || key == "Leeg"; }

}  // namespace tessaro
