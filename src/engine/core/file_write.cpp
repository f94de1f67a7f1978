#include "engine/core/file_write.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <random>
#include <system_error>

#include "engine/core/file_write_parts.h"
#include "engine/core/utf8_path.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryEnd = ".tmp";
// Room for the dot, the random word and ".tmp" within the 255 bytes a name may have.
constexpr size_t kLongestStem = 200;

std::string_view Stem(std::string_view name) { return name.substr(0, kLongestStem); }

std::string RandomWord() {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  thread_local std::mt19937_64 generator{std::random_device{}()};
  std::string word(10, ' ');
  for (char& c : word) c = kLetters[generator() % (sizeof kLetters - 1)];
  return word;
}

}  // namespace

std::string TemporaryNameFor(std::string_view name) {
  return "." + std::string(Stem(name)) + "." + RandomWord() + std::string(kTemporaryEnd);
}

std::optional<fs::path> FollowLinks(fs::path path, int& err) {
  std::error_code ec;
  for (int depth = 0; depth < 40; ++depth) {
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) {
      err = ec.value();
      return std::nullopt;
    }
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  err = ELOOP;
  return std::nullopt;
}

bool IsTemporaryFor(std::string_view entry, std::string_view name) {
  const std::string prefix = "." + std::string(Stem(name)) + ".";
  if (entry.size() <= prefix.size() + kTemporaryEnd.size() || !entry.starts_with(prefix) ||
      !entry.ends_with(kTemporaryEnd)) {
    return false;
  }
  const std::string_view word =
      entry.substr(prefix.size(), entry.size() - prefix.size() - kTemporaryEnd.size());
  return std::all_of(word.begin(), word.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

int FindWriteTarget(const fs::path& given, bool follow_link, WriteTarget& target) {
  target.file = given;
  if (follow_link) {
    int err = 0;
    auto file = FollowLinks(given, err);
    if (!file) return err;
    target.file = *file;
  }
  target.name = Utf8Name(target.file.filename());
  if (target.name.empty() || target.name == "." || target.name == "..") return EISDIR;
  target.folder = target.file.has_parent_path() ? target.file.parent_path() : fs::path(".");
  return 0;
}

}  // namespace tessaro
