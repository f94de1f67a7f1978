// The simulated board as a lab bench: the board whose inputs the user works by hand, with
// one of the simulated processes wired to it. The plant decides the inputs it is wired to;
// the others are left to the hand (a panel's switches and sliders, or a script).
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "engine/board/plant.h"
#include "engine/board/simulated_board.h"

namespace tessaro {

class Lab {
 public:
  // Starts without a process ("none"). The board must outlive the lab.
  explicit Lab(SimulatedBoard& board);

  SimulatedBoard& board() { return board_; }
  const SimulatedBoard& board() const { return board_; }

  // Wires plant `name` (one of PlantNames()), fresh from its start state, and lets it put
  // its values on its inputs at once. Any other name changes nothing: false.
  // The inputs the old plant drove keep their last values, now free for the hand.
  bool SetPlant(std::string_view name);
  const Plant& plant() const { return *plant_; }
  // Whether a process drives any input (false for "none").
  bool ProcessWired() const { return driven_analog_ != 0 || driven_digital_ != 0; }

  // Measurement noise on the process's readings, from a generator started at `seed`; a
  // process wired later starts with the same choice and seed.
  void SetNoise(bool on, uint32_t seed = 1);
  bool Noise() const { return noise_; }

  // Lets the process run for `seconds` of its own time.
  void Advance(double seconds);

  // Whether the plant writes multiplexer input n (1..8) or digital input n (1..5).
  bool DrivesAnalogInput(int n) const;
  bool DrivesDigitalInput(int n) const;

  // An input set by hand. An input the plant drives keeps the plant's value: false.
  bool SetAnalogInput(int n, uint8_t value);
  bool SetDigitalInput(int n, bool high);

  // The first of the two multiplexer inputs (1, 3, 5 or 7) that the select lines, digital
  // outputs 7 and 8, put on the board's two analog inputs now.
  int SelectedPair() const { return board_.SelectedMuxInput(1); }

  // Analog output 1 or 2 as the voltage on the board's terminal: 0..255 is 0..5 V.
  double AnalogOutputVolts(int channel) const;

 private:
  SimulatedBoard& board_;
  std::unique_ptr<Plant> plant_;
  unsigned driven_analog_ = 0;   // bit n: multiplexer input n
  unsigned driven_digital_ = 0;  // bit n: digital input n
  bool noise_ = false;
  uint32_t seed_ = 1;
};

}  // namespace tessaro
