// Checking a project with a script: what tessaro-sim does for a class of project files and
// what "Controleer" does for the project on the screen. A check is read whole before any
// project runs, so that a mistake in it is one error of the script, not a failure of every
// project. Each project runs in a trainer of its own, in a folder of its own.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/script/simulator.h"

#include "engine/core/texts.h"

namespace tessaro::sim {

// A check script, read whole. Its checks are named by the nearest comment above each
// `expect` ("# Exercise 3: the fan runs with Knop1"; comment lines in a row are one text);
// the expects under one comment are one check, which passes when all of them hold.
struct Check {
  std::string text;
  // The checks' names in the order the script reaches them; "line N" for an expect with no
  // comment above it.
  std::vector<std::string> names;
  // The check of each `expect`, by its line number.
  std::map<int, size_t> check_of_line;
  // The language the projects' messages are said in.
  Language language = Language::kDutch;

  // The name of the check that the expect on `line` belongs to.
  const std::string& NameOf(int line) const { return names[check_of_line.at(line)]; }
};

// Reads `text` whole and tries it once on the start-up state, so that every line is known
// to be a valid command before a project runs. Empty when it is; otherwise the error line
// ("error LINE: WHY") of the first line that is not.
std::string ReadCheck(const std::string& text, Check& check);

// How one check came out for one project: passed, failed, or not reached (the project did
// not load, or the script stopped on an error before it).
enum class Verdict { Passed, Failed, NotRun };

struct ProjectResult {
  enum class Outcome { Passed, Failed, NotLoaded, ScriptError };

  std::string file;  // as the caller names it
  Outcome outcome = Outcome::Passed;
  std::vector<Expectation> expectations;  // in the order they were checked
  std::vector<Verdict> verdicts;          // one per check of the script
  std::string reason;  // why it did not load ("not loaded: ...", "not a project file: ..."),
                       // or the script's error line
  std::string note;    // about the file itself: empty, or cut off short
  std::string output;  // the lines the run printed (prints, messages and fail lines)

  int passed() const;
  int failed() const { return static_cast<int>(expectations.size()) - passed(); }
  std::vector<Expectation> failures() const;
};

// Runs `check` on the project in `file`: a fresh trainer, as the program starts, in a
// folder of its own whose Velden/data1.txt is a copy of the file, so that the script's
// `save` and `load` touch neither the original nor anything else. `progress` hears the
// share of the script done (0..1) after each line.
ProjectResult CheckProject(const Check& check, const std::filesystem::path& file,
                           const std::function<void(double done)>& progress = {});

// The check that belongs to a project file: checks/NAME.sim beside it, else NAME.sim beside
// it, whichever holds an `expect` first. None when neither does.
std::optional<std::filesystem::path> CheckFileFor(const std::filesystem::path& project);

}  // namespace tessaro::sim
