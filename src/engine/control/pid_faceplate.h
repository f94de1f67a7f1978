// What a PID faceplate's controls do: the mode buttons, the arrows, the tuning boxes, the
// "D"/"R" choice, the "Grafiek" width cycle and the tuning lock. Every action works on the
// state of controller n (1..3); the window then shows what that state says.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/core/texts.h"

namespace tessaro {

struct ProcessImage;

// Outer window widths of the three views.
constexpr int kPidWidthKlein = 198;  // bar scale and buttons
constexpr int kPidWidthGroot = 660;  // plus the trend
constexpr int kPidWidthSuper = 764;  // plus the tuning controls

// The tuning boxes of a faceplate, by control name.
enum class PidBox { PBSpin, ItijdSpin, DtijdSpin, SpinEdit2, SpinEdit3, SpinEdit4, SpinEdit5 };

struct BoxRange {
  int32_t min;
  int32_t max;
};

struct PidBoxes;

// What box `box` shows.
int32_t PidBoxValue(const PidBoxes& boxes, PidBox box);

// The range of box `box` on the faceplate of controller n; the cascade slave's integral
// time cannot be switched off.
BoxRange PidBoxRange(int n, PidBox box);

struct BoxCaption {
  int x;
  int y;
  const char* text;
};

// The box captions written on the window background when it is widened to "super".
const std::array<BoxCaption, 7>& PidBoxCaptions();

// A faceplate's caption before the block is placed: " (low tot highunit)" for range slot
// `slot`.
Phrase RangeCaptionPhrase(const ProcessImage& image, int slot);
std::string RangeCaption(const ProcessImage& image, int slot);  // in the program's own words

namespace pid {

// The window has been created: hand mode, narrow view. Returns the window caption.
std::string FormCreate(ProcessImage& image, int n);

// Mode buttons. "Auto" takes the present process value as setpoint and carries the
// present output on without a bump; "Casc" and "Bypas" exist on controller 3 only.
void AutoButtonClick(ProcessImage& image, int n);
void ManualButtonClick(ProcessImage& image, int n);
void CascadeButtonClick(ProcessImage& image, int n);
void BypassButtonClick(ProcessImage& image, int n);

// The arrows step the setpoint in "auto" and the output in "hand" by half a percent;
// in the other modes they do nothing.
void SpinButton1UpClick(ProcessImage& image, int n);
void SpinButton1DownClick(ProcessImage& image, int n);

// Box `box` now shows `value` (kept within the box's range), by the user or by code.
// When what the box shows changes, its change rule runs, which may in turn set another
// box ("Outp-max %" below "Outp-min %" pushes "Outp-min %" down, and so on).
void SetBox(ProcessImage& image, int n, PidBox box, int32_t value);

// Puts the setpoint at `percent` as a stored project does: within 0..100 and within the
// "Setp-max %" and "Setp-min %" boxes, exactly as given otherwise; the tag follows.
void SetSetpoint(ProcessImage& image, int n, double percent);

// "D" (direct action, +1) and "R" (reverse, -1).
void RadioButton1Click(ProcessImage& image, int n);
void RadioButton2Click(ProcessImage& image, int n);

// Selects "D" (direct) or "R" from code, as a loaded project does: a click runs when the
// choice changes. Either way the action afterwards matches the choice.
void SelectAction(ProcessImage& image, int n, bool direct);

// "Grafiek": locks the tuning controls and moves to the next width,
// klein -> groot -> super -> klein.
void GKknopClick(ProcessImage& image, int n);

// "Change": unlocks the tuning controls until the next "Grafiek" or close.
void Button2Click(ProcessImage& image, int n);

// The window closes (it is only hidden): back to the narrow view, locked. Returns the left
// edge the window is to keep, never left of the screen.
int Sluiten(ProcessImage& image, int n, int left);

}  // namespace pid

}  // namespace tessaro
