// The project: the tables the project file holds, and their text form. A load reads the
// whole file into a ProjectData first and puts it into the process image only when every
// line read well, so a bad file never leaves a half-loaded project behind.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/image_sizes.h"

namespace tessaro {

struct ProcessImage;

constexpr int kProjectLines = 470;
constexpr int kPidControllers = 3;

struct ProjectData {
  RowColumnTable<std::string> FieldGrid{};  // [1..16][1..7]
  std::array<int32_t, kScreenEntries> ItemLeft{};
  std::array<int32_t, kScreenEntries> ItemTop{};
  RowColumnTable<int32_t> FieldParamA{};  // [1..16][2..6]
  RowColumnTable<int32_t> FieldParamB{};
  std::array<uint8_t, kScreenEntries> ItemVisible{};
  std::array<int32_t, kRangeSlots + 1> RangeHigh{};  // 1..17
  std::array<int32_t, kRangeSlots + 1> RangeLow{};
  std::array<std::string, kRangeSlots + 1> RangeUnit{};
  std::array<int32_t, kPidControllers + 1> PidAction{};  // 1..3

  bool operator==(const ProjectData&) const = default;
};

// The project part of the process image.
ProjectData CaptureProject(const ProcessImage& image);

// Replaces the project tables of the process image; nothing else is touched.
void StoreProject(const ProjectData& data, ProcessImage& image);

// The file's 470 lines, each ended by CR LF. A text holding a line break is written with
// blanks in its place: the file must keep one value per line to read back.
std::string FormatProject(const ProjectData& data);

// Whether file bytes can be a project at all: text in UTF-8 without NUL bytes. A picture or
// an archive renamed to .txt is not.
bool IsProjectText(std::string_view text);

// Splits file bytes into lines: CR LF, LF and a lone CR each end a line. At most
// `max_lines` lines are taken; the rest of the text is not looked at.
std::vector<std::string> SplitLines(std::string_view text, size_t max_lines);

// Reads an integer line: blanks and tabs in front are skipped; the number runs up to the
// next blank or control character and the rest of the line is ignored. An empty line, a
// number that is not a decimal integer with an optional sign, one longer than 32
// characters or one outside the 32-bit range gives nullopt.
std::optional<int32_t> ReadIntegerLine(std::string_view line);

// Reads the lines of a project file in file order. Lines past the end read as 0 or as an
// empty text. Returns nullopt when a line where an integer belongs holds none.
std::optional<ProjectData> ParseProject(const std::vector<std::string>& lines);

}  // namespace tessaro
