#include "engine/core/paths.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace tessaro {

namespace {

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& dir,
                                               std::string_view name) {
  std::error_code ec;
  std::filesystem::path exact = dir / std::string(name);
  if (std::filesystem::exists(exact, ec)) return exact;
  std::filesystem::directory_iterator it(dir, ec);
  if (ec) return std::nullopt;
  for (const auto& entry : it) {
    if (EqualsIgnoreCase(entry.path().filename().string(), name)) return entry.path();
  }
  return std::nullopt;
}

}  // namespace

bool IsPlainFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\") == std::string_view::npos;
}

std::string FileNameOf(std::string_view name) {
  std::string clean;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (clean.empty() && (c == '.' || c == ' ')) continue;
    clean += (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7f) ? '_' : c;
  }
  return clean;
}

std::optional<std::filesystem::path> ResolvePath(const std::filesystem::path& base,
                                                 std::string_view relative) {
  if (relative.empty() || relative.front() == '/' ||
      relative.find('\\') != std::string_view::npos) {
    return std::nullopt;
  }
  std::filesystem::path current = base;
  size_t start = 0;
  while (start <= relative.size()) {
    size_t end = relative.find('/', start);
    if (end == std::string_view::npos) end = relative.size();
    std::string_view part = relative.substr(start, end - start);
    if (!IsPlainFileName(part)) return std::nullopt;
    auto found = FindEntry(current, part);
    if (!found) return std::nullopt;
    current = *found;
    start = end + 1;
  }
  return current;
}

std::optional<std::filesystem::path> ResolveFolderFile(const std::filesystem::path& base,
                                                       std::string_view folder,
                                                       std::string_view name) {
  if (!IsPlainFileName(name)) return std::nullopt;
  std::string relative(folder);
  relative += '/';
  relative += name;
  return ResolvePath(base, relative);
}

std::filesystem::path ChooseDataRoot(const std::filesystem::path& cwd,
                                     const std::filesystem::path& program_dir) {
  if (ResolvePath(cwd, "Velden")) return cwd;
  if (!program_dir.empty() && ResolvePath(program_dir, "Velden")) return program_dir;
  return cwd;
}

}  // namespace tessaro
