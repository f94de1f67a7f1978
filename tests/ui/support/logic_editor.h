// The running trainer with its logic grid and palettes, for the editor's window tests.
#pragma once

#include <QLabel>
#include <QtTest>
#include <memory>

#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/core/trainer.h"
#include "ui/editor/block_palette.h"
#include "ui/editor/logic_grid_window.h"

namespace tessaro::testing {

struct LogicEditor {
  LogicEditor() {
    root.WritePicture("Teks/Procesplaat.bmp", Qt::gray, {1286, 632});
    blank = root.WritePicture("Velden/Blanco.bmp", Qt::white, {71, 71});
  }

  // Block picture files are written before the start or between steps, as a test needs.
  void Start() { trainer = std::make_unique<Trainer>(image, board, messages, root.path()); }

  LogicGridWindow& grid() const { return trainer->logic_grid(); }
  BlockPalette& palette(Palette which) const { return grid().PaletteWindow(which); }

  QLabel* Field(int row, int column) const { return grid().Field(row, column); }
  QImage FieldPicture(int row, int column) const { return Field(row, column)->pixmap().toImage(); }
  void Click(int row, int column) const { QTest::mouseClick(Field(row, column), Qt::LeftButton); }

  // The entry Image<picture> of a palette.
  QLabel* Entry(Palette which, int picture) const {
    return palette(which).findChild<QLabel*>(QStringLiteral("Image%1").arg(picture));
  }
  void Choose(Palette which, int picture) const {
    QTest::mouseClick(Entry(which, picture), Qt::LeftButton);
  }

  // One scan cycle: four ticks of the scan timer.
  void Cycle() const {
    for (int i = 0; i < 4; ++i) trainer->schakelblok();
  }

  TestDataRoot root;
  QImage blank;
  ProcessImage image;
  SimulatedBoard board;
  RecordingMessages messages;
  std::unique_ptr<Trainer> trainer;
};

}  // namespace tessaro::testing
