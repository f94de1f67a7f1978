// The reports a teacher keeps: one HTML page with a table of projects by checks, readable in
// any browser without anything else, and a CSV table of the same for a spreadsheet.
#include <string>

#include "batch.h"
#include "engine/script/safe_text.h"

namespace tessaro::sim {

namespace {

using Outcome = ProjectResult::Outcome;

const char* VerdictWord(Verdict v) {
  switch (v) {
    case Verdict::Passed:
      return "pass";
    case Verdict::Failed:
      return "fail";
    case Verdict::NotRun:
      break;
  }
  return "error";
}

// The project's result in words: "pass" or "fail" (with what an empty or cut-off file
// held), or the reason it did not run through.
std::string ResultText(const ProjectResult& r) {
  const std::string note = r.note.empty() ? "" : " (" + r.note + ")";
  switch (r.outcome) {
    case Outcome::Passed:
      return "pass" + note;
    case Outcome::Failed:
      return "fail" + note;
    case Outcome::NotLoaded:
      return r.reason;
    case Outcome::ScriptError:
      break;
  }
  return "script " + r.reason;
}

const char* ResultClass(const ProjectResult& r) {
  switch (r.outcome) {
    case Outcome::Passed:
      return "pass";
    case Outcome::Failed:
      return "fail";
    default:
      return "error";
  }
}

// HTML text or attribute value. File names and printed texts come from students: every
// markup character is escaped, and control characters, which a page cannot show, become
// U+FFFD.
std::string Html(const std::string& text) { return Markup(text, true); }

constexpr char kStyle[] =
    "body{font-family:sans-serif;margin:1.5em;color:#222}"
    "h1{font-size:1.4em;margin-bottom:0.2em}"
    ".meta{color:#555;margin-top:0}"
    "table{border-collapse:collapse}"
    "th,td{border:1px solid #bbb;padding:0.35em 0.6em;text-align:left;vertical-align:top}"
    "thead th{background:#eee;max-width:14em;font-weight:600}"
    "tbody th{font-weight:normal;font-family:monospace;white-space:nowrap}"
    "td.pass{background:#dff3dc;color:#1d5e17}"
    "td.fail{background:#fbe0dd;color:#8a1c11}"
    "td.error{background:#fff0c2;color:#6b4e00}"
    ".detail{font-size:0.85em;font-family:monospace;color:#333;margin-top:0.3em;"
    "max-width:28em}";

// One cell of a project's row: the verdict of check `index`, with the check's failures.
std::string HtmlCell(const ProjectResult& r, const Check& check, size_t index) {
  const Verdict verdict = r.verdicts[index];
  const std::string word = VerdictWord(verdict);
  std::string cell = "<td class=\"" + word + "\">" + word;
  for (const Expectation& e : r.failures()) {
    if (check.check_of_line.at(e.line) != index) continue;
    cell += "<div class=\"detail\">line " + std::to_string(e.line) + ": expected " +
            Html(e.expected) + ", got " + Html(e.got) + "</div>";
  }
  return cell + "</td>";
}

// A CSV field, quoted where it must be. A field that a spreadsheet would take for a
// formula (a student may name a file "=cmd|..."), gets a leading apostrophe.
std::string CsvField(const std::string& text) {
  std::string field = ValidUtf8(text);
  if (!field.empty() && std::string("=+-@\t\r").find(field.front()) != std::string::npos) {
    field.insert(field.begin(), '\'');
  }
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::string HtmlReport(const BatchRun& run) {
  int passed = 0;
  for (const ProjectResult& r : run.results) passed += r.outcome == Outcome::Passed;
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
      Html(run.suite) + " \xE2\x80\x94 " + Html(run.date) + "</title>\n<style>" + kStyle +
      "</style>\n</head>\n<body>\n<h1>" + Html(run.suite) + "</h1>\n<p class=\"meta\">Checked " +
      Html(run.date) + ": " + std::to_string(passed) + " of " + std::to_string(run.results.size()) +
      " projects passed.</p>\n<table>\n<thead><tr><th>Project</th>";
  for (const std::string& name : run.check.names) page += "<th>" + Html(name) + "</th>";
  page += "<th>Result</th></tr></thead>\n<tbody>\n";
  for (const ProjectResult& r : run.results) {
    page += "<tr><th scope=\"row\">" + Html(r.file) + "</th>";
    for (size_t i = 0; i < run.check.names.size(); ++i) page += HtmlCell(r, run.check, i);
    page +=
        std::string("<td class=\"") + ResultClass(r) + "\">" + Html(ResultText(r)) + "</td></tr>\n";
  }
  return page + "</tbody>\n</table>\n</body>\n</html>\n";
}

std::string CsvReport(const BatchRun& run) {
  std::string table = "project";
  for (const std::string& name : run.check.names) table += "," + CsvField(name);
  table += ",result\r\n";
  for (const ProjectResult& r : run.results) {
    table += CsvField(r.file);
    for (const Verdict v : r.verdicts) table += std::string(",") + VerdictWord(v);
    table += "," + CsvField(ResultText(r)) + "\r\n";
  }
  return table;
}

}  // namespace tessaro::sim
