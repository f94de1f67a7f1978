// File names between Qt and the engine. On Linux the bytes of a name go as they are; on
// Windows a name is UTF-16, and a trip through 8-bit text would lose whatever the local
// code page cannot write (Cyrillic on a Dutch machine).
#pragma once

#include <QFile>
#include <QString>
#include <filesystem>

namespace tessaro {

inline std::filesystem::path ToPath(const QString& file) {
#ifdef Q_OS_WIN
  return std::filesystem::path(file.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(file).toStdString());
#endif
}

inline QString FromPath(const std::filesystem::path& file) {
#ifdef Q_OS_WIN
  return QString::fromStdWString(file.native());
#else
  return QFile::decodeName(file.c_str());
#endif
}

}  // namespace tessaro
