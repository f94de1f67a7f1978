// The program's one board. It stands in front of whichever board answers "Kaart": a board
// library in Velden first, then the board on USB. Until one answers, the board the program
// started with takes the calls, so the scan and the windows hold one Board throughout.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/board/board.h"
#include "engine/board/usb_board.h"

namespace tessaro {

enum class BoardSource { kSimulated, kLibrary, kUsb };

class BoardSelector : public Board {
 public:
  // Loads the board library when one is present and complete; null otherwise.
  using LibraryLoader = std::function<std::unique_ptr<Board>()>;

  // Starts with the library board when the loader finds one, else with `simulated`.
  BoardSelector(std::unique_ptr<Board> simulated, LibraryLoader load_library,
                std::unique_ptr<UsbBoard> usb);

  // "Kaart": asks the library board, then the USB board, to open `address`. The first that
  // answers takes every call from then on and `address` is returned. When none answers the
  // board in use stays and -1 is returned.
  int32_t OpenDevice(int32_t address) override;
  void CloseDevice() override;
  int32_t ReadAnalogChannel(int32_t channel) override;
  void OutputAnalogChannel(int32_t channel, int32_t value) override;
  void SetDigitalChannel(int32_t channel) override;
  void ClearDigitalChannel(int32_t channel) override;
  int32_t ReadDigitalChannel(int32_t channel) override;

  // Once per lost connection: the text telling that the board stopped answering.
  Message TakeNotice() override;
  // What the bus shows: no board of this kind, boards at other addresses, boards that the
  // user may not open or that another program holds.
  Message NoBoardReason(int32_t address) override;

  // What TakeNotice tells besides a lost connection: a board library that was refused.
  void SetLibraryNotice(std::function<Message()> take) { library_notice_ = std::move(take); }

  BoardSource source() const { return source_; }
  // The simulated board, which takes the calls until another board answers.
  Board& simulated() { return *simulated_; }

 private:
  void Use(Board* board, BoardSource source);
  // Notes a connection that broke during the call just made.
  void Watch();

  std::unique_ptr<Board> simulated_;
  LibraryLoader load_library_;
  std::unique_ptr<Board> library_;
  std::unique_ptr<UsbBoard> usb_;
  Board* current_;
  BoardSource source_ = BoardSource::kSimulated;
  bool connected_ = false;  // current_ answered "Kaart"
  bool loss_noted_ = false;
  Message notice_;
  std::function<Message()> library_notice_;
};

// The program's board: the simulated board, a board library from `root`/Velden (when it is
// the user's own or lies in one of the `trusted` folders; see LoadBoardLibrary), and the USB
// board on libusb.
std::unique_ptr<BoardSelector> MakeBoardSelector(
    const std::filesystem::path& root, const std::vector<std::filesystem::path>& trusted = {});

}  // namespace tessaro
