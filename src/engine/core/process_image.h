// The process image: every table the trainer's parts share. Arrays are sized so that the
// index used throughout the program is the array index (rows 1..16, columns 1..7, slots
// 1..17); index 0 is unused where it has no meaning.
//
// The tables come in parts, each in a header of its own, so that a file that uses only
// one part includes only that part: the schema and its signals (grid_tables.h), the
// instruments (instrument_tables.h), the operator screen (screen_tables.h) and the editing
// state (editing_tables.h). A function that needs one part takes that part; the whole image
// converts to any of them.
#pragma once

#include <cstdint>

#include "engine/core/editing_tables.h"
#include "engine/core/grid_tables.h"
#include "engine/core/instrument_tables.h"
#include "engine/core/screen_tables.h"

namespace tessaro {

struct ProcessImage : GridTables, InstrumentTables, ScreenTables, EditingTables {
  // Counters and flags.
  uint16_t ScanPhase = 0;
  uint16_t SineStep = 0;
  uint8_t RecorderPhase = 0;
  int32_t MuxPhase = 0;
  uint8_t LogicsOpen = 0;
  int32_t CardAddress = 0;

  // The decimal separator of the user's locale, for the value texts.
  char DecimalSeparator = '.';
};

// The start-up of the operator screen: scan phase, grid flag, controller defaults and the
// default positions of the 47 screen items.
void ApplyStartupDefaults(ProcessImage& image);

}  // namespace tessaro
