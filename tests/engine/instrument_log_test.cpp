// Logbooks: rows appended while the scan runs, over hours, readable while the log is still
// open, and a file that stops taking rows ending its log with one message.
#include "engine/control/instrument_log.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

#include "engine/control/instrument_title.h"
#include "engine/screen/screen_items.h"
#include "scan_fixture.h"

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
  ASSERT_EQ(logs.Start(image, 1, (folder / "rec.csv").string(), 0, SampleClock::Script), "");
  ASSERT_EQ(logs.Start(image, 15, (folder / "onoff.csv").string(), 0, SampleClock::Script), "");
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
  ASSERT_EQ(logs.Start(image, 1, (folder / "rec.csv").string(), image.ClockMs, SampleClock::Script),
            "");
  Run(logs, 16);
  logs.StopAll(image);
  const auto again = FileLines(folder / "rec.csv");
  ASSERT_EQ(again.size(), rec.size() + 1);
  EXPECT_EQ(again.back(), "3.75,10807.75,0,51");
}

TEST_F(InstrumentLogTest, AFullDiskStopsTheLogWithOneMessageAndTheScanGoesOn) {
  for (auto mode : {LogWriter::Mode::Background, LogWriter::Mode::Inline}) {
    InstrumentLogs logs(mode);
    ASSERT_EQ(logs.Start(image, 15, "/dev/full", 0, SampleClock::Script), "");
    const uint64_t before = image.TrendTimes[7].taken;
    std::vector<InstrumentLogs::Stopped> stopped = Run(logs, 4);
    logs.Drain();
    for (auto& s : Run(logs, 400)) stopped.push_back(s);
    ASSERT_EQ(stopped.size(), 1u);
    EXPECT_EQ(stopped[0].slot, 15);
    EXPECT_THAT(stopped[0].message, HasSubstr("/dev/full"));
    EXPECT_FALSE(logs.Logging(15));
    EXPECT_EQ(image.LogFile[15], "");
    EXPECT_EQ(image.TrendTimes[7].taken, before + 101);  // every cycle still ran
  }
}

TEST_F(InstrumentLogTest, AFileThatCannotBeOpenedStartsNoLog) {
  InstrumentLogs logs;
  const std::string message =
      logs.Start(image, 1, (folder / "missing" / "x.csv").string(), 0, SampleClock::Wall);
  EXPECT_THAT(message, HasSubstr("x.csv"));
  EXPECT_FALSE(logs.Logging(1));
  EXPECT_EQ(image.LogFile[1], "");
}

}  // namespace
}  // namespace tessaro
