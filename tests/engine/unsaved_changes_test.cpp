// The project's unsaved-changes mark: which actions set it and which leave it alone, what
// clears it, and the question it puts before the project is replaced or the program ends.
#include <gtest/gtest.h>

#include <optional>

#include "engine/board/simulated_board.h"
#include "engine/control/onoff_controller.h"
#include "engine/control/pid_faceplate.h"
#include "engine/control/step_controller.h"
#include "engine/core/operator_screen.h"
#include "engine/core/scan.h"
#include "engine/editor/edit_history.h"
#include "engine/editor/grid.h"
#include "engine/editor/placement.h"
#include "engine/project/project_data.h"
#include "engine/project/project_session.h"
#include "engine/screen/layout_editor.h"
#include "fakes.h"
#include "project_test_support.h"

namespace tessaro {
namespace {

constexpr char kExitQuestion[] = "Exit: Afsluiten?";

class UnsavedChangesTest : public ::testing::Test {
 protected:
  void SetUp() override { ApplyStartupDefaults(image_); }

  // Whether `edit`, run on a project with nothing unsaved, leaves it changed.
  template <typename Edit>
  bool Marks(Edit edit) {
    image_.UnsavedChanges = false;
    edit();
    return image_.UnsavedChanges;
  }
  void Place(int row, int column, Palette palette, const char* key) {
    VeldClick(image_, row, column);
    PlaceBlock(image_, palette, key);
  }
  void Cycles(int n) {
    for (int i = 0; i < 4 * n; ++i) schakelblok(image_, board_, view_);
  }
  std::string LastQuestion() const {
    return messages_.questions.empty() ? "" : messages_.questions.back();
  }

  TempRoot root_;
  ProcessImage image_;
  SimulatedBoard board_;
  RecordingMessages messages_;
  RecordingView view_;
  RecordingLoadView load_view_;
  ProjectSession session_{image_,       board_, messages_, load_view_, root_.path(),
                          GridPictures::Skip};
};

TEST_F(UnsavedChangesTest, EveryKindOfProjectEditMarksIt) {
  EXPECT_FALSE(image_.UnsavedChanges) << "nothing to save at start";
  EXPECT_TRUE(Marks([&] { Place(3, 2, Palette::Processing, "AND1"); })) << "schema";
  EXPECT_TRUE(Marks([&] { Undo(image_); })) << "undo";
  EXPECT_TRUE(Marks([&] { Redo(image_); })) << "redo";
  EXPECT_TRUE(Marks([&] { SetSpinEdit(image_, 3, 250); })) << "block setting";
  EXPECT_TRUE(Marks([&] { SetEditText(image_, &PaletteEditors::Edit1, "bar"); })) << "unit";
  EXPECT_TRUE(Marks([&] { SetEditText(image_, &PaletteEditors::Edit2, "Oven"); })) << "name";
  EXPECT_TRUE(Marks([&] { Place(5, 4, Palette::Processing, "Reg1"); })) << "range and name";
  EXPECT_TRUE(Marks([&] { SetItemVisible(image_, view_, 32, true); })) << "layout";
  LayoutEditor editor;
  Wie(image_, view_, editor, 40);
  EXPECT_TRUE(Marks([&] { SetSpinEdit1(image_, view_, editor, editor.SpinEdit1 + 1); }));
  EXPECT_TRUE(Marks([&] { pid::AutoButtonClick(image_, 1); })) << "mode";
  EXPECT_TRUE(Marks([&] { pid::SpinButton1UpClick(image_, 1); })) << "setpoint";
  EXPECT_TRUE(Marks([&] { pid::SetBox(image_, 1, PidBox::PBSpin, 40); })) << "tuning";
  EXPECT_TRUE(Marks([&] { pid::RadioButton2Click(image_, 1); })) << "action";
  EXPECT_TRUE(Marks([&] { step::AutoButtonClick(image_, 4); })) << "step mode";
  EXPECT_TRUE(Marks([&] { onoff::GapButtonClick(image_, 7, 4); })) << "gap";
}

TEST_F(UnsavedChangesTest, RunningValuesAndUnchangedSettingsLeaveItAlone) {
  // A knob through an on-delay timer that counts in its field, a PID controller in hand.
  Place(1, 1, Palette::Input, "Spin1");
  Place(1, 2, Palette::Processing, "Tup");
  Place(2, 2, Palette::Processing, "Reg1");
  SetItemVisible(image_, view_, 32, true);
  const ProjectData placed = CaptureProject(image_);
  EXPECT_FALSE(Marks([&] {
    KnobChanged(image_, 1, 255);
    KnopClick(image_, view_, 2);
    Cycles(5);
  }));
  EXPECT_NE(CaptureProject(image_), placed) << "the timer's count runs in its field";
  EXPECT_FALSE(Marks([&] { pid::SpinButton1UpClick(image_, 1); })) << "output in hand";
  EXPECT_FALSE(Marks([&] { pid::ManualButtonClick(image_, 1); })) << "already hand";
  EXPECT_FALSE(Marks([&] { pid::SetBox(image_, 1, PidBox::PBSpin, 100); })) << "as shown";
  EXPECT_FALSE(Marks([&] { pid::GKknopClick(image_, 1); })) << "window width";
  EXPECT_FALSE(Marks([&] { onoff::SpinButton1UpClick(image_, 7); })) << "output in hand";
  EXPECT_FALSE(Marks([&] { SetItemLeft(image_, view_, 32, image_.ItemLeft[32]); }));
  EXPECT_FALSE(Marks([&] { SetSpinEdit(image_, 3, image_.Editors.SpinEdit[3]); }));
}

TEST_F(UnsavedChangesTest, SaveLoadAndNewClearIt) {
  Place(1, 1, Palette::Input, "Knop1");
  ASSERT_TRUE(session_.Save());
  EXPECT_FALSE(session_.unsaved());

  SetSpinEdit(image_, 3, 5);
  ASSERT_TRUE(session_.Load());
  EXPECT_FALSE(session_.unsaved()) << "as loaded";

  SetSpinEdit(image_, 3, 5);
  const fs::path other = root_.path() / "other.txt";
  ASSERT_TRUE(session_.SaveAs(other));
  EXPECT_FALSE(session_.unsaved());
  SetSpinEdit(image_, 3, 6);
  ASSERT_TRUE(session_.Open(other));
  EXPECT_FALSE(session_.unsaved());

  SetSpinEdit(image_, 3, 7);
  messages_.save_answer = SaveAnswer::DontSave;
  ASSERT_TRUE(session_.New());
  EXPECT_FALSE(session_.unsaved());

  // A load that fails changes nothing, the mark included.
  SetSpinEdit(image_, 3, 8);
  WriteBytes(root_.data_file(), std::string(112, '\n') + "12abc\r\n");
  EXPECT_FALSE(session_.Load());
  EXPECT_TRUE(session_.unsaved());
}

TEST_F(UnsavedChangesTest, ExitAsksAfsluitenOnlyWithNothingUnsaved) {
  board_.OpenDevice(0);
  messages_.answer = false;
  EXPECT_FALSE(session_.Exit({}));
  EXPECT_EQ(LastQuestion(), kExitQuestion);

  Place(3, 2, Palette::Processing, "OR1");
  messages_.save_answer = SaveAnswer::Cancel;
  EXPECT_FALSE(session_.Exit({}));
  EXPECT_NE(LastQuestion(), kExitQuestion);
  EXPECT_NE(LastQuestion().find("niet opgeslagen"), std::string::npos) << LastQuestion();
  EXPECT_TRUE(board_.IsOpen()) << "Cancel: the program runs on";
  EXPECT_FALSE(fs::exists(root_.data_file()));

  messages_.save_answer = SaveAnswer::Save;
  EXPECT_TRUE(session_.Exit({}));
  EXPECT_FALSE(board_.IsOpen());
  ASSERT_TRUE(fs::exists(root_.data_file())) << "saved where Opslaan saves";
  ProcessImage reread;
  ProjectSession reader(reread, board_, messages_, load_view_, root_.path(), GridPictures::Skip);
  ASSERT_TRUE(reader.Load());
  EXPECT_EQ(reread.FieldGrid[3][2], "OR1");

  // Saved: the next Exit is the plain question again.
  messages_.questions.clear();
  EXPECT_FALSE(session_.Exit({}));
  EXPECT_EQ(messages_.questions, std::vector<std::string>{kExitQuestion});
}

TEST_F(UnsavedChangesTest, DontSaveEndsWithoutWritingAndAFailedSaveKeepsTheProgram) {
  Place(3, 2, Palette::Processing, "OR1");
  messages_.save_answer = SaveAnswer::DontSave;
  EXPECT_TRUE(session_.Exit({}));
  EXPECT_FALSE(fs::exists(root_.data_file()));

  // No Velden folder to save in: the save fails, is reported, and nothing ends.
  Place(3, 3, Palette::Processing, "OR2");
  fs::remove_all(root_.velden());
  messages_.save_answer = SaveAnswer::Save;
  EXPECT_FALSE(session_.Exit({}));
  EXPECT_FALSE(messages_.errors.empty());
  EXPECT_TRUE(session_.unsaved());
}

TEST_F(UnsavedChangesTest, NewAsksOneQuestion) {
  messages_.answer = false;
  EXPECT_FALSE(session_.New());
  EXPECT_EQ(messages_.questions.size(), 1u);
  EXPECT_EQ(messages_.questions.back().rfind("Nieuw: ", 0), 0u) << "today's question";

  Place(3, 2, Palette::Processing, "OR1");
  messages_.save_answer = SaveAnswer::Cancel;
  EXPECT_FALSE(session_.New());
  EXPECT_EQ(image_.FieldGrid[3][2], "OR1") << "Cancel keeps the project";
  EXPECT_EQ(messages_.questions.size(), 2u) << "the save question instead of today's";

  messages_.save_answer = SaveAnswer::Save;
  messages_.answer = true;
  EXPECT_TRUE(session_.New());
  EXPECT_EQ(messages_.questions.size(), 3u);
  EXPECT_EQ(image_.FieldGrid[3][2], "");
  EXPECT_TRUE(fs::exists(root_.data_file()));
}

TEST_F(UnsavedChangesTest, AChangedExampleIsSavedWhereTheUserChooses) {
  fs::create_directories(root_.path() / "examples");
  const fs::path lesson = root_.path() / "examples" / "les.txt";
  WriteBytes(lesson, std::string(112, '\n'));
  ASSERT_TRUE(session_.OpenExample(lesson));
  EXPECT_FALSE(session_.unsaved());
  Place(3, 2, Palette::Processing, "OR1");

  messages_.save_answer = SaveAnswer::Save;
  int asked = 0;
  EXPECT_FALSE(session_.SaveChangesFirst([&]() -> std::optional<fs::path> {
    ++asked;
    return std::nullopt;
  })) << "no file chosen: the action does not go on";
  EXPECT_EQ(asked, 1);
  const fs::path mine = root_.path() / "mijn.txt";
  EXPECT_TRUE(session_.SaveChangesFirst([&] { return std::optional<fs::path>(mine); }));
  EXPECT_TRUE(fs::exists(mine));
  EXPECT_EQ(ReadBytes(lesson), std::string(112, '\n')) << "the lesson is untouched";
  EXPECT_FALSE(session_.unsaved());
}

}  // namespace
}  // namespace tessaro
