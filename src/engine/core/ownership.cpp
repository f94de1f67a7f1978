#include "engine/core/ownership.h"

#include <system_error>

#include "engine/core/file_errors.h"

namespace tessaro {

namespace fs = std::filesystem;

std::string NotOwnCauseFollowed(const fs::path& path) {
  if (std::string cause = NotOwnCause(path); !cause.empty()) return cause;
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(path, ec))) return {};
  const fs::path real = fs::canonical(path, ec);
  if (ec) return path.string() + ": " + FileErrorCause(ec.value());
  if (std::string cause = NotOwnCause(real); !cause.empty()) return cause;
  return NotOwnCause(real.parent_path());
}

}  // namespace tessaro
