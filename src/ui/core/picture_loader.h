// Every picture the windows show is read through one loader: names are resolved under the
// data folder without regard to letter case, and decoded pictures are kept so that the lamps
// and charts the scan redraws every cycle cost neither reading nor decoding.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "engine/core/system_file.h"

namespace tessaro {

class PictureLoader {
 public:
  explicit PictureLoader(std::filesystem::path root);

  // The picture in file `relative` ("Teks/Knop3uit.bmp") as the screen shows it, or a null
  // pixmap when the file is missing or holds no picture. On a screen of more than one device
  // pixel per pixel its copy at twice the size ("Teks/Knop3uit@2x.bmp", device pixel ratio
  // 2) when there is one no older than the picture itself; a picture of the user's own,
  // newer than a shipped copy, is shown as it is. A file is read again only when its size or
  // modification time moved since it was read, so a picture changed on disk shows at its
  // next use; an unchanged picture comes back as the very same pixmap (same cacheKey).
  QPixmap Load(std::string_view relative);
  // The picture itself, at its size in pixels whatever the screen: for drawing on.
  QPixmap LoadSingle(std::string_view relative);

  // The screen's device pixels per pixel; by default the application's highest.
  void SetDeviceRatio(double ratio) { ratio_ = ratio; }

  const std::filesystem::path& root() const { return root_; }

  // How many times a file was read and decoded (for tests of the cache).
  int reads() const { return reads_; }

 private:
  // The file `relative` names now. Where a name was found is remembered, so that a use
  // costs a look at the file's size and time rather than a search of its folders.
  std::optional<std::filesystem::path> Resolve(std::string_view relative);
  // The file `relative` names now and its status, looked for afresh when it went away.
  std::optional<std::filesystem::path> Find(std::string_view relative, FileStamp& stamp);
  QPixmap Read(const std::filesystem::path& file, const FileStamp& stamp, double ratio);

  struct Entry {
    std::uintmax_t size = 0;
    timespec modified{};
    // The file was read so soon after it was written that a second write within the
    // file system's time-stamp granularity could leave size and time unchanged: until it is
    // read once more, later, its content hash decides.
    bool racy = false;
    size_t hash = 0;
    QPixmap pixmap;  // null when the file holds no picture
  };

  std::filesystem::path root_;
  std::unordered_map<std::string, std::filesystem::path> resolved_;  // by relative name
  QHash<QString, Entry> cache_;  // by resolved file name
  int reads_ = 0;
  double ratio_ = 0;  // 0: the application's
};

// The error text for a picture file that cannot be opened.
QString CannotOpenText(std::string_view relative);

}  // namespace tessaro
