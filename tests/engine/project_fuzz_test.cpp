// Damaged and random project files: the loader must never crash, must leave the whole
// process image as it was when it refuses a file, and what it accepts must save and load
// back the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "engine/control/onoff_controller.h"
#include "engine/control/pid_faceplate.h"
#include "engine/control/step_controller.h"
#include "engine/project/project_data.h"
#include "engine/project/project_extras.h"
#include "engine/project/project_file.h"
#include "fakes.h"
#include "project_test_support.h"

namespace tessaro {
namespace {

constexpr int kInputs = 3000;

std::vector<unsigned char> Bytes(const ProcessImage& image) {
  const auto* p = reinterpret_cast<const unsigned char*>(&image);
  return {p, p + sizeof image};
}

class Mutator {
 public:
  explicit Mutator(uint32_t seed) : random_(seed) {}

  std::string Mutate(const std::string& base) {
    std::string text = base;
    switch (Below(9)) {
      case 0:  // cut off anywhere
        text.resize(Below(text.size() + 1));
        break;
      case 1:  // a few bytes changed
        for (size_t n = 1 + Below(8); n > 0 && !text.empty(); --n) {
          text[Below(text.size())] = static_cast<char>(Below(256));
        }
        break;
      case 2:  // bytes inserted
        text.insert(Below(text.size() + 1), RandomBytes(1 + Below(20)));
        break;
      case 3:  // a line dropped or an empty one added: everything after it shifts
        return JoinLines(EditLine(text, Below(2) ? "" : std::string("\x01")));
      case 4:  // a line replaced by something number-like
        return JoinLines(EditLine(text, NumberLike()));
      case 5:  // a very long line
        return JoinLines(EditLine(text, std::string(10000 + Below(200000), Below(2) ? '7' : 'x')));
      case 6:  // other line ends
        for (char& ch : text) {
          if (ch == '\r') ch = Below(2) ? '\n' : '\r';
        }
        break;
      case 7:  // nothing but noise
        return RandomBytes(Below(4000));
      default:  // a line replaced by noise
        return JoinLines(EditLine(text, RandomBytes(Below(40))));
    }
    return text;
  }

 private:
  size_t Below(size_t n) {
    return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(random_);
  }

  std::string RandomBytes(size_t count) {
    std::string bytes(count, '\0');
    for (char& ch : bytes) ch = static_cast<char>(Below(256));
    return bytes;
  }

  std::string NumberLike() {
    static const char* const kTexts[] = {"-2147483648",
                                         "2147483647",
                                         "2147483648",
                                         "+0",
                                         "-",
                                         " \t12 rest",
                                         "007",
                                         "1e3",
                                         "0x1F",
                                         "",
                                         "00000000000000000000000000000001",
                                         "000000000000000000000000000000001",
                                         "255",
                                         "256",
                                         "-1"};
    return kTexts[Below(std::size(kTexts))];
  }

  // Replaces a random line by `line`, or, when `line` is "\x01", removes one.
  std::vector<std::string> EditLine(const std::string& text, const std::string& line) {
    auto lines = SplitLines(text, kProjectLines + kMaxExtrasLines);
    const size_t at = Below(lines.size());
    if (line == "\x01") {
      if (!lines.empty()) lines.erase(lines.begin() + static_cast<long>(at));
    } else if (line.empty()) {
      lines.insert(lines.begin() + static_cast<long>(at), line);
    } else if (!lines.empty()) {
      lines[at] = line;
    }
    return lines;
  }

  std::mt19937 random_;
};

TEST(ProjectFuzz, DamagedFilesNeverHalfLoadAndWhatLoadsSavesBackTheSame) {
  // Thousands of small writes: in memory where the system offers a folder for it.
  std::error_code ec;
  TempRoot root(fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm")
                                                 : fs::temp_directory_path());
  for (const char* key : {"A1in", "Draad1", "Tup", "Reg1"}) {
    WriteBytes(root.velden() / (std::string(key) + ".bmp"), "BM");
  }
  ProcessImage rich;
  FillProject(rich);
  ProcessImage plain;
  ApplyStartupDefaults(plain);
  // The third keeps settings after its 470 lines; its section is mutated most often, as it
  // is where a hand-edited lesson goes wrong.
  ProcessImage tuned = rich;
  tuned.InstrumentTitle[9] = "Oven 1";
  pid::SetBox(tuned, 1, PidBox::SpinEdit4, 70);
  pid::AutoButtonClick(tuned, 1);
  pid::CascadeButtonClick(tuned, 3);
  onoff::GapButtonClick(tuned, 8, 3);
  step::GKknopClick(tuned, 5);
  const std::string bases[] = {
      FormatProject(CaptureProject(rich)), FormatProject(CaptureProject(plain)),
      FormatProject(CaptureProject(tuned)) + FormatExtras(CaptureExtras(tuned))};
  const size_t section_start = FormatProject(CaptureProject(tuned)).size();

  // What the program holds before each load: another project, with signals and a selection.
  ProcessImage current;
  ApplyStartupDefaults(current);
  current.FieldGrid[4][4] = "OR1";
  current.OutRight[4][4] = 200;
  current.RangeUnit[3] = "current";
  current.ChosenKey = "AND2";

  Mutator mutator(20240611);
  int refused = 0, loaded = 0, pictures_missing = 0, round_trips_on_disk = 0;
  for (int input = 0; input < kInputs; ++input) {
    const std::string& base = bases[input % 3];
    const std::string text =
        input % 3 == 2 && input % 2 == 0
            ? base.substr(0, section_start) + mutator.Mutate(base.substr(section_start))
            : mutator.Mutate(base);
    fs::remove(root.data_file());  // a truncated file would be flushed to disk on close
    WriteBytes(root.data_file(), text);
    ProcessImage image = current;
    const auto before = Bytes(image);
    RecordingMessages messages;
    RecordingLoadView view;

    const LoadResult result = LoadProject(image, root.path(), messages, view);
    if (result == LoadResult::Failed) {
      ++refused;
      ASSERT_EQ(messages.errors.size(), 1u) << "input " << input;
      // A line of more than 4 KiB, a NUL byte or bytes that are no UTF-8 make no project at
      // all; else a bad number or setting.
      const std::string& error = messages.errors[0];
      ASSERT_TRUE(error.starts_with("Geen projectbestand: regel ") ||
                  error == "data1.txt is geen Tessaro-project." ||
                  error == "Invalid numeric input." || error.starts_with("Invalid value") ||
                  error.starts_with("No key=value"))
          << "input " << input << ": " << error;
      ASSERT_TRUE(view.events.empty()) << "input " << input;
      ASSERT_TRUE(Bytes(image) == before) << "input " << input;
      ASSERT_EQ(CaptureProject(image), CaptureProject(current)) << "input " << input;
      continue;
    }
    ++(result == LoadResult::Loaded ? loaded : pictures_missing);
    ASSERT_EQ(messages.errors.size(), result == LoadResult::Loaded ? 0u : 1u) << "input " << input;
    ASSERT_EQ(image.OutRight[4][4], 200);
    for (int n = 1; n <= 3; ++n) ASSERT_EQ(std::abs(image.Pid[n].PidAction), 1);

    // What was accepted writes 470 lines that read back the same, and a section that does.
    const ProjectData project = CaptureProject(image);
    const ProjectExtras extras = CaptureExtras(image);
    const auto lines = SplitLines(FormatProject(project), kProjectLines + 1);
    ASSERT_EQ(lines.size(), static_cast<size_t>(kProjectLines));
    ASSERT_EQ(ParseProject(lines), project) << "input " << input;
    const auto section = SplitLines(FormatExtras(extras), kMaxExtrasLines);
    const ExtrasRead read = ParseExtras(section, kProjectLines + 1);
    ASSERT_EQ(read.extras.value_or(ProjectExtras{}), extras) << "input " << input;
    if (input % 20 == 0) {  // and through the disk now and then
      ++round_trips_on_disk;
      ASSERT_TRUE(SaveProject(image, root.path(), messages));
      ProcessImage again = current;
      ASSERT_EQ(LoadProject(again, root.path(), messages, view, GridPictures::Skip),
                LoadResult::Loaded);
      ASSERT_EQ(CaptureProject(again), project) << "input " << input;
      ASSERT_EQ(CaptureExtras(again), extras) << "input " << input;
    }
  }
  std::cout << kInputs << " inputs: " << refused << " refused, " << loaded << " loaded, "
            << pictures_missing << " loaded with pictures missing, " << round_trips_on_disk
            << " saved and loaded again\n";
  EXPECT_GT(refused, kInputs / 10);
  EXPECT_GT(loaded + pictures_missing, kInputs / 10);
}

}  // namespace
}  // namespace tessaro
