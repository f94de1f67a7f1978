// The recorders and controllers: their ranges, states, histories and names.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/control/controller_state.h"
#include "engine/core/image_sizes.h"

namespace tessaro {

struct InstrumentTables {
  // Engineering ranges of the recorders (1..8) and controllers (9..17).
  std::array<int32_t, kRangeSlots + 1> RangeHigh{};
  std::array<int32_t, kRangeSlots + 1> RangeLow{};
  std::array<std::string, kRangeSlots + 1> RangeUnit{};

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

  // The window titles of the instruments the palette's editors name, indexed like the range
  // slots (recorders 1..8, controllers 9..17; "" until placed).
  std::array<std::string, kRangeSlots + 1> InstrumentTitle{};
};

}  // namespace tessaro
