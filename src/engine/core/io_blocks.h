// The stages that move values without computing: the analog copy and the input stage,
// which put the values of column 1 into the grid, and the output stage, which hands the
// values arriving at column 7 to the board and to the lamps of the operator screen.
#pragma once

#include <cstdint>
#include <string>

#include "engine/screen/screen_items.h"

namespace tessaro {

class Board;
class ScreenView;
struct ProcessImage;

// Copies AnalogIn[n] into every column-1 row holding "A<n>in" and shows it on its value
// label. No such row: nothing changes.
void AnalogCopy(ProcessImage& image, ScreenView& view, int n);

// The input blocks of column 1: knobs, digital inputs (with their lamps), push buttons
// and the sine generator.
void InputStage(ProcessImage& image, Board& board, ScreenView& view);

// The output blocks of column 7: analog outputs on every cycle; digital outputs and their
// lamps only while the arriving value is 0 or 255.
void OutputStage(ProcessImage& image, Board& board, ScreenView& view);

// sin(step / 123) x 80 + 120, ties to even: swings between 40 and 200.
uint8_t SineValue(uint16_t step);

// Lamp pictures of digital input n (1..5) and digital output n (1..6).
const std::string& DigitalInputPicture(int n, bool high);
const std::string& DigitalOutputPicture(int n, bool high);

// The screen item of a numbered item of a kind (a table lookup; the scan asks often).
int ItemFor(ItemKind kind, int number);

}  // namespace tessaro
