#include "engine/core/block_step.h"

#include <string>

#include "engine/control/onoff_controller.h"
#include "engine/control/pid.h"
#include "engine/control/recorder.h"
#include "engine/control/step_controller.h"
#include "engine/core/block_table.h"
#include "engine/core/gates.h"
#include "engine/core/io_blocks.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"
#include "engine/core/screen_view.h"
#include "engine/core/time_blocks.h"

namespace tessaro {

int InstrumentSlot(BlockCode code) {
  return code.kind == BlockKind::Recorder ? code.number : kRecorders + code.number;
}

std::string InstrumentLabel(const ProcessImage& image, int slot, uint8_t v) {
  const double value = ByteToRange(v, image.RangeHigh[slot], image.RangeLow[slot]);
  return FormatValue(value, image.DecimalSeparator) + " " + image.RangeUnit[slot];
}

void InstrumentStep(ProcessImage& image, ScreenView& view, int r, int c, BlockCode code) {
  const bool recorder = code.kind == BlockKind::Recorder;
  const int item =
      ItemFor(recorder ? ItemKind::RecorderLabel : ItemKind::ControllerLabel, code.number);
  // A hidden instrument does nothing at all: label, samples and outputs keep their values.
  if (item < 0 || image.ItemVisible[item] != 1) return;
  const uint8_t v = LeftInput(image, r, c);
  image.ItemText[item] = InstrumentLabel(image, InstrumentSlot(code), v);
  view.ItemTextChanged(item, image.ItemText[item]);

  const int n = code.number;
  if (recorder) {
    // One sample in four scan cycles.
    if (image.RecorderPhase == 4) {
      RecorderCycle(image, n, v);
      image.RecorderTimes[n].Push(image.ClockMs, v);
      view.RecorderSampled(n);
    }
    return;
  }
  if (n <= 3) {
    PidBlockStep(image, n, r, c);
  } else if (n <= 6) {
    StepBlockStep(image, n, r, c);
  } else {
    OnOffBlockStep(image, n, r, c);
  }
  // What the controller computed this cycle, for the exports.
  const double pv = n <= 3 ? image.Pid[n].Pv : n <= 6 ? image.Step[n].Pv : image.OnOff[n].Pv;
  const double sp = n <= 3 ? image.Pid[n].Sp : n <= 6 ? image.Step[n].Sp : image.OnOff[n].Sp;
  const double out = n <= 3 ? image.Pid[n].Out : 0;
  image.TrendTimes[n].Push(image.ClockMs, image.OutRight[r][c], image.OutDown[r][c], pv, sp, out);
  view.ControllerCycled(n);
}

void BlockStep(ProcessImage& image, ScreenView& view, int r, int c, BlockCode code) {
  switch (StepGroupOf(code.kind)) {
    case StepGroup::Instrument:
      InstrumentStep(image, view, r, c, code);
      break;
    case StepGroup::Function:
      RunFunctionBlock(image, r, c, code);
      break;
    case StepGroup::Time:
      RunTimeBlock(image, r, c, code.kind);
      break;
    case StepGroup::None:
      // Empty fields, wires, and input or output keys misplaced here do nothing.
      break;
  }
}

}  // namespace tessaro
