// Checking many project files with one script: each file is loaded into a fresh trainer in
// a folder of its own, the script runs against it, and the results go to standard output
// and, when asked, to a TAP or JUnit XML report.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace tessaro::sim {

struct ProjectResult {
  enum class Outcome { Passed, Failed, NotLoaded, ScriptError };

  std::string file;  // as named on the command line
  Outcome outcome = Outcome::Passed;
  int passed = 0;
  std::vector<std::string> failures;  // the `fail` lines
  std::string reason;                 // the load's message, or the script's error line
  std::string note;                   // about the file itself: empty, or cut off short
  std::string output;                 // everything the run printed
};

// Runs `script` once per file in `files`; prints each run's output and a result line per
// file to `out`, script errors to `err`.
std::vector<ProjectResult> CheckProjects(const std::vector<std::string>& files,
                                         const std::string& script, std::ostream& out,
                                         std::ostream& err);

// 0 when every project passed, 1 when one failed or did not load, 2 after a script error.
int BatchStatus(const std::vector<ProjectResult>& results);

enum class ReportFormat { Tap, JUnit };

std::string FormatReport(ReportFormat format, const std::string& suite,
                         const std::vector<ProjectResult>& results);

// Writes `text` to `path` whole, as every file is written (WriteFileWhole): a reader never
// sees half a report, a failed write leaves an older report whole, and no file already
// beside it redirects it. A link at `path` is replaced, not followed. Empty, or the message
// naming the file and why it failed.
std::string WriteReport(const std::filesystem::path& path, const std::string& text);

}  // namespace tessaro::sim
