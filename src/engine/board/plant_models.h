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

  static constexpr double kNoise = 0.05;       // °C, standard deviation

  void Step(SimulatedBoard& board, double dt_seconds) override;
  std::string Name() const override { return "heater"; }
  std::vector<PlantReading> Readings() const override;
  double NoiseSigma() const override { return kNoise; }

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

  static constexpr double kNoise = 0.1;      // %, standard deviation (a rippling surface)

  void Step(SimulatedBoard& board, double dt_seconds) override;
  std::string Name() const override { return "tank"; }
  std::vector<PlantReading> Readings() const override;
  double NoiseSigma() const override { return kNoise; }

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

  static constexpr double kNoise = 0.2;      // l/min, standard deviation

  void Step(SimulatedBoard& board, double dt_seconds) override;
  std::string Name() const override { return "valve"; }
  std::vector<PlantReading> Readings() const override;
  double NoiseSigma() const override { return kNoise; }

  double Position() const { return position_; }
  double Flow() const { return flow_; }

 private:
  double position_ = 0;  // %
  double flow_ = 0;      // l/min
  bool open_ = false;
  bool close_ = false;
};

// The heated block of a teaching laboratory: the same channels as HeaterPlant, with the
// behaviour such a bench shows.
//   analog out 1   heater power, 0..100 %
//   digital out 1  fan on (convection losses x kFanConvection)
//   analog in 1    sensor temperature, 0..100 °C
// The block loses heat by convection and radiation, so the more it is heated the less each
// further percent of power lifts it; the sensor sits in the block behind a lag of its own,
// with a short delay from element to sensor:
//   C dT/dt = P(t - dead) - convection x (T - ambient) - radiation x (T^4 - ambient^4)  [K]
//   sensor_lag dTs/dt = T - Ts
// From ambient the gain is 0.9 °C per %, near 80 °C 0.7 °C per %; the time constant C x gain
// runs from about 170 s cold to 130 s hot. The block starts at ambient temperature.
class LabHeaterPlant : public Plant {
 public:
  static constexpr double kAmbient = 20;            // °C
  static constexpr double kHeatCapacity = 187.5;    // % s per °C: 150 s at 0.8 °C per %
  static constexpr double kConvection = 0.65684;    // % per °C
  static constexpr double kRadiation = 4.3849e-9;  // % per K^4
  static constexpr double kFanConvection = 1.5;
  static constexpr double kSensorLag = 12;          // s
  static constexpr double kDeadTime = 2;            // s
  static constexpr double kNoise = 0.05;            // °C, standard deviation

  void Step(SimulatedBoard& board, double dt_seconds) override;
  std::string Name() const override { return "labheater"; }
  std::vector<PlantReading> Readings() const override;
  double NoiseSigma() const override { return kNoise; }

  double Temperature() const { return sensor_; }
  double BlockTemperature() const { return block_; }
  // The heat the block loses at temperature t, in % of full heater power.
  static double HeatLoss(double t, bool fan);

 private:
  static constexpr int kDelaySlots = static_cast<int>(kDeadTime / kSubStepSeconds + 0.5);

  double block_ = kAmbient;
  double sensor_ = kAmbient;
  double power_ = 0;
  bool fan_ = false;
  std::array<double, kDelaySlots> delay_{};
  int next_ = 0;
};

// Two open tanks one above the other: the inlet valve fills the upper tank, whose outlet
// runs into the lower one, which drains at its foot.
//   analog out 2   inlet valve opening, 0..100 % (inflow kMaxInflow x opening)
//   digital out 2  drain pump on the lower tank (a disturbance)
//   analog in 2    level of the lower tank, 0..100 %
//   analog in 4    level of the upper tank, 0..100 %
//   digital in 1   high-level switch of the lower tank (kHighSwitch)
//   digital in 2   low-level switch of the lower tank (kLowSwitch)
// Each tank: area x dL/dt = inflow - outflow coefficient x sqrt(L); the lower tank follows
// the upper one with a lag of its own, so the valve reaches the lower level through two
// lags in series. Both start empty; above 100 % a tank overflows.
class TwoTankPlant : public Plant {
 public:
  static constexpr double kMaxInflow = 1.0;         // l/s
  static constexpr double kUpperArea = 0.5;         // l per %
  static constexpr double kUpperOutflow = 0.1;      // l/s per sqrt(%)
  static constexpr double kLowerArea = 0.5;         // l per %
  static constexpr double kLowerOutflow = 0.08;     // l/s per sqrt(%)
  static constexpr double kPumpFlow = 0.3;          // l/s
  static constexpr double kHighSwitch = 90;         // %
  static constexpr double kLowSwitch = 10;          // %
  static constexpr double kNoise = 0.1;             // %, standard deviation

  void Step(SimulatedBoard& board, double dt_seconds) override;
  std::string Name() const override { return "twotanks"; }
  std::vector<PlantReading> Readings() const override;
  double NoiseSigma() const override { return kNoise; }

  double UpperLevel() const { return upper_; }
  double LowerLevel() const { return lower_; }

 private:
  double upper_ = 0;  // %
  double lower_ = 0;  // %
  double valve_ = 0;  // %
  bool pump_ = false;
};

// An electric oven: its temperature follows the heater's power through a single lag.
//   analog out 2   heater power, 0..100 %
//   analog in 4    temperature, 20..250 °C (byte = (T - 20) / 230 x 255; cold reads 0)
//   tau dT/dt = ambient + (hottest - ambient) x P / 100 - T
// The oven starts at ambient temperature.
class OvenPlant : public Plant {
 public:
  static constexpr double kAmbient = 20;        // °C
  static constexpr double kHottest = 250;       // °C at full power
  static constexpr double kTimeConstant = 300;  // s
  static constexpr double kNoise = 0.2;         // °C, standard deviation

  void Step(SimulatedBoard& board, double dt_seconds) override;
  std::string Name() const override { return "oven"; }
  std::vector<PlantReading> Readings() const override;
  double NoiseSigma() const override { return kNoise; }

  double Temperature() const { return temperature_; }

 private:
  double temperature_ = kAmbient;
  double power_ = 0;  // % as last read
};

}  // namespace tessaro
