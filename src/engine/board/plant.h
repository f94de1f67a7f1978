// Simulated processes wired to the simulated board, so that the trainer has something to
// control without hardware. A plant reads the board's outputs (what the program last wrote)
// and writes the board's inputs (multiplexer inputs and digital inputs) once per Step.
//
// Every plant advances in fixed sub-steps of 50 ms of simulated time, whatever step the
// caller uses: time that does not fill a whole sub-step is kept for the next call, so four
// steps of 250 ms, one of 1 s and a hundred of 10 ms all give the same result. Each plant
// maps its measured value, in engineering units from 0 to 100, onto the input byte as
// value x 2.55 rounded (ties to even), so that a range of 0..100 on the trainer shows the
// value itself; the oven maps its span of 20..250 °C the same way.
//
// The plants, the channels each reads and drives, and the words that choose them are listed
// once, in PlantTypes(); their models are in plant_models.h, described in docs/plants.md.
//
// Any plant can add measurement noise to what it reads (see SetNoise).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/board/simulated_board.h"

namespace tessaro {

// One state variable of a plant for display: "temp", 41.25, "°C".
struct PlantReading {
  std::string name;
  double value = 0;
  std::string unit;
};

class Plant {
 public:
  // Length of one internal step, and the most simulated time a single Step advances (a
  // longer call advances this much, so that a stray huge step cannot stall the caller).
  static constexpr double kSubStepSeconds = 0.05;
  static constexpr double kMaxStepSeconds = 3600;

  virtual ~Plant() = default;

  // Reads the board's outputs, advances the process by `dt_seconds` and writes the
  // board's inputs. A step of zero only writes the inputs; a negative or non-finite step
  // counts as zero.
  virtual void Step(SimulatedBoard& board, double dt_seconds) = 0;

  // Lower-case name, as MakePlant accepts it.
  virtual std::string Name() const = 0;

  // The state variables worth showing, in a fixed order.
  virtual std::vector<PlantReading> Readings() const = 0;

  // One line: "plant heater temp=41.25 power=50.2 fan=0"; values rounded to two decimals
  // and written in their shortest form.
  virtual std::string StateText() const;

  // Measurement noise on the values the plant reads: Gaussian, of the plant's own standard
  // deviation, drawn anew every sub-step from a generator started at `seed`, so that the
  // same script gives the same readings. Off (the start) adds nothing and draws nothing.
  void SetNoise(bool on, uint32_t seed);
  bool Noisy() const { return noise_on_; }
  // The standard deviation of the noise, in the measured value's units.
  virtual double NoiseSigma() const { return 0; }

 protected:
  // Adds the step to the time not yet simulated and takes the whole sub-steps out of it.
  int TakeSubSteps(double dt_seconds);

  // A value of 0..100 (clamped) as an input byte: value x 2.55, rounded, ties to even.
  static uint8_t InputByte(double value);

  // A measured value as the sensor reads it: with the present noise sample when noise is on.
  double Measured(double value, int sample = 0) const;

 private:
  void DrawNoise(int64_t sub_steps);

  int64_t pending_us_ = 0;  // simulated time owed, always below one sub-step
  bool noise_on_ = false;
  std::mt19937 noise_rng_;
  std::array<double, 2> noise_{};  // one sample per measured value, at most two
};

// A simulated process as the lab offers it: its name, the words that choose it, the board
// channels it reads and drives, and how to make one. Every process has one entry in
// PlantTypes(); the lab, the board panel and tessaro-sim know the processes only from there.
struct PlantType {
  std::string_view name;  // lower case, as scripts and MakePlant take it
  // The name a window shows. The Dutch words stay here untranslated; the windows translate
  // them where they show them, through the context "Process".
  const char* display;
  unsigned reads_analog;    // bit n: analog output n
  unsigned reads_digital;   // bit n: digital output n
  unsigned drives_analog;   // bit n: multiplexer input n
  unsigned drives_digital;  // bit n: digital input n
  std::unique_ptr<Plant> (*make)();
};

// Every process, in the order they are offered; "none" first.
std::span<const PlantType> PlantTypes();

// The entry named `name` (exact, lower case); null for any other name.
const PlantType* FindPlantType(std::string_view name);

// The channels of a process as a panel names them: "A1uit, D1uit → A1in"; "" for none.
std::string PlantChannels(const PlantType& type);

// A fresh plant named `name`; null for a name PlantTypes() does not list.
std::unique_ptr<Plant> MakePlant(std::string_view name);

// The names MakePlant accepts, in the order they are offered.
const std::vector<std::string_view>& PlantNames();

}  // namespace tessaro
