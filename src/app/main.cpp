// Tessaro: the process image, the board and the operator screen, then the event loop.
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QScreen>
#include <filesystem>
#include <memory>
#include <system_error>

#include "engine/board/board_selection.h"
#include "engine/core/paths.h"
#include "engine/core/process_image.h"
#include "ui/core/main_window.h"
#include "ui/core/qt_messages.h"
#include "ui/core/startup_probe.h"
#include "ui/core/trainer.h"

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
  tessaro::Trainer trainer(*image, *board, messages, root,
                           tessaro::Trainer::Start::kOperatorScreenFirst);
  tessaro::MainWindow& window = trainer.main_window();
  messages.SetParent(&window);
  QObject::connect(&window, &tessaro::MainWindow::Closed, &app, &QApplication::quit);

  // The whole screen also where no window manager maximises.
  window.setGeometry(window.screen()->availableGeometry());
  window.showMaximized();
  trainer.FinishStartAfterFirstFrame();
  const tessaro::StartupProbe probe(window, [&trainer] { trainer.ShowEveryWindow(); });
  return app.exec();
}
