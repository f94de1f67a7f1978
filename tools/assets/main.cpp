// tessaro-assets: draws every picture the trainer loads at run time and writes them into the
// Velden and Teks folders under the folder given on the command line. With --wiring it writes
// only the multiplexer wiring drawings, the JPEGs that are built into the layout editor; with
// --icons the program's icon into an icon theme folder.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

#include "app_icon.h"
#include "canvas.h"
#include "picture_writer.h"
#include "pictures.h"
#include "wiring.h"

int main(int argc, char** argv) {
  const bool wiring = argc == 3 && std::strcmp(argv[1], "--wiring") == 0;
  const bool icons = argc == 4 && std::strcmp(argv[1], "--icons") == 0;
  if (argc != 2 && !wiring && !icons) {
    std::fprintf(stderr,
                 "usage: %s <folder the program runs in>\n"
                 "       %s --wiring <file.jpg>\n"
                 "       %s --icons <icon folder> <icon name>\n",
                 argv[0], argv[0], argv[0]);
    return 2;
  }
  // Fonts need a GUI application, but never a screen: this runs during the build.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  std::optional<std::string> error;
  if (wiring) {
    // The drawing in Dutch, and beside it the English one ("-en"), each with a copy at twice
    // the size for dense screens ("@2x").
    const std::string file = argv[2];
    const auto named = [&file](const char* tail) {
      std::string name = file;
      name.insert(file.rfind('.') == std::string::npos ? file.size() : file.rfind('.'), tail);
      return name;
    };
    struct Drawing {
      const char* tail;
      tessaro::Language language;
      int scale;
    };
    constexpr Drawing kDrawings[] = {{"", tessaro::Language::kDutch, 1},
                                     {"@2x", tessaro::Language::kDutch, 2},
                                     {"-en", tessaro::Language::kEnglish, 1},
                                     {"-en@2x", tessaro::Language::kEnglish, 2}};
    for (const Drawing& drawing : kDrawings) {
      tessaro::assets::SetDrawingScale(drawing.scale);
      error = tessaro::assets::WriteJpeg(named(drawing.tail),
                                         tessaro::assets::WiringDrawing(drawing.language));
      if (error) break;
    }
    tessaro::assets::SetDrawingScale(1);
  }
  if (icons) error = tessaro::assets::WriteAppIcons(argv[2], QString::fromLocal8Bit(argv[3]));
  if (wiring || icons) {
    if (error) std::fprintf(stderr, "tessaro-assets: %s\n", error->c_str());
    return error ? 1 : 0;
  }
  const std::filesystem::path root(argv[1]);

  std::vector<tessaro::assets::Picture> pictures;
  try {
    pictures = tessaro::assets::AllPictures();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tessaro-assets: %s\n", e.what());
    return 1;
  }
  int failed = 0;
  for (const auto& picture : pictures) {
    if (auto error = tessaro::assets::WritePicture(root, picture)) {
      std::fprintf(stderr, "tessaro-assets: %s\n", error->c_str());
      ++failed;
    }
  }
  if (failed > 0) {
    std::fprintf(stderr, "tessaro-assets: %d of %zu pictures not written\n", failed,
                 pictures.size());
    return 1;
  }
  std::printf("tessaro-assets: %zu pictures written under %s\n", pictures.size(),
              root.string().c_str());
  return 0;
}
