// Writing a file whole or not at all. Every file the trainer writes over — the project, an
// exported CSV, a chart picture, a grader's report — goes through WriteFileWhole, so that a
// full disk, a killed program or a link planted beside the target never leaves a torn or
// misdirected file.
#pragma once

#include <filesystem>
#include <string_view>

namespace tessaro {

struct WriteOptions {
  // A link at the target is followed, link by link, and the file it names (made when it
  // does not exist yet) is replaced; the link stays. Otherwise the link itself is replaced
  // by the new file.
  bool follow_link = false;
};

// Writes `text` as the whole of `target`. The bytes go to a temporary file with a random
// name in the target's folder, made afresh (never through a link) with the umask's mode, or
// with the old file's mode when there is one; it is flushed to the disk and then renamed
// over the target, and removed on every failure. Temporaries of this target left by a
// program that was killed while writing are removed first.
//
// A target that is not a regular file, or that has no write permission bit at all, is not
// replaced (EACCES). Where no file may be made in the folder but the target may be
// written, it is written in place: room for the new bytes is made before the first old
// byte is touched, and should a write fail all the same, the old bytes are put back.
//
// Returns 0 when written; otherwise the system error (errno), the target as it was.
int WriteFileWhole(const std::filesystem::path& target, std::string_view text,
                   const WriteOptions& options = {});

// Whether `entry` is the name of a temporary file that WriteFileWhole makes for a target
// named `name`.
bool IsTemporaryFor(std::string_view entry, std::string_view name);

}  // namespace tessaro
