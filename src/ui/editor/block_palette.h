// What the three block palettes share: a grey, fixed-size window that stays over the
// trainer's windows, its entries as clickable pictures, and placing the chosen block into
// the grid field selected last.
#pragma once

#include <QPoint>
#include <QSize>
#include <QWidget>
#include <string_view>

#include "engine/core/block_keys.h"

namespace tessaro {

class LogicGridWindow;
class Messages;
class PictureLoader;
struct ProcessImage;

// How a palette window looks: its design name, title, inner size and screen position.
struct PaletteDesign {
  const char* name;
  const char* title;
  QSize size;
  QPoint position;
};

class BlockPalette : public QWidget {
  Q_OBJECT

 public:
  BlockPalette(Palette palette, const PaletteDesign& design, ProcessImage& image,
               Messages& messages, PictureLoader& pictures, LogicGridWindow& grid, QWidget* parent);

  Palette kind() const { return palette_; }

  // A grid click: the palette shows, or comes to the front when it is already shown.
  void ShowOnTop();

  // An entry chosen: the block goes into the selected field, the field shows its picture
  // when the field lies in this palette's columns, and the palette closes.
  void Choose(std::string_view key);

 protected:
  ProcessImage& image() { return image_; }

 private:
  void AddEntries();

  const Palette palette_;
  ProcessImage& image_;
  Messages& messages_;
  PictureLoader& pictures_;
  LogicGridWindow& grid_;
};

}  // namespace tessaro
