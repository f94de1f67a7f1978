#include "engine/project/project_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include "engine/core/messages.h"
#include "engine/core/paths.h"
#include "engine/core/process_image.h"
#include "engine/editor/edit_history.h"
#include "engine/project/project_data.h"
#include "engine/project/project_extras.h"
#include "engine/project/project_session.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

constexpr char kFolder[] = "Velden";
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

// Far more than any project holds: a bigger file, or a longer line, is no project file,
// and is refused before it is read whole.
constexpr size_t kMaxProjectBytes = size_t{1} << 20;
constexpr size_t kMaxLineBytes = 4096;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Why a read failed: a system error, or a file that cannot be a project.
struct ReadFailure {
  int err = 0;
  std::string text;  // set instead of err
};

// Opens the project file for reading without waiting: a FIFO or a device must not hold
// up the program, so only a regular file is read.
int OpenRegularFile(const fs::path& path, int& fd) {
  fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const int err = S_ISREG(info.st_mode) ? errno : EACCES;
    ::close(fd);
    fd = -1;
    return err;
  }
  return 0;
}

std::optional<ReadFailure> TooLong(const std::string& text) {
  size_t start = 0;
  int line = 1;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    if (end - start > kMaxLineBytes) {
      return ReadFailure{0, "Geen projectbestand: regel " + std::to_string(line) +
                                " is langer dan " + std::to_string(kMaxLineBytes) + " tekens"};
    }
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
      ++end;
    }
    start = end + 1;
    ++line;
  }
  return std::nullopt;
}

// Reads the whole project file, at most kMaxProjectBytes, without a leading UTF-8
// byte-order mark.
std::optional<ReadFailure> ReadProjectText(const fs::path& path, std::string& text) {
  int fd = -1;
  if (const int err = OpenRegularFile(path, fd); err != 0) return ReadFailure{err, {}};
  const std::string too_big =
      "Geen projectbestand: groter dan " + std::to_string(kMaxProjectBytes >> 20) + " MiB";
  struct stat info {};
  if (::fstat(fd, &info) == 0 && static_cast<uint64_t>(info.st_size) > kMaxProjectBytes) {
    ::close(fd);
    return ReadFailure{0, too_big};
  }
  text.clear();
  char chunk[1 << 16];
  int err = 0;
  // One byte past the limit tells a file that grew while it was read.
  while (text.size() <= kMaxProjectBytes) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      err = errno;
      break;
    }
    if (got == 0) break;
    text.append(chunk, static_cast<size_t>(got));
  }
  ::close(fd);
  if (err != 0) return ReadFailure{err, {}};
  if (text.size() > kMaxProjectBytes) return ReadFailure{0, too_big};
  if (text.starts_with(kByteOrderMark)) text.erase(0, kByteOrderMark.size());
  return TooLong(text);
}

// Where a save must write: the project file itself, or, through a link, the file the link
// names (followed link by link, so that a link to a file not yet made creates that file).
std::optional<fs::path> LinkTarget(fs::path path, int& err) {
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

// Writes `text` over the file in place: the fallback for a folder where no file may be
// made beside it, as in a shared install where each user may write only the project file.
int WriteInPlace(const fs::path& path, const std::string& text) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno;
  struct stat info {};
  int err = 0;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) err = EACCES;
  // The old bytes stay until the new ones are all written, then the rest is cut off.
  for (size_t done = 0; err == 0 && done < text.size();) {
    const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
    if (put < 0) {
      if (errno != EINTR) err = errno;
      continue;
    }
    done += static_cast<size_t>(put);
  }
  if (err == 0 && (::ftruncate(fd, static_cast<off_t>(text.size())) != 0 || ::fsync(fd) != 0)) {
    err = errno;
  }
  if (::close(fd) != 0 && err == 0) err = errno;
  return err;
}

bool MayNotCreate(int err) { return err == EACCES || err == EPERM; }

// The report of a load whose grid pictures are missing or cannot be shown: the first few
// by name and how many more, so that the box fits the screen; the whole list as details.
void ShowMissingPictures(Messages& messages, const std::vector<std::string>& missing) {
  constexpr size_t kNamed = 3;
  const std::string reason = std::strerror(ENOENT);
  auto quoted = [&](size_t count) {
    std::string names;
    for (size_t i = 0; i < count; ++i) names += (i == 0 ? "\"" : "\", \"") + missing[i];
    return names + "\"";
  };
  if (missing.size() <= kNamed) {
    ShowError(messages, "Cannot open file " + quoted(missing.size()) + ". " + reason);
    return;
  }
  const size_t more = missing.size() - kNamed;
  std::string text = "Cannot open file " + quoted(kNamed) + " en nog " + std::to_string(more) +
                     (more == 1 ? " ander bestand. " : " andere bestanden. ") + reason + ".";
  std::string details;
  for (const auto& name : missing) details += name + "\n";
  messages.ErrorWithDetails(text, details);
}

}  // namespace

namespace {

// Writes the project over `target`, which may not exist yet. The new text goes to a
// temporary file beside it that then replaces the old one, so a failure leaves the old file
// whole; where no file may be made in that folder but the file itself may be written, it is
// written in place.
bool SaveProjectTo(const ProcessImage& image, fs::path target, Messages& messages) {
  std::error_code ec;
  std::optional<fs::perms> old_perms;
  if (fs::exists(fs::symlink_status(target, ec))) {
    // A linked project file is replaced where it really is; the link stays.
    int err = 0;
    auto linked = LinkTarget(target, err);
    if (!linked) return Fail(messages, err);
    target = *linked;
    auto status = fs::status(target, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) return Fail(messages, ec.value());
    if (fs::exists(status)) {
      if (!fs::is_regular_file(status) || IsReadOnly(status.permissions())) {
        return Fail(messages, EACCES);
      }
      old_perms = status.permissions();
    }
  }

  const std::string text =
      FormatProject(CaptureProject(image)) + FormatExtras(CaptureExtras(image));
  fs::path temporary;
  int err = 0;
  std::FILE* file =
      CreateTemporary(target.parent_path(), target.filename().string(), temporary, err);
  if (!file && old_perms && MayNotCreate(err) && ::access(target.c_str(), W_OK) == 0) {
    err = WriteInPlace(target, text);
    return err == 0 || Fail(messages, err);
  }
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
  std::string text;
  if (auto failure = ReadProjectText(path, text)) {
    if (failure->err != 0) {
      Fail(messages, failure->err);
    } else {
      ShowError(messages, failure->text);
    }
    return LoadResult::Failed;
  }
  // A picture or an archive under a project's name: refused before anything is replaced.
  if (!IsProjectText(text)) {
    ShowError(messages, path.filename().string() + " is geen Tessaro-project.");
    return LoadResult::Failed;
  }
  const std::vector<std::string> lines = SplitLines(text, kProjectLines + kMaxExtrasLines);

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
  ClearEditHistory(image);
  if (extras.extras) ApplyExtras(*extras.extras, image);
  ApplyScreenLayout(image, view);
  if (pictures == GridPictures::Skip) return LoadResult::Loaded;

  const std::vector<std::string> missing = RefreshGridPictures(image, root, view);
  if (missing.empty()) return LoadResult::Loaded;
  ShowMissingPictures(messages, missing);
  return LoadResult::PicturesMissing;
}

}  // namespace

bool SaveProject(const ProcessImage& image, const fs::path& root, Messages& messages) {
  auto folder = DataFolder(root);
  if (!folder) return NoFolder(messages);
  auto existing = ResolveFolderFile(root, kFolder, kProjectFileName);
  return SaveProjectTo(image, existing ? *existing : *folder / kProjectFileName, messages);
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
  auto path = ResolveFolderFile(root, kFolder, kProjectFileName);
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

std::optional<ProjectFileLines> CountProjectLines(const fs::path& file) {
  std::string text;
  if (ReadProjectText(file, text)) return std::nullopt;
  ProjectFileLines count;
  count.empty = text.empty();
  count.lines = SplitLines(text, kProjectLines).size();
  count.incomplete = count.lines < kProjectLines;
  return count;
}

}  // namespace tessaro
