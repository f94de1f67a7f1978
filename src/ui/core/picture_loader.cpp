#include "ui/core/picture_loader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
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

QPixmap PictureLoader::Load(std::string_view relative) {
  auto resolved = Resolve(relative);
  if (!resolved) return {};
  FileStamp stamp = StampOf(*resolved);
  if (!stamp.exists) {
    // Gone or renamed: looked for afresh.
    resolved_.erase(std::string(relative));
    resolved = Resolve(relative);
    if (!resolved || !(stamp = StampOf(*resolved)).exists) return {};
  }
  // A pipe or device would hold the program up on reading; it is no picture.
  if (!stamp.regular) return {};
  const auto size = static_cast<std::uintmax_t>(stamp.size);
  const timespec modified{static_cast<time_t>(stamp.modified_ns / 1'000'000'000),
                          static_cast<long>(stamp.modified_ns % 1'000'000'000)};

  const QString name = FromPath(*resolved);
  auto cached = cache_.find(name);
  const bool same_stamp =
      cached != cache_.end() && cached->size == size && cached->modified == modified;
  if (same_stamp && !cached->racy) return cached->pixmap;

  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
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
  return entry.pixmap;
}

QString CannotOpenText(std::string_view relative) {
  return QStringLiteral("Cannot open file \"%1\".")
      .arg(QString::fromUtf8(relative.data(), static_cast<qsizetype>(relative.size())));
}

}  // namespace tessaro
