// tessaro-sim: runs a script against the trainer's engine, without windows.
//   tessaro-sim [SCRIPT]
//   tessaro-sim --project FILE... [--report tap|junit OUT] SCRIPT
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "batch.h"
#include "simulator.h"

namespace {

constexpr char kUsage[] =
    "usage: tessaro-sim [SCRIPT]\n"
    "       tessaro-sim --project FILE... [--report tap|junit OUT]... SCRIPT\n";

int Usage(const std::string& why) {
  std::cerr << "tessaro-sim: " << why << '\n' << kUsage;
  return 2;
}

// The summary that ends a run with expectations.
void PrintTally(const tessaro::sim::Simulator& simulator) {
  const auto& tally = simulator.tally();
  if (tally.checked() == 0) return;
  std::cout << tally.passed << " passed, " << tally.failures.size() << " failed\n";
}

int RunOne(std::istream& script) {
  std::error_code error;
  tessaro::sim::Simulator simulator(std::cout, std::filesystem::current_path(error));
  const int status = simulator.Run(script, std::cerr);
  if (status != 2) PrintTally(simulator);
  return status;
}

struct Report {
  tessaro::sim::ReportFormat format;
  std::string file;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace tessaro::sim;
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return RunOne(std::cin);
  if (args.size() == 1 && args[0] != "--project" && args[0] != "--report") {
    std::ifstream script(args[0]);
    if (!script) return Usage("cannot open " + args[0]);
    return RunOne(script);
  }

  // The script is the last word; before it, the project files and the report.
  std::vector<std::string> files;
  std::vector<Report> reports;  // one format for a teacher's tool, another for CI
  bool projects = false;
  for (size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == "--project") {
      projects = true;
    } else if (args[i] == "--report") {
      if (i + 3 > args.size() - 1) return Usage("--report needs tap or junit and a file");
      if (args[i + 1] != "tap" && args[i + 1] != "junit") {
        return Usage("report format must be tap or junit, got '" + args[i + 1] + "'");
      }
      reports.push_back(
          {args[i + 1] == "tap" ? ReportFormat::Tap : ReportFormat::JUnit, args[i + 2]});
      i += 2;
    } else if (projects) {
      files.push_back(args[i]);
    } else {
      return Usage("unexpected '" + args[i] + "'");
    }
  }
  if (files.empty()) return Usage("--project needs at least one project file");

  const std::string& script_name = args.back();
  std::ifstream script_file(script_name);
  if (!script_file) return Usage("cannot open " + script_name);
  std::ostringstream script;
  script << script_file.rdbuf();

  std::vector<ProjectResult> results;
  try {
    results = CheckProjects(files, script.str(), std::cout, std::cerr);
  } catch (const std::exception& e) {  // no temporary folder for a run
    std::cerr << "tessaro-sim: " << e.what() << '\n';
    return 2;
  }
  const std::string suite = std::filesystem::path(script_name).filename().string();
  int status = BatchStatus(results);
  for (const Report& report : reports) {
    const std::string why = WriteReport(report.file, FormatReport(report.format, suite, results));
    if (!why.empty()) {
      std::cerr << "tessaro-sim: " << why << '\n';
      status = 2;
    }
  }
  return status;
}
