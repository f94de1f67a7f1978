#include "engine/core/ownership.h"

#include <system_error>

#include "engine/core/file_errors.h"

namespace tessaro {

namespace fs = std::filesystem;

std::optional<Phrase> NotOwnCauseFollowed(const fs::path& path) {
  if (auto cause = NotOwnCause(path)) return cause;
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(path, ec))) return std::nullopt;
  const fs::path real = fs::canonical(path, ec);
  if (ec) return PathCause(path, ec.value());
  if (auto cause = NotOwnCause(real)) return cause;
  return NotOwnCause(real.parent_path());
}

}  // namespace tessaro
