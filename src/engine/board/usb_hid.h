// The board through a system's HID layer (Windows), as a UsbTransport: the board protocol
// above it is the same as on libusb. The HID devices themselves sit behind HidDevices, so
// that the transport runs against a stand-in in tests.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/board/usb_transport.h"

namespace tessaro {

struct HidDeviceInfo {
  uint16_t vendor = 0;
  uint16_t product = 0;
  std::string path;  // the system's name for the device, to open it by
};

class HidDevices {
 public:
  virtual ~HidDevices() = default;
  // Every HID device present.
  virtual std::vector<HidDeviceInfo> List() = 0;
  // Opens the device at `path` for reports both ways: kOk, kNoDevice when it is gone,
  // kDenied, kBusy when another program holds it, kError.
  virtual UsbStatus Open(const std::string& path) = 0;
  virtual void Close() = 0;
  // One output report: the report number, then its bytes.
  virtual UsbTransfer Write(std::span<const uint8_t> report, unsigned timeout_ms) = 0;
  // One input report: the report number, then its bytes; the length counts both.
  virtual UsbTransfer Read(std::span<uint8_t> report, unsigned timeout_ms) = 0;
};

// The transport over `devices`. The board's reports carry no number of their own, so each
// goes with report number 0.
std::unique_ptr<UsbTransport> MakeHidTransport(std::unique_ptr<HidDevices> devices);

// The system's HID devices (Windows only).
std::unique_ptr<HidDevices> MakeSystemHidDevices();

}  // namespace tessaro
