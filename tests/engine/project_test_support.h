// Shared by the project file tests: a temporary program folder, a recording load view and a
// project that uses every table.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/process_image.h"
#include "engine/project/project_apply.h"

namespace tessaro {

namespace fs = std::filesystem;

// A program folder of its own, with a Velden folder, under the system's temporary folder
// unless told otherwise.
class TempRoot {
 public:
  explicit TempRoot(const fs::path& base = fs::temp_directory_path()) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = base / ("tessaro_project_" + std::to_string(::getpid()) + "_" +
                    info->test_suite_name() + "_" + info->name());
    fs::remove_all(path_);
    fs::create_directories(path_ / "Velden");
  }
  ~TempRoot() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  fs::path velden() const { return path_ / "Velden"; }
  fs::path data_file() const { return velden() / "data1.txt"; }

 private:
  fs::path path_;
};

inline std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Joins lines with CR LF after each.
inline std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// Records every call as one short text, in order.
struct RecordingLoadView : ProjectLoadView {
  void ItemTopChanged(int item, int top) override { Add("top", item, top); }
  void ItemLeftChanged(int item, int left) override { Add("left", item, left); }
  void ItemVisibilityChanged(int item, bool visible) override {
    Add(visible ? "show" : "hide", item);
  }
  void PidActionSelected(int n, bool direct) override { Add(direct ? "pid D" : "pid R", n); }
  bool FieldPictureLoaded(int row, int column, const fs::path& file) override {
    events.push_back("picture " + std::to_string(row) + " " + std::to_string(column) + " " +
                     file.filename().string());
    // A picture file whose bytes are not "BM..." stands for one that cannot be decoded.
    std::ifstream in(file, std::ios::binary);
    char magic[2] = {};
    in.read(magic, 2);
    return magic[0] == 'B' && magic[1] == 'M';
  }
  void FieldPictureCleared(int row, int column) override { Add("blank", row, column); }

  void Add(const std::string& what, int a) { events.push_back(what + " " + std::to_string(a)); }
  void Add(const std::string& what, int a, int b) {
    Add(what, a);
    events.back() += " " + std::to_string(b);
  }
  std::vector<std::string> events;
};

// A project with a value in every table: negative numbers, units with blanks, a timer in the
// middle of its count, every kind of visibility byte.
inline void FillProject(ProcessImage& image) {
  ApplyStartupDefaults(image);
  image.FieldGrid[1][1] = "A1in";
  image.FieldGrid[1][2] = "Draad1";
  image.FieldGrid[2][3] = "Tup";
  image.FieldGrid[5][4] = "Reg1";
  image.FieldGrid[16][7] = "D6uit";
  image.FieldParamA[2][3] = 30;  // preset
  image.FieldParamB[2][3] = 17;  // running count
  for (int r = 1; r <= kRows; ++r) {
    for (int k = kFirstProcessingColumn; k <= kLastProcessingColumn; ++k) {
      if (r == 2 && k == 3) continue;
      image.FieldParamA[r][k] = r * 100 - k;
      image.FieldParamB[r][k] = -(r * 1000 + k);
    }
  }
  image.FieldParamA[16][6] = INT32_MIN;
  image.FieldParamB[16][6] = INT32_MAX;
  for (int i = 0; i < kScreenEntries; ++i) {
    image.ItemLeft[i] = 7 * i - 20;
    image.ItemTop[i] = 1000 - 3 * i;
    image.ItemVisible[i] = static_cast<uint8_t>(i % 3 == 0 ? 1 : i * 5);
  }
  for (int n = 1; n <= kRangeSlots; ++n) {
    image.RangeHigh[n] = 100 * n;
    image.RangeLow[n] = -10 * n;
    image.RangeUnit[n] = n % 2 ? "deg C" : "m3 / h  ";
  }
  image.RangeUnit[4] = "";
  image.Pid[1].PidAction = -1;
  image.Pid[2].PidAction = 1;
  image.Pid[3].PidAction = -1;
}

}  // namespace tessaro
