// The simulated board's panel: its switches and sliders reach the digital input blocks and
// AnalogIn, the board's outputs show on its lamps and bars, a chosen process takes over its
// inputs, and the panel goes away once "Kaart" finds a real board.
#include "ui/board/board_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "engine/board/board_selection.h"
#include "engine/board/lab.h"
#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/board/board_widgets.h"
#include "ui/core/main_window.h"
#include "ui/core/trainer.h"

using tessaro::testing::RecordingMessages;
using tessaro::testing::TestDataRoot;

namespace {

// A board library that answers address 2 only.
class FakeLibraryBoard : public tessaro::SimulatedBoard {
 public:
  int32_t OpenDevice(int32_t address) override { return address == 2 ? 2 : -1; }
};

struct Lab {
  explicit Lab(tessaro::Board& board) : board(board) {
    root.WritePicture("Teks/Procesplaat.bmp", Qt::gray, {1286, 632});
    trainer = std::make_unique<tessaro::Trainer>(image, board, messages, root.path());
    trainer->main_window().show();
  }

  template <typename Control = QWidget>
  Control* OnScreen(const char* name) const {
    return trainer->main_window().findChild<Control*>(QString::fromLatin1(name));
  }
  template <typename Control = QWidget>
  Control* OnPanel(const QString& name) const {
    return trainer->board_panel()->findChild<Control*>(name);
  }
  tessaro::SlideSwitch* Switch(int n) const {
    return OnPanel<tessaro::SlideSwitch>(QStringLiteral("DigitalIn%1").arg(n));
  }
  QSlider* Slider(int n) const { return OnPanel<QSlider>(QStringLiteral("AnalogIn%1").arg(n)); }
  QString SliderText(int n) const {
    return OnPanel<QLabel>(QStringLiteral("AnalogInValue%1").arg(n))->text();
  }
  tessaro::BoardLamp* Lamp(int n) const {
    return OnPanel<tessaro::BoardLamp>(QStringLiteral("DigitalOut%1").arg(n));
  }
  tessaro::OutputBar* Bar(int n) const {
    return OnPanel<tessaro::OutputBar>(QStringLiteral("AnalogOut%1").arg(n));
  }
  void OpenPanel() const { OnScreen<QPushButton>("SimulatieButton")->click(); }
  void ChoosePlant(const char* name) const {
    auto* choice = OnPanel<QComboBox>(QStringLiteral("PlantChoice"));
    choice->setCurrentIndex(choice->findData(QString::fromLatin1(name)));
  }
  void Cycle() const {
    for (int i = 0; i < 4; ++i) trainer->schakelblok();
  }
  // Five multiplex ticks: the first only starts the count, the next four read all eight.
  void ReadAllAnalogInputs() const {
    for (int i = 0; i < 5; ++i) trainer->SWklok();
  }
  void Kaart(int address) const {
    OnScreen<QSpinBox>("SpinEdit1")->setValue(address);
    OnScreen<QPushButton>("Button4")->click();
  }

  TestDataRoot root;
  tessaro::ProcessImage image;
  tessaro::Board& board;
  RecordingMessages messages;
  std::unique_ptr<tessaro::Trainer> trainer;
};

// The program's board: the simulated board until "Kaart" finds the library, which appears in
// Velden only when `library_copied` is set.
struct SelectorBoard {
  SelectorBoard() {
    auto owned = std::make_unique<tessaro::SimulatedBoard>();
    simulated = owned.get();
    selector = std::make_unique<tessaro::BoardSelector>(
        std::move(owned),
        [this]() -> std::unique_ptr<tessaro::Board> {
          if (!library_copied) return nullptr;
          return std::make_unique<FakeLibraryBoard>();
        },
        nullptr);
  }

  bool library_copied = false;
  tessaro::SimulatedBoard* simulated = nullptr;
  std::unique_ptr<tessaro::BoardSelector> selector;
};

}  // namespace

class BoardPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void SwitchesReachTheDigitalInputBlocks() {
    tessaro::SimulatedBoard board;
    Lab lab(board);
    lab.OpenPanel();
    QVERIFY(lab.trainer->board_panel()->isVisible());
    lab.image.FieldGrid[1][1] = "D3in";
    lab.image.FieldGrid[2][1] = "D5in";

    QTest::mouseClick(lab.Switch(3), Qt::LeftButton);
    QVERIFY(board.DigitalInput(3));
    lab.Cycle();
    QCOMPARE(lab.image.OutRight[1][1], 255);
    QCOMPARE(lab.image.OutRight[2][1], 0);

    QTest::mouseClick(lab.Switch(3), Qt::LeftButton);
    QTest::mouseClick(lab.Switch(5), Qt::LeftButton);
    lab.Cycle();
    QCOMPARE(lab.image.OutRight[1][1], 0);
    QCOMPARE(lab.image.OutRight[2][1], 255);
  }

  void SlidersReachAnalogInThroughTheMultiplexer() {
    tessaro::SimulatedBoard board;
    Lab lab(board);
    lab.OpenPanel();
    lab.Slider(1)->setValue(17);
    QTest::keyClick(lab.Slider(6), Qt::Key_End);  // all the way up, as a user would
    lab.Slider(8)->setValue(128);
    QCOMPARE(lab.SliderText(6), QStringLiteral("255"));
    QCOMPARE(board.MuxInput(6), 255);

    lab.ReadAllAnalogInputs();
    QCOMPARE(lab.image.AnalogIn[1], 17);
    QCOMPARE(lab.image.AnalogIn[6], 255);
    QCOMPARE(lab.image.AnalogIn[8], 128);
    QCOMPARE(lab.image.AnalogIn[2], 0);

    // The select lines are back at off/off: the panel names the pair they put on the board.
    auto* mux = lab.OnPanel<QLabel>(QStringLiteral("MuxState"));
    QVERIFY2(mux->text().contains(QStringLiteral("A1in en A2in")), qPrintable(mux->text()));
    lab.trainer->SWklok();
    QVERIFY2(mux->text().contains(QStringLiteral("A3in en A4in")), qPrintable(mux->text()));
    QVERIFY(lab.Lamp(7)->IsOn());
    QVERIFY(!lab.Lamp(8)->IsOn());
  }

  void OutputsShowOnTheLampsAndBars() {
    tessaro::SimulatedBoard board;
    Lab lab(board);
    lab.OpenPanel();
    // Knob 1 through wires to analog output 1; knob 2 to digital output 2.
    lab.image.FieldGrid[1][1] = "Spin1";
    lab.image.FieldGrid[2][1] = "Spin2";
    for (int c = 2; c <= 6; ++c) {
      lab.image.FieldGrid[1][c] = "Draad1";
      lab.image.FieldGrid[2][c] = "Draad1";
    }
    lab.image.FieldGrid[1][7] = "A1uit";
    lab.image.FieldGrid[2][7] = "D2uit";
    lab.OnScreen<QSpinBox>("SpinEdit2")->setValue(51);
    lab.OnScreen<QSpinBox>("SpinEdit3")->setValue(255);

    lab.Cycle();
    QCOMPARE(lab.Bar(1)->Value(), 51);
    QVERIFY2(lab.Bar(1)->Text().contains(QStringLiteral("1.00 V")), qPrintable(lab.Bar(1)->Text()));
    QCOMPARE(lab.Bar(2)->Value(), 0);
    QVERIFY(lab.Lamp(2)->IsOn());
    QVERIFY(!lab.Lamp(1)->IsOn());

    lab.OnScreen<QSpinBox>("SpinEdit3")->setValue(0);
    lab.Cycle();
    QVERIFY(!lab.Lamp(2)->IsOn());
  }

  void AChosenProcessDrivesItsInputsAndTheHandCannot() {
    tessaro::SimulatedBoard board;
    Lab lab(board);
    // No process, no plant timer: an idle lab wakes nobody up.
    auto* plant_timer = lab.trainer->findChild<QTimer*>(QStringLiteral("PlantTimer"));
    QVERIFY(plant_timer != nullptr);
    QVERIFY(!plant_timer->isActive());
    lab.OpenPanel();
    lab.Slider(1)->setValue(200);
    lab.ChoosePlant("heater");
    QVERIFY(plant_timer->isActive());
    QCOMPARE(lab.trainer->lab()->plant().Name(), std::string("heater"));
    // Ambient 20 °C reads 51 on the heater's input; the slider shows it and is locked.
    QCOMPARE(lab.Slider(1)->value(), 51);
    QVERIFY(!lab.Slider(1)->isEnabled());
    QVERIFY(lab.SliderText(1).startsWith(QStringLiteral("51")));
    QVERIFY(lab.Slider(2)->isEnabled());
    lab.Slider(1)->setValue(0);  // a stray change is not taken
    QCOMPARE(board.MuxInput(1), 51);
    QCOMPARE(lab.Slider(1)->value(), 51);

    // Full power for a minute of plant ticks: the block warms, and AnalogIn follows.
    board.OutputAnalogChannel(1, 255);
    for (int i = 0; i < 600; ++i) lab.trainer->PlantTick();
    QVERIFY(board.MuxInput(1) > 150);
    QCOMPARE(lab.Slider(1)->value(), int{board.MuxInput(1)});
    lab.ReadAllAnalogInputs();
    QCOMPARE(lab.image.AnalogIn[1], board.MuxInput(1));

    // The tank holds the level input and both level switches; the empty tank makes the low one.
    lab.ChoosePlant("tank");
    QVERIFY(lab.Slider(1)->isEnabled());
    QVERIFY(!lab.Slider(2)->isEnabled());
    QVERIFY(!lab.Switch(1)->isEnabled());
    QVERIFY(!lab.Switch(2)->isEnabled());
    QVERIFY(lab.Switch(2)->isChecked());
    QVERIFY(lab.Switch(3)->isEnabled());
    QTest::mouseClick(lab.Switch(2), Qt::LeftButton);
    QVERIFY(board.DigitalInput(2));
  }

  void TheSimulationGoesOnceKaartFindsARealBoard() {
    SelectorBoard program_board;
    Lab lab(*program_board.selector);
    auto* button = lab.OnScreen<QPushButton>("SimulatieButton");
    QVERIFY(button->isVisible());
    QCOMPARE(button->geometry(), QRect(440, 0, 73, 25));
    QVERIFY(lab.trainer->SimulatedBoardInUse());
    lab.OpenPanel();
    auto* plant_timer = lab.trainer->findChild<QTimer*>(QStringLiteral("PlantTimer"));
    lab.ChoosePlant("heater");
    lab.ChoosePlant("none");
    QVERIFY(!plant_timer->isActive());
    lab.ChoosePlant("heater");
    QVERIFY(plant_timer->isActive());
    program_board.simulated->OutputAnalogChannel(1, 255);
    auto* speed = lab.OnScreen<QComboBox>("SpeedBox");
    speed->setCurrentIndex(2);
    emit speed->activated(2);  // 10x while simulated
    QCOMPARE(lab.trainer->run().speed, 10);

    // No board answers: the simulation stays.
    lab.Kaart(2);
    QVERIFY(button->isVisible());
    QVERIFY(lab.trainer->board_panel()->isVisible());

    // A board library copied into Velden answers: panel and button go, and the process
    // stands still.
    program_board.library_copied = true;
    lab.Kaart(2);
    QCOMPARE(lab.messages.informations.back(), std::string("Kaart gevonden op 2"));
    QVERIFY(!lab.trainer->SimulatedBoardInUse());
    QVERIFY(!button->isVisible());
    QVERIFY(!lab.trainer->board_panel()->isVisible());
    QVERIFY(!lab.trainer->findChild<QTimer*>(QStringLiteral("PlantTimer"))->isActive());
    // The board runs in real time: back to 1x, and the faster speeds are not offered.
    QCOMPARE(lab.trainer->run().speed, 1);
    QCOMPARE(speed->currentText(), QStringLiteral("1x"));
    QCOMPARE(lab.trainer->main_window().Timer1()->interval(), 250);
    auto* speeds = static_cast<QStandardItemModel*>(speed->model());
    QVERIFY(speeds->item(0)->isEnabled());
    QVERIFY(!speeds->item(1)->isEnabled() && !speeds->item(2)->isEnabled());
    emit speed->activated(2);
    QCOMPARE(lab.trainer->run().speed, 1);
    const uint8_t before = program_board.simulated->MuxInput(1);
    for (int i = 0; i < 600; ++i) lab.trainer->PlantTick();
    QCOMPARE(program_board.simulated->MuxInput(1), before);
  }

  void NoButtonWhenABoardLibraryIsThereFromTheStart() {
    SelectorBoard program_board;
    program_board.library_copied = true;
    program_board.selector = std::make_unique<tessaro::BoardSelector>(
        std::make_unique<tessaro::SimulatedBoard>(),
        []() -> std::unique_ptr<tessaro::Board> { return std::make_unique<FakeLibraryBoard>(); },
        nullptr);
    Lab lab(*program_board.selector);
    QVERIFY(!lab.trainer->SimulatedBoardInUse());
    QVERIFY(!lab.OnScreen("SimulatieButton")->isVisible());
  }
};

QTEST_MAIN(BoardPanelTest)
#include "board_panel_test.moc"
