// The few USB operations the board protocol needs, so that the protocol can run against a
// stand-in in tests and against libusb in the program.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace tessaro {

enum class UsbStatus {
  kOk,
  kTimeout,
  kNoDevice,  // not on the bus, unplugged, or gone from the bus
  kDenied,    // on the bus, but the user may not open it
  kBusy,      // claimed by another program
  kError,
};

struct UsbTransfer {
  UsbStatus status = UsbStatus::kError;
  int length = 0;  // bytes moved; meaningful only with kOk
};

class UsbTransport {
 public:
  virtual ~UsbTransport() = default;

  // The product IDs of every device of this vendor on the bus, one entry per device.
  virtual std::vector<uint16_t> Products(uint16_t vendor) = 0;
  // Opens the device with these IDs: kOk, kNoDevice when there is none, kDenied when the
  // user lacks the rights, kError otherwise.
  virtual UsbStatus Open(uint16_t vendor, uint16_t product) = 0;
  // Closes the open device, if any.
  virtual void Close() = 0;

  virtual bool KernelDriverActive(int interface) = 0;
  virtual bool DetachKernelDriver(int interface) = 0;
  virtual bool AttachKernelDriver(int interface) = 0;
  // kOk, kBusy when another program holds the interface, kNoDevice, or kError.
  virtual UsbStatus ClaimInterface(int interface) = 0;
  virtual void ReleaseInterface(int interface) = 0;

  virtual UsbTransfer InterruptWrite(uint8_t endpoint, std::span<const uint8_t> data,
                                     unsigned timeout_ms) = 0;
  virtual UsbTransfer InterruptRead(uint8_t endpoint, std::span<uint8_t> data,
                                    unsigned timeout_ms) = 0;
};

// The transport on libusb-1.0. It starts libusb only when the bus is first used, so the
// program costs nothing on USB until "Kaart" is pressed.
std::unique_ptr<UsbTransport> MakeLibusbTransport();

// The board's transport on this system: libusb, or on Windows its own HID layer.
std::unique_ptr<UsbTransport> MakeSystemUsbTransport();

}  // namespace tessaro
