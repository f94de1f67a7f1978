// The trainer on a 1280 x 720 laptop screen: every window is kept on the screen, and what
// does not fit scrolls, so that every field and every control can be reached.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QtTest>

#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/control/faceplate_window.h"
#include "ui/core/main_window.h"
#include "ui/core/trainer.h"
#include "ui/editor/block_palette.h"
#include "ui/editor/logic_grid_window.h"
#include "ui/screen/layout_window.h"

using tessaro::testing::RecordingMessages;
using tessaro::testing::TestDataRoot;

namespace {

struct Laptop {
  Laptop() {
    root.WritePicture("Teks/Procesplaat.bmp", Qt::gray, {1286, 632});
    trainer = std::make_unique<tessaro::Trainer>(image, board, messages, root.path());
    trainer->main_window().show();
  }
  QRect Room() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

  TestDataRoot root;
  tessaro::ProcessImage image;
  tessaro::SimulatedBoard board;
  RecordingMessages messages;
  std::unique_ptr<tessaro::Trainer> trainer;
};

QByteArray Where(const QWidget& window) {
  const QRect f = window.frameGeometry();
  const QRect g = window.geometry();
  return QStringLiteral("%1: frame %2x%3 at %4,%5, inside %6x%7 at %8,%9")
      .arg(window.objectName())
      .arg(f.width())
      .arg(f.height())
      .arg(f.x())
      .arg(f.y())
      .arg(g.width())
      .arg(g.height())
      .arg(g.x())
      .arg(g.y())
      .toUtf8();
}

// Whether the user can see and click `control`: inside its window's visible part, and the
// window on the screen.
bool Reachable(const QWidget& control, const QRect& room) {
  const QRect on_screen(control.mapToGlobal(QPoint(0, 0)), control.size());
  const QWidget& window = *control.window();
  QRect shown(window.mapToGlobal(QPoint(0, 0)), window.size());
  // Only what the scroll area's viewport shows of its content.
  for (const QWidget* w = control.parentWidget(); w != &window; w = w->parentWidget()) {
    if (auto* scroll = qobject_cast<const QScrollArea*>(w)) {
      shown &= QRect(scroll->viewport()->mapToGlobal(QPoint(0, 0)), scroll->viewport()->size());
    }
  }
  return room.contains(window.frameGeometry()) && shown.contains(on_screen);
}

}  // namespace

class SmallScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void TheScreenIsALaptop() {
    QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1280, 720));
  }

  void EveryFieldOfTheGridCanBeReached() {
    Laptop laptop;
    emit laptop.trainer->main_window().LogicsClicked();
    tessaro::LogicGridWindow& grid = laptop.trainer->logic_grid();
    QVERIFY2(laptop.Room().contains(grid.frameGeometry()), Where(grid));
    QCOMPARE(grid.pos().x(), 475);      // its column as designed; only its height gave way
    QCoreApplication::processEvents();  // the layouts follow the windows' sizes
    auto* scroll = grid.findChild<QScrollArea*>();
    for (int row : {1, 16}) {
      for (int column : {1, 7}) {
        QLabel* field = grid.Field(row, column);
        scroll->ensureWidgetVisible(field, 0, 0);
        const QRect at(field->mapToGlobal(QPoint(0, 0)), field->size());
        const QRect view(scroll->viewport()->mapToGlobal(QPoint(0, 0)), scroll->viewport()->size());
        QVERIFY2(Reachable(*field, laptop.Room()),
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5; viewport at %6,%7 %8x%9")
                                .arg(field->objectName())
                                .arg(at.x())
                                .arg(at.y())
                                .arg(at.width())
                                .arg(at.height())
                                .arg(view.x())
                                .arg(view.y())
                                .arg(view.width())
                                .arg(view.height())));
      }
    }
    // The last row's click opens its palette.
    QTest::mouseClick(grid.Field(16, 1), Qt::LeftButton);
    QCOMPARE(laptop.image.SelectedRow, 16);
    QVERIFY(grid.PaletteWindow(tessaro::Palette::Input).isVisible());
  }

  void EveryItemOfTheLayoutWindowCanBeReached() {
    Laptop laptop;
    emit laptop.trainer->main_window().ScreenClicked();
    tessaro::LayoutWindow& layout = laptop.trainer->layout_window();
    QVERIFY(layout.isVisible());
    QVERIFY2(laptop.Room().contains(layout.frameGeometry()), Where(layout));
    QCoreApplication::processEvents();
    auto* scroll = layout.findChild<QScrollArea*>();
    const auto radios = layout.findChildren<QRadioButton*>();
    QCOMPARE(radios.size(), 47);
    for (QRadioButton* radio : radios) {
      scroll->ensureWidgetVisible(radio, 0, 0);
      QVERIFY2(Reachable(*radio, laptop.Room()), qPrintable(radio->text()));
    }
  }

  void EveryWindowStaysOnTheScreen() {
    Laptop laptop;
    laptop.trainer->ShowEveryWindow();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible() || window == &laptop.trainer->main_window()) continue;
      const QRect frame = window->frameGeometry();
      QVERIFY2(laptop.Room().contains(frame) || (frame.topLeft() == laptop.Room().topLeft() &&
                                                 window->size() == window->minimumSize()),
               Where(*window));
    }
  }

  void AFaceplateWidenedNearTheRightEdgeMovesOntoTheScreen() {
    Laptop laptop;
    tessaro::FaceplateWindow& faceplate = laptop.trainer->faceplate(1);
    emit laptop.trainer->main_window().RegelaarClicked(1);
    faceplate.move(laptop.Room().right() - faceplate.frameGeometry().width() - 10, 300);
    auto* grafiek = faceplate.findChild<QPushButton*>(QStringLiteral("GKknop"));
    QTest::mouseClick(grafiek, Qt::LeftButton);  // groot
    QTest::mouseClick(grafiek, Qt::LeftButton);  // super
    QVERIFY(faceplate.width() > 700);
    QVERIFY2(laptop.Room().contains(faceplate.frameGeometry()), Where(faceplate));
    QCOMPARE(faceplate.frameGeometry().right(), laptop.Room().right());
    QCOMPARE(faceplate.pos().y(), 300);
  }
};

QTEST_MAIN(SmallScreenTest)
#include "small_screen_test.moc"
