// The board through a HID layer: the same board protocol on top, a stand-in for the
// system's HID devices below. The transport's own work is the report number in front of
// each report and the device list in place of the bus.
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/board/usb_board.h"
#include "engine/board/usb_hid.h"
#include "usb_fake_transport.h"

namespace tessaro {
namespace {

using Reports = std::vector<UsbReport>;

class FakeHidDevices : public HidDevices {
 public:
  std::vector<HidDeviceInfo> List() override { return present; }
  UsbStatus Open(const std::string& path) override {
    opened.push_back(path);
    const auto it = refusal.find(path);
    if (it != refusal.end()) return it->second;
    open = path;
    return UsbStatus::kOk;
  }
  void Close() override {
    closes++;
    open.clear();
  }
  UsbTransfer Write(std::span<const uint8_t> report, unsigned) override {
    if (open.empty()) return {UsbStatus::kNoDevice, 0};
    // Windows pads every report to the device's length, and counts the padding.
    UsbReport padded(report.begin(), report.end());
    padded.resize(9, 0);
    written.push_back(padded);
    return {UsbStatus::kOk, static_cast<int>(padded.size())};
  }
  UsbTransfer Read(std::span<uint8_t> report, unsigned) override {
    if (open.empty() || unplugged) return {UsbStatus::kNoDevice, 0};
    if (input.empty()) return {UsbStatus::kTimeout, 0};
    UsbReport next = input.size() > 1 ? input.front() : input.back();
    if (input.size() > 1) input.pop_front();
    next.insert(next.begin(), 0);  // the report number
    const size_t n = std::min(next.size(), report.size());
    std::copy_n(next.begin(), n, report.begin());
    return {UsbStatus::kOk, static_cast<int>(n)};
  }

  std::vector<HidDeviceInfo> present;
  std::map<std::string, UsbStatus> refusal;
  std::deque<UsbReport> input;  // the last one keeps coming
  bool unplugged = false;

  std::string open;
  std::vector<std::string> opened;
  Reports written;
  int closes = 0;
};

class UsbHidTest : public ::testing::Test {
 protected:
  UsbHidTest() {
    auto devices = std::make_unique<FakeHidDevices>();
    hid_ = devices.get();
    // A keyboard and a mouse share the list with the boards.
    hid_->present = {{0x046D, 0xC31C, "keyboard"}, {0x10CF, 0x5502, "board2"},
                     {0x046D, 0xC077, "mouse"}, {0x10CF, 0x5500, "board0"}};
    board_ = std::make_unique<UsbBoard>(MakeHidTransport(std::move(devices)),
                                        [this] { return now_; });
  }

  FakeHidDevices* hid_;
  std::unique_ptr<UsbBoard> board_;
  std::chrono::steady_clock::time_point now_{};
};

TEST_F(UsbHidTest, TheBoardRunsOverHidReportsWithReportNumberZero) {
  hid_->input = {InputReport(0, 3)};
  ASSERT_EQ(board_->OpenDevice(2), 2);
  EXPECT_EQ(hid_->opened, (std::vector<std::string>{"board2"}));
  // The first report carries the outputs, all off so far, behind report number 0.
  UsbReport first = OutputReport(0, 0, 0);
  first.insert(first.begin(), 0);
  EXPECT_EQ(hid_->written, (Reports{first}));

  // Inputs come back without the report number: digital 1 is board bit 0x10, analog bytes
  // third and fourth.
  hid_->input = {InputReport(0x10, 3, 200, 17)};
  now_ += std::chrono::milliseconds(50);
  EXPECT_EQ(board_->ReadAnalogChannel(1), 200);
  EXPECT_EQ(board_->ReadAnalogChannel(2), 17);
  EXPECT_EQ(board_->ReadDigitalChannel(1), 1);

  board_->OutputAnalogChannel(1, 128);
  ASSERT_FALSE(hid_->written.empty());
  UsbReport sent = OutputReport(0, 128, 0);
  sent.insert(sent.begin(), 0);
  EXPECT_EQ(hid_->written.back(), sent);

  board_->CloseDevice();
  EXPECT_TRUE(hid_->open.empty());
  EXPECT_FALSE(board_->IsOpen());
}

TEST_F(UsbHidTest, TheSurveyTellsBoardsHeldElsewhereOrForbidden) {
  hid_->present.push_back({0x10CF, 0x5503, "board3"});
  hid_->refusal["board0"] = UsbStatus::kBusy;    // another program has it open
  hid_->refusal["board3"] = UsbStatus::kDenied;  // the user may not open it
  EXPECT_EQ(board_->Survey(), (std::vector<FoundBoard>{{0, FoundBoard::Access::kBusy},
                                                       {2, FoundBoard::Access::kOpen},
                                                       {3, FoundBoard::Access::kDenied}}));
  // The one that could be opened was closed again.
  EXPECT_TRUE(hid_->open.empty());
  EXPECT_EQ(board_->OpenDevice(0), -1);
  EXPECT_EQ(board_->OpenDevice(1), -1);  // not on the list at all
}

TEST_F(UsbHidTest, AnUnpluggedBoardIsLostAndASilentOneNeverTaken) {
  // A board that sends nothing within the time is not taken.
  EXPECT_EQ(board_->OpenDevice(2), -1);
  EXPECT_TRUE(hid_->open.empty());

  hid_->input = {InputReport(0x10, 3, 99, 0)};
  ASSERT_EQ(board_->OpenDevice(2), 2);
  now_ += std::chrono::milliseconds(50);
  EXPECT_EQ(board_->ReadAnalogChannel(1), 99);
  hid_->unplugged = true;
  for (int i = 0; i < 5; ++i) {
    now_ += std::chrono::milliseconds(50);
    EXPECT_EQ(board_->ReadAnalogChannel(1), 99);  // the last value is kept
  }
  EXPECT_TRUE(board_->Lost());
}

}  // namespace
}  // namespace tessaro
