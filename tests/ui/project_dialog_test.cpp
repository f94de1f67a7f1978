// The save/load dialog: a load places and shows the screen items, selects the PID action
// buttons and fills the grid; the dialog closes only after an action that completed.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "engine/screen/screen_items.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/control/faceplate_window.h"
#include "ui/core/main_window.h"
#include "ui/core/trainer.h"
#include "ui/editor/logic_grid_window.h"
#include "ui/project/project_dialog.h"
#include "ui/screen/layout_window.h"

using tessaro::testing::RecordingMessages;
using tessaro::testing::SamePixels;
using tessaro::testing::TestDataRoot;

namespace {

struct Running {
  Running() {
    root.WritePicture("Teks/Procesplaat.bmp", Qt::gray, {1286, 632});
    and1 = root.WritePicture("Velden/AND1.bmp", Qt::green, {71, 71});
    root.WritePicture("Velden/Blanco.bmp", Qt::white, {71, 71});
    trainer = std::make_unique<tessaro::Trainer>(image, board, messages, root.path());
    trainer->main_window().show();
  }
  template <typename Control = QWidget>
  Control* In(QWidget& window, const char* name) const {
    return window.findChild<Control*>(QString::fromLatin1(name));
  }
  tessaro::ProjectDialog& Dialog() { return trainer->project_dialog(); }
  void Open() { In<QPushButton>(trainer->main_window(), "Button5")->click(); }
  void Click(const char* button) { In<QPushButton>(Dialog(), button)->click(); }

  TestDataRoot root;
  QImage and1;
  tessaro::ProcessImage image;
  tessaro::SimulatedBoard board;
  RecordingMessages messages;
  std::unique_ptr<tessaro::Trainer> trainer;
};

}  // namespace

class ProjectDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void TheDialogHasItsDesign() {
    Running run;
    run.Open();
    QVERIFY(run.Dialog().isVisible());
    QCOMPARE(run.Dialog().windowTitle(), QStringLiteral("Opslaan/Inlezen"));
    QCOMPARE(run.Dialog().size(), QSize(306, 68));
    QCOMPARE(run.In<QPushButton>(run.Dialog(), "Button1")->text(), QStringLiteral("Opslaan"));
    QCOMPARE(run.In<QPushButton>(run.Dialog(), "Button2")->geometry(), QRect(160, 16, 121, 33));
  }

  void ALoadAppliesLayoutActionsAndPictures() {
    Running run;
    const int reg2 = tessaro::ItemIndex("Reg2");
    run.image.FieldGrid[3][4] = "AND1";
    run.image.ItemVisible[reg2] = 1;
    run.image.ItemLeft[reg2] = 700;
    run.image.ItemTop[reg2] = 333;
    run.image.Pid[2].PidAction = -1;
    run.Open();
    run.Click("Button1");  // Opslaan
    QVERIFY(run.messages.errors.empty() && !run.Dialog().isVisible());

    // The layout editor shows Recorder1 before the load ...
    tessaro::LayoutWindow& layout = run.trainer->layout_window();
    run.In<QRadioButton>(layout, "RadioButton1")->click();
    QCOMPARE(run.In<QSpinBox>(layout, "SpinEdit1")->value(), 900);

    // ... then the running project is changed and the file loaded back.
    run.image.FieldGrid[3][4] = "Leeg";
    run.image.ItemVisible[reg2] = 0;
    run.image.Pid[2].PidAction = 1;
    run.Open();
    run.Click("Button2");  // Inlezen
    QVERIFY(!run.Dialog().isVisible());

    QWidget* label = run.In(run.trainer->main_window(), "Label19");
    QVERIFY(label->isVisible());
    QCOMPARE(label->pos(), QPoint(700, 333));
    QCOMPARE(run.image.Pid[2].PidAction, -1);
    QVERIFY(run.In<QRadioButton>(run.trainer->faceplate(2), "RadioButton2")->isChecked());
    QVERIFY(run.In<QRadioButton>(run.trainer->faceplate(1), "RadioButton1")->isChecked());
    QCOMPARE(run.image.FieldGrid[3][4], std::string("AND1"));
    QVERIFY(SamePixels(run.trainer->logic_grid().Field(3, 4)->pixmap().toImage(), run.and1));
    // The layout editor keeps what it showed until a radio button is chosen again.
    QCOMPARE(run.In<QSpinBox>(layout, "SpinEdit1")->value(), 900);
  }

  void TheDialogStaysOpenAfterAFailedLoad() {
    Running run;
    run.Open();
    run.Click("Button2");  // no project file yet
    QCOMPARE(run.messages.errors.size() + run.messages.informations.size(), size_t{1});
    QVERIFY(run.Dialog().isVisible());

    // A schema, then text where the first position must stand.
    std::ofstream file(run.root.path() / "Velden" / "data1.txt");
    for (int line = 1; line <= 112; ++line) file << "AND1\r\n";
    file << "abc\r\n";
    file.close();
    const std::string before = run.image.FieldGrid[1][1];
    run.Click("Button2");
    QVERIFY(run.Dialog().isVisible());
    QCOMPARE(run.image.FieldGrid[1][1], before);
  }
};

QTEST_MAIN(ProjectDialogTest)
#include "project_dialog_test.moc"
