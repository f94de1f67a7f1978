#include "engine/board/plant.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/board/plant_models.h"
#include "engine/core/numbers.h"

namespace tessaro {

namespace {

constexpr int64_t kSubStepUs = 50'000;
static_assert(kSubStepUs == static_cast<int64_t>(Plant::kSubStepSeconds * 1e6 + 0.5));

// Rounded to two decimals, in the fewest digits that give that number back.
std::string ShortNumber(double value) {
  const double rounded =
      static_cast<double>(RoundEven(static_cast<long double>(value) * 100)) / 100;
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, rounded);
  return std::string(buf, res.ptr);
}

}  // namespace

std::string Plant::StateText() const {
  std::string text = "plant " + Name();
  for (const PlantReading& r : Readings()) text += " " + r.name + "=" + ShortNumber(r.value);
  return text;
}

int Plant::TakeSubSteps(double dt_seconds) {
  if (!std::isfinite(dt_seconds) || dt_seconds <= 0) return 0;
  dt_seconds = std::min(dt_seconds, kMaxStepSeconds);
  pending_us_ += std::llround(dt_seconds * 1e6);
  const int64_t steps = pending_us_ / kSubStepUs;
  pending_us_ %= kSubStepUs;
  if (noise_on_) DrawNoise(steps);
  return static_cast<int>(steps);
}

void Plant::SetNoise(bool on, uint32_t seed) {
  noise_on_ = on;
  noise_rng_.seed(seed);
  noise_ = {};
  if (on) DrawNoise(1);
}

// Box-Muller on the generator's own numbers: std::normal_distribution differs between
// standard libraries, and a script must read the same on every machine.
void Plant::DrawNoise(int64_t sub_steps) {
  constexpr double kTwoPi = 6.283185307179586;
  auto uniform = [this] { return (static_cast<double>(noise_rng_()) + 0.5) / 4294967296.0; };
  for (int64_t i = 0; i < sub_steps; ++i) {
    const double radius = std::sqrt(-2 * std::log(uniform()));
    const double angle = kTwoPi * uniform();
    noise_ = {radius * std::cos(angle), radius * std::sin(angle)};
  }
}

double Plant::Measured(double value, int sample) const {
  if (!noise_on_) return value;
  return value + NoiseSigma() * noise_[static_cast<size_t>(sample)];
}

uint8_t Plant::InputByte(double value) {
  if (!(value > 0)) return 0;  // also NaN
  return RoundToByte(PercentToSignal(std::min(value, 100.0)));
}

const std::array<std::string_view, 6>& PlantNames() {
  static constexpr std::array<std::string_view, 6> kNames = {"none",  "heater",    "tank",
                                                             "valve", "labheater", "twotanks"};
  return kNames;
}

std::unique_ptr<Plant> MakePlant(std::string_view name) {
  if (name == "none") return std::make_unique<NonePlant>();
  if (name == "heater") return std::make_unique<HeaterPlant>();
  if (name == "tank") return std::make_unique<TankPlant>();
  if (name == "valve") return std::make_unique<MotorValvePlant>();
  if (name == "labheater") return std::make_unique<LabHeaterPlant>();
  if (name == "twotanks") return std::make_unique<TwoTankPlant>();
  return nullptr;
}

}  // namespace tessaro
