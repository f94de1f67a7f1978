// Placing a block from a palette into the selected grid field, and the processing
// palette's setting editors that go with it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "engine/core/block_keys.h"
#include "engine/core/texts.h"

namespace tessaro {

struct PaletteEditors;
struct ProcessImage;

// The whole-number range of setting editor SpinEdit<n> (1..SpinEditCount()).
struct EditorRange {
  int32_t min;
  int32_t max;
};
EditorRange SpinEditRange(int n);

// SpinEdit<n> now holds `value`, kept within its range.
void SetSpinEdit(ProcessImage& image, int n, int64_t value);

// SpinEdit<n> now holds `text`: a whole number, kept within the range; any other text
// counts as the box's minimum.
void SetSpinEditText(ProcessImage& image, int n, std::string_view text);

// The text box Edit1 (the range's unit) or Edit2 (the instrument's name) now holds `text`.
void SetEditText(ProcessImage& image, std::string PaletteEditors::*edit, std::string_view text);

// Loads a picture into the selected field; false when it cannot be loaded.
using FieldPictureLoad = std::function<bool(const std::string& file)>;

// What a placement did, and what the palette window must show.
struct PlacementResult {
  bool placed = false;  // the key went into FieldGrid
  std::string picture;  // "Velden/<key>.bmp" when the field shows the block, else ""
  bool picture_failed = false;
  Message message;  // "Geen <key>.bmp gevonden" when the picture failed
  bool palette_closes = false;
  bool settings_copied = false;
  int instrument_slot = 0;  // range slot (and window title) written, 0 for none
};

// A palette entry clicked: stores `key` into the selected field, has the field load the
// block's picture when the field lies in the palette's own columns, closes the palette,
// and copies the processing entry's settings. A picture that cannot be loaded leaves the
// field blank and is reported ("Geen <key>.bmp gevonden"); the placement still completes,
// so the scan never runs a new block with its old settings. Without a loader every picture
// counts as loaded. Keys the palette does not offer, or no field selected, place nothing.
PlacementResult PlaceBlock(ProcessImage& image, Palette palette, std::string_view key,
                           const FieldPictureLoad& load = {});

}  // namespace tessaro
