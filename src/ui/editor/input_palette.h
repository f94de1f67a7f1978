// The palette of input blocks, for the fields of column 1.
#pragma once

#include "ui/editor/block_palette.h"

namespace tessaro {

class InputPalette : public BlockPalette {
  Q_OBJECT

 public:
  InputPalette(ProcessImage& image, Messages& messages, PictureLoader& pictures,
               LogicGridWindow& grid, QWidget* parent = nullptr);
};

}  // namespace tessaro
