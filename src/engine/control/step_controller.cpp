#include "engine/control/step_controller.h"

#include <tuple>

#include "engine/control/pid_faceplate.h"
#include "engine/control/setpoint_faceplate.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"
#include "engine/core/unsaved_changes.h"

namespace tessaro {

namespace {

constexpr int kPulseStart = 4;
constexpr double kDeadBand = 2.0;  // %, either side of the setpoint

int RangeSlot(int n) { return 8 + n; }

bool Valid(int n) { return n >= kFirstStepController && n <= kLastStepController; }

// What a project keeps of controller n; the window's width is no part of it.
auto KeptOf(int n) {
  return [n](const ProcessImage& image) {
    const auto& s = image.Step[n];
    return std::make_tuple(s.Mode, s.Sp);
  };
}

void Arrow(ProcessImage& image, int n, int direction) {
  if (!Valid(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  StepState& s = image.Step[n];
  if (s.Mode == "auto") {
    MoveSetpoint(s, image, RangeSlot(n), 0.5 * direction);
  } else if (s.Mode == "hand") {
    s.PulseCount = kPulseStart * direction;
  }
}

}  // namespace

void StepCycle(ProcessImage& image, int n) {
  if (!Valid(n)) return;
  StepState& s = image.Step[n];
  RecordProcessValue(s, image, RangeSlot(n));

  // The trend samples are in half percent, so a change below that counts as steady.
  if (s.Mode == "auto") {
    if (s.PvTrend[0] >= s.PvTrend[1] && s.Pv - s.Sp > kDeadBand && s.PulseCount == 0) {
      s.PulseCount = -kPulseStart;
    }
    if (s.PvTrend[1] >= s.PvTrend[0] && s.Sp - s.Pv > kDeadBand && s.PulseCount == 0) {
      s.PulseCount = kPulseStart;
    }
  }
  if (s.PulseCount == kPulseStart) {
    s.OpenPulse = 255;
    s.OpenLamp = LampColour::Yellow;
  }
  if (s.PulseCount == -kPulseStart) {
    s.ClosePulse = 255;
    s.CloseLamp = LampColour::Yellow;
  }
  // An open pulse still on wins: a close pulse asked for meanwhile is lost.
  if (s.OpenPulse == 255) s.ClosePulse = 0;
  if (s.PulseCount == kPulseStart - 1 || s.PulseCount == -(kPulseStart - 1)) {
    s.OpenLamp = LampColour::White;
    s.CloseLamp = LampColour::White;
    s.OpenPulse = 0;
    s.ClosePulse = 0;
  }
  if (s.PulseCount > 0) {
    --s.PulseCount;
  } else if (s.PulseCount < 0) {
    ++s.PulseCount;
  }
}

void StepBlockStep(ProcessImage& image, int n, int row, int column) {
  if (!Valid(n)) return;
  image.Step[n].Pv = BytePercent(LeftInput(image, row, column));
  StepCycle(image, n);
  image.OutRight[row][column] = static_cast<uint8_t>(image.Step[n].OpenPulse & 0xFF);
  image.OutDown[row][column] = static_cast<uint8_t>(image.Step[n].ClosePulse & 0xFF);
}

namespace step {

std::string FormCreate(ProcessImage& image, int n) {
  if (!Valid(n)) return {};
  SwitchToHand(image.Step[n]);
  image.Step[n].ViewSize = "klein";
  return RangeCaption(image, RangeSlot(n));
}

void AutoButtonClick(ProcessImage& image, int n) {
  if (!Valid(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  SwitchToAuto(image.Step[n], image, RangeSlot(n));
}

void HandButtonClick(ProcessImage& image, int n) {
  if (!Valid(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  SwitchToHand(image.Step[n]);
}

void SpinButton1UpClick(ProcessImage& image, int n) { Arrow(image, n, +1); }

void SpinButton1DownClick(ProcessImage& image, int n) { Arrow(image, n, -1); }

void GKknopClick(ProcessImage& image, int n) {
  if (Valid(n)) NextViewSize(image.Step[n], false);
}

}  // namespace step

}  // namespace tessaro
