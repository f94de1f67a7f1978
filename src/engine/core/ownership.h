// Whether a file or folder is the user's own, so that what is in it can be trusted: code to
// load, a folder to write into. Someone else's file, or one that others may change, could
// hold anything by the time it is used.
#pragma once

#include <filesystem>
#include <optional>

#include "engine/core/texts.h"

namespace tessaro {

// Why `path` itself (a link is not followed) is not the user's own, in words that name it;
// nothing when it is. Owned by the user or by root it must be, and, unless it is a link, not
// writable by others nor by a group other than the user's own private group.
std::optional<Phrase> NotOwnCause(const std::filesystem::path& path);

// As NotOwnCause for `path` and, when it is a link, for where the link leads: that file and
// the folder that holds it.
std::optional<Phrase> NotOwnCauseFollowed(const std::filesystem::path& path);

}  // namespace tessaro
