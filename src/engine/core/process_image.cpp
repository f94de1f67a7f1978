#include "engine/core/process_image.h"

#include "engine/control/pid_faceplate.h"
#include "engine/core/block_table.h"
#include "engine/screen/screen_items.h"

namespace tessaro {

namespace {

// Step and on/off faceplates open in "hand" at their narrow width, both tags at the foot of
// the scale.
void StartFaceplate(SetpointFaceplate& plate) {
  plate.Mode = "hand";
  plate.ModeText = "Hand";
  plate.ViewSize = "klein";
  plate.SpTag = {216, "", true};
  plate.PvTag = {216, "", true};
}

}  // namespace

std::vector<int32_t> SpinEditStartValues() {
  std::vector<int32_t> values(static_cast<size_t>(SpinEditCount()) + 1);
  for (const EditorBox& box : EditorBoxes()) {
    if (box.spin != 0) values[static_cast<size_t>(box.spin)] = box.start;
  }
  return values;
}

void ApplyStartupDefaults(ProcessImage& image) {
  image.ScanPhase = 1;
  image.LogicsOpen = 0;

  for (int n = 1; n <= 3; ++n) {
    PidState& pid = image.Pid[n];
    pid.OutMax = 100.0;
    pid.OutMin = 0.0;
    pid.ViewSize = "klein";
    pid.Pb = 100.0;
    pid.ITerm = 50.0;
    pid.Ti = 60.0;
    pid.DTerm = 0.0;
    pid.PvPrev = 0.0;
    pid.Td = 0.0;
    pid.Mode = "hand";
    pid.PidAction = 1;
    // The faceplate as designed: boxes at their start values and locked, "D" chosen,
    // narrow, tags at the foot of the scale with the setpoint tag hidden.
    pid.Boxes = PidBoxes{.PBSpin = 100,
                         .ItijdSpin = 60,
                         .DtijdSpin = 0,
                         .SpinEdit2 = 100,
                         .SpinEdit3 = 0,
                         .SpinEdit4 = 100,
                         .SpinEdit5 = 0};
    pid.RadioButton1Checked = true;
    pid.TuningEnabled = false;
    pid.Width = kPidWidthKlein;
    pid.ModeText = "Hand";
    pid.OpTag = Tag{.top = 216, .text = "", .visible = true};
    pid.SpTag = Tag{.top = 216, .text = "", .visible = false};
    pid.PvTag = Tag{.top = 216, .text = "", .visible = true};
  }
  for (int n = 4; n <= 6; ++n) StartFaceplate(image.Step[n]);
  for (int n = 7; n <= 9; ++n) {
    StartFaceplate(image.OnOff[n]);
    image.OnOff[n].Gap = 10;
  }

  const auto& items = ScreenItems();
  for (size_t i = 0; i < items.size(); ++i) {
    image.ItemLeft[i] = items[i].default_left;
    image.ItemTop[i] = items[i].default_top;
  }
}

}  // namespace tessaro
