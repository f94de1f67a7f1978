// Pieces shared by the faceplates of all three controller kinds and the recorders.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tessaro {

constexpr int kTrendLength = 400;     // faceplate trend samples, one per scan cycle
constexpr int kRecorderLength = 480;  // recorder samples, one per four scan cycles

// Faceplate trend history: twice the percentage, rounded; element 0 is the newest.
using Trend = std::array<uint16_t, kTrendLength>;
// Recorder history of signal bytes; element 0 is the newest.
using RecorderTrend = std::array<uint8_t, kRecorderLength>;

// When the samples of a history were taken, on the clock of whoever runs the scan (the wall
// clock in the program, the script's clock in tessaro-sim), and what the instrument put out
// then. A ring, so that a sample costs no shifting; `taken` counts every sample ever taken.
template <size_t N>
struct SampleRecord {
  std::array<int64_t, N> clock_ms{};
  std::array<uint8_t, N> output{};       // the field's right edge after the sample
  std::array<uint8_t, N> output_down{};  // and its lower edge (a step controller's close pulse)
  uint64_t taken = 0;

  void Push(int64_t ms, uint8_t out = 0, uint8_t out_down = 0) {
    const size_t at = static_cast<size_t>(taken % N);
    clock_ms[at] = ms;
    output[at] = out;
    output_down[at] = out_down;
    ++taken;
  }
  // How many of the history's samples have really been taken (all N once it is full).
  size_t Held() const { return static_cast<size_t>(std::min<uint64_t>(taken, N)); }
  // Ring position of sample i, 0 the newest; i < Held().
  size_t At(size_t i) const { return static_cast<size_t>((taken - 1 - i) % N); }
};

using RecorderRecord = SampleRecord<kRecorderLength>;

// A controller's samples also keep the percentages it computed (process value, setpoint and
// output) as its tags show them; its trend picture holds them only to half a percent.
struct TrendRecord : SampleRecord<kTrendLength> {
  std::array<double, kTrendLength> pv{};
  std::array<double, kTrendLength> sp{};
  std::array<double, kTrendLength> out{};

  void Push(int64_t ms, uint8_t out_right, uint8_t out_down, double pv_percent,
            double sp_percent, double out_percent) {
    const size_t at = static_cast<size_t>(taken % kTrendLength);
    pv[at] = pv_percent;
    sp[at] = sp_percent;
    out[at] = out_percent;
    SampleRecord::Push(ms, out_right, out_down);
  }
};

// A sliding value tag of a faceplate: its top in pixels, its text, and whether it shows.
struct Tag {
  int top = 0;
  std::string text;
  bool visible = true;
};

}  // namespace tessaro
