// The PID faceplates: their controls as designed, the width cycle with its tuning lock, the
// mode buttons, the tags and trend after a cycle, closing, and the scan reaching them.
#include "ui/control/pid_faceplate.h"

#include <QLabel>
#include <cmath>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "engine/board/simulated_board.h"
#include "engine/control/pid.h"
#include "engine/control/pid_faceplate.h"
#include "engine/core/operator_screen.h"
#include "engine/screen/screen_items.h"
#include "support/faceplate_support.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/core/main_window.h"
#include "ui/core/trainer.h"

using tessaro::PidFaceplate;
using tessaro::testing::AnyInk;
using tessaro::testing::ClickArrow;
using tessaro::testing::Find;
using tessaro::testing::Instruments;
using tessaro::testing::RunningInstrument;
using tessaro::testing::kTrendPaperColour;
using tessaro::testing::Pixel;
using tessaro::testing::Shown;

namespace {

const QColor kRed(255, 0, 0);
const QColor kDarkRed(128, 0, 0);
const QColor kSilver(192, 192, 192);
const char* const kTuning[] = {"PBSpin",       "ItijdSpin",    "DtijdSpin",
                               "RadioButton1", "RadioButton2", "SpinEdit2",
                               "SpinEdit3",    "SpinEdit4",    "SpinEdit5"};

struct Plate : Instruments {
  explicit Plate(int n) : n(n), window(image, pictures, n) {}

  void Click(const char* name) { Find<QPushButton>(window, name)->click(); }
  QLabel* Tag(const char* name) { return Find<QLabel>(window, name); }
  bool TuningLocked() {
    for (const char* name : kTuning) {
      if (Find(window, name)->isEnabled()) return false;
    }
    return true;
  }
  bool TuningUnlocked() {
    for (const char* name : kTuning) {
      if (!Find(window, name)->isEnabled()) return false;
    }
    return true;
  }
  // One cycle of the controller at process value `pv` (percent), as the scan runs it.
  void Cycle(double pv) {
    image.Pid[n].Pv = pv;
    tessaro::PidCycle(image, n);
    window.Cycled();
  }

  int n;
  PidFaceplate window;
};

}  // namespace

class PidFaceplateTest : public QObject {
  Q_OBJECT

 private slots:
  void StartsAsDesigned_data();
  void StartsAsDesigned();
  void OnlyTheCascadeSlaveHasCascadeAndBypass();
  void GrafiekCyclesTheWidthAndLocksTheTuningEachTime();
  void ChangeUnlocksTuningAndTheBoxesReachTheController();
  void BoxesTakeArrowsButNotTypedText();
  void ModeButtonsSetTheIndicatorAndTheSetpointTag();
  void ArrowsMoveTheOutputTagInHand();
  void CycleMovesTheTagsWhileHiddenAndTheTrendShowsWhenOpened();
  void MissingPaperGivesWhitePaperWithoutOldLines();
  void ANarrowTrendWidenedShowsItsWholeHistory();
  void AFaceplateOpenedAfterAnHourShowsWhatOneOpenAllAlongShows();
  void ClosingReturnsToNarrowAndKeepsTheWindowOnScreen();
  void CaptionIsTheRangeUntilThePlacementNamesIt();
  void ScanAndOperatorScreenReachTheFaceplates();
};

void PidFaceplateTest::StartsAsDesigned_data() {
  QTest::addColumn<int>("n");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QPoint>("position");
  QTest::newRow("1") << 1 << "TForm15" << QPoint(192, 211);
  QTest::newRow("2") << 2 << "TForm16" << QPoint(240, 156);
  QTest::newRow("3") << 3 << "TForm17" << QPoint(471, 359);
}

void PidFaceplateTest::StartsAsDesigned() {
  QFETCH(int, n);
  QFETCH(QString, name);
  QFETCH(QPoint, position);
  Plate p(n);
  QWidget& w = p.window;

  QCOMPARE(w.objectName(), name);
  QVERIFY(!w.isVisible());
  QCOMPARE(w.pos(), position);
  QCOMPARE(w.size(), QSize(198, 249));
  QCOMPARE(w.minimumSize(), w.maximumSize());
  QCOMPARE(w.palette().color(QPalette::Window), kSilver);

  QCOMPARE(Find(w, "Image1")->geometry(), QRect(192, 8, 460, 240));
  QCOMPARE(p.Tag("Label1")->text(), QStringLiteral("Hand"));
  QCOMPARE(Find(w, "OpLabel")->geometry(), QRect(0, 216, 40, 13));
  QVERIFY(p.Tag("OpLabel")->autoFillBackground());
  QCOMPARE(p.Tag("OpLabel")->palette().color(QPalette::Window), kSilver);

  // The setpoint tag waits for an automatic mode; the tuning is locked at its start values.
  QVERIFY(p.Tag("SPLabel")->isHidden());
  QVERIFY(!p.Tag("PVLabel")->isHidden());
  QVERIFY(p.TuningLocked());
  QCOMPARE(Find<QSpinBox>(w, "PBSpin")->value(), 100);
  QCOMPARE(Find<QSpinBox>(w, "ItijdSpin")->value(), 60);
  QCOMPARE(Find<QSpinBox>(w, "SpinEdit2")->value(), 100);
  QCOMPARE(Find<QSpinBox>(w, "SpinEdit5")->value(), 0);
  QVERIFY(Find<QRadioButton>(w, "RadioButton1")->isChecked());
}

void PidFaceplateTest::OnlyTheCascadeSlaveHasCascadeAndBypass() {
  Plate master(1);
  QVERIFY(Find(master.window, "Button1") == nullptr);
  QVERIFY(Find(master.window, "Button3") == nullptr);
  QCOMPARE(Find<QSpinBox>(master.window, "ItijdSpin")->minimum(), 0);
  QCOMPARE(Find<QSpinBox>(master.window, "ItijdSpin")->maximum(), 120);

  Plate slave(3);
  QCOMPARE(Find(slave.window, "Button1")->geometry(), QRect(152, 72, 33, 17));
  QCOMPARE(Find<QPushButton>(slave.window, "Button1")->text(), QStringLiteral("Casc"));
  QCOMPARE(Find(slave.window, "Button3")->geometry(), QRect(152, 96, 33, 17));
  QCOMPARE(Find<QPushButton>(slave.window, "Button3")->text(), QStringLiteral("Bypas"));
  QCOMPARE(Find<QSpinBox>(slave.window, "ItijdSpin")->minimum(), 1);
  QCOMPARE(Find<QSpinBox>(slave.window, "ItijdSpin")->maximum(), 99);
}

void PidFaceplateTest::GrafiekCyclesTheWidthAndLocksTheTuningEachTime() {
  Plate p(1);
  p.window.show();
  const int widths[] = {660, 764, 198};
  const char* const views[] = {"groot", "super", "klein"};
  for (int i = 0; i < 3; ++i) {
    p.Click("Button2");
    QVERIFY(p.TuningUnlocked());
    p.Click("GKknop");
    QCOMPARE(p.window.frameGeometry().width(), widths[i]);
    QCOMPARE(p.window.height(), 249);
    QCOMPARE(p.image.Pid[1].ViewSize, std::string(views[i]));
    QVERIFY(p.TuningLocked());

    // The box captions are written on the window at x = 700 only at full width.
    const QImage shown = p.window.grab().toImage();
    const bool captions = shown.width() > 700 && AnyInk(shown, {700, 12, 30, 12});
    QCOMPARE(captions, widths[i] == 764);
  }
}

void PidFaceplateTest::ChangeUnlocksTuningAndTheBoxesReachTheController() {
  Plate p(2);
  p.Click("Button2");

  Find<QSpinBox>(p.window, "PBSpin")->setValue(40);
  QCOMPARE(p.image.Pid[2].Pb, 40.0);
  Find<QSpinBox>(p.window, "DtijdSpin")->stepUp();
  QCOMPARE(p.image.Pid[2].Td, 1.0);

  // A lowered output maximum pushes the minimum down with it, on screen as well.
  Find<QSpinBox>(p.window, "SpinEdit3")->setValue(30);
  Find<QSpinBox>(p.window, "SpinEdit2")->setValue(20);
  QCOMPARE(Find<QSpinBox>(p.window, "SpinEdit3")->value(), 20);
  QCOMPARE(p.image.Pid[2].OutMin, 20.0);
  QCOMPARE(p.image.Pid[2].OutMax, 20.0);

  QTest::mouseClick(Find(p.window, "RadioButton2"), Qt::LeftButton);
  QCOMPARE(p.image.Pid[2].PidAction, -1);
  QVERIFY(Find<QRadioButton>(p.window, "RadioButton2")->isChecked());
  QTest::mouseClick(Find(p.window, "RadioButton1"), Qt::LeftButton);
  QCOMPARE(p.image.Pid[2].PidAction, 1);

  // A choice made from code, as a loaded project makes it, shows at the next refresh.
  tessaro::pid::SelectAction(p.image, 2, false);
  p.window.Refresh();
  QVERIFY(Find<QRadioButton>(p.window, "RadioButton2")->isChecked());
}

void PidFaceplateTest::BoxesTakeArrowsButNotTypedText() {
  Plate p(1);
  p.window.show();
  p.Click("Button2");
  auto* box = Find<QSpinBox>(p.window, "PBSpin");
  box->setFocus();
  QTest::keyClicks(box, "7");
  QTest::keyClick(box, Qt::Key_Return);
  QCOMPARE(box->value(), 100);
  QTest::keyClick(box, Qt::Key_Up);
  QCOMPARE(box->value(), 101);
  QCOMPARE(p.image.Pid[1].Pb, 101.0);
}

void PidFaceplateTest::ModeButtonsSetTheIndicatorAndTheSetpointTag() {
  Plate p(3);
  p.image.Pid[3].Pv = 42.745;
  p.Click("AutoButton");
  QCOMPARE(p.Tag("Label1")->text(), QStringLiteral("Auto"));
  QVERIFY(!p.Tag("SPLabel")->isHidden());
  QCOMPARE(p.Tag("SPLabel")->y(), 218 - 2 * 43);
  QCOMPARE(p.Tag("SPLabel")->text(), QStringLiteral("0 "));  // no range entered yet

  p.Click("ManualButton");
  QCOMPARE(p.Tag("Label1")->text(), QStringLiteral("Hand"));
  QVERIFY(p.Tag("SPLabel")->isHidden());

  p.Click("Button1");
  QCOMPARE(p.Tag("Label1")->text(), QStringLiteral("Casc"));
  QVERIFY(!p.Tag("SPLabel")->isHidden());
  // The arrows do nothing in the cascade modes.
  ClickArrow(p.window, true);
  QCOMPARE(p.image.Pid[3].Sp, 43.0);

  p.Click("Button3");
  QCOMPARE(p.Tag("Label1")->text(), QStringLiteral("Bypas"));
  QVERIFY(p.Tag("SPLabel")->isHidden());
}

void PidFaceplateTest::ArrowsMoveTheOutputTagInHand() {
  Plate p(1);
  ClickArrow(p.window, true);
  ClickArrow(p.window, true);
  QCOMPARE(p.image.Pid[1].Out, 1.0);
  QCOMPARE(p.Tag("OpLabel")->y(), 216);
  QCOMPARE(p.Tag("OpLabel")->text(), QStringLiteral("1 %"));
  ClickArrow(p.window, false);
  QCOMPARE(p.Tag("OpLabel")->text(), QStringLiteral("0.5 %"));
  QCOMPARE(p.Tag("OpLabel")->y(), 217);
}

void PidFaceplateTest::CycleMovesTheTagsWhileHiddenAndTheTrendShowsWhenOpened() {
  Plate p(1);
  p.image.RangeHigh[9] = 200;
  p.image.RangeUnit[9] = "C";
  p.image.Pid[1].Out = 25.0;
  p.Cycle(60.0);
  p.Cycle(60.0);
  QVERIFY(!p.window.isVisible());

  QCOMPARE(p.Tag("PVLabel")->y(), 98);
  QCOMPARE(p.Tag("PVLabel")->text(), QStringLiteral("120.0 C"));
  QCOMPARE(p.Tag("OpLabel")->y(), 168);

  // Nobody sees the trend: it is not drawn yet.
  QCOMPARE(Pixel(Shown(p.window, "Image1"), 399, 213 - 120), kTrendPaperColour);

  // Opened, the window shows that history.
  p.window.show();
  const QImage trend = Shown(p.window, "Image1");
  QCOMPARE(trend.size(), QSize(460, 240));
  QCOMPARE(Pixel(trend, 399, 213 - 120), kRed);      // process value, the newest two samples
  QCOMPARE(Pixel(trend, 397, 213 - 0), kRed);        // ... and the empty history before them
  QCOMPARE(Pixel(trend, 399, 213 - 50), Qt::black);  // output
  QCOMPARE(Pixel(trend, 400, 213), kDarkRed);        // setpoint, still 0 in hand
  QCOMPARE(Pixel(trend, 200, 100), kTrendPaperColour);
  QVERIFY(AnyInk(trend, {405, 7, 30, 12}));  // "200 C" at the top of the scale
}

void PidFaceplateTest::MissingPaperGivesWhitePaperWithoutOldLines() {
  Plate p(2);
  p.window.show();
  p.root.Remove("Velden/papier.bmp");
  p.Cycle(100.0);
  QImage trend = Shown(p.window, "Image1");
  QCOMPARE(trend.size(), QSize(460, 240));
  QCOMPARE(Pixel(trend, 399, 13), kRed);
  QCOMPARE(Pixel(trend, 200, 100), QColor(Qt::white));

  // The next drawing starts on clean paper: the line that stood at the right edge is gone.
  for (int i = 0; i < 5; ++i) p.Cycle(0.0);
  trend = Shown(p.window, "Image1");
  QCOMPARE(Pixel(trend, 399, 13), QColor(Qt::white));
  QCOMPARE(Pixel(trend, 394, 13), kRed);
}

// A narrow faceplate shows a few columns of its trend, and only those follow the cycles; widened,
// it shows every column as drawn by the last cycle.
void PidFaceplateTest::ANarrowTrendWidenedShowsItsWholeHistory() {
  Plate p(1);
  p.window.show();
  for (int i = 0; i < 120; ++i) p.Cycle(i % 7 < 3 ? 80.0 : 20.0);
  p.Click("GKknop");
  QApplication::processEvents();
  auto* view = Find<tessaro::ChartView>(p.window, "Image1");
  QVERIFY(view->visibleRegion().boundingRect().width() > 400);
  const QImage on_screen = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage trend = view->chart().convertToFormat(QImage::Format_RGB32);
  QVERIFY(tessaro::testing::SamePixels(on_screen, trend));
  // Samples of 65 to 115 cycles ago, at both heights.
  int high = 0, low = 0;
  for (int x = 285; x < 335; ++x) {
    high += Pixel(trend, x, 213 - 160) == kRed ? 1 : 0;  // two pixels a percent
    low += Pixel(trend, x, 213 - 40) == kRed ? 1 : 0;
  }
  QVERIFY(high >= 15 && low >= 20);
}

// An hour of cycles with nobody looking draws nothing, and then shows the same trend as a
// faceplate that was open, at full width, all the time.
void PidFaceplateTest::AFaceplateOpenedAfterAnHourShowsWhatOneOpenAllAlongShows() {
  Plate hidden(2);
  Plate open(2);
  open.window.show();
  open.Click("GKknop");
  open.Click("GKknop");
  for (int second = 0; second < 3600; ++second) {
    const double pv = 50.0 + 40.0 * std::sin(second / 30.0);
    hidden.Cycle(pv);
    open.Cycle(pv);
  }
  QVERIFY(!hidden.window.isVisible());
  hidden.window.show();
  hidden.Click("GKknop");
  hidden.Click("GKknop");
  QApplication::processEvents();
  QVERIFY(tessaro::testing::SamePixels(Shown(hidden.window, "Image1"), Shown(open.window, "Image1")));
  QVERIFY(tessaro::testing::SamePixels(
      Find<tessaro::ChartView>(hidden.window, "Image1")->grab().toImage().convertToFormat(
          QImage::Format_RGB32),
      Shown(open.window, "Image1").convertToFormat(QImage::Format_RGB32)));
}

void PidFaceplateTest::ClosingReturnsToNarrowAndKeepsTheWindowOnScreen() {
  Plate p(1);
  p.window.show();
  p.Click("GKknop");
  p.Click("GKknop");
  p.Click("Button2");
  p.window.move(-40, 100);
  QVERIFY(p.window.close());

  QVERIFY(!p.window.isVisible());
  QCOMPARE(p.image.Pid[1].ViewSize, std::string("klein"));
  QCOMPARE(p.window.frameGeometry().width(), 198);
  QCOMPARE(p.window.pos(), QPoint(0, 100));
  QVERIFY(p.TuningLocked());

  // The controller goes on while the window is closed.
  p.Cycle(30.0);
  QCOMPARE(p.Tag("PVLabel")->y(), 158);
}

void PidFaceplateTest::CaptionIsTheRangeUntilThePlacementNamesIt() {
  Plate p(2);
  QCOMPARE(p.window.windowTitle(), QStringLiteral(" (0 tot 0)"));
  p.image.InstrumentTitle[10] = "FIC 12";
  p.window.show();
  QCOMPARE(p.window.windowTitle(), QStringLiteral("FIC 12"));
  p.image.InstrumentTitle[10] = "FIC 13";
  p.Cycle(10.0);
  QCOMPARE(p.window.windowTitle(), QStringLiteral("FIC 13"));
}

void PidFaceplateTest::ScanAndOperatorScreenReachTheFaceplates() {
  RunningInstrument s(5, "Reg1", 153);
  tessaro::Trainer& trainer = s.trainer;
  s.Ticks(4);
  QWidget& plate = trainer.faceplate(1);
  QCOMPARE(Find<QLabel>(plate, "PVLabel")->y(), 98);

  // Its label on the operator screen opens it; a second click leaves it open.
  QVERIFY(!plate.isVisible());
  QTest::mouseClick(Find(trainer.main_window(), "Label18"), Qt::LeftButton);
  QVERIFY(plate.isVisible());
  emit trainer.main_window().RegelaarClicked(1);
  QVERIFY(plate.isVisible());
  emit trainer.main_window().RegelaarClicked(9);
  QCOMPARE(trainer.faceplate(9).objectName(), QStringLiteral("TForm24"));
  QVERIFY(trainer.faceplate(9).isVisible());
}

QTEST_MAIN(PidFaceplateTest)
#include "pid_faceplate_test.moc"
