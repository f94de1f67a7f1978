// `expect`: compares what a `print` would print with what the script expects.
//
//   expect WHAT ARGS... KEY=VALUE ...   the words before the first KEY=VALUE are `print WHAT
//                                       ARGS...`; only the named keys of its line are compared
//   expect WHAT ARGS... TEXT            for a print without KEY=VALUE words (label, lamp,
//                                       recorder, ...): the shortest `print WHAT ARGS...` that
//                                       prints; the rest of its line must read TEXT
//   expect message TEXT                 a message box with TEXT was shown since the last expect
//
// A VALUE or a TEXT word matches when it has the same length and the same characters, `*`
// standing for any one character, or, written `X+-T`, when it is a number within T of X.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "simulator.h"

namespace tessaro::sim {

namespace {

using Words = std::vector<std::string>;

std::optional<double> Number(std::string_view text) {
  double value = 0;
  auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || res.ec != std::errc() || res.ptr != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

bool CharactersMatch(std::string_view pattern, std::string_view actual) {
  if (pattern.size() != actual.size()) return false;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '*' && pattern[i] != actual[i]) return false;
  }
  return true;
}

// Whether the printed word `actual` matches the expected `pattern`. A tolerance that is
// not two numbers is the script's fault.
bool WordMatches(const std::string& pattern, const std::string& actual) {
  const size_t pm = pattern.find("+-");
  if (pm == std::string::npos) return CharactersMatch(pattern, actual);
  const auto expected = Number(std::string_view(pattern).substr(0, pm));
  const auto tolerance = Number(std::string_view(pattern).substr(pm + 2));
  if (!expected || !tolerance || *tolerance < 0 || !std::isfinite(*expected + *tolerance)) {
    throw ScriptError("'" + pattern + "' is no number with a tolerance (X+-T)");
  }
  const auto value = Number(actual);
  // Decimal values such as 60.6 - 60 do not come out exactly 0.6 in binary; a bound that
  // is met to within rounding counts as met.
  const double slack = 1e-9 * std::max(1.0, std::abs(*expected));
  return value && std::abs(*value - *expected) <= *tolerance + slack;
}

bool WordsMatch(const Words& patterns, Words::const_iterator first, Words::const_iterator last) {
  if (static_cast<size_t>(last - first) != patterns.size()) return false;
  for (const std::string& pattern : patterns) {
    if (!WordMatches(pattern, *first++)) return false;
  }
  return true;
}

Words Split(const std::string& text) { return ParseLine(text).words; }

std::string Join(Words::const_iterator first, Words::const_iterator last) {
  std::string text;
  for (; first != last; ++first) text += (text.empty() ? "" : " ") + *first;
  return text;
}

// The word starts a KEY=VALUE pair.
bool IsPair(const std::string& word) {
  const size_t eq = word.find('=');
  return eq != std::string::npos && eq > 0;
}

// The one line that `print` with `words` prints.
std::string PrintedLine(Simulator& s, const Words& words) {
  Line print{{"print"}, {}};
  print.words.insert(print.words.end(), words.begin(), words.end());
  const std::string command = "'print " + Join(words.begin(), words.end()) + "'";
  std::vector<std::string> lines;
  try {
    lines = s.Capture(print);
  } catch (const ScriptError& e) {
    throw ScriptError("cannot expect " + command + ": " + e.what());
  }
  if (lines.size() != 1) {
    throw ScriptError(command + " prints " + std::to_string(lines.size()) + " lines");
  }
  return lines.front();
}

void Report(Simulator& s, bool passed, const std::string& expected, const std::string& got) {
  if (passed) {
    s.Passed();
  } else {
    s.Failed(expected, got);
  }
}

// expect WHAT ARGS... KEY=VALUE...: a VALUE holds the words up to the next pair, and is
// compared with as many words from its key on in the printed line.
void ExpectPairs(Simulator& s, const Words& words, size_t first_pair) {
  const Words command(words.begin(), words.begin() + static_cast<long>(first_pair));
  const Words printed = Split(PrintedLine(s, command));
  const auto printed_first_pair = std::find_if(printed.begin(), printed.end(), IsPair);
  std::string got = Join(printed.begin(), printed_first_pair);
  bool passed = true;
  for (size_t i = first_pair; i < words.size();) {
    const size_t eq = words[i].find('=');
    const std::string key = words[i].substr(0, eq + 1);
    Words value{words[i].substr(eq + 1)};
    for (++i; i < words.size() && !IsPair(words[i]); ++i) value.push_back(words[i]);

    const auto at = std::find_if(printed_first_pair, printed.end(), [&](const std::string& w) {
      return IsPair(w) && w.compare(0, key.size(), key) == 0;
    });
    if (at == printed.end()) {
      throw ScriptError("'print " + Join(command.begin(), command.end()) + "' shows no " +
                        key.substr(0, key.size() - 1));
    }
    Words actual{at->substr(key.size())};
    for (auto w = at + 1; w != printed.end() && actual.size() < value.size(); ++w) {
      actual.push_back(*w);
    }
    passed = WordsMatch(value, actual.begin(), actual.end()) && passed;
    got += " " + key + Join(actual.begin(), actual.end());
  }
  Report(s, passed, Join(words.begin(), words.end()), got);
}

// expect WHAT ARGS... TEXT: the printed line must read WHAT, some of the leading words of
// the print command (a print repeats the words that name what it shows, not a count such as
// the number of samples), then TEXT.
void ExpectText(Simulator& s, const Words& words) {
  std::optional<ScriptError> error;
  for (size_t length = 1; length < words.size(); ++length) {
    const Words command(words.begin(), words.begin() + static_cast<long>(length));
    std::string line;
    try {
      line = PrintedLine(s, command);
    } catch (const ScriptError& e) {
      error = e;
      continue;
    }
    const Words expected(words.begin() + static_cast<long>(length), words.end());
    const Words printed = Split(line);
    bool passed = false;
    for (size_t head = 1; head <= std::min(command.size(), printed.size()) && !passed; ++head) {
      if (printed[head - 1] != command[head - 1]) break;
      passed = WordsMatch(expected, printed.begin() + static_cast<long>(head), printed.end());
    }
    return Report(s, passed, Join(words.begin(), words.end()), line);
  }
  if (error) throw *error;
  throw ScriptError("'expect " + words.front() + "' needs what to expect");
}

// expect message TEXT: passes on the first message since the last expect that reads TEXT,
// and takes it and those before it, so that several in a row check messages in turn.
void ExpectMessage(Simulator& s, const Line& l) {
  std::vector<std::string>& shown = s.recent_messages();
  const auto match = std::find_if(shown.begin(), shown.end(), [&](const std::string& m) {
    return CharactersMatch(l.text_after_second, m);
  });
  if (match != shown.end()) {
    shown.erase(shown.begin(), match + 1);
    return s.Passed();
  }
  std::string got;
  for (const std::string& m : shown) got += (got.empty() ? "message " : "; message ") + m;
  s.Failed("message " + l.text_after_second, got.empty() ? "no message" : got);
  shown.clear();
}

}  // namespace

void ExpectCommand(Simulator& s, const Line& l) {
  if (l.size() < 2) throw ScriptError("'expect' needs what to expect");
  if (l[1] == "message") return ExpectMessage(s, l);
  const Words words(l.words.begin() + 1, l.words.end());
  const auto first_pair = std::find_if(words.begin(), words.end(), IsPair);
  if (first_pair == words.end()) {
    ExpectText(s, words);
  } else {
    ExpectPairs(s, words, static_cast<size_t>(first_pair - words.begin()));
  }
  s.recent_messages().clear();
}

}  // namespace tessaro::sim
