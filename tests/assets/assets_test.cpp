// Runs the picture generator into scratch folders and checks what it leaves there.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "engine/core/block_keys.h"
#include "engine/core/block_table.h"
#include "engine/screen/screen_items.h"

namespace {

namespace fs = std::filesystem;

struct Size {
  int width, height;
};

// Every file the program loads from its picture folders, with the size its window expects.
std::map<std::string, Size> ExpectedPictures() {
  std::map<std::string, Size> files;
  for (const auto& info : tessaro::BlockKeys()) {
    files["Velden/" + std::string(info.key) + ".bmp"] = {71, 71};
  }
  files["Velden/Blanco.bmp"] = {71, 71};
  files["Velden/papier.bmp"] = {460, 240};
  files["Velden/Papier40.bmp"] = {584, 308};
  files["Teks/Procesplaat.bmp"] = {1286, 632};
  for (int n = 1; n <= 6; ++n) {
    const std::string d = std::to_string(n);
    files["Teks/Knop" + d + "aan.bmp"] = files["Teks/Knop" + d + "uit.bmp"] = {90, 40};
    files["Teks/D" + d + "uithoog.bmp"] = files["Teks/D" + d + "uitlaag.bmp"] = {108, 29};
    if (n <= 5) files["Teks/Dig" + d + "hoog.bmp"] = files["Teks/Dig" + d + "laag.bmp"] = {90, 40};
  }
  return files;
}

// "Velden/AND1.bmp" -> "Velden/AND1@2x.bmp".
std::string DoubleName(const std::string& name) {
  return name.substr(0, name.rfind('.')) + "@2x" + name.substr(name.rfind('.'));
}

// Each picture, and its copy for screens of twice the density at twice the size.
std::map<std::string, Size> ExpectedFiles() {
  std::map<std::string, Size> files = ExpectedPictures();
  for (const auto& [name, size] : ExpectedPictures()) {
    files[DoubleName(name)] = {2 * size.width, 2 * size.height};
  }
  return files;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

uint32_t Le(const std::string& bytes, size_t at, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

// Checks the header of an uncompressed 24-bit BMP of the given size.
void ExpectBmp24(const fs::path& path, Size size) {
  SCOPED_TRACE(path.string());
  const std::string bytes = ReadAll(path);
  ASSERT_GE(bytes.size(), 54u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(Le(bytes, 18, 4), static_cast<uint32_t>(size.width));
  EXPECT_EQ(Le(bytes, 22, 4), static_cast<uint32_t>(size.height));
  EXPECT_EQ(Le(bytes, 28, 2), 24u);
  EXPECT_EQ(Le(bytes, 30, 4), 0u);
  const size_t row = (static_cast<size_t>(size.width) * 3 + 3) / 4 * 4;
  EXPECT_EQ(bytes.size(), Le(bytes, 10, 4) + row * size.height);
}

std::set<std::string> FilesUnder(const fs::path& root) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) names.insert(fs::relative(entry.path(), root).generic_string());
  }
  return names;
}

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "tessaro-assets-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~ScratchFolder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

  // Runs the generator into this folder, with `mode` before the folder and `name` after it;
  // returns its exit status.
  int Generate(const std::string& mode = "", const std::string& name = "") const {
    const std::string command = "QT_QPA_PLATFORM=offscreen '" ASSETS_PROGRAM "' " + mode + " '" +
                                path_.string() + "' " + name + " > '" + path_.string() +
                                ".log' 2>&1";
    const int status = std::system(command.c_str());
    log_ = ReadAll(path_.string() + ".log");
    fs::remove(path_.string() + ".log");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  const std::string& log() const { return log_; }

 private:
  fs::path path_;
  mutable std::string log_;
};

// One generator run shared by the tests that only look at the pictures.
class GeneratedPictures : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new ScratchFolder;
    status_ = folder_->Generate();
  }
  static void TearDownTestSuite() { delete folder_; }

  static QImage Load(const std::string& name) {
    return QImage(QString::fromStdString((folder_->path() / name).string()));
  }

  static inline ScratchFolder* folder_ = nullptr;
  static inline int status_ = -1;
};

TEST_F(GeneratedPictures, WritesExactlyTheExpectedFilesAsBmp24AtTheirSizes) {
  ASSERT_EQ(status_, 0) << folder_->log();
  const auto expected = ExpectedFiles();
  std::set<std::string> names;
  for (const auto& [name, size] : expected) {
    names.insert(name);
    ExpectBmp24(folder_->path() / name, size);
  }
  // Nothing else: no temporary files left behind, no second spelling of a name.
  EXPECT_EQ(FilesUnder(folder_->path()), names);
}

bool IsSignal(QRgb pixel) { return qBlue(pixel) > qRed(pixel) + 40 && qRed(pixel) < 130; }

// The sides on which each block's picture must show a signal line reaching the field edge:
// where the block reads, and where it writes.
// The copies for dense screens show the same picture, drawn anew at twice the size: the same
// shapes at the same places (text may fall a pixel apart, so patches of 4 x 4 pixels are
// compared), with detail that a pixel-doubled copy lacks.
TEST_F(GeneratedPictures, DoubleSizePicturesAreDrawnAtTheirSizeNotEnlarged) {
  ASSERT_EQ(status_, 0) << folder_->log();
  constexpr int kPatch = 4;
  for (const auto& [name, size] : ExpectedPictures()) {
    SCOPED_TRACE(name);
    const QImage single = Load(name).convertToFormat(QImage::Format_RGB32);
    const QImage twice = Load(DoubleName(name)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(twice.size(), single.size() * 2);
    bool finer = false;
    for (int y = 0; y < single.height() && !finer; ++y) {
      for (int x = 0; x < single.width() && !finer; ++x) {
        const QRgb first = twice.pixel(2 * x, 2 * y);
        finer = twice.pixel(2 * x + 1, 2 * y) != first || twice.pixel(2 * x, 2 * y + 1) != first ||
                twice.pixel(2 * x + 1, 2 * y + 1) != first;
      }
    }
    EXPECT_TRUE(finer) << "a pixel-doubled copy";
    double difference = 0;
    int patches = 0;
    for (int top = 0; top + kPatch <= single.height(); top += kPatch) {
      for (int left = 0; left + kPatch <= single.width(); left += kPatch) {
        double one = 0, two = 0;
        for (int y = top; y < top + kPatch; ++y) {
          for (int x = left; x < left + kPatch; ++x) {
            one += qGray(single.pixel(x, y));
            for (int d = 0; d < 4; ++d)
              two += qGray(twice.pixel(2 * x + d % 2, 2 * y + d / 2)) / 4.0;
          }
        }
        difference += std::abs(one - two) / (kPatch * kPatch);
        ++patches;
      }
    }
    EXPECT_LT(difference / patches, 16.0);
  }
}

TEST_F(GeneratedPictures, BlockSignalsMeetTheFieldEdgesWhereTheBlockReadsAndWrites) {
  // left, top, right, bottom
  const std::map<std::string, std::string> sides = {
      {"AND1", "L.RB"},    {"AND2", "LTR."},    {"AND3", "LTRB"},     {"NAND1", "L.RB"},
      {"NOR2", "LTR."},    {"OR3", "LTRB"},     {"XOR", ".TRB"},      {"HS1", "LTR."},
      {"LS1", "L.RB"},     {"Not", "L.R."},     {"Flipflop", "L.RB"}, {"ADS", "L.R."},
      {"Reg3", "LTR."},    {"Reg5", "L.RB"},    {"Reg8", "L.R."},     {"Rec4", "L..."},
      {"Draad1", "L.R."},  {"Draad2", ".T.B"},  {"Draad3", ".T.B"},   {"Draad4", "L..B"},
      {"Draad5", "..RB"},  {"Draad6", ".TR."},  {"Draad7", "LT.."},   {"Draad8", "LT.B"},
      {"Draad9", "LTR."},  {"Draad10", "L.RB"}, {"Draad11", ".TRB"},  {"Draad12", ".TRB"},
      {"Draad13", "LTRB"}, {"A3in", "..R."},    {"Knop2", "..R."},    {"Sinus", "..R."},
      {"D6uit", "L..."},   {"A2uit", "L..."},   {"Leeg", "...."},
  };
  const int probe[4][2] = {{2, 35}, {35, 2}, {67, 35}, {35, 67}};
  for (const auto& [key, expected] : sides) {
    const QImage image = Load("Velden/" + key + ".bmp");
    ASSERT_FALSE(image.isNull()) << key;
    for (int side = 0; side < 4; ++side) {
      const bool signal = IsSignal(image.pixel(probe[side][0], probe[side][1]));
      EXPECT_EQ(signal, expected[side] != '.') << key << " side "
                                               << "LTRB"[side];
    }
  }
  // Every other block as the block table says it reads and writes.
  for (const tessaro::BlockEntry& entry : tessaro::BlockEntries()) {
    const tessaro::BlockType& type = *entry.type;
    const bool edge[4] = {
        (type.reads & tessaro::kFromLeft) != 0,
        (type.reads & tessaro::kFromUpper) != 0 || (type.writes & tessaro::kToUp) != 0,
        (type.writes & tessaro::kToRight) != 0,
        (type.reads & tessaro::kFromLower) != 0 || (type.writes & tessaro::kToDown) != 0};
    const QImage image = Load("Velden/" + entry.key + ".bmp");
    ASSERT_FALSE(image.isNull()) << entry.key;
    for (int side = 0; side < 4; ++side) {
      EXPECT_EQ(IsSignal(image.pixel(probe[side][0], probe[side][1])), edge[side])
          << entry.key << " side "
          << "LTRB"[side];
    }
  }
}

bool RowsPlain(const QImage& image, QRect area) {
  const QRgb plain = image.pixel(area.topLeft());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixel(x, y) != plain) return false;
    }
  }
  return true;
}

TEST_F(GeneratedPictures, LeavesRoomForTheTextsThatTheProgramPaints) {
  // Switch points and timer counts at the top and bottom of these blocks.
  for (const char* key : {"ADS", "Tup", "Taf", "Soff"}) {
    const QImage image = Load(std::string("Velden/") + key + ".bmp");
    EXPECT_TRUE(RowsPlain(image, QRect(2, 3, 67, 15))) << key;
    EXPECT_TRUE(RowsPlain(image, QRect(2, 54, 67, 14))) << key;
  }
  // The value of a straight wire, at (10, 20) above the wire.
  EXPECT_TRUE(RowsPlain(Load("Velden/Draad1.bmp"), QRect(2, 18, 56, 13)));
  // Scale texts right of the charts, command buttons along the top of the screen.
  EXPECT_TRUE(RowsPlain(Load("Velden/papier.bmp"), QRect(402, 0, 58, 240)));
  EXPECT_TRUE(RowsPlain(Load("Velden/Papier40.bmp"), QRect(482, 0, 102, 308)));
  const QImage plate = Load("Teks/Procesplaat.bmp");
  EXPECT_TRUE(RowsPlain(plate, QRect(0, 0, 1286, 30)));
  // The output lamps at their start positions stand on plain background.
  for (int n = 1; n <= 6; ++n) {
    const auto& lamp = tessaro::ScreenItems()[static_cast<size_t>(
        tessaro::ItemIndex("D" + std::to_string(n) + "uit"))];
    EXPECT_TRUE(RowsPlain(plate, QRect(lamp.default_left, lamp.default_top, 108, 29))) << n;
  }
}

TEST_F(GeneratedPictures, ChartGridsLieWhereTheTrendsAreDrawn) {
  const auto line = [](const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 235;
  };
  const QImage trend = Load("Velden/papier.bmp");
  // 100 % at y = 13, 0 % at y = 213, 20-pixel cells, minute lines every 60 px from x = 400.
  for (int y = 13; y <= 213; y += 20) EXPECT_TRUE(line(trend, 10, y)) << "trend y " << y;
  for (int x = 400; x >= 40; x -= 60) EXPECT_TRUE(line(trend, x, 100)) << "trend x " << x;
  EXPECT_FALSE(line(trend, 10, 23));
  EXPECT_FALSE(line(trend, 30, 100));
  const QImage recorder = Load("Velden/Papier40.bmp");
  // Byte 255 at y = 25, 0 at y = 280, time lines every 30 px from x = 480.
  for (int y : {25, 153, 280}) EXPECT_TRUE(line(recorder, 10, y)) << "recorder y " << y;
  for (int x = 480; x >= 0; x -= 30) EXPECT_TRUE(line(recorder, x, 100)) << "recorder x " << x;
  EXPECT_FALSE(line(recorder, 15, 100));
}

double Brightness(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
  }
  return sum / (image.width() * image.height());
}

TEST_F(GeneratedPictures, OnPicturesAreClearlyBrighterThanOffPictures) {
  for (int n = 1; n <= 6; ++n) {
    const std::string d = std::to_string(n);
    EXPECT_GT(Brightness(Load("Teks/Knop" + d + "aan.bmp")),
              Brightness(Load("Teks/Knop" + d + "uit.bmp")) + 40)
        << n;
    if (n <= 5) {
      EXPECT_GT(Brightness(Load("Teks/Dig" + d + "hoog.bmp")),
                Brightness(Load("Teks/Dig" + d + "laag.bmp")) + 40)
          << n;
    }
    // The output lamp is white when off, so lit means coloured: far from grey.
    const QColor on = Load("Teks/D" + d + "uithoog.bmp").pixelColor(3, 3);
    EXPECT_GT(on.hsvSaturation(), 150) << n;
  }
}

TEST(AssetsRun, LeavesTheProjectFileAndOtherFilesUntouched) {
  ScratchFolder folder;
  const fs::path root = folder.path();
  std::string project;
  for (int i = 0; i < 470; ++i) project += std::to_string(i * 7 % 256) + "\r\n";
  const std::map<std::string, std::string> foreign = {
      {"Velden/data1.txt", project},
      {"Velden/K8055d.dll", std::string(300, '\x7f')},
      {"Teks/eigen plaat.bmp", "not a picture"}};
  for (const auto& [name, bytes] : foreign) WriteAll(root / name, bytes);
  WriteAll(root / "Velden/AND1.bmp", "stale");

  ASSERT_EQ(folder.Generate(), 0) << folder.log();
  ASSERT_EQ(folder.Generate(), 0) << folder.log();

  for (const auto& [name, bytes] : foreign) EXPECT_EQ(ReadAll(root / name), bytes) << name;
  ExpectBmp24(root / "Velden/AND1.bmp", {71, 71});
  std::set<std::string> names;
  for (const auto& [name, size] : ExpectedFiles()) names.insert(name);
  for (const auto& [name, bytes] : foreign) names.insert(name);
  EXPECT_EQ(FilesUnder(root), names);
}

TEST(AssetsRun, ReusesFoldersAndPicturesSpelledInAnotherCase) {
  ScratchFolder folder;
  const fs::path root = folder.path();
  WriteAll(root / "velden/data1.txt", "project\n");
  WriteAll(root / "velden/and1.BMP", "stale");
  WriteAll(root / "TEKS/procesPLAAT.bmp", "stale");

  ASSERT_EQ(folder.Generate(), 0) << folder.log();

  // One folder and one file per picture, so a case-blind lookup finds the fresh picture.
  EXPECT_FALSE(fs::exists(root / "Velden"));
  EXPECT_FALSE(fs::exists(root / "Teks"));
  EXPECT_FALSE(fs::exists(root / "velden/AND1.bmp"));
  EXPECT_FALSE(fs::exists(root / "TEKS/Procesplaat.bmp"));
  ExpectBmp24(root / "velden/and1.BMP", {71, 71});
  ExpectBmp24(root / "TEKS/procesPLAAT.bmp", {1286, 632});
  EXPECT_EQ(ReadAll(root / "velden/data1.txt"), "project\n");
}

// The menu icon: a PNG at each size a desktop asks for, and the SVG drawing the same picture.
TEST(AssetsRun, DrawsTheProgramsIconAsSvgAndAtEveryPngSize) {
  ScratchFolder folder;
  ASSERT_EQ(folder.Generate("--icons", "org.example.Icon"), 0) << folder.log();
  const fs::path theme = folder.path() / "hicolor";
  QImage largest;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const std::string dir = std::to_string(size) + "x" + std::to_string(size);
    const QImage png(QString::fromStdString((theme / dir / "apps/org.example.Icon.png").string()));
    EXPECT_EQ(png.size(), QSize(size, size)) << dir;
    if (size == 256) largest = png;
  }
  QSvgRenderer svg(QString::fromStdString((theme / "scalable/apps/org.example.Icon.svg").string()));
  ASSERT_TRUE(svg.isValid());
  QImage drawn(256, 256, QImage::Format_ARGB32);
  drawn.fill(Qt::transparent);
  {
    QPainter painter(&drawn);
    svg.render(&painter);
  }
  // Antialiased edges may differ a little; the picture itself may not.
  int differing = 0;
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      const QColor a = drawn.pixelColor(x, y), b = largest.pixelColor(x, y);
      if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
              std::abs(a.blue() - b.blue()) + std::abs(a.alpha() - b.alpha()) >
          96) {
        ++differing;
      }
    }
  }
  EXPECT_LT(differing, 256 * 256 / 100);
  // Somewhere in the middle the icon is opaque: the drawing is not empty.
  EXPECT_EQ(drawn.pixelColor(128, 30).alpha(), 255);
}

TEST(AssetsRun, FailsLoudlyWhenAPictureCannotBeWritten) {
  ScratchFolder folder;
  // A plain file where the Teks folder belongs.
  WriteAll(folder.path() / "Teks", "in the way");
  EXPECT_NE(folder.Generate(), 0);
  EXPECT_NE(folder.log().find("Teks"), std::string::npos) << folder.log();
  EXPECT_EQ(ReadAll(folder.path() / "Teks"), "in the way");
}

}  // namespace
