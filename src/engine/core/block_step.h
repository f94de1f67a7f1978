// The block step of the scan's processing pass: one field of columns 2..6, dispatched on
// its decoded key to an instrument, a function block or a switching/time block.
#pragma once

#include <cstdint>
#include <string>

#include "engine/core/block_code.h"

namespace tessaro {

class ScreenView;
struct ProcessImage;

void BlockStep(ProcessImage& image, ScreenView& view, int r, int c, BlockCode code);

// Recorder n (1..8) or controller n (1..9) in field (r, c); acts only while its
// operator-screen label is shown.
void InstrumentStep(ProcessImage& image, ScreenView& view, int r, int c, BlockCode code);

// Range slot of an instrument: recorders 1..8, controllers 9..17.
int InstrumentSlot(BlockCode code);

// The label text of an instrument's value v on range slot `slot`: the engineering value
// with one decimal, a blank and the unit.
std::string InstrumentLabel(const ProcessImage& image, int slot, uint8_t v);

}  // namespace tessaro
