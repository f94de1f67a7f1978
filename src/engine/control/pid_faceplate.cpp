#include "engine/control/pid_faceplate.h"

#include <algorithm>
#include <tuple>

#include "engine/control/pid.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"
#include "engine/core/unsaved_changes.h"

namespace tessaro {

namespace {

// The value of `box` in `boxes`, writable or not as `boxes` is.
template <typename Boxes>
auto& BoxValue(Boxes& boxes, PidBox box) {
  switch (box) {
    case PidBox::PBSpin:
      return boxes.PBSpin;
    case PidBox::ItijdSpin:
      return boxes.ItijdSpin;
    case PidBox::DtijdSpin:
      return boxes.DtijdSpin;
    case PidBox::SpinEdit2:
      return boxes.SpinEdit2;
    case PidBox::SpinEdit3:
      return boxes.SpinEdit3;
    case PidBox::SpinEdit4:
      return boxes.SpinEdit4;
    case PidBox::SpinEdit5:
      break;
  }
  return boxes.SpinEdit5;
}

// The output that carries on the present one at the next automatic cycle: P + I = Out.
double BumplessITerm(const PidState& pid) {
  return static_cast<double>(pid.Out - (static_cast<long double>(pid.Pv) - pid.Sp) * pid.PidAction *
                                           100 / pid.Pb);
}

double HalfPercent(double x) {
  return static_cast<double>(RoundEven(2 * static_cast<long double>(x))) / 2;
}

void ShowSetpoint(ProcessImage& image, int n, int digits) {
  PidState& pid = image.Pid[n];
  MoveTag(pid.SpTag, pid.Sp, PidSignificantText(image, n, pid.Sp, digits));
}

void ShowHandOutput(ProcessImage& image, int n) {
  PidState& pid = image.Pid[n];
  MoveTag(pid.OpTag, pid.Out, FormatSignificant(pid.Out, 3, image.DecimalSeparator) + " %");
}

// What a project keeps of PID controller n; the window's width is no part of it.
auto KeptOf(int n) {
  return [n](const ProcessImage& image) {
    const PidState& pid = image.Pid[n];
    return std::make_tuple(pid.Mode, pid.Sp, pid.Boxes, pid.PidAction);
  };
}

void SetMode(PidState& pid, const char* mode, const char* indicator, bool setpoint_shown) {
  pid.Mode = mode;
  pid.ModeText = indicator;
  pid.SpTag.visible = setpoint_shown;
}

// The change rule of a box, run after its value changed.
void BoxChanged(ProcessImage& image, int n, PidBox box) {
  PidState& pid = image.Pid[n];
  const PidBoxes& b = pid.Boxes;
  switch (box) {
    case PidBox::PBSpin:
      pid.Pb = b.PBSpin;
      break;
    case PidBox::ItijdSpin:
      pid.Ti = b.ItijdSpin;
      break;
    case PidBox::DtijdSpin:
      pid.Td = b.DtijdSpin;
      break;
    case PidBox::SpinEdit2:
      pid.OutMax = b.SpinEdit2;
      if (b.SpinEdit2 < b.SpinEdit3) pid::SetBox(image, n, PidBox::SpinEdit3, b.SpinEdit2);
      break;
    case PidBox::SpinEdit3:
      pid.OutMin = b.SpinEdit3;
      if (b.SpinEdit2 < b.SpinEdit3) pid::SetBox(image, n, PidBox::SpinEdit2, b.SpinEdit3);
      break;
    case PidBox::SpinEdit4:
      if (b.SpinEdit4 < b.SpinEdit5) pid::SetBox(image, n, PidBox::SpinEdit5, b.SpinEdit4);
      if (b.SpinEdit4 < pid.Sp) pid.Sp = b.SpinEdit4;
      ShowSetpoint(image, n, 3);
      break;
    case PidBox::SpinEdit5:
      if (b.SpinEdit4 < b.SpinEdit5) pid::SetBox(image, n, PidBox::SpinEdit4, b.SpinEdit5);
      if (b.SpinEdit5 > pid.Sp) pid.Sp = b.SpinEdit5;
      ShowSetpoint(image, n, 3);
      break;
  }
}

}  // namespace

int32_t PidBoxValue(const PidBoxes& boxes, PidBox box) { return BoxValue(boxes, box); }

BoxRange PidBoxRange(int n, PidBox box) {
  switch (box) {
    case PidBox::PBSpin:
      return {1, 1000};
    case PidBox::ItijdSpin:
      return n == 3 ? BoxRange{1, 99} : BoxRange{0, 120};
    default:
      return {0, 100};
  }
}

const std::array<BoxCaption, 7>& PidBoxCaptions() {
  static const std::array<BoxCaption, 7> captions{{{700, 12, "PB %"},
                                                   {700, 36, "I-tijd sec"},
                                                   {700, 60, "D-tijd sec"},
                                                   {700, 110, "Outp-max %"},
                                                   {700, 134, "Outp-min %"},
                                                   {700, 158, "Setp-max %"},
                                                   {700, 182, "Setp-min %"}}};
  return captions;
}

Phrase RangeCaptionPhrase(const ProcessImage& image, int slot) {
  if (slot < 1 || slot > kRangeSlots) return Word("");
  return Phrase{TextId::kRangeCaption,
                {Word(std::to_string(image.RangeLow[slot])),
                 Word(std::to_string(image.RangeHigh[slot])), Word(image.RangeUnit[slot])}};
}

std::string RangeCaption(const ProcessImage& image, int slot) {
  return Say(RangeCaptionPhrase(image, slot));
}

namespace pid {

std::string FormCreate(ProcessImage& image, int n) {
  if (!IsPidController(n)) return {};
  PidState& pid = image.Pid[n];
  pid.Mode = "hand";
  pid.ViewSize = "klein";
  pid.Width = kPidWidthKlein;
  return RangeCaption(image, PidRangeSlot(n));
}

void AutoButtonClick(ProcessImage& image, int n) {
  if (!IsPidController(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  PidState& pid = image.Pid[n];
  SetMode(pid, "auto", "Auto", true);
  pid.Sp = LimitToSetpointBoxes(pid, static_cast<double>(RoundEven(pid.Pv)));
  ShowSetpoint(image, n, 3);
  pid.ITerm = BumplessITerm(pid);
}

void ManualButtonClick(ProcessImage& image, int n) {
  if (!IsPidController(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  SetMode(image.Pid[n], "hand", "Hand", false);
}

void CascadeButtonClick(ProcessImage& image, int n) {
  if (n != 3) return;
  const ProjectEdit edit(image, KeptOf(n));
  PidState& pid = image.Pid[n];
  SetMode(pid, "casc", "Casc", true);
  pid.ITerm = BumplessITerm(pid);
}

void BypassButtonClick(ProcessImage& image, int n) {
  if (n != 3) return;
  const ProjectEdit edit(image, KeptOf(n));
  SetMode(image.Pid[n], "byps", "Bypas", false);
}

void SpinButton1UpClick(ProcessImage& image, int n) {
  if (!IsPidController(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  PidState& pid = image.Pid[n];
  if (pid.Mode == "auto") {
    double sp = std::min(pid.Sp + 0.5, 100.0);
    if (pid.Boxes.SpinEdit4 < sp) sp = pid.Boxes.SpinEdit4;
    pid.Sp = HalfPercent(sp);
    ShowSetpoint(image, n, 4);
  } else if (pid.Mode == "hand") {
    double out = HalfPercent(std::min(pid.Out + 0.5, 100.0));
    if (pid.Boxes.SpinEdit2 < out) out = pid.Boxes.SpinEdit2;
    pid.Out = out;
    ShowHandOutput(image, n);
  }
}

void SpinButton1DownClick(ProcessImage& image, int n) {
  if (!IsPidController(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  PidState& pid = image.Pid[n];
  if (pid.Mode == "auto") {
    double sp = std::max(pid.Sp - 0.5, 0.0);
    if (pid.Boxes.SpinEdit5 > sp) sp = pid.Boxes.SpinEdit5;
    pid.Sp = HalfPercent(sp);
    ShowSetpoint(image, n, 4);
  } else if (pid.Mode == "hand") {
    double out = HalfPercent(std::max(pid.Out - 0.5, 0.0));
    if (pid.Boxes.SpinEdit3 > out) out = pid.Boxes.SpinEdit3;
    pid.Out = out;
    ShowHandOutput(image, n);
  }
}

void SetSetpoint(ProcessImage& image, int n, double percent) {
  if (!IsPidController(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  PidState& pid = image.Pid[n];
  pid.Sp = LimitToSetpointBoxes(pid, std::clamp(percent, 0.0, 100.0));
  ShowSetpoint(image, n, 4);
}

void SetBox(ProcessImage& image, int n, PidBox box, int32_t value) {
  if (!IsPidController(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  const BoxRange range = PidBoxRange(n, box);
  value = std::clamp(value, range.min, range.max);
  int32_t& shown = BoxValue(image.Pid[n].Boxes, box);
  if (shown == value) return;
  shown = value;
  BoxChanged(image, n, box);
}

void RadioButton1Click(ProcessImage& image, int n) {
  if (!IsPidController(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  image.Pid[n].PidAction = 1;
  image.Pid[n].RadioButton1Checked = true;
}

void RadioButton2Click(ProcessImage& image, int n) {
  if (!IsPidController(n)) return;
  const ProjectEdit edit(image, KeptOf(n));
  image.Pid[n].PidAction = -1;
  image.Pid[n].RadioButton1Checked = false;
}

void SelectAction(ProcessImage& image, int n, bool direct) {
  if (!IsPidController(n)) return;
  PidState& pid = image.Pid[n];
  if (pid.RadioButton1Checked != direct) {
    direct ? RadioButton1Click(image, n) : RadioButton2Click(image, n);
  } else {
    // No click runs, but a stored action other than +1 or -1 (a damaged project file)
    // must not stay behind the choice the window shows.
    pid.PidAction = direct ? 1 : -1;
  }
}

void GKknopClick(ProcessImage& image, int n) {
  if (!IsPidController(n)) return;
  PidState& pid = image.Pid[n];
  pid.TuningEnabled = false;
  if (pid.ViewSize == "klein") {
    pid.ViewSize = "groot";
    pid.Width = kPidWidthGroot;
  } else if (pid.ViewSize == "groot") {
    pid.ViewSize = "super";
    pid.Width = kPidWidthSuper;
  } else if (pid.ViewSize == "super") {
    pid.ViewSize = "klein";
    pid.Width = kPidWidthKlein;
  }
}

void Button2Click(ProcessImage& image, int n) {
  if (!IsPidController(n)) return;
  image.Pid[n].TuningEnabled = true;
}

int Sluiten(ProcessImage& image, int n, int left) {
  if (IsPidController(n)) {
    PidState& pid = image.Pid[n];
    pid.Width = kPidWidthKlein;
    pid.ViewSize = "klein";
    pid.TuningEnabled = false;
  }
  return std::max(left, 0);
}

}  // namespace pid

}  // namespace tessaro
