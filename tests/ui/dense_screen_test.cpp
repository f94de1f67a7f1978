// The trainer on a screen of two device pixels per pixel: pictures from files come from
// their copies at twice the size, and pictures drawn by the program are drawn at that
// density, each laid out at its own size.
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/control/chart_view.h"
#include "ui/control/faceplate_window.h"
#include "ui/control/recorder_window.h"
#include "ui/core/main_window.h"
#include "ui/core/trainer.h"
#include "ui/editor/block_palette.h"
#include "ui/editor/logic_grid_window.h"
#include "ui/screen/layout_window.h"

using tessaro::testing::RecordingMessages;
using tessaro::testing::SamePixels;
using tessaro::testing::TestDataRoot;

class DenseScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void PicturesAreShownAtTheScreensDensity() {
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    TestDataRoot root;
    root.WritePicture("Teks/Procesplaat.bmp", Qt::gray, {1286, 632});
    const QImage plate = root.WritePicture("Teks/Procesplaat@2x.bmp", Qt::darkGray, {2572, 1264});
    tessaro::ProcessImage image;
    tessaro::SimulatedBoard board;
    RecordingMessages messages;
    tessaro::Trainer trainer(image, board, messages, root.path());
    tessaro::MainWindow& screen = trainer.main_window();
    screen.show();

    // From a file: the copy, on a control of the picture's own size.
    auto* shown_plate = screen.findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(SamePixels(shown_plate->pixmap().toImage(), plate));
    QCOMPARE(shown_plate->size(), QSize(1286, 632));
    // Drawn by the program: the lamps' and buttons' start pictures, the grid's empty
    // fields, the palettes' entries and a faceplate's scale.
    const auto dense = [](const QPixmap& picture, QSize size) {
      return picture.devicePixelRatio() == 2.0 && picture.deviceIndependentSize() == QSizeF(size);
    };
    for (const char* name : {"Image2", "Image7", "Image13"}) {
      auto* lamp = screen.findChild<QLabel*>(QString::fromLatin1(name));
      QVERIFY2(dense(lamp->pixmap(), lamp->size()), name);
      QVERIFY2(lamp->width() >= 90 && lamp->width() <= 108, name);
    }
    tessaro::LogicGridWindow& grid = trainer.logic_grid();
    QVERIFY(dense(grid.Field(16, 7)->pixmap(), {71, 71}));
    const auto entries = grid.PaletteWindow(tessaro::Palette::Processing).findChildren<QLabel*>();
    QVERIFY(!entries.isEmpty());
    for (QLabel* entry : entries) {
      if (!entry->pixmap().isNull()) QVERIFY(dense(entry->pixmap(), entry->size()));
    }
    auto* scale = trainer.faceplate(1).findChild<QLabel*>(QStringLiteral("Image2"));
    QVERIFY(dense(scale->pixmap(), {145, 249}));
    auto* wiring = trainer.layout_window().findChild<QLabel*>(QStringLiteral("Image2"));
    QVERIFY(dense(wiring->pixmap(), {404, 406}));
    // The charts: twice the pixels of their controls, shown at the controls' own size.
    for (const tessaro::ChartView* chart :
         {&trainer.faceplate(1).chart(), &trainer.recorder_window(1).chart()}) {
      const QImage drawn = chart->chart();
      QCOMPARE(drawn.devicePixelRatio(), 2.0);
      QCOMPARE(drawn.size(), chart->size() * 2);
    }
  }
};

QTEST_MAIN(DenseScreenTest)
#include "dense_screen_test.moc"
