#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/board/board_search.h"
#include "engine/board/board_selection.h"
#include "engine/board/library_board.h"
#include "engine/board/simulated_board.h"
#include "engine/core/board_connection.h"
#include "engine/core/process_image.h"
#include "fakes.h"
#include "usb_fake_transport.h"

namespace tessaro {
namespace {

// A board library that answers one address and counts what reaches it.
struct FakeLibraryBoard : SimulatedBoard {
  int32_t OpenDevice(int32_t address) override { return address == answers ? address : -1; }
  void CloseDevice() override { ++closes; }
  int32_t answers = -1;
  int closes = 0;
};

class BoardSelectionTest : public ::testing::Test {
 protected:
  // Builds the selector; `library_present` says whether the loader finds a library at start.
  void Start(bool library_present) {
    library_present_ = library_present;
    auto simulated = std::make_unique<SimulatedBoard>();
    simulated_ = simulated.get();
    auto transport = std::make_unique<FakeUsbTransport>();
    bus_ = transport.get();
    auto usb = std::make_unique<UsbBoard>(std::move(transport), [this] { return now_; });
    selector_ = std::make_unique<BoardSelector>(
        std::move(simulated),
        [this]() -> std::unique_ptr<Board> {
          if (!library_present_) return nullptr;
          auto library = std::make_unique<FakeLibraryBoard>();
          library_ = library.get();
          library_->answers = library_answers_;
          return library;
        },
        std::move(usb));
  }
  void PlugUsbBoard(int address) {
    bus_->gone = false;
    bus_->present_product = static_cast<uint16_t>(0x5500 + address);
    bus_->sending = InputReport(0, static_cast<uint8_t>(address + 1));
  }
  // "Kaart" with the address box at `address`; returns the message shown.
  std::string Kaart(int address) {
    image_.AddressBox = address;
    messages_.infos.clear();
    KaartLezenClick(image_, *selector_, messages_, view_);
    return messages_.infos.empty() ? "" : messages_.infos.back();
  }
  void Later() { now_ += std::chrono::milliseconds(50); }

  bool library_present_ = false;
  int library_answers_ = -1;
  SimulatedBoard* simulated_ = nullptr;
  FakeLibraryBoard* library_ = nullptr;
  FakeUsbTransport* bus_ = nullptr;
  std::unique_ptr<BoardSelector> selector_;
  std::chrono::steady_clock::time_point now_{};
  ProcessImage image_;
  RecordingMessages messages_;
  RecordingView view_;
};

TEST_F(BoardSelectionTest, WithoutAnyBoardTheSimulatedBoardStays) {
  Start(false);
  EXPECT_EQ(selector_->source(), BoardSource::kSimulated);
  EXPECT_EQ(Kaart(1), "Geen kaart gevonden op 1\nEr zit geen kaart van dit type op USB.");
  EXPECT_FALSE(view_.address_box_hidden);
  EXPECT_EQ(selector_->source(), BoardSource::kSimulated);
  // The look at the bus after the failed open opens nothing more.
  EXPECT_EQ(bus_->calls, std::vector<std::string>{"open 10cf:5501"});

  simulated_->SetDigitalInput(3, true);
  selector_->SetDigitalChannel(2);
  EXPECT_EQ(selector_->ReadDigitalChannel(3), 1);
  EXPECT_TRUE(simulated_->DigitalOutput(2));
  EXPECT_EQ(Say(selector_->TakeNotice()), "");
}

TEST_F(BoardSelectionTest, ALibraryThatAnswersComesBeforeUsb) {
  library_answers_ = 2;
  Start(true);
  EXPECT_EQ(selector_->source(), BoardSource::kLibrary);  // from the start, as before
  PlugUsbBoard(2);
  EXPECT_EQ(Kaart(2), "Kaart gevonden op 2");
  EXPECT_TRUE(view_.address_box_hidden);
  EXPECT_EQ(selector_->source(), BoardSource::kLibrary);
  EXPECT_TRUE(bus_->calls.empty());
}

TEST_F(BoardSelectionTest, UsbAnswersWhenTheLibraryDoesNot) {
  library_answers_ = 3;
  Start(true);
  PlugUsbBoard(0);
  EXPECT_EQ(Kaart(0), "Kaart gevonden op 0");
  EXPECT_EQ(selector_->source(), BoardSource::kUsb);
  EXPECT_EQ(library_->closes, 0);  // it never opened

  bus_->writes.clear();
  selector_->OutputAnalogChannel(2, 128);
  Later();
  bus_->sending = InputReport(0x20, 1, 9);
  EXPECT_EQ(selector_->ReadAnalogChannel(1), 9);
  EXPECT_EQ(selector_->ReadDigitalChannel(2), 1);
  EXPECT_EQ(bus_->writes, std::vector<UsbReport>{OutputReport(0, 0, 128)});
  EXPECT_EQ(simulated_->AnalogOutput(2), 0);
}

TEST_F(BoardSelectionTest, ALibraryAddedLaterIsFoundAndTheUsbBoardLetGo) {
  Start(false);
  PlugUsbBoard(1);
  EXPECT_EQ(Kaart(1), "Kaart gevonden op 1");
  EXPECT_EQ(selector_->source(), BoardSource::kUsb);

  library_present_ = true;
  library_answers_ = 1;
  bus_->calls.clear();
  EXPECT_EQ(Kaart(1), "Kaart gevonden op 1");
  EXPECT_EQ(selector_->source(), BoardSource::kLibrary);
  EXPECT_EQ(bus_->calls, (std::vector<std::string>{"release 0", "close"}));

  selector_->CloseDevice();
  EXPECT_EQ(library_->closes, 1);
}

TEST_F(BoardSelectionTest, AnUnpluggedBoardIsReportedOnceAndCanBeReconnected) {
  Start(false);
  PlugUsbBoard(1);
  ASSERT_EQ(Kaart(1), "Kaart gevonden op 1");
  bus_->sending = InputReport(0, 2, 40, 41);
  image_.MuxPhase = 1;
  SWklok(image_, *selector_);
  EXPECT_EQ(image_.AnalogIn[1], 40);

  bus_->gone = true;
  for (int tick = 0; tick < 8; ++tick) {
    Later();
    SWklok(image_, *selector_);
  }
  // The multiplexer went on with the last values it had.
  EXPECT_EQ(image_.AnalogIn[1], 40);
  EXPECT_EQ(image_.AnalogIn[2], 41);
  EXPECT_EQ(image_.AnalogIn[8], 41);
  EXPECT_EQ(Say(selector_->TakeNotice()), "Verbinding met kaart op 1 verbroken");
  selector_->SetDigitalChannel(1);
  EXPECT_EQ(Say(selector_->TakeNotice()), "");
  EXPECT_EQ(selector_->source(), BoardSource::kUsb);

  EXPECT_EQ(Kaart(1), "Geen kaart gevonden op 1\nEr zit geen kaart van dit type op USB.");
  EXPECT_EQ(Say(selector_->TakeNotice()), "");

  PlugUsbBoard(1);
  EXPECT_EQ(Kaart(1), "Kaart gevonden op 1");
  selector_->ReadAnalogChannel(1);
  EXPECT_EQ(Say(selector_->TakeNotice()), "");

  // A second loss is a new one.
  bus_->gone = true;
  Later();
  selector_->ReadAnalogChannel(1);
  EXPECT_EQ(Say(selector_->TakeNotice()), "Verbinding met kaart op 1 verbroken");
}

TEST_F(BoardSelectionTest, KaartSaysWhatTheBusShows) {
  Start(false);
  PlugUsbBoard(3);
  EXPECT_EQ(Kaart(1),
            "Geen kaart gevonden op 1\nEr zit wel een kaart op adres 3; de jumpers SK5 en SK6 op "
            "de kaart stellen het adres in.");
  // Looking left the board as it was: free, and given back to its kernel driver.
  bus_->kernel_driver = true;
  bus_->calls.clear();
  Kaart(1);
  EXPECT_EQ(bus_->calls, (std::vector<std::string>{"open 10cf:5501", "open 10cf:5503", "detach 0",
                                                   "claim 0", "release 0", "attach 0", "close"}));

  bus_->denied = true;
  EXPECT_EQ(Kaart(3),
            "Geen kaart gevonden op 3\nDeze gebruiker mag de kaart op adres 3 niet openen: "
            "installeer de udev-regel uit de README (packaging/udev/60-tessaro-board.rules) en "
            "word lid van de groep plugdev.");
  bus_->denied = false;
  bus_->claim_fails = true;
  EXPECT_EQ(Kaart(3),
            "Geen kaart gevonden op 3\nDe kaart op adres 3 is in gebruik bij een ander programma.");
  bus_->claim_fails = false;
  bus_->sending.reset();  // there, but silent
  EXPECT_EQ(Kaart(3), "Geen kaart gevonden op 3\nDe kaart op adres 3 geeft geen antwoord.");
  EXPECT_EQ(selector_->source(), BoardSource::kSimulated);
}

TEST(NoBoardFindings, NameEveryBoardFoundElsewhereOnce) {
  using Access = FoundBoard::Access;
  EXPECT_EQ(Say(NoBoardFindings(2, {{0, Access::kOpen}, {3, Access::kOpen}, {0, Access::kOpen}})),
            "Er zitten wel kaarten op adres 0 en 3; de jumpers SK5 en SK6 op de kaart stellen "
            "het adres in.");
  EXPECT_EQ(Say(NoBoardFindings(0, {{3, Access::kBusy}, {1, Access::kOpen}, {2, Access::kOpen}})),
            "Er zitten wel kaarten op adres 1, 2 en 3; de jumpers SK5 en SK6 op de kaart stellen "
            "het adres in.\nDe kaart op adres 3 is in gebruik bij een ander programma.");
  // A board found at the address is not also sent looking at the jumpers.
  EXPECT_EQ(Say(NoBoardFindings(1, {{1, Access::kBusy}, {2, Access::kOpen}})),
            "De kaart op adres 1 is in gebruik bij een ander programma.");
}

// The program's selector: the library beside it or the simulated board at start, and a USB
// search that finds nothing here.
TEST(MakeBoardSelector, StartsOnALibraryInVeldenElseOnTheSimulatedBoard) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / "tessaro_usb_selection";
  fs::remove_all(root);
  fs::create_directories(root / "Velden");
  EXPECT_EQ(MakeBoardSelector(root)->source(), BoardSource::kSimulated);

  fs::copy_file(FAKE_BOARD_FULL, root / "Velden" / BoardLibraryFileName());
  auto selector = MakeBoardSelector(root);
  EXPECT_EQ(selector->source(), BoardSource::kLibrary);
  EXPECT_EQ(selector->OpenDevice(2), 2);  // the stand-in library answers 2
  EXPECT_EQ(selector->source(), BoardSource::kLibrary);
  selector.reset();
  fs::remove_all(root);
}

}  // namespace
}  // namespace tessaro
