// The project file against what a real folder can hold: FIFOs, devices, huge files, a
// byte-order mark, pictures that are no pictures, and folders the user may not write.
#include <gtest/gtest.h>

#include "engine/project/project_data.h"
#include "engine/project/project_file.h"
#include "fakes.h"
#include "project_test_support.h"
#include "unprivileged.h"

namespace tessaro {
namespace {

class ProjectFileSafetyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ApplyStartupDefaults(image_);
    image_.FieldGrid[1][1] = "Knop1";
    before_ = CaptureProject(image_);
  }
  LoadResult Load() { return LoadProject(image_, root_.path(), messages_, view_); }
  void ExpectRefused(const std::string& message) {
    messages_.errors.clear();
    EXPECT_EQ(Load(), LoadResult::Failed);
    EXPECT_EQ(messages_.errors, std::vector<std::string>{message});
    EXPECT_EQ(CaptureProject(image_), before_);
    EXPECT_TRUE(view_.events.empty());
  }
  std::string Saved(const ProcessImage& image) { return FormatProject(CaptureProject(image)); }

  TempRoot root_;
  RecordingMessages messages_;
  RecordingLoadView view_;
  ProcessImage image_;
  ProjectData before_;
};

TEST_F(ProjectFileSafetyTest, WhatIsNoRegularFileIsRefusedWithoutWaiting) {
  // A FIFO nobody writes to would block a plain open for ever.
  ASSERT_EQ(::mkfifo(root_.data_file().c_str(), 0644), 0);
  ExpectRefused("File access denied: Velden/data1.txt.");

  fs::remove(root_.data_file());
  fs::create_symlink("/dev/zero", root_.data_file());  // endless bytes without a line end
  ExpectRefused("File access denied: Velden/data1.txt.");
}

TEST_F(ProjectFileSafetyTest, AFileOrLineBeyondAnyProjectIsRefused) {
  WriteBytes(root_.data_file(), std::string((1 << 20) + 1, '0'));
  ExpectRefused("Geen projectbestand: groter dan 1 MiB.");

  std::vector<std::string> lines(470, "0");
  lines[200] = std::string(4097, '1');
  WriteBytes(root_.data_file(), JoinLines(lines));
  ExpectRefused("Geen projectbestand: regel 201 is langer dan 4096 tekens.");

  // Right at the limits it is still read.
  lines[200] = std::string(4096, ' ');
  lines[200].back() = '7';
  WriteBytes(root_.data_file(), JoinLines(lines));
  messages_.errors.clear();
  EXPECT_NE(LoadProject(image_, root_.path(), messages_, view_, GridPictures::Skip),
            LoadResult::Failed);
  EXPECT_TRUE(messages_.errors.empty());
}

TEST_F(ProjectFileSafetyTest, AByteOrderMarkIsSkipped) {
  ProcessImage saved;
  FillProject(saved);
  WriteBytes(root_.data_file(), "\xEF\xBB\xBF" + Saved(saved));
  for (const char* key : {"A1in", "Draad1", "Tup", "Reg1", "D6uit"}) {
    WriteBytes(root_.velden() / (std::string(key) + ".bmp"), "BM");
  }
  EXPECT_EQ(Load(), LoadResult::Loaded);
  EXPECT_TRUE(messages_.errors.empty());
  EXPECT_EQ(CaptureProject(image_), CaptureProject(saved));
}

TEST_F(ProjectFileSafetyTest, PicturesThatCannotBeShownAreReportedAsMissingAndCounted) {
  std::vector<std::string> lines(112, "");
  const char* keys[] = {"AND1", "AND2", "OR1", "OR2", "Not", "A1in"};
  for (size_t i = 0; i < std::size(keys); ++i) lines[i] = keys[i];
  WriteBytes(root_.data_file(), JoinLines(lines));
  WriteBytes(root_.velden() / "A1in.bmp", "BM");
  WriteBytes(root_.velden() / "Not.bmp", "no picture at all");  // present, not decodable

  EXPECT_EQ(Load(), LoadResult::PicturesMissing);
  const std::string folder = root_.velden().string() + "/";
  ASSERT_EQ(messages_.errors.size(), 1u);
  EXPECT_EQ(messages_.errors[0], "Cannot open file \"" + folder + "AND1.bmp\", \"" + folder +
                                     "AND2.bmp\", \"" + folder +
                                     "OR1.bmp\" en nog 2 andere bestanden. No such file or "
                                     "directory.");
  ASSERT_EQ(messages_.details.size(), 1u);
  EXPECT_EQ(messages_.details[0], folder + "AND1.bmp\n" + folder + "AND2.bmp\n" + folder +
                                      "OR1.bmp\n" + folder + "OR2.bmp\n" + folder + "Not.bmp\n");
  EXPECT_EQ(view_.events.back(), "picture 1 6 A1in.bmp");
  EXPECT_EQ(view_.events[view_.events.size() - 2], "blank 1 5");  // Not.bmp
}

TEST_F(ProjectFileSafetyTest, ASaveThroughALinkToANewFileCreatesIt) {
  const fs::path real = root_.path() / "projects" / "mine.txt";
  fs::create_directories(real.parent_path());
  fs::create_symlink("../projects/mine.txt", root_.data_file());
  ProcessImage image;
  FillProject(image);
  ASSERT_TRUE(SaveProject(image, root_.path(), messages_));
  EXPECT_TRUE(messages_.errors.empty());
  EXPECT_TRUE(fs::is_symlink(root_.data_file()));
  EXPECT_EQ(ReadBytes(real), Saved(image));
}

TEST_F(ProjectFileSafetyTest, AReadOnlyFolderWithAWritableFileIsWrittenInPlace) {
  ProcessImage first;
  FillProject(first);
  ASSERT_TRUE(SaveProject(first, root_.path(), messages_));
  ProcessImage second;
  ApplyStartupDefaults(second);
  second.RangeUnit[3] = "changed";
  // A shared install: everyone may pass the folders and write the file, nobody else the folder.
  fs::permissions(root_.path(), fs::perms(0755));
  fs::permissions(root_.data_file(), fs::perms(0666));
  fs::permissions(root_.velden(), fs::perms(0555));

  const int result = AsUnprivilegedUser([&] {
    RecordingMessages messages;
    return SaveProject(second, root_.path(), messages) && messages.errors.empty();
  });
  fs::permissions(root_.velden(), fs::perms(0755));
  if (result == kCannotChangeUser) GTEST_SKIP() << "cannot run as an unprivileged user here";
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadBytes(root_.data_file()), Saved(second));
  EXPECT_EQ(fs::status(root_.data_file()).permissions(), fs::perms(0666));
  EXPECT_EQ(std::distance(fs::directory_iterator(root_.velden()), fs::directory_iterator()), 1);
}

TEST_F(ProjectFileSafetyTest, AnInPlaceSaveThatFindsTheDiskFullLeavesTheOldProjectWhole) {
  ProcessImage first;
  ApplyStartupDefaults(first);
  first.RangeUnit[1] = "old";
  ASSERT_TRUE(SaveProject(first, root_.path(), messages_));
  const std::string old = ReadBytes(root_.data_file());
  ProcessImage second;
  ApplyStartupDefaults(second);
  for (int slot = 1; slot <= kRangeSlots; ++slot) second.RangeUnit[slot] = std::string(300, 'u');
  ASSERT_GT(Saved(second).size(), 4096u);
  fs::permissions(root_.path(), fs::perms(0755));
  fs::permissions(root_.data_file(), fs::perms(0666));
  fs::permissions(root_.velden(), fs::perms(0555));

  // Room for the old project, not for the new one.
  const int result = AsUnprivilegedUser([&] {
    FileSizeLimit disk(4096);
    RecordingMessages messages;
    return !SaveProject(second, root_.path(), messages) &&
           messages.errors == std::vector<std::string>{
                                  "Kan Velden/data1.txt niet opslaan: het bestand wordt te groot."};
  });
  fs::permissions(root_.velden(), fs::perms(0755));
  if (result == kCannotChangeUser) GTEST_SKIP() << "cannot run as an unprivileged user here";
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadBytes(root_.data_file()), old);
}

}  // namespace
}  // namespace tessaro
