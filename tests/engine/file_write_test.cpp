// Writing files whole: temporaries that nothing can redirect and that never stay behind,
// and failures told in words that name the file.
#include "engine/core/file_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <set>

#include "engine/core/file_errors.h"
#include "engine/project/project_file.h"
#include "fakes.h"
#include "project_test_support.h"
#include "unprivileged.h"

namespace tessaro {
namespace {

class FileWriteTest : public ::testing::Test {
 protected:
  fs::path Folder() const { return root_.velden(); }
  // The names in the folder.
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(Folder())) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  TempRoot root_;
};

TEST_F(FileWriteTest, LinksPlantedBesideTheTargetAreNeverWrittenThrough) {
  const fs::path notes = root_.path() / "notes.txt";
  WriteBytes(notes, "the teacher's notes");
  // Wherever a fixed temporary name might be, a link to the notes waits.
  for (const char* name : {"out.csv.tmp", "out.csv.part", ".out.csv.tmp", "out.csv~"}) {
    fs::create_symlink(notes, Folder() / name);
  }
  ASSERT_EQ(WriteFileWhole(Folder() / "out.csv", "new"), 0);
  EXPECT_EQ(ReadBytes(notes), "the teacher's notes");
  EXPECT_EQ(ReadBytes(Folder() / "out.csv"), "new");

  // A link at the target itself is replaced, not followed, unless asked.
  fs::create_symlink(notes, Folder() / "report.xml");
  ASSERT_EQ(WriteFileWhole(Folder() / "report.xml", "<report/>"), 0);
  EXPECT_FALSE(fs::is_symlink(Folder() / "report.xml"));
  EXPECT_EQ(ReadBytes(notes), "the teacher's notes");
  EXPECT_EQ(Entries(), (std::set<std::string>{"out.csv.tmp", "out.csv.part", ".out.csv.tmp",
                                              "out.csv~", "out.csv", "report.xml"}));
}

TEST_F(FileWriteTest, TemporariesOfKilledWritesGoAtTheNextWriteOfThatFile) {
  for (const char* name : {".data1.txt.123456789.tmp", ".data1.txt.Xy3k9Qa0bc.tmp",
                           ".other.txt.123.tmp", ".data1.txt.tmp", "data1.txt.1.tmp"}) {
    WriteBytes(Folder() / name, "half a project");
  }
  // One still being written by another program: it holds its lock.
  const fs::path live = Folder() / ".data1.txt.LiveWriter.tmp";
  WriteBytes(live, "being written");
  const int fd = ::open(live.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);

  ASSERT_EQ(WriteFileWhole(Folder() / "data1.txt", "project"), 0);
  ::close(fd);
  EXPECT_EQ(Entries(), (std::set<std::string>{".data1.txt.LiveWriter.tmp", ".other.txt.123.tmp",
                                              ".data1.txt.tmp", "data1.txt.1.tmp", "data1.txt"}));
}

TEST_F(FileWriteTest, AFailedWriteLeavesTheOldFileAndNoTemporary) {
  const fs::path target = Folder() / "out.csv";
  WriteBytes(target, "old");
  fs::permissions(target, fs::perms(0640));
  {
    FileSizeLimit disk(4096);
    EXPECT_EQ(WriteFileWhole(target, std::string(10000, 'x')), EFBIG);
  }
  EXPECT_EQ(ReadBytes(target), "old");
  EXPECT_EQ(Entries(), std::set<std::string>{"out.csv"});
  EXPECT_EQ(WriteFileWhole(Folder() / "missing" / "out.csv", "x"), ENOENT);

  // A written file keeps the mode of the one it replaced; a new one gets the umask's.
  ASSERT_EQ(WriteFileWhole(target, "new"), 0);
  EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
  const mode_t umask = ::umask(022);
  ::umask(umask);
  ASSERT_EQ(WriteFileWhole(Folder() / "fresh.csv", "new"), 0);
  EXPECT_EQ(static_cast<mode_t>(fs::status(Folder() / "fresh.csv").permissions()), 0666 & ~umask);

  // What the user made read-only, or what is no file, is not replaced.
  fs::permissions(target, fs::perms(0444));
  EXPECT_EQ(WriteFileWhole(target, "newer"), EACCES);
  EXPECT_EQ(WriteFileWhole(Folder(), "x"), EACCES);
  EXPECT_EQ(ReadBytes(target), "new");
}

TEST(FileErrors, ASaveOnAFullDiskNamesTheFileAndTheCause) {
  TempRoot root;
  ProcessImage image;
  ApplyStartupDefaults(image);
  for (int slot = 1; slot <= kRangeSlots; ++slot) image.RangeUnit[slot] = std::string(300, 'u');
  RecordingMessages messages;
  {
    FileSizeLimit disk(4096);
    EXPECT_FALSE(SaveProject(image, root.path(), messages));
  }
  EXPECT_EQ(messages.errors, std::vector<std::string>{
                                 "Kan Velden/data1.txt niet opslaan: het bestand wordt te groot."});
  EXPECT_FALSE(fs::exists(root.data_file()));

  // The causes met most, in words.
  EXPECT_EQ(FileErrorText("opslaan", "a.txt", ENOSPC), "Kan a.txt niet opslaan: de schijf is vol.");
  EXPECT_EQ(FileErrorText("schrijven", "b.csv", EACCES), "Kan b.csv niet schrijven: geen toegang.");
  EXPECT_EQ(FileErrorText("inlezen", "c.txt", ENOENT), "Kan c.txt niet inlezen: bestaat niet.");
}

}  // namespace
}  // namespace tessaro
