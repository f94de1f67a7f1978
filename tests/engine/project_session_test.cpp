// What the session keeps for the windows: the recent projects, the line that names the
// project on the operator screen, and the open lesson with the process it is made for.
#include "engine/project/project_session.h"

#include <gtest/gtest.h>

#include "engine/board/simulated_board.h"
#include "engine/core/utf8_path.h"
#include "engine/editor/grid.h"
#include "engine/editor/placement.h"
#include "engine/project/project_file.h"
#include "fakes.h"
#include "project_test_support.h"

namespace tessaro {
namespace {

class ProjectSessionTest : public ::testing::Test {
 protected:
  void SetUp() override { ApplyStartupDefaults(image_); }

  TempRoot root_;
  ProcessImage image_;
  SimulatedBoard board_;
  RecordingMessages messages_;
  RecordingLoadView view_;
  ProjectSession session_{image_, board_, messages_, view_, root_.path(), GridPictures::Skip};
};

TEST_F(ProjectSessionTest, RecentProjectsAreTheLastFiveByNameNewestFirst) {
  std::vector<std::string> saved;
  for (int i = 1; i <= 6; ++i) {
    // Names as UTF-8 text, also where the system's own 8-bit text could not hold them.
    const fs::path file = root_.path() / Utf8Path("les" + std::to_string(i) + " Кирилл.txt");
    ASSERT_TRUE(session_.SaveAs(file));
    saved.push_back(Utf8Name(file));
  }
  EXPECT_EQ(session_.recent(),
            (std::vector<std::string>{saved[5], saved[4], saved[3], saved[2], saved[1]}));
  // Opened again it moves to the front, once; "Opslaan" of data1.txt is no named project.
  ASSERT_TRUE(session_.Open(root_.path() / "." / Utf8Path("les3 Кирилл.txt")));
  ASSERT_TRUE(session_.Save());
  EXPECT_EQ(session_.recent(),
            (std::vector<std::string>{saved[2], saved[5], saved[4], saved[3], saved[1]}));

  // A lesson is no recent project; its name and process come from the lesson.
  fs::create_directories(root_.path() / "examples");
  const fs::path lesson = root_.path() / "examples" / "oven.txt";
  ProcessImage fresh;
  ApplyStartupDefaults(fresh);
  ASSERT_TRUE(SaveProjectAs(fresh, lesson, messages_));
  WriteBytes(lesson, ReadBytes(lesson) + "[Tessaro]\r\nRec1.name=Oven\r\nlab.process=heater\r\n");
  ASSERT_TRUE(session_.OpenExample(lesson));
  EXPECT_EQ(session_.recent().front(), saved[2]);
  EXPECT_EQ(session_.lesson(), "oven");
  EXPECT_EQ(session_.lesson_process(), "heater");
  EXPECT_EQ(image_.InstrumentTitle[1], "Oven") << "the unknown key spoils nothing";
  EXPECT_EQ(session_.ScreenLine(), "Project: oven.txt (voorbeeld)");
  VeldClick(image_, 2, 2);
  PlaceBlock(image_, Palette::Processing, "OR1");
  EXPECT_EQ(session_.ScreenLine(), "Project: oven.txt (voorbeeld) *");

  // Kept between runs: the list read back is cleaned of doubles and cut to five.
  session_.SetRecent({"a", "b", "a", "", "c", "d", "e", "f"});
  EXPECT_EQ(session_.recent(), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
}

TEST_F(ProjectSessionTest, ALessonDocumentAndAProcessAreFoundOnlyWhereTheyAre) {
  EXPECT_FALSE(LessonDocument(root_.path()));
  WriteBytes(root_.path() / "Lessen.HTML", "<html></html>");
  ASSERT_TRUE(LessonDocument(root_.path()));
  // The key counts only in the settings section, not as a block key before it.
  const fs::path file = root_.path() / "x.txt";
  WriteBytes(file, "lab.process=tank\r\n");
  EXPECT_EQ(LessonProcess(file), "");
  EXPECT_EQ(LessonProcess(root_.path() / "missing.txt"), "");
  EXPECT_EQ(session_.ScreenLine(), "Project: nieuw");
  EXPECT_EQ(session_.lesson(), "");
}

}  // namespace
}  // namespace tessaro
