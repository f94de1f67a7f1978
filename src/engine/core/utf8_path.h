// File names as UTF-8 text on every system. A path made from a plain std::string takes the
// bytes as they are on Linux, but as the local code page on Windows, where a name with an
// accent or in Cyrillic would be lost: names that travel as text go through these.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tessaro {

inline std::filesystem::path Utf8Path(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Name(const std::filesystem::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

}  // namespace tessaro
