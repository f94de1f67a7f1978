// What went wrong with a file, in words a student or teacher can act on: which file, and
// why ("de schijf is vol", "geen toegang"). Every file error the trainer shows — save,
// load, export, chart picture, logbook — is worded here.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace tessaro {

// The cause of system error `err`, in Dutch, without a full stop ("de schijf is vol").
std::string FileErrorCause(int err);

// Why a file of type `mode` (from stat) is no regular file: "het is een map", "het is een
// FIFO", ...; empty for a regular file.
std::string NotRegularFileCause(mode_t mode);

// "Kan FILE niet VERB: CAUSE." for system error `err`; `verb` is "opslaan", "inlezen",
// "schrijven", ...
std::string FileErrorText(std::string_view verb, std::string_view file, int err);

// As FileErrorText, with a cause of the caller's.
std::string FileErrorText(std::string_view verb, std::string_view file, std::string_view cause);

}  // namespace tessaro
