#include "simulator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <istream>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "engine/core/board_connection.h"
#include "engine/core/scan.h"
#include "engine/screen/screen_items.h"
#include "safe_text.h"

namespace tessaro::sim {

Line ParseLine(const std::string& text) {
  Line line;
  size_t i = 0;
  size_t second_end = std::string::npos;
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (i < text.size()) {
    while (i < text.size() && blank(text[i])) ++i;
    if (i >= text.size() || text[i] == '#') break;
    const size_t start = i;
    while (i < text.size() && !blank(text[i])) ++i;
    line.words.push_back(text.substr(start, i - start));
    if (line.words.size() == 2) second_end = i;
  }
  if (second_end != std::string::npos && second_end < text.size()) {
    std::string rest = text.substr(second_end + 1);
    if (!rest.empty() && rest.back() == '\r') rest.pop_back();
    line.text_after_second = rest;
  }
  return line;
}

std::string RealText(double x) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, res.ptr);
}

void ExpectWords(const Line& line, size_t count) {
  if (line.size() != count) {
    throw ScriptError("'" + line[0] + "' takes " + std::to_string(count - 1) +
                      " argument(s), got " + std::to_string(line.size() - 1));
  }
}

int64_t Integer(const std::string& word, int64_t min, int64_t max, const char* what) {
  int64_t value = 0;
  auto res = std::from_chars(word.data(), word.data() + word.size(), value);
  if (res.ec != std::errc() || res.ptr != word.data() + word.size()) {
    throw ScriptError(std::string(what) + " must be a whole number, got '" + word + "'");
  }
  if (value < min || value > max) {
    throw ScriptError(std::string(what) + " must be " + std::to_string(min) + ".." +
                      std::to_string(max) + ", got " + word);
  }
  return value;
}

double Real(const std::string& word, double min, double max, const char* what) {
  double value = 0;
  auto res = std::from_chars(word.data(), word.data() + word.size(), value);
  if (res.ec != std::errc() || res.ptr != word.data() + word.size() || !std::isfinite(value)) {
    throw ScriptError(std::string(what) + " must be a number, got '" + word + "'");
  }
  if (value < min || value > max) {
    throw ScriptError(std::string(what) + " must be " + RealText(min) + ".." + RealText(max) +
                      ", got " + word);
  }
  return value;
}

int64_t Clamped(const std::string& word, int64_t min, int64_t max, const char* what) {
  int64_t value = 0;
  auto res = std::from_chars(word.data(), word.data() + word.size(), value);
  if (res.ptr != word.data() + word.size() ||
      (res.ec != std::errc() && res.ec != std::errc::result_out_of_range)) {
    throw ScriptError(std::string(what) + " must be a whole number, got '" + word + "'");
  }
  if (res.ec == std::errc::result_out_of_range) return word.front() == '-' ? min : max;
  return std::clamp(value, min, max);
}

std::string ErrorLineText(std::string_view text) {
  constexpr size_t kLongestWord = 64;
  std::string shown;
  size_t word = 0;
  for (const char ch : text) {
    if (ch == ' ') {
      word = 0;
    } else if (++word > kLongestWord) {
      if (word == kLongestWord + 1) shown += "...";
      continue;
    }
    AppendEscaped(shown, ch);
  }
  return shown;
}

int ItemOf(const std::string& key) {
  const int item = ItemIndex(key);
  if (item < 0) throw ScriptError("no screen item '" + key + "'");
  return item;
}

Simulator::Simulator(std::ostream& out, std::filesystem::path root)
    : out_(out), root_(std::move(root)) {
  ApplyStartupDefaults(image_);
}

int Simulator::Run(std::istream& script, std::ostream& err,
                   const std::function<void(int line)>& after_line) {
  std::string text;
  int number = 0;
  while (std::getline(script, text)) {
    ++number;
    const Line line = ParseLine(text);
    if (line.words.empty()) continue;
    line_number_ = number;
    try {
      Execute(line);
    } catch (const ScriptError& e) {
      out_.flush();
      err << "error " << number << ": " << ErrorLineText(e.what()) << '\n';
      return 2;
    }
    if (after_line) after_line(number);
  }
  return tally_.failed() == 0 ? 0 : 1;
}

void Simulator::Execute(const Line& line) {
  using Handler = void (*)(Simulator&, const Line&);
  static const std::map<std::string, Handler> kCommands = {
      {"place", EditingCommand},  {"editor", EditingCommand},  {"param", EditingCommand},
      {"show", EditingCommand},   {"hide", EditingCommand},    {"move", EditingCommand},
      {"knob", InputCommand},     {"button", InputCommand},    {"ain", InputCommand},
      {"din", InputCommand},      {"kaart", InputCommand},     {"tick", TimeCommand},
      {"cycle", TimeCommand},     {"mux", TimeCommand},        {"run", TimeCommand},
      {"pid", InstrumentCommand}, {"step", InstrumentCommand}, {"onoff", InstrumentCommand},
      {"save", ProjectCommand},   {"load", ProjectCommand},    {"print", PrintCommand},
      {"plant", PlantCommand},    {"boards", BoardsCommand},   {"new", ProjectCommand},
      {"expect", ExpectCommand},  {"pause", RunCommand},       {"resume", RunCommand},
      {"speed", RunCommand},      {"undo", RunCommand},        {"redo", RunCommand},
      {"export", ExportCommand},  {"log", ExportCommand},      {"noise", NoiseCommand},
      {"tune", TuneCommand},
  };
  auto it = kCommands.find(line[0]);
  if (it == kCommands.end()) throw ScriptError("unknown command '" + line[0] + "'");
  it->second(*this, line);
}

void Simulator::ScanTick() {
  image_.ClockMs = elapsed_ms_;
  schakelblok(image_, board_, *this);
  for (const auto& stopped : logs_.Collect(image_)) Error(Render(stopped.message));
}

void Simulator::MuxTick() { SWklok(image_, board_); }

void Simulator::Information(const std::string& text) { ShowMessage(text); }

bool Simulator::Question(const std::string& text, const std::string& /*title*/) {
  ShowMessage(text);
  return true;
}

SaveAnswer Simulator::SaveQuestion(const std::string& text, const std::string& /*title*/) {
  ShowMessage(text);
  return SaveAnswer::DontSave;
}

void Simulator::Error(const std::string& text) { ShowMessage(text); }

void Simulator::ShowMessage(const std::string& text) {
  recent_messages_.push_back(text);
  out_ << "message " << text << '\n';
}

void Simulator::Print(const std::string& line) {
  if (capture_ != nullptr) {
    capture_->push_back(line);
  } else {
    out_ << line << '\n';
  }
}

std::vector<std::string> Simulator::Capture(const Line& print_line) {
  std::vector<std::string> lines;
  capture_ = &lines;
  try {
    PrintCommand(*this, print_line);
  } catch (...) {
    capture_ = nullptr;
    throw;
  }
  capture_ = nullptr;
  return lines;
}

std::string FailLine(const Expectation& e) {
  return "fail " + std::to_string(e.line) + ": expected " + e.expected + ", got " + e.got;
}

int Simulator::Tally::passed() const {
  return static_cast<int>(
      std::count_if(results.begin(), results.end(), [](const Expectation& e) { return e.passed; }));
}

void Simulator::Passed() { tally_.results.push_back({line_number_, true, {}, {}}); }

void Simulator::Failed(const std::string& expected, const std::string& got) {
  tally_.results.push_back({line_number_, false, expected, got});
  out_ << FailLine(tally_.results.back()) << '\n';
}

}  // namespace tessaro::sim
