// The board through the program's own libusb transport, on an emulated bus.
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "emulated_bus.h"
#include "engine/board/board_selection.h"
#include "engine/board/simulated_board.h"
#include "engine/board/usb_board.h"
#include "engine/core/board_connection.h"
#include "engine/core/messages.h"
#include "engine/core/process_image.h"
#include "engine/core/screen_view.h"

namespace tessaro {
namespace {

using emulation::Bytes;
using emulation::EmulatedBoard;
using emulation::EmulatedBus;
using Events = std::vector<std::string>;
using Access = FoundBoard::Access;

Bytes Output(uint8_t digital, uint8_t analog1, uint8_t analog2) {
  return {5, digital, analog1, analog2, 0, 0, 0, 0};
}

// The device file is closed a moment after close() returns.
bool LetGo(EmulatedBoard& board) {
  for (int i = 0; i < 200 && board.HeldOpen(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return !board.HeldOpen();
}

class UsbEmulationTest : public ::testing::Test {
 protected:
  // A board on the program's libusb transport, on a clock the test moves.
  std::unique_ptr<UsbBoard> NewBoard() {
    return std::make_unique<UsbBoard>(MakeLibusbTransport(), [this] { return now_; });
  }
  void Later(int ms = 50) { now_ += std::chrono::milliseconds(ms); }

  EmulatedBus bus_;
  std::chrono::steady_clock::time_point now_{};
};

TEST_F(UsbEmulationTest, OpensTheBoardOfItsAddressAmongSeveralAndClosesIt) {
  EmulatedBoard& one = bus_.Plug(1);
  EmulatedBoard& three = bus_.Plug(3);
  auto board = NewBoard();
  EXPECT_EQ(board->OpenDevice(1), 1);
  EXPECT_TRUE(one.HeldOpen());
  EXPECT_FALSE(three.HeldOpen());
  board->CloseDevice();
  EXPECT_TRUE(LetGo(one));

  EXPECT_EQ(board->OpenDevice(3), 3);
  EXPECT_TRUE(three.HeldOpen());
  EXPECT_EQ(board->OpenDevice(2), -1);
  EXPECT_TRUE(LetGo(three));  // a new open lets go of the board before
  EXPECT_FALSE(one.HeldOpen());
  EXPECT_EQ(one.Events(), (Events{"claim", "release"}));
  EXPECT_EQ(three.Events(), (Events{"claim", "release"}));
}

TEST_F(UsbEmulationTest, AKernelDriverIsSetAsideBeforeTheClaimAndGivenBackAtClose) {
  EmulatedBoard& chip = bus_.Plug(2);
  chip.SetKernelDriver(true);
  auto board = NewBoard();
  ASSERT_EQ(board->OpenDevice(2), 2);
  EXPECT_EQ(chip.Events(), (Events{"detach", "claim"}));
  board->CloseDevice();
  EXPECT_EQ(chip.Events(), (Events{"detach", "claim", "release", "attach"}));
  EXPECT_TRUE(LetGo(chip));
}

TEST_F(UsbEmulationTest, TheBoardGetsExactlyTheOutputReports) {
  EmulatedBoard& chip = bus_.Plug(0);
  auto board = NewBoard();
  board->SetDigitalChannel(2);  // before the open: sent with it
  ASSERT_EQ(board->OpenDevice(0), 0);
  board->SetDigitalChannel(8);
  board->SetDigitalChannel(8);  // unchanged
  board->OutputAnalogChannel(1, 300);
  board->OutputAnalogChannel(2, 77);
  board->OutputAnalogChannel(2, 77);  // unchanged
  board->ClearDigitalChannel(2);
  board->OutputAnalogChannel(1, -4);
  board->ClearDigitalChannel(5);  // already off
  EXPECT_EQ(chip.Outputs(), (std::vector<Bytes>{Output(0x02, 0, 0), Output(0x82, 0, 0),
                                                Output(0x82, 255, 0), Output(0x82, 255, 77),
                                                Output(0x80, 255, 77), Output(0x80, 0, 77)}));
}

TEST_F(UsbEmulationTest, EveryInputIsReadAndForeignOrShortReportsAreSkipped) {
  EmulatedBoard& chip = bus_.Plug(1);
  auto board = NewBoard();
  ASSERT_EQ(board->OpenDevice(1), 1);
  const uint8_t bits[] = {0, 0x10, 0x20, 0x01, 0x40, 0x80};
  for (int input = 1; input <= 5; ++input) {
    chip.SetDigital(bits[input]);
    Later();
    for (int channel = 1; channel <= 5; ++channel) {
      EXPECT_EQ(board->ReadDigitalChannel(channel), channel == input ? 1 : 0)
          << "input " << input << " channel " << channel;
    }
  }
  // The last good report counts, however many bad ones follow it before the board falls
  // silent.
  chip.SetSending(false);
  chip.Script({0, 2, 91, 92, 0, 0, 0, 0});
  chip.Script({0, 2, 11, 12});              // short
  chip.Script({0, 4, 21, 22, 0, 0, 0, 0});  // the board at address 3
  Later();
  EXPECT_EQ(board->ReadAnalogChannel(1), 91);
  EXPECT_EQ(board->ReadAnalogChannel(2), 92);
  chip.SetSending(true);

  // The newer board in its compatible mode answers with address + 11.
  board->CloseDevice();
  chip.SetStatusOffset(11);
  chip.SetMuxInput(1, 44);
  ASSERT_EQ(board->OpenDevice(1), 1);
  Later();
  EXPECT_EQ(board->ReadAnalogChannel(1), 44);
}

// The board's waiting report was sampled before the select lines moved: the multiplex tick
// must read the one after it, or every pair comes from the channel before.
TEST_F(UsbEmulationTest, TheMultiplexTickReadsAllEightInputsThroughTheSelectLines) {
  EmulatedBoard& chip = bus_.Plug(0);
  chip.SetSamplesAfterReport(true);
  for (int n = 1; n <= 8; ++n) chip.SetMuxInput(n, static_cast<uint8_t>(20 * n));
  auto board = NewBoard();
  ASSERT_EQ(board->OpenDevice(0), 0);
  ProcessImage image;
  image.MuxPhase = 1;
  for (int tick = 0; tick < 4; ++tick) {
    Later(333);
    SWklok(image, *board);
  }
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(image.AnalogIn[n], 20 * n) << n;
  // Select lines back at off/off after a round, as the last two reports show.
  EXPECT_EQ(chip.Outputs().back(), Output(0x00, 0, 0));
  EXPECT_EQ(chip.Outputs().size(), 5u);
}

// What the windows do with the board: "Kaart", the timers, and the notice after a tick.
class KaartOnEmulatedBus : public UsbEmulationTest {
 protected:
  struct RecordedMessages : Messages {
    void Information(const std::string& text) override { infos.push_back(text); }
    bool Question(const std::string&, const std::string&) override { return true; }
    void Error(const std::string& text) override { infos.push_back(text); }
    std::vector<std::string> infos;
  };
  struct View : ScreenView {
    void AddressBoxHidden() override {}
  };

  // The program's selector, without a board library, on the test's clock.
  KaartOnEmulatedBus() : selector_(std::make_unique<SimulatedBoard>(), nullptr, NewBoard()) {
    image_.MuxPhase = 1;
  }
  void Tick() {
    Later(333);
    SWklok(image_, selector_);
  }
  std::string Kaart(int address) {
    image_.AddressBox = address;
    messages_.infos.clear();
    KaartLezenClick(image_, selector_, messages_, view_);
    return messages_.infos.empty() ? "" : messages_.infos.back();
  }

  BoardSelector selector_;
  ProcessImage image_;
  RecordedMessages messages_;
  View view_;
};

TEST_F(KaartOnEmulatedBus, AnUnplugIsNoticedAndKaartConnectsAgainWithTheOutputs) {
  EmulatedBoard& chip = bus_.Plug(2);
  chip.SetMuxInput(1, 33);
  ASSERT_EQ(Kaart(2), "Kaart gevonden op 2");
  EXPECT_EQ(selector_.source(), BoardSource::kUsb);
  Tick();
  EXPECT_EQ(image_.AnalogIn[1], 33);

  // Pulled out while the next tick waits for a report.
  chip.UnplugDuringNextRead();
  Tick();
  EXPECT_EQ(chip.UrbsEndedByUnplug(), 1);
  EXPECT_EQ(Say(selector_.TakeNotice()), "Verbinding met kaart op 2 verbroken");
  bus_.Unplug(chip);
  for (int tick = 0; tick < 4; ++tick) Tick();
  selector_.OutputAnalogChannel(1, 150);
  selector_.SetDigitalChannel(3);
  EXPECT_EQ(Say(selector_.TakeNotice()), "");
  EXPECT_EQ(image_.AnalogIn[1], 33);

  EXPECT_EQ(Kaart(2), "Geen kaart gevonden op 2\nEr zit geen kaart van dit type op USB.");
  bus_.Replug(chip);
  const std::size_t before = chip.Outputs().size();
  ASSERT_EQ(Kaart(2), "Kaart gevonden op 2");
  ASSERT_GT(chip.Outputs().size(), before);
  // The outputs set while it was away, and the select lines where the multiplexer left them.
  EXPECT_EQ(chip.Outputs()[before][1] & 0x3F, 0x04);
  EXPECT_EQ(chip.Outputs()[before][2], 150);
}

// A board that takes output reports but sends no more input reports, read only by the
// multiplex tick: it is reported lost after three ticks, each waiting out its retries once.
TEST_F(KaartOnEmulatedBus, ABoardThatFallsSilentIsReportedLost) {
  EmulatedBoard& chip = bus_.Plug(0);
  ASSERT_EQ(Kaart(0), "Kaart gevonden op 0");
  Tick();
  chip.SetSending(false);
  std::string notice;
  for (int tick = 0; tick < 3; ++tick) {
    EXPECT_EQ(notice, "") << tick;
    Tick();
    notice = Say(selector_.TakeNotice());
  }
  EXPECT_EQ(notice, "Verbinding met kaart op 0 verbroken");
}

TEST_F(KaartOnEmulatedBus, KaartSaysWhatItFoundOnTheBus) {
  EXPECT_EQ(Kaart(0), "Geen kaart gevonden op 0\nEr zit geen kaart van dit type op USB.");
  EmulatedBoard& three = bus_.Plug(3);
  three.SetKernelDriver(true);
  EXPECT_EQ(Kaart(0),
            "Geen kaart gevonden op 0\nEr zit wel een kaart op adres 3; de jumpers SK5 en SK6 op "
            "de kaart stellen het adres in.");
  // Looking did not keep it: the kernel driver has it back.
  EXPECT_EQ(three.Events(), (Events{"detach", "claim", "release", "attach"}));
  EXPECT_TRUE(LetGo(three));

  three.SetHeldByAnotherProgram(true);
  EXPECT_EQ(Kaart(3),
            "Geen kaart gevonden op 3\nDe kaart op adres 3 is in gebruik bij een ander programma.");
  three.SetHeldByAnotherProgram(false);
  three.SetSending(false);
  EXPECT_EQ(Kaart(3), "Geen kaart gevonden op 3\nDe kaart op adres 3 geeft geen antwoord.");
  EXPECT_EQ(selector_.source(), BoardSource::kSimulated);
}

// Runs `body` without the right to ignore file modes, as a user without the udev rule is.
template <typename Body>
void AsUserWithoutRights(Body body) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  std::array<__user_cap_data_struct, 2> saved{};
  ASSERT_EQ(syscall(SYS_capget, &header, saved.data()), 0);
  auto lowered = saved;
  for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) lowered[0].effective &= ~(1u << cap);
  ASSERT_EQ(syscall(SYS_capset, &header, lowered.data()), 0);  // this thread only
  body();
  ASSERT_EQ(syscall(SYS_capset, &header, saved.data()), 0);
}

TEST_F(UsbEmulationTest, ASurveyTellsOpenBusyAndDeniedBoardsApart) {
  bus_.Plug(0);
  EmulatedBoard& one = bus_.Plug(1);
  EmulatedBoard& two = bus_.Plug(2);
  one.SetHeldByAnotherProgram(true);
  ASSERT_EQ(chmod(bus_.DeviceFile(two).c_str(), 0), 0);
  auto board = NewBoard();
  std::vector<FoundBoard> found;
  AsUserWithoutRights([&] { found = board->Survey(); });
  EXPECT_EQ(found, (std::vector<FoundBoard>{
                       {0, Access::kOpen}, {1, Access::kBusy}, {2, Access::kDenied}}));
}

// The same look for a user in a terminal.
TEST_F(UsbEmulationTest, TheRunnerListsTheBoardsOnTheBus) {
  auto boards = [] {
    // The runner is a process of its own: it joins the emulation through the preload.
    const std::string command =
        "echo boards | LD_PRELOAD=libumockdev-preload.so.0 " + std::string(TESSARO_SIM) + " 2>&1";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char chunk[256];
    while (fgets(chunk, sizeof chunk, pipe) != nullptr) out += chunk;
    pclose(pipe);
    return out;
  };
  EXPECT_EQ(boards(), "boards none\n");
  bus_.Plug(3);
  bus_.Plug(1).SetHeldByAnotherProgram(true);
  EXPECT_EQ(boards(), "board address=1 status=busy\nboard address=3 status=open\n");
}

}  // namespace
}  // namespace tessaro
