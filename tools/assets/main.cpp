// tessaro-assets: draws every picture the trainer loads at run time and writes them into the
// Velden and Teks folders under the folder given on the command line. With --wiring it writes
// only the multiplexer wiring drawing, the JPEG that is built into the layout editor.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>

#include "picture_writer.h"
#include "pictures.h"
#include "wiring.h"

int main(int argc, char** argv) {
  const bool wiring = argc == 3 && std::strcmp(argv[1], "--wiring") == 0;
  if (argc != 2 && !wiring) {
    std::fprintf(stderr,
                 "usage: %s <folder the program runs in>\n"
                 "       %s --wiring <file.jpg>\n",
                 argv[0], argv[0]);
    return 2;
  }
  // Fonts need a GUI application, but never a screen: this runs during the build.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (wiring) {
    if (auto error = tessaro::assets::WriteJpeg(argv[2], tessaro::assets::WiringDrawing())) {
      std::fprintf(stderr, "tessaro-assets: %s\n", error->c_str());
      return 1;
    }
    return 0;
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
