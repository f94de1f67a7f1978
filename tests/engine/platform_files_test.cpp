// The file layer on whichever system the tests run: names beyond ASCII, the whole-or-nothing
// save, and the refusals, through the system's own calls on each side.
#ifdef _WIN32
#include <windows.h>
#include <aclapi.h>
#endif

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/control/instrument_log.h"
#include "engine/core/file_errors.h"
#include "engine/core/file_write.h"
#include "engine/core/ownership.h"
#include "engine/core/system_file.h"
#include "engine/core/user_folder.h"
#include "engine/core/utf8_path.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

class PlatformFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tessaro_platform_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(file_, fs::perms::owner_write, fs::perm_options::add, ec);
    fs::remove_all(folder_, ec);
  }

  std::string ReadAll(const fs::path& path) {
    SystemFile file;
    EXPECT_EQ(file.OpenForReading(path), 0);
    std::string text;
    char chunk[7];  // small, so that a read is taken up more than once
    for (size_t got = 1; got > 0;) {
      EXPECT_EQ(file.Read(chunk, sizeof chunk, got), 0);
      text.append(chunk, got);
    }
    return text;
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(Utf8Name(entry.path().filename()));
    }
    return names;
  }

  fs::path folder_;
  fs::path file_;
};

TEST_F(PlatformFilesTest, NamesWithAccentsAndCyrillicAreWrittenAndReadBack) {
  const std::string name = "Caf\xC3\xA9 \xD0\x96\xD1\x83\xD0\xBA.txt";  // Café Жук.txt
  file_ = folder_ / Utf8Path(name);
  ASSERT_EQ(WriteFileWhole(file_, "eerste\r\n"), 0);
  ASSERT_EQ(WriteFileWhole(file_, "tweede, langer\r\n"), 0);
  EXPECT_EQ(ReadAll(file_), "tweede, langer\r\n");
  // Listed by the system under that very name, with no temporary left beside it.
  EXPECT_EQ(Names(), (std::vector<std::string>{name}));
}

TEST_F(PlatformFilesTest, WhatMayNotBeReplacedIsLeftAsItWas) {
  file_ = folder_ / "alleen lezen.txt";
  ASSERT_EQ(WriteFileWhole(file_, "oud"), 0);
  fs::permissions(file_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_EQ(WriteFileWhole(file_, "nieuw"), EACCES);
  EXPECT_EQ(ReadAll(file_), "oud");

  fs::create_directory(folder_ / "map");
  EXPECT_NE(WriteFileWhole(folder_ / "map", "nieuw"), 0);
  EXPECT_TRUE(fs::is_directory(folder_ / "map"));
  EXPECT_NE(WriteFileWhole(folder_ / "geen map" / "x.txt", "nieuw"), 0);

  SystemFile file;
  EXPECT_EQ(file.OpenForReading(folder_ / "map"), EACCES);
  EXPECT_EQ(file.OpenForReading(folder_ / "weg.txt"), ENOENT);
}

TEST_F(PlatformFilesTest, ATemporaryLeftByAKilledSaveIsCleanedUp) {
  file_ = folder_ / "project.txt";
  const fs::path left = folder_ / ".project.txt.a1b2C3d4E5.tmp";
  std::ofstream(left) << "half";
  std::ofstream(folder_ / ".ander.txt.a1b2C3d4E5.tmp") << "of another file";
  ASSERT_EQ(WriteFileWhole(file_, "heel"), 0);
  EXPECT_FALSE(fs::exists(left));
  EXPECT_TRUE(fs::exists(folder_ / ".ander.txt.a1b2C3d4E5.tmp"));
  EXPECT_EQ(ReadAll(file_), "heel");
}

TEST_F(PlatformFilesTest, ALogAppendsWholeRowsAndLeavesNoEmptyFileBehind) {
  file_ = folder_ / Utf8Path("logboek \xC3\xA4.csv");
  std::optional<Phrase> error;
  {
    auto log = LogWriter::Open(Utf8Name(file_), LogWriter::Mode::Inline, error);
    ASSERT_NE(log, nullptr) << Say(error.value_or(Word("")));
  }
  EXPECT_FALSE(fs::exists(file_));

  {
    auto log = LogWriter::Open(Utf8Name(file_), LogWriter::Mode::Inline, error);
    ASSERT_NE(log, nullptr) << Say(error.value_or(Word("")));
    log->Append("t,waarde\n");
    log->Append("0,1\n");
  }
  {
    auto log = LogWriter::Open(Utf8Name(file_), LogWriter::Mode::Background, error);
    ASSERT_NE(log, nullptr) << Say(error.value_or(Word("")));
    log->Append("1,2\n");
    log->Drain();
    EXPECT_FALSE(log->Failure());
  }
  EXPECT_EQ(ReadAll(file_), "t,waarde\n0,1\n1,2\n");

  EXPECT_EQ(LogWriter::Open(Utf8Name(folder_), LogWriter::Mode::Inline, error), nullptr);
  EXPECT_EQ(Say(error.value_or(Word("no cause"))), "het is een map");
}

// An installed program: the shipped pictures in a folder of their own, the user's own folder
// made from them at the first start and taken as it is at the next; the user's own files
// in it are the user's own (on Windows: by its access list).
TEST_F(PlatformFilesTest, TheUsersOwnFolderIsMadeFromTheShippedOneAndTrustedAfterwards) {
  const fs::path shared = folder_ / "share" / "tessaro";
  const fs::path program = folder_ / "bin";
  const fs::path user = folder_ / Utf8Path("gebruiker \xC3\xA9") / "Tessaro";
  fs::create_directories(shared / "Velden");
  fs::create_directories(shared / "examples");
  fs::create_directories(program);
  std::ofstream(shared / "Velden" / "papier.bmp") << "BM";
  std::ofstream(shared / "examples" / "les.txt") << "les";

  const WorkFolder first = ChooseWorkFolder(program, program, shared, user);
  EXPECT_EQ(Say(first.problem), "");
  EXPECT_EQ(first.root, user);
  EXPECT_EQ(ReadAll(user / "Velden" / "papier.bmp"), "BM");
  EXPECT_EQ(ReadAll(user / "examples" / "les.txt"), "les");

  ASSERT_EQ(WriteFileWhole(user / "Velden" / "data1.txt", "project"), 0);
  const WorkFolder again = ChooseWorkFolder(program, program, shared, user);
  EXPECT_EQ(Say(again.problem), "");
  EXPECT_EQ(again.root, user);
  EXPECT_EQ(ReadAll(user / "Velden" / "data1.txt"), "project");
}

#ifdef _WIN32
// A library in a folder that everyone may change is not loaded: on Windows "everyone may
// change" is an entry in the access list.
TEST_F(PlatformFilesTest, AFileEveryoneMayChangeIsNotTheUsersOwn) {
  file_ = folder_ / "K8055d.dll";
  std::ofstream(file_) << "MZ";
  EXPECT_FALSE(NotOwnCause(file_));

  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  ASSERT_TRUE(AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0,
                                       &everyone));
  EXPLICIT_ACCESSW grant{};
  grant.grfAccessPermissions = GENERIC_ALL;
  grant.grfAccessMode = GRANT_ACCESS;
  grant.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  grant.Trustee.ptstrName = static_cast<LPWSTR>(everyone);
  PACL acl = nullptr;
  ASSERT_EQ(SetEntriesInAclW(1, &grant, nullptr, &acl), static_cast<DWORD>(ERROR_SUCCESS));
  std::wstring name = file_.native();
  ASSERT_EQ(SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                  nullptr, nullptr, acl, nullptr),
            static_cast<DWORD>(ERROR_SUCCESS));
  LocalFree(acl);
  FreeSid(everyone);
  EXPECT_EQ(Say(NotOwnCause(file_).value_or(Word("own"))),
            file_.string() + " mag ook door anderen worden gewijzigd");
}

// A project another program holds open without sharing (an editor, a virus scanner) cannot
// be replaced: the save fails in words the user reads, the old file stays whole, and no
// temporary is left beside it.
TEST_F(PlatformFilesTest, AFileHeldOpenElsewhereIsLeftWholeAndTheSaveSaysSo) {
  file_ = folder_ / "project.txt";
  ASSERT_EQ(WriteFileWhole(file_, "oud"), 0);
  HANDLE held = CreateFileW(file_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const int err = WriteFileWhole(file_, "nieuw");
  CloseHandle(held);
  EXPECT_TRUE(err == EBUSY || err == EACCES) << err;
  EXPECT_EQ(FileErrorText("opslaan", "project.txt", err),
            err == EBUSY ? "Kan project.txt niet opslaan: het bestand is in gebruik."
                         : "Kan project.txt niet opslaan: geen toegang.");
  EXPECT_EQ(ReadAll(file_), "oud");
  EXPECT_EQ(Names(), (std::vector<std::string>{"project.txt"}));
}
#endif

}  // namespace
}  // namespace tessaro
