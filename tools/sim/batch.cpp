#include "batch.h"

#include <stdlib.h>

#include <ostream>
#include <sstream>
#include <system_error>

#include "engine/core/file_errors.h"
#include "engine/core/file_write.h"
#include "engine/core/messages.h"
#include "engine/core/private_folder.h"
#include "engine/project/project_file.h"
#include "safe_text.h"
#include "simulator.h"
#include "student_file.h"

namespace tessaro::sim {

namespace fs = std::filesystem;

namespace {

// The message boxes of the project load, kept for the result line.
class LoadMessages : public Messages {
 public:
  void Information(const std::string& text) override { Add(text); }
  bool Question(const std::string& text, const std::string&) override { return Add(text), true; }
  void Error(const std::string& text) override { Add(text); }
  const std::string& text() const { return text_; }

 private:
  void Add(const std::string& text) { text_ += (text_.empty() ? "" : " ") + text; }
  std::string text_;
};

// A folder of its own for one run, removed afterwards. Its Velden/data1.txt is the
// student's file, so that the script's `save` and `load` work on that project and never on
// the teacher's own files or another student's.
class RunFolder {
 public:
  RunFolder() {
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec) / "tessaro-check";
    if (!ec) path_ = MakeFreshPrivateFolder(base);
    if (path_.empty()) {
      throw std::runtime_error("cannot make a folder for the run in " + base.string() + "-XXXXXX");
    }
    fs::create_directory(path_ / "Velden");
  }
  ~RunFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// A short file loads without an error, so the teacher is told what it held: nothing at all,
// or fewer lines than a whole project.
std::string FileNote(const std::string& file) {
  const auto count = CountProjectLines(file);
  if (!count || !count->incomplete) return {};
  if (count->empty) return "empty file";
  return "incomplete file, " + std::to_string(count->lines) +
         (count->lines == 1 ? " line" : " lines");
}

ProjectResult CheckProject(const std::string& file, const std::string& script, std::ostream& err) {
  ProjectResult result;
  result.file = file;
  if (const std::string why = NotAProjectFile(file); !why.empty()) {
    result.outcome = ProjectResult::Outcome::NotLoaded;
    result.reason = "not a project file: " + why;
    return result;
  }
  RunFolder folder;
  std::ostringstream output;
  Simulator simulator(output, folder.path());

  LoadMessages load_messages;
  if (LoadProjectFile(simulator.image(), file, folder.path(), load_messages, simulator,
                      GridPictures::Skip) == LoadResult::Failed) {
    result.outcome = ProjectResult::Outcome::NotLoaded;
    result.reason = "not loaded: " + load_messages.text();
    return result;
  }
  result.note = FileNote(file);
  std::error_code ec;
  fs::copy_file(file, folder.path() / "Velden" / "data1.txt", ec);
  if (ec) {
    result.outcome = ProjectResult::Outcome::NotLoaded;
    result.reason = "not loaded: " + ec.message();
    return result;
  }

  std::istringstream lines(script);
  std::ostringstream errors;
  const int status = simulator.Run(lines, errors);
  result.output = output.str();
  result.passed = simulator.tally().passed;
  result.failures = simulator.tally().failures;
  if (status == 2) {
    result.outcome = ProjectResult::Outcome::ScriptError;
    result.reason = errors.str();
    if (!result.reason.empty() && result.reason.back() == '\n') result.reason.pop_back();
    err << EscapeControls(file) << ": " << EscapeControls(result.reason) << '\n';
  } else if (status == 1) {
    result.outcome = ProjectResult::Outcome::Failed;
  }
  return result;
}

// One line whatever the file is named: a name holding a line end must not print a line of
// its own.
std::string ResultLine(const ProjectResult& r) {
  using Outcome = ProjectResult::Outcome;
  const std::string file = EscapeControls(r.file);
  const std::string counts = " (" + std::to_string(r.passed) + " passed, " +
                             std::to_string(r.failures.size()) + " failed" +
                             (r.note.empty() ? "" : "; " + r.note) + ")";
  switch (r.outcome) {
    case Outcome::Passed:
      return "pass " + file + counts;
    case Outcome::Failed:
      return "fail " + file + counts;
    case Outcome::NotLoaded:
      return "fail " + file + ": " + EscapeControls(r.reason);
    case Outcome::ScriptError:
      break;
  }
  return "error " + file;
}

}  // namespace

std::vector<ProjectResult> CheckProjects(const std::vector<std::string>& files,
                                         const std::string& script, std::ostream& out,
                                         std::ostream& err) {
  std::vector<ProjectResult> results;
  int passed = 0;
  for (const std::string& file : files) {
    results.push_back(CheckProject(file, script, err));
    const ProjectResult& r = results.back();
    out << r.output << ResultLine(r) << '\n';
    if (r.outcome == ProjectResult::Outcome::Passed) ++passed;
  }
  out << passed << " of " << files.size() << " projects passed\n";
  return results;
}

int BatchStatus(const std::vector<ProjectResult>& results) {
  int status = 0;
  for (const ProjectResult& r : results) {
    if (r.outcome == ProjectResult::Outcome::ScriptError) return 2;
    if (r.outcome != ProjectResult::Outcome::Passed) status = 1;
  }
  return status;
}

std::string WriteReport(const fs::path& path, const std::string& text) {
  const int err = WriteFileWhole(path, text);
  return err == 0 ? std::string() : FileErrorText("schrijven", EscapeControls(path.string()), err);
}

}  // namespace tessaro::sim
