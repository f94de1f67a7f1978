// The TAP and JUnit XML reports of a batch check, for CI systems and marking tools.
#include <string>

#include "batch.h"
#include "engine/script/safe_text.h"

namespace tessaro::sim {

namespace {

using Outcome = ProjectResult::Outcome;

// TAP is read line by line: control characters become blanks.
std::string OneLine(const std::string& text) {
  std::string out = ValidUtf8(text);
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return out;
}

// A test's description, where '#' would start a directive.
std::string TapDescription(const std::string& text) {
  std::string out;
  for (char c : OneLine(text)) {
    if (c == '#' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

// What went wrong, one line each: the load's or the script's message, or the fail lines.
std::vector<std::string> Problems(const ProjectResult& r) {
  if (!r.reason.empty()) return {r.reason};
  std::vector<std::string> lines;
  for (const Expectation& e : r.failures()) lines.push_back(FailLine(e));
  return lines;
}

std::string Tap(const std::vector<ProjectResult>& results) {
  std::string text = "TAP version 13\n1.." + std::to_string(results.size()) + "\n";
  int number = 0;
  for (const ProjectResult& r : results) {
    text += (r.outcome == Outcome::Passed ? "ok " : "not ok ") + std::to_string(++number) + " - " +
            TapDescription(r.file) + "\n";
    for (const std::string& line : Problems(r)) text += "# " + OneLine(line) + "\n";
  }
  return text;
}

std::string JUnit(const std::string& suite, const std::vector<ProjectResult>& results) {
  int failures = 0;
  int errors = 0;
  std::string cases;
  for (const ProjectResult& r : results) {
    cases +=
        "    <testcase classname=\"" + Markup(suite, true) + "\" name=\"" + Markup(r.file, true) + "\"";
    if (r.outcome == Outcome::Passed && r.output.empty()) {
      cases += "/>\n";
      continue;
    }
    cases += ">\n";
    std::string detail;
    for (const std::string& line : Problems(r)) detail += line + "\n";
    switch (r.outcome) {
      case Outcome::Passed:
        break;
      case Outcome::Failed:
        ++failures;
        cases += "      <failure message=\"" + std::to_string(r.failed()) + " of " +
                 std::to_string(r.expectations.size()) +
                 " expectations failed\">" + Markup(detail, false) + "</failure>\n";
        break;
      case Outcome::NotLoaded:
        ++failures;
        cases += "      <failure message=\"" + Markup(r.reason, true) + "\"/>\n";
        break;
      case Outcome::ScriptError:
        ++errors;
        cases += "      <error message=\"" + Markup(r.reason, true) + "\"/>\n";
        break;
    }
    if (!r.output.empty()) cases += "      <system-out>" + Markup(r.output, false) + "</system-out>\n";
    cases += "    </testcase>\n";
  }
  const std::string counts = " tests=\"" + std::to_string(results.size()) + "\" failures=\"" +
                             std::to_string(failures) + "\" errors=\"" + std::to_string(errors) +
                             "\"";
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites name=\"tessaro-sim\"" + counts +
         ">\n  <testsuite name=\"" + Markup(suite, true) + "\"" + counts + ">\n" + cases +
         "  </testsuite>\n</testsuites>\n";
}

}  // namespace

std::string FormatReport(ReportFormat format, const BatchRun& run) {
  switch (format) {
    case ReportFormat::Tap:
      return Tap(run.results);
    case ReportFormat::JUnit:
      return JUnit(run.suite, run.results);
    case ReportFormat::Html:
      return HtmlReport(run);
    case ReportFormat::Csv:
      break;
  }
  return CsvReport(run);
}

}  // namespace tessaro::sim
