// What went wrong with a file, in words a student or teacher can act on: which file, and
// why ("de schijf is vol", "geen toegang"). Every file error the trainer shows — save,
// load, export, chart picture, logbook — is worded here.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/core/texts.h"

namespace tessaro {

// The cause of system error `err`, without a full stop ("de schijf is vol").
Phrase FileCause(int err);

// `path` and the cause of system error `err`: "Velden: geen toegang".
Phrase PathCause(const std::filesystem::path& path, int err);

// Why a file of type `mode` (from stat) is no regular file: "het is een map", "het is een
// FIFO", ...; nothing for a regular file.
std::optional<Phrase> NotRegularFileCause(mode_t mode);

// What was done with the file when it failed: each is a sentence of its own ("Kan FILE niet
// opslaan: CAUSE.").
enum class FileVerb { kSave, kLoad, kWrite };
Phrase FileError(FileVerb verb, std::string_view file, Phrase cause);

// The same in the program's own words; `verb` is "opslaan", "inlezen" or "schrijven".
std::string FileErrorText(std::string_view verb, std::string_view file, int err);

// As FileErrorText, with a cause of the caller's.
std::string FileErrorText(std::string_view verb, std::string_view file, std::string_view cause);

}  // namespace tessaro
