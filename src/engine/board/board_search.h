// Why "Kaart" found no board: what a look at the bus shows, in the user's words.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/board/usb_board.h"
#include "engine/core/texts.h"

namespace tessaro {

// One sentence per finding: no board of this kind at all, boards at other addresses, boards
// the user may not open, boards another program holds, and a board at `address` that does
// not answer.
Message NoBoardFindings(int32_t address, const std::vector<FoundBoard>& found);

// "open", "busy" or "denied".
const char* AccessName(FoundBoard::Access access);

}  // namespace tessaro
