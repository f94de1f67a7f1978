#include "picture_writer.h"

#include <QSaveFile>
#include <system_error>

#include "engine/core/paths.h"

namespace tessaro::assets {

namespace fs = std::filesystem;

std::optional<std::string> WritePicture(const fs::path& root, const Picture& picture) {
  const std::string folder_name = picture.folder.toStdString();
  const std::string file_name = picture.name.toStdString();
  std::error_code ec;
  fs::path folder = ResolvePath(root, folder_name).value_or(root / folder_name);
  if (!fs::is_directory(folder, ec)) {
    fs::create_directories(folder, ec);
    if (ec) return "cannot create " + folder.string() + ": " + ec.message();
  }
  const fs::path target =
      ResolveFolderFile(root, folder_name, file_name).value_or(folder / file_name);
  if (fs::exists(target, ec) && !fs::is_regular_file(target, ec)) {
    return target.string() + " exists and is not a file";
  }

  // The BMP writer stores 32-bit images as 24-bit pixels; make sure that is what it gets.
  const QImage image = picture.image.convertToFormat(QImage::Format_RGB32);
  QSaveFile file(QString::fromStdString(target.string()));
  if (!file.open(QIODevice::WriteOnly)) {
    return "cannot write " + target.string() + ": " + file.errorString().toStdString();
  }
  if (!image.save(&file, "BMP")) {
    file.cancelWriting();
    return "cannot encode " + target.string();
  }
  if (!file.commit()) {
    return "cannot write " + target.string() + ": " + file.errorString().toStdString();
  }
  return std::nullopt;
}

}  // namespace tessaro::assets
