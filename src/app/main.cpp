// Tessaro: the process image, the board and the operator screen, then the event loop.
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QScreen>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>

#include "engine/board/board_selection.h"
#include "engine/core/paths.h"
#include "engine/core/process_image.h"
#include "ui/core/main_window.h"
#include "ui/core/qt_messages.h"
#include "ui/core/trainer.h"

namespace {

// With TESSARO_STARTUP_PROBE set, the program prints the wall-clock time at which its window
// first reached the screen and its resident memory then, and quits: the measure of start-up.
class StartupProbe : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      timespec now{};
      clock_gettime(CLOCK_REALTIME, &now);
      std::printf("shown %lld.%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
      watched->removeEventFilter(this);
      QMetaObject::invokeMethod(
          qApp, [] { Report(); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  static void Report() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
      if (line.rfind("VmRSS:", 0) == 0) std::printf("%s\n", line.c_str());
    }
    std::fflush(stdout);
    // Not quit(): that would ask the operator screen to close, and it asks "Afsluiten?".
    QCoreApplication::exit(0);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaro"));

  // Relative paths (Velden/..., Teks/...) are taken from the folder the program works in.
  std::error_code error;
  const std::filesystem::path root = tessaro::ChooseDataRoot(
      std::filesystem::current_path(error),
      QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
  std::filesystem::current_path(root, error);

  auto image = std::make_unique<tessaro::ProcessImage>();
  // Values are shown with the user's decimal separator.
  const QString point = QLocale().decimalPoint();
  if (point.size() == 1 && point[0].unicode() < 128) {
    image->DecimalSeparator = static_cast<char>(point[0].unicode());
  }
  // The simulated board, or a board library from the start; "Kaart" may bring in another.
  const std::unique_ptr<tessaro::Board> board = tessaro::MakeBoardSelector(root);
  tessaro::QtMessages messages;
  tessaro::Trainer trainer(*image, *board, messages, root);
  tessaro::MainWindow& window = trainer.main_window();
  messages.SetParent(&window);
  QObject::connect(&window, &tessaro::MainWindow::Closed, &app, &QApplication::quit);

  StartupProbe probe;
  // The whole screen also where no window manager maximises.
  window.setGeometry(window.screen()->availableGeometry());
  window.showMaximized();
  if (std::getenv("TESSARO_STARTUP_PROBE") != nullptr) {
    window.windowHandle()->installEventFilter(&probe);
  }
  return app.exec();
}
