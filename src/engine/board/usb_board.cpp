#include "engine/board/usb_board.h"

#include <algorithm>
#include <utility>

namespace tessaro {

namespace {

constexpr int kInterface = 0;
constexpr uint8_t kEndpointOut = 0x01;
constexpr uint8_t kEndpointIn = 0x81;
constexpr unsigned kReadTimeoutMs = 20;
constexpr unsigned kWriteTimeoutMs = 50;
constexpr uint8_t kSetOutputs = 0x05;

// The first report of a read may have waited in the board since the previous read, so a
// read takes the one after it; a few misses are retried before the read gives up.
constexpr int kReportsPerRead = 2;
constexpr int kMissesPerRead = 3;
// Exchanges in a row without an answer after which the board counts as gone.
constexpr int kFailuresBeforeLost = 3;
// Reads this close together (the two channels of one multiplex tick, the digital inputs
// of one scan phase) share one report.
constexpr auto kReuse = std::chrono::milliseconds(10);

// The bit of each digital input (1..5) in the first byte of an input report; the board
// wires them out of order.
constexpr uint8_t kDigitalBits[] = {0, 0x10, 0x20, 0x01, 0x40, 0x80};

// Status byte of a board at address a: a + 1, or a + 11 for the newer variant in its
// compatible mode.
constexpr int kStatusOffset = 1;
constexpr int kNewerStatusOffset = 11;

}  // namespace

UsbBoard::UsbBoard(std::unique_ptr<UsbTransport> transport, Clock clock)
    : transport_(std::move(transport)), clock_(std::move(clock)) {}

UsbBoard::~UsbBoard() { Disconnect(); }

int32_t UsbBoard::OpenDevice(int32_t address) {
  Disconnect();
  if (address < 0 || address > 3) return -1;
  const bool was_lost = lost_;
  if (!Connect(address)) {
    Disconnect();
    lost_ = was_lost;  // a failed attempt is no new loss
    return -1;
  }
  lost_ = false;
  return address;
}

UsbStatus UsbBoard::Claim(int32_t address) {
  const UsbStatus opened =
      transport_->Open(kVendor, static_cast<uint16_t>(kFirstProduct + address));
  if (opened != UsbStatus::kOk) return opened;
  // A kernel driver for this board (a data-acquisition driver) would keep the claim
  // from succeeding.
  detached_ =
      transport_->KernelDriverActive(kInterface) && transport_->DetachKernelDriver(kInterface);
  const UsbStatus claimed = transport_->ClaimInterface(kInterface);
  if (claimed != UsbStatus::kOk) {
    if (detached_) transport_->AttachKernelDriver(kInterface);
    detached_ = false;
    transport_->Close();
  }
  return claimed;
}

void UsbBoard::Unclaim() {
  transport_->ReleaseInterface(kInterface);
  if (detached_) transport_->AttachKernelDriver(kInterface);
  transport_->Close();
  detached_ = false;
}

bool UsbBoard::Connect(int32_t address) {
  if (Claim(address) != UsbStatus::kOk) return false;
  open_ = true;
  address_ = address;
  read_failures_ = 0;
  write_failures_ = 0;
  inputs_fresh_ = false;
  refresh_failed_ = false;
  sent_known_ = false;
  // Only a board at this address answers with its status byte.
  if (!RefreshInputs(true)) return false;
  // Whatever the board drove before, from now on it drives what the program has set.
  SendOutputs(true);
  return open_;
}

void UsbBoard::Disconnect() {
  if (!open_) return;
  Unclaim();
  open_ = false;
  inputs_fresh_ = false;
}

std::vector<FoundBoard> UsbBoard::Survey() {
  std::vector<FoundBoard> found;
  for (const uint16_t product : transport_->Products(kVendor)) {
    if (product < kFirstProduct || product > kFirstProduct + 3) continue;
    const int32_t address = product - kFirstProduct;
    FoundBoard board{address, FoundBoard::Access::kOpen};
    if (!(open_ && address == address_)) {
      switch (Claim(address)) {
        case UsbStatus::kOk:
          Unclaim();
          break;
        case UsbStatus::kDenied:
          board.access = FoundBoard::Access::kDenied;
          break;
        case UsbStatus::kBusy:
          board.access = FoundBoard::Access::kBusy;
          break;
        case UsbStatus::kNoDevice:
          continue;  // gone since the list was made
        default:
          board.access = FoundBoard::Access::kBusy;  // there, but it cannot be had
          break;
      }
    }
    found.push_back(board);
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const FoundBoard& a, const FoundBoard& b) { return a.address < b.address; });
  return found;
}

void UsbBoard::Lose() {
  Disconnect();
  lost_ = true;
}

void UsbBoard::CloseDevice() { Disconnect(); }

bool UsbBoard::ValidInput(const Report& report, int length) const {
  return length == static_cast<int>(report.size()) &&
         (report[1] == address_ + kStatusOffset || report[1] == address_ + kNewerStatusOffset);
}

void UsbBoard::CountFailure(int& failures) {
  if (++failures >= kFailuresBeforeLost) Lose();
}

bool UsbBoard::RefreshInputs(bool force) {
  if (!open_) return false;
  if (!force && inputs_fresh_ && clock_() - inputs_at_ < kReuse) return true;
  if (!force && refresh_failed_ && clock_() - failed_at_ < kReuse) return false;
  Report newest{};
  int reports = 0;
  int misses = 0;
  while (reports < kReportsPerRead && misses < kMissesPerRead) {
    Report report{};
    const UsbTransfer got = transport_->InterruptRead(kEndpointIn, report, kReadTimeoutMs);
    if (got.status == UsbStatus::kNoDevice) {
      Lose();
      return false;
    }
    if (got.status == UsbStatus::kOk && ValidInput(report, got.length)) {
      newest = report;
      ++reports;
    } else {
      ++misses;
    }
  }
  if (reports == 0) {
    refresh_failed_ = true;
    failed_at_ = clock_();
    CountFailure(read_failures_);
    return false;
  }
  refresh_failed_ = false;
  read_failures_ = 0;
  inputs_ = newest;
  inputs_fresh_ = true;
  inputs_at_ = clock_();
  return true;
}

void UsbBoard::SendOutputs(bool force) {
  // A board that is not open only remembers: the next open sends it all.
  if (!open_) return;
  if (!force && sent_known_ && sent_ == outputs_) return;
  const Report report = {kSetOutputs, outputs_[0], outputs_[1], outputs_[2], 0, 0, 0, 0};
  const UsbTransfer put = transport_->InterruptWrite(kEndpointOut, report, kWriteTimeoutMs);
  // The inputs may answer to what was written (the multiplexer's select lines).
  inputs_fresh_ = false;
  if (put.status == UsbStatus::kNoDevice) {
    Lose();
  } else if (put.status == UsbStatus::kOk && put.length == static_cast<int>(report.size())) {
    sent_ = outputs_;
    sent_known_ = true;
    write_failures_ = 0;
  } else {
    CountFailure(write_failures_);  // tried again with the next output call
  }
}

int32_t UsbBoard::ReadAnalogChannel(int32_t channel) {
  if (channel != 1 && channel != 2) return 0;
  RefreshInputs(false);
  return inputs_[static_cast<std::size_t>(channel) + 1];
}

int32_t UsbBoard::ReadDigitalChannel(int32_t channel) {
  if (channel < 1 || channel > 5) return 0;
  RefreshInputs(false);
  return (inputs_[0] & kDigitalBits[channel]) != 0 ? 1 : 0;
}

void UsbBoard::OutputAnalogChannel(int32_t channel, int32_t value) {
  if (channel != 1 && channel != 2) return;
  outputs_[static_cast<std::size_t>(channel)] = static_cast<uint8_t>(std::clamp(value, 0, 255));
  SendOutputs(false);
}

void UsbBoard::SetDigitalChannel(int32_t channel) {
  if (channel < 1 || channel > 8) return;
  outputs_[0] = static_cast<uint8_t>(outputs_[0] | (1u << (channel - 1)));
  SendOutputs(false);
}

void UsbBoard::ClearDigitalChannel(int32_t channel) {
  if (channel < 1 || channel > 8) return;
  outputs_[0] = static_cast<uint8_t>(outputs_[0] & ~(1u << (channel - 1)));
  SendOutputs(false);
}

}  // namespace tessaro
