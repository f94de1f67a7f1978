#include "engine/core/user_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "engine/core/process_image.h"
#include "engine/project/project_file.h"
#include "fakes.h"
#include "unprivileged.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

// A scratch install: prefix/share/tessaro with pictures and lessons, and a home folder.
class UserFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scratch_ = fs::temp_directory_path() /
               ("tessaro_user_folder_" + std::to_string(getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(scratch_);
    shared_ = scratch_ / "usr" / "share" / "tessaro";
    user_ = scratch_ / "home" / ".local" / "share" / "tessaro";
    Write(shared_ / "Velden" / "papier.bmp", "shipped paper");
    Write(shared_ / "Velden" / "AND1.bmp", "shipped and");
    Write(shared_ / "Teks" / "Procesplaat.bmp", "shipped plate");
    Write(shared_ / "examples" / "heater_pid.txt", "lesson");
  }
  void TearDown() override { fs::remove_all(scratch_); }

  static void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
  }
  static std::string Read(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void Prepare() { ASSERT_EQ(Say(PrepareUserFolder(shared_, user_)), ""); }

  fs::path scratch_, shared_, user_;
};

TEST_F(UserFolderTest, FirstStartLinksEveryShippedFileIntoFoldersOfTheUsersOwn) {
  Prepare();
  EXPECT_TRUE(fs::is_directory(fs::symlink_status(user_ / "Velden")));
  EXPECT_TRUE(fs::is_directory(fs::symlink_status(user_ / "Teks")));
  EXPECT_EQ(fs::read_symlink(user_ / "Velden" / "papier.bmp"), shared_ / "Velden" / "papier.bmp");
  EXPECT_EQ(Read(user_ / "Velden" / "AND1.bmp"), "shipped and");
  EXPECT_EQ(Read(user_ / "Teks" / "Procesplaat.bmp"), "shipped plate");
  EXPECT_EQ(Read(user_ / "examples" / "heater_pid.txt"), "lesson");
  // The project is saved beside the pictures, into a folder the user may write.
  Write(user_ / "Velden" / "data1.txt", "project");
  EXPECT_FALSE(fs::exists(shared_ / "Velden" / "data1.txt"));
}

TEST_F(UserFolderTest, LaterStartsAndUpgradesNeverTouchWhatTheUserMade) {
  Prepare();
  Write(user_ / "Velden" / "data1.txt", "project");
  // An edited picture replaces the link; another is the user's under a different case.
  fs::remove(user_ / "Teks" / "Procesplaat.bmp");
  Write(user_ / "Teks" / "Procesplaat.bmp", "own plate");
  fs::remove(user_ / "Velden" / "papier.bmp");
  Write(user_ / "Velden" / "PAPIER.BMP", "own paper");
  // The upgrade ships a new picture, and a new plate.
  Write(shared_ / "Velden" / "OR1.bmp", "shipped or");
  Write(shared_ / "Teks" / "Procesplaat.bmp", "new shipped plate");

  Prepare();
  Prepare();
  EXPECT_EQ(Read(user_ / "Velden" / "data1.txt"), "project");
  EXPECT_EQ(Read(user_ / "Teks" / "Procesplaat.bmp"), "own plate");
  EXPECT_EQ(Read(user_ / "Velden" / "PAPIER.BMP"), "own paper");
  EXPECT_FALSE(fs::exists(fs::symlink_status(user_ / "Velden" / "papier.bmp")));
  EXPECT_EQ(Read(user_ / "Velden" / "OR1.bmp"), "shipped or");
}

TEST_F(UserFolderTest, ARemovedPictureComesBackAtTheNextStart) {
  Prepare();
  fs::remove(user_ / "Velden" / "AND1.bmp");
  Prepare();
  EXPECT_EQ(Read(user_ / "Velden" / "AND1.bmp"), "shipped and");
}

TEST_F(UserFolderTest, LinksFollowAMovedInstallAndLeaveWithWhatItNoLongerShips) {
  Prepare();
  // The program moved from /usr to /opt: the old links point nowhere.
  const fs::path moved = scratch_ / "opt" / "share" / "tessaro";
  fs::create_directories(moved.parent_path());
  fs::rename(shared_, moved);
  fs::remove(moved / "Velden" / "AND1.bmp");
  // A link of the user's own that points nowhere stays.
  fs::create_symlink(scratch_ / "elsewhere" / "Knop1aan.bmp", user_ / "Teks" / "Knop1aan.bmp");

  ASSERT_EQ(Say(PrepareUserFolder(moved, user_)), "");
  EXPECT_EQ(fs::read_symlink(user_ / "Velden" / "papier.bmp"), moved / "Velden" / "papier.bmp");
  EXPECT_EQ(Read(user_ / "examples" / "heater_pid.txt"), "lesson");
  EXPECT_FALSE(fs::exists(fs::symlink_status(user_ / "Velden" / "AND1.bmp")));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(user_ / "Teks" / "Knop1aan.bmp")));
}

TEST_F(UserFolderTest, AUserFolderInAnotherLetterCaseIsUsedAsItIs) {
  fs::create_directories(user_ / "velden");
  Prepare();
  EXPECT_EQ(Read(user_ / "velden" / "papier.bmp"), "shipped paper");
  EXPECT_FALSE(fs::exists(user_ / "Velden"));
}

TEST_F(UserFolderTest, AFolderThatCannotBeMadeIsReported) {
  Write(scratch_ / "home" / ".local", "a file where the folder should be");
  EXPECT_NE(Say(PrepareUserFolder(shared_, user_)), "");
  fs::remove(scratch_ / "home" / ".local");
  Write(user_ / "Teks", "a file");
  EXPECT_NE(Say(PrepareUserFolder(shared_, user_)).find("Teks"), std::string::npos);
}

TEST_F(UserFolderTest, TheWorkFolderIsTheUsersOnlyWhenNoFolderAtHandHasVelden) {
  const fs::path bin = scratch_ / "usr" / "bin";
  const fs::path somewhere = scratch_ / "somewhere";
  fs::create_directories(bin);
  fs::create_directories(somewhere);

  // Installed and started from the menu: the user's folder, prepared.
  WorkFolder work = ChooseWorkFolder(somewhere, bin, shared_, user_);
  EXPECT_EQ(work.root, user_);
  EXPECT_EQ(Say(work.problem), "");
  EXPECT_TRUE(fs::exists(user_ / "Teks" / "Procesplaat.bmp"));

  // Started in the user folder itself: still prepared, so an upgrade's pictures appear.
  Write(shared_ / "Velden" / "OR1.bmp", "shipped or");
  EXPECT_EQ(ChooseWorkFolder(user_, bin, shared_, user_).root, user_);
  EXPECT_TRUE(fs::exists(user_ / "Velden" / "OR1.bmp"));

  // A folder with a Velden of its own, or a build folder, works as it always did.
  fs::create_directories(somewhere / "Velden");
  EXPECT_EQ(ChooseWorkFolder(somewhere, bin, shared_, user_).root, somewhere);
  const fs::path build = scratch_ / "build";
  fs::create_directories(build / "Velden");
  EXPECT_EQ(ChooseWorkFolder(scratch_, build, shared_, user_).root, build);

  // Nothing installed: the working folder, as before.
  EXPECT_EQ(ChooseWorkFolder(scratch_, bin, scratch_ / "none", user_).root, scratch_);
}

TEST_F(UserFolderTest, WithoutAUsableHomeTheProgramSaysSoAndShowsTheShippedPictures) {
  const fs::path bin = scratch_ / "usr" / "bin";
  const WorkFolder no_home = ChooseWorkFolder(scratch_, bin, shared_, {});
  EXPECT_EQ(no_home.root, shared_);
  EXPECT_NE(Say(no_home.problem), "");

  Write(scratch_ / "home", "not a folder");
  const WorkFolder broken = ChooseWorkFolder(scratch_, bin, shared_, user_);
  EXPECT_EQ(broken.root, shared_);
  EXPECT_NE(Say(broken.problem), "");
}

// The per-user folder in a place others can reach (XDG_DATA_HOME in a shared folder): what
// another user prepared there is never used, and nothing is written through their links.
class ForeignUserFolderTest : public UserFolderTest {
 protected:
  void SetUp() override {
    UserFolderTest::SetUp();
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand files to other users";
    fs::create_directories(user_.parent_path());
    for (fs::path at = user_.parent_path(); at != scratch_; at = at.parent_path()) {
      GiveTo(at, kNobody);
    }
    Write(victim_, "the user's own settings");
    GiveTo(victim_, kNobody);
  }
  // Starts as the ordinary user and saves with "Opslaan"; true when the folder worked in
  // is `expect_user_folder` or not as asked, the save went well and the victim is whole.
  bool StartAndSave(bool expect_user_folder) {
    const int result = AsUnprivilegedUser([&] {
      const WorkFolder work = ChooseWorkFolder(scratch_, scratch_ / "usr" / "bin", shared_, user_);
      ProcessImage image;
      ApplyStartupDefaults(image);
      RecordingMessages messages;
      struct stat info {};
      const bool own = ::stat(work.root.c_str(), &info) == 0 && info.st_uid == kNobody &&
                       (expect_user_folder || (info.st_mode & 077) == 0);
      return (work.root == user_) == expect_user_folder &&
             work.problem.empty() == expect_user_folder && own &&
             SaveProject(image, work.root, messages) && messages.errors.empty();
    });
    EXPECT_NE(result, kCannotChangeUser);
    return result == 0 && Read(victim_) == "the user's own settings";
  }
  const fs::path victim_ = scratch_ / "home" / ".bashrc";
};

TEST_F(ForeignUserFolderTest, AFolderPreparedByAnotherUserIsLeftAlone) {
  // Another user's Velden, open to all, with the project file a link to the user's file.
  fs::create_directories(user_ / "Velden");
  fs::permissions(user_ / "Velden", fs::perms(0777));
  fs::create_symlink(victim_, user_ / "Velden" / "data1.txt");
  GiveTo(user_, kSomeoneElse);
  GiveTo(user_ / "Velden", kSomeoneElse);
  GiveTo(user_ / "Velden" / "data1.txt", kSomeoneElse);
  EXPECT_TRUE(StartAndSave(false));

  // Even when all of it is the user's: a link the program did not make is not written
  // through, nor is a folder others may write into used.
  for (const fs::path& entry : {user_, user_ / "Velden", user_ / "Velden" / "data1.txt"}) {
    GiveTo(entry, kNobody);
  }
  fs::permissions(user_ / "Velden", fs::perms(0755));
  EXPECT_TRUE(StartAndSave(false));
  fs::remove(user_ / "Velden" / "data1.txt");
  fs::permissions(user_ / "Velden", fs::perms(0777));
  EXPECT_TRUE(StartAndSave(false));
}

TEST_F(ForeignUserFolderTest, TheUsersOwnFolderIsMadePrivateAndUsedAtEveryStart) {
  EXPECT_TRUE(StartAndSave(true));
  EXPECT_EQ(fs::status(user_).permissions(), fs::perms(0700));
  EXPECT_TRUE(StartAndSave(true));  // with its links to the shipped pictures and its project
}

TEST(UserFolderPath, FollowsTheDesktopsRuleForUserData) {
  EXPECT_EQ(UserFolder("/data", "/home/ann"), fs::path("/data/tessaro"));
  EXPECT_EQ(UserFolder(nullptr, "/home/ann"), fs::path("/home/ann/.local/share/tessaro"));
  // An empty or relative XDG_DATA_HOME is to be ignored.
  EXPECT_EQ(UserFolder("", "/home/ann"), fs::path("/home/ann/.local/share/tessaro"));
  EXPECT_EQ(UserFolder("data", "/home/ann"), fs::path("/home/ann/.local/share/tessaro"));
  EXPECT_EQ(UserFolder(nullptr, nullptr), fs::path());
  EXPECT_EQ(UserFolder(nullptr, "relative"), fs::path());
}

}  // namespace
}  // namespace tessaro
