// The palette of processing blocks, for the fields of columns 2 to 6, with the setting
// editors whose values the blocks with settings take along.
#pragma once

#include "ui/editor/block_palette.h"

namespace tessaro {

class ProcessingPalette : public BlockPalette {
  Q_OBJECT

 public:
  ProcessingPalette(ProcessImage& image, Messages& messages, PictureLoader& pictures,
                    LogicGridWindow& grid, QWidget* parent = nullptr);

  // The editors show the values the image holds, as after a load or "Nieuw".
  void ShowEditors();

 private:
  void AddGroupTitles();
  void AddEditors();
};

}  // namespace tessaro
