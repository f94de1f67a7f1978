// The operator screen drawn larger or smaller as one picture: every item keeps its place on
// the process picture, clicks still reach it, pictures are drawn at the size shown, and the
// size the user chose comes back at the next start.
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QtTest>
#include <cmath>
#include <memory>

#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "engine/screen/screen_items.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/core/main_window.h"

using tessaro::MainWindow;
using tessaro::ZoomChoice;
using tessaro::testing::RecordingMessages;
using tessaro::testing::TestDataRoot;

namespace {

struct Screen {
  Screen() {
    root.WritePicture("Teks/Procesplaat.bmp", Qt::darkCyan, {1286, 632});
    window = std::make_unique<MainWindow>(image, board, messages, root.path());
    window->show();
    for (int item = 0; item < tessaro::kScreenItems; ++item) window->ItemVisibilityChanged(item, true);
  }
  QLabel* Plate() const { return window->findChild<QLabel*>(QStringLiteral("Image1")); }

  TestDataRoot root;
  tessaro::ProcessImage image;
  tessaro::SimulatedBoard board;
  RecordingMessages messages;
  std::unique_ptr<MainWindow> window;
};

int Scaled(int v, int percent) { return static_cast<int>(std::lround(v * percent / 100.0)); }

// The places and fonts of every control, to compare before and after.
QList<QPair<QRect, int>> Controls(const MainWindow& window) {
  QList<QPair<QRect, int>> controls;
  for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow()) controls.append({child->geometry(), child->font().pixelSize()});
  }
  return controls;
}

}  // namespace

class OperatorZoomTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void EveryItemKeepsItsPlaceOnThePicture_data();
  void EveryItemKeepsItsPlaceOnThePicture();
  void AClickOnAScaledPushButtonPressesIt();
  void AnItemMovedWhileScaledKeepsItsPlaceOnThePicture();
  void LargerPicturesComeFromTheirCopiesAtTwiceTheSize();
  void TheKeysChooseTheSizeAndItIsKeptForTheNextStart();
  void TheMenuOnThePictureOffersTheSameChoices();
};

void OperatorZoomTest::EveryItemKeepsItsPlaceOnThePicture_data() {
  QTest::addColumn<QSize>("room");
  QTest::addColumn<int>("percent");
  QTest::newRow("1920x1080") << QSize(1920, 1080) << 149;
  QTest::newRow("2560x1440") << QSize(2560, 1440) << 199;
  QTest::newRow("1024x600") << QSize(1024, 600) << 79;
  QTest::newRow("1366x768") << QSize(1366, 768) << 100;
}

void OperatorZoomTest::EveryItemKeepsItsPlaceOnThePicture() {
  QFETCH(QSize, room);
  QFETCH(int, percent);
  Screen s;
  const auto own_size = Controls(*s.window);
  s.window->resize(room);
  QCOMPARE(s.window->zoom_percent(), percent);

  // The picture fills the room's width or height and stays inside it.
  const QRect plate = s.Plate()->geometry();
  QCOMPARE(plate, QRect(0, 0, Scaled(1286, percent), Scaled(632, percent)));
  QVERIFY(plate.width() <= room.width() && plate.height() <= room.height());
  QCOMPARE(s.Plate()->pixmap().deviceIndependentSize().toSize(), plate.size());
  for (int item = 0; item < tessaro::kScreenItems; ++item) {
    const QRect place = s.window->ItemPlace(item);
    const QWidget* control = s.window->ItemControl(item);
    QCOMPARE(control->pos(), QPoint(Scaled(place.x(), percent), Scaled(place.y(), percent)));
    const auto kind = tessaro::ScreenItems()[static_cast<size_t>(item)].kind;
    // Controls of a fixed size grow with the picture; labels fit their texts in the grown font.
    if (kind != tessaro::ItemKind::RecorderLabel && kind != tessaro::ItemKind::ControllerLabel) {
      QCOMPARE(control->width(), Scaled(place.x() + place.width(), percent) - control->x());
      QCOMPARE(control->height(), Scaled(place.y() + place.height(), percent) - control->y());
    }
  }
  if (percent != 100) {
    // Back at its own size, everything is where and as it was.
    s.window->SetZoomChoice({false, 100});
    QCOMPARE(Controls(*s.window), own_size);
  }
}

void OperatorZoomTest::AClickOnAScaledPushButtonPressesIt() {
  Screen s;
  s.window->resize(1920, 1080);
  const int button = tessaro::ItemIndexOf(tessaro::ItemKind::PushButton, 3);
  const QRect place = s.window->ItemPlace(button);
  // Where the button's middle lies on the grown picture; at its own size that point is off it.
  const QPoint middle(Scaled(place.center().x(), 149), Scaled(place.center().y(), 149));
  QVERIFY(!place.contains(middle));
  QWidget* clicked = s.window->childAt(middle);
  QCOMPARE(clicked, s.window->ItemControl(button));
  QTest::mouseClick(clicked, Qt::LeftButton, {}, clicked->mapFrom(s.window.get(), middle));
  QCOMPARE(s.image.ScreenButton[3], 255);
}

void OperatorZoomTest::AnItemMovedWhileScaledKeepsItsPlaceOnThePicture() {
  Screen s;
  s.window->resize(1920, 1080);
  const int lamp = tessaro::ItemIndexOf(tessaro::ItemKind::OutputLamp, 2);
  s.window->ItemLeftChanged(lamp, 500);
  s.window->ItemTopChanged(lamp, 333);
  QCOMPARE(s.window->ItemPlace(lamp).topLeft(), QPoint(500, 333));
  QCOMPARE(s.window->ItemControl(lamp)->pos(), QPoint(745, 496));
  s.window->resize(1024, 600);
  QCOMPARE(s.window->ItemControl(lamp)->pos(), QPoint(395, 263));
  s.window->resize(1366, 768);
  QCOMPARE(s.window->ItemControl(lamp)->pos(), QPoint(500, 333));
}

void OperatorZoomTest::LargerPicturesComeFromTheirCopiesAtTwiceTheSize() {
  Screen s;
  s.root.WritePicture("Teks/Procesplaat@2x.bmp", Qt::darkYellow, {2572, 1264});
  s.root.WritePicture("Teks/Knop1uit.bmp", Qt::red, {90, 40});
  s.root.WritePicture("Teks/Knop1uit@2x.bmp", Qt::blue, {180, 80});
  const int button = tessaro::ItemIndexOf(tessaro::ItemKind::PushButton, 1);
  s.window->ItemPictureChanged(button, "Teks/Knop1uit.bmp");
  s.window->LoadProcessPlates();
  const auto colour = [](const QLabel* label) {
    return label->pixmap().toImage().pixelColor(5, 5);
  };
  const auto* knop = static_cast<QLabel*>(s.window->ItemControl(button));
  QCOMPARE(colour(s.Plate()), QColor(Qt::darkCyan));
  QCOMPARE(colour(knop), QColor(Qt::red));

  s.window->resize(1920, 1080);
  QCOMPARE(colour(s.Plate()), QColor(Qt::darkYellow));
  QCOMPARE(colour(knop), QColor(Qt::blue));
  QCOMPARE(knop->pixmap().size(), QSize(134, 60));  // 90 x 40 at 149 %, in device pixels
  // Smaller: drawn from the picture itself.
  s.window->resize(1024, 600);
  QCOMPARE(colour(s.Plate()), QColor(Qt::darkCyan));
  QCOMPARE(colour(knop), QColor(Qt::red));
  QCOMPARE(s.Plate()->pixmap().size(), QSize(1016, 499));
}

void OperatorZoomTest::TheKeysChooseTheSizeAndItIsKeptForTheNextStart() {
  {
    Screen s;
    s.window->resize(1920, 1080);
    QApplication::setActiveWindow(s.window.get());
    QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
    const auto key = [&s](Qt::Key k) { QTest::keyClick(s.window.get(), k, Qt::ControlModifier); };
    key(Qt::Key_Minus);
    QCOMPARE(s.window->zoom_choice(), (ZoomChoice{false, 125}));
    QCOMPARE(s.window->zoom_percent(), 125);
    key(Qt::Key_0);
    QCOMPARE(s.window->zoom_choice(), ZoomChoice{});
    QCOMPARE(s.window->zoom_percent(), 149);
    key(Qt::Key_Plus);
    key(Qt::Key_Equal);
    QCOMPARE(s.window->zoom_percent(), 175);
    QCOMPARE(s.Plate()->width(), Scaled(1286, 175));
  }
  // The next start, on a smaller screen: the size chosen holds.
  Screen s;
  QCOMPARE(MainWindow::StoredZoomChoice(), (ZoomChoice{false, 175}));
  s.window->SetZoomChoice(MainWindow::StoredZoomChoice());
  s.window->resize(1366, 768);
  QCOMPARE(s.window->zoom_percent(), 175);
  QApplication::setActiveWindow(s.window.get());
  QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
  QTest::keyClick(s.window.get(), Qt::Key_0, Qt::ControlModifier);
  QCOMPARE(s.window->zoom_percent(), 100);
  QCOMPARE(MainWindow::StoredZoomChoice(), ZoomChoice{});
}

void OperatorZoomTest::TheMenuOnThePictureOffersTheSameChoices() {
  Screen s;
  s.window->resize(1920, 1080);
  // Picks the entry whose text starts with `entry` from the menu the right button opens.
  const auto choose = [&s](const QString& entry) {
    QTimer::singleShot(0, [entry] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu != nullptr);
      for (QAction* action : menu->actions()) {
        if (action->text().startsWith(entry)) action->trigger();
      }
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(900, 900), s.window->mapToGlobal(QPoint(900, 900)));
    QApplication::sendEvent(s.window.get(), &event);
  };
  choose(QStringLiteral("100 %"));
  QCOMPARE(s.window->zoom_choice(), (ZoomChoice{false, 100}));
  QCOMPARE(s.Plate()->size(), QSize(1286, 632));
  choose(QStringLiteral("Groter"));
  QCOMPARE(s.window->zoom_percent(), 110);
  choose(QStringLiteral("Passend"));
  QCOMPARE(s.window->zoom_percent(), 149);
  QCOMPARE(MainWindow::StoredZoomChoice(), ZoomChoice{});
}

QTEST_MAIN(OperatorZoomTest)
#include "operator_zoom_test.moc"
