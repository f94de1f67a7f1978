#include "engine/core/scan.h"

#include <string>
#include <utility>
#include <vector>

#include "scan_fixture.h"

namespace tessaro {

using Caption = RecordingView::Caption;

static bool operator==(const Caption& a, const Caption& b) {
  return a.row == b.row && a.column == b.column && a.x == b.x && a.y == b.y && a.text == b.text &&
         a.silver == b.silver;
}

namespace {

// Every edge of every field of the three signal tables.
int SignalSum(const ProcessImage& p) {
  int sum = 0;
  for (int r = 0; r <= kRows + 1; ++r) {
    for (int c = 1; c <= kColumns; ++c) sum += p.OutUp[r][c] + p.OutRight[r][c] + p.OutDown[r][c];
  }
  return sum;
}

TEST_F(ScanTest, EmptyGridOnlyAdvancesTheCounters) {
  image.AnalogIn.fill(90);
  Ticks(1);
  EXPECT_EQ(image.ScanPhase, 2);
  EXPECT_EQ(image.SineStep, 1);
  EXPECT_EQ(image.RecorderPhase, 0);
  Ticks(2);
  EXPECT_EQ(image.RecorderPhase, 1);
  Ticks(1);
  EXPECT_EQ(image.ScanPhase, 1);
  Cycles(3);
  EXPECT_EQ(image.SineStep, 4);
  EXPECT_EQ(image.RecorderPhase, 4);  // the fourth cycle is the recorders' sampling cycle
  Cycles(1);
  EXPECT_EQ(image.RecorderPhase, 1);
  EXPECT_EQ(SignalSum(image), 0);
  EXPECT_TRUE(view.texts.empty());
  EXPECT_TRUE(view.pictures.empty());
  EXPECT_TRUE(view.captions.empty());
}

TEST_F(ScanTest, AnalogInputsAreCopiedOnePairPerPhase) {
  for (int n = 1; n <= 8; ++n) {
    image.AnalogIn[n] = static_cast<uint8_t>(10 * n);
    Put(n + 1, 1, "A" + std::to_string(n) + "in");
  }
  Put(12, 1, "A1in");  // a second field of the same input
  std::vector<std::pair<int, std::string>> labels;
  for (int phase = 1; phase <= 4; ++phase) {
    Ticks(1);
    for (int n = 1; n <= 8; ++n) {
      const bool copied = n <= 2 * phase;
      EXPECT_EQ(image.OutRight[n + 1][1], copied ? 10 * n : 0) << "A" << n << "in, phase " << phase;
      EXPECT_EQ(image.ItemText[7 + n], copied ? std::to_string(10 * n) : "") << "Label" << n + 1;
    }
  }
  EXPECT_EQ(image.OutRight[12][1], 10);
  std::vector<std::pair<int, std::string>> expected = {{8, "10"}};  // once for each field
  for (int n = 1; n <= 8; ++n) expected.emplace_back(7 + n, std::to_string(10 * n));
  EXPECT_EQ(view.texts, expected);
}

// A column of upward wires fed in row 16: by a knob, which phase 1 already puts there, and by
// "A4in", which arrives in phase 2 itself, so that only the upward pass carries it.
TEST_F(ScanTest, AValueRisesThroughAColumnOfUpwardWiresInPhase2) {
  for (const std::string input : {"Spin1", "A4in"}) {
    image = ProcessImage{};
    ApplyStartupDefaults(image);
    image.KnobValue[1] = 99;
    image.AnalogIn[4] = 99;
    Put(16, 1, input);
    Put(16, 2, "Draad7");
    for (int r = 1; r <= 15; ++r) Put(r, 2, "Draad2");
    Ticks(1);
    EXPECT_EQ(image.OutUp[16][2], input == "Spin1" ? 99 : 0) << input;
    EXPECT_EQ(image.OutUp[15][2], 0) << input;  // the top-to-bottom pass comes too early
    Ticks(1);
    EXPECT_EQ(image.OutUp[1][2], 99) << input;
  }
}

TEST_F(ScanTest, AValueFallsThroughAColumnOfDownwardWiresInPhase1) {
  image.KnobValue[1] = 99;
  Put(1, 1, "Spin1");
  Put(1, 2, "Draad4");
  for (int r = 2; r <= 16; ++r) Put(r, 2, "Draad3");
  Ticks(1);
  EXPECT_EQ(image.OutDown[16][2], 99);
}

TEST_F(ScanTest, InputReachesOutputThroughWiresAndThroughABlockInOneCycle) {
  Put(3, 1, "Knop1");
  for (int c = 2; c <= 6; ++c) Put(3, c, c == 4 ? "HS1" : "Draad1");
  Put(3, 7, "D1uit");
  image.ScreenButton[1] = 255;
  Ticks(3);
  EXPECT_EQ(image.OutRight[3][4], 255);
  EXPECT_EQ(image.OutRight[3][6], 0);
  EXPECT_FALSE(board.DigitalOutput(1));
  Ticks(1);
  EXPECT_TRUE(board.DigitalOutput(1));
  EXPECT_EQ(image.ItemPicture[26], "Teks/D1uithoog.bmp");
}

TEST_F(ScanTest, OutputsTakeWhatColumnSixHandsThem) {
  image.ScreenButton[1] = 255;
  image.KnobValue[1] = 200;
  Put(3, 1, "Knop1");
  Put(5, 1, "Spin1");
  for (int c = 2; c <= 5; ++c) {
    Put(3, c, "Draad1");
    Put(5, c, "Draad1");
  }
  Put(3, 6, "Not");
  Put(5, 6, "RR1");
  image.FieldParamA[5][6] = 50;  // half of the input
  Put(3, 7, "D1uit");
  Put(5, 7, "A1uit");
  board.SetDigitalChannel(1);
  Cycles(2);
  EXPECT_FALSE(board.DigitalOutput(1));
  EXPECT_EQ(board.AnalogOutput(1), 100);
}

TEST_F(ScanTest, ABlockSeesItsLeftNeighbourAtOnceButABlockBehindWiresOneCycleLater) {
  image.ScreenButton[1] = 255;
  Put(1, 1, "Knop1");
  Put(1, 2, "HS1");
  Put(1, 3, "HS1");
  Put(5, 1, "Knop1");
  Put(5, 2, "HS1");
  Put(5, 3, "Draad1");
  Put(5, 4, "HS1");
  Cycles(1);
  EXPECT_EQ(image.OutRight[1][3], 255);
  EXPECT_EQ(image.OutRight[5][4], 0);
  Cycles(1);
  EXPECT_EQ(image.OutRight[5][4], 255);
}

// Nothing lies beyond rows 1 and 16: a field in the top row reads a low upper input and one
// in the bottom row a low lower input, however high the rest of the grid is.
TEST_F(ScanTest, TheRowsBeyondTheGridReadLow) {
  image.ScreenButton.fill(255);
  for (int r = 1; r <= kRows; ++r) {
    Put(r, 1, "Knop" + std::to_string(r % 6 + 1));
    for (int c = 2; c <= 6; ++c) Put(r, c, "Draad13");  // crosses: every edge high
  }
  Put(1, 6, "Draad11");   // top to right and bottom
  Put(16, 2, "Draad12");  // bottom to right and top
  Put(16, 3, "Draad6");   // top to right, so row 16 is high again right of the reader
  Cycles(3);
  EXPECT_EQ(image.OutDown[1][6] | image.OutRight[1][6], 0);
  EXPECT_EQ(image.OutUp[16][2] | image.OutRight[16][2], 0);
  // The edges the other end would see, were the grid to wrap round, are high.
  EXPECT_EQ(image.OutDown[16][6], 255);
  EXPECT_EQ(image.OutUp[1][2], 255);
  for (int c = 1; c <= kColumns; ++c) {
    for (int r : {0, kRows + 1}) {
      EXPECT_EQ(image.OutUp[r][c] | image.OutRight[r][c] | image.OutDown[r][c], 0) << r << c;
    }
  }
}

TEST_F(ScanTest, KeyChangesBetweenTicksTakeEffect) {
  Put(1, 1, "Knop1");
  Put(1, 2, "OR1");
  image.ScreenButton[1] = 255;
  Cycles(1);
  EXPECT_EQ(image.OutRight[1][2], 255);
  image.FieldGrid[1][2][0] = 'X';  // edited in place, same length: "XR1" is no key
  image.ScreenButton[1] = 0;
  Cycles(1);
  EXPECT_EQ(image.OutRight[1][2], 255);  // holds: nothing evaluates the field
  image.FieldGrid[1][2] = "Not";
  Cycles(1);
  EXPECT_EQ(image.OutRight[1][2], 255);
  image.ScreenButton[1] = 255;
  image.FieldGrid[1][2] = "Leeg";
  Cycles(1);
  EXPECT_EQ(image.OutRight[1][2], 255);  // an emptied field keeps showing its last output
  image.FieldGrid[1][2] = "Not";
  Cycles(1);
  EXPECT_EQ(image.OutRight[1][2], 0);
}

TEST(DecodedGrid, EveryInPlaceEditOfAKeyIsNoticed) {
  ProcessImage image;
  for (const std::string key :
       {"OR1", "AND1", "Draad", "Wortel", "Draad13", "Flipflop", "a key far longer than any"}) {
    for (size_t i = 0; i < key.size(); ++i) {
      image.FieldGrid[3][4] = key;
      RefreshDecodedGrid(image);
      const BlockCode original = image.Decoded[3][4].code;
      image.FieldGrid[3][4][i] = '#';
      RefreshDecodedGrid(image);
      EXPECT_EQ(image.Decoded[3][4].key, image.FieldGrid[3][4]) << key << " " << i;
      EXPECT_EQ(image.Decoded[3][4].code.kind, BlockKind::Unknown) << key << " " << i;
      image.FieldGrid[3][4][i] = key[i];
      RefreshDecodedGrid(image);
      EXPECT_EQ(image.Decoded[3][4].code, original) << key << " " << i;
    }
  }
  EXPECT_EQ(DecodeKey("Flipflop").kind, BlockKind::Flipflop);
  EXPECT_EQ(DecodeKey("NOR2"), (BlockCode{BlockKind::Gate, GateNumber(GateOp::Nor, 2)}));
  EXPECT_EQ(DecodeKey("Leeg").kind, BlockKind::Empty);
  EXPECT_EQ(DecodeKey("leeg").kind, BlockKind::Unknown);
}

TEST_F(ScanTest, KeysOutsideTheirColumnsDoNothing) {
  image.ScreenButton[1] = 255;
  Put(1, 1, "Draad1");
  Put(2, 1, "Knop1");
  Put(2, 2, "Knop1");
  Put(2, 3, "A1uit");
  Put(2, 7, "Draad1");
  Cycles(2);
  EXPECT_EQ(SignalSum(image), 255);  // only the input in (2, 1)
  EXPECT_EQ(board.AnalogOutput(1), 0);
}

TEST_F(ScanTest, ParameterCaptionsArePaintedEveryCycleEvenWithTheGridClosed) {
  Put(2, 3, "ADS");
  image.FieldParamA[2][3] = 200;
  image.FieldParamB[2][3] = 50;
  Put(4, 5, "Soff");
  image.FieldParamA[4][5] = -7;
  Put(6, 5, "RR1");
  Ticks(3);
  EXPECT_TRUE(view.captions.empty());
  Ticks(1);
  const std::vector<Caption> expected = {{2, 3, 12, 4, " 200 ", false},
                                         {2, 3, 12, 54, " 50   ", false},
                                         {4, 5, 12, 4, " -7 ", false},
                                         {4, 5, 12, 54, " 0   ", false}};
  EXPECT_EQ(view.captions, expected);
}

TEST_F(ScanTest, WireCaptionsOnlyWhileTheGridIsOpen) {
  image.KnobValue[1] = 128;
  image.ScreenButton[1] = 255;
  Put(1, 1, "Spin1");
  Put(1, 2, "Draad1");
  Put(2, 1, "Knop1");
  Put(2, 2, "Draad1");
  Put(3, 2, "Draad1");
  Put(4, 2, "Draad10");
  Cycles(1);
  EXPECT_TRUE(view.captions.empty());
  image.LogicsOpen = 1;
  Cycles(1);
  const std::vector<Caption> expected = {{1, 2, 10, 20, "128    ", true},
                                         {2, 2, 10, 20, "high    ", true},
                                         {3, 2, 10, 20, "low    ", true}};
  EXPECT_EQ(view.captions, expected);
}

TEST_F(ScanTest, InstrumentLabelsShowTheScaledValueOnlyWhileShown) {
  image.KnobValue[1] = 153;
  Put(1, 1, "Spin1");
  Put(1, 2, "Rec3");
  Put(1, 3, "Reg7");
  image.RangeHigh[3] = 200;
  image.RangeUnit[3] = "bar";
  image.RangeHigh[15] = 110;
  image.RangeLow[15] = 10;
  image.RangeUnit[15] = "C";
  image.OutRight[1][3] = 42;
  Cycles(1);
  EXPECT_TRUE(view.texts.empty());
  EXPECT_EQ(image.OutRight[1][3], 42);  // a hidden controller keeps its output
  image.ItemVisible[2] = 1;             // Label12
  image.ItemVisible[44] = 1;            // Label24
  image.DecimalSeparator = ',';
  Cycles(1);
  const std::vector<std::pair<int, std::string>> expected = {{2, "120,0 bar"}, {44, "10,0 C"}};
  EXPECT_EQ(view.texts, expected);  // Reg7 reads the recorder's right edge, still 0
  EXPECT_EQ(image.ItemText[2], "120,0 bar");
}

}  // namespace
}  // namespace tessaro
