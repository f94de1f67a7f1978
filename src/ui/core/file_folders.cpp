#include "ui/core/file_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace tessaro {

namespace {

const QString kFolderSetting = QStringLiteral("files/folder");

QString DocumentsFolder() {
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (documents.isEmpty()) documents = QDir::homePath();
  const QString folder = QDir(documents).filePath(QStringLiteral("Tessaro"));
  // A folder that cannot be made leaves the dialog in the documents folder itself.
  return QDir().mkpath(folder) ? folder : documents;
}

}  // namespace

QString FileDialogFolder() {
  const QString last = QSettings().value(kFolderSetting).toString();
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  return DocumentsFolder();
}

void RememberFolder(const QString& folder) {
  if (!folder.isEmpty()) QSettings().setValue(kFolderSetting, QDir(folder).absolutePath());
}

}  // namespace tessaro
