#include "engine/project/project_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "engine/project/project_data.h"
#include "fakes.h"
#include "project_test_support.h"

namespace tessaro {
namespace {

std::vector<std::string> Lines(const std::string& bytes) { return SplitLines(bytes, 100000); }

std::vector<std::string> FolderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class ProjectFileTest : public ::testing::Test {
 protected:
  // Saves `image` and returns the file's lines.
  std::vector<std::string> SavedLines(const ProcessImage& image) {
    EXPECT_TRUE(SaveProject(image, root_.path(), messages_));
    return Lines(ReadBytes(root_.data_file()));
  }
  LoadResult Load(ProcessImage& image) {
    return LoadProject(image, root_.path(), messages_, view_);
  }
  void AddPictures(std::initializer_list<const char*> keys) {
    for (const char* key : keys) WriteBytes(root_.velden() / (std::string(key) + ".bmp"), "BM");
  }

  TempRoot root_;
  RecordingMessages messages_;
  RecordingLoadView view_;
};

TEST_F(ProjectFileTest, SaveAfterStartWritesTheDefaultFile) {
  ProcessImage image;
  ApplyStartupDefaults(image);
  ASSERT_TRUE(SaveProject(image, root_.path(), messages_));
  const std::string bytes = ReadBytes(root_.data_file());

  // Every line ends with CR LF, the last one included, and there is no lone LF or CR.
  size_t crlf = 0;
  for (size_t pos = 0; (pos = bytes.find("\r\n", pos)) != std::string::npos; pos += 2) ++crlf;
  EXPECT_EQ(crlf, 470u);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 470);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 470);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

  std::vector<std::string> expected(112, "");
  for (int i = 0; i < 8; ++i) expected.insert(expected.end(), {"900", std::to_string(50 + 50 * i)});
  for (int i = 0; i < 8; ++i) expected.insert(expected.end(), {"25", std::to_string(200 + 50 * i)});
  for (int i = 0; i < 5; ++i)
    expected.insert(expected.end(), {"100", std::to_string(200 + 50 * i)});
  for (int i = 0; i < 5; ++i)
    expected.insert(expected.end(), {std::to_string(200 + 100 * i), "130"});
  for (int i = 0; i < 6; ++i)
    expected.insert(expected.end(), {"700", std::to_string(200 + 50 * i)});
  for (int i = 0; i < 6; ++i)
    expected.insert(expected.end(), {"1060", std::to_string(50 + 50 * i)});
  for (int i = 0; i < 6; ++i)
    expected.insert(expected.end(), {"216", std::to_string(200 + 50 * i)});
  for (int top : {210, 250, 290}) expected.insert(expected.end(), {"440", std::to_string(top)});
  expected.insert(expected.end(), {"0", "0"});     // spare entry 47
  expected.insert(expected.end(), 160 + 48, "0");  // parameters, visibility
  for (int n = 1; n <= 17; ++n) {
    expected.insert(expected.end(), {"0", "0", ""});
    if (n >= 9 && n <= 11) expected.push_back("1");  // PID action after its unit
  }
  ASSERT_EQ(expected.size(), 470u);
  EXPECT_EQ(Lines(bytes), expected);
  EXPECT_TRUE(messages_.errors.empty());
}

TEST_F(ProjectFileTest, EveryValueHasItsOwnLine) {
  ProcessImage image;
  ApplyStartupDefaults(image);
  image.FieldGrid[3][5] = "OR2";
  image.ItemLeft[47] = 4747;
  image.ItemTop[10] = -10;
  image.FieldParamA[4][6] = 4611;
  image.FieldParamB[1][2] = -1;
  image.ItemVisible[46] = 1;
  image.RangeHigh[2] = 250;
  image.RangeLow[9] = -5;
  image.RangeUnit[11] = "bar g";
  image.RangeUnit[17] = "%";
  image.Pid[2].PidAction = -1;
  const auto lines = SavedLines(image);
  ASSERT_EQ(lines.size(), 470u);
  auto line = [&](int number) { return lines[static_cast<size_t>(number - 1)]; };
  EXPECT_EQ(line((3 - 1) * 7 + 5), "OR2");
  EXPECT_EQ(line(113 + 2 * 47), "4747");
  EXPECT_EQ(line(114 + 2 * 10), "-10");
  EXPECT_EQ(line(209 + (4 - 1) * 5 + (6 - 2)), "4611");
  EXPECT_EQ(line(289 + 0), "-1");
  EXPECT_EQ(line(369 + 46), "1");
  EXPECT_EQ(line(417 + 3 * 1), "250");
  EXPECT_EQ(line(442), "-5");
  EXPECT_EQ(line(451), "bar g");
  EXPECT_EQ(line(447), "");    // unit of "Reg2"
  EXPECT_EQ(line(448), "-1");  // then its action
  EXPECT_EQ(line(470), "%");
}

TEST_F(ProjectFileTest, SaveThenLoadGivesBackEveryValue) {
  ProcessImage saved;
  FillProject(saved);
  ASSERT_TRUE(SaveProject(saved, root_.path(), messages_));

  ProcessImage loaded;
  ApplyStartupDefaults(loaded);
  loaded.OutRight[2][3] = 77;  // signals are not part of the project
  loaded.Pid[1].Sp = 42.5;
  AddPictures({"A1in", "Draad1", "Tup", "Reg1", "D6uit"});
  EXPECT_EQ(Load(loaded), LoadResult::Loaded);
  EXPECT_TRUE(messages_.errors.empty());
  EXPECT_EQ(CaptureProject(loaded), CaptureProject(saved));
  EXPECT_EQ(loaded.FieldParamB[2][3], 17);  // the timer goes on from its count
  EXPECT_EQ(loaded.RangeUnit[2], "m3 / h  ");
  EXPECT_EQ(loaded.OutRight[2][3], 77);
  EXPECT_EQ(loaded.Pid[1].Sp, 0.0);  // a setting the file leaves out is at its start value

  // A second load of the same file changes nothing more.
  EXPECT_EQ(Load(loaded), LoadResult::Loaded);
  EXPECT_EQ(CaptureProject(loaded), CaptureProject(saved));
}

TEST_F(ProjectFileTest, ALineBreakInATextDoesNotShiftTheFile) {
  ProcessImage image;
  ApplyStartupDefaults(image);
  image.RangeUnit[5] = "kg\r\nper\rday\n";
  const auto lines = SavedLines(image);
  ASSERT_EQ(lines.size(), 470u);
  EXPECT_EQ(lines[417 + 3 * 4 + 2 - 1], "kg  per day ");
  EXPECT_EQ(lines[443], "1");
}

TEST_F(ProjectFileTest, AShortFileLoadsTheSchemaAndHidesEverything) {
  ProcessImage image;
  ApplyStartupDefaults(image);
  image.ItemVisible[5] = 1;
  std::vector<std::string> lines(112, "");
  lines[0] = "A1in";
  lines[111] = "D6uit";
  WriteBytes(root_.data_file(), JoinLines(lines));
  AddPictures({"A1in", "D6uit"});

  EXPECT_EQ(Load(image), LoadResult::Loaded);
  EXPECT_TRUE(messages_.errors.empty());
  EXPECT_EQ(image.FieldGrid[1][1], "A1in");
  EXPECT_EQ(image.FieldGrid[16][7], "D6uit");
  for (int i = 0; i < kScreenEntries; ++i) {
    EXPECT_EQ(image.ItemLeft[i], 0);
    EXPECT_EQ(image.ItemTop[i], 0);
    EXPECT_EQ(image.ItemVisible[i], 0);
  }
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(image.Pid[n].PidAction, -1);
  EXPECT_EQ(std::count(view_.events.begin(), view_.events.end(), "pid R 1"), 1);
  EXPECT_EQ(std::count_if(view_.events.begin(), view_.events.end(),
                          [](const std::string& e) { return e.rfind("hide", 0) == 0; }),
            47);
}

TEST_F(ProjectFileTest, OnlyTheLowEightBitsOfAVisibilityCount) {
  auto lines = SavedLines([] {
    ProcessImage image;
    ApplyStartupDefaults(image);
    return image;
  }());
  lines[368] = "2";
  lines[369] = "257";
  lines[370] = "-255";
  WriteBytes(root_.data_file(), JoinLines(lines));
  ProcessImage image;
  EXPECT_EQ(Load(image), LoadResult::Loaded);
  EXPECT_EQ(image.ItemVisible[0], 2);
  EXPECT_EQ(image.ItemVisible[1], 1);
  EXPECT_EQ(image.ItemVisible[2], 1);
  EXPECT_NE(std::find(view_.events.begin(), view_.events.end(), "hide 0"), view_.events.end());
  EXPECT_NE(std::find(view_.events.begin(), view_.events.end(), "show 1"), view_.events.end());
  EXPECT_NE(std::find(view_.events.begin(), view_.events.end(), "show 2"), view_.events.end());
}

TEST_F(ProjectFileTest, ALoadPlacesItemsThenSelectsEachPidActionAfterItsLabel) {
  ProcessImage image;
  FillProject(image);
  image.Pid[2].PidAction = 5;  // neither +1 nor -1: "R" is selected and -1 stored
  ASSERT_TRUE(SaveProject(image, root_.path(), messages_));
  ProcessImage loaded;
  Load(loaded);

  ASSERT_GE(view_.events.size(), 47u * 3 + 3);
  EXPECT_EQ(view_.events[0], "top 0 1000");
  EXPECT_EQ(view_.events[1], "left 0 -20");
  EXPECT_EQ(view_.events[2], "show 0");
  const std::vector<std::string> expected = {"top 31 907",  "left 31 197", "hide 31", "top 32 904",
                                             "left 32 204", "hide 32",     "pid R 1", "top 33 901",
                                             "left 33 211", "show 33",     "pid R 2", "top 34 898",
                                             "left 34 218", "hide 34",     "pid R 3", "top 35 895"};
  const std::vector<std::string> got(view_.events.begin() + 31 * 3,
                                     view_.events.begin() + 31 * 3 + 16);
  EXPECT_EQ(got, expected);
  // Item 46 is the last one placed; the spare entry 47 is loaded but has no control.
  EXPECT_EQ(view_.events[47 * 3 + 2], "hide 46");
  EXPECT_EQ(loaded.ItemLeft[47], 7 * 47 - 20);
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(loaded.Pid[n].PidAction, -1);
}

TEST(ProjectIntegerLine, ReadsADecimalNumberAndIgnoresTheRestOfTheLine) {
  EXPECT_EQ(ReadIntegerLine("0"), 0);
  EXPECT_EQ(ReadIntegerLine("-1"), -1);
  EXPECT_EQ(ReadIntegerLine("+7"), 7);
  EXPECT_EQ(ReadIntegerLine(" \t 42 is the answer"), 42);
  EXPECT_EQ(ReadIntegerLine("12\x01junk"), 12);
  EXPECT_EQ(ReadIntegerLine("2147483647"), INT32_MAX);
  EXPECT_EQ(ReadIntegerLine("-2147483648"), INT32_MIN);
  EXPECT_EQ(ReadIntegerLine(std::string(31, '0') + "9"), 9);  // 32 characters
}

TEST(ProjectIntegerLine, RefusesWhatIsNoIntegerOfThirtyTwoBits) {
  for (const char* bad : {"", "   ", "\t", "12abc", "abc", "-", "+", "1.5", "0x10", "$10", "--1",
                          "2147483648", "-2147483649", "99999999999999999999",
                          "\x01"
                          "5"}) {
    EXPECT_FALSE(ReadIntegerLine(bad)) << '"' << bad << '"';
  }
  EXPECT_FALSE(ReadIntegerLine(std::string(32, '0') + "9"));  // longer than 32 characters
}

TEST(ProjectLines, AcceptsEveryKindOfLineEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd", 10), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n", 10), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(SplitLines("a\nb\nc\n", 2), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(SplitLines("", 10).empty());
}

// A bad line stops the load before anything is replaced or shown.
class ProjectLoadErrorTest : public ProjectFileTest {
 protected:
  void SetUp() override {
    ProcessImage saved;
    FillProject(saved);
    lines_ = SavedLines(saved);
    ApplyStartupDefaults(image_);
    image_.FieldGrid[1][1] = "Knop1";
    before_ = CaptureProject(image_);
  }
  void ExpectRefused(const std::string& message) {
    EXPECT_EQ(Load(image_), LoadResult::Failed);
    EXPECT_EQ(messages_.errors, std::vector<std::string>{message});
    EXPECT_EQ(CaptureProject(image_), before_);
    EXPECT_TRUE(view_.events.empty());
  }

  std::vector<std::string> lines_;
  ProcessImage image_;
  ProjectData before_;
};

TEST_F(ProjectLoadErrorTest, ALineWithoutAValidIntegerStopsTheLoad) {
  struct Case {
    size_t line;  // index into the saved lines
    const char* text;
    bool inserted;
  };
  const Case cases[] = {
      {300, "12abc", false},       // digits directly followed by letters
      {200, "", true},             // a blank line is no number, not a shift
      {440, "2147483648", false},  // beyond 32 bits ("Reg1"'s RangeHigh)
      {451, "R", false},           // the last action line
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    auto lines = lines_;
    if (c.inserted) {
      lines.insert(lines.begin() + static_cast<long>(c.line), c.text);
    } else {
      lines[c.line] = c.text;
    }
    WriteBytes(root_.data_file(), JoinLines(lines));
    messages_.errors.clear();
    ExpectRefused("Invalid numeric input.");
  }
}

TEST_F(ProjectLoadErrorTest, AFileThatCannotBeReadChangesNothing) {
  fs::remove(root_.data_file());
  ExpectRefused("File not found: Velden/data1.txt.");

  messages_.errors.clear();
  fs::create_directory(root_.data_file());
  ExpectRefused("File access denied: Velden/data1.txt.");

  // A pipe or a device is no project file; reading it would hang the program.
  messages_.errors.clear();
  fs::remove(root_.data_file());
  ASSERT_EQ(::mkfifo(root_.data_file().c_str(), 0600), 0);
  ExpectRefused("File access denied: Velden/data1.txt.");
  messages_.errors.clear();
  EXPECT_EQ(LoadProjectFile(image_, "/dev/zero", root_.path(), messages_, view_),
            LoadResult::Failed);
  EXPECT_EQ(messages_.errors, std::vector<std::string>{"File access denied: /dev/zero."});
  EXPECT_EQ(CaptureProject(image_), before_);

  messages_.errors.clear();
  fs::remove_all(root_.velden());
  ExpectRefused("Invalid filename: Velden/data1.txt.");
  messages_.errors.clear();
  EXPECT_FALSE(SaveProject(image_, root_.path(), messages_));
  EXPECT_EQ(messages_.errors, std::vector<std::string>{"Invalid filename: Velden/data1.txt."});
  EXPECT_FALSE(fs::exists(root_.velden()));
}

// Lowest free descriptor as the limit: the next open fails with "too many open files".
class NoFreeDescriptors {
 public:
  NoFreeDescriptors() {
    getrlimit(RLIMIT_NOFILE, &saved_);
    const int lowest_free = ::dup(0);
    ::close(lowest_free);
    rlimit low = saved_;
    low.rlim_cur = static_cast<rlim_t>(lowest_free);
    setrlimit(RLIMIT_NOFILE, &low);
  }
  ~NoFreeDescriptors() { setrlimit(RLIMIT_NOFILE, &saved_); }

 private:
  rlimit saved_{};
};

TEST_F(ProjectLoadErrorTest, AnOpenThatFailsIsAnIoErrorAndChangesNothing) {
  const std::string old_bytes = ReadBytes(root_.data_file());
  LoadResult result;
  bool saved;
  {
    NoFreeDescriptors limit;
    result = Load(image_);
    saved = SaveProject(image_, root_.path(), messages_);
  }
  EXPECT_EQ(result, LoadResult::Failed);
  EXPECT_FALSE(saved);
  EXPECT_EQ(messages_.errors,
            (std::vector<std::string>{
                "Kan Velden/data1.txt niet inlezen: er zijn te veel bestanden open.",
                "Kan Velden/data1.txt niet opslaan: er zijn te veel bestanden open."}));
  EXPECT_EQ(CaptureProject(image_), before_);
  EXPECT_TRUE(view_.events.empty());
  EXPECT_EQ(ReadBytes(root_.data_file()), old_bytes);
  EXPECT_EQ(FolderEntries(root_.velden()), std::vector<std::string>{"data1.txt"});
}

TEST_F(ProjectFileTest, AReadOnlyFileIsNeitherReplacedNorTruncated) {
  ProcessImage first;
  FillProject(first);
  ASSERT_TRUE(SaveProject(first, root_.path(), messages_));
  const std::string old_bytes = ReadBytes(root_.data_file());
  fs::permissions(root_.data_file(), fs::perms::owner_read | fs::perms::group_read);

  ProcessImage second;
  ApplyStartupDefaults(second);
  EXPECT_FALSE(SaveProject(second, root_.path(), messages_));
  EXPECT_EQ(messages_.errors, std::vector<std::string>{"File access denied: Velden/data1.txt."});
  EXPECT_EQ(ReadBytes(root_.data_file()), old_bytes);
  EXPECT_EQ(FolderEntries(root_.velden()), std::vector<std::string>{"data1.txt"});

  // Reading it is still allowed.
  messages_.errors.clear();
  AddPictures({"A1in", "Draad1", "Tup", "Reg1", "D6uit"});
  EXPECT_EQ(Load(second), LoadResult::Loaded);
  EXPECT_EQ(CaptureProject(second), CaptureProject(first));
}

TEST_F(ProjectFileTest, ASaveReplacesTheFileWholeAndKeepsItsNameAndPermissions) {
  fs::rename(root_.velden(), root_.path() / "vELDEN");
  ProcessImage image;
  FillProject(image);
  ASSERT_TRUE(SaveProject(image, root_.path(), messages_));
  const fs::path folder = root_.path() / "vELDEN";
  fs::rename(folder / "data1.txt", folder / "Data1.TXT");
  fs::permissions(folder / "Data1.TXT",
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  image.RangeUnit[1] = "changed";
  ASSERT_TRUE(SaveProject(image, root_.path(), messages_));

  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Data1.TXT"});
  EXPECT_EQ(fs::status(folder / "Data1.TXT").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(ReadBytes(folder / "Data1.TXT"), FormatProject(CaptureProject(image)));
  ProcessImage loaded;
  LoadProject(loaded, root_.path(), messages_, view_, GridPictures::Skip);
  EXPECT_EQ(loaded.RangeUnit[1], "changed");
  EXPECT_TRUE(messages_.errors.empty());
}

TEST_F(ProjectFileTest, ALinkedFileIsReplacedWhereItIsAndTheLinkStays) {
  const fs::path real = root_.path() / "elsewhere.txt";
  WriteBytes(real, "old");
  fs::create_symlink(real, root_.data_file());
  ProcessImage image;
  FillProject(image);
  ASSERT_TRUE(SaveProject(image, root_.path(), messages_));
  EXPECT_TRUE(fs::is_symlink(root_.data_file()));
  EXPECT_EQ(ReadBytes(real), FormatProject(CaptureProject(image)));
  EXPECT_EQ(FolderEntries(root_.velden()), std::vector<std::string>{"data1.txt"});
}

TEST_F(ProjectFileTest, AMissingPictureLeavesOnlyItsOwnFieldsBlank) {
  std::vector<std::string> lines(112, "");
  lines[0] = "A1in";
  lines[1] = "AND1";    // no picture
  lines[2] = "Draad1";  // picture under another case
  lines[8] = "AND1";    // the same missing picture again
  lines[9] = "Leeg";
  WriteBytes(root_.data_file(), JoinLines(lines));
  AddPictures({"A1in", "Leeg"});
  WriteBytes(root_.velden() / "draad1.BMP", "BM");

  ProcessImage image;
  EXPECT_EQ(Load(image), LoadResult::PicturesMissing);
  const std::vector<std::string> pictures(view_.events.begin() + 47 * 3 + 3, view_.events.end());
  EXPECT_EQ(pictures,
            (std::vector<std::string>{"picture 1 1 A1in.bmp", "blank 1 2", "picture 1 3 draad1.BMP",
                                      "blank 2 2", "picture 2 3 Leeg.bmp"}));
  EXPECT_EQ(messages_.errors,
            std::vector<std::string>{"Cannot open file \"" + root_.velden().string() +
                                     "/AND1.bmp\". No such file or directory."});
  EXPECT_EQ(image.FieldGrid[1][2], "AND1");
}

TEST_F(ProjectFileTest, ATextThatIsNoBlockKeyNeverNamesAFile) {
  std::vector<std::string> lines(112, "");
  lines[0] = "Foo";
  lines[1] = "../secret";
  lines[2] = "AND1 ";
  lines[3] = "and1";
  lines[4] = std::string("AND1\tx");
  lines[5] = "AND1";
  WriteBytes(root_.data_file(), JoinLines(lines));
  AddPictures({"Foo", "AND1"});
  WriteBytes(root_.path() / "secret.bmp", "BM");

  ProcessImage image;
  EXPECT_EQ(Load(image), LoadResult::PicturesMissing);
  const std::vector<std::string> pictures(view_.events.begin() + 47 * 3 + 3, view_.events.end());
  EXPECT_EQ(pictures, (std::vector<std::string>{"blank 1 1", "blank 1 2", "blank 1 3", "blank 1 4",
                                                "blank 1 5", "picture 1 6 AND1.bmp"}));
  ASSERT_EQ(messages_.errors.size(), 1u);
  const std::string velden = root_.velden().string() + "/";
  EXPECT_EQ(messages_.errors[0], "Cannot open file \"" + velden + "Foo.bmp\", \"" + velden +
                                     "../secret.bmp\", \"" + velden +
                                     "AND1 .bmp\" en nog 2 andere bestanden. No such file or "
                                     "directory.");
  EXPECT_EQ(messages_.details, std::vector<std::string>{velden + "Foo.bmp\n" + velden +
                                                        "../secret.bmp\n" + velden + "AND1 .bmp\n" +
                                                        velden + "and1.bmp\n" + velden +
                                                        std::string("AND1\tx") + ".bmp\n"});
  // The texts stay in the schema as they were read, and are saved back unchanged.
  EXPECT_EQ(image.FieldGrid[1][2], "../secret");
  EXPECT_EQ(image.FieldGrid[1][5], std::string("AND1\tx"));
  ASSERT_TRUE(SaveProject(image, root_.path(), messages_));
  EXPECT_EQ(Lines(ReadBytes(root_.data_file()))[4], std::string("AND1\tx"));
}

}  // namespace
}  // namespace tessaro
