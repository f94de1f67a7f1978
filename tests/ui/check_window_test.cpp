// "Controleer": offered for a project with a check beside it; it checks the project as it is on
// the screen, saved or not, without touching the running trainer, and names each check.
#include "ui/project/check_window.h"

#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>

#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/control/faceplate_window.h"
#include "ui/core/main_window.h"
#include "ui/core/trainer.h"
#include "ui/project/project_dialog.h"

using tessaro::testing::RecordingMessages;
using tessaro::testing::TestDataRoot;
namespace fs = std::filesystem;

namespace {

// The trainer with the heater lesson and its check in its examples folder.
struct Lesson {
  Lesson() {
    root.WritePicture("Teks/Procesplaat.bmp", Qt::gray, {1286, 632});
    fs::create_directories(root.path() / "examples" / "checks");
    for (const char* file : {"heater_pid.txt", "heater_pid.sim", "checks/heater_pid.sim"}) {
      fs::copy_file(fs::path(TESSARO_EXAMPLES) / file, root.path() / "examples" / file);
    }
    trainer = std::make_unique<tessaro::Trainer>(image, board, messages, root.path());
    trainer->main_window().show();
  }
  QPushButton* Button(const char* name) {
    return trainer->project_dialog().findChild<QPushButton*>(QString::fromLatin1(name));
  }
  void OpenDialog() {
    trainer->main_window().findChild<QPushButton*>(QStringLiteral("Button5"))->click();
  }
  // Clicks "Controleer" and waits for the outcome.
  bool Controleer() {
    QSignalSpy finished(&trainer->check_window(), &tessaro::CheckWindow::Finished);
    OpenDialog();
    Button("ControleerButton")->click();
    return finished.wait(30000);
  }
  // Each check's name and its outcome, with the lines below a failed one.
  std::vector<QStringList> Rows() {
    std::vector<QStringList> rows;
    QTreeWidget* list = trainer->check_window().Results();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = list->topLevelItem(i);
      QStringList row{item->text(0), item->text(1)};
      for (int k = 0; k < item->childCount(); ++k) row << item->child(k)->text(0);
      rows.push_back(row);
    }
    return rows;
  }

  TestDataRoot root;
  tessaro::ProcessImage image;
  tessaro::SimulatedBoard board;
  RecordingMessages messages;
  std::unique_ptr<tessaro::Trainer> trainer;
};

}  // namespace

class CheckWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void OfferedOnlyForAProjectWithACheck() {
    Lesson lesson;
    lesson.OpenDialog();
    QVERIFY(!lesson.Button("ControleerButton")->isVisible());
    const QSize without = lesson.trainer->project_dialog().size();
    // The lesson, chosen from "Voorbeelden".
    QMenu* menu = lesson.trainer->project_dialog().ExamplesMenu();
    emit menu->aboutToShow();
    menu->actions()[0]->trigger();
    lesson.OpenDialog();
    QVERIFY(lesson.Button("ControleerButton")->isVisible());
    QCOMPARE(lesson.trainer->project_dialog().height(), without.height() + 40);
    // "Nieuw" leaves no file, so no check.
    lesson.messages.answer_yes = true;
    QVERIFY(lesson.trainer->Nieuw());
    lesson.OpenDialog();
    QVERIFY(!lesson.Button("ControleerButton")->isVisible());
  }

  void TheLessonAsShippedPassesEveryCheck() {
    Lesson lesson;
    QVERIFY(lesson.trainer->OpenExample(lesson.root.path() / "examples" / "heater_pid.txt"));
    lesson.messages.errors.clear();  // the test folder has few pictures
    QVERIFY(lesson.Controleer());
    QVERIFY(lesson.messages.errors.empty());

    tessaro::CheckWindow& window = lesson.trainer->check_window();
    QVERIFY(window.isVisible());
    QCOMPARE(window.Summary(), QStringLiteral("Alle 7 controles geslaagd."));
    const auto rows = lesson.Rows();
    QCOMPARE(rows.size(), size_t{7});
    QCOMPARE(rows[0][0], QStringLiteral("Reg1 staat op auto, op 60 %, en geeft meer warmte als "
                                        "het te koud is (actie R)"));
    for (const QStringList& row : rows) QCOMPARE(row.mid(1), QStringList{"✔ geslaagd"});
    // The check pressed Knop1 and ran the fan in its own trainer, not in this one.
    QCOMPARE(lesson.image.ScreenButton[1], uint8_t{0});
    QVERIFY(!lesson.board.DigitalOutput(1));
  }

  void AChangedActionFailsTheChecksItSpoils() {
    Lesson lesson;
    QVERIFY(lesson.trainer->OpenExample(lesson.root.path() / "examples" / "heater_pid.txt"));
    lesson.messages.errors.clear();
    // The student picks "D" on Reg1's faceplate and does not save.
    tessaro::FaceplateWindow& plate = lesson.trainer->faceplate(1);
    plate.findChild<QPushButton*>(QStringLiteral("Button2"))->click();  // "Change"
    plate.findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->click();
    QCOMPARE(lesson.image.Pid[1].PidAction, 1);
    QVERIFY(lesson.Controleer());

    tessaro::CheckWindow& window = lesson.trainer->check_window();
    QCOMPARE(window.Summary(), QStringLiteral("6 van de 7 controles niet geslaagd."));
    const auto rows = lesson.Rows();
    QCOMPARE(rows.size(), size_t{7});
    QCOMPARE(rows[0],
             (QStringList{rows[0][0], "✘ niet geslaagd", "verwacht: pid 1 mode=auto sp=60 action=R",
                          "gevonden: pid 1 mode=auto sp=60 action=D"}));
    QCOMPARE(rows[3][0], QStringLiteral("Knop1 zet de ventilator aan (D1uit)"));
    QCOMPARE(rows[3][1], QStringLiteral("✔ geslaagd"));
    QCOMPARE(rows[6][1], QStringLiteral("✘ niet geslaagd"));
  }
};

QTEST_MAIN(CheckWindowTest)
#include "check_window_test.moc"
