// Editing, inputs, time and the project file.
#include <string>

#include "engine/board/board_search.h"
#include "engine/board/usb_board.h"
#include "engine/core/block_keys.h"
#include "engine/core/block_table.h"
#include "engine/core/board_connection.h"
#include "engine/core/operator_screen.h"
#include "engine/core/utf8_path.h"
#include "engine/editor/edit_history.h"
#include "engine/editor/grid.h"
#include "engine/editor/placement.h"
#include "engine/project/project_file.h"
#include "engine/project/project_session.h"
#include "engine/screen/layout_editor.h"
#include "simulator.h"

namespace tessaro::sim {

namespace {

int Row(const std::string& word) { return static_cast<int>(Integer(word, 1, kRows, "row")); }

int Column(const std::string& word, int min = 1, int max = kColumns) {
  return static_cast<int>(Integer(word, min, max, "column"));
}

// Which palette a script's `place` chooses from: the one that offers the key, and for
// "Leeg", which every palette offers, the palette of the field's column.
Palette PaletteFor(const std::string& key, int column) {
  if (key == "Leeg") return PaletteForColumn(column);
  for (Palette p : {Palette::Input, Palette::Processing, Palette::Output}) {
    if (PaletteOffers(p, key)) return p;
  }
  throw ScriptError("no palette offers '" + key + "'");
}

void Place(Simulator& s, const Line& l) {
  ExpectWords(l, 4);
  const int r = Row(l[1]);
  const int c = Column(l[2]);
  const Palette palette = PaletteFor(l[3], c);
  // A click on the field selects it; the palette's entry then places the block.
  VeldClick(s.image(), r, c);
  const PlacementResult result = PlaceBlock(s.image(), palette, l[3]);
  if (!result.message.empty()) s.Information(s.Render(result.message));
}

void Editor(Simulator& s, const Line& l) {
  if (l.size() < 2) throw ScriptError("'editor' needs a name");
  const std::string& name = l[1];
  if (name == "Edit1" || name == "Edit2") {
    SetEditText(s.image(), name == "Edit1" ? &PaletteEditors::Edit1 : &PaletteEditors::Edit2,
                l.text_after_second);
    return;
  }
  for (const EditorBox& box : EditorBoxes()) {
    if (box.spin == 0 || name != box.name) continue;
    ExpectWords(l, 3);
    SetSpinEdit(s.image(), box.spin, Integer(l[2], INT32_MIN, INT32_MAX, "value"));
    return;
  }
  throw ScriptError("no editor '" + name + "'");
}

void Param(Simulator& s, const Line& l) {
  ExpectWords(l, 5);
  const int r = Row(l[1]);
  const int c = Column(l[2], kFirstProcessingColumn, kLastProcessingColumn);
  s.image().FieldParamA[r][c] = static_cast<int32_t>(Integer(l[3], INT32_MIN, INT32_MAX, "A"));
  s.image().FieldParamB[r][c] = static_cast<int32_t>(Integer(l[4], INT32_MIN, INT32_MAX, "B"));
  s.image().UnsavedChanges = true;
}

void ShowOrHide(Simulator& s, const Line& l) {
  ExpectWords(l, 2);
  SetItemVisible(s.image(), s, ItemOf(l[1]), l[0] == "show");
}

void Move(Simulator& s, const Line& l) {
  ExpectWords(l, 4);
  const int item = ItemOf(l[1]);
  // As the layout editor's position boxes do, a position outside 0..2000 and 0..1200 is
  // taken as the nearest end of the range.
  SetItemLeft(s.image(), s, item, static_cast<int>(Clamped(l[2], 0, kMaxItemLeft, "left")));
  SetItemTop(s.image(), s, item, static_cast<int>(Clamped(l[3], 0, kMaxItemTop, "top")));
}

int64_t Count(const Line& l) {
  if (l.size() == 1) return 1;
  ExpectWords(l, 2);
  return Integer(l[1], 0, 100'000'000, "count");
}

}  // namespace

void EditingCommand(Simulator& s, const Line& l) {
  const std::string& c = l[0];
  if (c == "place") return Place(s, l);
  if (c == "editor") return Editor(s, l);
  if (c == "param") return Param(s, l);
  if (c == "move") return Move(s, l);
  ShowOrHide(s, l);
}

void InputCommand(Simulator& s, const Line& l) {
  const std::string& c = l[0];
  if (c == "button") {
    ExpectWords(l, 2);
    KnopClick(s.image(), s, static_cast<int>(Integer(l[1], 1, kScreenButtons, "button")));
  } else if (c == "knob") {
    ExpectWords(l, 3);
    const int n = static_cast<int>(Integer(l[1], 1, kValueKnobs, "knob"));
    KnobChanged(s.image(), n, static_cast<int>(Integer(l[2], 0, 255, "knob value")));
  } else if (c == "ain") {
    ExpectWords(l, 3);
    const int n = static_cast<int>(Integer(l[1], 1, kAnalogInputs, "analog input"));
    if (!s.lab().SetAnalogInput(n, static_cast<uint8_t>(Integer(l[2], 0, 255, "value")))) {
      throw ScriptError("analog input " + l[1] + " is driven by the plant");
    }
  } else if (c == "din") {
    ExpectWords(l, 3);
    const int n = static_cast<int>(Integer(l[1], 1, 5, "digital input"));
    if (!s.lab().SetDigitalInput(n, Integer(l[2], 0, 1, "level") == 1)) {
      throw ScriptError("digital input " + l[1] + " is driven by the plant");
    }
  } else {  // kaart
    ExpectWords(l, 2);
    s.image().AddressBox = static_cast<int32_t>(Integer(l[1], 0, 3, "address"));
    KaartLezenClick(s.image(), s.board(), s, s);
  }
}

void TimeCommand(Simulator& s, const Line& l) {
  const std::string& c = l[0];
  if (c == "run") {
    ExpectWords(l, 2);
    s.Advance(Integer(l[1], 0, 1'000'000'000, "milliseconds"));
    return;
  }
  const int64_t k = Count(l);
  if (c == "tick" || c == "cycle") {
    for (int64_t i = 0; i < (c == "tick" ? k : 4 * k); ++i) {
      s.PlantAdvance(250);
      s.ScanTick();
    }
  } else {  // mux
    for (int64_t i = 0; i < k; ++i) s.MuxTick();
  }
}

void RunCommand(Simulator& s, const Line& l) {
  const std::string& c = l[0];
  if (c == "speed") {
    ExpectWords(l, 2);
    const int n = static_cast<int>(Integer(l[1], 1, 10, "speed"));
    if (!SetSpeed(s.run(), n)) throw ScriptError("speed must be 1, 2 or 10, got " + l[1]);
    return;
  }
  ExpectWords(l, 1);
  if (c == "pause") {
    Pause(s.run());
  } else if (c == "resume") {
    Resume(s.run());
  } else if (c == "step") {
    Step(s.run(), s);
  } else if (c == "undo") {
    Undo(s.image());
  } else {
    Redo(s.image());
  }
}

void ProjectCommand(Simulator& s, const Line& l) {
  ProjectSession& project = s.project();
  if (l[0] == "new") {
    ExpectWords(l, 1);
    project.New();
    return;
  }
  if (l.size() == 1) {
    l[0] == "save" ? project.Save() : project.Load();
    return;
  }
  ExpectWords(l, 2);
  // A relative path is taken from the working folder, as the program's file dialog does.
  const std::filesystem::path file = s.root() / Utf8Path(l[1]);
  l[0] == "save" ? project.SaveAs(file) : project.Open(file);
}

}  // namespace tessaro::sim

namespace tessaro::sim {

void BoardsCommand(Simulator& s, const Line& l) {
  ExpectWords(l, 1);
  // The bus itself, not the script's simulated board: the same look "Kaart" takes when it
  // finds nothing.
  UsbBoard usb(MakeSystemUsbTransport());
  const std::vector<FoundBoard> found = usb.Survey();
  if (found.empty()) s.Print("boards none");
  for (const FoundBoard& board : found) {
    s.Print("board address=" + std::to_string(board.address) +
            " status=" + AccessName(board.access));
  }
}

}  // namespace tessaro::sim
