// The running trainer: the scan and multiplex ticks drive the operator screen, and "Kaart"
// connects the board.
#include "ui/core/trainer.h"

#include <QApplication>
#include <QLabel>
#include <QWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "engine/screen/screen_items.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/control/chart_view.h"
#include "ui/control/recorder_window.h"
#include "ui/core/main_window.h"
#include "ui/editor/logic_grid_window.h"

using tessaro::testing::RecordingMessages;
using tessaro::testing::SamePixels;
using tessaro::testing::TestDataRoot;

namespace {

// A board that never answers.
class AbsentBoard : public tessaro::SimulatedBoard {
 public:
  int32_t OpenDevice(int32_t) override { return -1; }
};

struct Running {
  explicit Running(tessaro::Board& board) : board(board) {}

  void Start() {
    root.WritePicture("Teks/Procesplaat.bmp", Qt::gray, {1286, 632});
    trainer = std::make_unique<tessaro::Trainer>(image, board, messages, root.path());
    trainer->main_window().show();
  }
  template <typename Control = QWidget>
  Control* Find(const char* name) const {
    return trainer->main_window().findChild<Control*>(QString::fromLatin1(name));
  }
  void Cycle() {
    for (int i = 0; i < 4; ++i) trainer->schakelblok();
  }
  // A row of wires from a value knob to digital output 1, whose lamp is on screen.
  void KnobToOutputOne() {
    image.FieldGrid[1][1] = "Spin1";
    for (int c = 2; c <= 6; ++c) image.FieldGrid[1][c] = "Draad1";
    image.FieldGrid[1][7] = "D1uit";
    image.ItemVisible[tessaro::ItemIndex("D1uit")] = 1;
    Find<QSpinBox>("SpinEdit2")->setValue(255);
  }

  TestDataRoot root;
  tessaro::ProcessImage image;
  tessaro::Board& board;
  RecordingMessages messages;
  std::unique_ptr<tessaro::Trainer> trainer;
};

}  // namespace

class TrainerTest : public QObject {
  Q_OBJECT

 private slots:
  void KnobReachesAnOutputLampThroughWiresInOneCycle() {
    tessaro::SimulatedBoard board;
    Running run(board);
    const QImage high = run.root.WritePicture("Teks/D1uithoog.bmp", Qt::red, {108, 29});
    const QImage low = run.root.WritePicture("Teks/D1uitlaag.bmp", Qt::white, {108, 29});
    run.Start();
    run.KnobToOutputOne();

    run.Cycle();
    QVERIFY(board.DigitalOutput(1));
    QVERIFY(SamePixels(run.Find<QLabel>("Image13")->pixmap().toImage(), high));

    run.Find<QSpinBox>("SpinEdit2")->setValue(0);
    run.Cycle();
    QVERIFY(!board.DigitalOutput(1));
    QVERIFY(SamePixels(run.Find<QLabel>("Image13")->pixmap().toImage(), low));
    QVERIFY(run.messages.errors.empty());
  }

  void AnalogInputsReachTheirValueLabels() {
    tessaro::SimulatedBoard board;
    Running run(board);
    run.Start();
    board.SetMuxInput(1, 42);
    run.image.FieldGrid[3][1] = "A1in";
    for (int i = 0; i < 2; ++i) run.trainer->SWklok();  // the first tick only starts the count
    run.trainer->schakelblok();
    QCOMPARE(run.Find<QLabel>("Label2")->text(), QStringLiteral("42"));
  }

  void MissingLampPictureIsReportedOnceAndTheTicksGoOn() {
    tessaro::SimulatedBoard board;
    Running run(board);
    run.Start();
    run.KnobToOutputOne();
    for (int i = 0; i < 3; ++i) run.Cycle();
    QCoreApplication::processEvents();
    QCOMPARE(run.image.ScanPhase, 1);
    QCOMPARE(run.image.SineStep, 3);
    QVERIFY(board.DigitalOutput(1));
    QCOMPARE(run.messages.errors.size(), size_t{1});
    QVERIFY(QString::fromStdString(run.messages.errors[0]).contains("D1uithoog.bmp"));
  }

  void KaartFindsTheBoardAndHidesTheAddressBox() {
    tessaro::SimulatedBoard board;
    Running run(board);
    run.Start();
    run.Find<QSpinBox>("SpinEdit1")->setValue(2);
    run.Find<QPushButton>("Button4")->click();
    QCOMPARE(run.messages.informations, std::vector<std::string>{"Kaart gevonden op 2"});
    QVERIFY(run.Find("SpinEdit1")->isHidden());
    QCOMPARE(run.image.CardAddress, 2);
  }

  void KaartWithoutABoardKeepsTheAddressBox() {
    AbsentBoard board;
    Running run(board);
    run.Start();
    run.Find<QPushButton>("Button4")->click();
    QCOMPARE(run.messages.informations, std::vector<std::string>{"Geen kaart gevonden op 0"});
    QVERIFY(!run.Find("SpinEdit1")->isHidden());
  }

  // The operator screen first: its plate and the hidden windows come after the first frame,
  // and an instrument that ran before its window existed shows that history when opened.
  void TheRestOfTheStartFollowsTheFirstFrame() {
    tessaro::SimulatedBoard board;
    Running run(board);
    const QImage plate = run.root.WritePicture("Teks/Procesplaat.bmp", Qt::gray, {1286, 632});
    run.root.WritePicture("Velden/Papier40.bmp", Qt::white, {584, 308});
    run.trainer = std::make_unique<tessaro::Trainer>(
        run.image, board, run.messages, run.root.path(),
        tessaro::Trainer::Start::kOperatorScreenFirst);
    QVERIFY(run.Find<QLabel>("Image1")->pixmap().isNull());
    run.image.FieldGrid[1][1] = "Spin1";
    run.image.FieldGrid[1][2] = "Rec1";
    run.image.KnobValue[1] = 255;
    run.image.ItemVisible[tessaro::ItemIndex("Rec1")] = 1;
    for (int i = 0; i < 4; ++i) run.Cycle();  // the fourth cycle takes a sample

    run.trainer->FinishStartAfterFirstFrame();
    run.trainer->main_window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&run.trainer->main_window()));
    QTRY_VERIFY(!run.Find<QLabel>("Image1")->pixmap().isNull());
    QVERIFY(SamePixels(run.Find<QLabel>("Image1")->pixmap().toImage(), plate));
    QVERIFY(run.messages.informations.empty());

    tessaro::RecorderWindow& recorder = run.trainer->recorder_window(1);
    recorder.show();
    const QImage chart = recorder.findChild<tessaro::ChartView*>(QStringLiteral("Image1"))->chart();
    QCOMPARE(chart.pixelColor(480, 25), QColor(255, 0, 0));  // the sample at full scale
  }

  // The window system keeps every other window in front of the operator screen because the
  // operator screen owns it, not because it floats over every program.
  void EveryOtherWindowBelongsToTheOperatorScreen() {
    tessaro::SimulatedBoard board;
    Running run(board);
    run.Start();
    run.trainer->ShowEveryWindow();
    emit run.trainer->main_window().LogicsClicked();
    run.trainer->logic_grid().VeldClick(1, 1);
    run.trainer->logic_grid().VeldClick(1, 2);
    run.trainer->logic_grid().VeldClick(1, 7);
    QWidget& owner = run.trainer->main_window();
    int owned = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window == &owner || !window->isVisible()) continue;
      QVERIFY2(window->parentWidget() == &owner, qPrintable(window->objectName()));
      QCOMPARE(window->windowType(), Qt::Dialog);
      QVERIFY(!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
      QVERIFY(window->windowHandle()->transientParent() == owner.windowHandle());
      ++owned;
    }
    // Layout, grid, three palettes, dialog, board panel, 8 recorders, 9 faceplates.
    QCOMPARE(owned, 24);
  }
};

QTEST_MAIN(TrainerTest)
#include "trainer_test.moc"
