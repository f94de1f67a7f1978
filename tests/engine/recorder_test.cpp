#include "engine/control/recorder.h"

#include <gtest/gtest.h>

#include "engine/core/process_image.h"

namespace tessaro {
namespace {

TEST(Recorder, FirstSampleShowsAsAShortPieceAtTheRightEdge) {
  ProcessImage image;
  RecorderCycle(image, 2, 200);
  const auto line = RecorderLine(image.Recorder[2]);
  ASSERT_EQ(line.size(), 481u);
  EXPECT_EQ(line[0], (ChartPoint{480, 80}));
  EXPECT_EQ(line[1], (ChartPoint{479, 80}));
  EXPECT_EQ(line[2], (ChartPoint{478, 280}));
  EXPECT_EQ(line[480], (ChartPoint{0, 280}));
  EXPECT_EQ(image.Recorder[1][0], 0);  // the others stand still
}

TEST(Recorder, ConstantInputDrawsAFlatLineOverTheSamplesTaken) {
  ProcessImage image;
  for (int i = 0; i < 5; ++i) RecorderCycle(image, 1, 128);
  const auto line = RecorderLine(image.Recorder[1]);
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(line[i], (ChartPoint{480 - i, 152})) << i;
  EXPECT_EQ(line[6].y, 280);
}

TEST(Recorder, KeepsTheNewest480Samples) {
  ProcessImage image;
  for (int i = 0; i < 481; ++i) RecorderCycle(image, 8, static_cast<uint8_t>(i % 256));
  EXPECT_EQ(image.Recorder[8][0], 480 % 256);
  EXPECT_EQ(image.Recorder[8][479], 1);  // sample 0 has dropped out

  // Two fields with one key feed one history, each at its turn.
  RecorderCycle(image, 8, 10);
  RecorderCycle(image, 8, 250);
  EXPECT_EQ(image.Recorder[8][0], 250);
  EXPECT_EQ(image.Recorder[8][1], 10);

  RecorderCycle(image, 9, 1);  // no such recorder
  RecorderCycle(image, 0, 1);
  EXPECT_EQ(image.Recorder[0][0], 0);
}

TEST(Recorder, ScaleStandsRightOfThePaper) {
  const auto scale = RecorderScale(500, -100, "l/h");
  const int ys[] = {21, 45, 71, 96, 122, 147, 172, 197, 223, 248, 273};
  for (size_t k = 0; k < scale.size(); ++k) {
    EXPECT_EQ(scale[k].x, 495);
    EXPECT_EQ(scale[k].y, ys[k]);
  }
  EXPECT_EQ(scale[0].text, "500 l/h");
  EXPECT_EQ(scale[9].text, "-40 l/h");
  EXPECT_EQ(scale[10].text, "-100 l/h");
}

}  // namespace
}  // namespace tessaro
