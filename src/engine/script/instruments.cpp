// The faceplate commands and the prints of controllers, tags, trends and recorders.
#include <string>

#include "engine/control/onoff_controller.h"
#include "engine/control/pid_faceplate.h"
#include "engine/control/step_controller.h"
#include "simulator.h"

namespace tessaro::sim {

namespace {

std::string N(int64_t v) { return std::to_string(v); }
std::string R(double v) { return RealText(v); }

// Controller numbers of each kind: pid 1..3, step 4..6, onoff 7..9.
int Controller(const std::string& kind, const std::string& word) {
  const int first = kind == "pid" ? 1 : kind == "step" ? 4 : 7;
  return static_cast<int>(Integer(word, first, first + 2, (kind + " controller").c_str()));
}

void Pid(Simulator& s, int n, const Line& l) {
  ProcessImage& p = s.image();
  const std::string& what = l[2];
  if (l.size() == 3) {
    if (what == "auto") return pid::AutoButtonClick(p, n);
    if (what == "man") return pid::ManualButtonClick(p, n);
    if (what == "casc") return pid::CascadeButtonClick(p, n);
    if (what == "bypas") return pid::BypassButtonClick(p, n);
    if (what == "up") return pid::SpinButton1UpClick(p, n);
    if (what == "down") return pid::SpinButton1DownClick(p, n);
  }
  ExpectWords(l, 4);
  if (what == "action") {
    if (l[3] == "D") return pid::RadioButton1Click(p, n);
    if (l[3] == "R") return pid::RadioButton2Click(p, n);
    throw ScriptError("action must be D or R, got '" + l[3] + "'");
  }
  static const std::pair<const char*, PidBox> kBoxes[] = {
      {"pb", PidBox::PBSpin},        {"ti", PidBox::ItijdSpin},     {"td", PidBox::DtijdSpin},
      {"outmax", PidBox::SpinEdit2}, {"outmin", PidBox::SpinEdit3}, {"spmax", PidBox::SpinEdit4},
      {"spmin", PidBox::SpinEdit5},
  };
  for (const auto& [name, box] : kBoxes) {
    if (what == name) {
      const BoxRange range = PidBoxRange(n, box);
      return pid::SetBox(p, n, box,
                         static_cast<int32_t>(Integer(l[3], range.min, range.max, name)));
    }
  }
  throw ScriptError("no pid faceplate action '" + what + "'");
}

template <typename Auto, typename Hand, typename Up, typename Down>
bool ModeOrArrow(const std::string& what, Auto on_auto, Hand on_hand, Up on_up, Down on_down) {
  if (what == "auto") return on_auto(), true;
  if (what == "man") return on_hand(), true;
  if (what == "up") return on_up(), true;
  if (what == "down") return on_down(), true;
  return false;
}

void Step(Simulator& s, int n, const Line& l) {
  ExpectWords(l, 3);
  ProcessImage& p = s.image();
  if (!ModeOrArrow(
          l[2], [&] { step::AutoButtonClick(p, n); }, [&] { step::HandButtonClick(p, n); },
          [&] { step::SpinButton1UpClick(p, n); }, [&] { step::SpinButton1DownClick(p, n); })) {
    throw ScriptError("no step faceplate action '" + l[2] + "'");
  }
}

void OnOff(Simulator& s, int n, const Line& l) {
  ProcessImage& p = s.image();
  if (l.size() == 4 && l[2] == "gap") {
    return onoff::GapButtonClick(p, n, static_cast<int>(Integer(l[3], 1, 100, "gap")));
  }
  ExpectWords(l, 3);
  if (!ModeOrArrow(
          l[2], [&] { onoff::AutoButtonClick(p, n); }, [&] { onoff::HandButtonClick(p, n); },
          [&] { onoff::SpinButton1UpClick(p, n); }, [&] { onoff::SpinButton1DownClick(p, n); })) {
    throw ScriptError("no onoff faceplate action '" + l[2] + "'");
  }
}

void PrintTag(Simulator& s, const Line& l) {
  ExpectWords(l, 5);
  const std::string& kind = l[2];
  if (kind != "pid" && kind != "step" && kind != "onoff") {
    throw ScriptError("tag kind must be pid, step or onoff, got '" + kind + "'");
  }
  const int n = Controller(kind, l[3]);
  const std::string& which = l[4];
  const ProcessImage& p = s.image();
  const Tag* tag = nullptr;
  if (kind == "pid") {
    const PidState& c = p.Pid[n];
    tag = which == "op" ? &c.OpTag : which == "sp" ? &c.SpTag : which == "pv" ? &c.PvTag : nullptr;
  } else {
    const SetpointFaceplate& c =
        kind == "step" ? static_cast<const SetpointFaceplate&>(p.Step[n]) : p.OnOff[n];
    tag = which == "sp" ? &c.SpTag : which == "pv" ? &c.PvTag : nullptr;
  }
  if (tag == nullptr) throw ScriptError("no " + which + " tag on a " + kind + " faceplate");
  s.Print("tag " + kind + " " + N(n) + " " + which + " " + N(tag->top) +
          " visible=" + (tag->visible ? "1" : "0") + " " + tag->text);
}

void PrintTrend(Simulator& s, const Line& l) {
  ExpectWords(l, 6);
  const std::string& kind = l[2];
  if (kind != "pid" && kind != "step" && kind != "onoff") {
    throw ScriptError("trend kind must be pid, step or onoff, got '" + kind + "'");
  }
  const int n = Controller(kind, l[3]);
  const std::string& which = l[4];
  const int k = static_cast<int>(Integer(l[5], 0, kTrendLength, "count"));
  const ProcessImage& p = s.image();
  const Trend* trend = nullptr;
  if (kind == "pid") {
    const PidState& c = p.Pid[n];
    trend = which == "pv"    ? &c.PvTrend
            : which == "sp"  ? &c.SpTrend
            : which == "out" ? &c.OutTrend
                             : nullptr;
  } else {
    const SetpointFaceplate& c =
        kind == "step" ? static_cast<const SetpointFaceplate&>(p.Step[n]) : p.OnOff[n];
    trend = which == "pv" ? &c.PvTrend : which == "sp" ? &c.SpTrend : nullptr;
  }
  if (trend == nullptr) throw ScriptError("no " + which + " trend on a " + kind + " faceplate");
  std::string text = "trend " + kind + " " + N(n) + " " + which;
  for (int i = 0; i < k; ++i) text += " " + N((*trend)[static_cast<size_t>(i)]);
  s.Print(text);
}

}  // namespace

void InstrumentCommand(Simulator& s, const Line& l) {
  if (l[0] == "step" && l.size() == 1) return RunCommand(s, l);  // "Stap"
  if (l.size() < 3) throw ScriptError("'" + l[0] + "' needs a controller and an action");
  const int n = Controller(l[0], l[1]);
  if (l[0] == "pid") return Pid(s, n, l);
  if (l[0] == "step") return Step(s, n, l);
  OnOff(s, n, l);
}

void PrintInstrument(Simulator& s, const Line& l) {
  const std::string& what = l[1];
  const ProcessImage& p = s.image();
  if (what == "tag") return PrintTag(s, l);
  if (what == "trend") return PrintTrend(s, l);
  if (what == "recorder") {
    ExpectWords(l, 4);
    const int n = static_cast<int>(Integer(l[2], 1, kRecorders, "recorder"));
    const int k = static_cast<int>(Integer(l[3], 0, kRecorderLength, "count"));
    std::string text = "recorder " + N(n);
    for (int i = 0; i < k; ++i) text += " " + N(p.Recorder[n][static_cast<size_t>(i)]);
    return s.Print(text);
  }
  ExpectWords(l, 3);
  const int n = Controller(what, l[2]);
  if (what == "pid") {
    const PidState& c = p.Pid[n];
    s.Print("pid " + N(n) + " mode=" + c.Mode + " sp=" + R(c.Sp) + " pv=" + R(c.Pv) + " out=" +
            R(c.Out) + " pterm=" + R(c.PTerm) + " iterm=" + R(c.ITerm) + " dterm=" + R(c.DTerm) +
            " pb=" + R(c.Pb) + " ti=" + R(c.Ti) + " td=" + R(c.Td) + " outmax=" + R(c.OutMax) +
            " outmin=" + R(c.OutMin) + " action=" + (c.PidAction == 1 ? "D" : "R"));
  } else if (what == "step") {
    const StepState& c = p.Step[n];
    s.Print("step " + N(n) + " mode=" + c.Mode + " sp=" + R(c.Sp) + " pv=" + R(c.Pv) +
            " count=" + N(c.PulseCount) + " open=" + N(c.OpenPulse) + " close=" + N(c.ClosePulse) +
            " lamp1=" + LampColourName(c.OpenLamp) + " lamp2=" + LampColourName(c.CloseLamp));
  } else {
    const OnOffState& c = p.OnOff[n];
    s.Print("onoff " + N(n) + " mode=" + c.Mode + " sp=" + R(c.Sp) + " pv=" + R(c.Pv) +
            " out=" + N(c.Out) + " gap=" + N(c.Gap) + " lamp=" + LampColourName(c.Lamp));
  }
}

}  // namespace tessaro::sim
