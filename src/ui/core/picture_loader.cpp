#include "ui/core/picture_loader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <utility>

#include "engine/core/paths.h"

namespace tessaro {

namespace {

// No picture of the program comes near this; a bigger file is not read at all.
constexpr qint64 kMaxPictureBytes = 64 << 20;

QImage Decode(const QByteArray& bytes, const QByteArray& format_hint) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  // The extension is only a hint; the reader falls back to the file's content.
  QImageReader reader(&buffer, format_hint);
  return reader.read();
}

}  // namespace

PictureLoader::PictureLoader(std::filesystem::path root) : root_(std::move(root)) {}

QPixmap PictureLoader::Load(std::string_view relative) {
  const auto resolved = ResolvePath(root_, relative);
  if (!resolved) return {};
  const QString name = QFile::decodeName(resolved->c_str());
  // Only a regular file is read: a FIFO or a device would hold up the window or never end.
  const QFileInfo info(name);
  if (!info.isFile() || info.size() > kMaxPictureBytes) return {};
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray bytes = file.readAll();

  auto cached = cache_.find(name);
  if (cached != cache_.end() && cached->bytes == bytes) return cached->pixmap;

  const QImage picture = Decode(bytes, QFileInfo(name).suffix().toLatin1().toLower());
  if (picture.isNull()) {
    cache_.remove(name);
    return {};
  }
  Entry& entry = cache_[name];
  entry.bytes = std::move(bytes);
  entry.pixmap = QPixmap::fromImage(picture);
  return entry.pixmap;
}

QString CannotOpenText(std::string_view relative) {
  return QStringLiteral("Cannot open file \"%1\".")
      .arg(QString::fromUtf8(relative.data(), static_cast<qsizetype>(relative.size())));
}

}  // namespace tessaro
