#include "engine/project/project_extras.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <map>

#include "engine/control/onoff_controller.h"
#include "engine/control/pid_faceplate.h"
#include "engine/control/setpoint_faceplate.h"
#include "engine/control/step_controller.h"
#include "engine/core/block_table.h"
#include "engine/core/process_image.h"
#include "engine/editor/placement.h"

namespace tessaro {

namespace {

// One key of the section: how its value is written and read back.
struct Key {
  std::string name;
  std::function<std::string(const ProjectExtras&)> get;
  std::function<bool(ProjectExtras&, const std::string&)> set;
};

std::string RealText(double x) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, res.ptr);
}

bool ReadReal(const std::string& text, double& out) {
  double value = 0;
  auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  if (res.ec != std::errc() || res.ptr != text.data() + text.size() || !std::isfinite(value)) {
    return false;
  }
  out = value;
  return true;
}

bool ReadWhole(const std::string& text, int32_t& out) {
  int32_t value = 0;
  auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  if (res.ec != std::errc() || res.ptr != text.data() + text.size()) return false;
  out = value;
  return true;
}

// A whole-number value reached through `field`, which only hands out a member (the writer
// reads through it).
template <typename Get>
Key WholeKey(std::string name, Get field) {
  return {std::move(name),
          [field](const ProjectExtras& x) {
            return std::to_string(field(const_cast<ProjectExtras&>(x)));
          },
          [field](ProjectExtras& x, const std::string& v) { return ReadWhole(v, field(x)); }};
}

template <typename Get>
Key RealKey(std::string name, Get field) {
  return {
      std::move(name),
      [field](const ProjectExtras& x) { return RealText(field(const_cast<ProjectExtras&>(x))); },
      [field](ProjectExtras& x, const std::string& v) { return ReadReal(v, field(x)); }};
}

// A text value; `allowed` lists the words it may hold, or is empty for any text.
template <typename Get>
Key TextKey(std::string name, Get field, std::vector<const char*> allowed = {}) {
  return {std::move(name),
          [field](const ProjectExtras& x) {
            std::string text = field(const_cast<ProjectExtras&>(x));
            for (char& ch : text) {
              if (ch == '\r' || ch == '\n') ch = ' ';
            }
            return text;
          },
          [field, allowed](ProjectExtras& x, const std::string& v) {
            bool ok = allowed.empty();
            for (const char* word : allowed) ok = ok || v == word;
            if (ok) field(x) = v;
            return ok;
          }};
}

std::vector<Key> BuildKeys() {
  std::vector<Key> keys;
  for (int slot = 1; slot <= kRangeSlots; ++slot) {
    const std::string instrument =
        slot <= kRecorders ? "Rec" + std::to_string(slot) : "Reg" + std::to_string(slot - 8);
    keys.push_back(TextKey(instrument + ".name",
                           [slot](ProjectExtras& x) -> std::string& { return x.Name[slot]; }));
  }
  for (int n = 1; n <= 3; ++n) {
    const std::string reg = "Reg" + std::to_string(n) + ".";
    auto pid = [n](ProjectExtras& x) -> PidSettings& { return x.Pid[n]; };
    std::vector<const char*> modes{"hand", "auto"};
    if (n == 3) modes.insert(modes.end(), {"casc", "byps"});
    keys.push_back(TextKey(
        reg + "mode", [pid](ProjectExtras& x) -> std::string& { return pid(x).mode; }, modes));
    keys.push_back(
        RealKey(reg + "setpoint", [pid](ProjectExtras& x) -> double& { return pid(x).setpoint; }));
    const std::pair<const char*, int32_t PidBoxes::*> boxes[] = {
        {"pb", &PidBoxes::PBSpin},        {"ti", &PidBoxes::ItijdSpin},
        {"td", &PidBoxes::DtijdSpin},     {"outmax", &PidBoxes::SpinEdit2},
        {"outmin", &PidBoxes::SpinEdit3}, {"spmax", &PidBoxes::SpinEdit4},
        {"spmin", &PidBoxes::SpinEdit5}};
    for (const auto& [word, member] : boxes) {
      keys.push_back(WholeKey(reg + word, [pid, member = member](ProjectExtras& x) -> int32_t& {
        return pid(x).boxes.*member;
      }));
    }
    keys.push_back(TextKey(reg + "view",
                           [pid](ProjectExtras& x) -> std::string& { return pid(x).view; },
                           {"klein", "groot", "super"}));
  }
  for (int n = kFirstStepController; n <= kLastOnOffController; ++n) {
    const std::string reg = "Reg" + std::to_string(n) + ".";
    auto plate = [n](ProjectExtras& x) -> SetpointSettings& { return x.Controller[n]; };
    const bool onoff = n >= kFirstOnOffController;
    keys.push_back(TextKey(reg + "mode",
                           [plate](ProjectExtras& x) -> std::string& { return plate(x).mode; },
                           {"hand", "auto"}));
    keys.push_back(RealKey(reg + "setpoint",
                           [plate](ProjectExtras& x) -> double& { return plate(x).setpoint; }));
    if (onoff) {
      keys.push_back(
          WholeKey(reg + "gap", [plate](ProjectExtras& x) -> int32_t& { return plate(x).gap; }));
    }
    std::vector<const char*> views{"klein", "groot"};
    if (onoff) views.push_back("super");
    keys.push_back(TextKey(
        reg + "view", [plate](ProjectExtras& x) -> std::string& { return plate(x).view; }, views));
  }
  for (int i = 1; i <= SpinEditCount(); ++i) {
    keys.push_back(WholeKey("palette.SpinEdit" + std::to_string(i),
                            [i](ProjectExtras& x) -> int32_t& { return x.Editors.SpinEdit[i]; }));
  }
  keys.push_back(
      TextKey("palette.Edit1", [](ProjectExtras& x) -> std::string& { return x.Editors.Edit1; }));
  keys.push_back(
      TextKey("palette.Edit2", [](ProjectExtras& x) -> std::string& { return x.Editors.Edit2; }));
  return keys;
}

const std::vector<Key>& Keys() {
  static const std::vector<Key> keys = BuildKeys();
  return keys;
}

const Key* FindKey(const std::string& name) {
  static const std::map<std::string, const Key*> by_name = [] {
    std::map<std::string, const Key*> map;
    for (const Key& key : Keys()) map[key.name] = &key;
    return map;
  }();
  auto it = by_name.find(name);
  return it == by_name.end() ? nullptr : it->second;
}

// "Grafiek" until the faceplate has the width asked for; every width is reached within
// three presses.
template <typename Click>
void PressGrafiekUntil(const std::string& view, const std::string& now, Click click) {
  for (int press = 0; press < 3 && now != view; ++press) click();
}

}  // namespace

ProjectExtras CaptureExtras(const ProcessImage& image) {
  ProjectExtras x;
  x.Name = image.InstrumentTitle;
  for (int n = 1; n <= 3; ++n) {
    const PidState& pid = image.Pid[n];
    x.Pid[n] = {pid.Mode, pid.Sp, pid.Boxes, pid.ViewSize};
  }
  for (int n = kFirstStepController; n <= kLastStepController; ++n) {
    const StepState& step = image.Step[n];
    x.Controller[n] = {step.Mode, step.Sp, SetpointSettings{}.gap, step.ViewSize};
  }
  for (int n = kFirstOnOffController; n <= kLastOnOffController; ++n) {
    const OnOffState& onoff = image.OnOff[n];
    x.Controller[n] = {onoff.Mode, onoff.Sp, onoff.Gap, onoff.ViewSize};
  }
  x.Editors = image.Editors;
  return x;
}

std::string FormatExtras(const ProjectExtras& extras) {
  static const ProjectExtras start;
  std::string out;
  for (const Key& key : Keys()) {
    const std::string value = key.get(extras);
    if (value != key.get(start)) out += key.name + "=" + value + "\r\n";
  }
  if (out.empty()) return out;
  return std::string(kExtrasMarker) + "\r\n" + out;
}

ExtrasRead ParseExtras(const std::vector<std::string>& lines, size_t first_line_number) {
  ExtrasRead read;
  if (lines.empty() || lines.front() != kExtrasMarker) return read;
  ProjectExtras x;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty() || line.front() == '#') continue;
    const size_t equals = line.find('=');
    const std::string where = " on line " + std::to_string(first_line_number + i);
    if (equals == std::string::npos) {
      read.error = "No key=value" + where;
      return read;
    }
    const std::string name = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    const Key* key = FindKey(name);
    if (key == nullptr) continue;  // written by a newer program, perhaps
    if (!key->set(x, value)) {
      read.error = "Invalid value \"" + value + "\" for " + name + where;
      return read;
    }
  }
  read.extras = std::move(x);
  return read;
}

void ApplyExtras(const ProjectExtras& x, ProcessImage& image) {
  image.InstrumentTitle = x.Name;
  for (int i = 1; i <= SpinEditCount(); ++i) SetSpinEdit(image, i, x.Editors.SpinEdit[i]);
  image.Editors.Edit1 = x.Editors.Edit1;
  image.Editors.Edit2 = x.Editors.Edit2;

  for (int n = 1; n <= 3; ++n) {
    const PidSettings& s = x.Pid[n];
    for (PidBox box : {PidBox::PBSpin, PidBox::ItijdSpin, PidBox::DtijdSpin, PidBox::SpinEdit2,
                       PidBox::SpinEdit3, PidBox::SpinEdit4, PidBox::SpinEdit5}) {
      pid::SetBox(image, n, box, PidBoxValue(s.boxes, box));
    }
    if (s.mode == "auto") pid::AutoButtonClick(image, n);
    if (s.mode == "hand") pid::ManualButtonClick(image, n);
    if (s.mode == "casc") pid::CascadeButtonClick(image, n);
    if (s.mode == "byps") pid::BypassButtonClick(image, n);
    pid::SetSetpoint(image, n, s.setpoint);
    PressGrafiekUntil(s.view, image.Pid[n].ViewSize, [&] { pid::GKknopClick(image, n); });
  }
  for (int n = kFirstStepController; n <= kLastStepController; ++n) {
    const SetpointSettings& s = x.Controller[n];
    if (s.mode == "auto") step::AutoButtonClick(image, n);
    if (s.mode == "hand") step::HandButtonClick(image, n);
    SetSetpoint(image.Step[n], image, 8 + n, s.setpoint);
    PressGrafiekUntil(s.view, image.Step[n].ViewSize, [&] { step::GKknopClick(image, n); });
  }
  for (int n = kFirstOnOffController; n <= kLastOnOffController; ++n) {
    const SetpointSettings& s = x.Controller[n];
    onoff::GapButtonClick(image, n, s.gap);
    if (s.mode == "auto") onoff::AutoButtonClick(image, n);
    if (s.mode == "hand") onoff::HandButtonClick(image, n);
    SetSetpoint(image.OnOff[n], image, 8 + n, s.setpoint);
    PressGrafiekUntil(s.view, image.OnOff[n].ViewSize, [&] { onoff::GKknopClick(image, n); });
  }
}

}  // namespace tessaro
