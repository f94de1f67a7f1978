// The on/off controllers 7..9: in "auto" the output switches on when the process value lies
// more than the gap above the setpoint and off when it lies more than the gap below; between
// the two it keeps its state. In "hand" the faceplate's arrows switch it.
//
// The faceplate shows, from OnOffState: FaceplateWidth(ViewSize) (the gap box only fits at
// "super"), ModeText in Label1, SpTag and PvTag, Lamp in Shape1, Gap in SpinEdit1, and, after
// each cycle, the trend (TrendLine of SpTrend and PvTrend, TrendScale of range slot 8 + n).
// Closing the window only hides it; the state keeps its width.
#pragma once

#include <string>

#include "engine/control/onoff_state.h"

namespace tessaro {

struct ProcessImage;

constexpr int kFirstOnOffController = 7;
constexpr int kLastOnOffController = 9;
constexpr int kGapMin = 1;  // the gap box's range
constexpr int kGapMax = 100;

// One control and display cycle of controller n (7..9).
void OnOffCycle(ProcessImage& image, int n);

// Block step of a field (row, column) holding "Reg" + n, once its label has been set and its
// item found shown: Pv from the left input, one cycle, the output to the right edge.
void OnOffBlockStep(ProcessImage& image, int n, int row, int column);

// The faceplate's controls. Numbers outside 7..9 do nothing.
namespace onoff {

// The window has been created: hand mode, narrow. Returns the window caption.
std::string FormCreate(ProcessImage& image, int n);

void AutoButtonClick(ProcessImage& image, int n);
void HandButtonClick(ProcessImage& image, int n);

// Up: a setpoint step in "auto"; in "hand" the output goes on at once (the lamp follows at
// the next cycle). Down likewise, off.
void SpinButton1UpClick(ProcessImage& image, int n);
void SpinButton1DownClick(ProcessImage& image, int n);

// "Grafiek": 198 -> 660 -> 764 -> 198 pixels.
void GKknopClick(ProcessImage& image, int n);

// The gap box now shows `value`, brought into its range 1..100.
void GapButtonClick(ProcessImage& image, int n, int value);

}  // namespace onoff

}  // namespace tessaro
