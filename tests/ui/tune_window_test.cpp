// The tuning assistant's window on the heater lesson, with the trainer running at 10x: the
// step test draws its fitted model over the response and lists the rules' settings, and
// "Toepassen" puts the chosen set into the faceplate's boxes.
#include "ui/control/tune_window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include "engine/board/lab.h"
#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/control/faceplate_window.h"
#include "ui/core/language.h"
#include "ui/core/trainer.h"

using tessaro::testing::RecordingMessages;
using tessaro::testing::TestDataRoot;

namespace {

// Pixels of the model's blue in a picture.
int ModelPixels(const QImage& picture) {
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QColor c = picture.pixelColor(x, y);
      count += c.blue() > 180 && c.red() < 90 && c.green() < 140;
    }
  }
  return count;
}

}  // namespace

// A trainer on a plain process picture, ready to open the heater lesson.
struct HeaterLesson {
  HeaterLesson() {
    root.WritePicture("Teks/Procesplaat.bmp", Qt::gray, {1286, 632});
    trainer = std::make_unique<tessaro::Trainer>(image, board, messages, root.path());
  }
  TestDataRoot root;
  tessaro::ProcessImage image;
  tessaro::SimulatedBoard board;
  RecordingMessages messages;
  std::unique_ptr<tessaro::Trainer> trainer;
};

class TuneWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StepTestAtTenTimesDrawsTheModelAndApplies() {
    HeaterLesson lesson;
    tessaro::Trainer& trainer = *lesson.trainer;
    tessaro::ProcessImage& image = lesson.image;
    QVERIFY(trainer.OpenExample(std::filesystem::path(TESSARO_EXAMPLES) / "heater_pid.txt"));
    QVERIFY(trainer.lab()->SetPlant("heater"));
    trainer.SpeedChoice(10);
    QCOMPARE(trainer.run().speed, 10);
    trainer.faceplate(1).findChild<QPushButton*>(QStringLiteral("ManualButton"))->click();

    trainer.OpenTuneWindow(1);
    tessaro::TuneWindow& window = trainer.tune_window(1);
    QVERIFY(window.isVisible());
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("Proposals"));
    QCOMPARE(table->rowCount(), 0);
    window.findChild<QPushButton*>(QStringLiteral("StepButton"))->click();
    QCOMPARE(trainer.tuner().session(1).phase, tessaro::TunePhase::Waiting);

    // Up to ten minutes of program time, one minute of wall time at 10x: the timers' ticks
    // in their order, until the test has its model.
    for (int second = 0; second < 600; ++second) {
      if (trainer.tuner().session(1).phase == tessaro::TunePhase::Done) break;
      for (int tick = 0; tick < 4; ++tick) {
        trainer.PlantAdvance(250);
        trainer.ScanTick();
        if (tick != 3) trainer.MuxTick();
      }
    }
    const tessaro::TuneSession& s = trainer.tuner().session(1);
    QCOMPARE(s.phase, tessaro::TunePhase::Done);
    QVERIFY(std::abs(s.model.gain - 0.8) < 0.05);
    QCOMPARE(table->rowCount(), 6);
    QVERIFY(table->item(4, 0)->text().startsWith(QStringLiteral("SIMC PI")));
    auto* status = window.findChild<QLabel*>(QStringLiteral("StatusLabel"));
    QVERIFY(status->text().startsWith(QStringLiteral("K 0.8")));
    auto* chart = window.findChild<tessaro::TuneChart*>(QStringLiteral("TuneChart"));
    QVERIFY(ModelPixels(chart->grab().toImage()) > 200);
    // The faceplate's own trend shows the model too.
    trainer.faceplate(1).show();
    trainer.faceplate(1).findChild<QPushButton*>(QStringLiteral("GKknop"))->click();
    for (int tick = 0; tick < 4; ++tick) trainer.ScanTick();
    QVERIFY(ModelPixels(trainer.faceplate(1).chart().chart()) > 100);

    // "Toepassen" with SIMC: its boxes on the faceplate, and "Auto".
    table->selectRow(4);
    window.findChild<QPushButton*>(QStringLiteral("ApplyButton"))->click();
    const tessaro::Proposal& simc = s.proposals[4];
    QCOMPARE(image.Pid[1].Pb, double(simc.boxes.pb_box));
    QCOMPARE(image.Pid[1].Ti, double(simc.boxes.ti_box));
    QCOMPARE(image.Pid[1].Mode, std::string("auto"));
    auto* pb = trainer.faceplate(1).findChild<QSpinBox*>(QStringLiteral("PBSpin"));
    QCOMPARE(pb->value(), simc.boxes.pb_box);
  }

  void ARefusalIsSaidInTheWindow() {
    HeaterLesson lesson;
    tessaro::Trainer& trainer = *lesson.trainer;
    QVERIFY(trainer.OpenExample(std::filesystem::path(TESSARO_EXAMPLES) / "heater_pid.txt"));
    trainer.OpenTuneWindow(1);
    tessaro::TuneWindow& window = trainer.tune_window(1);
    // The lesson opens in auto: no step test from there.
    window.findChild<QPushButton*>(QStringLiteral("StepButton"))->click();
    auto* status = window.findChild<QLabel*>(QStringLiteral("StatusLabel"));
    QCOMPARE(status->text(), QStringLiteral("De stapproef begint in Hand"));
    // The controller's cycles refresh the window: the refusal stays in sight.
    window.Refresh();
    QCOMPARE(status->text(), QStringLiteral("De stapproef begint in Hand"));
    QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("ApplyButton"))->isEnabled());
    // In English the engine's refusal is said in English too.
    QVERIFY(
        tessaro::InstallTranslations(*QCoreApplication::instance(), tessaro::Language::kEnglish));
    window.findChild<QPushButton*>(QStringLiteral("StepButton"))->click();
    const QString english = status->text();
    tessaro::InstallTranslations(*QCoreApplication::instance(), tessaro::Language::kDutch);
    QCOMPARE(english, QStringLiteral("The step test starts in Man"));
  }
};

QTEST_MAIN(TuneWindowTest)
#include "tune_window_test.moc"
