// Undo and redo in the logic grid. Every change to a field is one step: the click that
// blanks it, the placement that follows (together with the click, one step), and with it the
// settings copied into the field's parameters and an instrument's range slot. Run-time
// signal values are never part of a step.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>

namespace tessaro {

struct ProcessImage;
struct PlacementResult;

// The picture a field shows: a file under the data folder, or "" for the grey start picture.
struct FieldState {
  std::string key;
  int32_t a = 0;
  int32_t b = 0;
  std::string picture;
  friend bool operator==(const FieldState&, const FieldState&) = default;
};

// A recorder's or controller's range slot and the name of its window.
struct SlotState {
  int32_t low = 0;
  int32_t high = 0;
  std::string unit;
  std::string title;
  friend bool operator==(const SlotState&, const SlotState&) = default;
};

struct EditStep {
  int row = 0;
  int column = 0;
  FieldState before, after;
  int selected_row_before = 0, selected_column_before = 0;
  int selected_row_after = 0, selected_column_after = 0;
  int slot = 0;  // the range slot the step wrote, 0 for none
  SlotState slot_before, slot_after;
};

struct EditHistory {
  // At least this many steps can be undone; older ones are forgotten.
  static constexpr size_t kDepth = 200;

  size_t undo_steps() const { return undo.size(); }
  size_t redo_steps() const { return redo.size(); }

  std::deque<EditStep> undo;
  std::deque<EditStep> redo;
  bool click_open = false;  // the newest step is a click that a placement may complete
  // The picture each field shows, [row 1..16][column 1..7], as far as the editing knows it.
  std::array<std::array<std::string, 8>, 17> pictures{};
};

// What the grid window must show after an undo or redo: the field's picture ("" for the grey
// start picture). `slot` is the range slot put back, 0 for none; the instrument's window
// shows its name from there when it is next shown.
struct UndoResult {
  bool done = false;
  int row = 0;
  int column = 0;
  std::string picture;
  int slot = 0;
};

// The state of field (row, column) and of range slot `slot` as a step records it.
FieldState CaptureField(const ProcessImage& image, int row, int column);
SlotState CaptureSlot(const ProcessImage& image, int slot);

// A field click has selected the field and blanked it with `picture`; `before` and the
// selection before the click were taken from the image before it.
void RecordClick(ProcessImage& image, const FieldState& before, int selected_row,
                 int selected_column, const std::string& picture);

// A placement into the selected field has been carried out; `before` and `slot_before` (the
// range slot the key writes, if any) were captured before it. A placement right after a click
// on the same field completes the click's step.
void RecordPlacement(ProcessImage& image, const FieldState& before, const SlotState& slot_before,
                     const PlacementResult& result);

// Ctrl+Z / Ctrl+Y. Nothing to undo or redo: done is false.
UndoResult Undo(ProcessImage& image);
UndoResult Redo(ProcessImage& image);

// A project load or "Nieuw": the history starts empty. After a load the fields with a key
// show its picture and the others keep theirs; after "Nieuw" every field shows the start
// picture.
enum class GridAfterClear { Loaded, Fresh };
void ClearEditHistory(ProcessImage& image, GridAfterClear grid = GridAfterClear::Loaded);

}  // namespace tessaro
