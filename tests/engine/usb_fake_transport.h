// A stand-in for the USB bus with one board on it: it logs what the board code asks of the
// bus, keeps every output report, and answers reads from a script, then with a report the
// board keeps sending.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/board/usb_transport.h"

namespace tessaro {

using UsbReport = std::vector<uint8_t>;

// An input report: digital bits, status byte, analog 1 and 2; counters zero.
inline UsbReport InputReport(uint8_t digital, uint8_t status, uint8_t analog1 = 0,
                             uint8_t analog2 = 0) {
  return {digital, status, analog1, analog2, 0, 0, 0, 0};
}

// An output report as the board should receive it.
inline UsbReport OutputReport(uint8_t digital, uint8_t analog1, uint8_t analog2) {
  return {5, digital, analog1, analog2, 0, 0, 0, 0};
}

class FakeUsbTransport : public UsbTransport {
 public:
  struct Read {
    UsbStatus status;
    UsbReport data;
  };

  std::vector<uint16_t> Products(uint16_t vendor) override {
    if (gone || present_product == 0 || vendor != 0x10CF) return {};
    return {present_product};
  }
  UsbStatus Open(uint16_t vendor, uint16_t product) override {
    char text[32];
    std::snprintf(text, sizeof text, "open %04x:%04x", vendor, product);
    calls.push_back(text);
    if (gone || vendor != 0x10CF || product != present_product) return UsbStatus::kNoDevice;
    return denied ? UsbStatus::kDenied : UsbStatus::kOk;
  }
  void Close() override { calls.push_back("close"); }
  bool KernelDriverActive(int) override { return kernel_driver; }
  bool DetachKernelDriver(int interface) override {
    calls.push_back("detach " + std::to_string(interface));
    return true;
  }
  bool AttachKernelDriver(int interface) override {
    calls.push_back("attach " + std::to_string(interface));
    return true;
  }
  UsbStatus ClaimInterface(int interface) override {
    calls.push_back("claim " + std::to_string(interface));
    return claim_fails ? UsbStatus::kBusy : UsbStatus::kOk;
  }
  void ReleaseInterface(int interface) override {
    calls.push_back("release " + std::to_string(interface));
  }

  UsbTransfer InterruptWrite(uint8_t endpoint, std::span<const uint8_t> data, unsigned) override {
    if (gone) return {UsbStatus::kNoDevice, 0};
    if (endpoint != 0x01) return {UsbStatus::kError, 0};
    writes.emplace_back(data.begin(), data.end());
    if (write_fails > 0) {
      --write_fails;
      return {UsbStatus::kError, 0};
    }
    return {UsbStatus::kOk, static_cast<int>(data.size())};
  }

  UsbTransfer InterruptRead(uint8_t endpoint, std::span<uint8_t> data, unsigned) override {
    ++reads_made;
    if (gone) return {UsbStatus::kNoDevice, 0};
    if (endpoint != 0x81) return {UsbStatus::kError, 0};
    Read next{UsbStatus::kTimeout, {}};
    if (!script.empty()) {
      next = script.front();
      script.pop_front();
    } else if (sending) {
      next = {UsbStatus::kOk, *sending};
    }
    if (next.status != UsbStatus::kOk) return {next.status, 0};
    const std::size_t n = std::min(next.data.size(), data.size());
    std::copy_n(next.data.begin(), n, data.begin());
    return {UsbStatus::kOk, static_cast<int>(n)};
  }

  // The bus.
  uint16_t present_product = 0;  // 0: no board
  bool kernel_driver = false;
  bool denied = false;       // the user may not open it
  bool claim_fails = false;  // another program holds it
  bool gone = false;         // unplugged: every transfer fails
  int write_fails = 0;
  std::deque<Read> script;
  std::optional<UsbReport> sending;  // what the board keeps sending once the script is done

  // What happened.
  std::vector<std::string> calls;
  std::vector<UsbReport> writes;
  int reads_made = 0;
};

}  // namespace tessaro
