// Finding the trainer's files: names are matched without regard to letter case, one path
// component at a time, and never leave the folder they are looked up in.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// Resolves `relative` (components separated by '/') under `base`. Each component matches
// an existing entry case-insensitively (an exact match is preferred). Refused, like a
// missing file: empty, absolute or backslashed paths, and "." or ".." components.
std::optional<std::filesystem::path> ResolvePath(const std::filesystem::path& base,
                                                 std::string_view relative);

// Resolves `folder` + "/" + `name` where `name` comes from data (a block or item key plus
// an extension): refused when the name itself holds a separator or is "." or "..".
std::optional<std::filesystem::path> ResolveFolderFile(const std::filesystem::path& base,
                                                       std::string_view folder,
                                                       std::string_view name);

// Whether `name` is a single plain file name (no separators, not "." or "..").
bool IsPlainFileName(std::string_view name);

// A name from data (an instrument's name from a project file) made fit to be a file name
// in whatever folder it is put: separators and control characters become '_', and leading
// dots and blanks go, so that it never names another folder or a hidden file. Empty when
// nothing is left.
std::string FileNameOf(std::string_view name);

// The folder the program works in: `cwd` when it holds a Velden folder, otherwise the
// program's own folder when that one does, otherwise `cwd`.
std::filesystem::path ChooseDataRoot(const std::filesystem::path& cwd,
                                     const std::filesystem::path& program_dir);

}  // namespace tessaro
