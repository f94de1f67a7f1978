// tessaro-sim: runs a script against the trainer's engine, without windows.
//   tessaro-sim [--lang nl|en] [SCRIPT]
//   tessaro-sim [--lang nl|en] --project FILE... [--report FORMAT OUT]... SCRIPT
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "batch.h"
#include "engine/core/utf8_path.h"
#include "engine/script/check.h"
#include "engine/script/simulator.h"

#ifdef _WIN32
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>
#endif

namespace {

constexpr char kUsage[] =
    "usage: tessaro-sim [--lang nl|en] [SCRIPT]\n"
    "       tessaro-sim [--lang nl|en] --project FILE... [--report FORMAT OUT]... SCRIPT\n"
    "       tessaro-sim --help | --version\n";

constexpr char kHelp[] =
    "\n"
    "Runs SCRIPT (standard input when none is given) on the trainer's engine, without\n"
    "windows. With --project, SCRIPT is a check: it is read whole, then run once for each\n"
    "project FILE, each in a fresh trainer of its own.\n"
    "\n"
    "options:\n"
    "  --lang nl|en          the language of the messages and captions printed: nl, Dutch\n"
    "                        (the default), or en, English; first, before everything else\n"
    "  --project FILE...     the project files to check\n"
    "  --report FORMAT OUT   also write the results to the file OUT; FORMAT is tap, junit,\n"
    "                        html (a page for the teacher) or csv (a table for a\n"
    "                        spreadsheet); may be given more than once\n"
    "  --help                print this help and exit\n"
    "  --version             print the version and exit\n"
    "\n"
    "exit status:\n"
    "  0  the script ran through; with --project: every project passed\n"
    "  1  an expectation failed; with --project: a project failed or did not load\n"
    "  2  an error in the script or on the command line, or a report not written\n";

int Usage(const std::string& why) {
  std::cerr << "tessaro-sim: " << why << '\n' << kUsage;
  return 2;
}

// The summary that ends a run with expectations.
void PrintTally(const tessaro::sim::Simulator& simulator) {
  const auto& tally = simulator.tally();
  if (tally.checked() == 0) return;
  std::cout << tally.passed() << " passed, " << tally.failed() << " failed\n";
}

int RunOne(std::istream& script, tessaro::Language language) {
  std::error_code error;
  tessaro::sim::Simulator simulator(std::cout, std::filesystem::current_path(error));
  simulator.set_language(language);
  const int status = simulator.Run(script, std::cerr);
  if (status != 2) PrintTally(simulator);
  return status;
}

struct Report {
  tessaro::sim::ReportFormat format;
  std::string file;
};

// Local date and time, as the HTML report shows when the check ran.
std::string Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  char text[32] = "";
#ifdef _WIN32
  const bool known = localtime_s(&local, &now) == 0;
#else
  const bool known = localtime_r(&now, &local) != nullptr;
#endif
  if (known) std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

// The words after the program's name as UTF-8 text, as the rest of the program takes names.
// Windows hands a program its words in the local code page, which cannot write every name
// (Cyrillic on a Dutch machine): there they are taken from the wide command line instead, and
// the console is told to show UTF-8.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
  SetConsoleOutputCP(CP_UTF8);
  int count = 0;
  if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
    std::vector<std::string> words;
    for (int i = 1; i < count; ++i) {
      words.push_back(tessaro::Utf8Name(std::filesystem::path(wide[i])));
    }
    LocalFree(wide);
    return words;
  }
#endif
  return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tessaro::sim;
  std::vector<std::string> args = Arguments(argc, argv);
  for (const std::string& arg : args) {
    if (arg == "--help") return std::cout << kUsage << kHelp, 0;
    if (arg == "--version") return std::cout << "tessaro-sim " << TESSARO_VERSION << '\n', 0;
  }
  // The language comes first, before a script or a batch.
  tessaro::Language language = tessaro::Language::kDutch;
  if (!args.empty() && args[0] == "--lang") {
    if (args.size() < 2 || !tessaro::LanguageFromName(args[1], &language) ||
        args[1].find_first_of("_-.@") != std::string::npos) {
      return Usage("--lang takes nl or en");
    }
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) return RunOne(std::cin, language);
  const bool option = args[0].size() > 1 && args[0][0] == '-';
  if (args.size() == 1 && !option) {
    std::ifstream script(tessaro::Utf8Path(args[0]));
    if (!script) return Usage("cannot open " + args[0]);
    return RunOne(script, language);
  }

  // The script is the last word; before it, the project files and the reports.
  static const std::map<std::string, ReportFormat> kFormats = {{"tap", ReportFormat::Tap},
                                                               {"junit", ReportFormat::JUnit},
                                                               {"html", ReportFormat::Html},
                                                               {"csv", ReportFormat::Csv}};
  std::vector<std::string> files;
  std::vector<Report> reports;  // one format for a teacher, another for CI
  bool projects = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool last = i + 1 == args.size();
    if (args[i] == "--project") {
      projects = true;
    } else if (args[i] == "--report") {
      if (i + 3 > args.size() - 1) return Usage("--report needs a format and a file");
      const auto format = kFormats.find(args[i + 1]);
      if (format == kFormats.end()) {
        return Usage("report format must be tap, junit, html or csv, got '" + args[i + 1] + "'");
      }
      reports.push_back({format->second, args[i + 2]});
      i += 2;
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      return Usage("unknown option '" + args[i] + "'");
    } else if (last) {
      break;
    } else if (projects) {
      files.push_back(args[i]);
    } else {
      return Usage("unexpected '" + args[i] + "'");
    }
  }
  if (files.empty()) return Usage("--project needs at least one project file");

  const std::string& script_name = args.back();
  std::ifstream script_file(tessaro::Utf8Path(script_name));
  if (!script_file) return Usage("cannot open " + script_name);
  std::ostringstream script;
  script << script_file.rdbuf();

  std::vector<ProjectResult> results;
  Check check;
  try {
    // A mistake in the check is the teacher's, once; no project runs with it.
    if (const std::string error = ReadCheck(script.str(), check); !error.empty()) {
      std::cerr << script_name << ": " << error << '\n';
      return 2;
    }
    check.language = language;
    results = CheckProjects(check, files, std::cout, std::cerr);
  } catch (const std::exception& e) {  // no temporary folder for a run
    std::cerr << "tessaro-sim: " << e.what() << '\n';
    return 2;
  }
  const BatchRun run{tessaro::Utf8Name(tessaro::Utf8Path(script_name).filename()), Now(), check,
                     results};
  int status = BatchStatus(results);
  for (const Report& report : reports) {
    const std::string why =
        WriteReport(tessaro::Utf8Path(report.file), FormatReport(report.format, run));
    if (!why.empty()) {
      std::cerr << "tessaro-sim: " << why << '\n';
      status = 2;
    }
  }
  return status;
}
