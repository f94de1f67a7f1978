// The scan: one tick of the 250 ms timer runs one of four phases; four ticks make one scan
// cycle, in which every block runs once.
#pragma once

namespace tessaro {

class Board;
class ScreenView;
struct ProcessImage;

// The scan timer's tick.
//   1: sine step, analog inputs 1-2, input stage, wires top to bottom
//   2: analog inputs 3-4, wires bottom to top
//   3: recorder phase, analog inputs 5-6, block pass
//   4: analog inputs 7-8, wires top to bottom, parameter captions, output stage,
//      wire captions while the grid window is open
void schakelblok(ProcessImage& image, Board& board, ScreenView& view);

}  // namespace tessaro
