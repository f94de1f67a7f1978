#include "emulated_bus.h"

#include <linux/ioctl.h>
#include <linux/usbdevice_fs.h>
#include <umockdev.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace tessaro::emulation {

namespace {

constexpr uint8_t kEndpointIn = 0x81;
constexpr uint8_t kEndpointOut = 0x01;

// Device descriptor, then configuration 1: interface 0 (HID), its HID descriptor and the
// two 8-byte interrupt endpoints. The product byte is filled in per address.
constexpr char kBoardDescriptors[] =
    "12011001000000 08cf10%02x55000001020001"
    "0902290001010080 32"
    "090400000203000000"
    "092100010001222900"
    "0705810308000a"
    "0705010308000a";
constexpr char kHubDescriptors[] =
    "12010002090001406b1d010006060302 0101"
    "09021900010100e000"
    "090400000109000000"
    "0705810304000c";

std::string Hex(const char* format, int value = 0) {
  char text[256];
  std::snprintf(text, sizeof text, format, value);
  std::string hex;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c != ' ') hex += *c;
  }
  return hex;
}

void Complete(UMockdevIoctlClient* client, int error) {
  umockdev_ioctl_client_complete(client, error == 0 ? 0 : -1, error);
}

// Hands a finished transfer to the reaping ioctl, as the kernel does.
void HandBack(UMockdevIoctlClient* client, UMockdevIoctlData* arg, UMockdevIoctlData* urb) {
  UMockdevIoctlData* slot = umockdev_ioctl_data_resolve(arg, 0, sizeof(void*), nullptr);
  umockdev_ioctl_data_set_ptr(slot, 0, urb);
  Complete(client, 0);
  g_object_unref(slot);
  umockdev_ioctl_data_unref(urb);
}

usbdevfs_urb* UrbOf(UMockdevIoctlData* data) { return reinterpret_cast<usbdevfs_urb*>(data->data); }

}  // namespace

EmulatedBoard::EmulatedBoard(int address, int devnum)
    : address_(address), devnum_(devnum), handler_(umockdev_ioctl_base_new()) {
  g_signal_connect_after(handler_, "handle-ioctl", G_CALLBACK(HandleIoctl), this);
}

EmulatedBoard::~EmulatedBoard() {
  for (auto* list : {&waiting_in_, &done_}) {
    for (UMockdevIoctlData* urb : *list) umockdev_ioctl_data_unref(urb);
  }
  if (client_ != nullptr) g_object_unref(client_);
  g_object_unref(handler_);
}

std::string EmulatedBoard::SysPath() const {
  return "/sys/devices/usb1/1-" + std::to_string(devnum_ - 1);
}

std::string EmulatedBoard::DevNode() const {
  char node[32];
  std::snprintf(node, sizeof node, "/dev/bus/usb/001/%03d", devnum_);
  return node;
}

std::string EmulatedBoard::Record() const {
  const std::string devnum = std::to_string(devnum_);
  char product[8];
  std::snprintf(product, sizeof product, "%04x", 0x5500 + address_);
  return "P: " + SysPath().substr(4) + "\nN: " + DevNode().substr(5) +
         "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: DRIVER=usb\nE: BUSNUM=001\nE: DEVNUM=" +
         DevNode().substr(17) + "\nE: DEVNAME=" + DevNode() +
         "\nA: busnum=1\\n\nA: devnum=" + devnum +
         "\\n\nA: speed=1.5\\n\nA: bConfigurationValue=1\\n\nA: idVendor=10cf\\n\n" +
         "A: idProduct=" + product + "\\n\nH: descriptors=" + Hex(kBoardDescriptors, address_) +
         "\n";
}

int EmulatedBoard::HandleIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, void* self) {
  return static_cast<EmulatedBoard*>(self)->Handle(client) ? TRUE : FALSE;
}

bool EmulatedBoard::Handle(UMockdevIoctlClient* client) {
  const std::lock_guard lock(mutex_);
  if (client != client_) {
    // A new open of the device file: the claims of the one before went with its close.
    if (client_ != nullptr) g_object_unref(client_);
    client_ = static_cast<UMockdevIoctlClient*>(g_object_ref(client));
    claimed_ = false;
  }
  const unsigned long request = umockdev_ioctl_client_get_request(client);
  UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);

  if (request == USBDEVFS_REAPURBNDELAY || request == USBDEVFS_REAPURB) return Reap(client, arg);
  if (unplugged_) {
    Complete(client, ENODEV);
    return true;
  }
  switch (request) {
    case USBDEVFS_GET_CAPABILITIES: {
      UMockdevIoctlData* caps = umockdev_ioctl_data_resolve(arg, 0, sizeof(uint32_t), nullptr);
      *reinterpret_cast<uint32_t*>(caps->data) =
          USBDEVFS_CAP_NO_PACKET_SIZE_LIM | USBDEVFS_CAP_REAP_AFTER_DISCONNECT;
      Complete(client, 0);
      g_object_unref(caps);
      return true;
    }
    case USBDEVFS_GETDRIVER: {
      UMockdevIoctlData* data =
          umockdev_ioctl_data_resolve(arg, 0, sizeof(usbdevfs_getdriver), nullptr);
      auto* driver = reinterpret_cast<usbdevfs_getdriver*>(data->data);
      const char* name = claimed_ || held_elsewhere_ ? "usbfs" : kernel_driver_ ? "vmk80xx" : "";
      std::snprintf(driver->driver, sizeof driver->driver, "%s", name);
      Complete(client, *name == '\0' ? ENODATA : 0);
      g_object_unref(data);
      return true;
    }
    case USBDEVFS_IOCTL: {
      UMockdevIoctlData* data =
          umockdev_ioctl_data_resolve(arg, 0, sizeof(usbdevfs_ioctl), nullptr);
      const int code = reinterpret_cast<usbdevfs_ioctl*>(data->data)->ioctl_code;
      g_object_unref(data);
      int error = ENOTTY;
      if (code == USBDEVFS_DISCONNECT) {
        error = kernel_driver_ ? 0 : ENODATA;
        if (kernel_driver_) events_.push_back("detach");
        kernel_driver_ = false;
      } else if (code == USBDEVFS_CONNECT) {
        error = claimed_ || held_elsewhere_ ? EBUSY : 0;
        if (error == 0) {
          kernel_driver_ = true;
          events_.push_back("attach");
        }
      }
      Complete(client, error);
      return true;
    }
    case USBDEVFS_CLAIMINTERFACE:
      if (kernel_driver_ || held_elsewhere_) {
        Complete(client, EBUSY);
      } else {
        claimed_ = true;
        events_.push_back("claim");
        Complete(client, 0);
      }
      return true;
    case USBDEVFS_RELEASEINTERFACE:
      claimed_ = false;
      events_.push_back("release");
      Complete(client, 0);
      return true;
    case USBDEVFS_SUBMITURB: {
      UMockdevIoctlData* urb = umockdev_ioctl_data_resolve(arg, 0, sizeof(usbdevfs_urb), nullptr);
      usbdevfs_urb* u = UrbOf(urb);
      UMockdevIoctlData* buffer = umockdev_ioctl_data_resolve(
          urb, offsetof(usbdevfs_urb, buffer), static_cast<gsize>(u->buffer_length), nullptr);
      if (u->type != USBDEVFS_URB_TYPE_INTERRUPT ||
          (u->endpoint != kEndpointIn && u->endpoint != kEndpointOut)) {
        Complete(client, EINVAL);
        g_object_unref(buffer);
        umockdev_ioctl_data_unref(urb);
        return true;
      }
      if (u->endpoint == kEndpointOut) {
        Bytes report(buffer->data, buffer->data + u->buffer_length);
        if (report.size() >= 2 && report[0] == 5) select_ = report[1] & 0xC0;
        outputs_.push_back(std::move(report));
        u->actual_length = u->buffer_length;
        u->status = 0;
        done_.push_back(urb);
      } else {
        waiting_in_.push_back(urb);
        if (unplug_at_read_) {
          unplug_at_read_ = false;
          unplugged_ = true;
        }
      }
      g_object_unref(buffer);
      Complete(client, 0);
      return true;
    }
    case USBDEVFS_DISCARDURB: {
      const gulong address = reinterpret_cast<gulong>(*reinterpret_cast<void**>(arg->data));
      auto it = std::find_if(waiting_in_.begin(), waiting_in_.end(),
                             [&](UMockdevIoctlData* urb) { return urb->client_addr == address; });
      if (it == waiting_in_.end()) {
        Complete(client, EINVAL);
        return true;
      }
      UrbOf(*it)->status = -ENOENT;
      UrbOf(*it)->actual_length = 0;
      done_.push_back(*it);
      waiting_in_.erase(it);
      Complete(client, 0);
      return true;
    }
    default:
      return false;
  }
}

bool EmulatedBoard::Reap(UMockdevIoctlClient* client, UMockdevIoctlData* arg) {
  if (!done_.empty()) {
    UMockdevIoctlData* urb = done_.front();
    done_.pop_front();
    HandBack(client, arg, urb);
    return true;
  }
  if (waiting_in_.empty()) {
    Complete(client, unplugged_ ? ENODEV : EAGAIN);
    return true;
  }
  UMockdevIoctlData* urb = waiting_in_.front();
  usbdevfs_urb* u = UrbOf(urb);
  if (unplugged_) {
    // What the kernel does to a transfer in flight when its device goes.
    u->status = -ENODEV;
    u->actual_length = 0;
    ++ended_by_unplug_;
  } else {
    const Bytes report = NextReport();
    if (report.empty()) {
      Complete(client, EAGAIN);
      return true;
    }
    const int length = std::min(static_cast<int>(report.size()), u->buffer_length);
    std::memcpy(u->buffer, report.data(), static_cast<std::size_t>(length));
    u->actual_length = length;
    u->status = 0;
  }
  waiting_in_.pop_front();
  HandBack(client, arg, urb);
  return true;
}

Bytes EmulatedBoard::BuiltReport() const {
  // Select lines (7, 8): off/off gives inputs 1, 2; on/off 3, 4; on/on 5, 6; off/on 7, 8.
  const bool seven = (select_ & 0x40) != 0;
  const bool eight = (select_ & 0x80) != 0;
  const int first = !seven && !eight ? 1 : seven && !eight ? 3 : seven ? 5 : 7;
  return {digital_,    static_cast<uint8_t>(address_ + status_offset_),
          mux_[first], mux_[first + 1],
          0,           0,
          0,           0};
}

Bytes EmulatedBoard::NextReport() {
  if (!script_.empty()) {
    Bytes report = std::move(script_.front());
    script_.pop_front();
    return report;
  }
  if (!sending_) return {};
  if (!sample_after_report_) return BuiltReport();
  if (sampled_.empty()) sampled_ = BuiltReport();
  Bytes report = std::exchange(sampled_, BuiltReport());
  return report;
}

std::vector<Bytes> EmulatedBoard::Outputs() {
  const std::lock_guard lock(mutex_);
  return outputs_;
}

std::vector<std::string> EmulatedBoard::Events() {
  const std::lock_guard lock(mutex_);
  return events_;
}

bool EmulatedBoard::HeldOpen() {
  const std::lock_guard lock(mutex_);
  return client_ != nullptr && umockdev_ioctl_client_get_connected(client_);
}

void EmulatedBoard::SetDigital(uint8_t bits) {
  const std::lock_guard lock(mutex_);
  digital_ = bits;
}

void EmulatedBoard::SetMuxInput(int input, uint8_t value) {
  const std::lock_guard lock(mutex_);
  mux_.at(static_cast<std::size_t>(input)) = value;
}

void EmulatedBoard::SetStatusOffset(uint8_t offset) {
  const std::lock_guard lock(mutex_);
  status_offset_ = offset;
}

void EmulatedBoard::Script(Bytes report) {
  const std::lock_guard lock(mutex_);
  script_.push_back(std::move(report));
}

void EmulatedBoard::SetSending(bool sending) {
  const std::lock_guard lock(mutex_);
  sending_ = sending;
}

void EmulatedBoard::SetSamplesAfterReport(bool on) {
  const std::lock_guard lock(mutex_);
  sample_after_report_ = on;
  sampled_.clear();
}

void EmulatedBoard::SetKernelDriver(bool bound) {
  const std::lock_guard lock(mutex_);
  kernel_driver_ = bound;
  kernel_driver_at_plug_ = bound;
}

void EmulatedBoard::SetHeldByAnotherProgram(bool held) {
  const std::lock_guard lock(mutex_);
  held_elsewhere_ = held;
}

void EmulatedBoard::UnplugDuringNextRead() {
  const std::lock_guard lock(mutex_);
  unplug_at_read_ = true;
}

int EmulatedBoard::UrbsEndedByUnplug() {
  const std::lock_guard lock(mutex_);
  return ended_by_unplug_;
}

void EmulatedBoard::Unplugged() {
  const std::lock_guard lock(mutex_);
  unplugged_ = true;
}

void EmulatedBoard::Replugged() {
  const std::lock_guard lock(mutex_);
  unplugged_ = false;
  claimed_ = false;
  kernel_driver_ = kernel_driver_at_plug_;
  select_ = 0;
  sampled_.clear();
  for (auto* list : {&waiting_in_, &done_}) {
    for (UMockdevIoctlData* urb : *list) umockdev_ioctl_data_unref(urb);
    list->clear();
  }
}

EmulatedBus::EmulatedBus() : testbed_(umockdev_testbed_new()) {
  umockdev_testbed_add_from_string(
      testbed_,
      ("P: /devices/usb1\nN: bus/usb/001/001\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\n"
       "E: DRIVER=usb\nE: BUSNUM=001\nE: DEVNUM=001\nE: DEVNAME=/dev/bus/usb/001/001\n"
       "A: busnum=1\\n\nA: devnum=1\\n\nA: speed=12\\n\nA: bConfigurationValue=1\\n\n"
       "H: descriptors=" +
       Hex(kHubDescriptors) + "\n")
          .c_str(),
      nullptr);
  // Asked only now that the bed exists: the answer is kept, and later adds depend on it.
  if (!umockdev_in_mock_environment()) {
    throw std::runtime_error("not in the USB emulation: the preload library is missing");
  }
}

EmulatedBus::~EmulatedBus() {
  g_object_unref(testbed_);  // the boards' handlers go with their bed first
  boards_.clear();
}

EmulatedBoard& EmulatedBus::Plug(int address) {
  boards_.emplace_back(new EmulatedBoard(address, static_cast<int>(boards_.size()) + 2),
                       [](EmulatedBoard* b) { delete b; });
  EmulatedBoard& board = *boards_.back();
  // The handler first, so that the device can be opened as soon as it is announced.
  umockdev_testbed_attach_ioctl(testbed_, board.DevNode().c_str(), board.handler_, nullptr);
  umockdev_testbed_add_from_string(testbed_, board.Record().c_str(), nullptr);
  return board;
}

void EmulatedBus::Unplug(EmulatedBoard& board) {
  board.Unplugged();
  umockdev_testbed_uevent(testbed_, board.SysPath().c_str(), "remove");
  umockdev_testbed_remove_device(testbed_, board.SysPath().c_str());
}

void EmulatedBus::Replug(EmulatedBoard& board) {
  board.Replugged();
  umockdev_testbed_detach_ioctl(testbed_, board.DevNode().c_str(), nullptr);
  umockdev_testbed_attach_ioctl(testbed_, board.DevNode().c_str(), board.handler_, nullptr);
  umockdev_testbed_add_from_string(testbed_, board.Record().c_str(), nullptr);
}

std::string EmulatedBus::DeviceFile(const EmulatedBoard& board) const {
  gchar* root = umockdev_testbed_get_root_dir(testbed_);
  std::string file = std::string(root) + board.DevNode();
  g_free(root);
  return file;
}

}  // namespace tessaro::emulation
