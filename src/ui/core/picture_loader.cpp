#include "ui/core/picture_loader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <chrono>
#include <system_error>
#include <utility>

#include "engine/core/paths.h"

namespace tessaro {

namespace {

// Coarser than any file system's time stamps: a file read later than this after it was last
// written cannot have been rewritten unseen with the same size and time.
constexpr auto kRacyWindow = std::chrono::seconds(2);

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
  std::error_code ec;
  const auto size = std::filesystem::file_size(*resolved, ec);
  if (ec) return {};
  const auto modified = std::filesystem::last_write_time(*resolved, ec);
  if (ec) return {};

  const QString name = QFile::decodeName(resolved->c_str());
  auto cached = cache_.find(name);
  const bool same_stamp =
      cached != cache_.end() && cached->size == size && cached->modified == modified;
  if (same_stamp && !cached->racy) return cached->pixmap;

  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  ++reads_;
  const size_t hash = qHash(bytes);
  const bool racy = std::filesystem::file_time_type::clock::now() - modified < kRacyWindow;
  if (cached != cache_.end() && cached->hash == hash) {
    cached->size = size;
    cached->modified = modified;
    cached->racy = racy;
    return cached->pixmap;
  }
  const QImage picture = Decode(bytes, QFileInfo(name).suffix().toLatin1().toLower());
  Entry& entry = cache_[name];
  entry.size = size;
  entry.modified = modified;
  entry.racy = racy;
  entry.hash = hash;
  entry.pixmap = picture.isNull() ? QPixmap() : QPixmap::fromImage(picture);
  return entry.pixmap;
}

QString CannotOpenText(std::string_view relative) {
  return QStringLiteral("Cannot open file \"%1\".")
      .arg(QString::fromUtf8(relative.data(), static_cast<qsizetype>(relative.size())));
}

}  // namespace tessaro
