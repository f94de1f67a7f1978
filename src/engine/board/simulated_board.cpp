#include "engine/board/simulated_board.h"

#include <cstddef>

namespace tessaro {

int32_t SimulatedBoard::OpenDevice(int32_t address) {
  if (address < 0 || address > 3) return -1;
  open_ = true;
  return address;
}

void SimulatedBoard::CloseDevice() { open_ = false; }

int SimulatedBoard::SelectedMuxInput(int channel) const {
  // Select lines (output 7, output 8): off/off -> 1/2, on/off -> 3/4, on/on -> 5/6,
  // off/on -> 7/8. Only one line changes between neighbouring states.
  const bool s7 = digital_outputs_[7];
  const bool s8 = digital_outputs_[8];
  int pair;
  if (!s7 && !s8) {
    pair = 0;
  } else if (s7 && !s8) {
    pair = 1;
  } else if (s7 && s8) {
    pair = 2;
  } else {
    pair = 3;
  }
  return pair * 2 + channel;
}

int32_t SimulatedBoard::ReadAnalogChannel(int32_t channel) {
  if (channel != 1 && channel != 2) return 0;
  return mux_inputs_[static_cast<std::size_t>(SelectedMuxInput(channel))];
}

void SimulatedBoard::OutputAnalogChannel(int32_t channel, int32_t value) {
  if (channel == 1 || channel == 2) analog_outputs_[channel] = static_cast<uint8_t>(value);
}

void SimulatedBoard::SetDigitalChannel(int32_t channel) {
  if (ValidDigitalOut(channel)) digital_outputs_[channel] = true;
}

void SimulatedBoard::ClearDigitalChannel(int32_t channel) {
  if (ValidDigitalOut(channel)) digital_outputs_[channel] = false;
}

int32_t SimulatedBoard::ReadDigitalChannel(int32_t channel) {
  if (channel < 1 || channel > 5) return 0;
  return digital_inputs_[channel] ? 1 : 0;
}

void SimulatedBoard::SetMuxInput(int input, uint8_t value) {
  if (input >= 1 && input <= 8) mux_inputs_[input] = value;
}

uint8_t SimulatedBoard::MuxInput(int input) const {
  return (input >= 1 && input <= 8) ? mux_inputs_[input] : 0;
}

void SimulatedBoard::SetDigitalInput(int input, bool high) {
  if (input >= 1 && input <= 5) digital_inputs_[input] = high;
}

bool SimulatedBoard::DigitalInput(int input) const {
  return input >= 1 && input <= 5 && digital_inputs_[input];
}

bool SimulatedBoard::DigitalOutput(int channel) const {
  return ValidDigitalOut(channel) && digital_outputs_[channel];
}

uint8_t SimulatedBoard::AnalogOutput(int channel) const {
  return (channel == 1 || channel == 2) ? analog_outputs_[channel] : 0;
}

}  // namespace tessaro
