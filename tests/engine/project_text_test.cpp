// Files that are no project: refused whole before anything is replaced, with a message that
// names them; and what a report may say of a short file that loads without an error.
#include <gtest/gtest.h>

#include "engine/core/utf8.h"
#include "engine/project/project_data.h"
#include "engine/project/project_file.h"
#include "fakes.h"
#include "project_test_support.h"

namespace tessaro {
namespace {

class ProjectTextTest : public ::testing::Test {
 protected:
  TempRoot root_;
  RecordingMessages messages_;
  RecordingLoadView view_;
};

TEST_F(ProjectTextTest, APictureOrBytesThatAreNoUtf8AreRefusedWithNothingChanged) {
  ProcessImage image;
  ApplyStartupDefaults(image);
  image.FieldGrid[1][1] = "Knop1";
  image.ItemVisible[38] = 1;
  const ProjectData before = CaptureProject(image);
  const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  const std::string zip("PK\x03\x04\x14\0\0\0", 8);
  const std::string latin = "A1in\r\n\xE9\xE8\xFF\r\n";
  const std::string cut_utf8 = "Rec1\r\n\xC2";  // a two-byte letter cut short at the end
  for (const std::string& bytes : {png, zip, latin, cut_utf8}) {
    messages_.errors.clear();
    const fs::path file = root_.path() / "plaatje.txt";
    WriteBytes(file, bytes);
    EXPECT_EQ(LoadProjectFile(image, file, root_.path(), messages_, view_), LoadResult::Failed);
    EXPECT_EQ(messages_.errors, std::vector<std::string>{"plaatje.txt is geen Tessaro-project."});
    EXPECT_EQ(CaptureProject(image), before);
    EXPECT_TRUE(view_.events.empty());
  }
  // UTF-8 text, a degree sign and a byte-order mark included, is a project.
  WriteBytes(root_.data_file(), "\xEF\xBB\xBF" "A1in\r\n\xC2\xB0" "C\r\n");
  EXPECT_EQ(LoadProject(image, root_.path(), messages_, view_, GridPictures::Skip),
            LoadResult::Loaded);
  EXPECT_EQ(image.FieldGrid[1][1], "A1in");
  EXPECT_EQ(image.FieldGrid[1][2], "\xC2\xB0" "C");
}

TEST_F(ProjectTextTest, ShortFilesAreCountedAsTheyAreRead) {
  const fs::path file = root_.path() / "kort.txt";
  WriteBytes(file, "");
  auto count = CountProjectLines(file);
  ASSERT_TRUE(count);
  EXPECT_TRUE(count->empty);
  EXPECT_TRUE(count->incomplete);
  EXPECT_EQ(count->lines, 0u);

  WriteBytes(file, "Knop1\r\n" + JoinLines(std::vector<std::string>(111, "")));
  count = CountProjectLines(file);
  EXPECT_FALSE(count->empty);
  EXPECT_TRUE(count->incomplete);
  EXPECT_EQ(count->lines, 112u);

  // A last line without its line end is a line; a whole project is not incomplete.
  WriteBytes(file, JoinLines(std::vector<std::string>(469, "0")) + "0");
  count = CountProjectLines(file);
  EXPECT_EQ(count->lines, 470u);
  EXPECT_FALSE(count->incomplete);
  EXPECT_FALSE(CountProjectLines(root_.path() / "missing.txt"));
}

TEST(Utf8, LatinOneTextBecomesUtf8AndUtf8StaysAsItIs) {
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("\xC2\xB0" "C \xE2\x82\xAC \xF0\x9F\x94\xA5"));
  EXPECT_FALSE(IsValidUtf8("\xB0" "C"));
  EXPECT_FALSE(IsValidUtf8("\xE2\x82"));
  EXPECT_EQ(AsUtf8("\xB0" "C"), "\xC2\xB0" "C");
  EXPECT_EQ(AsUtf8("\xC2\xB0" "C"), "\xC2\xB0" "C");
}

}  // namespace
}  // namespace tessaro
