#include <libusb.h>

#include <algorithm>
#include <array>
#include <cstddef>

#include "engine/board/usb_transport.h"

namespace tessaro {

namespace {

class LibusbTransport : public UsbTransport {
 public:
  LibusbTransport() = default;
  LibusbTransport(const LibusbTransport&) = delete;
  LibusbTransport& operator=(const LibusbTransport&) = delete;
  ~LibusbTransport() override {
    Close();
    if (context_ != nullptr) libusb_exit(context_);
  }

  bool Open(uint16_t vendor, uint16_t product) override {
    Close();
    // Retried on every open: a container without USB, or a bus that was not ready, may
    // have made an earlier attempt fail.
    if (context_ == nullptr && libusb_init(&context_) != LIBUSB_SUCCESS) {
      context_ = nullptr;
      return false;
    }
    libusb_device** devices = nullptr;
    const ssize_t count = libusb_get_device_list(context_, &devices);
    if (count < 0) return false;
    for (ssize_t i = 0; i < count && handle_ == nullptr; ++i) {
      libusb_device_descriptor descriptor{};
      if (libusb_get_device_descriptor(devices[i], &descriptor) != LIBUSB_SUCCESS) continue;
      if (descriptor.idVendor != vendor || descriptor.idProduct != product) continue;
      if (libusb_open(devices[i], &handle_) != LIBUSB_SUCCESS) handle_ = nullptr;
    }
    libusb_free_device_list(devices, 1);
    return handle_ != nullptr;
  }

  void Close() override {
    if (handle_ != nullptr) libusb_close(handle_);
    handle_ = nullptr;
  }

  bool KernelDriverActive(int interface) override {
    return handle_ != nullptr && libusb_kernel_driver_active(handle_, interface) == 1;
  }
  bool DetachKernelDriver(int interface) override {
    return handle_ != nullptr && libusb_detach_kernel_driver(handle_, interface) == 0;
  }
  bool AttachKernelDriver(int interface) override {
    return handle_ != nullptr && libusb_attach_kernel_driver(handle_, interface) == 0;
  }
  bool ClaimInterface(int interface) override {
    return handle_ != nullptr && libusb_claim_interface(handle_, interface) == 0;
  }
  void ReleaseInterface(int interface) override {
    if (handle_ != nullptr) libusb_release_interface(handle_, interface);
  }

  UsbTransfer InterruptWrite(uint8_t endpoint, std::span<const uint8_t> data,
                             unsigned timeout_ms) override {
    // libusb wants a writable buffer even for OUT transfers.
    std::array<unsigned char, 64> buffer{};
    if (data.size() > buffer.size()) return {UsbStatus::kError, 0};
    std::copy(data.begin(), data.end(), buffer.begin());
    return Transfer(endpoint, buffer.data(), static_cast<int>(data.size()), timeout_ms);
  }

  UsbTransfer InterruptRead(uint8_t endpoint, std::span<uint8_t> data,
                            unsigned timeout_ms) override {
    return Transfer(endpoint, data.data(), static_cast<int>(data.size()), timeout_ms);
  }

 private:
  UsbTransfer Transfer(uint8_t endpoint, unsigned char* data, int length, unsigned timeout_ms) {
    if (handle_ == nullptr) return {UsbStatus::kNoDevice, 0};
    int moved = 0;
    switch (libusb_interrupt_transfer(handle_, endpoint, data, length, &moved, timeout_ms)) {
      case LIBUSB_SUCCESS:
        return {UsbStatus::kOk, moved};
      case LIBUSB_ERROR_TIMEOUT:
        return {UsbStatus::kTimeout, 0};
      case LIBUSB_ERROR_NO_DEVICE:
        return {UsbStatus::kNoDevice, 0};
      default:
        return {UsbStatus::kError, 0};
    }
  }

  libusb_context* context_ = nullptr;
  libusb_device_handle* handle_ = nullptr;
};

}  // namespace

std::unique_ptr<UsbTransport> MakeLibusbTransport() { return std::make_unique<LibusbTransport>(); }

}  // namespace tessaro
