#include "engine/script/student_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "engine/core/utf8_path.h"

namespace tessaro::sim {

namespace fs = std::filesystem;

namespace {

std::string Kind(fs::file_type type) {
  switch (type) {
    case fs::file_type::directory:
      return "a folder";
    case fs::file_type::fifo:
      return "a FIFO";
    case fs::file_type::character:
    case fs::file_type::block:
      return "a device";
    case fs::file_type::socket:
      return "a socket";
    default:
      return "not a regular file";
  }
}

bool Inside(const fs::path& file, const fs::path& folder) {
  const fs::path relative = file.lexically_relative(folder);
  return !relative.empty() && *relative.begin() != "..";
}

}  // namespace

std::string NotAProjectFile(const fs::path& file) {
  std::error_code ec;
  fs::file_status info = fs::symlink_status(file, ec);
  if (ec || !fs::exists(info)) return {};
  if (fs::is_symlink(info)) {
    const fs::path target = fs::canonical(file, ec);
    if (ec == std::errc::too_many_symbolic_link_levels) return "a link loop";
    if (ec) return {};  // a dangling link: the load says the file is not there
    const fs::path given = file.parent_path();
    const fs::path folder = fs::canonical(given.empty() ? fs::path(".") : given, ec);
    if (ec || !Inside(target, folder)) {
      return "a link to " + Utf8Name(target) + ", outside " +
             (given.empty() ? std::string(".") : Utf8Name(given));
    }
    info = fs::status(target, ec);
    if (ec) return {};
  }
  return fs::is_regular_file(info) ? std::string() : Kind(info.type());
}

}  // namespace tessaro::sim
