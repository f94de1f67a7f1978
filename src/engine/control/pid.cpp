#include "engine/control/pid.h"

#include <algorithm>
#include <utility>

#include "engine/control/scale.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"

namespace tessaro {

namespace {

// Each expression runs in extended precision and is stored as a double, like the byte
// conversions, so that results do not depend on how the compiler orders double rounding.
using Ext = long double;

double Scaled(const ProcessImage& image, int n, double percent) {
  const int slot = PidRangeSlot(n);
  return ScaleToRange(percent, image.RangeHigh[slot], image.RangeLow[slot]);
}

// "value unit" with one decimal, as the process value tag and the cascade setpoint read.
std::string RangeValueText(const ProcessImage& image, int n, double percent) {
  return FormatValue(Scaled(image, n, percent), image.DecimalSeparator) + " " +
         image.RangeUnit[PidRangeSlot(n)];
}

bool RunsControlStep(int n, const std::string& mode) {
  return mode == "auto" || (n == 3 && mode == "casc");
}

void ControlStep(PidState& pid) {
  pid.PTerm = static_cast<double>((Ext{pid.Pv} - pid.Sp) * pid.PidAction * 100 / pid.Pb);
  if (pid.Ti > 0) pid.ITerm = static_cast<double>(Ext{pid.ITerm} + pid.PTerm / Ext{pid.Ti});
  // Against the Pv of the last automatic cycle (0 before the first one), so the first
  // automatic cycle with Td > 0 gives a kick; the output limits catch it.
  pid.DTerm =
      static_cast<double>((Ext{pid.Pv} - pid.PvPrev) * 100 / pid.Pb * pid.Td * pid.PidAction);
  // Anti-windup on P + I only: D may still carry the output past the limits for a cycle.
  if (Ext{pid.PTerm} + pid.ITerm < 0) pid.ITerm = -pid.PTerm;
  if (Ext{pid.PTerm} + pid.ITerm > 100) pid.ITerm = static_cast<double>(100 - Ext{pid.PTerm});
  if (pid.Ti == 0) pid.ITerm = 50.0;  // no integral action: a fixed bias, pure P control
  pid.Out = static_cast<double>(Ext{pid.PTerm} + pid.ITerm + pid.DTerm);
  pid.PvPrev = pid.Pv;
}

// Newest sample in front; the oldest falls off the end.
void Record(Trend& trend, double percent) {
  std::move_backward(trend.begin(), trend.end() - 1, trend.end());
  trend[0] = static_cast<uint16_t>(RoundEven(2 * Ext{percent}));
}

}  // namespace

int TagTop(double percent) { return static_cast<int>(RoundEven(218 - 2 * Ext{percent})); }

std::string PidSignificantText(const ProcessImage& image, int n, double percent, int digits) {
  return FormatSignificant(Scaled(image, n, percent), digits, image.DecimalSeparator) + " " +
         image.RangeUnit[PidRangeSlot(n)];
}

void MoveTag(Tag& tag, double percent, std::string text) {
  tag.top = TagTop(percent);
  tag.text = std::move(text);
}

double LimitToSetpointBoxes(const PidState& pid, double sp) {
  if (pid.Boxes.SpinEdit4 < sp) sp = pid.Boxes.SpinEdit4;
  if (pid.Boxes.SpinEdit5 > sp) sp = pid.Boxes.SpinEdit5;
  return sp;
}

void PidCycle(ProcessImage& image, int n) {
  if (!IsPidController(n)) return;
  PidState& pid = image.Pid[n];

  if (n == 3 && pid.Mode == "casc") {
    // The master's output becomes the setpoint, in whole percents.
    pid.Sp = LimitToSetpointBoxes(pid, static_cast<double>(RoundEven(pid.CascadeIn)));
    MoveTag(pid.SpTag, pid.Sp, RangeValueText(image, n, pid.Sp));
  }

  pid.Pv = std::clamp(pid.Pv, 0.0, 100.0);
  MoveTag(pid.PvTag, pid.Pv, RangeValueText(image, n, pid.Pv));

  if (RunsControlStep(n, pid.Mode)) ControlStep(pid);
  if (n == 3 && pid.Mode == "byps") pid.Out = pid.CascadeIn;

  // In every mode, so a lowered limit also pulls a hand output in.
  if (pid.Out > pid.OutMax) pid.Out = pid.OutMax;
  if (pid.Out < pid.OutMin) pid.Out = pid.OutMin;
  MoveTag(pid.OpTag, pid.Out, FormatValue(pid.Out, image.DecimalSeparator) + " %");

  Record(pid.PvTrend, pid.Pv);
  Record(pid.SpTrend, pid.Sp);
  Record(pid.OutTrend, pid.Out);
  const int slot = PidRangeSlot(n);
  pid.ScaleText = ScaleTexts(image.RangeHigh[slot], image.RangeLow[slot], image.RangeUnit[slot]);
}

void PidBlockStep(ProcessImage& image, int n, int row, int column) {
  if (!IsPidController(n) || row < 1 || row > kRows || column < 1 || column > kColumns) return;
  PidState& pid = image.Pid[n];
  pid.Pv = BytePercent(LeftInput(image, row, column));
  if (n == 3) pid.CascadeIn = BytePercent(UpperInput(image, row, column));
  PidCycle(image, n);
  image.OutRight[row][column] = RoundToByte(PercentToSignal(pid.Out));
}

}  // namespace tessaro
