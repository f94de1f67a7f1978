#include "engine/board/plant_models.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "engine/core/numbers.h"
#include "engine/core/translation_mark.h"

namespace tessaro {

namespace {

constexpr double kH = Plant::kSubStepSeconds;

// Share of the remaining distance that a first-order lag covers in one sub-step, exact
// for an input that holds still during the sub-step.
double LagShare(double time_constant) { return -std::expm1(-kH / time_constant); }

const double kHeaterShare = LagShare(HeaterPlant::kTimeConstant);
const double kHeaterFanShare = LagShare(HeaterPlant::kTimeConstant / HeaterPlant::kFanLoss);
const double kFlowShare = LagShare(MotorValvePlant::kFlowLag);
const double kSensorShare = LagShare(LabHeaterPlant::kSensorLag);
const double kOvenShare = LagShare(OvenPlant::kTimeConstant);

double Kelvin4(double celsius) {
  const double k = celsius + 273.15;
  return k * k * k * k;
}

double OnOff(bool on) { return on ? 1 : 0; }

}  // namespace

void HeaterPlant::Step(SimulatedBoard& board, double dt_seconds) {
  power_ = BytePercent(board.AnalogOutput(1));
  fan_ = board.DigitalOutput(1);
  const double loss = fan_ ? kFanLoss : 1.0;
  const double share = fan_ ? kHeaterFanShare : kHeaterShare;
  for (int n = TakeSubSteps(dt_seconds); n > 0; --n) {
    const double arrived = delay_[static_cast<size_t>(next_)];
    delay_[static_cast<size_t>(next_)] = power_;
    if (++next_ == kDelaySlots) next_ = 0;
    const double target = kAmbient + kGain * arrived / loss;
    temperature_ += (target - temperature_) * share;
  }
  temperature_ = std::clamp(temperature_, kAmbient, kAmbient + kGain * 100);
  board.SetMuxInput(1, InputByte(Measured(temperature_)));
}

std::vector<PlantReading> HeaterPlant::Readings() const {
  return {{"temp", temperature_, "°C"}, {"power", power_, "%"}, {"fan", OnOff(fan_), ""}};
}

double TankPlant::Outflow() const { return kOutflowCoefficient * std::sqrt(level_); }

void TankPlant::Step(SimulatedBoard& board, double dt_seconds) {
  valve_ = BytePercent(board.AnalogOutput(2));
  pump_ = board.DigitalOutput(2);
  const double inflow = kMaxInflow * valve_ / 100;
  for (int n = TakeSubSteps(dt_seconds); n > 0; --n) {
    // The pump runs dry on an empty tank; what it would take below zero is not there.
    const double pumped = pump_ && level_ > 0 ? kPumpFlow : 0;
    level_ += (inflow - Outflow() - pumped) / kLitresPerPercent * kH;
    level_ = std::clamp(level_, 0.0, 100.0);  // above 100 % the tank overflows
  }
  board.SetMuxInput(2, InputByte(Measured(level_)));
  board.SetDigitalInput(1, level_ >= kHighSwitch);
  board.SetDigitalInput(2, level_ <= kLowSwitch);
}

std::vector<PlantReading> TankPlant::Readings() const {
  return {{"level", level_, "%"},
          {"valve", valve_, "%"},
          {"inflow", kMaxInflow * valve_ / 100, "l/s"},
          {"outlet", Outflow(), "l/s"},
          {"pump", OnOff(pump_), ""}};
}

void MotorValvePlant::Step(SimulatedBoard& board, double dt_seconds) {
  open_ = board.DigitalOutput(3);
  close_ = board.DigitalOutput(4);
  const double direction = open_ == close_ ? 0 : (open_ ? 1 : -1);
  for (int n = TakeSubSteps(dt_seconds); n > 0; --n) {
    // The valve moves during the sub-step, so the flow aims at where it is halfway.
    const double before = position_;
    position_ = std::clamp(position_ + direction * kTravelRate * kH, 0.0, 100.0);
    flow_ += (kMaxFlow * (before + position_) / 200 - flow_) * kFlowShare;
  }
  flow_ = std::clamp(flow_, 0.0, kMaxFlow);
  board.SetMuxInput(3, InputByte(Measured(flow_)));
}

std::vector<PlantReading> MotorValvePlant::Readings() const {
  return {{"position", position_, "%"},
          {"flow", flow_, "l/min"},
          {"open", OnOff(open_), ""},
          {"close", OnOff(close_), ""}};
}

double LabHeaterPlant::HeatLoss(double t, bool fan) {
  return kConvection * (fan ? kFanConvection : 1.0) * (t - kAmbient) +
         kRadiation * (Kelvin4(t) - Kelvin4(kAmbient));
}

void LabHeaterPlant::Step(SimulatedBoard& board, double dt_seconds) {
  power_ = BytePercent(board.AnalogOutput(1));
  fan_ = board.DigitalOutput(1);
  for (int n = TakeSubSteps(dt_seconds); n > 0; --n) {
    const double arrived = delay_[static_cast<size_t>(next_)];
    delay_[static_cast<size_t>(next_)] = power_;
    if (++next_ == kDelaySlots) next_ = 0;
    // The block's time constant stays above 100 s: a forward step of 50 ms is exact enough.
    block_ += (arrived - HeatLoss(block_, fan_)) / kHeatCapacity * kH;
    sensor_ += (block_ - sensor_) * kSensorShare;
  }
  board.SetMuxInput(1, InputByte(Measured(sensor_)));
}

std::vector<PlantReading> LabHeaterPlant::Readings() const {
  return {{"temp", sensor_, "°C"},
          {"block", block_, "°C"},
          {"power", power_, "%"},
          {"fan", OnOff(fan_), ""}};
}

void TwoTankPlant::Step(SimulatedBoard& board, double dt_seconds) {
  valve_ = BytePercent(board.AnalogOutput(2));
  pump_ = board.DigitalOutput(2);
  const double inflow = kMaxInflow * valve_ / 100;
  for (int n = TakeSubSteps(dt_seconds); n > 0; --n) {
    const double between = kUpperOutflow * std::sqrt(upper_);
    const double out = kLowerOutflow * std::sqrt(lower_) + (pump_ && lower_ > 0 ? kPumpFlow : 0);
    upper_ = std::clamp(upper_ + (inflow - between) / kUpperArea * kH, 0.0, 100.0);
    lower_ = std::clamp(lower_ + (between - out) / kLowerArea * kH, 0.0, 100.0);
  }
  board.SetMuxInput(2, InputByte(Measured(lower_, 0)));
  board.SetMuxInput(4, InputByte(Measured(upper_, 1)));
  board.SetDigitalInput(1, lower_ >= kHighSwitch);
  board.SetDigitalInput(2, lower_ <= kLowSwitch);
}

std::vector<PlantReading> TwoTankPlant::Readings() const {
  return {{"upper", upper_, "%"},
          {"lower", lower_, "%"},
          {"valve", valve_, "%"},
          {"pump", OnOff(pump_), ""}};
}

void OvenPlant::Step(SimulatedBoard& board, double dt_seconds) {
  power_ = BytePercent(board.AnalogOutput(2));
  const double target = kAmbient + (kHottest - kAmbient) * power_ / 100;
  for (int n = TakeSubSteps(dt_seconds); n > 0; --n) {
    temperature_ += (target - temperature_) * kOvenShare;
  }
  // The sensor's span, 20..250 °C, is the input's 0..255.
  const double span = (Measured(temperature_) - kAmbient) / (kHottest - kAmbient) * 100;
  board.SetMuxInput(4, InputByte(span));
}

std::vector<PlantReading> OvenPlant::Readings() const {
  return {{"temp", temperature_, "°C"}, {"power", power_, "%"}};
}

namespace {

constexpr unsigned Bit(int n) { return 1u << n; }

template <typename Model>
std::unique_ptr<Plant> Make() {
  return std::make_unique<Model>();
}

// The processes the lab offers, with the channels each reads and drives (see the models).
constexpr PlantType kPlantTypes[] = {
    {"none", TESSARO_TRANSLATE_NOOP("Process", "Geen proces"), 0, 0, 0, 0, Make<NonePlant>},
    {"heater", TESSARO_TRANSLATE_NOOP("Process", "Verwarming"), Bit(1), Bit(1), Bit(1), 0,
     Make<HeaterPlant>},
    {"tank", TESSARO_TRANSLATE_NOOP("Process", "Tank"), Bit(2), Bit(2), Bit(2), Bit(1) | Bit(2),
     Make<TankPlant>},
    {"valve", TESSARO_TRANSLATE_NOOP("Process", "Motorklep"), 0, Bit(3) | Bit(4), Bit(3), 0,
     Make<MotorValvePlant>},
    {"labheater", TESSARO_TRANSLATE_NOOP("Process", "Labverwarming"), Bit(1), Bit(1), Bit(1), 0,
     Make<LabHeaterPlant>},
    {"twotanks", TESSARO_TRANSLATE_NOOP("Process", "Twee tanks"), Bit(2), Bit(2), Bit(2) | Bit(4),
     Bit(1) | Bit(2), Make<TwoTankPlant>},
    {"oven", TESSARO_TRANSLATE_NOOP("Process", "Oven"), Bit(2), 0, Bit(4), 0, Make<OvenPlant>},
};

}  // namespace

std::span<const PlantType> PlantTypes() { return kPlantTypes; }

}  // namespace tessaro
