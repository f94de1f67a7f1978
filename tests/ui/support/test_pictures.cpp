#include "support/test_pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessaro::testing {

TestDataRoot::TestDataRoot() { QDir(dir_.path()).mkpath(QStringLiteral("Velden")); }

std::filesystem::path TestDataRoot::path() const {
  return QFile::encodeName(dir_.path()).toStdString();
}

QImage TestDataRoot::WritePicture(const QString& relative, const QColor& colour, QSize size) {
  const QString file = dir_.filePath(relative);
  QDir().mkpath(QFileInfo(file).path());
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(colour);
  picture.save(file, "BMP");
  return picture;
}

void TestDataRoot::Remove(const QString& relative) { QFile::remove(dir_.filePath(relative)); }

bool SamePixels(const QImage& a, const QImage& b) {
  return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

}  // namespace tessaro::testing
