// The operator screen: start-up, push buttons, value knobs, items shown and moved by the
// engine, and leaving the program.
#include "ui/core/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "engine/board/simulated_board.h"
#include "engine/core/operator_screen.h"
#include "engine/core/process_image.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/core/builtin_pictures.h"

using tessaro::MainWindow;
using tessaro::testing::RecordingMessages;
using tessaro::testing::SamePixels;
using tessaro::testing::TestDataRoot;

namespace {

// One operator screen over its own data folder, process image, board and messages.
struct Screen {
  TestDataRoot root;
  tessaro::ProcessImage image;
  tessaro::SimulatedBoard board;
  RecordingMessages messages;
  std::unique_ptr<MainWindow> window;

  void Open() {
    window = std::make_unique<MainWindow>(image, board, messages, root.path());
    window->show();
  }

  template <typename Control = QWidget>
  Control* Find(const char* name) const {
    return window->findChild<Control*>(QString::fromLatin1(name));
  }

  QImage Shown(const char* name) const { return Find<QLabel>(name)->pixmap().toImage(); }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartUpShowsTheDesign();
  void ControlsStandAtTheirDesignPlaces_data();
  void ControlsStandAtTheirDesignPlaces();
  void ProcessPlateIsFoundWhateverItsLetterCase();
  void MissingProcessPlateIsReportedOnceAndStartUpGoesOn();
  void PushButtonTwiceIsOffAgainWithItsOffPicture();
  void MissingPushButtonPictureIsReportedAndTheStateStays();
  void MissingLampPictureIsReportedOnceOutsideTheScan();
  void EngineShowsMovesAndRelabelsItems();
  void KnobsAndAddressBoxAreMirroredIntoTheImage();
  void ExitAnsweredNoLeavesEverythingRunning();
  void ExitAnsweredYesClosesBoardAndWindow();
  void ACloseFromTheWindowManagerAsksAsExitDoes();
  void ACloseWhileTheQuestionIsOpenIsAnsweredByIt_data();
  void ACloseWhileTheQuestionIsOpenIsAnsweredByIt();
};

void MainWindowTest::StartUpShowsTheDesign() {
  Screen s;
  const QImage plate = s.root.WritePicture("Teks/Procesplaat.bmp", Qt::darkCyan, {300, 200});
  s.Open();

  QCOMPARE(s.window->objectName(), QStringLiteral("TForm1"));
  QCOMPARE(s.window->windowTitle(), QStringLiteral("Tessaro"));
  QVERIFY(s.window->windowFlags().testFlag(Qt::FramelessWindowHint));
  QCOMPARE(s.window->palette().color(QPalette::Window), QColor(128, 128, 128));
  QVERIFY(s.messages.informations.empty());

  // The plate is the background and sizes itself to its picture.
  QVERIFY(SamePixels(s.Shown("Image1"), plate));
  QCOMPARE(s.Find("Image1")->geometry(), QRect(0, 0, 300, 200));

  // Start-up defaults are in the image.
  QCOMPARE(s.image.ScanPhase, 1);
  QCOMPARE(s.image.ItemLeft[46], 440);
  QCOMPARE(s.image.Pid[2].Mode, std::string("hand"));

  // Both timers run from the start, not yet tied to anything.
  QCOMPARE(s.window->Timer1()->objectName(), QStringLiteral("Timer1"));
  QCOMPARE(s.window->Timer1()->interval(), 250);
  QVERIFY(s.window->Timer1()->isActive());
  QCOMPARE(s.window->Timer2()->objectName(), QStringLiteral("Timer2"));
  QCOMPARE(s.window->Timer2()->interval(), 333);
  QVERIFY(s.window->Timer2()->isActive());

  // Every screen item is hidden at start; lamps and push buttons show their built-in pictures.
  for (int i = 0; i < tessaro::kScreenItems; ++i) QVERIFY(!s.window->ItemControl(i)->isVisible());
  QVERIFY(SamePixels(s.Shown("Image9"), tessaro::PushButtonOffPicture(3).toImage()));
  QVERIFY(SamePixels(s.Shown("Image18"), tessaro::OutputLampOffPicture(6).toImage()));
  QVERIFY(s.image.ItemPicture[40].empty());
}

void MainWindowTest::ControlsStandAtTheirDesignPlaces_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("place");
  QTest::addColumn<bool>("shown");
  QTest::addColumn<QString>("text");
  const auto row = [](const char* name, QRect place, bool shown, const char* text = "") {
    QTest::newRow(name) << QString::fromLatin1(name) << place << shown << QString::fromLatin1(text);
  };
  row("Button1", {0, 0, 73, 25}, true, "Exit");
  row("Button2", {80, 0, 73, 25}, true, "Screen");
  row("Button3", {160, 0, 73, 25}, true, "Logics");
  row("Button4", {240, 0, 57, 25}, true, "Kaart");
  row("SpinEdit1", {296, 0, 41, 26}, true);
  row("Button5", {344, 0, 89, 25}, true, "Opslaan/inlezen");
  row("Label2", {24, 200, 51, 33}, false, "255");
  row("Label9", {24, 480, 51, 33}, false, "255");
  // Labels that fit their text: only their place is fixed.
  row("Label10", {904, 32, 0, 0}, false, "Rec1");
  row("Label17", {904, 312, 0, 0}, false, "Rec8");
  row("Label18", {1064, 48, 0, 0}, false, "Reg1");
  row("Label20", {1064, 152, 0, 0}, false, "Reg3");
  row("Label23", {1064, 304, 0, 0}, false, "Reg6");
  row("Label24", {440, 208, 0, 0}, false, "Reg7");
  row("Label26", {440, 288, 0, 0}, false, "Reg9");
  row("Image2", {104, 200, 90, 40}, false);
  row("Image6", {104, 392, 90, 40}, false);
  row("Image7", {216, 200, 90, 40}, false);
  row("Image12", {216, 440, 90, 40}, false);
  row("Image13", {704, 192, 108, 29}, false);
  row("Image18", {704, 392, 108, 29}, false);
  row("SpinEdit2", {256, 128, 65, 35}, false);
  row("SpinEdit4", {424, 128, 65, 35}, false);
  row("SpinEdit6", {584, 128, 65, 35}, false);
}

void MainWindowTest::ControlsStandAtTheirDesignPlaces() {
  QFETCH(QString, name);
  QFETCH(QRect, place);
  QFETCH(bool, shown);
  QFETCH(QString, text);
  Screen s;
  s.Open();
  auto* control = s.window->findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  if (place.isEmpty()) {
    QCOMPARE(control->pos(), place.topLeft());
  } else {
    QCOMPARE(control->geometry(), place);
  }
  QCOMPARE(control->isVisible(), shown);
  if (auto* button = qobject_cast<QPushButton*>(control)) QCOMPARE(button->text(), text);
  if (auto* label = qobject_cast<QLabel*>(control); label && !text.isEmpty()) {
    QCOMPARE(label->text(), text);
  }
}

void MainWindowTest::ProcessPlateIsFoundWhateverItsLetterCase() {
  Screen s;
  const QImage plate = s.root.WritePicture("teks/PROCESPLAAT.BMP", Qt::darkGreen, {64, 32});
  s.Open();
  QVERIFY(s.messages.informations.empty());
  QVERIFY(SamePixels(s.Shown("Image1"), plate));
}

void MainWindowTest::MissingProcessPlateIsReportedOnceAndStartUpGoesOn() {
  Screen s;
  s.root.WritePicture("Teks/Knop1aan.bmp", Qt::blue);
  s.Open();
  QCOMPARE(s.messages.informations, std::vector<std::string>{"Geen Procesplaat.bmp gevonden"});
  QVERIFY(s.Find<QLabel>("Image1")->pixmap().isNull());
  QCOMPARE(s.image.ScanPhase, 1);
  QCOMPARE(s.image.ItemTop[0], 50);
}

void MainWindowTest::PushButtonTwiceIsOffAgainWithItsOffPicture() {
  Screen s;
  const QImage on = s.root.WritePicture("Teks/Knop3aan.bmp", Qt::blue);
  const QImage off = s.root.WritePicture("Teks/Knop3uit.bmp", Qt::red);
  s.Open();
  tessaro::SetItemVisible(s.image, *s.window, 40, true);

  QTest::mouseClick(s.Find("Image9"), Qt::LeftButton);
  QCOMPARE(s.image.ScreenButton[3], 255);
  QCOMPARE(s.image.ItemPicture[40], std::string("Teks/Knop3aan.bmp"));
  QVERIFY(SamePixels(s.Shown("Image9"), on));

  QTest::mouseClick(s.Find("Image9"), Qt::LeftButton);
  QCOMPARE(s.image.ScreenButton[3], 0);
  QCOMPARE(s.image.ItemPicture[40], std::string("Teks/Knop3uit.bmp"));
  QVERIFY(SamePixels(s.Shown("Image9"), off));
  // The picture is cut to the control, which keeps its size.
  QCOMPARE(s.Find("Image9")->size(), QSize(90, 40));

  QVERIFY(s.messages.errors.empty());
  QCOMPARE(s.image.ScreenButton[2], 0);
}

void MainWindowTest::MissingPushButtonPictureIsReportedAndTheStateStays() {
  Screen s;
  s.Open();
  tessaro::SetItemVisible(s.image, *s.window, 38, true);

  QTest::mouseClick(s.Find("Image7"), Qt::LeftButton);
  QCOMPARE(s.image.ScreenButton[1], 255);
  QCOMPARE(s.messages.errors.size(), size_t{1});
  QVERIFY(s.messages.errors[0].find("Teks/Knop1aan.bmp") != std::string::npos);
  QVERIFY(SamePixels(s.Shown("Image7"), tessaro::PushButtonOffPicture(1).toImage()));

  // Every click is the user's own action and is answered again.
  QTest::mouseClick(s.Find("Image7"), Qt::LeftButton);
  QCOMPARE(s.image.ScreenButton[1], 0);
  QCOMPARE(s.messages.errors.size(), size_t{2});
  QVERIFY(s.messages.errors[1].find("Teks/Knop1uit.bmp") != std::string::npos);
}

void MainWindowTest::MissingLampPictureIsReportedOnceOutsideTheScan() {
  Screen s;
  s.Open();
  s.window->ItemPictureChanged(16, "Teks/Dig1hoog.bmp");
  s.window->ItemPictureChanged(16, "Teks/Dig1hoog.bmp");
  QVERIFY(s.messages.errors.empty());  // not while the scan phase runs
  QCoreApplication::processEvents();
  QCOMPARE(s.messages.errors.size(), size_t{1});
  QVERIFY(s.messages.errors[0].find("Teks/Dig1hoog.bmp") != std::string::npos);
  QVERIFY(SamePixels(s.Shown("Image2"), tessaro::InputLampOffPicture().toImage()));

  // Once the file is there, the lamp shows it.
  const QImage high = s.root.WritePicture("Teks/Dig1hoog.bmp", Qt::yellow);
  s.window->ItemPictureChanged(16, "Teks/Dig1hoog.bmp");
  QVERIFY(SamePixels(s.Shown("Image2"), high));
  s.window->ItemPictureChanged(16, "");
  QVERIFY(SamePixels(s.Shown("Image2"), tessaro::InputLampOffPicture().toImage()));
  QCoreApplication::processEvents();
  QCOMPARE(s.messages.errors.size(), size_t{1});
}

void MainWindowTest::EngineShowsMovesAndRelabelsItems() {
  Screen s;
  s.Open();

  // Moving one edge leaves the other where it is, and touches only that item's control.
  tessaro::SetItemLeft(s.image, *s.window, 46, 441);
  QCOMPARE(s.Find("Label26")->pos(), QPoint(441, 288));
  tessaro::SetItemTop(s.image, *s.window, 39, 249);
  QCOMPARE(s.Find("Image8")->pos(), QPoint(216, 249));
  QCOMPARE(s.Find("Image7")->pos(), QPoint(216, 200));
  tessaro::SetItemVisible(s.image, *s.window, 21, true);
  QVERIFY(s.Find("SpinEdit2")->isVisible());
  QVERIFY(!s.Find("SpinEdit3")->isVisible());
  tessaro::SetItemVisible(s.image, *s.window, 21, false);
  QVERIFY(!s.Find("SpinEdit2")->isVisible());

  // Recorder and controller labels fit their text; analog labels keep their size.
  auto* recorder = s.Find<QLabel>("Label10");
  const int width = recorder->width();
  s.window->ItemTextChanged(0, "1234.5 m3/h");
  QCOMPARE(recorder->text(), QStringLiteral("1234.5 m3/h"));
  QVERIFY(recorder->width() > width);
  s.window->ItemTextChanged(8, "high");
  QCOMPARE(s.Find<QLabel>("Label2")->text(), QStringLiteral("high"));
  QCOMPARE(s.Find("Label2")->size(), QSize(51, 33));

  // Texts and pictures go only where they belong.
  s.window->ItemTextChanged(16, "x");
  QVERIFY(s.Find<QLabel>("Image2")->text().isEmpty());
  s.window->ItemPictureChanged(21, "Teks/Knop1aan.bmp");
  s.window->ItemTextChanged(47, "x");
  QVERIFY(s.messages.errors.empty());

  s.window->AddressBoxHidden();
  QVERIFY(!s.Find("SpinEdit1")->isVisible());
}

void MainWindowTest::KnobsAndAddressBoxAreMirroredIntoTheImage() {
  Screen s;
  s.Open();
  auto* knob3 = s.Find<QSpinBox>("SpinEdit4");
  QCOMPARE(knob3->maximum(), 255);
  knob3->setValue(77);
  QCOMPARE(s.image.KnobValue[3], 77);
  QCOMPARE(s.image.KnobValue[2], 0);
  knob3->setValue(300);
  QCOMPARE(s.image.KnobValue[3], 255);

  auto* address = s.Find<QSpinBox>("SpinEdit1");
  address->setValue(2);
  QCOMPARE(s.image.AddressBox, 2);
  address->setValue(9);
  QCOMPARE(s.image.AddressBox, 3);
}

void MainWindowTest::ExitAnsweredNoLeavesEverythingRunning() {
  Screen s;
  s.Open();
  s.board.OpenDevice(0);
  s.messages.answer_yes = false;
  QSignalSpy closed(s.window.get(), &MainWindow::Closed);

  QTest::mouseClick(s.Find("Button1"), Qt::LeftButton);
  QCOMPARE(s.messages.questions, std::vector<std::string>{"Exit: Afsluiten?"});
  QVERIFY(s.window->isVisible());
  QVERIFY(s.board.IsOpen());
  QVERIFY(s.window->Timer1()->isActive());
  QCOMPARE(closed.count(), 0);
}

void MainWindowTest::ExitAnsweredYesClosesBoardAndWindow() {
  Screen s;
  s.Open();
  s.board.OpenDevice(0);
  s.messages.answer_yes = true;
  QSignalSpy closed(s.window.get(), &MainWindow::Closed);

  QTest::mouseClick(s.Find("Button1"), Qt::LeftButton);
  QVERIFY(!s.board.IsOpen());
  QVERIFY(!s.window->isVisible());
  QCOMPARE(closed.count(), 1);
}

void MainWindowTest::ACloseFromTheWindowManagerAsksAsExitDoes() {
  Screen s;
  s.Open();
  s.board.OpenDevice(0);
  QSignalSpy closed(s.window.get(), &MainWindow::Closed);

  s.messages.answer_yes = false;
  QVERIFY(!s.window->close());
  QCOMPARE(s.messages.questions, std::vector<std::string>{"Exit: Afsluiten?"});
  QVERIFY(s.window->isVisible());
  QVERIFY(s.board.IsOpen());
  QCOMPARE(closed.count(), 0);

  s.messages.answer_yes = true;
  QVERIFY(s.window->close());
  QCOMPARE(s.messages.questions.size(), size_t{2});
  QVERIFY(!s.board.IsOpen());
  QCOMPARE(closed.count(), 1);
}

void MainWindowTest::ACloseWhileTheQuestionIsOpenIsAnsweredByIt_data() {
  QTest::addColumn<bool>("from_exit");
  QTest::addColumn<bool>("yes");
  QTest::newRow("Exit, then the window manager; No") << true << false;
  QTest::newRow("the window manager twice; No") << false << false;
  QTest::newRow("the window manager twice; Yes") << false << true;
}

void MainWindowTest::ACloseWhileTheQuestionIsOpenIsAnsweredByIt() {
  QFETCH(bool, from_exit);
  QFETCH(bool, yes);
  Screen s;
  s.Open();
  s.board.OpenDevice(0);
  QSignalSpy closed(s.window.get(), &MainWindow::Closed);
  // The window manager's close, as the window system delivers it to the window.
  const auto window_manager_close = [&s] {
    QCloseEvent close;
    QCoreApplication::sendEvent(s.window->windowHandle(), &close);
  };
  s.messages.answer_yes = yes;
  s.messages.while_asking = window_manager_close;

  if (from_exit) {
    QTest::mouseClick(s.Find("Button1"), Qt::LeftButton);
  } else {
    window_manager_close();
  }
  QCOMPARE(s.messages.questions, std::vector<std::string>{"Exit: Afsluiten?"});
  QCOMPARE(s.window->isVisible(), !yes);
  QCOMPARE(s.board.IsOpen(), !yes);
  QCOMPARE(closed.count(), yes ? 1 : 0);
  if (yes) return;
  // Still on the screen: the next close asks again.
  QVERIFY(s.window->windowHandle()->isVisible());
  s.messages.while_asking = nullptr;
  s.messages.answer_yes = true;
  QVERIFY(s.window->close());
  QCOMPARE(s.messages.questions.size(), size_t{2});
  QCOMPARE(closed.count(), 1);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
