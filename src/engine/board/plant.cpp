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

const PlantType* FindPlantType(std::string_view name) {
  for (const PlantType& type : PlantTypes()) {
    if (type.name == name) return &type;
  }
  return nullptr;
}

std::string PlantChannels(const PlantType& type) {
  const auto list = [](std::string& text, unsigned bits, const char* prefix, const char* suffix) {
    for (int n = 1; n < 32; ++n) {
      if ((bits & (1u << n)) == 0) continue;
      if (!text.empty()) text += ", ";
      text += prefix + std::to_string(n) + suffix;
    }
  };
  std::string reads, drives;
  list(reads, type.reads_analog, "A", "uit");
  list(reads, type.reads_digital, "D", "uit");
  list(drives, type.drives_analog, "A", "in");
  list(drives, type.drives_digital, "D", "in");
  if (reads.empty() && drives.empty()) return "";
  return reads + " \u2192 " + drives;
}

const std::vector<std::string_view>& PlantNames() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> list;
    for (const PlantType& type : PlantTypes()) list.push_back(type.name);
    return list;
  }();
  return names;
}

std::unique_ptr<Plant> MakePlant(std::string_view name) {
  const PlantType* type = FindPlantType(name);
  return type == nullptr ? nullptr : type->make();
}

}  // namespace tessaro
