#include "engine/control/setpoint_faceplate.h"

#include <algorithm>

#include "engine/control/chart.h"
#include "engine/control/pid.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"

namespace tessaro {

namespace {

uint16_t TrendSample(double percent) { return static_cast<uint16_t>(RoundEven(2.0L * percent)); }

double NearestHalf(double percent) { return static_cast<double>(RoundEven(2.0L * percent)) / 2.0; }

double Scaled(const ProcessImage& image, int slot, double percent) {
  return ScaleToRange(percent, image.RangeHigh[slot], image.RangeLow[slot]);
}

// The setpoint tag reads four significant digits on the controller's range.
void ShowSetpoint(SetpointFaceplate& plate, const ProcessImage& image, int slot) {
  MoveTag(plate.SpTag, plate.Sp,
          FormatSignificant(Scaled(image, slot, plate.Sp), 4, image.DecimalSeparator) + " " +
              image.RangeUnit[slot]);
}

}  // namespace

const char* LampColourName(LampColour colour) {
  switch (colour) {
    case LampColour::Yellow:
      return "yellow";
    case LampColour::Red:
      return "red";
    case LampColour::White:
      break;
  }
  return "white";
}

int FaceplateWidth(const std::string& view_size) {
  if (view_size == "groot") return 660;
  if (view_size == "super") return 764;
  return 198;
}

void NextViewSize(SetpointFaceplate& plate, bool has_super) {
  if (plate.ViewSize == "klein") {
    plate.ViewSize = "groot";
  } else if (plate.ViewSize == "groot" && has_super) {
    plate.ViewSize = "super";
  } else {
    plate.ViewSize = "klein";
  }
}

void RecordProcessValue(SetpointFaceplate& plate, const ProcessImage& image, int slot) {
  PushNewest(plate.PvTrend, TrendSample(plate.Pv));
  PushNewest(plate.SpTrend, TrendSample(plate.Sp));
  MoveTag(plate.PvTag, plate.Pv,
          FormatValue(Scaled(image, slot, plate.Pv), image.DecimalSeparator) + " " +
              image.RangeUnit[slot]);
}

void SwitchToAuto(SetpointFaceplate& plate, const ProcessImage& image, int slot) {
  plate.Mode = "auto";
  plate.ModeText = "Auto";
  plate.Sp = NearestHalf(plate.Pv);
  ShowSetpoint(plate, image, slot);
}

void SwitchToHand(SetpointFaceplate& plate) {
  plate.Mode = "hand";
  plate.ModeText = "Hand";
}

void MoveSetpoint(SetpointFaceplate& plate, const ProcessImage& image, int slot, double delta) {
  SetSetpoint(plate, image, slot, NearestHalf(std::clamp(plate.Sp + delta, 0.0, 100.0)));
}

void SetSetpoint(SetpointFaceplate& plate, const ProcessImage& image, int slot, double percent) {
  plate.Sp = std::clamp(percent, 0.0, 100.0);
  ShowSetpoint(plate, image, slot);
}

}  // namespace tessaro
