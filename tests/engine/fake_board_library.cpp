// A stand-in board library: it answers address 2 and reports back what it was given, so
// the tests can tell that a call really reached it.
#include <cstdint>

namespace {
int32_t last_analog[3];
int32_t digital_mask;
}  // namespace

extern "C" {
int32_t OpenDevice(int32_t address) { return address == 2 ? 2 : -1; }
void CloseDevice() { digital_mask = 0; }
int32_t ReadAnalogChannel(int32_t channel) { return 0x100 + channel * 10 + last_analog[channel]; }
void OutputAnalogChannel(int32_t channel, int32_t value) { last_analog[channel] = value; }
void SetDigitalChannel(int32_t channel) { digital_mask |= 1 << channel; }
void ClearDigitalChannel(int32_t channel) { digital_mask &= ~(1 << channel); }
#ifndef FAKE_BOARD_PARTIAL
int32_t ReadDigitalChannel(int32_t channel) { return (digital_mask >> channel) & 1; }
#endif
}
