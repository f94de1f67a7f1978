#include "engine/board/lab.h"

namespace tessaro {

namespace {

constexpr unsigned Bit(int n) { return 1u << n; }

}  // namespace

// The first process of the table is none at all.
Lab::Lab(SimulatedBoard& board) : board_(board), plant_(PlantTypes().front().make()) {}

bool Lab::SetPlant(std::string_view name) {
  const PlantType* type = FindPlantType(name);
  if (type == nullptr) return false;
  plant_ = type->make();
  driven_analog_ = type->drives_analog;
  driven_digital_ = type->drives_digital;
  plant_->SetNoise(noise_, seed_);
  plant_->Step(board_, 0);
  return true;
}

void Lab::SetNoise(bool on, uint32_t seed) {
  noise_ = on;
  seed_ = seed;
  plant_->SetNoise(on, seed);
  plant_->Step(board_, 0);
}

void Lab::Advance(double seconds) { plant_->Step(board_, seconds); }

bool Lab::DrivesAnalogInput(int n) const {
  return n >= 1 && n <= 8 && (driven_analog_ & Bit(n)) != 0;
}

bool Lab::DrivesDigitalInput(int n) const {
  return n >= 1 && n <= 5 && (driven_digital_ & Bit(n)) != 0;
}

bool Lab::SetAnalogInput(int n, uint8_t value) {
  if (n < 1 || n > 8 || DrivesAnalogInput(n)) return false;
  board_.SetMuxInput(n, value);
  return true;
}

bool Lab::SetDigitalInput(int n, bool high) {
  if (n < 1 || n > 5 || DrivesDigitalInput(n)) return false;
  board_.SetDigitalInput(n, high);
  return true;
}

double Lab::AnalogOutputVolts(int channel) const {
  return board_.AnalogOutput(channel) * 5.0 / 255;
}

}  // namespace tessaro
