#include "engine/board/lab.h"

namespace tessaro {

namespace {

constexpr unsigned Bit(int n) { return 1u << n; }

// The inputs each plant writes (see plant_models.h), as bit n for input n.
struct Wiring {
  std::string_view plant;
  unsigned analog;
  unsigned digital;
};

constexpr Wiring kWirings[] = {
    {"heater", Bit(1), 0},
    {"tank", Bit(2), Bit(1) | Bit(2)},
    {"valve", Bit(3), 0},
    {"labheater", Bit(1), 0},
    {"twotanks", Bit(2) | Bit(4), Bit(1) | Bit(2)},
};

}  // namespace

Lab::Lab(SimulatedBoard& board) : board_(board), plant_(MakePlant("none")) {}

bool Lab::SetPlant(std::string_view name) {
  std::unique_ptr<Plant> plant = MakePlant(name);
  if (!plant) return false;
  plant_ = std::move(plant);
  driven_analog_ = 0;
  driven_digital_ = 0;
  for (const Wiring& wiring : kWirings) {
    if (wiring.plant != name) continue;
    driven_analog_ = wiring.analog;
    driven_digital_ = wiring.digital;
  }
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
