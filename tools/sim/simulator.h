// tessaro-sim: runs the trainer's engine from a script, without windows.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/board/simulated_board.h"
#include "engine/core/messages.h"
#include "engine/core/process_image.h"
#include "engine/core/screen_view.h"

namespace tessaro::sim {

// A script line that cannot be carried out; the text says why.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One script line split into words; `rest` holds the text after the command word and one
// blank, for commands that take a TEXT.
struct Line {
  std::vector<std::string> words;
  std::string text_after_second;  // the rest of the line after the second word and one blank
};

class Simulator : private Messages, private ScreenView {
 public:
  explicit Simulator(std::ostream& out);

  // Runs a whole script; returns the exit status (0, or 2 after an error line).
  int Run(std::istream& script, std::ostream& err);

  // Carries out one line; throws ScriptError.
  void Execute(const Line& line);

  ProcessImage& image() { return image_; }
  SimulatedBoard& board() { return board_; }

 private:
  using Handler = std::function<void(Simulator&, const Line&)>;
  static const std::map<std::string, Handler>& Commands();
  static const std::map<std::string, Handler>& PrintCommands();

  // Messages: every box is printed at once; questions are answered Yes.
  void Information(const std::string& text) override;
  bool Question(const std::string& text, const std::string& title) override;
  void Error(const std::string& text) override;

  void Print(const std::string& line);

  // Argument helpers.
  static void ExpectWords(const Line& line, size_t count);
  static int64_t Integer(const std::string& word, int64_t min, int64_t max, const char* what);
  static int ItemOf(const std::string& key);

  // Commands.
  static void Button(Simulator& s, const Line& l);
  static void Knob(Simulator& s, const Line& l);
  static void Show(Simulator& s, const Line& l);
  static void Hide(Simulator& s, const Line& l);
  static void Move(Simulator& s, const Line& l);
  static void PrintCommand(Simulator& s, const Line& l);
  static void PrintItem(Simulator& s, const Line& l);
  static void PrintRange(Simulator& s, const Line& l);
  static void PrintLamp(Simulator& s, const Line& l);
  static void PrintPhase(Simulator& s, const Line& l);

  std::ostream& out_;
  ProcessImage image_;
  SimulatedBoard board_;
};

// Splits a script line into words ('#' at the start of a word begins a comment).
Line ParseLine(const std::string& text);

// Shortest text that reads back as the same double.
std::string RealText(double x);

}  // namespace tessaro::sim
