// Connecting the board ("Kaart") and the multiplex timer that reads the eight analog
// inputs through the external 4-way multiplexer, selected by digital outputs 7 and 8.
#pragma once

namespace tessaro {

class Board;
class Messages;
class ScreenView;
struct ProcessImage;

// "Kaart": opens the board at the address box's address. On success the address box is
// hidden so that the address can no longer change; on failure the message gives, below its
// first line, what the board can tell about why.
void KaartLezenClick(ProcessImage& image, Board& board, Messages& messages, ScreenView& view);

// The multiplex timer's tick: reads one pair of analog inputs with the select state the
// previous tick left, then moves the select lines on by one step.
void SWklok(ProcessImage& image, Board& board);

}  // namespace tessaro
