#include "engine/editor/edit_history.h"

#include "engine/core/process_image.h"
#include "engine/editor/grid.h"
#include "engine/editor/placement.h"
#include "engine/project/project_apply.h"

namespace tessaro {

namespace {

bool ValidField(int row, int column) {
  return row >= 1 && row <= kRows && column >= 1 && column <= kColumns;
}

bool HasParams(int column) {
  return column >= kFirstProcessingColumn && column <= kLastProcessingColumn;
}

void Push(EditHistory& h, EditStep step) {
  h.undo.push_back(std::move(step));
  if (h.undo.size() > EditHistory::kDepth) h.undo.pop_front();
  h.redo.clear();
}

void ApplySlot(ProcessImage& image, int slot, const SlotState& s) {
  image.RangeLow[slot] = s.low;
  image.RangeHigh[slot] = s.high;
  image.RangeUnit[slot] = s.unit;
  image.InstrumentTitle[slot] = s.title;
}

// Puts the field back as `to` says. The parameters are written only when the step changed
// them, so that a timer's running count is not wound back by undoing a mere click.
UndoResult Apply(ProcessImage& image, const EditStep& step, const FieldState& from,
                 const FieldState& to, int selected_row, int selected_column,
                 const SlotState& slot) {
  const int r = step.row;
  const int c = step.column;
  image.FieldGrid[r][c] = to.key;
  if (HasParams(c)) {
    if (from.a != to.a) image.FieldParamA[r][c] = to.a;
    if (from.b != to.b) image.FieldParamB[r][c] = to.b;
  }
  if (step.slot != 0) ApplySlot(image, step.slot, slot);
  image.SelectedRow = selected_row;
  image.SelectedColumn = selected_column;
  image.History.pictures[r][c] = to.picture;
  image.History.click_open = false;
  return UndoResult{true, r, c, to.picture, step.slot};
}

enum class Direction { Back, Forward };

// Takes the newest step off one list, puts the field as it was before (undo) or after (redo)
// it, and hands the step to the other list.
UndoResult Replay(ProcessImage& image, Direction direction) {
  EditHistory& h = image.History;
  const bool back = direction == Direction::Back;
  std::deque<EditStep>& from = back ? h.undo : h.redo;
  std::deque<EditStep>& to = back ? h.redo : h.undo;
  if (from.empty()) return {};
  EditStep step = std::move(from.back());
  from.pop_back();
  const UndoResult result =
      back ? Apply(image, step, step.after, step.before, step.selected_row_before,
                   step.selected_column_before, step.slot_before)
           : Apply(image, step, step.before, step.after, step.selected_row_after,
                   step.selected_column_after, step.slot_after);
  to.push_back(std::move(step));
  image.UnsavedChanges = true;
  return result;
}

}  // namespace

FieldState CaptureField(const ProcessImage& image, int row, int column) {
  FieldState state;
  if (!ValidField(row, column)) return state;
  state.key = image.FieldGrid[row][column];
  if (HasParams(column)) {
    state.a = image.FieldParamA[row][column];
    state.b = image.FieldParamB[row][column];
  }
  state.picture = image.History.pictures[row][column];
  return state;
}

SlotState CaptureSlot(const ProcessImage& image, int slot) {
  if (slot < 1 || slot > kRangeSlots) return {};
  return SlotState{image.RangeLow[slot], image.RangeHigh[slot], image.RangeUnit[slot],
                   image.InstrumentTitle[slot]};
}

void RecordClick(ProcessImage& image, const FieldState& before, int selected_row,
                 int selected_column, const std::string& picture) {
  EditHistory& h = image.History;
  EditStep step;
  step.row = image.SelectedRow;
  step.column = image.SelectedColumn;
  step.before = before;
  step.selected_row_before = selected_row;
  step.selected_column_before = selected_column;
  h.pictures[step.row][step.column] = picture;
  step.after = CaptureField(image, step.row, step.column);
  step.selected_row_after = step.row;
  step.selected_column_after = step.column;
  Push(h, std::move(step));
  h.click_open = true;
}

void RecordPlacement(ProcessImage& image, const FieldState& before, const SlotState& slot_before,
                     const PlacementResult& result) {
  if (!result.placed) return;
  EditHistory& h = image.History;
  const int r = image.SelectedRow;
  const int c = image.SelectedColumn;
  // The field shows the block's picture, or keeps what it showed when none was loaded.
  if (!result.picture.empty()) h.pictures[r][c] = result.picture;
  const bool completes_click =
      h.click_open && !h.undo.empty() && h.undo.back().row == r && h.undo.back().column == c;
  if (!completes_click) {
    EditStep step;
    step.row = r;
    step.column = c;
    step.before = before;
    step.selected_row_before = step.selected_row_after = r;
    step.selected_column_before = step.selected_column_after = c;
    Push(h, std::move(step));
  }
  EditStep& step = h.undo.back();
  step.after = CaptureField(image, r, c);
  step.slot = result.instrument_slot;
  step.slot_before = slot_before;
  step.slot_after = CaptureSlot(image, step.slot);
  h.click_open = false;
}

UndoResult Undo(ProcessImage& image) { return Replay(image, Direction::Back); }

UndoResult Redo(ProcessImage& image) { return Replay(image, Direction::Forward); }

void ClearEditHistory(ProcessImage& image, GridAfterClear grid) {
  EditHistory& h = image.History;
  h.undo.clear();
  h.redo.clear();
  h.click_open = false;
  for (int r = 1; r <= kRows; ++r) {
    for (int c = 1; c <= kColumns; ++c) {
      const std::string& key = image.FieldGrid[r][c];
      if (grid == GridAfterClear::Fresh) {
        h.pictures[r][c].clear();
      } else if (!key.empty()) {
        h.pictures[r][c] = IsBlockKey(key) ? "Velden/" + key + ".bmp" : kBlankFieldPicture;
      }
    }
  }
}

}  // namespace tessaro
