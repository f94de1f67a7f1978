#include "engine/script/check.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <system_error>

#include "engine/core/messages.h"
#include "engine/core/private_folder.h"
#include "engine/core/utf8_path.h"
#include "engine/project/project_file.h"
#include "engine/script/student_file.h"

namespace tessaro::sim {

namespace fs = std::filesystem;

namespace {

// The message boxes of the project load, kept for the result, in the check's language.
class LoadMessages : public Messages {
 public:
  explicit LoadMessages(Language language) : language_(language) {}
  using Messages::Render;
  std::string Render(const Message& message) override { return Say(message, language_); }
  void Information(const std::string& text) override { Add(text); }
  bool Question(const std::string& text, const std::string&) override { return Add(text), true; }
  void Error(const std::string& text) override { Add(text); }
  const std::string& text() const { return text_; }

 private:
  void Add(const std::string& text) { text_ += (text_.empty() ? "" : " ") + text; }
  Language language_;
  std::string text_;
};

// A folder of its own for one run, removed afterwards, with an empty Velden.
class RunFolder {
 public:
  RunFolder() {
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec) / "tessaro-check";
    if (!ec) path_ = MakeFreshPrivateFolder(base);
    if (path_.empty()) {
      throw std::runtime_error("cannot make a folder for the run in " + Utf8Name(base) + "-XXXXXX");
    }
    fs::create_directory(path_ / "Velden", ec);
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

// A whole-line comment's text without its '#' and the blanks around it; empty for any
// other line, and for a comment with no words.
std::string CommentText(const std::string& line) {
  const size_t hash = line.find_first_not_of(" \t");
  if (hash == std::string::npos || line[hash] != '#') return {};
  const size_t first = line.find_first_not_of(" \t#", hash);
  if (first == std::string::npos) return {};
  const size_t last = line.find_last_not_of(" \t\r");
  return line.substr(first, last - first + 1);
}

int CountLines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n')) +
         (text.empty() || text.back() == '\n' ? 0 : 1);
}

// The script's error line without its line end.
std::string ErrorLine(const std::ostringstream& errors) {
  std::string text = errors.str();
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

// A short file loads without an error, so the teacher is told what it held: nothing at all,
// or fewer lines than a whole project.
std::string FileNote(const fs::path& file) {
  const auto count = CountProjectLines(file);
  if (!count || !count->incomplete) return {};
  if (count->empty) return "empty file";
  return "incomplete file, " + std::to_string(count->lines) +
         (count->lines == 1 ? " line" : " lines");
}

}  // namespace

std::string ReadCheck(const std::string& text, Check& check) {
  check = Check{};
  check.text = text;
  std::istringstream lines(text);
  std::string line;
  // The nearest comment above: a comment of several lines in a row is one text.
  std::string comment;
  bool in_comment = false;
  std::map<std::string, size_t> by_name;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (std::string c = CommentText(line); !c.empty()) {
      comment = in_comment ? comment + " " + c : c;
      in_comment = true;
      continue;
    }
    in_comment = false;
    const Line words = ParseLine(line);
    if (words.words.empty() || words[0] != "expect") continue;
    const std::string name = comment.empty() ? "line " + std::to_string(number) : comment;
    auto [at, added] = by_name.emplace(name, check.names.size());
    if (added) check.names.push_back(name);
    check.check_of_line[number] = at->second;
  }

  // A dry run on the start-up state finds what a reading alone cannot: a word out of its
  // range, a key that a print does not show. What a project may change (a message, a
  // failed expect) is no error of the script.
  RunFolder folder;
  std::ostringstream output;
  std::ostringstream errors;
  Simulator simulator(output, folder.path());
  std::istringstream script(text);
  if (simulator.Run(script, errors) == 2) return ErrorLine(errors);
  return {};
}

int ProjectResult::passed() const {
  return static_cast<int>(std::count_if(expectations.begin(), expectations.end(),
                                        [](const Expectation& e) { return e.passed; }));
}

std::vector<Expectation> ProjectResult::failures() const {
  std::vector<Expectation> failed;
  std::copy_if(expectations.begin(), expectations.end(), std::back_inserter(failed),
               [](const Expectation& e) { return !e.passed; });
  return failed;
}

ProjectResult CheckProject(const Check& check, const fs::path& file,
                           const std::function<void(double done)>& progress) {
  using Outcome = ProjectResult::Outcome;
  ProjectResult result;
  result.file = Utf8Name(file);
  result.verdicts.assign(check.names.size(), Verdict::NotRun);
  if (const std::string why = NotAProjectFile(file); !why.empty()) {
    result.outcome = Outcome::NotLoaded;
    result.reason = "not a project file: " + why;
    return result;
  }
  RunFolder folder;
  std::ostringstream output;
  Simulator simulator(output, folder.path());
  simulator.set_language(check.language);

  LoadMessages load_messages(check.language);
  if (LoadProjectFile(simulator.image(), file, folder.path(), load_messages, simulator,
                      GridPictures::Skip) == LoadResult::Failed) {
    result.outcome = Outcome::NotLoaded;
    result.reason = "not loaded: " + load_messages.text();
    return result;
  }
  result.note = FileNote(file);
  std::error_code ec;
  fs::copy_file(file, folder.path() / "Velden" / kProjectFileName, ec);
  if (ec) {
    result.outcome = Outcome::NotLoaded;
    result.reason = "not loaded: " + ec.message();
    return result;
  }

  std::istringstream lines(check.text);
  std::ostringstream errors;
  const double total = std::max(1, CountLines(check.text));
  const int status = simulator.Run(lines, errors, [&](int line) {
    if (progress) progress(line / total);
  });
  result.output = output.str();
  result.expectations = simulator.tally().results;

  // A check passes when every expect under its name was reached and held.
  std::vector<int> expects(check.names.size());
  std::vector<int> held(check.names.size());
  for (const auto& [line, index] : check.check_of_line) ++expects[index];
  for (const Expectation& e : result.expectations) {
    const auto at = check.check_of_line.find(e.line);
    if (at == check.check_of_line.end()) continue;
    if (!e.passed) result.verdicts[at->second] = Verdict::Failed;
    if (e.passed) ++held[at->second];
  }
  for (size_t i = 0; i < expects.size(); ++i) {
    if (result.verdicts[i] != Verdict::Failed && held[i] == expects[i]) {
      result.verdicts[i] = Verdict::Passed;
    }
  }

  if (status == 2) {
    result.outcome = Outcome::ScriptError;
    result.reason = ErrorLine(errors);
  } else if (status == 1) {
    result.outcome = Outcome::Failed;
  }
  return result;
}

std::optional<fs::path> CheckFileFor(const fs::path& project) {
  if (project.empty()) return std::nullopt;
  fs::path name = project.stem();
  name += ".sim";
  for (const fs::path& candidate :
       {project.parent_path() / "checks" / name, project.parent_path() / name}) {
    // Looked up whenever the dialog opens: a FIFO or a device there must not make it wait.
    std::error_code ec;
    if (!fs::is_regular_file(candidate, ec)) continue;
    std::ifstream file(candidate);
    std::string line;
    while (file && std::getline(file, line)) {
      const Line words = ParseLine(line);
      if (!words.words.empty() && words[0] == "expect") return candidate;
    }
  }
  return std::nullopt;
}

}  // namespace tessaro::sim
