#include "engine/script/student_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace tessaro::sim {

namespace fs = std::filesystem;

namespace {

std::string Kind(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

bool Inside(const fs::path& file, const fs::path& folder) {
  const fs::path relative = file.lexically_relative(folder);
  return !relative.empty() && *relative.begin() != "..";
}

}  // namespace

std::string NotAProjectFile(const std::string& file) {
  struct stat info {};
  if (::lstat(file.c_str(), &info) != 0) return {};
  if (S_ISLNK(info.st_mode)) {
    std::error_code ec;
    const fs::path target = fs::canonical(file, ec);
    if (ec == std::errc::too_many_symbolic_link_levels) return "a link loop";
    if (ec) return {};  // a dangling link: the load says the file is not there
    const fs::path given = fs::path(file).parent_path();
    const fs::path folder = fs::canonical(given.empty() ? fs::path(".") : given, ec);
    if (ec || !Inside(target, folder)) {
      return "a link to " + target.string() + ", outside " +
             (given.empty() ? std::string(".") : given.string());
    }
    if (::stat(target.c_str(), &info) != 0) return {};
  }
  return S_ISREG(info.st_mode) ? std::string() : Kind(info.st_mode);
}

}  // namespace tessaro::sim
