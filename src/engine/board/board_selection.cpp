#include "engine/board/board_selection.h"

#include <memory>
#include <set>
#include <utility>

#include "engine/board/board_search.h"
#include "engine/board/library_board.h"
#include "engine/board/simulated_board.h"

namespace tessaro {

BoardSelector::BoardSelector(std::unique_ptr<Board> simulated, LibraryLoader load_library,
                             std::unique_ptr<UsbBoard> usb)
    : simulated_(std::move(simulated)),
      load_library_(std::move(load_library)),
      usb_(std::move(usb)),
      current_(simulated_.get()) {
  // A library that is there at start takes the calls from the start, as it always has.
  if (load_library_) library_ = load_library_();
  if (library_) Use(library_.get(), BoardSource::kLibrary);
}

void BoardSelector::Use(Board* board, BoardSource source) {
  current_ = board;
  source_ = source;
}

int32_t BoardSelector::OpenDevice(int32_t address) {
  // A library copied into Velden after start is found too.
  if (!library_ && load_library_) library_ = load_library_();
  Board* previous = connected_ ? current_ : nullptr;
  auto answered = [&](Board* board, BoardSource source) {
    if (board == nullptr || board->OpenDevice(address) != address) return false;
    // The board that answered before lets go of its hardware; reopening the same board
    // already did that.
    if (previous != nullptr && previous != board) previous->CloseDevice();
    Use(board, source);
    connected_ = true;
    loss_noted_ = false;
    notice_.clear();
    return true;
  };
  if (answered(library_.get(), BoardSource::kLibrary) || answered(usb_.get(), BoardSource::kUsb)) {
    return address;
  }
  return -1;
}

void BoardSelector::CloseDevice() { current_->CloseDevice(); }

void BoardSelector::Watch() {
  if (source_ != BoardSource::kUsb || loss_noted_ || !usb_->Lost()) return;
  loss_noted_ = true;
  notice_ = {Phrase{TextId::kBoardLost, {Word(std::to_string(usb_->Address()))}}};
}

Message BoardSelector::TakeNotice() {
  if (notice_.empty() && library_notice_) notice_ = library_notice_();
  return std::exchange(notice_, {});
}

Message BoardSelector::NoBoardReason(int32_t address) {
  if (!usb_) return {};  // a selector without USB has nothing to look at
  return NoBoardFindings(address, usb_->Survey());
}

int32_t BoardSelector::ReadAnalogChannel(int32_t channel) {
  const int32_t value = current_->ReadAnalogChannel(channel);
  Watch();
  return value;
}

void BoardSelector::OutputAnalogChannel(int32_t channel, int32_t value) {
  current_->OutputAnalogChannel(channel, value);
  Watch();
}

void BoardSelector::SetDigitalChannel(int32_t channel) {
  current_->SetDigitalChannel(channel);
  Watch();
}

void BoardSelector::ClearDigitalChannel(int32_t channel) {
  current_->ClearDigitalChannel(channel);
  Watch();
}

int32_t BoardSelector::ReadDigitalChannel(int32_t channel) {
  const int32_t value = current_->ReadDigitalChannel(channel);
  Watch();
  return value;
}

std::unique_ptr<BoardSelector> MakeBoardSelector(
    const std::filesystem::path& root, const std::vector<std::filesystem::path>& trusted) {
  // A library that may not be loaded is told once, however often "Kaart" finds it again.
  auto said = std::make_shared<std::set<std::string>>();
  auto pending = std::make_shared<Message>();
  auto load_library = [root, trusted, said, pending]() -> std::unique_ptr<Board> {
    Message refusal;
    auto board = LoadBoardLibrary(root, trusted, refusal);
    if (!refusal.empty() && said->insert(Say(refusal)).second) *pending = refusal;
    return board;
  };
  auto selector =
      std::make_unique<BoardSelector>(std::make_unique<SimulatedBoard>(), std::move(load_library),
                                      std::make_unique<UsbBoard>(MakeSystemUsbTransport()));
  selector->SetLibraryNotice([pending] { return std::exchange(*pending, {}); });
  return selector;
}

}  // namespace tessaro
