#include "engine/core/board_connection.h"

#include <string>

#include "engine/board/board.h"
#include "engine/core/messages.h"
#include "engine/core/process_image.h"
#include "engine/core/screen_view.h"

namespace tessaro {

namespace {

struct MuxStep {
  int first_input;  // AnalogIn index read from board channel 1; channel 2 gives the next
  int select_line;  // digital output switched after the reads
  bool select_on;
};

// Select states (output 7, output 8) run off/off, on/off, on/on, off/on: one line changes
// per step.
constexpr MuxStep kMuxSteps[] = {
    {0, 0, false},  // (no phase 0)
    {1, 7, true},  {3, 8, true}, {5, 7, false}, {7, 8, false},
};

}  // namespace

void KaartLezenClick(ProcessImage& image, Board& board, Messages& messages, ScreenView& view) {
  image.CardAddress = image.AddressBox;
  const Phrase address = Word(std::to_string(image.CardAddress));
  if (board.OpenDevice(image.CardAddress) == image.CardAddress) {
    messages.Information(messages.Render(Phrase{TextId::kBoardFound, {address}}));
    view.AddressBoxHidden();
  } else {
    // The first line stays as it always was; the lines below it say what the bus shows.
    Message text{Phrase{TextId::kNoBoardFound, {address}}};
    for (Phrase& reason : board.NoBoardReason(image.CardAddress)) text.push_back(std::move(reason));
    messages.Information(messages.Render(text));
  }
}

void SWklok(ProcessImage& image, Board& board) {
  // Phase 0 (the first tick after start) reads and switches nothing.
  if (image.MuxPhase >= 1 && image.MuxPhase <= 4) {
    const MuxStep& step = kMuxSteps[image.MuxPhase];
    image.AnalogIn[step.first_input] = static_cast<uint8_t>(board.ReadAnalogChannel(1) & 0xFF);
    image.AnalogIn[step.first_input + 1] = static_cast<uint8_t>(board.ReadAnalogChannel(2) & 0xFF);
    if (step.select_on) {
      board.SetDigitalChannel(step.select_line);
    } else {
      board.ClearDigitalChannel(step.select_line);
    }
  }
  if (++image.MuxPhase > 4) image.MuxPhase = 1;
}

}  // namespace tessaro
