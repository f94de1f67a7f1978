// The PID controllers 1..3: the control and display cycle, and the block step of the scan
// that feeds it from the grid.
#pragma once

#include <string>

namespace tessaro {

struct ProcessImage;
struct PidState;
struct Tag;

// The PID controllers are numbers 1..3.
constexpr bool IsPidController(int n) { return n >= 1 && n <= 3; }

// The range slot of PID controller n (1..3).
constexpr int PidRangeSlot(int n) { return 8 + n; }

// Top of a faceplate tag showing `percent`: 100 % at 18, 0 % at 218, rounded ties to even.
int TagTop(double percent);

// `percent` on the engineering range of controller n, as "value unit" with at most
// `digits` significant digits (the faceplate's setpoint tag).
std::string PidSignificantText(const ProcessImage& image, int n, double percent, int digits);

// Moves the tag to `percent` and gives it `text`.
void MoveTag(Tag& tag, double percent, std::string text);

// `sp` brought within the faceplate's "Setp-max %" and then "Setp-min %" boxes.
double LimitToSetpointBoxes(const PidState& pid, double sp);

// One control and display cycle of controller n: cascade setpoint, control step, output
// limits, the three tags, the trend histories and the trend's scale texts. Pv (and, for
// controller 3, CascadeIn) must have been set by the caller.
void PidCycle(ProcessImage& image, int n);

// What the scan does for a field (row, column) holding "Reg" + n (n = 1..3) whose screen
// label is shown, after the label has been set: feed the left input (and for controller 3
// the upper input) to the controller, run its cycle and write the output byte to the right.
void PidBlockStep(ProcessImage& image, int n, int row, int column);

}  // namespace tessaro
