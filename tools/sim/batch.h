// Checking many project files with one check: each file runs in a trainer of its own (see
// engine/script/check.h); the results go to standard output, per project in words, and,
// when asked, to reports: TAP and JUnit XML for CI systems and marking tools, an HTML page
// and a CSV table for the teacher.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "engine/script/check.h"

namespace tessaro::sim {

// Runs `check` once per file in `files`. Per project, `out` gets a header line with the
// file and its verdict, then its failures named by their checks and the lines the run
// printed; at the end "N of M projects passed". Script errors go to `err` as well.
std::vector<ProjectResult> CheckProjects(const Check& check, const std::vector<std::string>& files,
                                         std::ostream& out, std::ostream& err);

// The project's header line, one line whatever the file is named: "pass FILE (N passed, M
// failed)", "fail FILE (...)" (with a note on an empty or cut-off file), "fail FILE: not
// loaded: WHY", "fail FILE: not a project file: WHY" or "error FILE: error LINE: WHY".
std::string HeaderLine(const ProjectResult& r);

// A failure as the batch shows it: `fail "CHECK" (line N): expected ..., got ...`.
std::string NamedFailure(const Check& check, const Expectation& e);

// 0 when every project passed, 1 when one failed or did not load, 2 after a script error.
int BatchStatus(const std::vector<ProjectResult>& results);

enum class ReportFormat { Tap, JUnit, Html, Csv };

// What a report tells: the check (its file name and its checks), when it ran, and the
// results.
struct BatchRun {
  std::string suite;  // the check's file name
  std::string date;   // local date and time of the run, "2026-12-08 20:15"
  const Check& check;
  const std::vector<ProjectResult>& results;
};

std::string FormatReport(ReportFormat format, const BatchRun& run);

// The HTML page and the CSV table for the teacher.
std::string HtmlReport(const BatchRun& run);
std::string CsvReport(const BatchRun& run);

// Writes `text` to `path` whole, as every file is written (WriteFileWhole): a reader never
// sees half a report, a failed write leaves an older report whole, and no file already
// beside it redirects it. A link at `path` is replaced, not followed. Empty, or the message
// naming the file and why it failed.
std::string WriteReport(const std::filesystem::path& path, const std::string& text);

}  // namespace tessaro::sim
