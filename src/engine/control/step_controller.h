// The pulse-valve step controllers 4..6: in "auto" an open pulse when the process value lies
// more than 2 % below the setpoint and is not rising, a close pulse when it lies more than
// 2 % above and is not falling; each pulse lasts one cycle and is followed by three cycles of
// rest. In "hand" the faceplate's arrows give single pulses.
//
// The faceplate shows, from StepState: FaceplateWidth(ViewSize), ModeText in Label1, SpTag and
// PvTag, OpenLamp in Shape1 and CloseLamp in Shape2, and, after each cycle, the trend
// (TrendLine of SpTrend and PvTrend, TrendScale of range slot 8 + n). Closing the window
// only hides it; the state keeps its width.
#pragma once

#include <string>

#include "engine/control/step_state.h"

namespace tessaro {

struct ProcessImage;

constexpr int kFirstStepController = 4;
constexpr int kLastStepController = 6;

// One control and display cycle of controller n (4..6).
void StepCycle(ProcessImage& image, int n);

// Block step of a field (row, column) holding "Reg" + n, once its label has been set and its
// item found shown: Pv from the left input, one cycle, the open pulse to the right edge and
// the close pulse to the lower edge.
void StepBlockStep(ProcessImage& image, int n, int row, int column);

// The faceplate's controls. Numbers outside 4..6 do nothing.
namespace step {

// The window has been created: hand mode, narrow. Returns the window caption.
std::string FormCreate(ProcessImage& image, int n);

void AutoButtonClick(ProcessImage& image, int n);
void HandButtonClick(ProcessImage& image, int n);

// Up: a setpoint step in "auto", an open pulse at the next cycle in "hand". Down likewise
// with a close pulse. A press while a count runs starts it again.
void SpinButton1UpClick(ProcessImage& image, int n);
void SpinButton1DownClick(ProcessImage& image, int n);

// "Grafiek": 198 <-> 660 pixels.
void GKknopClick(ProcessImage& image, int n);

}  // namespace step

}  // namespace tessaro
