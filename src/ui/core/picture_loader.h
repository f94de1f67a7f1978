// Every picture the windows show is read through one loader: names are resolved under the
// data folder without regard to letter case, and decoded pictures are kept so that the lamps
// the scan redraws every cycle cost no decoding.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QPixmap>
#include <QString>
#include <filesystem>
#include <string_view>

namespace tessaro {

class PictureLoader {
 public:
  explicit PictureLoader(std::filesystem::path root);

  // The picture in file `relative` ("Teks/Knop3uit.bmp"), or a null pixmap when the file is
  // missing or holds no picture. The file is read on every call and decoded again only when
  // its bytes differ from the last read, so a picture changed on disk shows at once; an
  // unchanged picture comes back as the very same pixmap (same cacheKey).
  QPixmap Load(std::string_view relative);

  const std::filesystem::path& root() const { return root_; }

 private:
  struct Entry {
    QByteArray bytes;
    QPixmap pixmap;
  };

  std::filesystem::path root_;
  QHash<QString, Entry> cache_;  // by resolved file name
};

// The error text for a picture file that cannot be opened.
QString CannotOpenText(std::string_view relative);

}  // namespace tessaro
