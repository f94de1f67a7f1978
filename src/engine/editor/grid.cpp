#include "engine/editor/grid.h"

#include "engine/core/process_image.h"

namespace tessaro {

FieldClick VeldClick(ProcessImage& image, int row, int column) {
  FieldClick click;
  if (row < 1 || row > kRows || column < 1 || column > kColumns) return click;
  image.SelectedRow = row;
  image.SelectedColumn = column;
  click.valid = true;
  click.palette = PaletteForColumn(column);
  click.picture = kBlankFieldPicture;
  return click;
}

void LogicsShown(ProcessImage& image) { image.LogicsOpen = 1; }

void sluiten(ProcessImage& image) { image.LogicsOpen = 0; }

}  // namespace tessaro
