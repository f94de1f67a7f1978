#include "ui/core/picture_loader.h"

#include <sys/stat.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <utility>

#include "engine/core/paths.h"

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
    struct stat status {};
    if (known->second == spelled || ::stat(spelled.c_str(), &status) != 0) return known->second;
    resolved_.erase(known);
  }
  auto resolved = ResolvePath(root_, relative);
  if (resolved) resolved_.emplace(name, *resolved);
  return resolved;
}

std::optional<std::filesystem::path> PictureLoader::Find(std::string_view relative,
                                                         struct stat& status) {
  auto resolved = Resolve(relative);
  if (!resolved) return {};
  if (::stat(resolved->c_str(), &status) != 0) {
    // Gone or renamed: looked for afresh.
    resolved_.erase(std::string(relative));
    resolved = Resolve(relative);
    if (!resolved || ::stat(resolved->c_str(), &status) != 0) return {};
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
  struct stat single_status {};
  struct stat dense_status {};
  const auto single = Find(relative, single_status);
  const auto twice = Find(dense, dense_status);
  if (twice && (!single || dense_status.st_mtim.tv_sec > single_status.st_mtim.tv_sec ||
                (dense_status.st_mtim.tv_sec == single_status.st_mtim.tv_sec &&
                 dense_status.st_mtim.tv_nsec >= single_status.st_mtim.tv_nsec))) {
    const QPixmap picture = Read(*twice, dense_status, 2);
    if (!picture.isNull()) return picture;
  }
  if (!single) return {};
  return Read(*single, single_status, 1);
}

QPixmap PictureLoader::LoadSingle(std::string_view relative) {
  struct stat status {};
  const auto resolved = Find(relative, status);
  if (!resolved) return {};
  return Read(*resolved, status, 1);
}

QPixmap PictureLoader::Read(const std::filesystem::path& file, const struct stat& status,
                            double ratio) {
  // A pipe or device would hold the program up on reading; it is no picture.
  if (!S_ISREG(status.st_mode)) return {};
  const auto size = static_cast<std::uintmax_t>(status.st_size);
  const timespec modified = status.st_mtim;

  const QString name = QFile::decodeName(file.c_str());
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
