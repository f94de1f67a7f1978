#include <libusb.h>

#include <algorithm>
#include <array>
#include <cstddef>

#include "engine/board/usb_transport.h"

namespace tessaro {

namespace {

UsbStatus StatusOf(int result) {
  switch (result) {
    case LIBUSB_SUCCESS:
      return UsbStatus::kOk;
    case LIBUSB_ERROR_TIMEOUT:
      return UsbStatus::kTimeout;
    case LIBUSB_ERROR_NO_DEVICE:
      return UsbStatus::kNoDevice;
    case LIBUSB_ERROR_ACCESS:
      return UsbStatus::kDenied;
    case LIBUSB_ERROR_BUSY:
      return UsbStatus::kBusy;
    default:
      return UsbStatus::kError;
  }
}

// The device list of one libusb context, freed on every path out.
class DeviceList {
 public:
  explicit DeviceList(libusb_context* context)
      : count_(context == nullptr ? 0 : libusb_get_device_list(context, &devices_)) {}
  ~DeviceList() {
    if (devices_ != nullptr) libusb_free_device_list(devices_, 1);
  }
  DeviceList(const DeviceList&) = delete;
  DeviceList& operator=(const DeviceList&) = delete;

  std::span<libusb_device*> devices() const {
    return {devices_, count_ > 0 ? static_cast<std::size_t>(count_) : 0};
  }

 private:
  libusb_device** devices_ = nullptr;
  ssize_t count_;
};

class LibusbTransport : public UsbTransport {
 public:
  LibusbTransport() = default;
  LibusbTransport(const LibusbTransport&) = delete;
  LibusbTransport& operator=(const LibusbTransport&) = delete;
  ~LibusbTransport() override {
    Close();
    if (context_ != nullptr) libusb_exit(context_);
  }

  std::vector<uint16_t> Products(uint16_t vendor) override {
    std::vector<uint16_t> products;
    const DeviceList list(Context());
    for (libusb_device* device : list.devices()) {
      libusb_device_descriptor descriptor{};
      if (libusb_get_device_descriptor(device, &descriptor) != LIBUSB_SUCCESS) continue;
      if (descriptor.idVendor == vendor) products.push_back(descriptor.idProduct);
    }
    return products;
  }

  UsbStatus Open(uint16_t vendor, uint16_t product) override {
    Close();
    UsbStatus status = UsbStatus::kNoDevice;
    const DeviceList list(Context());
    for (libusb_device* device : list.devices()) {
      libusb_device_descriptor descriptor{};
      if (libusb_get_device_descriptor(device, &descriptor) != LIBUSB_SUCCESS) continue;
      if (descriptor.idVendor != vendor || descriptor.idProduct != product) continue;
      status = StatusOf(libusb_open(device, &handle_));
      if (status == UsbStatus::kOk) break;
      handle_ = nullptr;
    }
    return status;
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
  UsbStatus ClaimInterface(int interface) override {
    if (handle_ == nullptr) return UsbStatus::kNoDevice;
    return StatusOf(libusb_claim_interface(handle_, interface));
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
  // libusb_init succeeds on a machine without USB (it then lists no devices); it fails only
  // when libusb itself cannot start, so a failure is tried again at the next use.
  libusb_context* Context() {
    if (context_ == nullptr && libusb_init(&context_) != LIBUSB_SUCCESS) context_ = nullptr;
    return context_;
  }

  UsbTransfer Transfer(uint8_t endpoint, unsigned char* data, int length, unsigned timeout_ms) {
    if (handle_ == nullptr) return {UsbStatus::kNoDevice, 0};
    int moved = 0;
    const UsbStatus status =
        StatusOf(libusb_interrupt_transfer(handle_, endpoint, data, length, &moved, timeout_ms));
    return {status, status == UsbStatus::kOk ? moved : 0};
  }

  libusb_context* context_ = nullptr;
  libusb_device_handle* handle_ = nullptr;
};

}  // namespace

std::unique_ptr<UsbTransport> MakeLibusbTransport() { return std::make_unique<LibusbTransport>(); }

std::unique_ptr<UsbTransport> MakeSystemUsbTransport() { return MakeLibusbTransport(); }

}  // namespace tessaro
