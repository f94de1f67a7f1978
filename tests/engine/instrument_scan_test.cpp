// Controllers and recorders as the scan runs them.
#include "engine/control/pid_faceplate.h"
#include "scan_fixture.h"
#include "engine/screen/screen_items.h"

namespace tessaro {
namespace {

class InstrumentScanTest : public ScanTest {
 protected:
  void Show(const char* key) { image.ItemVisible[ItemIndex(key)] = 1; }
};

TEST_F(InstrumentScanTest, AControllerRunsOncePerCycleAndWritesItsOutput) {
  Put(5, 1, "Spin1");
  Put(5, 2, "Reg1");
  image.KnobValue[1] = 153;
  image.Pid[1].Out = 40.0;  // hand mode holds the output
  Show("Reg1");
  Cycles(1);
  EXPECT_EQ(image.Pid[1].Pv, 60.0);
  EXPECT_EQ(image.OutRight[5][2], 102);  // 40 % x 2.55
  EXPECT_EQ(image.Pid[1].PvTrend[0], 120);
  EXPECT_EQ(image.Pid[1].PvTrend[1], 0);
  Cycles(2);
  EXPECT_EQ(image.Pid[1].PvTrend[2], 120);
  EXPECT_EQ(image.Pid[1].PvTrend[3], 0);
}

TEST_F(InstrumentScanTest, TheLabelScalesTheByteWithoutRoundingThePercentFirst) {
  Put(5, 1, "Spin1");
  Put(5, 2, "Rec1");
  image.KnobValue[1] = 188;
  image.RangeHigh[1] = 1273;
  image.RangeLow[1] = 253;
  image.RangeUnit[1] = "m";
  Show("Rec1");
  Cycles(1);
  EXPECT_EQ(image.ItemText[ItemIndex("Rec1")], "1.01E3 m");
}

TEST_F(InstrumentScanTest, TheCascadeSlaveInBypassPassesItsUpperInput) {
  Put(4, 1, "Spin2");
  Put(4, 2, "Draad4");  // left to bottom: feeds Reg3 from above
  Put(5, 2, "Reg3");
  image.KnobValue[2] = 77;
  Show("Reg3");
  pid::BypassButtonClick(image, 3);
  Cycles(2);
  EXPECT_EQ(image.OutRight[5][2], 77);
}

TEST_F(InstrumentScanTest, AHiddenInstrumentKeepsItsLastOutput) {
  Put(5, 1, "Spin1");
  Put(5, 3, "Reg7");  // on/off controller behind a wire
  Put(5, 2, "Draad1");
  image.KnobValue[1] = 255;
  image.OnOff[7].Sp = 50;
  image.OnOff[7].Mode = "auto";
  Show("Reg7");
  Cycles(3);
  ASSERT_EQ(image.OutRight[5][3], 255);
  image.ItemVisible[ItemIndex("Reg7")] = 0;
  image.KnobValue[1] = 0;
  Cycles(3);
  EXPECT_EQ(image.OutRight[5][3], 255);
}

TEST_F(InstrumentScanTest, ARecorderSamplesEveryFourthCycleFromTheFourth) {
  Put(2, 1, "Spin1");
  Put(2, 2, "Rec2");
  image.KnobValue[1] = 128;
  Show("Rec2");
  Cycles(3);
  EXPECT_EQ(image.Recorder[2][0], 0);
  EXPECT_TRUE(view.recorder_samples.empty());
  Cycles(1);
  EXPECT_EQ(image.Recorder[2][0], 128);
  EXPECT_EQ(view.recorder_samples, std::vector<int>{2});
  image.KnobValue[1] = 50;
  Cycles(3);
  EXPECT_EQ(image.Recorder[2][0], 128);
  Cycles(1);
  EXPECT_EQ(image.Recorder[2][0], 50);
  EXPECT_EQ(image.Recorder[2][1], 128);
  EXPECT_EQ(image.Recorder[2][2], 0);
}

}  // namespace
}  // namespace tessaro
