// The logic grid's own rules: a click on a field selects it and says which palette opens
// and which picture blanks the field; the "Logics" button and the window's close set the
// flag the scan reads before it paints wire values.
#pragma once

#include <string>

#include "engine/core/block_keys.h"

namespace tessaro {

struct ProcessImage;

// The picture a clicked field shows until a block is chosen.
inline constexpr const char* kBlankFieldPicture = "velden/Blanco.bmp";

// What a click on a field asks of the windows.
struct FieldClick {
  bool valid = false;   // false for a field outside rows 1..16, columns 1..7
  Palette palette{};    // the palette to show and bring to the front
  std::string picture;  // the picture to load into the field
};

// A click on field (row, column): the field becomes the selection. FieldGrid is not
// touched, so the field's block keeps working until a palette entry is chosen.
FieldClick VeldClick(ProcessImage& image, int row, int column);

// The grid window has been shown by the "Logics" button, or closed.
void LogicsShown(ProcessImage& image);
void sluiten(ProcessImage& image);

}  // namespace tessaro
