// The simulated processes. Analog input n of the trainer is multiplexer input n of the
// board, so a plant that writes multiplexer input n is read by "An" + "in" whichever select
// state the multiplex timer is in. Output bytes are read as percent (byte / 2.55).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/board/plant.h"

namespace tessaro {

// Nothing is simulated: the inputs keep whatever a panel or a script puts on them.
class NonePlant : public Plant {
 public:
  void Step(SimulatedBoard&, double) override {}
  std::string Name() const override { return "none"; }
  std::vector<PlantReading> Readings() const override { return {}; }
};

// An electrically heated block with a fan.
//   analog out 1   heater power, 0..100 %
//   digital out 1  fan on (a disturbance: the block loses heat faster)
//   analog in 1    temperature, 0..100 °C (byte = °C x 2.55; ambient 20 °C reads 51)
// The heater's power reaches the sensor after a dead time; from there the temperature
// follows a first-order lag towards ambient + gain x power. The fan multiplies the heat
// loss, which lowers the end temperature and shortens the lag by the same factor:
//   tau dT/dt = gain x P(t - dead) - loss x (T - ambient), loss = 1, or kFanLoss with fan.
// The block starts at ambient temperature.
class HeaterPlant : public Plant {
 public:
  static constexpr double kAmbient = 20;       // °C
  static constexpr double kGain = 0.8;         // °C per % power: 100 °C at full power
  static constexpr double kTimeConstant = 60;  // s
  static constexpr double kDeadTime = 5;       // s
  static constexpr double kFanLoss = 1.5;      // heat loss factor while the fan runs

  void Step(SimulatedBoard& board, double dt_seconds) override;
  std::string Name() const override { return "heater"; }
  std::vector<PlantReading> Readings() const override;

  double Temperature() const { return temperature_; }

 private:
  static constexpr int kDelaySlots = static_cast<int>(kDeadTime / kSubStepSeconds + 0.5);

  double temperature_ = kAmbient;
  double power_ = 0;  // % as last read
  bool fan_ = false;
  // Power of the last kDelaySlots sub-steps; next_ holds the oldest, the one that
  // reaches the sensor now.
  std::array<double, kDelaySlots> delay_{};
  int next_ = 0;
};

// An open tank filled through a valve, draining through an outlet at its foot.
//   analog out 2   inlet valve opening, 0..100 % (inflow = kMaxInflow x opening)
//   digital out 2  drain pump on (a disturbance: takes kPumpFlow out while there is water)
//   analog in 2    level, 0..100 % (byte = % x 2.55)
//   digital in 1   high-level switch: high while the level is at or above kHighSwitch
//   digital in 2   low-level switch: high while the level is at or below kLowSwitch
// One percent of level holds one litre. The outlet gives kOutflowCoefficient x sqrt(level)
// litres per second, so a steady inflow q settles at level (q / kOutflowCoefficient)^2.
// Above 100 % the tank overflows; the tank starts empty.
class TankPlant : public Plant {
 public:
  static constexpr double kMaxInflow = 1.0;            // l/s with the valve fully open
  static constexpr double kOutflowCoefficient = 0.08;  // l/s per sqrt(% level)
  static constexpr double kPumpFlow = 0.3;             // l/s
  static constexpr double kLitresPerPercent = 1.0;
  static constexpr double kHighSwitch = 90;  // %
  static constexpr double kLowSwitch = 10;   // %

  void Step(SimulatedBoard& board, double dt_seconds) override;
  std::string Name() const override { return "tank"; }
  std::vector<PlantReading> Readings() const override;

  double Level() const { return level_; }

 private:
  double Outflow() const;

  double level_ = 0;  // %
  double valve_ = 0;  // % as last read
  bool pump_ = false;
};

// A motor-driven valve in a pipe, moved by the open and close pulses of a step controller.
//   digital out 3  open: the motor opens the valve at kTravelRate while the output is on
//   digital out 4  close: the motor closes it at kTravelRate while the output is on
//                  (both on: the motor's interlock keeps it still)
//   analog in 3    flow, 0..100 l/min (byte = l/min x 2.55)
// The flow follows the valve position (linear: kMaxFlow when fully open) with a
// first-order lag. The valve starts closed.
class MotorValvePlant : public Plant {
 public:
  static constexpr double kTravelRate = 5;  // % per second of pulse
  static constexpr double kMaxFlow = 100;   // l/min
  static constexpr double kFlowLag = 4;     // s

  void Step(SimulatedBoard& board, double dt_seconds) override;
  std::string Name() const override { return "valve"; }
  std::vector<PlantReading> Readings() const override;

  double Position() const { return position_; }
  double Flow() const { return flow_; }

 private:
  double position_ = 0;  // %
  double flow_ = 0;      // l/min
  bool open_ = false;
  bool close_ = false;
};

}  // namespace tessaro
