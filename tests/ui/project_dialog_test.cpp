// The project dialog: a load places and shows the screen items, selects the PID action
// buttons and fills the grid; the dialog closes only after an action that completed; the
// lessons open ready, and "Nieuw" asks before it brings back the start-up state.
#include "ui/project/project_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "engine/board/lab.h"
#include "engine/board/simulated_board.h"
#include "engine/core/operator_screen.h"
#include "engine/core/process_image.h"
#include "engine/project/project_session.h"
#include "engine/screen/screen_items.h"
#include "support/recording_messages.h"
#include "support/test_pictures.h"
#include "ui/control/faceplate_window.h"
#include "ui/control/recorder_window.h"
#include "ui/core/main_window.h"
#include "ui/core/trainer.h"
#include "ui/editor/block_palette.h"
#include "ui/editor/logic_grid_window.h"
#include "ui/project/lesson_window.h"
#include "ui/screen/layout_window.h"

using tessaro::testing::RecordingMessages;
using tessaro::testing::SamePixels;
using tessaro::testing::TestDataRoot;
namespace fs = std::filesystem;

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
    // Grown by three rows of buttons; the first row stays as it always was.
    QCOMPARE(run.Dialog().size(), QSize(306, 188));
    QCOMPARE(run.In<QPushButton>(run.Dialog(), "Button1")->text(), QStringLiteral("Opslaan"));
    QCOMPARE(run.In<QPushButton>(run.Dialog(), "Button1")->geometry(), QRect(16, 16, 121, 33));
    QCOMPARE(run.In<QPushButton>(run.Dialog(), "Button2")->geometry(), QRect(160, 16, 121, 33));
    QCOMPARE(run.In<QPushButton>(run.Dialog(), "NieuwButton")->geometry(), QRect(16, 96, 121, 33));
    QCOMPARE(run.In<QPushButton>(run.Dialog(), "RecentButton")->geometry(),
             QRect(16, 136, 121, 33));
    QCOMPARE(run.trainer->main_window().windowTitle(), QStringLiteral("Tessaro"));
  }

  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void VoorbeeldenOpensEachLessonReady() {
    Running run;
    fs::create_directories(run.root.path() / "examples");
    struct Lesson {
      const char* file;
      int controller;
      const char* key;
      const char* name;
      const char* process;
    };
    const Lesson lessons[] = {{"heater_pid.txt", 1, "Reg1", "Temperatuurregelaar", "heater"},
                              {"tank_onoff.txt", 7, "Reg7", "Niveau", "tank"},
                              {"valve_step.txt", 4, "Reg4", "Debiet", "valve"}};
    for (const Lesson& lesson : lessons) {
      fs::copy_file(fs::path(TESSARO_EXAMPLES) / lesson.file,
                    run.root.path() / "examples" / lesson.file);
    }
    for (const char* key :
         {"A1in",  "A2in",  "A3in",  "D1in",   "D2in",   "Knop1",  "Reg1",    "Reg4",
          "Reg7",  "Rec1",  "Rec2",  "Draad1", "Draad6", "Draad7", "Draad10", "Not",
          "A1uit", "A2uit", "D1uit", "D2uit",  "D3uit",  "D4uit"}) {
      run.root.WritePicture(QStringLiteral("Velden/%1.bmp").arg(key), Qt::blue, {71, 71});
    }
    run.Open();
    QMenu* menu = run.Dialog().ExamplesMenu();
    emit menu->aboutToShow();
    QCOMPARE(menu->actions().size(), 3);

    for (int i = 0; i < 3; ++i) {
      const Lesson& lesson = lessons[i];
      // Left over from before: a pushed button, an output on, a trace.
      tessaro::KnopClick(run.image, *run.trainer, 2);
      run.board.SetDigitalChannel(5);
      run.image.Recorder[1][0] = 99;
      run.messages.errors.clear();  // the test folder has no push-button pictures
      run.Open();
      emit menu->aboutToShow();
      QCOMPARE(menu->actions()[i]->text(), QString::fromLatin1(lesson.file).chopped(4));
      menu->actions()[i]->trigger();
      QVERIFY2(run.messages.errors.empty(),
               run.messages.errors.empty() ? "" : run.messages.errors[0].c_str());
      QVERIFY(!run.Dialog().isVisible());

      tessaro::FaceplateWindow& plate = run.trainer->faceplate(lesson.controller);
      QCOMPARE(plate.windowTitle(), QString::fromLatin1(lesson.name));
      QCOMPARE(run.In<QLabel>(plate, "Label1")->text(), QStringLiteral("Auto"));
      QVERIFY(run.trainer->main_window().ItemControl(tessaro::ItemIndex(lesson.key))->isVisible());
      QCOMPARE(run.trainer->main_window().windowTitle(),
               QStringLiteral("Tessaro - %1 (voorbeeld, alleen lezen)").arg(lesson.file));
      QCOMPARE(run.image.ScreenButton[2], uint8_t{0});
      QVERIFY(!run.board.DigitalOutput(5));
      QCOMPARE(run.image.Recorder[1][0], uint8_t{0});
      // Its process is wired from the start: the controller never runs against none.
      QCOMPARE(run.trainer->lab()->plant().Name(), std::string(lesson.process));
    }
    QCOMPARE(run.trainer->recorder_window(1).windowTitle(), QStringLiteral("Debiet"));
    QCOMPARE(run.image.OnOff[7].Mode, std::string("hand"));  // the tank lesson is gone

    // "Opslaan als" into the examples is refused; the lesson stays as it was shipped.
    const fs::path shipped = run.root.path() / "examples" / "valve_step.txt";
    const auto size = fs::file_size(shipped);
    run.Dialog().SetFileChooser(
        [&](QWidget*, bool, const QString&) { return QString::fromStdString(shipped.string()); });
    run.Open();
    run.Click("OpslaanAlsButton");
    QCOMPARE(run.messages.errors.size(), size_t{1});
    QVERIFY(run.Dialog().isVisible());
    QCOMPARE(fs::file_size(shipped), size);
  }

  void NieuwAsksAndResets() {
    Running run;
    run.image.FieldGrid[3][4] = "AND1";
    run.image.Editors.Edit2 = "Oven";
    run.In<QSpinBox>(run.trainer->main_window(), "SpinEdit2")->setValue(77);
    tessaro::SetItemVisible(run.image, *run.trainer, tessaro::ItemIndex("Reg2"), true);
    run.trainer->faceplate(2).findChild<QPushButton*>(QStringLiteral("AutoButton"))->click();
    run.trainer->logic_grid().SetFieldPicture(3, 4, QPixmap::fromImage(run.and1));

    // "Auto" changed the project: the question is whether to save it, and Cancel keeps it.
    run.messages.save_answer = tessaro::SaveAnswer::Cancel;
    run.Open();
    run.Click("NieuwButton");
    QCOMPARE(run.messages.questions.size(), size_t{1});
    QVERIFY(run.messages.questions[0].starts_with("Niet opgeslagen: "));
    QVERIFY(run.Dialog().isVisible());
    QCOMPARE(run.image.FieldGrid[3][4], std::string("AND1"));

    run.messages.save_answer = tessaro::SaveAnswer::DontSave;
    run.Click("NieuwButton");
    QCOMPARE(run.messages.questions.size(), size_t{2});
    QVERIFY(!run.Dialog().isVisible());
    QCOMPARE(run.image.FieldGrid[3][4], std::string());
    QVERIFY(!run.In(run.trainer->main_window(), "Label19")->isVisible());
    QCOMPARE(run.In<QSpinBox>(run.trainer->main_window(), "SpinEdit2")->value(), 0);
    QCOMPARE(run.In<QLabel>(run.trainer->faceplate(2), "Label1")->text(), QStringLiteral("Hand"));
    QCOMPARE(run.trainer->logic_grid()
                 .PaletteWindow(tessaro::Palette::Processing)
                 .findChild<QLineEdit*>(QStringLiteral("Edit2"))
                 ->text(),
             QStringLiteral("Naam"));
    QVERIFY(!SamePixels(run.trainer->logic_grid().Field(3, 4)->pixmap().toImage(), run.and1));
  }

  void LesOpensTheLessonsDocument() {
    Running run;
    run.Open();
    run.Click("LesButton");
    QCOMPARE(run.messages.informations, std::vector<std::string>{"Geen lessen.html gevonden"});
    QVERIFY(run.trainer->lesson_window() == nullptr);

    std::ofstream(run.root.path() / "lessen.html")
        << "<html><body><a name=\"begin\"></a><h1>Lessen</h1></body></html>";
    run.Click("LesButton");
    tessaro::LessonWindow* window = run.trainer->lesson_window();
    QVERIFY(window != nullptr && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Lessen"));
    QVERIFY(window->browser().toPlainText().contains(QStringLiteral("Lessen")));
  }

  void OpslaanAlsThenOpenenBringsTheSettingsBack() {
    Running run;
    const fs::path file = run.root.path() / "klas" / "les 1.txt";
    fs::create_directories(file.parent_path());
    QString asked_in;
    run.Dialog().SetFileChooser([&](QWidget*, bool, const QString& folder) {
      asked_in = folder;
      return QString::fromStdString(file.string());
    });
    run.trainer->faceplate(7).findChild<QPushButton*>(QStringLiteral("AutoButton"))->click();
    run.Open();
    run.Click("OpslaanAlsButton");
    QVERIFY(!run.Dialog().isVisible());
    QCOMPARE(run.trainer->main_window().windowTitle(), QStringLiteral("Tessaro - les 1.txt"));
    // The operator screen, which has no title bar, names it too; Recent lists it first.
    QCOMPARE(run.In<QLabel>(run.trainer->main_window(), "ProjectLine")->text(),
             QStringLiteral("Project: les 1.txt"));
    emit run.Dialog().RecentMenu()->aboutToShow();
    QVERIFY(run.Dialog().RecentMenu()->actions()[0]->text().startsWith(QStringLiteral("les 1.txt")));
    run.trainer->faceplate(7).findChild<QPushButton*>(QStringLiteral("ManualButton"))->click();
    run.trainer->schakelblok();
    QCOMPARE(run.In<QLabel>(run.trainer->main_window(), "ProjectLine")->text(),
             QStringLiteral("Project: les 1.txt *"));

    run.messages.save_answer = tessaro::SaveAnswer::DontSave;
    run.Open();
    run.Click("OpenenButton");
    QCOMPARE(asked_in,
             QString::fromStdString(file.parent_path().string()));  // the folder used last
    QCOMPARE(run.In<QLabel>(run.trainer->faceplate(7), "Label1")->text(), QStringLiteral("Auto"));
    // What the windows show of the loaded project is no change to it.
    QVERIFY(!run.trainer->project().unsaved());
    QVERIFY(!run.Dialog().isVisible());
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
