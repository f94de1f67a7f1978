// Logbooks: rows appended while the scan runs, over hours, readable while the log is still
// open, and a file that stops taking rows ending its log with one message.
#include "engine/control/instrument_log.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "engine/control/instrument_title.h"
#include "engine/screen/screen_items.h"
#include "project_test_support.h"
#include "scan_fixture.h"
#include "unprivileged.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<std::string> FileLines(const fs::path& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class InstrumentLogTest : public ScanTest {
 protected:
  InstrumentLogTest() {
    fs::create_directories(folder);
    Put(1, 1, "Spin1");
    Put(1, 2, "Rec1");
    Put(2, 1, "Spin1");
    Put(2, 2, "Reg7");
    image.ItemVisible[ItemIndex("Rec1")] = 1;
    image.ItemVisible[ItemIndex("Reg7")] = 1;
    image.KnobValue[1] = 51;
  }
  ~InstrumentLogTest() override { fs::remove_all(folder); }

  // Scan ticks as the program gives them: the clock set, the tick, the logs collected.
  std::vector<InstrumentLogs::Stopped> Run(InstrumentLogs& logs, int ticks) {
    std::vector<InstrumentLogs::Stopped> stopped;
    for (int i = 0; i < ticks; ++i) {
      image.ClockMs += 250;
      Ticks(1);
      for (auto& s : logs.Collect(image)) stopped.push_back(s);
    }
    return stopped;
  }

  const fs::path folder =
      fs::temp_directory_path() / ("tessaro_log_test_" + std::to_string(::getpid()));
};

TEST_F(InstrumentLogTest, LogsGrowOverHoursAndCanBeReadWhileOpen) {
  InstrumentLogs logs;
  ASSERT_EQ(Say(logs.Start(image, 1, (folder / "rec.csv").string(), 0, SampleClock::Script)), "");
  ASSERT_EQ(Say(logs.Start(image, 15, (folder / "onoff.csv").string(), 0, SampleClock::Script)),
            "");
  EXPECT_THAT(InstrumentCaption(image, 1, "Form7"), HasSubstr("logboek rec.csv"));
  const int hours = 3;
  EXPECT_TRUE(Run(logs, hours * 3600 * 4).empty());
  logs.Drain();
  // Still open: every row so far is already in the file, whole.
  const auto rec = FileLines(folder / "rec.csv");
  ASSERT_EQ(rec.size(), 1u + hours * 900);  // a sample every 4 s, far past the 480 of the chart
  EXPECT_EQ(rec[0], "t (s),time,value,byte");
  EXPECT_EQ(rec[1], "3.75,3.75,0,51");
  EXPECT_EQ(rec.back(), "10799.75,10799.75,0,51");
  EXPECT_EQ(FileLines(folder / "onoff.csv").size(), 1u + hours * 3600);

  // Stopped, and started again on the same file: rows go on below, without a second header.
  logs.Stop(image, 1);
  EXPECT_EQ(InstrumentCaption(image, 1, "Form7"), "Form7");
  Run(logs, 16);
  ASSERT_EQ(
      Say(logs.Start(image, 1, (folder / "rec.csv").string(), image.ClockMs, SampleClock::Script)),
      "");
  Run(logs, 16);
  logs.StopAll(image);
  const auto again = FileLines(folder / "rec.csv");
  ASSERT_EQ(again.size(), rec.size() + 1);
  EXPECT_EQ(again.back(), "3.75,10807.75,0,51");
}

TEST_F(InstrumentLogTest, AFullDiskStopsTheLogOnAWholeRowWithOneMessageAndTheScanGoesOn) {
  for (auto mode : {LogWriter::Mode::Background, LogWriter::Mode::Inline}) {
    const fs::path path = folder / "full.csv";
    fs::remove(path);
    InstrumentLogs logs(mode);
    std::vector<InstrumentLogs::Stopped> stopped;
    const uint64_t before = image.TrendTimes[7].taken;
    {
      FileSizeLimit disk(500);  // the header and a few rows
      ASSERT_EQ(Say(logs.Start(image, 15, path.string(), 0, SampleClock::Script)), "");
      for (int i = 0; i < 40; ++i) {
        for (auto& s : Run(logs, 4)) stopped.push_back(s);
        logs.Drain();
      }
    }
    ASSERT_EQ(stopped.size(), 1u);
    EXPECT_EQ(stopped[0].slot, 15);
    EXPECT_THAT(Say(stopped[0].message), HasSubstr(path.string()));
    EXPECT_THAT(Say(stopped[0].message), HasSubstr("het bestand wordt te groot"));
    EXPECT_FALSE(logs.Logging(15));
    EXPECT_EQ(image.LogFile[15], "");
    EXPECT_EQ(image.TrendTimes[7].taken, before + 40);  // every cycle still ran
    // Whole rows only: every line has the header's fields, and the last one its line end.
    const std::string text = ReadBytes(path);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    const std::vector<std::string> lines = FileLines(path);
    ASSERT_GT(lines.size(), 2u);
    for (const std::string& line : lines) {
      EXPECT_EQ(std::count(line.begin(), line.end(), ','), 4) << line;
    }
  }
}

TEST_F(InstrumentLogTest, AFileWithoutRoomForItsHeaderIsNoLogAndIsNotLeftBehind) {
  const fs::path path = folder / "none.csv";
  {
    FileSizeLimit disk(10);
    InstrumentLogs inline_logs(LogWriter::Mode::Inline);
    EXPECT_THAT(Say(inline_logs.Start(image, 1, path.string(), 0, SampleClock::Script)),
                HasSubstr(path.string()));
    EXPECT_FALSE(inline_logs.Logging(1));
    EXPECT_FALSE(fs::exists(path));

    InstrumentLogs logs(LogWriter::Mode::Background);
    ASSERT_EQ(Say(logs.Start(image, 1, path.string(), 0, SampleClock::Script)), "");
    logs.Drain();
    EXPECT_EQ(Run(logs, 1).size(), 1u);
  }
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(InstrumentLogTest, AFifoADeviceOrAFolderIsRefusedAtOnce) {
  const fs::path fifo = folder / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  // With a reader at the other end, so that a writer that opened it would not even wait.
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  // The message whole in both languages, its cause said in the same language.
  const struct {
    fs::path path;
    const char* dutch;
    const char* english;
  } cases[] = {{fifo, "een FIFO", "a FIFO"},
               {"/dev/null", "een apparaat", "a device"},
               {folder, "een map", "a folder"}};
  for (const auto& [path, dutch, english] : cases) {
    InstrumentLogs logs(LogWriter::Mode::Inline);
    const Message message = logs.Start(image, 1, path.string(), 0, SampleClock::Script);
    EXPECT_EQ(Say(message), "Logboek niet gestart, " + path.string() + ": het is " + dutch + ".");
    EXPECT_EQ(Say(message, Language::kEnglish),
              "Log not started, " + path.string() + ": it is " + english + ".");
    EXPECT_FALSE(logs.Logging(1));
  }
  ::close(reader);
}

TEST_F(InstrumentLogTest, AFileThatCannotBeOpenedStartsNoLog) {
  InstrumentLogs logs;
  const std::string message =
      Say(logs.Start(image, 1, (folder / "missing" / "x.csv").string(), 0, SampleClock::Wall));
  EXPECT_THAT(message, HasSubstr("x.csv"));
  EXPECT_FALSE(logs.Logging(1));
  EXPECT_EQ(image.LogFile[1], "");
}

}  // namespace
}  // namespace tessaro
