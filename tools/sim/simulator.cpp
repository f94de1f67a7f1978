#include "simulator.h"

#include <charconv>
#include <istream>
#include <ostream>

#include "engine/core/operator_screen.h"
#include "engine/screen/screen_items.h"

namespace tessaro::sim {

Line ParseLine(const std::string& text) {
  Line line;
  size_t i = 0;
  size_t second_end = std::string::npos;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r')) ++i;
    if (i >= text.size() || text[i] == '#') break;
    const size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != '\r') ++i;
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

Simulator::Simulator(std::ostream& out) : out_(out) { ApplyStartupDefaults(image_); }

int Simulator::Run(std::istream& script, std::ostream& err) {
  std::string text;
  int number = 0;
  while (std::getline(script, text)) {
    ++number;
    const Line line = ParseLine(text);
    if (line.words.empty()) continue;
    try {
      Execute(line);
    } catch (const ScriptError& e) {
      out_.flush();
      err << "error " << number << ": " << e.what() << '\n';
      return 2;
    }
  }
  return 0;
}

void Simulator::Execute(const Line& line) {
  const auto& commands = Commands();
  auto it = commands.find(line.words[0]);
  if (it == commands.end()) throw ScriptError("unknown command '" + line.words[0] + "'");
  it->second(*this, line);
}

const std::map<std::string, Simulator::Handler>& Simulator::Commands() {
  static const std::map<std::string, Handler> kCommands = {
      {"button", Button}, {"knob", Knob},  {"show", Show},
      {"hide", Hide},     {"move", Move},  {"print", PrintCommand},
  };
  return kCommands;
}

const std::map<std::string, Simulator::Handler>& Simulator::PrintCommands() {
  static const std::map<std::string, Handler> kPrints = {
      {"item", PrintItem},
      {"range", PrintRange},
      {"lamp", PrintLamp},
      {"phase", PrintPhase},
  };
  return kPrints;
}

void Simulator::Information(const std::string& text) { Print("message " + text); }

bool Simulator::Question(const std::string& text, const std::string& /*title*/) {
  Print("message " + text);
  return true;
}

void Simulator::Error(const std::string& text) { Print("message " + text); }

void Simulator::Print(const std::string& line) { out_ << line << '\n'; }

void Simulator::ExpectWords(const Line& line, size_t count) {
  if (line.words.size() != count) {
    throw ScriptError("'" + line.words[0] + "' takes " + std::to_string(count - 1) +
                      " argument(s), got " + std::to_string(line.words.size() - 1));
  }
}

int64_t Simulator::Integer(const std::string& word, int64_t min, int64_t max, const char* what) {
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

int Simulator::ItemOf(const std::string& key) {
  const int item = ItemIndex(key);
  if (item < 0) throw ScriptError("no screen item '" + key + "'");
  return item;
}

void Simulator::Button(Simulator& s, const Line& l) {
  ExpectWords(l, 2);
  KnopClick(s.image_, s, static_cast<int>(Integer(l.words[1], 1, kScreenButtons, "button")));
}

void Simulator::Knob(Simulator& s, const Line& l) {
  ExpectWords(l, 3);
  const int n = static_cast<int>(Integer(l.words[1], 1, kValueKnobs, "knob"));
  KnobChanged(s.image_, n, static_cast<int>(Integer(l.words[2], 0, 255, "knob value")));
}

void Simulator::Show(Simulator& s, const Line& l) {
  ExpectWords(l, 2);
  SetItemVisible(s.image_, s, ItemOf(l.words[1]), true);
}

void Simulator::Hide(Simulator& s, const Line& l) {
  ExpectWords(l, 2);
  SetItemVisible(s.image_, s, ItemOf(l.words[1]), false);
}

void Simulator::Move(Simulator& s, const Line& l) {
  ExpectWords(l, 4);
  const int item = ItemOf(l.words[1]);
  // The layout editor's position boxes hold 0..2000 and 0..1200.
  SetItemLeft(s.image_, s, item, static_cast<int>(Integer(l.words[2], 0, 2000, "left")));
  SetItemTop(s.image_, s, item, static_cast<int>(Integer(l.words[3], 0, 1200, "top")));
}

void Simulator::PrintCommand(Simulator& s, const Line& l) {
  if (l.words.size() < 2) throw ScriptError("'print' needs what to print");
  const auto& prints = PrintCommands();
  auto it = prints.find(l.words[1]);
  if (it == prints.end()) throw ScriptError("cannot print '" + l.words[1] + "'");
  // The print handlers see their own words from index 1 on.
  Line rest;
  rest.words.assign(l.words.begin() + 1, l.words.end());
  it->second(s, rest);
}

void Simulator::PrintItem(Simulator& s, const Line& l) {
  ExpectWords(l, 2);
  const int i = ItemOf(l.words[1]);
  s.Print("item " + l.words[1] + " visible=" + std::to_string(s.image_.ItemVisible[i]) +
          " left=" + std::to_string(s.image_.ItemLeft[i]) +
          " top=" + std::to_string(s.image_.ItemTop[i]));
}

void Simulator::PrintRange(Simulator& s, const Line& l) {
  ExpectWords(l, 2);
  const int n = static_cast<int>(Integer(l.words[1], 1, kRangeSlots, "range slot"));
  s.Print("range " + l.words[1] + " high=" + std::to_string(s.image_.RangeHigh[n]) +
          " low=" + std::to_string(s.image_.RangeLow[n]) + " unit=" + s.image_.RangeUnit[n]);
}

void Simulator::PrintLamp(Simulator& s, const Line& l) {
  ExpectWords(l, 2);
  const int i = ItemOf(l.words[1]);
  const ItemKind kind = ScreenItems()[static_cast<size_t>(i)].kind;
  if (kind != ItemKind::InputLamp && kind != ItemKind::OutputLamp &&
      kind != ItemKind::PushButton) {
    throw ScriptError("'" + l.words[1] + "' is no lamp or push button");
  }
  const std::string& file = s.image_.ItemPicture[i];
  s.Print("lamp " + l.words[1] + " " + (file.empty() ? "-" : file));
}

void Simulator::PrintPhase(Simulator& s, const Line& l) {
  ExpectWords(l, 1);
  s.Print("phase scan=" + std::to_string(s.image_.ScanPhase) +
          " sine=" + std::to_string(s.image_.SineStep) +
          " recorder=" + std::to_string(s.image_.RecorderPhase) +
          " mux=" + std::to_string(s.image_.MuxPhase));
}

}  // namespace tessaro::sim
