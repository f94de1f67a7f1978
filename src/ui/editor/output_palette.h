// The palette of output blocks, for the fields of column 7.
#pragma once

#include "ui/editor/block_palette.h"

namespace tessaro {

class OutputPalette : public BlockPalette {
  Q_OBJECT

 public:
  OutputPalette(ProcessImage& image, Messages& messages, PictureLoader& pictures,
                LogicGridWindow& grid, QWidget* parent = nullptr);
};

}  // namespace tessaro
