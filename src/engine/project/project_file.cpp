#include "engine/project/project_file.h"

#include <unistd.h>

#include <algorithm>
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
#include "engine/project/project_data.h"
#include "engine/project/project_extras.h"
#include "engine/project/project_session.h"

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

// Creates a new, unused file beside the project file `name` in `folder`; returns it open for
// writing.
std::FILE* CreateTemporary(const fs::path& folder, const std::string& name, fs::path& path,
                           int& err) {
  static std::mt19937_64 generator{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    path = folder / ("." + name + "." + std::to_string(generator() % 1000000000) + ".tmp");
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
  constexpr size_t kLines = kProjectLines + kMaxExtrasLines;
  while (line_ends <= 2 * kLines + 1) {
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
  lines = SplitLines(text, kLines);
  return 0;
}

}  // namespace

namespace {

// Writes the project over `target`, which may not exist yet. The new text goes to a
// temporary file beside it that then replaces the old one, so a failure leaves the old file
// whole.
bool SaveProjectTo(const ProcessImage& image, fs::path target, Messages& messages) {
  std::error_code ec;
  std::optional<fs::perms> old_perms;
  if (fs::exists(fs::symlink_status(target, ec))) {
    // A linked project file is replaced where it really is; the link stays.
    if (fs::is_symlink(target, ec)) target = fs::canonical(target, ec);
    if (ec) return Fail(messages, ec.value());
    auto status = fs::status(target, ec);
    if (ec) return Fail(messages, ec.value());
    if (!fs::is_regular_file(status) || IsReadOnly(status.permissions())) {
      return Fail(messages, EACCES);
    }
    old_perms = status.permissions();
  }

  const std::string text =
      FormatProject(CaptureProject(image)) + FormatExtras(CaptureExtras(image));
  fs::path temporary;
  int err = 0;
  std::FILE* file =
      CreateTemporary(target.parent_path(), target.filename().string(), temporary, err);
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

// The folder a chosen file is to be in; relative paths are taken from the working folder.
bool FolderExists(const fs::path& file) {
  std::error_code ec;
  const fs::path folder = file.parent_path();
  return fs::is_directory(folder.empty() ? fs::path(".") : folder, ec);
}

LoadResult LoadProjectFrom(ProcessImage& image, const fs::path& path, const fs::path& root,
                           Messages& messages, ProjectLoadView& view, GridPictures pictures,
                           LoadStart start) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
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
  const std::vector<std::string> after(
      lines.begin() + std::min<size_t>(lines.size(), kProjectLines), lines.end());
  const ExtrasRead extras = ParseExtras(after, kProjectLines + 1);
  if (!extras.error.empty()) {
    ShowError(messages, extras.error);
    return LoadResult::Failed;
  }

  if (start == LoadStart::Fresh) ResetToStartup(image, view);
  StoreProject(*data, image);
  if (extras.extras) ApplyExtras(*extras.extras, image);
  ApplyScreenLayout(image, view);
  if (pictures == GridPictures::Skip) return LoadResult::Loaded;

  const std::vector<std::string> missing = RefreshGridPictures(image, root, view);
  if (missing.empty()) return LoadResult::Loaded;
  std::string names;
  for (const auto& name : missing) names += (names.empty() ? "" : "\", \"") + name;
  ShowError(messages, "Cannot open file \"" + names + "\". " + std::string(std::strerror(ENOENT)));
  return LoadResult::PicturesMissing;
}

}  // namespace

bool SaveProject(const ProcessImage& image, const fs::path& root, Messages& messages) {
  auto folder = DataFolder(root);
  if (!folder) return NoFolder(messages);
  auto existing = ResolveFolderFile(root, kFolder, kFileName);
  return SaveProjectTo(image, existing ? *existing : *folder / kFileName, messages);
}

bool SaveProjectAs(const ProcessImage& image, const fs::path& file, Messages& messages) {
  if (file.filename().empty() || !FolderExists(file)) return NoFolder(messages);
  return SaveProjectTo(image, file, messages);
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
  return LoadProjectFrom(image, *path, root, messages, view, pictures, LoadStart::AsItIs);
}

LoadResult LoadProjectFile(ProcessImage& image, const fs::path& file, const fs::path& root,
                           Messages& messages, ProjectLoadView& view, GridPictures pictures,
                           LoadStart start) {
  std::error_code ec;
  if (file.filename().empty() || !FolderExists(file)) {
    NoFolder(messages);
    return LoadResult::Failed;
  }
  if (!fs::exists(file, ec)) {
    Fail(messages, ENOENT);
    return LoadResult::Failed;
  }
  return LoadProjectFrom(image, file, root, messages, view, pictures, start);
}

}  // namespace tessaro
