// The script interpreter of tessaro-sim and of the program's "Controleer": runs the trainer's
// engine from a script, without windows. Every command calls the engine action the windows
// call for the same user action.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/board/lab.h"
#include "engine/board/simulated_board.h"
#include "engine/control/instrument_log.h"
#include "engine/control/pid_tuner.h"
#include "engine/core/messages.h"
#include "engine/core/process_image.h"
#include "engine/core/run_control.h"
#include "engine/core/screen_view.h"
#include "engine/project/project_apply.h"
#include "engine/project/project_session.h"

namespace tessaro::sim {

// A script line that cannot be carried out; the text says why.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One script line split into words, and the text after the second word and one blank (the
// TEXT of `editor NAME TEXT`).
struct Line {
  std::vector<std::string> words;
  std::string text_after_second;

  const std::string& operator[](size_t i) const { return words[i]; }
  size_t size() const { return words.size(); }
};

// Splits a script line into words; '#' at the start of a word begins a comment.
Line ParseLine(const std::string& text);

// Shortest text that reads back as the same double.
std::string RealText(double x);

// Argument helpers: they throw ScriptError with a message that names the problem.
void ExpectWords(const Line& line, size_t count);
double Real(const std::string& word, double min, double max, const char* what);
int64_t Integer(const std::string& word, int64_t min, int64_t max, const char* what);
// A whole number taken as the nearest end of min..max when it lies outside.
int64_t Clamped(const std::string& word, int64_t min, int64_t max, const char* what);
// An error's text for the error line: control characters escaped ("\x07"), words longer
// than 64 characters cut, so that one line stays one readable line.
std::string ErrorLineText(std::string_view text);
int ItemOf(const std::string& key);

// One `expect` as it came out: its line, and what it expected and what was printed.
struct Expectation {
  int line = 0;
  bool passed = false;
  std::string expected;
  std::string got;
};

// "fail LINE: expected ..., got ...", as a run prints a failed expectation.
std::string FailLine(const Expectation& e);

class Simulator : public Messages, public ScreenView, public ProjectLoadView, public TickSink {
 public:
  Simulator(std::ostream& out, std::filesystem::path root);

  // Runs a whole script; returns the exit status: 0, 1 when an expectation failed, or 2
  // after an error line (the run stops there). `after_line` hears the number of each line
  // carried out.
  int Run(std::istream& script, std::ostream& err,
          const std::function<void(int line)>& after_line = {});

  // Carries out one line; throws ScriptError.
  void Execute(const Line& line);

  ProcessImage& image() { return image_; }
  SimulatedBoard& board() { return board_; }
  Lab& lab() { return lab_; }
  ProjectSession& project() { return project_; }
  PidTuner& tuner() { return tuner_; }
  const std::filesystem::path& root() const { return root_; }
  void Print(const std::string& line);

  // The line(s) that `print_line` (a `print` command) would print, without printing them.
  std::vector<std::string> Capture(const Line& print_line);

  // The number of the script line being carried out.
  int line_number() const { return line_number_; }

  // Expectations of this run, in the order they were checked.
  struct Tally {
    std::vector<Expectation> results;
    int passed() const;
    int failed() const { return static_cast<int>(results.size()) - passed(); }
    int checked() const { return static_cast<int>(results.size()); }
  };
  const Tally& tally() const { return tally_; }
  void Passed();
  void Failed(const std::string& expected, const std::string& got);

  // The texts of the message boxes shown since the last `expect`; an expectation takes
  // what it has checked out of it.
  std::vector<std::string>& recent_messages() { return recent_messages_; }

  // The two timers: a scan tick and a multiplex tick, and the virtual clock of `run`, which
  // pause and speed govern as they govern the windows' timers. The plant lives on the same
  // clock: `run` moves it to every timer event before the event fires, and a scan tick
  // given alone (`tick`, `cycle`) first lets it run 250 ms.
  void ScanTick() override;
  void MuxTick() override;
  void PlantAdvance(int64_t ms) override {
    elapsed_ms_ += ms;
    lab_.Advance(static_cast<double>(ms) / 1000);
  }
  // The script's clock as the samples are stamped with it: every millisecond that `run`,
  // `tick` and `cycle` have let the plant run.
  int64_t elapsed_ms() const { return elapsed_ms_; }
  InstrumentLogs& logs() { return logs_; }
  void Advance(int64_t ms) { tessaro::Advance(run_, ms, *this); }
  RunControl& run() { return run_; }

  // Messages: every box is printed at once as "message TEXT", in the language asked for;
  // questions are answered Yes, and the question whether to save changes first with Don't
  // save.
  void set_language(Language language) { language_ = language; }
  using Messages::Render;
  std::string Render(const Message& message) override { return Say(message, language_); }
  void Information(const std::string& text) override;
  bool Question(const std::string& text, const std::string& title) override;
  SaveAnswer SaveQuestion(const std::string& text, const std::string& title) override;
  void Error(const std::string& text) override;

  // ScreenView: the tuning assistant takes each PID cycle.
  void ControllerCycled(int n) override { tuner_.Cycled(image_, n); }
  // ProjectLoadView: another project ends the tuning tests of the last one.
  void ProjectReset() override { tuner_.Reset(); }

 private:
  void ShowMessage(const std::string& text);

  std::ostream& out_;
  Language language_ = Language::kDutch;
  std::filesystem::path root_;
  ProcessImage image_;
  SimulatedBoard board_;
  Lab lab_{board_};
  ProjectSession project_{image_, board_, *this, *this, root_, GridPictures::Skip};
  int line_number_ = 0;
  std::vector<std::string>* capture_ = nullptr;
  Tally tally_;
  std::vector<std::string> recent_messages_;
  RunControl run_;
  int64_t elapsed_ms_ = 0;
  InstrumentLogs logs_{LogWriter::Mode::Inline};
  PidTuner tuner_;
};

// The command groups; each handles the words of its own commands.
void EditingCommand(Simulator& s, const Line& l);     // place, editor, param, show, hide, move
void InputCommand(Simulator& s, const Line& l);       // knob, button, ain, din, kaart
void TimeCommand(Simulator& s, const Line& l);        // tick, cycle, mux, run
void InstrumentCommand(Simulator& s, const Line& l);  // pid, step, onoff
void ProjectCommand(Simulator& s, const Line& l);     // save, load, new
void PrintCommand(Simulator& s, const Line& l);       // print ...
void PrintInstrument(Simulator& s, const Line& l);    // print pid|step|onoff|tag|trend|recorder
void PlantCommand(Simulator& s, const Line& l);       // plant
void RunCommand(Simulator& s, const Line& l);         // pause, resume, speed, step, undo, redo
void ExportCommand(Simulator& s, const Line& l);      // export, log
void PrintPlant(Simulator& s, const Line& l);         // print plant
void BoardsCommand(Simulator& s, const Line& l);      // boards
void NoiseCommand(Simulator& s, const Line& l);       // noise
void TuneCommand(Simulator& s, const Line& l);        // tune
void PrintTune(Simulator& s, const Line& l);          // print tune
void ExpectCommand(Simulator& s, const Line& l);      // expect ...

}  // namespace tessaro::sim
