#include "engine/core/operator_screen.h"

#include <gtest/gtest.h>

#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "fakes.h"

namespace tessaro {
namespace {

TEST(PushButtons, ToggleStateAndPicture) {
  ProcessImage image;
  RecordingView view;
  KnopClick(image, view, 3);
  EXPECT_EQ(image.ScreenButton[3], 255);
  EXPECT_EQ(image.ItemPicture[40], "Teks/Knop3aan.bmp");
  KnopClick(image, view, 3);
  EXPECT_EQ(image.ScreenButton[3], 0);
  EXPECT_EQ(image.ItemPicture[40], "Teks/Knop3uit.bmp");
  ASSERT_EQ(view.pictures.size(), 2u);
  EXPECT_EQ(view.pictures.back(), (std::pair<int, std::string>{40, "Teks/Knop3uit.bmp"}));
  EXPECT_EQ(image.ScreenButton[2], 0);
}

TEST(ScreenItems, ShowAndMoveTouchOnlyTheirOwnEntry) {
  ProcessImage image;
  ApplyStartupDefaults(image);
  const ProcessImage before = image;
  RecordingView view;
  SetItemTop(image, view, 39, 251);
  EXPECT_EQ(image.ItemTop[39], 251);
  EXPECT_EQ(image.ItemLeft[39], before.ItemLeft[39]);
  SetItemVisible(image, view, 0, true);
  EXPECT_EQ(image.ItemVisible[0], 1);
  for (int i = 0; i < kScreenEntries; ++i) {
    if (i != 39) {
      EXPECT_EQ(image.ItemTop[i], before.ItemTop[i]) << i;
    }
    if (i != 0) {
      EXPECT_EQ(image.ItemVisible[i], 0) << i;
    }
  }
  SetItemVisible(image, view, 47, true);  // the spare entry is no item
  EXPECT_EQ(image.ItemVisible[47], 0);
}

TEST(Exit, ClosesTheBoardOnlyOnYes) {
  SimulatedBoard board;
  board.OpenDevice(0);
  RecordingMessages messages;
  messages.answer = false;
  EXPECT_FALSE(ExitClick(messages, board));
  EXPECT_TRUE(board.IsOpen());
  ASSERT_EQ(messages.questions.size(), 1u);
  EXPECT_EQ(messages.questions[0], "Exit: Afsluiten?");
  messages.answer = true;
  EXPECT_TRUE(ExitClick(messages, board));
  EXPECT_FALSE(board.IsOpen());
}

TEST(Knobs, ValuesAreKeptWithinTheByteRange) {
  ProcessImage image;
  KnobChanged(image, 2, 300);
  KnobChanged(image, 5, 17);
  KnobChanged(image, 6, 1);  // no such knob
  EXPECT_EQ(image.KnobValue[2], 255);
  EXPECT_EQ(image.KnobValue[5], 17);
}

}  // namespace
}  // namespace tessaro
