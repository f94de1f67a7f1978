#include "engine/core/board_connection.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "fakes.h"

namespace tessaro {
namespace {

// A board that answers OpenDevice with a fixed value and returns raw analog words.
struct AnsweringBoard : SimulatedBoard {
  int32_t OpenDevice(int32_t address) override {
    opened.push_back(address);
    return answer;
  }
  int32_t answer = -1;
  std::vector<int32_t> opened;
};

TEST(Kaart, ABoardThatAnswersItsAddressHidesTheAddressBox) {
  ProcessImage image;
  AnsweringBoard board;
  RecordingMessages messages;
  RecordingView view;
  image.AddressBox = 2;
  board.answer = 2;
  KaartLezenClick(image, board, messages, view);
  EXPECT_EQ(image.CardAddress, 2);
  EXPECT_EQ(board.opened, std::vector<int32_t>{2});
  EXPECT_EQ(messages.infos, std::vector<std::string>{"Kaart gevonden op 2"});
  EXPECT_TRUE(view.address_box_hidden);
}

TEST(Kaart, NoAnswerLeavesTheAddressBoxForAnotherTry) {
  ProcessImage image;
  AnsweringBoard board;
  RecordingMessages messages;
  RecordingView view;
  KaartLezenClick(image, board, messages, view);
  board.answer = 1;  // a board at another address answers with that address
  image.AddressBox = 3;
  KaartLezenClick(image, board, messages, view);
  EXPECT_EQ(messages.infos,
            (std::vector<std::string>{"Geen kaart gevonden op 0", "Geen kaart gevonden op 3"}));
  EXPECT_FALSE(view.address_box_hidden);
  EXPECT_EQ(image.CardAddress, 3);
}

TEST(Multiplexer, FirstTickOnlyStartsThePhasesThenOnePairPerTick) {
  ProcessImage image;
  SimulatedBoard board;
  for (int n = 1; n <= 8; ++n) board.SetMuxInput(n, static_cast<uint8_t>(11 * n));
  // Select lines (7, 8) after each tick; which inputs have been read by then.
  const std::array<std::pair<bool, bool>, 5> select = {
      {{false, false}, {true, false}, {true, true}, {false, true}, {false, false}}};
  const std::array<int, 5> read = {0, 2, 4, 6, 8};
  for (int tick = 0; tick < 5; ++tick) {
    SWklok(image, board);
    EXPECT_EQ(image.MuxPhase, tick % 4 + 1) << "tick " << tick + 1;
    EXPECT_EQ(board.DigitalOutput(7), select[tick].first) << "tick " << tick + 1;
    EXPECT_EQ(board.DigitalOutput(8), select[tick].second) << "tick " << tick + 1;
    for (int n = 1; n <= 8; ++n) {
      // Each pair is read with the select state the tick before left.
      EXPECT_EQ(image.AnalogIn[n], n <= read[tick] ? 11 * n : 0) << "tick " << tick + 1;
    }
  }
}

// Raw 32-bit words from the library keep their low byte.
struct WideBoard : SimulatedBoard {
  int32_t ReadAnalogChannel(int32_t channel) override { return channel == 1 ? 0x1FF : 0x300; }
};

TEST(Multiplexer, ReadsKeepTheLowByte) {
  ProcessImage image;
  image.MuxPhase = 1;
  WideBoard board;
  SWklok(image, board);
  EXPECT_EQ(image.AnalogIn[1], 255);
  EXPECT_EQ(image.AnalogIn[2], 0);
}

}  // namespace
}  // namespace tessaro
