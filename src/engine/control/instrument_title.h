// The captions of the instrument windows: the name given when the block was placed, and
// before that the caption each window starts with.
#pragma once

#include <string>

#include "engine/core/texts.h"

namespace tessaro {

struct InstrumentTables;

// The name of the instrument of range slot `slot` (recorders 1..8, controllers 9..17): the
// name given once its block has been placed, else `before_placement`.
std::string InstrumentName(const InstrumentTables& image, int slot,
                           const std::string& before_placement);

// The caption of that instrument's window: its name, and while it logs, the log's file name
// ("Temp — logboek lab.csv").
Phrase InstrumentCaptionText(const InstrumentTables& image, int slot,
                             const Phrase& before_placement);
// The same in the program's own words.
std::string InstrumentCaption(const InstrumentTables& image, int slot,
                              const std::string& before_placement);

// A recorder window's caption until its block is placed: "Form7" for recorder 1 up to
// "Form14" for recorder 8.
std::string RecorderStartCaption(int n);

}  // namespace tessaro
