// Instrument data as CSV: the rows the scan's samples give, their header and units, the
// engineering values, the clock columns and a locale that must not reach the file.
#include "engine/control/export.h"

#include <gmock/gmock.h>

#include <locale>
#include <regex>
#include <sstream>

#include "engine/control/pid_faceplate.h"
#include "engine/control/step_controller.h"
#include "engine/screen/screen_items.h"
#include "scan_fixture.h"

namespace tessaro {
namespace {

using ::testing::ElementsAre;
using ::testing::Not;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class ExportTest : public ScanTest {
 protected:
  // Knob 1 feeds instrument `key` in row 1; `key` shown, on the range low..high.
  void Feed(const char* key, int slot, int32_t low, int32_t high, const std::string& unit) {
    Put(1, 1, "Spin1");
    Put(1, 2, key);
    image.ItemVisible[ItemIndex(key)] = 1;
    image.RangeLow[slot] = low;
    image.RangeHigh[slot] = high;
    image.RangeUnit[slot] = unit;
  }
  // One scan cycle with knob 1 at v, the clock a second further each cycle.
  void CycleAt(uint8_t v) {
    image.KnobValue[1] = v;
    for (int i = 0; i < 4; ++i) {
      image.ClockMs += 250;
      Ticks(1);
    }
  }
};

TEST_F(ExportTest, RecorderRowsRunOldestFirstWithTheRangeEndsAndTheRawByte) {
  Feed("Rec3", 3, -100, 500, "kPa");
  for (uint8_t v : {0, 0, 0, 0, 255, 255, 255, 255, 153, 153, 153, 153}) CycleAt(v);
  // Three samples, one every four cycles; the history is far from full.
  EXPECT_EQ(SamplesHeld(image, 3), 3u);
  EXPECT_THAT(Lines(InstrumentCsv(image, 3, SampleClock::Script)),
              ElementsAre("t (s),time,value (kPa),byte", "-8,3.75,-100,0", "-4,7.75,500,255",
                          "0,11.75,260,153"));
}

TEST_F(ExportTest, AFullRecorderExportsItsLast480Samples) {
  Feed("Rec1", 1, 0, 100, "%");
  for (int i = 0; i < 4 * 500; ++i) CycleAt(static_cast<uint8_t>(i / 4 % 256));
  const auto lines = Lines(InstrumentCsv(image, 1, SampleClock::Script));
  ASSERT_EQ(lines.size(), 481u);
  EXPECT_EQ(lines[1].substr(0, 6), "-1916,");              // 479 samples of 4 s before the newest
  EXPECT_THAT(lines.back(), ::testing::EndsWith(",243"));  // sample 499
}

TEST_F(ExportTest, ControllerRowsHoldProcessValueSetpointAndOutput) {
  Feed("Reg1", 9, 0, 200, "C");
  image.Pid[1].Out = 40.0;  // hand holds the output
  CycleAt(153);
  pid::AutoButtonClick(image, 1);
  CycleAt(102);
  EXPECT_THAT(
      Lines(InstrumentCsv(image, 9, SampleClock::Script)),
      ElementsAre("t (s),time,pv (C),sp (C),out (%)", "-1,0.75,120,0,40", "0,1.75,80,120,19.7"));

  // A step controller's two pulse outputs, from the field's right and lower edges.
  Feed("Reg4", 12, 0, 100, "");
  step::HandButtonClick(image, 4);
  step::SpinButton1UpClick(image, 4);
  CycleAt(0);
  CycleAt(0);
  step::SpinButton1DownClick(image, 4);
  CycleAt(0);
  EXPECT_THAT(Lines(InstrumentCsv(image, 12, SampleClock::Script)),
              ElementsAre("t (s),time,pv,sp,open,close", "-2,2.75,0,0,255,0", "-1,3.75,0,0,0,0",
                          "0,4.75,0,0,0,255"));
}

TEST_F(ExportTest, RowsCarryWhatTheInstrumentComputedToTheDigitsItsRangeWarrants) {
  // 142 is 55.686 %: the tag shows 55.7, the trend picture holds 55.5.
  Feed("Reg1", 9, 0, 100, "C");
  CycleAt(142);
  EXPECT_EQ(image.Pid[1].PvTag.text, "55.7 C");
  EXPECT_EQ(CsvRow(image, 9, 0, 750, SampleClock::Script), "0,0.75,55.7,0,0\n");
  pid::AutoButtonClick(image, 1);
  pid::SpinButton1UpClick(image, 1);
  CycleAt(142);
  EXPECT_THAT(CsvRow(image, 9, 0, 1750, SampleClock::Script),
              ::testing::StartsWith("0,1.75,55.7,56.5,"));

  // A byte step is 0.039 on 0..10, 3.9 on 0..1000: hundredths, whole numbers.
  Feed("Rec2", 2, 0, 10, "bar");
  for (int i = 0; i < 4; ++i) CycleAt(142);
  EXPECT_THAT(CsvRow(image, 2, 0, 0, SampleClock::Script), ::testing::EndsWith(",5.57,142\n"));
  image.RangeHigh[2] = 1000;
  EXPECT_THAT(CsvRow(image, 2, 0, 0, SampleClock::Script), ::testing::EndsWith(",557,142\n"));
  image.RangeLow[2] = -1000;
  image.RangeHigh[2] = 0;
  EXPECT_THAT(CsvRow(image, 2, 0, 0, SampleClock::Script), ::testing::EndsWith(",-443,142\n"));
}

TEST_F(ExportTest, AnInstrumentThatTookNoSampleExportsItsHeaderAlone) {
  EXPECT_EQ(InstrumentCsv(image, 16, SampleClock::Wall), "t (s),time,pv,sp,out\n");
  EXPECT_EQ(InstrumentCsv(image, 0, SampleClock::Wall), "");
}

// A locale with a decimal comma, as a Dutch desktop has, set for the whole program.
struct CommaDecimals : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST_F(ExportTest, TheUsersLocaleDoesNotReachTheFile) {
  const std::locale old = std::locale::global(std::locale(std::locale(), new CommaDecimals));
  image.DecimalSeparator = ',';
  Feed("Rec1", 1, 0, 1000, "l/min");
  for (int i = 0; i < 4; ++i) CycleAt(128);
  const std::string csv = InstrumentCsv(image, 1, SampleClock::Script);
  std::locale::global(old);
  EXPECT_THAT(Lines(csv),
              ElementsAre("t (s),time,value (l/min),byte", "0,3.75,502,128"));
}

TEST_F(ExportTest, UnitsAreQuotedWhenNeededAndWrittenAsUtf8) {
  image.RangeUnit[2] = "m3/h, gemeten";
  EXPECT_EQ(CsvHeader(image, 2), "t (s),time,\"value (m3/h, gemeten)\",byte\n");
  image.RangeUnit[2] =
      "\xB0"
      "C";  // Latin-1, as an old project file holds it
  EXPECT_EQ(CsvHeader(image, 2),
            "t (s),time,value (\xC2\xB0"
            "C),byte\n");
  image.RangeUnit[2] =
      "\xC2\xB0"
      "C";
  EXPECT_EQ(CsvHeader(image, 2),
            "t (s),time,value (\xC2\xB0"
            "C),byte\n");
}

TEST_F(ExportTest, TheWallClockIsLocalDateAndTime) {
  Feed("Reg7", 15, 0, 100, "%");
  image.ClockMs = 1'700'000'000'000;  // 2023-11-14 22:13:20 UTC
  Ticks(4);
  // std::regex, as GoogleTest's own regular expressions on Windows know no brackets.
  EXPECT_TRUE(std::regex_match(CsvRow(image, 15, 0, 0, SampleClock::Wall),
                               std::regex("1700000000,2023-11-1[45] [0-9][0-9]:[0-9][0-9]:20,0,0,0\n")));
}

}  // namespace
}  // namespace tessaro
