// An emulated USB bus with experiment-interface boards on it, answering the usbdevfs ioctls
// that libusb makes, so the program's own libusb transport can be driven in a test without a
// board or privileges. The process's view of /dev and /sys is the emulation's from the
// moment an EmulatedBus exists.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

typedef struct _UMockdevTestbed UMockdevTestbed;
typedef struct _UMockdevIoctlBase UMockdevIoctlBase;
typedef struct _UMockdevIoctlClient UMockdevIoctlClient;
typedef struct _UMockdevIoctlData UMockdevIoctlData;

namespace tessaro::emulation {

using Bytes = std::vector<uint8_t>;

class EmulatedBus;

// One board: a low-speed HID device with an 8-byte interrupt IN (0x81) and OUT (0x01)
// endpoint. It sends an input report whenever one is asked for, built from its inputs, with
// its analog inputs taken through an external multiplexer selected by outputs 7 and 8.
class EmulatedBoard {
 public:
  // Every output report the board received.
  std::vector<Bytes> Outputs();
  // What happened to interface 0, in order: "claim", "release", "detach", "attach".
  std::vector<std::string> Events();
  // True while a program has the board's device file open.
  bool HeldOpen();

  void SetDigital(uint8_t bits);               // the first report byte
  void SetMuxInput(int input, uint8_t value);  // 1..8
  void SetStatusOffset(uint8_t offset);        // 1, or 11 for the newer variant
  void Script(Bytes report);                   // sent before any built report
  void SetSending(bool sending);               // false: no input reports at all
  // The board samples its inputs right after sending a report, so the report waiting when
  // an output changes still shows the inputs from before the change.
  void SetSamplesAfterReport(bool on);
  void SetKernelDriver(bool bound);  // a kernel driver holds interface 0
  void SetHeldByAnotherProgram(bool held);
  // The next input transfer is submitted and then the board is pulled out under it.
  void UnplugDuringNextRead();
  int UrbsEndedByUnplug();

  int address() const { return address_; }

 private:
  friend class EmulatedBus;
  EmulatedBoard(int address, int devnum);
  ~EmulatedBoard();

  std::string SysPath() const;
  std::string DevNode() const;
  std::string Record() const;
  static int HandleIoctl(UMockdevIoctlBase* handler, UMockdevIoctlClient* client, void* self);
  bool Handle(UMockdevIoctlClient* client);
  bool Reap(UMockdevIoctlClient* client, UMockdevIoctlData* arg);
  Bytes NextReport();
  Bytes BuiltReport() const;
  void Unplugged();
  void Replugged();

  const int address_;
  const int devnum_;
  UMockdevIoctlBase* handler_;

  std::mutex mutex_;
  UMockdevIoctlClient* client_ = nullptr;  // the last program that talked to the board
  uint8_t digital_ = 0;
  std::array<uint8_t, 9> mux_{};
  uint8_t status_offset_ = 1;
  uint8_t select_ = 0;  // digital outputs 7 and 8 as last written
  std::deque<Bytes> script_;
  bool sending_ = true;
  bool sample_after_report_ = false;
  Bytes sampled_;
  bool kernel_driver_ = false;
  bool kernel_driver_at_plug_ = false;
  bool held_elsewhere_ = false;
  bool claimed_ = false;
  bool unplugged_ = false;
  bool unplug_at_read_ = false;
  int ended_by_unplug_ = 0;
  std::vector<Bytes> outputs_;
  std::vector<std::string> events_;
  std::deque<UMockdevIoctlData*> waiting_in_;  // submitted IN transfers, oldest first
  std::deque<UMockdevIoctlData*> done_;        // finished transfers not yet reaped
};

class EmulatedBus {
 public:
  EmulatedBus();
  ~EmulatedBus();
  EmulatedBus(const EmulatedBus&) = delete;
  EmulatedBus& operator=(const EmulatedBus&) = delete;

  // A board plugged in with its jumpers at `address`.
  EmulatedBoard& Plug(int address);
  // Pulled out: transfers end as the kernel ends them, and the bus forgets it.
  void Unplug(EmulatedBoard& board);
  // The board that was pulled out comes back, fresh from power-on.
  void Replug(EmulatedBoard& board);
  // The device file of `board` as the program sees it, in the emulation's folder.
  std::string DeviceFile(const EmulatedBoard& board) const;

 private:
  UMockdevTestbed* testbed_;
  std::vector<std::unique_ptr<EmulatedBoard, void (*)(EmulatedBoard*)>> boards_;
};

}  // namespace tessaro::emulation
