// The experiment-interface board on USB, spoken to directly: 8-byte interrupt reports on
// interface 0, one output report that carries every output at once, and input reports that
// the board sends without being asked.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/board/board.h"
#include "engine/board/usb_transport.h"

namespace tessaro {

// What a look at the bus finds of one board of this kind.
struct FoundBoard {
  enum class Access {
    kOpen,    // it can be opened and claimed
    kBusy,    // another program holds it
    kDenied,  // the user may not open it
  };
  int32_t address = 0;  // from its product ID, i.e. its jumpers
  Access access = Access::kOpen;

  bool operator==(const FoundBoard&) const = default;
};

class UsbBoard : public Board {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  static constexpr uint16_t kVendor = 0x10CF;
  static constexpr uint16_t kFirstProduct = 0x5500;  // + card address

  explicit UsbBoard(std::unique_ptr<UsbTransport> transport,
                    Clock clock = std::chrono::steady_clock::now);
  ~UsbBoard() override;
  UsbBoard(const UsbBoard&) = delete;
  UsbBoard& operator=(const UsbBoard&) = delete;

  // Opens the board at address 0..3 and checks that it answers as that address. Returns the
  // address, or -1. The outputs the program has set so far are sent at once.
  int32_t OpenDevice(int32_t address) override;
  // Releases the board and gives it back to a kernel driver that held it.
  void CloseDevice() override;
  int32_t ReadAnalogChannel(int32_t channel) override;
  void OutputAnalogChannel(int32_t channel, int32_t value) override;
  void SetDigitalChannel(int32_t channel) override;
  void ClearDigitalChannel(int32_t channel) override;
  int32_t ReadDigitalChannel(int32_t channel) override;

  // Every board of this kind on the bus, in the order of their addresses, and whether it could be
  // opened now. The board this object has open counts as open and is left alone.
  std::vector<FoundBoard> Survey();

  bool IsOpen() const { return open_; }
  // The open board stopped answering (unplugged): from then on inputs keep their last value
  // and outputs are only remembered, until the next successful OpenDevice.
  bool Lost() const { return lost_; }
  int32_t Address() const { return address_; }

 private:
  using Report = std::array<uint8_t, 8>;

  // Opens and claims the board's interface, taking it from a kernel driver that has it.
  UsbStatus Claim(int32_t address);
  // Gives the interface back (and to the kernel driver it was taken from) and closes.
  void Unclaim();
  bool Connect(int32_t address);
  void Disconnect();
  void Lose();
  // Takes the newest input report, unless one was taken a moment ago and nothing was
  // written since. False when none came; the last inputs then stand.
  bool RefreshInputs(bool force);
  bool ValidInput(const Report& report, int length) const;
  // Sends the outputs when they differ from what the board last acknowledged.
  void SendOutputs(bool force);
  // A read or a write that got no answer; kFailuresBeforeLost in a row of either kind mean
  // the board is gone.
  void CountFailure(int& failures);

  std::unique_ptr<UsbTransport> transport_;
  Clock clock_;
  bool open_ = false;
  bool lost_ = false;
  bool detached_ = false;  // a kernel driver held the interface and gets it back on close
  int32_t address_ = -1;
  // Reads and writes fail apart: a board that takes output reports but sends no input
  // reports has stopped answering all the same.
  int read_failures_ = 0;
  int write_failures_ = 0;

  // Digital mask, analog 1, analog 2: what the program wants and what the board has.
  std::array<uint8_t, 3> outputs_{};
  std::array<uint8_t, 3> sent_{};
  bool sent_known_ = false;

  Report inputs_{};
  bool inputs_fresh_ = false;
  std::chrono::steady_clock::time_point inputs_at_{};
  // A refresh that got nothing stands for the reads close after it, so the reads of one
  // multiplex tick wait out the retries once.
  bool refresh_failed_ = false;
  std::chrono::steady_clock::time_point failed_at_{};
};

}  // namespace tessaro
