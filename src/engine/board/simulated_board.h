// A board that lives in memory: it remembers every output and serves inputs that tests,
// tessaro-sim or a panel set. Its analog inputs sit behind the same 4-way multiplexer as
// the real board's, selected by its own digital outputs 7 and 8.
#pragma once

#include <array>
#include <cstdint>

#include "engine/board/board.h"

namespace tessaro {

class SimulatedBoard : public Board {
 public:
  int32_t OpenDevice(int32_t address) override;
  void CloseDevice() override;
  int32_t ReadAnalogChannel(int32_t channel) override;
  void OutputAnalogChannel(int32_t channel, int32_t value) override;
  void SetDigitalChannel(int32_t channel) override;
  void ClearDigitalChannel(int32_t channel) override;
  int32_t ReadDigitalChannel(int32_t channel) override;

  // Inputs: multiplexer inputs 1..8 (0..255) and digital inputs 1..5.
  void SetMuxInput(int input, uint8_t value);
  uint8_t MuxInput(int input) const;
  void SetDigitalInput(int input, bool high);
  bool DigitalInput(int input) const;

  // Outputs as last written: digital 1..8, analog 1..2.
  bool DigitalOutput(int channel) const;
  uint8_t AnalogOutput(int channel) const;

  // The multiplexer input that board analog channel 1 or 2 reads now.
  int SelectedMuxInput(int channel) const;

  bool IsOpen() const { return open_; }

 private:
  static bool ValidDigitalOut(int channel) { return channel >= 1 && channel <= 8; }

  std::array<uint8_t, 9> mux_inputs_{};     // 1..8
  std::array<bool, 6> digital_inputs_{};    // 1..5
  std::array<bool, 9> digital_outputs_{};   // 1..8
  std::array<uint8_t, 3> analog_outputs_{};  // 1..2
  bool open_ = false;
};

}  // namespace tessaro
