#include "engine/editor/placement.h"

#include <algorithm>
#include <charconv>

#include "engine/core/block_code.h"
#include "engine/core/block_table.h"
#include "engine/core/process_image.h"
#include "engine/editor/edit_history.h"

namespace tessaro {

namespace {

// The range of SpinEdit<n>, for n in 1..SpinEditCount().
EditorRange RangeOf(int n) {
  for (const EditorBox& box : EditorBoxes()) {
    if (box.spin == n) return {box.min, box.max};
  }
  return {0, 0};
}

bool ValidEditor(int n) { return n >= 1 && n <= SpinEditCount(); }

bool ValidField(int row, int column) {
  return row >= 1 && row <= kRows && column >= 1 && column <= kColumns;
}

// The range slot a recorder or controller key writes; 0 for any other key.
int SlotOf(std::string_view key) {
  const BlockCode code = DecodeKey(key);
  if (code.kind == BlockKind::Recorder) return code.number;
  if (code.kind == BlockKind::Controller) return kRecorders + code.number;
  return 0;
}

void CopyRangeSettings(ProcessImage& image, int slot) {
  const PaletteEditors& e = image.Editors;
  image.RangeLow[slot] = e.SpinEdit[1];
  image.RangeHigh[slot] = e.SpinEdit[2];
  image.RangeUnit[slot] = e.Edit1;
  image.InstrumentTitle[slot] = e.Edit2;
}

// The per-field settings, as the block table names the editor of each parameter. Returns
// false for a key without such settings.
bool CopyFieldSettings(ProcessImage& image, BlockCode code, int r, int c) {
  const BlockType* type = TypeOf(code);
  if (type == nullptr || type->a.meaning.dutch == nullptr) return false;
  const auto copy = [&image](const BlockParam& param, int32_t& field) {
    if (param.editor != 0) {
      field = image.Editors.SpinEdit[static_cast<size_t>(param.editor)];
    } else if (param.reset) {
      field = 0;
    }
  };
  copy(type->a, image.FieldParamA[r][c]);
  copy(type->b, image.FieldParamB[r][c]);
  return true;
}

// The processing entries' settings: a recorder's or controller's range slot and title, or
// the field's parameters. The parameters exist only for columns 2..6; chosen for another
// column, such an entry's settings are dropped.
void CopySettings(ProcessImage& image, std::string_view key, PlacementResult& result) {
  const BlockCode code = DecodeKey(key);
  const int r = image.SelectedRow;
  const int c = image.SelectedColumn;
  if (code.kind == BlockKind::Recorder || code.kind == BlockKind::Controller) {
    result.instrument_slot = SlotOf(key);
    CopyRangeSettings(image, result.instrument_slot);
    result.settings_copied = true;
  } else if (c >= kFirstProcessingColumn && c <= kLastProcessingColumn) {
    result.settings_copied = CopyFieldSettings(image, code, r, c);
  }
}

}  // namespace

EditorRange SpinEditRange(int n) { return ValidEditor(n) ? RangeOf(n) : EditorRange{0, 0}; }

void SetSpinEdit(ProcessImage& image, int n, int64_t value) {
  if (!ValidEditor(n)) return;
  const EditorRange range = RangeOf(n);
  const auto kept = static_cast<int32_t>(std::clamp<int64_t>(value, range.min, range.max));
  if (image.Editors.SpinEdit[n] != kept) image.UnsavedChanges = true;
  image.Editors.SpinEdit[n] = kept;
}

void SetSpinEditText(ProcessImage& image, int n, std::string_view text) {
  if (!ValidEditor(n)) return;
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  if (first == std::string_view::npos) {
    SetSpinEdit(image, n, RangeOf(n).min);
    return;
  }
  std::string_view digits = text.substr(first, last - first + 1);
  if (digits.size() > 1 && digits.front() == '+') digits.remove_prefix(1);
  int32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  const bool whole_number = error == std::errc() && end == digits.data() + digits.size();
  SetSpinEdit(image, n, whole_number ? value : RangeOf(n).min);
}

void SetEditText(ProcessImage& image, std::string PaletteEditors::*edit, std::string_view text) {
  std::string& held = image.Editors.*edit;
  if (held == text) return;
  held = text;
  image.UnsavedChanges = true;
}

PlacementResult PlaceBlock(ProcessImage& image, Palette palette, std::string_view key,
                           const FieldPictureLoad& load) {
  PlacementResult result;
  if (!PaletteOffers(palette, key) || !ValidField(image.SelectedRow, image.SelectedColumn)) {
    return result;
  }
  const FieldState before = CaptureField(image, image.SelectedRow, image.SelectedColumn);
  const SlotState slot_before =
      CaptureSlot(image, palette == Palette::Processing ? SlotOf(key) : 0);
  image.ChosenKey = key;
  image.FieldGrid[image.SelectedRow][image.SelectedColumn] = image.ChosenKey;
  result.placed = true;

  if (PaletteOwnsColumn(palette, image.SelectedColumn)) {
    const std::string file = "Velden/" + image.ChosenKey + ".bmp";
    if (!load || load(file)) {
      result.picture = file;
    } else {
      result.picture_failed = true;
      result.message = {Phrase{TextId::kNoBlockPicture, {Word(image.ChosenKey)}}};
    }
  }
  result.palette_closes = true;
  if (palette == Palette::Processing) CopySettings(image, key, result);
  RecordPlacement(image, before, slot_before, result);
  image.UnsavedChanges = true;
  return result;
}

}  // namespace tessaro
