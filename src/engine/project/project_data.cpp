#include "engine/project/project_data.h"

#include <limits>

#include "engine/core/process_image.h"
#include "engine/core/utf8.h"

namespace tessaro {

namespace {

constexpr size_t kMaxNumberLength = 32;
// Range slots 9..11 belong to the PID controllers; their action line follows the unit.
constexpr int kFirstPidSlot = 9;

// Walks the file's lines in order. The writer and the reader share this one walk, so the
// order of the lines is written down once. `Data` is ProjectData, const or not.
template <typename Data, typename Visitor>
void VisitLines(Data& d, Visitor& v) {
  for (int r = 1; r <= kRows; ++r) {
    for (int k = 1; k <= kColumns; ++k) v.Text(d.FieldGrid[r][k]);
  }
  for (int i = 0; i < kScreenEntries; ++i) {
    v.Integer(d.ItemLeft[i]);
    v.Integer(d.ItemTop[i]);
  }
  for (auto* table : {&d.FieldParamA, &d.FieldParamB}) {
    for (int r = 1; r <= kRows; ++r) {
      for (int k = kFirstProcessingColumn; k <= kLastProcessingColumn; ++k) {
        v.Integer((*table)[r][k]);
      }
    }
  }
  for (int i = 0; i < kScreenEntries; ++i) v.Byte(d.ItemVisible[i]);
  for (int n = 1; n <= kRangeSlots; ++n) {
    v.Integer(d.RangeHigh[n]);
    v.Integer(d.RangeLow[n]);
    v.Text(d.RangeUnit[n]);
    const int pid = n - kFirstPidSlot + 1;
    if (pid >= 1 && pid <= kPidControllers) v.Integer(d.PidAction[pid]);
  }
}

class Writer {
 public:
  void Text(const std::string& text) {
    for (char ch : text) out_ += (ch == '\r' || ch == '\n') ? ' ' : ch;
    EndLine();
  }
  void Integer(int32_t value) {
    out_ += std::to_string(value);
    EndLine();
  }
  void Byte(uint8_t value) { Integer(value); }
  std::string Take() { return std::move(out_); }

 private:
  void EndLine() { out_ += "\r\n"; }
  std::string out_;
};

class Reader {
 public:
  explicit Reader(const std::vector<std::string>& lines) : lines_(lines) {}

  void Text(std::string& text) {
    const std::string* line = Next();
    text = line ? *line : std::string();
  }
  void Integer(int32_t& value) {
    const std::string* line = Next();
    if (!line) {
      value = 0;
      return;
    }
    auto read = ReadIntegerLine(*line);
    if (!read) failed_ = true;
    value = read.value_or(0);
  }
  // Only the low 8 bits of the number are kept.
  void Byte(uint8_t& value) {
    int32_t full = 0;
    Integer(full);
    value = static_cast<uint8_t>(static_cast<uint32_t>(full) & 0xFFu);
  }
  bool failed() const { return failed_; }

 private:
  // Once a line has failed, the rest is not read: the result is thrown away anyway.
  const std::string* Next() {
    if (failed_ || next_ >= lines_.size()) return nullptr;
    return &lines_[next_++];
  }

  const std::vector<std::string>& lines_;
  size_t next_ = 0;
  bool failed_ = false;
};

bool EndsNumber(char ch) {
  const auto byte = static_cast<unsigned char>(ch);
  return byte <= ' ' || byte == 0x7F;
}

}  // namespace

ProjectData CaptureProject(const ProcessImage& image) {
  ProjectData d;
  d.FieldGrid = image.FieldGrid;
  d.ItemLeft = image.ItemLeft;
  d.ItemTop = image.ItemTop;
  d.FieldParamA = image.FieldParamA;
  d.FieldParamB = image.FieldParamB;
  d.ItemVisible = image.ItemVisible;
  d.RangeHigh = image.RangeHigh;
  d.RangeLow = image.RangeLow;
  d.RangeUnit = image.RangeUnit;
  for (int n = 1; n <= kPidControllers; ++n) d.PidAction[n] = image.Pid[n].PidAction;
  return d;
}

void StoreProject(const ProjectData& d, ProcessImage& image) {
  image.FieldGrid = d.FieldGrid;
  image.ItemLeft = d.ItemLeft;
  image.ItemTop = d.ItemTop;
  image.FieldParamA = d.FieldParamA;
  image.FieldParamB = d.FieldParamB;
  image.ItemVisible = d.ItemVisible;
  image.RangeHigh = d.RangeHigh;
  image.RangeLow = d.RangeLow;
  image.RangeUnit = d.RangeUnit;
  for (int n = 1; n <= kPidControllers; ++n) image.Pid[n].PidAction = d.PidAction[n];
}

std::string FormatProject(const ProjectData& data) {
  Writer writer;
  VisitLines(data, writer);
  return writer.Take();
}

bool IsProjectText(std::string_view text) {
  return text.find('\0') == std::string_view::npos && IsValidUtf8(text);
}

std::vector<std::string> SplitLines(std::string_view text, size_t max_lines) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size() && lines.size() < max_lines) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::optional<int32_t> ReadIntegerLine(std::string_view line) {
  size_t pos = line.find_first_not_of(" \t");
  if (pos == std::string_view::npos) return std::nullopt;
  size_t end = pos;
  while (end < line.size() && !EndsNumber(line[end])) ++end;
  std::string_view number = line.substr(pos, end - pos);
  if (number.empty() || number.size() > kMaxNumberLength) return std::nullopt;

  bool negative = false;
  if (number.front() == '+' || number.front() == '-') {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  if (number.empty()) return std::nullopt;
  // The magnitude is checked as it grows, so 32 digits cannot overflow it.
  const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                 : std::numeric_limits<int32_t>::max();
  int64_t magnitude = 0;
  for (char ch : number) {
    if (ch < '0' || ch > '9') return std::nullopt;
    magnitude = magnitude * 10 + (ch - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

std::optional<ProjectData> ParseProject(const std::vector<std::string>& lines) {
  ProjectData data;
  Reader reader(lines);
  VisitLines(data, reader);
  if (reader.failed()) return std::nullopt;
  return data;
}

}  // namespace tessaro
