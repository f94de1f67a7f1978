#include "engine/board/usb_hid.h"

#include <algorithm>
#include <array>

namespace tessaro {

namespace {

class HidTransport : public UsbTransport {
 public:
  explicit HidTransport(std::unique_ptr<HidDevices> devices) : devices_(std::move(devices)) {}
  ~HidTransport() override { Close(); }

  std::vector<uint16_t> Products(uint16_t vendor) override {
    std::vector<uint16_t> products;
    for (const HidDeviceInfo& device : devices_->List()) {
      if (device.vendor == vendor) products.push_back(device.product);
    }
    return products;
  }

  UsbStatus Open(uint16_t vendor, uint16_t product) override {
    Close();
    UsbStatus status = UsbStatus::kNoDevice;
    for (const HidDeviceInfo& device : devices_->List()) {
      if (device.vendor != vendor || device.product != product) continue;
      status = devices_->Open(device.path);
      if (status == UsbStatus::kOk) {
        open_ = true;
        break;
      }
    }
    return status;
  }

  void Close() override {
    if (open_) devices_->Close();
    open_ = false;
  }

  // The HID layer owns the device: there is no driver to take it from, and it is the
  // program's once opened.
  bool KernelDriverActive(int) override { return false; }
  bool DetachKernelDriver(int) override { return false; }
  bool AttachKernelDriver(int) override { return false; }
  UsbStatus ClaimInterface(int) override { return open_ ? UsbStatus::kOk : UsbStatus::kNoDevice; }
  void ReleaseInterface(int) override {}

  UsbTransfer InterruptWrite(uint8_t, std::span<const uint8_t> data,
                             unsigned timeout_ms) override {
    if (!open_) return {UsbStatus::kNoDevice, 0};
    std::array<uint8_t, 65> report{};
    if (data.size() + 1 > report.size()) return {UsbStatus::kError, 0};
    std::copy(data.begin(), data.end(), report.begin() + 1);
    const UsbTransfer put =
        devices_->Write(std::span(report.data(), data.size() + 1), timeout_ms);
    if (put.status != UsbStatus::kOk) return {put.status, 0};
    // The report number is no byte of the board's.
    return {UsbStatus::kOk, static_cast<int>(std::min<size_t>(
                                std::max(put.length - 1, 0), data.size()))};
  }

  UsbTransfer InterruptRead(uint8_t, std::span<uint8_t> data, unsigned timeout_ms) override {
    if (!open_) return {UsbStatus::kNoDevice, 0};
    std::array<uint8_t, 65> report{};
    if (data.size() + 1 > report.size()) return {UsbStatus::kError, 0};
    const UsbTransfer got =
        devices_->Read(std::span(report.data(), data.size() + 1), timeout_ms);
    if (got.status != UsbStatus::kOk) return {got.status, 0};
    const size_t length = std::min<size_t>(std::max(got.length - 1, 0), data.size());
    std::copy_n(report.begin() + 1, length, data.begin());
    return {UsbStatus::kOk, static_cast<int>(length)};
  }

 private:
  std::unique_ptr<HidDevices> devices_;
  bool open_ = false;
};

}  // namespace

std::unique_ptr<UsbTransport> MakeHidTransport(std::unique_ptr<HidDevices> devices) {
  return std::make_unique<HidTransport>(std::move(devices));
}

}  // namespace tessaro
