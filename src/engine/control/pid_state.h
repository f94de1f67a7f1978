// State of PID controllers 1..3 (3 is the cascade slave), together with what its faceplate
// shows, so that the window only puts this state on screen.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/control/trend.h"

namespace tessaro {

// The values of a faceplate's tuning boxes, mirrored here by their change handlers.
struct PidBoxes {
  int32_t PBSpin = 0;     // "PB %", feeds Pb
  int32_t ItijdSpin = 0;  // "I-tijd sec", feeds Ti
  int32_t DtijdSpin = 0;  // "D-tijd sec", feeds Td
  int32_t SpinEdit2 = 0;  // "Outp-max %", feeds OutMax
  int32_t SpinEdit3 = 0;  // "Outp-min %", feeds OutMin
  int32_t SpinEdit4 = 0;  // "Setp-max %", the setpoint's upper limit
  int32_t SpinEdit5 = 0;  // "Setp-min %", the setpoint's lower limit
  bool operator==(const PidBoxes&) const = default;
};

struct PidState {
  // Control quantities, in percent (times in seconds).
  double Pv = 0;
  double Sp = 0;
  double Out = 0;
  double PTerm = 0;
  double ITerm = 0;
  double DTerm = 0;
  double PvPrev = 0;
  double Pb = 0;
  double Ti = 0;
  double Td = 0;
  double OutMax = 0;
  double OutMin = 0;
  int32_t PidAction = 0;  // +1 direct, -1 reverse
  std::string Mode;       // "hand", "auto"; controller 3 also "casc", "byps"
  std::string ViewSize;   // "klein", "groot", "super"
  double CascadeIn = 0;   // controller 3 only
  Trend PvTrend{};
  Trend SpTrend{};
  Trend OutTrend{};

  // The faceplate.
  PidBoxes Boxes{};
  bool RadioButton1Checked = false;         // "D" chosen; "R" otherwise
  bool TuningEnabled = false;               // the nine tuning controls accept changes
  int32_t Width = 0;                        // outer window width for ViewSize
  std::string ModeText;                     // Label1: "Hand", "Auto", "Casc" or "Bypas"
  Tag OpTag{};                              // OpLabel
  Tag SpTag{};                              // SPLabel, hidden in "hand" and "byps"
  Tag PvTag{};                              // PVLabel
  std::array<std::string, 11> ScaleText{};  // beside the trend, top to bottom
};

}  // namespace tessaro
