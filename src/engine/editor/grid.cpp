#include "engine/editor/grid.h"

#include "engine/core/process_image.h"
#include "engine/editor/edit_history.h"

namespace tessaro {

FieldClick VeldClick(ProcessImage& image, int row, int column) {
  FieldClick click;
  if (row < 1 || row > kRows || column < 1 || column > kColumns) return click;
  const FieldState before = CaptureField(image, row, column);
  const int selected_row = image.SelectedRow;
  const int selected_column = image.SelectedColumn;
  image.SelectedRow = row;
  image.SelectedColumn = column;
  click.valid = true;
  click.palette = PaletteForColumn(column);
  click.picture = kBlankFieldPicture;
  RecordClick(image, before, selected_row, selected_column, click.picture);
  return click;
}

void LogicsShown(ProcessImage& image) { image.LogicsOpen = 1; }

void sluiten(ProcessImage& image) { image.LogicsOpen = 0; }

}  // namespace tessaro
