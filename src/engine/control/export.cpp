#include "engine/control/export.h"

#include <charconv>
#include <ctime>

#include "engine/core/file_errors.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"

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

// A unit typed on an old system may come as Latin-1; the file is UTF-8 either way.
std::string Utf8(const std::string& text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const size_t size = text.size();
  bool valid = true;
  for (size_t i = 0; i < size && valid;) {
    const unsigned char b = bytes[i];
    const size_t length = b < 0x80           ? 1
                          : (b >> 5) == 0x6  ? 2
                          : (b >> 4) == 0xE  ? 3
                          : (b >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0 || i + length > size) valid = false;
    for (size_t k = 1; valid && k < length; ++k) valid = (bytes[i + k] >> 6) == 0x2;
    i += length == 0 ? 1 : length;
  }
  if (valid) return text;
  std::string converted;
  for (size_t i = 0; i < size; ++i) {
    const unsigned char b = bytes[i];
    if (b < 0x80) {
      converted += static_cast<char>(b);
    } else {
      converted += static_cast<char>(0xC0 | (b >> 6));
      converted += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return converted;
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
  return unit.empty() ? name : std::string(name) + " (" + Utf8(unit) + ")";
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

// A trend value (twice the percentage) in the units of range slot `slot`.
std::string TrendValue(const ProcessImage& image, int slot, uint16_t twice_percent) {
  return Number(
      ScaleToRange(twice_percent / 2.0, image.RangeHigh[Index(slot)], image.RangeLow[Index(slot)]));
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
    const double value =
        ScaleToRange(BytePercent(v), image.RangeHigh[Index(slot)], image.RangeLow[Index(slot)]);
    return Line({t, time, Number(value), std::to_string(v)});
  }
  const int n = slot - 8;
  const TrendRecord& record = image.TrendTimes[Index(n)];
  if (kind == Kind::Pid) {
    const PidState& c = image.Pid[Index(n)];
    return Line({t, time, TrendValue(image, slot, c.PvTrend[i]),
                 TrendValue(image, slot, c.SpTrend[i]), Number(c.OutTrend[i] / 2.0)});
  }
  const SetpointFaceplate& c = kind == Kind::Step
                                   ? static_cast<const SetpointFaceplate&>(image.Step[Index(n)])
                                   : image.OnOff[Index(n)];
  const std::string pv = TrendValue(image, slot, c.PvTrend[i]);
  const std::string sp = TrendValue(image, slot, c.SpTrend[i]);
  const std::string out = std::to_string(record.output[record.At(i)]);
  if (kind == Kind::Step) {
    return Line({t, time, pv, sp, out, std::to_string(record.output_down[record.At(i)])});
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

std::string ExportFailedText(const std::string& path, int err) {
  return FileErrorText("schrijven", path, err);
}

}  // namespace tessaro
