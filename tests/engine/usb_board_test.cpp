#include "engine/board/usb_board.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/board_connection.h"
#include "engine/core/process_image.h"
#include "usb_fake_transport.h"

namespace tessaro {
namespace {

using std::chrono::milliseconds;
using Calls = std::vector<std::string>;
using Reports = std::vector<UsbReport>;

class UsbBoardTest : public ::testing::Test {
 protected:
  UsbBoardTest() {
    auto transport = std::make_unique<FakeUsbTransport>();
    bus_ = transport.get();
    board_ = std::make_unique<UsbBoard>(std::move(transport), [this] { return now_; });
  }

  // A board at `address` that keeps sending its status byte, opened, with the log cleared.
  void OpenBoard(int address, uint8_t status_offset = 1) {
    bus_->present_product = static_cast<uint16_t>(0x5500 + address);
    bus_->sending = InputReport(0, static_cast<uint8_t>(address + status_offset));
    ASSERT_EQ(board_->OpenDevice(address), address);
    bus_->calls.clear();
    bus_->writes.clear();
    bus_->reads_made = 0;
  }
  // Time enough for a new input report.
  void Later() { now_ += milliseconds(50); }

  FakeUsbTransport* bus_;
  std::unique_ptr<UsbBoard> board_;
  std::chrono::steady_clock::time_point now_{};
};

TEST_F(UsbBoardTest, OpensTheProductOfItsAddressTakingItFromAKernelDriver) {
  bus_->present_product = 0x5502;
  bus_->kernel_driver = true;
  bus_->sending = InputReport(0, 3);
  EXPECT_EQ(board_->OpenDevice(2), 2);
  EXPECT_EQ(bus_->calls, (Calls{"open 10cf:5502", "detach 0", "claim 0"}));
  // The board starts from the program's outputs, all off so far.
  EXPECT_EQ(bus_->writes, (Reports{OutputReport(0, 0, 0)}));

  board_->CloseDevice();
  EXPECT_EQ(bus_->calls,
            (Calls{"open 10cf:5502", "detach 0", "claim 0", "release 0", "attach 0", "close"}));
  EXPECT_FALSE(board_->IsOpen());
}

TEST_F(UsbBoardTest, OnlyADetachedDriverIsGivenBack) {
  OpenBoard(0);
  board_->CloseDevice();
  EXPECT_EQ(bus_->calls, (Calls{"release 0", "close"}));
  board_->CloseDevice();  // twice is harmless
  EXPECT_EQ(bus_->calls.size(), 2u);
}

TEST_F(UsbBoardTest, BothBoardVariantsAnswerAtEveryAddress) {
  for (int address = 0; address <= 3; ++address) {
    for (uint8_t offset : {1, 11}) {
      OpenBoard(address, offset);
      EXPECT_EQ(board_->Address(), address);
    }
  }
}

TEST_F(UsbBoardTest, ABoardAnsweringAsAnotherAddressIsLetGo) {
  bus_->present_product = 0x5501;
  bus_->kernel_driver = true;
  bus_->sending = InputReport(0, 3);  // the status of address 2
  EXPECT_EQ(board_->OpenDevice(1), -1);
  EXPECT_FALSE(board_->IsOpen());
  EXPECT_TRUE(bus_->writes.empty());
  EXPECT_EQ(bus_->calls,
            (Calls{"open 10cf:5501", "detach 0", "claim 0", "release 0", "attach 0", "close"}));
}

TEST_F(UsbBoardTest, NoBoardAFailedClaimOrABadAddressIsNoBoard) {
  EXPECT_EQ(board_->OpenDevice(0), -1);
  EXPECT_EQ(bus_->calls, (Calls{"open 10cf:5500"}));

  bus_->calls.clear();
  EXPECT_EQ(board_->OpenDevice(4), -1);
  EXPECT_EQ(board_->OpenDevice(-1), -1);
  EXPECT_TRUE(bus_->calls.empty());

  bus_->present_product = 0x5503;
  bus_->kernel_driver = true;
  bus_->claim_fails = true;
  bus_->sending = InputReport(0, 4);
  EXPECT_EQ(board_->OpenDevice(3), -1);
  EXPECT_EQ(bus_->calls, (Calls{"open 10cf:5503", "detach 0", "claim 0", "attach 0", "close"}));
  EXPECT_EQ(bus_->reads_made, 0);

  // A board that sends nothing is not taken either.
  bus_->claim_fails = false;
  bus_->sending.reset();
  EXPECT_EQ(board_->OpenDevice(3), -1);
  EXPECT_FALSE(board_->IsOpen());
}

TEST_F(UsbBoardTest, EveryOutputReportCarriesAllOutputs) {
  OpenBoard(1);
  board_->SetDigitalChannel(1);
  board_->SetDigitalChannel(8);
  board_->OutputAnalogChannel(1, 200);
  board_->OutputAnalogChannel(2, 7);
  board_->ClearDigitalChannel(1);
  EXPECT_EQ(bus_->writes,
            (Reports{OutputReport(0x01, 0, 0), OutputReport(0x81, 0, 0), OutputReport(0x81, 200, 0),
                     OutputReport(0x81, 200, 7), OutputReport(0x80, 200, 7)}));
}

TEST_F(UsbBoardTest, UnchangedAndInvalidOutputsSendNothing) {
  OpenBoard(0);
  board_->SetDigitalChannel(3);
  board_->SetDigitalChannel(3);
  board_->ClearDigitalChannel(5);  // already off
  board_->SetDigitalChannel(0);
  board_->SetDigitalChannel(9);
  board_->OutputAnalogChannel(3, 50);
  EXPECT_EQ(bus_->writes, (Reports{OutputReport(0x04, 0, 0)}));

  board_->OutputAnalogChannel(1, 300);
  board_->OutputAnalogChannel(2, -5);
  board_->OutputAnalogChannel(2, 256);
  EXPECT_EQ(bus_->writes.back(), OutputReport(0x04, 255, 255));
}

TEST_F(UsbBoardTest, OutputsNotYetOnTheBoardAreSentWithTheNextReport) {
  // Set while no board is open: kept, and sent when one opens.
  board_->SetDigitalChannel(2);
  board_->OutputAnalogChannel(2, 99);
  bus_->present_product = 0x5500;
  bus_->sending = InputReport(0, 1);
  EXPECT_EQ(board_->OpenDevice(0), 0);
  EXPECT_EQ(bus_->writes, (Reports{OutputReport(0x02, 0, 99)}));

  // A write the board did not take is made again, even when nothing changed since.
  bus_->write_fails = 1;
  board_->SetDigitalChannel(4);
  board_->SetDigitalChannel(4);
  EXPECT_EQ(bus_->writes, (Reports{OutputReport(0x02, 0, 99), OutputReport(0x0A, 0, 99),
                                   OutputReport(0x0A, 0, 99)}));
  board_->SetDigitalChannel(4);
  EXPECT_EQ(bus_->writes.size(), 3u);

  // Opened again, and the first report does not arrive: the board still gets the outputs.
  board_->CloseDevice();
  bus_->write_fails = 1;
  EXPECT_EQ(board_->OpenDevice(0), 0);
  board_->SetDigitalChannel(4);
  EXPECT_EQ(bus_->writes.size(), 5u);
  EXPECT_EQ(bus_->writes.back(), OutputReport(0x0A, 0, 99));
}

TEST_F(UsbBoardTest, DigitalInputsAreDecodedFromTheirBoardBits) {
  OpenBoard(2);
  const uint8_t bits[] = {0, 0x10, 0x20, 0x01, 0x40, 0x80};
  for (int input = 1; input <= 5; ++input) {
    Later();
    bus_->sending = InputReport(bits[input], 3);
    for (int channel = 1; channel <= 5; ++channel) {
      EXPECT_EQ(board_->ReadDigitalChannel(channel), channel == input ? 1 : 0)
          << "input " << input << " channel " << channel;
    }
  }
  Later();
  bus_->sending = InputReport(0x0E, 3);  // bits no input uses
  for (int channel = 1; channel <= 5; ++channel) EXPECT_EQ(board_->ReadDigitalChannel(channel), 0);
  Later();
  bus_->sending = InputReport(0xFF, 3);
  for (int channel = 1; channel <= 5; ++channel) EXPECT_EQ(board_->ReadDigitalChannel(channel), 1);
  EXPECT_EQ(board_->ReadDigitalChannel(6), 0);
}

TEST_F(UsbBoardTest, AnalogInputsAreTheThirdAndFourthBytes) {
  OpenBoard(0);
  bus_->sending = InputReport(0xFF, 1, 17, 230);
  Later();
  EXPECT_EQ(board_->ReadAnalogChannel(1), 17);
  EXPECT_EQ(board_->ReadAnalogChannel(2), 230);
  EXPECT_EQ(board_->ReadAnalogChannel(3), 0);
}

TEST_F(UsbBoardTest, AReadSkipsTheReportThatWaitedInTheBoard) {
  OpenBoard(0);
  Later();
  bus_->script = {{UsbStatus::kOk, InputReport(0, 1, 10)}, {UsbStatus::kOk, InputReport(0, 1, 20)}};
  EXPECT_EQ(board_->ReadAnalogChannel(1), 20);
}

TEST_F(UsbBoardTest, ReadsCloseTogetherShareAReportUntilAnOutputChanges) {
  OpenBoard(0);
  Later();
  bus_->sending = InputReport(0x10, 1, 5, 6);
  board_->ReadAnalogChannel(1);
  const int one_read = bus_->reads_made;
  board_->ReadAnalogChannel(2);
  for (int channel = 1; channel <= 5; ++channel) board_->ReadDigitalChannel(channel);
  EXPECT_EQ(bus_->reads_made, one_read);

  // A select line switched: the next read must see the board after the switch.
  board_->SetDigitalChannel(7);
  bus_->sending = InputReport(0, 1, 50, 60);
  EXPECT_EQ(board_->ReadAnalogChannel(1), 50);
  EXPECT_EQ(bus_->reads_made, 2 * one_read);

  now_ += milliseconds(10);
  bus_->sending = InputReport(0, 1, 51, 60);
  EXPECT_EQ(board_->ReadAnalogChannel(1), 51);
}

TEST_F(UsbBoardTest, ShortForeignAndLateReportsAreSkipped) {
  OpenBoard(1);
  bus_->sending.reset();
  Later();
  bus_->script = {{UsbStatus::kOk, {0, 2, 33, 0}},          // short
                  {UsbStatus::kOk, InputReport(0, 2, 50)},  // good
                  {UsbStatus::kOk, InputReport(0, 3, 70)},  // another address
                  {UsbStatus::kTimeout, {}},
                  {UsbStatus::kOk, InputReport(0, 12, 90)}};  // not reached
  EXPECT_EQ(board_->ReadAnalogChannel(1), 50);
  EXPECT_EQ(bus_->reads_made, 4);

  // Nothing at all: the last value stands.
  bus_->script.clear();
  Later();
  EXPECT_EQ(board_->ReadAnalogChannel(1), 50);
  EXPECT_TRUE(board_->IsOpen());
}

TEST_F(UsbBoardTest, AnUnpluggedBoardKeepsItsLastInputsAndDropsOutputs) {
  OpenBoard(2);
  bus_->sending = InputReport(0x10, 3, 77);
  Later();
  EXPECT_EQ(board_->ReadAnalogChannel(1), 77);
  EXPECT_FALSE(board_->Lost());

  bus_->gone = true;
  Later();
  EXPECT_EQ(board_->ReadAnalogChannel(1), 77);
  EXPECT_EQ(board_->ReadDigitalChannel(1), 1);
  EXPECT_TRUE(board_->Lost());
  EXPECT_FALSE(board_->IsOpen());
  EXPECT_EQ(bus_->calls, (Calls{"release 0", "close"}));

  // From now on the bus is left alone: no waiting on a board that is not there.
  const int reads = bus_->reads_made;
  Later();
  board_->ReadAnalogChannel(2);
  board_->SetDigitalChannel(5);
  EXPECT_EQ(bus_->reads_made, reads);
  EXPECT_TRUE(bus_->writes.empty());

  // Still gone: trying again fails and stays a loss.
  EXPECT_EQ(board_->OpenDevice(2), -1);
  EXPECT_TRUE(board_->Lost());

  // Plugged back in: the outputs set meanwhile reach it.
  bus_->gone = false;
  EXPECT_EQ(board_->OpenDevice(2), 2);
  EXPECT_FALSE(board_->Lost());
  EXPECT_EQ(bus_->writes, (Reports{OutputReport(0x10, 0, 0)}));
}

TEST_F(UsbBoardTest, ABoardThatStopsAnsweringIsLostAfterThreeTries) {
  OpenBoard(0);
  bus_->sending.reset();
  for (int attempt = 1; attempt <= 3; ++attempt) {
    EXPECT_FALSE(board_->Lost()) << attempt;
    Later();
    board_->ReadDigitalChannel(1);
  }
  EXPECT_TRUE(board_->Lost());

  OpenBoard(0);
  bus_->write_fails = 3;
  for (int channel = 1; channel <= 3; ++channel) board_->SetDigitalChannel(channel);
  EXPECT_TRUE(board_->Lost());
}

// A schema without digital inputs reads the board only through the multiplexer, whose tick
// also switches a select line: a board that takes those writes but sends no more input
// reports must still be found gone, and a dead tick must not wait twice.
TEST_F(UsbBoardTest, ABoardThatStopsSendingIsLostWhenOnlyTheMultiplexerReadsIt) {
  OpenBoard(0);
  bus_->sending = InputReport(0, 1, 40, 41);
  ProcessImage image;
  image.MuxPhase = 1;
  SWklok(image, *board_);
  EXPECT_EQ(image.AnalogIn[1], 40);

  bus_->sending.reset();
  for (int tick = 1; tick <= 3; ++tick) {
    EXPECT_FALSE(board_->Lost()) << tick;
    now_ += milliseconds(333);
    const int reads = bus_->reads_made;
    const std::size_t writes = bus_->writes.size();
    SWklok(image, *board_);
    EXPECT_EQ(bus_->reads_made - reads, 3) << tick;  // one refresh for both channels
    if (tick < 3) {
      EXPECT_EQ(bus_->writes.size(), writes + 1) << tick;  // taken by the board
    }
  }
  EXPECT_TRUE(board_->Lost());
  EXPECT_EQ(image.AnalogIn[1], 40);
  EXPECT_EQ(image.AnalogIn[2], 41);
}

// The real transport on a machine without the board (or without USB access at all, as in
// a container) finds nothing and does not crash.
TEST(UsbBoardOnSystemTransport, NoBoardIsNoBoard) {
  UsbBoard board(MakeSystemUsbTransport());
  board.SetDigitalChannel(1);
  EXPECT_EQ(board.ReadAnalogChannel(1), 0);
  const int32_t answer = board.OpenDevice(3);
  EXPECT_TRUE(answer == -1 || answer == 3);  // 3 only with a real board at address 3
  board.CloseDevice();
  EXPECT_FALSE(board.IsOpen());
}

}  // namespace
}  // namespace tessaro
