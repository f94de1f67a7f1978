#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "engine/core/private_folder.h"

namespace tessaro {

void MakePrivateFolder(const std::filesystem::path& folder) { ::mkdir(folder.c_str(), 0700); }

std::filesystem::path MakeFreshPrivateFolder(const std::filesystem::path& base) {
  std::string pattern = base.string() + "-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

}  // namespace tessaro
