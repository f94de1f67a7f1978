// The editing state: the selected field, the processing palette's editors, undo and redo,
// and whether the project has changed since it was saved.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/editor/edit_history.h"

namespace tessaro {

// The start values of the processing palette's spin boxes, indexed 1..SpinEditCount().
std::vector<int32_t> SpinEditStartValues();

// The setting editors of the processing palette, at their start values (see the block
// table's editor boxes). SpinEdit[1..]; Edit1 is the range unit, Edit2 the instrument name.
struct PaletteEditors {
  std::vector<int32_t> SpinEdit = SpinEditStartValues();
  std::string Edit1 = "eenheid";
  std::string Edit2 = "Naam";
  bool operator==(const PaletteEditors&) const = default;
};

struct EditingTables {
  int32_t SelectedRow = 0;
  int32_t SelectedColumn = 0;
  std::string ChosenKey;

  // The processing palette's editors.
  PaletteEditors Editors;

  // Undo and redo of the logic grid's edits.
  EditHistory History;

  // The project differs from what was last saved or loaded: every editing action that
  // changes what a project file holds sets it; a save, a load and "Nieuw" clear it.
  // Running values (signals, counts, outputs in hand) never set it.
  bool UnsavedChanges = false;
};

}  // namespace tessaro
