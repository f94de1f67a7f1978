#include "engine/project/project_session.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <string_view>
#include <system_error>
#include <utility>

#include "engine/board/board.h"
#include "engine/core/messages.h"
#include "engine/core/operator_screen.h"
#include "engine/core/paths.h"
#include "engine/core/process_image.h"
#include "engine/core/utf8_path.h"
#include "engine/editor/edit_history.h"
#include "engine/project/project_extras.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

bool IsProjectFile(const fs::directory_entry& entry) {
  std::error_code ec;
  std::string extension = entry.path().extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".txt" && entry.is_regular_file(ec);
}

// The folder as the system names it, so that two spellings of one folder compare equal.
fs::path Canonical(const fs::path& folder) {
  std::error_code ec;
  fs::path path = fs::weakly_canonical(folder.empty() ? fs::path(".") : folder, ec);
  return ec ? folder : path;
}

}  // namespace

std::optional<fs::path> ExamplesFolder(const fs::path& root) {
  auto folder = ResolvePath(root, "examples");
  std::error_code ec;
  if (!folder || !fs::is_directory(*folder, ec)) return std::nullopt;
  return folder;
}

std::vector<fs::path> ExampleProjects(const fs::path& root) {
  std::vector<fs::path> projects;
  auto folder = ExamplesFolder(root);
  if (!folder) return projects;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(*folder, ec)) {
    if (IsProjectFile(entry)) projects.push_back(entry.path());
  }
  std::sort(projects.begin(), projects.end());
  return projects;
}

std::optional<fs::path> LessonDocument(const fs::path& root) {
  auto document = ResolvePath(root, "lessen.html");
  std::error_code ec;
  if (!document || !fs::is_regular_file(*document, ec)) return std::nullopt;
  return document;
}

std::string LessonProcess(const fs::path& lesson) {
  constexpr std::string_view kKey = "lab.process=";
  std::ifstream in(lesson, std::ios::binary);
  bool in_section = false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == kExtrasMarker) in_section = true;
    if (in_section && line.starts_with(kKey)) return line.substr(kKey.size());
  }
  return {};
}

void ResetToStartup(ProcessImage& image, ProjectLoadView& view) {
  ProcessImage fresh;
  fresh.AnalogIn = image.AnalogIn;
  fresh.MuxPhase = image.MuxPhase;
  fresh.CardAddress = image.CardAddress;
  fresh.AddressBox = image.AddressBox;
  fresh.DecimalSeparator = image.DecimalSeparator;
  ApplyStartupDefaults(fresh);
  fresh.LogicsOpen = image.LogicsOpen;  // the grid window stays as it is
  image = std::move(fresh);
  ClearEditHistory(image, GridAfterClear::Fresh);  // nothing of the last project to undo
  view.ProjectReset();
}

void SwitchOutputsOff(Board& board) {
  for (int channel = 1; channel <= 2; ++channel) board.OutputAnalogChannel(channel, 0);
  for (int channel = 1; channel <= 6; ++channel) board.ClearDigitalChannel(channel);
}

ProjectSession::ProjectSession(ProcessImage& image, Board& board, Messages& messages,
                               ProjectLoadView& view, fs::path root, GridPictures pictures)
    : image_(image),
      board_(board),
      messages_(messages),
      view_(view),
      root_(std::move(root)),
      pictures_(pictures) {}

bool ProjectSession::Save() {
  if (!SaveProject(image_, root_, messages_)) return false;
  name_ = kProjectFileName;
  file_ = root_ / "Velden" / kProjectFileName;
  example_ = false;
  image_.UnsavedChanges = false;
  return true;
}

bool ProjectSession::Load() {
  return Opened(LoadProject(image_, root_, messages_, view_, pictures_),
                root_ / "Velden" / kProjectFileName, false);
}

bool ProjectSession::SaveAs(const fs::path& file) {
  if (InExamples(file)) {
    messages_.Error(messages_.Render(Phrase{TextId::kExampleRefused}));
    return false;
  }
  if (!SaveProjectAs(image_, file, messages_, root_)) return false;
  name_ = file.filename().string();
  file_ = file;
  example_ = false;
  last_folder_ = file.parent_path();
  image_.UnsavedChanges = false;
  AddRecent(file);
  return true;
}

bool ProjectSession::Open(const fs::path& file) {
  const LoadResult result = LoadProjectFile(image_, file, root_, messages_, view_, pictures_);
  if (result == LoadResult::Failed) return false;
  last_folder_ = file.parent_path();
  if (!Opened(result, file, InExamples(file))) return false;
  if (!example_) AddRecent(file);
  return true;
}

bool ProjectSession::OpenExample(const fs::path& file) {
  const LoadResult result =
      LoadProjectFile(image_, file, root_, messages_, view_, pictures_, LoadStart::Fresh);
  if (result == LoadResult::Failed) return false;
  SwitchOutputsOff(board_);
  lesson_process_ = LessonProcess(file);
  return Opened(result, file, true);
}

std::string ProjectSession::lesson() const {
  if (!example_) return {};
  return fs::path(name_).stem().string();
}

bool ProjectSession::New(const FileChoice& choose) {
  if (unsaved()) {
    if (!SaveChangesFirst(choose)) return false;
  } else if (!messages_.Question(messages_.Render(Phrase{TextId::kNewQuestion}),
                                 messages_.Render(Phrase{TextId::kNewTitle}))) {
    return false;
  }
  ResetToStartup(image_, view_);
  ApplyScreenLayout(image_, view_);
  SwitchOutputsOff(board_);
  name_.clear();
  file_.clear();
  example_ = false;
  image_.UnsavedChanges = false;
  return true;
}

bool ProjectSession::unsaved() const { return image_.UnsavedChanges; }

bool ProjectSession::SaveChangesFirst(const FileChoice& choose) {
  if (!unsaved()) return true;
  switch (messages_.SaveQuestion(messages_.Render(Phrase{example_ ? TextId::kUnsavedExampleQuestion
                                                                  : TextId::kUnsavedQuestion}),
                                 messages_.Render(Phrase{TextId::kUnsavedTitle}))) {
    case SaveAnswer::DontSave:
      return true;
    case SaveAnswer::Cancel:
      return false;
    case SaveAnswer::Save:
      break;
  }
  if (!example_) return Save();
  const std::optional<fs::path> file = choose ? choose() : std::nullopt;
  return file && SaveAs(*file);
}

bool ProjectSession::Exit(const FileChoice& choose) {
  if (!unsaved()) return ExitClick(messages_, board_);
  if (!SaveChangesFirst(choose)) return false;
  board_.CloseDevice();
  return true;
}

Phrase ProjectSession::ScreenLinePhrase() const {
  Phrase name = name_.empty() ? Phrase{TextId::kProjectNew} : Word(name_);
  if (example_) name = Phrase{TextId::kProjectExample, {name}};
  Phrase line{TextId::kProjectLine, {name}};
  return unsaved() ? Phrase{TextId::kUnsavedMark, {line}} : line;
}

std::string ProjectSession::ScreenLine() const { return Say(ScreenLinePhrase()); }

void ProjectSession::SetRecent(std::vector<std::string> files) {
  recent_.clear();
  for (auto& file : files) {
    if (!file.empty() && std::find(recent_.begin(), recent_.end(), file) == recent_.end() &&
        recent_.size() < kRecentProjects) {
      recent_.push_back(std::move(file));
    }
  }
}

void ProjectSession::AddRecent(const fs::path& file) {
  std::error_code ec;
  const fs::path absolute = fs::absolute(file, ec);
  std::vector<std::string> files{Utf8Name((ec ? file : absolute).lexically_normal())};
  files.insert(files.end(), recent_.begin(), recent_.end());
  SetRecent(std::move(files));
}

std::string ProjectSession::WindowTitle() const {
  if (name_.empty()) return "Tessaro";
  return "Tessaro - " + name_ + (example_ ? " (voorbeeld, alleen lezen)" : "");
}

// A load whose only trouble was missing block pictures has still put the whole project in
// force (the missing ones were reported), so it counts as done.
bool ProjectSession::Opened(LoadResult result, const fs::path& file, bool example) {
  if (result == LoadResult::Failed) return false;
  name_ = file.filename().string();
  file_ = file;
  example_ = example;
  image_.UnsavedChanges = false;
  return true;
}

bool ProjectSession::InExamples(const fs::path& file) const {
  auto folder = ExamplesFolder(root_);
  return folder && Canonical(file.parent_path()) == Canonical(*folder);
}

}  // namespace tessaro
