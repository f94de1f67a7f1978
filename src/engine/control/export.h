// Taking an instrument's data out: its samples as CSV rows for a spreadsheet or a script,
// built here so that the windows and tessaro-sim write the same file. Instruments are named
// by their range slot: recorders 1..8, PID controllers 9..11, step controllers 12..14,
// on/off controllers 15..17.
//
// A file has one header line and then one row per sample, oldest first:
//   recorder   t (s), time, value (UNIT), byte
//   PID        t (s), time, pv (UNIT), sp (UNIT), out (%)
//   step       t (s), time, pv (UNIT), sp (UNIT), open, close
//   on/off     t (s), time, pv (UNIT), sp (UNIT), out
// t is the sample's clock in seconds counted from an origin (the newest sample for an
// export, the log's start for a log); time is the clock itself, as local date and time for
// the program's clock or as seconds for a script's clock. Both count program time, as the
// chart does: at 10x a minute of the process is 60 s. Values are those the instrument
// computed, with as many decimals as one byte step of its range warrants (tenths on a range
// of 100). Numbers use '.' and fields ',' whatever the user's locale; the text is UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/core/texts.h"

namespace tessaro {

struct ProcessImage;

enum class SampleClock {
  Wall,    // the program's clock (ms since 1970 UTC at the start, plus program time),
           // written as local "2026-12-08 14:05:09"
  Script,  // milliseconds since a script began, written as seconds
};

// Range slot of recorder n (1..8) and of controller n (1..9).
constexpr int RecorderSlot(int n) { return n; }
constexpr int ControllerSlot(int n) { return 8 + n; }
constexpr bool IsInstrumentSlot(int slot) { return slot >= 1 && slot <= 17; }

// Samples ever taken by the instrument, and how many of them its history still holds.
uint64_t SamplesTaken(const ProcessImage& image, int slot);
size_t SamplesHeld(const ProcessImage& image, int slot);
// The clock of sample i (0 the newest, i < SamplesHeld).
int64_t SampleClockMs(const ProcessImage& image, int slot, size_t i);

// The header line and the row of sample i (0 the newest, i < SamplesHeld), each with its
// line end.
std::string CsvHeader(const ProcessImage& image, int slot);
std::string CsvRow(const ProcessImage& image, int slot, size_t i, int64_t origin_ms,
                   SampleClock clock);

// The whole file: the header and every sample the history holds, t counted from the newest.
std::string InstrumentCsv(const ProcessImage& image, int slot, SampleClock clock);

// The text of a message box about a file that could not be written, with system error
// `err` (see WriteFileWhole, which every export writes through).
Phrase ExportFailed(const std::string& path, int err);

}  // namespace tessaro
