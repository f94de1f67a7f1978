#include "ui/editor/output_palette.h"

namespace tessaro {

namespace {

const PaletteDesign kDesign{
    "TForm6", QT_TRANSLATE_NOOP("Palette", "Outputblokken"), {213, 236}, {281, 233}};

}  // namespace

OutputPalette::OutputPalette(ProcessImage& image, Messages& messages, PictureLoader& pictures,
                             LogicGridWindow& grid, QWidget* parent)
    : BlockPalette(Palette::Output, kDesign, image, messages, pictures, grid, parent) {}

}  // namespace tessaro
