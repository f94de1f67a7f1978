// The few USB operations the board protocol needs, so that the protocol can run against a
// stand-in in tests and against libusb in the program.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

namespace tessaro {

enum class UsbStatus {
  kOk,
  kTimeout,
  kNoDevice,  // unplugged, or gone from the bus
  kError,
};

struct UsbTransfer {
  UsbStatus status = UsbStatus::kError;
  int length = 0;  // bytes moved; meaningful only with kOk
};

class UsbTransport {
 public:
  virtual ~UsbTransport() = default;

  // Opens the device with these IDs; false when there is none or it cannot be opened
  // (no access rights, no USB at all).
  virtual bool Open(uint16_t vendor, uint16_t product) = 0;
  // Closes the open device, if any.
  virtual void Close() = 0;

  virtual bool KernelDriverActive(int interface) = 0;
  virtual bool DetachKernelDriver(int interface) = 0;
  virtual bool AttachKernelDriver(int interface) = 0;
  virtual bool ClaimInterface(int interface) = 0;
  virtual void ReleaseInterface(int interface) = 0;

  virtual UsbTransfer InterruptWrite(uint8_t endpoint, std::span<const uint8_t> data,
                                     unsigned timeout_ms) = 0;
  virtual UsbTransfer InterruptRead(uint8_t endpoint, std::span<uint8_t> data,
                                    unsigned timeout_ms) = 0;
};

// The transport on libusb-1.0. It starts libusb only when a device is first opened, so a
// machine without USB access costs nothing until "Kaart" is pressed, and then only a failed
// open.
std::unique_ptr<UsbTransport> MakeLibusbTransport();

}  // namespace tessaro
