// The settings a project keeps after its 470 lines: what is saved comes back through the
// faceplates' own rules, an older file leaves them alone, and a bad value refuses the file.
#include "engine/project/project_extras.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/board/simulated_board.h"
#include "engine/control/onoff_controller.h"
#include "engine/control/pid_faceplate.h"
#include "engine/control/step_controller.h"
#include "engine/core/operator_screen.h"
#include "engine/editor/placement.h"
#include "engine/project/project_data.h"
#include "engine/project/project_file.h"
#include "engine/project/project_session.h"
#include "fakes.h"
#include "project_test_support.h"

namespace tessaro {
namespace {

ProcessImage Started() {
  ProcessImage image;
  ApplyStartupDefaults(image);
  return image;
}

// Names with blanks and '=', a range below zero, a mode other than "hand" and a width
// other than "klein" wherever there is one, tuning off its start values.
void SetEverything(ProcessImage& image, bool bypass) {
  image.RangeLow[9] = -100;
  image.RangeHigh[9] = 500;
  image.InstrumentTitle[2] = "Trend  van de oven";
  image.InstrumentTitle[9] = "Oven temperatuur";
  image.InstrumentTitle[11] = "a = b";
  image.InstrumentTitle[17] = " spatie voor";
  image.Pid[1].Pv = 12.3;
  pid::SetBox(image, 1, PidBox::PBSpin, 40);
  pid::SetBox(image, 1, PidBox::ItijdSpin, 0);
  pid::SetBox(image, 1, PidBox::DtijdSpin, 7);
  pid::SetBox(image, 1, PidBox::SpinEdit2, 80);
  pid::SetBox(image, 1, PidBox::SpinEdit3, 10);
  pid::SetBox(image, 1, PidBox::SpinEdit4, 70);
  pid::SetBox(image, 1, PidBox::SpinEdit5, 5);
  pid::AutoButtonClick(image, 1);  // 12 % of -100..500 is -28
  pid::GKknopClick(image, 1);
  pid::GKknopClick(image, 1);
  pid::SetBox(image, 2, PidBox::SpinEdit4, 30);
  bypass ? pid::BypassButtonClick(image, 3) : pid::CascadeButtonClick(image, 3);
  pid::SetBox(image, 3, PidBox::ItijdSpin, 1);
  image.Step[5].Pv = 41.3;
  step::AutoButtonClick(image, 5);
  step::SpinButton1UpClick(image, 5);
  step::GKknopClick(image, 4);
  image.OnOff[8].Pv = 77.7;
  onoff::AutoButtonClick(image, 8);
  onoff::GapButtonClick(image, 8, 3);
  onoff::GKknopClick(image, 9);
  onoff::GKknopClick(image, 9);
  SetSpinEdit(image, 1, -40);
  SetSpinEdit(image, 7, -9999);
  image.Editors.Edit1 = "l / min";
  image.Editors.Edit2 = "";
}

class ProjectExtrasTest : public ::testing::Test {
 protected:
  LoadResult Load(ProcessImage& image) {
    return LoadProject(image, root_.path(), messages_, view_, GridPictures::Skip);
  }
  // The 470 lines of a project, then `section`.
  void WriteFile(const ProcessImage& project, const std::string& section) {
    WriteBytes(root_.data_file(), FormatProject(CaptureProject(project)) + section);
  }

  TempRoot root_;
  RecordingMessages messages_;
  RecordingLoadView view_;
};

TEST_F(ProjectExtrasTest, EverySavedValueComesBack) {
  for (bool bypass : {false, true}) {
    ProcessImage image = Started();
    SetEverything(image, bypass);
    ASSERT_TRUE(SaveProject(image, root_.path(), messages_));

    ProcessImage loaded = Started();
    ASSERT_EQ(Load(loaded), LoadResult::Loaded);
    EXPECT_TRUE(messages_.errors.empty());
    EXPECT_EQ(CaptureExtras(loaded), CaptureExtras(image)) << "bypass " << bypass;
    EXPECT_EQ(loaded.Pid[1].Sp, 12.0);
    EXPECT_EQ(loaded.Pid[1].SpTag.text, "-28 ");
    EXPECT_EQ(loaded.Pid[1].Mode, "auto");
    EXPECT_EQ(loaded.Pid[1].Width, kPidWidthSuper);
    EXPECT_EQ(loaded.Pid[1].Pb, 40);
    EXPECT_EQ(loaded.Pid[1].Ti, 0);
    EXPECT_EQ(loaded.Pid[3].Mode, bypass ? "byps" : "casc");
    EXPECT_EQ(loaded.Step[5].Sp, 42.0);
    EXPECT_EQ(loaded.OnOff[8].Gap, 3);
    EXPECT_EQ(loaded.OnOff[9].ViewSize, "super");
    EXPECT_EQ(loaded.InstrumentTitle[17], " spatie voor");
    EXPECT_EQ(loaded.Editors.Edit2, "");
    EXPECT_EQ(loaded.Editors.SpinEdit[7], -9999);
  }
}

TEST_F(ProjectExtrasTest, OnlyAProjectWithSettingsOffTheirStartValuesGetsASection) {
  ProcessImage image = Started();
  const std::string plain = FormatProject(CaptureProject(image));
  EXPECT_EQ(FormatExtras(CaptureExtras(image)), "");

  // Changed and changed back: nothing to keep.
  onoff::GapButtonClick(image, 7, 4);
  onoff::GapButtonClick(image, 7, 10);
  ASSERT_TRUE(SaveProject(image, root_.path(), messages_));
  EXPECT_EQ(ReadBytes(root_.data_file()), plain);

  // One value off: the marker and that one key, after the 470 lines left as they were.
  onoff::GapButtonClick(image, 7, 4);
  ASSERT_TRUE(SaveProject(image, root_.path(), messages_));
  EXPECT_EQ(ReadBytes(root_.data_file()), plain + "[Tessaro]\r\nReg7.gap=4\r\n");
  const auto lines = SplitLines(ReadBytes(root_.data_file()), kProjectLines);
  EXPECT_EQ(ParseProject(lines), CaptureProject(image));
}

TEST_F(ProjectExtrasTest, AFileWithoutTheSectionStartsEverySettingAfresh) {
  ProcessImage project = Started();
  project.FieldGrid[1][2] = "Reg1";
  WriteFile(project, "");

  // Over a project with names, modes and tuning of its own.
  ProcessImage image = Started();
  SetEverything(image, false);
  ASSERT_EQ(Load(image), LoadResult::Loaded);
  EXPECT_EQ(image.FieldGrid[1][2], "Reg1");
  EXPECT_EQ(CaptureExtras(image), ProjectExtras{});
  EXPECT_EQ(image.Pid[1].Mode, "hand");
  EXPECT_EQ(image.Pid[1].Pb, 100);
  EXPECT_EQ(image.InstrumentTitle[9], "");

  // Lines after the 470 that are no section are not read either.
  SetEverything(image, false);
  WriteFile(project, "Reg7.gap=4\r\n[Tessaro]\r\nReg7.gap=5\r\n");
  ASSERT_EQ(Load(image), LoadResult::Loaded);
  EXPECT_EQ(CaptureExtras(image), ProjectExtras{});
}

TEST_F(ProjectExtrasTest, TheSettingsGoInWithThePidActionAsASaveLeavesIt) {
  // An action line 0 means "R": the controller's terms are those of -1 whether the file
  // came from elsewhere or from a save of the loaded project.
  ProcessImage project = Started();
  project.Pid[1].PidAction = 0;
  project.RangeHigh[9] = 100;
  // Auto takes the measured value as setpoint, held to the box's 40 %: 10 % off.
  WriteFile(project, "[Tessaro]\r\nReg1.spmax=40\r\nReg1.mode=auto\r\nReg1.setpoint=40\r\n");
  ProcessImage first = Started();
  first.Pid[1].Pv = 50;
  ASSERT_EQ(Load(first), LoadResult::Loaded);
  ASSERT_EQ(first.Pid[1].PidAction, -1);

  ASSERT_TRUE(SaveProject(first, root_.path(), messages_));
  ProcessImage again = Started();
  again.Pid[1].Pv = 50;
  ASSERT_EQ(Load(again), LoadResult::Loaded);
  EXPECT_EQ(first.Pid[1].ITerm, 10.0);
  EXPECT_EQ(again.Pid[1].ITerm, first.Pid[1].ITerm);
  EXPECT_EQ(again.Pid[1].Out, first.Pid[1].Out);
}

TEST_F(ProjectExtrasTest, UnknownKeysAndCommentsArePassedOverAndAbsentKeysStartAgain) {
  ProcessImage image = Started();
  SetEverything(image, false);
  WriteFile(Started(),
            "[Tessaro]\r\n"
            "# written by hand\r\n"
            "\r\n"
            "Reg10.mode=auto\r\n"
            "reg7.gap=2\r\n"
            "Reg7.colour=blue\r\n"
            "Reg7.gap=6\r\n"
            "Reg1.name=Lijn 1\n");
  ASSERT_EQ(Load(image), LoadResult::Loaded);
  ProjectExtras expected;
  expected.Controller[7].gap = 6;
  expected.Name[9] = "Lijn 1";
  EXPECT_EQ(CaptureExtras(image), expected);
  EXPECT_EQ(image.Pid[1].Width, kPidWidthKlein);
}

TEST_F(ProjectExtrasTest, ABadValueRefusesTheWholeFileAndChangesNothing) {
  const char* const kBad[] = {
      "Reg1.mode=fast",      "Reg2.mode=casc",      "Reg1.pb=abc",       "Reg1.pb=",
      "Reg1.pb=99999999999", "Reg4.view=super",     "Reg1.setpoint=nan", "Reg7.setpoint=1,5",
      "Reg7.gap=4 %",        "palette.SpinEdit3=x", "no key here"};
  for (const char* bad : kBad) {
    ProcessImage project = Started();
    project.FieldGrid[1][1] = "A1in";
    WriteFile(project, std::string("[Tessaro]\r\nReg7.gap=4\r\n") + bad + "\r\n");
    ProcessImage image = Started();
    SetEverything(image, true);
    const ProjectData data = CaptureProject(image);
    const ProjectExtras extras = CaptureExtras(image);
    messages_.errors.clear();

    EXPECT_EQ(Load(image), LoadResult::Failed) << bad;
    ASSERT_EQ(messages_.errors.size(), 1u) << bad;
    EXPECT_NE(messages_.errors[0].find("line 473"), std::string::npos) << messages_.errors[0];
    EXPECT_EQ(CaptureProject(image), data) << bad;
    EXPECT_EQ(CaptureExtras(image), extras) << bad;
    EXPECT_TRUE(view_.events.empty()) << bad;
  }
}

TEST_F(ProjectExtrasTest, RestoredSettingsKeepTheFaceplatesRules) {
  WriteFile(Started(),
            "[Tessaro]\r\n"
            "Reg1.mode=auto\r\n"
            "Reg1.spmax=70\r\n"
            "Reg1.setpoint=90\r\n"  // above "Setp-max %"
            "Reg2.outmax=20\r\n"
            "Reg2.outmin=30\r\n"  // pushes "Outp-max %" up with it
            "Reg2.pb=5000\r\n"    // the box holds 1..1000
            "Reg3.ti=0\r\n"       // the slave's integral time cannot be switched off
            "Reg3.mode=casc\r\n"
            "Reg4.setpoint=-5\r\n"
            "Reg7.gap=0\r\n");
  ProcessImage image = Started();
  ASSERT_EQ(Load(image), LoadResult::Loaded);
  EXPECT_EQ(image.Pid[1].Sp, 70);
  EXPECT_EQ(image.Pid[1].SpTag.top, 218 - 140);
  EXPECT_TRUE(image.Pid[1].SpTag.visible);
  EXPECT_EQ(image.Pid[2].OutMin, 30);
  EXPECT_EQ(image.Pid[2].OutMax, 30);
  EXPECT_EQ(image.Pid[2].Pb, 1000);
  EXPECT_EQ(image.Pid[3].Ti, 1);
  EXPECT_EQ(image.Pid[3].ModeText, "Casc");
  EXPECT_EQ(image.Step[4].Sp, 0);
  EXPECT_EQ(image.OnOff[7].Gap, 1);
}

// A project that has been worked with: schema, settings, a running scan, a pushed button,
// outputs on, traces drawn.
void WorkWith(ProcessImage& image, SimulatedBoard& board) {
  FillProject(image);
  SetEverything(image, false);
  image.ScreenButton[2] = 255;
  image.KnobValue[3] = 99;
  image.OutRight[4][4] = 7;
  image.Recorder[1][0] = 200;
  image.Pid[1].PvTrend[0] = 33;
  image.OnOff[7].Out = 255;
  image.AddressBox = 2;
  image.AnalogIn[3] = 120;
  board.OutputAnalogChannel(1, 200);
  board.SetDigitalChannel(3);
  board.SetDigitalChannel(7);
}

void ExpectStartUp(const ProcessImage& image, const SimulatedBoard& board) {
  const ProcessImage start = Started();
  EXPECT_EQ(CaptureProject(image), CaptureProject(start));
  EXPECT_EQ(CaptureExtras(image), CaptureExtras(start));
  EXPECT_EQ(image.ScreenButton, start.ScreenButton);
  EXPECT_EQ(image.KnobValue, start.KnobValue);
  EXPECT_EQ(image.OutRight, start.OutRight);
  EXPECT_EQ(image.Recorder[1], start.Recorder[1]);
  EXPECT_EQ(image.Pid[1].PvTrend, start.Pid[1].PvTrend);
  EXPECT_EQ(image.Pid[1].ITerm, 50);
  EXPECT_EQ(image.OnOff[7].Out, 0);
  EXPECT_EQ(image.InstrumentTitle, start.InstrumentTitle);
  EXPECT_EQ(board.AnalogOutput(1), 0);
  EXPECT_FALSE(board.DigitalOutput(3));
  // The machine's own state stays: board address, inputs, the multiplexer's line.
  EXPECT_EQ(image.AddressBox, 2);
  EXPECT_EQ(image.AnalogIn[3], 120);
  EXPECT_TRUE(board.DigitalOutput(7));
}

TEST_F(ProjectExtrasTest, NieuwAsksThenGivesTheStartUpState) {
  ProcessImage image;
  SimulatedBoard board;
  WorkWith(image, board);
  ProjectSession session(image, board, messages_, view_, root_.path());
  ASSERT_TRUE(session.Save());
  EXPECT_EQ(session.WindowTitle(), "Tessaro - data1.txt");

  messages_.answer = false;
  EXPECT_FALSE(session.New());
  EXPECT_EQ(image.ScreenButton[2], 255);
  EXPECT_EQ(session.name(), "data1.txt");

  messages_.answer = true;
  EXPECT_TRUE(session.New());
  EXPECT_EQ(messages_.questions.size(), 2u);
  ExpectStartUp(image, board);
  EXPECT_EQ(session.WindowTitle(), "Tessaro");
  // The screen shows it: every item back at its place, hidden.
  EXPECT_NE(std::find(view_.events.begin(), view_.events.end(), "hide 46"), view_.events.end());
}

TEST_F(ProjectExtrasTest, ALessonOpensOverTheStartUpStateAndIsNeverWritten) {
  fs::create_directories(root_.path() / "examples");
  const fs::path lesson = root_.path() / "examples" / "b_lesson.txt";
  WriteBytes(root_.path() / "examples" / "a_lesson.TXT", "");
  WriteBytes(root_.path() / "examples" / "make.sh", "");
  ProcessImage written = Started();
  written.FieldGrid[1][1] = "A1in";
  written.InstrumentTitle[9] = "Temperatuur";
  pid::AutoButtonClick(written, 1);
  ASSERT_TRUE(SaveProjectAs(written, lesson, messages_));
  const std::string lesson_bytes = ReadBytes(lesson);

  ASSERT_EQ(ExampleProjects(root_.path()).size(), 2u);
  EXPECT_EQ(ExampleProjects(root_.path())[1], lesson);

  ProcessImage image;
  SimulatedBoard board;
  WorkWith(image, board);
  ProjectSession session(image, board, messages_, view_, root_.path(), GridPictures::Skip);
  ASSERT_TRUE(session.OpenExample(lesson));
  EXPECT_EQ(image.FieldGrid[1][1], "A1in");
  EXPECT_EQ(image.Pid[1].Mode, "auto");
  EXPECT_EQ(image.InstrumentTitle[9], "Temperatuur");
  EXPECT_EQ(image.ScreenButton[2], 0);
  EXPECT_EQ(image.Recorder[1][0], 0);
  EXPECT_EQ(board.AnalogOutput(1), 0);
  EXPECT_FALSE(board.DigitalOutput(3));
  EXPECT_EQ(session.WindowTitle(), "Tessaro - b_lesson.txt (voorbeeld, alleen lezen)");

  // Neither "Opslaan als" into the examples (whatever the spelling of the path) nor
  // "Opslaan" writes the lesson.
  EXPECT_FALSE(session.SaveAs(root_.path() / "examples" / "." / "b_lesson.txt"));
  EXPECT_EQ(messages_.errors.size(), 1u);
  ASSERT_TRUE(session.Save());
  EXPECT_EQ(ReadBytes(lesson), lesson_bytes);
  EXPECT_EQ(session.WindowTitle(), "Tessaro - data1.txt");

  // A lesson that does not read well leaves the program as it was.
  image.ScreenButton[1] = 255;
  WriteBytes(lesson, FormatProject(CaptureProject(written)) + "[Tessaro]\r\nReg1.pb=?\r\n");
  EXPECT_FALSE(session.OpenExample(lesson));
  EXPECT_EQ(image.ScreenButton[1], 255);
  EXPECT_EQ(session.name(), "data1.txt");
}

TEST_F(ProjectExtrasTest, OpenAndSaveAsWorkWithAnyFolderAndRememberIt) {
  fs::create_directories(root_.path() / "klas 3");
  const fs::path file = root_.path() / "klas 3" / "mijn project.txt";
  ProcessImage image;
  SimulatedBoard board;
  WorkWith(image, board);
  ProjectSession session(image, board, messages_, view_, root_.path(), GridPictures::Skip);
  ASSERT_TRUE(session.SaveAs(file));
  EXPECT_EQ(session.last_folder(), file.parent_path());
  EXPECT_FALSE(fs::exists(root_.data_file()));

  ProcessImage other;
  ProjectSession reader(other, board, messages_, view_, root_.path(), GridPictures::Skip);
  ApplyStartupDefaults(other);
  ASSERT_TRUE(reader.Open(file));
  EXPECT_EQ(CaptureProject(other), CaptureProject(image));
  EXPECT_EQ(CaptureExtras(other), CaptureExtras(image));
  EXPECT_EQ(reader.WindowTitle(), "Tessaro - mijn project.txt");

  EXPECT_FALSE(reader.Open(root_.path() / "klas 3" / "weg.txt"));
  EXPECT_FALSE(reader.SaveAs(root_.path() / "geen map" / "x.txt"));
  EXPECT_EQ(messages_.errors, (std::vector<std::string>{"File not found: klas 3/weg.txt.",
                                                        "Invalid filename: geen map/x.txt."}));
  EXPECT_EQ(reader.name(), "mijn project.txt");
}

}  // namespace
}  // namespace tessaro
