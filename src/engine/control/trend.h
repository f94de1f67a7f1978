// Pieces shared by the faceplates of all three controller kinds and the recorders.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tessaro {

constexpr int kTrendLength = 400;     // faceplate trend samples, one per scan cycle
constexpr int kRecorderLength = 480;  // recorder samples, one per four scan cycles

// Faceplate trend history: twice the percentage, rounded; element 0 is the newest.
using Trend = std::array<uint16_t, kTrendLength>;
// Recorder history of signal bytes; element 0 is the newest.
using RecorderTrend = std::array<uint8_t, kRecorderLength>;

// A sliding value tag of a faceplate: its top in pixels, its text, and whether it shows.
struct Tag {
  int top = 0;
  std::string text;
  bool visible = true;
};

}  // namespace tessaro
