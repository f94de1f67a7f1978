// What a project keeps beyond its 470 lines: the instruments' names, every controller's
// mode, setpoint and tuning, and the processing palette's editor values. They follow the 470
// lines as a section of their own: a marker line, then one "key=value" per line. A reader
// that takes 470 values and stops never sees it, and a project that leaves all of it at the
// start-up values gets no section at all, so such a file stays exactly 470 lines.
//
// Keys name the instrument by its block key and the value by the faceplate's own word:
//   Rec1.name=Temperatuur       Reg1.name=...            (the window titles)
//   Reg1.mode=auto              hand, auto; Reg3 also casc, byps
//   Reg1.setpoint=60            percent of the range, a real number
//   Reg1.pb  .ti  .td  .outmax  .outmin  .spmax  .spmin   (whole numbers, as the boxes)
//   Reg1.view=klein             klein, groot, super (step controllers: klein, groot)
//   Reg7.gap=10                 on/off controllers
//   palette.SpinEdit1.., palette.Edit1, palette.Edit2       (one per editor box)
// A key left out holds its start-up value; keys the program does not know are skipped.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/control/pid_state.h"
#include "engine/core/editing_tables.h"
#include "engine/core/image_sizes.h"

namespace tessaro {

struct ProcessImage;

inline constexpr char kExtrasMarker[] = "[Tessaro]";
// Lines read after the 470 at most: room for every key many times over.
constexpr int kMaxExtrasLines = 2000;

struct PidSettings {
  std::string mode = "hand";
  double setpoint = 0;
  PidBoxes boxes{100, 60, 0, 100, 0, 100, 0};
  std::string view = "klein";
  bool operator==(const PidSettings&) const = default;
};

// A step (4..6) or on/off (7..9) controller; the gap belongs to the on/off ones.
struct SetpointSettings {
  std::string mode = "hand";
  double setpoint = 0;
  int32_t gap = 10;
  std::string view = "klein";
  bool operator==(const SetpointSettings&) const = default;
};

struct ProjectExtras {
  std::array<std::string, kRangeSlots + 1> Name{};  // slots 1..17, "" while unnamed
  std::array<PidSettings, 4> Pid{};                 // 1..3
  std::array<SetpointSettings, 10> Controller{};    // 4..9
  PaletteEditors Editors{};
  bool operator==(const ProjectExtras&) const = default;
};

ProjectExtras CaptureExtras(const ProcessImage& image);

// The section, each line ended by CR LF, or "" when everything in it has its start-up value.
// Only the values that differ from their start-up value are written.
std::string FormatExtras(const ProjectExtras& extras);

struct ExtrasRead {
  std::optional<ProjectExtras> extras;  // none when the file has no section
  std::string error;                    // why the section is refused; "" when it is not
};

// Reads the lines after the 470: nothing when they do not begin with the marker line. Blank
// lines and lines starting with '#' are passed over; a line without '=' or a value that does
// not fit its key refuses the whole section.
ExtrasRead ParseExtras(const std::vector<std::string>& lines, size_t first_line_number);

// Puts the settings in force through the faceplates' and the palette's own actions, so the
// boxes push each other and the setpoint stays within its limits as a user's change would.
// The ranges must already be those of the project.
void ApplyExtras(const ProjectExtras& extras, ProcessImage& image);

}  // namespace tessaro
