#include "engine/project/project_file.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#include "engine/core/messages.h"
#include "engine/core/paths.h"
#include "engine/core/process_image.h"
#include "engine/editor/edit_history.h"
#include "engine/project/project_data.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

constexpr char kFolder[] = "Velden";
constexpr char kFileName[] = "data1.txt";
constexpr char kInvalidFilename[] = "Invalid filename";

// Message boxes end a sentence that ends in a letter or digit with a full stop.
void ShowError(Messages& messages, std::string text) {
  if (!text.empty() && std::isalnum(static_cast<unsigned char>(text.back()))) text += '.';
  messages.Error(text);
}

// The text for a failed open, read or write with system error `err`.
std::string ErrorText(int err) {
  switch (err) {
    case ENOENT:
      return "File not found";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return "File access denied";
    case ENAMETOOLONG:
      return kInvalidFilename;
    default:
      return "I/O error " + std::to_string(err);
  }
}

bool Fail(Messages& messages, int err) {
  ShowError(messages, ErrorText(err));
  return false;
}

bool NoFolder(Messages& messages) {
  ShowError(messages, kInvalidFilename);
  return false;
}

std::optional<fs::path> DataFolder(const fs::path& root) {
  auto folder = ResolvePath(root, kFolder);
  std::error_code ec;
  if (!folder || !fs::is_directory(*folder, ec)) return std::nullopt;
  return folder;
}

// A file the user has made read-only (no write bit at all) is not replaced, even by a
// user whom the system would let write it.
bool IsReadOnly(fs::perms perms) {
  return (perms & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) ==
         fs::perms::none;
}

// Creates a new, unused file beside the project file; returns it open for writing.
std::FILE* CreateTemporary(const fs::path& folder, fs::path& path, int& err) {
  static std::mt19937_64 generator{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    path = folder /
           ("." + std::string(kFileName) + "." + std::to_string(generator() % 1000000000) + ".tmp");
    if (std::FILE* file = std::fopen(path.c_str(), "wbx")) return file;
    err = errno;
    if (err != EEXIST) return nullptr;
  }
  return nullptr;
}

// Writes `text` to `file`, flushes it to the disk and closes it; 0 or the system error.
int WriteAndClose(std::FILE* file, const std::string& text) {
  int err = 0;
  if (std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fflush(file) != 0 ||
      ::fsync(::fileno(file)) != 0) {
    err = errno != 0 ? errno : EIO;
  }
  if (std::fclose(file) != 0 && err == 0) err = errno != 0 ? errno : EIO;
  return err;
}

// Reads enough of the file for the project's lines; 0 or the system error.
int ReadProjectLines(std::FILE* file, std::vector<std::string>& lines) {
  std::string text;
  size_t line_ends = 0;
  char chunk[1 << 16];
  // Every line takes at most two end characters, so this many ends hold all lines.
  while (line_ends <= 2 * kProjectLines + 1) {
    errno = 0;
    size_t got = std::fread(chunk, 1, sizeof chunk, file);
    for (size_t i = 0; i < got; ++i) {
      if (chunk[i] == '\r' || chunk[i] == '\n') ++line_ends;
    }
    text.append(chunk, got);
    if (got < sizeof chunk) {
      if (std::ferror(file)) return errno != 0 ? errno : EIO;
      break;
    }
  }
  lines = SplitLines(text, kProjectLines);
  return 0;
}

}  // namespace

bool SaveProject(const ProcessImage& image, const fs::path& root, Messages& messages) {
  auto folder = DataFolder(root);
  if (!folder) return NoFolder(messages);

  std::error_code ec;
  fs::path target = *folder / kFileName;
  std::optional<fs::perms> old_perms;
  if (auto existing = ResolveFolderFile(root, kFolder, kFileName)) {
    // A linked project file is replaced where it really is; the link stays.
    target = fs::is_symlink(*existing, ec) ? fs::canonical(*existing, ec) : *existing;
    if (ec) return Fail(messages, ec.value());
    auto status = fs::status(target, ec);
    if (ec) return Fail(messages, ec.value());
    if (!fs::is_regular_file(status) || IsReadOnly(status.permissions())) {
      return Fail(messages, EACCES);
    }
    old_perms = status.permissions();
  }

  const std::string text = FormatProject(CaptureProject(image));
  fs::path temporary;
  int err = 0;
  std::FILE* file = CreateTemporary(target.parent_path(), temporary, err);
  if (!file) return Fail(messages, err != 0 ? err : EIO);
  err = WriteAndClose(file, text);
  if (err == 0 && old_perms) {
    fs::permissions(temporary, *old_perms, ec);
    if (ec) err = ec.value();
  }
  if (err == 0) {
    fs::rename(temporary, target, ec);
    if (ec) err = ec.value();
  }
  if (err != 0) {
    fs::remove(temporary, ec);
    return Fail(messages, err);
  }
  return true;
}

LoadResult LoadProject(ProcessImage& image, const fs::path& root, Messages& messages,
                       ProjectLoadView& view, GridPictures pictures) {
  if (!DataFolder(root)) {
    NoFolder(messages);
    return LoadResult::Failed;
  }
  auto path = ResolveFolderFile(root, kFolder, kFileName);
  if (!path) {
    Fail(messages, ENOENT);
    return LoadResult::Failed;
  }
  std::FILE* file = std::fopen(path->c_str(), "rb");
  if (!file) {
    Fail(messages, errno);
    return LoadResult::Failed;
  }
  std::vector<std::string> lines;
  const int err = ReadProjectLines(file, lines);
  std::fclose(file);
  if (err != 0) {
    Fail(messages, err);
    return LoadResult::Failed;
  }

  auto data = ParseProject(lines);
  if (!data) {
    ShowError(messages, "Invalid numeric input");
    return LoadResult::Failed;
  }

  StoreProject(*data, image);
  ClearEditHistory(image);
  ApplyScreenLayout(image, view);
  if (pictures == GridPictures::Skip) return LoadResult::Loaded;

  const std::vector<std::string> missing = RefreshGridPictures(image, root, view);
  if (missing.empty()) return LoadResult::Loaded;
  std::string names;
  for (const auto& name : missing) names += (names.empty() ? "" : "\", \"") + name;
  ShowError(messages, "Cannot open file \"" + names + "\". " + std::string(std::strerror(ENOENT)));
  return LoadResult::PicturesMissing;
}

}  // namespace tessaro
