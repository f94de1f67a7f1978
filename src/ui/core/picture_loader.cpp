#include "ui/core/picture_loader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <utility>

#include "engine/core/paths.h"
#include "engine/core/system_file.h"
#include "ui/core/file_names.h"

namespace tessaro {

namespace {

// Coarser than any file system's time stamps: a file read later than this after it was last
// written cannot have been rewritten unseen with the same size and time.
constexpr time_t kRacySeconds = 2;

bool operator==(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool Racy(const timespec& modified) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return now.tv_sec - modified.tv_sec <= kRacySeconds;
}

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

std::optional<std::filesystem::path> PictureLoader::Resolve(std::string_view relative) {
  const std::string name(relative);
  const std::filesystem::path spelled = root_ / name;
  if (auto known = resolved_.find(name); known != resolved_.end()) {
    // A name found in another letter case holds while no file of the very spelling appeared,
    // which a fresh look would prefer.
    if (known->second == spelled || !StampOf(spelled).exists) return known->second;
    resolved_.erase(known);
  }
  auto resolved = ResolvePath(root_, relative);
  if (resolved) resolved_.emplace(name, *resolved);
  return resolved;
}

std::optional<std::filesystem::path> PictureLoader::Find(std::string_view relative,
                                                         FileStamp& stamp) {
  auto resolved = Resolve(relative);
  if (!resolved) return {};
  stamp = StampOf(*resolved);
  if (!stamp.exists) {
    // Gone or renamed: looked for afresh.
    resolved_.erase(std::string(relative));
    resolved = Resolve(relative);
    if (!resolved || !(stamp = StampOf(*resolved)).exists) return {};
  }
  return resolved;
}

QPixmap PictureLoader::Load(std::string_view relative) {
  const double ratio = ratio_ > 0 ? ratio_ : qApp->devicePixelRatio();
  if (ratio <= 1) return LoadSingle(relative);
  // "Teks/Knop3uit.bmp" -> "Teks/Knop3uit@2x.bmp"
  std::string dense(relative);
  const size_t slash = dense.find_last_of('/');
  const size_t dot = dense.find_last_of('.');
  dense.insert(
      dot != std::string::npos && (slash == std::string::npos || dot > slash) ? dot : dense.size(),
      "@2x");
  FileStamp single_stamp;
  FileStamp dense_stamp;
  const auto single = Find(relative, single_stamp);
  const auto twice = Find(dense, dense_stamp);
  if (twice && (!single || dense_stamp.modified_ns >= single_stamp.modified_ns)) {
    const QPixmap picture = Read(*twice, dense_stamp, 2);
    if (!picture.isNull()) return picture;
  }
  if (!single) return {};
  return Read(*single, single_stamp, 1);
}

QPixmap PictureLoader::LoadSingle(std::string_view relative) {
  FileStamp stamp;
  const auto resolved = Find(relative, stamp);
  if (!resolved) return {};
  return Read(*resolved, stamp, 1);
}

QPixmap PictureLoader::Read(const std::filesystem::path& file, const FileStamp& stamp,
                            double ratio) {
  // A pipe or device would hold the program up on reading; it is no picture.
  if (!stamp.regular) return {};
  const auto size = static_cast<std::uintmax_t>(stamp.size);
  const timespec modified{static_cast<time_t>(stamp.modified_ns / 1'000'000'000),
                          static_cast<long>(stamp.modified_ns % 1'000'000'000)};

  const QString name = FromPath(file);
  auto cached = cache_.find(name);
  const bool same_stamp =
      cached != cache_.end() && cached->size == size && cached->modified == modified;
  if (same_stamp && !cached->racy) return cached->pixmap;

  QFile reader(name);
  if (!reader.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = reader.readAll();
  ++reads_;
  const size_t hash = qHash(bytes);
  const bool racy = Racy(modified);
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
  entry.pixmap.setDevicePixelRatio(ratio);
  return entry.pixmap;
}

QString CannotOpenText(std::string_view relative) {
  return QStringLiteral("Cannot open file \"%1\".")
      .arg(QString::fromUtf8(relative.data(), static_cast<qsizetype>(relative.size())));
}

}  // namespace tessaro
