#include "engine/project/project_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "engine/core/file_errors.h"
#include "engine/core/file_write.h"
#include "engine/core/messages.h"
#include "engine/core/paths.h"
#include "engine/core/process_image.h"
#include "engine/core/system_file.h"
#include "engine/core/utf8_path.h"
#include "engine/editor/edit_history.h"
#include "engine/project/project_data.h"
#include "engine/project/project_extras.h"
#include "engine/project/project_session.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

constexpr char kFolder[] = "Velden";
constexpr char kDefaultShown[] = "Velden/data1.txt";
// Message boxes end a sentence that ends in a letter or digit with a full stop.
void ShowError(Messages& messages, const Phrase& phrase) {
  std::string text = messages.Render(phrase);
  if (!text.empty() && std::isalnum(static_cast<unsigned char>(text.back()))) text += '.';
  messages.Error(text);
}

// The text for a failed open, read or write of `file` with system error `err`: the texts
// the user knows where they fit, each naming the file, otherwise the cause in words.
Phrase ErrorText(int err, const std::string& file, FileVerb verb) {
  switch (err) {
    case ENOENT:
      return Phrase{TextId::kFileNotFound, {Word(file)}};
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return Phrase{TextId::kFileAccessDenied, {Word(file)}};
    case ENAMETOOLONG:
      return Phrase{TextId::kInvalidFilename, {Word(file)}};
    default:
      return FileError(verb, file, FileCause(err));
  }
}

bool Fail(Messages& messages, int err, const std::string& file, FileVerb verb) {
  ShowError(messages, ErrorText(err, file, verb));
  return false;
}

bool NoFolder(Messages& messages, const std::string& file) {
  ShowError(messages, Phrase{TextId::kInvalidFilename, {Word(file)}});
  return false;
}

// The file as the user knows it: under the program's folder by its path from there
// ("Velden/data1.txt", with forward slashes on every system), elsewhere as it was chosen.
std::string Shown(const fs::path& file, const fs::path& root) {
  const fs::path relative = file.lexically_relative(root);
  if (!root.empty() && !relative.empty() && *relative.begin() != "..") {
    const std::u8string shown = relative.generic_u8string();
    return std::string(shown.begin(), shown.end());
  }
  return Utf8Name(file);
}

std::optional<fs::path> DataFolder(const fs::path& root) {
  auto folder = ResolvePath(root, kFolder);
  std::error_code ec;
  if (!folder || !fs::is_directory(*folder, ec)) return std::nullopt;
  return folder;
}

// Far more than any project holds: a bigger file, or a longer line, is no project file,
// and is refused before it is read whole.
constexpr size_t kMaxProjectBytes = size_t{1} << 20;
constexpr size_t kMaxLineBytes = 4096;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Why a read failed: a system error, or a file that cannot be a project.
struct ReadFailure {
  int err = 0;
  std::optional<Phrase> text;  // set instead of err
};

std::optional<ReadFailure> TooLong(const std::string& text) {
  size_t start = 0;
  int line = 1;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    if (end - start > kMaxLineBytes) {
      return ReadFailure{0,
                         Phrase{TextId::kProjectLineTooLong,
                                {Word(std::to_string(line)), Word(std::to_string(kMaxLineBytes))}}};
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
  // Only a regular file is read, opened without waiting: a FIFO or a device must not hold
  // up the program.
  SystemFile file;
  if (const int err = file.OpenForReading(path); err != 0) return ReadFailure{err, {}};
  const Phrase too_big{TextId::kProjectTooBig, {Word(std::to_string(kMaxProjectBytes >> 20))}};
  if (file.Size() > static_cast<int64_t>(kMaxProjectBytes)) return ReadFailure{0, too_big};
  text.clear();
  char chunk[1 << 16];
  int err = 0;
  // One byte past the limit tells a file that grew while it was read.
  while (text.size() <= kMaxProjectBytes) {
    size_t got = 0;
    err = file.Read(chunk, sizeof chunk, got);
    if (err != 0 || got == 0) break;
    text.append(chunk, got);
  }
  file.Close();
  if (err != 0) return ReadFailure{err, {}};
  if (text.size() > kMaxProjectBytes) return ReadFailure{0, too_big};
  if (text.starts_with(kByteOrderMark)) text.erase(0, kByteOrderMark.size());
  return TooLong(text);
}

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
    ShowError(messages,
              Phrase{TextId::kPicturesMissing, {Word(quoted(missing.size())), Word(reason)}});
    return;
  }
  const size_t more = missing.size() - kNamed;
  const Phrase text{more == 1 ? TextId::kPicturesMissingOneMore : TextId::kPicturesMissingMore,
                    {Word(quoted(kNamed)), Word(reason), Word(std::to_string(more))}};
  std::string details;
  for (const auto& name : missing) details += name + "\n";
  messages.ErrorWithDetails(messages.Render(text), details);
}

}  // namespace

namespace {

// Writes the project over `target`, which may not exist yet; a linked project file is
// replaced where it really is, and the link stays.
bool SaveProjectTo(const ProcessImage& image, const fs::path& target, const std::string& shown,
                   Messages& messages) {
  const std::string text =
      FormatProject(CaptureProject(image)) + FormatExtras(CaptureExtras(image));
  const int err = WriteFileWhole(target, text, {.follow_link = true});
  return err == 0 || Fail(messages, err, shown, FileVerb::kSave);
}

// The folder a chosen file is to be in; relative paths are taken from the working folder.
bool FolderExists(const fs::path& file) {
  std::error_code ec;
  const fs::path folder = file.parent_path();
  return fs::is_directory(folder.empty() ? fs::path(".") : folder, ec);
}

LoadResult LoadProjectFrom(ProcessImage& image, const fs::path& path, const std::string& shown,
                           const fs::path& root, Messages& messages, ProjectLoadView& view,
                           GridPictures pictures, LoadStart start) {
  std::string text;
  if (auto failure = ReadProjectText(path, text)) {
    if (failure->err != 0) {
      Fail(messages, failure->err, shown, FileVerb::kLoad);
    } else {
      ShowError(messages, *failure->text);
    }
    return LoadResult::Failed;
  }
  // A picture or an archive under a project's name: refused before anything is replaced.
  if (!IsProjectText(text)) {
    ShowError(messages, Phrase{TextId::kNoProject, {Word(path.filename().string())}});
    return LoadResult::Failed;
  }
  const std::vector<std::string> lines = SplitLines(text, kProjectLines + kMaxExtrasLines);

  auto data = ParseProject(lines);
  if (!data) {
    ShowError(messages, Phrase{TextId::kInvalidNumber});
    return LoadResult::Failed;
  }
  const std::vector<std::string> after(
      lines.begin() + std::min<size_t>(lines.size(), kProjectLines), lines.end());
  const ExtrasRead extras = ParseExtras(after, kProjectLines + 1);
  if (!extras.error.empty()) {
    ShowError(messages, Word(extras.error));
    return LoadResult::Failed;
  }

  if (start == LoadStart::Fresh) ResetToStartup(image, view);
  StoreProject(*data, image);
  ClearEditHistory(image);
  // The settings go in once the PID actions are +1 or -1, as they are when saved; a file
  // without the section has every one of them at its start-up value.
  ApplyScreenLayout(image, view);
  ApplyExtras(extras.extras.value_or(ProjectExtras{}), image);
  if (pictures == GridPictures::Skip) return LoadResult::Loaded;

  const std::vector<std::string> missing = RefreshGridPictures(image, root, view);
  if (missing.empty()) return LoadResult::Loaded;
  ShowMissingPictures(messages, missing);
  return LoadResult::PicturesMissing;
}

}  // namespace

bool SaveProject(const ProcessImage& image, const fs::path& root, Messages& messages) {
  auto folder = DataFolder(root);
  if (!folder) return NoFolder(messages, kDefaultShown);
  const fs::path file =
      ResolveFolderFile(root, kFolder, kProjectFileName).value_or(*folder / kProjectFileName);
  return SaveProjectTo(image, file, Shown(file, root), messages);
}

bool SaveProjectAs(const ProcessImage& image, const fs::path& file, Messages& messages,
                   const fs::path& root) {
  const std::string shown = Shown(file, root);
  if (file.filename().empty() || !FolderExists(file)) return NoFolder(messages, shown);
  return SaveProjectTo(image, file, shown, messages);
}

LoadResult LoadProject(ProcessImage& image, const fs::path& root, Messages& messages,
                       ProjectLoadView& view, GridPictures pictures) {
  if (!DataFolder(root)) {
    NoFolder(messages, kDefaultShown);
    return LoadResult::Failed;
  }
  auto path = ResolveFolderFile(root, kFolder, kProjectFileName);
  if (!path) {
    Fail(messages, ENOENT, kDefaultShown, FileVerb::kLoad);
    return LoadResult::Failed;
  }
  return LoadProjectFrom(image, *path, Shown(*path, root), root, messages, view, pictures,
                         LoadStart::AsItIs);
}

LoadResult LoadProjectFile(ProcessImage& image, const fs::path& file, const fs::path& root,
                           Messages& messages, ProjectLoadView& view, GridPictures pictures,
                           LoadStart start) {
  std::error_code ec;
  const std::string shown = Shown(file, root);
  if (file.filename().empty() || !FolderExists(file)) {
    NoFolder(messages, shown);
    return LoadResult::Failed;
  }
  if (!fs::exists(file, ec)) {
    Fail(messages, ENOENT, shown, FileVerb::kLoad);
    return LoadResult::Failed;
  }
  return LoadProjectFrom(image, file, shown, root, messages, view, pictures, start);
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
