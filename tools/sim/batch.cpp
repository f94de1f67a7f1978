#include "batch.h"

#include <ostream>
#include <set>
#include <sstream>

#include "engine/core/file_errors.h"
#include "engine/core/file_write.h"
#include "engine/core/utf8_path.h"
#include "engine/script/safe_text.h"

namespace tessaro::sim {

namespace fs = std::filesystem;

namespace {

std::string Counts(const ProjectResult& r) {
  return " (" + std::to_string(r.passed()) + " passed, " + std::to_string(r.failed()) +
         " failed" + (r.note.empty() ? "" : "; " + r.note) + ")";
}

}  // namespace

// A name holding a line end must not print a line of its own.
std::string HeaderLine(const ProjectResult& r) {
  using Outcome = ProjectResult::Outcome;
  const std::string file = EscapeControls(r.file);
  switch (r.outcome) {
    case Outcome::Passed:
      return "pass " + file + Counts(r);
    case Outcome::Failed:
      return "fail " + file + Counts(r);
    case Outcome::NotLoaded:
      return "fail " + file + ": " + EscapeControls(r.reason);
    case Outcome::ScriptError:
      break;
  }
  return "error " + file + ": " + EscapeControls(r.reason);
}

std::string NamedFailure(const Check& check, const Expectation& e) {
  return EscapeControls("fail \"" + check.NameOf(e.line) + "\" (line " + std::to_string(e.line) +
                        "): expected " + e.expected + ", got " + e.got);
}

std::vector<ProjectResult> CheckProjects(const Check& check, const std::vector<std::string>& files,
                                         std::ostream& out, std::ostream& err) {
  std::vector<ProjectResult> results;
  int passed = 0;
  for (const std::string& file : files) {
    results.push_back(CheckProject(check, Utf8Path(file)));
    const ProjectResult& r = results.back();
    if (r.outcome == ProjectResult::Outcome::ScriptError) {
      err << EscapeControls(file) << ": " << EscapeControls(r.reason) << '\n';
    }
    out << HeaderLine(r) << '\n';
    // The failures by name, then what else the run printed.
    std::set<std::string> fail_lines;
    for (const Expectation& e : r.failures()) {
      out << "  " << NamedFailure(check, e) << '\n';
      fail_lines.insert(FailLine(e));
    }
    std::istringstream printed(r.output);
    for (std::string line; std::getline(printed, line);) {
      if (!fail_lines.count(line)) out << "  " << EscapeControls(line) << '\n';
    }
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
  return err == 0 ? std::string() : FileErrorText("schrijven", EscapeControls(Utf8Name(path)), err);
}

}  // namespace tessaro::sim
