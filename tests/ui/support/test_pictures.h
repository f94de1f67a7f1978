// Small pictures for window tests, written into a temporary data folder.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <filesystem>

namespace tessaro::testing {

class TestDataRoot {
 public:
  TestDataRoot();

  std::filesystem::path path() const;

  // Writes a BMP of one colour at `relative` ("Teks/Knop3uit.bmp"), making folders as needed.
  QImage WritePicture(const QString& relative, const QColor& colour, QSize size = {20, 10});
  void Remove(const QString& relative);

 private:
  QTemporaryDir dir_;
};

// Whether two pictures have the same size and the same pixels.
bool SamePixels(const QImage& a, const QImage& b);

}  // namespace tessaro::testing
