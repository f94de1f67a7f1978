#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/board/library_board.h"
#include "engine/board/simulated_board.h"
#ifndef _WIN32
#include "unprivileged.h"
#endif

namespace tessaro {
namespace {

namespace fs = std::filesystem;

TEST(SimulatedBoard, SelectLinesSevenAndEightPickTheMultiplexerPair) {
  SimulatedBoard board;
  for (int i = 1; i <= 8; ++i) board.SetMuxInput(i, static_cast<uint8_t>(10 * i));
  struct Case {
    bool s7, s8;
    int first;
  };
  // off/off -> 1/2, on/off -> 3/4, on/on -> 5/6, off/on -> 7/8
  for (const Case& c :
       {Case{false, false, 1}, Case{true, false, 3}, Case{true, true, 5}, Case{false, true, 7}}) {
    c.s7 ? board.SetDigitalChannel(7) : board.ClearDigitalChannel(7);
    c.s8 ? board.SetDigitalChannel(8) : board.ClearDigitalChannel(8);
    EXPECT_EQ(board.ReadAnalogChannel(1), 10 * c.first) << c.s7 << c.s8;
    EXPECT_EQ(board.ReadAnalogChannel(2), 10 * (c.first + 1)) << c.s7 << c.s8;
  }
}

TEST(SimulatedBoard, RemembersOutputsAndServesInputs) {
  SimulatedBoard board;
  board.OutputAnalogChannel(2, 200);
  board.SetDigitalChannel(3);
  board.SetDigitalChannel(9);  // no such channel: ignored
  board.SetDigitalInput(5, true);
  EXPECT_EQ(board.AnalogOutput(2), 200);
  EXPECT_TRUE(board.DigitalOutput(3));
  EXPECT_FALSE(board.DigitalOutput(4));
  EXPECT_EQ(board.ReadDigitalChannel(5), 1);
  EXPECT_EQ(board.ReadDigitalChannel(4), 0);
  board.ClearDigitalChannel(3);
  EXPECT_FALSE(board.DigitalOutput(3));
}

TEST(SimulatedBoard, AnswersAddressesZeroToThree) {
  SimulatedBoard board;
  EXPECT_EQ(board.OpenDevice(0), 0);
  EXPECT_EQ(board.OpenDevice(3), 3);
  EXPECT_NE(board.OpenDevice(4), 4);
  EXPECT_TRUE(board.IsOpen());
  board.CloseDevice();
  EXPECT_FALSE(board.IsOpen());
}

class LibraryBoardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            (std::string("tessaro_lib_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "velden");
  }
  void TearDown() override { fs::remove_all(root_); }
  void Install(const char* built, const std::string& name) {
    fs::copy_file(built, root_ / "velden" / name, fs::copy_options::overwrite_existing);
  }
  fs::path root_;
};

TEST_F(LibraryBoardTest, ACompleteLibraryTakesEveryCall) {
  // Found whatever its letter case.
#ifdef _WIN32
  Install(FAKE_BOARD_FULL, "k8055D.DLL");
#else
  Install(FAKE_BOARD_FULL, "LibK8055D.so");
#endif
  auto board = MakeStartupBoard(root_);
  ASSERT_NE(dynamic_cast<LibraryBoard*>(board.get()), nullptr);
  EXPECT_EQ(board->OpenDevice(2), 2);
  EXPECT_EQ(board->OpenDevice(0), -1);
  board->OutputAnalogChannel(1, 7);
  EXPECT_EQ(board->ReadAnalogChannel(1), 0x100 + 10 + 7);
  board->SetDigitalChannel(4);
  EXPECT_EQ(board->ReadDigitalChannel(4), 1);
  board->ClearDigitalChannel(4);
  EXPECT_EQ(board->ReadDigitalChannel(4), 0);
  board->CloseDevice();
}

TEST_F(LibraryBoardTest, AMissingLibraryLeavesTheSimulatedBoard) {
  auto board = MakeStartupBoard(root_);
  EXPECT_NE(dynamic_cast<SimulatedBoard*>(board.get()), nullptr);
}

TEST_F(LibraryBoardTest, AnIncompleteOrBrokenLibraryLeavesTheSimulatedBoard) {
  Install(FAKE_BOARD_PARTIAL, BoardLibraryFileName());
  EXPECT_EQ(LibraryBoard::Load(root_ / "velden" / BoardLibraryFileName()), nullptr);
  EXPECT_NE(dynamic_cast<SimulatedBoard*>(MakeStartupBoard(root_).get()), nullptr);

  std::ofstream(root_ / "velden" / BoardLibraryFileName()) << "not a library";
  EXPECT_NE(dynamic_cast<SimulatedBoard*>(MakeStartupBoard(root_).get()), nullptr);
}

// Owners, modes and other users are POSIX matters; Windows' side of the rule is its access
// lists, which the library test above passes through.
#ifndef _WIN32
// The library runs its code as the user: it loads only from folders nobody else controls.
class TrustedLibraryTest : public LibraryBoardTest {
 protected:
  void SetUp() override {
    LibraryBoardTest::SetUp();
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand files to other users";
    library_ = root_ / "velden" / BoardLibraryFileName();
    Install(FAKE_BOARD_FULL, BoardLibraryFileName());
    for (const fs::path& own : {root_, root_ / "velden", library_}) GiveTo(own, kNobody);
  }
  // What the ordinary user gets: "" when the library loaded, else the text shown.
  std::string Refusal(const std::vector<fs::path>& trusted = {}) {
    int pipe_fds[2];
    EXPECT_EQ(::pipe(pipe_fds), 0);
    const int result = AsUnprivilegedUser([&] {
      Message refusal;
      const bool loaded = LoadBoardLibrary(root_, trusted, refusal) != nullptr;
      const std::string told = loaded            ? ""
                               : refusal.empty() ? "(refused, not a word)"
                                                 : Say(refusal);
      return ::write(pipe_fds[1], told.data(), told.size()) == static_cast<ssize_t>(told.size());
    });
    ::close(pipe_fds[1]);
    std::string told;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0;) told.append(buffer, n);
    ::close(pipe_fds[0]);
    EXPECT_EQ(result, 0);
    return told;
  }
  void ExpectRefused(const std::string& cause) {
    EXPECT_EQ(Refusal(), "Kaartbibliotheek " + library_.string() + " niet geladen: " + cause + ".");
  }
  fs::path library_;
};

TEST_F(TrustedLibraryTest, TheUsersOwnFolderLoadsAsEver) {
  fs::permissions(root_ / "velden", fs::perms(0755));
  EXPECT_EQ(Refusal(), "");
}

TEST_F(TrustedLibraryTest, AFolderOthersMayWriteOrSomeoneElsesFileIsRefused) {
  const std::string velden = (root_ / "velden").string();
  fs::permissions(root_ / "velden", fs::perms(0777));
  ExpectRefused(velden + " mag ook door anderen worden gewijzigd");
  // The installed program's own folders are trusted as they are.
  EXPECT_EQ(Refusal({root_}), "");
  fs::permissions(root_ / "velden", fs::perms(0755));

  GiveTo(library_, kSomeoneElse);
  ExpectRefused(library_.string() + " is van een andere gebruiker");
  GiveTo(library_, kNobody);
  fs::permissions(root_, fs::perms(0777));  // the working folder too
  ExpectRefused(root_.string() + " mag ook door anderen worden gewijzigd");
}

TEST_F(TrustedLibraryTest, ALinkOfSomeoneElsesOrToSomeoneElsesFileIsRefused) {
  // An unpacked student folder: Velden's library a link into another user's folder.
  const fs::path elsewhere = root_ / "elsewhere";
  fs::create_directory(elsewhere);
  fs::rename(library_, elsewhere / "lib.so");
  fs::create_symlink(elsewhere / "lib.so", library_);
  GiveTo(library_, kNobody);
  GiveTo(elsewhere, kSomeoneElse);
  GiveTo(elsewhere / "lib.so", kSomeoneElse);
  ExpectRefused((elsewhere / "lib.so").string() + " is van een andere gebruiker");
  GiveTo(elsewhere / "lib.so", kNobody);
  ExpectRefused(elsewhere.string() + " is van een andere gebruiker");

  GiveTo(elsewhere, kNobody);
  EXPECT_EQ(Refusal(), "");
  GiveTo(library_, kSomeoneElse);  // the link itself
  ExpectRefused(library_.string() + " is een koppeling van een andere gebruiker");
}

#endif  // _WIN32

}  // namespace
}  // namespace tessaro
