#include "ui/editor/input_palette.h"

namespace tessaro {

namespace {

const PaletteDesign kDesign{
    "TForm5", QT_TRANSLATE_NOOP("Palette", "Plaats de inputblokken"), {513, 351}, {320, 213}};

}  // namespace

InputPalette::InputPalette(ProcessImage& image, Messages& messages, PictureLoader& pictures,
                           LogicGridWindow& grid, QWidget* parent)
    : BlockPalette(Palette::Input, kDesign, image, messages, pictures, grid, parent) {}

}  // namespace tessaro
