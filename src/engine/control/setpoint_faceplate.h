// Rules shared by the step and on/off controller faceplates: the tags, the mode buttons,
// the setpoint arrows in "auto", the width button and the first steps of a cycle.
#pragma once

#include <string>

#include "engine/control/faceplate_state.h"

namespace tessaro {

struct ProcessImage;

// Outer width in pixels for a ViewSize: "klein" 198, "groot" 660, "super" 764.
int FaceplateWidth(const std::string& view_size);

// "Grafiek": "klein" -> "groot" -> "klein", or through "super" when the faceplate has it.
void NextViewSize(SetpointFaceplate& plate, bool has_super);

// The start of every cycle: the process value tag moves to Pv, both histories take their new
// sample (2 x Pv and 2 x Sp, rounded) and the tag shows Pv on the range of `slot`.
void RecordProcessValue(SetpointFaceplate& plate, const ProcessImage& image, int slot);

// "Auto": the setpoint takes the process value to the nearest half percent, so the switch-over
// itself changes nothing.
void SwitchToAuto(SetpointFaceplate& plate, const ProcessImage& image, int slot);

// "Man".
void SwitchToHand(SetpointFaceplate& plate);

// An arrow in "auto": the setpoint moves by `delta` (+0.5 or -0.5) within 0..100 and lands on
// a half percent.
void MoveSetpoint(SetpointFaceplate& plate, const ProcessImage& image, int slot, double delta);

// Puts the setpoint at `percent` as a stored project does: within 0..100, exactly as given
// otherwise; the tag follows.
void SetSetpoint(SetpointFaceplate& plate, const ProcessImage& image, int slot, double percent);

}  // namespace tessaro
