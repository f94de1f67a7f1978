// Pause, step and speed on the operator screen: the buttons, their keys, and what the timers
// then do.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimer>
#include <QtTest>

#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/core/main_window.h"
#include "ui/core/trainer.h"

using tessaro::testing::RecordingMessages;
using tessaro::testing::TestDataRoot;

namespace {

struct Running {
  Running() {
    root.WritePicture("Teks/Procesplaat.bmp", Qt::gray, {1286, 632});
    trainer = std::make_unique<tessaro::Trainer>(image, board, messages, root.path());
    window().show();
  }
  tessaro::MainWindow& window() const { return trainer->main_window(); }
  template <typename Control = QWidget>
  Control* Find(const char* name) const {
    return window().findChild<Control*>(QString::fromLatin1(name));
  }
  QString State() const {
    auto* label = Find<QLabel>("RunState");
    return label->isVisible() ? label->text() : QString();
  }
  // What the timers move.
  QString Counters() const {
    return QStringLiteral("%1/%2/%3").arg(image.ScanPhase).arg(image.SineStep).arg(image.MuxPhase);
  }
  void Timers(int n) const {
    for (int i = 0; i < n; ++i) {
      trainer->schakelblok();
      trainer->SWklok();
      trainer->PlantTick();
    }
  }

  TestDataRoot root;
  tessaro::ProcessImage image;
  tessaro::SimulatedBoard board;
  RecordingMessages messages;
  std::unique_ptr<tessaro::Trainer> trainer;
};

}  // namespace

class RunControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void SamplesAreStampedInProgramTime() {
    // At 10x one second of the process passes in a tenth of a second: four scan ticks are a
    // second on the clock the exports and logbooks read, whatever the wall clock did.
    Running run;
    run.trainer->SpeedChoice(10);
    run.trainer->schakelblok();
    const int64_t first = run.image.ClockMs;
    for (int i = 0; i < 4; ++i) run.trainer->schakelblok();
    QCOMPARE(run.image.ClockMs - first, int64_t{1000});
    run.trainer->PauzeClick();
    run.trainer->StapClick();
    QCOMPARE(run.image.ClockMs - first, int64_t{2000});
  }

  void TheControlsStandRightOfTheCommandButtons() {
    Running run;
    auto* pauze = run.Find<QPushButton>("PauzeButton");
    auto* stap = run.Find<QPushButton>("StapButton");
    auto* speed = run.Find<QComboBox>("SpeedBox");
    QCOMPARE(pauze->geometry(), QRect(520, 0, 73, 25));
    QCOMPARE(pauze->text(), QStringLiteral("Pauze"));
    QCOMPARE(stap->geometry(), QRect(600, 0, 57, 25));
    QCOMPARE(stap->text(), QStringLiteral("Stap"));
    QCOMPARE(speed->geometry(), QRect(664, 0, 57, 25));
    QCOMPARE(speed->count(), 3);
    QCOMPARE(speed->currentText(), QStringLiteral("1x"));
    // The command buttons are where they always were, the run controls clear of them.
    QCOMPARE(run.Find("Button5")->geometry(), QRect(344, 0, 89, 25));
    QVERIFY(!run.Find("SimulatieButton")->geometry().intersects(pauze->geometry()));
    QCOMPARE(run.State(), QString());  // normal speed, running: nothing shown
  }

  void PauseHoldsEveryTimerAndStepRunsOneSecond() {
    Running run;
    run.Timers(3);
    const QString before = run.Counters();
    run.Find<QPushButton>("PauzeButton")->click();
    QCOMPARE(run.Find<QPushButton>("PauzeButton")->text(), QStringLiteral("Verder"));
    QCOMPARE(run.State(), QStringLiteral("PAUZE"));
    run.Timers(20);
    QCOMPARE(run.Counters(), before);

    // One step: four scan ticks (one whole cycle, so the scan phase comes round again).
    const uint16_t sine = run.image.SineStep;
    run.Find<QPushButton>("StapButton")->click();
    QCOMPARE(run.image.SineStep, static_cast<uint16_t>(sine + 1));
    QCOMPARE(run.image.ScanPhase, static_cast<uint16_t>(4));
    QCOMPARE(run.State(), QStringLiteral("PAUZE"));

    run.Find<QPushButton>("PauzeButton")->click();  // "Verder"
    QCOMPARE(run.State(), QString());
    run.Timers(1);
    QVERIFY(run.Counters() != before);
  }

  void SpeedShortensBothTimers() {
    Running run;
    auto* speed = run.Find<QComboBox>("SpeedBox");
    speed->setCurrentIndex(2);
    emit speed->activated(2);  // as a choice in the list does
    QCOMPARE(run.trainer->run().speed, 10);
    QCOMPARE(run.window().Timer1()->interval(), 25);
    QCOMPARE(run.window().Timer2()->interval(), 33);
    QCOMPARE(run.trainer->findChild<QTimer*>(QStringLiteral("PlantTimer"))->interval(), 10);
    QCOMPARE(run.State(), QStringLiteral("10x"));
  }

  void EachControlHasItsKey() {
    Running run;
    QVERIFY(QTest::qWaitForWindowActive(&run.window()));
    QTest::keyClick(&run.window(), Qt::Key_F5);
    QVERIFY(run.trainer->run().paused);
    const uint16_t sine = run.image.SineStep;
    QTest::keyClick(&run.window(), Qt::Key_F10);
    QCOMPARE(run.image.SineStep, static_cast<uint16_t>(sine + 1));
    QTest::keyClick(&run.window(), Qt::Key_F5);
    QVERIFY(!run.trainer->run().paused);
    QTest::keyClick(&run.window(), Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(run.trainer->run().speed, 2);
    QCOMPARE(run.Find<QComboBox>("SpeedBox")->currentText(), QStringLiteral("2x"));
    QCOMPARE(run.window().Timer1()->interval(), 125);
    QTest::keyClick(&run.window(), Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(run.trainer->run().speed, 10);
    QTest::keyClick(&run.window(), Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(run.trainer->run().speed, 1);
    QCOMPARE(run.window().Timer1()->interval(), 250);
    QCOMPARE(run.window().Timer2()->interval(), 333);
  }
};

QTEST_MAIN(RunControlsTest)
#include "run_controls_test.moc"
