#include "engine/core/paths.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tessaro {
namespace {

namespace fs = std::filesystem;

class PathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("tessaro_paths_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "Velden");
    fs::create_directories(root_ / "Teks");
    Touch(root_ / "Velden" / "papier40.bmp");
    Touch(root_ / "Teks" / "Procesplaat.bmp");
    Touch(root_ / "secret.txt");
  }
  void TearDown() override { fs::remove_all(root_); }
  static void Touch(const fs::path& p) { std::ofstream(p) << "x"; }

  fs::path root_;
};

TEST_F(PathsTest, MatchesEveryComponentWithoutRegardToCase) {
  auto a = ResolvePath(root_, "velden/Papier40.bmp");
  ASSERT_TRUE(a);
  auto b = ResolvePath(root_, "Teks/ProcesPlaat.bmp");
  ASSERT_TRUE(b);
#ifdef _WIN32
  // The system itself ignores case: any spelling names the file.
  EXPECT_TRUE(fs::equivalent(*a, root_ / "Velden" / "papier40.bmp"));
  EXPECT_TRUE(fs::equivalent(*b, root_ / "Teks" / "Procesplaat.bmp"));
#else
  EXPECT_EQ(*a, root_ / "Velden" / "papier40.bmp");
  EXPECT_EQ(b->filename(), "Procesplaat.bmp");
#endif
  EXPECT_TRUE(ResolvePath(root_, "TEKS/PROCESPLAAT.BMP"));
  EXPECT_FALSE(ResolvePath(root_, "Teks/Missing.bmp"));
  EXPECT_FALSE(ResolvePath(root_, "Nowhere/papier40.bmp"));
}

TEST_F(PathsTest, RefusesNamesThatLeaveTheirFolder) {
  EXPECT_FALSE(ResolvePath(root_, "Velden/../secret.txt"));
  EXPECT_FALSE(ResolvePath(root_, "Velden\\papier40.bmp"));
  EXPECT_FALSE(ResolvePath(root_, "/etc/passwd"));
  EXPECT_FALSE(ResolvePath(root_, ""));
  EXPECT_FALSE(ResolvePath(root_, "Velden//papier40.bmp"));
  // A name made from data (a key) may not hold a separator or be a dot name.
  EXPECT_FALSE(ResolveFolderFile(root_, "Velden", "../secret.txt"));
  EXPECT_FALSE(ResolveFolderFile(root_, "Teks", "../Velden/papier40.bmp"));
  EXPECT_FALSE(ResolveFolderFile(root_, "Velden", ".."));
  EXPECT_FALSE(ResolveFolderFile(root_, "Velden", "a\\b.bmp"));
  EXPECT_TRUE(ResolveFolderFile(root_, "velden", "PAPIER40.bmp"));
}

TEST_F(PathsTest, DataRootPrefersTheWorkingFolderThenTheProgramFolder) {
  const fs::path elsewhere = root_ / "elsewhere";
  fs::create_directories(elsewhere);
  EXPECT_EQ(ChooseDataRoot(root_, elsewhere), root_);
  EXPECT_EQ(ChooseDataRoot(elsewhere, root_), root_);
  EXPECT_EQ(ChooseDataRoot(elsewhere, elsewhere), elsewhere);
}

TEST(FileNameOf, ANameFromAProjectNeverNamesAFolder) {
  // Whatever a project file calls an instrument, the name offered to save under is one
  // plain file name in the folder the dialog is in.
  for (const char* name : {"../../somewhere/owned", "..\\..\\x", "/etc/passwd", "a\nb\x7f",
                           ".verborgen", " .. ", "..", "Temp/1"}) {
    const std::string file = FileNameOf(name);
    EXPECT_TRUE(file.empty() || IsPlainFileName(file)) << name;
    EXPECT_EQ(file.find_first_of("/\\\n\x7f"), std::string::npos) << name;
    EXPECT_FALSE(file.starts_with(".")) << name;
  }
  EXPECT_EQ(FileNameOf("Temperatuur oven"), "Temperatuur oven");
  EXPECT_EQ(FileNameOf("../../somewhere/owned"), "_.._somewhere_owned");
  EXPECT_EQ(FileNameOf(".."), "");
}

}  // namespace
}  // namespace tessaro
