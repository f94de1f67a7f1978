#include "engine/control/export.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <charconv>
#include <ctime>

#include "engine/core/file_errors.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"
#include "engine/core/utf8.h"

namespace tessaro {

namespace {

enum class Kind { None, Recorder, Pid, Step, OnOff };

Kind KindOf(int slot) {
  if (slot >= 1 && slot <= 8) return Kind::Recorder;
  if (slot >= 9 && slot <= 11) return Kind::Pid;
  if (slot >= 12 && slot <= 14) return Kind::Step;
  if (slot >= 15 && slot <= 17) return Kind::OnOff;
  return Kind::None;
}

size_t Index(int n) { return static_cast<size_t>(n); }

// The stamps of the instrument's samples; null for no instrument.
template <typename F>
auto WithRecord(const ProcessImage& image, int slot, F&& f) {
  if (KindOf(slot) == Kind::Recorder) return f(image.RecorderTimes[Index(slot)]);
  return f(image.TrendTimes[Index(IsInstrumentSlot(slot) ? slot - 8 : 0)]);
}

// Shortest text that reads back as the same double, always with '.' and never in exponent
// form, which not every spreadsheet reads.
std::string Number(double x) {
  if (x == 0) x = 0;  // no "-0"
  char buf[400];
  const auto result = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
  return std::string(buf, result.ptr);
}

// A field as a spreadsheet reads it back: quoted when it holds a separator, a quote or a
// line end.
std::string Field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string Line(std::initializer_list<std::string> fields) {
  std::string line;
  for (const std::string& f : fields) {
    if (!line.empty()) line += ',';
    line += Field(f);
  }
  return line + '\n';
}

std::string WithUnit(const char* name, const std::string& unit) {
  return unit.empty() ? name : std::string(name) + " (" + AsUtf8(unit) + ")";
}

std::string ClockText(int64_t ms, SampleClock clock) {
  if (clock == SampleClock::Script) return Number(static_cast<double>(ms) / 1000.0);
  const std::time_t seconds = static_cast<std::time_t>(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
  std::tm local{};
#ifdef _WIN32
  const bool known = localtime_s(&local, &seconds) == 0;
#else
  const bool known = localtime_r(&seconds, &local) != nullptr;
#endif
  if (!known) return Number(static_cast<double>(ms) / 1000.0);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

// How many decimals one step of a byte on a span of `span` units warrants: tenths on
// 0..100, whole numbers on 0..1000, hundredths on 0..10.
int WarrantedDecimals(double span) {
  const double step = std::abs(span) / 255;
  if (step <= 0) return 1;
  return std::clamp(static_cast<int>(std::ceil(-std::log10(step))), 0, 6);
}

// `x` to `decimals` places, trailing zeros dropped, '.' whatever the locale.
std::string Rounded(double x, int decimals) {
  char buf[400];
  const auto result =
      std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
  std::string text(buf, result.ptr);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

// A percentage in the units of range slot `slot`, to the decimals its range warrants.
std::string RangeValue(const ProcessImage& image, int slot, double percent) {
  const int32_t high = image.RangeHigh[Index(slot)];
  const int32_t low = image.RangeLow[Index(slot)];
  return Rounded(ScaleToRange(percent, high, low),
                 WarrantedDecimals(static_cast<double>(high) - low));
}

}  // namespace

uint64_t SamplesTaken(const ProcessImage& image, int slot) {
  if (KindOf(slot) == Kind::None) return 0;
  return WithRecord(image, slot, [](const auto& record) { return record.taken; });
}

size_t SamplesHeld(const ProcessImage& image, int slot) {
  if (KindOf(slot) == Kind::None) return 0;
  return WithRecord(image, slot, [](const auto& record) { return record.Held(); });
}

int64_t SampleClockMs(const ProcessImage& image, int slot, size_t i) {
  return WithRecord(image, slot, [i](const auto& record) { return record.clock_ms[record.At(i)]; });
}

std::string CsvHeader(const ProcessImage& image, int slot) {
  const std::string& unit = image.RangeUnit[Index(IsInstrumentSlot(slot) ? slot : 0)];
  switch (KindOf(slot)) {
    case Kind::Recorder:
      return Line({"t (s)", "time", WithUnit("value", unit), "byte"});
    case Kind::Pid:
      return Line({"t (s)", "time", WithUnit("pv", unit), WithUnit("sp", unit), "out (%)"});
    case Kind::Step:
      return Line({"t (s)", "time", WithUnit("pv", unit), WithUnit("sp", unit), "open", "close"});
    case Kind::OnOff:
      return Line({"t (s)", "time", WithUnit("pv", unit), WithUnit("sp", unit), "out"});
    case Kind::None:
      break;
  }
  return {};
}

std::string CsvRow(const ProcessImage& image, int slot, size_t i, int64_t origin_ms,
                   SampleClock clock) {
  const Kind kind = KindOf(slot);
  if (kind == Kind::None) return {};
  const int64_t at = SampleClockMs(image, slot, i);
  const std::string t = Number(static_cast<double>(at - origin_ms) / 1000.0);
  const std::string time = ClockText(at, clock);
  if (kind == Kind::Recorder) {
    const uint8_t v = image.Recorder[Index(slot)][i];
    return Line({t, time, RangeValue(image, slot, BytePercent(v)), std::to_string(v)});
  }
  // The values the controller computed, as its tags show them.
  const TrendRecord& record = image.TrendTimes[Index(slot - 8)];
  const size_t k = record.At(i);
  const std::string pv = RangeValue(image, slot, record.pv[k]);
  const std::string sp = RangeValue(image, slot, record.sp[k]);
  if (kind == Kind::Pid) {
    return Line({t, time, pv, sp, Rounded(record.out[k], WarrantedDecimals(100))});
  }
  const std::string out = std::to_string(record.output[k]);
  if (kind == Kind::Step) {
    return Line({t, time, pv, sp, out, std::to_string(record.output_down[k])});
  }
  return Line({t, time, pv, sp, out});
}

std::string InstrumentCsv(const ProcessImage& image, int slot, SampleClock clock) {
  std::string text = CsvHeader(image, slot);
  const size_t held = SamplesHeld(image, slot);
  if (held == 0) return text;
  const int64_t newest = SampleClockMs(image, slot, 0);
  for (size_t i = held; i-- > 0;) text += CsvRow(image, slot, i, newest, clock);
  return text;
}

Phrase ExportFailed(const std::string& path, int err) {
  return FileError(FileVerb::kWrite, path, FileCause(err));
}

}  // namespace tessaro
