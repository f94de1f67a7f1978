// What the writers of both systems share (file_write*.cpp).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// A fresh name for a temporary of the file `name`: ".NAME.RANDOM.tmp".
std::string TemporaryNameFor(std::string_view name);

// Where a save through a link must write: the file the link names, followed link by link,
// so that a link to a file not yet made creates that file. Empty, with `err` set, when the
// links cannot be read or go round in a circle.
std::optional<std::filesystem::path> FollowLinks(std::filesystem::path path, int& err);

// Where a write of `given` goes: the file (through its links when `follow_link`), its name
// and its folder.
struct WriteTarget {
  std::filesystem::path file;
  std::string name;
  std::filesystem::path folder;
};
// 0, or the errno that ends the write before it begins.
int FindWriteTarget(const std::filesystem::path& given, bool follow_link, WriteTarget& target);

}  // namespace tessaro
