// The board through Windows' own HID driver: found with SetupDi, opened with CreateFile,
// reports moved with ReadFile/WriteFile. No driver needs installing.
#include <windows.h>
#include <setupapi.h>
// MinGW's HID headers declare C functions without saying so.
extern "C" {
#include <hidsdi.h>
#include <hidpi.h>
}

#include <algorithm>
#include <string>
#include <vector>

#include "engine/board/usb_hid.h"

namespace tessaro {

namespace {

std::wstring Wide(const std::string& utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                    nullptr, 0);
  std::wstring text(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), n);
  return text;
}

std::string Utf8(const wchar_t* wide) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(std::max(n, 1)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), n, nullptr, nullptr);
  text.resize(text.size() - 1);
  return text;
}

UsbStatus StatusOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_GEN_FAILURE:
      return UsbStatus::kNoDevice;
    case ERROR_ACCESS_DENIED:
      return UsbStatus::kDenied;
    case ERROR_SHARING_VIOLATION:
      return UsbStatus::kBusy;
    default:
      return UsbStatus::kError;
  }
}

class WindowsHidDevices : public HidDevices {
 public:
  ~WindowsHidDevices() override { Close(); }

  std::vector<HidDeviceInfo> List() override {
    std::vector<HidDeviceInfo> found;
    GUID hid{};
    HidD_GetHidGuid(&hid);
    HDEVINFO set = SetupDiGetClassDevsW(&hid, nullptr, nullptr,
                                        DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) return found;
    SP_DEVICE_INTERFACE_DATA entry{};
    entry.cbSize = sizeof entry;
    for (DWORD i = 0; SetupDiEnumDeviceInterfaces(set, nullptr, &hid, i, &entry); ++i) {
      DWORD size = 0;
      SetupDiGetDeviceInterfaceDetailW(set, &entry, nullptr, 0, &size, nullptr);
      if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) continue;
      std::vector<unsigned char> buffer(size);
      auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
      detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
      if (!SetupDiGetDeviceInterfaceDetailW(set, &entry, detail, size, nullptr, nullptr)) {
        continue;
      }
      // Opened without access rights, only to read its IDs: that works even for a device
      // another program holds.
      HANDLE h = CreateFileW(detail->DevicePath, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
      if (h == INVALID_HANDLE_VALUE) continue;
      HIDD_ATTRIBUTES attributes{};
      attributes.Size = sizeof attributes;
      if (HidD_GetAttributes(h, &attributes)) {
        found.push_back({attributes.VendorID, attributes.ProductID, Utf8(detail->DevicePath)});
      }
      CloseHandle(h);
    }
    SetupDiDestroyDeviceInfoList(set);
    return found;
  }

  UsbStatus Open(const std::string& path) override {
    Close();
    // Not shared for writing: a second program on the same board would mix its reports in.
    HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                           nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (h == INVALID_HANDLE_VALUE) return StatusOf(GetLastError());
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    HIDP_CAPS caps{};
    if (HidD_GetPreparsedData(h, &preparsed)) {
      HidP_GetCaps(preparsed, &caps);
      HidD_FreePreparsedData(preparsed);
    }
    handle_ = h;
    output_length_ = caps.OutputReportByteLength;
    input_length_ = caps.InputReportByteLength;
    event_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    return UsbStatus::kOk;
  }

  void Close() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    if (event_ != nullptr) CloseHandle(event_);
    handle_ = INVALID_HANDLE_VALUE;
    event_ = nullptr;
  }

  UsbTransfer Write(std::span<const uint8_t> report, unsigned timeout_ms) override {
    // Windows takes only reports of the device's own length.
    std::vector<uint8_t> buffer(std::max<size_t>(output_length_, report.size()), 0);
    std::copy(report.begin(), report.end(), buffer.begin());
    UsbTransfer put = Move(buffer.data(), buffer.size(), timeout_ms, true);
    if (put.status == UsbStatus::kOk) put.length = std::min<int>(put.length, report.size());
    return put;
  }

  UsbTransfer Read(std::span<uint8_t> report, unsigned timeout_ms) override {
    std::vector<uint8_t> buffer(std::max<size_t>(input_length_, report.size()), 0);
    UsbTransfer got = Move(buffer.data(), buffer.size(), timeout_ms, false);
    if (got.status != UsbStatus::kOk) return got;
    got.length = std::min<int>(got.length, report.size());
    std::copy_n(buffer.begin(), got.length, report.begin());
    return got;
  }

 private:
  // One overlapped transfer, given up (and cancelled) after `timeout_ms`.
  UsbTransfer Move(uint8_t* data, size_t size, unsigned timeout_ms, bool write) {
    if (handle_ == INVALID_HANDLE_VALUE) return {UsbStatus::kNoDevice, 0};
    OVERLAPPED overlapped{};
    overlapped.hEvent = event_;
    ResetEvent(event_);
    DWORD moved = 0;
    const BOOL done = write ? WriteFile(handle_, data, static_cast<DWORD>(size), nullptr, &overlapped)
                            : ReadFile(handle_, data, static_cast<DWORD>(size), nullptr, &overlapped);
    if (!done && GetLastError() != ERROR_IO_PENDING) return {StatusOf(GetLastError()), 0};
    if (WaitForSingleObject(event_, timeout_ms) != WAIT_OBJECT_0) {
      CancelIo(handle_);
      GetOverlappedResult(handle_, &overlapped, &moved, TRUE);
      return {UsbStatus::kTimeout, 0};
    }
    if (!GetOverlappedResult(handle_, &overlapped, &moved, FALSE)) {
      return {StatusOf(GetLastError()), 0};
    }
    return {UsbStatus::kOk, static_cast<int>(moved)};
  }

  HANDLE handle_ = INVALID_HANDLE_VALUE;
  HANDLE event_ = nullptr;
  size_t output_length_ = 0;
  size_t input_length_ = 0;
};

}  // namespace

std::unique_ptr<HidDevices> MakeSystemHidDevices() {
  return std::make_unique<WindowsHidDevices>();
}

std::unique_ptr<UsbTransport> MakeSystemUsbTransport() {
  return MakeHidTransport(MakeSystemHidDevices());
}

}  // namespace tessaro
