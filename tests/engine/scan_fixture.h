// A process image after start-up with a simulated board and a recording view, for the tests
// that drive the scan.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/board/simulated_board.h"
#include "engine/core/process_image.h"
#include "engine/core/scan.h"
#include "fakes.h"

namespace tessaro {

class ScanTest : public ::testing::Test {
 protected:
  ScanTest() { ApplyStartupDefaults(image); }

  void Put(int r, int c, const std::string& key) { image.FieldGrid[r][c] = key; }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) schakelblok(image, board, view);
  }
  void Cycles(int n) { Ticks(4 * n); }

  ProcessImage image;
  SimulatedBoard board;
  RecordingView view;
};

}  // namespace tessaro
