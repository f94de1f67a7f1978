#include "engine/control/onoff_controller.h"

#include <algorithm>
#include <tuple>

#include "engine/control/pid_faceplate.h"
#include "engine/control/setpoint_faceplate.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"
#include "engine/core/unsaved_changes.h"

namespace tessaro {

namespace {

int RangeSlot(int n) { return 8 + n; }

bool Valid(int n) { return n >= kFirstOnOffController && n <= kLastOnOffController; }

// What a project keeps of controller n; the window's width is no part of it.
auto KeptOf(int n) {
  return [n](const ProcessImage& image) {
    const auto& s = image.OnOff[n];
    return std::make_tuple(s.Mode, s.Sp, s.Gap);
  };
}

void Arrow(ProcessImage& image, int n, int direction) {
  if (!Valid(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  OnOffState& s = image.OnOff[n];
  if (s.Mode == "auto") {
    MoveSetpoint(s, image, RangeSlot(n), 0.5 * direction);
  } else if (s.Mode == "hand") {
    s.Out = direction > 0 ? 255 : 0;
  }
}

}  // namespace

void OnOffCycle(ProcessImage& image, int n) {
  if (!Valid(n)) return;
  OnOffState& s = image.OnOff[n];
  RecordProcessValue(s, image, RangeSlot(n));

  if (s.Mode == "auto") {
    if (s.Pv - s.Sp > s.Gap) s.Out = 255;
    if (s.Sp - s.Pv > s.Gap) s.Out = 0;
  }
  // In both modes, so in "hand" the lamp shows what the arrows set.
  if (s.Out == 255) {
    s.Lamp = LampColour::Red;
  } else if (s.Out == 0) {
    s.Lamp = LampColour::White;
  }
}

void OnOffBlockStep(ProcessImage& image, int n, int row, int column) {
  if (!Valid(n)) return;
  image.OnOff[n].Pv = BytePercent(LeftInput(image, row, column));
  OnOffCycle(image, n);
  image.OutRight[row][column] = static_cast<uint8_t>(image.OnOff[n].Out & 0xFF);
}

namespace onoff {

std::string FormCreate(ProcessImage& image, int n) {
  if (!Valid(n)) return {};
  SwitchToHand(image.OnOff[n]);
  image.OnOff[n].ViewSize = "klein";
  return RangeCaption(image, RangeSlot(n));
}

void AutoButtonClick(ProcessImage& image, int n) {
  if (!Valid(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  SwitchToAuto(image.OnOff[n], image, RangeSlot(n));
}

void HandButtonClick(ProcessImage& image, int n) {
  if (!Valid(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  SwitchToHand(image.OnOff[n]);
}

void SpinButton1UpClick(ProcessImage& image, int n) { Arrow(image, n, +1); }

void SpinButton1DownClick(ProcessImage& image, int n) { Arrow(image, n, -1); }

void GKknopClick(ProcessImage& image, int n) {
  if (Valid(n)) NextViewSize(image.OnOff[n], true);
}

void GapButtonClick(ProcessImage& image, int n, int value) {
  if (!Valid(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  image.OnOff[n].Gap = std::clamp(value, kGapMin, kGapMax);
}

}  // namespace onoff

}  // namespace tessaro
