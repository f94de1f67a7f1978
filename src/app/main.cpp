// Tessaro: the process image, the board and the operator screen, then the event loop.
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QScreen>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "engine/board/board_selection.h"
#include "engine/core/process_image.h"
#include "engine/core/user_folder.h"
#include "ui/core/file_names.h"
#include "ui/core/language.h"
#include "ui/core/main_window.h"
#include "ui/core/qt_messages.h"
#include "ui/core/startup_probe.h"
#include "ui/core/trainer.h"

namespace {

// The user's own folder for projects and pictures: %APPDATA%\Tessaro on Windows, the XDG
// data folder elsewhere.
std::filesystem::path UserDataFolder() {
#ifdef Q_OS_WIN
  // Qt's folder is %APPDATA%\ORGANISATION\APPLICATION, and both names are "Tessaro": the
  // user's folder is the organisation's, %APPDATA%\Tessaro.
  return tessaro::ToPath(
      QFileInfo(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).path());
#else
  return tessaro::UserFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
#endif
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaro"));
  // Settings go to ~/.config/Tessaro/Tessaro.conf, under the program's own name.
  QApplication::setOrganizationName(QStringLiteral("Tessaro"));
  // Ties the windows to the menu entry, so the task bar shows the program's icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(TESSARO_APP_ID));
  // The desktop's language, or the one chosen in the program; Qt's dialogs speak it too.
  tessaro::InstallTranslations(app, tessaro::LanguageFor(tessaro::StoredLanguageChoice(),
                                                         QLocale()));

  // Relative paths (Velden/..., Teks/...) are taken from the folder the program works in:
  // the working folder or the program's own when either has a Velden, else, for an
  // installed program, the user's own folder beside the shipped pictures.
  std::error_code error;
  const std::filesystem::path program_dir =
      tessaro::ToPath(QCoreApplication::applicationDirPath());
  const std::filesystem::path shared = (program_dir / TESSARO_SHARED_FROM_BIN).lexically_normal();
  const tessaro::WorkFolder work = tessaro::ChooseWorkFolder(
      std::filesystem::current_path(error), program_dir, shared,
      UserDataFolder());
  const std::filesystem::path& root = work.root;
  std::filesystem::current_path(root, error);

  auto image = std::make_unique<tessaro::ProcessImage>();
  // Values are shown with the user's decimal separator.
  const QString point = QLocale().decimalPoint();
  if (point.size() == 1 && point[0].unicode() < 128) {
    image->DecimalSeparator = static_cast<char>(point[0].unicode());
  }
  // The simulated board, or a board library from the start; "Kaart" may bring in another.
  // A library in the program's own folders may load; elsewhere only one of the user's own.
  const std::unique_ptr<tessaro::Board> board =
      tessaro::MakeBoardSelector(root, {program_dir, shared});
  tessaro::QtMessages messages;
  tessaro::Trainer trainer(*image, *board, messages, root,
                           tessaro::Trainer::Start::kOperatorScreenFirst);
  tessaro::MainWindow& window = trainer.main_window();
  messages.SetParent(&window);
  QObject::connect(&window, &tessaro::MainWindow::Closed, &app, &QApplication::quit);

  // The whole screen also where no window manager maximises.
  window.SetZoomChoice(tessaro::MainWindow::StoredZoomChoice());
  window.setGeometry(window.screen()->availableGeometry());
  window.showMaximized();
  if (!work.problem.empty()) {
    QMetaObject::invokeMethod(
        &window, [&messages, &work] { messages.Error(messages.Render(work.problem)); },
        Qt::QueuedConnection);
  }
  trainer.FinishStartAfterFirstFrame();
  const tessaro::StartupProbe probe(window, [&trainer] { trainer.ShowEveryWindow(); });
  return app.exec();
}
